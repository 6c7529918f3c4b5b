#pragma once

// A tick clock that tests move by hand. Virtual time advances one
// millisecond at a time; at each millisecond a scheduler that is due wakes,
// emits its ticks and is back asleep before time moves on, so the ticks of a
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
    // policy: exact ticks by default; the program's coalescing on request.
    explicit manualTickClock(const lightTickPolicy &policy = {});
    ~manualTickClock() override;

    duration now() const override;
    bool sleepUntil(duration deadline, const std::atomic<int> &keepSleeping) override;
    void interrupt() override;
    lightTickPolicy policy() const override { return m_policy; }

    // Moves time on by ms, handing each millisecond's ticks to their
    // receivers before the next; false if a woken thread did not come back
    // in time.
    bool advance(int ms);
    // Waits until count threads sleep on this clock with no change unseen.
    bool waitForSleepers(int count);
    int sleepers() const;
    long long nowMs() const;

private:
    static constexpr int settleTimeoutMs = 10000;

    bool settledLocked() const;

    const lightTickPolicy m_policy;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    long long m_now = 0;
    // A sleeper was told to plan again and has not gone back to sleep.
    bool m_interruptPending = false;
    std::map<std::thread::id, long long> m_wakeAt;
    std::set<std::thread::id> m_released;
};
