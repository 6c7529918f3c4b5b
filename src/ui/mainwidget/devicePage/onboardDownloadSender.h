#pragma once

// Sends a worked-out on-board download to one keyboard, stop-and-wait: each
// macro report waits for the acknowledgement of the previous one (the last
// one's too), up to 100 ms per try, with three resends; the key tables go
// out without waiting. Driven by the link's 0x19 signal and single-shot
// timers on the GUI thread, so the window keeps working meanwhile. It holds
// its transport and link weakly: when either goes away the download fails
// at once and nothing reaches another device.

#include "onboardDownloadPlan.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class DDeviceKeyboardLink;
class MainHidInterFace;

class onboardDownloadSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int kAckWaitMs = 100;
    // A report goes out at most this often: once and three resends.
    static constexpr int kMaxSends = 4;
    // Lets the keyboard store its layers before the slots are cleared.
    static constexpr int kStorePauseMs = 400;

    onboardDownloadSender(MainHidInterFace *transport, DDeviceKeyboardLink *link,
                          const onboardDownloadPlan &plan, QObject *parent = nullptr);

    void start();
    // Ends a running download as failed; nothing more is sent.
    void abort();
    bool isRunning() const { return m_running; }
    // Macro reports written, resends included.
    int macroReportsSent() const { return m_macroReportsSent; }

signals:
    // Once per download, after its last report (and acknowledgement) or at
    // its failure.
    void sigFinished(bool successful);

private slots:
    void onAcknowledged();
    void onAckTimeout();
    void onPauseOver();
    void onPeerGone();

private:
    void sendOn();
    void write(const hidReportData &report, bool acknowledged);
    void finish(bool successful);

    QPointer<MainHidInterFace> m_transport;
    QPointer<DDeviceKeyboardLink> m_link;
    const onboardDownloadPlan m_plan;
    QTimer m_ackTimer;
    QTimer m_pauseTimer;
    int m_next = 0;
    bool m_paused = false;
    bool m_awaitingAck = false;
    int m_sends = 0; // sends of the report awaiting its acknowledgement
    hidReportData m_lastMacroReport{};
    int m_macroReportsSent = 0;
    bool m_running = false;
};
