#pragma once

#include "hidStructInfo.h"

#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class DDeviceKeyboardLink;

// One wait of the device page (a new link's readiness, an acknowledgement):
// an idle event loop that ends at the first of the events it was told to
// end on, or at its time limit. The window keeps painting and timers and
// queued signals run; user input waits until the loop ends, when Qt
// delivers it.
class devicePageWait : public QObject
{
    Q_OBJECT

public:
    enum Outcome {
        Pending,
        Done,     // what was awaited happened
        Gone,     // the device, its link or its transport went away
        TimedOut,
    };
    Q_ENUM(Outcome)

    static constexpr int kLinkReadyMs = 1500;

    explicit devicePageWait(int timeoutMs, QObject *parent = nullptr);

    // Ends the wait with the outcome when sender emits signal.
    template <typename Sender, typename Signal>
    void endOn(const Sender *sender, Signal signal, Outcome outcome)
    {
        if (!sender) {
            finish(Gone);
            return;
        }
        connect(sender, signal, this, [this, outcome] { finish(outcome); });
    }
    // Ends the wait with Gone when the object is destroyed (or is null).
    void endWhenDestroyed(const QObject *object);
    // Ends the wait with Gone when a device list comes without the path:
    // source must emit a signal with the list.
    template <typename Source>
    void endWhenListLacks(const Source *source, void (Source::*signal)(QList<hidStructInfo>), const QString &path)
    {
        connect(source, signal, this, [this, path](const QList<hidStructInfo> &list) {
            if (!listHasPath(list, path))
                finish(Gone);
        });
    }
    // The readiness of a new link: ready (Done), link or device gone (Gone),
    // or the time limit. A ready link returns Done at once.
    void endOnLinkReady(DDeviceKeyboardLink *link);

    // Waits, unless an end came already; returns the outcome.
    Outcome run();
    Outcome outcome() const { return m_outcome; }

    // Nesting depth of running waits in this thread (0 outside any).
    static int running();

    static bool listHasPath(const QList<hidStructInfo> &list, const QString &path);

public slots:
    void finish(devicePageWait::Outcome outcome);

private:
    QEventLoop m_loop;
    QTimer m_timer;
    Outcome m_outcome = Pending;
};
