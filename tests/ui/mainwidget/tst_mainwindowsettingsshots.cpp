// The settings dialog open over the dimmed main window, as the screen shows
// it, in the dark and the light theme. Written to build/settings-screenshots/.
#include "DDataManager.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "SettingsKeys.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "ui_DMainWidget.h"

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QtTest>

class tst_MainWindowSettingsShots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (run under xvfb-run)");
    }

    void overTheWindow_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
    }

    void overTheWindow()
    {
        QFETCH(int, theme);
        const QString dir =
            qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/settings-screenshots");
        QVERIFY(QDir().mkpath(dir));
        QSettings settings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat);
        settings.setValue(SettingsKeys::ThemeIndex, theme);
        settings.setValue(SettingsKeys::LanguageIndex, 3);
        settings.sync();
        DDataManager::instance()->loadThemeConfig(theme);
        HidBackend::install(std::make_shared<SimulatedHidBackend>());
        FakeWindowParts parts;
        DMainWidget window(parts.hooks());
        window.onChangAppTheme(theme);
        window.move(0, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QImage shot;
        QTimer::singleShot(0, &window, [&] {
            DSettingsDia *dialog = window.settingsDialog();
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::qWait(100);
            const QRect area = window.frameGeometry();
            shot = QGuiApplication::primaryScreen()
                       ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                       .toImage();
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
        });
        window.form()->pushButton_Setting->click();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(dir + QStringLiteral("/over_window_theme%1.png").arg(theme)));
        window.close();
        HidBackend::install(nullptr);
        DDataManager::instance()->loadThemeConfig(0);
    }
};

QTEST_MAIN(tst_MainWindowSettingsShots)
#include "tst_mainwindowsettingsshots.moc"
