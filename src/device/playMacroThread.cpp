#include "playMacroThread.h"

#include "DDeviceKeyboardLink.h"

playMacroThread::playMacroThread(DDeviceKeyboardLink *link) : QThread(nullptr), m_link(link) {}

void playMacroThread::setPlayParams(int mode, int count, int macroIndex)
{
    m_mode = mode;
    m_count = count;
    m_macroIndex = macroIndex;
}

void playMacroThread::run()
{
    m_link->playMacro(m_mode, m_count, m_macroIndex);
}
