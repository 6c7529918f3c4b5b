#pragma once

#include "hidEncodeResult.h"
#include "hidReportData.h"
#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

class xmlInterface;

// The button assignment reports (0x47) of one mouse button, built from what
// the profile file holds when they are about to go out.
namespace mouseKeyAssignment {

constexpr int kMacroModeMin = 1;
constexpr int kMacroModeMax = 4;
constexpr int kMacroRepeatMin = 1;
constexpr int kMacroRepeatMax = 255;

// Where the binding and its macro are read.
struct Source
{
    xmlInterface *store = nullptr;
    QString profilePath;
    QByteArray profile; // profile index as decimal text
    QString macroFilePath;
    int keyCode = -1;     // the button's code in the profile
    int buttonIndex = -1; // its index on the mouse picture
};

// The reports for a binding already read. The left button and bindings the
// mouse does not take give NothingToSend; a macro over 50 recorded events
// the device can encode gives TooManyEvents. A macro's mode and repeat count
// are held to the ranges the device plays.
hidEncodeResult reportsFor(int buttonIndex, customKeyInfo binding, const QList<macroItemInfo> &macroItems,
                           QList<hidReportData> &reports);

// Reads the button's binding (and a macro's events) and builds its reports.
hidEncodeResult readReports(const Source &source, QList<hidReportData> &reports);

} // namespace mouseKeyAssignment
