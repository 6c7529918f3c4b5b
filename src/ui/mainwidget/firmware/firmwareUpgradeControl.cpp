#include "firmwareUpgradeControl.h"

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DUpdateFirmwareDia.h"
#include "HidBackend.h"
#include "HidConnection.h"
#include "MainHidInterFace.h"
#include "UpdateFirmwareInfoItem.h"
#include "bootloaderProtocol.h"
#include "firmwareImage.h"

#include <QDebug>
#include <QFile>
#include <QMetaObject>
#include <QWidget>

#include <cstring>

namespace {

// Attempts after the first one that a bootloader arrival allows.
constexpr int kMaxRetries = 4;

const char kOverlayStyle[] = "#widget {background-color:rgba(10, 10, 10, 100);}";

void firmwareLog(const QString &text)
{
    qDebug().noquote() << text;
    DDataManager::instance()->writeLog(text);
}

} // namespace

firmwareUpgradeControl::firmwareUpgradeControl(QWidget *mainWindow, const Hooks &hooks, QObject *parent)
    : QObject(parent), m_mainWindow(mainWindow), m_hooks(hooks)
{
    m_autoOpenTimer.setSingleShot(true);
    m_reachTimer.setSingleShot(true);
    m_retryTimer.setSingleShot(true);
    connect(&m_autoOpenTimer, &QTimer::timeout, this, &firmwareUpgradeControl::onUpdateFirmwareWindowOpen);
    connect(&m_reachTimer, &QTimer::timeout, this, &firmwareUpgradeControl::onReachTimeout);
    connect(&m_retryTimer, &QTimer::timeout, this, &firmwareUpgradeControl::searchBootloader);
}

firmwareUpgradeControl::~firmwareUpgradeControl() { stop(); }

void firmwareUpgradeControl::setTimeLimits(const firmwareTimeLimits &limits) { m_limits = limits; }

void firmwareUpgradeControl::setDialogRunner(const std::function<void(DUpdateFirmwareDia *)> &runDialog)
{
    m_hooks.runDialog = runDialog;
}

DUpdateFirmwareDia *firmwareUpgradeControl::dialog() const { return m_dialog.data(); }

QStringList firmwareUpgradeControl::mouseChipFamilies() const
{
    return firmwareMouseChipFamilies(m_hooks.supportHidList ? m_hooks.supportHidList()
                                                            : DDataManager::instance()->getSupportHidList());
}

// ---- Check ----

bool firmwareUpgradeControl::checkFirmwareUpgrade(int fromSettings)
{
    m_upgradeableList.clear();
    const QList<hidVersionInfo> versions = m_hooks.versionInfoList ? m_hooks.versionInfoList() : QList<hidVersionInfo>();
    const QList<hidStructInfo> devices = m_hooks.hidInfoList ? m_hooks.hidInfoList() : QList<hidStructInfo>();
    for (hidFirmwareInfo record : firmwareCheckCandidates(versions, devices)) {
        m_newVersion.clear();
        if (isFirmwareNewer(record)) {
            fixedTextCopy(record.newVersion, m_newVersion.toLatin1());
            m_upgradeableList.append(record);
        }
    }
    if (m_upgradeableList.isEmpty())
        return false;
    m_fromSettings = fromSettings;
    if (fromSettings != 0)
        onUpdateFirmwareWindowOpen();
    // A scan while the dialog is open must not bring it back once closed.
    else if (!m_autoOpenTimer.isActive() && !m_dialog)
        m_autoOpenTimer.start(m_limits.autoOpenMs);
    return true;
}

bool firmwareUpgradeControl::isFirmwareNewer(hidFirmwareInfo record)
{
    const QString model = fixedText(record.modelName);
    const QString path = firmwareImagePath(model);
    if (model.isEmpty() || !QFile::exists(path))
        return false;
    const firmwareChipInfo chip = firmwareChipForFamily(fixedText(record.chipFamily), mouseChipFamilies());
    if (!chip.isValid())
        return false;
    const firmwareImageLoad load = loadFirmwareImage(path, chip.imageSize);
    if (load.status == firmwareImageLoad::OpenFailed) {
        qDebug().noquote() << "Open hex file error";
        return false;
    }
    if (!load.ok()) {
        // A broken image is never offered.
        firmwareLog(QStringLiteral("Firmware image %1 not offered: %2").arg(path, load.describe()));
        return false;
    }
    const QStringList fields = firmwareIdentificationFields(firmwareIdentificationText(load.image, chip));
    if (!isFirmwareImageNewer(record, fields))
        return false;
    m_newVersion = fields.at(kFirmwareVersionField);
    return true;
}

void firmwareUpgradeControl::onFirmwareUpgradeCheck(const std::function<void()> &showNoUpgradeNotice)
{
    qDebug().noquote() << "----------------------------- *** Firmware Upgrade Check *** -----------------------------";
    if (!checkFirmwareUpgrade(1) && showNoUpgradeNotice)
        showNoUpgradeNotice();
}

// ---- Dialog ----

void firmwareUpgradeControl::onUpdateFirmwareWindowOpen()
{
    if (m_dialog || !m_mainWindow)
        return;
    createDialog(m_upgradeableList);
    runDialog();
}

void firmwareUpgradeControl::createDialog(const QList<hidFirmwareInfo> &list)
{
    QWidget *window = m_mainWindow.data();
    ++m_testNum;
    qDebug().noquote() << "---------------------------------------(Upgrade Firmware)m_testNum:" << m_testNum;
    if (!m_overlay) {
        m_overlay = new QWidget(window);
        m_overlay->setWindowFlags(Qt::FramelessWindowHint);
        m_overlay->setObjectName(QStringLiteral("widget"));
        m_overlay->setAttribute(Qt::WA_StyledBackground);
        m_overlay->setStyleSheet(QString::fromLatin1(kOverlayStyle));
    }
    m_overlay->setGeometry(0, 0, window->width(), window->height());
    // The settings dialog brings its own overlay.
    if (m_fromSettings == 0) {
        m_overlay->show();
        m_overlay->raise();
    }
    m_dialog = new DUpdateFirmwareDia(window);
    m_dialog->setDevices(list, m_hooks.deviceLinkMap ? m_hooks.deviceLinkMap()
                                                     : QMap<QString, DDeviceKeyboardLink *>());
    connect(m_dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this,
            &firmwareUpgradeControl::onUpdateFirmwareWindowClose);
    connect(m_dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &firmwareUpgradeControl::onStartHidUpgrade);
    connect(m_dialog, &DUpdateFirmwareDia::sigIntoFirmwareFailed, this, &firmwareUpgradeControl::onIntoFirmwareFailed);
    m_dialog->move(window->x() + (window->width() - m_dialog->width()) / 2,
                   window->y() + (window->height() - m_dialog->height()) / 2);
    m_dialog->setWindowModality(Qt::WindowModal);
}

void firmwareUpgradeControl::runDialog()
{
    QPointer<DUpdateFirmwareDia> dialog = m_dialog;
    if (!dialog)
        return;
    if (m_hooks.runDialog)
        m_hooks.runDialog(dialog);
    else
        dialog->exec();
}

void firmwareUpgradeControl::onUpdateFirmwareWindowClose()
{
    if (m_overlay)
        m_overlay->hide();
    if (m_dialog)
        m_dialog->deleteLater();
    m_dialog = nullptr;
}

// ---- Upgrade ----

void firmwareUpgradeControl::onStartHidUpgrade(QString hidPath, QString serialNumber, QString hidName)
{
    qDebug().noquote() << "----------------------------------------- strHidPath:" << hidPath << "  strSN:" << serialNumber
                       << "  strHidName:" << hidName;
    auto pending = std::make_unique<PendingUpgrade>();
    bool found = false;
    for (const hidFirmwareInfo &record : qAsConst(m_upgradeableList)) {
        if (fixedText(record.hidPath) == hidPath) {
            pending->record = record;
            found = true;
            break;
        }
    }
    if (!found && m_dialog) {
        for (UpdateFirmwareInfoItem *row : m_dialog->rows()) {
            if (row->getHidPath() == hidPath) {
                pending->record = row->getInfo();
                found = true;
            }
        }
    }
    if (!found)
        std::memset(&pending->record, 0, sizeof pending->record);
    m_imageName = firmwareImageName(hidName);
    m_imageSize = firmwareChipForFamily(fixedText(pending->record.chipFamily), mouseChipFamilies()).imageSize;
    pending->imageName = m_imageName;
    pending->imageSize = m_imageSize;
    pending->hidPath = hidPath;
    pending->serialNumber = serialNumber;
    if (m_hooks.hidInfoList) {
        for (const hidStructInfo &device : m_hooks.hidInfoList()) {
            if (fixedText(device.hidPath) == hidPath)
                pending->vendorId = device.vid;
        }
    }
    m_pending = std::move(pending);
    m_retryTimer.stop();
    m_retryCount = 0;
    m_attemptsActive = true;
    if (m_hooks.setHidUpgradeInfo)
        m_hooks.setHidUpgradeInfo(true, hidPath, serialNumber);
    DDataManager::instance()->writeLog(QStringLiteral("Firmware upgrade started: ") + hidName);
    m_reachTimer.start(m_limits.reachBootloaderMs);
}

void firmwareUpgradeControl::onIntoFirmwareFailed()
{
    firmwareLog(QStringLiteral("Firmware upgrade failed: the device could not be told to restart"));
    m_reachTimer.stop();
    m_retryTimer.stop();
    m_attemptsActive = false;
    if (m_pending && m_hooks.setHidUpgradeInfo)
        m_hooks.setHidUpgradeInfo(false, m_pending->hidPath, m_pending->serialNumber);
    m_pending.reset();
    if (m_dialog)
        m_dialog->notifyUpgradeFailed();
    emit sigUpgradeFailed();
}

void firmwareUpgradeControl::onReachTimeout()
{
    if (!m_pending || isTransferRunning())
        return;
    firmwareLog(QStringLiteral("Firmware upgrade failed: no bootloader opened in %1 ms").arg(m_limits.reachBootloaderMs));
    giveUp();
}

void firmwareUpgradeControl::giveUp()
{
    m_retryTimer.stop();
    m_reachTimer.stop();
    m_attemptsActive = false;
    // A device that never reached its bootloader is not waited for any more;
    // one that did is flashed again when it comes back.
    if (m_pending && !m_pending->reachedBootloader) {
        if (m_hooks.setHidUpgradeInfo)
            m_hooks.setHidUpgradeInfo(false, m_pending->hidPath, m_pending->serialNumber);
        m_pending.reset();
    }
    if (m_dialog)
        m_dialog->notifyUpgradeFailed();
    DDataManager::instance()->writeLog(QStringLiteral("Firmware upgrade failed"));
    emit sigUpgradeFailed();
}

void firmwareUpgradeControl::resetFirmwareRetry()
{
    if (!isTransferRunning())
        m_retryCount = 0;
}

void firmwareUpgradeControl::ontheHidIntoFirmwareUpgrade()
{
    if (!m_pending) {
        qDebug().noquote() << "A bootloader arrived with no upgrade pending: left alone";
        return;
    }
    if (isTransferRunning()) {
        qDebug().noquote() << "A bootloader arrived during a transfer: left alone";
        return;
    }
    m_retryTimer.stop();
    // The device the dialog's transport served has left for its bootloader.
    if (m_dialog) {
        MainHidInterFace *transport = m_dialog->getUpgradingHidInterface();
        if (transport && transport->isHidOpen())
            transport->hidClose();
    }
    // Attempts given up before: the device was plugged in again.
    const bool resume = !m_attemptsActive;
    m_attemptsActive = true;
    if (resume)
        m_retryCount = 0;
    bool open = false;
    if (resume) {
        if (!m_dialog && m_mainWindow) {
            QList<hidFirmwareInfo> list = m_upgradeableList;
            bool listed = false;
            for (const hidFirmwareInfo &record : qAsConst(list))
                listed = listed || fixedText(record.hidPath) == m_pending->hidPath;
            if (!listed)
                list.append(m_pending->record);
            m_fromSettings = 0;
            createDialog(list);
            open = true;
        }
        if (m_dialog)
            m_dialog->resumeUpgrade(m_pending->record);
    }
    searchBootloader();
    if (open)
        runDialog();
}

void firmwareUpgradeControl::searchBootloader()
{
    qDebug().noquote() << "-------------------------- ******** [ Hid into update firmware ] ******** "
                          "--------------------------";
    if (!m_pending || isTransferRunning())
        return;
    std::shared_ptr<HidBackend> backend = HidBackend::current();
    const QList<HidDeviceEntry> found = findBootloaders(*backend, m_pending->vendorId);
    if (found.isEmpty()) {
        qDebug().noquote() << "Not find the upgrade device !";
        attemptFailed(kNoBootloader, m_limits.searchRetryMs);
        return;
    }
    m_pending->reachedBootloader = true;
    if (found.size() > 1) {
        // Which one is the device is unknown: none is written.
        firmwareLog(QStringLiteral("%1 upgrade devices found: none is written").arg(found.size()));
        attemptFailed(kSeveralBootloaders, m_limits.searchRetryMs);
        return;
    }
    const QString path = found.first().path;
    qDebug().noquote() << "-------------------------- ******** path:" << path;
    std::shared_ptr<HidConnection> connection(backend->open(path));
    if (!connection) {
        qDebug().noquote() << "------------- 查找到相应的vid设备信息 打开设备失败  LastError:" << backend->errorText();
        firmwareLog(QStringLiteral("Open device failed ! %1 (without the udev rule udev/70-velmora.rules, "
                                   "the upgrade device cannot be opened)")
                        .arg(backend->errorText()));
        attemptFailed(kOpenRefused, m_limits.searchRetryMs);
        return;
    }
    qDebug().noquote() << "------------- 查找到相应的vid设备信息 打开设备成功 --------------- \n";
    m_reachTimer.stop();
    startTransfer(std::move(connection));
}

void firmwareUpgradeControl::startTransfer(std::shared_ptr<HidConnection> connection)
{
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        m_connection = connection;
    }
    m_stop.store(false);
    ++m_attemptSerial;
    const int serial = m_attemptSerial;
    const QString imagePath = firmwareImageFolder() + m_pending->imageName;
    const int imageSize = m_pending->imageSize;
    DUpdateFirmwareDia *dialog = m_dialog.data();
    const int answerMs = m_limits.answerMs;
    m_worker = std::thread([this, serial, connection, imagePath, imageSize, dialog, answerMs]() mutable {
        const int code = runFirmwareTransfer(std::move(connection), imagePath, imageSize, dialog, answerMs);
        QMetaObject::invokeMethod(this, [this, serial, code] { onTransferFinished(serial, code); },
                                  Qt::QueuedConnection);
    });
}

// The worker. It reaches the dialog only through its three operations; the
// dialog cannot close while an upgrade runs, and the program's stop joins
// the worker before the dialog goes.
int firmwareUpgradeControl::runFirmwareTransfer(std::shared_ptr<HidConnection> connection, QString imagePath,
                                                int imageSize, DUpdateFirmwareDia *dialog, int answerMs)
{
    int code = kImageUnusable;
    // Read again at every attempt; a broken image sends nothing.
    const firmwareImageLoad load = loadFirmwareImage(imagePath, imageSize);
    if (!load.ok()) {
        qDebug().noquote() << "Open file error !" << imagePath << load.describe();
    } else {
        code = runBootloaderTransfer(*connection, load.image, answerMs, m_stop, [dialog](int total, int done) {
            if (dialog)
                dialog->setUpgradeProgress(total, done);
        });
    }
    // The bootloader is closed before anything is reported.
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        if (m_connection == connection)
            m_connection.reset();
    }
    connection.reset();
    if (code == BootloaderError::None) {
        qDebug().noquote() << "------------- *** WriteFile Stop succerssful *** --------------- ";
        if (dialog)
            dialog->notifyUpgradeSucceeded();
    } else if (code > 0) {
        qDebug().noquote() << bootloaderErrorLine(code);
    }
    return code;
}

void firmwareUpgradeControl::onTransferFinished(int attemptSerial, int code)
{
    if (attemptSerial != m_attemptSerial)
        return;
    joinWorker();
    emit sigAttemptFinished(code);
    if (code == kFirmwareTransferStopped)
        return;
    if (code == BootloaderError::None) {
        m_pending.reset();
        m_attemptsActive = false;
        m_retryCount = 0;
        DDataManager::instance()->writeLog(QStringLiteral("Firmware upgrade successful"));
        emit sigUpgradeSucceeded();
        return;
    }
    retryFirmwareUpgrade(0);
}

void firmwareUpgradeControl::attemptFailed(int code, int retryDelayMs)
{
    emit sigAttemptFinished(code);
    retryFirmwareUpgrade(retryDelayMs);
}

void firmwareUpgradeControl::retryFirmwareUpgrade(int delayMs)
{
    if (m_retryCount < kMaxRetries) {
        ++m_retryCount;
        m_retryTimer.start(delayMs);
    } else {
        giveUp();
    }
}

void firmwareUpgradeControl::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void firmwareUpgradeControl::stop()
{
    m_autoOpenTimer.stop();
    m_reachTimer.stop();
    m_retryTimer.stop();
    m_stop.store(true);
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        if (m_connection && m_connection->canInterruptRead())
            m_connection->interruptRead();
    }
    joinWorker();
    std::lock_guard<std::mutex> lock(m_connectionMutex);
    m_connection.reset();
}
