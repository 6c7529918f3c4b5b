#include "onboardDownloadSender.h"

#include "DDeviceKeyboardLink.h"
#include "MainHidInterFace.h"

#include <QDebug>

onboardDownloadSender::onboardDownloadSender(MainHidInterFace *transport, DDeviceKeyboardLink *link,
                                             const onboardDownloadPlan &plan, QObject *parent)
    : QObject(parent), m_transport(transport), m_link(link), m_plan(plan)
{
    // A coarse timer may fire early, cutting a wait short.
    m_ackTimer.setTimerType(Qt::PreciseTimer);
    m_pauseTimer.setTimerType(Qt::PreciseTimer);
    m_ackTimer.setSingleShot(true);
    m_ackTimer.setInterval(kAckWaitMs);
    m_pauseTimer.setSingleShot(true);
    m_pauseTimer.setInterval(kStorePauseMs);
    connect(&m_ackTimer, SIGNAL(timeout()), this, SLOT(onAckTimeout()));
    connect(&m_pauseTimer, SIGNAL(timeout()), this, SLOT(onPauseOver()));
    if (link) {
        connect(link, SIGNAL(sigRuningOnboard0x19Cmd()), this, SLOT(onAcknowledged()));
        connect(link, SIGNAL(destroyed()), this, SLOT(onPeerGone()));
    }
    if (transport)
        connect(transport, SIGNAL(destroyed()), this, SLOT(onPeerGone()));
}

void onboardDownloadSender::start()
{
    if (m_running)
        return;
    qDebug() << "-------------------------- *** Start Onboard Download *** --------------------------";
    m_running = true;
    m_next = 0;
    m_paused = false;
    m_awaitingAck = false;
    m_macroReportsSent = 0;
    if (!m_transport || !m_link || m_plan.isRefused()) {
        finish(false);
        return;
    }
    sendOn();
}

void onboardDownloadSender::abort()
{
    if (m_running)
        finish(false);
}

void onboardDownloadSender::sendOn()
{
    while (m_running) {
        // The keyboard gets its pause even when no slot is left to clear.
        if (m_next == m_plan.pauseBeforeStep && !m_paused) {
            m_paused = true;
            m_pauseTimer.start();
            return;
        }
        if (m_next >= m_plan.steps.size())
            break;
        const onboardDownloadStep &step = m_plan.steps.at(m_next);
        if (step.acknowledged && m_awaitingAck)
            return; // onAcknowledged or onAckTimeout goes on
        write(step.report, step.acknowledged);
        ++m_next;
    }
    if (m_running && !m_awaitingAck)
        finish(true);
}

void onboardDownloadSender::write(const hidReportData &report, bool acknowledged)
{
    if (!m_transport) {
        finish(false);
        return;
    }
    if (acknowledged) {
        m_lastMacroReport = report;
        m_awaitingAck = true;
        m_sends = 1;
        m_ackTimer.start();
        qDebug() << "-------------------------- *** Onboard Download [Write 0x19 Send data] *** --------------------------"
                 << m_macroReportsSent;
        ++m_macroReportsSent;
    }
    if (m_transport->writeHidData(report.data(), kHidReportSize) < 0) {
        qDebug() << (acknowledged ? "USB serial port [Write keyboard Macro-data list Failed ..."
                                  : "USB serial port [Write keyboard Onboard-data] Failed ...");
        // A closed device answers nothing more.
        finish(false);
    }
}

void onboardDownloadSender::onAcknowledged()
{
    if (!m_running)
        return;
    qDebug() << "-------------------------- *** Onboard Download [Write 0x19 Recv] *** --------------------------"
             << m_macroReportsSent;
    if (!m_awaitingAck)
        return;
    m_awaitingAck = false;
    m_ackTimer.stop();
    if (!m_paused || !m_pauseTimer.isActive())
        sendOn();
}

void onboardDownloadSender::onAckTimeout()
{
    if (!m_running || !m_awaitingAck)
        return;
    if (m_sends >= kMaxSends) {
        qDebug() << "-------------------------- *** Onboard Download [Failed] *** --------------------------";
        finish(false);
        return;
    }
    qDebug() << "-------------------------- *** Onboard Download [Retry] *** -------------------------- PkgNum:"
             << m_lastMacroReport[kHidZoneByte] << "  index:" << m_lastMacroReport[kHidPacketByte];
    ++m_sends;
    ++m_macroReportsSent;
    m_ackTimer.start();
    if (!m_transport || m_transport->writeHidData(m_lastMacroReport.data(), kHidReportSize) < 0)
        finish(false);
}

void onboardDownloadSender::onPauseOver()
{
    if (m_running)
        sendOn();
}

void onboardDownloadSender::onPeerGone()
{
    if (m_running) {
        qDebug() << "-------------------------- *** Onboard Download [Failed] *** --------------------------";
        finish(false);
    }
}

void onboardDownloadSender::finish(bool successful)
{
    if (!m_running)
        return;
    m_running = false;
    m_awaitingAck = false;
    m_ackTimer.stop();
    m_pauseTimer.stop();
    qDebug() << "-------------------------- *** End Onboard Download *** --------------------------";
    emit sigFinished(successful);
}
