#include "xmlStoreDocument.h"

#include "xmlCachedDocument.h"
#include "xmlDocumentCache.h"
#include "xmlPrinter.h"
#include "xmlSaveLeftovers.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcXmlStore, "velmora.storage")

// Links followed to the file a save replaces, as far as the system does.
const int kMaxLinkDepth = 40;
// Fresh temporary names tried when one is taken.
const int kNameAttempts = 16;

// All the bytes, or false with errno set (a disk that takes no more is ENOSPC).
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= size_t(n);
    }
    return true;
}

} // namespace

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
    // A link is followed: the file it names is replaced, the link stays.
    QFileInfo target(path);
    for (int depth = 0; depth < kMaxLinkDepth && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    const QString finalPath = target.isSymLink() ? path : target.filePath();
    const QByteArray finalName = QFile::encodeName(finalPath);

    struct stat existing;
    const bool exists = ::stat(finalName.constData(), &existing) == 0;
    // Only the store's own temporary name: the leftover tidy removes no
    // other file.
    QByteArray temporaryName;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporaryName = QFile::encodeName(xmlSaveLeftovers::temporaryNameFor(finalPath));
        // A new file gets the usual permissions; an existing one keeps its
        // own, set below before anything is written.
        fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, systemReason(errno)));
        return false;
    }
    // Every write, the flush to the disk and the close are checked: a
    // failed save never renames a cut file into place, and its log line
    // names the system's reason (a full disk is "No space left on device").
    const bool written = (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) && writeAll(fd, bytes)
        && ::fdatasync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, systemReason(written ? errno : writeError)));
        ::unlink(temporaryName.constData());
        return false;
    }
    if (::rename(temporaryName.constData(), finalName.constData()) != 0) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, systemReason(errno)));
        ::unlink(temporaryName.constData());
        return false;
    }
    return true;
}

QString xmlStoreDocument::systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void xmlStoreDocument::warn(const QString &text)
{
    qCWarning(lcXmlStore).noquote() << "---------------- [xmlInterface]" << text << "----------------";
}
