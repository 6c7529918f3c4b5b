#include "manualTickClock.h"

#include <chrono>

bool manualTickClock::sleepFor(int ms, const std::atomic<int> &running)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const std::thread::id me = std::this_thread::get_id();
    m_released.erase(me);
    if (running.load() == 0) {
        m_changed.notify_all();
        return false;
    }
    const long long wake = m_now + ms;
    m_wakeAt[me] = wake;
    m_changed.notify_all();
    m_changed.wait(lock, [&] { return m_now >= wake || running.load() == 0; });
    m_wakeAt.erase(me);
    const bool ticked = running.load() != 0;
    if (ticked)
        m_released.insert(me);
    m_changed.notify_all();
    return ticked;
}

void manualTickClock::interrupt()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_changed.notify_all();
}

bool manualTickClock::advance(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (int i = 0; i < ms; ++i) {
        ++m_now;
        m_changed.notify_all();
        const bool settled = m_changed.wait_for(lock, std::chrono::milliseconds(settleTimeoutMs), [this] {
            if (!m_released.empty())
                return false;
            for (const auto &sleeper : m_wakeAt) {
                if (sleeper.second <= m_now)
                    return false;
            }
            return true;
        });
        if (!settled)
            return false;
    }
    return true;
}

bool manualTickClock::waitForSleepers(int count)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(settleTimeoutMs),
                              [&] { return int(m_wakeAt.size()) >= count; });
}

int manualTickClock::sleepers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_wakeAt.size());
}

long long manualTickClock::now() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_now;
}
