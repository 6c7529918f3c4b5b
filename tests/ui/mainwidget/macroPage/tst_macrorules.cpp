// The macro page's plain rules: key maps, indexes, names, delays, and the
// recorder's clock.

#include "macroEventRules.h"
#include "macroKeyMaps.h"
#include "macroListRules.h"
#include "macroRecorder.h"

#include <QtTest>

class tst_MacroRules : public QObject
{
    Q_OBJECT

private slots:
    void routedVk_data();
    void routedVk();
    void fullSizeLayout();
    void layoutRules();
    void freeAndNextIndex_data();
    void freeAndNextIndex();
    void importName_data();
    void importName();
    void exportFileName_data();
    void exportFileName();
    void cappedName_data();
    void cappedName();
    void delayFromText_data();
    void delayFromText();
    void marksAreFreshHex();
    void clockWrapStillMeasures();
};

void tst_MacroRules::routedVk_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("routed");
    QTest::newRow("Enter") << 13 << 0x00 << 999;
    QTest::newRow("keypad Enter") << 13 << 0x01 << 998;
    QTest::newRow("Alt+Enter") << 13 << 0x20 << 999;
    QTest::newRow("Alt+keypad Enter") << 13 << 0x21 << 998;
    QTest::newRow("Enter up") << 13 << 0x80 << 999;
    QTest::newRow("keypad Enter up") << 13 << 0x81 << 998;
    QTest::newRow("injected keypad Enter") << 13 << 0x11 << 998;
    QTest::newRow("other key, extended") << 0x2E << 0x01 << 0x2E;
}

void tst_MacroRules::routedVk()
{
    QFETCH(int, vk);
    QFETCH(int, flags);
    QFETCH(int, routed);
    QCOMPARE(macroKeyMaps::routedVk(vk, flags), routed);
}

void tst_MacroRules::fullSizeLayout()
{
    macroKeyMaps maps;
    maps.load();
    QVERIFY(maps.isLoaded());
    QCOMPARE(maps.deviceCode(999), 40);
    QCOMPARE(maps.caption(999), QStringLiteral("Enter"));
    QCOMPARE(maps.deviceCode(998), 88);
    QCOMPARE(maps.caption(998), QStringLiteral("NumEnter"));
    QCOMPARE(maps.deviceCode(0x41), 4);
    QCOMPARE(maps.caption(0xDE), QStringLiteral("' \""));
    QCOMPARE(maps.deviceCode(0xDE), 52);
    QCOMPARE(maps.deviceCode(0xFF), -1);
    QCOMPARE(maps.caption(0xFF), QString());

    // Filled once: a second load does not read again.
    maps.load(QStringLiteral(":/no/such/file"));
    QCOMPARE(maps.deviceCode(0x41), 4);

    macroKeyMaps missing;
    missing.load(QStringLiteral(":/no/such/file"));
    QVERIFY(!missing.isLoaded());
    QCOMPARE(missing.deviceCode(0x41), -1);
}

void tst_MacroRules::layoutRules()
{
    // Fn is skipped, key 52 is renamed whatever it says, quotes go, a later
    // key of the same virtual-key code wins, and the national row is not read.
    const QByteArray layout = R"({
        "Keyboard": {"KeyboardIntroduction": "test"},
        "EveryKeyInfo_Row01": [
            {"Dec": 52, "qtDec": 222, "Character": "quote"},
            {"Dec": -10, "qtDec": 255, "Character": "Fn"},
            {"Dec": 30, "qtDec": 49, "Character": "1\"!"}
        ],
        "EveryKeyInfo_Row06": [
            {"Dec": 31, "qtDec": 49, "Character": "one"}
        ],
        "EveryKeyInfo_Row07": [
            {"Dec": 135, "qtDec": 226, "Character": "intl"}
        ]
    })";
    macroKeyMaps maps;
    QVERIFY(maps.parse(layout));
    QCOMPARE(maps.caption(222), QStringLiteral("' \""));
    QCOMPARE(maps.deviceCode(222), 52);
    QCOMPARE(maps.deviceCode(255), -1);
    QCOMPARE(maps.deviceCode(49), 31);
    QCOMPARE(maps.caption(49), QStringLiteral("one"));
    QCOMPARE(maps.deviceCode(226), -1);

    macroKeyMaps first;
    QVERIFY(first.parse(R"({"EveryKeyInfo_Row01": [{"Dec": 30, "qtDec": 49, "Character": "1\"!"}]})"));
    // The caption is the printed JSON text without its quotes: the escape stays.
    QCOMPARE(first.caption(49), QStringLiteral("1\\!"));

    QVERIFY(!maps.parse("not json"));
    QVERIFY(!maps.isLoaded());
}

void tst_MacroRules::freeAndNextIndex_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<int>("free");
    QTest::addColumn<int>("next");
    QTest::newRow("empty") << QList<int>{} << 1 << 1;
    QTest::newRow("gap") << QList<int>{1, 2, 4} << 3 << 5;
    QTest::newRow("no 1") << QList<int>{2, 3} << 1 << 4;
    QTest::newRow("full") << QList<int>{1, 2, 3} << 4 << 4;
    QTest::newRow("doubled") << QList<int>{1, 1, 2} << 3 << 3;
    QTest::newRow("zero and junk") << QList<int>{0, 1, 2} << 3 << 3;
    QTest::newRow("at the top") << QList<int>{1, INT_MAX} << 2 << 2;
}

void tst_MacroRules::freeAndNextIndex()
{
    QFETCH(QList<int>, indexes);
    QFETCH(int, free);
    QFETCH(int, next);
    QCOMPARE(macroListRules::freeIndex(indexes), free);
    QCOMPARE(macroListRules::nextIndex(indexes), next);
}

void tst_MacroRules::importName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("plain") << "/home/u/Desktop/Fire.xml" << QByteArray("Fire");
    QTest::newRow("dots") << "/home/u/my.macro.xml" << QByteArray("my");
    QTest::newRow("only an extension") << "/home/u/.xml" << QByteArray("Macro8");
    QTest::newRow("no extension") << "/home/u/burst" << QByteArray("burst");
    QTest::newRow("long UTF-8") << QString("/t/") + QString(30, QChar(0x00E9)) + ".xml"
                                << QString(23, QChar(0x00E9)).toUtf8();
}

void tst_MacroRules::importName()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, name);
    QCOMPARE(macroListRules::importName(path, 8), name);
}

void tst_MacroRules::exportFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "Fire" << "Fire";
    QTest::newRow("blanks") << "  " << "  ";
    QTest::newRow("slash") << "../../etc/passwd" << ".._.._etc_passwd";
    QTest::newRow("backslash") << "a\\b" << "a_b";
    QTest::newRow("control") << QString("a\nb") << "a_b";
    QTest::newRow("empty") << "" << "Macro3";
    QTest::newRow("dot") << "." << "Macro3";
    QTest::newRow("dot dot") << ".." << "Macro3";
    QTest::newRow("hidden") << ".x" << ".x";
    QTest::newRow("too long") << QString(300, QChar(0x00E9)) << QString(125, QChar(0x00E9));
}

void tst_MacroRules::exportFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(macroListRules::exportFileName(name, 3), file);
}

void tst_MacroRules::cappedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("short") << "Fire" << QByteArray("Fire");
    QTest::newRow("47 bytes") << QString(47, 'x') << QByteArray(47, 'x');
    QTest::newRow("48 bytes") << QString(48, 'x') << QByteArray(47, 'x');
    // Three-byte characters: 15 fit, the 16th would end at byte 48.
    QTest::newRow("CJK") << QString(20, QChar(0x4E2D)) << QString(15, QChar(0x4E2D)).toUtf8();
    QTest::newRow("blanks") << "   " << QByteArray("   ");
}

void tst_MacroRules::cappedName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    QCOMPARE(macroListRules::cappedName(name), stored);
}

void tst_MacroRules::delayFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delay");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("digits") << "250" << 250;
    QTest::newRow("limit") << "65535" << 65535;
    QTest::newRow("over") << "65536" << 65535;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("negative") << "-5" << 0;
    QTest::newRow("huge") << "99999999999999999999999" << 65535;
}

void tst_MacroRules::delayFromText()
{
    QFETCH(QString, text);
    QFETCH(int, delay);
    QCOMPARE(macroEventRules::delayFromText(text), delay);
}

void tst_MacroRules::marksAreFreshHex()
{
    const QByteArray a = macroEventRules::createMark();
    const QByteArray b = macroEventRules::createMark();
    QVERIFY(QRegExp(QStringLiteral("[0-9a-f]{16}")).exactMatch(QString::fromLatin1(a)));
    QVERIFY(a != b);
}

void tst_MacroRules::clockWrapStillMeasures()
{
    quint32 now = 0xFFFFFF00u;
    macroRecorder recorder([&now] { return now; });
    recorder.start(0);
    QVERIFY(recorder.keyDown(65, 4, QStringLiteral("A"), {}));
    now += 0x200; // past the wrap
    const auto release = recorder.keyUp(65, {});
    QVERIFY(release);
    QCOMPARE(QByteArray(release->delay), QByteArray("512"));
}

QTEST_MAIN(tst_MacroRules)
#include "tst_macrorules.moc"
