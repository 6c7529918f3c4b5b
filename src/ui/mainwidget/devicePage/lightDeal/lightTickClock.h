#pragma once

// The time source of the lighting tick threads. The program sleeps on the
// steady clock; tests hand the engine a clock they advance by hand, so tick
// pacing is checked without sleeping.

#include <atomic>

class lightTickClock
{
public:
    virtual ~lightTickClock();

    // Blocks the calling tick thread for ms milliseconds and returns true,
    // or returns false as soon as running is 0 (at once if it already is).
    virtual bool sleepFor(int ms, const std::atomic<int> &running) = 0;

    // Wakes every sleeper so that it looks at its run flag again; called
    // after a run flag has been cleared.
    virtual void interrupt() = 0;
};
