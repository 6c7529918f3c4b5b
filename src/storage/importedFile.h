#pragma once

#include <QByteArray>
#include <QString>

// A file the user picked for import (a macro or a profile): read only up to
// a limit, so an oversized file is refused before anything parses it.
class importedFile
{
public:
    static constexpr qint64 MaxSize = 1024 * 1024;

    // The whole file; false when it cannot be read or is larger than MaxSize.
    static bool read(const QString &path, QByteArray &bytes);
};
