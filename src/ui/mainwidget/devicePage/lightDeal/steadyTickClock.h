#pragma once

#include "lightTickClock.h"

#include <condition_variable>
#include <mutex>

// Real time: sleeps on std::chrono's steady clock, cut short by interrupt().
class steadyTickClock : public lightTickClock
{
public:
    bool sleepFor(int ms, const std::atomic<int> &running) override;
    void interrupt() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
};
