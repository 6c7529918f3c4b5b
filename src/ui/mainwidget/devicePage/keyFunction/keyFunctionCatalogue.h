#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// What a stored key binding means: the operateType codes, the formats of
// their Value, the modifier table of key combinations and the short texts
// that name a binding in the customised-keys list. Plain code shared by the
// key-function pages, the list rows and the mouse buttons page.
class keyFunctionCatalogue
{
public:
    enum OperateType {
        OperateNone = -1,
        OperateRemap = 0,
        OperateMacro = 1,
        OperateCombination = 2,
        OperateMultimedia = 3,
        OperateMouse = 4,
        OperateDisable = 5,
        OperateText = 6,
        OperateProfile = 7,
        OperateProgram = 8,
        OperateShortcut = 9,
    };

    // How a bound macro plays (the binding's mode).
    enum MacroMode {
        MacroPlayOnce = 1,
        MacroPlayCounted = 2,
        MacroToggle = 3,
        MacroWhileHeld = 4,
    };

    // Value's field holds 5120 bytes with its terminator.
    static constexpr int kMaxValueBytes = 5119;
    // The play count of a counted macro.
    static constexpr int kMinRepeat = 1;
    static constexpr int kMaxRepeat = 255;
    // A disabled key's Value.
    static constexpr int kDisabledValue = -1;
    // Mouse function offered only for the mouse.
    static constexpr int kSniperMouseValue = 7;

    struct Modifier
    {
        int usage;
        int mask;
        const char *name;
    };
    // L_CTRL (usage 224, bit 0) to R_WIN (231, bit 7), in bit order.
    static const QVector<Modifier> &modifiers();
    // The modifier's mask bit; 0 for a normal key.
    static int modifierMask(int usage);
    // Names of the mask's set bits, bit 0 first.
    static QStringList modifierNames(int mask);

    struct Combination
    {
        int mask = 0;
        int usage = 0;
    };
    // "mask,usage": two decimal integers around one comma, the mask 0..255.
    // Anything else is no combination.
    static bool parseCombination(const QByteArray &value, Combination &combination);
    static QByteArray formatCombination(int mask, int usage);
    // The modifiers' names in bit order, then the key's caption when known,
    // joined with "+".
    static QString combinationText(const Combination &combination, const QMap<int, QString> &keyNames);

    struct Choice
    {
        int value;
        const char *caption; // untranslated; context "DCustomEventListItem"
    };
    static const QVector<Choice> &multimediaChoices();
    static const QVector<Choice> &mouseChoices();     // the sniper function has no caption here
    static const QVector<Choice> &shortcutChoices();
    static const QVector<Choice> &macroModeChoices();
    // The caption of value in the table; nullptr when it has none.
    static const char *captionOf(const QVector<Choice> &choices, int value);
    static bool hasChoice(const QVector<Choice> &choices, int value);

    // keyChar as stored: UTF-8, or Latin-1 where the bytes are not valid
    // UTF-8 (files written before captions were stored as UTF-8).
    static QString decodeKeyChar(const char *text, int length);
    static QString keyCaptionOf(const customKeyInfo &record);
    static QByteArray encodeKeyChar(const QString &caption);

    // The integer value of a decimal field (the store's text-to-integer rule).
    static int fieldNumber(const char *text, int capacity);
    static int operateTypeOf(const customKeyInfo &record);
    static bool isBound(const customKeyInfo &record); // keyCode is not -1
    static QString valueText(const customKeyInfo &record); // Value as UTF-8

    // The short text naming a binding's function in the customised-keys list;
    // empty when the binding names nothing that can be shown (an unknown
    // key or type, a code without caption, a malformed combination).
    static QString functionText(const customKeyInfo &record, const QMap<int, QString> &keyNames,
                                const QString &profileName);

    // A record with keyCode "-1" and every other field empty.
    static customKeyInfo emptyRecord();
};
