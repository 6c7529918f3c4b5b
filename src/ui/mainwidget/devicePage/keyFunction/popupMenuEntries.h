#pragma once

#include <QString>

class QEvent;
class QObject;
struct themeColorInfo;

// What the profile pop-up menus share: their entries are centred labels that
// look alike and count as chosen on a mouse-button release over them.

// Style sheet of a menu whose entries are its QLabels.
QString popupMenuEntryStyleSheet(const themeColorInfo &theme);

// A mouse-button release inside the watched entry. A press alone, or a
// release after the pointer left the entry, chooses nothing.
bool isPopupMenuEntryChosen(const QObject *watched, const QEvent *event);
