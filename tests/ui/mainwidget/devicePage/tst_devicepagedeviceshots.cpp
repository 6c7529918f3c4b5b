// The device page with simulated devices, in every theme, written to
// build/devicepage-screenshots/ for a person to look at: a keyboard on its
// key and lighting tabs, the mouse with its DPI list, and the page after
// the last device left.
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DDpiConfigListItem.h"
#include "DmouseConfigView.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QDir>
#include <QtTest>

#include <cstring>

namespace {

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/devicepage-screenshots");
    QDir().mkpath(dir);
    return dir;
}

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

} // namespace

class tst_DevicePageDeviceShots : public QObject
{
    Q_OBJECT

private slots:
    void shots_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }
    void shots()
    {
        QFETCH(int, theme);
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
        DDataManager::instance()->loadThemeConfig(theme);
        auto backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(backend);
        auto keyboard = backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
        auto mouse = backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
        xmlInterface xml;
        {
            DDevicePage page;
            page.setMacroFileAndXmlInterface(
                (DDataManager::instance()->getUserConfigPath() + QStringLiteral("/macro.xml")).toLocal8Bit().constData(),
                &xml);
            page.changeAppTheme();
            page.resize(1200, 790);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            const auto shoot = [&](const char *name) {
                QTest::qWait(100);
                QVERIFY(page.grab().save(outputDir() + QStringLiteral("/device_%1_theme%2.png").arg(name).arg(theme)));
            };

            QVERIFY(page.loadHidDeviceList({recordOf(*keyboard)}));
            QVERIFY(page.isDeviceLoaded());
            page.onCurIndexChangedMainPage(0);
            shoot("keyboard_keys");
            page.onCurIndexChangedMainPage(1);
            shoot("keyboard_lighting");

            QVERIFY(!page.loadHidDeviceList({recordOf(*keyboard), recordOf(*mouse)}));
            page.insertOrRemoveHidDevice(true, QStringLiteral("hidPath"));
            QCOMPARE(page.deviceType(), 1);
            page.onCurIndexChangedMainPage(0);
            shoot("mouse_buttons");
            // The DPI list on the page, level 3 being edited.
            auto *dpi = page.findChild<DmouseConfigView *>();
            QVERIFY(dpi && dpi->rows().size() > 2);
            QTest::mouseClick(dpi->rows().at(2), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
            QTest::qWait(100);
            QVERIFY(page.form()->page_MouseDpiConfig->grab().save(
                outputDir() + QStringLiteral("/device_mouse_dpi_theme%1.png").arg(theme)));
            page.onCurIndexChangedMainPage(1);
            shoot("mouse_lighting");

            QVERIFY(!page.loadHidDeviceList({}));
            page.insertOrRemoveHidDevice(false, QStringLiteral("hidPath"));
            QVERIFY(!page.isDeviceLoaded());
            shoot("no_device");
        }
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_DevicePageDeviceShots)
#include "tst_devicepagedeviceshots.moc"
