// The device link against simulated devices: the start-up exchange, the
// input reports of keyboard and mouse, every kind of key binding, the key
// blocking of the performance options and the reactive-light triggers.

#include "linkTestFixture.h"

#include <QSignalSpy>
#include <QtTest>

using Reports = QList<hidReportData>;
Q_DECLARE_METATYPE(hidReportData)
Q_DECLARE_METATYPE(Reports)

namespace {

constexpr int kUsageA = 4;
constexpr int kUsageD = 7;
constexpr int kUsageTab = 43;
constexpr int kUsageF4 = 61;

QByteArray serialOf(const hidReportData &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()) + kHidPayloadOffset, 32);
}

bool isHexSerial(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^[0-9a-f]{32}$"));
    return re.match(s).hasMatch();
}

} // namespace

class tst_DeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void serialNumber_data();
    void serialNumber();
    void upgradeSerialIsWrittenBack_data();
    void upgradeSerialIsWrittenBack();
    void keyboardListsMakeReady();
    void mouseListsMakeReady();
    void readySignalFollowsTheLastAnswer_data();
    void readySignalFollowsTheLastAnswer();
    void openFailureLeavesLinkNotReady();
    void teardownClosesAndStaysSilent();
    void teardownReleasesWhatIsHeld_data();
    void teardownReleasesWhatIsHeld();

    void keyStateRelayed();
    void longProfilePathIsKeptWhole();
    void fullKeyReportEchoed();
    void multimediaPassesOrIsHeldBack();
    void onboardModeOnlyLightsAndAcknowledges();
    void acknowledgementsInBothModes();

    void operateTypes_data();
    void operateTypes();
    void multimediaValues_data();
    void multimediaValues();
    void keyMouseFunctions_data();
    void keyMouseFunctions();
    void shortcuts();
    void releaseUndoesItsPress();
    void heldBackMultimediaFollowsItsPress();
    void twoKeysOnOneMouseButton();

    void keyBlocking_data();
    void keyBlocking();
    void loneWindowsBlockedOnlyAlone();

    void keyReactiveLighting();
    void mouseReactiveLighting();

    void mouseButtonRelayed();
    void mouseDpiButton();
    void mouseButtonBindings_data();
    void mouseButtonBindings();
    void mouseReleaseWithWheelIsNotHeldBack();
    void mouseFunctionAddsToHeldButtons();
    void heldBackButtonFollowsItsPress();
    void mouseSniper();
};

// --- Start-up exchange ---------------------------------------------------

void tst_DeviceLink::serialNumber_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("rewritten");
    const QByteArray valid("0123456789abcdef0123456789abcdef");
    QTest::newRow("32 characters") << valid << int(SimSerialMode::Valid) << false;
    QTest::newRow("31 characters") << valid.left(31) << int(SimSerialMode::Valid) << true;
    QTest::newRow("none") << valid << int(SimSerialMode::Missing) << true;
    QTest::newRow("hostile 32 characters") << valid << int(SimSerialMode::Hostile) << true;
}

void tst_DeviceLink::serialNumber()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, mode);
    QFETCH(bool, rewritten);
    SimulatedDeviceConfig config = testKeyboard();
    config.serial = answer;
    config.serialMode = SimSerialMode(mode);
    LinkFixture f(config);
    QVERIFY(f.open());

    const Reports written = f.device->outputReports(HidCmd::SerialWrite);
    const QString serial = f.link->getSerialNumber();
    QCOMPARE(f.link->getHidInterface()->getSerialNumber(), serial);
    if (!rewritten) {
        QCOMPARE(written.size(), 0);
        QCOMPARE(serial, QString::fromLatin1(answer));
    } else {
        QCOMPARE(written.size(), 1);
        QVERIFY2(isHexSerial(serial), qPrintable(serial));
        QCOMPARE(serialOf(written.first()), serial.toLatin1());
        QCOMPARE(written.first()[kHidLengthByte], 0x20);
    }
    QVERIFY(!serial.contains(QLatin1Char('/')) && !serial.contains(QLatin1Char('.')));
}

void tst_DeviceLink::upgradeSerialIsWrittenBack_data()
{
    QTest::addColumn<QString>("upgradeSerial");
    QTest::addColumn<bool>("kept");
    QTest::newRow("kept") << QStringLiteral("fedcba9876543210fedcba9876543210") << true;
    // 32 characters, but no folder name: a new serial instead.
    QTest::newRow("parent folders") << QStringLiteral("../../../../../../../../../../..") << false;
}

void tst_DeviceLink::upgradeSerialIsWrittenBack()
{
    QFETCH(QString, upgradeSerial);
    QFETCH(bool, kept);
    SimulatedDeviceConfig config = testKeyboard();
    config.serialMode = SimSerialMode::Missing;
    LinkFixture f(config);
    QVERIFY(f.open(upgradeSerial));
    const Reports written = f.device->outputReports(HidCmd::SerialWrite);
    QCOMPARE(written.size(), 1);
    if (kept) {
        QCOMPARE(serialOf(written.first()), upgradeSerial.toLatin1());
        QCOMPARE(f.link->getSerialNumber(), upgradeSerial);
    } else {
        const QString serial = f.link->getSerialNumber();
        QVERIFY2(isHexSerial(serial), qPrintable(serial));
        QCOMPARE(serialOf(written.first()), serial.toLatin1());
    }
}

void tst_DeviceLink::keyboardListsMakeReady()
{
    SimulatedDeviceConfig config = testKeyboard();
    config.keyLightList = QByteArray::fromHex("05070aa50304");
    config.sideLightList = QByteArray::fromHex("0001025a0205");
    LinkFixture f(config);
    QVERIFY(!f.link);
    QVERIFY(f.open());
    // Asked in order: serial, key list, side list.
    QList<int> asked;
    for (const hidReportData &r : f.outputs())
        asked.append(r[kHidCommandByte]);
    QCOMPARE(asked, (QList<int>{HidCmd::SerialRead, HidCmd::KeyLightList, HidCmd::SideLightList}));
    const lightTypeListInfo keys = f.link->getKeyLightTypeList();
    QCOMPARE(keys.lightTypeList, (QList<int>{5, 7, 10}));
    QCOMPARE(keys.speedMax, 3);
    QCOMPARE(keys.brightnessMax, 4);
    const lightTypeListInfo side = f.link->getSideLightTypeList();
    QCOMPARE(side.lightTypeList, (QList<int>{0, 1, 2}));
    QCOMPARE(side.brightnessMax, 5);
    QVERIFY(f.link->getAroundLightTypeList().lightTypeList.isEmpty());
}

void tst_DeviceLink::mouseListsMakeReady()
{
    SimulatedDeviceConfig config = testMouse();
    config.mouseLightLists = QByteArray::fromHex("000108a50404" "0203a50102" "03a50506");
    LinkFixture f(config);
    QVERIFY(f.open());
    QCOMPARE(f.device->outputCount(HidCmd::MouseLightList), 1);
    QCOMPARE(f.device->outputCount(HidCmd::KeyLightList), 0);
    QCOMPARE(f.link->getAroundLightTypeList().lightTypeList, (QList<int>{0, 1, 8}));
    QCOMPARE(f.link->getScrollLightTypeList().lightTypeList, (QList<int>{2, 3}));
    QCOMPARE(f.link->getScrollLightTypeList().speedMax, 1);
    QCOMPARE(f.link->getLogoLightTypeList().lightTypeList, (QList<int>{3}));
    QCOMPARE(f.link->getLogoLightTypeList().brightnessMax, 6);
}

// The link says once that it is ready, when the last light list came, however
// late; a device that never answers one never makes it ready.
void tst_DeviceLink::readySignalFollowsTheLastAnswer_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("ready");
    const int late = SimAckPolicy::Late;
    const int never = SimAckPolicy::Never;
    QTest::newRow("keyboard, all at once") << false << int(HidCmd::SerialRead) << int(SimAckPolicy::Immediate) << true;
    QTest::newRow("keyboard, serial late") << false << int(HidCmd::SerialRead) << late << true;
    QTest::newRow("keyboard, side list late") << false << int(HidCmd::SideLightList) << late << true;
    QTest::newRow("keyboard, no serial answer") << false << int(HidCmd::SerialRead) << never << false;
    QTest::newRow("keyboard, no key list") << false << int(HidCmd::KeyLightList) << never << false;
    QTest::newRow("keyboard, no side list") << false << int(HidCmd::SideLightList) << never << false;
    QTest::newRow("mouse, lists late") << true << int(HidCmd::MouseLightList) << late << true;
    QTest::newRow("mouse, no lists") << true << int(HidCmd::MouseLightList) << never << false;
}

void tst_DeviceLink::readySignalFollowsTheLastAnswer()
{
    QFETCH(bool, mouse);
    QFETCH(int, command);
    QFETCH(int, mode);
    QFETCH(bool, ready);
    constexpr int kLateMs = 150;
    LinkFixture f(mouse ? testMouse() : testKeyboard());
    f.device->setAnswerPolicy(static_cast<unsigned char>(command),
                              mode == SimAckPolicy::Late ? SimAckPolicy::late(kLateMs)
                                                         : mode == SimAckPolicy::Never ? SimAckPolicy::never()
                                                                                       : SimAckPolicy::immediate());
    QElapsedTimer clock;
    clock.start();
    f.link = std::make_unique<DDeviceKeyboardLink>(1);
    QSignalSpy readySpy(f.link.get(), &DDeviceKeyboardLink::sigInitFinished);
    f.link->openHidDevice(f.deviceRecord());
    if (ready) {
        QVERIFY(readySpy.wait(kLinkWaitMs));
        QVERIFY(f.link->isInitFinished());
        if (mode == SimAckPolicy::Late)
            QVERIFY(clock.elapsed() >= kLateMs);
        // A second answer does not make it ready again.
        f.device->sendInput(reportOf({1, mouse ? HidCmd::MouseLightList : HidCmd::SideLightList, 0, 0, 0, 0}));
        QTest::qWait(100);
        QCOMPARE(readySpy.count(), 1);
    } else {
        QVERIFY(!readySpy.wait(400));
        QVERIFY(!f.link->isInitFinished());
    }
}

void tst_DeviceLink::openFailureLeavesLinkNotReady()
{
    LinkFixture f(testKeyboard());
    f.device->setFailOpen(-1);
    QVERIFY(!f.open(QString(), 300));
    QVERIFY(!f.link->getHidInterface()->isHidOpen());
    QVERIFY(f.link->getSerialNumber().isEmpty());
    // Key handling without a device neither crashes nor sends.
    f.link->executeKeyEvent(4, -1, kUsageA, true);
    QCOMPARE(f.link->getOutgoingKeyState()[2], kUsageA);
}

void tst_DeviceLink::teardownClosesAndStaysSilent()
{
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "7", "2");
    QVERIFY(f.openClean());
    QSignalSpy profiles(f.link.get(), &DDeviceKeyboardLink::sigCustomEventChangProfile);
    QCOMPARE(f.device->openConnectionCount(), 1);
    // Reports still on their way when the link goes.
    f.device->sendKeyState(0, {kUsageA});
    f.device->sendInput(reportOf({1, HidCmd::OnboardMacro}));
    f.link.reset();
    QCOMPARE(f.device->openConnectionCount(), 0);
    QTest::qWait(100);
    QCOMPARE(profiles.count(), 0);
}

// A key held while the link goes must not stay down on the device.
void tst_DeviceLink::teardownReleasesWhatIsHeld_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<Reports>("atTeardown");
    QTest::newRow("plain key") << QByteArray() << QByteArray() << Reports{keyReport(0)};
    QTest::newRow("another key") << QByteArray("0") << QByteArray("5") << Reports{keyReport(0)};
    QTest::newRow("combination") << QByteArray("2") << QByteArray("5,7") << Reports{keyReport(0)};
    QTest::newRow("mouse button") << QByteArray("4") << QByteArray("0") << Reports{mouseStateReport(0, 0)};
}

void tst_DeviceLink::teardownReleasesWhatIsHeld()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(Reports, atTeardown);
    LinkFixture f(testKeyboard());
    if (!type.isEmpty())
        f.bind(kUsageA, type, value);
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    // The key-state relay is the link's last word on the press.
    QVERIFY(QTest::qWaitFor([&f] { return f.device->outputCount(HidCmd::KeyState) > 0; }, kLinkWaitMs));
    f.device->clearOutputs();
    f.link.reset();
    QCOMPARE(f.outputs(), atTeardown);
    QCOMPARE(f.device->openConnectionCount(), 0);
}

// --- Keyboard input ------------------------------------------------------

void tst_DeviceLink::keyStateRelayed()
{
    LinkFixture f(testKeyboard());
    QVERIFY(f.openClean());
    f.device->sendKeyState(0x02, {kUsageA});
    QVERIFY(f.waitOutputs(1));
    f.device->sendKeyState(0x02, {kUsageA});
    QVERIFY(f.waitOutputs(2));
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(f.outputs(), (Reports{keyReport(0x02, {kUsageA}), keyReport(0x02, {kUsageA}), keyReport(0)}));
}

// A profile path longer than 255 bytes is the file it names, not a cut of it.
void tst_DeviceLink::longProfilePathIsKeptWhole()
{
    LinkFixture f(testKeyboard());
    const QString deep = f.dir.filePath(QString(120, QLatin1Char('d')) + QLatin1Char('/') + QString(120, QLatin1Char('e')));
    QVERIFY(QDir().mkpath(deep));
    f.profilePath = deep + QStringLiteral("/pardexProFile.xml");
    QVERIFY(f.profilePath.toLocal8Bit().size() > 255);
    QVERIFY(f.xml.createXmlFile(f.profilePath));
    QVERIFY(f.xml.addProfile(f.profilePath, "1", "Profile 1", "", "", 0));
    f.bind(kUsageA, "0", "5"); // A types B
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(1));
    QCOMPARE(f.outputs().first(), keyReport(0, {5}));
}

void tst_DeviceLink::fullKeyReportEchoed()
{
    LinkFixture f(testKeyboard());
    QVERIFY(f.openClean());
    const QByteArray bytes = QByteArray::fromHex("0102030405060708090a0b0c0d");
    f.device->sendFullKeyReport(bytes);
    QVERIFY(f.waitOutputs(1));
    const hidReportData echo = f.outputs().first();
    QCOMPARE(echo[kHidCommandByte], HidCmd::FullKey);
    QCOMPARE(echo[kHidLengthByte], 0x15);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(echo.data()) + 6, 13), bytes);
}

void tst_DeviceLink::multimediaPassesOrIsHeldBack()
{
    LinkFixture f(testKeyboard());
    f.bind(128, "0", "4"); // volume up (media bit 0) types A
    QVERIFY(f.openClean());
    // Unbound volume down (bit 1) passes through.
    f.device->sendMultimedia(0x02, 0, 0);
    QVERIFY(f.waitOutputs(1));
    QCOMPARE(f.outputs().last(), multimediaReport(0x02, 0, 0));
    // Bound volume up is held back and types its key instead.
    f.device->sendMultimedia(0x03, 0, 0);
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(f.outputs().mid(1), (Reports{keyReport(0, {kUsageA}), multimediaReport(0x02, 0, 0)}));
    f.device->sendMultimedia(0, 0, 0);
    QVERIFY(f.waitOutputs(5));
    QCOMPARE(f.outputs().mid(3), (Reports{keyReport(0), multimediaReport(0, 0, 0)}));
}

void tst_DeviceLink::onboardModeOnlyLightsAndAcknowledges()
{
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "5", "0");
    QVERIFY(f.openClean());
    FakeKeyEngine engine;
    f.link->setLightDealMain(&engine);
    f.link->setKeyLightType(6);
    FakeCell cell{2, 3};
    f.link->setKeyButtonMap(QMap<int, FakeCell *>{{kUsageA, &cell}});
    f.link->setOnboardMode(1);
    QSignalSpy macroAck(f.link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    f.device->sendKeyState(0, {kUsageA});
    f.device->sendMultimedia(0x01, 0, 0);
    f.device->sendInput(reportOf({1, HidCmd::FullKey, 0, 0, 0, 0x15, 9}));
    f.device->sendInput(reportOf({1, HidCmd::OnboardMacro}));
    QTRY_COMPARE_WITH_TIMEOUT(macroAck.count(), 1, kLinkWaitMs);
    QTest::qWait(50);
    QCOMPARE(f.outputs(), Reports{});
    QCOMPARE(engine.cells, (QList<QPoint>{QPoint(3, 2)}));

    // Back in the PC mode the keyboard is handled again.
    f.link->setOnboardMode(0);
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(1));
    QCOMPARE(f.outputs(), Reports{keyReport(0)});
}

void tst_DeviceLink::acknowledgementsInBothModes()
{
    LinkFixture f(testKeyboard());
    QVERIFY(f.openClean());
    QSignalSpy keyTable(f.link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy macro(f.link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    f.device->sendInput(reportOf({1, HidCmd::OnboardKeyTable, 3, 0, 1}));
    f.device->sendInput(reportOf({1, HidCmd::OnboardMacro}));
    QTRY_COMPARE_WITH_TIMEOUT(macro.count(), 1, kLinkWaitMs);
    f.link->setOnboardMode(1);
    f.device->sendInput(reportOf({1, HidCmd::OnboardKeyTable}));
    QTRY_COMPARE_WITH_TIMEOUT(keyTable.count(), 2, kLinkWaitMs);
}

// --- Bindings ------------------------------------------------------------

void tst_DeviceLink::operateTypes_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<Reports>("onPress");
    QTest::addColumn<Reports>("onRelease");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("launched");
    QTest::addColumn<int>("profileSignal");

    QTest::newRow("-1 none") << QByteArray() << QByteArray() << Reports{keyReport(0, {kUsageA})}
                             << Reports{keyReport(0)} << QString() << QString() << -1;
    QTest::newRow("0 another key") << QByteArray("0") << QByteArray("5") << Reports{keyReport(0, {5})}
                                   << Reports{keyReport(0)} << QString() << QString() << -1;
    QTest::newRow("2 combination") << QByteArray("2") << QByteArray("5,7")
                                   << Reports{keyReport(0x05, {kUsageD})} << Reports{keyReport(0)}
                                   << QString() << QString() << -1;
    QTest::newRow("3 multimedia") << QByteArray("3") << QByteArray("9")
                                  << Reports{multimediaReport(0, 0, 0x04), keyReport(0)}
                                  << Reports{multimediaReport(0, 0, 0), keyReport(0)} << QString() << QString()
                                  << -1;
    QTest::newRow("4 mouse function") << QByteArray("4") << QByteArray("0")
                                      << Reports{mouseStateReport(0x01, 0), keyReport(0)}
                                      << Reports{mouseStateReport(0, 0), keyReport(0)} << QString() << QString()
                                      << -1;
    QTest::newRow("5 disabled") << QByteArray("5") << QByteArray("0") << Reports{keyReport(0)}
                                << Reports{keyReport(0)} << QString() << QString() << -1;
    QTest::newRow("6 text") << QByteArray("6") << QByteArray("h\xc3\xa9llo") << Reports{keyReport(0x01, {25})}
                            << Reports{keyReport(0)} << QString::fromUtf8("h\xc3\xa9llo") << QString() << -1;
    QTest::newRow("7 profile") << QByteArray("7") << QByteArray("2") << Reports{keyReport(0)}
                               << Reports{keyReport(0)} << QString() << QString() << 2;
    QTest::newRow("8 program") << QByteArray("8") << QByteArray("/opt/app/run me") << Reports{keyReport(0)}
                               << Reports{keyReport(0)} << QString() << QStringLiteral("/opt/app/run me") << -1;
    QTest::newRow("9 shortcut") << QByteArray("9") << QByteArray("2") << Reports{keyReport(0x08, {kUsageD})}
                                << Reports{keyReport(0)} << QString() << QString() << -1;
    QTest::newRow("9 unknown shortcut") << QByteArray("9") << QByteArray("12") << Reports{keyReport(0)}
                                        << Reports{keyReport(0)} << QString() << QString() << -1;
}

void tst_DeviceLink::operateTypes()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(Reports, onPress);
    QFETCH(Reports, onRelease);
    QFETCH(QString, clipboard);
    QFETCH(QString, launched);
    QFETCH(int, profileSignal);
    LinkFixture f(testKeyboard());
    if (!type.isEmpty())
        f.bind(kUsageA, type, value);
    QVERIFY(f.openClean());
    QSignalSpy profiles(f.link.get(), &DDeviceKeyboardLink::sigCustomEventChangProfile);

    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(onPress.size()));
    QCOMPARE(f.outputs(), onPress);
    f.device->clearOutputs();
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(onRelease.size()));
    QTest::qWait(30);
    QCOMPARE(f.outputs(), onRelease);

    QCOMPARE(f.desktop.clipboard, clipboard.isEmpty() ? QStringList() : QStringList{clipboard});
    QCOMPARE(f.desktop.launched, launched.isEmpty() ? QStringList() : QStringList{launched});
    QCOMPARE(profiles.count(), profileSignal < 0 ? 0 : 1);
    if (profileSignal >= 0)
        QCOMPARE(profiles.first().first().toInt(), profileSignal);
}

void tst_DeviceLink::multimediaValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<hidReportData>("pressed");
    QTest::newRow("0 media 0x01") << QByteArray("0") << multimediaReport(0x01, 0, 0);
    QTest::newRow("7 media 0x80") << QByteArray("7") << multimediaReport(0x80, 0, 0);
    QTest::newRow("8 tools 0x01") << QByteArray("8") << multimediaReport(0, 0, 0x01);
    QTest::newRow("10 tools 0x10") << QByteArray("10") << multimediaReport(0, 0, 0x10);
    QTest::newRow("11 browser 0x08") << QByteArray("11") << multimediaReport(0, 0x08, 0);
    QTest::newRow("12 browser 0x01") << QByteArray("12") << multimediaReport(0, 0x01, 0);
    QTest::newRow("13 browser 0") << QByteArray("13") << multimediaReport(0, 0, 0);
    QTest::newRow("not a number: 0") << QByteArray("x") << multimediaReport(0x01, 0, 0);
}

void tst_DeviceLink::multimediaValues()
{
    QFETCH(QByteArray, value);
    QFETCH(hidReportData, pressed);
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "3", value);
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(f.outputs().first(), pressed);
}

void tst_DeviceLink::keyMouseFunctions_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<hidReportData>("pressed");
    QTest::newRow("0 left") << QByteArray("0") << mouseStateReport(0x01, 0);
    QTest::newRow("1 middle") << QByteArray("1") << mouseStateReport(0x04, 0);
    QTest::newRow("2 right") << QByteArray("2") << mouseStateReport(0x02, 0);
    QTest::newRow("3 wheel up") << QByteArray("3") << mouseStateReport(0, 0x01);
    QTest::newRow("4 wheel down") << QByteArray("4") << mouseStateReport(0, 0xFF);
    QTest::newRow("5 forward") << QByteArray("5") << mouseStateReport(0x08, 0);
    QTest::newRow("6 back") << QByteArray("6") << mouseStateReport(0x10, 0);
}

void tst_DeviceLink::keyMouseFunctions()
{
    QFETCH(QByteArray, value);
    QFETCH(hidReportData, pressed);
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "4", value);
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(f.outputs().first(), pressed);
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(4));
    QCOMPARE(f.outputs().at(2), mouseStateReport(0, 0));
}

void tst_DeviceLink::shortcuts()
{
    const QList<QPair<int, int>> table = {{0x04, 61}, {0x04, 43}, {0x08, 7}, {0x08, 8}, {0x08, 15}, {0x01, 6},
                                          {0x01, 27}, {0x01, 25}, {0x01, 9},  {0x01, 17}, {0x01, 19}, {0x01, 22}};
    LinkFixture f(testKeyboard());
    for (int v = 0; v < table.size(); ++v)
        f.bind(kUsageA + v, "9", QByteArray::number(v));
    QVERIFY(f.openClean());
    for (int v = 0; v < table.size(); ++v) {
        f.device->clearOutputs();
        f.device->sendKeyState(0, {static_cast<unsigned char>(kUsageA + v)});
        f.device->sendKeyState(0, {});
        QVERIFY(f.waitOutputs(2));
        QCOMPARE(f.outputs(),
                 (Reports{keyReport(static_cast<unsigned char>(table[v].first), {table[v].second}), keyReport(0)}));
    }
}

void tst_DeviceLink::releaseUndoesItsPress()
{
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "0", "5");
    f.bind(kUsageA, "0", "6", "0", "0", "2");
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(1));
    // The binding changes while the key is held: its release still lets go
    // of what its press did.
    f.link->setCurProFileIndex(2);
    f.bind(kUsageA, "4", "0");
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(2));
    QTest::qWait(30);
    QCOMPARE(f.outputs(), (Reports{keyReport(0, {5}), keyReport(0)}));
    // The next press follows the new profile.
    f.device->sendKeyState(0, {kUsageA});
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(f.outputs().last(), keyReport(0, {6}));
}

void tst_DeviceLink::heldBackMultimediaFollowsItsPress()
{
    LinkFixture f(testKeyboard());
    f.bind(128, "0", "4"); // volume up (media bit 0) types A
    QVERIFY(f.openClean());
    f.device->sendMultimedia(0x01, 0, 0);
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(f.outputs(), (Reports{keyReport(0, {kUsageA}), multimediaReport(0, 0, 0)}));
    // The binding goes while the key is held: its release still gives the
    // bit back, so the key passes through from then on.
    f.xml.deleteKeyInfo(f.profilePath, "1", "128");
    f.device->sendMultimedia(0, 0, 0);
    QVERIFY(f.waitOutputs(4));
    f.device->sendMultimedia(0x01, 0, 0);
    QVERIFY(f.waitOutputs(5));
    QCOMPARE(f.outputs().last(), multimediaReport(0x01, 0, 0));
}

void tst_DeviceLink::twoKeysOnOneMouseButton()
{
    LinkFixture f(testKeyboard());
    f.bind(kUsageA, "4", "0");
    f.bind(kUsageD, "4", "0");
    QVERIFY(f.openClean());
    f.device->sendKeyState(0, {kUsageA});
    f.device->sendKeyState(0, {kUsageA, kUsageD});
    f.device->sendKeyState(0, {kUsageD});
    QVERIFY(f.waitOutputs(6));
    Reports mouse = f.device->outputReports(HidCmd::MouseState);
    // Letting go of one key keeps the left button held for the other.
    QCOMPARE(mouse, (Reports{mouseStateReport(1, 0), mouseStateReport(1, 0), mouseStateReport(1, 0)}));
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(8));
    QCOMPARE(f.device->outputReports(HidCmd::MouseState).last(), mouseStateReport(0, 0));
}

// --- Key blocking --------------------------------------------------------

void tst_DeviceLink::keyBlocking_data()
{
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<QByteArray>("features");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<hidReportData>("sent");
    QTest::newRow("Alt+Tab blocked") << true << QByteArray("1000") << 0x04 << kUsageTab << keyReport(0x04);
    QTest::newRow("right Alt+Tab blocked") << true << QByteArray("1000") << 0x40 << kUsageTab << keyReport(0x40);
    QTest::newRow("Alt+F4 blocked") << true << QByteArray("0100") << 0x04 << kUsageF4 << keyReport(0x04);
    QTest::newRow("Shift+Tab blocked") << true << QByteArray("0010") << 0x02 << kUsageTab << keyReport(0x02);
    QTest::newRow("Alt+Tab with option off") << true << QByteArray("0110") << 0x04 << kUsageTab
                                             << keyReport(0x04, {kUsageTab});
    QTest::newRow("Alt+Tab, blocking off") << false << QByteArray("1111") << 0x04 << kUsageTab
                                           << keyReport(0x04, {kUsageTab});
    QTest::newRow("Shift+F4 not blocked") << true << QByteArray("1111") << 0x02 << kUsageF4
                                          << keyReport(0x02, {kUsageF4});
    QTest::newRow("lone Windows blocked") << true << QByteArray("0001") << 0x08 << 0 << keyReport(0);
    QTest::newRow("lone right Windows blocked") << true << QByteArray("0001") << 0x80 << 0 << keyReport(0);
    QTest::newRow("Windows+D passes") << true << QByteArray("0001") << 0x08 << kUsageD << keyReport(0x08, {kUsageD});
    QTest::newRow("Windows+Ctrl passes") << true << QByteArray("0001") << 0x09 << 0 << keyReport(0x09);
    QTest::newRow("lone Windows, blocking off") << false << QByteArray("0001") << 0x08 << 0 << keyReport(0x08);
}

void tst_DeviceLink::keyBlocking()
{
    QFETCH(bool, blocking);
    QFETCH(QByteArray, features);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(hidReportData, sent);
    LinkFixture f(testKeyboard());
    f.xml.setPerformanceSetting(f.profilePath, "1", features.mid(0, 1), features.mid(1, 1), features.mid(2, 1),
                                features.mid(3, 1));
    QVERIFY(f.openClean());
    f.setKeyBlocking(blocking);
    QTest::qWait(50);
    f.device->sendKeyState(static_cast<unsigned char>(modifiers), {});
    if (key)
        f.device->sendKeyState(static_cast<unsigned char>(modifiers), {static_cast<unsigned char>(key)});
    QVERIFY(f.waitOutputs(key ? 2 : 1));
    QCOMPARE(f.outputs().last(), sent);
}

void tst_DeviceLink::loneWindowsBlockedOnlyAlone()
{
    LinkFixture f(testKeyboard());
    f.xml.setPerformanceSetting(f.profilePath, "1", "0", "0", "0", "1");
    QVERIFY(f.openClean());
    f.setKeyBlocking(true);
    QTest::qWait(50);
    f.device->sendKeyState(0x08, {});
    f.device->sendKeyState(0x08, {kUsageD});
    f.device->sendKeyState(0x08, {});
    f.device->sendKeyState(0x08, {kUsageD});
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(5));
    // Windows held back while alone, never taken from the state: Win+D goes
    // out whole every time.
    QCOMPARE(f.outputs(), (Reports{keyReport(0), keyReport(0x08, {kUsageD}), keyReport(0),
                                   keyReport(0x08, {kUsageD}), keyReport(0)}));
}

// --- Reactive lighting ---------------------------------------------------

void tst_DeviceLink::keyReactiveLighting()
{
    LinkFixture f(testKeyboard());
    QVERIFY(f.openClean());
    FakeKeyEngine engine;
    FakeCell cellA{1, 2};
    FakeCell cellD{3, 4};
    f.link->setKeyButtonMap(QMap<int, FakeCell *>{{kUsageA, &cellA}, {kUsageD, &cellD}});
    f.link->setLightDealMain(&engine);

    // Not a reacting effect: nothing.
    f.link->setKeyLightType(2);
    f.device->sendKeyState(0, {kUsageA});
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(2));
    QVERIFY(engine.cells.isEmpty());

    for (int effect : {6, 7, 8, 11, 16}) {
        engine.cells.clear();
        f.device->clearOutputs();
        f.link->setKeyLightType(effect);
        f.device->sendKeyState(0, {kUsageA});
        f.device->sendKeyState(0, {kUsageA, kUsageD, 9}); // 9 has no button
        f.device->sendKeyState(0, {});
        QVERIFY(f.waitOutputs(3));
        QCOMPARE(engine.cells, (QList<QPoint>{QPoint(2, 1), QPoint(4, 3)}));
    }

    // Speed Respond: (0, 0) on presses and releases.
    engine.cells.clear();
    f.device->clearOutputs();
    f.link->setKeyLightType(12);
    f.device->sendKeyState(0, {kUsageA});
    f.device->sendKeyState(0, {});
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(engine.cells, (QList<QPoint>{QPoint(0, 0), QPoint(0, 0)}));
}

void tst_DeviceLink::mouseReactiveLighting()
{
    LinkFixture f(testMouse());
    QVERIFY(f.openClean());
    FakeMouseEngine engine;
    f.link->setMouseLightDealMain(&engine);

    f.device->sendMouseState(0x01, 0);
    f.device->sendMouseState(0x20, 0);
    f.device->sendMouseState(0, 0);
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(engine.buttonTriggers, 0); // Around effect 2 at start
    QCOMPARE(engine.dpiPresses, 0);

    f.device->clearOutputs();
    f.link->setAroundLightType(8);
    f.device->sendMouseState(0x01, 0);
    f.device->sendMouseState(0, 0);
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(engine.buttonTriggers, 2);

    const QList<QPair<int, int>> zones = {{7, 2}, {2, 3}}; // (Around, Scroll)
    for (const auto &z : zones) {
        engine.dpiPresses = 0;
        f.device->clearOutputs();
        f.link->setAroundLightType(z.first);
        f.link->setScrollLightType(z.second);
        f.device->sendMouseState(0x20, 0);
        f.device->sendMouseState(0, 0);
        f.device->sendMouseState(0x01, 0);
        f.device->sendMouseState(0, 0);
        QVERIFY(f.waitOutputs(4));
        QCOMPARE(engine.dpiPresses, 1);
    }
    engine.dpiPresses = 0;
    f.device->clearOutputs();
    f.link->setScrollLightType(2);
    f.link->setLogoLightType(3);
    f.device->sendMouseState(0x20, 0);
    QVERIFY(f.waitOutputs(1));
    QCOMPARE(engine.dpiPresses, 1);
}

// --- Mouse ---------------------------------------------------------------

void tst_DeviceLink::mouseButtonRelayed()
{
    LinkFixture f(testMouse());
    QVERIFY(f.openClean());
    const hidReportData right = reportOf({1, HidCmd::MouseInput, 0, 0, 0, 6, 0x02, 0, 0, 0, 0, 0});
    f.device->sendInput(right);
    const hidReportData scroll = reportOf({1, HidCmd::MouseInput, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0xFF});
    f.device->sendInput(scroll);
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(f.outputs(), (Reports{right, scroll}));
}

void tst_DeviceLink::mouseDpiButton()
{
    LinkFixture f(testMouse());
    QVERIFY(f.openClean());
    QSignalSpy dpi(f.link.get(), &DDeviceKeyboardLink::sigMouseTriggeredDPIkey);
    f.device->sendMouseState(0x20, 0);
    f.device->sendMouseState(0, 0);
    QVERIFY(f.waitOutputs(2));
    QCOMPARE(dpi.count(), 1);
    // Bound, it does its binding instead.
    f.bind(32, "5", "0");
    f.device->sendMouseState(0x20, 0);
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(dpi.count(), 1);
    QCOMPARE(f.outputs().last()[6], 0); // consumed
}

void tst_DeviceLink::mouseButtonBindings_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("relayedButtons");
    QTest::addColumn<int>("relayedWheel");
    QTest::addColumn<Reports>("keyboardReports");
    QTest::newRow("another key") << QByteArray("0") << QByteArray("4") << 0 << 0 << Reports{keyReport(0, {4})};
    QTest::newRow("combination") << QByteArray("2") << QByteArray("2,5") << 0 << 0 << Reports{keyReport(0x02, {5})};
    QTest::newRow("disabled") << QByteArray("5") << QByteArray("0") << 0 << 0 << Reports{};
    QTest::newRow("function left") << QByteArray("4") << QByteArray("0") << 0x01 << 0 << Reports{};
    QTest::newRow("function middle") << QByteArray("4") << QByteArray("1") << 0x04 << 0 << Reports{};
    QTest::newRow("function right") << QByteArray("4") << QByteArray("2") << 0x02 << 0 << Reports{};
    QTest::newRow("function wheel up") << QByteArray("4") << QByteArray("3") << 0 << 0x01 << Reports{};
    QTest::newRow("function wheel down") << QByteArray("4") << QByteArray("4") << 0 << 0xFF << Reports{};
    QTest::newRow("function forward") << QByteArray("4") << QByteArray("5") << 0x10 << 0 << Reports{};
    QTest::newRow("function back") << QByteArray("4") << QByteArray("6") << 0x08 << 0 << Reports{};
    QTest::newRow("shortcut") << QByteArray("9") << QByteArray("5") << 0 << 0 << Reports{keyReport(0x01, {6})};
}

void tst_DeviceLink::mouseButtonBindings()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(int, relayedButtons);
    QFETCH(int, relayedWheel);
    QFETCH(Reports, keyboardReports);
    LinkFixture f(testMouse());
    f.bind(8, type, value); // the back button
    QVERIFY(f.openClean());
    f.device->sendMouseState(0x08, 0);
    QVERIFY(f.waitOutputs(keyboardReports.size() + 1));
    const hidReportData relay = f.device->outputReports(HidCmd::MouseInput).last();
    QCOMPARE(int(relay[6]), relayedButtons);
    QCOMPARE(int(relay[11]), relayedWheel);
    QCOMPARE(f.device->outputReports(HidCmd::KeyState), keyboardReports);

    f.device->clearOutputs();
    f.device->sendMouseState(0, 0);
    QVERIFY(f.waitOutputs(1));
    QTest::qWait(30);
    const hidReportData released = f.device->outputReports(HidCmd::MouseInput).last();
    QCOMPARE(int(released[6]), 0);
    QCOMPARE(int(released[11]), 0);
}

void tst_DeviceLink::mouseReleaseWithWheelIsNotHeldBack()
{
    LinkFixture f(testMouse());
    f.bind(1, "0", "4"); // left button types A
    QVERIFY(f.openClean());
    f.device->sendMouseState(0x01, 0);
    QVERIFY(f.waitOutputs(2));
    // The button is let go in a report that also turns the wheel: the
    // release is carried out at once, not at the next report.
    f.device->sendMouseState(0, 0x01);
    QVERIFY(f.waitOutputs(4));
    QCOMPARE(f.device->outputReports(HidCmd::KeyState), (Reports{keyReport(0, {4}), keyReport(0)}));
    const hidReportData relay = f.device->outputReports(HidCmd::MouseInput).last();
    QCOMPARE(int(relay[6]), 0);
    QCOMPARE(int(relay[11]), 0x01);
}

void tst_DeviceLink::mouseFunctionAddsToHeldButtons()
{
    LinkFixture f(testMouse());
    f.bind(8, "4", "2"); // back button acts as the right button
    f.bind(16, "4", "2"); // and so does forward
    QVERIFY(f.openClean());
    f.device->sendMouseState(0x01 | 0x08, 0); // left held, then back
    f.device->sendMouseState(0x01 | 0x08 | 0x10, 0);
    f.device->sendMouseState(0x01 | 0x10, 0);
    QVERIFY(f.waitOutputs(3));
    for (const hidReportData &relay : f.outputs())
        QCOMPARE(int(relay[6]), 0x01 | 0x02); // both, and right still held by forward
    f.device->sendMouseState(0x01, 0);
    QVERIFY(f.waitOutputs(4));
    QCOMPARE(int(f.outputs().last()[6]), 0x01);
}

void tst_DeviceLink::heldBackButtonFollowsItsPress()
{
    LinkFixture f(testMouse());
    f.bind(8, "5", "0"); // the back button is disabled
    QVERIFY(f.openClean());
    f.device->sendMouseState(0x08, 0);
    QVERIFY(f.waitOutputs(1));
    QCOMPARE(int(f.outputs().last()[6]), 0);
    // The binding goes while the button is held: its release still gives
    // the button back, so it is relayed from then on.
    f.xml.deleteKeyInfo(f.profilePath, "1", "8");
    f.device->sendMouseState(0, 0);
    f.device->sendMouseState(0x08, 0);
    QVERIFY(f.waitOutputs(3));
    QCOMPARE(int(f.outputs().last()[6]), 0x08);
}

void tst_DeviceLink::mouseSniper()
{
    LinkFixture f(testMouse());
    f.bind(16, "4", "7");
    QVERIFY(f.openClean());
    QSignalSpy sniper(f.link.get(), &DDeviceKeyboardLink::sigMouseActivatesSniperKey);
    f.device->sendMouseState(0x10, 0);
    f.device->sendMouseState(0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(sniper.count(), 2, kLinkWaitMs);
    QCOMPARE(sniper.at(0).first().toBool(), true);
    QCOMPARE(sniper.at(1).first().toBool(), false);
}

QTEST_MAIN(tst_DeviceLink)
#include "tst_devicelink.moc"
