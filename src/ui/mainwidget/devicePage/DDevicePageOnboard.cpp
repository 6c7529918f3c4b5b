// The device page's on-board mode: entering and leaving it, the
// configurations and their menu, the layer menu, key editing on the on-board
// picture, Set FN1, the factory restore and the download. The file work is
// done by the plain on-board classes; these slots only route.
#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "CustomButton.h"
#include "DChangeKeyPage.h"
#include "DChangProfilePage.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DHotKeyPage.h"
#include "DKeyCombinationPage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DOnboardPage.h"
#include "DResetDefaultPage.h"
#include "MainHidInterFace.h"
#include "SoftKeyboardButCustom.h"
#include "deviceKeyTexts.h"
#include "deviceModelSets.h"
#include "deviceProfileFiles.h"
#include "hidBindingCodes.h"
#include "keyboardPage.h"
#include "lightingReports.h"
#include "onboardBindingTexts.h"
#include "onboardConfigList.h"
#include "onboardDownloadPlan.h"
#include "onboardDownloadSender.h"
#include "onboardKeyBinding.h"
#include "onboardLayerFiles.h"
#include "onboardProfileMenuToolWidget.h"
#include "onboardReports.h"
#include "pagePrompts.h"
#include "pcProfileRules.h"
#include "xmlInterface.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QMenu>

#include <cstring>

namespace {

constexpr int kModeApp = 0;
constexpr int kModeOnboard = 1;
constexpr int kResetPage = 10;
constexpr int kKeyApostrophe = 52;

// Key-function pages shown in the on-board mode, by page number.
enum OnboardKeyPage { PageMacro = 0, PageRemap = 1, PageCombination = 2, PageMultimedia = 3, PageMouse = 4 };

// Pop-up geometry of the two menus.
constexpr int kMenuWidth = 200;
constexpr int kMenuArrowOffset = 93;
constexpr int kConfigMenuHeight = 210;
constexpr int kLayerMenuHeight = 180;
constexpr int kVariantLayerMenuHeight = 110;
constexpr int kMenuBelowButton = 6;
constexpr int kMenuShiftX = 100;
constexpr int kMenuShiftY = 13;

} // namespace

// --- Mode ------------------------------------------------------------------

void DDevicePage::applyDeviceMode(int mode)
{
    m_onboardMode = mode == kModeOnboard ? kModeOnboard : kModeApp;
    if (m_currentHidInterface)
        m_currentHidInterface->setPcMode(m_onboardMode == kModeApp);
    if (m_currentDeviceLink)
        m_currentDeviceLink->setOnboardMode(m_onboardMode);
}

// The on-board slots act only while a keyboard's on-board files are open.
bool DDevicePage::isOnboardEditing() const
{
    return m_onboardMode == kModeOnboard && m_xmlInterface && !m_onboardProFilePath.isEmpty();
}

QList<QWidget *> DDevicePage::pcFunctionButtons() const
{
    return {ui->toolButton_Text, ui->toolButton_Disable, ui->toolButton_Shortcuts, ui->toolButton_SwitchProfile,
            ui->toolButton_OpenApp};
}

bool DDevicePage::isOnboardDownloadRunning() const
{
    return m_onboardSender && m_onboardSender->isRunning();
}

DOnboardPage *DDevicePage::onboardPage() const { return m_onboardPage; }
ArrowWidget *DDevicePage::onboardConfigMenuPopup() const { return m_onboardConfigMenuPopup; }
ArrowWidget *DDevicePage::onboardLayerMenuPopup() const { return m_onboardLayerMenuPopup; }

void DDevicePage::onCurIndexChangedSelMode(int id)
{
    resetKeyFunctionList();
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    if (CustomButton *reset = listButton(selectionLists::KeyFunction, kResetPage))
        reset->setSelected(true);
    giveKey(m_resetDefaultPage, -1, keyCaptionText::translated("DDevicePage", deviceKeyTexts::kEmpty));

    if (id == kModeApp) {
        leaveOnboardMode();
        return;
    }
    if (id != kModeOnboard)
        return;
    if (!m_supportOnboard) {
        ui->pushButton_AppMode->setChecked(true);
        toast(QT_TR_NOOP("The device is not support On-board"));
        return;
    }
    // A device loaded without a serial has no transport: there is nothing
    // to switch.
    if (!m_currentHidInterface || !m_currentDeviceLink || !m_xmlInterface) {
        ui->pushButton_AppMode->setChecked(true);
        toast(QT_TR_NOOP("Please open hid first!"));
        return;
    }
    enterOnboardMode();
}

void DDevicePage::leaveOnboardMode()
{
    m_currentKeyCode = -1;
    delete m_onboardPage;
    applyDeviceMode(kModeApp);
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    for (QWidget *button : pcFunctionButtons())
        button->show();
    showToolTabs();
    ui->pushButton_CustomList->setChecked(true);
    onCurIndexChangedOperate(ToolCustomList);
    setKeyFunctionProfileIndex(m_profileIndex);
    if (m_keyboardPage)
        m_keyboardPage->clearCurrentKey();
    onCurIndexChangedMainPage(kMainKeys);
}

void DDevicePage::enterOnboardMode()
{
    const QString model = fixedText(m_currentHidInfo.hidName);
    const QString folder =
        deviceProfileFiles::deviceFolder(DDataManager::instance()->getUserConfigPath(), model, m_currentDeviceSnInfo);
    if (folder.isEmpty()) {
        ui->pushButton_AppMode->setChecked(true);
        toast(QT_TR_NOOP("Please open hid first!"));
        return;
    }

    const onboardConfigList::files files = onboardConfigList::filesIn(folder);
    bool firstUse = false;
    if (!QDir().mkpath(folder) || !onboardConfigList::prepareFiles(m_xmlInterface, files, firstUse)) {
        qWarning() << "On-board files cannot be made in" << folder;
        ui->pushButton_AppMode->setChecked(true);
        toast(QT_TR_NOOP("The on-board config files cannot be made"));
        return;
    }

    ui->label_LogMsg->hide();
    m_curCustomPageIndex = kResetPage;
    applyDeviceMode(kModeOnboard);
    m_onboardLayer = kOnboardLayerDefault;

    if (!m_onboardPage) {
        m_onboardPage = new DOnboardPage(ui->onboardFrame);
        ui->onboardFrame->layout()->addWidget(m_onboardPage);
        m_onboardPage->setModel(model, DDataManager::instance()->getKeyNumMap().value(model, 0));
        connect(m_onboardPage, SIGNAL(sigKeyboardMouseRightKeyClicked(int, QString)), this,
                SLOT(onKeyboardMouseRightKeyClicked(int, QString)));
        connect(m_onboardPage, SIGNAL(sigKeyboardClicked(int, QString)), this,
                SLOT(onOnboardKeyboardClicked(int, QString)));
    }
    m_onboardPage->clearSelectedKey();

    m_onboardProFilePath = files.list;
    m_onboardDefaultFilePath = files.defaultLayer;
    m_onboardFn1FilePath = files.fn1Layer;
    if (firstUse) {
        m_fastConfigNotice = false;
        onProfileCreateNew();
        applyOnboardFastConfig(onboardLayerFiles::Qwerty);
    }
    m_fastConfigNotice = true;

    fillOnboardProfileBox();

    if ((ui->frame_Custom->isHidden() || m_mainPageIndex != kMainKeys) && isCurrentDeviceOpen()) {
        qDebug() << "------------------------ *** ui->frame_Custom->isHidden *** ------------------------";
        ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
        ui->frame_Custom->show();
        ui->pushButton_Custom->setChecked(true);
        ui->pushButton_Led->setChecked(false);
        ui->pushButton_PerformanceChang->setChecked(false);
        // The key panel is up, also when the profile panel was: captured
        // keys are taken on the keys tab only.
        m_mainPageIndex = kMainKeys;
    }
    ui->stackedWidget_Onboard->show();
    ui->frame_OnboardProfile->show();
    ui->frame_OnboardDownload->show();
    // The download bar's buttons keep their captions whole; the status line
    // and the gap before it share what is left.
    ui->horizontalSpacer_13->changeSize(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    ui->label_LogMsg->setSizePolicy(QSizePolicy::Ignored, ui->label_LogMsg->sizePolicy().verticalPolicy());
    ui->horizontalLayout_38->setStretchFactor(ui->label_LogMsg, 1);
    ui->label_LogMsg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui->horizontalLayout_38->invalidate();
    updateOnboardMargins();
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardOperate);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_Onboard);
    ui->pushButton_Default->setChecked(true);
    for (QWidget *button : pcFunctionButtons())
        button->hide();
    showToolTabs();
    ui->pushButton_SoftKeyboard->setChecked(true);
    onCurIndexChangedOperate(ToolSoftKeyboard);
}

// The box from the list file; the stored current configuration, or the
// lowest one when the list lacks it (and that is stored).
void DDevicePage::fillOnboardProfileBox()
{
    xmlIndexNameList list;
    m_xmlInterface->getMacroList(m_onboardProFilePath, list);
    const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
    ui->comboBox_OnboardProfile->clear();
    m_onboardProfileMap.clear();
    QMap<int, QString> names;
    for (const auto &entry : list) {
        const int index = entry.first.toInt();
        const QString name = QString::fromUtf8(entry.second);
        qDebug() << "------------------------ *** index:" << index << "  name:" << name;
        ui->comboBox_OnboardProfile->addItem(name, index);
        names.insert(index, name);
        m_onboardProfileMap.insert(name, index);
    }
    const int current = onboardConfigList::currentIndex(names.keys(), m_xmlInterface->getProfileIndex(m_onboardProFilePath));
    ui->comboBox_OnboardProfile->setCurrentIndex(ui->comboBox_OnboardProfile->findData(current));
    onOnboardProfileComboxCurrentIndexChanged(names.value(current));
}

// --- Layers and configurations --------------------------------------------

onboardLayerFiles DDevicePage::onboardLayers() const
{
    return onboardLayerFiles(m_xmlInterface, m_onboardDefaultFilePath, m_onboardFn1FilePath,
                             fixedText(m_currentHidInfo.hidName));
}

QString DDevicePage::currentOnboardLayerFile() const { return onboardLayers().layerFile(m_onboardLayer); }

void DDevicePage::resultToast(bool ok, const char *successText, const char *failureText)
{
    if (!ok)
        qWarning() << "On-board:" << failureText;
    toast(ok ? successText : failureText);
}

void DDevicePage::onCurIndexChangedOn_board(int layer)
{
    m_onboardKeyCode = -1;
    m_onboardKeyText.clear();
    if (layer != kOnboardLayerDefault && layer != kOnboardLayerFn1)
        return;
    m_onboardLayer = layer;
    refreshOnboardLayerKeyTexts();
}

void DDevicePage::onOnboardProfileComboxCurrentIndexChanged(QString name)
{
    if (!m_onboardProfileMap.contains(name))
        return;
    // Configurations are known by index; the box's entry carries it.
    const QVariant entryIndex = ui->comboBox_OnboardProfile->currentText() == name
                                    ? ui->comboBox_OnboardProfile->currentData()
                                    : QVariant();
    m_currentOnboardProfileName = name;
    m_currentOnboardProfileIndex = entryIndex.isValid() ? entryIndex.toInt() : m_onboardProfileMap.value(name);
    qDebug() << "------------ *** On-board [ComboxCurrentIndexChanged] *** -------------strCurrentText:" << name
             << "  currentOnboardProfileIndex:" << m_currentOnboardProfileIndex;
    m_xmlInterface->setProfileIndex(m_onboardProFilePath, m_currentOnboardProfileIndex);
    m_onboardKeyCode = -1;
    m_onboardKeyText.clear();
    setKeyFunctionProfileIndex(m_currentOnboardProfileIndex);
    loadOnboardLayerKeyTexts();
}

void DDevicePage::addOnboardConfig(int index) { onboardLayers().addConfig(index); }

void DDevicePage::removeOnboardConfig(int index) { onboardLayers().removeConfig(index); }

void DDevicePage::applyOnboardFastConfig(int layout)
{
    if (!isOnboardEditing())
        return;
    const bool ok = onboardLayers().applyFastLayout(m_onboardLayer, m_currentOnboardProfileIndex, layout);
    loadOnboardLayerKeyTexts();
    if (m_fastConfigNotice)
        resultToast(ok, QT_TR_NOOP("Fast config successful"), QT_TR_NOOP("Fast config failed"));
}

void DDevicePage::loadOnboardLayerKeyTexts()
{
    if (!m_onboardPage || !m_xmlInterface)
        return;
    m_onboardPage->clearSelectedKey();
    m_onboardPage->resetKeyTexts(1);
    const QString file = currentOnboardLayerFile();
    if (file.isEmpty())
        return;
    QList<QByteArray> codes;
    m_xmlInterface->getKeyCodeList(file, QByteArray::number(m_currentOnboardProfileIndex), codes);
    const QMap<int, SoftKeyboardButCustom *> buttons = m_onboardPage->getKeyButtonMap();
    for (const QByteArray &code : qAsConst(codes)) {
        const customKeyInfo info = readOnboardBinding(m_xmlInterface, file, m_currentOnboardProfileIndex, code.toInt());
        if (hidBindingNumber(info.keyCode, sizeof info.keyCode) == -1)
            continue;
        m_onboardKeyInfo = info;
        SoftKeyboardButCustom *button = buttons.value(code.toInt());
        if (!button)
            continue;
        button->setKeyText(onboardKeyCaption(info, m_currentOnboardProfileIndex, m_softKeyNameMap, m_xmlInterface,
                                             m_macroFilePath));
    }
}

void DDevicePage::refreshOnboardLayerKeyTexts()
{
    if (m_onboardPage)
        loadOnboardLayerKeyTexts();
}

// --- Configuration menu -----------------------------------------------------

ArrowWidget *DDevicePage::onboardMenuPopup(QPointer<ArrowWidget> &popup, int flag, int type, int height)
{
    if (!popup) {
        auto *menu = new onboardProfileMenuToolWidget(flag);
        menu->setMenuType(type);
        menu->setWindowOpacity(1.0);
        connect(menu, SIGNAL(sigCloseMenuWidow()), this, SLOT(onCloseMenuWidow()));
        connect(menu, SIGNAL(sigProfileCreateNew()), this, SLOT(onProfileCreateNew()));
        connect(menu, SIGNAL(sigProfileExport()), this, SLOT(onProfileExport()));
        connect(menu, SIGNAL(sigProfileImport()), this, SLOT(onProfileImport()));
        connect(menu, SIGNAL(sigProfileDelete()), this, SLOT(onProfileDelete()));
        connect(menu, SIGNAL(sigProfileModifyName()), this, SLOT(onProfileModifyName()));
        connect(menu, SIGNAL(sigConfigQWERTY()), this, SLOT(onConfigQWERTY()));
        connect(menu, SIGNAL(sigConfigMac()), this, SLOT(onConfigMac()));
        connect(menu, SIGNAL(sigConfigDvorak()), this, SLOT(onConfigDvorak()));
        connect(menu, SIGNAL(sigConfigCleanLayer()), this, SLOT(onConfigCleanLayer()));
        popup = new ArrowWidget(0, this);
        popup->setPopupSize(kMenuWidth, height);
        popup->setArrowOffset(kMenuArrowOffset);
        popup->setContentWidget(menu);
    }
    return popup;
}

void DDevicePage::showOnboardMenuPopup(ArrowWidget *popup, QWidget *button)
{
    m_menuPopup = popup;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - kMenuBelowButton));
    popup->move(anchor - QPoint(kMenuShiftX, kMenuShiftY));
    popup->show();
    popup->activateWindow();
}

void DDevicePage::dropOnboardMenuPopups()
{
    for (QPointer<ArrowWidget> *popup : {&m_onboardConfigMenuPopup, &m_onboardLayerMenuPopup}) {
        if (m_menuPopup == *popup)
            m_menuPopup = nullptr;
        delete popup->data();
    }
}

void DDevicePage::on_pushButton_OnboardMoreOperate_clicked()
{
    if (!isOnboardEditing())
        return;
    showOnboardMenuPopup(onboardMenuPopup(m_onboardConfigMenuPopup, 1, onboardProfileMenuToolWidget::Configurations,
                                          kConfigMenuHeight),
                         ui->pushButton_OnboardMoreOperate);
}

void DDevicePage::on_pushButton_OnboardConfigMoreOperate_clicked()
{
    if (!isOnboardEditing())
        return;
    // The menu depends on the model's key count: a new one for another model.
    const int keyCount = DDataManager::instance()->getKeyNumMap().value(fixedText(m_currentHidInfo.hidName), 0);
    const bool variant = deviceModelSets::isNumberPadKeyCount(keyCount);
    const int type = variant ? onboardProfileMenuToolWidget::NumberPadFastLayouts
                             : onboardProfileMenuToolWidget::FastLayouts;
    if (m_onboardLayerMenuPopup && m_onboardLayerMenuPopup->property("menuType").toInt() != type)
        delete m_onboardLayerMenuPopup;
    ArrowWidget *popup = onboardMenuPopup(m_onboardLayerMenuPopup, 2, type,
                                          variant ? kVariantLayerMenuHeight : kLayerMenuHeight);
    popup->setProperty("menuType", type);
    showOnboardMenuPopup(popup, ui->pushButton_OnboardConfigMoreOperate);
}

void DDevicePage::onProfileCreateNew()
{
    if (!isOnboardEditing())
        return;
    qDebug() << "------------ *** On-board [CreateNew] *** -------------";
    xmlIndexNameList list;
    m_xmlInterface->getMacroList(m_onboardProFilePath, list);
    const int index = onboardConfigList::newConfigIndex(onboardConfigList::indexesOf(list));
    const QString name = onboardConfigList::newConfigName(index);
    const QByteArray key = QByteArray::number(index);
    // Listed last, once both layers hold it: a failure leaves the list, and
    // so the box, as they were, and takes back what the layers took.
    const bool unused = !m_xmlInterface->findNode(m_onboardDefaultFilePath, key)
                        && !m_xmlInterface->findNode(m_onboardFn1FilePath, key);
    const bool ok =
        onboardLayers().addConfig(index) && m_xmlInterface->addMacro(m_onboardProFilePath, key, name.toUtf8());
    if (ok) {
        m_onboardProfileMap.insert(name, index);
        {
            const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
            ui->comboBox_OnboardProfile->addItem(name, index);
            ui->comboBox_OnboardProfile->setCurrentIndex(ui->comboBox_OnboardProfile->count() - 1);
        }
        onOnboardProfileComboxCurrentIndexChanged(name);
    } else if (unused) {
        onboardLayers().removeConfig(index);
    }
    if (m_fastConfigNotice)
        resultToast(ok, QT_TR_NOOP("Create new config successful"), QT_TR_NOOP("Create new config failed"));
}

void DDevicePage::onProfileExport()
{
    if (!isOnboardEditing())
        return;
    qDebug() << "------------ *** On-board [Export] *** -------------";
    const QString folder = pagePrompts::current().existingFolder(this, tr("Save directory"), m_desktopPath);
    if (folder.isEmpty()) {
        toast(QT_TR_NOOP("Please select save directory first"));
        return;
    }
    const QString path = pcProfileRules::exportFilePath(folder, m_currentOnboardProfileName,
                                                        QString::number(m_currentOnboardProfileIndex));
    const onboardConfigList::files files{m_onboardProFilePath, m_onboardDefaultFilePath, m_onboardFn1FilePath};
    const bool ok = onboardConfigList::exportConfig(m_xmlInterface, files, m_currentOnboardProfileIndex, path);
    resultToast(ok, QT_TR_NOOP("Export profile successful"), QT_TR_NOOP("Export profile failed"));
}

void DDevicePage::onProfileImport()
{
    if (!isOnboardEditing())
        return;
    const QString file =
        pagePrompts::current().openFile(this, tr("Open profile file"), m_desktopPath, tr("Profile files(*.xml)"));
    if (file.isEmpty()) {
        toast(QT_TR_NOOP("Please select import file first"));
        return;
    }
    QByteArray defaultIndex, fn1Index;
    if (!onboardConfigList::importableConfigs(m_xmlInterface, file, defaultIndex, fn1Index)) {
        toast(QT_TR_NOOP("The file is not an on-board config file"));
        return;
    }
    qDebug() << " key:" << defaultIndex << " key:" << fn1Index;
    const onboardConfigList::files files{m_onboardProFilePath, m_onboardDefaultFilePath, m_onboardFn1FilePath};
    const int index = onboardConfigList::importIndex(m_xmlInterface, files);
    bool ok = m_xmlInterface->copyProfileWithIndex(m_onboardDefaultFilePath, index, file, defaultIndex);
    ok = ok && m_xmlInterface->copyProfileWithIndex(m_onboardFn1FilePath, index, file, fn1Index);
    const QString name = onboardConfigList::newConfigName(index);
    ok = ok && m_xmlInterface->addMacro(m_onboardProFilePath, QByteArray::number(index), name.toUtf8());
    if (ok) {
        const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
        ui->comboBox_OnboardProfile->addItem(name, index);
        m_onboardProfileMap.insert(name, index);
    }
    resultToast(ok, QT_TR_NOOP("Import profile successful"), QT_TR_NOOP("Import profile failed"));
}

void DDevicePage::onProfileDelete()
{
    if (!isOnboardEditing())
        return;
    if (m_onboardProfileMap.size() <= 1) {
        toast(QT_TR_NOOP("Need keep at least one config"));
        return;
    }
    qDebug() << "------------ *** On-board [Delete] *** -------------";
    // A configuration the list still holds keeps its layers and its entry.
    const bool unlisted =
        m_xmlInterface->deleteNode(m_onboardProFilePath, QByteArray::number(m_currentOnboardProfileIndex));
    const bool ok = unlisted && onboardLayers().removeConfig(m_currentOnboardProfileIndex);
    if (unlisted) {
        QString next;
        {
            const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
            m_onboardProfileMap.remove(m_currentOnboardProfileName);
            ui->comboBox_OnboardProfile->removeItem(ui->comboBox_OnboardProfile->currentIndex());
            next = m_onboardProfileMap.firstKey();
            ui->comboBox_OnboardProfile->setCurrentIndex(ui->comboBox_OnboardProfile->findText(next));
        }
        onOnboardProfileComboxCurrentIndexChanged(next);
    }
    resultToast(ok, QT_TR_NOOP("Delete config successful"), QT_TR_NOOP("Delete config failed"));
}

void DDevicePage::onProfileModifyName()
{
    if (!isOnboardEditing())
        return;
    qDebug() << "------------ *** On-board [ModifyName] *** -------------";
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardModifyName);
    ui->lineEdit_OnboardModifyProfileName->setText(ui->comboBox_OnboardProfile->currentText());
}

void DDevicePage::on_pushButton_OnboardSave_clicked()
{
    if (!isOnboardEditing())
        return;
    const QString text = ui->lineEdit_OnboardModifyProfileName->text();
    if (text.isEmpty()) {
        toast(QT_TR_NOOP("Config name can't be empty"));
        return;
    }
    if (text != m_currentOnboardProfileName && m_onboardProfileMap.contains(text)) {
        toast(QT_TR_NOOP("Config name already exists"));
        return;
    }
    // The list entry is found by its index alone.
    const QByteArray index = QByteArray::number(m_currentOnboardProfileIndex);
    const bool ok = m_xmlInterface->setNodeName(m_onboardProFilePath, index, text.toUtf8());
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardOperate);
    if (ok) {
        m_onboardProfileMap.remove(m_currentOnboardProfileName);
        m_onboardProfileMap.insert(text, m_currentOnboardProfileIndex);
        m_currentOnboardProfileName = text;
        const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
        ui->comboBox_OnboardProfile->setItemText(ui->comboBox_OnboardProfile->currentIndex(), text);
    }
    resultToast(ok, QT_TR_NOOP("Modify config name successful"), QT_TR_NOOP("Modify config name failed"));
}

void DDevicePage::on_pushButton_OnboardCancel_clicked()
{
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardOperate);
}

// --- Layer menu ---------------------------------------------------------------

void DDevicePage::onConfigQWERTY() { applyOnboardFastConfig(onboardLayerFiles::Qwerty); }
void DDevicePage::onConfigMac() { applyOnboardFastConfig(onboardLayerFiles::Mac); }
void DDevicePage::onConfigDvorak() { applyOnboardFastConfig(onboardLayerFiles::Dvorak); }

void DDevicePage::onConfigCleanLayer()
{
    if (!isOnboardEditing())
        return;
    qDebug() << "------------ *** On-board [CleanLayer] *** -------------";
    bool keep = false;
    if (m_fastConfigNotice) {
        const bool fnModel = deviceModelSets::isOnboardFnModel(fixedText(m_currentHidInfo.hidName));
        const QString question = fnModel ? tr("Do you want to keep the FN key setting?")
                                         : tr("Do you want to keep the FN1 key setting?");
        keep = pagePrompts::current().question(this, tr("Tip"), question, {tr("Yes"), tr("No")}) == 0;
    }
    const bool ok = onboardLayers().cleanLayer(m_onboardLayer, m_currentOnboardProfileIndex, keep);
    loadOnboardLayerKeyTexts();
    if (m_fastConfigNotice)
        resultToast(ok, QT_TR_NOOP("Clean layer successful"), QT_TR_NOOP("Clean layer failed"));
}

// --- Key editing --------------------------------------------------------------

void DDevicePage::onOnboardKeyboardClicked(int keyCode, QString keyText)
{
    qDebug() << "------------------------------------------------------Mouse button press (Left) keyDec:" << keyCode
             << " keyCharacter:" << keyText;
    m_onboardKeyCode = keyCode;
    m_onboardKeyText = keyCode == kKeyApostrophe ? QStringLiteral("' \"") : keyText.remove(QLatin1Char('"'));
    const QByteArray keyFile = currentOnboardLayerFile().toLocal8Bit();
    const QByteArray macroFile = m_macroFilePath.toLocal8Bit();
    const keyCaptionText key = keyCaptionText::plain(m_onboardKeyText);
    switch (m_curCustomPageIndex) {
    case PageMacro:
        m_macroCmdPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_macroCmdPage, m_onboardKeyCode, key);
        m_macroCmdPage->setFilePaths(macroFile.constData(), keyFile.constData());
        break;
    case PageRemap:
        m_changeKeyPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_changeKeyPage, m_onboardKeyCode, key);
        m_changeKeyPage->setFilePaths(macroFile.constData(), keyFile.constData());
        m_changeKeyPage->setKeyNameMap(m_softKeyNameMap);
        break;
    case PageCombination:
        m_keyCombinationPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_keyCombinationPage, m_onboardKeyCode, key);
        m_keyCombinationPage->setFilePaths(macroFile.constData(), keyFile.constData());
        m_keyCombinationPage->setKeyNameMap(m_softKeyNameMap);
        m_keyCombinationPage->clearCaptureText();
        break;
    case PageMultimedia:
        m_multimediaPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_multimediaPage, m_onboardKeyCode, key);
        m_multimediaPage->setFilePaths(macroFile.constData(), keyFile.constData());
        break;
    case PageMouse:
        m_mouseKeyPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_mouseKeyPage, m_onboardKeyCode, key);
        m_mouseKeyPage->setFilePaths(macroFile.constData(), keyFile.constData());
        break;
    case kResetPage:
        m_resetDefaultPage->setHidInterfaceAndXml(m_currentHidInterface, m_xmlInterface);
        giveKey(m_resetDefaultPage, m_onboardKeyCode,
                keyCaptionText::translated("DDevicePage", deviceKeyTexts::kEmpty));
        m_resetDefaultPage->setFilePaths(macroFile.constData(), keyFile.constData());
        break;
    default:
        break;
    }
}

void DDevicePage::onKeyboardMouseRightKeyClicked(int keyCode, QString keyText)
{
    if (!isOnboardEditing())
        return;
    m_onboardKeyCode = keyCode;
    m_onboardKeyText = keyText;
    // The menu lives only while it is open.
    QMenu menu;
    m_onboardKeyMenu = &menu;
    m_onboardEmptyAction = new QAction(tr("Empty"), this);
    menu.addAction(m_onboardEmptyAction);
    connect(m_onboardEmptyAction, SIGNAL(triggered()), this, SLOT(onEmptyForKey()));
    pagePrompts::current().runMenu(&menu, QCursor::pos());
    delete m_onboardEmptyAction;
    m_onboardKeyMenu = nullptr;
}

void DDevicePage::onEmptyForKey()
{
    if (!isOnboardEditing())
        return;
    qDebug() << "--------------------------- Menu [Empty key operate] ---------------------------";
    const onboardLayerFiles::EmptyResult result =
        onboardLayers().emptyKey(m_onboardLayer, m_currentOnboardProfileIndex, m_onboardKeyCode);
    if (result == onboardLayerFiles::NothingBound)
        return;
    if (m_onboardPage) {
        if (SoftKeyboardButCustom *button = m_onboardPage->getKeyButtonMap().value(m_onboardKeyCode))
            button->setKeyText(QString());
    }
    resultToast(result == onboardLayerFiles::Emptied, QT_TR_NOOP("Empty the key successful"),
                QT_TR_NOOP("Empty the key failed"));
}

void DDevicePage::on_pushButton_Fn1Key_clicked()
{
    if (!isOnboardEditing())
        return;
    if (m_onboardKeyCode == -1) {
        toast(QT_TR_NOOP("Please select one Key first!"));
        return;
    }
    const bool ok = onboardLayers().setFn1Key(m_currentOnboardProfileIndex, m_onboardKeyCode, m_onboardKeyText);
    const bool fnModel = deviceModelSets::isOnboardFnModel(fixedText(m_currentHidInfo.hidName));
    if (!ok) {
        // Either file may have taken it: the captions show what they hold.
        refreshOnboardLayerKeyTexts();
    } else if (m_onboardPage) {
        if (SoftKeyboardButCustom *button = m_onboardPage->getKeyButtonMap().value(m_onboardKeyCode))
            button->setKeyText(fnModel ? QStringLiteral("FN") : QStringLiteral("FN1"));
    }
    if (fnModel)
        resultToast(ok, QT_TR_NOOP("Set FN key successful"), QT_TR_NOOP("Set FN key failed"));
    else
        resultToast(ok, QT_TR_NOOP("Set FN1 key successful"), QT_TR_NOOP("Set FN1 key failed"));
}

// --- Factory restore and download ----------------------------------------------

void DDevicePage::on_toolButton_RestoreFactorySettings_clicked()
{
    if (!isOnboardEditing())
        return;
    if (isOnboardDownloadRunning())
        return;
    if (pagePrompts::current().question(this, tr("Tip"), tr("Whether to restore the factory settings?"),
                                        {tr("Yes"), tr("No")})
        != 0)
        return;
    const int index = m_currentOnboardProfileIndex;
    m_fastConfigNotice = false;
    m_onboardLayer = kOnboardLayerDefault;
    bool ok = onboardLayers().applyFastLayout(kOnboardLayerDefault, index, onboardLayerFiles::Qwerty);
    m_onboardLayer = kOnboardLayerFn1;
    ok = onboardLayers().cleanLayer(kOnboardLayerFn1, index, false) && ok;
    m_fastConfigNotice = true;
    onCurIndexChangedOn_board(kOnboardLayerDefault);
    ui->pushButton_Default->setChecked(true);

    const hidReportData reset = resetReport();
    const bool written = m_currentHidInterface && m_currentHidInterface->writeHidData(reset.data(), kHidReportSize) == 0;
    qDebug() << (written ? "---------- *** [Reset] Successful *** ---------- " : "---------- *** [Reset] Failed *** ----------");
    resultToast(ok && written, QT_TR_NOOP("Restore the factory settings successful"),
                QT_TR_NOOP("Restore the factory settings failed"));
}

void DDevicePage::on_toolButton_OnboardDownload_clicked()
{
    if (!m_onboardPage || isOnboardDownloadRunning())
        return;
    if (!m_currentHidInterface || !m_currentDeviceLink || !m_xmlInterface) {
        toast(QT_TR_NOOP("Please open hid first!"));
        return;
    }
    ui->label_LogMsg->show();
    ui->label_LogMsg->setText(tr("Write Start"));

    // The plan is made from copies: nothing of the page is used once it runs.
    QList<int> keyCodes;
    for (SoftKeyboardButCustom *button : m_onboardPage->getKeyButtonList())
        keyCodes.append(button ? button->getKeyCode() : 0);
    const onboardDownloadPlan plan = makeOnboardDownloadPlan(
        keyCodes, {m_xmlInterface, m_onboardDefaultFilePath, m_onboardFn1FilePath, m_macroFilePath,
                   m_currentOnboardProfileIndex});
    if (plan.isRefused()) {
        ui->label_LogMsg->setText(tr("Onboard Download [Failed]"));
        m_notice->showNotice(onboardDownloadRefusalText(plan), getNoticePoint());
        return;
    }
    m_onboardSender = new onboardDownloadSender(m_currentHidInterface, m_currentDeviceLink, plan, this);
    connect(m_onboardSender, SIGNAL(sigFinished(bool)), this, SLOT(onOnboardDownloadFinished(bool)));
    setOnboardControlsEnabled(false);
    m_onboardSender->start();
}

void DDevicePage::onOnboardDownloadFinished(bool successful)
{
    setOnboardControlsEnabled(true);
    if (successful) {
        ui->label_LogMsg->setText(tr("Write Over"));
        toast(QT_TR_NOOP("Download config successful"));
    } else {
        ui->label_LogMsg->setText(tr("Onboard Download [Failed]"));
        toast(QT_TR_NOOP("Download config failed, Please try again"));
    }
    if (m_onboardSender)
        m_onboardSender->deleteLater();
}

// While a download runs nothing may change what it sends or where.
void DDevicePage::setOnboardControlsEnabled(bool enabled)
{
    for (QWidget *control :
         {static_cast<QWidget *>(ui->pushButton_AppMode), static_cast<QWidget *>(ui->pushButton_OnboardMode),
          static_cast<QWidget *>(ui->comboBox_OnboardProfile), static_cast<QWidget *>(ui->pushButton_OnboardMoreOperate),
          static_cast<QWidget *>(ui->pushButton_OnboardConfigMoreOperate), static_cast<QWidget *>(ui->pushButton_Default),
          static_cast<QWidget *>(ui->pushButton_FN1), static_cast<QWidget *>(ui->pushButton_Fn1Key),
          static_cast<QWidget *>(ui->toolButton_OnboardDownload),
          static_cast<QWidget *>(ui->toolButton_RestoreFactorySettings), static_cast<QWidget *>(ui->stackedWidget_Onboard),
          static_cast<QWidget *>(ui->frame_Custom)})
        control->setEnabled(enabled);
    if (m_onboardPage)
        m_onboardPage->setEnabled(enabled);
    for (QPointer<ArrowWidget> popup : {m_onboardConfigMenuPopup, m_onboardLayerMenuPopup}) {
        if (popup) {
            if (!enabled)
                popup->hide();
            popup->setEnabled(enabled);
        }
    }
}

// --- Acknowledgements -----------------------------------------------------------

// The download's sender counts its own link's answers; here they are only traced.
void DDevicePage::onRuningOnboard0x19Cmd()
{
    qDebug() << "-------------------------- *** Onboard Download [Write 0x19 Recv] *** --------------------------"
             << (m_onboardSender ? m_onboardSender->macroReportsSent() : 0);
    m_onboard0x19Ack = true;
}

void DDevicePage::onRuningOnboard0x18Cmd() {}
