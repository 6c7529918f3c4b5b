#pragma once

// A lighting tick thread: while its run flag is set it ticks once per
// interval, and the work runs in the receiver's slot on the GUI thread.
// The sleeping is done for every ticker of a clock by one scheduler thread
// (lightTickScheduler), so tickers that fall due together cost one wake;
// each ticker keeps its own run flag, interval, start and stop. A stop takes
// effect at once: no tick is emitted after it.

#include "lightTickClock.h"

#include <QObject>

#include <atomic>

class lightTickScheduler;

class lightTickThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int minIntervalMs = 8;
    static constexpr int maxIntervalMs = 28;

    // What the ticks drive. Pacing ticks step an effect and may, by the
    // clock's policy, be delivered with the next sampling tick; sampling
    // ticks show or send what the effects computed.
    enum class tickKind { pacing, sampling };

    lightTickThread(lightTickClock &clock, int intervalMs, tickKind kind, QObject *parent = nullptr);
    // Derived classes stop in their own destructors, before the scheduler
    // could call into a part already destroyed.
    ~lightTickThread() override;

    // Set: startTicking(); clear: stopTicking().
    void setRunFlag(bool run);
    bool runFlag() const { return m_running.load() != 0; }
    bool isRunning() const { return runFlag(); }
    int interval() const { return m_interval.load(); }
    bool isSampling() const { return m_kind == tickKind::sampling; }
    // The clock time the tick being emitted fell due at (while emitting).
    lightTickClock::duration tickTime() const { return m_tickTime; }

    // Starts ticking one interval from now; a running ticker keeps its
    // schedule. A start straight after a stop always ticks again.
    void startTicking();
    // Clears the run flag; no tick is emitted after this returns.
    void stopTicking();
    // The same as stopTicking(): kept for the destructors that must know
    // no tick is under way once it returns.
    void stopAndWait();

protected:
    friend class lightTickScheduler;
    virtual void emitTick() = 0;
    // Clamps to 8..28 ms, the range of the effect speeds.
    void setClampedInterval(int ms);

private:
    lightTickScheduler &m_scheduler;
    const tickKind m_kind;
    std::atomic<int> m_running {0};
    std::atomic<int> m_interval;
    lightTickClock::duration m_tickTime {0}; // set under the scheduler's lock
};
