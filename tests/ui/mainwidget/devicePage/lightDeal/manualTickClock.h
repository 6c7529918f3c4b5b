#pragma once

// A tick clock that tests move by hand. Virtual time advances one
// millisecond at a time; at each millisecond every thread that is due wakes,
// emits its tick and is back asleep before time moves on, so the ticks of a
// span of time can be counted exactly without sleeping.

#include "lightTickClock.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

class manualTickClock : public lightTickClock
{
public:
    bool sleepFor(int ms, const std::atomic<int> &running) override;
    void interrupt() override;

    // Moves time on by ms; false if a woken thread did not come back in time.
    bool advance(int ms);
    // Waits until count threads sleep on this clock.
    bool waitForSleepers(int count);
    int sleepers() const;
    long long now() const;

private:
    static constexpr int settleTimeoutMs = 10000;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    long long m_now = 0;
    std::map<std::thread::id, long long> m_wakeAt;
    std::set<std::thread::id> m_released;
};
