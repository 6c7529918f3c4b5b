#include "lightTickClock.h"

#include "lightTickScheduler.h"

lightTickClock::~lightTickClock() = default;

lightTickScheduler &lightTickClock::scheduler()
{
    std::lock_guard<std::mutex> lock(m_schedulerMutex);
    if (!m_scheduler)
        m_scheduler = std::make_unique<lightTickScheduler>(*this);
    return *m_scheduler;
}

void lightTickClock::stopScheduler()
{
    std::lock_guard<std::mutex> lock(m_schedulerMutex);
    m_scheduler.reset();
}
