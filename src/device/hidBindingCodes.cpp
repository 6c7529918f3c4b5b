#include "hidBindingCodes.h"

#include "FixedText.h"
#include "TextNumber.h"
#include "WindowsInputCodes.h"
#include "xmlRecords.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace {
constexpr int kModifierUsageBase = 0xE0;
constexpr unsigned char kMacroPressFlag = 0x10;
constexpr unsigned char kMacroMouseFlag = 0x01;
} // namespace

int hidMediaCode(int value)
{
    if (value >= 0 && value <= 7)
        return 0x10 + value;
    switch (value) {
    case 8: return 0x30;
    case 9: return 0x32;
    case 10: return 0x34;
    case 11: return 0x23;
    case 12: return 0x20;
    default: return 0;
    }
}

int hidMouseCode(int value)
{
    switch (value) {
    case 0: return 0x01;
    case 1: return 0x04;
    case 2: return 0x02;
    case 3: return 0x01;
    case 4: return 0xFF;
    case 5: return 0x08;
    case 6: return 0x10;
    default: return 0;
    }
}

int hidMouseIsWheel(int value) { return (value == 3 || value == 4) ? 1 : 0; }

hidKeyCombo hidCombinationCodes(const QString &value)
{
    hidKeyCombo combo;
    const QList<QByteArray> parts = value.toLatin1().split(',');
    const int mask = textToInt(parts.value(0).constData()) & 0xFF;
    combo.keyCode = textToInt(parts.value(1).constData());
    bool first = true;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1 << bit)))
            continue;
        if (first) {
            combo.modifier1 = kModifierUsageBase + bit;
            first = false;
        } else {
            combo.modifier2 = kModifierUsageBase + bit;
        }
    }
    return combo;
}

int hidBindingNumber(const char *text, int capacity)
{
    // Copied first: a field may be full, without a terminator.
    return textToInt(QByteArray(text, static_cast<int>(strnlen(text, static_cast<size_t>(capacity)))).constData());
}

bool hidMacroEventFromItem(const macroItemInfo &item, hidMacroEvent &event)
{
    const QString type = fixedText(item.type);
    const QString code = fixedText(item.keyCode);
    event = hidMacroEvent();
    event.press = fixedText(item.operateExplain) == QLatin1String("down");
    event.delayMs = std::clamp(hidBindingNumber(item.delay, sizeof item.delay), 0, kMaxMacroDelay);
    if (type.contains(QLatin1String("key"))) {
        event.code = hidBindingNumber(item.keyCode, sizeof item.keyCode);
        return true;
    }
    if (type.contains(QLatin1String("mouse"))) {
        event.mouse = true;
        const auto isEither = [&code](int down, int up) {
            return code == QString::number(down) || code == QString::number(up);
        };
        if (isEither(WinInput::LeftButtonDown, WinInput::LeftButtonUp))
            event.code = 0x01;
        else if (isEither(WinInput::RightButtonDown, WinInput::RightButtonUp))
            event.code = 0x02;
        else if (isEither(WinInput::MiddleButtonDown, WinInput::MiddleButtonUp))
            event.code = 0x04;
        else
            return false;
        return true;
    }
    return false;
}

QList<hidMacroEvent> hidMacroEventsFromItems(const QList<macroItemInfo> &items)
{
    QList<hidMacroEvent> events;
    for (const macroItemInfo &item : items) {
        hidMacroEvent event;
        if (hidMacroEventFromItem(item, event))
            events.append(event);
    }
    return events;
}

QByteArray hidMacroEventBytes(const QList<hidMacroEvent> &events)
{
    QByteArray bytes;
    bytes.reserve(events.size() * kMacroEventBytes);
    for (const hidMacroEvent &e : events) {
        const int delay = std::clamp(e.delayMs, 0, kMaxMacroDelay);
        bytes.append(static_cast<char>(e.code & 0xFF));
        bytes.append(static_cast<char>((e.press ? kMacroPressFlag : 0) | (e.mouse ? kMacroMouseFlag : 0)));
        bytes.append(static_cast<char>((delay >> 8) & 0xFF));
        bytes.append(static_cast<char>(delay & 0xFF));
    }
    return bytes;
}
