#pragma once

#include "lightTickClock.h"

#include <condition_variable>
#include <mutex>

// Real time: sleeps on std::chrono's steady clock, cut short by interrupt().
// Its scheduler lets effect ticks ride on the screen and send ticks, so the
// whole lighting wakes about once per 30 ms.
class steadyTickClock : public lightTickClock
{
public:
    // Ticks may be this late so that they share the 30 ms sampling wakes.
    static constexpr int pacingDeferMs = 40;

    ~steadyTickClock() override;

    // The clock every engine without a clock of its own shares, so the
    // keyboard and mouse engines are paced by one thread. Lives until exit.
    static steadyTickClock &shared();

    duration now() const override;
    bool sleepUntil(duration deadline, const std::atomic<int> &keepSleeping) override;
    void interrupt() override;
    lightTickPolicy policy() const override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
};
