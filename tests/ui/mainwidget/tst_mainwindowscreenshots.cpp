// Pictures of the main window for a person to look at, in the dark and the
// light theme: the home page without and with devices, and the device,
// macro and linkage pages. Written to build/mainwindow-screenshots/.
#include "DDataManager.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "SettingsKeys.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "ui_DMainWidget.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

class tst_MainWindowScreenshots : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    void shoot(DMainWidget &window, const QString &name, int theme)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(50);
        const QString path = QStringLiteral("%1/%2_theme%3.png").arg(m_dir, name).arg(theme);
        QVERIFY(window.grab().save(path));
        QVERIFY(QFile::exists(path));
    }

private slots:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/mainwindow-screenshots");
        QVERIFY(QDir().mkpath(m_dir));
    }

    void pages_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
    }
    void pages()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        auto backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(backend);
        FakeWindowParts parts;
        {
            DMainWidget window(parts.hooks(false));
            window.onChangAppTheme(theme);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            shoot(window, QStringLiteral("home_nodevice"), theme);
            window.close();
        }

        backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        backend->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
        DMainWidget window(parts.hooks(false));
        window.onChangAppTheme(theme);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        shoot(window, QStringLiteral("home_devices"), theme);
        window.onCurIndexChanged(DMainWidget::PageDevice);
        shoot(window, QStringLiteral("device"), theme);
        window.onCurIndexChanged(DMainWidget::PageMacro);
        shoot(window, QStringLiteral("macro"), theme);
        window.onCurIndexChanged(DMainWidget::PageLinkage);
        shoot(window, QStringLiteral("linkage"), theme);
        window.close();
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_MainWindowScreenshots)
#include "tst_mainwindowscreenshots.moc"
