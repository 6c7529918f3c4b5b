#include "lightTickScheduler.h"

#include "lightTickThread.h"

#include <algorithm>

#include <pthread.h>

namespace {

lightTickClock::duration milliseconds(int ms)
{
    return std::chrono::milliseconds(ms);
}

} // namespace

lightTickScheduler::lightTickScheduler(lightTickClock &clock)
    : m_clock(clock)
    , m_policy(clock.policy())
{
    m_due.reserve(64);
    m_thread = std::thread([this] { run(); });
}

lightTickScheduler::~lightTickScheduler()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        replan();
    }
    m_clock.interrupt();
    m_thread.join();
}

lightTickScheduler::entry *lightTickScheduler::find(const lightTickThread *ticker)
{
    for (entry &e : m_entries) {
        if (e.ticker == ticker)
            return &e;
    }
    return nullptr;
}

void lightTickScheduler::replan()
{
    m_keepSleeping.store(0);
}

void lightTickScheduler::add(lightTickThread *ticker)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!find(ticker))
        m_entries.push_back(entry {ticker});
}

void lightTickScheduler::remove(lightTickThread *ticker)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [ticker](const entry &e) { return e.ticker == ticker; }),
                    m_entries.end());
}

void lightTickScheduler::activate(lightTickThread *ticker)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        entry *e = find(ticker);
        if (!e || e->active)
            return;
        e->active = true;
        e->deadline = firstDeadline(*ticker, m_clock.now());
        replan();
    }
    m_clock.interrupt();
}

void lightTickScheduler::deactivate(lightTickThread *ticker)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        entry *e = find(ticker);
        if (!e || !e->active)
            return;
        e->active = false;
        replan();
    }
    m_clock.interrupt();
}

int lightTickScheduler::activeCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_entries.begin(), m_entries.end(), [](const entry &e) { return e.active; }));
}

lightTickScheduler::duration lightTickScheduler::nextSamplingDeadline(duration interval, duration after) const
{
    return (after / interval + 1) * interval;
}

lightTickScheduler::duration lightTickScheduler::firstDeadline(const lightTickThread &ticker, duration now) const
{
    const duration interval = milliseconds(ticker.interval());
    if (ticker.isSampling() && m_policy.alignSampling)
        return nextSamplingDeadline(interval, now);
    return now + interval;
}

void lightTickScheduler::emitDue(duration now)
{
    m_due.clear();
    for (entry &e : m_entries) {
        if (!e.active)
            continue;
        const bool sampling = e.ticker->isSampling();
        // A pacing ticker catches up on the ticks that waited for this
        // wake; a sampling ticker shows the present once.
        const int most = sampling ? 1 : maxTicksPerWake;
        int count = 0;
        while (e.deadline <= now && count < most) {
            m_due.push_back(emission {e.deadline, sampling, e.ticker});
            // The interval as it is now: a new speed applies from the next tick.
            const duration interval = milliseconds(e.ticker->interval());
            e.deadline = (sampling && m_policy.alignSampling) ? nextSamplingDeadline(interval, e.deadline)
                                                               : e.deadline + interval;
            ++count;
        }
        if (e.deadline <= now) {
            const duration interval = milliseconds(e.ticker->interval());
            e.deadline = (sampling && m_policy.alignSampling) ? nextSamplingDeadline(interval, now)
                                                               : now + interval;
        }
    }
    // In time order; at one instant the effect steps come before the screen
    // refresh and the send that show them.
    std::stable_sort(m_due.begin(), m_due.end(), [](const emission &a, const emission &b) {
        return a.at != b.at ? a.at < b.at : (!a.sampling && b.sampling);
    });
    for (const emission &due : m_due)
        due.ticker->emitTick();
}

lightTickScheduler::duration lightTickScheduler::nextWake() const
{
    duration wake = lightTickClock::never;
    const duration defer = milliseconds(m_policy.pacingDeferMs);
    for (const entry &e : m_entries) {
        if (!e.active)
            continue;
        const duration at = e.ticker->isSampling() ? e.deadline : e.deadline + defer;
        wake = std::min(wake, at);
    }
    return wake;
}

void lightTickScheduler::run()
{
    pthread_setname_np(pthread_self(), "lightTickSched");
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        m_keepSleeping.store(1);
        emitDue(m_clock.now());
        const duration wake = nextWake();
        lock.unlock();
        const bool timedOut = m_clock.sleepUntil(wake, m_keepSleeping);
        lock.lock();
        if (timedOut)
            m_wakes.fetch_add(1, std::memory_order_relaxed);
    }
}
