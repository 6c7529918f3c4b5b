// The device page's key panel and mouse views in a real X window, in each
// theme, written to build/devicepage-keys-screenshots/ for a person to look
// at: the remap and combination pages with the on-screen keyboard and its
// marks, the customised-keys list with the marked keys, and the mouse with
// bound buttons and its DPI view.
#include "DChangeKeyPage.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DKeyCombinationPage.h"
#include "DMousePage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "SoftKeyboardButCustom.h"
#include "xmlInterface.h"
#include "ui_DDevicePage.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kWaitMs = 5000;

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/devicepage-keys-screenshots");
    QDir().mkpath(dir);
    return dir;
}

bool save(QWidget *widget, const QString &name, int theme)
{
    QApplication::processEvents();
    const QPixmap shot = widget->grab();
    return !shot.isNull() && shot.save(outputDir() + QStringLiteral("/%1_%2.png").arg(name).arg(theme));
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

void clickSoftKey(DDevicePage &page, int code)
{
    for (SoftKeyboardButCustom *key : page.findChildren<SoftKeyboardButCustom *>()) {
        if (key->getKeyCode() == code && key->isVisible()) {
            QTest::mouseClick(key, Qt::LeftButton);
            return;
        }
    }
}

} // namespace

class tst_DeviceKeysScreenshots : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    QTemporaryDir m_dir;
    xmlInterface m_xml;

    bool select(DDevicePage &page, const SimulatedDevice &device)
    {
        emit page.sigHomePageDeviceItemClicked(device.path());
        return QTest::qWaitFor([&] { return page.isDeviceLoaded() && page.currentDevicePath() == device.path(); },
                               kWaitMs);
    }

private slots:
    void init()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QDir userConfig(DDataManager::instance()->getUserConfigPath());
        userConfig.removeRecursively();
        QDir().mkpath(userConfig.path());
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
        m_mouse = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_backend.reset();
        DDataManager::instance()->loadThemeConfig(0);
    }

    void keysAndMouse_data()
    {
        QTest::addColumn<int>("theme");
        const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
        for (int i = 0; i < 5; ++i)
            QTest::newRow(names[i]) << i;
    }
    void keysAndMouse()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        const QString macroFile = m_dir.filePath(QStringLiteral("macro.xml"));
        m_xml.createXmlFile(macroFile);
        DDevicePage page;
        page.resize(1200, 790);
        page.setMacroFileAndXmlInterface(macroFile.toLocal8Bit().constData(), &m_xml);
        page.changeAppTheme();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)});
        QVERIFY(select(page, *m_keyboard));

        // Keys bound before: marked on the view.
        const QList<QPair<int, QByteArray>> bound = {{41, "Esc"}, {58, "F1"}, {59, "F2"}};
        for (const auto &key : bound) {
            m_xml.addKeyInfo(page.proFilePath(), "1", QByteArray::number(key.first), key.second, "3", "1", "1", "2");
            page.onShoudUpdateKeyboard(key.first);
        }

        // The remap page with a captured key, over the on-screen keyboard.
        page.onKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(2);
        auto *remap = page.findChild<DChangeKeyPage *>();
        emit remap->sigChangKeyOrCombinationKeyFocusIn(true);
        clickSoftKey(page, 5);
        QVERIFY(save(&page, QStringLiteral("keyboard_remap"), theme));

        // The combination page with its modifiers marked on the on-screen
        // keyboard (a completed combination clears the marks).
        page.onCurIndexChanged_Key(7);
        auto *combination = page.findChild<DKeyCombinationPage *>();
        emit combination->sigChangKeyOrCombinationKeyFocusIn(true);
        clickSoftKey(page, 224);
        clickSoftKey(page, 225);
        QVERIFY(save(&page, QStringLiteral("keyboard_combination"), theme));

        // The customised-keys list after a save.
        page.onCurIndexChanged_Key(2);
        emit remap->sigChangKeyOrCombinationKeyFocusIn(true);
        clickSoftKey(page, 7);
        remap->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        page.onCurIndexChangedOperate(1);
        page.form()->pushButton_CustomList->setChecked(true);
        QVERIFY(save(&page, QStringLiteral("keyboard_customlist"), theme));

        // The mouse with bound buttons and its DPI view.
        QVERIFY(select(page, *m_mouse));
        m_xml.addKeyInfo(page.proFilePath(), "1", "2", "Right Click", "2", "1", "1", "1,6");
        m_xml.addKeyInfo(page.proFilePath(), "1", "4", "Center Click", "4", "1", "1", "4");
        page.onMouseButtonClicked(5);
        page.onShoudUpdateKeyboard(4);
        page.onMouseButtonClicked(4);
        page.onShoudUpdateKeyboard(2);
        QVERIFY(save(&page, QStringLiteral("mouse_buttons"), theme));
        page.form()->pushButton_MouseDpiConfig->click();
        QCOMPARE(page.form()->stackedWidget_Tool->currentWidget(), page.form()->page_MouseDpiConfig);
        QVERIFY(save(&page, QStringLiteral("mouse_dpi"), theme));
    }
};

// The page keeps each device's profile file under the program's data
// folder: a folder of the test's own.
int main(int argc, char **argv)
{
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    tst_DeviceKeysScreenshots test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_devicekeysscreenshots.moc"
