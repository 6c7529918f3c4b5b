#pragma once

#include "xmlCachedDocument.h"

#include <QString>

#include <list>
#include <memory>
#include <utility>

// The parsed documents of the files the store used last, so that an
// operation on an unchanged file neither reads nor parses it. Callers can
// not tell it is there: a document is served only while its file is still
// the one it came from.
//
// One per process, used only under the store lock. It keeps a few files,
// least recently used out first, and no more than kMaxDiskBytes of them on
// disk: a parsed document takes about seven times its file's size (tinyxml2
// spends some 80 bytes on each attribute), so the cache stays under 30 MiB.
class xmlDocumentCache
{
public:
    static constexpr int kMaxFiles = 6;
    static constexpr int64_t kMaxDiskBytes = 4 * 1024 * 1024;

    static xmlDocumentCache &instance();

    // The document of path when it still matches the file; a stale one is
    // dropped.
    std::shared_ptr<xmlCachedDocument> find(const QString &path);
    // Keeps the document of path as the most recently used, when it is
    // stamped and small enough; otherwise forgets path.
    void keep(const QString &path, const std::shared_ptr<xmlCachedDocument> &document);
    void drop(const QString &path);
    void clear();

    int fileCount() const { return int(m_entries.size()); }

private:
    using Entry = std::pair<QString, std::shared_ptr<xmlCachedDocument>>;

    std::list<Entry>::iterator entryOf(const QString &path);

    std::list<Entry> m_entries; // most recently used first
};
