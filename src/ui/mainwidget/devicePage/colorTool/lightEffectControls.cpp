#include "lightEffectControls.h"

#include <initializer_list>

namespace lightEffectControls {

namespace {

constexpr int kStatic = 0;
constexpr int kWave = 2;
constexpr int kRadar = 4;
constexpr int kSnack = 5;
constexpr int kAurora = 7;
constexpr int kCustom = 10;
constexpr int kSpeedRespond = 12;
constexpr int kStriation = 15;
constexpr int kMusicalRhythm = 100;

constexpr int kAroundZone = 0;

constexpr int kDefaultLevel = 3;

bool oneOf(int value, std::initializer_list<int> set)
{
    for (int v : set) {
        if (v == value)
            return true;
    }
    return false;
}

} // namespace

int defaultDirection(int effect)
{
    if (oneOf(effect, {kRadar, kSnack, kStriation}))
        return DirClockwise;
    if (oneOf(effect, {kAurora, 8, 14, 16}))
        return DirDispersion;
    if (oneOf(effect, {kSpeedRespond, kMusicalRhythm}))
        return DirUp;
    return DirRight;
}

colorInfoData defaultLightItem(int deviceType, int zone, int effect)
{
    colorInfoData item{};
    item.ledKeyboardOrSide = zone;
    item.ledType = effect;
    item.ledBrightness = kDefaultLevel;
    item.ledSpeed = kDefaultLevel;
    item.ledModeR = 255;
    item.ledModeG = 0;
    item.ledModeB = 0;
    item.ledDirection = deviceType == kMouseDevice ? DirRight : defaultDirection(effect);
    item.ledModeType = 1;
    return item;
}

KeyboardControls keyboardControls(int zone, int effect)
{
    KeyboardControls c;
    c.showColorOptions = !oneOf(effect, {kStatic, kCustom});
    c.showSpeedRow = !oneOf(effect, {kStatic, kCustom, kSpeedRespond, kMusicalRhythm});

    if (oneOf(effect, {0, 1, 3, 6, 8, 9, 10, 11, 14, 16, 100}))
        return c;
    c.showDirectionRow = true;
    switch (effect) {
    case kWave:
    case kRadar:
        if (zone == kSideZone) {
            c.showDirectionRow = false;
        } else if (zone == kKeysZone) {
            if (effect == kWave) {
                c.directionButtons = {DirRight, DirLeft, DirUp, DirDown, DirGather, DirDispersion};
                c.selectDirection = DirRight;
            } else {
                c.directionButtons = {DirClockwise, DirAnticlockwise};
                c.selectDirection = DirClockwise;
            }
        }
        break;
    case kSnack:
    case kStriation:
        c.directionButtons = {DirClockwise, DirAnticlockwise};
        c.selectDirection = DirClockwise;
        break;
    case kAurora:
        c.directionButtons = {DirGather, DirDispersion};
        c.selectDirection = DirDispersion;
        break;
    case kSpeedRespond:
        c.directionButtons = {DirUp, DirDown};
        c.selectDirection = DirUp;
        break;
    default:
        break; // the row stays up, empty
    }
    return c;
}

MouseControls mouseControls(int zone, int effect)
{
    MouseControls c;
    if (zone == kAroundZone) {
        c.showColorOptions = !oneOf(effect, {0, 7});
        c.showSpeedRow = !oneOf(effect, {0, 7, 8});
        c.showColorRows = effect != 7;
    } else {
        c.showColorOptions = !oneOf(effect, {0, 3});
        c.showSpeedRow = !oneOf(effect, {0, 3});
        c.showColorRows = effect != 3;
    }
    return c;
}

} // namespace lightEffectControls
