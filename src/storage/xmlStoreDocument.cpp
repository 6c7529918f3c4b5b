#include "xmlStoreDocument.h"

#include "xmlCachedDocument.h"
#include "xmlDocumentCache.h"
#include "xmlPrinter.h"
#include "xmlSaveLeftovers.h"

#include <QLoggingCategory>
#include <QSaveFile>

namespace {
Q_LOGGING_CATEGORY(lcXmlStore, "velmora.storage")
}

xmlStoreDocument::xmlStoreDocument(const QString &path, Start start)
    : m_path(path)
{
    xmlSaveLeftovers::tidyFolderOnce(path);
    xmlDocumentCache &cache = xmlDocumentCache::instance();
    if (start == NewFile) {
        m_file = xmlCachedDocument::blank();
        return;
    }
    m_file = cache.find(path);
    if (!m_file) {
        m_file = xmlCachedDocument::load(path);
        cache.keep(path, m_file);
    }
}

xmlStoreDocument::~xmlStoreDocument() = default;

bool xmlStoreDocument::isLoaded() const
{
    return m_file->isLoaded();
}

tinyxml2::XMLElement *xmlStoreDocument::root()
{
    return m_file->isLoaded() ? m_file->document().RootElement() : nullptr;
}

tinyxml2::XMLDocument &xmlStoreDocument::document()
{
    return m_file->document();
}

bool xmlStoreDocument::save()
{
    if (!m_file->isLoaded())
        return false;
    xmlDocumentCache &cache = xmlDocumentCache::instance();
    const QByteArray bytes = xmlPrinter::print(m_file->document(), int(m_file->diskSize()));
    if (!writeFile(m_path, bytes)) {
        // The document holds a change the file does not.
        cache.drop(m_path);
        return false;
    }
    m_file->noteSaved(m_path, bytes);
    cache.keep(m_path, m_file);
    return true;
}

bool xmlStoreDocument::writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    // QSaveFile renames its file into place even when the flush on commit
    // fails (a full disk), so the flush is done and checked here: a failed
    // save never replaces the file with a cut one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        warn(QStringLiteral("cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void xmlStoreDocument::warn(const QString &text)
{
    qCWarning(lcXmlStore).noquote() << "---------------- [xmlInterface]" << text << "----------------";
}
