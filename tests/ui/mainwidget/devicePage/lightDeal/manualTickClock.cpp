#include "manualTickClock.h"

#include "lightTickScheduler.h"

#include <chrono>
#include <limits>

namespace {

constexpr long long neverMs = std::numeric_limits<long long>::max();

} // namespace

manualTickClock::manualTickClock(const lightTickPolicy &policy)
    : m_policy(policy)
{
}

manualTickClock::~manualTickClock()
{
    stopScheduler();
}

lightTickClock::duration manualTickClock::now() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::chrono::milliseconds(m_now);
}

bool manualTickClock::sleepUntil(duration deadline, const std::atomic<int> &keepSleeping)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const std::thread::id me = std::this_thread::get_id();
    m_released.erase(me);
    if (keepSleeping.load() == 0) {
        m_changed.notify_all();
        return false;
    }
    // Asleep with the plan it made after the last change.
    m_interruptPending = false;
    const long long wake = deadline == never
        ? neverMs
        : std::chrono::ceil<std::chrono::milliseconds>(deadline).count();
    m_wakeAt[me] = wake;
    m_changed.notify_all();
    m_changed.wait(lock, [&] {
        if (m_interruptPending && keepSleeping.load() != 0) {
            // The change came before this plan was made: nothing to redo.
            m_interruptPending = false;
            m_changed.notify_all();
        }
        return m_now >= wake || keepSleeping.load() == 0;
    });
    m_wakeAt.erase(me);
    const bool ticked = keepSleeping.load() != 0;
    m_released.insert(me);
    m_changed.notify_all();
    return ticked;
}

void manualTickClock::interrupt()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interruptPending = true;
    m_changed.notify_all();
}

bool manualTickClock::settledLocked() const
{
    if (m_interruptPending || !m_released.empty())
        return false;
    for (const auto &sleeper : m_wakeAt) {
        if (sleeper.second <= m_now)
            return false;
    }
    return true;
}

bool manualTickClock::advance(int ms)
{
    const auto timeout = std::chrono::milliseconds(settleTimeoutMs);
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_changed.wait_for(lock, timeout, [this] { return settledLocked(); }))
            return false;
    }
    for (int i = 0; i < ms; ++i) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            ++m_now;
            m_changed.notify_all();
            if (!m_changed.wait_for(lock, timeout, [this] { return settledLocked(); }))
                return false;
        }
        // The ticks of this millisecond reach their receivers now, as the
        // scheduler's posted event would give them in the program.
        scheduler().deliverTicks();
    }
    return true;
}

bool manualTickClock::waitForSleepers(int count)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(settleTimeoutMs),
                              [&] { return int(m_wakeAt.size()) >= count && settledLocked(); });
}

int manualTickClock::sleepers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_wakeAt.size());
}

long long manualTickClock::nowMs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_now;
}
