#include "keyCaptureHooks.h"

#include "WindowsHookInterface.h"

keyCaptureHooks::keyCaptureHooks(int mode) : m_hook(std::make_unique<WindowsHookInterface>()), m_mode(mode) {}

keyCaptureHooks::~keyCaptureHooks()
{
    release();
}

void keyCaptureHooks::take()
{
    // A failure is logged by the hook object; the on-screen keyboard still works.
    m_hook->installHook(m_mode);
    m_held = true;
}

void keyCaptureHooks::release()
{
    if (!m_held)
        return;
    m_hook->uninstallHook();
    m_held = false;
}
