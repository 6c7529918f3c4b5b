#include "steadyTickClock.h"

#include <chrono>

bool steadyTickClock::sleepFor(int ms, const std::atomic<int> &running)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool stopped = m_wake.wait_for(lock, std::chrono::milliseconds(ms),
                                         [&running] { return running.load() == 0; });
    return !stopped;
}

void steadyTickClock::interrupt()
{
    // Taking the lock orders the cleared flag before the sleeper's next look.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wake.notify_all();
}
