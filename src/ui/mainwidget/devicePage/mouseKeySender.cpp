#include "mouseKeySender.h"

#include "MainHidInterFace.h"

#include <QDebug>

mouseKeySender::mouseKeySender(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    // Never earlier than the mouse is given to answer.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kAckTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &mouseKeySender::sendNext);
}

void mouseKeySender::enqueue(MainHidInterFace *transport, QObject *link, Builder build)
{
    Job job;
    job.transport = transport;
    job.link = link;
    job.linkKey = link;
    job.build = std::move(build);
    if (link && !m_answered.contains(link)) {
        m_answered.insert(link, true);
        connect(link, &QObject::destroyed, this, &mouseKeySender::onLinkDestroyed);
    }
    m_jobs.enqueue(std::move(job));
    startNext();
}

void mouseKeySender::acknowledge(QObject *link)
{
    if (!link || !m_answered.contains(link))
        return;
    m_answered[link] = true;
    if (m_running && m_timer.isActive() && link == m_current.linkKey) {
        m_timer.stop();
        sendNext();
    }
}

bool mouseKeySender::transportUsable() const
{
    return m_current.transport && m_current.transport->isHidOpen();
}

// Assignments finished without waiting are taken in a loop, not by
// recursion, so a long queue of them never deepens the stack.
void mouseKeySender::startNext()
{
    if (m_running || m_starting)
        return;
    m_starting = true;
    while (!m_running && !m_jobs.isEmpty()) {
        m_current = m_jobs.dequeue();
        const hidEncodeResult result = m_current.build(m_reports);
        if (result == hidEncodeResult::TooManyEvents) {
            finish(TooManyEvents);
            continue;
        }
        if (result != hidEncodeResult::Ok || m_reports.isEmpty()) {
            finish(Nothing);
            continue;
        }
        if (!transportUsable()) {
            finish(Stopped);
            continue;
        }
        m_next = 0;
        m_failed = false;
        if (m_reports.size() == 1) {
            // One report: no answer is awaited.
            const int written = m_current.transport->writeHidData(m_reports.first().data(), kHidReportSize);
            qDebug().noquote() << (written < 0 ? "USB serial port [Mouse 0x47] Failed ..."
                                               : "USB serial port [Mouse 0x47] Successful ...");
            finish(written < 0 ? WriteFailed : Sent);
            continue;
        }
        m_running = true;
        waitForAnswer();
    }
    m_starting = false;
}

void mouseKeySender::waitForAnswer()
{
    if (!transportUsable()) {
        finish(Stopped);
        startNext();
        return;
    }
    if (m_answered.value(m_current.linkKey, true))
        sendNext();
    else
        m_timer.start();
}

void mouseKeySender::sendNext()
{
    if (!m_running)
        return;
    if (!transportUsable()) {
        finish(Stopped);
        startNext();
        return;
    }
    m_answered[m_current.linkKey] = false;
    const bool endReport = m_next == m_reports.size() - 1;
    const int written = m_current.transport->writeHidData(m_reports.at(m_next).data(), kHidReportSize);
    if (!endReport) {
        if (written < 0)
            m_failed = true;
        qDebug().noquote() << (written < 0 ? "USB serial port [Mouse 0x47] Failed ..."
                                           : "USB serial port [Mouse 0x47] Successful ...");
    }
    ++m_next;
    if (m_next < m_reports.size()) {
        waitForAnswer();
        return;
    }
    finish(m_failed ? WriteFailed : Sent);
    startNext();
}

void mouseKeySender::finish(Outcome outcome)
{
    m_timer.stop();
    m_running = false;
    m_reports.clear();
    m_current = Job();
    emit sigAssignmentFinished(outcome);
}

void mouseKeySender::onLinkDestroyed(QObject *link)
{
    m_answered.remove(link);
    if (m_running && m_current.linkKey == link) {
        finish(Stopped);
        startNext();
    }
}
