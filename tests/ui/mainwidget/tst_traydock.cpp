// Under X11 the tray icon is made even with no tray, and docks as soon as a
// tray appears (trayer stands in for a desktop's panel).
#include "DMainWidget.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class tst_TrayDock : public QObject
{
    Q_OBJECT

private slots:
    void iconDocksWhenATrayAppears()
    {
        if (qgetenv("QT_QPA_PLATFORM") != "xcb")
            QSKIP("needs an X server (xvfb-run)");
        const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
        if (trayer.isEmpty())
            QSKIP("trayer is not installed");
        HidBackend::install(std::make_shared<SimulatedHidBackend>());
        FakeWindowParts parts;
        DMainWidget::Hooks hooks = parts.hooks();
        hooks.isSystemTrayAvailable = nullptr; // the toolkit's own word
        DMainWidget window(hooks);
        window.show();
        QVERIFY(!window.hasSystemTray());
        QVERIFY(window.trayIcon()->isVisible());

        QProcess tray;
        tray.start(trayer, {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"});
        QVERIFY(tray.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(window.hasSystemTray(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.trayIcon()->geometry().isEmpty(), 15000);

        tray.kill();
        tray.waitForFinished();
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_TrayDock)
#include "tst_traydock.moc"
