#include "mouseSettingsReports.h"

#include "mouseDpiLevels.h"
#include "mouseReports.h"
#include "xmlInterface.h"

#include <algorithm>

namespace mouseSettingsReports {

hidReportData dpiReport(const Profile &profile, bool sniperHeld)
{
    QList<dpiConfigInfo> levels;
    int stored = 1;
    if (profile.store) {
        stored = profile.store->getDpiUsingIndex(profile.path, profile.profile);
        profile.store->getDpiList(profile.path, profile.profile, levels);
    }
    if (levels.size() > kMouseDpiMaxLevels)
        levels = levels.mid(0, kMouseDpiMaxLevels);
    hidReportData report{};
    mouseDpiReport(mouseDpiLevels::reportedLevel(stored, sniperHeld), levels, report);
    return report;
}

bool stepDpiLevel(const Profile &profile)
{
    if (!profile.store)
        return false;
    QList<dpiConfigInfo> levels;
    profile.store->getDpiList(profile.path, profile.profile, levels);
    const int next = mouseDpiLevels::nextLevel(profile.store->getDpiUsingIndex(profile.path, profile.profile),
                                               levels);
    return next != 0 && profile.store->setDpiUsingIndex(profile.path, profile.profile, next);
}

QList<QColor> dpiColors(const Profile &profile, int *activeLevel)
{
    QList<QColor> colors;
    if (!profile.store)
        return colors;
    QList<dpiConfigInfo> levels;
    profile.store->getDpiList(profile.path, profile.profile, levels);
    for (const dpiConfigInfo &level : qAsConst(levels))
        colors.append(QColor(std::clamp(level.dpiColorR, 0, 255), std::clamp(level.dpiColorG, 0, 255),
                             std::clamp(level.dpiColorB, 0, 255), 255));
    if (activeLevel)
        *activeLevel = mouseDpiLevels::reportedLevel(profile.store->getDpiUsingIndex(profile.path, profile.profile),
                                                     false);
    return colors;
}

} // namespace mouseSettingsReports
