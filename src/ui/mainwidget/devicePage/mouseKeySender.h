#pragma once

#include "hidEncodeResult.h"
#include "hidReportData.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

class MainHidInterFace;

// Sends mouse button assignments (0x47) one after the other. A single report
// goes out at once; before each report of a macro the sender waits for the
// mouse's answer to the report before it, or 100 ms, without leaving the
// event loop. Assignments saved meanwhile wait their turn and read their
// binding when it comes. A sender keeps to the transport it was given:
// once that transport closes or goes, the rest of the assignment is dropped.
class mouseKeySender : public QObject
{
    Q_OBJECT

public:
    enum Outcome {
        Sent,          // every data report was queued
        Nothing,       // the binding has no report
        WriteFailed,   // the transport refused a data report
        TooManyEvents, // a macro too long for the mouse: nothing sent
        Stopped,       // the transport closed or went during the send
    };
    Q_ENUM(Outcome)

    static constexpr int kAckTimeoutMs = 100;

    // Builds the reports when the assignment's turn comes.
    using Builder = std::function<hidEncodeResult(QList<hidReportData> &)>;

    explicit mouseKeySender(QObject *parent = nullptr);

    // link: the device link whose 0x47 answers count for this transport.
    void enqueue(MainHidInterFace *transport, QObject *link, Builder build);
    // A 0x47 answer from link; answers of other links do not count.
    void acknowledge(QObject *link);
    bool isBusy() const { return m_running || !m_jobs.isEmpty(); }

signals:
    void sigAssignmentFinished(int outcome);

private:
    struct Job
    {
        QPointer<MainHidInterFace> transport;
        QPointer<QObject> link;
        QObject *linkKey = nullptr; // for the answers, also after the link went
        Builder build;
    };

    void startNext();
    void waitForAnswer();
    void sendNext();
    void finish(Outcome outcome);
    bool transportUsable() const;
    void onLinkDestroyed(QObject *link);

    QQueue<Job> m_jobs;
    Job m_current;
    bool m_running = false;
    bool m_starting = false;
    QList<hidReportData> m_reports;
    int m_next = 0;
    bool m_failed = false;
    // Per link: an answer came since its last macro report (true at first).
    QHash<QObject *, bool> m_answered;
    QTimer m_timer;
};
