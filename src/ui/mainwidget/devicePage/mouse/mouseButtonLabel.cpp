#include "mouseButtonLabel.h"

#include "FixedText.h"
#include "keyFunctionCatalogue.h"
#include "xmlInterface.h"

#include <QCoreApplication>

namespace {

constexpr char kContext[] = "DMousePage";
const char *const kUnknown = QT_TRANSLATE_NOOP("DMousePage", "Unknow");

struct ValueText
{
    int value;
    const char *text;
};

// Multimedia Value 7 has no function.
constexpr ValueText kMultimedia[] = {
    {0, QT_TRANSLATE_NOOP("DMousePage", "Volume Up")},  {1, QT_TRANSLATE_NOOP("DMousePage", "Volume Down")},
    {2, QT_TRANSLATE_NOOP("DMousePage", "Mute")},       {3, QT_TRANSLATE_NOOP("DMousePage", "Play/Pause")},
    {4, QT_TRANSLATE_NOOP("DMousePage", "Next track")}, {5, QT_TRANSLATE_NOOP("DMousePage", "Prev track")},
    {6, QT_TRANSLATE_NOOP("DMousePage", "Stop")},       {8, QT_TRANSLATE_NOOP("DMousePage", "Player")},
    {9, QT_TRANSLATE_NOOP("DMousePage", "Calculator")}, {10, QT_TRANSLATE_NOOP("DMousePage", "Computer")},
    {11, QT_TRANSLATE_NOOP("DMousePage", "Browser")},   {12, QT_TRANSLATE_NOOP("DMousePage", "Email")},
};

constexpr ValueText kMouseFunctions[] = {
    {0, QT_TRANSLATE_NOOP("DMousePage", "Mouse Left")},  {1, QT_TRANSLATE_NOOP("DMousePage", "Mouse Center")},
    {2, QT_TRANSLATE_NOOP("DMousePage", "Mouse Right")}, {3, QT_TRANSLATE_NOOP("DMousePage", "Scroll Up")},
    {4, QT_TRANSLATE_NOOP("DMousePage", "Scroll Down")}, {5, QT_TRANSLATE_NOOP("DMousePage", "Forward")},
    {6, QT_TRANSLATE_NOOP("DMousePage", "Backward")},    {7, QT_TRANSLATE_NOOP("DMousePage", "Sniper Key")},
};

// Shortcut Value 1 names nothing and shows an empty label.
constexpr ValueText kShortcuts[] = {
    {0, QT_TRANSLATE_NOOP("DMousePage", "Close window")},
    {1, ""},
    {2, QT_TRANSLATE_NOOP("DMousePage", "Show desktop")},
    {3, QT_TRANSLATE_NOOP("DMousePage", "Open my computer")},
    {4, QT_TRANSLATE_NOOP("DMousePage", "Lock computer")},
    {5, QT_TRANSLATE_NOOP("DMousePage", "Copy")},
    {6, QT_TRANSLATE_NOOP("DMousePage", "Cut")},
    {7, QT_TRANSLATE_NOOP("DMousePage", "Stick")},
    {8, QT_TRANSLATE_NOOP("DMousePage", "Find")},
    {9, QT_TRANSLATE_NOOP("DMousePage", "New")},
    {10, QT_TRANSLATE_NOOP("DMousePage", "Print")},
    {11, QT_TRANSLATE_NOOP("DMousePage", "Save")},
};

constexpr ValueText kMacroModes[] = {
    {keyFunctionCatalogue::MacroPlayOnce, QT_TRANSLATE_NOOP("DMousePage", "Play once")},
    {keyFunctionCatalogue::MacroPlayCounted, QT_TRANSLATE_NOOP("DMousePage", "Play multiple times")},
    {keyFunctionCatalogue::MacroToggle, QT_TRANSLATE_NOOP("DMousePage", "Continous playback on/off")},
    {keyFunctionCatalogue::MacroWhileHeld, QT_TRANSLATE_NOOP("DMousePage", "Play while assigned key is pressed")},
};

QString translated(const char *text)
{
    return *text ? QCoreApplication::translate(kContext, text) : QString();
}

template <std::size_t N>
QString lookUp(const ValueText (&table)[N], int value, const QString &otherwise)
{
    for (const ValueText &entry : table) {
        if (entry.value == value)
            return translated(entry.text);
    }
    return otherwise;
}

QString unknown()
{
    return translated(kUnknown);
}

} // namespace

QString mouseButtonLabel::multimediaText(int value)
{
    return lookUp(kMultimedia, value, unknown());
}

QString mouseButtonLabel::mouseFunctionText(int value)
{
    return lookUp(kMouseFunctions, value, unknown());
}

QString mouseButtonLabel::shortcutText(int value)
{
    return lookUp(kShortcuts, value, unknown());
}

QString mouseButtonLabel::macroModeText(int mode)
{
    return lookUp(kMacroModes, mode, QString());
}

QString mouseButtonLabel::make(const customKeyInfo &record, const Sources &sources)
{
    using catalogue = keyFunctionCatalogue;
    const int value = catalogue::fieldNumber(record.Value, sizeof record.Value);
    const QByteArray valueBytes = catalogue::valueText(record).toUtf8();
    switch (catalogue::operateTypeOf(record)) {
    case catalogue::OperateRemap:
        return sources.keyNames.value(value, unknown());
    case catalogue::OperateMacro: {
        nodeIndexNameInfo macro {};
        if (sources.store)
            sources.store->getNodeIndexAndName(sources.macroFilePath, valueBytes, macro);
        return fixedText(macro.name) + QLatin1Char(':')
            + macroModeText(catalogue::fieldNumber(record.mode, sizeof record.mode));
    }
    case catalogue::OperateCombination: {
        catalogue::Combination combination;
        if (!catalogue::parseCombination(valueBytes, combination))
            return QString();
        return catalogue::combinationText(combination, sources.keyNames);
    }
    case catalogue::OperateMultimedia:
        return multimediaText(value);
    case catalogue::OperateMouse:
        return mouseFunctionText(value);
    case catalogue::OperateDisable:
        return translated(QT_TRANSLATE_NOOP("DMousePage", "Disable"));
    case catalogue::OperateText:
        return catalogue::valueText(record);
    case catalogue::OperateProfile: {
        profileInfo profile {};
        if (sources.store)
            sources.store->getProfileInfo(sources.profilePath, valueBytes, profile);
        return fixedText(profile.name);
    }
    case catalogue::OperateProgram: {
        const QString path = catalogue::valueText(record);
        return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    case catalogue::OperateShortcut:
        return shortcutText(value);
    default:
        return unknown();
    }
}
