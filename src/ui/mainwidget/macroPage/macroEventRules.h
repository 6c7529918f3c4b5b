#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QString>

// The rules of one macro event as the editor writes it: its mark, its delay,
// the codes and names of the mouse buttons, and how many events a macro
// takes. Plain code, no widgets.
class macroEventRules
{
public:
    // A macro holds at most this many events (the device's limit).
    static constexpr int MaxEvents = 40;
    static constexpr int MaxDelay = kMaxMacroDelay;

    enum MouseButton { NoButton = -1, LeftButton, MiddleButton, RightButton };

    static const char *const KeyType;   // "key"
    static const char *const MouseType; // "mouse"
    static const char *const Down;      // "down"
    static const char *const Up;        // "up"

    // 16 lowercase hexadecimal digits of a fresh random UUID.
    static QByteArray createMark();

    // Any number held to 0..MaxDelay.
    static int clampDelay(qint64 milliseconds);
    // A typed delay: the store's text-to-integer rule ("" and letters read 0,
    // a long digit string does not overflow), held to 0..MaxDelay.
    static int delayFromText(const QString &text);

    // The button a mouse message presses or releases; NoButton for any other.
    static MouseButton buttonOfMessage(int message);
    static bool isPressMessage(int message);
    static int mouseMessage(MouseButton button, bool down);
    // "Left Click Down", "Center Click Up", ...
    static QString mouseName(MouseButton button, bool down);

    // A pair fits when two more events keep the macro within MaxEvents.
    static bool pairFits(int eventCount) { return eventCount + 2 <= MaxEvents; }

    static macroItemInfo makeItem(const QByteArray &mark, int delay, const QString &type, int code,
                                  const QString &name, const QString &operateExplain);
};
