#pragma once

#include <QThread>

class DDeviceKeyboardLink;

// Plays one macro playback of a device link on its own thread: run() hands
// the parameters to the link's playback loop.
class playMacroThread : public QThread
{
    Q_OBJECT

public:
    explicit playMacroThread(DDeviceKeyboardLink *link);

    // Set only while the thread is not running.
    void setPlayParams(int mode, int count, int macroIndex);

protected:
    void run() override;

private:
    DDeviceKeyboardLink *m_link;
    int m_mode = 0;
    int m_count = 0;
    int m_macroIndex = 0;
};
