// Byte tables of every report builder and parser: protocol reports, light
// lists, identification, lighting, on-board and mouse payloads.

#include "hidIdentification.h"
#include "hidLightList.h"
#include "hidProtocolReports.h"
#include "hidTestHelpers.h"
#include "lightingReports.h"
#include "mouseReports.h"
#include "onboardReports.h"

#include <QtTest>

#include <climits>
#include <cstring>

Q_DECLARE_METATYPE(hidReportData)
Q_DECLARE_METATYPE(onboardKeyEntry)

namespace {
customKeyInfo binding(int keyCode, int kind, const char *value, int mode = 1, int repeat = 1)
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.keyCode, QByteArray::number(keyCode));
    fixedTextCopy(info.operateType, QByteArray::number(kind));
    fixedTextCopy(info.Value, value);
    fixedTextCopy(info.mode, QByteArray::number(mode));
    fixedTextCopy(info.repeatNum, QByteArray::number(repeat));
    return info;
}

colorInfoData effect(int type, int modeType)
{
    colorInfoData c{};
    c.ledType = type;
    c.ledBrightness = 4;
    c.ledSpeed = 3;
    c.ledModeR = 0x11;
    c.ledModeG = 0x22;
    c.ledModeB = 0x33;
    c.ledBgR = 0x44;
    c.ledBgG = 0x55;
    c.ledBgB = 0x66;
    c.ledDirection = 2;
    c.ledModeType = modeType;
    c.ledOpenOrClose = 1;
    return c;
}

// Key events with usages 4, 5, 6, ... and delays 1, 2, 3, ... ms, pressed.
QList<hidMacroEvent> keyEvents(int count)
{
    QList<hidMacroEvent> events;
    for (int i = 0; i < count; ++i) {
        hidMacroEvent e;
        e.code = 4 + i;
        e.press = true;
        e.delayMs = i + 1;
        events.append(e);
    }
    return events;
}

hidReportData lightListAnswer(unsigned char command, const QList<int> &payload)
{
    hidReportData r = hidReportFrame(command);
    for (int i = 0; i < payload.size() && 6 + i < kHidReportSize; ++i)
        r[6 + i] = static_cast<unsigned char>(payload.at(i));
    return r;
}

hidReportData answerWithText(const QByteArray &text)
{
    hidReportData r = hidReportFrame(HidCmd::Identification);
    hidReportPut(r, 6, reinterpret_cast<const unsigned char *>(text.constData()),
                 qMin(text.size(), kHidPayloadCapacity));
    return r;
}
} // namespace

class tst_HidReports : public QObject
{
    Q_OBJECT

private slots:
    void reportFrameRefusesWritesPastTheEnd();
    void protocolReports_data();
    void protocolReports();
    void serialAndHandshakeAnswers();
    void lightList_data();
    void lightList();
    void mouseLightLists();
    void identificationTexts();
    void firmwareDate_data();
    void firmwareDate();
    void effectReports_data();
    void effectReports();
    void customKeyColors();
    void colorFramePackets_data();
    void colorFramePackets();
    void mouseColorFrameAndSwitches();
    void framePacketCounts();
    void bindingCodes();
    void storedNumbers_data();
    void storedNumbers();
    void onboardKeyEntries_data();
    void onboardKeyEntries();
    void onboardKeyTable();
    void macroEvents();
    void onboardMacro_data();
    void onboardMacro();
    void dpiCodes_data();
    void dpiCodes();
    void dpiReport();
    void zoneLightAndReportRate();
    void mouseKeyReports_data();
    void mouseKeyReports();
    void mouseKeyMacroChunks_data();
    void mouseKeyMacroChunks();
};

void tst_HidReports::reportFrameRefusesWritesPastTheEnd()
{
    hidReportData r = hidReportFrame(0x07, 1, 2, 3);
    QCOMPARE(r, reportOf({1, 7, 1, 0, 2, 3}));
    const unsigned char bytes[4] = {9, 9, 9, 9};
    QVERIFY(hidReportPut(r, 60, bytes, 4));
    QVERIFY(!hidReportPut(r, 61, bytes, 4));
    QVERIFY(!hidReportPutByte(r, 64, 1));
    QVERIFY(!hidReportPutByte(r, -1, 1));
    QCOMPARE(r[63], static_cast<unsigned char>(9));
    QCOMPARE(hidReportByte(r.data(), 10, 10), static_cast<unsigned char>(0));
    QCOMPARE(hidReportByte(r.data(), 100, 64), static_cast<unsigned char>(0));

    // Values go in as their low bytes, all or nothing.
    hidReportData v{};
    QVERIFY(hidReportPutValues(v, 61, {0x101, -1, 7}));
    QCOMPARE(v[61], static_cast<unsigned char>(1));
    QCOMPARE(v[62], static_cast<unsigned char>(0xFF));
    QCOMPARE(v[63], static_cast<unsigned char>(7));
    QVERIFY(!hidReportPutValues(v, 62, {9, 9, 9}));
    QCOMPARE(v[62], static_cast<unsigned char>(0xFF));
}

void tst_HidReports::protocolReports_data()
{
    QTest::addColumn<hidReportData>("report");
    QTest::addColumn<hidReportData>("expected");
    QTest::newRow("handshake, PC mode") << shakeHandsReport(true) << reportOf({1, 0x01, 0, 0, 0, 1, 0});
    QTest::newRow("handshake, on-board mode") << shakeHandsReport(false) << reportOf({1, 0x01, 0, 0, 0, 1, 1});
    QTest::newRow("serial request") << serialRequestReport() << reportOf({1, 0x15});
    QTest::newRow("identification request") << identificationRequestReport() << reportOf({1, 0x0D});
    QTest::newRow("key light list") << keyLightListRequestReport() << reportOf({1, 0x0A});
    QTest::newRow("side light list") << sideLightListRequestReport() << reportOf({1, 0x02});
    QTest::newRow("mouse light lists") << mouseLightListRequestReport() << reportOf({1, 0x43});
    QTest::newRow("serial write, short") << serialWriteReport("ab")
                                         << reportOf({1, 0x16, 0, 0, 0, 0x20, 'a', 'b'});
    hidReportData longSerial = hidReportFrame(0x16, 0, 0, 0x20);
    for (int i = 0; i < 32; ++i)
        longSerial[6 + i] = 'x';
    QTest::newRow("serial write, cut to 32") << serialWriteReport(QByteArray(40, 'x')) << longSerial;
    const unsigned char state[8] = {0x22, 0, 4, 5, 6, 7, 8, 9};
    QTest::newRow("key state") << keyStateReport(state)
                               << reportOf({1, 0x04, 0, 0, 0, 9, 0x22, 0, 4, 5, 6, 7, 8, 9});
    unsigned char input[64];
    for (int i = 0; i < 64; ++i)
        input[i] = static_cast<unsigned char>(0x80 + i);
    QTest::newRow("full key echoes bytes 6 to 18")
        << fullKeyReport(input, 64)
        << reportOf({1, 0x05, 0, 0, 0, 0x15, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x90,
                     0x91, 0x92});
    QTest::newRow("full key from a short input")
        << fullKeyReport(input, 8) << reportOf({1, 0x05, 0, 0, 0, 0x15, 0x86, 0x87});
    QTest::newRow("multimedia") << multimediaReport(1, 2, 4) << reportOf({1, 0x06, 0, 0, 0, 3, 1, 2, 4});
    QTest::newRow("mouse state, middle and wheel down")
        << mouseStateReport(0x04, 0xFF) << reportOf({1, 0x13, 0, 0, 0, 6, 4, 0, 0, 0, 0, 0xFF});
}

void tst_HidReports::protocolReports()
{
    QFETCH(hidReportData, report);
    QFETCH(hidReportData, expected);
    QCOMPARE(report, expected);
}

void tst_HidReports::serialAndHandshakeAnswers()
{
    hidReportData answer = hidReportFrame(0x15, 0, 0, 0x20);
    std::memset(answer.data() + 6, 'z', 58); // no terminator within the serial
    QCOMPARE(serialAnswerText(answer), QByteArray(32, 'z'));
    QCOMPARE(serialAnswerText(reportOf({1, 0x15, 0, 0, 0, 0x20, 'a', 'b'})), QByteArray("ab"));
    QCOMPARE(serialAnswerText(reportOf({1, 0x15})), QByteArray());

    QCOMPARE(shakeHandsKeyBlocking(reportOf({1, 1, 0, 0, 0, 1, 1})), 1);
    QCOMPARE(shakeHandsKeyBlocking(reportOf({1, 1, 0, 0, 0, 1, 0})), 0);
    QCOMPARE(shakeHandsKeyBlocking(reportOf({1, 1, 0, 0, 0, 1, 2})), 0);
    QCOMPARE(shakeHandsKeyBlocking(reportOf({1, 1, 0, 0, 0, 0, 1})), -1);
}

void tst_HidReports::lightList_data()
{
    QTest::addColumn<hidReportData>("report");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("speedMax");
    QTest::addColumn<int>("brightnessMax");
    QTest::addColumn<int>("next");

    QTest::newRow("A5 marker") << lightListAnswer(0x0A, {5, 7, 10, 0xA5, 3, 4}) << QList<int>{5, 7, 10} << 3 << 4
                               << 12;
    QTest::newRow("5A marker") << lightListAnswer(0x0A, {5, 7, 10, 0x5A, 3, 4}) << QList<int>{5, 7, 10} << 3 << 4
                               << 12;
    QTest::newRow("marker run") << lightListAnswer(0x02, {1, 0xA5, 0x5A, 0xA5, 2, 3}) << QList<int>{1} << 2 << 3
                                << 12;
    QTest::newRow("empty list") << lightListAnswer(0x02, {0xA5, 6, 5}) << QList<int>{} << 6 << 5 << 9;
    QList<int> full;
    for (int i = 0; i < 58; ++i)
        full.append(i + 1);
    QTest::newRow("no marker") << lightListAnswer(0x0A, full) << full << 0 << 0 << 64;
    // A marker at byte 62 leaves only the speed byte; at 63 neither.
    QList<int> at62 = full.mid(0, 56);
    at62 << 0xA5 << 9;
    QTest::newRow("marker at byte 62") << lightListAnswer(0x0A, at62) << full.mid(0, 56) << 9 << 0 << 64;
    QList<int> at63 = full.mid(0, 57);
    at63 << 0xA5;
    QTest::newRow("marker at byte 63") << lightListAnswer(0x0A, at63) << full.mid(0, 57) << 0 << 0 << 64;
}

void tst_HidReports::lightList()
{
    QFETCH(hidReportData, report);
    QFETCH(QList<int>, ids);
    QFETCH(int, speedMax);
    QFETCH(int, brightnessMax);
    QFETCH(int, next);
    lightTypeListInfo list;
    QCOMPARE(parseLightList(report, 6, list), next);
    QCOMPARE(list.lightTypeList, ids);
    QCOMPARE(list.speedMax, speedMax);
    QCOMPARE(list.brightnessMax, brightnessMax);
}

void tst_HidReports::mouseLightLists()
{
    // Around's brightness maximum at byte 22: Scroll starts at byte 23.
    QList<int> bytes;
    for (int i = 0; i < 14; ++i)
        bytes << i;
    bytes << 0xA5 << 4 << 5;                // bytes 20, 21, 22
    bytes << 0 << 1 << 2 << 0x5A << 3 << 3; // Scroll from 23
    bytes << 0 << 3 << 0xA5 << 2 << 2;      // Logo
    lightTypeListInfo around, scroll, logo;
    parseMouseLightLists(lightListAnswer(0x43, bytes), around, scroll, logo);
    QCOMPARE(around.lightTypeList.size(), 14);
    QCOMPARE(around.brightnessMax, 5);
    QCOMPARE(scroll.lightTypeList, (QList<int>{0, 1, 2}));
    QCOMPARE(scroll.speedMax, 3);
    QCOMPARE(logo.lightTypeList, (QList<int>{0, 3}));
    QCOMPARE(logo.brightnessMax, 2);

    // Around without a marker: Scroll and Logo are empty.
    QList<int> noMarker;
    for (int i = 0; i < 58; ++i)
        noMarker << 1;
    parseMouseLightLists(lightListAnswer(0x43, noMarker), around, scroll, logo);
    QCOMPARE(around.lightTypeList.size(), 58);
    QVERIFY(scroll.lightTypeList.isEmpty() && logo.lightTypeList.isEmpty());
    QCOMPARE(scroll.speedMax + scroll.brightnessMax + logo.speedMax + logo.brightnessMax, 0);

    // Scroll ends at byte 63: Logo is empty, not read past the report.
    QList<int> tight;
    for (int i = 0; i < 52; ++i)
        tight << 1;
    tight << 0xA5 << 4 << 4 << 2 << 0xA5 << 3;
    parseMouseLightLists(lightListAnswer(0x43, tight), around, scroll, logo);
    QCOMPARE(scroll.lightTypeList, QList<int>{2});
    QCOMPARE(scroll.speedMax, 3);
    QCOMPARE(scroll.brightnessMax, 0);
    QVERIFY(logo.lightTypeList.isEmpty());
}

void tst_HidReports::identificationTexts()
{
    QCOMPARE(identificationAnswerText(answerWithText("M252,01,KB,QS,Quissaro,V1.00.03")),
             QStringLiteral("M252,01,KB,QS,Quissaro,V1.00.03"));
    QCOMPARE(identificationAnswerText(answerWithText(QByteArray(70, 'a'))), QString(58, QLatin1Char('a')));

    const QString working = identificationWorkingText(3, QStringLiteral("M252,01,KB,QS,Quissaro,V1.00.03"));
    QCOMPARE(working, QStringLiteral("3-M252,01,KB,QS,Quissaro,V1.00.03"));
    QCOMPARE(identificationModelName(working), QStringLiteral("Quissaro"));
    QCOMPARE(identificationKey(working), QStringLiteral("3-M25201KBQS,Quissaro"));
    QCOMPARE(identificationInfoText(identificationKey(working)), QStringLiteral("M25201KBQS"));
    QCOMPARE(identificationVersionText(QStringLiteral("M252,01,KB,QS,Quissaro,V1.00.03"),
                                       QStringLiteral("Nov  2 2026,08:09:10")),
             QStringLiteral("V1.00.03---2026/11/2 08:09:10"));

    // Fewer fields: nothing is read past the list.
    QCOMPARE(identificationModelName(QStringLiteral("3-abc")), QString());
    QCOMPARE(identificationKey(QStringLiteral("3-abc")), QStringLiteral(","));
    QCOMPARE(identificationInfoText(QStringLiteral("no dash")), QString());
    const hidVersionInfo v = makeVersionInfo(QStringLiteral("M252,01"), QStringLiteral("/p"));
    QCOMPARE(fixedText(v.field1), QStringLiteral("M252"));
    QCOMPARE(fixedText(v.field2), QStringLiteral("01"));
    QCOMPARE(fixedText(v.field5), QString());
    QCOMPARE(fixedText(v.version), QString());
    QCOMPARE(fixedText(v.path), QStringLiteral("/p"));
}

void tst_HidReports::firmwareDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("converted");
    QTest::newRow("blank-padded day") << "Mar  7 2024,10:20:30" << "2024/3/7 10:20:30";
    QTest::newRow("two-digit day") << "Dec 25 2023,01:02:03" << "2023/12/25 01:02:03";
    QTest::newRow("January") << "Jan 10 2020,00:00:00" << "2020/1/10 00:00:00";
    QTest::newRow("unknown month") << "Foo  1 2021,12:00:00" << "2021/1/1 12:00:00";
    QTest::newRow("no comma") << "Jun 30 2022" << "2022/6/30 ";
    QTest::newRow("short") << "Ma" << "Ma/1/ ";
    QTest::newRow("empty") << "" << "";
}

void tst_HidReports::firmwareDate()
{
    QFETCH(QString, date);
    QFETCH(QString, converted);
    QCOMPARE(firmwareDateText(date), converted);
}

void tst_HidReports::effectReports_data()
{
    QTest::addColumn<hidReportData>("report");
    QTest::addColumn<hidReportData>("expected");
    const QList<int> head = {1, 0x07, 0, 0, 0, 0x0E};
    QTest::newRow("wave, full colour") << ledEffectReport(effect(2, 1))
                                       << reportOf({1, 7, 0, 0, 0, 0x0E, 2, 4, 3, 0xFF, 0, 0, 0, 0, 0, 2, 1, 1});
    QTest::newRow("wave, one colour") << ledEffectReport(effect(2, 0))
                                      << reportOf({1, 7, 0, 0, 0, 0x0E, 2, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55,
                                                   0x66, 2, 0, 1});
    QTest::newRow("reactive keeps colours") << ledEffectReport(effect(6, 1))
                                            << reportOf({1, 7, 0, 0, 0, 0x0E, 6, 4, 3, 0x11, 0x22, 0x33, 0x44,
                                                         0x55, 0x66, 2, 1, 1});
    QTest::newRow("static never full colour") << ledEffectReport(effect(0, 1))
                                              << reportOf({1, 7, 0, 0, 0, 0x0E, 0, 4, 3, 0x11, 0x22, 0x33, 0x44,
                                                           0x55, 0x66, 2, 0, 1});
    QTest::newRow("full-colour value 2 is not the rule")
        << ledEffectReport(effect(1, 2))
        << reportOf({1, 7, 0, 0, 0, 0x0E, 1, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2, 2, 1});
    QTest::newRow("side breath, full colour")
        << sideLedEffectReport(effect(1, 1))
        << reportOf({1, 8, 0, 0, 0, 0x0D, 1, 4, 3, 0xFF, 0, 0, 0, 0, 0, 2, 1, 1});
    QTest::newRow("side collision keeps colours")
        << sideLedEffectReport(effect(3, 1))
        << reportOf({1, 8, 0, 0, 0, 0x0D, 3, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2, 1, 1});
    // Lights on/off: the stored item as it is, byte 17 the new value.
    QTest::newRow("on/off keeps a full-colour breath's colours")
        << ledOnOffReport(effect(1, 1), 0)
        << reportOf({1, 7, 0, 0, 0, 0x0E, 1, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2, 1, 0});
    QTest::newRow("on/off keeps a full-colour static's flag")
        << ledOnOffReport(effect(0, 1), 1)
        << reportOf({1, 7, 0, 0, 0, 0x0E, 0, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2, 1, 1});
    colorInfoData big = effect(0x107, 0);
    big.ledBrightness = 0x1FF;
    QTest::newRow("low bytes") << ledEffectReport(big)
                               << reportOf({1, 7, 0, 0, 0, 0x0E, 7, 0xFF, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2,
                                            0, 1});
}

void tst_HidReports::effectReports()
{
    QFETCH(hidReportData, report);
    QFETCH(hidReportData, expected);
    QCOMPARE(report, expected);
}

void tst_HidReports::customKeyColors()
{
    hidRgb cells[kKeyGridCells];
    for (int i = 0; i < kKeyGridCells; ++i)
        cells[i] = {static_cast<unsigned char>(i), static_cast<unsigned char>(i + 1), 0x77};
    const QList<hidReportData> reports = customKeyColorReports(2, cells);
    QCOMPARE(reports.size(), 8);
    for (int p = 0; p < 8; ++p) {
        const hidReportData &r = reports.at(p);
        QCOMPARE(r[1], HidCmd::CustomKeyColors);
        QCOMPARE(r[2], static_cast<unsigned char>(2));
        QCOMPARE(r[4], static_cast<unsigned char>(p));
        QCOMPARE(r[5], static_cast<unsigned char>(p < 7 ? 54 : 18));
        QCOMPARE(r[6], static_cast<unsigned char>(p * 18));
        QCOMPARE(r[8], static_cast<unsigned char>(0x77));
    }
    QCOMPARE(reports.at(7)[6 + 15], static_cast<unsigned char>(131)); // last cell, red
    QCOMPARE(reports.at(7)[6 + 18], static_cast<unsigned char>(0));
}

void tst_HidReports::colorFramePackets_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("leds");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("keys") << 0 << 132 << QList<int>{54, 54, 54, 54, 54, 54, 54, 18};
    QTest::newRow("side, 33 LEDs") << 1 << 33 << QList<int>{54, 45};
    QTest::newRow("side, 41 LEDs") << 1 << 41 << QList<int>{54, 54, 15};
    QTest::newRow("side, 50 LEDs") << 1 << 50 << QList<int>{54, 54, 42};
    QTest::newRow("side, 36 LEDs") << 1 << 36 << QList<int>{54, 54};
}

void tst_HidReports::colorFramePackets()
{
    QFETCH(int, zone);
    QFETCH(int, leds);
    QFETCH(QList<int>, lengths);
    QVector<hidRgb> colors(leds);
    for (int i = 0; i < leds; ++i)
        colors[i] = {static_cast<unsigned char>(i), 0x10, 0x20};
    const QList<hidReportData> packets = keyColorFramePackets(zone, colors.constData(), leds);
    QCOMPARE(packets.size(), lengths.size());
    for (int p = 0; p < packets.size(); ++p) {
        const hidReportData &r = packets.at(p);
        QCOMPARE(r[0], kHidReportId);
        QCOMPARE(r[1], HidCmd::ColorFrame);
        QCOMPARE(int(r[2]), zone);
        QCOMPARE(int(r[3]), 0);
        QCOMPARE(int(r[4]), p);
        QCOMPARE(int(r[5]), lengths.at(p));
        QCOMPARE(int(r[6]), p * 18);
        QCOMPARE(int(r[7]), 0x10);
        QCOMPARE(int(r[6 + lengths.at(p)]), 0);
    }
}

void tst_HidReports::mouseColorFrameAndSwitches()
{
    hidRgb leds[kMouseLedCount];
    for (int i = 0; i < kMouseLedCount; ++i)
        leds[i] = {static_cast<unsigned char>(i), static_cast<unsigned char>(0x40 + i), 0xEE};
    const hidReportData frame = mouseColorFrameReport(leds);
    QCOMPARE(frame[1], HidCmd::MouseColorFrame);
    QCOMPARE(int(frame[5]), 54);
    QCOMPARE(int(frame[6 + 3 * 17]), 17);
    QCOMPARE(int(frame[6 + 3 * 17 + 1]), 0x51);
    QCOMPARE(int(frame[6 + 54]), 0);

    hidReportData packet;
    unsigned char rgb[55] = {};
    QCOMPARE(keyColorFrameReport(0, 0, rgb, 55, packet), hidEncodeResult::TooManyBytes);

    QCOMPARE(lightSynchronizeReport(true), reportOf({1, 0x17, 0, 0, 0, 1, 1}));
    QCOMPARE(lightSynchronizeReport(false), reportOf({1, 0x17, 0, 0, 0, 1, 0}));
    QCOMPARE(resetReport(), reportOf({1, 0x14, 0, 0, 0, 0, 1}));
    QCOMPARE(enterBootloaderReport(), reportOf({1, 0x0B}));
}

void tst_HidReports::framePacketCounts()
{
    QCOMPARE(colorFramePacketCount(0, QStringLiteral("Quissaro")), 10);
    for (const char *model : {"Urrasque", "Wolvarne", "Avelorn", "Rulvarro", "Varrowen"})
        QCOMPARE(colorFramePacketCount(0, QString::fromLatin1(model)), 11);
    QCOMPARE(colorFramePacketCount(1, QStringLiteral("Bovelli")), 2);
    QCOMPARE(colorFramePacketCount(1, QStringLiteral("Urrasque")), 2);
}

void tst_HidReports::bindingCodes()
{
    const int media[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20};
    for (int v = 0; v <= 12; ++v)
        QCOMPARE(hidMediaCode(v), media[v]);
    QCOMPARE(hidMediaCode(13), 0);
    QCOMPARE(hidMediaCode(-1), 0);
    const int mouse[] = {1, 4, 2, 1, 0xFF, 8, 16, 0};
    for (int v = 0; v <= 7; ++v)
        QCOMPARE(hidMouseCode(v), mouse[v]);
    QCOMPARE(hidMouseIsWheel(3) + hidMouseIsWheel(4), 2);
    QCOMPARE(hidMouseIsWheel(7), 0);

    hidKeyCombo combo = hidCombinationCodes(QStringLiteral("3,6"));
    QCOMPARE(combo.modifier1, 0xE0);
    QCOMPARE(combo.modifier2, 0xE1);
    QCOMPARE(combo.keyCode, 6);
    combo = hidCombinationCodes(QStringLiteral("13,4")); // bits 0, 2, 3: the highest is second
    QCOMPARE(combo.modifier1, 0xE0);
    QCOMPARE(combo.modifier2, 0xE3);
    combo = hidCombinationCodes(QStringLiteral("0,4"));
    QCOMPARE(combo.modifier1 + combo.modifier2, 0);
    QCOMPARE(combo.keyCode, 4);
    combo = hidCombinationCodes(QStringLiteral("garbage"));
    QCOMPARE(combo.modifier1 + combo.modifier2 + combo.keyCode, 0);
}

void tst_HidReports::storedNumbers_data()
{
    // The store's text-to-integer rule, as the device link reads the same fields.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("not a number") << QByteArray("abc") << 0;
    QTest::newRow("plain") << QByteArray("41") << 41;
    QTest::newRow("negative") << QByteArray("-20") << -20;
    QTest::newRow("blanks around") << QByteArray(" 7 ") << 7;
    QTest::newRow("leading number") << QByteArray("12px") << 12;
    QTest::newRow("clamped") << QByteArray("99999999999") << INT_MAX;
}

void tst_HidReports::storedNumbers()
{
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    const customKeyInfo key = binding(30, 0, text.constData());
    QCOMPARE(hidBindingNumber(key.Value, sizeof key.Value), number);
    QCOMPARE(hidCombinationCodes(QString::fromLatin1("2," + text)).keyCode, number);

    // A field filled to its end without a terminator is not read past.
    struct
    {
        char field[4];
        char next[4];
    } fields;
    std::memset(&fields, '9', sizeof fields);
    fields.next[3] = '\0';
    QCOMPARE(hidBindingNumber(fields.field, sizeof fields.field), 9999);
}

void tst_HidReports::onboardKeyEntries_data()
{
    QTest::addColumn<customKeyInfo>("key");
    QTest::addColumn<int>("slot");
    QTest::addColumn<onboardKeyEntry>("entry");
    QTest::newRow("no binding") << binding(-1, -1, "0") << 0 << onboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("empty cell") << binding(0, 0, "4") << 0 << onboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("another key") << binding(30, 0, "4") << 0 << onboardKeyEntry{0, 4, 0, 0};
    QTest::newRow("FN1 key") << binding(30, 0, "-20") << 0 << onboardKeyEntry{0x14, 0, 0, 0};
    QTest::newRow("Fn function") << binding(-10, 0, "-10") << 0 << onboardKeyEntry{0x01, 0, 0, 0};
    QTest::newRow("macro") << binding(30, 1, "7") << 3 << onboardKeyEntry{0x10, 30, 3, 0};
    QTest::newRow("macro on Fn") << binding(-10, 1, "7") << 0 << onboardKeyEntry{0x10, 0xF6, 0, 0};
    QTest::newRow("one modifier") << binding(30, 2, "2,38") << 0 << onboardKeyEntry{0x13, 0xE1, 0x26, 0};
    QTest::newRow("two modifiers") << binding(30, 2, "5,6") << 0 << onboardKeyEntry{0x13, 0xE0, 0xE2, 0x06};
    QTest::newRow("no modifier") << binding(30, 2, "0,4") << 0 << onboardKeyEntry{0x13, 0, 4, 0};
    QTest::newRow("multimedia 7") << binding(30, 3, "7") << 0 << onboardKeyEntry{0x07, 0x17, 0, 0};
    QTest::newRow("multimedia out of table") << binding(30, 3, "40") << 0 << onboardKeyEntry{0x07, 0, 0, 0};
    QTest::newRow("scroll down") << binding(30, 4, "4") << 0 << onboardKeyEntry{0x12, 0x01, 0xFF, 0};
    QTest::newRow("mouse center") << binding(30, 4, "1") << 0 << onboardKeyEntry{0x12, 0x00, 0x04, 0};
    QTest::newRow("sniper key") << binding(30, 4, "7") << 0 << onboardKeyEntry{0x12, 0, 0, 0};
    QTest::newRow("disabled") << binding(30, 5, "0") << 0 << onboardKeyEntry{0, 0, 0, 0};
    QTest::newRow("text") << binding(30, 6, "hello") << 0 << onboardKeyEntry{0, 0, 0, 0};
}

void tst_HidReports::onboardKeyEntries()
{
    QFETCH(customKeyInfo, key);
    QFETCH(int, slot);
    QFETCH(onboardKeyEntry, entry);
    QVERIFY(makeOnboardKeyEntry(key, slot) == entry);
}

void tst_HidReports::onboardKeyTable()
{
    QList<onboardKeyEntry> entries;
    for (int i = 0; i < 132; ++i)
        entries.append({0, static_cast<unsigned char>(i), 0, 0});
    const QList<hidReportData> reports = onboardKeyTableReports(1, entries);
    QCOMPARE(reports.size(), 10);
    for (int p = 0; p < 10; ++p) {
        QCOMPARE(reports.at(p)[1], HidCmd::OnboardKeyTable);
        QCOMPARE(int(reports.at(p)[2]), 1);
        QCOMPARE(int(reports.at(p)[4]), p);
        QCOMPARE(int(reports.at(p)[5]), p < 9 ? 56 : 24);
        QCOMPARE(int(reports.at(p)[7]), p * 14);
    }
    QCOMPARE(int(reports.at(9)[6 + 4 * 5 + 1]), 131);
    hidReportData report;
    QCOMPARE(onboardKeyTableReport(0, 0, entries.mid(0, 15), report), hidEncodeResult::TooManyBytes);
}

void tst_HidReports::macroEvents()
{
    auto item = [](const char *type, const char *code, const char *updown, const char *delay) {
        macroItemInfo m;
        std::memset(&m, 0, sizeof m);
        fixedTextCopy(m.type, type);
        fixedTextCopy(m.keyCode, code);
        fixedTextCopy(m.operateExplain, updown);
        fixedTextCopy(m.delay, delay);
        return m;
    };
    const QList<macroItemInfo> items = {item("key", "4", "down", "300"),   item("mouse", "514", "up", "10"),
                                        item("mouse", "516", "down", "20"), item("mouse", "522", "down", "5"),
                                        item("mouse", "519", "up", "70000"), item("other", "4", "down", "1")};
    const QList<hidMacroEvent> events = hidMacroEventsFromItems(items);
    QCOMPARE(events.size(), 4); // the wheel and the unknown type have no code
    const QByteArray bytes = hidMacroEventBytes(events);
    QCOMPARE(bytes.toHex(' '), QByteArray("04 10 01 2c 01 01 00 0a 02 11 00 14 04 01 ff ff"));
}

void tst_HidReports::onboardMacro_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("packet1Bytes"); // event bytes that spill into packet 1
    QTest::newRow("12 events fit packet 0") << 12 << 0;
    QTest::newRow("13 events spill 2 bytes") << 13 << 2;
    QTest::newRow("41 events, the most") << 41 << 58;
}

void tst_HidReports::onboardMacro()
{
    QFETCH(int, events);
    QFETCH(int, packet1Bytes);
    QList<hidReportData> reports;
    QCOMPARE(onboardMacroReports(4, 2, 5, keyEvents(events), reports), hidEncodeResult::Ok);
    QCOMPARE(reports.size(), 5);
    for (int p = 0; p < 5; ++p) {
        QCOMPARE(reports.at(p)[1], HidCmd::OnboardMacro);
        QCOMPARE(int(reports.at(p)[2]), 4);
        QCOMPARE(int(reports.at(p)[4]), p);
        QCOMPARE(int(reports.at(p)[5]), p < 4 ? 0x3A : 0x18);
    }
    const hidReportData &first = reports.at(0);
    QCOMPARE(int(first[6]), 0);
    QCOMPARE(int(first[7]), 1); // play mode 2 - 1
    QCOMPARE(int(first[9]), 4 * events);
    QCOMPARE(int(first[11]), 5);
    QCOMPARE(first[14], static_cast<unsigned char>(4)); // first event: usage 4, press, delay 1
    QCOMPARE(first[15], static_cast<unsigned char>(0x10));
    QCOMPARE(first[17], static_cast<unsigned char>(1));
    int spilled = 0;
    for (int i = 6; i < 64; ++i)
        spilled += reports.at(1)[i] != 0 ? 1 : 0;
    QVERIFY(spilled <= packet1Bytes && (packet1Bytes == 0) == (spilled == 0));
    for (int p = 3; p < 5; ++p)
        for (int i = 6; i < 64; ++i)
            QCOMPARE(int(reports.at(p)[i]), 0);
    if (events == 13) {
        // Event 13 (usage 16, delay 13): bytes 0 and 1 in packet 0, bytes 2 and 3 in packet 1.
        QCOMPARE(int(first[62]), 16);
        QCOMPARE(int(first[63]), 0x10);
        QCOMPARE(int(reports.at(1)[6]), 0);
        QCOMPARE(int(reports.at(1)[7]), 13);
    }
}

void tst_HidReports::dpiCodes_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    QTest::newRow("200") << 200 << 4;
    QTest::newRow("800") << 800 << 18;
    QTest::newRow("2200") << 2200 << 50;
    QTest::newRow("2300") << 2300 << 52;
    QTest::newRow("5000") << 5000 << 115;
    QTest::newRow("below the table") << 50 << 4;
    QTest::newRow("above the table") << 12000 << 115;
    QTest::newRow("between steps, nearer 600") << 640 << 13;
    QTest::newRow("between steps, nearer 700") << 660 << 15;
}

void tst_HidReports::dpiCodes()
{
    QFETCH(int, dpi);
    QFETCH(int, code);
    QCOMPARE(mouseDpiCode(dpi), code);
}

void tst_HidReports::dpiReport()
{
    // The default mouse profile: six levels, level 3 active.
    const int dpis[6] = {800, 1600, 2400, 3200, 4800, 600};
    const int colours[6][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {128, 0, 255}};
    QList<dpiConfigInfo> levels;
    for (int i = 0; i < 6; ++i)
        levels.append({1, i + 1, 0, dpis[i], dpis[i], colours[i][0], colours[i][1], colours[i][2]});
    hidReportData report;
    QCOMPARE(mouseDpiReport(3, levels, report), hidEncodeResult::Ok);
    QCOMPARE(report[1], HidCmd::MouseDpi);
    QCOMPARE(int(report[5]), 0x26);
    QCOMPARE(int(report[6]), 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(report.data()) + 7, 6).toHex(' '),
             QByteArray("01 12 12 ff 00 00"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(report.data()) + 37, 6).toHex(' '),
             QByteArray("01 0d 0d 80 00 ff"));
    QCOMPARE(int(report[43]), 1);
    QCOMPARE(int(report[44]), 0);

    // Sniper held: level 6 active.
    QCOMPARE(mouseDpiReport(6, levels, report), hidEncodeResult::Ok);
    QCOMPARE(int(report[6]), 5);

    // Nine levels fill the report; a tenth is refused.
    while (levels.size() < 9)
        levels.append(levels.first());
    QCOMPARE(mouseDpiReport(1, levels, report), hidEncodeResult::Ok);
    QCOMPARE(int(report[61]), 1);
    levels.append(levels.first());
    QCOMPARE(mouseDpiReport(1, levels, report), hidEncodeResult::TooManyLevels);
}

void tst_HidReports::zoneLightAndReportRate()
{
    QCOMPARE(mouseZoneLightReport(0, effect(7, 1), true),
             reportOf({1, 0x42, 0, 0, 0, 0x0E, 7, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 2, 1, 1}));
    QCOMPARE(mouseZoneLightReport(1, effect(3, 1), true),
             reportOf({1, 0x42, 1, 0, 0, 0x0E, 3, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0, 1, 0, 0}));
    QCOMPARE(mouseZoneLightReport(2, effect(3, 0), false),
             reportOf({1, 0x42, 2, 0, 0, 0x0E, 3, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0, 0, 0, 1}));
    // A zone the mouse does not have gets no tail bytes.
    for (int zone : {3, -1})
        QCOMPARE(mouseZoneLightReport(zone, effect(3, 1), false),
                 reportOf({1, 0x42, hidLowByte(zone), 0, 0, 0x0E, 3, 4, 3, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));

    const int intervals[] = {8, 4, 2, 1};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(mouseReportRateReport(i), reportOf({1, 0x46, 0, 0, 0, 1, intervals[i]}));
    QCOMPARE(mouseReportRateReport(4), reportOf({1, 0x46, 0, 0, 0, 1, 0}));
    QCOMPARE(mouseReportRateReport(-1), reportOf({1, 0x46, 0, 0, 0, 1, 0}));
}

void tst_HidReports::mouseKeyReports_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<customKeyInfo>("key");
    QTest::addColumn<hidReportData>("expected");
    QTest::newRow("Right Click gets Left Ctrl + C")
        << kMouseSlotRight << binding(2, 2, "1,6")
        << reportOf({1, 0x47, 1, 0, 0, 0x3A, 4, 2, 0, 0, 0, 0, 0, 0, 0xE0, 6});
    QTest::newRow("two modifiers") << kMouseSlotMiddle << binding(4, 2, "3,6")
                                   << reportOf({1, 0x47, 0, 0, 0, 0x3A, 4, 3, 0, 0, 0, 0, 0, 0, 0xE0, 0xE1, 6});
    QTest::newRow("Center Click gets wheel down")
        << kMouseSlotMiddle << binding(4, 4, "4") << reportOf({1, 0x47, 0, 0, 0, 0x3A, 3, 1, 0, 0, 0, 0, 0, 0, 0xFF});
    QTest::newRow("mouse left") << kMouseSlotBack << binding(8, 4, "0")
                                << reportOf({1, 0x47, 3, 0, 0, 0x3A, 1, 0, 0, 0, 0, 0, 0, 0, 1});
    QTest::newRow("another key") << kMouseSlotForward << binding(16, 0, "41")
                                 << reportOf({1, 0x47, 2, 0, 0, 0x3A, 3, 2, 0, 0, 0, 0, 0, 0, 41});
    QTest::newRow("multimedia") << kMouseSlotDpi << binding(32, 3, "9")
                                << reportOf({1, 0x47, 4, 0, 0, 0x3A, 3, 3, 0, 0, 0, 0, 0, 0, 0x32});
    QTest::newRow("disabled") << kMouseSlotRight << binding(2, 5, "0") << reportOf({1, 0x47, 1, 0, 0, 0x3A, 0});
}

void tst_HidReports::mouseKeyReports()
{
    QFETCH(int, slot);
    QFETCH(customKeyInfo, key);
    QFETCH(hidReportData, expected);
    QList<hidReportData> reports;
    QCOMPARE(::mouseKeyReports(slot, key, {}, reports), hidEncodeResult::Ok);
    QCOMPARE(reports, QList<hidReportData>{expected});
}

void tst_HidReports::mouseKeyMacroChunks_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("no events") << 0 << QList<int>{0} << QList<int>{8};
    QTest::newRow("12 events, one report") << 12 << QList<int>{0} << QList<int>{56};
    QTest::newRow("13 events, two reports") << 13 << QList<int>{0, 0x38} << QList<int>{0x38, 4};
    QTest::newRow("24 events") << 24 << QList<int>{0, 0x38} << QList<int>{0x38, 0x30};
    QTest::newRow("25 events, three reports") << 25 << QList<int>{0, 0x38, 0x68} << QList<int>{0x38, 0x30, 4};
    QTest::newRow("40 events") << 40 << QList<int>{0, 0x38, 0x68, 0x98} << QList<int>{0x38, 0x30, 0x30, 16};
    QTest::newRow("50 events, the most") << 50 << QList<int>{0, 0x38, 0x68, 0x98}
                                         << QList<int>{0x38, 0x30, 0x30, 56};
}

void tst_HidReports::mouseKeyMacroChunks()
{
    QFETCH(int, events);
    QFETCH(QList<int>, offsets);
    QFETCH(QList<int>, lengths);
    QList<hidReportData> reports;
    QCOMPARE(::mouseKeyReports(kMouseSlotForward, binding(16, 1, "3", 2, 7), keyEvents(events), reports),
             hidEncodeResult::Ok);
    QCOMPARE(reports.size(), offsets.size() + 1);
    const hidReportData &first = reports.first();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(first.data()) + 6, 8).toHex(' '),
             QByteArray::fromHex("0501" + QByteArray::number(4 * events, 16).rightJustified(4, '0') + "0007"
                                 + "0000")
                 .toHex(' '));
    QByteArray carried;
    for (int i = 0; i < offsets.size(); ++i) {
        const hidReportData &r = reports.at(i);
        QCOMPARE(int(r[2]), kMouseSlotForward);
        QCOMPARE(int(r[3]), 0);
        QCOMPARE(int(r[4]), offsets.at(i));
        QCOMPARE(int(r[5]), lengths.at(i));
        const int from = i == 0 ? 14 : 6;
        const int count = i == 0 ? lengths.at(i) - 8 : lengths.at(i);
        carried += QByteArray(reinterpret_cast<const char *>(r.data()) + from, count);
        for (int b = from + count; b < 64; ++b)
            QCOMPARE(int(r[b]), 0);
    }
    // Every event byte goes out once, in order.
    QCOMPARE(carried, hidMacroEventBytes(keyEvents(events)));
    QCOMPARE(reports.last(), reportOf({1, 0x47, kMouseSlotForward, 0xFF, 0xFF, 0x3A, 5}));

    QCOMPARE(::mouseKeyReports(0, binding(16, 1, "3"), keyEvents(51), reports), hidEncodeResult::TooManyEvents);
    QVERIFY(reports.isEmpty());
    QCOMPARE(onboardMacroReports(0, 1, 1, keyEvents(42), reports), hidEncodeResult::TooManyEvents);
    QCOMPARE(::mouseKeyReports(0, binding(16, 6, "text"), {}, reports), hidEncodeResult::NothingToSend);
    QCOMPARE(::mouseKeyReports(0, binding(-1, -1, "0"), {}, reports), hidEncodeResult::NothingToSend);
    for (const hidReportData &r : onboardMacroClearReports(9)) {
        QCOMPARE(int(r[2]), 9);
        for (int b = 6; b < 64; ++b)
            QCOMPARE(int(r[b]), 0);
    }
}

QTEST_GUILESS_MAIN(tst_HidReports)
#include "tst_hidreports.moc"
