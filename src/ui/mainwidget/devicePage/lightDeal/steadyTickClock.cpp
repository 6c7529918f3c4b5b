#include "steadyTickClock.h"

#include "lightTickScheduler.h"

steadyTickClock::~steadyTickClock()
{
    stopScheduler();
}

steadyTickClock &steadyTickClock::shared()
{
    static steadyTickClock clock;
    return clock;
}

lightTickClock::duration steadyTickClock::now() const
{
    return std::chrono::duration_cast<duration>(std::chrono::steady_clock::now().time_since_epoch());
}

bool steadyTickClock::sleepUntil(duration deadline, const std::atomic<int> &keepSleeping)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto interrupted = [&keepSleeping] { return keepSleeping.load() == 0; };
    if (deadline == never) {
        m_wake.wait(lock, interrupted);
        return false;
    }
    const std::chrono::steady_clock::time_point until(
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(deadline));
    return !m_wake.wait_until(lock, until, interrupted);
}

void steadyTickClock::interrupt()
{
    // Taking the lock orders the cleared flag before the sleeper's next look.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wake.notify_all();
}

lightTickPolicy steadyTickClock::policy() const
{
    return {true, pacingDeferMs};
}
