#pragma once

#include "xmlRecords.h"

#include <QList>

// What the lighting panel shows for an effect, and the item it writes for an
// effect a zone has never had. Plain rules over device type, zone and effect.
namespace lightEffectControls {

constexpr int kKeyboardDevice = 0;
constexpr int kMouseDevice = 1;

// Lighting zones of a keyboard.
constexpr int kKeysZone = 0;
constexpr int kSideZone = 1;

// Direction codes, as stored in ledDirection and used as button ids.
enum Direction {
    DirRight = 0,
    DirLeft = 1,
    DirUp = 2,
    DirDown = 3,
    DirDispersion = 4,
    DirGather = 5,
    DirClockwise = 6,
    DirAnticlockwise = 7,
};
constexpr int kDirectionCount = 8;

// Direction of a new keyboard item of an effect (a mouse item's is 0).
int defaultDirection(int effect);

// The item written when a zone has none for an effect: brightness and speed
// 3, red over black, full colour, direction by effect.
colorInfoData defaultLightItem(int deviceType, int zone, int effect);

struct KeyboardControls
{
    bool showColorOptions = false; // bottom-colour button, full-colour icon and box (ticked)
    bool showDirectionRow = false;
    QList<int> directionButtons;   // the direction buttons shown in the row
    int selectDirection = -1;      // the direction selected on load; -1 none
    bool showSpeedRow = false;
};

// Keyboard keys (zone 0) and side lights (zone 1) share this table; the side
// lights' own effect numbers land on rows that hide the direction row.
KeyboardControls keyboardControls(int zone, int effect);

struct MouseControls
{
    bool showColorOptions = false; // bottom-colour button, full-colour icon and box (ticked)
    bool showSpeedRow = false;
    bool showColorRows = false;    // colour area, R/G/B boxes, colour buttons, palette
};

MouseControls mouseControls(int zone, int effect);

} // namespace lightEffectControls
