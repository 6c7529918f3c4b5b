#include "xmlDocumentCache.h"

#include <algorithm>

xmlDocumentCache &xmlDocumentCache::instance()
{
    // Never destroyed: a thread may still use the store while the process
    // exits.
    static xmlDocumentCache *cache = new xmlDocumentCache;
    return *cache;
}

std::list<xmlDocumentCache::Entry>::iterator xmlDocumentCache::entryOf(const QString &path)
{
    return std::find_if(m_entries.begin(), m_entries.end(), [&path](const Entry &e) { return e.first == path; });
}

std::shared_ptr<xmlCachedDocument> xmlDocumentCache::find(const QString &path)
{
    const auto it = entryOf(path);
    if (it == m_entries.end())
        return nullptr;
    if (!it->second->matchesFile(path)) {
        m_entries.erase(it);
        return nullptr;
    }
    m_entries.splice(m_entries.begin(), m_entries, it);
    return m_entries.front().second;
}

void xmlDocumentCache::keep(const QString &path, const std::shared_ptr<xmlCachedDocument> &document)
{
    drop(path);
    if (!document->isLoaded() || !document->hasStamp() || document->diskSize() > kMaxDiskBytes)
        return;
    m_entries.emplace_front(path, document);
    int64_t total = 0;
    int count = 0;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        const int64_t size = it->second->diskSize();
        if (count == kMaxFiles || total + size > kMaxDiskBytes) {
            it = m_entries.erase(it);
        } else {
            total += size;
            ++count;
            ++it;
        }
    }
}

void xmlDocumentCache::drop(const QString &path)
{
    const auto it = entryOf(path);
    if (it != m_entries.end())
        m_entries.erase(it);
}

void xmlDocumentCache::clear()
{
    m_entries.clear();
}
