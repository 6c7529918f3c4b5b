#pragma once

// What an on-board download sends, worked out before anything is sent: the
// key tables of the default and the FN1 layer, the macros their keys play
// (each in its own slot, sent just before the key-table packet that refers to
// it) and the clearing of the unused slots. Plain code: it reads the layer
// and macro files through the store and touches no widget.

#include "hidReportData.h"

#include <QList>
#include <QString>

class xmlInterface;

struct onboardDownloadStep
{
    hidReportData report{};
    // Macro reports (0x19) are acknowledged; key tables are not.
    bool acknowledged = false;
};

struct onboardDownloadPlan
{
    enum Refusal { None, TooManyMacros, MacroTooLong };

    QList<onboardDownloadStep> steps;
    // Steps before the pause that lets the keyboard store the layers; the
    // slot clearing follows it.
    int pauseBeforeStep = 0;
    int macroSlotsUsed = 0;
    Refusal refusal = None;
    // MacroTooLong: the macro's name (its index when it has none).
    QString refusalSubject;

    bool isRefused() const { return refusal != None; }
};

struct onboardDownloadSource
{
    xmlInterface *store = nullptr;
    QString defaultLayerFile;
    QString fn1LayerFile;
    QString macroFile;
    int configIndex = 1;
};

// keyCodes: the on-board picture's keys in layout order (0 for an empty cell).
onboardDownloadPlan makeOnboardDownloadPlan(const QList<int> &keyCodes, const onboardDownloadSource &source);

// The user's text for a refusal, in the page's language.
QString onboardDownloadRefusalText(const onboardDownloadPlan &plan);
