// The real main window on a simulated keyboard and mouse, driven as a user
// would: the tiles open the device pages, unplugs close them, a re-plug
// within one burst renews the link, and the stop tells a streaming keyboard
// to stop. Also pictures of the save prompt and its overlay in every theme.
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "DMousePage.h"
#include "DTipInfoDia.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "hidProtocolReports.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "mainWindowFakes.h"
#include "ui_DDevicePage.h"
#include "ui_DHomePage.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kWaitMs = 5000;
constexpr int kThemeCount = 5;

int tileCount(DMainWidget &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.homePage()->deviceListWidget()->findChildren<DHomeDeviceListItem *>().size();
}

int rowCount(DDevicePage *page)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return page->findChildren<DDeviceListItem *>().size();
}

bool linksReady(DMainWidget &window, int count)
{
    return QTest::qWaitFor(
        [&window, count] {
            const auto links = window.devicePage()->getDeviceLinkMap();
            if (links.size() != count)
                return false;
            for (DDeviceKeyboardLink *link : links) {
                if (!link->isInitFinished())
                    return false;
            }
            return true;
        },
        kWaitMs);
}

// Keys the lighting engine has painted a colour on.
int litKeys(keyboardPage *keyboard)
{
    int lit = 0;
    for (keyboardButCustom *key : keyboard->getKeyButtonMap()) {
        const QColor c = key->getKeyColor();
        lit += c.isValid() && (c.red() || c.green() || c.blue()) ? 1 : 0;
    }
    return lit;
}

} // namespace

class tst_MainWindowEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_simulated;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    FakeWindowParts m_parts;

    DMainWidget::Hooks realWindow()
    {
        DMainWidget::Hooks hooks = m_parts.hooks(false);
        auto simulated = m_simulated;
        hooks.makeDeviceNotifier = [simulated](QObject *parent) {
            return new SimulatedDeviceNotifier(simulated, parent);
        };
        return hooks;
    }

    static void openTile(DMainWidget &window, const QString &model)
    {
        DHomeDeviceListItem *tile = tileOf(window, model);
        QVERIFY2(tile, qPrintable(model));
        QTest::mouseClick(tile, Qt::LeftButton);
        QCOMPARE(window.currentPageId(), int(DMainWidget::PageDevice));
    }

private slots:
    void init()
    {
        m_parts = FakeWindowParts();
        m_simulated = std::make_shared<SimulatedHidBackend>();
        m_keyboard = m_simulated->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        m_mouse = m_simulated->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
        HidBackend::install(m_simulated);
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_simulated.reset();
    }

    void tilesPagesUnplugsAndStop()
    {
        DMainWidget window(realWindow());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(tileCount(window), 2);
        QVERIFY(linksReady(window, 2));
        DDevicePage *page = window.devicePage();
        const Ui_DDevicePage *form = page->form();

        // The mouse tile: the mouse pages.
        openTile(window, QStringLiteral("Bovelli"));
        QCOMPARE(page->currentDevicePath(), m_mouse->path());
        QVERIFY(page->isDeviceLoaded());
        QVERIFY(page->currentMousePage());
        QVERIFY(!page->currentKeyboardPage());

        // The keyboard tile: its picture, its stored effect sent to it, and
        // its keys lit on the lighting tab.
        window.onCurIndexChanged(DMainWidget::PageHome);
        m_keyboard->clearOutputs();
        openTile(window, QStringLiteral("Quissaro"));
        QCOMPARE(page->currentDevicePath(), m_keyboard->path());
        QVERIFY(page->isDeviceLoaded());
        QPointer<keyboardPage> keyboard = page->currentKeyboardPage();
        QVERIFY(keyboard);
        QVERIFY(!keyboard->getKeyButtonMap().isEmpty());
        QVERIFY(!page->currentMousePage());
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
        page->onCurIndexChangedMainPage(1);
        QVERIFY(QTest::qWaitFor([&] { return litKeys(keyboard) > 0; }, kWaitMs));

        // Unplugging the open keyboard: its row, tile, link and picture go,
        // the mouse is selected.
        QPointer<DDeviceKeyboardLink> keyboardLink = page->getDeviceLinkMap().value(m_keyboard->path());
        m_keyboard->unplug();
        QTRY_COMPARE_WITH_TIMEOUT(tileCount(window), 1, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!keyboardLink, kWaitMs);
        QCOMPARE(rowCount(page), 1);
        QVERIFY(!keyboard);
        QCOMPARE(page->currentDevicePath(), m_mouse->path());
        QVERIFY(page->currentMousePage());
        QVERIFY(tileOf(window, QStringLiteral("Bovelli")));

        // Then the mouse: nothing left, "Device not connected".
        QPointer<DDeviceKeyboardLink> mouseLink = page->getDeviceLinkMap().value(m_mouse->path());
        m_mouse->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!mouseLink, kWaitMs);
        QCOMPARE(rowCount(page), 0);
        QVERIFY(page->getDeviceLinkMap().isEmpty());
        // The home page shows its tip (the old tile waits unseen behind it
        // until the next list), the device page no mouse view.
        QCOMPARE(window.homePage()->form()->stackedWidget->currentWidget(), window.homePage()->form()->page_TipShow);
        QVERIFY(!page->currentMousePage() || !page->currentMousePage()->isVisible());
        QVERIFY(form->stackedWidget_KeyboardArea->currentWidget()->isAncestorOf(form->label_Tip));
        QVERIFY(form->label_Tip->isVisible());
        QCOMPARE(form->label_Tip->text(), QStringLiteral("Device not connected"));

        // Both back; then the keyboard out and in again within one burst:
        // the same path, a new link in place of the dead one.
        m_keyboard->plug();
        m_mouse->plug();
        QTRY_COMPARE_WITH_TIMEOUT(tileCount(window), 2, kWaitMs);
        QVERIFY(linksReady(window, 2));
        openTile(window, QStringLiteral("Quissaro"));
        QPointer<DDeviceKeyboardLink> before = page->getDeviceLinkMap().value(m_keyboard->path());
        MainHidInterFace *beforeHid = before->getHidInterface();
        m_keyboard->unplug();
        m_keyboard->plug();
        QVERIFY(QTest::qWaitFor([beforeHid] { return beforeHid->isDeviceLost(); }, kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(!before, kWaitMs);
        QVERIFY(linksReady(window, 2));
        DDeviceKeyboardLink *renewed = page->getDeviceLinkMap().value(m_keyboard->path());
        QVERIFY(renewed && renewed->getHidInterface()->isHidOpen());
        QCOMPARE(m_keyboard->openConnectionCount(), 1);
        QCOMPARE(tileCount(window), 2);
        QCOMPARE(rowCount(page), 2);
        QTRY_COMPARE_WITH_TIMEOUT(page->currentDevicePath(), m_keyboard->path(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(page->isDeviceLoaded(), kWaitMs);

        // Synchronised lights stream to the keyboard; the stop ends that.
        page->onCurIndexChangedMainPage(1);
        if (!form->checkBox_LightSynchronize->isChecked())
            form->checkBox_LightSynchronize->click();
        QVERIFY(renewed->getHidInterface()->isLightStreaming());
        QVERIFY(m_keyboard->waitForOutput(
            [](const QList<hidReportData> &reports) {
                for (const hidReportData &r : reports) {
                    if (r[kHidCommandByte] == HidCmd::LightSynchronize && r[kHidPayloadOffset] == 1)
                        return true;
                }
                return false;
            },
            kWaitMs));
        m_keyboard->clearOutputs();
        window.onQuitApp();
        QCOMPARE(m_parts.exits, QList<int>{0});
        const QList<hidReportData> sync = m_keyboard->outputReports(HidCmd::LightSynchronize);
        QVERIFY(!sync.isEmpty());
        QCOMPARE(sync.last()[kHidPayloadOffset], 0);
        QCOMPARE(m_keyboard->openConnectionCount(), 0);
        QCOMPARE(m_mouse->openConnectionCount(), 0);
    }
};

QTEST_MAIN(tst_MainWindowEndToEnd)
#include "tst_mainwindowendtoend.moc"
