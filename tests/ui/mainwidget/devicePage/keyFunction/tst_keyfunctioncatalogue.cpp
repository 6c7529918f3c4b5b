// What a stored binding reads as: the function text of the customised-keys
// rows, the strict reading of combination values and the decoding of stored
// key captions. Plain code, no display.

#include "keyFunctionCatalogue.h"
#include "keyFunctionTestFixture.h"

#include <QTranslator>
#include <QtTest>

class tst_KeyFunctionCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void functionText_data();
    void functionText();
    void parseCombination_data();
    void parseCombination();
    void modifiersByUsageAndBit();
    void keyCaptionDecoding_data();
    void keyCaptionDecoding();
    void textsTranslatedInTheRowsContext();
};

namespace {

customKeyInfo recordOf(const QByteArray &type, const QByteArray &value, const QByteArray &mode = "1")
{
    customKeyInfo record = keyFunctionCatalogue::emptyRecord();
    fixedTextCopy(record.keyCode, "4");
    fixedTextCopy(record.operateType, type);
    fixedTextCopy(record.Value, value);
    fixedTextCopy(record.mode, mode);
    fixedTextCopy(record.repeatNum, "7");
    return record;
}

} // namespace

void tst_KeyFunctionCatalogue::functionText_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("profileName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("remap") << QByteArray("0") << QByteArray("5") << QByteArray("1") << "" << "B";
    QTest::newRow("remap to a key not in the names") << QByteArray("0") << QByteArray("99") << QByteArray("1") << ""
                                                     << "";
    QTest::newRow("macro once") << QByteArray("1") << QByteArray("3") << QByteArray("1") << "" << "Macro:Play once";
    QTest::newRow("macro counted") << QByteArray("1") << QByteArray("3") << QByteArray("2") << ""
                                   << "Macro:Play multiple times";
    QTest::newRow("macro toggle") << QByteArray("1") << QByteArray("3") << QByteArray("3") << ""
                                  << "Macro:Continous playback on/off";
    QTest::newRow("macro held") << QByteArray("1") << QByteArray("3") << QByteArray("4") << ""
                                << "Macro:Play while assigned key is pressed";
    QTest::newRow("macro other mode") << QByteArray("1") << QByteArray("3") << QByteArray("9") << "" << "Macro:";
    QTest::newRow("combination mask 3") << QByteArray("2") << QByteArray("3,4") << QByteArray("1") << ""
                                        << "L_CTRL+L_SHIFT+A";
    QTest::newRow("combination mask 0") << QByteArray("2") << QByteArray("0,4") << QByteArray("1") << "" << "A";
    QTest::newRow("combination mask 255") << QByteArray("2") << QByteArray("255,5") << QByteArray("1") << ""
                                          << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+B";
    QTest::newRow("combination key not in the names") << QByteArray("2") << QByteArray("17,99") << QByteArray("1")
                                                      << "" << "L_CTRL+R_CTRL";
    QTest::newRow("combination without comma") << QByteArray("2") << QByteArray("3") << QByteArray("1") << "" << "";
    QTest::newRow("combination mask 300") << QByteArray("2") << QByteArray("300,4") << QByteArray("1") << "" << "";
    QTest::newRow("combination mask -1") << QByteArray("2") << QByteArray("-1,4") << QByteArray("1") << "" << "";
    QTest::newRow("combination two commas") << QByteArray("2") << QByteArray("1,4,5") << QByteArray("1") << "" << "";
    QTest::newRow("combination with letters") << QByteArray("2") << QByteArray("1x,4") << QByteArray("1") << ""
                                              << "";
    QTest::newRow("multimedia 0") << QByteArray("3") << QByteArray("0") << QByteArray("1") << "" << "Volume Up";
    QTest::newRow("multimedia 7") << QByteArray("3") << QByteArray("7") << QByteArray("1") << "" << "";
    QTest::newRow("multimedia 12") << QByteArray("3") << QByteArray("12") << QByteArray("1") << "" << "Email";
    QTest::newRow("multimedia 13") << QByteArray("3") << QByteArray("13") << QByteArray("1") << "" << "";
    QTest::newRow("mouse 5") << QByteArray("4") << QByteArray("5") << QByteArray("1") << ""
                             << "Mouse left side key-Go";
    QTest::newRow("mouse 6") << QByteArray("4") << QByteArray("6") << QByteArray("1") << ""
                             << "Mouse left side key-Back";
    QTest::newRow("mouse sniper 7") << QByteArray("4") << QByteArray("7") << QByteArray("1") << "" << "";
    QTest::newRow("disabled") << QByteArray("5") << QByteArray("-1") << QByteArray("1") << "" << "Disable";
    QTest::newRow("text") << QByteArray("6") << QByteArray("caf\xc3\xa9 & <b>") << QByteArray("1") << ""
                          << QString::fromUtf8("caf\xc3\xa9 & <b>");
    QTest::newRow("profile") << QByteArray("7") << QByteArray("2") << QByteArray("1") << "Game" << "Profile:Game";
    QTest::newRow("profile without name") << QByteArray("7") << QByteArray("9") << QByteArray("1") << ""
                                          << "Profile:";
    QTest::newRow("program") << QByteArray("8") << QByteArray("/usr/bin/gimp") << QByteArray("1") << ""
                             << "/usr/bin/gimp";
    QTest::newRow("shortcut 0") << QByteArray("9") << QByteArray("0") << QByteArray("1") << "" << "Close window";
    QTest::newRow("shortcut 1") << QByteArray("9") << QByteArray("1") << QByteArray("1") << "" << "";
    QTest::newRow("shortcut 7") << QByteArray("9") << QByteArray("7") << QByteArray("1") << "" << "Stick";
    QTest::newRow("shortcut 12") << QByteArray("9") << QByteArray("12") << QByteArray("1") << "" << "";
    QTest::newRow("unknown type") << QByteArray("10") << QByteArray("4") << QByteArray("1") << "" << "";
    // An empty type reads 0, a remap.
    QTest::newRow("empty type") << QByteArray("") << QByteArray("5") << QByteArray("1") << "" << "B";
}

void tst_KeyFunctionCatalogue::functionText()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, mode);
    QFETCH(QString, profileName);
    QFETCH(QString, expected);
    QCOMPARE(keyFunctionCatalogue::functionText(recordOf(type, value, mode), testKeyNames(), profileName), expected);
}

void tst_KeyFunctionCatalogue::parseCombination_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("usage");
    QTest::newRow("plain") << QByteArray("3,4") << true << 3 << 4;
    QTest::newRow("mask 0") << QByteArray("0,4") << true << 0 << 4;
    QTest::newRow("mask 255") << QByteArray("255,231") << true << 255 << 231;
    QTest::newRow("mask 256") << QByteArray("256,4") << false << 0 << 0;
    QTest::newRow("negative mask") << QByteArray("-2,4") << false << 0 << 0;
    QTest::newRow("no comma") << QByteArray("34") << false << 0 << 0;
    QTest::newRow("empty usage") << QByteArray("3,") << false << 0 << 0;
    QTest::newRow("empty mask") << QByteArray(",4") << false << 0 << 0;
    QTest::newRow("blank") << QByteArray("3, 4") << false << 0 << 0;
    QTest::newRow("overflow") << QByteArray("1,99999999999") << false << 0 << 0;
    QTest::newRow("empty") << QByteArray() << false << 0 << 0;
}

void tst_KeyFunctionCatalogue::parseCombination()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, valid);
    QFETCH(int, mask);
    QFETCH(int, usage);
    keyFunctionCatalogue::Combination combination;
    QCOMPARE(keyFunctionCatalogue::parseCombination(value, combination), valid);
    if (valid) {
        QCOMPARE(combination.mask, mask);
        QCOMPARE(combination.usage, usage);
        QCOMPARE(keyFunctionCatalogue::formatCombination(combination.mask, combination.usage), value);
    }
}

void tst_KeyFunctionCatalogue::modifiersByUsageAndBit()
{
    QCOMPARE(keyFunctionCatalogue::modifierMask(224), 1);
    QCOMPARE(keyFunctionCatalogue::modifierMask(231), 128);
    QCOMPARE(keyFunctionCatalogue::modifierMask(4), 0);
    QCOMPARE(keyFunctionCatalogue::modifierMask(232), 0);
    // Bit order, whatever order the bits were set in.
    QCOMPARE(keyFunctionCatalogue::modifierNames(0x82), (QStringList{"L_SHIFT", "R_WIN"}));
}

void tst_KeyFunctionCatalogue::keyCaptionDecoding_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ascii") << QByteArray("Esc") << "Esc";
    QTest::newRow("utf-8 accent") << QByteArray("\xc3\x96") << QString(QChar(0xD6));
    QTest::newRow("utf-8 cjk") << QByteArray("\xe4\xb8\xad") << QString(QChar(0x4E2D));
    // Files written before captions were UTF-8 hold Latin-1 bytes.
    QTest::newRow("latin-1 accent") << QByteArray("\xd6") << QString(QChar(0xD6));
    QTest::newRow("latin-1 pair") << QByteArray("\xa7\xb0") << QString::fromLatin1("\xa7\xb0");
}

void tst_KeyFunctionCatalogue::keyCaptionDecoding()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, caption);
    QCOMPARE(keyFunctionCatalogue::decodeKeyChar(stored.constData(), stored.size()), caption);
    if (caption.toUtf8() == stored || stored == "Esc")
        QCOMPARE(keyFunctionCatalogue::encodeKeyChar(caption), stored);
}

namespace {

// Answers only texts of the rows' own context.
class RowTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "DCustomEventListItem") != 0)
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
};

} // namespace

void tst_KeyFunctionCatalogue::textsTranslatedInTheRowsContext()
{
    RowTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QMap<int, QString> names = testKeyNames();
    QCOMPARE(keyFunctionCatalogue::functionText(recordOf("3", "2"), names, QString()), QStringLiteral("<Mute>"));
    QCOMPARE(keyFunctionCatalogue::functionText(recordOf("1", "3", "2"), names, QString()),
             QStringLiteral("<Macro:><Play multiple times>"));
    QCOMPARE(keyFunctionCatalogue::functionText(recordOf("7", "2"), names, QStringLiteral("Game")),
             QStringLiteral("<Profile:>Game"));
    // Key and modifier names are not translated.
    QCOMPARE(keyFunctionCatalogue::functionText(recordOf("2", "1,4"), names, QString()), QStringLiteral("L_CTRL+A"));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_GUILESS_MAIN(tst_KeyFunctionCatalogue)
#include "tst_keyfunctioncatalogue.moc"
