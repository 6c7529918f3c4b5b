#include "DMainWidget.h"
#include "ui_DMainWidget.h"

#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DHomePage.h"
#include "DLinkagePage.h"
#include "DMacroPage.h"
#include "DSettingsDia.h"
#include "DeviceNotifier.h"
#include "MainHidInterFace.h"
#include "ReadOnlyDataFile.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"
#include "bootloaderProtocol.h"
#include "firmwareUpgradeControl.h"
#include "lightingReports.h"
#include "mainWindowFrame.h"
#include "windowBackdrop.h"
#include "xmlInterface.h"
#include "xmlStoreFileNames.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QIcon>
#include <QMenu>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QWindow>

namespace {

constexpr int kInitialWidth = 1192;
constexpr int kInitialHeight = 663;
constexpr char kTimeFormat[] = "yyyy/MM/dd hh:mm:ss ddd";
constexpr char kLogoPath[] = ":/images/pardexLogo.png";
constexpr char kTrayIconPath[] = ":/images/trayLogo.ico";
constexpr char kQuitIconPath[] = ":/images/mainpage/closeWindowSel.png";
constexpr char kHidModelFile[] = "hidList.xml";
constexpr char kHidSupportFile[] = "hidListSupport.xml";
constexpr char kRescanPathText[] = "hidPath";
constexpr int kAppNamePointSize = 16;
constexpr int kPageButtonPointSize = 14;
// A burst of device events within this time makes one rescan.
constexpr int kRescanBurstMs = 300;
// How long the stop waits for the light-synchronise report to be written.
constexpr int kStopFlushMs = 200;

QString now()
{
    return QDateTime::currentDateTime().toString(QLatin1String(kTimeFormat));
}

std::unique_ptr<QSettings> openDefaultSettings()
{
    auto defaults = std::make_unique<QSettings>(QString::fromLatin1(SettingsKeys::DefaultSettingsPath),
                                                QSettings::IniFormat);
    defaults->setIniCodec("UTF-8");
    return defaults;
}

void applyUseLocalFont(const QSettings &defaults)
{
    DDataManager::instance()->setUseLocalFont(defaults.value(SettingsKeys::UseLocalFont, false).toBool());
}

QString windowButtonStyle(const char *picture)
{
    return QStringLiteral("\t\t\tQPushButton{\tborder-image:url(:/images/mainpage/%1Def.png);\t}\t\t\tQPushButton:hover{"
                          "border-image:url(:/images/mainpage/%1Sel.png); }\t\t\tQPushButton:pressed{border-image:url(:/"
                          "images/mainpage/%1Sel.png);}\t\t")
        .arg(QLatin1String(picture));
}

int hexIdText(const char *text)
{
    bool ok = false;
    const int value = QString::fromLatin1(text).toInt(&ok, 16);
    return ok ? value : -1;
}

DMainWidget::Hooks withDefaults(DMainWidget::Hooks hooks)
{
    if (!hooks.makeDevicePage)
        hooks.makeDevicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    if (!hooks.makeMacroPage)
        hooks.makeMacroPage = [](QWidget *parent) { return new DMacroPage(parent); };
    if (!hooks.makeDeviceNotifier)
        hooks.makeDeviceNotifier = [](QObject *parent) { return DeviceNotifier::create(parent); };
    if (!hooks.exitProcess)
        hooks.exitProcess = [](int code) { QCoreApplication::exit(code); };
    if (!hooks.isSystemTrayAvailable)
        hooks.isSystemTrayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return hooks;
}

} // namespace

DMainWidget::DMainWidget(QWidget *parent)
    : DMainWidget(Hooks{}, parent)
{
}

DMainWidget::DMainWidget(const Hooks &hooks, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMainWidget)
    , m_hooks(withDefaults(hooks))
{
    ui->setupUi(this);
    // The form's frames are styled panels; only the theme draws their lines.
    setStyleSheet(QStringLiteral("QFrame{border:none;}"));
    m_backdrop = new windowBackdrop(ui->frame_Bg, ui->frame_Main);
    resize(kInitialWidth, kInitialHeight);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setMinimumSize(mainWindowFrame::minimumSizeFor(screen->availableGeometry().size()));
    qRegisterMetaType<hidStructInfo>("hidStructInfo");
    qRegisterMetaType<QList<hidStructInfo>>("QList<hidStructInfo>");

    ui->frame_Bg->setMouseTracking(true);
    ui->stackedWidget_Main->setMouseTracking(true);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    installEventFilter(this);
    ui->frame_Title->installEventFilter(this);
    ui->frame_Main->installEventFilter(this);

    // The program's first use of the data manager: it writes its start line first.
    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------Into DMainWidget INIT:")
                                       + now());
    ui->pushButton_Linkage->hide();

    readDefaultSettings();
    QFont appNameFont = DDataManager::instance()->getFont(0);
    appNameFont.setPointSize(kAppNamePointSize);
    ui->label_AppName->setFont(appNameFont);
    ui->label_AppName->setText(m_windowTitle);
    ui->appLogo->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1);}").arg(QLatin1String(kLogoPath)));
    setWindowIcon(QIcon(QString::fromLatin1(kLogoPath)));

    createStoreAndMacroFile();
    loadDeviceLists();

    m_settingsPath = DDataManager::instance()->getUserSettingsPath();
    m_settings = std::make_unique<QSettings>(m_settingsPath, QSettings::IniFormat);
    writeFirstRunSettings();

    initTrayIcon();
    registerDeviceNotify();

    m_pageButtons = new QButtonGroup(this);
    m_pageButtons->addButton(ui->pushButton_Home, PageHome);
    m_pageButtons->addButton(ui->pushButton_Device, PageDevice);
    m_pageButtons->addButton(ui->pushButton_Macro, PageMacro);
    m_pageButtons->addButton(ui->pushButton_Linkage, PageLinkage);
    ui->pushButton_Home->setChecked(true);
    connect(m_pageButtons, &QButtonGroup::idClicked, this, &DMainWidget::onCurIndexChanged);

    createPages();
    m_devicePage->setMainWidget(this);
    createFirmwareUpgrade();
    createScanner();

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this,
            &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove);

    m_burstTimer.setSingleShot(true);
    m_burstTimer.setInterval(kRescanBurstMs);
    connect(&m_burstTimer, &QTimer::timeout, this, &DMainWidget::onRescanBurstEnd);
    m_bootloaderTimer.setSingleShot(true);
    connect(&m_bootloaderTimer, &QTimer::timeout, this, &DMainWidget::ontheHidIntoFirmwareUpgrade);

    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------END DMainWidget INIT:")
                                       + now());

    onChangAppTheme(m_settings->value(SettingsKeys::ThemeIndex, 0).toInt());
}

DMainWidget::~DMainWidget()
{
    releaseDevices();
    // Before the update dialog, a child of the window, goes.
    m_firmware.reset();
    delete ui;
}

// ---- construction ---------------------------------------------------------

void DMainWidget::readDefaultSettings()
{
    const std::unique_ptr<QSettings> defaults = openDefaultSettings();
    applyUseLocalFont(*defaults);
    m_windowTitle = defaults->value(SettingsKeys::CompanyName, QString::fromLatin1(SettingsKeys::DefaultCompanyName))
                        .toString();
    setWindowTitle(m_windowTitle);
}

// The macro file path has no length limit here: the local 8-bit encoding is
// UTF-8, and the pages take the whole path.
void DMainWidget::createStoreAndMacroFile()
{
    const QString path = DDataManager::instance()->getUserConfigPath() + QLatin1Char('/')
                         + QLatin1String(xmlStoreFileNames::kMacroFile);
    m_macroFilePath = path.toLocal8Bit();
    m_xml = std::make_unique<xmlInterface>();
    if (!QFile::exists(path))
        m_xml->createXmlFile(path);
}

// Both lists into the data manager; an unreadable file leaves its tables
// empty and says so.
void DMainWidget::loadDeviceLists()
{
    DDataManager *manager = DDataManager::instance();
    QList<hidModelInfo> models;
    {
        const ReadOnlyDataFile file(QString::fromLatin1(kHidModelFile), manager->isUserConfig());
        if (!m_xml->getHidModelList(file.path(), models))
            qDebug().noquote() << "---------------------------- device model list unreadable:" << file.path();
    }
    QStringList names;
    QMap<QString, QString> likeNames;
    QMap<QString, QString> productNames;
    QMap<QString, int> keyCounts;
    QMap<QString, hidModelInfo> modelMap;
    for (const hidModelInfo &model : qAsConst(models)) {
        const QString name = fixedText(model.hidName);
        names.append(name);
        likeNames.insert(name, fixedText(model.likeName));
        productNames.insert(name, fixedText(model.productName));
        keyCounts.insert(name, model.keyNum);
        modelMap.insert(name, model);
    }
    manager->setHidNameList(names);
    manager->setLikeNameMap(likeNames);
    manager->setProductNameMap(productNames);
    manager->setKeyNumMap(keyCounts);
    manager->setHidModelMap(modelMap);

    QList<hidSupportInfo> supported;
    {
        const ReadOnlyDataFile file(QString::fromLatin1(kHidSupportFile), manager->isUserConfig());
        if (!m_xml->getHidSupportList(file.path(), supported))
            qDebug().noquote() << "---------------------------- supported device list unreadable:" << file.path();
    }
    manager->setSupportHidList(supported);
    qDebug("---------------------------- *** Get supportHid Over *** --------------------------------");
}

// Keys missing from the user settings file get their first-run values;
// existing values are never overwritten here.
void DMainWidget::writeFirstRunSettings()
{
    // Another process holding the settings longer than a moment: the next
    // start writes them.
    if (!SettingsLock::isFreeForWrite(m_settingsPath))
        return;
    if (!m_settings->contains(SettingsKeys::AutoStart)) {
        m_settings->setValue(SettingsKeys::AutoStart, true);
        AutoStartEntry::install(QCoreApplication::applicationFilePath());
    }
    if (!m_settings->contains(SettingsKeys::MinimizeToTray))
        m_settings->setValue(SettingsKeys::MinimizeToTray, true);
    if (!m_settings->contains(SettingsKeys::CloseToTray))
        m_settings->setValue(SettingsKeys::CloseToTray, true);
    m_settings->sync();
}

void DMainWidget::initTrayMenu()
{
    m_minimizeAction = new QAction(tr("Minimize(&N)"), this);
    m_maximizeAction = new QAction(tr("Maximize(&X)"), this);
    m_restoreAction = new QAction(tr("Revert(&R)"), this);
    m_quitAction = new QAction(tr("Quit(&Q)"), this);
    m_quitAction->setIcon(QIcon(QString::fromLatin1(kQuitIconPath)));
    connect(m_minimizeAction, &QAction::triggered, this, &QWidget::hide);
    connect(m_maximizeAction, &QAction::triggered, this, &QWidget::showMaximized);
    connect(m_restoreAction, &QAction::triggered, this, &QWidget::showNormal);
    connect(m_quitAction, &QAction::triggered, this, &DMainWidget::onQuitApp);

    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->addAction(m_minimizeAction);
    m_trayMenu->addAction(m_maximizeAction);
    m_trayMenu->addAction(m_restoreAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
}

// Made and shown whether or not a tray is there now: the toolkit docks the
// icon as soon as a tray appears.
void DMainWidget::initTrayIcon()
{
    initTrayMenu();
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setIcon(QIcon(QString::fromLatin1(kTrayIconPath)));
    m_trayIcon->setToolTip(m_windowTitle);
    m_trayIcon->setContextMenu(m_trayMenu.get());
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
    m_trayIcon->show();
}

void DMainWidget::registerDeviceNotify()
{
    m_deviceNotifier = m_hooks.makeDeviceNotifier(this);
    if (!m_deviceNotifier)
        return;
    connect(m_deviceNotifier, &DeviceNotifier::deviceArrived, this, &DMainWidget::onDeviceArrived);
    connect(m_deviceNotifier, &DeviceNotifier::deviceRemoved, this, &DMainWidget::onDeviceRemoved);
    if (!m_deviceNotifier->start())
        qDebug("------------------------ Register device notify failed -------------------------");
}

void DMainWidget::createPages()
{
    m_devicePage = m_hooks.makeDevicePage(ui->page_Device);
    ui->horizontalLayout_6->addWidget(m_devicePage);
    m_devicePage->setMacroFileAndXmlInterface(m_macroFilePath.constData(), m_xml.get());

    m_homePage = new DHomePage(ui->page_Home);
    ui->horizontalLayout_5->addWidget(m_homePage);
    connect(m_devicePage, &DDevicePage::sigHidDeviceListUpdate, m_homePage, &DHomePage::sigHidDeviceListUpdateHome);
    connect(m_homePage, &DHomePage::sigHomePage, this, &DMainWidget::onHomePageDeviceItemClick);
    connect(m_homePage, &DHomePage::sigHomePage, m_devicePage, &DDevicePage::sigHomePageDeviceItemClicked);
    m_homePage->showHidDeviceList(m_devicePage->getHidDeviceList());

    m_macroPage = m_hooks.makeMacroPage(ui->page_Macro);
    ui->horizontalLayout_7->addWidget(m_macroPage);
    m_macroPage->setMacroFileInfo(m_macroFilePath.constData(), m_xml.get());
    connect(m_macroPage, &DMacroPage::sigMacroListHaveChanged, m_devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    connect(m_macroPage, &DMacroPage::sigHookKeyboardRecviveStream, m_devicePage,
            &DDevicePage::sigHookKeyboardRecviveStreamToDevice);

    m_linkagePage = new DLinkagePage(ui->page_Linkage);
    ui->horizontalLayout_8->addWidget(m_linkagePage);
}

// The start-up scan runs here on the GUI thread: its result reaches the
// device page before construction goes on.
void DMainWidget::createScanner()
{
    m_scanner = std::make_unique<MainHidInterFace>(0, QStringLiteral("mainThread"));
    const QList<hidSupportInfo> supported = DDataManager::instance()->getSupportHidList();
    m_scanner->setSupportHidList(supported);
    // The models a scan accepts: the device-model list's, and the mice's,
    // which the supported-device list names.
    QStringList names = DDataManager::instance()->getHidNameList();
    for (const hidSupportInfo &item : supported) {
        if (item.type == kHidTypeMouse && !names.contains(fixedText(item.nucName)))
            names.append(fixedText(item.nucName));
    }
    m_scanner->setHidNameList(names);
    connect(m_scanner.get(), &MainHidInterFace::sigGetHidListSuccessful, this, &DMainWidget::onGetHidListSuccessful);
    m_scanner->getHidList(MainHidInterFace::ScanStart);
}

// ---- pages ------------------------------------------------------------------

void DMainWidget::onCurIndexChanged(int id)
{
    if (id == m_currentPageId)
        return;
    if (m_devicePage->isLightChanged()) {
        const int answer = m_devicePage->askSaveLightChanges();
        if (answer == 0) {
            ui->pushButton_Device->setChecked(true);
            return;
        }
        if (answer == 1) {
            ui->pushButton_Device->setChecked(true);
            m_devicePage->saveLightChanges();
            m_devicePage->clearLightChanged();
            return;
        }
        m_devicePage->clearLightChanged();
    }
    m_currentPageId = id;
    // A switch asked for by id alone marks its button too.
    if (QAbstractButton *button = m_pageButtons->button(id))
        button->setChecked(true);
    m_macroPage->setCurrentPageStatus(false);
    stopMacroRecording();
    switch (id) {
    case PageHome:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Home);
        break;
    case PageDevice:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);
        m_devicePage->showFirstDevice();
        break;
    case PageMacro:
        m_macroPage->setCurrentPageStatus(true);
        m_macroPage->loadKeyboardInfo();
        m_macroPage->loadMacroList();
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Macro);
        break;
    case PageLinkage:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Linkage);
        break;
    default:
        break;
    }
}

void DMainWidget::onHomePageDeviceItemClick(QString)
{
    m_currentPageId = PageDevice;
    ui->pushButton_Device->setChecked(true);
    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);
}

void DMainWidget::stopMacroRecording()
{
    if (m_macroPage && m_macroPage->getRecordStatus())
        m_macroPage->startOrStopRecord();
}

// ---- title bar ----------------------------------------------------------------

bool DMainWidget::hasSystemTray() const
{
    return m_hooks.isSystemTrayAvailable();
}

void DMainWidget::on_pushButton_Close_clicked()
{
    stopMacroRecording();
    const QSettings settings(m_settingsPath, QSettings::IniFormat);
    if (!settings.value(SettingsKeys::CloseToTray, false).toBool()) {
        onQuitApp();
        return;
    }
    // Without a tray the hidden window could never be found again.
    if (hasSystemTray())
        hide();
    else
        showMinimized();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized() || isFullScreen()) {
        ui->pushButton_Max->setStyleSheet(windowButtonStyle("maxWindow"));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        ui->pushButton_Max->setStyleSheet(windowButtonStyle("intoMaxWindow"));
        showMaximized();
    }
}

void DMainWidget::on_pushButton_Min_clicked()
{
    stopMacroRecording();
    showMinimized();
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    stopMacroRecording();
    openSettingsDialog();
}

void DMainWidget::openSettingsDialog()
{
    // A fresh cover each time; the last one has done its work.
    delete m_settingsOverlay;
    auto *overlay = new QWidget(this, Qt::FramelessWindowHint);
    overlay->resize(size());
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    overlay->show();
    m_settingsOverlay = overlay;

    auto *dialog = new DSettingsDia(this);
    m_settingsDialog = dialog;
    dialog->setFirmwareInfoMap(m_scanner->getFirmwareInfoMap());
    connect(dialog, &DSettingsDia::sigSettingsWindowClose, this, &DMainWidget::onSettingsWindowClose);
    connect(dialog, &DSettingsDia::sigUpdataAllUI, this, &DMainWidget::omUpdataAllUI);
    connect(dialog, &DSettingsDia::sigUpdateApp, this, &DMainWidget::onUpdateApp);
    connect(dialog, &DSettingsDia::sigChangAppTheme, this, &DMainWidget::onChangAppTheme);
    connect(dialog, &DSettingsDia::sigFirmwareUpgradeCheck, this, &DMainWidget::onFirmwareUpgradeCheck);

    dialog->move(pos().x() + (width() - dialog->width()) / 2, pos().y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    const QPointer<DMainWidget> self(this);
    dialog->exec();
    // Escape or the window manager close it without its Close button: the
    // window must not stay dimmed.
    if (self)
        onSettingsWindowClose();
}

void DMainWidget::onSettingsWindowClose()
{
    if (m_settingsOverlay)
        m_settingsOverlay->hide();
}

void DMainWidget::onUpdateApp() {}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

// ---- theme and language ---------------------------------------------------------

void DMainWidget::onChangAppTheme(int themeIndex)
{
    qDebug().noquote() << "------------------------selThemeIndex:" << themeIndex;
    applyTheme(themeIndex);
    m_homePage->changAppTheme();
    m_macroPage->changAppTheme();
    m_devicePage->changeAppTheme();
}

void DMainWidget::applyTheme(int themeIndex)
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    applyUseLocalFont(*openDefaultSettings());
    // Title texts read over both ends of the title's gradient: a theme colour
    // faint there gives way to the nearest shade that reads.
    const auto onTitle = [&colors](const QString &text) {
        return themeColorInfo::readableText(
            text, QStringList{colors.MainWidgetTitleColorStart, colors.MainWidgetTitleColorStop});
    };
    const QString titleText = onTitle(colors.TextDefaultColor);
    const QString titleChecked = onTitle(colors.TextCheckedColor);

    QFont appNameFont = DDataManager::instance()->getFont(0);
    appNameFont.setPointSize(kAppNamePointSize);
    ui->label_AppName->setFont(appNameFont);
    ui->label_AppName->setStyleSheet(QStringLiteral("QLabel#label_AppName{color: rgb(%1);}").arg(titleChecked));

    ui->frame_ChangPage->setStyleSheet(
        QStringLiteral("\t\t\t\tQPushButton{\t\t\t\t\tbackground-color:transparent;\t\t\t\t\tcolor: rgb(%1);"
                       "\t\t\t\t\t\t\t\t\t\tborder: none;\t\t\t\t}\t\t\t\tQPushButton::unchecked{\t\t\t\t\tcolor: "
                       "rgb(%1);\t\t\t\t\tborder: none;\t\t\t\t}\t\t\t\tQPushButton::hover{\t\t\t\t\tcolor: rgb(%2);"
                       "\t\t\t\t\tborder: none;\t\t\t\t}\t\t\t\tQPushButton::pressed{\t\t\t\t\tcolor: rgb(%3);"
                       "\t\t\t\t\tborder: none;\t\t\t\t}\t\t\t\tQPushButton::checked{\t\t\t\t\tcolor: rgb(%3);"
                       "\t\t\t\t\tborder-bottom: 3px solid rgb(%3);\t\t\t\t}\t\t")
            .arg(titleText, colors.TextHoverColor, titleChecked));
    QFont pageFont = DDataManager::instance()->getFont(0);
    pageFont.setPointSize(kPageButtonPointSize);
    for (QPushButton *button : {ui->pushButton_Home, ui->pushButton_Device, ui->pushButton_Macro, ui->pushButton_Linkage})
        button->setFont(pageFont);

    if (DDataManager::instance()->isBgImageUsing()) {
        static const char *const kNames[] = {"Black", "Light", "Blue", "Pink", "Other"};
        const QString name =
            themeIndex >= 0 && themeIndex < 5 ? QString::fromLatin1(kNames[themeIndex]) : QString();
        const QString dir = QCoreApplication::applicationDirPath();
        ui->frame_Title->setStyleSheet(
            QStringLiteral("QFrame#frame_Title{border-image:url(%1);}").arg(dir + QStringLiteral("/images/bgImageTitle_%1.png").arg(name)));
        ui->frame_Main->setStyleSheet(
            QStringLiteral("QFrame#frame_Main{border-image:url(%1);}").arg(dir + QStringLiteral("/images/bgImageMain_%1.png").arg(name)));
        m_backdrop->setMainAreaColor(QColor());
        return;
    }
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: qlineargradient(spread:pad, x1:0.388273, y1:1, "
                       "x2:0.446909, y2:0, stop:0 rgba(%1, 255), stop:1 rgba(%2, 255));}")
            .arg(colors.MainWidgetTitleColorStart, colors.MainWidgetTitleColorStop));
    // The outer frames hold every page: their colours are painted, as a
    // sheet on them would restyle all the pages.
    m_backdrop->setFrameColors(themeColorInfo::sheetColor(colors.MainWidgetBorderColor),
                               themeColorInfo::sheetColor(colors.MainWidgetBgColor));
    m_backdrop->setMainAreaColor(themeColorInfo::sheetColor(colors.MainWidgetBgColor));
    // The pictures' sheet goes once, when they are switched off.
    if (!ui->frame_Main->styleSheet().isEmpty())
        ui->frame_Main->setStyleSheet(QString());
}

void DMainWidget::omUpdataAllUI()
{
    ui->retranslateUi(this);
    setWindowTitle(m_windowTitle);
    ui->label_AppName->setText(m_windowTitle);
    m_minimizeAction->setText(tr("Minimize(&N)"));
    m_maximizeAction->setText(tr("Maximize(&X)"));
    m_restoreAction->setText(tr("Revert(&R)"));
    m_quitAction->setText(tr("Quit(&Q)"));
    m_devicePage->retranslateAllUI();
    m_macroPage->updataAllUI();
    m_homePage->updataAllUI();
}

// ---- devices ---------------------------------------------------------------------

bool DMainWidget::isSupportedDevice(int vendorId, int productId) const
{
    const QList<hidSupportInfo> supported = DDataManager::instance()->getSupportHidList();
    for (const hidSupportInfo &item : supported) {
        if (hexIdText(item.Vid) == vendorId && hexIdText(item.Pid) == productId)
            return true;
    }
    return false;
}

bool DMainWidget::isBootloaderDevice(int vendorId, int productId)
{
    return isBootloaderId(vendorId, productId);
}

void DMainWidget::onDeviceArrived(const QString &path, int vendorId, int productId)
{
    qDebug().noquote() << "-------------------------- ******** Path:" << path;
    if (isSupportedDevice(vendorId, productId))
        queueRescan(MainHidInterFace::ScanArrival, path);
    if (isBootloaderDevice(vendorId, productId)) {
        m_firmware->resetFirmwareRetry();
        if (!m_bootloaderTimer.isActive())
            m_bootloaderTimer.start(m_firmware->timeLimits().bootloaderArrivalMs);
    }
}

void DMainWidget::onDeviceRemoved(const QString &path, int vendorId, int productId)
{
    if (isSupportedDevice(vendorId, productId))
        queueRescan(MainHidInterFace::ScanRemoval, path);
}

// Events of one plug (one per interface) or of several devices at once
// gather for a while and make one rescan.
void DMainWidget::queueRescan(int mode, const QString &path)
{
    if (mode == MainHidInterFace::ScanArrival)
        m_burstArrival = true;
    else
        m_burstRemoval = true;
    m_burstPath = path;
    if (!m_burstTimer.isActive())
        m_burstTimer.start();
}

// A burst with arrivals and removals scans as an arrival: the device page
// compares its lists both ways.
void DMainWidget::onRescanBurstEnd()
{
    const bool arrival = m_burstArrival;
    const bool removal = m_burstRemoval;
    const QString path = m_burstPath;
    m_burstArrival = m_burstRemoval = false;
    if (arrival)
        emit sigHidDeviceConnectChanging_Into(path);
    else if (removal)
        emit sigHidDeviceConnectChanging_Remove(path);
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString)
{
    requestRescan(MainHidInterFace::ScanArrival);
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString)
{
    requestRescan(MainHidInterFace::ScanRemoval);
}

// During a scan the request waits: one follow-up scan once it is done.
void DMainWidget::requestRescan(int mode)
{
    if (m_devicesReleased)
        return;
    if (m_rescanRunning.load()) {
        if (m_followUpMode != MainHidInterFace::ScanArrival)
            m_followUpMode = mode;
        return;
    }
    startRescan(mode);
}

void DMainWidget::startRescan(int mode)
{
    joinRescan();
    m_scanMode.store(mode);
    m_rescanRunning.store(true);
    ++m_rescanCount;
    m_rescanThread = std::thread(&DMainWidget::runDeviceRescan, this, mode);
}

// The rescan worker: it only scans; the scanner's result signal reaches the
// window queued.
void DMainWidget::runDeviceRescan(int mode)
{
    m_rescanPending.store(true);
    m_scanner->getHidList(mode);
}

void DMainWidget::joinRescan()
{
    if (m_rescanThread.joinable())
        m_rescanThread.join();
}

void DMainWidget::onGetHidListSuccessful()
{
    if (m_devicesReleased)
        return;
    const bool fromRescan = m_rescanRunning.load();
    if (fromRescan)
        joinRescan(); // the worker is at its very end
    const QList<hidStructInfo> list = m_scanner->getHidInfoList();
    const bool taken = m_devicePage->loadHidDeviceList(list);
    if (!taken && m_rescanPending.load()) {
        const int mode = m_scanMode.load();
        if (mode == MainHidInterFace::ScanArrival)
            m_devicePage->insertOrRemoveHidDevice(true, QString::fromLatin1(kRescanPathText));
        else if (mode == MainHidInterFace::ScanRemoval)
            m_devicePage->insertOrRemoveHidDevice(false, QString::fromLatin1(kRescanPathText));
    }
    m_rescanPending.store(false);
    if (DDataManager::instance()->isVersionChanged())
        checkFirmwareUpgrade(false);
    emit sigScanResultTaken();

    if (fromRescan) {
        m_rescanRunning.store(false);
        if (m_followUpMode && !m_devicesReleased) {
            const int mode = m_followUpMode;
            m_followUpMode = 0;
            startRescan(mode);
        }
    }
}

void DMainWidget::createFirmwareUpgrade()
{
    firmwareUpgradeControl::Hooks hooks;
    hooks.versionInfoList = [this] { return m_scanner ? m_scanner->getVersionInfoList() : QList<hidVersionInfo>(); };
    hooks.hidInfoList = [this] { return m_scanner ? m_scanner->getHidInfoList() : QList<hidStructInfo>(); };
    hooks.deviceLinkMap = [this] { return m_devicePage->getDeviceLinkMap(); };
    hooks.setHidUpgradeInfo = [this](bool pending, const QString &path, const QString &serial) {
        m_devicePage->setHidUpgradeInfo(pending, path, serial);
    };
    m_firmware = std::make_unique<firmwareUpgradeControl>(this, hooks);
}

void DMainWidget::checkFirmwareUpgrade(bool requested)
{
    m_firmware->checkFirmwareUpgrade(requested ? 1 : 0);
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    m_firmware->ontheHidIntoFirmwareUpgrade();
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    const QPointer<QObject> settings = sender();
    m_firmware->onFirmwareUpgradeCheck([settings] {
        if (settings)
            QMetaObject::invokeMethod(settings, "showNoUpgradeNotice");
    });
}

// ---- stop ---------------------------------------------------------------------------

void DMainWidget::releaseDevices()
{
    if (m_devicesReleased)
        return;
    m_devicesReleased = true;
    // A transfer stops and its bootloader closes first.
    if (m_firmware)
        m_firmware->stop();
    m_burstTimer.stop();
    m_bootloaderTimer.stop();
    delete m_deviceNotifier;
    m_deviceNotifier = nullptr;

    if (m_devicePage) {
        m_devicePage->stopDeviceLighting();
        // A device told to stream would go on showing the last frame.
        QList<MainHidInterFace *> streaming;
        const QMap<QString, DDeviceKeyboardLink *> links = m_devicePage->getDeviceLinkMap();
        for (DDeviceKeyboardLink *link : links) {
            MainHidInterFace *hid = link ? link->getHidInterface() : nullptr;
            if (!hid || !hid->isHidOpen() || !hid->isLightStreaming())
                continue;
            hid->setLightStreaming(false);
            hid->clearLightFrameQueue();
            const hidReportData off = lightSynchronizeReport(false);
            hid->writeHidData(off.data(), kHidReportSize);
            streaming.append(hid);
        }
        for (MainHidInterFace *hid : qAsConst(streaming))
            hid->waitForCommandsWritten(kStopFlushMs);
        m_devicePage->closeAllDevices();
    }
    joinRescan();
    m_rescanRunning.store(false);
    if (m_settings)
        m_settings->sync();
}

void DMainWidget::onQuitApp()
{
    if (m_stopping)
        return;
    m_stopping = true;
    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------*** Stop collect log:")
                                       + now());
    releaseDevices();
    close();
    m_hooks.exitProcess(0);
}

// Also a close that comes from the system: the devices are released, but
// no stop line is written.
void DMainWidget::closeEvent(QCloseEvent *event)
{
    releaseDevices();
    if (m_trayIcon)
        m_trayIcon->hide();
    event->accept();
}

// ---- frameless move and resize -----------------------------------------------------

void DMainWidget::updateEdgeZone(const QPoint &globalPos)
{
    const QPoint tl = mapToGlobal(rect().topLeft());
    const QPoint br = mapToGlobal(rect().bottomRight());
    m_edgeZone = mainWindowFrame::edgeZoneAt(globalPos, tl, br);
    setCursor(mainWindowFrame::cursorForZone(m_edgeZone));
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && (watched == ui->frame_Title || watched == ui->frame_Main))
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (event->button() == Qt::RightButton)
        return;
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_leftHeld = true;
    const bool normalState = !isMaximized() && !isFullScreen();
    QWindow *window = windowHandle();
    if (m_edgeZone == mainWindowFrame::None) {
        const QPoint inBg = ui->frame_Bg->mapFrom(this, event->pos());
        if (!ui->frame_Title->geometry().contains(inBg))
            return;
        // The window manager moves the window where it can (Wayland must).
        if (normalState && window && window->startSystemMove()) {
            m_leftHeld = false;
            event->accept();
            return;
        }
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
        m_dragging = true;
        return;
    }
    if (normalState && window && window->startSystemResize(mainWindowFrame::edgesForZone(m_edgeZone))) {
        m_leftHeld = false;
        m_edgeZone = mainWindowFrame::None;
        setCursor(Qt::ArrowCursor);
        return;
    }
    grabMouse();
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = false;
    m_dragging = false;
    if (m_edgeZone != mainWindowFrame::None) {
        releaseMouse();
        setCursor(Qt::ArrowCursor);
        m_edgeZone = mainWindowFrame::None;
    }
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint g = event->globalPos();
    const bool maximizedOrFull = isMaximized() || isFullScreen();
    if (!m_leftHeld) {
        updateEdgeZone(g);
    } else if (m_edgeZone == mainWindowFrame::None || maximizedOrFull) {
        if (m_dragging && !maximizedOrFull) {
            move(g - m_dragOffset);
            event->accept();
        }
    } else {
        const QPoint tl = mapToGlobal(rect().topLeft());
        const QPoint br = mapToGlobal(rect().bottomRight());
        setGeometry(mainWindowFrame::resizedRect(m_edgeZone, g, tl, br, minimumSize()));
    }
    QWidget::mouseMoveEvent(event);
}
