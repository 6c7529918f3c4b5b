#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
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
#include "DMultimediaPage.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "DTipInfoDia.h"
#include "MainHidInterFace.h"
#include "customLightView.h"
#include "deviceLightSender.h"
#include "devicePageGeometry.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "mouseReports.h"
#include "mouseLightDealMain.h"
#include "onboardExplainDia.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstring>
#include <type_traits>

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

// Lighting: effect numbers, list rows and panel edits the routing tells apart.
constexpr int kCustomEffect = 10;
constexpr int kMusicEffect = 100;
constexpr int kMouseAroundDpiEffect = 7;
constexpr int kMouseZoneDpiEffect = 3;
constexpr int kCustomRowId = 11;
constexpr int kEditBrightness = 2;
constexpr int kEditSpeed = 3;
constexpr int kCustomLightCount = 5;
// The keyboard takes the key effect report only once the colour packets are in.
constexpr unsigned long kCustomUploadPauseMs = 5;

const char *const kLedOnSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}";
const char *const kLedOffSheet = "QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}";

QByteArray decimal(int value)
{
    return QByteArray::number(value);
}

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

void DDevicePage::loadProfileList(int) {}

void DDevicePage::onKeyboardAlreadyLoad_Over() {}
void DDevicePage::onInitLoadHid(QString, int) {}
void DDevicePage::onCustomEventChangProfile(int) {}
void DDevicePage::onMouseTriggeredDPIkey() {}
void DDevicePage::onMouseActivatesSniperKey(bool) {}
void DDevicePage::onRuningOnboard0x19Cmd() {}
void DDevicePage::onRuningOnboard0x18Cmd() {}
void DDevicePage::onRuningMouse0x47Cmd() {}
void DDevicePage::onKeyboardClicked(int, QString) {}
void DDevicePage::onMouseButtonClicked(int) {}
void DDevicePage::onCurIndexChanged_Key(int) {}
void DDevicePage::onClickedCancel() {}
void DDevicePage::onHookKeyboardRecviveStreamToDevice(int, int, int) {}
void DDevicePage::onSoftKeyboardClicked(int, QString) {}
void DDevicePage::onChangKeyOrCombinationKeyFocusIn(bool) {}
void DDevicePage::onSoftKeyboardAlreadyLoad() {}
void DDevicePage::onSoftKeyboardClickedKeyReset() {}
void DDevicePage::onResetSoftKeyStatusToDefault(int) {}
void DDevicePage::onMouseInfoAlreadyLoad() {}
void DDevicePage::onShoudUpdateKeyboard(int) {}
void DDevicePage::onKeyboardAlreadyLoad(int) {}
void DDevicePage::onCustomKeyInfoSaveSuccessful() {}

void DDevicePage::onCustomKeyInfoSaveFailed(QString reason)
{
    m_notice->showNotice(reason, getNoticePoint());
}
void DDevicePage::onMacroListHaveChangedSendToDevice(QString, QString) {}

// --- Lighting routing ----------------------------------------------------

colorInfoData DDevicePage::panelRecord() const
{
    return m_colorWheelTool->getColorInfo();
}

QByteArray DDevicePage::profileText() const
{
    return decimal(m_profileIndex);
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
    if (CustomButton *row = listButton(selectionLists::KeyEffect, id))
        row->setSelected(true);
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
        m_lightDealMain->setMusicMode(effect == kMusicEffect);
        if (effect == kMusicEffect)
            return;
        const bool custom = effect == kCustomEffect;
        if (m_keyboardPage)
            m_keyboardPage->setCustomLightMode(custom);
        if (custom)
            loadCustomLightList();
        ui->frame_CustomLight->setVisible(custom);
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
    if (CustomButton *row = listButton(selectionLists::SideEffect, id))
        row->setSelected(true);
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
    if (CustomButton *row = listButton(selectionLists::ScrollAndLogo, id))
        row->setSelected(true);
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
    m_lightDealMain->setMusicMode(m_keyLightType == kMusicEffect);
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
        if (m_curLedIndex == kCustomRowId) {
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
    ui->frame_CustomLight->setVisible(custom);
    resetLedTypeList();
    const int id = selectionLists::idForNumber(selectionLists::KeyboardEffect, effect);
    if (id < 0)
        return;
    if (CustomButton *row = listButton(selectionLists::KeyEffect, id))
        row->setSelected(true);
    m_curLedIndex = id;
}

void DDevicePage::onSelectSideLightType(int effect)
{
    resetSideLedTypeList();
    const int id = selectionLists::idForNumber(selectionLists::SideLightEffect, effect);
    if (id < 0)
        return;
    if (CustomButton *row = listButton(selectionLists::SideEffect, id))
        row->setSelected(true);
    m_curSideLedIndex = id;
}

void DDevicePage::onSelectMouseAroundLightType(int effect)
{
    resetLedTypeList();
    const int id = selectionLists::idForNumber(selectionLists::MouseAroundEffect, effect);
    if (id >= 0) {
        if (CustomButton *row = listButton(selectionLists::KeyEffect, id))
            row->setSelected(true);
    }
    if (m_currentDeviceLink)
        m_currentDeviceLink->setAroundLightType(effect);
}

void DDevicePage::onSelectMouseScrollLightType(int effect)
{
    resetScrollAndLogoLedTypeList();
    const int id = selectionLists::idForNumber(selectionLists::ScrollOrLogoEffect, effect);
    if (id < 0)
        return;
    if (CustomButton *row = listButton(selectionLists::ScrollAndLogo, id))
        row->setSelected(true);
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

void DDevicePage::updateMouseDpiColors()
{
    if (!profileLoaded())
        return;
    QList<dpiConfigInfo> levels;
    m_xmlInterface->getDpiList(m_proFilePath, profileText(), levels);
    if (levels.isEmpty())
        return;
    QList<QColor> colours;
    for (const dpiConfigInfo &level : qAsConst(levels))
        colours.append(QColor(qBound(0, level.dpiColorR, 255), qBound(0, level.dpiColorG, 255),
                              qBound(0, level.dpiColorB, 255), 255));
    m_mouseLightDealMain->setDpiColors(colours, m_xmlInterface->getDpiUsingIndex(m_proFilePath, profileText()));
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
    m_scrollLinked = linked == 1;
    m_mouseLightDealMain->setScrollLinked(m_scrollLinked);
    if (m_scrollLinked)
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    if (!m_mouseSettingsLoaded || !profileLoaded())
        return;
    colorInfoData item{};
    if (storedZoneItem(m_xmlInterface, m_proFilePath, profileText(), kMouseZoneScroll, item, &m_mouseScrollLightType))
        setMouseLightConfigLinkChanged(kMouseZoneScroll, item);
}

void DDevicePage::onLogoLinkStatus(int linked)
{
    m_logoLinked = linked == 1;
    m_mouseLightDealMain->setLogoLinked(m_logoLinked);
    if (m_logoLinked)
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    if (!m_mouseSettingsLoaded || !profileLoaded())
        return;
    colorInfoData item{};
    if (storedZoneItem(m_xmlInterface, m_proFilePath, profileText(), kMouseZoneLogo, item, &m_mouseLogoLightType))
        setMouseLightConfigLinkChanged(kMouseZoneLogo, item);
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
    ui->pushButton_LightOnOff->setStyleSheet(QLatin1String(next == 1 ? kLedOffSheet : kLedOnSheet));
    ui->frame_Custom->setVisible(next == 0);
    m_ledOpenOrClose = next;
    m_xmlInterface->setLightItemOpenOrClose(m_proFilePath, profileText(), 0, effect, next);
    m_xmlInterface->setLightOpenOrClose(m_proFilePath, profileText(), next);

    deviceLightSender sender(m_currentHidInterface);
    bool sent = false;
    if (m_currentHidInfo.hidType == kHidTypeMouse) {
        // The mouse lighting page is disabled while the lights are off; it
        // comes with the mouse's view.
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
    const bool on = ui->checkBox_LightSynchronize->isChecked();
    const int type = m_currentHidInfo.hidType;
    if (profileLoaded())
        m_xmlInterface->setLightSynchronizeStatus(m_proFilePath, profileText(), on ? 1 : 0);
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
    const QByteArray profileIndex = decimal(profile);
    for (int index = 0; index < kCustomLightCount; ++index) {
        const QByteArray name = index < 2 ? QByteArray(entries[index].name)
                                          : QStringLiteral("Custom %1").arg(index + 1).toUtf8();
        m_xmlInterface->addCustomLight(m_proFilePath, profileIndex, decimal(index), name,
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
    if (file.isEmpty() || !m_xmlInterface->getDefaultCustomLightKeys(file, decimal(entry), keys) || keys.isEmpty())
        return;
    m_xmlInterface->replaceCustomLightKeys(m_proFilePath, decimal(profile), decimal(entry), keys);
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

    m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
    if (!m_keyboardPage)
        return;
    QList<customLightKeyInfo> keys;
    m_xmlInterface->getCustomLightKeys(m_proFilePath, profileText(), decimal(inUse), keys);
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

void DDevicePage::onResetoreCurrentProfile() {}
void DDevicePage::onExportProfileChildList(QString, QString) {}
void DDevicePage::onDeleteProfile(QString, QString) {}
void DDevicePage::onProfileItemMouseClicked(QString, QString) {}
void DDevicePage::onMouseDpiInfoSet() {}
void DDevicePage::onResetoreMouseCurrentProfile() {}
void DDevicePage::onCurIndexChanged_MouseRateNumIndex(int) {}
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
void DDevicePage::on_toolButton_RestoreFactorySettings_clicked() {}
void DDevicePage::on_toolButton_OnboardDownload_clicked() {}
