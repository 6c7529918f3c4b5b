#pragma once

#include "xmlFileStamp.h"

#include <QByteArray>
#include <QString>

#include <tinyxml2.h>

#include <memory>
#include <optional>

// One store file parsed into a document, with the stamp of the bytes it was
// parsed from or last saved as, so that it can stand in for the file as long
// as the file stays the same.
//
// A file counts as missing (isLoaded() false) when it cannot be read, does not
// parse, or holds anything but one root element (besides the declaration and
// comments): tinyxml2 stops quietly at a stray end tag and skips what
// follows, and a save would drop it for good.
class xmlCachedDocument
{
public:
    // Reads and parses the file; a problem is logged.
    static std::shared_ptr<xmlCachedDocument> load(const QString &path);
    // An empty document that a new file is built in.
    static std::shared_ptr<xmlCachedDocument> blank();

    xmlCachedDocument();

    bool isLoaded() const { return m_loaded; }
    tinyxml2::XMLDocument &document() { return m_document; }
    // Bytes on disk when last read or saved; a hint for printing it again.
    int64_t diskSize() const { return m_diskSize; }

    // True when the document is known to match the file: read whole while
    // the file stayed put, or saved and stamped afterwards.
    bool hasStamp() const { return m_stamp.has_value(); }
    // True when the file at path is still the one the document came from.
    // One open and stat, plus a read and compare while the stamp is recent.
    bool matchesFile(const QString &path);
    // The document was just saved to path as bytes.
    void noteSaved(const QString &path, const QByteArray &bytes);

private:
    Q_DISABLE_COPY(xmlCachedDocument)

    bool parse(const QString &path, QByteArray &bytes);
    // Keeps the bytes while the stamp is too recent to trust alone.
    void stamp(const xmlFileStamp &stamp, const QByteArray &bytes);

    tinyxml2::XMLDocument m_document;
    bool m_loaded = false;
    int64_t m_diskSize = 0;
    std::optional<xmlFileStamp> m_stamp;
    QByteArray m_recentBytes;
};
