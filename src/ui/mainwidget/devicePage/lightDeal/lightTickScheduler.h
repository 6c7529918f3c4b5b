#pragma once

// The one thread that paces every lighting ticker of a clock. Instead of a
// sleeping thread per ticker it sleeps until the next tick that is due,
// hands out every tick due by then, in time order, and sleeps again, so
// tickers that fall due together cost one wake. The clock's policy may let
// effect ticks wait for the next screen or send tick (see lightTickPolicy).
//
// The ticks of a wake reach the thread the tickers live in (the GUI thread)
// as one posted event, which emits them there: one cross-thread hand-over
// per wake instead of one per tick and connection. A ticker stopped or
// destroyed before its tick is emitted does not emit it. Tickers of another
// thread than the scheduler's creator are emitted from the scheduler's
// thread (their connections then queue as usual).

#include "lightTickClock.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;
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

    // Emits, on the calling thread, the ticks handed over so far; the
    // posted event does this in the tickers' thread.
    void deliverTicks();

private:
    struct entry
    {
        lightTickThread *ticker;
        bool relayed = false; // lives in the thread that receives the hand-over
        bool active = false;
        duration deadline {0};
        int undelivered = 0; // ticks handed over, not yet emitted
    };
    struct handedOver
    {
        lightTickThread *ticker;
        duration at;
    };
    struct emission
    {
        duration at;
        bool sampling;
        entry *source;
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
    std::vector<handedOver> m_handedOver;
    std::size_t m_nextDelivery = 0;
    bool m_deliveryPosted = false;
    // Lives in the thread that made the scheduler; its event delivers.
    std::unique_ptr<QObject> m_relay;
    std::atomic<int> m_keepSleeping {1};
    std::atomic<long long> m_wakes {0};
    bool m_quit = false;
    std::thread m_thread;
};
