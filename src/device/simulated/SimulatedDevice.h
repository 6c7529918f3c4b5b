#pragma once

#include "SimulatedDeviceConfig.h"
#include "hidReportData.h"

#include <QList>
#include <QMap>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class HidConnection;

// One output report as the device received it, with its arrival time.
struct SimulatedOutput
{
    hidReportData report;
    std::chrono::steady_clock::time_point time;
};

// A small model of one device's side of the report protocol. It enumerates
// as interfaces 0 and 2 of its USB port, answers the identification, serial,
// handshake and light-list requests, acknowledges 0x16/0x18/0x19/0x47 by a
// policy, records every output report, sends input reports on demand, and
// can refuse opens, fail writes and be unplugged. Thread-safe.
//
// On 0x0B it leaves and its port shows its bootloader (interface 0, the
// bootloader's ids), which takes an image block by block and, after the end
// report of a whole image, leaves again and the device returns on its old
// path at the image's version. Anything short of that leaves it a
// bootloader, also across unplug and plug.
class SimulatedDevice : public std::enable_shared_from_this<SimulatedDevice>
{
public:
    static constexpr int kInterfaceNumber = 2;
    static constexpr int kOtherInterfaceNumber = 0;
    static constexpr int kBootloaderInterfaceNumber = 0;

    SimulatedDevice(const SimulatedDeviceConfig &config, int port);
    ~SimulatedDevice();

    // The device as it enumerates now: in bootloader mode with the
    // bootloader's ids.
    SimulatedDeviceConfig config() const;
    QString modelName() const;
    int port() const { return m_port; }
    // Stable path of an interface (the same after a re-plug).
    QString path(int interfaceNumber = kInterfaceNumber) const;
    // Node path of an interface; changes with every plug.
    QString nodePath(int interfaceNumber = kInterfaceNumber) const;

    // Behaviour.
    void setSerialMode(SimSerialMode mode);
    void setKeyBlocking(int value);
    void setAnswerHandshake(bool answer);
    void setAckPolicy(unsigned char command, const SimAckPolicy &policy);
    // When the device answers the serial request (0x15) and the light-list
    // requests: at once, late, after dropping the first n, or never.
    void setAnswerPolicy(unsigned char command, const SimAckPolicy &policy);
    // Replaces the identification text (for malformed answers).
    void setIdentificationText(const QByteArray &text);
    void setAnswerIdentification(bool answer);
    void setAnswerDate(bool answer);
    // Answers the next n identification requests with the date text only (as
    // if it were left over from an earlier exchange); -1: always.
    void setStaleDateAnswers(int n);
    void setLightList(unsigned char command, const QByteArray &bytes);
    // The next n opens fail; -1: every open.
    void setFailOpen(int n);
    void setFailWrites(bool fail);
    void unplug();
    void plug();
    bool isPlugged() const;
    // Called with true after a plug and false after an unplug that changed
    // the state, on the caller's thread, outside the device's lock.
    using PlugObserver = std::function<void(bool plugged)>;
    void setPlugObserver(PlugObserver observer);

    // The interfaces the device enumerates now: 0 and 2, or the bootloader's.
    QList<int> interfaceNumbers() const;

    // Firmware update.
    bool isBootloader() const;
    void setBootloaderConfig(const SimBootloaderConfig &config);
    void setBootloaderFault(const SimBootloaderFault &fault);
    // Leaves for the bootloader now, as 0x0B does (without its delay).
    void enterBootloader();
    // What the bootloader holds: imageSize bytes, 0xFF where nothing was written.
    QByteArray flashedImage() const;
    // Transfers begun (block 0 received) and images completed.
    int bootloaderAttempts() const;
    int completedFlashes() const;
    // The version field of the identification answer.
    QString firmwareVersion() const;
    QByteArray serialNumber() const;

    // Inspection.
    QList<SimulatedOutput> outputs() const;
    QList<hidReportData> outputReports() const;
    QList<hidReportData> outputReports(unsigned char command) const;
    int outputCount(unsigned char command) const;
    void clearOutputs();
    // Waits until pred holds for the recorded reports (checked under the lock).
    bool waitForOutput(const std::function<bool(const QList<hidReportData> &)> &pred, int timeoutMs) const;
    bool waitForOutputCount(unsigned char command, int count, int timeoutMs) const;
    int openCount() const;
    int openConnectionCount() const;

    // Input reports to every open connection, after delayMs.
    void sendInput(const hidReportData &report, int delayMs = 0);
    void sendKeyState(unsigned char modifiers, const QList<unsigned char> &keys);
    void sendFullKeyReport(const QByteArray &bytes6to18);
    void sendMultimedia(unsigned char media, unsigned char browser, unsigned char tools);
    void sendMouseState(unsigned char buttons, unsigned char wheel);

    // Backend side.
    std::unique_ptr<HidConnection> open(int interfaceNumber, bool interruptibleReads);

    struct Pending
    {
        hidReportData report;
        std::chrono::steady_clock::time_point due;
    };
    struct ConnectionState
    {
        std::deque<Pending> queue;
        bool interrupted = false;
        bool alive = true;
    };
    int readFor(ConnectionState &state, unsigned char *data, int length, int timeoutMs);
    int writeFrom(ConnectionState &state, const unsigned char *data, int length);
    void interrupt(ConnectionState &state);
    void detach(const std::shared_ptr<ConnectionState> &state);

private:
    void respondLocked(const hidReportData &report);
    void answerLocked(unsigned char command, const QByteArray &payload, int delayMs = 0,
                      unsigned char byte2 = 0, unsigned char byte4 = 0);
    void acknowledgeLocked(const hidReportData &report);
    // Whether the nth request of a command is answered under a policy, and
    // after how long.
    static bool policyAnswers(const SimAckPolicy &policy, int seen, int *delayMs);
    bool answerDueLocked(unsigned char command, int *delayMs);
    void answerListLocked(unsigned char command, const QByteArray &list);
    void deliverLocked(const hidReportData &report, int delayMs);
    QByteArray serialAnswerLocked() const;
    // The bootloader's handling of a 0x0C report; false makes the write fail.
    bool bootloaderWriteLocked(const hidReportData &report);
    void leaveForBootloader(int arrivalDelayMs);
    void returnFromBootloader();
    // Runs action on the device's own thread after delayMs, outside its lock.
    void schedule(int delayMs, std::function<void()> action);
    void runScheduled();

    enum class Mode { Normal, Bootloader };

    const int m_port;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    SimulatedDeviceConfig m_config;
    QByteArray m_identificationOverride;
    bool m_answerIdentification = true;
    bool m_answerDate = true;
    bool m_answerHandshake = true;
    int m_staleDateAnswers = 0;
    QMap<unsigned char, SimAckPolicy> m_ackPolicies;
    QMap<unsigned char, int> m_ackSeen;
    QMap<unsigned char, SimAckPolicy> m_answerPolicies;
    QMap<unsigned char, int> m_answerSeen;
    int m_failOpen = 0;
    bool m_failWrites = false;
    bool m_plugged = true;
    PlugObserver m_plugObserver;
    int m_nodeNumber = 0;
    int m_openCount = 0;
    QList<std::shared_ptr<ConnectionState>> m_connections;
    QList<SimulatedOutput> m_outputs;

    Mode m_mode = Mode::Normal;
    SimBootloaderFault m_fault;
    int m_faultsLeft = 0;
    QByteArray m_flash;
    int m_nextBlock = -1; // -1: no transfer under way
    int m_attempts = 0;
    int m_flashes = 0;

    struct Scheduled
    {
        std::chrono::steady_clock::time_point due;
        std::function<void()> action;
    };
    std::mutex m_scheduleMutex;
    std::condition_variable m_scheduleCond;
    std::deque<Scheduled> m_scheduled;
    bool m_scheduleStop = false;
    std::thread m_scheduleThread;
};
