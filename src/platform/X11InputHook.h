#pragma once

#include "InputHookBackend.h"
#include "X11KeyTranslator.h"

#include <QObject>
#include <QSet>
#include <QTimer>

class QSocketNotifier;
struct _XDisplay;

// The global hooks on X11. The RECORD extension reports every key and pointer
// event of the desktop on a connection of its own; its socket is watched on
// the GUI thread, so the procedures run there, as the callers expect. While
// the keyboard hook is set the keyboard is grabbed, which keeps the keys from
// every other program; the server still toggles the lock keys under a grab.
// A grab another program holds is tried again from a timer, never by sleeping
// on the GUI thread; meanwhile the keys are seen but not withheld. The keymap
// is read again whenever the server announces a mapping change.
class X11InputHook : public QObject, public InputHookBackend
{
    Q_OBJECT

public:
    enum Error : long {
        NoError = 0,
        NoDisplay = 1,     // no X11 display (a console, or a Wayland session)
        NoRecord = 2,      // the server lacks RECORD
        RecordFailed = 3,  // the recording context could not be set up
        GrabRefused = 4,   // another program holds the keyboard
    };

    explicit X11InputHook(QObject *parent = nullptr);
    ~X11InputHook() override;

    bool setKeyboardHook(KeyboardProc proc) override;
    bool setMouseHook(MouseProc proc) override;
    void unhookKeyboard() override;
    void unhookMouse() override;
    long lastError() const override { return m_lastError; }

    bool isKeyboardGrabbed() const { return m_grabbed; }

private:
    bool startRecording();
    void stopRecording();
    void grabKeyboard();
    bool attemptGrab();
    void onGrabRetry();
    void ungrabKeyboard();
    void loadKeymap();
    void watchMappingChanges();
    bool numLockOn();
    void onRecordData();
    void onControlEvents();
    void handleRecordedEvent(const unsigned char *event);

    friend struct X11RecordCallback;

    _XDisplay *m_control = nullptr; // requests and the grab
    _XDisplay *m_data = nullptr;    // the recorded events only
    unsigned long m_context = 0;
    QSocketNotifier *m_dataNotifier = nullptr;
    QSocketNotifier *m_controlNotifier = nullptr;
    KeyboardProc m_keyboardProc = nullptr;
    MouseProc m_mouseProc = nullptr;
    bool m_grabbed = false;
    QTimer m_grabRetry;
    int m_grabAttemptsLeft = 0;
    int m_xkbEventBase = -1;
    bool m_dispatching = false;
    long m_lastError = NoError;
    unsigned m_numLockMask = 0;
    X11KeyTranslator m_translator;
    QSet<int> m_altKeysDown;
};
