#include "lightTickThread.h"

#include "lightTickClock.h"
#include "lightTickScheduler.h"

#include <algorithm>

lightTickThread::lightTickThread(lightTickClock &clock, int intervalMs, tickKind kind, QObject *parent)
    : QObject(parent)
    , m_scheduler(clock.scheduler())
    , m_kind(kind)
    , m_interval(intervalMs)
{
    m_scheduler.add(this);
}

lightTickThread::~lightTickThread()
{
    m_scheduler.remove(this);
}

void lightTickThread::setRunFlag(bool run)
{
    if (run)
        startTicking();
    else
        stopTicking();
}

void lightTickThread::startTicking()
{
    m_running.store(1);
    m_scheduler.activate(this);
}

void lightTickThread::stopTicking()
{
    m_running.store(0);
    m_scheduler.deactivate(this);
}

void lightTickThread::stopAndWait()
{
    stopTicking();
}

void lightTickThread::setClampedInterval(int ms)
{
    m_interval.store(std::clamp(ms, minIntervalMs, maxIntervalMs));
}
