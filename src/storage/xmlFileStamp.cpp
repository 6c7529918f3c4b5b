#include "xmlFileStamp.h"

#include <QFile>

#include <atomic>
#include <ctime>
#include <sys/stat.h>

namespace {

int64_t nanoseconds(const timespec &t)
{
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::atomic<xmlFileStamp::Clock> &replacedClock()
{
    static std::atomic<xmlFileStamp::Clock> clock{nullptr};
    return clock;
}

} // namespace

template <typename Stat>
xmlFileStamp xmlFileStamp::fromStat(const Stat &st)
{
    xmlFileStamp stamp;
    stamp.m_device = st.st_dev;
    stamp.m_inode = st.st_ino;
    stamp.m_size = st.st_size;
    stamp.m_modifiedNs = nanoseconds(st.st_mtim);
    stamp.m_changedNs = nanoseconds(st.st_ctim);
    return stamp;
}

std::optional<xmlFileStamp> xmlFileStamp::ofPath(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

std::optional<xmlFileStamp> xmlFileStamp::ofDescriptor(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

bool xmlFileStamp::isRecentAt(int64_t nowNs) const
{
    // The change time counts too: it moves on every write and cannot be set
    // back by a program, unlike the modification time.
    const int64_t last = m_modifiedNs > m_changedNs ? m_modifiedNs : m_changedNs;
    return nowNs - last < kRecentWindowNs;
}

int64_t xmlFileStamp::nowNs()
{
    if (const Clock clock = replacedClock().load())
        return clock();
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

void xmlFileStamp::setClock(Clock clock)
{
    replacedClock() = clock;
}

bool xmlFileStamp::operator==(const xmlFileStamp &other) const
{
    return m_device == other.m_device && m_inode == other.m_inode && m_size == other.m_size
        && m_modifiedNs == other.m_modifiedNs && m_changedNs == other.m_changedNs;
}
