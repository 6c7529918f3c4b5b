// Pictures, in every theme, of the question that comes when the user leaves
// the device page with a lighting change unsaved: the overlay over the main
// window, and the prompt on it. Written to build/devicepage-screenshots/.
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DMainWidget.h"
#include "DTipInfoDia.h"
#include "HidBackend.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "devicePage/otherEffectRow.h"
#include "mainWindowFakes.h"
#include "ui_DDevicePage.h"

#include <QAbstractButton>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kWaitMs = 5000;
constexpr int kThemeCount = 5;

// The overlay: the page's frameless child of the window, laid over all of it.
QWidget *overlayOf(DMainWidget &window)
{
    for (QWidget *child : window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry() == window.rect())
            return child;
    }
    return nullptr;
}

} // namespace

class tst_MainWindowPromptShots : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

private slots:
    void initTestCase()
    {
        if (qgetenv("QT_QPA_PLATFORM") != "xcb" || !QGuiApplication::primaryScreen())
            QSKIP("needs an X server (xvfb-run)");
        m_dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/devicepage-screenshots");
        QVERIFY(QDir().mkpath(m_dir));
    }

    void savePromptOverTheWindow()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        HidBackend::install(backend);
        FakeWindowParts parts;
        DMainWidget::Hooks hooks = parts.hooks(false);
        hooks.makeDeviceNotifier = [backend](QObject *parent) { return new SimulatedDeviceNotifier(backend, parent); };
        DMainWidget window(hooks);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DDevicePage *page = window.devicePage();

        for (int theme = 0; theme < kThemeCount; ++theme) {
            DDataManager::instance()->loadThemeConfig(theme);
            window.onChangAppTheme(theme);
            window.onCurIndexChanged(DMainWidget::PageDevice);
            QTRY_VERIFY_WITH_TIMEOUT(page->isDeviceLoaded(), kWaitMs);
            page->onCurIndexChangedMainPage(1);
            QAbstractButton *row = otherEffectRow(page);
            QVERIFY(row);
            row->click();
            QVERIFY(page->isLightChanged());

            // Pictures while the prompt runs its own loop; then Discard.
            bool shot = false;
            QTimer::singleShot(300, this, [&] {
                auto *prompt = window.findChild<DTipInfoDia *>();
                QWidget *overlay = overlayOf(window);
                if (prompt && prompt->isVisible() && overlay) {
                    // The prompt sits over the middle of the window.
                    const QRect area(window.mapToGlobal(QPoint()), window.size());
                    shot = area.contains(prompt->frameGeometry().center(), true)
                        && window.grab().save(QStringLiteral("%1/overlay_theme%2.png").arg(m_dir).arg(theme))
                        && QGuiApplication::primaryScreen()
                               ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                               .save(QStringLiteral("%1/prompt_theme%2.png").arg(m_dir).arg(theme));
                }
                if (prompt)
                    prompt->findChild<QPushButton *>(QStringLiteral("pushButton_Discard"))->click();
            });
            window.onCurIndexChanged(DMainWidget::PageHome);
            QVERIFY2(shot, "prompt and overlay on the screen");
            QCOMPARE(window.currentPageId(), int(DMainWidget::PageHome));
            QVERIFY(!page->isLightChanged());
            QTRY_VERIFY_WITH_TIMEOUT(!overlayOf(window), kWaitMs);
        }
        window.onQuitApp();
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_MainWindowPromptShots)
#include "tst_mainwindowpromptshots.moc"
