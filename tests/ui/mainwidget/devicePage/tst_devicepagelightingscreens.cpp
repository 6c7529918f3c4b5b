// The lighting tab in a real X window, in the five themes, written to
// build/devicepage-lighting-screenshots/ for a person to look at: a keyboard
// with Wave, its side lights, Custom with its rows and painted keys, the
// lights off; the mouse with its Scroll zone linked and unlinked.

#include "DDataManager.h"
#include "DDevicePage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "devicePageTestSupport.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "selectionLists.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

constexpr int kWaitMs = 5000;

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/devicepage-lighting-screenshots");
    QDir().mkpath(dir);
    return dir;
}

QAbstractButton *row(DDevicePage &page, selectionLists::List list, selectionLists::Column column, int effect)
{
    const selectionLists::Row *r = selectionLists::rowById(list, selectionLists::idForNumber(column, effect));
    return r ? page.findChild<QAbstractButton *>(QLatin1String(r->objectName)) : nullptr;
}

} // namespace

class tst_DevicePageLightingScreens : public QObject
{
    Q_OBJECT

    std::shared_ptr<SimulatedHidBackend> m_backend;
    QTemporaryDir m_dir;
    xmlInterface m_xml;

    std::unique_ptr<DDevicePage> load(const QString &model)
    {
        QDir(DDataManager::instance()->getUserConfigPath() + QLatin1Char('/') + model).removeRecursively();
        const auto device = m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
        hidStructInfo record;
        std::memset(&record, 0, sizeof record);
        const SimulatedDeviceConfig c = device->config();
        record.vid = c.vendorId;
        record.pid = c.productId;
        fixedTextCopy(record.hidPath, device->path());
        fixedTextCopy(record.hidName, c.modelName);
        record.hidType = c.deviceType;

        auto page = std::make_unique<DDevicePage>();
        page->resize(1200, 790);
        const QByteArray macroFile = QFile::encodeName(m_dir.path() + QStringLiteral("/macro.xml"));
        page->setMacroFileAndXmlInterface(macroFile.constData(), &m_xml);
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            return nullptr;
        page->loadHidDeviceList({record});
        QElapsedTimer clock;
        clock.start();
        while (!page->isDeviceLoaded() && clock.elapsed() < kWaitMs)
            QTest::qWait(10);
        page->changeAppTheme();
        page->form()->pushButton_Led->click();
        return page->isDeviceLoaded() ? std::move(page) : nullptr;
    }

    bool shot(DDevicePage &page, int theme, const QString &look)
    {
        QTest::qWait(120); // a few engine frames on screen
        const QPixmap picture = page.grab();
        return !picture.isNull()
            && picture.save(outputDir() + QStringLiteral("/%1_theme%2.png").arg(look).arg(theme));
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QVERIFY(devicePageTest::devicePictureBeside(QStringLiteral("Bovelli")));
        DDataManager::instance()->setKeyNumMap({{QStringLiteral("Rosquine"), 104}});
    }

    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
    }

    void cleanup()
    {
        HidBackend::install(nullptr);
        m_backend.reset();
    }

    void cleanupTestCase() { DDataManager::instance()->loadThemeConfig(0); }

    void keyboard_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::newRow(qPrintable(QStringLiteral("theme %1").arg(theme))) << theme;
    }

    void keyboard()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        const std::unique_ptr<DDevicePage> page = load(QStringLiteral("Rosquine"));
        QVERIFY(page);
        Ui_DDevicePage *ui = page->form();

        row(*page, selectionLists::KeyEffect, selectionLists::KeyboardEffect, 2)->click();
        QVERIFY(shot(*page, theme, QStringLiteral("keys_wave")));

        ui->pushButton_SideLed->click();
        row(*page, selectionLists::SideEffect, selectionLists::SideLightEffect, 2)->click();
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_SideLed);
        QVERIFY(shot(*page, theme, QStringLiteral("side_lights_wave")));

        ui->pushButton_KeyboardLed->click();
        row(*page, selectionLists::KeyEffect, selectionLists::KeyboardEffect, 10)->click();
        QVERIFY(!ui->frame_CustomLight->isHidden());
        // A few keys painted on top of the lighting in use.
        keyboardPage *view = page->currentKeyboardPage();
        QVERIFY(view);
        for (int column = 1; column < 6; ++column) {
            if (keyboardButCustom *key = view->keyButtonGrid[1][column])
                key->click();
        }
        view->setSelectedKeysColor(0, 220, 90);
        QVERIFY(shot(*page, theme, QStringLiteral("keys_custom")));

        ui->pushButton_LightOnOff->click();
        QVERIFY(ui->frame_Custom->isHidden());
        QVERIFY(shot(*page, theme, QStringLiteral("keys_lights_off")));
    }

    void mouse_data() { keyboard_data(); }

    void mouse()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        const std::unique_ptr<DDevicePage> page = load(QStringLiteral("Bovelli"));
        QVERIFY(page);
        Ui_DDevicePage *ui = page->form();

        page->onScrollLinkStatus(1);
        page->onSelectMouseLightType(1);
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_KeyboardLed);
        QVERIFY(shot(*page, theme, QStringLiteral("mouse_scroll_linked")));

        page->onScrollLinkStatus(0);
        page->onSelectMouseLightType(1);
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_MouseScrollAndLogo);
        QVERIFY(shot(*page, theme, QStringLiteral("mouse_scroll_unlinked")));
    }
};

QTEST_MAIN(tst_DevicePageLightingScreens)
#include "tst_devicepagelightingscreens.moc"
