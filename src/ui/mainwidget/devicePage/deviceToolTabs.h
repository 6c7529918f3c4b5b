#pragma once

// The tool tabs under the device view. A keyboard and the mouse each have
// their own set, and the on-board mode drops the keyboard's PC-only tabs;
// every change of device or mode shows exactly this set, so no tab of the
// device shown before can stay behind.
struct deviceToolTabs
{
    bool performance = false;
    bool customList = false;
    bool softKeyboard = false;
    bool mousePerformance = false;
    bool mouseDpiConfig = false;

    // hidType 0 keyboard, 1 mouse, anything else no device (no tab);
    // onboardMode 1 is a keyboard's on-board mode.
    static deviceToolTabs forDevice(int hidType, int onboardMode);
};
