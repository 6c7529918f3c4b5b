// The device page in a real X window, written to build/devicepage-screenshots/
// for a person to look at: the page without a device, each side panel with
// the tool pages below the device area, a mouse's panels and the
// explanation pop-up. The form's
// own look: the theme comes with the device. Also the pop-up under a real
// pointer, which it must not take from its button.
#include "ArrowWidget.h"
#include "DDevicePage.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "devicePageTestSupport.h"
#include "deviceToolTabs.h"
#include "hidStructInfo.h"
#include "ui_DDevicePage.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

namespace {

// Counts the times a widget is hidden.
class HideCounter : public QObject
{
public:
    int hides = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        hides += event->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/devicepage-screenshots");
    QDir().mkpath(dir);
    return dir;
}

bool save(const QPixmap &shot, const QString &name)
{
    return !shot.isNull() && shot.save(outputDir() + QStringLiteral("/%1.png").arg(name));
}

} // namespace

class tst_DevicePageScreenshots : public QObject
{
    Q_OBJECT

private:
    DDevicePage *m_page = nullptr;

    Ui_DDevicePage *ui() const { return m_page->form(); }

    // The device area as it stands while a device of the type is shown: its
    // own tool tabs, and the mode bar for a keyboard only.
    void showDeviceArea(int hidType = kHidTypeKeyboard)
    {
        ui()->stackedWidget_KeyboardArea->setCurrentWidget(ui()->page_KeyboardShow);
        const deviceToolTabs tabs = deviceToolTabs::forDevice(hidType, 0);
        ui()->pushButton_Performance->setVisible(tabs.performance);
        ui()->pushButton_CustomList->setVisible(tabs.customList);
        ui()->pushButton_SoftKeyboard->setVisible(tabs.softKeyboard);
        ui()->pushButton_MousePerformance->setVisible(tabs.mousePerformance);
        ui()->pushButton_MouseDpiConfig->setVisible(tabs.mouseDpiConfig);
        ui()->frame_HidDeviceTypeChang->setVisible(hidType == kHidTypeKeyboard);
    }

private slots:
    void init()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QVERIFY(devicePageTest::devicePictureBeside(QStringLiteral("Bovelli")));
        m_page = new DDevicePage;
        m_page->resize(1200, 790);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }
    void cleanup()
    {
        delete m_page;
        m_page = nullptr;
    }

    void noDevice()
    {
        QCOMPARE(ui()->stackedWidget_KeyboardArea->currentWidget(), ui()->page_TipShow);
        QVERIFY(save(m_page->grab(), QStringLiteral("no_device")));
    }

    void panels_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("tool");
        QTest::newRow("keys") << "page_CustomKey" << "" << "page_CustomList";
        QTest::newRow("keys_macro") << "page_CustomKey" << "page_Macro" << "page_CustomList";
        QTest::newRow("keys_mouse") << "page_CustomKey" << "page_Mouse" << "page_CustomList";
        QTest::newRow("lighting_keys") << "page_CustomLed" << "page_KeyboardLed" << "page_LightOffOrOpen";
        QTest::newRow("lighting_side") << "page_CustomLed" << "page_SideLed" << "page_LightOffOrOpen";
        QTest::newRow("lighting_scroll_logo") << "page_CustomLed" << "page_MouseScrollAndLogo"
                                              << "page_LightOffOrOpen";
        QTest::newRow("profiles") << "page_ProfileOperate" << "" << "page_Performance";
        QTest::newRow("soft_keyboard") << "page_CustomKey" << "" << "page_SoftKeyboard";
    }
    void panels()
    {
        QFETCH(QString, panel);
        QFETCH(QString, list);
        QFETCH(QString, tool);
        showDeviceArea(list.startsWith(QLatin1String("page_MouseScroll")) ? kHidTypeMouse : kHidTypeKeyboard);
        ui()->frame_Custom->show();
        ui()->stackedWidget_CustomAll->setCurrentWidget(m_page->findChild<QWidget *>(panel));
        // The lighting panel's effect list, or the key panel's function page.
        if (list.startsWith(QLatin1String("page_Keyboard")) || list.startsWith(QLatin1String("page_Side"))
            || list.startsWith(QLatin1String("page_MouseScroll")))
            ui()->stackedWidget->setCurrentWidget(m_page->findChild<QWidget *>(list));
        else if (!list.isEmpty())
            ui()->stackedWidget_Customize->setCurrentWidget(m_page->findChild<QWidget *>(list));
        ui()->stackedWidget_Tool->setCurrentWidget(m_page->findChild<QWidget *>(tool));
        ui()->lightOperateFrame->setVisible(panel == QLatin1String("page_CustomLed"));
        ui()->frame_6->setMaximumHeight(tool == QLatin1String("page_LightOffOrOpen") ? 100 : 200);
        ui()->frame_7->setVisible(tool != QLatin1String("page_LightOffOrOpen"));
        QTest::qWait(50);
        QVERIFY(save(m_page->grab(), QStringLiteral("panel_%1").arg(QTest::currentDataTag())));
    }

    // A mouse: its picture over the DPI or report-rate view, and its
    // lighting page over the lighting panel.
    void mousePanels_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("tool");
        QTest::newRow("buttons_dpi") << "page_deviceShow" << "page_CustomKey" << "page_MouseDpiConfig";
        QTest::newRow("buttons_report_rate") << "page_deviceShow" << "page_CustomKey" << "page_MousePerformance";
        QTest::newRow("lighting") << "page_MouseLight" << "page_CustomLed" << "page_LightOffOrOpen";
    }
    void mousePanels()
    {
        QFETCH(QString, device);
        QFETCH(QString, panel);
        QFETCH(QString, tool);
        m_page->buildMouseView(QStringLiteral("Bovelli"));
        showDeviceArea(kHidTypeMouse);
        ui()->stackedWidget_DeviceChang->setCurrentWidget(m_page->findChild<QWidget *>(device));
        ui()->frame_Custom->show();
        ui()->stackedWidget_CustomAll->setCurrentWidget(m_page->findChild<QWidget *>(panel));
        ui()->stackedWidget->setCurrentWidget(ui()->page_KeyboardLed);
        ui()->stackedWidget_Customize->setCurrentWidget(ui()->page_Default);
        ui()->stackedWidget_Tool->setCurrentWidget(m_page->findChild<QWidget *>(tool));
        const bool lighting = panel == QLatin1String("page_CustomLed");
        ui()->lightOperateFrame->setVisible(lighting);
        ui()->frame_6->setMaximumHeight(lighting ? 100 : 240);
        ui()->frame_7->setVisible(!lighting);
        QTest::qWait(50);
        QVERIFY(m_page->currentMousePage()->isVisible() != lighting);
        QVERIFY(m_page->currentMouseLightPage()->isVisible() == lighting);
        QVERIFY(save(m_page->grab(), QStringLiteral("mouse_%1").arg(QTest::currentDataTag())));
    }

    void explainPopup()
    {
        showDeviceArea();
        QToolButton *button = ui()->toolButton_Explain;
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button, &enter);
        ArrowWidget *popup = m_page->explainPopup();
        QVERIFY(popup);
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QTest::qWait(50);

        // The page and the pop-up as they lie on the screen.
        QRect area = m_page->frameGeometry() | popup->frameGeometry();
        area.adjust(-10, -10, 10, 10);
        QPixmap shot(area.size());
        shot.fill(QColor(90, 90, 96));
        QPainter painter(&shot);
        painter.drawPixmap(m_page->mapToGlobal(QPoint(0, 0)) - area.topLeft(), m_page->grab());
        painter.drawPixmap(popup->pos() - area.topLeft(), popup->grab());
        painter.end();
        QVERIFY(save(shot, QStringLiteral("explain_popup")));
    }

    // The pop-up reaches over the lower part of its button; with the pointer
    // there it stays up instead of hiding and coming back.
    void explainPopupKeepsTheHover()
    {
        showDeviceArea();
        QToolButton *button = ui()->toolButton_Explain;
        QCursor::setPos(button->mapToGlobal(QPoint(button->width() / 2, button->height() - 2)));
        QTRY_VERIFY(m_page->explainPopup() && m_page->explainPopup()->isVisible());
        ArrowWidget *popup = m_page->explainPopup();
        QVERIFY(popup->geometry().contains(QCursor::pos()));
        HideCounter counter;
        popup->installEventFilter(&counter);
        QTest::qWait(300);
        QCOMPARE(counter.hides, 0);
        QVERIFY(popup->isVisible());

        QCursor::setPos(m_page->mapToGlobal(QPoint(300, 300)));
        QTRY_VERIFY(!popup->isVisible());
    }
};

QTEST_MAIN(tst_DevicePageScreenshots)
#include "tst_devicepagescreenshots.moc"
