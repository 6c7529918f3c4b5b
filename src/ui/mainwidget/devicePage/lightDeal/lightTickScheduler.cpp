#include "lightTickScheduler.h"

#include "lightTickThread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <algorithm>

#include <pthread.h>

namespace {

lightTickClock::duration milliseconds(int ms)
{
    return std::chrono::milliseconds(ms);
}

QEvent::Type deliveryEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

// Receives the scheduler's posted event in the tickers' thread.
class tickRelay : public QObject
{
public:
    explicit tickRelay(lightTickScheduler &scheduler)
        : m_scheduler(scheduler)
    {
    }

    bool event(QEvent *event) override
    {
        if (event->type() != deliveryEventType())
            return QObject::event(event);
        m_scheduler.deliverTicks();
        return true;
    }

private:
    lightTickScheduler &m_scheduler;
};

} // namespace

lightTickScheduler::lightTickScheduler(lightTickClock &clock)
    : m_clock(clock)
    , m_policy(clock.policy())
    , m_relay(std::make_unique<tickRelay>(*this))
{
    m_due.reserve(64);
    m_handedOver.reserve(64);
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
    // Its pending event goes with it.
    m_relay.reset();
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
    // Decided here, on the ticker's own thread: the scheduler's thread
    // never reads the ticker's thread.
    const bool relayed = ticker->thread() == m_relay->thread();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!find(ticker))
        m_entries.push_back(entry {ticker, relayed});
}

void lightTickScheduler::remove(lightTickThread *ticker)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [ticker](const entry &e) { return e.ticker == ticker; }),
                    m_entries.end());
    for (handedOver &tick : m_handedOver) {
        if (tick.ticker == ticker)
            tick.ticker = nullptr;
    }
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
            // A thread still busy with earlier wakes' ticks is not given
            // more than one wake's worth.
            if (e.undelivered < maxTicksPerWake)
                m_due.push_back(emission {e.deadline, sampling, &e});
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
    bool handed = false;
    for (const emission &due : m_due) {
        if (due.source->relayed) {
            m_handedOver.push_back(handedOver {due.source->ticker, due.at});
            due.source->undelivered += 1;
            handed = true;
        } else {
            due.source->ticker->m_tickTime = due.at;
            due.source->ticker->emitTick();
        }
    }
    if (handed && !m_deliveryPosted) {
        m_deliveryPosted = true;
        QCoreApplication::postEvent(m_relay.get(), new QEvent(deliveryEventType()));
    }
}

void lightTickScheduler::deliverTicks()
{
    for (;;) {
        lightTickThread *ticker = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            while (!ticker && m_nextDelivery < m_handedOver.size()) {
                const handedOver tick = m_handedOver[m_nextDelivery++];
                entry *e = tick.ticker ? find(tick.ticker) : nullptr;
                if (!e)
                    continue; // removed since
                e->undelivered -= 1;
                if (!e->active)
                    continue; // stopped since
                ticker = tick.ticker;
                ticker->m_tickTime = tick.at;
            }
            if (!ticker) {
                m_handedOver.clear();
                m_nextDelivery = 0;
                m_deliveryPosted = false;
                return;
            }
        }
        // Outside the lock: a receiver may start or stop tickers.
        ticker->emitTick();
    }
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
