#pragma once

#include <QByteArray>
#include <QString>

#include <tinyxml2.h>

#include <memory>

class xmlCachedDocument;

// One store file for the span of one operation; the caller holds the store
// lock throughout. The document is the cached one while the file on disk is
// unchanged, else the file is read and parsed again. A file that is missing
// or does not parse completely counts as missing (no root), so a half-read
// file is never saved back. save() replaces the file atomically, so a crash
// or a full disk never leaves a truncated file behind; the cache takes the
// saved document only once the file is in place, and forgets it when the
// save fails, so the next operation reads what is really on disk.
class xmlStoreDocument
{
public:
    enum Start {
        ReadFile, // the file as it is
        NewFile,  // an empty document that replaces the file when saved
    };

    explicit xmlStoreDocument(const QString &path, Start start = ReadFile);
    ~xmlStoreDocument();

    bool isLoaded() const;
    // The root element; null when the file did not load or has none.
    tinyxml2::XMLElement *root();
    tinyxml2::XMLDocument &document();
    const QString &path() const { return m_path; }

    // Prints the document in the store's layout and replaces the file.
    bool save();

    // A developer warning, framed by dashes like every store failure line.
    static void warn(const QString &text);

private:
    Q_DISABLE_COPY(xmlStoreDocument)

    // Replaces the file at path with bytes, atomically; logs a failure with
    // the system's reason.
    static bool writeFile(const QString &path, const QByteArray &bytes);
    static QString systemReason(int error);

    QString m_path;
    std::shared_ptr<xmlCachedDocument> m_file;
};
