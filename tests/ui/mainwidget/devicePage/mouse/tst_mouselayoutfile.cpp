// The mouse layout file: the reader on good and bad files, the shipped file
// against the two pages that draw it, and the generator that writes it.

#include "DDataManager.h"
#include "mouseLayoutFile.h"
#include "../../../../tools/generatorOutput.h"

#include <QImage>
#include <QtTest>

namespace {

using Members = QList<QPair<QByteArray, QByteArray>>;

const Members kButtonMembers = {{"PosX01", "332"}, {"PosY01", "56"}, {"PosX02", "270"}, {"PosY02", "30"},
                                {"PosX03", "200"}, {"PosY03", "30"}, {"Index", "0"},    {"Dec", "1"},
                                {"qtDec", "0"},    {"Character", "\"Left Click\""}};
const Members kLedMembers = {{"PosX", "312"},  {"PosY", "128"},       {"Width", "10"},        {"Height", "10"},
                             {"Index", "1"},   {"validStatus", "1"}, {"SidePosition", "0"}, {"Mark", "\"0x01\""}};

// A JSON object of the members, one left out and some given other values.
QByteArray object(const Members &members, const QByteArray &drop = QByteArray(), const Members &set = Members())
{
    QByteArrayList parts;
    for (const auto &member : members) {
        if (member.first == drop)
            continue;
        QByteArray value = member.second;
        for (const auto &other : set) {
            if (other.first == member.first)
                value = other.second;
        }
        parts << "\"" + member.first + "\": " + value;
    }
    return "{" + parts.join(", ") + "}";
}

const QByteArray kButton = object(kButtonMembers);
const QByteArray kLed = object(kLedMembers);

QByteArray without(const QByteArray &entry, const QByteArray &key)
{
    return object(entry == kLed ? kLedMembers : kButtonMembers, key);
}

QByteArray buttonWith(const QByteArray &key, const QByteArray &value)
{
    return object(kButtonMembers, QByteArray(), {{key, value}});
}

QByteArray ledList(int count)
{
    QByteArrayList leds;
    for (int i = 0; i < count; ++i)
        leds << kLed;
    return "[" + leds.join(",") + "]";
}

QImage shippedPicture()
{
    return QImage(qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/images/hidImages/Keyboard_Bovelli.png"));
}

// The picture's pixel under a point of a rectangle the picture is scaled into.
QColor pictureAt(const QImage &picture, const QRect &drawnInto, const QPoint &point)
{
    const double x = (point.x() - drawnInto.x() + 0.5) * picture.width() / drawnInto.width();
    const double y = (point.y() - drawnInto.y() + 0.5) * picture.height() / drawnInto.height();
    return picture.pixelColor(qBound(0, int(x), picture.width() - 1), qBound(0, int(y), picture.height() - 1));
}

} // namespace

class tst_MouseLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DDataManager::instance(); }

    void parse_data();
    void parse();
    void longCharacterIsCutOnCharacterBoundary();
    void indexOutsideTheButtonsAndRepeats();
    void modelNames_data();
    void modelNames();
    void shippedFileFitsThePages();
    void generatorOutputIsCommitted();
};

void tst_MouseLayoutFile::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QList<int>>("header"); // label width, height, supportEnableXY
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("leds");
    QTest::addColumn<QString>("warning"); // empty: none

    const QList<int> defaults {110, 20, 1};
    QTest::newRow("complete") << "{\"Mouse\": {\"showInfoTextWidth\": 125, \"showInfoTextHeight\": 22, "
                                 "\"supportEnableXY\": 0}, \"EveryKeyInfo_Row00\": ["
                                     + kButton + "], \"EveryKeyInfo_MouseLight0\": [" + kLed + "]}"
                              << true << QList<int> {125, 22, 0} << 1 << 1 << QString();
    QTest::newRow("not JSON") << QByteArray("{\"Mouse\": ") << false << defaults << 0 << 0
                              << "fixture.config: not a JSON object";
    QTest::newRow("JSON but not an object") << QByteArray("[1, 2]") << false << defaults << 0 << 0
                                            << "fixture.config: not a JSON object";
    QTest::newRow("empty object") << QByteArray("{}") << true << defaults << 0 << 0 << QString();
    QTest::newRow("Mouse lacks a key") << QByteArray("{\"Mouse\": {\"showInfoTextHeight\": 30, \"supportEnableXY\": 0}}")
                                       << true << QList<int> {110, 30, 0} << 0 << 0
                                       << "fixture.config: \"Mouse\" lacks \"showInfoTextWidth\"; 110 kept";
    QTest::newRow("Mouse value not a number")
        << QByteArray("{\"Mouse\": {\"showInfoTextWidth\": 90, \"showInfoTextHeight\": 30, \"supportEnableXY\": \"1\"}}")
        << true << QList<int> {90, 30, 1} << 0 << 0 << "\"Mouse\" lacks \"supportEnableXY\"; 1 kept";
    QTest::newRow("button lacks a key") << "{\"EveryKeyInfo_Row00\": [" + without(kButton, "PosY02") + ", " + kButton + "]}"
                                        << true << defaults << 1 << 0
                                        << "fixture.config: button entry 0 lacks PosY02; skipped";
    QTest::newRow("button Character not a text") << "{\"EveryKeyInfo_Row00\": [" + kButton + ", "
                                                        + buttonWith("Character", "7") + "]}"
                                                 << true << defaults << 1 << 0 << "button entry 1 lacks Character";
    QTest::newRow("button not an object") << "{\"EveryKeyInfo_Row00\": [5, " + kButton + "]}" << true << defaults
                                          << 1 << 0 << "button entry 0 lacks \\(not an object\\)";
    QTest::newRow("buttons not a list") << QByteArray("{\"EveryKeyInfo_Row00\": {}}") << true << defaults << 0 << 0
                                        << "\"EveryKeyInfo_Row00\" is not a list";
    QTest::newRow("LED lacks a key") << "{\"EveryKeyInfo_MouseLight0\": [" + kLed + ", " + without(kLed, "Width") + "]}"
                                     << true << defaults << 0 << 2
                                     << "fixture.config: LED entry 1 lacks Width; kept as an LED that is not drawn";
    QTest::newRow("LED not an object") << "{\"EveryKeyInfo_MouseLight0\": [null, " + kLed + "]}" << true << defaults
                                       << 0 << 2 << "LED entry 0 lacks \\(not an object\\)";
    QTest::newRow("25 LEDs") << "{\"EveryKeyInfo_MouseLight0\": " + ledList(25) + "}" << true << defaults << 0 << 18
                             << "fixture.config: LED entries past 18 dropped";
}

void tst_MouseLayoutFile::parse()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, loaded);
    QFETCH(QList<int>, header);
    QFETCH(int, buttons);
    QFETCH(int, leds);
    QFETCH(QString, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    mouseLayoutFile layout;
    QCOMPARE(layout.parse(json, QStringLiteral("fixture.config")), loaded);
    QCOMPARE(layout.isLoaded(), loaded);
    QCOMPARE(QList<int>({layout.labelWidth(), layout.labelHeight(), layout.supportEnableXY()}), header);
    QCOMPARE(layout.buttons().size(), buttons);
    QCOMPARE(layout.leds().size(), leds);
    if (QByteArray(QTest::currentDataTag()) == "LED lacks a key") {
        // Kept in its place, undrawn, for the engine that counts positions.
        const mouseLedInfo kept = layout.leds().at(1);
        QCOMPARE(QList<int>({kept.PosX, kept.PosY, kept.Width, kept.Height, kept.Index, kept.validStatus}),
                 QList<int>({-1, -1, 0, 0, 2, 0}));
        QCOMPARE(layout.leds().at(0).validStatus, 1);
    }
}

void tst_MouseLayoutFile::longCharacterIsCutOnCharacterBoundary()
{
    // 100 two-byte characters: 200 bytes, cut to 62 so no character is split.
    const QByteArray name = QString(100, QChar(0xE9)).toUtf8();
    QCOMPARE(name.size(), 200);
    mouseLayoutFile layout;
    QVERIFY(layout.parse("{\"EveryKeyInfo_Row00\": [" + buttonWith("Character", "\"" + name + "\"") + "]}",
                         QStringLiteral("long.config")));
    QCOMPARE(layout.buttons().size(), 1);
    const QByteArray kept(layout.buttons().first().Character);
    QCOMPARE(kept.size(), 62);
    QCOMPARE(QString::fromUtf8(kept), QString(31, QChar(0xE9)));
}

void tst_MouseLayoutFile::indexOutsideTheButtonsAndRepeats()
{
    mouseLayoutFile layout;
    QVERIFY(layout.parse("{\"EveryKeyInfo_Row00\": [" + buttonWith("Index", "8") + ", "
                             + buttonWith("PosX01", "10") + ", " + buttonWith("PosX01", "20") + "]}",
                         QStringLiteral("index.config")));
    QCOMPARE(layout.buttons().size(), 3); // the list keeps all
    QCOMPARE(layout.buttons().at(0).Index, 8);
    QCOMPARE(layout.buttonsByIndex().size(), 2);
    QCOMPARE(layout.buttonsByIndex().value(0).PosX01, 20); // the later one wins
}

void tst_MouseLayoutFile::modelNames_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("warning");
    QTest::newRow("shipped") << "Bovelli" << true << QString();
    QTest::newRow("unknown model") << "Nomouse" << false << "mouseInfo_Nomouse.config: cannot be read";
    QTest::newRow("parent folder") << "../configDir/x" << false << "names no layout file";
    QTest::newRow("sub folder") << "a/Bovelli" << false << "names no layout file";
    QTest::newRow("backslash") << "a\\Bovelli" << false << "names no layout file";
    QTest::newRow("empty") << "" << false << "names no layout file";
    QTest::newRow("dot dot") << ".." << false << "names no layout file";
}

void tst_MouseLayoutFile::modelNames()
{
    QFETCH(QString, model);
    QFETCH(bool, loaded);
    QFETCH(QString, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    mouseLayoutFile layout;
    QCOMPARE(layout.loadModel(model), loaded);
    QCOMPARE(layout.buttons().isEmpty(), !loaded);
}

void tst_MouseLayoutFile::shippedFileFitsThePages()
{
    mouseLayoutFile layout;
    QVERIFY(layout.loadModel(QStringLiteral("Bovelli")));
    QCOMPARE(layout.labelWidth(), 125);
    QCOMPARE(layout.labelHeight(), 20);
    QCOMPARE(layout.supportEnableXY(), 1);
    const QImage picture = shippedPicture();
    QVERIFY(!picture.isNull());

    // Buttons page: the picture in (300, 15, 100, 180) of a 700 x 210 page.
    const QRect page(0, 0, 700, 210);
    const QRect drawnMouse(300, 15, 100, 180);
    QList<int> indexes;
    QList<int> codes;
    QList<QRect> labels;
    for (const mouseButtonInfo &b : layout.buttons()) {
        indexes << b.Index;
        codes << b.Dec;
        const QPoint start(b.PosX01, b.PosY01);
        QVERIFY2(drawnMouse.contains(start) && pictureAt(picture, drawnMouse, start).alpha() > 200,
                 qPrintable(QStringLiteral("button %1 starts off the mouse").arg(b.Index)));
        const int x = b.Index <= 3 ? b.PosX03 - 125 - 4 : b.PosX03 + 6;
        const QRect label(x, b.PosY03 - 10, 125, 20);
        QVERIFY2(page.contains(label), qPrintable(QStringLiteral("label %1 leaves the page").arg(b.Index)));
        QVERIFY2(!label.intersects(drawnMouse), qPrintable(QStringLiteral("label %1 covers the mouse").arg(b.Index)));
        for (const QRect &other : qAsConst(labels))
            QVERIFY(!label.intersects(other));
        labels << label;
    }
    QCOMPARE(indexes, QList<int>({0, 1, 2, 3, 4, 5}));
    QCOMPARE(codes, QList<int>({1, 32, 16, 8, 2, 4}));

    // The LEDs: 8 drawn, then 10 place-holders; the lighting page's test
    // checks the drawn ones against the page.
    QCOMPARE(layout.leds().size(), 18);
    for (int i = 0; i < layout.leds().size(); ++i) {
        const mouseLedInfo &led = layout.leds().at(i);
        QCOMPARE(led.Index, i + 1);
        if (i >= 8) {
            QCOMPARE(QList<int>({led.PosX, led.PosY, led.Width, led.Height, led.validStatus, led.SidePosition}),
                     QList<int>({-1, -1, 0, 0, 0, 3}));
        } else {
            QCOMPARE(QSize(led.Width, led.Height), QSize(10, 10));
            QCOMPARE(led.validStatus, 1);
            QCOMPARE(led.SidePosition, i == 5 ? 2 : i == 7 ? 1 : 0);
        }
    }
}

// The shipped layout file is written by tools/mouseData/generate.py: running
// it again must give exactly the committed file.
void tst_MouseLayoutFile::generatorOutputIsCommitted()
{
    const GeneratorOutput out = GeneratorOutput::run(QStringLiteral("tools/mouseData/generate.py"), 60000);
    if (out.pythonMissing)
        QSKIP("python3 is not installed");
    QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
    QCOMPARE(out.files.keys(), QStringList({QStringLiteral("images/configDir/mouseInfo_Bovelli.config")}));
    for (auto it = out.files.cbegin(); it != out.files.cend(); ++it) {
        bool exists = false;
        const QByteArray committed = GeneratorOutput::committed(it.key(), &exists);
        QVERIFY2(exists, qPrintable(it.key() + QStringLiteral(" is not committed")));
        QVERIFY2(committed == it.value(), qPrintable(it.key() + QStringLiteral(" is out of date")));
    }
}

QTEST_MAIN(tst_MouseLayoutFile)
#include "tst_mouselayoutfile.moc"
