// The global hooks on a real X server: keys and clicks made through XTest
// arrive as Windows virtual-key codes, flags and mouse messages, the keys
// reach no window while the hooks are installed, and the lock keys still
// toggle. Runs under xvfb-run; skipped where no X server can start.

#include "WindowsHookInterface.h"
#include "X11InputHook.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>
#include <QSignalSpy>
#include <QtTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace WinInput;

namespace {

constexpr int kWaitMs = 5000;

struct MouseEvent
{
    int message;
    QPoint pos;
    quint32 mouseData;
};

} // namespace

class tst_X11InputHook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void keysArriveTranslatedAndSwallowed();
    void clicksArriveAsMouseMessages();
    void capsLockStillToggles();
    void uninstallGivesKeysBack();
    void refusedGrabIsRetriedFromTheEventLoop();
    void grabStillRefusedAfterTheRetries();
    void mappingChangeWhileHookedTakesTheNewKeymap();

private:
    void key(KeySym sym, bool down);
    void tap(KeySym sym);
    void button(unsigned int b, bool down);
    bool capsLocked();
    bool otherClientCanGrab();
    X11InputHook *m_backend = nullptr;

    Display *m_xtest = nullptr;
    QLineEdit *m_edit = nullptr;
    WindowsHookInterface *m_hook = nullptr;
    QList<QVariantList> m_keys;
    QList<MouseEvent> m_mouse;
};

void tst_X11InputHook::initTestCase()
{
    m_xtest = XOpenDisplay(nullptr);
    if (!m_xtest || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("No X server could be started (xvfb-run missing?); the X11 hook test is skipped.");
    int ev = 0, err = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_xtest, &ev, &err, &major, &minor))
        QSKIP("The X server lacks XTEST; the X11 hook test is skipped.");
    auto backend = std::make_unique<X11InputHook>();
    m_backend = backend.get();
    WindowsHookInterface::setHookBackend(std::move(backend));

    m_edit = new QLineEdit;
    m_edit->resize(200, 30);
    m_edit->show();
    m_edit->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_edit));
    m_edit->setFocus();
    QTRY_VERIFY(m_edit->hasFocus());
}

void tst_X11InputHook::cleanupTestCase()
{
    delete m_edit;
    WindowsHookInterface::setHookBackend(nullptr);
    if (m_xtest)
        XCloseDisplay(m_xtest);
}

void tst_X11InputHook::init()
{
    m_keys.clear();
    m_mouse.clear();
    m_edit->clear();
    m_hook = new WindowsHookInterface;
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this,
            [this](int vk, int isDown, int flags) { m_keys.append({vk, isDown, flags}); });
    connect(m_hook, &WindowsHookInterface::sigMouseRecviveStream, this,
            [this](int, WPARAM message, LPARAM data) {
                const auto *rec = reinterpret_cast<const lowLevelMouseRecord *>(data);
                m_mouse.append({int(message), QPoint(rec->x, rec->y), rec->mouseData});
            });
    QCOMPARE(m_hook->installHook(1), 1);
}

void tst_X11InputHook::cleanup()
{
    if (m_hook)
        m_hook->uninstallHook();
    delete m_hook;
    m_hook = nullptr;
}

void tst_X11InputHook::key(KeySym sym, bool down)
{
    const KeyCode code = XKeysymToKeycode(m_xtest, sym);
    QVERIFY2(code != 0, "the test keymap lacks a key");
    XTestFakeKeyEvent(m_xtest, code, down ? True : False, CurrentTime);
    XFlush(m_xtest);
}

void tst_X11InputHook::tap(KeySym sym)
{
    key(sym, true);
    key(sym, false);
}

void tst_X11InputHook::button(unsigned int b, bool down)
{
    XTestFakeButtonEvent(m_xtest, b, down ? True : False, CurrentTime);
    XFlush(m_xtest);
}

bool tst_X11InputHook::capsLocked()
{
    XkbStateRec state;
    XkbGetState(m_xtest, XkbUseCoreKbd, &state);
    return (state.locked_mods & LockMask) != 0;
}

void tst_X11InputHook::keysArriveTranslatedAndSwallowed()
{
    tap(XK_a);
    tap(XK_Return);
    tap(XK_KP_Enter);
    tap(XK_Control_R);
    key(XK_Alt_L, true);
    tap(XK_Tab);
    key(XK_Alt_L, false);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 12, kWaitMs);
    const QList<QVariantList> expected = {
        {VkA, 1, 0},           {VkA, 0, 0x80},
        {VkReturn, 1, 0},      {VkReturn, 0, 0x80},    // Enter: 999 to the macro page
        {VkReturn, 1, 0x01},   {VkReturn, 0, 0x81},    // keypad Enter: 998
        {VkRControl, 1, 0x01}, {VkRControl, 0, 0x81},
        {VkLMenu, 1, 0x20},    {VkTab, 1, 0x20},
        {VkTab, 0, 0xA0},      {VkLMenu, 0, 0x80},
    };
    QCOMPARE(m_keys, expected);

    // Swallowed: the focused field got nothing and kept the focus.
    QTest::qWait(100);
    QCOMPARE(m_edit->text(), QString());
    QVERIFY(m_edit->hasFocus());

    // The keyboard is held: nobody else can take it meanwhile.
    const int other = XGrabKeyboard(m_xtest, DefaultRootWindow(m_xtest), False, GrabModeAsync,
                                    GrabModeAsync, CurrentTime);
    if (other == GrabSuccess)
        XUngrabKeyboard(m_xtest, CurrentTime);
    XFlush(m_xtest);
    QCOMPARE(other, AlreadyGrabbed);
}

void tst_X11InputHook::clicksArriveAsMouseMessages()
{
    XTestFakeMotionEvent(m_xtest, -1, 321, 123, CurrentTime);
    XFlush(m_xtest);
    QTRY_VERIFY_WITH_TIMEOUT(!m_mouse.isEmpty(), kWaitMs);
    QCOMPARE(m_mouse.last().message, MouseMove);
    QCOMPARE(m_mouse.last().pos, QPoint(321, 123));
    m_mouse.clear();

    for (unsigned int b : {1u, 3u, 2u, 8u}) {
        button(b, true);
        button(b, false);
    }
    button(4, true);
    button(4, false);
    button(5, true);
    button(5, false);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse.size(), 10, kWaitMs);
    QList<int> messages;
    for (const MouseEvent &e : qAsConst(m_mouse))
        messages.append(e.message);
    QCOMPARE(messages, (QList<int>{513, 514, 516, 517, 519, 520, 523, 524, 522, 522}));
    QCOMPARE(m_mouse.at(6).mouseData >> 16, quint32(XButton1));
    QCOMPARE(qint16(m_mouse.at(8).mouseData >> 16), qint16(WheelDelta));
    QCOMPARE(qint16(m_mouse.at(9).mouseData >> 16), qint16(-WheelDelta));
    QCOMPARE(m_mouse.at(0).pos, QPoint(321, 123));
}

void tst_X11InputHook::capsLockStillToggles()
{
    const bool before = capsLocked();
    tap(XK_Caps_Lock);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, kWaitMs);
    QCOMPARE(m_keys.at(0), (QVariantList{VkCapital, 1, 0}));
    QCOMPARE(capsLocked(), !before);
    tap(XK_Caps_Lock);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 4, kWaitMs);
    QCOMPARE(capsLocked(), before);
}

void tst_X11InputHook::uninstallGivesKeysBack()
{
    QCOMPARE(m_hook->uninstallHook(), 1);
    tap(XK_b);
    QTRY_COMPARE_WITH_TIMEOUT(m_edit->text(), QStringLiteral("b"), kWaitMs);
    QVERIFY(m_keys.isEmpty());

    // And installing again captures again.
    QCOMPARE(m_hook->installHook(1), 1);
    tap(XK_c);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, kWaitMs);
    QCOMPARE(m_keys.at(0), (QVariantList{int('C'), 1, 0}));
    QCOMPARE(m_edit->text(), QStringLiteral("b"));
}

bool tst_X11InputHook::otherClientCanGrab()
{
    const int result = XGrabKeyboard(m_xtest, DefaultRootWindow(m_xtest), False, GrabModeAsync, GrabModeAsync,
                                     CurrentTime);
    if (result == GrabSuccess)
        XUngrabKeyboard(m_xtest, CurrentTime);
    XSync(m_xtest, False);
    return result == GrabSuccess;
}

void tst_X11InputHook::refusedGrabIsRetriedFromTheEventLoop()
{
    QCOMPARE(m_hook->uninstallHook(), 1);
    // Another program holds the keyboard when the capture starts.
    QCOMPARE(XGrabKeyboard(m_xtest, DefaultRootWindow(m_xtest), False, GrabModeAsync, GrabModeAsync, CurrentTime),
             GrabSuccess);
    XSync(m_xtest, False);
    QCOMPARE(m_hook->installHook(1), 1);
    QVERIFY(!m_backend->isKeyboardGrabbed());

    // It lets go from the event loop, which therefore runs while the hook waits.
    QTimer::singleShot(0, this, [this] {
        XUngrabKeyboard(m_xtest, CurrentTime);
        XSync(m_xtest, False);
    });
    QTRY_VERIFY_WITH_TIMEOUT(m_backend->isKeyboardGrabbed(), kWaitMs);
    QVERIFY(!otherClientCanGrab());
    QCOMPARE(m_backend->lastError(), long(X11InputHook::NoError));

    tap(XK_a);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, kWaitMs);
    QCOMPARE(m_edit->text(), QString());
}

void tst_X11InputHook::grabStillRefusedAfterTheRetries()
{
    QCOMPARE(m_hook->uninstallHook(), 1);
    QCOMPARE(XGrabKeyboard(m_xtest, DefaultRootWindow(m_xtest), False, GrabModeAsync, GrabModeAsync, CurrentTime),
             GrabSuccess);
    XSync(m_xtest, False);
    QCOMPARE(m_hook->installHook(1), 1);
    QTRY_COMPARE_WITH_TIMEOUT(m_backend->lastError(), long(X11InputHook::GrabRefused), kWaitMs);
    XUngrabKeyboard(m_xtest, CurrentTime);
    XSync(m_xtest, False);
    // The retries are over: the hook takes nothing back by itself.
    QTest::qWait(50);
    QVERIFY(!m_backend->isKeyboardGrabbed());
    QVERIFY(otherClientCanGrab());
}

void tst_X11InputHook::mappingChangeWhileHookedTakesTheNewKeymap()
{
    const KeyCode code = XKeysymToKeycode(m_xtest, XK_a);
    QVERIFY(code != 0);
    int perCode = 0;
    KeySym *original = XGetKeyboardMapping(m_xtest, code, 1, &perCode);
    QVERIFY(original);
    const auto restore = qScopeGuard([&] {
        XChangeKeyboardMapping(m_xtest, code, perCode, original, 1);
        XFree(original);
        XSync(m_xtest, False);
    });

    // The key that typed "a" types "q" after a layout change.
    KeySym q[2] = {XK_q, XK_Q};
    XChangeKeyboardMapping(m_xtest, code, 2, q, 1);
    XSync(m_xtest, False);
    QTest::qWait(200); // the server's mapping notice reaches the hook
    XTestFakeKeyEvent(m_xtest, code, True, CurrentTime);
    XTestFakeKeyEvent(m_xtest, code, False, CurrentTime);
    XFlush(m_xtest);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, kWaitMs);
    QCOMPARE(m_keys.at(0), (QVariantList{int('Q'), 1, 0}));
}

int main(int argc, char **argv)
{
    // Without an X server the xcb platform would abort before the test can
    // say why it skips.
    if (Display *probe = XOpenDisplay(nullptr))
        XCloseDisplay(probe);
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tst_X11InputHook test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_x11inputhook.moc"
