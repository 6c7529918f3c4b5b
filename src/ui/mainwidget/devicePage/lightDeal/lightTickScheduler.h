#pragma once

// The one thread that paces every lighting ticker of a clock. Instead of a
// sleeping thread per ticker it sleeps until the next tick that is due,
// emits every tick due by then, in time order, and sleeps again, so tickers
// that fall due together cost one wake. The clock's policy may let effect
// ticks wait for the next screen or send tick (see lightTickPolicy).
//
// Tickers are started, stopped and destroyed on other threads; a stopped or
// removed ticker is never emitted again once the call returns. Ticks are
// emitted on the scheduler's thread, under its lock: receivers connect
// queued (the engines live on the GUI thread) and must not start or stop
// tickers from a direct connection.

#include "lightTickClock.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class lightTickThread;

class lightTickScheduler
{
public:
    using duration = lightTickClock::duration;
    // The most ticks one ticker gets at one wake; a longer backlog (the
    // machine was stalled) is dropped rather than replayed.
    static constexpr int maxTicksPerWake = 8;

    explicit lightTickScheduler(lightTickClock &clock);
    ~lightTickScheduler();

    lightTickScheduler(const lightTickScheduler &) = delete;
    lightTickScheduler &operator=(const lightTickScheduler &) = delete;

    void add(lightTickThread *ticker);
    void remove(lightTickThread *ticker);
    // Starts the ticker's ticks one interval from now (or on the sampling
    // grid); a running ticker keeps its schedule.
    void activate(lightTickThread *ticker);
    void deactivate(lightTickThread *ticker);

    int activeCount() const;
    // Wakes of the scheduler's thread at a tick time.
    long long wakeCount() const { return m_wakes.load(); }

private:
    struct entry
    {
        lightTickThread *ticker;
        bool active = false;
        duration deadline {0};
    };
    struct emission
    {
        duration at;
        bool sampling;
        lightTickThread *ticker;
    };

    void run();
    void emitDue(duration now);
    duration nextWake() const;
    duration firstDeadline(const lightTickThread &ticker, duration now) const;
    duration nextSamplingDeadline(duration interval, duration after) const;
    entry *find(const lightTickThread *ticker);
    // Under m_mutex: the sleeping thread plans again.
    void replan();

    lightTickClock &m_clock;
    const lightTickPolicy m_policy;
    mutable std::mutex m_mutex;
    std::vector<entry> m_entries;
    std::vector<emission> m_due; // reused at every wake
    std::atomic<int> m_keepSleeping {1};
    std::atomic<long long> m_wakes {0};
    bool m_quit = false;
    std::thread m_thread;
};
