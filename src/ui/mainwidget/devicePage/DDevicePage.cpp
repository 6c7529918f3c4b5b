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
#include "devicePageGeometry.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightingReports.h"
#include "lightDealMain.h"
#include "mouseLightDealMain.h"
#include "onboardExplainDia.h"
#include "pagePrompts.h"
#include "pcProfileRules.h"
#include "pcProfileStore.h"
#include "pcProfileTexts.h"
#include "TextNumber.h"
#include "profileListItem.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTextEdit>

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

void DDevicePage::enterLightingPanel() {}
void DDevicePage::updateMouseDpiColors() {}

void DDevicePage::onKeyboardAlreadyLoad_Over() {}
void DDevicePage::onInitLoadHid(QString, int) {}
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

void DDevicePage::on_pushButton_OnboardMoreOperate_clicked() {}
void DDevicePage::on_pushButton_OnboardSave_clicked() {}
void DDevicePage::on_pushButton_OnboardCancel_clicked() {}
void DDevicePage::on_pushButton_OnboardConfigMoreOperate_clicked() {}
void DDevicePage::on_pushButton_Fn1Key_clicked() {}
void DDevicePage::on_checkBox_LightSynchronize_clicked() {}
void DDevicePage::on_toolButton_RestoreFactorySettings_clicked() {}
void DDevicePage::on_toolButton_OnboardDownload_clicked() {}
void DDevicePage::on_pushButton_LightOnOff_clicked() {}

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
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_Performance), ui->pushButton_Performance);
        if (m_keyboardPage)
            m_keyboardPage->clearCurrentKey();
        m_resetDefaultPage->setCurrentKey(qMakePair(-1, tr("Default")));
        m_currentKeyCode = -1;
        m_currentKeyText.clear();
        resetKeyFunctionList();
        m_curCustomPageIndex = 10;
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        ui->toolButton_Default->setSelected(true);
    } else if (m_currentHidInfo.hidType == kHidTypeMouse) {
        showToolPage(ui->stackedWidget_Tool->indexOf(ui->page_MouseDpiConfig), ui->pushButton_MouseDpiConfig);
    }
    m_currentProfileItem = row;
    m_profileIndex = profile;
    profileStore().setCurrentProfile(profile);
    if (m_currentDeviceLink)
        m_currentDeviceLink->setCurProFileIndex(profile);

    if (m_currentHidInfo.hidType == kHidTypeKeyboard && m_xmlInterface) {
        const QByteArray key = decimal(profile);
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
    pcProfileStore store = profileStore();
    const bool mouse = m_currentHidInfo.hidType == kHidTypeMouse;
    bool ok = true;
    if (!store.fileExists()) {
        // As the device load makes it: profile 1 with the defaults of its type.
        ok = false;
    } else {
        const int index = pcProfileRules::newProfileIndex(store.profiles());
        ok = store.addProfile(index, pcProfileRules::newProfileName(index), mouse ? kHidTypeMouse : kHidTypeKeyboard);
    }
    loadProfileList(2);
    toastOutcome(ok, pcProfileTexts::AddDone, pcProfileTexts::AddFailed);
}

void DDevicePage::on_pushButton_selectAppPath_clicked()
{
    // Programs have no ".exe" here.
    const QString file = pagePrompts::current().openFile(this, tr(pcProfileTexts::SelectExe), m_desktopPath, tr(pcProfileTexts::AppFilter));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    ui->textEdit_profileLinkProgram->clear();
    ui->textEdit_profileLinkProgram->append(file);
}

void DDevicePage::on_pushButton_OK_clicked()
{
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

void DDevicePage::onResetoreCurrentProfile()
{
    const int answer = pagePrompts::current().question(this, tr(pcProfileTexts::Tip), tr(pcProfileTexts::ResetQuestion),
                                                       {tr(pcProfileTexts::Yes), tr(pcProfileTexts::No)});
    if (answer != 0)
        return;
    m_keyLightType = 2;
    m_sideLightType = 2;
    qDebug().noquote() << "--------------------------- Reset Profile ----------------------------";
    pcProfileStore store = profileStore();
    bool ok = store.recreateProfile(m_profileIndex, kHidTypeKeyboard);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);

    const hidReportData report = resetReport();
    const int written = m_currentHidInterface ? m_currentHidInterface->writeHidData(report.data(), int(report.size()))
                                              : -1;
    if (written < 0)
        qDebug().noquote() << "---------- *** [Reset] Failed *** ----------";
    else
        qDebug().noquote() << "---------- *** [Reset] Successful *** ---------- ";
    toastOutcome(ok && written >= 0, pcProfileTexts::ResetDone,
                 pcProfileTexts::ResetFailed);
}
