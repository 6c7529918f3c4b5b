#include "WindowsHookInterface.h"

#include "X11InputHook.h"

#include <QDebug>
#include <QMap>
#include <QVector>

using namespace WinInput;

namespace {

const QString kHookKey = QStringLiteral("HOOK");
constexpr int kPressedKeyTableSize = 128;

// Process-wide hook state; used only on the GUI thread.
struct HookState
{
    QMap<QString, WindowsHookInterface *> hookInterfaceMap;
    QVector<quint8> pressedKeyTable;
    std::unique_ptr<InputHookBackend> backend;
    bool keyboardHooked = false;
    bool mouseHooked = false;

    InputHookBackend *hookBackend()
    {
        if (!backend)
            backend = std::make_unique<X11InputHook>();
        return backend.get();
    }
};

HookState &hookState()
{
    static HookState state;
    return state;
}

bool isPressFlags(int flags)
{
    switch (flags) {
    case 0:
    case FlagExtended:
    case FlagInjected | FlagExtended:
    case FlagAltDown:
    case FlagAltDown | FlagExtended:
        return true;
    default:
        return false;
    }
}

// Keys whose state other programs must still see.
bool passesThrough(int vk)
{
    return vk == VkCapital || vk == VkNumLock || vk == VkScroll || vk == VkLControl || vk == VkRControl;
}

} // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent) : QObject(parent)
{
    hookState().hookInterfaceMap.insert(kHookKey, this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    HookState &state = hookState();
    if (state.hookInterfaceMap.value(kHookKey) == this)
        state.hookInterfaceMap.remove(kHookKey);
}

int WindowsHookInterface::installHook(int mode)
{
    HookState &state = hookState();
    if (mode != 4)
        state.pressedKeyTable.clear();
    InputHookBackend *backend = state.hookBackend();
    if (!state.keyboardHooked) {
        if (!backend->setKeyboardHook(&WindowsHookInterface::keyboardHookProc)) {
            qDebug("Set keyboard Hook error, error code=%ld", backend->lastError());
            return 0;
        }
        state.keyboardHooked = true;
    }
    if (!state.mouseHooked) {
        if (!backend->setMouseHook(&WindowsHookInterface::mouseHookProc)) {
            qDebug("Set mouse Hook error, error code=%ld", backend->lastError());
            return 0;
        }
        state.mouseHooked = true;
    }
    return 1;
}

int WindowsHookInterface::uninstallHook()
{
    HookState &state = hookState();
    if (state.keyboardHooked) {
        state.backend->unhookKeyboard();
        state.keyboardHooked = false;
    }
    if (state.mouseHooked) {
        state.backend->unhookMouse();
        state.mouseHooked = false;
    }
    return 1;
}

bool WindowsHookInterface::keyboardHookProc(int vk, int flags)
{
    HookState &state = hookState();
    WindowsHookInterface *receiver = state.hookInterfaceMap.value(kHookKey);
    if (!receiver)
        return false;
    const bool down = isPressFlags(flags);
    const quint8 code = static_cast<quint8>(vk);
    if (down) {
        if (state.pressedKeyTable.contains(code))
            return false; // auto-repeat: on to the system, unsignalled
        if (state.pressedKeyTable.size() < kPressedKeyTableSize)
            state.pressedKeyTable.append(code);
    } else {
        state.pressedKeyTable.removeAll(code);
    }
    emit receiver->sigKeyboardRecviveStreamEX(vk, down ? 1 : 0, flags);
    return !passesThrough(vk);
}

void WindowsHookInterface::mouseHookProc(int message, const lowLevelMouseRecord &record)
{
    WindowsHookInterface *receiver = hookState().hookInterfaceMap.value(kHookKey);
    if (!receiver)
        return;
    emit receiver->sigMouseRecviveStream(0, static_cast<WPARAM>(message), reinterpret_cast<LPARAM>(&record));
}

void WindowsHookInterface::setHookBackend(std::unique_ptr<InputHookBackend> backend)
{
    HookState &state = hookState();
    if (state.backend) {
        if (state.keyboardHooked)
            state.backend->unhookKeyboard();
        if (state.mouseHooked)
            state.backend->unhookMouse();
    }
    state.keyboardHooked = false;
    state.mouseHooked = false;
    state.backend = std::move(backend);
}

bool WindowsHookInterface::isKeyboardHookInstalled()
{
    return hookState().keyboardHooked;
}

bool WindowsHookInterface::isMouseHookInstalled()
{
    return hookState().mouseHooked;
}
