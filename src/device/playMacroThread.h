#pragma once

#include <QThread>

#include <mutex>

class DDeviceKeyboardLink;

// Plays one macro playback of a device link on its own thread: run() hands
// the parameters to the link's playback loop.
class playMacroThread : public QThread
{
    Q_OBJECT

public:
    explicit playMacroThread(DDeviceKeyboardLink *link);

    // Set only while the thread is not running; each call starts a new run.
    void setPlayParams(int mode, int count, int macroIndex);
    // The run the last setPlayParams began.
    int currentRun();
    // wait(), then take the lock the run released last, so the run's end
    // is ordered before what follows even for ThreadSanitizer.
    void waitForEnd();

signals:
    // The playback of that run has ended; emitted on the player's thread.
    void sigPlaybackEnded(int run);

protected:
    void run() override;

private:
    DDeviceKeyboardLink *m_link;
    // Also orders one run's end before the next setPlayParams for tools
    // that cannot see QThread::wait.
    std::mutex m_lock;
    int m_mode = 0;
    int m_count = 0;
    int m_macroIndex = 0;
    int m_run = 0;
};
