#pragma once

#include "hidPathChanges.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which attached device the page selects when its device list changes. Each
// path returned is selected (and loaded) in turn; the last one stays
// selected.
namespace deviceSelection {

struct attachedDevice
{
    QString path;
    int type = -1; // 0 keyboard, 1 mouse
};

// A list built from scratch: its first device, then the first device of the
// other type, so a keyboard and a mouse are both loaded and the latter
// stays selected.
QStringList onNewList(const QList<attachedDevice> &attached);

// After the rows follow a change. attached: every device with a row, in the
// latest list's order; selectedPath/selectedType: the selection before the
// change (empty, -1: none).
// - The selected device left: the same path when it came straight back (a
//   new link), else the first device of its type, else the first device.
// - Each device that came is selected when it is the only one, when nothing
//   is selected, or when its type differs from the selected one's: a second
//   keyboard joins without taking the selection.
QStringList afterChange(const QList<attachedDevice> &attached, const QString &selectedPath, int selectedType,
                        const hidPathChanges &changes);

// Whether a device of the type is still attached (its engine keeps running).
bool hasType(const QList<attachedDevice> &attached, int type);

} // namespace deviceSelection
