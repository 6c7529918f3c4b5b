// The profile panel in a real X window, written to build/profiles-screenshots/
// for a person to look at: a keyboard's and a mouse's three profiles, the
// current one highlighted and its name and program in the edit area, in
// every theme.
#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "DDevicePage.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "devicePageTestSupport.h"
#include "profileTestSupport.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

constexpr int kThemeCount = 5;

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/profiles-screenshots");
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class tst_ProfilesScreenshots : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_data;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QVERIFY(devicePageTest::devicePictureBeside(QStringLiteral("Bovelli")));
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    void cleanupTestCase()
    {
        DDataManager::instance()->loadThemeConfig(0);
    }

    void panel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("theme");
        for (const char *model : {"Quissaro", "Bovelli"}) {
            for (int theme = 0; theme < kThemeCount; ++theme)
                QTest::addRow("%s_theme%d", model, theme) << QString::fromLatin1(model) << theme;
        }
    }
    void panel()
    {
        QFETCH(QString, model);
        QFETCH(int, theme);
        auto backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(backend);
        auto device = backend->addDevice(SimulatedDeviceConfig::forModel(model));
        DDataManager::instance()->loadThemeConfig(theme);
        xmlInterface xml;
        {
            DDevicePage page;
            page.setMacroFileAndXmlInterface(QString(m_data.filePath(QStringLiteral("macro.xml"))).toLocal8Bit().constData(),
                                             &xml);
            page.resize(1200, 790);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QVERIFY(profileTest::attach(page, {device.get()}));

            const QString file = page.proFilePath();
            Ui_DDevicePage *ui = page.form();
            // Added as the user adds them, with the device type's defaults.
            ui->pushButton_Add->click();
            ui->pushButton_Add->click();
            xml.setProfileInfo(file, "2", "Racing & Strategy", "/usr/games/racer", "");
            xml.setProfileInfo(file, "3", "Büro", "", "");
            xml.setProfileIndex(file, 2);
            page.onCustomEventChangProfile(2);
            if (device->config().deviceType == kHidTypeMouse)
                QCOMPARE(page.findChildren<DDpiConfigListItem *>().size(), 6); // five levels and the sniper
            // As the window does after a theme change.
            page.changeAppTheme();
            QTest::mousePress(ui->label_currentProfileName, Qt::LeftButton);
            QCOMPARE(ui->stackedWidget_CustomAll->currentWidget(), ui->page_ProfileOperate);
            QCOMPARE(ui->textEdit_profileName->toPlainText(), QStringLiteral("Racing & Strategy"));
            QTest::qWait(100);
            QVERIFY(page.grab().save(outputDir() + QStringLiteral("/%1.png").arg(QTest::currentDataTag())));
            page.closeAllDevices();
        }
        HidBackend::install(nullptr);
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
    }
};

QTEST_MAIN(tst_ProfilesScreenshots)
#include "tst_profilesscreenshots.moc"
