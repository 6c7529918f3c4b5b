#include "keyFunctionCatalogue.h"

#include "TextNumber.h"

#include <QCoreApplication>
#include <QTextCodec>

#include <cstring>

namespace {

const char *const kRowContext = "DCustomEventListItem";

QString rowText(const char *source)
{
    return QCoreApplication::translate(kRowContext, source);
}

// A decimal integer with an optional sign and nothing else.
bool parseStrictInt(const QByteArray &text, int &value)
{
    if (text.isEmpty())
        return false;
    int start = (text.at(0) == '-' || text.at(0) == '+') ? 1 : 0;
    if (start == text.size())
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < '0' || text.at(i) > '9')
            return false;
    }
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

template <std::size_t N>
QByteArray fieldBytes(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

} // namespace

const QVector<keyFunctionCatalogue::Modifier> &keyFunctionCatalogue::modifiers()
{
    static const QVector<Modifier> table = {
        {224, 0x01, "L_CTRL"}, {225, 0x02, "L_SHIFT"}, {226, 0x04, "L_ALT"}, {227, 0x08, "L_WIN"},
        {228, 0x10, "R_CTRL"}, {229, 0x20, "R_SHIFT"}, {230, 0x40, "R_ALT"}, {231, 0x80, "R_WIN"},
    };
    return table;
}

int keyFunctionCatalogue::modifierMask(int usage)
{
    for (const Modifier &m : modifiers()) {
        if (m.usage == usage)
            return m.mask;
    }
    return 0;
}

QStringList keyFunctionCatalogue::modifierNames(int mask)
{
    QStringList names;
    for (const Modifier &m : modifiers()) {
        if (mask & m.mask)
            names.append(QLatin1String(m.name));
    }
    return names;
}

bool keyFunctionCatalogue::parseCombination(const QByteArray &value, Combination &combination)
{
    if (value.count(',') != 1)
        return false;
    const int comma = value.indexOf(',');
    int mask = 0;
    int usage = 0;
    if (!parseStrictInt(value.left(comma), mask) || !parseStrictInt(value.mid(comma + 1), usage))
        return false;
    if (mask < 0 || mask > 0xFF)
        return false;
    combination.mask = mask;
    combination.usage = usage;
    return true;
}

QByteArray keyFunctionCatalogue::formatCombination(int mask, int usage)
{
    return QByteArray::number(mask) + ',' + QByteArray::number(usage);
}

QString keyFunctionCatalogue::combinationText(const Combination &combination, const QMap<int, QString> &keyNames)
{
    QStringList parts = modifierNames(combination.mask);
    const auto key = keyNames.constFind(combination.usage);
    if (key != keyNames.constEnd())
        parts.append(key.value());
    return parts.join(QLatin1Char('+'));
}

const QVector<keyFunctionCatalogue::Choice> &keyFunctionCatalogue::multimediaChoices()
{
    static const QVector<Choice> table = {
        {0, QT_TRANSLATE_NOOP("DCustomEventListItem", "Volume Up")},
        {1, QT_TRANSLATE_NOOP("DCustomEventListItem", "Volume Down")},
        {2, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mute")},
        {3, QT_TRANSLATE_NOOP("DCustomEventListItem", "Play/Pause")},
        {4, QT_TRANSLATE_NOOP("DCustomEventListItem", "Next track")},
        {5, QT_TRANSLATE_NOOP("DCustomEventListItem", "Prev track")},
        {6, QT_TRANSLATE_NOOP("DCustomEventListItem", "Stop")},
        {8, QT_TRANSLATE_NOOP("DCustomEventListItem", "Player")},
        {9, QT_TRANSLATE_NOOP("DCustomEventListItem", "Calculator")},
        {10, QT_TRANSLATE_NOOP("DCustomEventListItem", "Computer")},
        {11, QT_TRANSLATE_NOOP("DCustomEventListItem", "Browser")},
        {12, QT_TRANSLATE_NOOP("DCustomEventListItem", "Email")},
    };
    return table;
}

const QVector<keyFunctionCatalogue::Choice> &keyFunctionCatalogue::mouseChoices()
{
    static const QVector<Choice> table = {
        {0, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mouse Left")},
        {1, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mouse Center")},
        {2, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mouse Right")},
        {3, QT_TRANSLATE_NOOP("DCustomEventListItem", "Wheel Up")},
        {4, QT_TRANSLATE_NOOP("DCustomEventListItem", "Wheel Down")},
        {5, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mouse left side key-Go")},
        {6, QT_TRANSLATE_NOOP("DCustomEventListItem", "Mouse left side key-Back")},
    };
    return table;
}

const QVector<keyFunctionCatalogue::Choice> &keyFunctionCatalogue::shortcutChoices()
{
    static const QVector<Choice> table = {
        {0, QT_TRANSLATE_NOOP("DCustomEventListItem", "Close window")},
        {2, QT_TRANSLATE_NOOP("DCustomEventListItem", "Show desktop")},
        {3, QT_TRANSLATE_NOOP("DCustomEventListItem", "Open my computer")},
        {4, QT_TRANSLATE_NOOP("DCustomEventListItem", "Lock computer")},
        {5, QT_TRANSLATE_NOOP("DCustomEventListItem", "Copy")},
        {6, QT_TRANSLATE_NOOP("DCustomEventListItem", "Cut")},
        {7, QT_TRANSLATE_NOOP("DCustomEventListItem", "Stick")},
        {8, QT_TRANSLATE_NOOP("DCustomEventListItem", "Find")},
        {9, QT_TRANSLATE_NOOP("DCustomEventListItem", "New")},
        {10, QT_TRANSLATE_NOOP("DCustomEventListItem", "Print")},
        {11, QT_TRANSLATE_NOOP("DCustomEventListItem", "Save")},
    };
    return table;
}

const QVector<keyFunctionCatalogue::Choice> &keyFunctionCatalogue::macroModeChoices()
{
    static const QVector<Choice> table = {
        {MacroPlayOnce, QT_TRANSLATE_NOOP("DCustomEventListItem", "Play once")},
        {MacroPlayCounted, QT_TRANSLATE_NOOP("DCustomEventListItem", "Play multiple times")},
        {MacroToggle, QT_TRANSLATE_NOOP("DCustomEventListItem", "Continous playback on/off")},
        {MacroWhileHeld, QT_TRANSLATE_NOOP("DCustomEventListItem", "Play while assigned key is pressed")},
    };
    return table;
}

const char *keyFunctionCatalogue::captionOf(const QVector<Choice> &choices, int value)
{
    for (const Choice &c : choices) {
        if (c.value == value)
            return c.caption;
    }
    return nullptr;
}

bool keyFunctionCatalogue::hasChoice(const QVector<Choice> &choices, int value)
{
    return captionOf(choices, value) != nullptr;
}

QString keyFunctionCatalogue::decodeKeyChar(const char *text, int length)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
    const QString decoded = utf8->toUnicode(text, length, &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return decoded;
    return QString::fromLatin1(text, length);
}

QString keyFunctionCatalogue::keyCaptionOf(const customKeyInfo &record)
{
    const QByteArray bytes = fieldBytes(record.keyChar);
    return decodeKeyChar(bytes.constData(), bytes.size());
}

QByteArray keyFunctionCatalogue::encodeKeyChar(const QString &caption)
{
    return caption.toUtf8();
}

int keyFunctionCatalogue::fieldNumber(const char *text, int capacity)
{
    return textToInt(QByteArray(text, static_cast<int>(strnlen(text, static_cast<std::size_t>(capacity)))).constData());
}

int keyFunctionCatalogue::operateTypeOf(const customKeyInfo &record)
{
    return fieldNumber(record.operateType, sizeof record.operateType);
}

bool keyFunctionCatalogue::isBound(const customKeyInfo &record)
{
    return fieldNumber(record.keyCode, sizeof record.keyCode) != -1;
}

QString keyFunctionCatalogue::valueText(const customKeyInfo &record)
{
    return QString::fromUtf8(fieldBytes(record.Value));
}

QString keyFunctionCatalogue::functionText(const customKeyInfo &record, const QMap<int, QString> &keyNames,
                                           const QString &profileName)
{
    const int value = fieldNumber(record.Value, sizeof record.Value);
    const auto captionText = [](const QVector<Choice> &choices, int code) {
        const char *caption = captionOf(choices, code);
        return caption ? rowText(caption) : QString();
    };
    switch (operateTypeOf(record)) {
    case OperateRemap:
        return keyNames.value(value);
    case OperateMacro:
        return rowText(QT_TRANSLATE_NOOP("DCustomEventListItem", "Macro:"))
            + captionText(macroModeChoices(), fieldNumber(record.mode, sizeof record.mode));
    case OperateCombination: {
        Combination combination;
        if (!parseCombination(fieldBytes(record.Value), combination))
            return QString();
        return combinationText(combination, keyNames);
    }
    case OperateMultimedia:
        return captionText(multimediaChoices(), value);
    case OperateMouse:
        return captionText(mouseChoices(), value);
    case OperateDisable:
        return rowText(QT_TRANSLATE_NOOP("DCustomEventListItem", "Disable"));
    case OperateText:
    case OperateProgram:
        return valueText(record);
    case OperateProfile:
        return rowText(QT_TRANSLATE_NOOP("DCustomEventListItem", "Profile:")) + profileName;
    case OperateShortcut:
        return captionText(shortcutChoices(), value);
    default:
        return QString();
    }
}

customKeyInfo keyFunctionCatalogue::emptyRecord()
{
    customKeyInfo record;
    std::memset(&record, 0, sizeof record);
    fixedTextCopy(record.keyCode, "-1");
    return record;
}
