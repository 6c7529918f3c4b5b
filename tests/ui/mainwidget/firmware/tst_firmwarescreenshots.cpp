#include "CbNotice.h"
#include "firmwareTestFixture.h"

#include <QDir>
#include <QLabel>
#include <QScreen>

// The update dialog over the dimmed window, on a real X display, in its
// states (idle, at 33%, succeeded, failed), in every theme (0 Dark, 1 Light,
// 2 Blue, 3 Pink, 4 Other), written to build/firmware-screenshots/ for a person to look at.
class tst_FirmwareScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (run under xvfb-run)");
        m_dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/firmware-screenshots");
        QVERIFY(QDir().mkpath(m_dir));
        DDataManager::instance()->setLikeNameMap(
            {{"Quissaro", "Quarrodin"}, {"Ryzzmond", "Quelvane"}, {"Bovelli", "Bovelli"}});
        DDataManager::instance()->setProductNameMap({{"Bovelli", "Tracer"}});
    }

    void cleanupTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            DDataManager::instance()->loadThemeConfig(0);
    }

    void states_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
        QTest::newRow("blue") << 2;
        QTest::newRow("pink") << 3;
        QTest::newRow("other") << 4;
    }

    void states()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        const QString suffix = QStringLiteral("_theme%1.png").arg(theme);
        FirmwareFixture f({"Quissaro", "Ryzzmond", "Bovelli"});
        for (const auto &device : f.devices) {
            SimBootloaderConfig boot = device->config().bootloader;
            boot.ignoreEnter = true; // the states are set by hand
            device->setBootloaderConfig(boot);
        }
        QPalette palette = f.window.palette();
        palette.setColor(QPalette::Window,
                         themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().MainWidgetBgColor));
        f.window.setPalette(palette);
        f.window.setAutoFillBackground(true);
        f.window.setGeometry(40, 40, 1100, 700);
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));

        QVERIFY(f.control->checkFirmwareUpgrade(0));
        QTRY_VERIFY(f.dialog());
        QVERIFY(QTest::qWaitForWindowExposed(f.dialog()));
        save(f, QStringLiteral("dialog_idle") + suffix);

        f.pressUpdate("Quissaro");
        f.dialog()->setUpgradeProgress(3, 1);
        QTRY_COMPARE(f.row("Quissaro")->findChild<QLabel *>(QStringLiteral("label_ProgressNum"))->text(),
                     QStringLiteral("33%"));
        save(f, QStringLiteral("dialog_33percent") + suffix);

        f.dialog()->setUpgradeProgress(3, 3);
        f.dialog()->notifyUpgradeSucceeded();
        QTRY_VERIFY(f.dialog()->notice()->isVisible());
        save(f, QStringLiteral("dialog_succeeded") + suffix);

        f.pressUpdate("Bovelli");
        f.dialog()->setUpgradeProgress(640, 200);
        f.dialog()->notifyUpgradeFailed();
        QTRY_VERIFY(f.dialog()->notice()->isVisible());
        save(f, QStringLiteral("dialog_failed") + suffix);
    }

private:
    void save(FirmwareFixture &f, const QString &name)
    {
        QTest::qWait(150);
        const QRect area = f.window.frameGeometry();
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                                          area.height());
        const QString path = m_dir + QLatin1Char('/') + name;
        QVERIFY(shot.save(path));
        QVERIFY(QFileInfo::exists(path));
    }

    QString m_dir;
};

QTEST_MAIN(tst_FirmwareScreenshots)
#include "tst_firmwarescreenshots.moc"
