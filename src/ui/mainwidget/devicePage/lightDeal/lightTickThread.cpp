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
    stopTicking();
    wait();
}

void lightTickThread::setRunFlag(bool run)
{
    m_running.store(run ? 1 : 0);
    if (!run)
        m_clock.interrupt();
}

void lightTickThread::startTicking()
{
    if (isRunning()) {
        if (runFlag())
            return;
        wait();
    }
    setRunFlag(true);
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
}
