#pragma once

#include "InputHookBackend.h"
#include "WindowsInputCodes.h"

#include <QObject>

#include <memory>

// Captures the whole desktop's keyboard and mouse input while the hooks are
// installed. The hooks are process-wide and their events go to exactly one
// object, the one constructed last. While the keyboard hook is installed the
// keys reach no other program.
class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // Mode 4 keeps the table of held keys; every other mode empties it.
    // 1 on success or when already installed, 0 when a hook cannot be set.
    int installHook(int mode);
    int uninstallHook();

    // The hook procedures, called by the backend for every event on the GUI
    // thread. The keyboard one returns true when it swallows the event.
    static bool keyboardHookProc(int vk, int flags);
    static void mouseHookProc(int message, const lowLevelMouseRecord &record);

    // Replaces the system backend (the default is X11); removes any installed
    // hooks of the old one first.
    static void setHookBackend(std::unique_ptr<InputHookBackend> backend);

    static bool isKeyboardHookInstalled();
    static bool isMouseHookInstalled();

signals:
    void sigKeyboardRecviveStreamEX(int vk, int isDown, int flags);
    void sigMouseRecviveStream(int code, WPARAM message, LPARAM record);
    // Kept for callers that connect it; never emitted.
    void sigKeyboardRecviveStream(int code, WPARAM wParam, LPARAM lParam);
};
