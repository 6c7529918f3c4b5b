#pragma once

// The input codes of the global hooks. Key events carry Windows virtual-key
// codes and low-level flags, mouse events Windows mouse message numbers,
// because the key-layout files ("qtDec") and the macro files store them.

#include <QtGlobal>

using WPARAM = quintptr;
using LPARAM = qintptr;

// What the mouse hook's LPARAM points at, valid only during the call.
struct lowLevelMouseRecord
{
    int x = 0;             // pointer position on the desktop
    int y = 0;
    quint32 mouseData = 0; // wheel: delta in the high word; X buttons: 1 back, 2 forward in the high word
    quint32 flags = 0;
    quint32 time = 0;      // server time in milliseconds
};

namespace WinInput {

// Low-level keyboard event flags.
constexpr int FlagExtended = 0x01;
constexpr int FlagInjected = 0x10;
constexpr int FlagAltDown = 0x20;
constexpr int FlagUp = 0x80;

// Mouse messages.
constexpr int MouseMove = 512;
constexpr int LeftButtonDown = 513;
constexpr int LeftButtonUp = 514;
constexpr int RightButtonDown = 516;
constexpr int RightButtonUp = 517;
constexpr int MiddleButtonDown = 519;
constexpr int MiddleButtonUp = 520;
constexpr int MouseWheel = 522;
constexpr int XButtonDown = 523;
constexpr int XButtonUp = 524;
constexpr int MouseHWheel = 526;
constexpr int WheelDelta = 120;
constexpr int XButton1 = 1; // back
constexpr int XButton2 = 2; // forward

// Virtual-key codes used by name in the code.
constexpr int VkBack = 0x08;
constexpr int VkTab = 0x09;
constexpr int VkClear = 0x0C;
constexpr int VkReturn = 0x0D;
constexpr int VkPause = 0x13;
constexpr int VkCapital = 0x14;
constexpr int VkEscape = 0x1B;
constexpr int VkSpace = 0x20;
constexpr int VkPrior = 0x21;
constexpr int VkNext = 0x22;
constexpr int VkEnd = 0x23;
constexpr int VkHome = 0x24;
constexpr int VkLeft = 0x25;
constexpr int VkUp = 0x26;
constexpr int VkRight = 0x27;
constexpr int VkDown = 0x28;
constexpr int VkSnapshot = 0x2C;
constexpr int VkInsert = 0x2D;
constexpr int VkDelete = 0x2E;
constexpr int Vk0 = 0x30;
constexpr int VkA = 0x41;
constexpr int VkLWin = 0x5B;
constexpr int VkRWin = 0x5C;
constexpr int VkApps = 0x5D;
constexpr int VkSleep = 0x5F;
constexpr int VkNumpad0 = 0x60;
constexpr int VkMultiply = 0x6A;
constexpr int VkAdd = 0x6B;
constexpr int VkSeparator = 0x6C;
constexpr int VkSubtract = 0x6D;
constexpr int VkDecimal = 0x6E;
constexpr int VkDivide = 0x6F;
constexpr int VkF1 = 0x70;
constexpr int VkNumLock = 0x90;
constexpr int VkScroll = 0x91;
constexpr int VkLShift = 0xA0;
constexpr int VkRShift = 0xA1;
constexpr int VkLControl = 0xA2;
constexpr int VkRControl = 0xA3;
constexpr int VkLMenu = 0xA4;
constexpr int VkRMenu = 0xA5;
constexpr int VkBrowserBack = 0xA6;
constexpr int VkBrowserForward = 0xA7;
constexpr int VkBrowserRefresh = 0xA8;
constexpr int VkBrowserStop = 0xA9;
constexpr int VkBrowserSearch = 0xAA;
constexpr int VkBrowserFavorites = 0xAB;
constexpr int VkBrowserHome = 0xAC;
constexpr int VkVolumeMute = 0xAD;
constexpr int VkVolumeDown = 0xAE;
constexpr int VkVolumeUp = 0xAF;
constexpr int VkMediaNextTrack = 0xB0;
constexpr int VkMediaPrevTrack = 0xB1;
constexpr int VkMediaStop = 0xB2;
constexpr int VkMediaPlayPause = 0xB3;
constexpr int VkLaunchMail = 0xB4;
constexpr int VkLaunchMediaSelect = 0xB5;
constexpr int VkLaunchApp1 = 0xB6;
constexpr int VkLaunchApp2 = 0xB7;
constexpr int VkOem1 = 0xBA;      // ;:
constexpr int VkOemPlus = 0xBB;   // =+
constexpr int VkOemComma = 0xBC;
constexpr int VkOemMinus = 0xBD;
constexpr int VkOemPeriod = 0xBE;
constexpr int VkOem2 = 0xBF;      // /?
constexpr int VkOem3 = 0xC0;      // `~
constexpr int VkOem4 = 0xDB;      // [{
constexpr int VkOem5 = 0xDC;      // \|
constexpr int VkOem6 = 0xDD;      // ]}
constexpr int VkOem7 = 0xDE;      // '"
constexpr int VkOem102 = 0xE2;    // the extra key beside left Shift

} // namespace WinInput
