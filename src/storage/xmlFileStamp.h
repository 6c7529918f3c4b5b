#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What one stat tells of a file: enough to see that it is no longer the file
// the store last read or wrote. A file replaced by rename has another inode;
// a file rewritten in place has another size, modification or change time.
//
// The kernel stamps files from a clock that only moves every few
// milliseconds (whole seconds on some filesystems), so a rewrite of the same
// size within one tick of the stamp leaves it unchanged. A stamp taken that
// close to its file's last change is "recent": the store then compares the
// bytes as well, until the file has been quiet long enough.
class xmlFileStamp
{
public:
    // Longer than any filesystem's timestamp step (FAT keeps two seconds).
    static constexpr int64_t kRecentWindowNs = 2'000'000'000;

    static std::optional<xmlFileStamp> ofPath(const QString &path);
    static std::optional<xmlFileStamp> ofDescriptor(int fd);

    int64_t size() const { return m_size; }
    // True when the file changed less than kRecentWindowNs before nowNs
    // (or after it: a clock set back).
    bool isRecentAt(int64_t nowNs) const;
    // The wall clock, in nanoseconds since the epoch, as file times are.
    static int64_t nowNs();
    using Clock = int64_t (*)();
    // Replaces the wall clock (tests); null restores the system's.
    static void setClock(Clock clock);

    bool operator==(const xmlFileStamp &other) const;
    bool operator!=(const xmlFileStamp &other) const { return !(*this == other); }

private:
    template <typename Stat>
    static xmlFileStamp fromStat(const Stat &st);

    uint64_t m_device = 0;
    uint64_t m_inode = 0;
    int64_t m_size = 0;
    int64_t m_modifiedNs = 0;
    int64_t m_changedNs = 0;
};
