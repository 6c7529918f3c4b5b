#include "X11InputHook.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QSocketNotifier>
#include <QVector>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

#include <array>
#include <cstring>

using namespace WinInput;

namespace {

constexpr int kGrabAttempts = 20;
constexpr int kGrabRetryMs = 10;

// Xlib's default error handler ends the process; our requests fail softly.
int g_xErrors = 0;
int countXError(Display *, XErrorEvent *)
{
    ++g_xErrors;
    return 0;
}

class XErrorTrap
{
public:
    XErrorTrap() : m_previous(XSetErrorHandler(countXError)) { g_xErrors = 0; }
    ~XErrorTrap() { XSetErrorHandler(m_previous); }
    bool failed() const { return g_xErrors > 0; }

private:
    XErrorHandler m_previous;
};

using RecordedEvent = std::array<unsigned char, sizeof(xEvent)>;

// Events read during one XRecordProcessReplies call; handed out after it
// returns, because a receiver may remove the hooks and close the connection.
QVector<RecordedEvent> *g_recordBatch = nullptr;

Display *dpy(_XDisplay *d)
{
    return reinterpret_cast<Display *>(d);
}

} // namespace

struct X11RecordCallback
{
    static void intercept(XPointer, XRecordInterceptData *data)
    {
        if (data->category == XRecordFromServer && g_recordBatch
            && data->data_len * 4 >= sizeof(xEvent)) {
            RecordedEvent ev;
            std::memcpy(ev.data(), data->data, ev.size());
            g_recordBatch->append(ev);
        }
        XRecordFreeData(data);
    }
};

X11InputHook::X11InputHook(QObject *parent) : QObject(parent)
{
    m_grabRetry.setInterval(kGrabRetryMs);
    connect(&m_grabRetry, &QTimer::timeout, this, &X11InputHook::onGrabRetry);
}

X11InputHook::~X11InputHook()
{
    m_keyboardProc = nullptr;
    m_mouseProc = nullptr;
    ungrabKeyboard();
    stopRecording();
}

bool X11InputHook::setKeyboardHook(KeyboardProc proc)
{
    m_lastError = NoError;
    if (!startRecording())
        return false;
    loadKeymap();
    m_altKeysDown.clear();
    m_keyboardProc = proc;
    grabKeyboard();
    return true;
}

bool X11InputHook::setMouseHook(MouseProc proc)
{
    m_lastError = NoError;
    if (!startRecording())
        return false;
    m_mouseProc = proc;
    return true;
}

void X11InputHook::unhookKeyboard()
{
    m_keyboardProc = nullptr;
    ungrabKeyboard();
    if (!m_mouseProc)
        stopRecording();
}

void X11InputHook::unhookMouse()
{
    m_mouseProc = nullptr;
    if (!m_keyboardProc)
        stopRecording();
}

bool X11InputHook::startRecording()
{
    if (m_data)
        return true;
    // Under Wayland an X server sees only its own clients' input.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        m_lastError = NoDisplay;
        return false;
    }
    m_control = reinterpret_cast<_XDisplay *>(XOpenDisplay(nullptr));
    if (!m_control) {
        m_lastError = NoDisplay;
        return false;
    }
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(dpy(m_control), &major, &minor)) {
        m_lastError = NoRecord;
        stopRecording();
        return false;
    }
    m_data = reinterpret_cast<_XDisplay *>(XOpenDisplay(nullptr));
    if (!m_data) {
        m_lastError = NoDisplay;
        stopRecording();
        return false;
    }

    XErrorTrap trap;
    XRecordRange *range = XRecordAllocRange();
    if (!range) {
        m_lastError = RecordFailed;
        stopRecording();
        return false;
    }
    range->device_events.first = KeyPress;
    range->device_events.last = MotionNotify;
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(dpy(m_control), 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(dpy(m_control), False);
    if (!m_context || trap.failed()
        || !XRecordEnableContextAsync(dpy(m_data), m_context, X11RecordCallback::intercept, nullptr)) {
        m_lastError = RecordFailed;
        stopRecording();
        return false;
    }
    XFlush(dpy(m_data));

    m_dataNotifier = new QSocketNotifier(ConnectionNumber(dpy(m_data)), QSocketNotifier::Read, this);
    connect(m_dataNotifier, &QSocketNotifier::activated, this, &X11InputHook::onRecordData);
    m_controlNotifier = new QSocketNotifier(ConnectionNumber(dpy(m_control)), QSocketNotifier::Read, this);
    connect(m_controlNotifier, &QSocketNotifier::activated, this, &X11InputHook::onControlEvents);
    m_numLockMask = XkbKeysymToModifiers(dpy(m_control), XK_Num_Lock);
    watchMappingChanges();
    return true;
}

void X11InputHook::watchMappingChanges()
{
    // Core MappingNotify reaches every client; with XKB the layout switches
    // arrive as XKB events, which must be asked for.
    Display *d = dpy(m_control);
    int opcode = 0, eventBase = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (XkbQueryExtension(d, &opcode, &eventBase, &errorBase, &major, &minor)) {
        const unsigned long mask = XkbMapNotifyMask | XkbNewKeyboardNotifyMask;
        XkbSelectEvents(d, XkbUseCoreKbd, mask, mask);
        m_xkbEventBase = eventBase;
    }
    XFlush(d);
}

void X11InputHook::stopRecording()
{
    for (QSocketNotifier *n : {m_dataNotifier, m_controlNotifier}) {
        if (!n)
            continue;
        n->setEnabled(false);
        // Not while its own signal is running.
        if (m_dispatching)
            n->deleteLater();
        else
            delete n;
    }
    m_dataNotifier = nullptr;
    m_controlNotifier = nullptr;
    if (m_control && m_context) {
        XErrorTrap trap;
        XRecordDisableContext(dpy(m_control), m_context);
        XRecordFreeContext(dpy(m_control), m_context);
        XSync(dpy(m_control), False);
    }
    m_context = 0;
    if (m_data)
        XCloseDisplay(dpy(m_data));
    m_data = nullptr;
    if (m_control)
        XCloseDisplay(dpy(m_control));
    m_control = nullptr;
    m_grabbed = false;
    m_grabRetry.stop();
    m_xkbEventBase = -1;
}

void X11InputHook::grabKeyboard()
{
    if (m_grabbed || m_grabRetry.isActive())
        return;
    if (attemptGrab())
        return;
    // Another client's grab (a menu being closed) usually ends at once.
    m_grabAttemptsLeft = kGrabAttempts - 1;
    m_grabRetry.start();
}

bool X11InputHook::attemptGrab()
{
    Display *d = dpy(m_control);
    const Window root = DefaultRootWindow(d);
    // Grabbing on the focused window itself moves no focus, so the window that
    // asked for the capture keeps its keyboard focus.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    Window target = (focus == None || focus == PointerRoot) ? root : focus;

    for (int pass = 0; pass < 2; ++pass) {
        XErrorTrap trap;
        const int result = XGrabKeyboard(d, target, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (result == GrabSuccess && !trap.failed()) {
            m_grabbed = true;
            return true;
        }
        if (target == root || (result != GrabNotViewable && !trap.failed()))
            break;
        target = root;
    }
    return false;
}

void X11InputHook::onGrabRetry()
{
    if (!m_control || !m_keyboardProc || m_grabbed) {
        m_grabRetry.stop();
        return;
    }
    if (attemptGrab()) {
        m_grabRetry.stop();
        return;
    }
    if (--m_grabAttemptsLeft <= 0) {
        m_grabRetry.stop();
        m_lastError = GrabRefused;
        qWarning("X11 hook: another program holds the keyboard; the captured keys also reach it");
    }
}

void X11InputHook::ungrabKeyboard()
{
    m_grabRetry.stop();
    if (!m_grabbed || !m_control)
        return;
    XUngrabKeyboard(dpy(m_control), CurrentTime);
    XFlush(dpy(m_control));
    m_grabbed = false;
}

void X11InputHook::loadKeymap()
{
    m_translator.clear();
    Display *d = dpy(m_control);
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(d, &minCode, &maxCode);
    int perCode = 0;
    KeySym *syms = XGetKeyboardMapping(d, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
    if (!syms)
        return;
    for (int code = minCode; code <= maxCode; ++code) {
        const KeySym *row = syms + (code - minCode) * perCode;
        m_translator.setKeysyms(code, perCode > 0 ? row[0] : NoSymbol, perCode > 1 ? row[1] : NoSymbol);
    }
    XFree(syms);
}

bool X11InputHook::numLockOn()
{
    XkbStateRec state;
    if (!m_control || XkbGetState(dpy(m_control), XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & m_numLockMask) != 0;
}

void X11InputHook::onRecordData()
{
    if (!m_data)
        return;
    QVector<RecordedEvent> batch;
    const QScopedValueRollback<bool> dispatching(m_dispatching, true);
    g_recordBatch = &batch;
    {
        XErrorTrap trap;
        XRecordProcessReplies(dpy(m_data));
    }
    g_recordBatch = nullptr;
    for (const RecordedEvent &ev : qAsConst(batch)) {
        if (!m_data) // a receiver removed the hooks
            break;
        handleRecordedEvent(ev.data());
    }
}

void X11InputHook::onControlEvents()
{
    // The grabbed keys arrive here too; they were already seen through RECORD.
    if (!m_control)
        return;
    const QScopedValueRollback<bool> dispatching(m_dispatching, true);
    bool mappingChanged = false;
    while (m_control && XPending(dpy(m_control)) > 0) {
        XEvent ev;
        XNextEvent(dpy(m_control), &ev);
        if (ev.type == MappingNotify) {
            XRefreshKeyboardMapping(&ev.xmapping);
            mappingChanged |= ev.xmapping.request != MappingPointer;
        } else if (m_xkbEventBase >= 0 && ev.type == m_xkbEventBase) {
            const int xkbType = reinterpret_cast<const XkbAnyEvent &>(ev).xkb_type;
            mappingChanged |= xkbType == XkbMapNotify || xkbType == XkbNewKeyboardNotify;
        }
    }
    // A layout change while hooked: translate with the new keymap from now on.
    if (mappingChanged && m_control && m_keyboardProc) {
        loadKeymap();
        m_numLockMask = XkbKeysymToModifiers(dpy(m_control), XK_Num_Lock);
    }
}

void X11InputHook::handleRecordedEvent(const unsigned char *raw)
{
    xEvent ev;
    std::memcpy(&ev, raw, sizeof ev);
    const int type = ev.u.u.type & 0x7f;
    const int detail = ev.u.u.detail;

    if (type == KeyPress || type == KeyRelease) {
        if (!m_keyboardProc)
            return;
        // Asking the server for Num Lock is a round trip: only for the keypad.
        const bool numLock = m_translator.followsNumLock(detail) && numLockOn();
        const X11KeyTranslator::WindowsKey key = m_translator.translate(detail, numLock);
        if (key.vk == 0)
            return;
        const bool down = type == KeyPress;
        if (key.vk == VkLMenu || key.vk == VkRMenu) {
            if (down)
                m_altKeysDown.insert(key.vk);
            else
                m_altKeysDown.remove(key.vk);
        }
        int flags = 0;
        if (key.extended)
            flags |= FlagExtended;
        if (!m_altKeysDown.isEmpty())
            flags |= FlagAltDown;
        if (!down)
            flags |= FlagUp;
        m_keyboardProc(key.vk, flags);
        return;
    }

    if (!m_mouseProc || (type != ButtonPress && type != ButtonRelease && type != MotionNotify))
        return;
    lowLevelMouseRecord record;
    record.x = ev.u.keyButtonPointer.rootX;
    record.y = ev.u.keyButtonPointer.rootY;
    record.time = ev.u.keyButtonPointer.time;
    int message = 0;
    const bool down = type == ButtonPress;
    const auto wheel = [&](int delta) {
        record.mouseData = static_cast<quint32>(static_cast<quint16>(delta)) << 16;
    };
    if (type == MotionNotify) {
        message = MouseMove;
    } else {
        switch (detail) {
        case 1:
            message = down ? LeftButtonDown : LeftButtonUp;
            break;
        case 2:
            message = down ? MiddleButtonDown : MiddleButtonUp;
            break;
        case 3:
            message = down ? RightButtonDown : RightButtonUp;
            break;
        case 4:
        case 5:
            // A wheel step is a press and a release; Windows reports it once.
            if (!down)
                return;
            message = MouseWheel;
            wheel(detail == 4 ? WheelDelta : -WheelDelta);
            break;
        case 6:
        case 7:
            if (!down)
                return;
            message = MouseHWheel;
            wheel(detail == 7 ? WheelDelta : -WheelDelta);
            break;
        case 8:
        case 9:
            message = down ? XButtonDown : XButtonUp;
            record.mouseData = static_cast<quint32>(detail == 8 ? XButton1 : XButton2) << 16;
            break;
        default:
            return;
        }
    }
    m_mouseProc(message, record);
}
