#include "xmlCachedDocument.h"

#include "xmlStoreDocument.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Parsed after the file's bytes: it is reached only when the parser went
// through the whole file, and only the root may come before it.
const char kEndMark[] = "<velmora.end-of-file/>";
const char kEndMarkName[] = "velmora.end-of-file";
const int kEndMarkLength = int(sizeof kEndMark) - 1;

class Descriptor
{
public:
    explicit Descriptor(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    Q_DISABLE_COPY(Descriptor)
    int m_fd;
};

// The whole file, with room for the end mark; false on a read error.
bool readAll(int fd, int64_t sizeHint, QByteArray &bytes)
{
    bytes.clear();
    bytes.reserve(int(std::min<int64_t>(sizeHint, 1 << 30)) + kEndMarkLength + 1);
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(chunk, int(n));
    }
}

} // namespace

xmlCachedDocument::xmlCachedDocument()
    : m_document(true, tinyxml2::PRESERVE_WHITESPACE)
{
}

std::shared_ptr<xmlCachedDocument> xmlCachedDocument::blank()
{
    auto file = std::make_shared<xmlCachedDocument>();
    file->m_loaded = true;
    return file;
}

std::shared_ptr<xmlCachedDocument> xmlCachedDocument::load(const QString &path)
{
    auto file = std::make_shared<xmlCachedDocument>();
    const Descriptor in(path);
    if (in.fd() < 0) {
        xmlStoreDocument::warn(QStringLiteral("cannot open %1: %2").arg(path, qt_error_string(errno)));
        return file;
    }
    const std::optional<xmlFileStamp> before = xmlFileStamp::ofDescriptor(in.fd());
    QByteArray bytes;
    if (!before || !readAll(in.fd(), before->size(), bytes)) {
        xmlStoreDocument::warn(QStringLiteral("cannot read %1: %2").arg(path, qt_error_string(errno)));
        return file;
    }
    const std::optional<xmlFileStamp> after = xmlFileStamp::ofDescriptor(in.fd());
    if (!file->parse(path, bytes))
        return file;
    file->m_loaded = true;
    file->m_diskSize = bytes.size();
    // Changed while it was read: usable for this call, never kept.
    if (after && *after == *before)
        file->stamp(*after, bytes);
    return file;
}

bool xmlCachedDocument::parse(const QString &path, QByteArray &bytes)
{
    const int size = bytes.size();
    bytes.append(kEndMark, kEndMarkLength);
    const tinyxml2::XMLError error = m_document.Parse(bytes.constData(), size_t(bytes.size()));
    bytes.truncate(size);
    if (error != tinyxml2::XML_SUCCESS) {
        xmlStoreDocument::warn(QStringLiteral("%1 does not parse (%2, line %3): treated as missing")
                                   .arg(path, QString::fromLatin1(m_document.ErrorName()))
                                   .arg(m_document.ErrorLineNum()));
        m_document.Clear();
        return false;
    }
    // Besides the root, only the declaration, comments and a document type
    // may stand at the top; the end mark must come right after the root
    // (and its comments).
    const char *problem = nullptr;
    tinyxml2::XMLNode *node = m_document.FirstChild();
    for (; node && !node->ToElement(); node = node->NextSibling()) {
        if (!node->ToDeclaration() && !node->ToComment() && !node->ToUnknown())
            problem = "has text before its root element";
    }
    tinyxml2::XMLNode *end = node ? node->NextSibling() : nullptr;
    while (end && end->ToComment())
        end = end->NextSibling();
    if (!node || std::strcmp(node->Value(), kEndMarkName) == 0)
        problem = "has no root element";
    else if (!end || !end->ToElement() || std::strcmp(end->Value(), kEndMarkName) != 0 || end->NextSibling())
        problem = "has content after its root element";
    if (problem) {
        xmlStoreDocument::warn(QStringLiteral("%1 %2: treated as missing").arg(path, QString::fromLatin1(problem)));
        m_document.Clear();
        return false;
    }
    m_document.DeleteNode(end);
    return true;
}

void xmlCachedDocument::stamp(const xmlFileStamp &stamp, const QByteArray &bytes)
{
    m_stamp = stamp;
    if (stamp.isRecentAt(xmlFileStamp::nowNs()))
        m_recentBytes = bytes;
    else
        m_recentBytes.clear();
}

bool xmlCachedDocument::matchesFile(const QString &path)
{
    // Opened rather than only stat'ed: a network filesystem checks a file
    // with its server on open, while a stat may answer from its cache.
    const Descriptor in(path);
    if (!m_stamp || in.fd() < 0 || xmlFileStamp::ofDescriptor(in.fd()) != m_stamp)
        return false;
    if (!m_stamp->isRecentAt(xmlFileStamp::nowNs()) && m_recentBytes.isNull())
        return true;
    // Too recent for the stamp alone: the bytes decide, once more after the
    // window has passed, and then the stamp is enough.
    QByteArray bytes;
    if (!readAll(in.fd(), m_stamp->size(), bytes) || bytes != m_recentBytes)
        return false;
    stamp(*m_stamp, bytes);
    return true;
}

void xmlCachedDocument::noteSaved(const QString &path, const QByteArray &bytes)
{
    m_diskSize = bytes.size();
    if (const std::optional<xmlFileStamp> saved = xmlFileStamp::ofPath(path))
        stamp(*saved, bytes);
    else
        m_stamp.reset();
}
