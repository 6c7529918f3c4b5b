#include "MainHidInterFace.h"

#include "DDataManager.h"
#include "HidBackend.h"
#include "HidConnection.h"
#include "hidIdentification.h"
#include "hidProtocolReports.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QDebug>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

Q_LOGGING_CATEGORY(lcHidTransport, "velmora.hid")

namespace {
constexpr int kShakeHandsIntervalMs = 700;
// Read wait of an idle pass: long when a queued report can cut it short,
// else short enough that a queued report still goes out within about 1 ms.
constexpr int kInterruptibleReadWaitMs = 100;
constexpr int kPollingReadWaitMs = 1;
// Pause after a failed read (device gone) so the loop does not spin.
constexpr int kReadErrorPauseMs = 20;
// Identification.
constexpr int kIdentifyOpenAttempts = 4;
constexpr int kIdentifyAnswerWaitMs = 250;
constexpr int kIdentifyDateWaitMs = 50;
// Answers that hold ":" belong to an earlier exchange; ask again this often.
constexpr int kIdentifyRequestAttempts = 5;
constexpr int kSupportedInterfaceNumber = 2;
const char kUnidentifiedName[] = "Hid Name";
const char kOpenErrorName[] = "Open error";
const char kNoAnswerName[] = "Keyboard Name";

void registerTransportTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<hidStructInfo>("hidStructInfo");
        qRegisterMetaType<QList<hidStructInfo>>("QList<hidStructInfo>");
        qRegisterMetaType<MainHidInterFace *>("MainHidInterFace*");
    });
}
} // namespace

MainHidInterFace::MainHidInterFace(int deviceIndex, const QString &name, QObject *parent)
    : QThread(parent), m_deviceIndex(deviceIndex), m_strHidName(name),
      m_framePackets(colorFramePacketCount(kHidTypeKeyboard, name))
{
    registerTransportTypes();
    m_shakeHandsTimer = new QTimer(this);
    m_shakeHandsTimer->setInterval(kShakeHandsIntervalMs);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);
}

MainHidInterFace::~MainHidInterFace()
{
    hidClose();
    wait();
}

int MainHidInterFace::hidOpenPath(int /*vid*/, int /*pid*/, const QString &path)
{
    if (m_open.load())
        hidClose();
    qCDebug(lcHidTransport) << "________________________ MainHidInterFace hidOpenPath:" << path;
    std::unique_ptr<HidConnection> connection = HidBackend::current()->open(path);
    if (!connection) {
        qCDebug(lcHidTransport) << "Unable to open device\n";
        m_open.store(false);
        return -1;
    }
    qCDebug(lcHidTransport) << "Open device success\n";
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        m_connection = std::move(connection);
    }
    m_deviceLost.store(false);
    m_open.store(true);
    const hidReportData request = serialRequestReport();
    if (writeHidData(request.data(), kHidReportSize) == 0)
        qCDebug(lcHidTransport) << "----------------------------------------- *** Inquire [Device SN  0x15] "
                                   "Successful *** ---------- ";
    else
        qCDebug(lcHidTransport) << "---------- *** Inquire [Device SN] Failed *** ----------";
    m_ShakeHandsRunNum.store(0);
    if (QThread::currentThread() == m_shakeHandsTimer->thread())
        m_shakeHandsTimer->start();
    else
        QMetaObject::invokeMethod(m_shakeHandsTimer, "start", Qt::QueuedConnection);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::hidClose()
{
    if (!m_open.exchange(false))
        return 0;
    wakeThread();
    {
        std::lock_guard<std::mutex> lock(m_pauseMutex);
        m_pauseEnd.notify_all();
    }
    // The device is closed only once the loop has left any read or write.
    if (QThread::currentThread() != this) {
        wait();
        std::lock_guard<std::mutex> ended(m_loopMutex);
    }
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        m_connection.reset();
    }
    clearQueues();
    m_serialReceived.store(false);
    m_ShakeHandsRunNum.store(0);
    if (QThread::currentThread() == m_shakeHandsTimer->thread())
        m_shakeHandsTimer->stop();
    else
        QMetaObject::invokeMethod(m_shakeHandsTimer, "stop", Qt::QueuedConnection);
    return 0;
}

bool MainHidInterFace::isHidOpen() const { return m_open.load(); }

bool MainHidInterFace::waitForCommandsWritten(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(m_commandMutex);
            // A report taken off the queue is written before a close ends the loop.
            if (m_commandQueue.empty())
                return true;
        }
        if (!m_open.load() || !isRunning() || deadline.hasExpired())
            return false;
        QThread::usleep(200);
    }
}

int MainHidInterFace::writeHidData(const unsigned char *report, int length)
{
    if (!m_open.load() || !report)
        return -1;
    // Copy what was given; the rest of the report stays zero.
    const hidReportData copy = hidReportFromBytes(report, length);
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        m_commandQueue.push_back(copy);
    }
    wakeThread();
    return 0;
}

int MainHidInterFace::writeLightData(const unsigned char *packet, int length)
{
    if (!m_open.load())
        return -1;
    if (!packet)
        return 0;
    bool frameComplete = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightFrameSize == 0)
            m_collecting.store(canStartColorFrame(packet, length));
        if (!m_lightStreaming.load() || !m_collecting.load())
            return 0;
        const std::size_t framePackets = static_cast<std::size_t>(m_framePackets.load());
        if (m_lightFrameSize + 1 >= std::min(framePackets, m_lightFrame.size())) {
            m_collecting.store(false);
            frameComplete = true;
        }
        m_lightFrame[m_lightFrameSize++] = hidReportFromBytes(packet, length);
    }
    if (frameComplete)
        wakeThread();
    return 0;
}

void MainHidInterFace::setLightStreaming(bool on)
{
    m_lightStreaming.store(on);
    if (on)
        wakeThread();
}

bool MainHidInterFace::isLightStreaming() const { return m_lightStreaming.load(); }

void MainHidInterFace::requestClearLightFrames() { m_clearFramesRequest.store(true); }

void MainHidInterFace::clearLightFrameQueue()
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    clearLightFrame();
}

// Under m_lightMutex.
void MainHidInterFace::clearLightFrame()
{
    m_lightFrameSize = 0;
    m_lightFrameNext = 0;
}

void MainHidInterFace::setFrameMode(int deviceType)
{
    m_frameMode.store(deviceType);
    m_framePackets.store(colorFramePacketCount(deviceType, m_strHidName));
}

int MainHidInterFace::frameMode() const { return m_frameMode.load(); }
void MainHidInterFace::setPcMode(bool pcMode) { m_pcMode.store(pcMode); }
bool MainHidInterFace::isPcMode() const { return m_pcMode.load(); }

void MainHidInterFace::setSerialNumber(const QString &serial)
{
    std::lock_guard<std::mutex> lock(m_serialMutex);
    m_currentDeviceSnInfo = serial;
}

QString MainHidInterFace::getSerialNumber() const
{
    std::lock_guard<std::mutex> lock(m_serialMutex);
    return m_currentDeviceSnInfo;
}

bool MainHidInterFace::isSerialReceived() const { return m_serialReceived.load(); }

bool MainHidInterFace::isDeviceLost() const { return m_deviceLost.load(); }
int MainHidInterFace::shakeHandsRunNum() const { return m_ShakeHandsRunNum.load(); }

void MainHidInterFace::onShakeHandsRuning()
{
    const hidReportData report = shakeHandsReport(m_pcMode.load());
    if (writeHidData(report.data(), kHidReportSize) < 0) {
        qCDebug(lcHidTransport) << "---------- *** ShakeHands Failed [MainHidInterFace] *** ---------- m_strHidName:"
                                << m_strHidName << "  Stop_m_ShakeHandsRunNum:" << m_ShakeHandsRunNum.load();
        return;
    }
    ++m_ShakeHandsRunNum;
}

void MainHidInterFace::wakeThread()
{
    std::lock_guard<std::mutex> lock(m_connectionMutex);
    if (m_connection)
        m_connection->interruptRead();
}

void MainHidInterFace::clearQueues()
{
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        m_commandQueue.clear();
    }
    std::lock_guard<std::mutex> lock(m_lightMutex);
    clearLightFrame();
    m_collecting.store(false);
}

void MainHidInterFace::run()
{
    std::shared_ptr<HidConnection> connection;
    {
        std::lock_guard<std::mutex> lock(m_connectionMutex);
        connection = m_connection;
    }
    if (!connection) {
        qCDebug(lcHidTransport)
            << "----------------- MainHidInterFace::run -------->>>>>>>>> Error-------------------";
        return;
    }
    // Wait in the read for input; a queued report interrupts the wait, or,
    // where the backend cannot be interrupted, the wait stays short.
    const int idleWaitMs =
        connection->canInterruptRead() ? kInterruptibleReadWaitMs : kPollingReadWaitMs;
    hidReportData input;
    while (m_open.load()) {
        const bool moreToWrite = writePass(*connection);
        if (!m_open.load())
            break;
        input.fill(0);
        const int n = connection->read(input.data(), kHidReportSize, moreToWrite ? 0 : idleWaitMs);
        if (n > 0) {
            handleInput(input, n);
        } else if (n < 0) {
            if (!m_deviceLost.exchange(true))
                emit sigHidDeviceLost();
            std::unique_lock<std::mutex> lock(m_pauseMutex);
            m_pauseEnd.wait_for(lock, std::chrono::milliseconds(kReadErrorPauseMs),
                                [this] { return !m_open.load(); });
        }
    }
    std::lock_guard<std::mutex> ended(m_loopMutex);
}

// Writes the next queued report, commands first. Returns whether another may
// be waiting; a report queued later cuts the idle read short instead.
bool MainHidInterFace::writePass(HidConnection &connection)
{
    hidReportData report;
    bool haveCommand = false;
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        if (!m_commandQueue.empty()) {
            report = m_commandQueue.front();
            m_commandQueue.pop_front();
            haveCommand = true;
        }
    }
    if (haveCommand) {
        // A failed command write is not reported.
        connection.write(report.data(), kHidReportSize);
        return true;
    }
    bool moreInFrame = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightFrameSize == 0 || !m_lightStreaming.load() || m_collecting.load())
            return false;
        report = m_lightFrame[m_lightFrameNext++];
        // Taken together with the packet, so no new frame slips in between.
        const bool clearRequested = m_clearFramesRequest.exchange(false);
        if (clearRequested || m_lightFrameNext == m_lightFrameSize)
            clearLightFrame();
        moreInFrame = m_lightFrameSize != 0;
    }
    const int result = connection.write(report.data(), kHidReportSize);
    if (result < 0)
        emit sigHidWriteErrorInfo(QStringLiteral("hid_write lightData ERROR:[%1] %2")
                                      .arg(result)
                                      .arg(connection.errorText()));
    return moreInFrame;
}

void MainHidInterFace::handleInput(const hidReportData &report, int length)
{
    const QByteArray copy(reinterpret_cast<const char *>(report.data()), kHidReportSize);
    if (report[kHidCommandByte] == HidCmd::SerialRead) {
        m_serialReceived.store(true);
        qCDebug(lcHidTransport) << "------------------------------------ *** [hid_read  Read  0x15] *** "
                                   "------------------------------------";
        emit sigHidSnGetOver(this, copy, m_strHidName);
    }
    emit sigHidDataArrived(copy, length, m_deviceIndex);
}

// ---- scan-only role -------------------------------------------------------

bool MainHidInterFace::isScanning() const { return m_scanning.load(); }

QList<hidStructInfo> MainHidInterFace::getHidInfoList() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_hidInfoList;
}

QList<hidVersionInfo> MainHidInterFace::getVersionInfoList() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_versionInfoList;
}

QMap<QString, QString> MainHidInterFace::getFirmwareInfoMap() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_firmwareInfoMap;
}

void MainHidInterFace::setHidNameList(const QStringList &names)
{
    std::lock_guard<std::mutex> lock(m_configMutex);
    m_hidNameList = names;
}

void MainHidInterFace::setSupportHidList(const QList<hidSupportInfo> &list)
{
    std::lock_guard<std::mutex> lock(m_configMutex);
    m_supportHidList = list;
    m_supportListSet = true;
}

QString MainHidInterFace::getHidDeviceInfo(const QString &path)
{
    std::lock_guard<std::mutex> lock(m_scanMutex);
    return identifyPath(path, path);
}

void MainHidInterFace::getHidList(int type)
{
    m_scanning.store(true);
    {
        std::lock_guard<std::mutex> scanLock(m_scanMutex);
        QList<hidSupportInfo> supportList;
        QStringList supportedNames;
        {
            std::lock_guard<std::mutex> lock(m_configMutex);
            supportList = m_supportListSet ? m_supportHidList : DDataManager::instance()->getSupportHidList();
            supportedNames = m_hidNameList;
        }
        // The list's hexadecimal ids, read once per scan.
        struct SupportedIds
        {
            int vid;
            int pid;
            const hidSupportInfo *item;
        };
        QList<SupportedIds> supported;
        for (const hidSupportInfo &item : supportList) {
            bool vidOk = false;
            bool pidOk = false;
            const int vid = (QStringLiteral("0x") + fixedText(item.Vid)).toInt(&vidOk, 16);
            const int pid = (QStringLiteral("0x") + fixedText(item.Pid)).toInt(&pidOk, 16);
            if (vidOk && pidOk)
                supported.append({vid, pid, &item});
        }
        if (type == ScanStart) {
            m_hidInfoMap.clear();
            m_identityMap.clear();
            m_versionInfoMap.clear();
        }

        QStringList currentPaths;
        // Node of each listed path in this enumeration: identification opens
        // it directly instead of looking the path up again.
        QHash<QString, QString> nodePaths;
        for (const HidDeviceEntry &entry : HidBackend::current()->enumerate()) {
            if (entry.interfaceNumber != kSupportedInterfaceNumber)
                continue;
            for (const SupportedIds &ids : supported) {
                if (entry.vendorId != ids.vid || entry.productId != ids.pid)
                    continue;
                const hidSupportInfo &item = *ids.item;
                qCDebug(lcHidTransport) << "---------- Supported HID vid:" << Qt::hex << ids.vid << "pid:" << ids.pid
                                        << Qt::dec << "nucName:" << fixedText(item.nucName);
                const QByteArray pathBytes = entry.path.toUtf8();
                if (pathBytes.size() >= static_cast<int>(sizeof(hidStructInfo::hidPath))) {
                    // A cut path could not be opened again.
                    qCWarning(lcHidTransport) << "HID path too long, skipped:" << entry.path;
                    break;
                }
                if (currentPaths.contains(entry.path))
                    break;
                currentPaths.append(entry.path);
                nodePaths.insert(entry.path, entry.nodePath);
                if (type == ScanStart || !m_previousPaths.contains(entry.path)) {
                    hidStructInfo info;
                    std::memset(&info, 0, sizeof info);
                    info.vid = entry.vendorId;
                    info.pid = entry.productId;
                    fixedTextCopy(info.hidPath, pathBytes);
                    fixedTextCopy(info.manufacturer, entry.manufacturer);
                    fixedTextCopy(info.product, entry.product);
                    fixedTextCopy(info.hidName, kUnidentifiedName);
                    info.hidType = item.type;
                    m_hidInfoMap.insert(entry.path, info);
                }
                break;
            }
        }

        if (type == ScanStart) {
            for (const QString &path : currentPaths)
                completeOrDrop(path, nodePaths.value(path), supportedNames);
        } else {
            // Every path that came or went since the last scan, not only the first.
            for (const QString &path : currentPaths) {
                if (!m_previousPaths.contains(path))
                    completeOrDrop(path, nodePaths.value(path), supportedNames);
            }
            for (const QString &path : m_previousPaths) {
                if (!currentPaths.contains(path)) {
                    m_hidInfoMap.remove(path);
                    m_identityMap.remove(path);
                    m_versionInfoMap.remove(path);
                }
            }
        }
        m_previousPaths = currentPaths;
        publishScanResult();
    }
    emit sigGetHidListSuccessful();
    m_scanning.store(false);
    qCDebug(lcHidTransport) << "------------------- ****** [ Main_thread Get hid list over ] ****** "
                               "-------------------";
}

void MainHidInterFace::completeOrDrop(const QString &path, const QString &openPath,
                                      const QStringList &supportedNames)
{
    ++m_identifyCounter;
    const QString name = identifyPath(path, openPath);
    auto it = m_hidInfoMap.find(path);
    if (it == m_hidInfoMap.end())
        return;
    if (!name.isEmpty() && supportedNames.contains(name)) {
        fixedTextCopy(it->hidName, name);
        fixedTextCopy(it->infoText, identificationInfoText(m_identityMap.value(path).first));
    } else {
        m_hidInfoMap.erase(it);
    }
}

void MainHidInterFace::publishScanResult()
{
    QMap<QString, QString> firmwareInfo;
    for (auto it = m_identityMap.cbegin(); it != m_identityMap.cend(); ++it)
        firmwareInfo.insert(it.value().first, it.value().second);
    std::lock_guard<std::mutex> lock(m_resultMutex);
    m_hidInfoList = m_hidInfoMap.values();
    m_versionInfoList = m_versionInfoMap.values();
    m_firmwareInfoMap = firmwareInfo;
}

// Identifies the interface at path, opened by openPath (the path itself or its node).
QString MainHidInterFace::identifyPath(const QString &path, const QString &openPath)
{
    std::shared_ptr<HidBackend> backend = HidBackend::current();
    std::unique_ptr<HidConnection> connection;
    for (int attempt = 0; attempt < kIdentifyOpenAttempts && !connection; ++attempt)
        connection = backend->open(openPath);
    if (!connection) {
        qCDebug(lcHidTransport) << "\nUnable to open Hid\n";
        DDataManager::instance()->writeLog(QStringLiteral("Get hid device info start: [Open_path - Unable to open Hid]"));
        return QString::fromLatin1(kOpenErrorName);
    }

    const hidReportData request = identificationRequestReport();
    for (int attempt = 0; attempt < kIdentifyRequestAttempts; ++attempt) {
        connection->write(request.data(), kHidReportSize);
        hidReportData answer{};
        const int n = connection->read(answer.data(), kHidReportSize, kIdentifyAnswerWaitMs);
        if (n <= 0 || answer[kHidCommandByte] != HidCmd::Identification)
            break;
        const QString answerText = identificationAnswerText(answer);
        const QString workingText = identificationWorkingText(m_identifyCounter, answerText);
        if (workingText.contains(QLatin1Char(':'))) {
            // The date half of an earlier exchange: ask again, a bounded number of times.
            DDataManager::instance()->writeLog(
                QStringLiteral("Get hid device info start: [ReadFile 0x0d - Read_InfoError goto Loop]"));
            continue;
        }
        const QString name = identificationModelName(workingText);
        m_versionInfoMap.insert(path, makeVersionInfo(answerText, path));

        hidReportData dateAnswer{};
        const int dateBytes = connection->read(dateAnswer.data(), kHidReportSize, kIdentifyDateWaitMs);
        const QString dateText = (dateBytes > 0 && dateAnswer[kHidCommandByte] == HidCmd::Identification)
            ? identificationAnswerText(dateAnswer)
            : QString();
        const QString key = identificationKey(workingText);
        const QString version = identificationVersionText(answerText, dateText);
        m_identityMap.insert(path, qMakePair(key, version));
        qCDebug(lcHidTransport) << "------------------------------- Key:" << key << "  Value:" << version;
        return name;
    }
    return QString::fromLatin1(kNoAnswerName);
}
