#include "devicePageWait.h"

#include "DDeviceKeyboardLink.h"
#include "MainHidInterFace.h"

namespace {
thread_local int g_running = 0;
} // namespace

devicePageWait::devicePageWait(int timeoutMs, QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may end the wait up to 5 % early.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { finish(TimedOut); });
}

void devicePageWait::endWhenDestroyed(const QObject *object)
{
    if (!object) {
        finish(Gone);
        return;
    }
    connect(object, &QObject::destroyed, this, [this] { finish(Gone); });
}

void devicePageWait::endOnLinkReady(DDeviceKeyboardLink *link)
{
    endWhenDestroyed(link);
    if (!link)
        return;
    endOn(link, &DDeviceKeyboardLink::sigInitFinished, Done);
    if (MainHidInterFace *hid = link->getHidInterface()) {
        endOn(hid, &MainHidInterFace::sigHidDeviceLost, Gone);
        if (hid->isDeviceLost())
            finish(Gone);
    }
    if (link->isInitFinished())
        finish(Done);
}

devicePageWait::Outcome devicePageWait::run()
{
    if (m_outcome != Pending)
        return m_outcome;
    m_timer.start();
    ++g_running;
    m_loop.exec(QEventLoop::ExcludeUserInputEvents);
    --g_running;
    m_timer.stop();
    return m_outcome;
}

int devicePageWait::running()
{
    return g_running;
}

bool devicePageWait::listHasPath(const QList<hidStructInfo> &list, const QString &path)
{
    for (const hidStructInfo &record : list) {
        if (QString::fromUtf8(record.hidPath) == path)
            return true;
    }
    return false;
}

void devicePageWait::finish(devicePageWait::Outcome outcome)
{
    if (m_outcome != Pending)
        return;
    m_outcome = outcome;
    m_timer.stop();
    m_loop.quit();
}
