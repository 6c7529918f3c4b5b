#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "buttonTextRoom.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DChangProfilePage.h"
#include "DChangeKeyPage.h"
#include "DCustomEventListPage.h"
#include "DDeviceListItem.h"
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
#include "DCustomLightListItem.h"
#include "DOnboardPage.h"
#include "DTipInfoDia.h"
#include "DmouseConfigView.h"
#include "MainHidInterFace.h"
#include "customLightView.h"
#include "deviceLightSender.h"
#include "deviceKeyTexts.h"
#include "deviceModelSets.h"
#include "devicePageGeometry.h"
#include "devicePageTheme.h"
#include "faintPictureTint.h"
#include "pageTextFitter.h"
#include "profileHeadingRow.h"
#include "deviceProfileFiles.h"
#include "deviceToolTabs.h"
#include "hidPathChanges.h"
#include "profileDefaults.h"
#include "keyboardButCustom.h"
#include "keyRouting.h"
#include "keyboardPage.h"
#include "lightingReports.h"
#include "lightDealMain.h"
#include "mouseReports.h"
#include "mouseKeyAssignment.h"
#include "mouseKeySender.h"
#include "mouseLightDealMain.h"
#include "lightingReports.h"
#include "mouseReports.h"
#include "mouseSettingsReports.h"
#include "SoftKeyboardButCustom.h"
#include "hidBindingCodes.h"
#include "onboardBindingTexts.h"
#include "onboardExplainDia.h"
#include "onboardKeyBinding.h"
#include "onboardLayerFiles.h"
#include "pagePrompts.h"
#include "pcProfileRules.h"
#include "pcProfileStore.h"
#include "pcProfileTexts.h"
#include "TextNumber.h"
#include "boundMacroCopy.h"
#include "profileListItem.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// Pages of stackedWidget_KeyboardArea.
constexpr int kPageKeyboardShow = 0;
constexpr int kPageTipShow = 1;

// Key-function pages the on-screen keyboard marks keys for.
constexpr int kPageRemapKey = 1;
constexpr int kPageCombinationKey = 2;

// Effects the load treats apart, and their rows in the key-effect list.
constexpr int kCustomEffect = 10;
constexpr int kMusicalRhythmEffect = 100;
constexpr int kMusicalRhythmRow = 14;
constexpr int kCustomEffectRow = 11;
constexpr int kDpiEffectRow = 13;

constexpr int kToolAreaKeyboardHeight = 200;
constexpr int kToolAreaMouseHeight = 240;
constexpr int kToolAreaLightHeight = 100;

// Lighting: the mouse's DPI-indicator effects and the panel edits the
// routing tells apart.
constexpr int kMouseAroundDpiEffect = 7;
constexpr int kMouseZoneDpiEffect = 3;
constexpr int kEditBrightness = 2;
constexpr int kEditSpeed = 3;
constexpr int kCustomLightCount = 5;
constexpr int kCustomLightListMinHeight = 50;
// The room a tab keeps on each side of its text, together.
constexpr int kTabTextGap = 12;
// The lighting prompt's answer for Discard.
constexpr int kLightPromptDiscard = 2;
const char *const kLightSaveFailed = QT_TRANSLATE_NOOP("DDevicePage", "Save light settings failed");
// The keyboard takes the key effect report only once the colour packets are in.
constexpr unsigned long kCustomUploadPauseMs = 5;

const char *const kLedOnSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}";
const char *const kLedOffSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}";

// What a key-function page takes besides the shared feeding.
template <class Page, class = void>
struct takesKeyNameMap : std::false_type {};
template <class Page>
struct takesKeyNameMap<Page, std::void_t<decltype(std::declval<Page &>().setKeyNameMap(QMap<int, QString>()))>>
    : std::true_type {};
template <class Page, class = void>
struct loadsKeyFunction : std::false_type {};
template <class Page>
struct loadsKeyFunction<Page, std::void_t<decltype(std::declval<Page &>().loadCurrentKeyFunction())>>
    : std::true_type {};
template <class Page, class = void>
struct takesDeviceType : std::false_type {};
template <class Page>
struct takesDeviceType<Page, std::void_t<decltype(std::declval<Page &>().setDeviceType(0))>> : std::true_type {};
template <class Page, class = void>
struct takesOnboardMode : std::false_type {};
template <class Page>
struct takesOnboardMode<Page, std::void_t<decltype(std::declval<Page &>().setOnboardMode(0))>> : std::true_type {};

} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_DDevicePage)
{
    std::memset(&m_currentHidInfo, 0, sizeof m_currentHidInfo);
    m_currentHidInfo.hidType = -1;
    std::memset(&m_onboardKeyInfo, 0, sizeof m_onboardKeyInfo);

    ui->setupUi(this);
    ui->pushButton_MoreOperate->hide();
    ui->pushButton_PerformanceChang->hide();
    ui->checkBox_LightSynchronize->setChecked(false);
    ui->frame_24->hide();

    ui->label_currentProfileName->installEventFilter(this);
    installEventFilter(this);

    m_desktopPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(14);
    giveProfileHeadingRoom(ui->horizontalLayout_23, ui->label_MacroGroup);
    m_profileHeadingFitter = new pageTextFitter(ui->frame_27);

    QFont productFont = DDataManager::instance()->getFont(0);
    productFont.setPointSize(14);
    ui->label_ProductName->setFont(productFont);
    QFont deviceFont = DDataManager::instance()->getFont(1);
    deviceFont.setPointSize(14);
    ui->label_DeviceName->setFont(deviceFont);

    m_deviceItemLayout = ui->horizontalLayout_24;
    m_profileItemLayout = ui->verticalLayout_30;
    m_customLightItemLayout = ui->verticalLayout_39;
    makeKeyEffectListScrollable();

    buildKeyFunctionPages();
    buildToolPages();

    m_mainPageGroup = makeGroup({{ui->pushButton_Custom, 0}, {ui->pushButton_Led, 1},
                                 {ui->pushButton_PerformanceChang, 2}},
                                SLOT(onCurIndexChangedMainPage(int)));
    ui->pushButton_Custom->setChecked(true);
    m_stripTints = {new faintPictureTint(ui->pushButton_Custom, QStringLiteral(":/images/customMadeDef.png")),
                    new faintPictureTint(ui->pushButton_Led, QStringLiteral(":/images/ledDef.png"))};

    m_lightDealMain = new lightDealMain();
    m_mouseLightDealMain = new mouseLightDealMain();

    ui->frame_Custom->hide();
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->pushButton_FN->hide();
    ui->toolButton_Explain->installEventFilter(this);
    // The device area's width changes with the side panel as well as with
    // the page: the on-board rows follow it.
    ui->stackedWidget_KeyboardArea->installEventFilter(this);
    connect(ui->comboBox_OnboardProfile, SIGNAL(currentIndexChanged(QString)), this,
            SLOT(onOnboardProfileComboxCurrentIndexChanged(QString)));

    initSelectionLists();

    m_tipInfoDia = new DTipInfoDia(this);
    connect(m_tipInfoDia, SIGNAL(sigTipInfoDiaClose()), this, SLOT(onTipInfoDiaClose()));

    buildButtonGroups();
    buildColorPanel();

    ui->pushButton_Test->hide();

    connect(this, SIGNAL(sigHomePageDeviceItemClicked(QString)), this, SLOT(onHomePageDeviceItemClicked(QString)));
    connect(this, SIGNAL(sigMacroListHaveChangedSendToDevice(QString, QString)), this,
            SLOT(onMacroListHaveChangedSendToDevice(QString, QString)));
    connect(this, SIGNAL(sigHookKeyboardRecviveStreamToDevice(int, int, int)), this,
            SLOT(onHookKeyboardRecviveStreamToDevice(int, int, int)));

    m_mouseKeySender = new mouseKeySender(this);
    // Not one of the page's slots: the sender is the page's own helper.
    connect(m_mouseKeySender, &mouseKeySender::sigAssignmentFinished, this, &DDevicePage::mouseKeyAssignmentFinished);

    updateShownPage();
}

DDevicePage::~DDevicePage()
{
    // The engines' threads paint the views and write to the transports:
    // they stop before either goes.
    m_lightDealMain->stopAllThreads();
    m_mouseLightDealMain->stopAllThreads();
    closeAllDevices();
    delete m_lightDealMain;
    delete m_mouseLightDealMain;
    delete m_explainPopup;
    delete ui;
}

// One group per list or tab bar, exclusive, each button under its id.
QButtonGroup *DDevicePage::makeGroup(const QList<QPair<QAbstractButton *, int>> &buttons, const char *slot)
{
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const auto &entry : buttons)
        group->addButton(entry.first, entry.second);
    connect(group, SIGNAL(buttonClicked(int)), this, slot);
    return group;
}

// Each page is made a child of its host page, connected, then laid out in
// it; the connections of every page are made in the same order.
template <class Page>
Page *DDevicePage::addKeyFunctionPage(QWidget *host)
{
    auto *page = new Page(host);
    if (std::is_same<Page, DResetDefaultPage>::value)
        connect(page, SIGNAL(sigShoudUpdateKeyboard(int)), this, SLOT(onKeyboardAlreadyLoad(int)));
    else
        connect(page, SIGNAL(sigShoudUpdateKeyboard(int)), this, SLOT(onShoudUpdateKeyboard(int)));
    connect(page, SIGNAL(sigCustomKeyInfoSaveSuccessful()), this, SLOT(onCustomKeyInfoSaveSuccessful()));
    if (std::is_same<Page, DKeyCombinationPage>::value)
        connect(page, SIGNAL(sigSoftKeyboardClickedKeyReset()), this, SLOT(onSoftKeyboardClickedKeyReset()));
    if (std::is_same<Page, DChangeKeyPage>::value || std::is_same<Page, DKeyCombinationPage>::value)
        connect(page, SIGNAL(sigChangKeyOrCombinationKeyFocusIn(bool)), this,
                SLOT(onChangKeyOrCombinationKeyFocusIn(bool)));
    connect(page, SIGNAL(sigClickedCancel()), this, SLOT(onClickedCancel()));
    if (std::is_same<Page, DKeyCombinationPage>::value)
        connect(page, SIGNAL(sigResetSoftKeyStatusToDefault(int)), this, SLOT(onResetSoftKeyStatusToDefault(int)));
    // A binding the store could not keep is told, not passed over.
    connect(page, SIGNAL(sigCustomKeyInfoSaveFailed(QString)), this, SLOT(onCustomKeyInfoSaveFailed(QString)));
    host->layout()->addWidget(page);
    return page;
}

void DDevicePage::buildKeyFunctionPages()
{
    m_macroCmdPage = addKeyFunctionPage<DMacroCmdPage>(ui->page_Macro);
    m_resetDefaultPage = addKeyFunctionPage<DResetDefaultPage>(ui->page_Default);
    m_changeKeyPage = addKeyFunctionPage<DChangeKeyPage>(ui->page_RemapKey);
    m_mouseKeyPage = addKeyFunctionPage<DMouseKeyPage>(ui->page_Mouse);
    m_keyWithTextPage = addKeyFunctionPage<DKeyWithTextPage>(ui->page_Text);
    m_keyDisablePage = addKeyFunctionPage<DKeyDisablePage>(ui->page_Disable);
    m_multimediaPage = addKeyFunctionPage<DMultimediaPage>(ui->page_Multimedia);
    m_keyCombinationPage = addKeyFunctionPage<DKeyCombinationPage>(ui->page_CombinationKey);
    m_hotKeyPage = addKeyFunctionPage<DHotKeyPage>(ui->page_Shortcuts);
    m_changProfilePage = addKeyFunctionPage<DChangProfilePage>(ui->page_SwitchProfile);
    m_keyWithAppPage = addKeyFunctionPage<DKeyWithAppPage>(ui->page_OpenApp);
}

// The profile (PC) or configuration (on-board) the pages address.
void DDevicePage::setKeyFunctionProfileIndex(int index)
{
    m_macroCmdPage->setProfileIndex(index);
    m_changeKeyPage->setProfileIndex(index);
    m_keyCombinationPage->setProfileIndex(index);
    m_multimediaPage->setProfileIndex(index);
    m_mouseKeyPage->setProfileIndex(index);
    m_keyDisablePage->setProfileIndex(index);
    m_keyWithTextPage->setProfileIndex(index);
    m_changProfilePage->setProfileIndex(index);
    m_keyWithAppPage->setProfileIndex(index);
    m_resetDefaultPage->setProfileIndex(index);
    m_hotKeyPage->setProfileIndex(index);
}

// The reset page shows no binding: it is not reloaded.
void DDevicePage::reloadKeyFunctionPages()
{
    m_macroCmdPage->loadCurrentKeyFunction();
    m_changeKeyPage->loadCurrentKeyFunction();
    m_keyCombinationPage->loadCurrentKeyFunction();
    m_multimediaPage->loadCurrentKeyFunction();
    m_mouseKeyPage->loadCurrentKeyFunction();
    m_keyDisablePage->loadCurrentKeyFunction();
    m_keyWithTextPage->loadCurrentKeyFunction();
    m_changProfilePage->loadCurrentKeyFunction();
    m_keyWithAppPage->loadCurrentKeyFunction();
    m_hotKeyPage->loadCurrentKeyFunction();
}

void DDevicePage::buildToolPages()
{
    m_performancePage = new DPerformancePage(ui->page_Performance);
    connect(m_performancePage, SIGNAL(sigResetoreCurrentProfile()), this, SLOT(onResetoreCurrentProfile()));
    ui->page_Performance->layout()->addWidget(m_performancePage);

    m_customEventListPage = new DCustomEventListPage(ui->page_CustomList);
    connect(m_customEventListPage, SIGNAL(sigCustomEventItemMouseClicked(int, QString)), this,
            SLOT(onKeyboardClicked(int, QString)));
    ui->page_CustomList->layout()->addWidget(m_customEventListPage);

    m_softKeyboardPage = new DSoftKeyboardPage(ui->page_SoftKeyboard);
    ui->page_SoftKeyboard->layout()->addWidget(m_softKeyboardPage);
    connect(m_softKeyboardPage, SIGNAL(sigSoftKeyboardAlreadyLoad()), this, SLOT(onSoftKeyboardAlreadyLoad()));
    connect(m_softKeyboardPage, SIGNAL(sigSoftKeyboardClicked(int, QString)), this,
            SLOT(onSoftKeyboardClicked(int, QString)));
    m_softKeyboardPage->loadKeyboardInfo();
    m_softKeyNameMap = m_softKeyboardPage->getKeyNameMap();

    m_mouseConfigView = new DmouseConfigView(ui->page_MouseDpiConfig);
    connect(m_mouseConfigView, SIGNAL(sigDpiConfigChanged()), this, SLOT(onMouseDpiInfoSet()));
    ui->page_MouseDpiConfig->layout()->addWidget(m_mouseConfigView);

    m_mousePerformanceView = new DMousePerformanceView(ui->page_MousePerformance);
    connect(m_mousePerformanceView, SIGNAL(sigResetoreMouseCurrentProfile()), this,
            SLOT(onResetoreMouseCurrentProfile()));
    connect(m_mousePerformanceView, SIGNAL(sigCurIndexChanged_MouseRateNumIndex(int)), this,
            SLOT(onCurIndexChanged_MouseRateNumIndex(int)));
    ui->page_MousePerformance->layout()->addWidget(m_mousePerformanceView);
}

void DDevicePage::buildMouseView(const QString &hidName)
{
    delete m_mousePage;
    delete m_mouseLightPage;

    m_mousePage = new DMousePage(hidName, ui->hidDeviceShowFrame);
    connect(m_mousePage, SIGNAL(sigMouseButtonClicked(int)), this, SLOT(onMouseButtonClicked(int)));
    connect(m_mousePage, SIGNAL(sigMouseInfoAlreadyLoad()), this, SLOT(onMouseInfoAlreadyLoad()));
    ui->hidDeviceShowFrame->layout()->addWidget(m_mousePage);
    m_mousePage->setKeyNameMap(m_softKeyNameMap);
    m_mousePage->setXmlInterface(m_xmlInterface);
    m_mousePage->setMacroFilePath(m_macroFilePath);
    m_mousePage->loadMouseInfo(hidName);

    m_mouseLightPage = new DMouseLightPage(hidName, ui->mouseLightFrame);
    connect(m_mouseLightPage, SIGNAL(sigScrollLinkStatus(int)), this, SLOT(onScrollLinkStatus(int)));
    connect(m_mouseLightPage, SIGNAL(sigLogoLinkStatus(int)), this, SLOT(onLogoLinkStatus(int)));
    connect(m_mouseLightPage, SIGNAL(sigSelectMouseLightType(int)), this, SLOT(onSelectMouseLightType(int)));
    ui->mouseLightFrame->layout()->addWidget(m_mouseLightPage);
    m_mouseLightPage->loadMouseInfo(hidName);
}

DMousePage *DDevicePage::currentMousePage() const
{
    return m_mousePage;
}

DMouseLightPage *DDevicePage::currentMouseLightPage() const
{
    return m_mouseLightPage;
}

void DDevicePage::buildButtonGroups()
{
    QList<QPair<QAbstractButton *, int>> keys;
    for (const selectionLists::Row &row : selectionLists::rowsById(selectionLists::KeyFunction))
        keys.append({listButton(selectionLists::KeyFunction, row.id), row.id});
    m_keyFunctionGroup = makeGroup(keys, SLOT(onCurIndexChanged_Key(int)));
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);

    m_ledSelectGroup = makeGroup({{ui->pushButton_KeyboardLed, 0}, {ui->pushButton_SideLed, 1}},
                                 SLOT(onCurIndexChanged_LedSelect(int)));

    const QList<selectionLists::List> lists = {selectionLists::KeyEffect, selectionLists::SideEffect,
                                               selectionLists::ScrollAndLogo};
    const QList<const char *> groupSlots = {SLOT(onCurIndexChanged_Led(int)), SLOT(onCurIndexChanged_SideLed(int)),
                                       SLOT(onCurIndexChanged_ScrollAndLogoLed(int))};
    QList<QButtonGroup *> groups;
    for (int i = 0; i < lists.size(); ++i) {
        QList<QPair<QAbstractButton *, int>> rows;
        for (const selectionLists::Row &row : selectionLists::rowsById(lists.at(i)))
            rows.append({listButton(lists.at(i), row.id), row.id});
        groups.append(makeGroup(rows, groupSlots.at(i)));
    }
    m_ledGroup = groups.at(0);
    m_sideLedGroup = groups.at(1);
    m_scrollAndLogoGroup = groups.at(2);

    m_operateGroup = makeGroup({{ui->pushButton_Performance, ToolPerformance},
                                {ui->pushButton_CustomList, ToolCustomList},
                                {ui->pushButton_SoftKeyboard, ToolSoftKeyboard},
                                {ui->pushButton_MousePerformance, ToolMousePerformance},
                                {ui->pushButton_MouseDpiConfig, ToolMouseDpiConfig}},
                               SLOT(onCurIndexChangedOperate(int)));
    m_selModeGroup = makeGroup({{ui->pushButton_AppMode, 0}, {ui->pushButton_OnboardMode, 1}},
                               SLOT(onCurIndexChangedSelMode(int)));
    m_onboardLayerGroup = makeGroup({{ui->pushButton_Default, 0}, {ui->pushButton_FN1, 1}},
                                    SLOT(onCurIndexChangedOn_board(int)));
}

void DDevicePage::buildColorPanel()
{
    m_colorWheelTool = new ColorWheelTool(ui->page);
    connect(m_colorWheelTool, SIGNAL(sigSendUpdataColorBuildUp(QList<double>, QList<QColor>)), this,
            SLOT(onSendUpdataColorBuildUp(QList<double>, QList<QColor>)));
    ui->page->layout()->addWidget(m_colorWheelTool);
    connect(m_colorWheelTool, SIGNAL(sigInitColorOver()), this, SLOT(onInitColorOver()));
    connect(m_colorWheelTool, SIGNAL(sigSendSetKeyboardColorData()), this, SLOT(onSendSetKeyboardColorData()));
    connect(m_colorWheelTool, SIGNAL(sigSendSetSideColorData()), this, SLOT(onSendSetSideColorData()));
    connect(m_colorWheelTool, SIGNAL(sigSelectKeyboardLightType(int)), this, SLOT(onSelectKeyboardLightType(int)));
    connect(m_colorWheelTool, SIGNAL(sigSelectSideLightType(int)), this, SLOT(onSelectSideLightType(int)));
    connect(m_colorWheelTool, SIGNAL(sigLightOpenOrCloseType(int)), this, SLOT(onLightOpenOrCloseType(int)));
    connect(m_colorWheelTool, SIGNAL(sigSetLightEffectSuccessful()), this, SLOT(onSetLightEffectSuccessful()));
    connect(m_colorWheelTool, &ColorWheelTool::sigLightSaveFailed, this, &DDevicePage::onLightSaveFailed);
    connect(m_colorWheelTool, SIGNAL(sigLightCancelSettings(int)), this, SLOT(onLightCancelSettings(int)));
    connect(m_colorWheelTool, SIGNAL(sigLightConfigHaveChanged(int, int)), this,
            SLOT(onLightConfigHaveChanged(int, int)));
    connect(m_colorWheelTool, SIGNAL(sigSelectightTypeMouseAround(int)), this,
            SLOT(onSelectMouseAroundLightType(int)));
    connect(m_colorWheelTool, SIGNAL(sigSelectightTypeMouseScroll(int)), this,
            SLOT(onSelectMouseScrollLightType(int)));
    connect(m_colorWheelTool, SIGNAL(sigSelectightTypeMouseLogo(int)), this, SLOT(onSelectMouseLogoLightType(int)));
    connect(m_colorWheelTool, SIGNAL(sigSendSetMouseColorData(int)), this, SLOT(onSendSetMouseColorData(int)));
}

// --- Main window's calls -------------------------------------------------

void DDevicePage::setMacroFileAndXmlInterface(const char *macroFilePath, xmlInterface *xml)
{
    m_macroFilePath = QString::fromLocal8Bit(macroFilePath ? macroFilePath : "");
    m_xmlInterface = xml;
}

void DDevicePage::setMainWidget(QWidget *mainWidget)
{
    m_mainWidget = mainWidget;
}

bool DDevicePage::isLightChanged() const
{
    return m_lightChanged;
}

int DDevicePage::askSaveLightChanges()
{
    // Nothing unsaved, or no device to keep it for: go on.
    if (!m_lightChanged || !isDeviceLoaded())
        return 2;
    // One overlay for the page's life, laid over the window at each prompt.
    if (m_mainWidget && !m_maskWidget) {
        m_maskWidget = new QWidget(m_mainWidget);
        m_maskWidget->setWindowFlags(m_maskWidget->windowFlags() | Qt::FramelessWindowHint);
        m_maskWidget->setObjectName(QStringLiteral("widget"));
        m_maskWidget->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 120);}"));
    }
    if (m_maskWidget) {
        m_maskWidget->resize(m_mainWidget->size());
        m_maskWidget->raise();
        m_maskWidget->show();
    }
    m_tipInfoDia->updateTheme();
    if (m_mainWidget) {
        const QPoint origin = m_mainWidget->pos();
        m_tipInfoDia->move(origin.x() + (m_mainWidget->width() - m_tipInfoDia->width()) / 2,
                           origin.y() + (m_mainWidget->height() - m_tipInfoDia->height()) / 2);
    }
    m_tipInfoDia->setWindowModality(Qt::WindowModal);
    m_tipInfoDia->clearAnswer();
    m_tipInfoDia->exec();
    const int answer = m_tipInfoDia->answer();
    if (answer == kLightPromptDiscard)
        restoreStoredLighting();
    return answer;
}

// A discarded edit leaves the device, the engines and the panel as the
// profile has them.
void DDevicePage::restoreStoredLighting()
{
    clearLightChanged();
    if (!isDeviceLoaded())
        return;
    const bool panelActive = m_lightPanelActive;
    // Off for the reload: a discarded custom painting is not stored.
    m_lightPanelActive = false;
    if (m_currentHidInfo.hidType == kHidTypeKeyboard)
        loadKeyboardSettings(m_profileIndex);
    else if (m_currentHidInfo.hidType == kHidTypeMouse)
        loadMouseSettings(m_profileIndex);
    m_lightPanelActive = panelActive;
    if (panelActive && isCurrentDeviceOpen())
        onCurIndexChangedMainPage(1);
    clearLightChanged();
}

// Only a loaded device has a profile to store the edit in.
void DDevicePage::saveLightChanges()
{
    if (isDeviceLoaded())
        m_colorWheelTool->saveChanges();
}

void DDevicePage::clearLightChanged()
{
    m_lightChanged = false;
}

void DDevicePage::stopDeviceLighting()
{
    ui->checkBox_LightSynchronize->setChecked(false);
    m_lightDealMain->stopAllThreads();
    m_lightDealMain->setMusicMode(false);
    m_mouseLightDealMain->stopAllThreads();
    // Only a streaming device is told to stop streaming.
    if (m_currentHidInfo.hidType == kHidTypeMouse && m_mouseLightDealMain->isLightSynchronize())
        m_mouseLightDealMain->setLightSynchronize(false);
    else if (m_currentHidInfo.hidType == kHidTypeKeyboard && m_lightDealMain->isLightSynchronize())
        m_lightDealMain->setLightSynchronize(false);
}

void DDevicePage::showFirstDevice()
{
    if (m_operations.isBusy()) {
        m_operations.deferShowFirst();
        return;
    }
    beginDeviceOperation();
    showFirstDeviceNow();
    endDeviceOperation();
}

QList<hidStructInfo> DDevicePage::getHidDeviceList() const
{
    return m_hidInfoList;
}

bool DDevicePage::loadHidDeviceList(const QList<hidStructInfo> &list)
{
    // A device operation waits: the list is taken when it ends (the latest
    // wins), and a wait for a device the list lacks ends now.
    if (m_operations.isBusy()) {
        m_operations.deferList(list);
        emit sigHidDeviceListUpdate(list);
        return false;
    }
    takeDeviceList(list);
    if (m_hidListLoaded) {
        emit sigHidDeviceListUpdate(list);
        return false;
    }
    beginDeviceOperation();
    buildDeviceList();
    endDeviceOperation();
    emit sigHidDeviceListUpdate(list);
    return true;
}

void DDevicePage::insertOrRemoveHidDevice(bool inserted, const QString &)
{
    qDebug().noquote() << (inserted ? "------------------------------------------ ****************************** "
                                      "Keyboard [ Insert ] ****************************** "
                                      "--------------------------------------------"
                                    : "------------------------------------------ ****************************** "
                                      "Keyboard [ OutPut ] ****************************** "
                                      "--------------------------------------------");
    if (m_operations.isBusy()) {
        m_operations.deferReconcile();
        return;
    }
    beginDeviceOperation();
    reconcileDeviceList();
    endDeviceOperation();
}

QMap<QString, DDeviceKeyboardLink *> DDevicePage::getDeviceLinkMap() const
{
    return m_hidPathLinkMap;
}

void DDevicePage::setHidUpgradeInfo(bool pending, const QString &hidPath, const QString &serial)
{
    m_upgradeSerialPending = pending;
    m_upgradeHidPath = hidPath;
    m_upgradeSnInfo = serial;
}

void DDevicePage::closeAllDevices()
{
    // The engines let go first: the devices get no lighting reports while
    // they close, only what their links send at teardown.
    releaseTransport(m_keyboardEngineHid);
    releaseTransport(m_mouseEngineHid);
    const QStringList paths = m_hidPathItemMap.keys() + m_hidPathLinkMap.keys();
    for (const QString &path : paths)
        removeDevice(path);
    unloadCurrentDevice();
    m_currentDeviceItem = nullptr;
    m_hidPathList.clear();
    m_newHidPathList.clear();
    m_hidInfoList.clear();
    m_hidPathInfoMap.clear();
    m_hidListLoaded = false;
    m_devicePageInited = false;
}

// --- Device list and link duties -----------------------------------------

void DDevicePage::beginDeviceOperation()
{
    m_operations.begin();
}

// What came during the operation's waits runs now, in the order a user
// would expect: the latest list, then the page shown, then a selection.
void DDevicePage::endDeviceOperation()
{
    if (!m_operations.end())
        return;
    for (deviceOperationQueue::Pending pending = m_operations.take(); !pending.isEmpty();
         pending = m_operations.take()) {
        m_operations.begin();
        if (pending.hasList) {
            takeDeviceList(pending.list);
            if (m_hidListLoaded)
                reconcileDeviceList();
            else
                buildDeviceList();
        } else if (pending.reconcile) {
            reconcileDeviceList();
        }
        if (pending.showFirst)
            showFirstDeviceNow();
        if (!pending.selection.isEmpty())
            selectDevice(pending.selection, pending.selectionFrom);
        m_operations.end();
    }
}

void DDevicePage::takeDeviceList(const QList<hidStructInfo> &list)
{
    m_hidInfoList = list;
    m_hidPathInfoMap.clear();
    m_newHidPathList.clear();
    for (const hidStructInfo &record : list) {
        const QString path = fixedText(record.hidPath);
        m_hidPathInfoMap.insert(path, record);
        m_newHidPathList.append(path);
    }
}

// The first list (or the first after every device left): a row and a link
// per record, then its first device and the first of the other type.
void DDevicePage::buildDeviceList()
{
    clearDeviceItems();
    const QList<hidStructInfo> records = m_hidInfoList;
    for (const hidStructInfo &record : records)
        addDevice(record);
    if (!m_deviceItemList.isEmpty()) {
        m_hidListLoaded = true;
        m_hidPathList = m_hidPathItemMap.keys();
        // In list order, as the rows stand.
        m_hidPathList.clear();
        for (DDeviceListItem *row : qAsConst(m_deviceItemList))
            m_hidPathList.append(row->getHidPath());
        m_currentDeviceItem = m_deviceItemList.first();
        m_currentDeviceItem->updateThemeStyle();
        const QStringList selections = deviceSelection::onNewList(attachedDevices());
        for (int i = 0; i < selections.size(); ++i) {
            if (i == 0)
                showFirstDeviceNow();
            else
                selectDevice(selections.at(i), 1);
        }
    }
    updateShownPage();
}

// Rows and links follow the latest list both ways: every path that went,
// then every path that came. A path that went and came within one burst
// has a dead link: it is taken out and in again.
void DDevicePage::reconcileDeviceList()
{
    hidPathChanges changes = hidPathChanges::compare(m_hidPathList, m_newHidPathList);
    for (const QString &path : qAsConst(m_hidPathList)) {
        if (!m_newHidPathList.contains(path))
            continue;
        DDeviceKeyboardLink *link = m_hidPathLinkMap.value(path);
        MainHidInterFace *hid = link ? link->getHidInterface() : nullptr;
        if (!link || !hid || hid->isDeviceLost()) {
            changes.removed.append(path);
            changes.added.append(path);
        }
    }
    if (changes.isEmpty())
        return;

    const QString selectedPath = m_currentDeviceItem ? m_currentDeviceItem->getHidPath() : QString();
    const int selectedType = m_currentDeviceItem ? m_currentDeviceItem->getHidType() : -1;
    for (const QString &path : qAsConst(changes.removed)) {
        qDebug().noquote() << "------------------------------------------OutPutHidPath FindHidPath:" << path;
        m_hidPathList.removeAll(path);
        const int type = m_hidPathItemMap.contains(path) ? m_hidPathItemMap.value(path)->getHidType() : -1;
        const bool wasSelected = path == selectedPath;
        const bool renewed = m_newHidPathList.contains(path);
        const hidStructInfo record = m_hidPathInfoMap.value(path);
        removeDevice(path);
        if (renewed)
            m_hidPathInfoMap.insert(path, record);
        // Another device's engine stops when no device of its type is left.
        if (!wasSelected && !deviceSelection::hasType(attachedDevices(), type)
            && !changes.added.contains(path)) {
            bool typeComing = false;
            for (const QString &added : qAsConst(changes.added))
                typeComing = typeComing || m_hidPathInfoMap.value(added).hidType == type;
            if (!typeComing) {
                if (type == kHidTypeKeyboard) {
                    m_lightDealMain->stopAllThreads();
                    m_lightDealMain->setMusicMode(false);
                    m_lightDealMain->setLightSynchronize(false);
                } else if (type == kHidTypeMouse) {
                    m_mouseLightDealMain->stopAllThreads();
                    m_mouseLightDealMain->setLightSynchronize(false);
                }
            }
        }
    }
    for (const QString &path : qAsConst(changes.added)) {
        if (!m_hidPathInfoMap.contains(path) || m_hidPathItemMap.contains(path))
            continue;
        qDebug().noquote() << "------------------------------------------ InsertHidPath FindHidPath:" << path;
        m_hidPathList.append(path);
        addDevice(m_hidPathInfoMap.value(path));
    }
    if (m_hidPathItemMap.isEmpty()) {
        m_hidListLoaded = false; // the next list builds everything again
        m_devicePageInited = false;
    }
    if (!m_currentDeviceItem && !selectedPath.isEmpty() && m_hidPathItemMap.isEmpty()) {
        m_hidInfoList.clear();
        ui->label_currentProfileName->setText(tr("Profile 1"));
    }
    if (m_newHidPathList.size() == 1 && changes.added.contains(m_newHidPathList.first()))
        m_lightPanelActive = false;
    const QStringList selections = deviceSelection::afterChange(attachedDevices(), selectedPath, selectedType,
                                                                changes);
    for (const QString &path : selections)
        selectDevice(path, 1);
    updateShownPage();
}

// Rows of an earlier list; their links go with them.
void DDevicePage::clearDeviceItems()
{
    const QStringList paths = m_hidPathItemMap.keys();
    for (const QString &path : paths)
        removeDevice(path);
}

void DDevicePage::addDevice(const hidStructInfo &record)
{
    const QString path = fixedText(record.hidPath);
    auto *row = new DDeviceListItem(ui->scrollAreaWidgetContents);
    row->setDeviceInfo(record.vid, record.pid, path, fixedText(record.manufacturer), fixedText(record.product),
                       fixedText(record.hidName), record.hidType, fixedText(record.infoText));
    row->updateThemeStyle();
    m_deviceItemLayout->insertWidget(m_deviceItemLayout->count() - 1, row);
    connect(row, SIGNAL(sigDeviceItemPressed()), this, SLOT(onDeviceItemPressed()));
    m_deviceItemList.append(row);
    m_hidPathItemMap.insert(path, row);
    m_hidPathInfoMap.insert(path, record);
    createDeviceLink(record);
}

// The row and the link go at once: the link's transport is let go by every
// holder, then the link closes the device, so a re-plug gets a fresh one.
void DDevicePage::removeDevice(const QString &path)
{
    // A key's pop-up is a window of its own: it would outlive the device.
    if (m_keyboardPage) {
        m_keyboardPage->hideSideLights();
        m_keyboardPage->hideKeyTips();
    }
    DDeviceListItem *row = m_hidPathItemMap.take(path);
    if (row && row == m_currentDeviceItem) {
        m_lightPanelActive = false;
        on_pushButton_CloseKeyCustom_clicked();
        on_pushButton_CloseLedCustom_clicked();
        stopDeviceLighting();
        // An edit of a device that left is nobody's to save.
        clearLightChanged();
        m_currentDeviceItem = nullptr;
        unloadCurrentDevice();
    }
    if (row) {
        m_deviceItemList.removeAll(row);
        m_deviceItemLayout->removeWidget(row);
        delete row;
    }
    m_hidPathInfoMap.remove(path);
    if (DDeviceKeyboardLink *link = m_hidPathLinkMap.take(path)) {
        releaseTransport(link->getHidInterface());
        if (m_currentDeviceLink == link)
            unloadCurrentDevice();
        delete link;
    }
}

void DDevicePage::releaseTransport(MainHidInterFace *transport)
{
    if (!transport)
        return;
    if (m_keyboardEngineHid == transport) {
        m_lightDealMain->stopAllThreads();
        m_lightDealMain->setHidInterface(nullptr);
        m_keyboardEngineHid = nullptr;
    }
    if (m_mouseEngineHid == transport) {
        m_mouseLightDealMain->stopAllThreads();
        m_mouseLightDealMain->setHidInterface(nullptr);
        m_mouseEngineHid = nullptr;
    }
    if (m_currentHidInterface == transport) {
        m_performancePage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_macroCmdPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_resetDefaultPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_changeKeyPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_mouseKeyPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_keyWithTextPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_keyDisablePage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_multimediaPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_keyCombinationPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_hotKeyPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_changProfilePage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
        m_keyWithAppPage->setHidInterfaceAndXml(nullptr, m_xmlInterface);
    }
}

// The selected device is no longer loaded: nothing may reach its transport
// or its files.
void DDevicePage::unloadCurrentDevice()
{
    releaseTransport(m_currentHidInterface);
    m_currentHidInterface = nullptr;
    m_currentDeviceLink = nullptr;
    m_proFilePath.clear();
    m_currentDeviceSnInfo.clear();
    m_assignedKeyCodeList.clear();
}

DDeviceKeyboardLink *DDevicePage::createDeviceLink(const hidStructInfo &record)
{
    const QString path = fixedText(record.hidPath);
    const QString model = fixedText(record.hidName);
    auto *link = new DDeviceKeyboardLink(++m_deviceIndexCounter);
    connect(link, SIGNAL(sigCustomEventChangProfile(int)), this, SLOT(onCustomEventChangProfile(int)));
    connect(link, SIGNAL(sigMouseTriggeredDPIkey()), this, SLOT(onMouseTriggeredDPIkey()));
    connect(link, SIGNAL(sigMouseActivatesSniperKey(bool)), this, SLOT(onMouseActivatesSniperKey(bool)));
    connect(link, SIGNAL(sigRuningOnboard0x19Cmd()), this, SLOT(onRuningOnboard0x19Cmd()));
    connect(link, SIGNAL(sigRuningOnboard0x18Cmd()), this, SLOT(onRuningOnboard0x18Cmd()));
    connect(link, SIGNAL(sigRuningMouse0x47Cmd()), this, SLOT(onRuningMouse0x47Cmd()));
    if (m_upgradeSerialPending && path == m_upgradeHidPath) {
        m_upgradeSerialPending = false;
        link->setUpgradeSerialNumber(m_upgradeSnInfo);
    }
    // A serial that comes after the wait still gives the link its file.
    connect(link, &DDeviceKeyboardLink::sigInitFinished, this, [this, link, model] { giveLinkItsProfile(link, model); });
    link->openHidDevice(record);
    m_hidPathLinkMap.insert(path, link);
    QPointer<DDeviceKeyboardLink> guard(link);
    waitForLink(link, path);
    if (guard)
        giveLinkItsProfile(link, model);
    return guard;
}

// The link's own file, once its serial is known and safe; never a path
// with an empty serial folder.
void DDevicePage::giveLinkItsProfile(DDeviceKeyboardLink *link, const QString &model)
{
    const QString path = deviceProfileFiles::profilePath(DDataManager::instance()->getUserConfigPath(), model,
                                                         link->getSerialNumber());
    if (!path.isEmpty())
        link->setProFileInfo(m_xmlInterface, path.toLocal8Bit().constData());
}

devicePageWait::Outcome DDevicePage::waitForLink(DDeviceKeyboardLink *link, const QString &path)
{
    devicePageWait wait(devicePageWait::kLinkReadyMs);
    wait.endOnLinkReady(link);
    wait.endWhenListLacks(this, &DDevicePage::sigHidDeviceListUpdate, path);
    if (m_operations.pendingListLacks(path))
        wait.finish(devicePageWait::Gone);
    return wait.run();
}

bool DDevicePage::isStillCurrent(const QString &path, const DDeviceKeyboardLink *link) const
{
    return link && m_currentDeviceItem && m_currentDeviceItem->getHidPath() == path
        && m_hidPathLinkMap.value(path) == link && m_currentDeviceLink == link
        && !m_operations.pendingListLacks(path);
}

QList<deviceSelection::attachedDevice> DDevicePage::attachedDevices() const
{
    QList<deviceSelection::attachedDevice> devices;
    for (const QString &path : qAsConst(m_newHidPathList)) {
        if (m_hidPathItemMap.contains(path))
            devices.append({path, m_hidPathInfoMap.value(path).hidType});
    }
    return devices;
}

void DDevicePage::updateShownPage()
{
    ui->stackedWidget_KeyboardArea->setCurrentIndex(m_deviceItemList.isEmpty() ? kPageTipShow : kPageKeyboardShow);
}

void DDevicePage::markSelectedRow(DDeviceListItem *row)
{
    for (DDeviceListItem *item : qAsConst(m_deviceItemList))
        item->setSelected(item == row);
}

void DDevicePage::setEngineScreenUpdates(int type, bool enabled)
{
    if (type == kHidTypeKeyboard)
        m_lightDealMain->setScreenUpdateEnabled(enabled);
    else if (type == kHidTypeMouse)
        m_mouseLightDealMain->setScreenUpdateEnabled(enabled);
}

// The first row, the first time the page has devices to show.
void DDevicePage::showFirstDeviceNow()
{
    if (m_hidInfoList.isEmpty() || m_deviceItemList.isEmpty()) {
        ui->stackedWidget_KeyboardArea->setCurrentIndex(kPageTipShow);
        return;
    }
    if (m_devicePageInited)
        return;
    DDeviceListItem *row = m_deviceItemList.first();
    m_devicePageInited = true;
    m_deviceShownOnce = true;
    ui->stackedWidget_KeyboardArea->setCurrentIndex(kPageKeyboardShow);
    m_currentDeviceItem = row;
    markSelectedRow(row);
    // The views go, and with them the key button.
    if (m_currentKeyButton)
        m_currentKeyButton->setSelected(false, true);
    m_currentKeyButton = nullptr;
    deleteDeviceViews();
    const hidStructInfo record = m_hidPathInfoMap.value(row->getHidPath());
    createDeviceView(record);
    ui->pushButton_Custom->setChecked(true);
    ui->label_ProductName->setText(row->getProductName());
    ui->label_DeviceName->setText(row->getDeviceName());
    setCurrentDevice(record);
    onInitLoadHid(row->getHidName(), 0);
    if (m_currentDeviceItem == row)
        on_pushButton_CloseKeyCustom_clicked();
}

// A tile (1) or a row (2) chose the device at path.
void DDevicePage::selectDevice(const QString &path, int connectFrom)
{
    DDeviceListItem *row = m_hidPathItemMap.value(path);
    if (!row || row == m_currentDeviceItem)
        return;
    const hidStructInfo record = m_hidPathInfoMap.value(path);
    setEngineScreenUpdates(record.hidType, false);
    if (connectFrom == 2)
        clearLightChanged();
    m_lightPanelActive = false;
    if (connectFrom != 2 && !m_deviceShownOnce) {
        m_currentDeviceItem = nullptr;
        m_deviceShownOnce = true;
        m_devicePageInited = true;
    }
    markSelectedRow(row);
    if (m_currentKeyButton)
        m_currentKeyButton->setSelected(false, true);
    m_currentKeyButton = nullptr;
    createDeviceView(record);
    m_currentDeviceItem = row;
    setCurrentDevice(record);
    onInitLoadHid(row->getHidName(), connectFrom);
    if (m_currentDeviceItem != row)
        return; // it left meanwhile
    on_pushButton_CloseKeyCustom_clicked();
    ui->pushButton_Custom->setChecked(true);
    ui->label_ProductName->setText(row->getProductName());
    ui->label_DeviceName->setText(row->getDeviceName());
    setEngineScreenUpdates(record.hidType, true);
}

void DDevicePage::onHomePageDeviceItemClicked(QString hidPath)
{
    if (m_operations.isBusy()) {
        m_operations.deferSelection(hidPath, 1);
        return;
    }
    beginDeviceOperation();
    selectDevice(hidPath, 1);
    endDeviceOperation();
}

void DDevicePage::onDeviceItemPressed()
{
    auto *row = qobject_cast<DDeviceListItem *>(sender());
    if (!row)
        return;
    if (m_operations.isBusy()) {
        m_operations.deferSelection(row->getHidPath(), 2);
        return;
    }
    beginDeviceOperation();
    selectDevice(row->getHidPath(), 2);
    endDeviceOperation();
}

void DDevicePage::deleteDeviceViews()
{
    deleteKeyboardView();
    deleteMouseViews();
}

// The engine paints the view's keys: it stops first.
void DDevicePage::deleteKeyboardView()
{
    if (!m_keyboardPage)
        return;
    m_lightDealMain->stopAllThreads();
    delete m_keyboardPage;
}

// The engine lets go of the LED dots before they go.
void DDevicePage::deleteMouseViews()
{
    if (m_mouseLightPage) {
        m_mouseLightDealMain->setLedWidgets({});
        delete m_mouseLightPage;
    }
    delete m_mousePage;
}

// The view of the chosen type; the engine of the other type keeps
// streaming to its device.
void DDevicePage::createDeviceView(const hidStructInfo &record)
{
    const int type = record.hidType;
    const QString model = fixedText(record.hidName);
    if (m_currentDeviceItem) {
        if (type == kHidTypeKeyboard)
            m_lightDealMain->setLightSynchronize(false);
        else
            m_mouseLightDealMain->setLightSynchronize(false);
        if (m_currentDeviceItem->getHidType() != type) {
            if (type == kHidTypeKeyboard)
                deleteMouseViews();
            else
                deleteKeyboardView();
        } else if (type == kHidTypeKeyboard) {
            deleteKeyboardView();
        } else {
            deleteMouseViews();
        }
    } else {
        deleteDeviceViews();
    }
    m_lightDealMain->setScreenUpdateEnabled(type == kHidTypeKeyboard);
    m_mouseLightDealMain->setScreenUpdateEnabled(type == kHidTypeMouse);

    if (type == kHidTypeKeyboard) {
        m_keyboardPage = new keyboardPage(ui->hidDeviceShowFrame);
        connect(m_keyboardPage, SIGNAL(sigKeyboardAlreadyLoad()), this, SLOT(onKeyboardAlreadyLoad_Over()));
        connect(m_keyboardPage, SIGNAL(sigUpdateCustomLight()), this, SLOT(onUpdateCustomLight()));
        connect(m_keyboardPage, SIGNAL(sigKeyboardClicked(int, QString)), this, SLOT(onKeyboardClicked(int, QString)));
        ui->hidDeviceShowFrame->layout()->addWidget(m_keyboardPage);
        m_keyboardPage->setKeyboardName(model);
    } else if (type == kHidTypeMouse) {
        buildMouseView(model);
    }
}

// Record, link and transport of the chosen device; the transport frames
// its light reports for the device's type.
void DDevicePage::setCurrentDevice(const hidStructInfo &record)
{
    std::memset(&m_currentHidInfo, 0, sizeof m_currentHidInfo);
    m_currentHidInfo = record;
    m_currentDeviceLink = m_hidPathLinkMap.value(fixedText(record.hidPath));
    m_currentHidInterface = m_currentDeviceLink ? m_currentDeviceLink->getHidInterface() : nullptr;
    if (m_currentHidInterface)
        m_currentHidInterface->setFrameMode(record.hidType);
    // Also for a device that never loads: its own tabs, not the last one's.
    showToolTabs();
}

void DDevicePage::onKeyboardAlreadyLoad_Over()
{
    if (m_keyboardPage) {
        m_keyboardPage->hideSideLights();
        m_keyboardPage->hideKeyTips();
    }
}

bool DDevicePage::isDeviceLoaded() const
{
    return m_currentDeviceLink && m_currentHidInterface && !m_proFilePath.isEmpty();
}

QWidget *DDevicePage::formWidget(const char *objectName) const
{
    const QList<QWidget *> subPages = {m_macroCmdPage,       m_resetDefaultPage, m_changeKeyPage,   m_mouseKeyPage,
                                       m_keyWithTextPage,    m_keyDisablePage,   m_multimediaPage,  m_keyCombinationPage,
                                       m_hotKeyPage,         m_changProfilePage, m_keyWithAppPage,  m_performancePage,
                                       m_customEventListPage, m_softKeyboardPage, m_colorWheelTool, m_keyboardPage,
                                       m_onboardPage,        m_tipInfoDia,       m_mousePage,      m_mouseLightPage,
                                       m_mousePerformanceView, m_mouseConfigView};
    for (QWidget *widget : findChildren<QWidget *>(QLatin1String(objectName))) {
        bool inSubPage = false;
        for (QWidget *page : subPages)
            inSubPage = inSubPage || (page && (page == widget || page->isAncestorOf(widget)));
        // List rows reuse form names ("frame"): a device row found first
        // would take the side bar's theme.
        for (const QWidget *up = widget->parentWidget(); up && up != this && !inSubPage; up = up->parentWidget())
            inSubPage = up->inherits("DDeviceListItem") || up->inherits("profileListItem")
                || up->inherits("DCustomLightListItem") || up->inherits("DCustomEventListItem");
        if (!inSubPage)
            return widget;
    }
    return nullptr;
}

QString DDevicePage::currentDevicePath() const
{
    return m_currentDeviceItem ? m_currentDeviceItem->getHidPath() : QString();
}

void DDevicePage::retranslateAllUI()
{
    ui->retranslateUi(this);
    m_profileHeadingFitter->refit();
    initSelectionLists();
    if (m_currentDeviceItem) {
        ui->label_ProductName->setText(m_currentDeviceItem->getProductName());
        ui->label_DeviceName->setText(m_currentDeviceItem->getDeviceName());
    }
    ui->label_currentProfileName->setText(m_currentProfileName);
    // The remembered rows are marked again; the DPI effect row never is.
    const auto markRow = [this](selectionLists::List list, int id) {
        if (id < 0 || (list == selectionLists::KeyEffect && id == kDpiEffectRow))
            return;
        if (CustomButton *button = listButton(list, id))
            button->setSelected(true);
    };
    markRow(selectionLists::KeyFunction, m_curKeyIndex);
    markRow(selectionLists::KeyEffect, m_curLedIndex);
    markRow(selectionLists::SideEffect, m_curSideLedIndex);
    retranslateKeyCaptions();
    m_macroCmdPage->retranslate();
    m_resetDefaultPage->retranslate();
    m_changeKeyPage->retranslate();
    m_mouseKeyPage->retranslate();
    m_keyWithTextPage->retranslate();
    m_keyDisablePage->retranslate();
    m_multimediaPage->retranslate();
    m_keyCombinationPage->retranslate();
    m_hotKeyPage->retranslate();
    m_changProfilePage->retranslate();
    m_keyWithAppPage->retranslate();
    m_performancePage->retranslate();
    // The list's rows are retranslated in place, not read again, with the
    // key names of the new language.
    m_softKeyNameMap = m_softKeyboardPage->getKeyNameMap();
    m_customEventListPage->retranslate(m_softKeyNameMap);
    m_colorWheelTool->updateLanguage();
    if (m_currentHidInfo.hidType == kHidTypeMouse) {
        if (m_mousePage)
            m_mousePage->retranslateButtons();
        relabelMouseButtons();
        if (m_mouseLightPage)
            m_mouseLightPage->retranslate();
        m_mousePerformanceView->retranslate();
        m_mouseConfigView->retranslate();
    }
    if (m_onboardMode == 1)
        onCurIndexChangedOn_board(m_onboardLayer == 0 ? 0 : 1);
    // The explanation panel and the on-board menus take their texts when built.
    dropExplainPopup();
    dropOnboardMenuPopups();
    giveTabsTextRoom();
}

// A mouse button's name, "Default" and "Empty" were handed in the language
// of the moment: the pages show and store them in the new one.
void DDevicePage::retranslateKeyCaptions()
{
    m_currentKeyText = m_currentKeyCaption.text();
    if (m_currentKeyCaption.isTranslated())
        m_currentMouseButtonText = m_currentKeyText;
    for (const std::function<void()> &hand : qAsConst(m_keyCaptionRefreshers))
        hand();
}

// The key effects and the custom lighting list under them are taller than
// the page at the default window size: the column scrolls, so the list's
// rows keep their height.
void DDevicePage::makeKeyEffectListScrollable()
{
    m_keyEffectScroll = new QScrollArea(ui->page_KeyboardLed);
    m_keyEffectScroll->setObjectName(QStringLiteral("scrollArea_KeyEffects"));
    m_keyEffectScroll->setFrameShape(QFrame::NoFrame);
    m_keyEffectScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_keyEffectScroll->setWidgetResizable(true);
    m_keyEffectScroll->viewport()->setAutoFillBackground(false);
    // The layout hands back the frame's old item: it is ours to free.
    delete ui->verticalLayout_13->replaceWidget(ui->frame_18, m_keyEffectScroll);
    m_keyEffectScroll->setWidget(ui->frame_18);
    m_keyEffectScroll->setMinimumWidth(ui->frame_18->minimumWidth()
                                       + m_keyEffectScroll->verticalScrollBar()->sizeHint().width());
    // The list comes into view whenever the column's height has changed
    // under it (shown, rows laid out).
    connect(m_keyEffectScroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] {
        if (ui->frame_CustomLight->isVisible())
            m_keyEffectScroll->ensureWidgetVisible(ui->frame_CustomLight, 0, 0);
    });
}

void DDevicePage::showCustomLightList(bool shown)
{
    ui->frame_CustomLight->setVisible(shown);
    if (!shown)
        return;
    // Again once the rows are styled: their fonts set their heights.
    QTimer::singleShot(0, this, [this] { holdCustomLightRows(); });
    m_keyEffectScroll->ensureWidgetVisible(ui->frame_CustomLight, 0, 0);
}

// Every row at its full height: the effect list above scrolls instead.
void DDevicePage::holdCustomLightRows()
{
    int rowsHeight = 0;
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList))
        rowsHeight += row->sizeHint().height();
    ui->frame_CustomLight->setMinimumHeight(qMax(kCustomLightListMinHeight, rowsHeight));
}

// The tabs' texts are set flush in their buttons: a translation longer than
// the form's width widens its tab and keeps a gap to the next one.
void DDevicePage::giveTabsTextRoom()
{
    for (QAbstractButton *tab : {ui->pushButton_Performance, ui->pushButton_CustomList, ui->pushButton_SoftKeyboard,
                                 ui->pushButton_MousePerformance, ui->pushButton_MouseDpiConfig,
                                 ui->pushButton_AppMode, ui->pushButton_OnboardMode})
        giveButtonTextRoom(tab, kTabTextGap);
    giveLightTabsTextRoom();
}

// The two lighting tabs share the effect column. Texts that do not fit it
// side by side break into two lines (the tab row grows to hold them); what
// is still too wide widens the column.
void DDevicePage::giveLightTabsTextRoom()
{
    QPushButton *const tabs[] = {ui->pushButton_KeyboardLed, ui->pushButton_SideLed};
    if (!m_lightTabRowHeight) {
        m_lightTabRowHeight = ui->frame_19->maximumHeight();
        m_panelColumnsWidth = ui->frame_Custom->maximumWidth();
    }
    const int column = m_panelColumnsWidth - ui->frame_16->maximumWidth();
    int oneLine = 0;
    for (QPushButton *tab : tabs) {
        tab->setText(tab->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        tab->ensurePolished();
        oneLine += tab->fontMetrics().horizontalAdvance(tab->text()) + kTabTextGap;
    }
    const bool twoLines = oneLine > column;
    int width = 0;
    for (QPushButton *tab : tabs) {
        if (twoLines)
            tab->setText(balancedTwoLines(tab->fontMetrics(), tab->text()));
        giveButtonTextRoom(tab, kTabTextGap);
        width += tab->minimumWidth();
    }
    const QFontMetrics metrics = tabs[0]->fontMetrics();
    const int rowHeight = twoLines ? qMax(m_lightTabRowHeight, 2 * metrics.height() + kTabTextGap / 2) : m_lightTabRowHeight;
    ui->frame_19->setMaximumHeight(rowHeight);
    ui->frame_19->setMinimumHeight(rowHeight);
    // The key-function pages' buttons widen for long texts as well.
    ui->frame_Custom->setMaximumWidth(std::max({m_panelColumnsWidth, width + ui->frame_16->maximumWidth(),
                                                ui->stackedWidget_CustomAll->minimumSizeHint().width()}));
}

void DDevicePage::changeAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const bool pictures = DDataManager::instance()->isBgImageUsing();
    const QFont fonts[] = {DDataManager::instance()->getFont(0), DDataManager::instance()->getFont(1)};

    const devicePageTheme::noticeLook notice = devicePageTheme::notice(theme);
    m_notice->setBackgroundColor(notice.background);
    m_notice->setTextColor(notice.text);
    QFont noticeFont(notice.fontFamily);
    noticeFont.setPixelSize(notice.pixelSize);
    m_notice->setTextFont(noticeFont);

    if (!m_hidPathInfoMap.isEmpty()) {
        for (DDeviceListItem *row : qAsConst(m_deviceItemList))
            row->updateThemeStyle();
    }
    for (faintPictureTint *tint : qAsConst(m_stripTints))
        tint->setBackground(theme.DeviceLeftBgColor);
    const QList<devicePageTheme::styleSheetRow> sheets = devicePageTheme::styleSheets(theme);
    const auto apply = [this, &fonts](const devicePageTheme::styleSheetRow &row) {
        if (QWidget *widget = formWidget(row.objectName))
            widget->setStyleSheet(row.sheet);
        for (const devicePageTheme::fontUse &use : row.fonts) {
            QWidget *widget = formWidget(use.objectName);
            if (!widget)
                continue;
            QFont font = fonts[use.kind == 1 ? 1 : 0];
            font.setPointSize(use.pointSize);
            widget->setFont(font);
        }
    };
    for (int i = 0; i < devicePageTheme::kFirstBlockEnd && i < sheets.size(); ++i)
        apply(sheets.at(i));
    if (m_curLedIndex == kCustomEffectRow) {
        for (DCustomLightListItem *item : qAsConst(m_customLightItemList))
            item->updateTheme();
    }
    for (int i = devicePageTheme::kFirstBlockEnd; i < devicePageTheme::kSecondBlockEnd && i < sheets.size(); ++i)
        apply(sheets.at(i));

    const devicePageTheme::rowLook rows = devicePageTheme::selectionRows(theme, pictures);
    for (selectionLists::List list : {selectionLists::KeyFunction, selectionLists::KeyEffect,
                                      selectionLists::SideEffect, selectionLists::ScrollAndLogo}) {
        for (const selectionLists::Row &row : selectionLists::rows(list)) {
            if (CustomButton *button = listButton(list, row.id))
                button->setThemeColors(rows.selectedBackground, rows.hoverBackground, rows.normalBackground,
                                       rows.normalText, rows.selectedText, rows.fontFamily);
        }
    }
    loadProfileList(0);
    if (sheets.size() > devicePageTheme::kSecondBlockEnd)
        apply(sheets.at(devicePageTheme::kSecondBlockEnd));
    m_colorWheelTool->updateTheme();
    if (sheets.size() > devicePageTheme::kSecondBlockEnd + 1)
        apply(sheets.at(devicePageTheme::kSecondBlockEnd + 1));
    ui->label_LogMsg->setStyleSheet(devicePageTheme::downloadStatusSheet(theme));
    // Painted, not a sheet on the area: a sheet there would restyle every
    // widget inside it (over a thousand) on each theme change.
    m_deviceAreaColor = devicePageTheme::deviceAreaColor(theme);
    update();

    m_resetDefaultPage->changAppTheme();
    m_macroCmdPage->changAppTheme();
    m_changeKeyPage->changAppTheme();
    m_mouseKeyPage->changAppTheme();
    m_keyWithTextPage->changAppTheme();
    m_keyDisablePage->changAppTheme();
    m_multimediaPage->changAppTheme();
    m_keyCombinationPage->changAppTheme();
    m_hotKeyPage->changAppTheme();
    m_changProfilePage->changAppTheme();
    m_keyWithAppPage->changAppTheme();
    m_performancePage->changAppTheme();
    // The list restyles its rows in place.
    m_customEventListPage->changAppTheme();
    m_softKeyboardPage->updateTheme();
    if (m_onboardPage)
        m_onboardPage->changAppTheme();
    if (m_keyboardPage)
        m_keyboardPage->updateTheme();
    if (m_mousePage) {
        m_mousePage->updateTheme();
        m_mousePage->retranslateButtons();
        relabelMouseButtons();
    }
    if (m_mouseLightPage)
        m_mouseLightPage->updateTheme();
    m_mousePerformanceView->updateTheme();
    m_mouseConfigView->updateTheme();
    // The pop-ups take the theme's colours when they are built.
    dropExplainPopup();
    dropOnboardMenuPopups();
    // The effect column scrolls with the custom lighting list's scroll bar.
    m_keyEffectScroll->setStyleSheet(ui->widget_4->styleSheet());
    giveTabsTextRoom();
}

// --- Device load -----------------------------------------------------------

void DDevicePage::onInitLoadHid(QString hidName, int connectFrom)
{
    qDebug().noquote() << "-------------------------------- *** DDevicePage::onInitLoadHid *** "
                          "--------------------------------- 001 connectFrom:"
                       << connectFrom;
    const QString path = currentDevicePath();
    const QPointer<DDeviceKeyboardLink> link = m_currentDeviceLink;
    if (!link || path.isEmpty()) {
        unloadCurrentDevice();
        return;
    }
    devicePageWait::Outcome outcome = devicePageWait::Done;
    if (!link->isInitFinished())
        outcome = waitForLink(link, path);
    // The device may have gone, or another been chosen, meanwhile.
    if (!isStillCurrent(path, link))
        return;
    qDebug().noquote() << "-------------------------------- *** DDevicePage::onInitLoadHid *** "
                          "--------------------------------- 002";
    // The model is the selected record's, whatever name the caller had.
    const QString model = fixedText(m_currentHidInfo.hidName);
    if (model != hidName)
        qDebug().noquote() << "------------------------- onInitLoadHid model:" << model << "asked:" << hidName;
    m_currentDeviceSnInfo = m_currentHidInterface ? m_currentHidInterface->getSerialNumber() : QString();
    if (outcome == devicePageWait::Gone || m_currentDeviceSnInfo.isEmpty()
        || deviceProfileFiles::profilePath(DDataManager::instance()->getUserConfigPath(), model,
                                           m_currentDeviceSnInfo)
               .isEmpty()) {
        // Selected, never loaded: every panel asks for an open device.
        unloadCurrentDevice();
        m_currentDeviceLink = link;
        return;
    }
    qDebug().noquote() << "------------------------- onInitLoadHid m_currentDeviceSnInfo:" << m_currentDeviceSnInfo;
    const int type = m_currentHidInfo.hidType;

    ui->frame_CustomLight->hide();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    m_colorWheelTool->setDeviceType(type);
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->pushButton_AppMode->setChecked(true);
    for (QWidget *button : pcFunctionButtons())
        button->show();
    // The key picked on the device shown before is not one of this device.
    clearKeySelection();

    if (type == kHidTypeKeyboard) {
        m_supportOnboard = m_keyboardPage && m_keyboardPage->supportsOnboard();
        // A keyboard always starts in PC mode, on the transport and the link.
        applyDeviceMode(0);
        link->setOnboardMode(0);
        delete m_onboardPage;
        showToolTabs();
        ui->pushButton_Performance->setChecked(true);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        filterLightTypes();
        link->setLightDealMain(m_lightDealMain);
        if (m_keyboardPage)
            link->setKeyButtonMap(m_keyboardPage->getKeyButtonMap());
        const lightTypeListInfo keys = link->getKeyLightTypeList();
        const lightTypeListInfo side = link->getSideLightTypeList();
        onSendKeyboardAndSideLightSpeedAndBrightness(keys.speedMax, keys.brightnessMax, side.speedMax,
                                                     side.brightnessMax);
    } else {
        if (m_mouseLightPage)
            m_mouseLightPage->updateTheme();
        m_supportOnboard = false;
        m_onboardMode = 0;
        link->setOnboardMode(0);
        m_mouseSettingsLoaded = false;
        m_currentMouseButton = 0;
        showToolTabs();
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        filterMouseLightTypes();
        link->setMouseLightDealMain(m_mouseLightDealMain);
    }

    if (!prepareProfileFile(model, m_currentDeviceSnInfo)) {
        unloadCurrentDevice();
        m_currentDeviceLink = link;
        return;
    }
    link->setProFileInfo(m_xmlInterface, m_proFilePath.toLocal8Bit().constData());
    m_profileIndex = m_xmlInterface->getProfileIndex(m_proFilePath);
    link->setCurProFileIndex(m_profileIndex);
    const QByteArray profile = profileText();

    if (type == kHidTypeKeyboard) {
        m_lightDealMain->setHidInterface(m_currentHidInterface);
        m_keyboardEngineHid = m_currentHidInterface;
        m_keyLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 0);
        m_sideLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 1);
        link->setKeyLightType(m_keyLightType);
        m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profile);
        showLightOnOffStyle();
        m_lightSynchronizeStatus = m_xmlInterface->getLightSynchronizeStatus(m_proFilePath, profile);
        ui->checkBox_LightSynchronize->setChecked(m_lightSynchronizeStatus == 1);
        // The settings load gives the performance page its profile and
        // options.
        m_performancePage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        m_performancePage->setFilePaths(m_macroFilePath.toLocal8Bit().constData(),
                                        m_proFilePath.toLocal8Bit().constData());
        loadKeyboardSettings(m_profileIndex);
        if (!isStillCurrent(path, link))
            return;
        if (ui->stackedWidget_Tool->currentWidget() == ui->page_CustomList)
            m_customEventListPage->loadCustomEventList(m_xmlInterface, m_proFilePath.toLocal8Bit().constData(),
                                                       m_profileIndex, m_softKeyNameMap);
        qDebug().noquote() << "------------------------------------------------------------ *** Light 01 *** "
                              "------------------------";
        onCurIndexChangedMainPage(1);
        qDebug().noquote() << "------------------------------------------------------------ *** Light 02 *** "
                              "------------------------";
        onCurIndexChangedMainPage(0);
    } else {
        m_mouseLightDealMain->setHidInterface(m_currentHidInterface);
        m_mouseEngineHid = m_currentHidInterface;
        if (m_mouseLightPage)
            m_mouseLightDealMain->setLedWidgets(m_mouseLightPage->getLedWidgets());
        const QByteArray filePath = m_proFilePath.toLocal8Bit();
        m_mouseConfigView->setXmlInfo(filePath.constData(), m_xmlInterface);
        m_mouseAroundLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 0);
        m_mouseScrollLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 1);
        m_mouseLogoLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 2);
        link->setAroundLightType(m_mouseAroundLightType);
        link->setScrollLightType(m_mouseScrollLightType);
        link->setLogoLightType(m_mouseLogoLightType);
        if (m_mousePage)
            m_mousePage->setProfilePath(filePath.constData());
        m_mousePerformanceView->setProfileIndex(m_profileIndex);
        m_mouseConfigView->setProfileIndex(m_profileIndex);
        if (m_mouseLightPage) {
            m_mouseLightPage->setXmlInfo(filePath.constData(), m_xmlInterface);
            m_mouseLightPage->setProfileIndex(m_profileIndex);
        }
        m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profile);
        showLightOnOffStyle();
        m_lightSynchronizeStatus = m_xmlInterface->getLightSynchronizeStatus(m_proFilePath, profile);
        ui->checkBox_LightSynchronize->setChecked(m_lightSynchronizeStatus == 1);
        loadMouseSettings(m_profileIndex);
        if (!isStillCurrent(path, link))
            return;
        onCurIndexChangedMainPage(1);
        onCurIndexChangedMainPage(0);
        m_mouseSettingsLoaded = true;
        if (m_mouseLightPage)
            m_mouseLightPage->loadLinkStatus();
    }

    // The settings load has shown the profile's name.
    m_currentProfileIndexText = QString::number(m_profileIndex);
    showModeSelector();
}

// The device's folder and profile file, made on its first load: one
// profile with the defaults. A file that no longer parses is set aside and
// made anew. False (the user told) when the file cannot be had.
bool DDevicePage::prepareProfileFile(const QString &model, const QString &serial)
{
    const QString userConfig = DDataManager::instance()->getUserConfigPath();
    const QString path = deviceProfileFiles::profilePath(userConfig, model, serial);
    if (!m_xmlInterface || path.isEmpty())
        return false;
    if (!deviceProfileFiles::makeDeviceFolder(userConfig, model, serial)) {
        toast(QT_TR_NOOP("The device's profile folder could not be created"));
        return false;
    }
    m_proFilePath = path;
    deviceProfileFiles::FileState state = deviceProfileFiles::inspect(*m_xmlInterface, path);
    if (state == deviceProfileFiles::FileState::Unreadable) {
        const QString aside = deviceProfileFiles::setAside(path, QDateTime::currentDateTime());
        qWarning().noquote() << "------------------------- unreadable profile file" << path << "set aside as" << aside;
        if (aside.isEmpty()) {
            toast(QT_TR_NOOP("The device's profile file could not be read"));
            return false;
        }
        toast(QT_TR_NOOP("The device's profile file could not be read; it was set aside and a new one made"));
        state = deviceProfileFiles::FileState::Missing;
    }
    if (state == deviceProfileFiles::FileState::Missing) {
        m_profileIndex = 1;
        bool ok = m_xmlInterface->createXmlFile(path)
            && m_xmlInterface->addProfile(path, "1", "Profile1", QByteArray(), QByteArray(), m_currentHidInfo.hidType);
        ok = ok && writeProfileDefaults(1);
        if (!ok) {
            // A half-made file would read as this device's profile.
            QFile::remove(path);
            m_proFilePath.clear();
            toast(QT_TR_NOOP("The device's profile file could not be created"));
            return false;
        }
    }
    return true;
}

void DDevicePage::showLightOnOffStyle()
{
    ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(m_ledOpenOrClose == 0 ? kLedOnSheet : kLedOffSheet));
}

// On-board keyboards offer the mode selector; the Fn model only a factory
// restore besides it.
void DDevicePage::showModeSelector()
{
    if (!m_supportOnboard) {
        ui->frame_HidDeviceTypeChang->hide();
        return;
    }
    ui->frame_HidDeviceTypeChang->show();
    if (deviceModelSets::isOnboardFnModel(fixedText(m_currentHidInfo.hidName))) {
        ui->toolButton_RestoreFactorySettings->show();
    } else {
        ui->pushButton_AppMode->show();
        ui->pushButton_OnboardMode->show();
        ui->toolButton_RestoreFactorySettings->hide();
    }
}

// The label and the name the page keeps for it stay alike.
void DDevicePage::showProfileName(const QByteArray &profile)
{
    profileInfo header{};
    m_xmlInterface->getProfileInfo(m_proFilePath, profile, header);
    m_currentProfileName = QString::fromUtf8(fixedText(header.name).toUtf8());
    ui->label_currentProfileName->setText(m_currentProfileName);
}

void DDevicePage::loadKeyboardSettings(int profileIndex)
{
    m_profileIndex = profileIndex;
    if (!m_xmlInterface || m_proFilePath.isEmpty() || !QFileInfo(m_proFilePath).isFile())
        return;
    // Taken first: a Musical Rhythm profile passes through the keys tab.
    const bool lightingTabOpen = m_lightPanelActive && m_mainPageIndex == 1;
    const QByteArray profile = profileText();
    const QMap<int, keyboardButCustom *> keys = m_keyboardPage ? m_keyboardPage->getKeyButtonMap()
                                                               : QMap<int, keyboardButCustom *>();
    for (const QString &code : qAsConst(m_assignedKeyCodeList)) {
        if (keyboardButCustom *key = keys.value(code.toInt()))
            key->setKeyAssigned(false);
    }
    QList<QByteArray> codes;
    m_xmlInterface->getKeyCodeList(m_proFilePath, profile, codes);
    m_assignedKeyCodeList.clear();
    for (const QByteArray &code : qAsConst(codes)) {
        m_assignedKeyCodeList.append(QString::fromLatin1(code));
        keyboardButCustom *key = keys.value(code.toInt());
        if (key && (m_mainPageIndex == 0 || m_mainPageIndex == 2))
            key->setKeyAssigned(true);
    }
    showProfileName(profile);
    const QByteArray filePath = m_proFilePath.toLocal8Bit();
    if (ui->stackedWidget_Tool->currentWidget() == ui->page_CustomList) {
        qDebug().noquote() << "------------------------ *** Into CustomList *** ------------------------";
        m_customEventListPage->loadCustomEventList(m_xmlInterface, filePath.constData(), m_profileIndex,
                                                   m_softKeyNameMap);
    }
    setKeyFunctionProfileIndex(m_profileIndex);
    m_performancePage->setProfileIndex(m_profileIndex);
    reloadKeyFunctionPages();
    m_performancePage->loadPerformanceOptions();

    m_keyLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 0);
    colorInfoData keyLight{};
    if (m_xmlInterface->getLightInfo(m_proFilePath, profile, 0, m_keyLightType, keyLight)) {
        m_colorWheelTool->setColorInfo(keyLight);
        if (m_keyLightType == kMusicalRhythmEffect) {
            // Streaming is forced on for this effect.
            if (m_mainPageIndex != 2) {
                onCurIndexChangedMainPage(1);
                onCurIndexChangedMainPage(0);
            }
            ui->checkBox_LightSynchronize->setChecked(true);
            onCurIndexChanged_Led(kMusicalRhythmRow);
            on_checkBox_LightSynchronize_clicked();
            ui->toolButton_MusicalRhythm->setSelected(true);
        } else {
            if (m_keyLightType == kCustomEffect)
                loadCustomLightList();
            m_lightDealMain->setMusicMode(false);
            onSendSetKeyboardColorData();
            m_lightSynchronizeStatus = m_xmlInterface->getLightSynchronizeStatus(m_proFilePath, profile);
            ui->checkBox_LightSynchronize->setChecked(m_lightSynchronizeStatus == 1);
            on_checkBox_LightSynchronize_clicked();
        }
    }
    m_sideLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 1);
    colorInfoData sideLight{};
    if (m_xmlInterface->getLightInfo(m_proFilePath, profile, 1, m_sideLightType, sideLight)) {
        m_colorWheelTool->setColorInfo(sideLight);
        onSendSetSideColorData();
    }
    m_colorWheelTool->clearCustomColors();
    // A switch while the lighting tab is up: the colour panel would still
    // edit the old profile.
    if (lightingTabOpen && isCurrentDeviceOpen())
        onCurIndexChangedMainPage(1);
}

void DDevicePage::loadMouseSettings(int profileIndex)
{
    m_profileIndex = profileIndex;
    if (m_mousePage)
        m_mousePage->retranslateButtons();
    if (!m_xmlInterface || m_proFilePath.isEmpty() || !QFileInfo(m_proFilePath).isFile())
        return;
    const QByteArray profile = profileText();
    relabelMouseButtons();
    showProfileName(profile);
    setKeyFunctionProfileIndex(m_profileIndex);
    m_mousePerformanceView->setProfileIndex(m_profileIndex);
    m_mouseConfigView->setProfileIndex(m_profileIndex);
    m_mouseConfigView->loadDpiConfig();
    reloadKeyFunctionPages();

    const int rate = m_xmlInterface->getFeature(m_proFilePath, profile, 0);
    m_mousePerformanceView->setRateIndex(rate);
    onCurIndexChanged_MouseRateNumIndex(rate);
    // Read before the zones go out, so each zone's report carries this
    // profile's link byte.
    loadMouseLinkStates();
    int *zoneEffects[] = {&m_mouseAroundLightType, &m_mouseScrollLightType, &m_mouseLogoLightType};
    colorInfoData items[3]{};
    bool present[3] = {};
    for (int zone = 0; zone < 3; ++zone) {
        *zoneEffects[zone] = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, zone);
        present[zone] = m_xmlInterface->getLightInfo(m_proFilePath, profile, zone, *zoneEffects[zone], items[zone]);
        if (present[zone]) {
            m_colorWheelTool->setColorInfo(items[zone]);
            setMouseLightConfig(zone);
        }
    }
    applyMouseZonesToEngine(items, present);
    m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profile);
    showLightOnOffStyle();
    if (m_mouseLightPage)
        m_mouseLightPage->setLightDisabled(m_ledOpenOrClose);
    m_colorWheelTool->clearCustomColors();
    m_lightSynchronizeStatus = m_xmlInterface->getLightSynchronizeStatus(m_proFilePath, profile);
    ui->checkBox_LightSynchronize->setChecked(m_lightSynchronizeStatus == 1);
    on_checkBox_LightSynchronize_clicked();
    // A switch while the lighting tab is up: the colour panel would still
    // edit the old profile.
    if (m_mouseSettingsLoaded && m_mainPageIndex == 1 && isCurrentDeviceOpen())
        onCurIndexChangedMainPage(1);
}

// The lighting page shows the current profile's Scroll and Logo links. The
// states are only recorded here: the caller sends the zones.
void DDevicePage::loadMouseLinkStates()
{
    if (!m_mouseLightPage)
        return;
    const bool loaded = m_mouseSettingsLoaded;
    m_mouseSettingsLoaded = false;
    m_mouseLightPage->setProfileIndex(m_profileIndex);
    m_mouseLightPage->loadLinkStatus();
    m_mouseSettingsLoaded = loaded;
}

// The dots, and the frames streamed while synchronised, follow the
// profile's zones; Around last, as the lighting tab gives them.
void DDevicePage::applyMouseZonesToEngine(const colorInfoData (&items)[3], const bool (&present)[3])
{
    if (present[kMouseZoneScroll])
        m_mouseLightDealMain->setScrollLightConfig(items[kMouseZoneScroll]);
    if (present[kMouseZoneLogo])
        m_mouseLightDealMain->setLogoLightConfig(items[kMouseZoneLogo]);
    if (present[kMouseZoneAround])
        m_mouseLightDealMain->setAroundLightConfig(items[kMouseZoneAround]);
}

// Every bound mouse button shows its binding; the list holds exactly the
// bound codes.
void DDevicePage::relabelMouseButtons()
{
    m_assignedKeyCodeList.clear();
    // The labels name keys by the page's key names of the moment.
    if (m_mousePage)
        m_mousePage->setKeyNameMap(m_softKeyNameMap);
    if (!m_xmlInterface || m_proFilePath.isEmpty())
        return;
    const QByteArray profile = profileText();
    QList<QByteArray> codes;
    m_xmlInterface->getKeyCodeList(m_proFilePath, profile, codes);
    for (const QByteArray &code : qAsConst(codes)) {
        customKeyInfo info;
        std::memset(&info, 0, sizeof info);
        const bool read = m_xmlInterface->getKeyInfo(m_proFilePath, profile, code, info);
        m_assignedKeyCodeList.append(QString::fromLatin1(code));
        if (read && m_mousePage && fixedText(info.keyCode) != QLatin1String("-1"))
            m_mousePage->setMouseKeyInfo(code.toInt(), info);
    }
}

bool DDevicePage::writeProfileDefaults(int profileIndex)
{
    if (!m_xmlInterface || m_proFilePath.isEmpty())
        return false;
    if (m_currentHidInfo.hidType == kHidTypeMouse)
        return profileDefaults::writeMouseSettings(*m_xmlInterface, m_proFilePath, profileIndex);
    const QString model = fixedText(m_currentHidInfo.hidName);
    bool ok = profileDefaults::writeKeyboardLightItems(*m_xmlInterface, m_proFilePath, profileIndex, model);
    addDefaultCustomLights(profileIndex);
    return profileDefaults::writeKeyboardSideRule(*m_xmlInterface, m_proFilePath, profileIndex, model) && ok;
}

// --- Toasts --------------------------------------------------------------

QPoint DDevicePage::getNoticePoint() const
{
    return devicePageGeometry::noticePoint(rect(), ui->frame->width(), ui->frame_Custom->width(),
                                           !ui->frame_Custom->isHidden());
}

void DDevicePage::toast(const char *text)
{
    m_notice->showNotice(tr(text), getNoticePoint());
}

bool DDevicePage::isCurrentDeviceOpen() const
{
    return m_currentHidInterface && m_currentHidInterface->isHidOpen();
}

bool DDevicePage::profileLoaded() const
{
    return m_xmlInterface && !m_proFilePath.isEmpty();
}

// --- Events --------------------------------------------------------------

bool DDevicePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->label_currentProfileName) {
        if (event->type() != QEvent::MouseButtonPress
            || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (!isCurrentDeviceOpen()) {
            toast(QT_TR_NOOP("Please open hid first!"));
            return false;
        }
        if (m_onboardMode == 1) {
            toast(QT_TR_NOOP("Currently in On-board mode, please exit first"));
            return false;
        }
        profileLabelPressed();
        return true;
    }
    if (watched == ui->stackedWidget_KeyboardArea && event->type() == QEvent::Resize)
        updateOnboardMargins();
    if (watched == ui->toolButton_Explain) {
        if (event->type() == QEvent::Enter)
            showOnboardExplainPopup();
        else if (event->type() == QEvent::Leave && m_menuPopup)
            m_menuPopup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

// Opens the profile panel for the selected device.
void DDevicePage::profileLabelPressed()
{
    ui->lightOperateFrame->hide();
    qDebug().noquote() << "-------------- Label [profile name] Clicked ---------------";
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_ProfileOperate);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    m_mainPageIndex = 2;
    ui->frame_Custom->show();
    ui->pushButton_Custom->setChecked(false);
    ui->pushButton_Led->setChecked(false);
    ui->pushButton_PerformanceChang->setChecked(true);
    if (m_currentHidInfo.hidType == kHidTypeKeyboard) {
        if (m_keyboardPage) {
            m_keyboardPage->setKeyClickLocked(false);
            m_keyboardPage->showSideLights(false);
            m_keyboardPage->setCustomLightMode(false);
            m_keyboardPage->clearSelection();
            m_keyboardPage->setKeyFrameMode(false, true);
        }
        showToolPage(0, ui->pushButton_Performance);
        ui->frame_7->show();
        ui->frame_6->setMaximumHeight(kToolAreaKeyboardHeight);
    } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_MouseDpiConfig), ui->pushButton_MouseDpiConfig);
        ui->frame_7->show();
        ui->frame_6->setMaximumHeight(kToolAreaMouseHeight);
    }
    loadProfileList(0);
}

void DDevicePage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(ui->frame_11->geometry() & event->rect(), m_deviceAreaColor);
}

void DDevicePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateOnboardMargins();
}

ArrowWidget *DDevicePage::explainPopup() const
{
    return m_explainPopup;
}

ArrowWidget *DDevicePage::menuPopup() const
{
    return m_menuPopup;
}

keyboardPage *DDevicePage::currentKeyboardPage() const
{
    return m_keyboardPage;
}

QButtonGroup *DDevicePage::buttonGroupOf(QObject *button) const
{
    auto *b = qobject_cast<QAbstractButton *>(button);
    return b ? b->group() : nullptr;
}

// --- Selection lists -----------------------------------------------------

CustomButton *DDevicePage::listButton(selectionLists::List list, int id) const
{
    const selectionLists::Row *row = selectionLists::rowById(list, id);
    return row ? findChild<CustomButton *>(QLatin1String(row->objectName)) : nullptr;
}

void DDevicePage::markListRow(selectionLists::List list, int id)
{
    if (CustomButton *button = listButton(list, id))
        button->setSelected(true);
}

int DDevicePage::markEffectRow(selectionLists::Column column, int effect)
{
    const selectionLists::List list = selectionLists::listOf(column);
    resetList(list);
    const int id = selectionLists::idForNumber(column, effect);
    if (id >= 0)
        markListRow(list, id);
    return id;
}

void DDevicePage::resetList(selectionLists::List list)
{
    for (const selectionLists::Row &row : selectionLists::rows(list)) {
        CustomButton *button = listButton(list, row.id);
        button->setImageAndText(QLatin1String(row.picture), QCoreApplication::translate("DDevicePage", row.caption));
        button->setSelected(false);
    }
}

void DDevicePage::setListRowsVisible(selectionLists::List list, const QSet<int> &visibleIds)
{
    for (const selectionLists::Row &row : selectionLists::rows(list))
        listButton(list, row.id)->setVisible(visibleIds.contains(row.id));
}

void DDevicePage::initSelectionLists()
{
    resetKeyFunctionList();
    resetLedTypeList();
    resetSideLedTypeList();
    resetScrollAndLogoLedTypeList();
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Add"));
}

void DDevicePage::resetKeyFunctionList()
{
    resetList(selectionLists::KeyFunction);
}

void DDevicePage::resetLedTypeList()
{
    resetList(selectionLists::KeyEffect);
}

void DDevicePage::resetSideLedTypeList()
{
    resetList(selectionLists::SideEffect);
}

void DDevicePage::resetScrollAndLogoLedTypeList()
{
    resetList(selectionLists::ScrollAndLogo);
}

void DDevicePage::filterLightTypes()
{
    filterKeyboardLightTypes();
    filterSideLightTypes();
}

// A missing link reports nothing: its lists count as empty.
void DDevicePage::filterKeyboardLightTypes()
{
    const lightTypeListInfo keys = m_currentDeviceLink ? m_currentDeviceLink->getKeyLightTypeList()
                                                       : lightTypeListInfo();
    setListRowsVisible(selectionLists::KeyEffect, selectionLists::visibleKeyboardEffectIds(keys.lightTypeList));
    m_colorWheelTool->setSpeedAndBrightnessMaxNum(keys.speedMax, keys.brightnessMax);
}

void DDevicePage::filterSideLightTypes()
{
    const lightTypeListInfo side = m_currentDeviceLink ? m_currentDeviceLink->getSideLightTypeList()
                                                       : lightTypeListInfo();
    ui->frame_19->setVisible(selectionLists::sideTabsVisible(side.lightTypeList));
    setListRowsVisible(selectionLists::SideEffect, selectionLists::visibleSideEffectIds(side.lightTypeList));
    m_colorWheelTool->setSideLightSpeedAndBrightnessMaxNum(side.speedMax, side.brightnessMax);
}

void DDevicePage::filterMouseLightTypes()
{
    ui->frame_19->hide();
    lightTypeListInfo around;
    lightTypeListInfo scroll;
    lightTypeListInfo logo;
    if (m_currentDeviceLink) {
        around = m_currentDeviceLink->getAroundLightTypeList();
        scroll = m_currentDeviceLink->getScrollLightTypeList();
        logo = m_currentDeviceLink->getLogoLightTypeList();
    }
    m_mouseLightDealMain->setSpeedAndBrightnessMax(around.speedMax, around.brightnessMax, scroll.speedMax,
                                                   scroll.brightnessMax, logo.speedMax, logo.brightnessMax);
    m_colorWheelTool->setMouseAroundSpeedAndBrightnessMaxNum(around.speedMax, around.brightnessMax);
    m_colorWheelTool->setMouseScrollSpeedAndBrightnessMaxNum(scroll.speedMax, scroll.brightnessMax);
    m_colorWheelTool->setMouseLogoSpeedAndBrightnessMaxNum(logo.speedMax, logo.brightnessMax);
    setListRowsVisible(selectionLists::KeyEffect, selectionLists::visibleMouseAroundIds(around.lightTypeList));
    for (const selectionLists::Row &row : selectionLists::rows(selectionLists::ScrollAndLogo))
        listButton(selectionLists::ScrollAndLogo, row.id)->setSelected(false);
    setListRowsVisible(selectionLists::ScrollAndLogo, selectionLists::visibleScrollAndLogoIds());
}

void DDevicePage::setAllKeysAssigned(bool assigned)
{
    if (!m_keyboardPage)
        return;
    const QMap<int, keyboardButCustom *> keys = m_keyboardPage->getKeyButtonMap();
    for (keyboardButCustom *key : keys)
        key->setKeyAssigned(assigned);
}

// --- Navigation ----------------------------------------------------------

void DDevicePage::showToolPage(int pageIndex, QAbstractButton *tab)
{
    ui->stackedWidget_Tool->setCurrentIndex(pageIndex);
    if (tab)
        tab->setChecked(true);
}

void DDevicePage::showToolTabs()
{
    const deviceToolTabs tabs = deviceToolTabs::forDevice(m_currentHidInfo.hidType, m_onboardMode);
    ui->pushButton_Performance->setVisible(tabs.performance);
    ui->pushButton_CustomList->setVisible(tabs.customList);
    ui->pushButton_SoftKeyboard->setVisible(tabs.softKeyboard);
    ui->pushButton_MousePerformance->setVisible(tabs.mousePerformance);
    ui->pushButton_MouseDpiConfig->setVisible(tabs.mouseDpiConfig);
}

void DDevicePage::onCurIndexChangedMainPage(int id)
{
    if (!isCurrentDeviceOpen()) {
        toast(QT_TR_NOOP("Please open hid first!"));
        // The click checked the tab: the tab in use keeps the check.
        if (m_mainPageIndex == kMainKeys || m_mainPageIndex < 0)
            ui->pushButton_Custom->setChecked(true);
        else if (m_mainPageIndex == 1)
            ui->pushButton_Led->setChecked(true);
        else
            ui->pushButton_PerformanceChang->setChecked(true);
        return;
    }
    ui->frame_6->show();
    ui->frame_Custom->show();

    if (m_currentHidInfo.hidType == kHidTypeKeyboard) {
        const bool keysTab = id == kMainKeys;
        if (m_keyboardPage) {
            for (auto &row : m_keyboardPage->keyButtonGrid) {
                for (keyboardButCustom *key : row) {
                    if (key)
                        key->setColorRefreshEnabled(!keysTab);
                }
            }
        }
        if (keysTab) {
            m_lightPanelActive = false;
            ui->lightOperateFrame->hide();
            ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
            if (m_keyboardPage) {
                m_keyboardPage->setKeyClickLocked(false);
                m_keyboardPage->showSideLights(false);
            }
            showToolPage(ToolPerformance, ui->pushButton_Performance);
            ui->frame_7->show();
            ui->frame_6->setMaximumHeight(kToolAreaKeyboardHeight);
            m_mainPageIndex = kMainKeys;
            if (m_keyboardPage) {
                m_keyboardPage->setCustomLightMode(false);
                m_keyboardPage->clearSelection();
                m_keyboardPage->setKeyFrameMode(true, true);
            }
            ui->frame_HidDeviceTypeChang->setVisible(m_supportOnboard);
            if (m_onboardMode == 0) {
                if (m_keyboardPage) {
                    const QMap<int, keyboardButCustom *> keys = m_keyboardPage->getKeyButtonMap();
                    for (const QString &code : qAsConst(m_assignedKeyCodeList)) {
                        if (keyboardButCustom *key = keys.value(code.toInt()))
                            key->setKeyAssigned(true);
                    }
                }
                ui->stackedWidget_Onboard->hide();
                ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
                onCurIndexChangedOperate(ToolCustomList);
                ui->pushButton_CustomList->setChecked(true);
            } else {
                ui->frame_OnboardProfile->show();
                ui->frame_OnboardDownload->show();
                updateOnboardMargins();
                ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_Onboard);
                ui->pushButton_SoftKeyboard->setChecked(true);
                onCurIndexChangedOperate(ToolSoftKeyboard);
            }
        } else {
            m_lightPanelActive = true;
            ui->frame_HidDeviceTypeChang->hide();
            ui->frame_OnboardProfile->hide();
            ui->frame_OnboardDownload->hide();
            clearLightChanged();
            const lightTypeListInfo keys = m_currentDeviceLink ? m_currentDeviceLink->getKeyLightTypeList()
                                                               : lightTypeListInfo();
            const lightTypeListInfo side = m_currentDeviceLink ? m_currentDeviceLink->getSideLightTypeList()
                                                               : lightTypeListInfo();
            onSendKeyboardAndSideLightSpeedAndBrightness(keys.speedMax, keys.brightnessMax, side.speedMax,
                                                         side.brightnessMax);
            enterLightingPanel();
        }
        return;
    }

    if (m_currentHidInfo.hidType != kHidTypeMouse)
        return;
    ui->frame_HidDeviceTypeChang->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    if (id == kMainKeys) {
        m_mainPageIndex = kMainKeys;
        ui->lightOperateFrame->hide();
        ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
        ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
        ui->frame_Custom->show();
        ui->pushButton_Custom->setChecked(true);
        ui->pushButton_Led->setChecked(false);
        ui->pushButton_PerformanceChang->setChecked(false);
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_MouseDpiConfig), ui->pushButton_MouseDpiConfig);
        ui->frame_7->show();
        ui->frame_6->setMaximumHeight(kToolAreaMouseHeight);
        return;
    }

    clearLightChanged();
    ui->lightOperateFrame->show();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_MouseLight);
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomLed);
    ui->frame_Custom->show();
    ui->pushButton_Custom->setChecked(false);
    ui->pushButton_Led->setChecked(true);
    ui->pushButton_PerformanceChang->setChecked(false);
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_LightOffOrOpen);
    ui->frame_7->hide();
    ui->frame_6->setMaximumHeight(kToolAreaLightHeight);
    // Without a loaded profile there is nothing to restore.
    if (profileLoaded()) {
        m_colorWheelTool->setConfigInfo(m_proFilePath, m_xmlInterface, m_profileIndex);
        const QByteArray profile = profileText();
        m_mouseAroundLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profile, 0);
        if (m_currentDeviceLink)
            m_currentDeviceLink->setAroundLightType(m_mouseAroundLightType);
        updateMouseDpiColors();
        m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profile);
        ui->frame_Custom->setVisible(m_ledOpenOrClose == 0);
        ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(m_ledOpenOrClose == 0 ? kLedOnSheet : kLedOffSheet));
        // Scroll, then Logo, then Around: the zone set last is the one the
        // panel shows.
        m_colorWheelTool->setLightZone(1, m_mouseScrollLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setScrollLightConfig(m_colorWheelTool->getColorInfo());
        m_colorWheelTool->setLightZone(2, m_mouseLogoLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setLogoLightConfig(m_colorWheelTool->getColorInfo());
        m_colorWheelTool->setLightZone(0, m_mouseAroundLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setAroundLightConfig(m_colorWheelTool->getColorInfo());
    }
    if (m_mouseLightPage)
        m_mouseLightPage->loadLinkStatus();
    m_mainPageIndex = 1;
    ui->frame_Custom->setVisible(m_ledOpenOrClose == 0);
    if (m_mouseLightPage)
        m_mouseLightPage->setLightDisabled(m_ledOpenOrClose);
}

void DDevicePage::onCurIndexChangedOperate(int id)
{
    switch (id) {
    case ToolPerformance:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        break;
    case ToolCustomList:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_CustomList);
        if (profileLoaded()) {
            m_customEventListPage->loadCustomEventList(m_xmlInterface, m_proFilePath.toLocal8Bit().constData(),
                                                       m_profileIndex, m_softKeyNameMap);
        }
        break;
    case ToolSoftKeyboard:
        m_softKeyboardPage->setSelectEnabled(m_curCustomPageIndex == kPageRemapKey        ? 0
                                             : m_curCustomPageIndex == kPageCombinationKey ? 1
                                                                                            : 2);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_SoftKeyboard);
        break;
    case ToolMousePerformance:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MousePerformance);
        break;
    case ToolMouseDpiConfig:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        break;
    default:
        break;
    }
}

void DDevicePage::on_pushButton_CloseKeyCustom_clicked()
{
    ui->frame_Custom->hide();
    if (m_currentHidInfo.hidType == kHidTypeMouse)
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_MouseDpiConfig), ui->pushButton_MouseDpiConfig);
    else
        showToolPage(ToolPerformance, ui->pushButton_Performance);
    if (m_onboardMode == 1)
        updateOnboardMargins();
}

void DDevicePage::on_pushButton_CloseLedCustom_clicked()
{
    ui->frame_Custom->hide();
    if (m_onboardMode == 1)
        updateOnboardMargins();
}

void DDevicePage::on_pushButton_CloseProfile_clicked()
{
    ui->frame_Custom->hide();
    if (m_onboardMode == 1)
        updateOnboardMargins();
}

void DDevicePage::updateOnboardMargins()
{
    // Passed as it comes: a narrow area gives a negative figure, which the
    // layouts read as the style's default margin.
    const int left = devicePageGeometry::onboardLeftMargin(ui->stackedWidget_KeyboardArea->width());
    ui->horizontalLayout_32->setContentsMargins(left, 0, 9, 0);
    ui->horizontalLayout_35->setContentsMargins(left, 0, 36, 0);
}

// One pop-up for the page's life; it only explains, so it lets the pointer
// through and the button under it keeps the hover.
void DDevicePage::showOnboardExplainPopup()
{
    if (!m_explainPopup) {
        m_explainPopup = new ArrowWidget(0);
        m_explainPopup->setWindowFlag(Qt::WindowTransparentForInput);
        auto *panel = new onboardExplainDia(m_explainPopup);
        panel->setWindowOpacity(1.0);
        const QSize size = devicePageGeometry::explainPopupSize();
        m_explainPopup->setPopupSize(size.width(), size.height());
        m_explainPopup->setArrowOffset(devicePageGeometry::explainArrowOffset());
        m_explainPopup->setContentWidget(panel);
    }
    m_menuPopup = m_explainPopup;
    QToolButton *button = ui->toolButton_Explain;
    m_explainPopup->move(devicePageGeometry::explainPopupPos(button->mapToGlobal(QPoint(0, 0)), button->size()));
    m_explainPopup->show();
}

void DDevicePage::dropExplainPopup()
{
    if (m_menuPopup == m_explainPopup)
        m_menuPopup = nullptr;
    delete m_explainPopup;
}

void DDevicePage::onTipInfoDiaClose()
{
    if (m_maskWidget)
        m_maskWidget->hide();
}

void DDevicePage::onCloseMenuWidow()
{
    if (m_menuPopup)
        m_menuPopup->hide();
}

// --- Parts that grow on the page: empty until their routing is in place --




void DDevicePage::onCustomKeyInfoSaveFailed(QString reason)
{
    m_notice->showNotice(reason, getNoticePoint());
}

// --- Lighting routing ----------------------------------------------------

colorInfoData DDevicePage::panelRecord() const
{
    return m_colorWheelTool->getColorInfo();
}

QByteArray DDevicePage::profileText() const
{
    return QByteArray::number(m_profileIndex);
}

void DDevicePage::onCurIndexChanged_Led(int id)
{
    if (m_mainPageIndex == 1)
        m_lightChanged = true;
    m_curLedIndex = id;
    resetLedTypeList();
    const int type = m_currentHidInfo.hidType;
    if (type != kHidTypeKeyboard && type != kHidTypeMouse)
        return;
    // The keyboard's DPI row, and any row the device type is not offered,
    // has no effect.
    const int effect = selectionLists::numberForId(
        type == kHidTypeKeyboard ? selectionLists::KeyboardEffect : selectionLists::MouseAroundEffect, id);
    if (effect == selectionLists::NoNumber)
        return;
    keyBoardLedType(effect);
    markListRow(selectionLists::KeyEffect, id);
}

void DDevicePage::keyBoardLedType(int effect)
{
    m_colorWheelTool->setCurrentLightType(effect, m_ledOpenOrClose);
    if (m_currentHidInfo.hidType == kHidTypeKeyboard) {
        if (m_currentDeviceLink)
            m_currentDeviceLink->setKeyLightType(effect);
        if (m_currentHidInterface)
            m_currentHidInterface->requestClearLightFrames();
        m_lightDealMain->setKeyLightConfig(panelRecord());
        m_lightDealMain->setMusicMode(effect == kMusicalRhythmEffect);
        if (effect == kMusicalRhythmEffect)
            return;
        const bool custom = effect == kCustomEffect;
        if (m_keyboardPage)
            m_keyboardPage->setCustomLightMode(custom);
        if (custom)
            loadCustomLightList();
        showCustomLightList(custom);
    } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
        if (effect == kMouseAroundDpiEffect)
            updateMouseDpiColors();
        if (m_currentDeviceLink)
            m_currentDeviceLink->setAroundLightType(effect);
        if (m_currentHidInterface)
            m_currentHidInterface->requestClearLightFrames();
        m_mouseLightDealMain->setAroundLightConfig(panelRecord());
    }
}

void DDevicePage::onCurIndexChanged_SideLed(int id)
{
    if (m_mainPageIndex == 1)
        m_lightChanged = true;
    m_curSideLedIndex = id;
    resetSideLedTypeList();
    const int effect = selectionLists::numberForId(selectionLists::SideLightEffect, id);
    if (effect == selectionLists::NoNumber)
        return;
    keyBoardSideLedType(effect);
    markListRow(selectionLists::SideEffect, id);
}

void DDevicePage::keyBoardSideLedType(int effect)
{
    m_colorWheelTool->setCurrentLightType(effect, m_ledOpenOrClose);
    m_lightDealMain->setSideLightConfig(panelRecord());
}

void DDevicePage::onCurIndexChanged_ScrollAndLogoLed(int id)
{
    if (m_mainPageIndex == 1)
        m_lightChanged = true;
    resetScrollAndLogoLedTypeList();
    const int effect = selectionLists::numberForId(selectionLists::ScrollOrLogoEffect, id);
    if (effect == selectionLists::NoNumber)
        return;
    mouseScrollOrLogoLedType(effect);
    markListRow(selectionLists::ScrollAndLogo, id);
}

void DDevicePage::mouseScrollOrLogoLedType(int effect)
{
    if (effect == kMouseZoneDpiEffect)
        updateMouseDpiColors();
    m_colorWheelTool->setCurrentLightType(effect, m_ledOpenOrClose);
    if (m_currentHidInterface)
        m_currentHidInterface->requestClearLightFrames();
    if (m_mouseLightZone == kMouseZoneScroll) {
        if (m_currentDeviceLink)
            m_currentDeviceLink->setScrollLightType(effect);
        m_mouseLightDealMain->setScrollLightConfig(panelRecord());
    } else if (m_mouseLightZone == kMouseZoneLogo) {
        if (m_currentDeviceLink)
            m_currentDeviceLink->setLogoLightType(effect);
        m_mouseLightDealMain->setLogoLightConfig(panelRecord());
    }
}

void DDevicePage::onCurIndexChanged_LedSelect(int tab)
{
    qDebug().noquote() << "------------------------------------ *** onCurIndexChanged_LedSelect *** "
                          "-------------------------------------------";
    m_colorWheelTool->setSideLightSelected(tab != 0);
    if (m_currentDeviceItem)
        m_lightDealMain->setDeviceName(m_currentDeviceItem->getHidName());
    const bool stored = profileLoaded();
    if (tab != 0) {
        if (stored)
            m_sideLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profileText(), 1);
        m_lightDealMain->setSideLightEnabled(true);
        ui->stackedWidget->setCurrentWidget(ui->page_SideLed);
        m_colorWheelTool->setLightZone(1, m_sideLightType, m_ledOpenOrClose);
        m_lightDealMain->setSideLightConfig(panelRecord());
        return;
    }

    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    if (m_keyboardPage)
        m_lightDealMain->setKeyButtons(m_keyboardPage->keyButtonGrid);
    if (stored)
        m_keyLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profileText(), 0);
    if (m_currentDeviceLink)
        m_currentDeviceLink->setKeyLightType(m_keyLightType);
    if (m_currentDeviceItem) {
        const int keyCount = DDataManager::instance()->getKeyNumMap().value(m_currentDeviceItem->getHidName(), 0);
        m_lightDealMain->setKeyCount(keyCount);
        m_lightDealMain->setChipName(m_currentDeviceItem->getChipName());
        m_lightDealMain->initMusicalRhythm(keyCount, 11, 30.0, 930.0);
    }
    m_lightDealMain->setSideLightEnabled(false);
    if (m_keyboardPage) {
        if (m_keyboardPage->hasSideLights()) {
            m_lightDealMain->setSideLightEnabled(true);
            m_lightDealMain->setSideLightWidgets(m_keyboardPage->getSideLightButtons());
            m_colorWheelTool->setLightZone(1, m_sideLightType, m_ledOpenOrClose);
            m_lightDealMain->setSideLightConfig(panelRecord());
        } else {
            m_lightDealMain->setSideLightWidgets(m_keyboardPage->getSideLightButtons());
        }
    }
    m_colorWheelTool->setLightZone(0, m_keyLightType, m_ledOpenOrClose);
    m_lightDealMain->setKeyLightConfig(panelRecord());
    m_lightDealMain->setMusicMode(m_keyLightType == kMusicalRhythmEffect);
}

void DDevicePage::onSelectMouseLightType(int zone)
{
    m_mouseLightZone = zone;
    if (profileLoaded()) {
        m_mouseAroundLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profileText(), kMouseZoneAround);
        m_mouseScrollLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profileText(), kMouseZoneScroll);
        m_mouseLogoLightType = m_xmlInterface->getLightUsingIndex(m_proFilePath, profileText(), kMouseZoneLogo);
    }
    // A linked zone is edited through the Around zone.
    if (zone == kMouseZoneAround || (zone == kMouseZoneScroll && m_scrollLinked)
        || (zone == kMouseZoneLogo && m_logoLinked)) {
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
        m_colorWheelTool->setLightZone(kMouseZoneAround, m_mouseAroundLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setAroundLightConfig(panelRecord());
    } else if (zone == kMouseZoneScroll) {
        ui->stackedWidget->setCurrentWidget(ui->page_MouseScrollAndLogo);
        m_colorWheelTool->setLightZone(kMouseZoneScroll, m_mouseScrollLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setScrollLightConfig(panelRecord());
    } else if (zone == kMouseZoneLogo) {
        ui->stackedWidget->setCurrentWidget(ui->page_MouseScrollAndLogo);
        m_colorWheelTool->setLightZone(kMouseZoneLogo, m_mouseLogoLightType, m_ledOpenOrClose);
        m_mouseLightDealMain->setLogoLightConfig(panelRecord());
    }
}

void DDevicePage::onLightConfigHaveChanged(int kind, int zone)
{
    // Brightness and speed change only timing and level: the effect keeps
    // running; the other edits start it again.
    const bool timingOnly = kind == kEditBrightness || kind == kEditSpeed;
    const colorInfoData record = panelRecord();
    if (m_currentHidInfo.hidType != kHidTypeKeyboard) {
        if (zone == kMouseZoneAround)
            timingOnly ? m_mouseLightDealMain->updateAroundLightConfig(record)
                       : m_mouseLightDealMain->setAroundLightConfig(record);
        else if (zone == kMouseZoneScroll)
            timingOnly ? m_mouseLightDealMain->updateScrollLightConfig(record)
                       : m_mouseLightDealMain->setScrollLightConfig(record);
        else if (zone == kMouseZoneLogo)
            timingOnly ? m_mouseLightDealMain->updateLogoLightConfig(record)
                       : m_mouseLightDealMain->setLogoLightConfig(record);
        return;
    }
    if (zone == 0) {
        if (m_curLedIndex == kCustomEffectRow) {
            if (timingOnly)
                m_lightDealMain->updateKeyLightConfig(record);
            else if (m_keyboardPage)
                m_keyboardPage->setSelectedKeysColor(record.ledModeR, record.ledModeG, record.ledModeB);
            return;
        }
        if (m_mainPageIndex != 1)
            return;
        timingOnly ? m_lightDealMain->updateKeyLightConfig(record) : m_lightDealMain->setKeyLightConfig(record);
        return;
    }
    if (m_mainPageIndex != 1)
        return;
    timingOnly ? m_lightDealMain->updateSideLightConfig(record) : m_lightDealMain->setSideLightConfig(record);
}

void DDevicePage::onSelectKeyboardLightType(int effect)
{
    const bool custom = effect == kCustomEffect;
    if (m_keyboardPage)
        m_keyboardPage->setCustomLightMode(custom);
    if (custom)
        loadCustomLightList();
    showCustomLightList(custom);
    const int id = markEffectRow(selectionLists::KeyboardEffect, effect);
    if (id >= 0)
        m_curLedIndex = id;
}

void DDevicePage::onSelectSideLightType(int effect)
{
    const int id = markEffectRow(selectionLists::SideLightEffect, effect);
    if (id >= 0)
        m_curSideLedIndex = id;
}

void DDevicePage::onSelectMouseAroundLightType(int effect)
{
    markEffectRow(selectionLists::MouseAroundEffect, effect);
    if (m_currentDeviceLink)
        m_currentDeviceLink->setAroundLightType(effect);
}

void DDevicePage::onSelectMouseScrollLightType(int effect)
{
    markEffectRow(selectionLists::ScrollOrLogoEffect, effect);
}

void DDevicePage::onSelectMouseLogoLightType(int effect)
{
    onSelectMouseScrollLightType(effect);
}

void DDevicePage::onLightOpenOrCloseType(int onOff)
{
    ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(onOff == 1 ? kLedOffSheet : kLedOnSheet));
}

// The panel has stored the effect; whether the device has it too is what
// the send slot found.
void DDevicePage::onSetLightEffectSuccessful()
{
    clearLightChanged();
    toast(m_lightSendOk ? QT_TR_NOOP("Set light effect successfully") : QT_TR_NOOP("Set light effect failed"));
}

// The profile did not take a lighting write. After a failed OK the device
// and the panel go back to what the profile holds.
void DDevicePage::onLightSaveFailed(bool chosen)
{
    if (chosen)
        restoreStoredLighting();
    toast(kLightSaveFailed);
}

void DDevicePage::onLightCancelSettings(int zone)
{
    if (zone == 0) {
        onCurIndexChanged_Led(0);
    } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
        // The mouse's own zones go back to Static through the mouse engine.
        onCurIndexChanged_ScrollAndLogoLed(0);
    } else {
        onCurIndexChanged_SideLed(0);
    }
}

void DDevicePage::onSendUpdataColorBuildUp(QList<double> stops, QList<QColor> colors)
{
    if (m_keyboardPage)
        m_keyboardPage->setColorBuildUp(stops, colors);
}

void DDevicePage::onInitColorOver()
{
    qDebug().noquote() << "------------------- onInitColorOver ------------------";
}

void DDevicePage::onSendKeyboardAndSideLightSpeedAndBrightness(int keySpeedLevels, int keyBrightnessLevels,
                                                               int sideSpeedLevels, int sideBrightnessLevels)
{
    m_lightDealMain->setSpeedAndBrightnessMax(keySpeedLevels, keyBrightnessLevels, sideSpeedLevels,
                                              sideBrightnessLevels);
}

void DDevicePage::enterLightingPanel()
{
    ui->lightOperateFrame->show();
    ui->pushButton_KeyboardLed->setChecked(true);
    setAllKeysAssigned(false);
    if (profileLoaded())
        m_colorWheelTool->setConfigInfo(m_proFilePath, m_xmlInterface, m_profileIndex);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomLed);
    if (m_keyboardPage) {
        m_keyboardPage->setKeyClickLocked(true);
        m_keyboardPage->showSideLights(true);
    }
    onCurIndexChanged_LedSelect(0);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_LightOffOrOpen);
    ui->frame_7->hide();
    ui->frame_6->setMaximumHeight(kToolAreaLightHeight);
    m_mainPageIndex = 1;
    if (m_keyboardPage)
        m_keyboardPage->setKeyFrameMode(false, false);
    if (m_currentKeyButton)
        m_currentKeyButton->setSelected(false, true);
    if (profileLoaded())
        m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profileText());
    ui->frame_Custom->setVisible(m_ledOpenOrClose == 0);
    ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(m_ledOpenOrClose == 0 ? kLedOnSheet : kLedOffSheet));
}

// --- Lighting reports and light synchronisation --------------------------

bool DDevicePage::send0x07Cmd(const colorInfoData &record)
{
    return deviceLightSender(m_currentHidInterface).sendKeyEffect(record);
}

void DDevicePage::onSendSetKeyboardColorData()
{
    qDebug().noquote() << "------------------------ *** Keyboard onSendSetKeyboardColorData *** "
                          "------------------------";
    const colorInfoData record = panelRecord();
    m_keyLightType = record.ledType;
    if (record.ledType == kCustomEffect) {
        // The keys painted on the view are stored in one go and uploaded to
        // the current row's slot (slot 2 while it is not in use).
        if (m_lightPanelActive) {
            if (m_currentCustomLightItem && m_keyboardPage && profileLoaded()) {
                m_xmlInterface->replaceCustomLightKeys(
                    m_proFilePath, profileText(), m_currentCustomLightItem->getCustomIndex().toUtf8(),
                    customLightRules::paintedKeys(customLightView::cellsOf(*m_keyboardPage)));
            }
        } else {
            loadCustomLightList();
        }
        int slot = customLightRules::kSlotNotInUse;
        if (m_currentCustomLightItem && m_currentCustomLightItem->getUsingStatus() == QLatin1String(customLightRules::kUsing)
            && (m_currentCustomLightItem->getUsingFlagIndex() == customLightRules::kSlotFirst
                || m_currentCustomLightItem->getUsingFlagIndex() == customLightRules::kSlotSecond))
            slot = m_currentCustomLightItem->getUsingFlagIndex();
        m_lightSendOk = uploadCustomKeyColors(slot);
        return;
    }
    if (m_lightPanelActive)
        m_lightDealMain->setKeyLightConfig(record);
    m_lightSendOk = send0x07Cmd(record);
}

void DDevicePage::onSendSetSideColorData()
{
    qDebug().noquote() << "------------------------ *** Side onSendSetSideColorData *** ------------------------";
    const colorInfoData record = panelRecord();
    m_sideLightType = record.ledType;
    m_lightSendOk = deviceLightSender(m_currentHidInterface).sendSideEffect(record);
}

void DDevicePage::onSendSetMouseColorData(int zone)
{
    m_lightSendOk = setMouseLightConfig(zone);
}

bool DDevicePage::setMouseLightConfig(int zone)
{
    return setMouseLightConfigLinkChanged(zone, panelRecord());
}

bool DDevicePage::setMouseLightConfigLinkChanged(int zone, const colorInfoData &record)
{
    const bool linked = zone == kMouseZoneScroll ? m_scrollLinked : zone == kMouseZoneLogo ? m_logoLinked : false;
    return deviceLightSender(m_currentHidInterface).sendMouseZone(zone, record, linked);
}

namespace {
// The zone's stored item of its current effect, when there is one.
bool storedZoneItem(xmlInterface *store, const QString &path, const QByteArray &profile, int zone,
                    colorInfoData &item, int *effect = nullptr)
{
    const int current = store->getLightUsingIndex(path, profile, zone);
    if (effect)
        *effect = current;
    return store->getLightInfo(path, profile, zone, current, item);
}
} // namespace

void DDevicePage::onScrollLinkStatus(int linked)
{
    applyMouseZoneLink(kMouseZoneScroll, linked == 1);
}

void DDevicePage::onLogoLinkStatus(int linked)
{
    applyMouseZoneLink(kMouseZoneLogo, linked == 1);
}

// Scroll and logo follow one rule: a linked zone shows the ring's panel and,
// with a profile loaded, takes its stored record again.
void DDevicePage::applyMouseZoneLink(int zone, bool linked)
{
    const bool scroll = zone == kMouseZoneScroll;
    (scroll ? m_scrollLinked : m_logoLinked) = linked;
    if (scroll)
        m_mouseLightDealMain->setScrollLinked(linked);
    else
        m_mouseLightDealMain->setLogoLinked(linked);
    if (linked)
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    if (!m_mouseSettingsLoaded || !profileLoaded())
        return;
    colorInfoData item{};
    if (storedZoneItem(m_xmlInterface, m_proFilePath, profileText(), zone, item,
                       scroll ? &m_mouseScrollLightType : &m_mouseLogoLightType))
        setMouseLightConfigLinkChanged(zone, item);
}

void DDevicePage::on_pushButton_LightOnOff_clicked()
{
    if (!profileLoaded())
        return;
    colorInfoData item{};
    int effect = 0;
    if (!storedZoneItem(m_xmlInterface, m_proFilePath, profileText(), 0, item, &effect))
        return;
    m_ledOpenOrClose = m_xmlInterface->getLightOpenOrClose(m_proFilePath, profileText());
    const int next = m_ledOpenOrClose == 0 ? 1 : 0;
    // Stored before anything changes: a switch the profile did not take is
    // neither shown nor sent.
    if (!m_xmlInterface->setLightItemOpenOrClose(m_proFilePath, profileText(), 0, effect, next)) {
        toast(kLightSaveFailed);
        return;
    }
    if (!m_xmlInterface->setLightOpenOrClose(m_proFilePath, profileText(), next)) {
        m_xmlInterface->setLightItemOpenOrClose(m_proFilePath, profileText(), 0, effect, m_ledOpenOrClose);
        toast(kLightSaveFailed);
        return;
    }
    ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(next == 1 ? kLedOffSheet : kLedOnSheet));
    ui->frame_Custom->setVisible(next == 0);
    m_ledOpenOrClose = next;

    deviceLightSender sender(m_currentHidInterface);
    bool sent = false;
    if (m_currentHidInfo.hidType == kHidTypeMouse) {
        // The mouse's lighting page (part of its view) is disabled while the
        // lights are off.
        DMouseLightPage *lights = m_mouseLightPage ? m_mouseLightPage.data()
                                                   : ui->mouseLightFrame->findChild<DMouseLightPage *>();
        if (lights)
            lights->setLightDisabled(next);
        sent = sender.sendMouseLightsOnOff(item, next);
    } else {
        sent = sender.sendKeyLightsOnOff(item, next);
    }
    if (next == 0)
        toast(sent ? QT_TR_NOOP("Open light successful") : QT_TR_NOOP("Open light failed"));
    else
        toast(sent ? QT_TR_NOOP("Close light successful") : QT_TR_NOOP("Close light failed"));
}

void DDevicePage::on_checkBox_LightSynchronize_clicked()
{
    bool on = ui->checkBox_LightSynchronize->isChecked();
    const int type = m_currentHidInfo.hidType;
    if (profileLoaded() && !m_xmlInterface->setLightSynchronizeStatus(m_proFilePath, profileText(), on ? 1 : 0)) {
        // The box and the device follow what the profile holds.
        const bool stored = m_xmlInterface->getLightSynchronizeStatus(m_proFilePath, profileText()) == 1;
        if (stored != on) {
            toast(kLightSaveFailed);
            on = stored;
            ui->checkBox_LightSynchronize->setChecked(on);
        }
    }
    if (on) {
        if (type == kHidTypeKeyboard)
            m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
        else if (type == kHidTypeMouse)
            m_mouseLightDealMain->clearLedColors();
        if (m_currentHidInterface)
            m_currentHidInterface->setLightStreaming(true);
        if (type == kHidTypeKeyboard) {
            m_lightDealMain->setLightSynchronize(true);
            m_lightDealMain->setSendThreadRunning(true);
        } else if (type == kHidTypeMouse) {
            m_mouseLightDealMain->setLightSynchronize(true);
            m_mouseLightDealMain->setSendThreadRunning(true);
        }
        return;
    }
    if (m_currentHidInterface)
        m_currentHidInterface->setLightStreaming(false);
    if (type == kHidTypeKeyboard) {
        m_lightDealMain->setSendThreadRunning(false);
        m_lightDealMain->setLightSynchronize(false);
    } else if (type == kHidTypeMouse) {
        m_mouseLightDealMain->setSendThreadRunning(false);
        m_mouseLightDealMain->setLightSynchronize(false);
    }
    if (m_currentHidInterface)
        m_currentHidInterface->clearLightFrameQueue();
}

// --- Custom per-key lighting ---------------------------------------------

void DDevicePage::addDefaultCustomLights(int profile)
{
    if (!m_xmlInterface || m_proFilePath.isEmpty())
        return;
    struct Entry
    {
        const char *name;
        const char *isUsing;
        int slot;
    };
    const Entry entries[2] = {{"Alphabets", customLightRules::kUsing, customLightRules::kSlotFirst},
                              {"WASD+Arrows", customLightRules::kUsing, customLightRules::kSlotSecond}};
    const QByteArray profileIndex = QByteArray::number(profile);
    for (int index = 0; index < kCustomLightCount; ++index) {
        const QByteArray name = index < 2 ? QByteArray(entries[index].name)
                                          : QStringLiteral("Custom %1").arg(index + 1).toUtf8();
        m_xmlInterface->addCustomLight(m_proFilePath, profileIndex, QByteArray::number(index), name,
                                       index < 2 ? entries[index].isUsing : customLightRules::kUnUsing,
                                       index < 2 ? entries[index].slot : customLightRules::kNoSlot);
        if (index < 2)
            loadDefaultCustomLightKeys(profile, index);
    }
}

void DDevicePage::loadDefaultCustomLightKeys(int profile, int entry)
{
    if (!m_xmlInterface || m_proFilePath.isEmpty())
        return;
    const int keyCount = m_currentDeviceItem
                             ? DDataManager::instance()->getKeyNumMap().value(m_currentDeviceItem->getHidName(), 0)
                             : 0;
    const QString name = customLightRules::defaultFileName(keyCount);
    // The store reads files, not resources: a copy in a folder of its own.
    QTemporaryDir folder;
    QString file;
    if (folder.isValid()) {
        const QString copy = folder.path() + QLatin1Char('/') + name;
        if (QFile::copy(QStringLiteral(":/images/configDir/") + name, copy))
            file = copy;
    }
    QList<customLightKeyInfo> keys;
    if (file.isEmpty() || !m_xmlInterface->getDefaultCustomLightKeys(file, QByteArray::number(entry), keys)
        || keys.isEmpty())
        return;
    m_xmlInterface->replaceCustomLightKeys(m_proFilePath, QByteArray::number(profile), QByteArray::number(entry),
                                           keys);
}

void DDevicePage::clearCustomLightItems()
{
    m_currentCustomLightItem = nullptr;
    while (m_customLightItemLayout->count() > 1) {
        QLayoutItem *item = m_customLightItemLayout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
    m_customLightItemList.clear();
}

void DDevicePage::loadCustomLightList()
{
    if (m_keyboardPage)
        customLightView::blankKeys(*m_keyboardPage);
    clearCustomLightItems();
    if (!profileLoaded())
        return;

    QList<customLightInfo> lights;
    m_xmlInterface->getCustomLightList(m_proFilePath, profileText(), lights);
    for (const customLightInfo &light : qAsConst(lights)) {
        auto *row = new DCustomLightListItem(ui->scrollAreaWidgetContents_3);
        connect(row, SIGNAL(sigCustomLightItemMouseClicked(QString, QString)), this,
                SLOT(onCustomLightItemMouseClicked(QString, QString)));
        connect(row, SIGNAL(sigModifyCustomLightItemNameIsEmpty()), this, SLOT(onModifyCustomLightItemNameIsEmpty()));
        connect(row, SIGNAL(sigModifyCustomLightItemNameSuccess()), this, SLOT(onModifyCustomLightItemNameSuccess()));
        connect(row, SIGNAL(sigModifyCustomLightItemNameFailed()), this, SLOT(onModifyCustomLightItemNameFailed()));
        connect(row, SIGNAL(sigCustomLightUsingStatus(bool)), this, SLOT(onCustomLightUsingStatus(bool)));
        row->setConfigInfo(m_proFilePath.toLocal8Bit().constData(), m_xmlInterface);
        row->setItemInfo(QString::fromUtf8(profileText()), fixedText(light.index), fixedText(light.name),
                         fixedText(light.isUsing), light.usingFlagIndex);
        m_customLightItemLayout->insertWidget(m_customLightItemLayout->count() - 1, row);
        m_customLightItemList.append(row);
    }
    // A hand-edited file may break "two in use, one per slot": the rows
    // that break it are taken out of use before anything relies on it.
    for (const customLightRules::slotChange &change : customLightRules::repairs(customLightSlotRows()))
        applyCustomLightSlotChange(change);

    int inUse = m_xmlInterface->getUsingCustomLightIndex(m_proFilePath, profileText());
    if (inUse < 0)
        inUse = 0;
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList)) {
        if (!m_currentCustomLightItem && row->getCustomIndex().toInt() == inUse)
            m_currentCustomLightItem = row;
    }
    if (!m_currentCustomLightItem && !m_customLightItemList.isEmpty())
        m_currentCustomLightItem = m_customLightItemList.first();
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList))
        row->setSelectedStyle(row == m_currentCustomLightItem);
    holdCustomLightRows();

    m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    if (!m_keyboardPage)
        return;
    QList<customLightKeyInfo> keys;
    m_xmlInterface->getCustomLightKeys(m_proFilePath, profileText(), QByteArray::number(inUse), keys);
    customLightView::showKeys(*m_keyboardPage, keys, customLightView::kShownAlpha);
    m_lightDealMain->setKeyButtons(m_keyboardPage->keyButtonGrid);
    m_lightDealMain->applyCustomLight();
}

QList<customLightRules::slotRow> DDevicePage::customLightSlotRows() const
{
    QList<customLightRules::slotRow> rows;
    for (DCustomLightListItem *row : m_customLightItemList)
        rows.append({row->getUsingStatus() == QLatin1String(customLightRules::kUsing), row->getUsingFlagIndex()});
    return rows;
}

void DDevicePage::applyCustomLightSlotChange(const customLightRules::slotChange &change)
{
    DCustomLightListItem *row = m_customLightItemList.value(change.row);
    if (!row)
        return;
    const char *status = change.inUse ? customLightRules::kUsing : customLightRules::kUnUsing;
    m_xmlInterface->setCustomLightUsing(m_proFilePath, profileText(), row->getCustomIndex().toUtf8(), status,
                                        change.slot);
    row->setUsingChecked(change.inUse);
    row->setUsingFlagIndex(change.slot);
    row->setUsingStatus(QLatin1String(status));
}

void DDevicePage::onCustomLightItemMouseClicked(QString index, QString)
{
    auto *clicked = qobject_cast<DCustomLightListItem *>(sender());
    if (!clicked || clicked == m_currentCustomLightItem)
        return;
    if (m_keyboardPage)
        m_keyboardPage->clearSelection();
    m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList))
        row->setSelectedStyle(row == clicked);
    m_currentCustomLightItem = clicked;
    if (!m_keyboardPage || !profileLoaded())
        return;
    customLightView::blankKeys(*m_keyboardPage);
    QList<customLightKeyInfo> keys;
    m_xmlInterface->getCustomLightKeys(m_proFilePath, profileText(), index.toUtf8(), keys);
    customLightView::showKeys(*m_keyboardPage, keys, customLightView::kShownAlpha);
    m_lightDealMain->applyCustomLight();
}

void DDevicePage::onCustomLightUsingStatus(bool inUse)
{
    auto *clicked = qobject_cast<DCustomLightListItem *>(sender());
    const int rowIndex = m_customLightItemList.indexOf(clicked);
    if (rowIndex < 0)
        return;
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList))
        row->setSelectedStyle(row == clicked);
    m_currentCustomLightItem = clicked;
    m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    qDebug().noquote() << (inUse ? "------------------------ *** isUsing == true *** ------------------------"
                                 : "------------------------ *** isUsing == false *** ------------------------");
    if (!profileLoaded())
        return;
    const customLightRules::slotPlan plan = customLightRules::planUsingChange(customLightSlotRows(), rowIndex, inUse);
    for (const customLightRules::slotChange &change : plan.changes)
        applyCustomLightSlotChange(change);
    if (plan.uploadSlot == customLightRules::kNoSlot)
        return;
    if (!showAndUploadCustomLight(clicked->getCustomIndex(), plan.uploadSlot, plan.blankOnly))
        toast(QT_TR_NOOP("Set custom light failed"));
}

bool DDevicePage::showAndUploadCustomLight(const QString &index, int slot, bool blankOnly)
{
    if (!m_keyboardPage)
        return false;
    customLightView::blankKeys(*m_keyboardPage);
    if (!blankOnly && profileLoaded()) {
        QList<customLightKeyInfo> keys;
        m_xmlInterface->getCustomLightKeys(m_proFilePath, profileText(), index.toUtf8(), keys);
        customLightView::showKeys(*m_keyboardPage, keys, customLightView::kBlankAlpha);
    }
    return uploadCustomKeyColors(slot);
}

bool DDevicePage::uploadCustomKeyColors(int slot)
{
    if (!m_keyboardPage)
        return false;
    hidRgb colours[kKeyGridCells];
    customLightRules::reportColors(customLightView::cellsOf(*m_keyboardPage), colours);
    const bool coloursSent = deviceLightSender(m_currentHidInterface).sendCustomColors(slot, colours);
    // The keyboard takes the key effect only after the colour packets.
    QThread::msleep(kCustomUploadPauseMs);
    const colorInfoData record = panelRecord();
    qDebug().noquote() << "--------------------------------------- ************ colorData info [colorData.ledType]:"
                       << record.ledType;
    const bool effectSent = send0x07Cmd(record);
    m_colorWheelTool->saveLightConfig();
    m_keyLightType = record.ledType;
    return coloursSent && effectSent;
}

void DDevicePage::onUpdateCustomLight()
{
    if (m_keyboardPage)
        m_lightDealMain->setCustomKeyColors(m_keyboardPage->getSelectedKeys());
}

void DDevicePage::onModifyCustomLightItemNameIsEmpty()
{
    toast(QT_TR_NOOP("Custom light name can't be empty"));
}

void DDevicePage::onModifyCustomLightItemNameSuccess()
{
    toast(QT_TR_NOOP("Modify custom light name successful"));
}

void DDevicePage::onModifyCustomLightItemNameFailed()
{
    toast(QT_TR_NOOP("Modify custom light name failed"));
}

// --- Parts that grow on the page (continued) ------------------------------


// Hidden buttons: no behaviour.
void DDevicePage::on_pushButton_MoreOperate_clicked() {}
void DDevicePage::on_pushButton_Test_clicked() {}

// --- PC profiles ------------------------------------------------------------

pcProfileStore DDevicePage::profileStore() const
{
    return pcProfileStore(m_xmlInterface, m_proFilePath);
}

void DDevicePage::toastOutcome(bool ok, const char *success, const char *failure)
{
    if (!ok)
        qWarning().noquote() << "---------- PC profile:" << failure << "----------";
    toast(ok ? success : failure);
}

void DDevicePage::showCurrentProfile(const QString &index)
{
    const profileInfo info = profileStore().info(index);
    const QString name = pcProfileStore::nameOf(info);
    ui->textEdit_profileName->setPlainText(name);
    ui->label_currentProfileName->setText(name);
    ui->textEdit_profileLinkProgram->setPlainText(pcProfileStore::programOf(info));
    if (m_keyWithTextPage)
        m_keyWithTextPage->clearSavedText();
    for (profileListItem *row : qAsConst(m_profileItemList))
        row->setSelectedStatus(row->getProfileIndex() == index);
    m_currentProfileIndexText = index;
    m_currentProfileName = name;
}

void DDevicePage::clearProfileItems()
{
    m_profileItemLayout = ui->verticalLayout_30;
    // The last item is the spacer below the rows.
    for (int n = m_profileItemLayout->count(); n > 1; --n) {
        QLayoutItem *item = m_profileItemLayout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
}

void DDevicePage::loadProfileList(int refreshMode)
{
    clearProfileItems();
    m_profileItemList.clear();
    m_currentProfileItem = nullptr;
    const pcProfileStore store = profileStore();
    const xmlIndexNameList profiles = store.profiles();
    for (const auto &profile : profiles) {
        auto *row = new profileListItem(ui->scrollAreaWidgetContents_2);
        connect(row, SIGNAL(sigProfileItemMouseClicked(QString, QString)), this,
                SLOT(onProfileItemMouseClicked(QString, QString)));
        connect(row, SIGNAL(sigExportProfileChildList(QString, QString)), this,
                SLOT(onExportProfileChildList(QString, QString)));
        connect(row, SIGNAL(sigDeleteProfile(QString, QString)), this, SLOT(onDeleteProfile(QString, QString)));
        const QString index = QString::fromUtf8(profile.first);
        row->setProfileInfo(index, QString::fromUtf8(profile.second));
        m_profileItemLayout->insertWidget(m_profileItemLayout->count() - 1, row);
        m_profileItemList.append(row);
        if (textToInt(profile.first.constData()) == m_profileIndex) {
            row->setSelectedStatus(true);
            const profileInfo info = store.info(index);
            ui->textEdit_profileName->setPlainText(pcProfileStore::nameOf(info));
            ui->textEdit_profileLinkProgram->setPlainText(pcProfileStore::programOf(info));
        }
    }
    if (profiles.isEmpty() || refreshMode != 0 || m_currentHidInfo.hidType != kHidTypeKeyboard || !m_keyboardPage)
        return;
    const QMap<int, keyboardButCustom *> buttons = m_keyboardPage->getKeyButtonMap();
    for (const QString &code : qAsConst(m_assignedKeyCodeList)) {
        if (keyboardButCustom *button = buttons.value(code.toInt()))
            button->setKeyAssigned(true);
    }
}

void DDevicePage::onProfileItemMouseClicked(QString index, QString)
{
    profileListItem *row = nullptr;
    if (m_selectFirstProfileItem) {
        row = m_profileItemList.value(0);
        m_selectFirstProfileItem = false;
    } else {
        row = qobject_cast<profileListItem *>(sender());
    }
    if (!row || row == m_currentProfileItem)
        return;

    showCurrentProfile(index);
    const int profile = textToInt(index.toUtf8().constData());
    if (m_currentHidInfo.hidType == kHidTypeKeyboard) {
        loadKeyboardSettings(profile);
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_Performance), ui->pushButton_Performance);
        clearKeySelection();
    } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
        loadMouseSettings(profile);
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_MouseDpiConfig), ui->pushButton_MouseDpiConfig);
    }
    m_currentProfileItem = row;
    m_profileIndex = profile;
    profileStore().setCurrentProfile(profile);
    if (m_currentDeviceLink)
        m_currentDeviceLink->setCurProFileIndex(profile);

    if (m_currentHidInfo.hidType == kHidTypeKeyboard && m_xmlInterface) {
        const QByteArray key = QByteArray::number(profile);
        colorInfoData light{};
        if (m_xmlInterface->getLightInfo(m_proFilePath, key, 0, m_keyLightType, light))
            m_colorWheelTool->setColorInfo(light);
        if (m_xmlInterface->getLightInfo(m_proFilePath, key, 1, m_sideLightType, light)) {
            m_colorWheelTool->setColorInfo(light);
            onSendSetSideColorData();
        }
    }
    m_colorWheelTool->clearCustomColors();
}

void DDevicePage::onCustomEventChangProfile(int profileIndex)
{
    // The device whose key asked for the switch, not the one on show.
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (!link)
        link = m_currentDeviceLink;
    if (!link)
        return;
    const bool selected = link == m_currentDeviceLink;
    pcProfileStore store(m_xmlInterface, selected ? m_proFilePath : link->getProFilePath());
    if (!store.hasProfile(profileIndex)) {
        qWarning().noquote() << "---------- Switch to profile" << profileIndex << "ignored: no such profile ----------";
        return;
    }
    if (!store.setCurrentProfile(profileIndex))
        qWarning().noquote() << "---------- Switch to profile" << profileIndex << "not stored ----------";
    link->setCurProFileIndex(profileIndex);
    if (!selected)
        return; // its settings go out at its next load

    if (m_currentHidInfo.hidType == kHidTypeKeyboard)
        loadKeyboardSettings(profileIndex);
    else if (m_currentHidInfo.hidType == kHidTypeMouse)
        loadMouseSettings(profileIndex);
    m_profileIndex = profileIndex;
    showCurrentProfile(QString::number(profileIndex));
    m_currentProfileItem = nullptr;
}

void DDevicePage::onDeleteProfile(QString index, QString)
{
    auto *row = qobject_cast<profileListItem *>(sender());
    if (!row)
        return;
    pcProfileStore store = profileStore();
    if (store.profiles().size() <= 1) {
        toast(pcProfileTexts::KeepOne);
        return;
    }
    const bool removed = store.removeProfile(index);
    toastOutcome(removed, pcProfileTexts::DeleteDone, pcProfileTexts::DeleteFailed);
    if (!removed)
        return;
    m_profileItemLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    m_profileItemList.removeAll(row);
    if (index != m_currentProfileIndexText)
        return;
    m_currentProfileItem = nullptr;
    const xmlIndexNameList rest = store.profiles();
    if (rest.isEmpty())
        return;
    m_selectFirstProfileItem = true;
    onProfileItemMouseClicked(QString::fromUtf8(rest.first().first), QString::fromUtf8(rest.first().second));
}

void DDevicePage::onExportProfileChildList(QString index, QString name)
{
    if (!qobject_cast<profileListItem *>(sender()) || !profileLoaded())
        return;
    const QString folder = pagePrompts::current().existingFolder(this, tr(pcProfileTexts::SaveDirectory), m_desktopPath);
    if (folder.isEmpty()) {
        toast(pcProfileTexts::SelectSaveDirectory);
        return;
    }
    const bool ok = profileStore().exportProfile(index, pcProfileRules::exportFilePath(folder, name, index));
    toastOutcome(ok, pcProfileTexts::ExportDone, pcProfileTexts::ExportFailed);
}

void DDevicePage::on_pushButton_Import_clicked()
{
    if (!profileLoaded())
        return;
    const QString file = pagePrompts::current().openFile(this, tr(pcProfileTexts::OpenProfileFile), m_desktopPath,
                                                         tr(pcProfileTexts::ProfileFilter));
    if (file.isEmpty()) {
        toast(pcProfileTexts::SelectImportFile);
        return;
    }
    const pcProfileStore::ImportResult result = profileStore().importLastProfile(file);
    if (result == pcProfileStore::ImportResult::NotProfileFile) {
        toast(pcProfileTexts::NotProfileFile);
        return;
    }
    loadProfileList(1);
    toastOutcome(result == pcProfileStore::ImportResult::Imported, pcProfileTexts::ImportDone,
                 pcProfileTexts::ImportFailed);
}

void DDevicePage::on_pushButton_Add_clicked()
{
    // The panel serves a loaded device only.
    if (!m_xmlInterface || m_currentDeviceSnInfo.isEmpty())
        return;
    pcProfileStore store = profileStore();
    if (!store.fileExists()) {
        // Made as the device load makes it: profile 1 with the defaults of
        // the device's type, and current.
        const bool made = prepareProfileFile(fixedText(m_currentHidInfo.hidName), m_currentDeviceSnInfo);
        if (!made)
            return; // the load's own toast says why
        if (m_currentDeviceLink)
            m_currentDeviceLink->setCurProFileIndex(m_profileIndex);
        loadProfileList(2);
        showCurrentProfile(QString::number(m_profileIndex));
        m_currentProfileItem = nullptr;
        toast(pcProfileTexts::AddDone);
        return;
    }
    const int index = pcProfileRules::newProfileIndex(store.profiles());
    const QString name = pcProfileRules::newProfileName(index);
    const int type = m_currentHidInfo.hidType == kHidTypeMouse ? kHidTypeMouse : kHidTypeKeyboard;
    const bool ok = store.addProfile(index, name, type) && writeProfileDefaults(index);
    loadProfileList(2);
    toastOutcome(ok, pcProfileTexts::AddDone, pcProfileTexts::AddFailed);
}

void DDevicePage::on_pushButton_selectAppPath_clicked()
{
    if (!profileLoaded())
        return;
    // Programs have no ".exe" here.
    const QString file = pagePrompts::current().openFile(this, tr(pcProfileTexts::SelectExe), m_desktopPath, tr(pcProfileTexts::AppFilter));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    ui->textEdit_profileLinkProgram->clear();
    ui->textEdit_profileLinkProgram->append(file);
}

void DDevicePage::on_pushButton_OK_clicked()
{
    if (!profileLoaded())
        return;
    const QString name = ui->textEdit_profileName->toPlainText();
    if (name.isEmpty()) {
        toast(pcProfileTexts::NameEmpty);
        return;
    }
    const QString program = ui->textEdit_profileLinkProgram->toPlainText();
    // The store would give back a cut text.
    if (!pcProfileRules::fitsStore(name, program)) {
        toast(pcProfileTexts::TooLong);
        return;
    }
    const bool ok = profileStore().setProfileTexts(m_currentProfileIndexText, name, program);
    loadProfileList(3);
    toastOutcome(ok, pcProfileTexts::ModifyDone, pcProfileTexts::ModifyFailed);
    if (!ok)
        return;
    m_currentProfileName = name;
    ui->label_currentProfileName->setText(name);
}

// The question before either reset; true for "Yes".
bool DDevicePage::askResetProfile()
{
    return pagePrompts::current().question(this, tr(pcProfileTexts::Tip), tr(pcProfileTexts::ResetQuestion),
                                           {tr(pcProfileTexts::Yes), tr(pcProfileTexts::No)})
        == 0;
}

// The device restores its own defaults (0x14); the toast says whether the
// file and the device both took the reset.
void DDevicePage::sendResetReport(bool stored)
{
    const hidReportData report = resetReport();
    const int written = m_currentHidInterface ? m_currentHidInterface->writeHidData(report.data(), int(report.size()))
                                              : -1;
    if (written < 0)
        qDebug().noquote() << "---------- *** [Reset] Failed *** ----------";
    else
        qDebug().noquote() << "---------- *** [Reset] Successful *** ---------- ";
    toastOutcome(stored && written >= 0, pcProfileTexts::ResetDone, pcProfileTexts::ResetFailed);
}

void DDevicePage::onResetoreCurrentProfile()
{
    if (!profileLoaded())
        return;
    if (!askResetProfile())
        return;
    m_keyLightType = 2;
    m_sideLightType = 2;
    qDebug().noquote() << "--------------------------- Reset Profile ----------------------------";
    pcProfileStore store = profileStore();
    bool ok = store.recreateProfile(m_profileIndex, kHidTypeKeyboard) && writeProfileDefaults(m_profileIndex);
    loadKeyboardSettings(m_profileIndex);
    onCurIndexChanged_Key(0);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);

    sendResetReport(ok);
}


// --- Key selection and key-function routing ------------------------------

void DDevicePage::openKeyPanel()
{
    if ((!ui->frame_Custom->isHidden() && m_mainPageIndex == kMainKeys) || !isCurrentDeviceOpen())
        return;
    qDebug().noquote() << "------------------------ *** ui->frame_Custom->isHidden *** ------------------------";
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
    ui->frame_Custom->show();
    ui->pushButton_Custom->setChecked(true);
    ui->pushButton_Led->setChecked(false);
    ui->pushButton_PerformanceChang->setChecked(false);
}

namespace {

// A record that reads as no binding until the store fills it.
customKeyInfo noBinding()
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    for (char *field : {info.keyCode, info.keyChar, info.operateType, info.repeatNum, info.mode})
        std::strcpy(field, "-1");
    std::strcpy(info.Value, "-1");
    return info;
}

int bindingKeyCode(const customKeyInfo &info)
{
    return hidBindingNumber(info.keyCode, sizeof info.keyCode);
}

} // namespace

customKeyInfo DDevicePage::currentBinding(int keyCode) const
{
    customKeyInfo info = noBinding();
    if (profileLoaded())
        m_xmlInterface->getKeyInfo(m_proFilePath, profileText(), QByteArray::number(keyCode), info);
    return info;
}

namespace {

// The key-function id of a stored binding; -1 for kinds outside 0..9.
int keyFunctionIdOf(const customKeyInfo &info)
{
    if (bindingKeyCode(info) == -1)
        return 0;
    return selectionLists::keyFunctionIdForBinding(hidBindingNumber(info.operateType, sizeof info.operateType));
}

} // namespace

void DDevicePage::clearKeySelection()
{
    if (m_keyboardPage)
        m_keyboardPage->clearCurrentKey();
    giveKey(m_resetDefaultPage, -1, keyCaptionText::translated("DDevicePage", QT_TR_NOOP("Default")));
    m_currentKeyCode = -1;
    m_currentKeyCaption = keyCaptionText();
    m_currentKeyText.clear();
    resetKeyFunctionList();
    m_curCustomPageIndex = keyRouting::kResetPageNumber;
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    ui->toolButton_Default->setSelected(true);
}

void DDevicePage::onKeyboardClicked(int keyCode, QString keyText)
{
    m_currentKeyCode = keyCode;
    m_currentKeyCaption = keyCaptionText::plain(keyRouting::keyCaption(keyCode, keyText));
    m_currentKeyText = m_currentKeyCaption.text();
    if (profileLoaded() && QFile::exists(m_proFilePath)) {
        const int id = keyFunctionIdOf(currentBinding(keyCode));
        if (id >= 0)
            onCurIndexChanged_Key(id);
        openKeyPanel();
    }

    qDebug().noquote() << "------------------------ *** setAlreadyClickSelected *** ------------------------";
    if (m_currentKeyButton)
        m_currentKeyButton->setSelected(false, true);
    m_currentKeyButton = nullptr;
    if (m_keyboardPage) {
        if (keyboardButCustom *key = m_keyboardPage->getKeyButtonMap().value(keyCode)) {
            key->setSelected(true, true);
            m_currentKeyButton = key;
        }
    }
    if (m_onboardMode == 1)
        updateOnboardMargins();
}

void DDevicePage::onMouseButtonClicked(int index)
{
    m_currentMouseButton = index;
    keyCaptionText caption;
    if (const keyRouting::MouseButton *button = keyRouting::mouseButton(index)) {
        m_currentMouseButtonMask = button->code;
        caption = keyCaptionText::translated("DMousePage", button->caption);
    }
    m_currentKeyCaption = caption;
    m_currentMouseButtonText = caption.text();
    m_currentKeyCode = m_currentMouseButtonMask;
    m_currentKeyText = m_currentMouseButtonText;
    int id = 0;
    if (profileLoaded()
        && m_xmlInterface->hasKeyInfo(m_proFilePath, profileText(), QByteArray::number(m_currentKeyCode)))
        id = qMax(0, keyFunctionIdOf(currentBinding(m_currentKeyCode)));
    onCurIndexChanged_Key(id);
    openKeyPanel();
}

void DDevicePage::onCurIndexChanged_Key(int id)
{
    if (!isCurrentDeviceOpen()) {
        toast(QT_TR_NOOP("Please open hid first!"));
        return;
    }
    m_curKeyIndex = id;
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    if (!route)
        return;

    if (m_onboardMode == 0) {
        if (m_currentKeyCode == -1) {
            toast(deviceKeyTexts::kSelectKeyFirst);
            return;
        }
        if (route->softKeySelect >= 0) {
            ui->stackedWidget_Tool->setCurrentWidget(ui->page_SoftKeyboard);
            ui->pushButton_SoftKeyboard->setChecked(true);
        } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
            ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
            ui->pushButton_MouseDpiConfig->setChecked(true);
        } else {
            onCurIndexChangedOperate(ToolCustomList);
            ui->pushButton_CustomList->setChecked(true);
        }
        resetKeyFunctionList();
        showKeyFunctionPage(id, m_currentKeyCode, m_currentKeyCaption, m_proFilePath, 0);
        return;
    }

    if (m_onboardKeyCode == -1) {
        toast(deviceKeyTexts::kSelectKeyFirst);
        return;
    }
    resetKeyFunctionList();
    if (!route->onboardOffered) {
        m_curCustomPageIndex = route->pageNumber;
        return;
    }
    const QString layerFile = m_onboardLayer == 0 ? m_onboardDefaultFilePath : m_onboardFn1FilePath;
    const keyCaptionText caption = id == 0 ? keyCaptionText::translated("DDevicePage", deviceKeyTexts::kEmpty)
                                           : keyCaptionText::plain(m_onboardKeyText);
    showKeyFunctionPage(id, m_onboardKeyCode, caption, layerFile, 1);
}

void DDevicePage::showKeyFunctionPage(int id, int keyCode, const keyCaptionText &caption,
                                      const QString &keyFilePath, int onboardMode)
{
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    m_curCustomPageIndex = route->pageNumber;
    markListRow(selectionLists::KeyFunction, id);
    switch (id) {
    case 0:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        feedKeyFunctionPage(m_resetDefaultPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 1:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Macro);
        feedKeyFunctionPage(m_macroCmdPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 2:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_RemapKey);
        feedKeyFunctionPage(m_changeKeyPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 3:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Mouse);
        feedKeyFunctionPage(m_mouseKeyPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 4:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Text);
        feedKeyFunctionPage(m_keyWithTextPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 5:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Disable);
        feedKeyFunctionPage(m_keyDisablePage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 6:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Multimedia);
        feedKeyFunctionPage(m_multimediaPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 7:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_CombinationKey);
        feedKeyFunctionPage(m_keyCombinationPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 8:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_OpenApp);
        feedKeyFunctionPage(m_keyWithAppPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 9:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Shortcuts);
        feedKeyFunctionPage(m_hotKeyPage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    case 10:
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_SwitchProfile);
        feedKeyFunctionPage(m_changProfilePage, id, keyCode, caption, keyFilePath, onboardMode);
        break;
    default:
        break;
    }
}

// Each page is given what it takes, in the order the pages expect: the
// shared feeding, the key names, the binding, the device type, the
// on-screen keyboard's marking, the mode.
template <class Page>
void DDevicePage::feedKeyFunctionPage(Page *page, int id, int keyCode, const keyCaptionText &caption,
                                      const QString &keyFilePath, int onboardMode)
{
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    page->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
    giveKey(page, keyCode, caption);
    page->setFilePaths(m_macroFilePath.toLocal8Bit().constData(), keyFilePath.toLocal8Bit().constData());
    if constexpr (takesKeyNameMap<Page>::value)
        page->setKeyNameMap(m_softKeyNameMap);
    if constexpr (loadsKeyFunction<Page>::value)
        page->loadCurrentKeyFunction();
    if constexpr (takesDeviceType<Page>::value)
        page->setDeviceType(m_currentHidInfo.hidType);
    if (route->softKeySelect >= 0)
        m_softKeyboardPage->setSelectEnabled(route->softKeySelect);
    if constexpr (takesOnboardMode<Page>::value) {
        if (route->takesOnboardMode)
            page->setOnboardMode(onboardMode);
    }
}

void DDevicePage::onClickedCancel()
{
    onCurIndexChanged_Key(0);
}

void DDevicePage::onChangKeyOrCombinationKeyFocusIn(bool focused)
{
    m_keyCaptureFocus = focused;
    if (m_curCustomPageIndex == keyRouting::kCombinationPageNumber)
        m_softKeyboardPage->setMultiSelectEnabled(focused);
}

void DDevicePage::routeCapturedKey(int keyCode)
{
    if (!m_keyCaptureFocus || !isCurrentDeviceOpen())
        return;
    if (m_curCustomPageIndex == keyRouting::kRemapPageNumber)
        m_changeKeyPage->setCapturedKey(keyCode);
    else if (m_curCustomPageIndex == keyRouting::kCombinationPageNumber)
        m_keyCombinationPage->addCapturedKey(keyCode);
}

void DDevicePage::onHookKeyboardRecviveStreamToDevice(int, int keyCode, int isDown)
{
    if (m_mainPageIndex != kMainKeys || isDown == 0)
        return;
    routeCapturedKey(keyCode);
}

void DDevicePage::onSoftKeyboardClicked(int keyCode, QString)
{
    routeCapturedKey(keyCode);
}

void DDevicePage::onSoftKeyboardAlreadyLoad()
{
    m_softKeyNameMap = m_softKeyboardPage->getKeyNameMap();
}

void DDevicePage::onSoftKeyboardClickedKeyReset()
{
    m_softKeyboardPage->resetAllKeyStatus();
}

void DDevicePage::onResetSoftKeyStatusToDefault(int keyCode)
{
    m_softKeyboardPage->resetKeyStatus(keyCode);
}

// --- Key labels and bound macro copies -----------------------------------

void DDevicePage::onShoudUpdateKeyboard(int keyCode)
{
    if (m_onboardMode == 1) {
        refreshOnboardKey(keyCode);
        return;
    }
    if (m_currentHidInfo.hidType == kHidTypeMouse) {
        refreshMouseButtonCaption();
        return;
    }
    if (m_currentHidInfo.hidType != kHidTypeKeyboard || !m_keyboardPage)
        return;
    keyboardButCustom *key = m_keyboardPage->getKeyButtonMap().value(keyCode);
    if (!key)
        return;
    const QString code = QString::number(keyCode);
    if (!m_assignedKeyCodeList.contains(code))
        m_assignedKeyCodeList.append(code);
    key->setKeyAssigned(true);
    if (ui->stackedWidget_Tool->currentWidget() == ui->page_CustomList && profileLoaded()) {
        m_customEventListPage->loadCustomEventList(m_xmlInterface, m_proFilePath.toLocal8Bit().constData(),
                                                   m_profileIndex, m_softKeyNameMap);
    }
}

void DDevicePage::onKeyboardAlreadyLoad(int keyCode)
{
    if (m_onboardMode == 1) {
        onShoudUpdateKeyboard(keyCode);
        return;
    }
    if (m_currentHidInfo.hidType == kHidTypeMouse) {
        if (m_mousePage)
            m_mousePage->resetButtonText(keyCode);
        return;
    }
    if (m_currentHidInfo.hidType != kHidTypeKeyboard || !m_keyboardPage)
        return;
    keyboardButCustom *key = m_keyboardPage->getKeyButtonMap().value(keyCode);
    if (!key)
        return;
    m_assignedKeyCodeList.removeAll(QString::number(keyCode));
    key->setKeyAssigned(false);
    if (ui->stackedWidget_Tool->currentWidget() == ui->page_CustomList && profileLoaded()) {
        qDebug().noquote() << "------------------------ *** Into CustomList *** ------------------------";
        m_customEventListPage->loadCustomEventList(m_xmlInterface, m_proFilePath.toLocal8Bit().constData(),
                                                   m_profileIndex, m_softKeyNameMap);
    }
}

void DDevicePage::refreshOnboardKey(int keyCode)
{
    if (!m_xmlInterface)
        return;
    const QByteArray profile = QByteArray::number(m_currentOnboardProfileIndex);
    const QByteArray code = QByteArray::number(keyCode);
    const onboardLayerFiles layers = onboardLayers();
    const QString other = layers.otherLayerFile(m_onboardLayer);
    // Read as the full layer reload reads, so both caption alike.
    const customKeyInfo here = readOnboardBinding(m_xmlInterface, layers.layerFile(m_onboardLayer), profile, code);
    const customKeyInfo there = readOnboardBinding(m_xmlInterface, other, profile, code);

    QString caption;
    if (bindingKeyCode(here) != -1) {
        m_onboardKeyInfo = here;
        caption = onboardKeyCaption(here, m_currentOnboardProfileIndex, m_softKeyNameMap, m_xmlInterface,
                                    m_macroFilePath);
    }
    if (m_onboardPage) {
        if (SoftKeyboardButCustom *button = m_onboardPage->getKeyButtonMap().value(keyCode))
            button->setKeyText(caption);
    }
    if (isFn1Binding(there) && !isFn1Binding(here))
        m_xmlInterface->deleteKeyInfo(other, profile, code);
}

// The button being assigned is captioned by its binding, or by its own
// name once it has none.
void DDevicePage::refreshMouseButtonCaption()
{
    if (!m_mousePage)
        return;
    const customKeyInfo info = currentBinding(m_currentKeyCode);
    if (bindingKeyCode(info) != -1)
        m_mousePage->setMouseKeyInfo(m_currentKeyCode, info);
    else
        m_mousePage->setButtonText(m_currentKeyCode, m_currentMouseButtonText);
}

// The copies live under the profile in use: its number, not the text a
// switch by key may have left behind.
void DDevicePage::onMacroListHaveChangedSendToDevice(QString macroIndex, QString macroName)
{
    qDebug().noquote() << "---------------onMacroListHaveChangedSendToDevice  strMacroIndex:" << macroIndex
                       << " strMacroName:" << macroName;
    if (!profileLoaded())
        return;
    const QByteArray profile = profileText();
    const QByteArray index = macroIndex.toUtf8();
    if (m_xmlInterface->countKeysWithValue(m_proFilePath, profile, "1", index) < 1)
        return;
    // Named as the macro page names it; replaced in one save, so a failed
    // save keeps the old copy.
    boundMacroCopy::refresh(*m_xmlInterface, m_proFilePath, profile, m_macroFilePath, index);
}

// --- Button assignments --------------------------------------------------

void DDevicePage::onCustomKeyInfoSaveSuccessful()
{
    if (m_currentHidInfo.hidType == kHidTypeMouse && m_currentKeyCode != -1) {
        sendMouseKeyAssignment();
        return;
    }
    toast(deviceKeyTexts::kOperateSuccessful);
}

// The assignment goes to the mouse shown now, read from its file when its
// turn comes; its toast follows the outcome.
void DDevicePage::sendMouseKeyAssignment()
{
    mouseKeyAssignment::Source source;
    source.store = m_xmlInterface;
    source.profilePath = m_proFilePath;
    source.profile = profileText();
    source.macroFilePath = m_macroFilePath;
    source.keyCode = m_currentKeyCode;
    source.buttonIndex = m_currentMouseButton;
    m_mouseKeySender->enqueue(m_currentHidInterface, m_currentDeviceLink,
                              [source](QList<hidReportData> &reports) {
                                  return mouseKeyAssignment::readReports(source, reports);
                              });
}

void DDevicePage::mouseKeyAssignmentFinished(int outcome)
{
    switch (outcome) {
    case mouseKeySender::Sent:
    case mouseKeySender::Nothing:
        toast(deviceKeyTexts::kOperateSuccessful);
        break;
    case mouseKeySender::TooManyEvents:
        toast(deviceKeyTexts::kMouseMacroTooLong);
        break;
    default:
        toast(deviceKeyTexts::kOperateFailed);
        break;
    }
}

// Only the answers of the link that carries a send count for it.
void DDevicePage::onRuningMouse0x47Cmd()
{
    m_mouseKeySender->acknowledge(sender());
}

// --- Mouse settings ------------------------------------------------------

DDeviceKeyboardLink *DDevicePage::mouseLinkOf(QObject *sender) const
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender);
    if (!link)
        return m_currentHidInfo.hidType == kHidTypeMouse ? m_currentDeviceLink.data() : nullptr;
    const QString path = m_hidPathLinkMap.key(link);
    if (path.isEmpty() || m_hidPathInfoMap.value(path).hidType != kHidTypeMouse)
        return nullptr;
    return link;
}

// The selected mouse's settings are the page's file and profile; any other
// mouse's its link's own.
mouseSettingsReports::Profile DDevicePage::mouseProfileOf(DDeviceKeyboardLink *link) const
{
    if (!link || link == m_currentDeviceLink)
        return {m_xmlInterface, m_proFilePath, profileText()};
    return {link->getProFileStore() ? link->getProFileStore() : m_xmlInterface, link->getProFilePath(),
            QByteArray::number(link->getCurProFileIndex())};
}

void DDevicePage::sendMouseDpiReport(DDeviceKeyboardLink *link)
{
    if (!link)
        return;
    const mouseSettingsReports::Profile profile = mouseProfileOf(link);
    if (!profile.store || profile.path.isEmpty())
        return;
    const hidReportData report = mouseSettingsReports::dpiReport(profile, m_sniperLinks.contains(link));
    MainHidInterFace *transport = link->getHidInterface();
    if (transport && transport->writeHidData(report.data(), kHidReportSize) >= 0)
        qDebug().noquote() << "USB serial port [Write DPI] Successful ...";
    else
        qDebug().noquote() << "USB serial port [Write DPI] Failed ...";
}

void DDevicePage::onMouseDpiInfoSet()
{
    if (m_currentHidInfo.hidType == kHidTypeMouse)
        sendMouseDpiReport(m_currentDeviceLink);
}

void DDevicePage::onMouseActivatesSniperKey(bool held)
{
    DDeviceKeyboardLink *link = mouseLinkOf(sender());
    if (!link)
        return;
    if (held && !m_sniperLinks.contains(link)) {
        m_sniperLinks.insert(link);
        connect(link, &QObject::destroyed, this, &DDevicePage::sniperLinkDestroyed, Qt::UniqueConnection);
    } else if (!held) {
        m_sniperLinks.remove(link);
    }
    sendMouseDpiReport(link);
}

void DDevicePage::sniperLinkDestroyed(QObject *link)
{
    m_sniperLinks.remove(link);
}

void DDevicePage::onMouseTriggeredDPIkey()
{
    DDeviceKeyboardLink *link = mouseLinkOf(sender());
    if (!link)
        return;
    if (link != m_currentDeviceLink) {
        if (mouseSettingsReports::stepDpiLevel(mouseProfileOf(link)))
            sendMouseDpiReport(link);
        return;
    }
    // The selected mouse: its DPI view steps, stores and asks for the report.
    m_mouseConfigView->switchToNextDpiLevel();
}

void DDevicePage::onMouseInfoAlreadyLoad()
{
    m_mouseConfigView->setEnableXYVisible(m_mousePage && m_mousePage->getSupportEnableXY() == 1);
}

void DDevicePage::onCurIndexChanged_MouseRateNumIndex(int index)
{
    if (profileLoaded())
        m_xmlInterface->setFeature(m_proFilePath, profileText(), 0, index);
    const hidReportData report = mouseReportRateReport(index);
    if (!m_currentHidInterface || m_currentHidInterface->writeHidData(report.data(), kHidReportSize) < 0)
        qDebug().noquote() << "USB serial port [Mouse RateReturn] Failed ...";
    else
        qDebug().noquote() << "USB serial port [Mouse RateReturn] Successful ...";
}

void DDevicePage::updateMouseDpiColors()
{
    if (!profileLoaded())
        return;
    int active = 1;
    const QList<QColor> colors = mouseSettingsReports::dpiColors(mouseProfileOf(m_currentDeviceLink), &active);
    if (!colors.isEmpty())
        m_mouseLightDealMain->setDpiColors(colors, active);
}

// The profile keeps its index and name and gets a new mouse profile's
// settings, which are then reloaded and sent; the toast says whether the
// file and the mouse took it.
void DDevicePage::onResetoreMouseCurrentProfile()
{
    // Only a loaded mouse has a profile to reset.
    if (m_currentHidInfo.hidType != kHidTypeMouse || !profileLoaded())
        return;
    if (!askResetProfile())
        return;
    pcProfileStore store(m_xmlInterface, m_proFilePath);
    const bool stored = store.recreateProfile(m_profileIndex, kHidTypeMouse) && writeProfileDefaults(m_profileIndex);
    loadMouseSettings(m_profileIndex);
    onCurIndexChanged_Key(0);
    if (m_mousePage)
        m_mousePage->retranslateButtons();

    sendResetReport(stored);
}
