#pragma once

#include "WindowsInputCodes.h"

// The system side of the global hooks: delivers every keyboard and mouse event
// of the desktop to a procedure on the GUI thread while installed. The
// keyboard hook also keeps the keys from reaching other programs.
class InputHookBackend
{
public:
    // Returns true when the event was swallowed.
    using KeyboardProc = bool (*)(int vk, int flags);
    using MouseProc = void (*)(int message, const lowLevelMouseRecord &record);

    virtual ~InputHookBackend() = default;

    // false on failure; lastError() then says why.
    virtual bool setKeyboardHook(KeyboardProc proc) = 0;
    virtual bool setMouseHook(MouseProc proc) = 0;
    virtual void unhookKeyboard() = 0;
    virtual void unhookMouse() = 0;
    virtual long lastError() const = 0;
};
