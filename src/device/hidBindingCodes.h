#pragma once

// The byte values a device expects for a stored key binding: multimedia and
// mouse-function codes, key-combination usages and macro events. Shared by
// the on-board key table (0x18), the on-board macros (0x19) and the mouse
// button assignment (0x47).

#include "xmlRecords.h"

#include <QByteArray>
#include <QList>

// Binding kinds (operateType) that have a device encoding.
constexpr int kBindingNone = -1;
constexpr int kBindingKey = 0;
constexpr int kBindingMacro = 1;
constexpr int kBindingCombination = 2;
constexpr int kBindingMultimedia = 3;
constexpr int kBindingMouse = 4;
constexpr int kBindingDisabled = 5;

// Special values of a key binding.
constexpr int kBindingValueFn = -10;
constexpr int kBindingValueFn1 = -20;

struct hidKeyCombo
{
    int modifier1 = 0; // usage 0xE0 + bit of the lowest set bit of the mask
    int modifier2 = 0; // highest other set bit, 0 with a single modifier
    int keyCode = 0;
};

// Multimedia Value -> media code (0x10..0x17, 0x30, 0x32, 0x34, 0x23, 0x20; else 0).
int hidMediaCode(int value);
// Mouse-function Value -> button bit or wheel step (else 0).
int hidMouseCode(int value);
// 1 for the wheel functions (Values 3 and 4).
int hidMouseIsWheel(int value);
// "mask,usage" of a combination binding.
hidKeyCombo hidCombinationCodes(const QString &value);

// One macro event as the device stores it: code, flags (0x10 press, +0x01
// mouse), delay high byte, delay low byte.
struct hidMacroEvent
{
    int code = 0;
    bool press = false;
    bool mouse = false;
    int delayMs = 0;
};
constexpr int kMacroEventBytes = 4;

// Converts a recorded event; false for events the device has no code for
// (wheel and side-button events), which are left out of the transfer.
bool hidMacroEventFromItem(const macroItemInfo &item, hidMacroEvent &event);
QList<hidMacroEvent> hidMacroEventsFromItems(const QList<macroItemInfo> &items);
QByteArray hidMacroEventBytes(const QList<hidMacroEvent> &events);

// The integer value of a decimal text field of a stored binding or macro
// event, by the store's text-to-integer rule, never read past the field.
int hidBindingNumber(const char *text, int capacity);
