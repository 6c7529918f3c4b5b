// The macro page's hook side: key routing and forwarding, and recording on
// a hand-moved clock with scripted hooks.

#include "DDataManager.h"
#include "macroPageFixture.h"
#include "../fullDiskScope.h"

#include <QApplication>
#include <QButtonGroup>
#include <QtTest>

namespace {

constexpr int kVkA = 0x41;
constexpr int kVkB = 0x42;
constexpr int kVkReturn = 0x0D;
constexpr int kUnknownVk = 0xFF;

// n/2 pairs of key A (and a lone press when n is odd).
QList<Event> storedEvents(int n)
{
    QList<Event> events;
    for (int i = 0; i < n; ++i)
        events << Event{"m" + QByteArray::number(i / 2), 5, "key", 4, "A", i % 2 ? "up" : "down"};
    return events;
}

QByteArrayList marksOf(const QList<macroItemInfo> &items)
{
    QByteArrayList marks;
    for (const macroItemInfo &item : items)
        marks << QByteArray(item.mark);
    return marks;
}

} // namespace

class tst_MacroRecording : public QObject
{
    Q_OBJECT

private slots:
    void boxTextsBold_data();
    void boxTextsBold();
    void enterAndForwarding_data();
    void enterAndForwarding();
    void capturedKeyGoesToFocusedField();
    void delayModes_data();
    void delayModes();
    void interleavedKeysAndButtonsKeepTheirMarks();
    void limitKeepsPairsWhole_data();
    void limitKeepsPairsWhole();
    void heldAtStopGetReleases();
    void staleReleasesAndOtherMouseMessagesAreDropped();
    void recordClicksAreNotRecorded();
    void stopWithoutEventsStillReloadsAndSignals();
    void recordingOnAFullDiskIsTold();
    void noCurrentMacroOrNoHooks();
    void focusedKeyFieldKeepsNoHookFromRecording();
    void listThemeAndLanguageLeaveTheRecordingAlone();
};

void tst_MacroRecording::enterAndForwarding_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("isDown");

    QTest::newRow("Enter down") << kVkReturn << 0 << 40 << 1;
    QTest::newRow("keypad Enter down") << kVkReturn << 0x01 << 88 << 1;
    QTest::newRow("Alt+Enter down") << kVkReturn << 0x20 << 40 << 1;
    QTest::newRow("Alt+keypad Enter down") << kVkReturn << 0x21 << 88 << 1;
    QTest::newRow("Enter up") << kVkReturn << 0x80 << 40 << 0;
    QTest::newRow("keypad Enter up") << kVkReturn << 0x81 << 88 << 0;
    QTest::newRow("Alt+Enter up") << kVkReturn << 0xA0 << 40 << 0;
    QTest::newRow("A") << kVkA << 0 << 4 << 1;
    QTest::newRow("key the layout lacks") << kUnknownVk << 0 << -1 << 1;
}

void tst_MacroRecording::boxTextsBold_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"radioButton_RecordDelay", "radioButton_NoDelay", "radioButton_DefaultDelay", "lineEdit_DefaultDelayNum",
          "label_11", "radioButton_InsertAfter", "radioButton_InsertBefore", "radioButton_Key", "radioButton_Mouse",
          "radioButton_MouseLeft", "lineEdit_EnterKey", "lineEdit_EnterDelayNum", "lineEdit_DelayNum",
          "radioButton_KeyboardEvent", "radioButton_MouseEvent", "lineEdit_PressKey", "radioButton_1left"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The three boxes of the delay, insert and property settings write every
// text bold, in every theme.
void tst_MacroRecording::boxTextsBold()
{
    QFETCH(QString, name);
    MacroPageFixture f;
    for (int theme : {0, 1}) {
        DDataManager::instance()->loadThemeConfig(theme);
        f.page->changAppTheme();
        QWidget *widget = f.child<QWidget>(name.toLatin1().constData());
        widget->ensurePolished();
        QCOMPARE(widget->font().weight(), int(QFont::Bold));
    }
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_MacroRecording::enterAndForwarding()
{
    QFETCH(int, vk);
    QFETCH(int, flags);
    QFETCH(int, code);
    QFETCH(int, isDown);

    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    f.page->setCurrentPageStatus(false);
    // Another page has the hooks set, say the remap page's capture field.
    QVERIFY(f.page->findChild<WindowsHookInterface *>()->installHook(2));
    QSignalSpy forwarded(f.page.get(), &DMacroPage::sigHookKeyboardRecviveStream);

    WindowsHookInterface::keyboardHookProc(vk, flags);
    QCOMPARE(forwarded.size(), 1);
    QCOMPARE(forwarded.at(0), (QVariantList{0, code, isDown}));

    // The same key with the macro page shown is captured, not forwarded.
    f.page->setCurrentPageStatus(true);
    WindowsHookInterface::keyboardHookProc(vk, flags ^ 0x80);
    QCOMPARE(forwarded.size(), 1);
}

void tst_MacroRecording::capturedKeyGoesToFocusedField()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", keyPair("m"));
    f.showPage();
    QApplication::setActiveWindow(f.page.get());
    auto *enterKey = f.child<QLineEdit>("lineEdit_EnterKey");
    enterKey->setFocus();
    QTRY_VERIFY(enterKey->hasFocus());
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());

    QVERIFY(f.key(kVkReturn, true, 0x01));
    QCOMPARE(enterKey->text(), QStringLiteral("NumEnter"));
    QVERIFY(f.key(kVkA, true));
    QCOMPARE(enterKey->text(), QStringLiteral("A"));
    QVERIFY(f.child<QLineEdit>("lineEdit_PressKey")->text().isEmpty());

    // Leaving the field gives the keys back.
    f.child<QLineEdit>("lineEdit_PressKey")->setFocus();
    QTRY_VERIFY(f.child<QLineEdit>("lineEdit_PressKey")->hasFocus());
    QVERIFY(f.key(kVkB, true));
    QCOMPARE(f.child<QLineEdit>("lineEdit_PressKey")->text(), QStringLiteral("B"));
    f.child<QWidget>("frame_Record")->setFocus();
    f.page->setFocus();
    QTRY_VERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
}

void tst_MacroRecording::delayModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("defaultDelay");
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<QStringList>("delays");

    QTest::newRow("measured") << 0 << "100" << 250 << QStringList{"0", "250", "40"};
    QTest::newRow("measured, over the limit") << 0 << "100" << 70000 << QStringList{"0", "65535", "40"};
    QTest::newRow("none") << 1 << "100" << 250 << QStringList{"0", "0", "0"};
    QTest::newRow("default") << 2 << "100" << 250 << QStringList{"100", "100", "100"};
    QTest::newRow("default letters") << 2 << "abc" << 250 << QStringList{"0", "0", "0"};
    QTest::newRow("default over the limit") << 2 << "70000" << 250 << QStringList{"65535", "65535", "65535"};
    QTest::newRow("default negative") << 2 << "-5" << 250 << QStringList{"0", "0", "0"};
    QTest::newRow("default huge") << 2 << "123456789012345678901234567890" << 250
                                  << QStringList{"65535", "65535", "65535"};
}

void tst_MacroRecording::delayModes()
{
    QFETCH(int, mode);
    QFETCH(QString, defaultDelay);
    QFETCH(int, holdMs);
    QFETCH(QStringList, delays);

    MacroPageFixture f;
    f.addMacro(1, "Macro1", keyPair("old", 7, 9));
    f.showPage();
    f.page->findChild<QButtonGroup *>()->button(mode)->setChecked(true);
    f.child<QLineEdit>("lineEdit_DefaultDelayNum")->setText(defaultDelay);

    f.clickRecord();
    QVERIFY(f.page->getRecordStatus());
    f.advance(3000);
    QVERIFY(f.tap(kVkA, holdMs));
    f.advance(40);
    QVERIFY(f.mouse(516));
    f.advance(60);
    f.page->findChild<QButtonGroup *>()->button(1)->setChecked(true); // read per event
    QVERIFY(f.mouse(517));
    f.clickRecord();
    QVERIFY(!f.page->getRecordStatus());

    const QList<macroItemInfo> items = f.fileItems();
    QCOMPARE(items.size(), 6);
    QStringList stored;
    for (int i = 2; i < 5; ++i)
        stored << QString::fromLatin1(items.at(i).delay);
    QCOMPARE(stored, delays);
    QCOMPARE(QByteArray(items.at(5).delay), QByteArray("0"));
}

void tst_MacroRecording::interleavedKeysAndButtonsKeepTheirMarks()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.clickRecord();
    QCOMPARE(f.notices.last(), QStringLiteral("Start record macro"));
    QCOMPARE(f.child<QLabel>("label")->text(), QStringLiteral("Stop"));

    QVERIFY(f.key(kVkA, true));
    f.advance(10);
    QVERIFY(f.mouse(513));
    f.advance(10);
    QVERIFY(f.key(kVkReturn, true, 0x01));
    f.advance(10);
    QVERIFY(f.key(kVkA, false));
    f.advance(10);
    QVERIFY(f.mouse(514));
    f.advance(10);
    QVERIFY(f.key(kVkReturn, false, 0x01));
    // Shown at once, stored at Stop.
    QCOMPARE(f.page->eventRows().size(), 6);
    QCOMPARE(f.totalTime(), QStringLiteral("50 MS"));
    QVERIFY(f.fileItems().isEmpty());

    f.clickRecord();
    QCOMPARE(f.notices.last(), QStringLiteral("Stop record macro"));
    QCOMPARE(f.child<QLabel>("label")->text(), QStringLiteral("Record"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0), (QVariantList{"1", "Macro1"}));

    QCOMPARE(f.fileEvents(), (QStringList{"A down 0", "Left Click Down down 10", "NumEnter down 10", "A up 10",
                                          "Left Click Up up 10", "NumEnter up 10"}));
    const QByteArrayList marks = marksOf(f.fileItems());
    QCOMPARE(marks.at(0), marks.at(3));
    QCOMPARE(marks.at(1), marks.at(4));
    QCOMPARE(marks.at(2), marks.at(5));
    QCOMPARE(QSet<QByteArray>(marks.begin(), marks.end()).size(), 3);
    for (const QByteArray &mark : marks)
        QVERIFY2(QRegExp(QStringLiteral("[0-9a-f]{16}")).exactMatch(QString::fromLatin1(mark)), mark.constData());
    const QList<macroItemInfo> items = f.fileItems();
    QCOMPARE(QByteArray(items.at(2).keyCode), QByteArray("88"));
    QCOMPARE(QByteArray(items.at(1).keyCode), QByteArray("513"));
    QCOMPARE(QByteArray(items.at(1).type), QByteArray("mouse"));
}

void tst_MacroRecording::limitKeepsPairsWhole_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("taken");

    QTest::newRow("38 stored: one pair") << 38 << 2;
    QTest::newRow("39 stored: none") << 39 << 0;
    QTest::newRow("36 stored: two pairs") << 36 << 4;
}

void tst_MacroRecording::limitKeepsPairsWhole()
{
    QFETCH(int, stored);
    QFETCH(int, taken);

    MacroPageFixture f;
    f.addMacro(1, "Macro1", storedEvents(stored));
    f.showPage();
    f.clickRecord();
    // Two keys and a button down at once, then released in another order.
    QVERIFY(f.key(kVkA, true));
    QVERIFY(f.key(kVkB, true));
    QVERIFY(f.mouse(513));
    QVERIFY(f.key(kVkB, false));
    QVERIFY(f.mouse(514));
    QVERIFY(f.key(kVkA, false));
    QVERIFY(f.tap(kVkA));
    f.clickRecord();

    const QList<macroItemInfo> items = f.fileItems();
    QCOMPARE(items.size(), stored + taken);
    QVERIFY(items.size() <= 40);
    // Every recorded mark has its press and its release.
    QMap<QByteArray, int> count;
    for (int i = stored; i < items.size(); ++i)
        ++count[QByteArray(items.at(i).mark)];
    for (int n : qAsConst(count))
        QCOMPARE(n, 2);
}

void tst_MacroRecording::heldAtStopGetReleases()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    f.clickRecord();
    QVERIFY(f.key(kVkB, true));
    f.advance(30);
    QVERIFY(f.mouse(519));
    f.advance(30);
    f.clickRecord();
    QCOMPARE(f.fileEvents(), (QStringList{"B down 0", "Center Click Down down 30", "B up 0", "Center Click Up up 0"}));
    const QByteArrayList marks = marksOf(f.fileItems());
    QCOMPARE(marks.at(0), marks.at(2));
    QCOMPARE(marks.at(1), marks.at(3));
    QCOMPARE(QByteArray(f.fileItems().at(3).keyCode), QByteArray("520"));

    // Released after the Stop, in the next recording: the old press is over.
    f.clickRecord();
    QVERIFY(f.key(kVkB, false));
    QVERIFY(f.mouse(520));
    f.clickRecord();
    QCOMPARE(f.fileItems().size(), 4);
}

void tst_MacroRecording::staleReleasesAndOtherMouseMessagesAreDropped()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    f.clickRecord();
    f.advance(5000);
    // Held before the Record click: its release has no press.
    QVERIFY(f.key(kVkA, false));
    QVERIFY(f.mouse(514));
    // Move, wheel, extra buttons, horizontal wheel, a double click.
    for (int message : {512, 522, 523, 524, 526, 515})
        QVERIFY(f.mouse(message));
    QCOMPARE(f.page->eventRows().size(), 0);
    f.advance(100);
    QVERIFY(f.tap(kVkB, 20));
    f.clickRecord();
    QCOMPARE(f.fileEvents(), (QStringList{"B down 0", "B up 20"}));
}

void tst_MacroRecording::recordClicksAreNotRecorded()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    f.clickRecord();
    QVERIFY(f.mouse(513));
    QVERIFY(f.mouse(514));
    f.clickRecord();
    // Only the click away from the Record frame.
    QCOMPARE(f.fileEvents(), (QStringList{"Left Click Down down 0", "Left Click Up up 0"}));
}

void tst_MacroRecording::stopWithoutEventsStillReloadsAndSignals()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", keyPair("m"));
    f.showPage();
    const QByteArray before = f.fileBytes();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.clickRecord();
    QVERIFY(WindowsHookInterface::isMouseHookInstalled());
    f.clickRecord();
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::isMouseHookInstalled());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(f.tableEvents(), (QStringList{"A down 10", "A up 20"}));
}

void tst_MacroRecording::noCurrentMacroOrNoHooks()
{
    {
        MacroPageFixture f;
        f.showPage();
        f.clickRecord();
        QVERIFY(!f.page->getRecordStatus());
        QVERIFY(f.notices.texts.isEmpty());
    }
    {
        // A Wayland session: no hooks.
        MacroPageFixture f;
        f.addMacro(1, "Macro1");
        f.script.fail = true;
        f.showPage();
        f.clickRecord();
        QVERIFY(!f.page->getRecordStatus());
        QCOMPARE(f.notices.texts, QStringList{"Capturing keys and mouse needs an X11 session"});
        QVERIFY(f.child<QWidget>("frame_29")->isEnabled());

        // The key fields say the same when they get the focus.
        QApplication::setActiveWindow(f.page.get());
        auto *pressKey = f.child<QLineEdit>("lineEdit_PressKey");
        pressKey->setFocus();
        QTRY_VERIFY(pressKey->hasFocus());
        QCOMPARE(f.notices.texts.size(), 2);
        QCOMPARE(f.notices.last(), QStringLiteral("Capturing keys and mouse needs an X11 session"));
    }
}

void tst_MacroRecording::focusedKeyFieldKeepsNoHookFromRecording()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1");
    f.showPage();
    QApplication::setActiveWindow(f.page.get());
    auto *enterKey = f.child<QLineEdit>("lineEdit_EnterKey");
    enterKey->setFocus();
    QTRY_VERIFY(enterKey->hasFocus());

    // The Record click disables the insert panel, which takes the focus
    // from the field.
    f.clickRecord();
    QVERIFY(!enterKey->hasFocus());
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(f.tap(kVkA, 15));
    QVERIFY(f.mouse(516) && f.mouse(517));
    f.clickRecord();
    QCOMPARE(f.fileEvents(), (QStringList{"A down 0", "A up 15", "Right Click Down down 0", "Right Click Up up 0"}));
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
}

void tst_MacroRecording::listThemeAndLanguageLeaveTheRecordingAlone()
{
    MacroPageFixture f;
    f.addMacro(1, "First", keyPair("m1"));
    f.addMacro(2, "Second", keyPair("m2"));
    f.showPage();
    f.selectMacro(1);
    QCOMPARE(f.page->currentIndex(), QStringLiteral("2"));
    f.clickRecord();
    QVERIFY(f.tap(kVkA, 10));

    // The list, Add and Import are out of reach while recording.
    QVERIFY(!f.child<QWidget>("frame_29")->isEnabled());
    QVERIFY(!f.child<QPushButton>("pushButton_Add")->isEnabled());
    QVERIFY(!f.child<QPushButton>("pushButton_Import")->isEnabled());
    QVERIFY(!f.child<QWidget>("frame_Center")->isEnabled());
    QVERIFY(!f.child<QWidget>("frame_6")->isEnabled());
    QVERIFY(!f.child<QWidget>("frame_5")->isEnabled());
    f.selectMacro(0);
    QCOMPARE(f.page->currentIndex(), QStringLiteral("2"));

    f.page->changAppTheme();
    f.page->updataAllUI();
    QCOMPARE(f.page->currentIndex(), QStringLiteral("2"));
    QVERIFY(f.page->macroRows().at(1)->isSelected());
    QVERIFY(!f.page->macroRows().at(0)->isSelected());
    QCOMPARE(f.child<QLabel>("label")->text(), QStringLiteral("Stop"));
    QCOMPARE(f.tableEvents(), (QStringList{"A down 10", "A up 20", "A down 0", "A up 10"}));
    QCOMPARE(f.totalTime(), QStringLiteral("40 MS"));

    QVERIFY(f.tap(kVkB, 5));
    f.clickRecord();
    QVERIFY(f.child<QWidget>("frame_29")->isEnabled());
    QCOMPARE(f.fileEvents(2), (QStringList{"A down 10", "A up 20", "A down 0", "A up 10", "B down 0", "B up 5"}));
    QCOMPARE(f.fileEvents(1), (QStringList{"A down 10", "A up 20"}));
}

QTEST_MAIN(tst_MacroRecording)
#include "tst_macrorecording.moc"

// A recording the file cannot take is told; the table shows what the file
// holds.
void tst_MacroRecording::recordingOnAFullDiskIsTold()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", storedEvents(2));
    f.showPage();
    f.clickRecord();
    QVERIFY(f.tap(kVkA));
    QVERIFY(f.tap(kVkB));
    QCOMPARE(f.page->eventRows().size(), 6);
    {
        fullDiskScope full;
        QVERIFY(full.isActive());
        f.clickRecord();
    }
    QCOMPARE(f.notices.last(), QStringLiteral("Save record macro failed"));
    QCOMPARE(f.fileItems().size(), 2);
    QCOMPARE(f.page->eventRows().size(), 2);
}
