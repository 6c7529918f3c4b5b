#include "deviceToolTabs.h"

#include "hidStructInfo.h"

namespace {
constexpr int kOnboardMode = 1;
}

deviceToolTabs deviceToolTabs::forDevice(int hidType, int onboardMode)
{
    deviceToolTabs tabs;
    if (hidType == kHidTypeKeyboard) {
        const bool pcMode = onboardMode != kOnboardMode;
        tabs.performance = pcMode;
        tabs.customList = pcMode;
        tabs.softKeyboard = true;
    } else if (hidType == kHidTypeMouse) {
        tabs.mousePerformance = true;
        tabs.mouseDpiConfig = true;
        tabs.softKeyboard = true;
    }
    return tabs;
}
