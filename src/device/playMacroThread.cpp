#include "playMacroThread.h"

#include "DDeviceKeyboardLink.h"

playMacroThread::playMacroThread(DDeviceKeyboardLink *link) : QThread(nullptr), m_link(link) {}

void playMacroThread::setPlayParams(int mode, int count, int macroIndex)
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_mode = mode;
    m_count = count;
    m_macroIndex = macroIndex;
    ++m_run;
}

int playMacroThread::currentRun()
{
    std::lock_guard<std::mutex> locker(m_lock);
    return m_run;
}

void playMacroThread::waitForEnd()
{
    wait();
    std::lock_guard<std::mutex> ended(m_lock);
}

void playMacroThread::run()
{
    int mode, count, macroIndex, runId;
    {
        std::lock_guard<std::mutex> locker(m_lock);
        mode = m_mode;
        count = m_count;
        macroIndex = m_macroIndex;
        runId = m_run;
    }
    m_link->playMacro(mode, count, macroIndex);
    emit sigPlaybackEnded(runId);
    std::lock_guard<std::mutex> finished(m_lock);
}
