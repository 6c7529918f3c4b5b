// Rules of the global hooks, against a scripted backend, and the X11 key
// translation.

#include "WindowsHookInterface.h"
#include "X11InputHook.h"
#include "X11KeyTranslator.h"

#include <QSignalSpy>
#include <QtTest>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

using namespace WinInput;

namespace {

// Stands in for the system hooks: the test plays the system's part by calling
// the procedures it was given.
class FakeBackend : public InputHookBackend
{
public:
    struct Script
    {
        bool failKeyboard = false;
        bool failMouse = false;
        int keyboardSets = 0;
        int mouseSets = 0;
        KeyboardProc keyboard = nullptr;
        MouseProc mouse = nullptr;
    };

    explicit FakeBackend(Script *script) : m_script(script) {}

    bool setKeyboardHook(KeyboardProc proc) override
    {
        ++m_script->keyboardSets;
        if (m_script->failKeyboard)
            return false;
        m_script->keyboard = proc;
        return true;
    }
    bool setMouseHook(MouseProc proc) override
    {
        ++m_script->mouseSets;
        if (m_script->failMouse)
            return false;
        m_script->mouse = proc;
        return true;
    }
    void unhookKeyboard() override { m_script->keyboard = nullptr; }
    void unhookMouse() override { m_script->mouse = nullptr; }
    long lastError() const override { return 7; }

private:
    Script *m_script;
};

} // namespace

class tst_GlobalHooks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressOrRelease_data();
    void pressOrRelease();
    void autoRepeatIsPassedOnUnsignalled();
    void lockAndCtrlKeysPassThrough_data();
    void lockAndCtrlKeysPassThrough();
    void mode4KeepsHeldKeys();
    void lastConstructedObjectReceives();
    void noReceiverPassesEverything();
    void mouseEventsReachReceiverAndPassOn();
    void installFailures();
    void installTwiceSetsHooksOnce();
    void uninstallRemovesBoth();

    void keysymTranslation_data();
    void keysymTranslation();
    void keypadFollowsNumLock();
    void unknownSymbolFallsBackToPosition();

    void x11FailsCleanlyWithoutDisplay();

private:
    FakeBackend::Script m_script;
};

void tst_GlobalHooks::init()
{
    m_script = FakeBackend::Script();
    WindowsHookInterface::setHookBackend(std::make_unique<FakeBackend>(&m_script));
}

void tst_GlobalHooks::cleanup()
{
    WindowsHookInterface::setHookBackend(nullptr);
}

void tst_GlobalHooks::pressOrRelease_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("isDown");
    QTest::newRow("plain") << 0 << 1;
    QTest::newRow("extended") << 0x01 << 1;
    QTest::newRow("injected extended") << 0x11 << 1;
    QTest::newRow("alt down") << 0x20 << 1;
    QTest::newRow("alt down extended") << 0x21 << 1;
    QTest::newRow("up") << 0x80 << 0;
    QTest::newRow("up extended") << 0x81 << 0;
    QTest::newRow("up alt") << 0xA0 << 0;
    QTest::newRow("injected plain counts as release") << 0x10 << 0;
}

void tst_GlobalHooks::pressOrRelease()
{
    QFETCH(int, flags);
    QFETCH(int, isDown);
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.installHook(1), 1);
    QVERIFY(m_script.keyboard(VkA, flags));
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0), (QVariantList{VkA, isDown, flags}));
}

void tst_GlobalHooks::autoRepeatIsPassedOnUnsignalled()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.installHook(1), 1);
    QVERIFY(m_script.keyboard(VkA, 0));
    QVERIFY(!m_script.keyboard(VkA, 0)); // repeat: passed on
    QVERIFY(!m_script.keyboard(VkA, 0));
    QVERIFY(m_script.keyboard('B', 0));  // another key in between
    QVERIFY(!m_script.keyboard(VkA, 0));
    QVERIFY(m_script.keyboard(VkA, FlagUp));
    QVERIFY(m_script.keyboard(VkA, 0));  // pressed anew after its release
    QCOMPARE(keys.count(), 4);
    QCOMPARE(keys.at(0), (QVariantList{VkA, 1, 0}));
    QCOMPARE(keys.at(1), (QVariantList{int('B'), 1, 0}));
    QCOMPARE(keys.at(2), (QVariantList{VkA, 0, FlagUp}));
    QCOMPARE(keys.at(3), (QVariantList{VkA, 1, 0}));
}

void tst_GlobalHooks::lockAndCtrlKeysPassThrough_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<bool>("swallowed");
    QTest::newRow("Caps Lock") << 0x14 << false;
    QTest::newRow("Num Lock") << 0x90 << false;
    QTest::newRow("Scroll Lock") << 0x91 << false;
    QTest::newRow("left Ctrl") << 0xA2 << false;
    QTest::newRow("right Ctrl") << 0xA3 << false;
    QTest::newRow("left Shift") << 0xA0 << true;
    QTest::newRow("left Alt") << 0xA4 << true;
    QTest::newRow("left Win") << 0x5B << true;
    QTest::newRow("Enter") << 0x0D << true;
}

void tst_GlobalHooks::lockAndCtrlKeysPassThrough()
{
    QFETCH(int, vk);
    QFETCH(bool, swallowed);
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.installHook(2), 1);
    QCOMPARE(m_script.keyboard(vk, 0), swallowed);
    QCOMPARE(m_script.keyboard(vk, FlagUp), swallowed);
    QCOMPARE(keys.count(), 2); // signalled either way
}

void tst_GlobalHooks::mode4KeepsHeldKeys()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.installHook(1), 1);
    m_script.keyboard(VkA, 0);
    hook.uninstallHook();

    QCOMPARE(hook.installHook(4), 1);
    m_script.keyboard(VkA, 0); // still held: a repeat
    QCOMPARE(keys.count(), 1);
    hook.uninstallHook();

    QCOMPARE(hook.installHook(3), 1);
    m_script.keyboard(VkA, 0); // forgotten: a new press
    QCOMPARE(keys.count(), 2);

    // Installing again while installed empties the table too.
    QCOMPARE(hook.installHook(2), 1);
    m_script.keyboard(VkA, 0);
    QCOMPARE(keys.count(), 3);
}

void tst_GlobalHooks::lastConstructedObjectReceives()
{
    auto *first = new WindowsHookInterface;
    QSignalSpy firstKeys(first, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(first->installHook(1), 1); // the first installs ...
    auto *second = new WindowsHookInterface;
    QSignalSpy secondKeys(second, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    m_script.keyboard(VkA, 0);
    QCOMPARE(firstKeys.count(), 0); // ... the last constructed receives
    QCOMPARE(secondKeys.count(), 1);

    // Destroying a non-registered object changes nothing.
    delete first;
    m_script.keyboard(VkA, FlagUp);
    QCOMPARE(secondKeys.count(), 2);

    // Destroying the registered one unregisters it but leaves the hooks.
    delete second;
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(!m_script.keyboard('B', 0));
}

void tst_GlobalHooks::noReceiverPassesEverything()
{
    {
        WindowsHookInterface hook;
        QCOMPARE(hook.installHook(1), 1);
    }
    QVERIFY(m_script.keyboard(VkA, 0) == false);
    lowLevelMouseRecord record;
    m_script.mouse(LeftButtonDown, record); // no receiver, no crash
    // Nothing was recorded as held: the next receiver sees a fresh press.
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    m_script.keyboard(VkA, 0);
    QCOMPARE(keys.count(), 1);
}

void tst_GlobalHooks::mouseEventsReachReceiverAndPassOn()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.installHook(1), 1);
    QList<QPair<int, QPoint>> seen;
    int firstArg = -1;
    connect(&hook, &WindowsHookInterface::sigMouseRecviveStream, this,
            [&](int code, WPARAM message, LPARAM data) {
                firstArg = code;
                const auto *rec = reinterpret_cast<const lowLevelMouseRecord *>(data);
                seen.append({int(message), QPoint(rec->x, rec->y)});
            });
    lowLevelMouseRecord record;
    record.x = 12;
    record.y = 34;
    m_script.mouse(LeftButtonDown, record);
    m_script.mouse(LeftButtonUp, record);
    m_script.mouse(MouseMove, record);
    QCOMPARE(firstArg, 0);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen.at(0).first, 513);
    QCOMPARE(seen.at(1).first, 514);
    QCOMPARE(seen.at(2).first, 512);
    QCOMPARE(seen.at(0).second, QPoint(12, 34));
}

void tst_GlobalHooks::installFailures()
{
    WindowsHookInterface hook;
    m_script.failKeyboard = true;
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=7");
    QCOMPARE(hook.installHook(1), 0);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(m_script.mouseSets, 0);

    // A later installation tries again; now the mouse hook fails and the
    // keyboard hook stays.
    m_script.failKeyboard = false;
    m_script.failMouse = true;
    QTest::ignoreMessage(QtDebugMsg, "Set mouse Hook error, error code=7");
    QCOMPARE(hook.installHook(1), 0);
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::isMouseHookInstalled());

    m_script.failMouse = false;
    QCOMPARE(hook.installHook(1), 1);
    QCOMPARE(m_script.keyboardSets, 2);
    QCOMPARE(m_script.mouseSets, 2);
    QVERIFY(WindowsHookInterface::isMouseHookInstalled());
}

void tst_GlobalHooks::installTwiceSetsHooksOnce()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.installHook(1), 1);
    QCOMPARE(hook.installHook(2), 1);
    QCOMPARE(m_script.keyboardSets, 1);
    QCOMPARE(m_script.mouseSets, 1);
}

void tst_GlobalHooks::uninstallRemovesBoth()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.uninstallHook(), 1); // nothing installed: still 1
    QCOMPARE(hook.installHook(1), 1);
    QCOMPARE(hook.uninstallHook(), 1);
    QVERIFY(!m_script.keyboard);
    QVERIFY(!m_script.mouse);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::isMouseHookInstalled());
}

void tst_GlobalHooks::keysymTranslation_data()
{
    QTest::addColumn<qulonglong>("keysym");
    QTest::addColumn<int>("vk");
    QTest::addColumn<bool>("extended");
    QTest::newRow("a") << qulonglong(XK_a) << 0x41 << false;
    QTest::newRow("Z") << qulonglong(XK_Z) << 0x5A << false;
    QTest::newRow("7") << qulonglong(XK_7) << 0x37 << false;
    QTest::newRow("F1") << qulonglong(XK_F1) << 0x70 << false;
    QTest::newRow("F12") << qulonglong(XK_F12) << 0x7B << false;
    QTest::newRow("Return") << qulonglong(XK_Return) << 13 << false;
    QTest::newRow("keypad Enter") << qulonglong(XK_KP_Enter) << 13 << true;
    QTest::newRow("Escape") << qulonglong(XK_Escape) << 27 << false;
    QTest::newRow("left Ctrl") << qulonglong(XK_Control_L) << 162 << false;
    QTest::newRow("right Ctrl") << qulonglong(XK_Control_R) << 163 << true;
    QTest::newRow("left Shift") << qulonglong(XK_Shift_L) << 160 << false;
    QTest::newRow("right Shift") << qulonglong(XK_Shift_R) << 161 << false;
    QTest::newRow("left Alt") << qulonglong(XK_Alt_L) << 164 << false;
    QTest::newRow("AltGr") << qulonglong(XK_ISO_Level3_Shift) << 165 << true;
    QTest::newRow("left Win") << qulonglong(XK_Super_L) << 0x5B << true;
    QTest::newRow("menu") << qulonglong(XK_Menu) << 0x5D << true;
    QTest::newRow("Caps Lock") << qulonglong(XK_Caps_Lock) << 20 << false;
    QTest::newRow("Num Lock") << qulonglong(XK_Num_Lock) << 144 << true;
    QTest::newRow("Scroll Lock") << qulonglong(XK_Scroll_Lock) << 145 << false;
    QTest::newRow("Delete") << qulonglong(XK_Delete) << 0x2E << true;
    QTest::newRow("Left") << qulonglong(XK_Left) << 0x25 << true;
    QTest::newRow("keypad Left") << qulonglong(XK_KP_Left) << 0x25 << false;
    QTest::newRow("keypad 5 without Num Lock") << qulonglong(XK_KP_Begin) << 0x0C << false;
    QTest::newRow("keypad 3") << qulonglong(XK_KP_3) << 0x63 << false;
    QTest::newRow("keypad /") << qulonglong(XK_KP_Divide) << 0x6F << true;
    QTest::newRow("keypad *") << qulonglong(XK_KP_Multiply) << 0x6A << false;
    QTest::newRow("Print") << qulonglong(XK_Print) << 0x2C << true;
    QTest::newRow("Pause") << qulonglong(XK_Pause) << 0x13 << false;
    QTest::newRow("minus") << qulonglong(XK_minus) << 0xBD << false;
    QTest::newRow("apostrophe") << qulonglong(XK_apostrophe) << 0xDE << false;
    QTest::newRow("ISO less") << qulonglong(XK_less) << 0xE2 << false;
    QTest::newRow("volume up") << qulonglong(XF86XK_AudioRaiseVolume) << 0xAF << true;
    QTest::newRow("calculator") << qulonglong(XF86XK_Calculator) << 0xB7 << true;
    QTest::newRow("Cyrillic") << qulonglong(XK_Cyrillic_ef) << 0 << false;
}

void tst_GlobalHooks::keysymTranslation()
{
    QFETCH(qulonglong, keysym);
    QFETCH(int, vk);
    QFETCH(bool, extended);
    const X11KeyTranslator::WindowsKey key = X11KeyTranslator::fromKeysym(keysym);
    QCOMPARE(key.vk, vk);
    QCOMPARE(key.extended, extended);
}

void tst_GlobalHooks::keypadFollowsNumLock()
{
    X11KeyTranslator t;
    t.setKeysyms(79, XK_KP_Home, XK_KP_7);
    t.setKeysyms(104, XK_KP_Enter, XK_KP_Enter);
    QCOMPARE(t.translate(79, false).vk, 0x24);
    QCOMPARE(t.translate(79, true).vk, 0x67);
    QCOMPARE(t.translate(104, true).vk, 13);
    QVERIFY(t.translate(104, true).extended);
    // Only a key that Num Lock changes needs its state asked for.
    t.setKeysyms(38, XK_a, XK_A);
    QVERIFY(t.followsNumLock(79));
    QVERIFY(!t.followsNumLock(104)); // keypad Enter either way
    QVERIFY(!t.followsNumLock(38));
    QVERIFY(!t.followsNumLock(200));
}

void tst_GlobalHooks::unknownSymbolFallsBackToPosition()
{
    X11KeyTranslator t;
    t.setKeysyms(38, XK_Cyrillic_ef, XK_Cyrillic_EF); // the A position
    t.setKeysyms(10, XK_ampersand, XK_1);             // AZERTY's digit row
    t.setKeysyms(24, XK_a, XK_A);                     // AZERTY: the symbol wins
    QCOMPARE(t.translate(38, false).vk, 0x41);
    QCOMPARE(t.translate(10, false).vk, 0x31);
    QCOMPARE(t.translate(24, false).vk, 0x41);
    QCOMPARE(t.translate(200, false).vk, 0); // nothing known
}

void tst_GlobalHooks::x11FailsCleanlyWithoutDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    WindowsHookInterface::setHookBackend(std::make_unique<X11InputHook>());
    WindowsHookInterface hook;
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=1");
    QCOMPARE(hook.installHook(1), 0);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(hook.uninstallHook(), 1);
    if (!display.isNull())
        qputenv("DISPLAY", display);
}

QTEST_MAIN(tst_GlobalHooks)
#include "tst_globalhooks.moc"
