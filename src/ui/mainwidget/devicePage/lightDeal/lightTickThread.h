#pragma once

// A lighting tick thread: while its run flag is set it sleeps its interval
// and emits one tick; the work runs in the receiver's slot on the GUI thread.
// Run flag and interval are atomic: the GUI thread writes, the loop reads.

#include <QThread>

#include <atomic>

class lightTickClock;

class lightTickThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int minIntervalMs = 8;
    static constexpr int maxIntervalMs = 28;

    lightTickThread(lightTickClock &clock, int intervalMs, QObject *parent = nullptr);
    // Derived classes stop and wait in their own destructors, before the
    // loop could call into a part already destroyed.
    ~lightTickThread() override;

    void setRunFlag(bool run);
    bool runFlag() const { return m_running.load() != 0; }
    int interval() const { return m_interval.load(); }

    // Starts the loop, or keeps it when it still runs. A loop that was just
    // stopped is let finish first (its sleep is cut short), so a quick
    // stop and start never leaves the ticker dead nor runs two loops.
    void startTicking();
    // Clears the run flag and cuts the current sleep short; does not wait.
    void stopTicking();
    // Stops and waits until the loop has ended.
    void stopAndWait();

protected:
    void run() override;
    virtual void emitTick() = 0;
    // Clamps to 8..28 ms, the range of the effect speeds.
    void setClampedInterval(int ms);

private:
    lightTickClock &m_clock;
    std::atomic<int> m_running {0};
    std::atomic<int> m_interval;
    // Set as the loop's last act: waiting for it orders everything the loop
    // did before the object may go (QThread::wait alone is not visible to
    // the thread sanitizer).
    std::atomic<bool> m_loopEnded {true};
};
