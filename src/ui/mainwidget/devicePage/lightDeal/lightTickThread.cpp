#include "lightTickThread.h"

#include "lightTickClock.h"

#include <algorithm>

lightTickThread::lightTickThread(lightTickClock &clock, int intervalMs, QObject *parent)
    : QThread(parent)
    , m_clock(clock)
    , m_interval(intervalMs)
{
}

lightTickThread::~lightTickThread()
{
    stopAndWait();
}

void lightTickThread::stopAndWait()
{
    stopTicking();
    wait();
    (void)m_loopEnded.load(std::memory_order_acquire);
}

void lightTickThread::setRunFlag(bool run)
{
    m_running.store(run ? 1 : 0);
    if (!run)
        m_clock.interrupt();
}

void lightTickThread::startTicking()
{
    if (isRunning() && runFlag())
        return;
    // A stopped loop ends at once (its sleep is cut short); a finished one
    // returns here straight away.
    wait();
    (void)m_loopEnded.load(std::memory_order_acquire);
    setRunFlag(true);
    m_loopEnded.store(false, std::memory_order_relaxed);
    start();
}

void lightTickThread::stopTicking()
{
    setRunFlag(false);
    quit();
}

void lightTickThread::setClampedInterval(int ms)
{
    m_interval.store(std::clamp(ms, minIntervalMs, maxIntervalMs));
}

void lightTickThread::run()
{
    while (m_running.load() != 0) {
        if (!m_clock.sleepFor(m_interval.load(), m_running))
            break;
        emitTick();
    }
    m_loopEnded.store(true, std::memory_order_release);
}
