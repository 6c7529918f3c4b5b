#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
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
#include "DMultimediaPage.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "DTipInfoDia.h"
#include "MainHidInterFace.h"
#include "deviceKeyTexts.h"
#include "devicePageGeometry.h"
#include "keyboardButCustom.h"
#include "keyRouting.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "mouseKeyAssignment.h"
#include "mouseKeySender.h"
#include "mouseLightDealMain.h"
#include "mouseReports.h"
#include "mouseSettingsReports.h"
#include "DOnboardPage.h"
#include "SoftKeyboardButCustom.h"
#include "hidBindingCodes.h"
#include "onboardBindingTexts.h"
#include "onboardExplainDia.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>

#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// Pages of stackedWidget_KeyboardArea.
constexpr int kPageKeyboardShow = 0;
constexpr int kPageTipShow = 1;

// Ids of the main group.
constexpr int kMainKeys = 0;

// Tool ids of the tool group.
enum ToolId { ToolPerformance = 0, ToolCustomList = 1, ToolSoftKeyboard = 2, ToolMousePerformance = 3,
              ToolMouseDpiConfig = 4 };

// Key-function pages the on-screen keyboard marks keys for.
constexpr int kPageRemapKey = 1;
constexpr int kPageCombinationKey = 2;

constexpr int kToolAreaKeyboardHeight = 200;
constexpr int kToolAreaMouseHeight = 240;
constexpr int kToolAreaLightHeight = 100;

const char *const kLedOnSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}";
const char *const kLedOffSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}";

QByteArray decimal(int value)
{
    return QByteArray::number(value);
}

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

    QFont productFont = DDataManager::instance()->getFont(0);
    productFont.setPointSize(14);
    ui->label_ProductName->setFont(productFont);
    QFont deviceFont = DDataManager::instance()->getFont(1);
    deviceFont.setPointSize(14);
    ui->label_DeviceName->setFont(deviceFont);

    m_deviceItemLayout = ui->horizontalLayout_24;
    m_profileItemLayout = ui->verticalLayout_30;
    m_customLightItemLayout = ui->verticalLayout_39;

    buildKeyFunctionPages();
    buildToolPages();

    m_mainPageGroup = makeGroup({{ui->pushButton_Custom, 0}, {ui->pushButton_Led, 1},
                                 {ui->pushButton_PerformanceChang, 2}},
                                SLOT(onCurIndexChangedMainPage(int)));
    ui->pushButton_Custom->setChecked(true);

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
    connect(m_mouseKeySender, SIGNAL(sigAssignmentFinished(int)), this, SLOT(onMouseKeyAssignmentFinished(int)));

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

// Until the lighting routing asks, there is nothing to save: go on.
int DDevicePage::askSaveLightChanges()
{
    return 2;
}

void DDevicePage::saveLightChanges() {}

void DDevicePage::clearLightChanged()
{
    m_lightChanged = false;
}

void DDevicePage::stopDeviceLighting()
{
    m_lightDealMain->stopAllThreads();
    m_mouseLightDealMain->stopAllThreads();
}

void DDevicePage::showFirstDevice()
{
    if (!m_currentDeviceItem && !m_deviceItemList.isEmpty())
        selectRow(m_deviceItemList.first());
    updateShownPage();
}

QList<hidStructInfo> DDevicePage::getHidDeviceList() const
{
    return m_hidInfoList;
}

bool DDevicePage::loadHidDeviceList(const QList<hidStructInfo> &list)
{
    m_hidInfoList = list;
    m_hidPathInfoMap.clear();
    m_newHidPathList.clear();
    if (m_hidListLoaded) {
        for (const hidStructInfo &record : list) {
            const QString path = fixedText(record.hidPath);
            m_hidPathInfoMap.insert(path, record);
            m_newHidPathList.append(path);
        }
        emit sigHidDeviceListUpdate(list);
        return false;
    }

    clearDeviceItems();
    for (const hidStructInfo &record : list) {
        const QString path = fixedText(record.hidPath);
        m_hidPathInfoMap.insert(path, record);
        m_newHidPathList.append(path);
        addDevice(record);
    }
    if (!m_deviceItemList.isEmpty()) {
        m_hidListLoaded = true;
        m_hidPathList = m_newHidPathList;
        showFirstDevice();
    }
    updateShownPage();
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
    // A burst can both add and remove: both directions are compared.
    const QStringList taken = m_hidPathList;
    for (const QString &path : taken) {
        if (!m_newHidPathList.contains(path)) {
            qDebug().noquote() << "------------------------------------------OutPutHidPath FindHidPath:" << path;
            m_hidPathList.removeAll(path);
            removeDevice(path);
        }
    }
    for (const QString &path : qAsConst(m_newHidPathList)) {
        if (!m_hidPathList.contains(path)) {
            qDebug().noquote() << "------------------------------------------ InsertHidPath FindHidPath:" << path;
            m_hidPathList.append(path);
            addDevice(m_hidPathInfoMap.value(path));
        }
    }
    if (m_hidPathItemMap.isEmpty()) {
        m_hidListLoaded = false; // the next list builds everything again
        m_devicePageInited = false;
        ui->label_currentProfileName->setText(tr("Profile 1"));
    } else if (!m_currentDeviceItem) {
        selectRow(m_deviceItemList.first());
    }
    updateShownPage();
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
    const QStringList paths = m_hidPathItemMap.keys() + m_hidPathLinkMap.keys();
    for (const QString &path : paths)
        removeDevice(path);
    m_hidPathList.clear();
    m_newHidPathList.clear();
    m_hidInfoList.clear();
    m_hidPathInfoMap.clear();
    m_hidListLoaded = false;
}

void DDevicePage::retranslateAllUI()
{
    ui->retranslateUi(this);
    initSelectionLists();
    // The explanation panel takes its texts when it is built.
    dropExplainPopup();
}

void DDevicePage::changeAppTheme()
{
    for (DDeviceListItem *row : qAsConst(m_deviceItemList))
        row->updateThemeStyle();
    // The pop-up takes the theme's colours when it is built.
    dropExplainPopup();
}

// --- Device list and link duties -----------------------------------------

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
    m_hidPathLinkMap.insert(path, createDeviceLink(record));
}

// The row goes at once; the link is torn down, so the device is closed and
// a re-plug gets a fresh one.
void DDevicePage::removeDevice(const QString &path)
{
    if (DDeviceListItem *row = m_hidPathItemMap.take(path)) {
        m_deviceItemList.removeAll(row);
        if (row == m_currentDeviceItem) {
            m_currentDeviceItem = nullptr;
            m_lightPanelActive = false;
            std::memset(&m_currentHidInfo, 0, sizeof m_currentHidInfo);
            m_currentHidInfo.hidType = -1;
        }
        m_deviceItemLayout->removeWidget(row);
        delete row;
    }
    m_hidPathInfoMap.remove(path);
    delete m_hidPathLinkMap.take(path);
}

DDeviceKeyboardLink *DDevicePage::createDeviceLink(const hidStructInfo &record)
{
    auto *link = new DDeviceKeyboardLink(++m_deviceIndexCounter);
    if (m_upgradeSerialPending && fixedText(record.hidPath) == m_upgradeHidPath) {
        m_upgradeSerialPending = false;
        link->setUpgradeSerialNumber(m_upgradeSnInfo);
    }
    link->openHidDevice(record);
    return link;
}

void DDevicePage::selectRow(DDeviceListItem *row)
{
    m_currentDeviceItem = row;
    for (DDeviceListItem *item : qAsConst(m_deviceItemList))
        item->setSelected(item == row);
}

void DDevicePage::updateShownPage()
{
    ui->stackedWidget_KeyboardArea->setCurrentIndex(m_deviceItemList.isEmpty() ? kPageTipShow : kPageKeyboardShow);
}

void DDevicePage::onHomePageDeviceItemClicked(QString hidPath)
{
    DDeviceListItem *row = m_hidPathItemMap.value(hidPath);
    if (row && row != m_currentDeviceItem)
        selectRow(row);
}

void DDevicePage::onDeviceItemPressed()
{
    auto *row = qobject_cast<DDeviceListItem *>(sender());
    if (row && row != m_currentDeviceItem) {
        clearLightChanged();
        selectRow(row);
    }
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
        const QByteArray profile = decimal(m_profileIndex);
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
    m_mainPageIndex = 1;
    ui->frame_Custom->setVisible(m_ledOpenOrClose == 0);
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
    // A layout takes a negative margin for "the style's default".
    const int left = qMax(0, devicePageGeometry::onboardLeftMargin(ui->stackedWidget_KeyboardArea->width()));
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

void DDevicePage::enterLightingPanel() {}
void DDevicePage::loadProfileList(int) {}

void DDevicePage::onKeyboardAlreadyLoad_Over() {}
void DDevicePage::onInitLoadHid(QString, int) {}
void DDevicePage::onCustomEventChangProfile(int) {}
void DDevicePage::onRuningOnboard0x19Cmd() {}
void DDevicePage::onRuningOnboard0x18Cmd() {}
void DDevicePage::onMouseInfoAlreadyLoad() {}

void DDevicePage::onCustomKeyInfoSaveFailed(QString reason)
{
    m_notice->showNotice(reason, getNoticePoint());
}
void DDevicePage::onCurIndexChanged_LedSelect(int) {}
void DDevicePage::onCurIndexChanged_Led(int) {}
void DDevicePage::onCurIndexChanged_SideLed(int) {}
void DDevicePage::onCurIndexChanged_ScrollAndLogoLed(int) {}
void DDevicePage::keyBoardLedType(int) {}
void DDevicePage::keyBoardSideLedType(int) {}
void DDevicePage::mouseScrollOrLogoLedType(int) {}
void DDevicePage::onSendKeyboardAndSideLightSpeedAndBrightness(int, int, int, int) {}
void DDevicePage::onSendUpdataColorBuildUp(QList<double>, QList<QColor>) {}
void DDevicePage::onInitColorOver() {}
void DDevicePage::onSendSetKeyboardColorData() {}
void DDevicePage::onSendSetSideColorData() {}
void DDevicePage::onSendSetMouseColorData(int) {}
void DDevicePage::onSelectKeyboardLightType(int) {}
void DDevicePage::onSelectSideLightType(int) {}
void DDevicePage::onSelectMouseAroundLightType(int) {}
void DDevicePage::onSelectMouseScrollLightType(int) {}
void DDevicePage::onSelectMouseLogoLightType(int) {}
void DDevicePage::onSelectMouseLightType(int) {}
void DDevicePage::onLightOpenOrCloseType(int) {}
void DDevicePage::onSetLightEffectSuccessful() {}
void DDevicePage::onLightCancelSettings(int) {}
void DDevicePage::onLightConfigHaveChanged(int, int) {}
void DDevicePage::onScrollLinkStatus(int) {}
void DDevicePage::onLogoLinkStatus(int) {}
void DDevicePage::onUpdateCustomLight() {}
void DDevicePage::onCustomLightItemMouseClicked(QString, QString) {}
void DDevicePage::onCustomLightUsingStatus(bool) {}
void DDevicePage::onModifyCustomLightItemNameIsEmpty() {}
void DDevicePage::onModifyCustomLightItemNameSuccess() {}
void DDevicePage::onResetoreCurrentProfile() {}
void DDevicePage::onExportProfileChildList(QString, QString) {}
void DDevicePage::onDeleteProfile(QString, QString) {}
void DDevicePage::onProfileItemMouseClicked(QString, QString) {}
void DDevicePage::onResetoreMouseCurrentProfile() {}
void DDevicePage::onCurIndexChangedSelMode(int) {}
void DDevicePage::onCurIndexChangedOn_board(int) {}
void DDevicePage::onOnboardProfileComboxCurrentIndexChanged(QString) {}
void DDevicePage::onProfileCreateNew() {}
void DDevicePage::onProfileExport() {}
void DDevicePage::onProfileImport() {}
void DDevicePage::onProfileDelete() {}
void DDevicePage::onProfileModifyName() {}
void DDevicePage::onOnboardKeyboardClicked(int, QString) {}
void DDevicePage::onKeyboardMouseRightKeyClicked(int, QString) {}
void DDevicePage::onEmptyForKey() {}
void DDevicePage::onConfigQWERTY() {}
void DDevicePage::onConfigMac() {}
void DDevicePage::onConfigDvorak() {}
void DDevicePage::onConfigCleanLayer() {}

// Hidden buttons: no behaviour.
void DDevicePage::on_pushButton_MoreOperate_clicked() {}
void DDevicePage::on_pushButton_Test_clicked() {}

void DDevicePage::on_pushButton_Import_clicked() {}
void DDevicePage::on_pushButton_Add_clicked() {}
void DDevicePage::on_pushButton_selectAppPath_clicked() {}
void DDevicePage::on_pushButton_OK_clicked() {}
void DDevicePage::on_pushButton_OnboardMoreOperate_clicked() {}
void DDevicePage::on_pushButton_OnboardSave_clicked() {}
void DDevicePage::on_pushButton_OnboardCancel_clicked() {}
void DDevicePage::on_pushButton_OnboardConfigMoreOperate_clicked() {}
void DDevicePage::on_pushButton_Fn1Key_clicked() {}
void DDevicePage::on_checkBox_LightSynchronize_clicked() {}
void DDevicePage::on_toolButton_RestoreFactorySettings_clicked() {}
void DDevicePage::on_toolButton_OnboardDownload_clicked() {}
void DDevicePage::on_pushButton_LightOnOff_clicked() {}

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

bool isFn1Binding(const customKeyInfo &info)
{
    return bindingKeyCode(info) != -1 && hidBindingNumber(info.Value, sizeof info.Value) == kBindingValueFn1;
}

} // namespace

customKeyInfo DDevicePage::currentBinding(int keyCode) const
{
    customKeyInfo info = noBinding();
    if (profileLoaded())
        m_xmlInterface->getKeyInfo(m_proFilePath, decimal(m_profileIndex), decimal(keyCode), info);
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

void DDevicePage::onKeyboardClicked(int keyCode, QString keyText)
{
    m_currentKeyCode = keyCode;
    m_currentKeyText = keyRouting::keyCaption(keyCode, keyText);
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
    QString caption;
    if (const keyRouting::MouseButton *button = keyRouting::mouseButton(index)) {
        m_currentMouseButtonMask = button->code;
        caption = tr(button->caption);
    }
    m_currentMouseButtonText = caption;
    m_currentKeyCode = m_currentMouseButtonMask;
    m_currentKeyText = caption;
    int id = 0;
    if (profileLoaded() && m_xmlInterface->hasKeyInfo(m_proFilePath, decimal(m_profileIndex), decimal(m_currentKeyCode)))
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
        showKeyFunctionPage(id, m_currentKeyCode, m_currentKeyText, m_proFilePath, 0);
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
    const QString caption = id == 0 ? tr(deviceKeyTexts::kEmpty) : m_onboardKeyText;
    showKeyFunctionPage(id, m_onboardKeyCode, caption, layerFile, 1);
}

void DDevicePage::showKeyFunctionPage(int id, int keyCode, const QString &caption, const QString &keyFilePath,
                                      int onboardMode)
{
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    m_curCustomPageIndex = route->pageNumber;
    if (CustomButton *button = listButton(selectionLists::KeyFunction, id))
        button->setSelected(true);
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
void DDevicePage::feedKeyFunctionPage(Page *page, int id, int keyCode, const QString &caption,
                                      const QString &keyFilePath, int onboardMode)
{
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    page->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
    page->setCurrentKey(qMakePair(keyCode, caption));
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
    const QByteArray profile = decimal(m_currentOnboardProfileIndex);
    const QByteArray code = decimal(keyCode);
    const QString current = m_onboardLayer == 0 ? m_onboardDefaultFilePath : m_onboardFn1FilePath;
    const QString other = m_onboardLayer == 0 ? m_onboardFn1FilePath : m_onboardDefaultFilePath;
    customKeyInfo here = noBinding();
    customKeyInfo there = noBinding();
    m_xmlInterface->getKeyInfo(current, profile, code, here);
    m_xmlInterface->getKeyInfo(other, profile, code, there);

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

// The mouse picture arrives with the mouse pages: until then there is no
// caption to refresh.
void DDevicePage::refreshMouseButtonCaption() {}

// The copies live under the profile in use: its number, not the text a
// switch by key may have left behind.
void DDevicePage::onMacroListHaveChangedSendToDevice(QString macroIndex, QString macroName)
{
    qDebug().noquote() << "---------------onMacroListHaveChangedSendToDevice  strMacroIndex:" << macroIndex
                       << " strMacroName:" << macroName;
    if (!profileLoaded())
        return;
    const QByteArray profile = decimal(m_profileIndex);
    const QByteArray index = macroIndex.toUtf8();
    if (m_xmlInterface->countKeysWithValue(m_proFilePath, profile, "1", index) < 1)
        return;
    m_xmlInterface->deleteBindMacro(m_proFilePath, profile, index);
    QList<macroItemInfo> items;
    m_xmlInterface->getMacroItems(m_macroFilePath, index, macroName.toUtf8(), items);
    m_xmlInterface->addBindMacro(m_proFilePath, profile, items, index, macroName.toUtf8());
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
    source.profile = decimal(m_profileIndex);
    source.macroFilePath = m_macroFilePath;
    source.keyCode = m_currentKeyCode;
    source.buttonIndex = m_currentMouseButton;
    m_mouseKeySender->enqueue(m_currentHidInterface, m_currentDeviceLink,
                              [source](QList<hidReportData> &reports) {
                                  return mouseKeyAssignment::readReports(source, reports);
                              });
}

void DDevicePage::onMouseKeyAssignmentFinished(int outcome)
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

// The selected mouse's report is built from the page's file and profile;
// any other mouse's from its link's own.
void DDevicePage::sendMouseDpiReport(DDeviceKeyboardLink *link)
{
    if (!link)
        return;
    mouseSettingsReports::Profile profile;
    if (link == m_currentDeviceLink) {
        profile = {m_xmlInterface, m_proFilePath, decimal(m_profileIndex)};
    } else {
        profile = {link->getProFileStore() ? link->getProFileStore() : m_xmlInterface, link->getProFilePath(),
                   decimal(link->getCurProFileIndex())};
    }
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
        connect(link, SIGNAL(destroyed(QObject *)), this, SLOT(onSniperLinkDestroyed(QObject *)),
                Qt::UniqueConnection);
    } else if (!held) {
        m_sniperLinks.remove(link);
    }
    sendMouseDpiReport(link);
}

void DDevicePage::onSniperLinkDestroyed(QObject *link)
{
    m_sniperLinks.remove(link);
}

void DDevicePage::onMouseTriggeredDPIkey()
{
    DDeviceKeyboardLink *link = mouseLinkOf(sender());
    if (!link)
        return;
    if (link != m_currentDeviceLink) {
        const mouseSettingsReports::Profile profile{
            link->getProFileStore() ? link->getProFileStore() : m_xmlInterface, link->getProFilePath(),
            decimal(link->getCurProFileIndex())};
        if (mouseSettingsReports::stepDpiLevel(profile))
            sendMouseDpiReport(link);
        return;
    }
    // The selected mouse: its DPI view steps, stores and asks for the report.
    if (profileLoaded() && mouseSettingsReports::stepDpiLevel({m_xmlInterface, m_proFilePath, decimal(m_profileIndex)}))
        onMouseDpiInfoSet();
}

void DDevicePage::onCurIndexChanged_MouseRateNumIndex(int index)
{
    if (profileLoaded())
        m_xmlInterface->setFeature(m_proFilePath, decimal(m_profileIndex), 0, index);
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
    const QList<QColor> colors =
        mouseSettingsReports::dpiColors({m_xmlInterface, m_proFilePath, decimal(m_profileIndex)}, &active);
    if (!colors.isEmpty())
        m_mouseLightDealMain->setDpiColors(colors, active);
}
