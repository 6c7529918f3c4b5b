#pragma once

#include "firmwareTransfer.h"
#include "hidFirmwareInfo.h"
#include "xmlRecords.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class DDeviceKeyboardLink;
class DUpdateFirmwareDia;
class HidConnection;
class QWidget;

// The firmware update of the main window: the check against the images the
// program carries, the update dialog, the pending upgrade, the bootloader
// search and the transfer. The main window owns it and forwards its firmware
// slots to it; it reaches the scanner and the device page only through the
// functions it is given.
//
// One upgrade is pending at a time, from Update until it succeeds, or until
// it is given up while its device never reached the bootloader. Each attempt
// is a search for the bootloader on the GUI thread and, when exactly one with
// the device's vendor id opens, a worker thread that writes the image; a
// failed attempt is retried (at once after a transfer error, a second later
// after a search that found none) up to four times, then the dialog shows the
// failure. Re-plugging the device while it is still a bootloader starts fresh
// attempts.
class firmwareUpgradeControl : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // The scanner's identifications and device list of the last scan.
        std::function<QList<hidVersionInfo>()> versionInfoList;
        std::function<QList<hidStructInfo>()> hidInfoList;
        // The device page.
        std::function<QMap<QString, DDeviceKeyboardLink *>()> deviceLinkMap;
        std::function<void(bool pending, const QString &hidPath, const QString &serial)> setHidUpgradeInfo;
        // The supported-device list (the mice's chip families); the data
        // manager's when empty.
        std::function<QList<hidSupportInfo>()> supportHidList;
        // Runs the dialog; QDialog::exec when empty (returns once it closed).
        std::function<void(DUpdateFirmwareDia *)> runDialog;
    };

    // The state of the pending upgrade.
    struct PendingUpgrade
    {
        hidFirmwareInfo record;
        QString imageName;
        int imageSize = 0;
        QString hidPath;
        QString serialNumber;
        int vendorId = -1;
        bool reachedBootloader = false;
    };

    firmwareUpgradeControl(QWidget *mainWindow, const Hooks &hooks, QObject *parent = nullptr);
    // Stops a transfer and closes the bootloader first.
    ~firmwareUpgradeControl() override;

    void setTimeLimits(const firmwareTimeLimits &limits);
    firmwareTimeLimits timeLimits() const { return m_limits; }
    // Replaces how the dialog runs (tests show it without a loop of its own).
    void setDialogRunner(const std::function<void(DUpdateFirmwareDia *)> &runDialog);

    // The check: every attached device whose carried image is newer; true
    // when one is offered. From the settings dialog (1) the dialog opens at
    // once and the call returns once it closed; automatically (0) it opens
    // once, a moment later.
    bool checkFirmwareUpgrade(int fromSettings);
    // Whether the image for the record's model is newer; stores its version.
    bool isFirmwareNewer(hidFirmwareInfo record);
    // The settings dialog's request: the check, or the given notice when
    // nothing is offered.
    void onFirmwareUpgradeCheck(const std::function<void()> &showNoUpgradeNotice);

    // A bootloader arrived: fresh attempts (unless a transfer is under way).
    void resetFirmwareRetry();
    // Stops a transfer and closes the bootloader (the program quits).
    void stop();

    QList<hidFirmwareInfo> upgradeableList() const { return m_upgradeableList; }
    QString newVersionText() const { return m_newVersion; }
    QString imageName() const { return m_imageName; }
    int imageSize() const { return m_imageSize; }
    int fromSettings() const { return m_fromSettings; }
    int testNum() const { return m_testNum; }
    int retryCount() const { return m_retryCount; }
    DUpdateFirmwareDia *dialog() const;
    QWidget *overlay() const { return m_overlay.data(); }
    bool isUpgradePending() const { return m_pending != nullptr; }
    const PendingUpgrade *pendingUpgrade() const { return m_pending.get(); }
    bool isTransferRunning() const { return m_worker.joinable(); }
    bool isAutoOpenScheduled() const { return m_autoOpenTimer.isActive(); }

signals:
    // One attempt ended: 0 success, a bootloader error code, or a negative
    // code for a search, an open or an image that failed.
    void sigAttemptFinished(int code);
    // The upgrade ended for good.
    void sigUpgradeSucceeded();
    void sigUpgradeFailed();

public slots:
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString hidPath, QString serialNumber, QString hidName);
    // The bootloader search, a moment after a bootloader arrived.
    void ontheHidIntoFirmwareUpgrade();

private slots:
    void onIntoFirmwareFailed();
    void onReachTimeout();
    void onTransferFinished(int attemptSerial, int code);

private:
    // Codes of attempts that never reached a transfer.
    static constexpr int kNoBootloader = -2;
    static constexpr int kSeveralBootloaders = -3;
    static constexpr int kOpenRefused = -4;
    static constexpr int kImageUnusable = -5;

    void createDialog(const QList<hidFirmwareInfo> &list);
    void runDialog();
    void searchBootloader();
    void startTransfer(std::shared_ptr<HidConnection> connection);
    // The worker's body; returns the attempt's code.
    int runFirmwareTransfer(std::shared_ptr<HidConnection> connection, QString imagePath, int imageSize,
                            DUpdateFirmwareDia *dialog, int answerMs);
    void retryFirmwareUpgrade(int delayMs);
    void giveUp();
    void joinWorker();
    void attemptFailed(int code, int retryDelayMs);
    QStringList mouseChipFamilies() const;

    QPointer<QWidget> m_mainWindow;
    Hooks m_hooks;
    firmwareTimeLimits m_limits;

    // Check and dialog.
    QList<hidFirmwareInfo> m_upgradeableList;
    QString m_newVersion;
    int m_fromSettings = 0;
    int m_testNum = 0;
    QPointer<DUpdateFirmwareDia> m_dialog;
    QPointer<QWidget> m_overlay;
    QTimer m_autoOpenTimer;

    // The upgrade.
    QString m_imageName;
    int m_imageSize = 0;
    std::unique_ptr<PendingUpgrade> m_pending;
    int m_retryCount = 0;
    bool m_attemptsActive = false;
    QTimer m_reachTimer;
    QTimer m_retryTimer;

    // The worker of the current attempt and the bootloader it writes to.
    std::thread m_worker;
    int m_attemptSerial = 0; // tells a finished attempt's report from a stale one
    std::atomic<bool> m_stop{false};
    std::mutex m_connectionMutex;
    std::shared_ptr<HidConnection> m_connection;
};
