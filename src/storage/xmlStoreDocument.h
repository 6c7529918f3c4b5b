#pragma once

#include <QByteArray>
#include <QString>

#include <tinyxml2.h>

// One store file for the span of one operation. The constructor reads and
// parses the file; a file that is missing or does not parse completely counts
// as missing (no root), so a half-read file is never saved back. save()
// replaces the file atomically, so a crash or a full disk never leaves a
// truncated file behind.
class xmlStoreDocument
{
public:
    explicit xmlStoreDocument(const QString &path);

    bool isLoaded() const { return m_loaded; }
    // The root element; null when the file did not load or has none.
    tinyxml2::XMLElement *root();
    tinyxml2::XMLDocument &document() { return m_document; }
    const QString &path() const { return m_path; }

    // Prints the document in the store's layout and replaces the file.
    bool save();

    // Replaces the file at path with bytes, atomically; logs a failure.
    static bool writeFile(const QString &path, const QByteArray &bytes);
    // A developer warning, framed by dashes like every store failure line.
    static void warn(const QString &text);

private:
    Q_DISABLE_COPY(xmlStoreDocument)

    QString m_path;
    tinyxml2::XMLDocument m_document;
    bool m_loaded = false;
    long m_loadedSize = 0; // bytes, a hint for printing it again
};
