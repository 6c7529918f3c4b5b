#include "selectionLists.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace {

constexpr int N = selectionLists::NoNumber;

// Top to bottom. Launch application has id 8 but stands last.
const selectionLists::Row kKeyFunctionRows[] = {
    {0, "toolButton_Default", QT_TRANSLATE_NOOP("DDevicePage", "Default"), ":/images/device/defaultDef.png",
     {selectionLists::NoBinding, N}},
    {1, "toolButton_Macro", QT_TRANSLATE_NOOP("DDevicePage", "Macro"), ":/images/device/macroDef.png", {1, N}},
    {2, "toolButton_RemapKey", QT_TRANSLATE_NOOP("DDevicePage", "Remap key"), ":/images/device/RemapKeyDef.png",
     {0, N}},
    {3, "toolButton_Mouse", QT_TRANSLATE_NOOP("DDevicePage", "Mouse"), ":/images/device/mouseDef.png", {4, N}},
    {4, "toolButton_Text", QT_TRANSLATE_NOOP("DDevicePage", "Text"), ":/images/device/textDef.png", {6, N}},
    {5, "toolButton_Disable", QT_TRANSLATE_NOOP("DDevicePage", "Disable"), ":/images/device/disableDef.png", {5, N}},
    {6, "toolButton_Multimedia", QT_TRANSLATE_NOOP("DDevicePage", "Multimedia"),
     ":/images/device/multimediaDef.png", {3, N}},
    {7, "toolButton_CombinationKey", QT_TRANSLATE_NOOP("DDevicePage", "key combination"),
     ":/images/device/combinationKeyDef.png", {2, N}},
    {9, "toolButton_Shortcuts", QT_TRANSLATE_NOOP("DDevicePage", "Shortcuts"), ":/images/device/ShortcutsDef.png",
     {9, N}},
    {10, "toolButton_SwitchProfile", QT_TRANSLATE_NOOP("DDevicePage", "Switch profile"),
     ":/images/device/SwitchProfileDef.png", {7, N}},
    {8, "toolButton_OpenApp", QT_TRANSLATE_NOOP("DDevicePage", "Launch application"),
     ":/images/device/openAppDef.png", {8, N}},
};

// One list, two numberings: the keyboard's key effects and the mouse's
// Around zone.
const selectionLists::Row kKeyEffectRows[] = {
    {0, "toolButton_Static", QT_TRANSLATE_NOOP("DDevicePage", "Static"), ":/images/deviceLed/StaticDef.png", {0, 0}},
    {1, "toolButton_Neon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"), ":/images/deviceLed/NeonDef.png", {3, 3}},
    {2, "toolButton_Breath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"), ":/images/deviceLed/BreathDef.png", {1, 1}},
    {3, "toolButton_Wave", QT_TRANSLATE_NOOP("DDevicePage", "Wave"), ":/images/deviceLed/WaveDef.png", {2, 2}},
    {4, "toolButton_Twinkle", QT_TRANSLATE_NOOP("DDevicePage", "Twinkle"), ":/images/deviceLed/TwinkleDef.png",
     {9, 6}},
    {5, "toolButton_Snack", QT_TRANSLATE_NOOP("DDevicePage", "Snack"), ":/images/deviceLed/SnackDef.png", {5, 4}},
    {6, "toolButton_Radar", QT_TRANSLATE_NOOP("DDevicePage", "Radar"), ":/images/deviceLed/RadarDef.png", {4, N}},
    {15, "toolButton_AutoRipple", QT_TRANSLATE_NOOP("DDevicePage", "Auto Ripple"),
     ":/images/deviceLed/AutoRippleDef.png", {14, N}},
    {16, "toolButton_Striation", QT_TRANSLATE_NOOP("DDevicePage", "Striation"),
     ":/images/deviceLed/StriationDef.png", {15, N}},
    {7, "toolButton_Aurora", QT_TRANSLATE_NOOP("DDevicePage", "Aurora"), ":/images/deviceLed/AuroraDef.png", {7, N}},
    {8, "toolButton_Ripple", QT_TRANSLATE_NOOP("DDevicePage", "Ripple"), ":/images/deviceLed/RippleDef.png", {8, N}},
    {10, "toolButton_Reactive", QT_TRANSLATE_NOOP("DDevicePage", "Reactive"), ":/images/deviceLed/ReactiveDef.png",
     {6, 5}},
    {12, "toolButton_Cross", QT_TRANSLATE_NOOP("DDevicePage", "Cross"), ":/images/deviceLed/CrossDef.png", {11, N}},
    {13, "toolButton_MouseDPI", QT_TRANSLATE_NOOP("DDevicePage", "DPI"), ":/images/deviceLed/DpiDef.png", {N, 7}},
    {17, "toolButton_Fireworks", QT_TRANSLATE_NOOP("DDevicePage", "Fireworks"),
     ":/images/deviceLed/FireworksDef.png", {16, N}},
    {9, "toolButton_SpeedRespond", QT_TRANSLATE_NOOP("DDevicePage", "Speed Respond"),
     ":/images/deviceLed/SpeedRespondDef.png", {12, 8}},
    {14, "toolButton_MusicalRhythm", QT_TRANSLATE_NOOP("DDevicePage", "Musical Rhythm"),
     ":/images/deviceLed/MusicalRhythmDef.png", {100, N}},
    {11, "toolButton_CustomLed", QT_TRANSLATE_NOOP("DDevicePage", "Custom"), ":/images/deviceLed/CustomLedDef.png",
     {10, N}},
};

const selectionLists::Row kSideEffectRows[] = {
    {0, "toolButton_SideStatic", QT_TRANSLATE_NOOP("DDevicePage", "Static"), ":/images/deviceLed/StaticDef.png",
     {0, N}},
    {1, "toolButton_SideNeon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"), ":/images/deviceLed/NeonDef.png", {4, N}},
    {2, "toolButton_SideBreath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"), ":/images/deviceLed/BreathDef.png",
     {1, N}},
    {3, "toolButton_SideWave", QT_TRANSLATE_NOOP("DDevicePage", "Wave"), ":/images/deviceLed/WaveDef.png", {2, N}},
    {4, "toolButton_SideCollision", QT_TRANSLATE_NOOP("DDevicePage", "Collision"),
     ":/images/deviceLed/CollisionDef.png", {3, N}},
};

const selectionLists::Row kScrollAndLogoRows[] = {
    {0, "toolButton_MouseScrollAndLogoStatic", QT_TRANSLATE_NOOP("DDevicePage", "Static"),
     ":/images/deviceLed/StaticDef.png", {0, N}},
    {1, "toolButton_MouseScrollAndLogoNeon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"),
     ":/images/deviceLed/NeonDef.png", {1, N}},
    {2, "toolButton_MouseScrollAndLogoBreath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"),
     ":/images/deviceLed/BreathDef.png", {2, N}},
    {3, "toolButton_MouseScrollAndLogoDPI", QT_TRANSLATE_NOOP("DDevicePage", "DPI"),
     ":/images/deviceLed/DpiDef.png", {3, N}},
};

// Key ids (Custom, Musical Rhythm) every keyboard is offered.
constexpr int kCustomId = 11;
constexpr int kMusicalRhythmId = 14;

template <size_t Count>
QList<selectionLists::Row> toList(const selectionLists::Row (&rows)[Count])
{
    QList<selectionLists::Row> list;
    list.reserve(int(Count));
    for (const selectionLists::Row &row : rows)
        list.append(row);
    return list;
}

int slotOf(selectionLists::Column column)
{
    return column == selectionLists::MouseAroundEffect ? 1 : 0;
}

QSet<int> idsFor(selectionLists::Column column, const QList<int> &reported)
{
    QSet<int> ids;
    for (int number : reported) {
        const int id = selectionLists::idForNumber(column, number);
        if (id >= 0)
            ids.insert(id);
    }
    return ids;
}

} // namespace

selectionLists::List selectionLists::listOf(Column column)
{
    switch (column) {
    case OperateType:
        return KeyFunction;
    case KeyboardEffect:
    case MouseAroundEffect:
        return KeyEffect;
    case SideLightEffect:
        return SideEffect;
    case ScrollOrLogoEffect:
        break;
    }
    return ScrollAndLogo;
}

QList<selectionLists::Row> selectionLists::rows(List list)
{
    switch (list) {
    case KeyFunction:
        return toList(kKeyFunctionRows);
    case KeyEffect:
        return toList(kKeyEffectRows);
    case SideEffect:
        return toList(kSideEffectRows);
    case ScrollAndLogo:
        break;
    }
    return toList(kScrollAndLogoRows);
}

QList<selectionLists::Row> selectionLists::rowsById(List list)
{
    QList<Row> sorted = rows(list);
    std::sort(sorted.begin(), sorted.end(), [](const Row &a, const Row &b) { return a.id < b.id; });
    return sorted;
}

const selectionLists::Row *selectionLists::rowById(List list, int id)
{
    const Row *begin = nullptr;
    size_t count = 0;
    switch (list) {
    case KeyFunction:
        begin = kKeyFunctionRows;
        count = std::size(kKeyFunctionRows);
        break;
    case KeyEffect:
        begin = kKeyEffectRows;
        count = std::size(kKeyEffectRows);
        break;
    case SideEffect:
        begin = kSideEffectRows;
        count = std::size(kSideEffectRows);
        break;
    case ScrollAndLogo:
        begin = kScrollAndLogoRows;
        count = std::size(kScrollAndLogoRows);
        break;
    }
    for (size_t i = 0; i < count; ++i) {
        if (begin[i].id == id)
            return &begin[i];
    }
    return nullptr;
}

const selectionLists::Row *selectionLists::rowByName(List list, const QString &objectName)
{
    for (const Row &row : rows(list)) {
        if (objectName == QLatin1String(row.objectName))
            return rowById(list, row.id);
    }
    return nullptr;
}

int selectionLists::numberForId(Column column, int id)
{
    const Row *row = rowById(listOf(column), id);
    return row ? row->numbers[slotOf(column)] : NoNumber;
}

int selectionLists::idForNumber(Column column, int number)
{
    if (number == NoNumber)
        return -1;
    for (const Row &row : rows(listOf(column))) {
        if (row.numbers[slotOf(column)] == number)
            return row.id;
    }
    return -1;
}

int selectionLists::keyFunctionIdForBinding(int operateType)
{
    return idForNumber(OperateType, operateType);
}

QSet<int> selectionLists::visibleKeyboardEffectIds(const QList<int> &reported)
{
    QSet<int> ids = idsFor(KeyboardEffect, reported);
    ids << kCustomId << kMusicalRhythmId;
    return ids;
}

QSet<int> selectionLists::visibleSideEffectIds(const QList<int> &reported)
{
    return idsFor(SideLightEffect, reported);
}

bool selectionLists::sideTabsVisible(const QList<int> &reported)
{
    return !reported.isEmpty();
}

QSet<int> selectionLists::visibleMouseAroundIds(const QList<int> &reported)
{
    return idsFor(MouseAroundEffect, reported);
}

QSet<int> selectionLists::visibleScrollAndLogoIds()
{
    QSet<int> ids;
    for (const Row &row : rows(ScrollAndLogo))
        ids.insert(row.id);
    return ids;
}

QSet<int> selectionLists::onboardHiddenKeyFunctionIds()
{
    // Text, Disable, Launch application, Shortcuts, Switch profile: the
    // keyboard's memory holds none of these.
    return {4, 5, 8, 9, 10};
}
