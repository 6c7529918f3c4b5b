#include "importedFile.h"

#include <QFile>

bool importedFile::read(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // One byte past the limit rather than trusting the size a special file
    // reports.
    bytes = file.read(MaxSize + 1);
    return bytes.size() <= MaxSize;
}
