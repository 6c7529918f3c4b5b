#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread (a
// handler that only writes the signal's number into a socket pair), so that
// a stop asked by the session or a terminal runs the program's own stop.
// One instance at a time; its destructor gives the signals their default
// actions back.
class TerminationSignalNotifier : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignalNotifier(QObject *parent = nullptr);
    ~TerminationSignalNotifier() override;

    // False when the socket pair or a handler could not be set up.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
