#pragma once

#include <memory>

class WindowsHookInterface;

// The global hooks a capture field holds while it has the focus. Owns the
// page's hook object; releases the hooks when dropped while holding them, so
// a page destroyed with the focus in its field leaves no grab behind.
class keyCaptureHooks
{
public:
    explicit keyCaptureHooks(int mode);
    ~keyCaptureHooks();
    keyCaptureHooks(const keyCaptureHooks &) = delete;
    keyCaptureHooks &operator=(const keyCaptureHooks &) = delete;

    void take();
    void release();
    bool isHeld() const { return m_held; }

private:
    std::unique_ptr<WindowsHookInterface> m_hook;
    int m_mode;
    bool m_held = false;
};
