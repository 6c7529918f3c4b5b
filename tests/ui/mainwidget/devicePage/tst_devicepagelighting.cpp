// The device page's lighting on a simulated Rosquine (with side lights) and
// Bovelli: what the device records after OK, the lights switch, light
// synchronisation, the routing of list picks and panel edits, the custom
// per-key lightings, and the toasts when the device does not take a report.

#include "ColorWheelTool.h"
#include "CbNotice.h"
#include "CustomButton.h"
#include "DCustomLightListItem.h"
#include "DDeviceKeyboardLink.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DTipInfoDia.h"
#include "DMouseLightPage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "mouseLightDealMain.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"
#include "../fullDiskScope.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 30000;
constexpr unsigned char kKeyEffect = 0x07;
constexpr unsigned char kSideEffect = 0x08;
constexpr unsigned char kCustomColours = 0x09;
constexpr unsigned char kKeyFrame = 0x0F;
constexpr unsigned char kSynchronise = 0x17;
constexpr unsigned char kMouseZone = 0x42;

hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

colorInfoData item(int zone, int effect, int fullColour)
{
    colorInfoData c{};
    c.ledKeyboardOrSide = zone;
    c.ledType = effect;
    c.ledBrightness = 3;
    c.ledSpeed = 2;
    c.ledModeR = 10;
    c.ledModeG = 20;
    c.ledModeB = 30;
    c.ledBgR = 40;
    c.ledBgG = 50;
    c.ledBgB = 60;
    c.ledDirection = 1;
    c.ledModeType = fullColour;
    c.ledOpenOrClose = 0;
    return c;
}

QByteArray bytes(const hidReportData &report, int from, int to)
{
    QByteArray out;
    for (int i = from; i <= to; ++i)
        out.append(static_cast<char>(report[static_cast<std::size_t>(i)]));
    return out;
}

QByteArray hex(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// Closes a transport on the GUI thread at the debug line the custom upload
// writes between its colour packets and its key effect report: the colours
// are queued, the effect report meets a closed device.
QPointer<MainHidInterFace> g_closeBeforeEffect;
bool g_closedBeforeEffect = false;
QtMessageHandler g_previousHandler = nullptr;

void closeBeforeTheEffectReport(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_closeBeforeEffect && QThread::currentThread() == qApp->thread()
        && text.contains(QLatin1String("colorData info [colorData.ledType]"))) {
        g_closeBeforeEffect->hidClose();
        g_closeBeforeEffect = nullptr;
        g_closedBeforeEffect = true;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

} // namespace

class tst_DevicePageLighting : public QObject
{
    Q_OBJECT

    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_device;
    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_xml;
    std::unique_ptr<DDevicePage> m_page;
    QString m_path;

    DDevicePage &page() { return *m_page; }

    // The device plugged in, selected and loaded by the page: its profile
    // file made afresh with the defaults.
    void attach(const QString &model)
    {
        QDir(DDataManager::instance()->getUserConfigPath() + QLatin1Char('/') + model).removeRecursively();
        m_device = m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
        m_page = std::make_unique<DDevicePage>();
        m_page->resize(1400, 900);
        const QByteArray macroFile = QFile::encodeName(m_dir->path() + QStringLiteral("/macro.xml"));
        m_page->setMacroFileAndXmlInterface(macroFile.constData(), &m_xml);
        m_page->show();
        QVERIFY(m_page->loadHidDeviceList({recordOf(*m_device)}));
        QTRY_VERIFY_WITH_TIMEOUT(m_page->isDeviceLoaded(), kWaitMs);
        m_path = m_page->proFilePath();
        QVERIFY(QFile::exists(m_path));
    }

    void storeItem(const colorInfoData &c)
    {
        if (m_xml.hasLightInfo(m_path, "1", c.ledKeyboardOrSide, c.ledType))
            QVERIFY(m_xml.updateLightInfo(m_path, "1", c.ledKeyboardOrSide, c.ledType, c));
        else
            QVERIFY(m_xml.addLightInfo(m_path, "1", c));
    }

    void clickRow(selectionLists::List list, selectionLists::Column column, int effect)
    {
        const int id = selectionLists::idForNumber(column, effect);
        QVERIFY(id >= 0);
        page().listButton(list, id)->click();
    }

    void pressOk()
    {
        page().m_colorWheelTool->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    }

    // The reports of a command recorded from the given position on.
    QList<hidReportData> reportsOf(unsigned char command, int from = 0) const
    {
        QList<hidReportData> out;
        const QList<hidReportData> all = m_device->outputReports();
        for (int i = from; i < all.size(); ++i) {
            if (all.at(i)[1] == command)
                out.append(all.at(i));
        }
        return out;
    }

    // Spins the event loop (the engines' frames come through it) until the
    // recorded reports satisfy pred.
    bool waitFor(const std::function<bool(const QList<hidReportData> &)> &pred)
    {
        QElapsedTimer timer;
        timer.start();
        while (!pred(m_device->outputReports())) {
            if (timer.elapsed() > kWaitMs)
                return false;
            QTest::qWait(5);
        }
        return true;
    }

    // The first report of a command after position from, waited for.
    hidReportData nextReport(unsigned char command, int from)
    {
        hidReportData found{};
        const bool ok = waitFor([&](const QList<hidReportData> &all) {
            for (int i = from; i < all.size(); ++i) {
                if (all.at(i)[1] == command) {
                    found = all.at(i);
                    return true;
                }
            }
            return false;
        });
        if (!ok)
            qWarning("no report 0x%02x arrived", command);
        return found;
    }

    // A frame packet the stream has settled on: the same packet of a frame
    // sent alike twice in a row, so a frame drawn before the effect was fully
    // set up is not taken for it.
    hidReportData settledFramePacket(unsigned char command, int from)
    {
        hidReportData found{};
        const bool ok = waitFor([&](const QList<hidReportData> &all) {
            QHash<int, int> lastOfPacket;
            for (int i = from; i < all.size(); ++i) {
                if (all.at(i)[1] != command)
                    continue;
                const int packet = all.at(i)[4];
                const auto previous = lastOfPacket.constFind(packet);
                if (previous != lastOfPacket.constEnd() && all.at(*previous) == all.at(i)) {
                    found = all.at(i);
                    return true;
                }
                lastOfPacket.insert(packet, i);
            }
            return false;
        });
        if (!ok)
            qWarning("no settled 0x%02x frame arrived", command);
        return found;
    }

    // Reports the load queued count as before, even when the writer is late.
    int recorded()
    {
        if (m_page && page().m_currentHidInterface)
            page().m_currentHidInterface->waitForCommandsWritten(kWaitMs);
        return m_device->outputReports().size();
    }

    QString toast() { return page().notice()->text(); }

    // The device stops taking reports, as when it is unplugged mid-edit.
    void closeDevice() { page().m_currentHidInterface->hidClose(); }

private slots:
    void initTestCase()
    {
        // As the main window hands it over from the device-model list.
        DDataManager::instance()->setKeyNumMap({{QStringLiteral("Rosquine"), 104}, {QStringLiteral("Rulvarro"), 68}});
        // Failed sends are part of what is tested.
        QLoggingCategory::setFilterRules(QStringLiteral("velmora.ui.devicepage.lighting.warning=false"));
    }

    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        m_page.reset();
        HidBackend::install(nullptr);
        m_device.reset();
        m_backend.reset();
        m_dir.reset();
    }

    // --- Reports after OK ------------------------------------------------

    void keyboardEffectReports_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QByteArray>("colours"); // bytes 9 to 14
        QTest::addColumn<int>("fullColourByte"); // byte 16
        QTest::newRow("static stored full-colour goes out as chosen colour")
            << 0 << 0 << hex({10, 20, 30, 40, 50, 60}) << 0;
        QTest::newRow("breath full-colour takes the device's colours")
            << 0 << 1 << hex({0xFF, 0, 0, 0, 0, 0}) << 1;
        QTest::newRow("reactive full-colour keeps its colours") << 0 << 6 << hex({10, 20, 30, 40, 50, 60}) << 1;
        QTest::newRow("side collision full-colour keeps its colours")
            << 1 << 3 << hex({10, 20, 30, 40, 50, 60}) << 1;
        QTest::newRow("side breath full-colour takes the device's colours")
            << 1 << 1 << hex({0xFF, 0, 0, 0, 0, 0}) << 1;
    }

    void keyboardEffectReports()
    {
        QFETCH(int, zone);
        QFETCH(int, effect);
        QFETCH(QByteArray, colours);
        QFETCH(int, fullColourByte);
        attach(QStringLiteral("Rosquine"));
        storeItem(item(zone, effect, 1));
        page().ui->pushButton_Led->click();
        QCOMPARE(page().mainPageIndex(), 1);
        if (zone == 1) {
            page().ui->pushButton_SideLed->click();
            clickRow(selectionLists::SideEffect, selectionLists::SideLightEffect, effect);
        } else {
            clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, effect);
        }
        QVERIFY(page().isLightChanged());
        const int from = recorded();
        pressOk();

        const hidReportData report = nextReport(zone == 0 ? kKeyEffect : kSideEffect, from);
        QCOMPARE(int(report[6]), effect);
        QCOMPARE(bytes(report, 9, 14), colours);
        QCOMPARE(int(report[16]), fullColourByte);
        QCOMPARE(int(report[17]), 0);
        QCOMPARE(int(report[5]), zone == 0 ? 0x0E : 0x0D);
        QCOMPARE(toast(), QStringLiteral("Set light effect successfully"));
        QVERIFY(!page().isLightChanged());
        QCOMPARE(m_xml.getLightUsingIndex(m_path, "1", zone), effect);
    }

    void mouseZoneReports_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QByteArray>("tail"); // bytes 15 to 19
        QTest::newRow("around") << 0 << false << hex({1, 1, 0, 0, 0});
        QTest::newRow("scroll linked: edited as the around zone") << 1 << true << hex({1, 1, 0, 0, 0});
        QTest::newRow("scroll unlinked") << 1 << false << hex({0, 1, 0, 1, 0});
        QTest::newRow("logo unlinked") << 2 << false << hex({0, 1, 0, 1, 0});
    }

    void mouseZoneReports()
    {
        QFETCH(int, zone);
        QFETCH(bool, linked);
        QFETCH(QByteArray, tail);
        attach(QStringLiteral("Bovelli"));
        for (int z = 0; z < 3; ++z) {
            storeItem(item(z, 0, 1));
            QVERIFY(m_xml.setLightUsingIndex(m_path, "1", z, 0));
        }
        page().ui->pushButton_Led->click();
        if (zone == 1)
            page().onScrollLinkStatus(linked ? 1 : 0);
        page().onSelectMouseLightType(zone);
        const int from = recorded();
        pressOk();

        const hidReportData report = nextReport(kMouseZone, from);
        QCOMPARE(int(report[2]), linked ? 0 : zone);
        QCOMPARE(bytes(report, 9, 14), hex({10, 20, 30, 40, 50, 60}));
        QCOMPARE(bytes(report, 15, 19), tail);
        QCOMPARE(toast(), QStringLiteral("Set light effect successfully"));
    }

    // The link byte goes out with the zone's stored effect, but only once
    // the mouse's settings are loaded.
    void mouseLinkChange()
    {
        attach(QStringLiteral("Bovelli"));
        colorInfoData scroll = item(1, 2, 0);
        scroll.ledOpenOrClose = 1;
        storeItem(scroll);
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 1, 2));
        // As while the mouse's settings are being loaded.
        page().m_mouseSettingsLoaded = false;
        int from = recorded();
        page().onScrollLinkStatus(1);
        QCOMPARE(page().ui->stackedWidget->currentWidget(), page().ui->page_KeyboardLed);
        QVERIFY(page().m_mouseLightDealMain->isScrollLinked());
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        QVERIFY(reportsOf(kMouseZone, from).isEmpty());

        page().m_mouseSettingsLoaded = true;
        from = recorded();
        page().onScrollLinkStatus(0);
        hidReportData report = nextReport(kMouseZone, from);
        QCOMPARE(int(report[2]), 1);
        QCOMPARE(int(report[6]), 2);
        QCOMPARE(int(report[18]), 1);
        from = recorded();
        page().onScrollLinkStatus(1);
        report = nextReport(kMouseZone, from);
        // Linked: direction, on/off and link bytes all zero.
        QCOMPARE(bytes(report, 15, 19), hex({0, 0, 0, 0, 0}));
    }

    // Opening the lighting tab sends the Scroll and the Logo zone once each.
    void mouseLightingTabSendsEachLinkOnce()
    {
        attach(QStringLiteral("Bovelli"));
        for (int z = 0; z < 3; ++z) {
            storeItem(item(z, 0, 1));
            QVERIFY(m_xml.setLightUsingIndex(m_path, "1", z, 0));
        }
        const int from = recorded();
        page().ui->pushButton_Led->click();
        QCOMPARE(page().mainPageIndex(), 1);
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        QMap<int, int> perZone;
        for (const hidReportData &report : reportsOf(kMouseZone, from))
            ++perZone[report[2]];
        QCOMPARE(perZone.value(1), 1);
        QCOMPARE(perZone.value(2), 1);
    }

    // The profile key pressed while the lighting tab is up: the panel edits
    // the new profile, and OK stores and sends that profile's effect.
    void keyboardProfileKeyOnLightingTab()
    {
        attach(QStringLiteral("Rosquine"));
        storeItem(item(0, 0, 1));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 0));
        QVERIFY(m_xml.addProfile(m_path, "2", "Two", "", "", 0));
        colorInfoData second = item(0, 6, 1);
        second.ledModeR = 70;
        QVERIFY(m_xml.addLightInfo(m_path, "2", second));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "2", 0, 6));
        page().ui->pushButton_Led->click();
        QCOMPARE(page().mainPageIndex(), 1);

        page().onCustomEventChangProfile(2);
        QCOMPARE(page().mainPageIndex(), 1);
        QVERIFY(!page().isLightChanged());
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledType, 6);
        const int from = recorded();
        pressOk();
        const hidReportData report = nextReport(kKeyEffect, from);
        QCOMPARE(int(report[6]), 6);
        QCOMPARE(int(report[9]), 70);
        QCOMPARE(m_xml.getLightUsingIndex(m_path, "2", 0), 6);
        QCOMPARE(m_xml.getLightUsingIndex(m_path, "1", 0), 0);
        colorInfoData first{};
        QVERIFY(m_xml.getLightInfo(m_path, "1", 0, 0, first));
        QCOMPARE(first.ledModeR, 10);
        QVERIFY(!m_xml.hasLightInfo(m_path, "1", 0, 6));
    }

    // Discard in the save prompt: the keyboard gets the stored effect again
    // and streams it, and the panel shows it.
    void discardRestoresTheStoredLighting_data()
    {
        QTest::addColumn<bool>("synchronised");
        QTest::newRow("effect reports") << false;
        QTest::newRow("synchronised") << true;
    }
    void discardRestoresTheStoredLighting()
    {
        QFETCH(bool, synchronised);
        attach(QStringLiteral("Rosquine"));
        storeItem(item(0, 0, 0));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 0));
        QVERIFY(m_xml.setLightSynchronizeStatus(m_path, "1", synchronised ? 1 : 0));
        page().loadKeyboardSettings(1);
        page().ui->pushButton_Led->click();
        // What the keyboard shows of the stored effect while streaming.
        const hidReportData storedFrame = synchronised ? settledFramePacket(kKeyFrame, recorded()) : hidReportData{};
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 1);
        QVERIFY(page().isLightChanged());
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledType, 1);

        const int from = recorded();
        QTimer::singleShot(0, m_page.get(), [this] {
            page().m_tipInfoDia->findChild<QPushButton *>(QStringLiteral("pushButton_Discard"))->click();
        });
        QCOMPARE(page().askSaveLightChanges(), 2);
        const hidReportData report = nextReport(kKeyEffect, from);
        QCOMPARE(int(report[6]), 0);
        QCOMPARE(bytes(report, 9, 11), hex({10, 20, 30}));
        if (synchronised) {
            const int after = recorded();
            QVERIFY(storedFrame[1] == kKeyFrame);
            QVERIFY(waitFor([&](const QList<hidReportData> &all) {
                for (int i = after; i < all.size(); ++i) {
                    if (all.at(i) == storedFrame)
                        return true;
                }
                return false;
            }));
        }
        QCOMPARE(m_xml.getLightUsingIndex(m_path, "1", 0), 0);
        QCOMPARE(page().mainPageIndex(), 1);
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledType, 0);
        QVERIFY(!page().isLightChanged());
    }

    // Lighting writes the profile cannot take are told; nothing is sent that
    // it does not hold, and the page shows what it holds.
    void fullDiskIsTold_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("OK") << "ok";
        QTest::newRow("lights switch") << "switch";
        QTest::newRow("synchronisation") << "sync";
    }
    void fullDiskIsTold()
    {
        QFETCH(QString, action);
        attach(QStringLiteral("Rosquine"));
        storeItem(item(0, 0, 0));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 0));
        page().loadKeyboardSettings(1);
        page().ui->pushButton_Led->click();
        if (action == QLatin1String("ok"))
            clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 1);
        const QByteArray before = [this] {
            QFile file(m_path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        const int from = recorded();
        {
            fullDiskScope full;
            QVERIFY(full.isActive());
            if (action == QLatin1String("ok"))
                pressOk();
            else if (action == QLatin1String("switch"))
                page().ui->pushButton_LightOnOff->click();
            else
                page().ui->checkBox_LightSynchronize->click();
        }
        QCOMPARE(toast(), QStringLiteral("Save light settings failed"));
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        for (const hidReportData &report : reportsOf(kKeyEffect, from))
            QCOMPARE(int(report[6]), 0); // the stored effect at most
        QVERIFY(!page().m_currentHidInterface->isLightStreaming());
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        // The page as stored.
        QVERIFY(!page().ui->checkBox_LightSynchronize->isChecked());
        QVERIFY(page().ui->pushButton_LightOnOff->styleSheet().contains(QLatin1String("ledOn.png")));
        QVERIFY(!page().ui->frame_Custom->isHidden());
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledType, 0);
        QVERIFY(!page().isLightChanged());
    }

    // --- Lights on and off ----------------------------------------------

    void lightsOnOff()
    {
        attach(QStringLiteral("Rosquine"));
        storeItem(item(0, 1, 1));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 1));
        page().ui->pushButton_Led->click();

        int from = recorded();
        page().ui->pushButton_LightOnOff->click();
        hidReportData report = nextReport(kKeyEffect, from);
        // The stored item as it is: no full-colour substitution.
        QCOMPARE(int(report[6]), 1);
        QCOMPARE(bytes(report, 9, 16), hex({10, 20, 30, 40, 50, 60, 1, 1}));
        QCOMPARE(int(report[17]), 1);
        QCOMPARE(toast(), QStringLiteral("Close light successful"));
        QCOMPARE(m_xml.getLightOpenOrClose(m_path, "1"), 1);
        QVERIFY(page().ui->frame_Custom->isHidden());
        QVERIFY(page().ui->pushButton_LightOnOff->styleSheet().contains(QLatin1String("ledOff.png")));

        from = recorded();
        page().ui->pushButton_LightOnOff->click();
        report = nextReport(kKeyEffect, from);
        QCOMPARE(int(report[17]), 0);
        QCOMPARE(toast(), QStringLiteral("Open light successful"));
        QCOMPARE(m_xml.getLightOpenOrClose(m_path, "1"), 0);
        QVERIFY(!page().ui->frame_Custom->isHidden());
    }

    void mouseLightsOff()
    {
        attach(QStringLiteral("Bovelli"));
        DMouseLightPage *lights = page().m_mouseLightPage;
        if (!lights) // the mouse's view brings it
            lights = new DMouseLightPage(QStringLiteral("Bovelli"), page().ui->mouseLightFrame);
        QWidget *lightFrame = lights->findChild<QWidget *>(QStringLiteral("frame_4"));
        QVERIFY(lightFrame);
        storeItem(item(0, 1, 1));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 1));
        int from = recorded();
        page().ui->pushButton_LightOnOff->click();
        hidReportData report = nextReport(kMouseZone, from);
        QCOMPARE(int(report[2]), 0);
        QCOMPARE(bytes(report, 9, 19), hex({10, 20, 30, 40, 50, 60, 1, 1, 1, 0, 0}));
        QCOMPARE(toast(), QStringLiteral("Close light successful"));
        QVERIFY(!lightFrame->isEnabled());

        from = recorded();
        page().ui->pushButton_LightOnOff->click();
        report = nextReport(kMouseZone, from);
        QCOMPARE(int(report[17]), 0);
        QVERIFY(lightFrame->isEnabled());
    }

    void lightsSwitchWithoutStoredItem()
    {
        attach(QStringLiteral("Rosquine"));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 7));
        const int from = recorded();
        page().ui->pushButton_LightOnOff->click();
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        QVERIFY(reportsOf(kKeyEffect, from).isEmpty());
        QCOMPARE(m_xml.getLightOpenOrClose(m_path, "1"), 0);
    }

    // --- A device that does not take the reports -------------------------

    void failuresAreTold_data()
    {
        QTest::addColumn<bool>("noTransport"); // else the device was closed
        QTest::newRow("closed device") << false;
        QTest::newRow("no transport") << true;
    }

    void failuresAreTold()
    {
        QFETCH(bool, noTransport);
        attach(QStringLiteral("Rosquine"));
        storeItem(item(0, 1, 0));
        QVERIFY(m_xml.setLightUsingIndex(m_path, "1", 0, 1));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 1);
        if (noTransport)
            page().m_currentHidInterface = nullptr;
        else
            closeDevice();

        pressOk();
        QCOMPARE(toast(), QStringLiteral("Set light effect failed"));
        // Stored all the same: the next load sends it again.
        QCOMPARE(m_xml.getLightUsingIndex(m_path, "1", 0), 1);

        page().ui->pushButton_LightOnOff->click();
        QCOMPARE(toast(), QStringLiteral("Close light failed"));
        QCOMPARE(m_xml.getLightOpenOrClose(m_path, "1"), 1);
        page().ui->pushButton_LightOnOff->click();
        QCOMPARE(toast(), QStringLiteral("Open light failed"));

        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        DCustomLightListItem *row = page().m_customLightItemList.at(2);
        emit row->sigCustomLightUsingStatus(true);
        QCOMPARE(toast(), QStringLiteral("Set custom light failed"));
    }

    // Every zone's OK says what its own send found, whatever an earlier send
    // of the page found: first a device that takes the report, then a closed one.
    void okToastFollowsItsOwnSend_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("zone");
        QTest::newRow("keys") << "Rosquine" << 0;
        QTest::newRow("side lights") << "Rosquine" << 1;
        QTest::newRow("mouse around zone") << "Bovelli" << 0;
        QTest::newRow("mouse scroll zone") << "Bovelli" << 1;
        QTest::newRow("mouse logo zone") << "Bovelli" << 2;
    }

    void okToastFollowsItsOwnSend()
    {
        QFETCH(QString, model);
        QFETCH(int, zone);
        attach(model);
        const bool mouse = model == QLatin1String("Bovelli");
        if (mouse) {
            for (int z = 0; z < 3; ++z) {
                storeItem(item(z, 0, 1));
                QVERIFY(m_xml.setLightUsingIndex(m_path, "1", z, 0));
            }
        } else {
            storeItem(item(zone, 1, 1));
            storeItem(item(zone, 2, 1));
        }
        page().ui->pushButton_Led->click();
        if (!mouse && zone == 1)
            page().ui->pushButton_SideLed->click();
        const auto pick = [&](int effect) {
            if (mouse)
                page().onSelectMouseLightType(zone);
            else if (zone == 1)
                clickRow(selectionLists::SideEffect, selectionLists::SideLightEffect, effect);
            else
                clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, effect);
        };

        pick(1);
        pressOk();
        QCOMPARE(toast(), QStringLiteral("Set light effect successfully"));
        closeDevice();
        pick(2);
        pressOk();
        QCOMPARE(toast(), QStringLiteral("Set light effect failed"));
    }

    // The custom lighting upload counts the key effect report that follows
    // its colour packets: when only that report fails, so does the upload.
    void customUploadNeedsItsEffectReport_data()
    {
        QTest::addColumn<bool>("byOk"); // else a lighting is taken into use
        QTest::addColumn<QString>("text");
        QTest::newRow("OK on the Custom effect") << true << "Set light effect failed";
        QTest::newRow("a lighting taken into use") << false << "Set custom light failed";
    }

    void customUploadNeedsItsEffectReport()
    {
        QFETCH(bool, byOk);
        QFETCH(QString, text);
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        const int from = recorded();

        g_closeBeforeEffect = page().m_currentHidInterface;
        g_closedBeforeEffect = false;
        g_previousHandler = qInstallMessageHandler(closeBeforeTheEffectReport);
        if (byOk)
            pressOk();
        else
            emit page().m_customLightItemList.at(2)->sigCustomLightUsingStatus(true);
        qInstallMessageHandler(g_previousHandler);
        g_closeBeforeEffect = nullptr;

        QVERIFY(g_closedBeforeEffect);
        QCOMPARE(toast(), text);
        QVERIFY(reportsOf(kKeyEffect, from).isEmpty());
    }

    // --- Light synchronisation ------------------------------------------

    void synchronisation()
    {
        attach(QStringLiteral("Rosquine"));
        MainHidInterFace *transport = page().m_currentHidInterface;
        page().ui->pushButton_Led->click();
        int from = recorded();
        page().ui->checkBox_LightSynchronize->click();
        QCOMPARE(m_xml.getLightSynchronizeStatus(m_path, "1"), 1);
        QVERIFY(transport->isLightStreaming());
        nextReport(kKeyFrame, from);
        const QList<hidReportData> all = m_device->outputReports();
        int syncOn = -1;
        int firstFrame = -1;
        for (int i = from; i < all.size(); ++i) {
            if (syncOn < 0 && all.at(i)[1] == kSynchronise && all.at(i)[6] == 1)
                syncOn = i;
            if (firstFrame < 0 && all.at(i)[1] == kKeyFrame)
                firstFrame = i;
        }
        QVERIFY(syncOn >= 0);
        QVERIFY2(syncOn < firstFrame, "the device hears of the synchronisation before its first frame");

        page().ui->checkBox_LightSynchronize->click();
        QCOMPARE(m_xml.getLightSynchronizeStatus(m_path, "1"), 0);
        QVERIFY(!transport->isLightStreaming());
        // Refused from now on: a packet offered after the switch never arrives.
        const unsigned char packet[64] = {1, kKeyFrame};
        transport->writeLightData(packet, 64);
        int syncOff = -1;
        QVERIFY(waitFor(
            [&](const QList<hidReportData> &reports) {
                for (int i = from; i < reports.size(); ++i) {
                    if (reports.at(i)[1] == kSynchronise && reports.at(i)[6] == 0)
                        syncOff = i;
                }
                return syncOff >= 0;
            }));
        QVERIFY(transport->waitForCommandsWritten(kWaitMs));
        QTest::qWait(100);
        const QList<hidReportData> after = m_device->outputReports();
        for (int i = syncOff + 1; i < after.size(); ++i)
            QVERIFY2(after.at(i)[1] != kKeyFrame, "no frame follows the switch-off");
    }

    // --- Routing ----------------------------------------------------------

    // Brightness and speed edits keep the running effect; the other edits
    // start the edited effect.
    void liveEdits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("restarts");
        QTest::newRow("colour") << 0 << true;
        QTest::newRow("full colour") << 1 << true;
        QTest::newRow("brightness") << 2 << false;
        QTest::newRow("speed") << 3 << false;
        QTest::newRow("direction") << 4 << true;
    }

    void liveEdits()
    {
        QFETCH(int, kind);
        QFETCH(bool, restarts);
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 0);
        lightDealMain *engine = page().m_lightDealMain;
        const int staticId = engine->keyEffectId();
        colorInfoData edited = page().m_colorWheelTool->getColorInfo();
        edited.ledType = 2; // the panel now holds another effect
        page().m_colorWheelTool->setColorInfo(edited);
        emit page().m_colorWheelTool->sigLightConfigHaveChanged(kind, 0);
        QCOMPARE(engine->keyEffectId() != staticId, restarts);
        QCOMPARE(engine->keyZone().raw().ledType, 2);
    }

    void keyEffectPicks()
    {
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        lightDealMain *engine = page().m_lightDealMain;
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 2);
        const int effectId = engine->keyEffectId();

        // The DPI row is no keyboard effect: the list is left unmarked.
        page().listButton(selectionLists::KeyEffect, 13)->click();
        QCOMPARE(page().m_curLedIndex, 13);
        QCOMPARE(engine->keyEffectId(), effectId);
        QVERIFY(!page().listButton(selectionLists::KeyEffect, 13)->isSelected());

        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 100);
        QVERIFY(engine->isMusicMode());
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 0);
        QVERIFY(!engine->isMusicMode());

        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        QVERIFY(!page().ui->frame_CustomLight->isHidden());
        QCOMPARE(page().m_customLightItemList.size(), 5);
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 0);
        QVERIFY(page().ui->frame_CustomLight->isHidden());
    }

    void cancel()
    {
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 2);
        page().clearLightChanged();
        page().onLightCancelSettings(0);
        QVERIFY(page().listButton(selectionLists::KeyEffect, 0)->isSelected());
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledType, 0);
        QVERIFY(page().isLightChanged());

        page().ui->pushButton_SideLed->click();
        clickRow(selectionLists::SideEffect, selectionLists::SideLightEffect, 2);
        page().onLightCancelSettings(1);
        QVERIFY(page().listButton(selectionLists::SideEffect, 0)->isSelected());
        QCOMPARE(page().m_lightDealMain->sideZone().raw().ledType, 0);
    }

    void mouseRouting()
    {
        attach(QStringLiteral("Bovelli"));
        page().ui->pushButton_Led->click();
        mouseLightDealMain *engine = page().m_mouseLightDealMain;

        // A linked zone is edited through the Around zone.
        page().onScrollLinkStatus(1);
        page().onSelectMouseLightType(1);
        QCOMPARE(page().ui->stackedWidget->currentWidget(), page().ui->page_KeyboardLed);
        QCOMPARE(page().m_colorWheelTool->getColorInfo().ledKeyboardOrSide, 0);

        page().onScrollLinkStatus(0);
        page().onSelectMouseLightType(1);
        QCOMPARE(page().ui->stackedWidget->currentWidget(), page().ui->page_MouseScrollAndLogo);
        clickRow(selectionLists::ScrollAndLogo, selectionLists::ScrollOrLogoEffect, 1);
        QCOMPARE(engine->scrollZone().raw().ledType, 1);

        // Cancel on the Scroll zone: Static there, through the mouse engine.
        page().onLightCancelSettings(1);
        QCOMPARE(engine->scrollZone().raw().ledType, 0);
        QVERIFY(page().listButton(selectionLists::ScrollAndLogo, 0)->isSelected());

        // The DPI rows of both lists, with the levels' colours as stored now.
        QList<dpiConfigInfo> levels;
        QVERIFY(m_xml.getDpiList(m_path, "1", levels));
        QVERIFY(!levels.isEmpty());
        for (dpiConfigInfo level : qAsConst(levels)) {
            level.dpiColorR = 1;
            level.dpiColorG = 2;
            level.dpiColorB = 3;
            QVERIFY(m_xml.updateDpiInfo(m_path, "1", level.index, level));
        }
        page().onSelectMouseLightType(0);
        clickRow(selectionLists::KeyEffect, selectionLists::MouseAroundEffect, 7);
        QCOMPARE(engine->aroundZone().raw().ledType, 7);
        QCOMPARE(engine->effects().dpiColor(), QColor(1, 2, 3));
        page().onSelectMouseLightType(1);
        clickRow(selectionLists::ScrollAndLogo, selectionLists::ScrollOrLogoEffect, 3);
        QCOMPARE(engine->scrollZone().raw().ledType, 3);
    }

    // --- Custom per-key lightings ----------------------------------------

    void customConfirmation()
    {
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        QCOMPARE(page().m_curLedIndex, 11);
        keyboardPage *view = page().m_keyboardPage;
        // The in-use lighting is shown: "Alphabets" lights Q at row 2 column 1.
        QCOMPARE(page().m_currentCustomLightItem->getCustomName(), QStringLiteral("Alphabets"));
        QCOMPARE(view->keyButtonGrid[2][1]->getKeyColor(), QColor(0, 0, 255, 180));

        // Paint Esc green: a colour edit on the Custom row paints only the
        // selected keys and leaves the effect running.
        keyboardButCustom *esc = view->keyButtonGrid[0][0];
        QVERIFY(esc);
        view->clearSelection();
        esc->click();
        const int effectId = page().m_lightDealMain->keyEffectId();
        colorInfoData green = page().m_colorWheelTool->getColorInfo();
        green.ledModeR = 0;
        green.ledModeG = 200;
        green.ledModeB = 0;
        page().m_colorWheelTool->setColorInfo(green);
        emit page().m_colorWheelTool->sigLightConfigHaveChanged(0, 0);
        QCOMPARE(esc->getKeyColor().green(), 200);
        QCOMPARE(view->keyButtonGrid[2][1]->getKeyColor().blue(), 255);
        QCOMPARE(page().m_lightDealMain->keyEffectId(), effectId);

        const int from = recorded();
        pressOk();
        QVERIFY(waitFor(
            [&](const QList<hidReportData> &all) {
                int n = 0;
                for (int i = from; i < all.size(); ++i)
                    n += all.at(i)[1] == kCustomColours || all.at(i)[1] == kKeyEffect;
                return n >= 9;
            }));
        QList<hidReportData> sent;
        const QList<hidReportData> all = m_device->outputReports();
        for (int i = from; i < all.size(); ++i) {
            if (all.at(i)[1] == kCustomColours || all.at(i)[1] == kKeyEffect)
                sent.append(all.at(i));
        }
        QCOMPARE(sent.size(), 9);
        for (int p = 0; p < 8; ++p) {
            QCOMPARE(int(sent.at(p)[1]), int(kCustomColours));
            QCOMPARE(int(sent.at(p)[2]), 0); // Alphabets holds slot 0
            QCOMPARE(int(sent.at(p)[4]), p);
            QCOMPARE(int(sent.at(p)[5]), p < 7 ? 54 : 18);
        }
        QCOMPARE(int(sent.at(8)[1]), int(kKeyEffect));
        QCOMPARE(int(sent.at(8)[6]), 10);
        QCOMPARE(toast(), QStringLiteral("Set light effect successfully"));

        QList<customLightKeyInfo> keys;
        QVERIFY(m_xml.getCustomLightKeys(m_path, "1", "0", keys));
        QCOMPARE(keys.size(), 35);
        QCOMPARE(keys.first().indexX, 0);
        QCOMPARE(keys.first().colorG, 200);
    }

    void customSlots()
    {
        attach(QStringLiteral("Rosquine"));
        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        const QList<DCustomLightListItem *> rows = page().m_customLightItemList;

        // Two in use: ticking "Custom 3" takes "WASD+Arrows" out of slot 1.
        int from = recorded();
        emit rows.at(2)->sigCustomLightUsingStatus(true);
        hidReportData first = nextReport(kCustomColours, from);
        QCOMPARE(int(first[2]), 1);
        QCOMPARE(rows.at(1)->getUsingStatus(), QStringLiteral("UnUsing"));
        QCOMPARE(rows.at(1)->getUsingFlagIndex(), -1);
        QCOMPARE(rows.at(2)->getUsingFlagIndex(), 1);
        QList<customLightInfo> lights;
        QVERIFY(m_xml.getCustomLightList(m_path, "1", lights));
        QCOMPARE(QByteArray(lights.at(2).isUsing), QByteArray("Using"));
        QCOMPARE(lights.at(1).usingFlagIndex, -1);

        // Unticking slot 0 uploads a black board there.
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        from = recorded();
        emit rows.at(0)->sigCustomLightUsingStatus(false);
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        const QList<hidReportData> blank = reportsOf(kCustomColours, from);
        QCOMPARE(blank.size(), 8);
        for (const hidReportData &r : blank) {
            QCOMPARE(int(r[2]), 0);
            QVERIFY(bytes(r, 6, 59).count(char(0)) == 54);
        }

        // Only slot 1 in use: the next one takes slot 0.
        from = recorded();
        emit rows.at(3)->sigCustomLightUsingStatus(true);
        QCOMPARE(int(nextReport(kCustomColours, from)[2]), 0);
        QCOMPARE(rows.at(3)->getUsingFlagIndex(), 0);

        // A row click shows its keys and sends nothing.
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        from = recorded();
        QMetaObject::invokeMethod(rows.at(1), "sigCustomLightItemMouseClicked", Q_ARG(QString, "1"),
                                  Q_ARG(QString, "WASD+Arrows"));
        QCOMPARE(page().m_currentCustomLightItem.data(), rows.at(1));
        QCOMPARE(page().m_keyboardPage->keyButtonGrid[2][2]->getKeyColor(), QColor(255, 0, 0, 180));
        QVERIFY(page().m_currentHidInterface->waitForCommandsWritten(kWaitMs));
        QCOMPARE(recorded(), from);

        // Confirming a lighting not in use uploads to slot 2.
        from = recorded();
        pressOk();
        QCOMPARE(int(nextReport(kCustomColours, from)[2]), 2);
    }

    // A hand-edited file: rows breaking "two in use, one per slot" are taken
    // out of use, and cells off the grid are skipped.
    void brokenCustomLightFile()
    {
        attach(QStringLiteral("Rosquine"));
        QVERIFY(m_xml.setCustomLightUsing(m_path, "1", "2", "Using", 5));
        QVERIFY(m_xml.setCustomLightUsing(m_path, "1", "3", "Using", 0));
        customLightKeyInfo off{};
        fixedTextCopy(off.keyCode, "4");
        off.indexX = 9;
        off.indexY = 40;
        off.colorR = 255;
        QVERIFY(m_xml.addCustomLightKey(m_path, "1", "0", off));

        page().ui->pushButton_Led->click();
        clickRow(selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10);
        QList<customLightInfo> lights;
        QVERIFY(m_xml.getCustomLightList(m_path, "1", lights));
        QCOMPARE(QByteArray(lights.at(2).isUsing), QByteArray("UnUsing"));
        QCOMPARE(QByteArray(lights.at(3).isUsing), QByteArray("UnUsing"));
        QCOMPARE(lights.at(0).usingFlagIndex, 0);
        QCOMPARE(lights.at(1).usingFlagIndex, 1);
    }

    void defaultLightsByModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("arrowRow"); // where the up arrow of "WASD+Arrows" lies
        QTest::addColumn<int>("arrowColumn");
        QTest::newRow("full size, plain file") << QStringLiteral("Rosquine") << 4 << 16;
        QTest::newRow("68 keys") << QStringLiteral("Rulvarro") << 4 << 14;
    }

    void defaultLightsByModel()
    {
        QFETCH(QString, model);
        QFETCH(int, arrowRow);
        QFETCH(int, arrowColumn);
        attach(model);
        QList<customLightInfo> lights;
        QVERIFY(m_xml.getCustomLightList(m_path, "1", lights));
        QCOMPARE(lights.size(), 5);
        const QStringList names = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(fixedText(lights.at(i).name), names.at(i));
            QCOMPARE(lights.at(i).usingFlagIndex, i < 2 ? i : -1);
        }
        QList<customLightKeyInfo> keys;
        QVERIFY(m_xml.getCustomLightKeys(m_path, "1", "0", keys));
        QCOMPARE(keys.size(), 34);
        keys.clear();
        QVERIFY(m_xml.getCustomLightKeys(m_path, "1", "1", keys));
        QCOMPARE(keys.size(), 8);
        QCOMPARE(QByteArray(keys.at(4).keyCode), QByteArray("82"));
        QCOMPARE(keys.at(4).indexX, arrowRow);
        QCOMPARE(keys.at(4).indexY, arrowColumn);
    }

    void renameToasts()
    {
        attach(QStringLiteral("Rosquine"));
        page().onModifyCustomLightItemNameFailed();
        QCOMPARE(toast(), QStringLiteral("Modify custom light name failed"));
        page().onModifyCustomLightItemNameIsEmpty();
        QCOMPARE(toast(), QStringLiteral("Custom light name can't be empty"));
    }
};

QTEST_MAIN(tst_DevicePageLighting)
#include "tst_devicepagelighting.moc"
