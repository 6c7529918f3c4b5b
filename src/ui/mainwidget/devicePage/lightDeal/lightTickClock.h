#pragma once

// The time source of the lighting tick threads. The program sleeps on the
// steady clock; tests hand the engines a clock they advance by hand, so tick
// pacing is checked without sleeping. Every ticker of a clock is paced by
// the clock's one scheduler (lightTickScheduler).

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

class lightTickScheduler;

// How far a clock's scheduler may bend tick times to save wake-ups.
struct lightTickPolicy
{
    // Sampling ticks (screen refresh, frame send) of one interval share one
    // phase: their deadlines are whole multiples of the interval.
    bool alignSampling = false;
    // Pacing ticks (effect steps) may reach their receiver up to this many
    // ms late, delivered together with the next sampling tick.
    int pacingDeferMs = 0;
};

class lightTickClock
{
public:
    using duration = std::chrono::nanoseconds;
    static constexpr duration never = duration::max();

    virtual ~lightTickClock();

    // Time since the clock's epoch.
    virtual duration now() const = 0;
    // Blocks the calling thread until now() reaches deadline (true), or
    // until keepSleeping is 0 (false; at once if it already is).
    virtual bool sleepUntil(duration deadline, const std::atomic<int> &keepSleeping) = 0;
    // Wakes every sleeper so that it looks at its flag again; called after
    // a keepSleeping flag has been cleared.
    virtual void interrupt() = 0;
    virtual lightTickPolicy policy() const { return {}; }

    // The one scheduler of this clock's tickers, made on first use.
    lightTickScheduler &scheduler();

protected:
    // The scheduler's thread sleeps through the derived class: derived
    // destructors call this before their own members go.
    void stopScheduler();

private:
    std::mutex m_schedulerMutex;
    std::unique_ptr<lightTickScheduler> m_scheduler;
};
