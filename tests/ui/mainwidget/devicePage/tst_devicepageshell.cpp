// The device page as built, with no device attached: its button groups and
// hosted pages, its toasts and where they go, the tabs it refuses, the tool
// pages and close buttons, the on-board margins, the explanation pop-up, and
// every entry point answered without a file or a view.
#include "ArrowWidget.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DChangProfilePage.h"
#include "DChangeKeyPage.h"
#include "DCustomEventListPage.h"
#include "DDataManager.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DHotKeyPage.h"
#include "DKeyCombinationPage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DMultimediaPage.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "DTipInfoDia.h"
#include "DmouseConfigView.h"
#include "devicePageGeometry.h"
#include "devicePageTestSupport.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "mouseLightDealMain.h"
#include "onboardExplainDia.h"
#include "ui_DDevicePage.h"

#include <QButtonGroup>
#include <QDirIterator>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPointer>
#include <QTranslator>
#include <QtTest>

namespace {

const QString kNoDevice = QStringLiteral("Please open hid first!");

// The page with its event filter within reach.
class TestPage : public DDevicePage
{
public:
    using DDevicePage::DDevicePage;
    using DDevicePage::eventFilter;
};

QStringList namesOf(const QList<QAbstractButton *> &buttons)
{
    QStringList names;
    for (QAbstractButton *b : buttons)
        names.append(b->objectName());
    return names;
}

QStringList rowNames(selectionLists::List list)
{
    QStringList names;
    for (const selectionLists::Row &row : selectionLists::rowsById(list))
        names.append(QString::fromLatin1(row.objectName));
    return names;
}

// Every file under the test's home, with its size and time, the daily log
// left out.
QStringList filesUnderHome()
{
    QStringList files;
    QDirIterator it(QDir::homePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.filePath().contains(QLatin1String("LogCollect")))
            continue;
        files.append(QStringLiteral("%1 %2 %3").arg(it.filePath()).arg(it.fileInfo().size())
                         .arg(it.fileInfo().lastModified().toMSecsSinceEpoch()));
    }
    files.sort();
    return files;
}

QList<ArrowWidget *> arrowWindows()
{
    QList<ArrowWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *a = qobject_cast<ArrowWidget *>(w))
            found.append(a);
    }
    return found;
}

void hover(QWidget *w, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(w, &event);
}

} // namespace

class tst_DevicePageShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<double>>();
        qRegisterMetaType<QList<QColor>>();
    }

    void buttonGroups_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("slot");
        QTest::newRow("main") << QStringList{"pushButton_Custom", "pushButton_Led", "pushButton_PerformanceChang"}
                              << QList<int>{0, 1, 2} << "onCurIndexChangedMainPage(int)";
        QTest::newRow("key functions") << rowNames(selectionLists::KeyFunction)
                                       << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << "onCurIndexChanged_Key(int)";
        QTest::newRow("lighting zone") << QStringList{"pushButton_KeyboardLed", "pushButton_SideLed"}
                                       << QList<int>{0, 1} << "onCurIndexChanged_LedSelect(int)";
        // Ids in construction order, not in effect-number order.
        QTest::newRow("key effects")
            << QStringList{"toolButton_Static",   "toolButton_Neon",         "toolButton_Breath",
                           "toolButton_Wave",     "toolButton_Twinkle",      "toolButton_Snack",
                           "toolButton_Radar",    "toolButton_Aurora",       "toolButton_Ripple",
                           "toolButton_SpeedRespond", "toolButton_Reactive", "toolButton_CustomLed",
                           "toolButton_Cross",    "toolButton_MouseDPI",     "toolButton_MusicalRhythm",
                           "toolButton_AutoRipple", "toolButton_Striation",  "toolButton_Fireworks"}
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17} << "onCurIndexChanged_Led(int)";
        QTest::newRow("side effects") << QStringList{"toolButton_SideStatic", "toolButton_SideNeon",
                                                     "toolButton_SideBreath", "toolButton_SideWave",
                                                     "toolButton_SideCollision"}
                                      << QList<int>{0, 1, 2, 3, 4} << "onCurIndexChanged_SideLed(int)";
        QTest::newRow("scroll and logo") << QStringList{"toolButton_MouseScrollAndLogoStatic",
                                                        "toolButton_MouseScrollAndLogoNeon",
                                                        "toolButton_MouseScrollAndLogoBreath",
                                                        "toolButton_MouseScrollAndLogoDPI"}
                                         << QList<int>{0, 1, 2, 3} << "onCurIndexChanged_ScrollAndLogoLed(int)";
        QTest::newRow("tool pages") << QStringList{"pushButton_Performance", "pushButton_CustomList",
                                                   "pushButton_SoftKeyboard", "pushButton_MousePerformance",
                                                   "pushButton_MouseDpiConfig"}
                                    << QList<int>{0, 1, 2, 3, 4} << "onCurIndexChangedOperate(int)";
        QTest::newRow("device mode") << QStringList{"pushButton_AppMode", "pushButton_OnboardMode"}
                                     << QList<int>{0, 1} << "onCurIndexChangedSelMode(int)";
        QTest::newRow("on-board layer") << QStringList{"pushButton_Default", "pushButton_FN1"} << QList<int>{0, 1}
                                        << "onCurIndexChangedOn_board(int)";
    }
    void buttonGroups()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QList<int>, ids);
        QFETCH(QString, slot);
        DDevicePage page;
        auto *first = page.findChild<QAbstractButton *>(buttons.first());
        QVERIFY(first);
        QButtonGroup *group = page.buttonGroupOf(first);
        QVERIFY(group);
        QVERIFY(group->exclusive());
        QCOMPARE(group->parent(), &page);
        QCOMPARE(namesOf(group->buttons()), buttons);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(group->id(page.findChild<QAbstractButton *>(buttons.at(i))), ids.at(i));
        QCOMPARE(devicePageTest::connectionsTo(group, "DDevicePage"),
                 QStringList{QStringLiteral("buttonClicked(int) -> DDevicePage::%1").arg(slot)});
    }

    void hostedPages()
    {
        DDevicePage page;
        const Ui_DDevicePage *ui = page.form();
        struct Hosted
        {
            QWidget *widget;
            QWidget *host;
        };
        const QList<Hosted> hosted{
            {page.findChild<DResetDefaultPage *>(), ui->page_Default},
            {page.findChild<DMacroCmdPage *>(), ui->page_Macro},
            {page.findChild<DChangeKeyPage *>(), ui->page_RemapKey},
            {page.findChild<DMouseKeyPage *>(), ui->page_Mouse},
            {page.findChild<DKeyWithTextPage *>(), ui->page_Text},
            {page.findChild<DKeyDisablePage *>(), ui->page_Disable},
            {page.findChild<DMultimediaPage *>(), ui->page_Multimedia},
            {page.findChild<DKeyCombinationPage *>(), ui->page_CombinationKey},
            {page.findChild<DHotKeyPage *>(), ui->page_Shortcuts},
            {page.findChild<DChangProfilePage *>(), ui->page_SwitchProfile},
            {page.findChild<DKeyWithAppPage *>(), ui->page_OpenApp},
            {page.findChild<DPerformancePage *>(), ui->page_Performance},
            {page.findChild<DCustomEventListPage *>(), ui->page_CustomList},
            {page.findChild<DSoftKeyboardPage *>(), ui->page_SoftKeyboard},
            {page.findChild<DmouseConfigView *>(), ui->page_MouseDpiConfig},
            {page.findChild<DMousePerformanceView *>(), ui->page_MousePerformance},
            {page.findChild<ColorWheelTool *>(), ui->page},
        };
        for (const Hosted &h : hosted) {
            QVERIFY(h.widget);
            QCOMPARE(h.widget->parentWidget(), h.host);
            QVERIFY(h.host->layout()->indexOf(h.widget) >= 0);
        }
        QCOMPARE(page.findChild<DTipInfoDia *>()->parent(), &page);
        QCOMPARE(page.notice()->parent(), &page);
        QCOMPARE(page.notice()->font().pixelSize(), 14);
    }

    void subPageConnections_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QStringList>("connections");
        QTest::newRow("colour panel") << "ColorWheelTool" << QStringList{
            "sigSendUpdataColorBuildUp(QList<double>,QList<QColor>) -> "
            "DDevicePage::onSendUpdataColorBuildUp(QList<double>,QList<QColor>)",
            "sigInitColorOver() -> DDevicePage::onInitColorOver()",
            "sigSendSetKeyboardColorData() -> DDevicePage::onSendSetKeyboardColorData()",
            "sigSendSetSideColorData() -> DDevicePage::onSendSetSideColorData()",
            "sigLightConfigHaveChanged(int,int) -> DDevicePage::onLightConfigHaveChanged(int,int)",
            "sigSelectKeyboardLightType(int) -> DDevicePage::onSelectKeyboardLightType(int)",
            "sigSelectSideLightType(int) -> DDevicePage::onSelectSideLightType(int)",
            "sigLightOpenOrCloseType(int) -> DDevicePage::onLightOpenOrCloseType(int)",
            "sigSetLightEffectSuccessful() -> DDevicePage::onSetLightEffectSuccessful()",
            "sigLightCancelSettings(int) -> DDevicePage::onLightCancelSettings(int)",
            "sigSelectightTypeMouseAround(int) -> DDevicePage::onSelectMouseAroundLightType(int)",
            "sigSelectightTypeMouseScroll(int) -> DDevicePage::onSelectMouseScrollLightType(int)",
            "sigSelectightTypeMouseLogo(int) -> DDevicePage::onSelectMouseLogoLightType(int)",
            "sigSendSetMouseColorData(int) -> DDevicePage::onSendSetMouseColorData(int)"};
        const QStringList keyPage{
            "sigShoudUpdateKeyboard(int) -> DDevicePage::onShoudUpdateKeyboard(int)",
            "sigCustomKeyInfoSaveSuccessful() -> DDevicePage::onCustomKeyInfoSaveSuccessful()",
            "sigClickedCancel() -> DDevicePage::onClickedCancel()",
            "sigCustomKeyInfoSaveFailed(QString) -> DDevicePage::onCustomKeyInfoSaveFailed(QString)"};
        const QStringList capture{
            "sigChangKeyOrCombinationKeyFocusIn(bool) -> DDevicePage::onChangKeyOrCombinationKeyFocusIn(bool)"};
        for (const char *plain : {"DMacroCmdPage", "DMouseKeyPage", "DKeyWithTextPage", "DKeyDisablePage",
                                  "DMultimediaPage", "DHotKeyPage", "DChangProfilePage", "DKeyWithAppPage"})
            QTest::newRow(plain) << plain << keyPage;
        // The reset page's update goes to the reload of the key's label.
        QTest::newRow("DResetDefaultPage") << "DResetDefaultPage" << QStringList{
            "sigShoudUpdateKeyboard(int) -> DDevicePage::onKeyboardAlreadyLoad(int)", keyPage.at(1), keyPage.at(2),
            keyPage.at(3)};
        QTest::newRow("DChangeKeyPage") << "DChangeKeyPage" << keyPage + capture;
        QTest::newRow("DKeyCombinationPage") << "DKeyCombinationPage" << keyPage + capture + QStringList{
            "sigSoftKeyboardClickedKeyReset() -> DDevicePage::onSoftKeyboardClickedKeyReset()",
            "sigResetSoftKeyStatusToDefault(int) -> DDevicePage::onResetSoftKeyStatusToDefault(int)"};
        QTest::newRow("customised keys") << "DCustomEventListPage" << QStringList{
            "sigCustomEventItemMouseClicked(int,QString) -> DDevicePage::onKeyboardClicked(int,QString)"};
        QTest::newRow("performance page") << "DPerformancePage" << QStringList{
            "sigResetoreCurrentProfile() -> DDevicePage::onResetoreCurrentProfile()"};
        QTest::newRow("on-screen keyboard") << "DSoftKeyboardPage" << QStringList{
            "sigSoftKeyboardAlreadyLoad() -> DDevicePage::onSoftKeyboardAlreadyLoad()",
            "sigSoftKeyboardClicked(int,QString) -> DDevicePage::onSoftKeyboardClicked(int,QString)"};
        QTest::newRow("DPI view") << "DmouseConfigView" << QStringList{
            "sigDpiConfigChanged() -> DDevicePage::onMouseDpiInfoSet()"};
        QTest::newRow("report-rate view") << "DMousePerformanceView" << QStringList{
            "sigCurIndexChanged_MouseRateNumIndex(int) -> DDevicePage::onCurIndexChanged_MouseRateNumIndex(int)",
            "sigResetoreMouseCurrentProfile() -> DDevicePage::onResetoreMouseCurrentProfile()"};
        QTest::newRow("save prompt") << "DTipInfoDia" << QStringList{
            "sigTipInfoDiaClose() -> DDevicePage::onTipInfoDiaClose()"};
        QTest::newRow("on-board profiles") << "comboBox_OnboardProfile" << QStringList{
            "currentIndexChanged(QString) -> DDevicePage::onOnboardProfileComboxCurrentIndexChanged(QString)"};
        QTest::newRow("the page itself") << "DDevicePage" << QStringList{
            "sigHomePageDeviceItemClicked(QString) -> DDevicePage::onHomePageDeviceItemClicked(QString)",
            "sigMacroListHaveChangedSendToDevice(QString,QString) -> "
            "DDevicePage::onMacroListHaveChangedSendToDevice(QString,QString)",
            "sigHookKeyboardRecviveStreamToDevice(int,int,int) -> "
            "DDevicePage::onHookKeyboardRecviveStreamToDevice(int,int,int)"};
    }
    void subPageConnections()
    {
        QFETCH(QString, sender);
        QFETCH(QStringList, connections);
        DDevicePage page;
        QObject *object = &page;
        if (sender != "DDevicePage") {
            object = page.findChild<QObject *>(sender);
            for (QObject *o : page.findChildren<QObject *>()) {
                if (!object && sender == QLatin1String(o->metaObject()->className()))
                    object = o;
            }
        }
        QVERIFY(object);
        QStringList actual = devicePageTest::connectionsTo(object, "DDevicePage");
        actual.sort();
        connections.sort();
        QCOMPARE(actual, connections);
    }

    // A binding a key-function page could not store is told in a toast.
    void keyFunctionSaveFailureToasts()
    {
        DDevicePage page;
        page.resize(1200, 790);
        emit page.findChild<DKeyWithTextPage *>()->sigCustomKeyInfoSaveFailed(QStringLiteral("No profile is open."));
        QCOMPARE(page.notice()->text(), QStringLiteral("No profile is open."));
        QVERIFY(page.notice()->isVisibleTo(&page));
    }

    // Nothing per device exists yet; the engines belong to no parent.
    void nothingPerDevice()
    {
        DDevicePage page;
        QVERIFY(page.keyboardEngine());
        QVERIFY(!page.keyboardEngine()->parent());
        QVERIFY(page.mouseEngine());
        QVERIFY(!page.mouseEngine()->parent());
        QVERIFY(page.findChildren<DDeviceListItem *>().isEmpty());
        QVERIFY(page.findChildren<keyboardPage *>().isEmpty());
        QVERIFY(!page.currentKeyboardPage());
        QVERIFY(page.findChildren<DMousePage *>().isEmpty());
        QVERIFY(page.findChildren<DMouseLightPage *>().isEmpty());
        QVERIFY(page.getDeviceLinkMap().isEmpty());
        QVERIFY(page.getHidDeviceList().isEmpty());
        QCOMPARE(page.form()->horizontalLayout_24->count(), 1);
        QVERIFY(!page.isLightChanged());
    }

    // A mouse's picture and lighting page go into their hosts, wired to the
    // page; the next mouse's views replace them.
    void mouseViews()
    {
        DDevicePage page;
        const Ui_DDevicePage *ui = page.form();
        QPointer<DMousePage> firstPicture;
        QPointer<DMouseLightPage> firstLighting;
        for (int round = 0; round < 2; ++round) {
            page.buildMouseView(QStringLiteral("Bovelli"));
            DMousePage *picture = page.currentMousePage();
            DMouseLightPage *lighting = page.currentMouseLightPage();
            QVERIFY(picture && lighting);
            QVERIFY(picture->isLoaded());
            QVERIFY(!lighting->getLedWidgets().isEmpty());
            QCOMPARE(picture->parentWidget(), ui->hidDeviceShowFrame);
            QCOMPARE(ui->hidDeviceShowFrame->layout()->indexOf(picture), 0);
            QCOMPARE(lighting->parentWidget(), ui->mouseLightFrame);
            QCOMPARE(ui->mouseLightFrame->layout()->indexOf(lighting), 0);
            QCOMPARE(page.findChildren<DMousePage *>().size(), 1);
            QCOMPARE(page.findChildren<DMouseLightPage *>().size(), 1);

            QStringList pictureWiring = devicePageTest::connectionsTo(picture, "DDevicePage");
            pictureWiring.sort();
            QCOMPARE(pictureWiring,
                     (QStringList{"sigMouseButtonClicked(int) -> DDevicePage::onMouseButtonClicked(int)",
                                  "sigMouseInfoAlreadyLoad() -> DDevicePage::onMouseInfoAlreadyLoad()"}));
            QStringList lightingWiring = devicePageTest::connectionsTo(lighting, "DDevicePage");
            lightingWiring.sort();
            QCOMPARE(lightingWiring,
                     (QStringList{"sigLogoLinkStatus(int) -> DDevicePage::onLogoLinkStatus(int)",
                                  "sigScrollLinkStatus(int) -> DDevicePage::onScrollLinkStatus(int)",
                                  "sigSelectMouseLightType(int) -> DDevicePage::onSelectMouseLightType(int)"}));
            if (round == 0) {
                firstPicture = picture;
                firstLighting = lighting;
            }
        }
        QVERIFY(!firstPicture);
        QVERIFY(!firstLighting);
    }

    // Only a left press on the profile name asks for a device; it is not
    // consumed, nor are the others.
    void profileNamePress_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("toast");
        QTest::newRow("left press") << int(QEvent::MouseButtonPress) << int(Qt::LeftButton) << true;
        QTest::newRow("right press") << int(QEvent::MouseButtonPress) << int(Qt::RightButton) << false;
        QTest::newRow("middle press") << int(QEvent::MouseButtonPress) << int(Qt::MiddleButton) << false;
        QTest::newRow("left release") << int(QEvent::MouseButtonRelease) << int(Qt::LeftButton) << false;
        QTest::newRow("left double click") << int(QEvent::MouseButtonDblClick) << int(Qt::LeftButton) << false;
    }
    void profileNamePress()
    {
        QFETCH(int, type);
        QFETCH(int, button);
        QFETCH(bool, toast);
        TestPage page;
        page.resize(1200, 790);
        QLabel *label = page.form()->label_currentProfileName;
        QMouseEvent event(QEvent::Type(type), QPointF(5, 5), Qt::MouseButton(button), Qt::MouseButton(button),
                          Qt::NoModifier);
        QVERIFY(!page.eventFilter(label, &event));
        QCOMPARE(page.notice()->text(), toast ? kNoDevice : QString());
        QCOMPARE(page.notice()->isVisibleTo(&page), toast);
        if (toast)
            QCOMPARE(page.notice()->pos() + QPoint(page.notice()->width() / 2, page.notice()->height() / 2),
                     page.getNoticePoint());
        QVERIFY(page.form()->frame_Custom->isHidden());
        QCOMPARE(page.mainPageIndex(), -1);
    }

    // Toasts centre on the keyboard area, half the side panel further right
    // while it is open, 125 pixels below the top.
    void noticePoint_data()
    {
        QTest::addColumn<bool>("panelShown");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("panel hidden") << false << QPoint(599 + 45 / 2, 125);
        QTest::newRow("panel shown") << true << QPoint(599 + 45 / 2 + 400 / 2, 125);
    }
    void noticePoint()
    {
        QFETCH(bool, panelShown);
        QFETCH(QPoint, point);
        DDevicePage page;
        page.resize(1200, 790);
        page.form()->frame_Custom->setVisible(panelShown);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        if (panelShown)
            QCOMPARE(page.form()->frame_Custom->width(), 400);
        QCOMPARE(page.getNoticePoint(), point);
    }

    // Without a device a tab stays as it was and the tab in use keeps the
    // check.
    void tabRefusedWithoutDevice_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::newRow("lighting") << "pushButton_Led";
        QTest::newRow("keys") << "pushButton_Custom";
    }
    void tabRefusedWithoutDevice()
    {
        QFETCH(QString, tab);
        DDevicePage page;
        page.resize(1200, 790);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.findChild<QPushButton *>(tab)->click();
        QCOMPARE(page.notice()->text(), kNoDevice);
        QVERIFY(page.form()->pushButton_Custom->isChecked());
        QVERIFY(!page.form()->pushButton_Led->isChecked());
        QVERIFY(page.form()->frame_Custom->isHidden());
        QCOMPARE(page.mainPageIndex(), -1);
        QCOMPARE(page.form()->stackedWidget_CustomAll->currentWidget(), page.form()->page_CustomLed);
    }

    void toolPages_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 performance") << 0 << "page_Performance";
        QTest::newRow("1 customised keys") << 1 << "page_CustomList";
        QTest::newRow("2 on-screen keyboard") << 2 << "page_SoftKeyboard";
        QTest::newRow("3 report rate") << 3 << "page_MousePerformance";
        QTest::newRow("4 DPI") << 4 << "page_MouseDpiConfig";
        QTest::newRow("5 nothing") << 5 << "page_LightOffOrOpen";
        QTest::newRow("-1 nothing") << -1 << "page_LightOffOrOpen";
    }
    void toolPages()
    {
        QFETCH(int, id);
        QFETCH(QString, shown);
        DDevicePage page;
        QStackedWidget *tools = page.form()->stackedWidget_Tool;
        tools->setCurrentWidget(page.form()->page_LightOffOrOpen);
        const QList<bool> checks{page.form()->pushButton_Performance->isChecked(),
                                 page.form()->pushButton_CustomList->isChecked()};
        page.onCurIndexChangedOperate(id);
        QCOMPARE(tools->currentWidget()->objectName(), shown);
        // The slot checks no tab.
        QCOMPARE(page.form()->pushButton_Performance->isChecked(), checks.at(0));
        QCOMPARE(page.form()->pushButton_CustomList->isChecked(), checks.at(1));
    }

    // Closing a panel hides it and keeps the tab; the key panel's close also
    // brings the performance page back for a keyboard or no device.
    void closeButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tool");
        QTest::newRow("key panel") << "pushButton_CloseKeyCustom" << "page_Performance";
        QTest::newRow("lighting panel") << "pushButton_CloseLedCustom" << "page_CustomList";
        QTest::newRow("profile panel") << "pushButton_CloseProfile" << "page_CustomList";
    }
    void closeButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, tool);
        DDevicePage page;
        page.resize(1200, 790);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.form()->pushButton_CustomList->setChecked(true);
        page.onCurIndexChangedOperate(1);
        page.form()->frame_Custom->show();
        const int index = page.mainPageIndex();
        page.findChild<QPushButton *>(button)->click();
        QVERIFY(page.form()->frame_Custom->isHidden());
        QCOMPARE(page.form()->stackedWidget_Tool->currentWidget()->objectName(), tool);
        QCOMPARE(page.findChild<QPushButton *>(tool == "page_Performance" ? "pushButton_Performance"
                                                                         : "pushButton_CustomList")
                     ->isChecked(),
                 true);
        QCOMPARE(page.mainPageIndex(), index);
    }

    // The rows' left margin goes to the layouts as computed, negative
    // included: a layout reads a negative margin as its style's default.
    void onboardMargins_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left"); // -1: the style's default
        QTest::newRow("700: -30") << 700 << -1;
        QTest::newRow("759: -1") << 759 << -1;
        QTest::newRow("761") << 761 << 0;
        QTest::newRow("1000") << 1000 << 120;
    }
    void onboardMargins()
    {
        QFETCH(int, width);
        QFETCH(int, left);
        DDevicePage page;
        page.form()->stackedWidget_KeyboardArea->resize(width, 600);
        page.updateOnboardMargins();
        for (QLayout *row : {static_cast<QLayout *>(page.form()->horizontalLayout_32),
                             static_cast<QLayout *>(page.form()->horizontalLayout_35)}) {
            QWidget *frame = row->parentWidget();
            const int expected =
                left >= 0 ? left : frame->style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, frame);
            QCOMPARE(row->contentsMargins().left(), expected);
        }
        QCOMPARE(page.form()->horizontalLayout_32->contentsMargins().right(), 9);
        QCOMPARE(page.form()->horizontalLayout_35->contentsMargins().right(), 36);
    }

    // Every new width of the device area re-centres the rows, the first
    // showing included.
    void resizeRecentresOnboardRows()
    {
        DDevicePage page;
        page.resize(1400, 790);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QWidget *area = page.form()->stackedWidget_KeyboardArea;
        const int wide = area->width();
        QVERIFY(wide > 1300);
        QCOMPARE(page.form()->horizontalLayout_32->contentsMargins().left(), wide / 2 - 380);
        page.form()->frame_Custom->show();
        QTRY_COMPARE(area->width(), wide - 400);
        QCOMPARE(page.form()->horizontalLayout_35->contentsMargins().left(), (wide - 400) / 2 - 380);
    }

    // One pop-up for all hovers: its size, arrow and place, hidden when the
    // pointer leaves, gone with the page.
    void explainPopup()
    {
        QPointer<ArrowWidget> popup;
        {
            DDevicePage page;
            page.resize(1200, 790);
            page.move(100, 50);
            QToolButton *button = page.form()->toolButton_Explain;
            const int before = arrowWindows().size();
            for (int i = 0; i < 10; ++i) {
                hover(button, QEvent::Enter);
                if (!popup)
                    popup = page.explainPopup();
                QCOMPARE(page.explainPopup(), popup.data());
                QVERIFY(popup->isVisible());
                hover(button, QEvent::Leave);
                QVERIFY(!popup->isVisible());
            }
            QCOMPARE(arrowWindows().size(), before + 1);
            QVERIFY(!popup->parent());
            QCOMPARE(popup->size(), QSize(460, 510));
            QCOMPARE(popup->arrowOffset(), 403);
            QCOMPARE(popup->arrowDirection(), 0);
            QVERIFY(popup->findChild<onboardExplainDia *>());
            QVERIFY(popup->windowFlags().testFlag(Qt::WindowTransparentForInput));
            hover(button, QEvent::Enter);
            const QPoint buttonTop = button->mapToGlobal(QPoint(0, 0));
            QCOMPARE(popup->pos(), buttonTop + QPoint(button->width() / 2 - 410, 5));
            QCOMPARE(page.menuPopup(), popup.data());

            // Another page routine asks to close the pop-up menu.
            page.onCloseMenuWidow();
            QVERIFY(!popup->isVisible());

            // A new theme: the next hover builds it again, in its colours.
            page.changeAppTheme();
            QVERIFY(!popup);
            hover(button, QEvent::Enter);
            popup = page.explainPopup();
            QVERIFY(popup);
            QCOMPARE(arrowWindows().size(), before + 1);
        }
        QVERIFY(!popup);
    }

    // The device area shows the theme's window colour wherever nothing
    // inside it paints, in every theme and after each change.
    void deviceAreaTakesEachThemesColour()
    {
        TestPage page;
        page.resize(1200, 790);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QWidget *area = page.form()->frame_11;
        // A point of the area where no widget inside paints a background.
        const auto paintsItself = [area](QWidget *w) {
            for (; w && w != area; w = w->parentWidget()) {
                if (w->autoFillBackground() || w->testAttribute(Qt::WA_StyledBackground) || !w->isVisible()
                    || qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w))
                    return true;
            }
            return false;
        };
        QPoint spot(-1, -1);
        for (int y = 4; y < area->height() && spot.x() < 0; y += 7) {
            for (int x = 4; x < area->width() && spot.x() < 0; x += 7) {
                if (!paintsItself(area->childAt(x, y)))
                    spot = area->mapTo(&page, QPoint(x, y));
            }
        }
        QVERIFY(spot.x() >= 0);
        for (int theme = 0; theme < 5; ++theme) {
            DDataManager::instance()->loadThemeConfig(theme);
            page.changeAppTheme();
            const QColor expected = themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().MainWidgetBgColor);
            QCOMPARE(page.grab().toImage().pixelColor(spot), expected);
        }
        DDataManager::instance()->loadThemeConfig(0);
    }

    void promptAndMenuClosesWithoutWidgets()
    {
        DDevicePage page;
        page.onTipInfoDiaClose();
        page.onCloseMenuWidow();
        emit page.findChild<DTipInfoDia *>()->sigTipInfoDiaClose();
        QVERIFY(!page.menuPopup());
    }

    // The macro path is kept whole, however long.
    void longMacroPath()
    {
        DDevicePage page;
        const QString path = QDir::homePath() + QLatin1Char('/') + QString(300, QLatin1Char('m')) + ".xml";
        QVERIFY(path.toLocal8Bit().size() > 300);
        page.setMacroFileAndXmlInterface(path.toLocal8Bit().constData(), nullptr);
        QCOMPARE(page.macroFilePath(), path);
        page.setMacroFileAndXmlInterface(nullptr, nullptr);
        QVERIFY(page.macroFilePath().isEmpty());
    }

    // With no device every slot and operation answers without writing a
    // file or reaching a view, and the state stays "no device".
    void everyEntryPointWithoutDevice()
    {
        TestPage page;
        page.resize(1200, 790);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QStringList files = filesUnderHome();

        const QMetaObject *mo = page.metaObject();
        int slotCount = 0;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() != QMetaMethod::Slot)
                continue;
            ++slotCount;
            QList<QVariant> values;
            QGenericArgument args[10];
            for (int p = 0; p < m.parameterCount(); ++p) {
                const int type = m.parameterType(p);
                QVERIFY2(type != QMetaType::UnknownType, m.methodSignature().constData());
                values.append(QVariant(type, nullptr));
            }
            for (int p = 0; p < values.size(); ++p)
                args[p] = QGenericArgument(values[p].typeName(), values[p].constData());
            QVERIFY2(m.invoke(&page, Qt::DirectConnection, args[0], args[1], args[2], args[3], args[4], args[5],
                              args[6], args[7], args[8], args[9]),
                     m.methodSignature().constData());
        }
        QCOMPARE(slotCount, 102);

        QVERIFY(page.loadHidDeviceList({}));
        page.insertOrRemoveHidDevice(true, QStringLiteral("hidPath"));
        page.showFirstDevice();
        page.stopDeviceLighting();
        page.retranslateAllUI();
        page.changeAppTheme();
        page.initSelectionLists();
        page.filterLightTypes();
        page.filterMouseLightTypes();
        page.setAllKeysAssigned(true);
        page.updateOnboardMargins();
        page.enterLightingPanel();
        page.loadProfileList(0);
        QCOMPARE(page.askSaveLightChanges(), 2);
        page.saveLightChanges();
        for (int button : {Qt::LeftButton, Qt::RightButton}) {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), Qt::MouseButton(button),
                              Qt::MouseButton(button), Qt::NoModifier);
            page.eventFilter(page.form()->label_currentProfileName, &press);
        }
        QCoreApplication::processEvents();

        QCOMPARE(filesUnderHome(), files);
        QCOMPARE(page.deviceType(), -1);
        QVERIFY(page.proFilePath().isEmpty());
        QVERIFY(!page.currentKeyboardPage());
        QVERIFY(page.findChildren<keyboardPage *>().isEmpty());
        QVERIFY(page.findChildren<DDeviceListItem *>().isEmpty());
        QCOMPARE(page.form()->stackedWidget_KeyboardArea->currentWidget(), page.form()->page_TipShow);
        QCOMPARE(page.notice()->text(), kNoDevice);
    }

    // A reset unmarks every row and keeps what is shown; the captions and
    // tool tips follow the language of the moment.
    void listResetKeepsVisibility()
    {
        DDevicePage page;
        auto *neon = page.findChild<CustomButton *>("toolButton_Neon");
        auto *wave = page.findChild<CustomButton *>("toolButton_Wave");
        neon->hide();
        wave->setSelected(true);
        page.resetLedTypeList();
        QVERIFY(neon->isHidden());
        for (CustomButton *b : page.findChildren<CustomButton *>())
            QVERIFY(!b->isSelected());

        devicePageTest::MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        page.initSelectionLists();
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(page.form()->pushButton_Import->toolTip(), QStringLiteral("<<Import>>"));
        QCOMPARE(page.form()->pushButton_Add->toolTip(), QStringLiteral("<<Add>>"));
        page.initSelectionLists();
        QCOMPARE(page.form()->pushButton_Import->toolTip(), QStringLiteral("Import"));
    }

    // Without a link the lists report nothing: a keyboard is offered Custom
    // and Musical Rhythm and no zone tabs; the mouse every Scroll-and-Logo
    // row and nothing else.
    void filtersWithoutLink()
    {
        DDevicePage page;
        auto shown = [&page](selectionLists::List list) {
            QStringList names;
            for (const selectionLists::Row &row : selectionLists::rows(list)) {
                if (!page.findChild<CustomButton *>(QLatin1String(row.objectName))->isHidden())
                    names.append(QLatin1String(row.objectName));
            }
            return names;
        };
        page.filterLightTypes();
        QCOMPARE(shown(selectionLists::KeyEffect),
                 (QStringList{"toolButton_MusicalRhythm", "toolButton_CustomLed"}));
        QVERIFY(shown(selectionLists::SideEffect).isEmpty());
        QVERIFY(page.form()->frame_19->isHidden());

        page.findChild<CustomButton *>("toolButton_MouseScrollAndLogoNeon")->setSelected(true);
        page.filterMouseLightTypes();
        QVERIFY(shown(selectionLists::KeyEffect).isEmpty());
        QCOMPARE(shown(selectionLists::ScrollAndLogo).size(), 4);
        QVERIFY(!page.findChild<CustomButton *>("toolButton_MouseScrollAndLogoNeon")->isSelected());
    }
};

QTEST_MAIN(tst_DevicePageShell)
#include "tst_devicepageshell.moc"
