#include "onboardKeyRules.h"

namespace onboardKeyRules {

namespace {

constexpr int kNumberPadKeyCount = 34;
constexpr int kNumberPadFixedKeys[] = {38, 39, 41};

struct PageWidth
{
    int keyCount;
    int width;
};

constexpr PageWidth kWidths[] = {{87, 571}, {61, 587}, {68, 594}, {34, 245}, {21, 145}};
constexpr int kDefaultWidth = 700;

} // namespace

int pageWidth(int keyCount)
{
    for (const PageWidth &entry : kWidths) {
        if (entry.keyCount == keyCount)
            return entry.width;
    }
    return kDefaultWidth;
}

bool isSelectable(int keyCode, int keyCount)
{
    if (keyCode == FnKeyCode)
        return false;
    if (keyCount == kNumberPadKeyCount) {
        for (int fixed : kNumberPadFixedKeys) {
            if (keyCode == fixed)
                return false;
        }
    }
    return true;
}

bool reportsRightClick(int keyCode)
{
    return keyCode != FnKeyCode;
}

} // namespace onboardKeyRules
