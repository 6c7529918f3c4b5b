#include "keyRouting.h"

#include "mouseReports.h"

#include <QtGlobal>

namespace keyRouting {

namespace {

constexpr int kApostropheKey = 52;

const PageRoute kRoutes[] = {
    // id, page number, on-board, soft keyboard select, on-board mode
    {0, kResetPageNumber, true, -1, true},
    {1, 0, true, -1, true},
    {2, kRemapPageNumber, true, 0, true},
    {3, 4, true, -1, true},
    {4, 6, false, -1, false},
    {5, 5, false, -1, false},
    {6, 3, true, -1, true},
    {7, kCombinationPageNumber, true, 1, true},
    {8, 8, false, -1, false},
    {9, 9, false, -1, false},
    {10, 7, false, -1, false},
};

// The left button has no slot on the mouse: it is never assigned there.
// The captions are the mouse picture's own.
const MouseButton kMouseButtons[kMouseButtonCount] = {
    {0, 1, QT_TRANSLATE_NOOP("DMousePage", "Left Click"), -1},
    {1, 32, QT_TRANSLATE_NOOP("DMousePage", "Dpi Loop"), kMouseSlotDpi},
    {2, 16, QT_TRANSLATE_NOOP("DMousePage", "Forward_L"), kMouseSlotForward},
    {3, 8, QT_TRANSLATE_NOOP("DMousePage", "Backward_L"), kMouseSlotBack},
    {4, 2, QT_TRANSLATE_NOOP("DMousePage", "Right Click"), kMouseSlotRight},
    {5, 4, QT_TRANSLATE_NOOP("DMousePage", "Center Click"), kMouseSlotMiddle},
    {6, 16, QT_TRANSLATE_NOOP("DMousePage", "Forward_R"), kMouseSlotForward},
    {7, 8, QT_TRANSLATE_NOOP("DMousePage", "Backward_R"), kMouseSlotBack},
};

} // namespace

const PageRoute *pageRoute(int id)
{
    for (const PageRoute &route : kRoutes) {
        if (route.id == id)
            return &route;
    }
    return nullptr;
}

const MouseButton *mouseButton(int index)
{
    if (index < 0 || index >= kMouseButtonCount)
        return nullptr;
    return &kMouseButtons[index];
}

QString keyCaption(int keyCode, const QString &text)
{
    if (keyCode == kApostropheKey)
        return QStringLiteral("' \"");
    QString caption = text;
    caption.remove(QLatin1Char('"'));
    return caption;
}

} // namespace keyRouting
