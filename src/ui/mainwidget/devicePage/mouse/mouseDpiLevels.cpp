#include "mouseDpiLevels.h"

#include <algorithm>

namespace mouseDpiLevels {

int nextLevel(int active, const QList<dpiConfigInfo> &levels)
{
    int level = active;
    // One round at most.
    for (int step = 0; step < kLastLevel; ++step) {
        level = (level < kFirstLevel || level >= kLastLevel) ? kFirstLevel : level + 1;
        const auto it = std::find_if(levels.cbegin(), levels.cend(),
                                     [level](const dpiConfigInfo &info) { return info.index == level; });
        if (it != levels.cend() && it->selectStatus == 1)
            return level;
    }
    return 0;
}

int reportedLevel(int stored, bool sniperHeld)
{
    return sniperHeld ? kSniperLevel : std::clamp(stored, kFirstLevel, kLastLevel);
}

} // namespace mouseDpiLevels
