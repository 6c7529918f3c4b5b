#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The rules of recording a macro from the global hooks, without widgets:
// which events are taken, with which mark and delay.
//
// - Every press gets a fresh mark, and its release carries the same mark,
//   whatever comes between: presses wait for their release per key (by
//   virtual-key code, since keys the layout lacks share the device code -1)
//   and per mouse button.
// - A release whose press was not taken is dropped, and so is a second
//   press of something already held.
// - A press is taken only while two places are free in the macro, so its
//   release always fits: a macro never ends with half a pair.
// - Stopping releases what is still held, with the delay 0.
// - The first event of a recording has the delay 0, every later one the
//   time since the event before it; all delays are 0..65535.
class macroRecorder
{
public:
    // Milliseconds since some fixed point; only differences are used, and
    // they may wrap.
    using Clock = std::function<quint32()>;

    enum DelayMode { RecordDelay = 0, NoDelay = 1, DefaultDelay = 2 };
    // Read by the caller for each event, so a change applies from the next.
    struct DelayRule
    {
        int mode = RecordDelay;
        QString defaultDelay; // the text of the default-delay field
    };

    explicit macroRecorder(Clock clock = Clock());

    void setClock(Clock clock);
    // The system's monotonic clock.
    static quint32 systemTickCount();

    bool isRecording() const { return m_recording; }
    // eventsShown: the macro's events already in the table.
    void start(int eventsShown);
    // Ends the recording; returns the releases it appended for what was held.
    QList<macroItemInfo> stop();

    // Each returns the event taken, if any.
    std::optional<macroItemInfo> keyDown(int vk, int code, const QString &caption, const DelayRule &rule);
    std::optional<macroItemInfo> keyUp(int vk, const DelayRule &rule);
    // Any mouse message; only the three buttons' presses and releases count.
    std::optional<macroItemInfo> mouse(int message, const DelayRule &rule);

    // The events taken since the start, in order.
    const QList<macroItemInfo> &pending() const { return m_pending; }
    void clearPending() { m_pending.clear(); }
    // Events of the macro in the table, the shown ones included.
    int eventCount() const { return m_eventCount; }

private:
    struct Held
    {
        bool mouse;
        int id; // virtual-key code, or the mouse button
        QByteArray mark;
        int code;
        QString name; // the key's caption
    };

    int heldIndex(bool mouse, int id) const;
    bool pressFits() const;
    int nextDelay(const DelayRule &rule);
    macroItemInfo take(const QByteArray &mark, int delay, const char *type, int code, const QString &name,
                       const char *word);

    Clock m_clock;
    bool m_recording = false;
    bool m_hasLastEvent = false;
    quint32 m_lastEventTime = 0;
    int m_eventCount = 0;
    QList<Held> m_held;
    QList<macroItemInfo> m_pending;
};
