#include "X11KeyTranslator.h"

#include "WindowsInputCodes.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

using namespace WinInput;

namespace {

struct KeysymEntry
{
    unsigned long keysym;
    int vk;
    bool extended;
};

// Keys that are not letters, digits or F keys. Extended as the Windows
// low-level hook reports them (the keys of the editing block, the arrows,
// the right-hand modifiers, keypad Enter and /, the media keys).
const KeysymEntry kKeysymTable[] = {
    {XK_BackSpace, VkBack, false},
    {XK_Tab, VkTab, false},
    {XK_ISO_Left_Tab, VkTab, false},
    {XK_Return, VkReturn, false},
    {XK_KP_Enter, VkReturn, true},
    {XK_Pause, VkPause, false},
    {XK_Break, VkPause, false},
    {XK_Caps_Lock, VkCapital, false},
    {XK_Escape, VkEscape, false},
    {XK_space, VkSpace, false},
    {XK_Prior, VkPrior, true},
    {XK_Next, VkNext, true},
    {XK_End, VkEnd, true},
    {XK_Home, VkHome, true},
    {XK_Left, VkLeft, true},
    {XK_Up, VkUp, true},
    {XK_Right, VkRight, true},
    {XK_Down, VkDown, true},
    {XK_Print, VkSnapshot, true},
    {XK_Sys_Req, VkSnapshot, true},
    {XK_Insert, VkInsert, true},
    {XK_Delete, VkDelete, true},
    {XK_Super_L, VkLWin, true},
    {XK_Super_R, VkRWin, true},
    {XK_Meta_L, VkLWin, true},
    {XK_Meta_R, VkRWin, true},
    {XK_Menu, VkApps, true},
    {XF86XK_Sleep, VkSleep, true},
    // Keypad without Num Lock: the navigation keys, not extended.
    {XK_KP_Insert, VkInsert, false},
    {XK_KP_End, VkEnd, false},
    {XK_KP_Down, VkDown, false},
    {XK_KP_Next, VkNext, false},
    {XK_KP_Left, VkLeft, false},
    {XK_KP_Begin, VkClear, false},
    {XK_KP_Right, VkRight, false},
    {XK_KP_Home, VkHome, false},
    {XK_KP_Up, VkUp, false},
    {XK_KP_Prior, VkPrior, false},
    {XK_KP_Delete, VkDelete, false},
    {XK_KP_Decimal, VkDecimal, false},
    {XK_KP_Separator, VkSeparator, false},
    {XK_KP_Multiply, VkMultiply, false},
    {XK_KP_Add, VkAdd, false},
    {XK_KP_Subtract, VkSubtract, false},
    {XK_KP_Divide, VkDivide, true},
    {XK_Num_Lock, VkNumLock, true},
    {XK_Scroll_Lock, VkScroll, false},
    {XK_Shift_L, VkLShift, false},
    {XK_Shift_R, VkRShift, false},
    {XK_Control_L, VkLControl, false},
    {XK_Control_R, VkRControl, true},
    {XK_Alt_L, VkLMenu, false},
    {XK_Alt_R, VkRMenu, true},
    {XK_ISO_Level3_Shift, VkRMenu, true},
    {XK_Mode_switch, VkRMenu, true},
    {XF86XK_Back, VkBrowserBack, true},
    {XF86XK_Forward, VkBrowserForward, true},
    {XF86XK_Refresh, VkBrowserRefresh, true},
    {XF86XK_Stop, VkBrowserStop, true},
    {XF86XK_Search, VkBrowserSearch, true},
    {XF86XK_Favorites, VkBrowserFavorites, true},
    {XF86XK_HomePage, VkBrowserHome, true},
    {XF86XK_AudioMute, VkVolumeMute, true},
    {XF86XK_AudioLowerVolume, VkVolumeDown, true},
    {XF86XK_AudioRaiseVolume, VkVolumeUp, true},
    {XF86XK_AudioNext, VkMediaNextTrack, true},
    {XF86XK_AudioPrev, VkMediaPrevTrack, true},
    {XF86XK_AudioStop, VkMediaStop, true},
    {XF86XK_AudioPlay, VkMediaPlayPause, true},
    {XF86XK_AudioPause, VkMediaPlayPause, true},
    {XF86XK_Mail, VkLaunchMail, true},
    {XF86XK_AudioMedia, VkLaunchMediaSelect, true},
    {XF86XK_MyComputer, VkLaunchApp1, true},
    {XF86XK_Calculator, VkLaunchApp2, true},
    {XK_semicolon, VkOem1, false},
    {XK_colon, VkOem1, false},
    {XK_equal, VkOemPlus, false},
    {XK_plus, VkOemPlus, false},
    {XK_comma, VkOemComma, false},
    {XK_less, VkOem102, false},
    {XK_minus, VkOemMinus, false},
    {XK_period, VkOemPeriod, false},
    {XK_slash, VkOem2, false},
    {XK_grave, VkOem3, false},
    {XK_asciitilde, VkOem3, false},
    {XK_bracketleft, VkOem4, false},
    {XK_backslash, VkOem5, false},
    {XK_bracketright, VkOem6, false},
    {XK_apostrophe, VkOem7, false},
};

// Positions (evdev key code + 8) of the keys that carry a character, as the
// US layout names them.
struct PositionEntry
{
    int xKeycode;
    int vk;
};

const PositionEntry kPositionTable[] = {
    {10, Vk0 + 1}, {11, Vk0 + 2}, {12, Vk0 + 3}, {13, Vk0 + 4}, {14, Vk0 + 5},
    {15, Vk0 + 6}, {16, Vk0 + 7}, {17, Vk0 + 8}, {18, Vk0 + 9}, {19, Vk0},
    {20, VkOemMinus}, {21, VkOemPlus},
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'},
    {31, 'I'}, {32, 'O'}, {33, 'P'}, {34, VkOem4}, {35, VkOem6},
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'},
    {45, 'K'}, {46, 'L'}, {47, VkOem1}, {48, VkOem7}, {49, VkOem3}, {51, VkOem5},
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
    {59, VkOemComma}, {60, VkOemPeriod}, {61, VkOem2}, {94, VkOem102},
};

} // namespace

X11KeyTranslator::WindowsKey X11KeyTranslator::fromKeysym(unsigned long keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return {VkA + static_cast<int>(keysym - XK_a), false};
    if (keysym >= XK_A && keysym <= XK_Z)
        return {VkA + static_cast<int>(keysym - XK_A), false};
    if (keysym >= XK_0 && keysym <= XK_9)
        return {Vk0 + static_cast<int>(keysym - XK_0), false};
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return {VkNumpad0 + static_cast<int>(keysym - XK_KP_0), false};
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return {VkF1 + static_cast<int>(keysym - XK_F1), false};
    for (const KeysymEntry &e : kKeysymTable) {
        if (e.keysym == keysym)
            return {e.vk, e.extended};
    }
    return {};
}

X11KeyTranslator::WindowsKey X11KeyTranslator::fromPosition(int xKeycode)
{
    for (const PositionEntry &e : kPositionTable) {
        if (e.xKeycode == xKeycode)
            return {e.vk, false};
    }
    return {};
}

void X11KeyTranslator::setKeysyms(int xKeycode, unsigned long plain, unsigned long shifted)
{
    const auto toWindows = [xKeycode](unsigned long keysym) {
        const WindowsKey key = fromKeysym(keysym);
        return key.vk != 0 ? key : fromPosition(xKeycode);
    };
    Keys keys;
    keys.plain = toWindows(plain);
    // The keypad's second level holds its digits and decimal point.
    const bool keypad = plain >= XK_KP_Space && plain <= XK_KP_9 && shifted >= XK_KP_Space && shifted <= XK_KP_9;
    keys.numLock = keypad ? toWindows(shifted) : keys.plain;
    m_keys.insert(xKeycode, keys);
}

void X11KeyTranslator::clear()
{
    m_keys.clear();
}

X11KeyTranslator::WindowsKey X11KeyTranslator::translate(int xKeycode, bool numLockOn) const
{
    const auto it = m_keys.constFind(xKeycode);
    if (it == m_keys.cend())
        return fromPosition(xKeycode);
    return numLockOn ? it->numLock : it->plain;
}

bool X11KeyTranslator::followsNumLock(int xKeycode) const
{
    const auto it = m_keys.constFind(xKeycode);
    return it != m_keys.cend()
           && (it->numLock.vk != it->plain.vk || it->numLock.extended != it->plain.extended);
}
