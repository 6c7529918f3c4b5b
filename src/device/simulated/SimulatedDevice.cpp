#include "SimulatedDevice.h"

#include "SimulatedConnection.h"
#include "bootloaderProtocol.h"
#include "firmwareImage.h"
#include "hidProtocolReports.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {
using Clock = std::chrono::steady_clock;

std::atomic<int> g_nextNodeNumber{0};

const char kWrongLengthSerial[] = "1234567890";
constexpr unsigned char kSerialAnswerLength = 0x20;
} // namespace

SimulatedDevice::SimulatedDevice(const SimulatedDeviceConfig &config, int port)
    : m_port(port), m_config(config), m_nodeNumber(g_nextNodeNumber.fetch_add(2))
{
}

SimulatedDevice::~SimulatedDevice()
{
    {
        std::lock_guard<std::mutex> lock(m_scheduleMutex);
        m_scheduleStop = true;
        m_scheduled.clear();
    }
    m_scheduleCond.notify_all();
    if (m_scheduleThread.joinable()) {
        // The last owner may be a scheduled action of this very device.
        if (m_scheduleThread.get_id() == std::this_thread::get_id())
            m_scheduleThread.detach();
        else
            m_scheduleThread.join();
    }
}

SimulatedDeviceConfig SimulatedDevice::config() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_mode == Mode::Normal)
        return m_config;
    SimulatedDeviceConfig c = m_config;
    c.vendorId = m_config.bootloader.vendorId;
    c.productId = m_config.bootloader.productId;
    c.product = m_config.modelName + QStringLiteral(" Bootloader");
    return c;
}

QList<int> SimulatedDevice::interfaceNumbers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_mode == Mode::Bootloader)
        return {kBootloaderInterfaceNumber};
    return {kOtherInterfaceNumber, kInterfaceNumber};
}

bool SimulatedDevice::isBootloader() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mode == Mode::Bootloader;
}

void SimulatedDevice::setBootloaderConfig(const SimBootloaderConfig &config)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_config.bootloader = config;
}

void SimulatedDevice::setBootloaderFault(const SimBootloaderFault &fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fault = fault;
    m_faultsLeft = fault.attempts;
}

void SimulatedDevice::enterBootloader() { leaveForBootloader(0); }

QByteArray SimulatedDevice::flashedImage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_flash;
}

int SimulatedDevice::bootloaderAttempts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_attempts;
}

int SimulatedDevice::completedFlashes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_flashes;
}

QString SimulatedDevice::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_config.identificationFields.value(kFirmwareVersionField);
}

QByteArray SimulatedDevice::serialNumber() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return serialAnswerLocked();
}

// The device restarts: it leaves, and its port shows the bootloader.
void SimulatedDevice::leaveForBootloader(int arrivalDelayMs)
{
    unplug();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_mode == Mode::Normal) {
            m_mode = Mode::Bootloader;
            m_flash = QByteArray(m_config.bootloader.imageSize, '\xFF');
            m_nextBlock = -1;
        }
    }
    if (arrivalDelayMs > 0)
        schedule(arrivalDelayMs, [this] { plug(); });
    else
        plug();
}

// A whole image is in: the bootloader leaves and the device comes back at
// the image's version.
void SimulatedDevice::returnFromBootloader()
{
    unplug();
    int delay = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const SimBootloaderConfig &b = m_config.bootloader;
        firmwareChipInfo chip;
        chip.imageSize = b.imageSize;
        chip.idTextAddress = b.idTextAddress;
        chip.idBlockAddress = b.idTextAddress - kFirmwareIdTextOffset;
        const QString version =
            firmwareIdentificationFields(firmwareIdentificationText(m_flash, chip)).value(kFirmwareVersionField);
        while (m_config.identificationFields.size() <= kFirmwareVersionField)
            m_config.identificationFields.append(QString());
        m_config.identificationFields[kFirmwareVersionField] = version;
        if (b.returnWithoutSerial)
            m_config.serialMode = SimSerialMode::Missing;
        m_mode = Mode::Normal;
        delay = b.returnDelayMs;
    }
    schedule(delay, [this] { plug(); });
}

void SimulatedDevice::schedule(int delayMs, std::function<void()> action)
{
    std::lock_guard<std::mutex> lock(m_scheduleMutex);
    if (m_scheduleStop)
        return;
    const Scheduled item{Clock::now() + std::chrono::milliseconds(std::max(delayMs, 0)), std::move(action)};
    auto at = std::upper_bound(m_scheduled.begin(), m_scheduled.end(), item,
                               [](const Scheduled &a, const Scheduled &b) { return a.due < b.due; });
    m_scheduled.insert(at, item);
    if (!m_scheduleThread.joinable())
        m_scheduleThread = std::thread([this] { runScheduled(); });
    m_scheduleCond.notify_all();
}

void SimulatedDevice::runScheduled()
{
    std::unique_lock<std::mutex> lock(m_scheduleMutex);
    while (!m_scheduleStop) {
        if (m_scheduled.empty()) {
            m_scheduleCond.wait(lock);
            continue;
        }
        if (m_scheduled.front().due > Clock::now()) {
            m_scheduleCond.wait_until(lock, m_scheduled.front().due);
            continue;
        }
        std::function<void()> action = std::move(m_scheduled.front().action);
        m_scheduled.pop_front();
        lock.unlock();
        action();
        lock.lock();
    }
}

bool SimulatedDevice::bootloaderWriteLocked(const hidReportData &report)
{
    if (report[kHidCommandByte] != HidCmd::BootloaderData)
        return true;
    const SimBootloaderConfig &b = m_config.bootloader;
    const int index = bootloaderReportIndex(report);
    if (index == kBootloaderEndIndex) {
        if (m_nextBlock == bootloaderBlockCount(b.imageSize)) {
            m_nextBlock = -1;
            ++m_flashes;
            schedule(0, [this] { returnFromBootloader(); });
        }
        return true;
    }
    if (index == 0) {
        ++m_attempts;
        m_nextBlock = 0;
        m_flash.fill('\xFF');
    }
    SimBootloaderFault::Kind fault = SimBootloaderFault::None;
    if (m_fault.kind != SimBootloaderFault::None && index == m_fault.block && m_faultsLeft != 0) {
        fault = m_fault.kind;
        if (m_faultsLeft > 0)
            --m_faultsLeft;
    }
    switch (fault) {
    case SimBootloaderFault::FailWrite:
        return false;
    case SimBootloaderFault::Unplug:
        m_nextBlock = -1;
        schedule(0, [this] { unplug(); });
        return true;
    case SimBootloaderFault::Silence:
        return true;
    case SimBootloaderFault::AnswerOne:
    case SimBootloaderFault::AnswerTwo:
        m_nextBlock = -1;
        deliverLocked(bootloaderAnswerReport(fault == SimBootloaderFault::AnswerOne ? 1 : 2), 0);
        return true;
    default:
        break;
    }
    // Each block in turn, with its length, its data inverted.
    const int n = bootloaderBlockLength(b.imageSize, index);
    const bool inOrder = m_nextBlock >= 0 && index == m_nextBlock && n > 0;
    if (!inOrder || report[kHidLengthByte] != n + kBootloaderFillerBytes) {
        m_nextBlock = -1;
        deliverLocked(bootloaderAnswerReport(1), 0);
        return true;
    }
    for (int i = 0; i < n; ++i)
        m_flash[index * kBootloaderBlockBytes + i] = static_cast<char>(~report[kHidPayloadOffset + i]);
    ++m_nextBlock;
    deliverLocked(bootloaderAnswerReport(0), fault == SimBootloaderFault::HoldAnswer ? m_fault.holdMs : 0);
    return true;
}

QString SimulatedDevice::modelName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_config.modelName;
}

QString SimulatedDevice::path(int interfaceNumber) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QStringLiteral("%1/1-%2/1-%2:1.%3").arg(m_config.busPath).arg(m_port).arg(interfaceNumber);
}

QString SimulatedDevice::nodePath(int interfaceNumber) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QStringLiteral("/dev/simhidraw%1").arg(m_nodeNumber + (interfaceNumber == kInterfaceNumber ? 1 : 0));
}

void SimulatedDevice::setSerialMode(SimSerialMode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_config.serialMode = mode;
}

void SimulatedDevice::setKeyBlocking(int value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_config.keyBlocking = value;
}

void SimulatedDevice::setAnswerHandshake(bool answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerHandshake = answer;
}

void SimulatedDevice::setAckPolicy(unsigned char command, const SimAckPolicy &policy)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ackPolicies.insert(command, policy);
    m_ackSeen.remove(command);
}

void SimulatedDevice::setAnswerPolicy(unsigned char command, const SimAckPolicy &policy)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerPolicies.insert(command, policy);
    m_answerSeen.remove(command);
}

void SimulatedDevice::setIdentificationText(const QByteArray &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_identificationOverride = text;
}

void SimulatedDevice::setAnswerIdentification(bool answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerIdentification = answer;
}

void SimulatedDevice::setAnswerDate(bool answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerDate = answer;
}

void SimulatedDevice::setStaleDateAnswers(int n)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_staleDateAnswers = n;
}

void SimulatedDevice::setLightList(unsigned char command, const QByteArray &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (command == HidCmd::KeyLightList)
        m_config.keyLightList = bytes;
    else if (command == HidCmd::SideLightList)
        m_config.sideLightList = bytes;
    else if (command == HidCmd::MouseLightList)
        m_config.mouseLightLists = bytes;
}

void SimulatedDevice::setFailOpen(int n)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failOpen = n;
}

void SimulatedDevice::setFailWrites(bool fail)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failWrites = fail;
}

void SimulatedDevice::unplug()
{
    PlugObserver observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const bool wasPlugged = m_plugged;
        m_plugged = false;
        for (const auto &state : m_connections)
            state->alive = false;
        m_connections.clear();
        m_cond.notify_all();
        if (wasPlugged)
            observer = m_plugObserver;
    }
    if (observer)
        observer(false);
}

void SimulatedDevice::plug()
{
    PlugObserver observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_plugged)
            return;
        m_plugged = true;
        m_nodeNumber = g_nextNodeNumber.fetch_add(2);
        observer = m_plugObserver;
    }
    if (observer)
        observer(true);
}

void SimulatedDevice::setPlugObserver(PlugObserver observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_plugObserver = std::move(observer);
}

bool SimulatedDevice::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

QList<SimulatedOutput> SimulatedDevice::outputs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_outputs;
}

QList<hidReportData> SimulatedDevice::outputReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<hidReportData> reports;
    for (const SimulatedOutput &o : m_outputs)
        reports.append(o.report);
    return reports;
}

QList<hidReportData> SimulatedDevice::outputReports(unsigned char command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<hidReportData> reports;
    for (const SimulatedOutput &o : m_outputs) {
        if (o.report[kHidCommandByte] == command)
            reports.append(o.report);
    }
    return reports;
}

int SimulatedDevice::outputCount(unsigned char command) const { return outputReports(command).size(); }

void SimulatedDevice::clearOutputs()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outputs.clear();
}

bool SimulatedDevice::waitForOutput(const std::function<bool(const QList<hidReportData> &)> &pred,
                                    int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto reports = [this] {
        QList<hidReportData> list;
        for (const SimulatedOutput &o : m_outputs)
            list.append(o.report);
        return list;
    };
    while (!pred(reports())) {
        if (m_cond.wait_until(lock, deadline) == std::cv_status::timeout)
            return pred(reports());
    }
    return true;
}

bool SimulatedDevice::waitForOutputCount(unsigned char command, int count, int timeoutMs) const
{
    return waitForOutput(
        [command, count](const QList<hidReportData> &reports) {
            return std::count_if(reports.begin(), reports.end(),
                                 [command](const hidReportData &r) { return r[kHidCommandByte] == command; })
                >= count;
        },
        timeoutMs);
}

int SimulatedDevice::openCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_openCount;
}

int SimulatedDevice::openConnectionCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connections.size();
}

void SimulatedDevice::sendInput(const hidReportData &report, int delayMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    deliverLocked(report, delayMs);
}

void SimulatedDevice::sendKeyState(unsigned char modifiers, const QList<unsigned char> &keys)
{
    hidReportData report = hidReportFrame(HidCmd::KeyState, 0, 0, 8);
    report[kHidPayloadOffset] = modifiers;
    for (int i = 0; i < keys.size() && i < 6; ++i)
        report[kHidPayloadOffset + 2 + i] = keys.at(i);
    sendInput(report);
}

void SimulatedDevice::sendFullKeyReport(const QByteArray &bytes6to18)
{
    hidReportData report = hidReportFrame(HidCmd::FullKey, 0, 0, 0x15);
    hidReportPut(report, kHidPayloadOffset, reinterpret_cast<const unsigned char *>(bytes6to18.constData()),
                 std::min<int>(bytes6to18.size(), 13));
    sendInput(report);
}

void SimulatedDevice::sendMultimedia(unsigned char media, unsigned char browser, unsigned char tools)
{
    sendInput(multimediaReport(media, browser, tools));
}

void SimulatedDevice::sendMouseState(unsigned char buttons, unsigned char wheel)
{
    hidReportData report = hidReportFrame(HidCmd::MouseInput, 0, 0, 6);
    report[kHidPayloadOffset] = buttons;
    report[11] = wheel;
    sendInput(report);
}

std::unique_ptr<HidConnection> SimulatedDevice::open(int interfaceNumber, bool interruptibleReads)
{
    std::shared_ptr<ConnectionState> state;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const int wanted = m_mode == Mode::Bootloader ? kBootloaderInterfaceNumber : kInterfaceNumber;
        if (!m_plugged || interfaceNumber != wanted)
            return nullptr;
        if (m_failOpen != 0) {
            if (m_failOpen > 0)
                --m_failOpen;
            return nullptr;
        }
        state = std::make_shared<ConnectionState>();
        m_connections.append(state);
        ++m_openCount;
    }
    return std::make_unique<SimulatedConnection>(shared_from_this(), state, interruptibleReads);
}

int SimulatedDevice::readFor(ConnectionState &state, unsigned char *data, int length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (!m_plugged || !state.alive)
            return -1;
        const auto now = Clock::now();
        if (!state.queue.empty() && state.queue.front().due <= now) {
            const int n = std::min(length, kHidReportSize);
            std::memcpy(data, state.queue.front().report.data(), static_cast<std::size_t>(n));
            state.queue.pop_front();
            return n;
        }
        if (state.interrupted) {
            state.interrupted = false;
            return 0;
        }
        if (timeoutMs <= 0 || now >= deadline)
            return 0;
        auto wakeAt = deadline;
        if (!state.queue.empty())
            wakeAt = std::min(wakeAt, state.queue.front().due);
        m_cond.wait_until(lock, wakeAt);
    }
}

int SimulatedDevice::writeFrom(ConnectionState &state, const unsigned char *data, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged || !state.alive || m_failWrites)
        return -1;
    const hidReportData report = hidReportFromBytes(data, length);
    if (m_mode == Mode::Bootloader) {
        if (!bootloaderWriteLocked(report))
            return -1;
    } else {
        respondLocked(report);
    }
    m_outputs.append({report, Clock::now()});
    m_cond.notify_all();
    return std::min(length, kHidReportSize);
}

void SimulatedDevice::interrupt(ConnectionState &state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    state.interrupted = true;
    m_cond.notify_all();
}

void SimulatedDevice::detach(const std::shared_ptr<ConnectionState> &state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    state->alive = false;
    m_connections.removeAll(state);
    m_cond.notify_all();
}

void SimulatedDevice::deliverLocked(const hidReportData &report, int delayMs)
{
    const Pending pending{report, Clock::now() + std::chrono::milliseconds(std::max(delayMs, 0))};
    for (const auto &state : m_connections) {
        // Keep each queue in arrival order.
        auto at = std::upper_bound(state->queue.begin(), state->queue.end(), pending,
                                   [](const Pending &a, const Pending &b) { return a.due < b.due; });
        state->queue.insert(at, pending);
    }
    m_cond.notify_all();
}

void SimulatedDevice::answerLocked(unsigned char command, const QByteArray &payload, int delayMs,
                                   unsigned char byte2, unsigned char byte4)
{
    const int n = std::min<int>(payload.size(), kHidPayloadCapacity);
    hidReportData report = hidReportFrame(command, byte2, byte4, static_cast<unsigned char>(n));
    hidReportPut(report, kHidPayloadOffset, reinterpret_cast<const unsigned char *>(payload.constData()), n);
    deliverLocked(report, delayMs);
}

void SimulatedDevice::answerListLocked(unsigned char command, const QByteArray &list)
{
    int delay = 0;
    if (answerDueLocked(command, &delay))
        answerLocked(command, list, delay);
}

QByteArray SimulatedDevice::serialAnswerLocked() const
{
    switch (m_config.serialMode) {
    case SimSerialMode::Valid:
        return m_config.serial;
    case SimSerialMode::Missing:
        return QByteArray();
    case SimSerialMode::WrongLength:
        return QByteArray(kWrongLengthSerial);
    case SimSerialMode::Hostile:
        return QByteArray(SimulatedDeviceConfig::kHostileSerial);
    }
    return QByteArray();
}

bool SimulatedDevice::policyAnswers(const SimAckPolicy &policy, int seen, int *delayMs)
{
    *delayMs = policy.mode == SimAckPolicy::Late ? policy.delayMs : 0;
    switch (policy.mode) {
    case SimAckPolicy::Never:
        return false;
    case SimAckPolicy::DropFirst:
        return seen > policy.dropCount;
    case SimAckPolicy::Late:
    case SimAckPolicy::Immediate:
        break;
    }
    return true;
}

bool SimulatedDevice::answerDueLocked(unsigned char command, int *delayMs)
{
    const int seen = m_answerSeen.value(command) + 1;
    m_answerSeen.insert(command, seen);
    return policyAnswers(m_answerPolicies.value(command), seen, delayMs);
}

void SimulatedDevice::acknowledgeLocked(const hidReportData &report)
{
    const unsigned char command = report[kHidCommandByte];
    const int seen = m_ackSeen.value(command) + 1;
    m_ackSeen.insert(command, seen);
    int delay = 0;
    if (policyAnswers(m_ackPolicies.value(command), seen, &delay))
        answerLocked(command, QByteArray(), delay, report[kHidZoneByte], report[kHidPacketByte]);
}

void SimulatedDevice::respondLocked(const hidReportData &report)
{
    switch (report[kHidCommandByte]) {
    case HidCmd::ShakeHands:
        if (m_answerHandshake) {
            const char byte6 = static_cast<char>(m_config.deviceType == 0 ? m_config.keyBlocking : 0);
            answerLocked(HidCmd::ShakeHands, QByteArray(1, byte6));
        }
        break;
    case HidCmd::Identification:
        if (m_staleDateAnswers != 0) {
            if (m_staleDateAnswers > 0)
                --m_staleDateAnswers;
            answerLocked(HidCmd::Identification, m_config.dateText);
            break;
        }
        if (m_answerIdentification) {
            const QByteArray text = m_identificationOverride.isNull()
                ? m_config.identificationFields.join(QLatin1Char(',')).toLatin1()
                : m_identificationOverride;
            answerLocked(HidCmd::Identification, text);
            if (m_answerDate)
                answerLocked(HidCmd::Identification, m_config.dateText);
        }
        break;
    case HidCmd::SerialRead: {
        int delay = 0;
        if (!answerDueLocked(HidCmd::SerialRead, &delay))
            break;
        QByteArray serial = serialAnswerLocked().left(kSerialNumberLength);
        serial.append(QByteArray(kSerialNumberLength - serial.size(), '\0'));
        hidReportData answer = hidReportFrame(HidCmd::SerialRead, 0, 0, kSerialAnswerLength);
        hidReportPut(answer, kHidPayloadOffset, reinterpret_cast<const unsigned char *>(serial.constData()),
                     kSerialNumberLength);
        deliverLocked(answer, delay);
        break;
    }
    case HidCmd::SerialWrite: {
        // From now on the device reports the serial it was given.
        m_config.serial = serialAnswerText(report);
        m_config.serialMode = SimSerialMode::Valid;
        acknowledgeLocked(report);
        break;
    }
    case HidCmd::OnboardKeyTable:
    case HidCmd::OnboardMacro:
    case HidCmd::MouseKey:
        acknowledgeLocked(report);
        break;
    case HidCmd::KeyLightList:
        if (m_config.deviceType == 0)
            answerListLocked(HidCmd::KeyLightList, m_config.keyLightList);
        break;
    case HidCmd::SideLightList:
        if (m_config.deviceType == 0)
            answerListLocked(HidCmd::SideLightList, m_config.sideLightList);
        break;
    case HidCmd::MouseLightList:
        if (m_config.deviceType == 1)
            answerListLocked(HidCmd::MouseLightList, m_config.mouseLightLists);
        break;
    case HidCmd::EnterBootloader:
        if (!m_config.bootloader.ignoreEnter) {
            const int delay = m_config.bootloader.arrivalDelayMs;
            // The device restarts once the report is out.
            schedule(0, [this, delay] { leaveForBootloader(delay); });
        }
        break;
    default:
        break;
    }
}
