#pragma once

// Captions of on-board key bindings, as the on-board keyboard picture shows
// them. Plain functions: the full layer reload and the single-key refresh
// both build their captions here, so the two always agree.

#include "xmlRecords.h"

#include <QMap>
#include <QString>

class xmlInterface;

// The macro's name (empty when the macro file lacks it), a line feed, then
// the play mode.
QString onboardMacroText(xmlInterface *store, const QString &macroFilePath,
                         const customKeyInfo &binding);
// Modifier names from bit 0 up, then the key's name, joined by "+".
QString onboardCombinationText(const customKeyInfo &binding, const QMap<int, QString> &keyNames);
// "Unknow" for a Value outside the tables.
QString onboardMouseText(const customKeyInfo &binding);
QString onboardMultimediaText(const customKeyInfo &binding);

// The on-board configuration whose layers are the Mac layout: there the
// Windows keys are the Command keys ("L-Win" reads "L-Com").
constexpr int kOnboardMacConfigIndex = 2;

// The caption of any on-board binding by its kind; empty for no binding or
// a kind the on-board layers do not use.
QString onboardKeyCaption(const customKeyInfo &binding, int configIndex,
                          const QMap<int, QString> &keyNames, xmlInterface *store,
                          const QString &macroFilePath);
