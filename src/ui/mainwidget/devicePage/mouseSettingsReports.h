#pragma once

#include "hidEncodeResult.h"
#include "hidReportData.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class xmlInterface;

// The mouse setting reports as a profile file holds them, rebuilt whenever
// they are sent, so nothing is kept beside the file.
namespace mouseSettingsReports {

struct Profile
{
    xmlInterface *store = nullptr;
    QString path;
    QByteArray profile; // index as decimal text
};

// 0x41 from the stored levels and active level. Levels past the ninth do
// not fit the report and are left out.
hidReportData dpiReport(const Profile &profile, bool sniperHeld);

// The DPI key on a mouse the page does not show: steps the stored active
// level as the DPI view would. false when no level of 1..5 is enabled.
bool stepDpiLevel(const Profile &profile);

// The level colours in file order (sniper level included) and the stored
// active level, for the DPI-indicator effects. Empty without levels.
QList<QColor> dpiColors(const Profile &profile, int *activeLevel);

} // namespace mouseSettingsReports
