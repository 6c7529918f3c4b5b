#pragma once

#include "DSettingsDia.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class DDevicePage;
class DHomePage;
class DLinkagePage;
class DMacroPage;
class DeviceNotifier;
class firmwareUpgradeControl;
class windowBackdrop;
class MainHidInterFace;
class QAction;
class QButtonGroup;
class QMenu;
class QSettings;
class xmlInterface;

namespace Ui {
class DMainWidget;
}

// The program's one top-level window: frameless, with its own title bar
// above a stack of four pages (home, device, macro, linkage), created once
// by the application object. Its constructor is where start-up happens: the
// data manager comes into being, the device lists are loaded, the store,
// pages, scanner and tray icon are made, the first-run settings written and
// the first device scan run. The window also follows device arrival and
// removal, moves and resizes itself, and owns the stop of the program.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    // What the window is built on, replaceable by tests. Empty members take
    // the program's own: the real pages, the system's device notifications,
    // QCoreApplication::exit and the toolkit's word on a tray.
    struct Hooks
    {
        std::function<DDevicePage *(QWidget *parent)> makeDevicePage;
        std::function<DMacroPage *(QWidget *parent)> makeMacroPage;
        std::function<DeviceNotifier *(QObject *parent)> makeDeviceNotifier;
        std::function<void(int exitCode)> exitProcess;
        std::function<bool()> isSystemTrayAvailable;
    };

    // Page ids, those of the page buttons.
    enum PageId { PageHome = 10, PageDevice = 11, PageMacro = 12, PageLinkage = 13 };

    explicit DMainWidget(QWidget *parent = nullptr);
    explicit DMainWidget(const Hooks &hooks, QWidget *parent = nullptr);
    ~DMainWidget() override;

    // The company name of the default settings file, the window's title.
    QString companyName() const { return m_windowTitle; }
    QString macroFilePath() const { return QString::fromLocal8Bit(m_macroFilePath); }
    int currentPageId() const { return m_currentPageId; }
    // Whether the system shows a notification area now.
    bool hasSystemTray() const;

    Ui::DMainWidget *form() const { return ui; }
    DDevicePage *devicePage() const { return m_devicePage; }
    DHomePage *homePage() const { return m_homePage; }
    DMacroPage *macroPage() const { return m_macroPage; }
    DLinkagePage *linkagePage() const { return m_linkagePage; }
    MainHidInterFace *scanner() const { return m_scanner.get(); }
    // The settings dialog while it is open (its upgrade check answers it).
    DSettingsDia *settingsDialog() const { return m_settingsDialog; }
    firmwareUpgradeControl *firmwareUpgrade() const { return m_firmware.get(); }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *trayMenu() const { return m_trayMenu.get(); }
    int edgeZone() const { return m_edgeZone; }
    // Rescans started after arrivals and removals since construction.
    int rescanCount() const { return m_rescanCount; }
    bool isRescanRunning() const { return m_rescanRunning.load(); }

    // The window's own theme routine (the pages have theirs).
    void applyTheme(int themeIndex);
    // Works out the edge zone and the cursor for a global cursor position.
    void updateEdgeZone(const QPoint &globalPos);

signals:
    void sigHidDeviceConnectChanging_Into(QString path);
    void sigHidDeviceConnectChanging_Remove(QString path);
    // After every scan result has been handed to the device page.
    void sigScanResultTaken();

public slots:
    void onCurIndexChanged(int id);
    void onSettingsWindowClose();
    void omUpdataAllUI();
    void onChangAppTheme(int themeIndex);
    // What a program update would do is not settled: nothing.
    void onUpdateApp();
    void onHomePageDeviceItemClick(QString hidPath);
    // The stop: stop line, devices released, window closed, exit code 0.
    void onQuitApp();
    void onHidDeviceConnectChanging_Into(QString path);
    void onHidDeviceConnectChanging_Remove(QString path);
    void onGetHidListSuccessful();
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Setting_clicked();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

    // Firmware update, carried out by the window's firmwareUpgradeControl.
    // The check compares the attached devices' versions with the images the
    // program carries; the bootloader search runs after a bootloader has
    // arrived.
    virtual void checkFirmwareUpgrade(bool requested);
    virtual void ontheHidIntoFirmwareUpgrade();
    // The settings dialog's check: the update dialog at once, or the
    // sender's showNoUpgradeNotice when nothing can be upgraded.
    void onFirmwareUpgradeCheck();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onDeviceArrived(const QString &path, int vendorId, int productId);
    void onDeviceRemoved(const QString &path, int vendorId, int productId);
    void onRescanBurstEnd();

private:
    void readDefaultSettings();
    void createStoreAndMacroFile();
    void loadDeviceLists();
    void writeFirstRunSettings();
    void initTrayMenu();
    void initTrayIcon();
    void registerDeviceNotify();
    void createPages();
    void createScanner();
    void createFirmwareUpgrade();
    // Dims the window and runs a new settings dialog over it.
    void openSettingsDialog();

    void stopMacroRecording();
    bool isSupportedDevice(int vendorId, int productId) const;
    static bool isBootloaderDevice(int vendorId, int productId);
    void queueRescan(int mode, const QString &path);
    void requestRescan(int mode);
    void startRescan(int mode);
    void runDeviceRescan(int mode);
    void joinRescan();
    // Lighting off, streaming devices told so, every link torn down, the
    // rescan joined and the settings written out. Once.
    void releaseDevices();

    Ui::DMainWidget *ui;
    Hooks m_hooks;
    windowBackdrop *m_backdrop = nullptr;

    // Start-up and pages.
    QString m_windowTitle;
    QString m_settingsPath;
    QByteArray m_macroFilePath;
    std::unique_ptr<xmlInterface> m_xml;
    std::unique_ptr<QSettings> m_settings;
    QButtonGroup *m_pageButtons = nullptr;
    DDevicePage *m_devicePage = nullptr;
    DHomePage *m_homePage = nullptr;
    DMacroPage *m_macroPage = nullptr;
    DLinkagePage *m_linkagePage = nullptr;
    int m_currentPageId = PageHome;
    QPointer<QWidget> m_settingsOverlay;
    QPointer<DSettingsDia> m_settingsDialog;

    // Tray.
    std::unique_ptr<QMenu> m_trayMenu;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QAction *m_minimizeAction = nullptr;
    QAction *m_maximizeAction = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_quitAction = nullptr;

    // Devices: the scanner, hot-plug and the rescan worker.
    std::unique_ptr<MainHidInterFace> m_scanner;
    std::unique_ptr<firmwareUpgradeControl> m_firmware;
    DeviceNotifier *m_deviceNotifier = nullptr;
    QTimer m_burstTimer;       // one rescan per burst of matching events
    QTimer m_bootloaderTimer;  // the bootloader search, once per arrival burst
    bool m_burstArrival = false;
    bool m_burstRemoval = false;
    QString m_burstPath;
    int m_followUpMode = 0;    // a burst that came during a scan; 0 none
    int m_rescanCount = 0;
    std::thread m_rescanThread;
    std::atomic<bool> m_rescanRunning{false};
    std::atomic<bool> m_rescanPending{false};
    std::atomic<int> m_scanMode{10};

    // Frameless move and resize.
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftHeld = false;
    int m_edgeZone = 8;

    // Stop.
    bool m_stopping = false;
    bool m_devicesReleased = false;
};
