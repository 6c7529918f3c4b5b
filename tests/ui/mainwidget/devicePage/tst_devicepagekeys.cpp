// The device page's key routing, labels and mouse reports, driven on the
// real page with simulated keyboards and mice.

#include "CbNotice.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "mouseReports.h"
#include "xmlInterface.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kWaitMs = 5000;
constexpr int kForwardCode = 16;
constexpr int kDpiCode = 32;
constexpr int kSniperFunction = 7;

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

dpiConfigInfo level(int index, int dpi, int r, int g, int b)
{
    return dpiConfigInfo{1, index, 0, dpi, dpi, r, g, b};
}

// A mouse profile as a new profile holds it: six levels, level 3 active.
void writeMouseProfile(xmlInterface &xml, const QString &path)
{
    xml.createXmlFile(path);
    xml.addProfile(path, "1", "Profile1", "", "", 1);
    const QList<dpiConfigInfo> levels = {level(1, 800, 255, 0, 0),   level(2, 1500, 255, 255, 0),
                                         level(3, 2200, 0, 255, 0),  level(4, 2900, 0, 255, 255),
                                         level(5, 3600, 0, 0, 255),  level(6, 600, 128, 0, 255)};
    for (const dpiConfigInfo &l : levels)
        xml.addDpiInfo(path, "1", l);
    xml.setDpiUsingIndex(path, "1", 3);
    xml.setFeature(path, "1", 0, 2);
}

} // namespace

class tst_DevicePageKeys : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    QTemporaryDir m_dir;
    xmlInterface m_xml;
    QString m_mouseFile;
    QString m_macroFile;

    // The link of a device, ready, its own profile given, its mouse
    // signals reaching the page as the page connects them.
    DDeviceKeyboardLink *readyLink(DDevicePage &page, const SimulatedDevice &device)
    {
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(device.path());
        if (!link || !QTest::qWaitFor([link] { return link->isInitFinished(); }, kWaitMs))
            return nullptr;
        if (device.config().deviceType == 1) {
            link->setProFileInfo(&m_xml, m_mouseFile.toLocal8Bit().constData());
            link->setCurProFileIndex(1);
        }
        connect(link, SIGNAL(sigMouseTriggeredDPIkey()), &page, SLOT(onMouseTriggeredDPIkey()), Qt::UniqueConnection);
        connect(link, SIGNAL(sigMouseActivatesSniperKey(bool)), &page, SLOT(onMouseActivatesSniperKey(bool)),
                Qt::UniqueConnection);
        connect(link, SIGNAL(sigRuningMouse0x47Cmd()), &page, SLOT(onRuningMouse0x47Cmd()), Qt::UniqueConnection);
        return link;
    }

    QList<hidReportData> dpiReports(const SimulatedDevice &device) const
    {
        return device.outputReports(HidCmd::MouseDpi);
    }
    // The link's signals come through the event loop: keep it running.
    static bool waitDpiReports(const SimulatedDevice &device, int count)
    {
        return QTest::qWaitFor([&] { return device.outputCount(HidCmd::MouseDpi) >= count; }, kWaitMs);
    }

private slots:
    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
        m_mouse = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
        m_mouseFile = m_dir.filePath(QStringLiteral("mouse.xml"));
        m_macroFile = m_dir.filePath(QStringLiteral("macro.xml"));
        writeMouseProfile(m_xml, m_mouseFile);
        m_xml.createXmlFile(m_macroFile);
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_backend.reset();
    }

    // Without an open device the key panel says so and routes nothing.
    void keyFunctionNeedsAnOpenDevice()
    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
        for (int id : {0, 2, 7, 10}) {
            page.onCurIndexChanged_Key(id);
            QCOMPARE(page.notice()->text(), QStringLiteral("Please open hid first!"));
        }
    }

    // The sniper button of a mouse the page does not show reaches that
    // mouse, from its own file; a keyboard gets nothing.
    void sniperOfAnotherMouseReachesOnlyThatMouse()
    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
        QVERIFY(page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)}));
        QVERIFY(readyLink(page, *m_keyboard));
        QVERIFY(readyLink(page, *m_mouse));
        m_xml.addKeyInfo(m_mouseFile, "1", QByteArray::number(kForwardCode), "Forward", "4", "0", "0",
                         QByteArray::number(kSniperFunction));
        m_keyboard->clearOutputs();
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kForwardCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 5);
        QCOMPARE(int(dpiReports(*m_mouse).last()[8]), 18); // level 1: 800 DPI, from the mouse's file

        m_mouse->sendMouseState(0, 0);
        QVERIFY(waitDpiReports(*m_mouse, 2));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 2);
        QCOMPARE(m_keyboard->outputCount(HidCmd::MouseDpi), 0);
    }

    // The DPI button of a mouse the page does not show steps that mouse's
    // own active level and sends it that mouse's report.
    void dpiKeyOfAnotherMouseStepsItsOwnFile()
    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
        QVERIFY(page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)}));
        QVERIFY(readyLink(page, *m_keyboard));
        QVERIFY(readyLink(page, *m_mouse));
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kDpiCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(m_xml.getDpiUsingIndex(m_mouseFile, "1"), 4);
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 3);
        QCOMPARE(m_keyboard->outputCount(HidCmd::MouseDpi), 0);
    }

    // A mouse unplugged with its sniper button held does not leave the
    // sniper level behind: back again, it reports its stored level.
    void sniperLeavesWithTheMouse()
    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
        QVERIFY(page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)}));
        QVERIFY(readyLink(page, *m_mouse));
        m_xml.addKeyInfo(m_mouseFile, "1", QByteArray::number(kForwardCode), "Forward", "4", "0", "0",
                         QByteArray::number(kSniperFunction));
        m_mouse->sendMouseState(kForwardCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QPointer<DDeviceKeyboardLink> old = page.getDeviceLinkMap().value(m_mouse->path());

        m_mouse->unplug();
        QVERIFY(!page.loadHidDeviceList({recordOf(*m_keyboard)}));
        page.insertOrRemoveHidDevice(false, m_mouse->path());
        QVERIFY(!old);
        m_mouse->plug();
        QVERIFY(!page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)}));
        page.insertOrRemoveHidDevice(true, m_mouse->path());
        QVERIFY(readyLink(page, *m_mouse));
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kDpiCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 3); // level 4 after the step, not the sniper's 5
    }
};

QTEST_MAIN(tst_DevicePageKeys)
#include "tst_devicepagekeys.moc"
