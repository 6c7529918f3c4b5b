// Editing the events of a macro: insert, move, delete and modify keep the
// file's order equal to the table's, edit a press and its release together,
// and answer with their messages.

#include "DDataManager.h"
#include "macroLooks.h"
#include "macroPageFixture.h"

#include <QtTest>

namespace {

constexpr int kVkC = 0x43;
constexpr int kVkD = 0x44;

// A down, B down, A up, B up: two pairs interleaved.
QList<Event> interleaved()
{
    return {{"a", 10, "key", 4, "A", "down"},
            {"b", 20, "key", 5, "B", "down"},
            {"a", 30, "key", 4, "A", "up"},
            {"b", 40, "key", 5, "B", "up"}};
}

// How a row looks: the clicked event, its partner, or neither.
QString look(DCatchKeyAndMouseItem *row)
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QWidget *frame = row->findChild<QWidget *>(QStringLiteral("frame"));
    const QColor background = paintedAt(row, frame, QPoint(frame->width() - 60, 10));
    if (!nearColor(background, themeRgb(theme.MacroListItemSelectedColor)))
        return QStringLiteral("plain");
    const QColor text = textColor(row->findChild<QWidget *>(QStringLiteral("label_DelayTime")));
    return text == themeRgb(theme.TextCheckedColor) ? QStringLiteral("selected") : QStringLiteral("partner");
}

} // namespace

Q_DECLARE_METATYPE(QList<Event>)

class tst_MacroEditing : public QObject
{
    Q_OBJECT

private slots:
    void editing_data();
    void editing();
    void selectionHighlightsThePartner();
    void insertLimit_data();
    void insertLimit();
    void modify_data();
    void modify();
    void modifyAnswers();
    void deleteRemovesBothHalves();
    void oddMarksKeepFileAndTableInStep();
    void recordingAfterAnInsertAppendsOnlyTheNew();
};

void tst_MacroEditing::editing_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("selectedAfter");

    const QStringList original{"A down 10", "B down 20", "A up 30", "B up 40"};
    const QString selectFirst = QStringLiteral("Please select a specific location first");

    QTest::newRow("insert, nothing selected") << -1 << QStringList{"capture C", "insert"} << original << selectFirst << 0 << -1;
    QTest::newRow("up, nothing selected") << -1 << QStringList{"up"} << original << selectFirst << 0 << -1;
    QTest::newRow("insert a key after")
        << 0 << QStringList{"capture C", "insert"}
        << QStringList{"A down 10", "C down 0", "C up 0", "B down 20", "A up 30", "B up 40"} << "Insert successful" << 1 << 0;
    QTest::newRow("insert a key before")
        << 1 << QStringList{"capture C", "before", "insert"}
        << QStringList{"A down 10", "C down 0", "C up 0", "B down 20", "A up 30", "B up 40"} << "Insert successful" << 1 << 3;
    QTest::newRow("insert a right click after the last")
        << 3 << QStringList{"mouse", "right", "insert"}
        << QStringList{"A down 10", "B down 20", "A up 30", "B up 40", "Right Click Down down 0", "Right Click Up up 0"}
        << "Insert successful" << 1 << 3;
    QTest::newRow("two inserts after")
        << 0 << QStringList{"capture C", "insert", "capture D", "insert"}
        << QStringList{"A down 10", "D down 0", "D up 0", "C down 0", "C up 0", "B down 20", "A up 30", "B up 40"}
        << "Insert successful" << 2 << 0;
    QTest::newRow("insert without a key") << 1 << QStringList{"insert"} << original << "Please enter a key" << 0 << 1;
    QTest::newRow("insert a middle click needs no key")
        << 1 << QStringList{"mouse", "center", "insert"}
        << QStringList{"A down 10", "B down 20", "Center Click Down down 0", "Center Click Up up 0", "A up 30", "B up 40"}
        << "Insert successful" << 1 << 1;
    QTest::newRow("up past another pair") << 2 << QStringList{"up"}
                                          << QStringList{"A down 10", "A up 30", "B down 20", "B up 40"} << "" << 1 << 1;
    QTest::newRow("up onto its own press") << 2 << QStringList{"up", "up"}
                                           << QStringList{"A down 10", "A up 30", "B down 20", "B up 40"} << "" << 1 << 1;
    QTest::newRow("down past another pair") << 0 << QStringList{"down"}
                                            << QStringList{"B down 20", "A down 10", "A up 30", "B up 40"} << "" << 1 << 1;
    QTest::newRow("up at the top") << 0 << QStringList{"up"} << original << "" << 0 << 0;
    QTest::newRow("down at the bottom") << 3 << QStringList{"down"} << original << "" << 0 << 3;
    QTest::newRow("down onto its own release") << 1 << QStringList{"down", "down"}
                                               << QStringList{"A down 10", "A up 30", "B down 20", "B up 40"} << "" << 1 << 2;
}

void tst_MacroEditing::editing()
{
    QFETCH(int, selected);
    QFETCH(QStringList, operations);
    QFETCH(QStringList, table);
    QFETCH(QString, message);
    QFETCH(int, changes);
    QFETCH(int, selectedAfter);

    MacroPageFixture f;
    f.addMacro(1, "Macro1", interleaved());
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    DCatchKeyAndMouseItem *selectedRow = nullptr;
    if (selected >= 0) {
        f.selectEvent(selected);
        selectedRow = f.page->eventRows().at(selected);
    }

    for (const QString &op : qAsConst(operations)) {
        if (op == QLatin1String("capture C"))
            f.page->onKeyboardRecviveStream(kVkC, 1, 0);
        else if (op == QLatin1String("capture D"))
            f.page->onKeyboardRecviveStream(kVkD, 1, 0);
        else if (op == QLatin1String("before"))
            f.clickRadio("radioButton_InsertBefore");
        else if (op == QLatin1String("mouse"))
            f.clickRadio("radioButton_Mouse");
        else if (op == QLatin1String("right"))
            f.clickRadio("radioButton_MouseRight");
        else if (op == QLatin1String("center"))
            f.clickRadio("radioButton_MouseCenter");
        else if (op == QLatin1String("insert"))
            f.click("pushButton_InsertMacro");
        else if (op == QLatin1String("up"))
            f.click("pushButton_MoveUp");
        else if (op == QLatin1String("down"))
            f.click("pushButton_MoveDown");
        else
            QFAIL(qPrintable(op));
    }

    QCOMPARE(f.tableEvents(), table);
    QCOMPARE(f.fileEvents(), table);
    QCOMPARE(f.notices.texts.isEmpty() ? QString() : f.notices.last(), message);
    QCOMPARE(changed.size(), changes);
    for (const QVariantList &args : qAsConst(changed))
        QCOMPARE(args, (QVariantList{"1", "Macro1"}));
    // Inserted pairs share a fresh mark; the total time stays.
    QCOMPARE(f.totalTime(), QStringLiteral("100 MS"));
    if (selectedAfter >= 0)
        QCOMPARE(f.page->eventRows().indexOf(selectedRow), selectedAfter);
    const QList<macroItemInfo> items = f.fileItems();
    QMap<QByteArray, int> pairs;
    for (const macroItemInfo &item : items)
        ++pairs[QByteArray(item.mark)];
    for (int n : qAsConst(pairs))
        QCOMPARE(n, 2);
}

void tst_MacroEditing::selectionHighlightsThePartner()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", interleaved());
    f.showPage();
    f.selectEvent(2);
    QCOMPARE(look(f.page->eventRows().at(0)), QStringLiteral("partner"));
    QCOMPARE(look(f.page->eventRows().at(1)), QStringLiteral("plain"));
    QCOMPARE(look(f.page->eventRows().at(2)), QStringLiteral("selected"));
    QCOMPARE(look(f.page->eventRows().at(3)), QStringLiteral("plain"));
    QCOMPARE(f.child<QLineEdit>("lineEdit_DelayNum")->text(), QStringLiteral("30"));
    QCOMPARE(f.child<QLineEdit>("lineEdit_PressKey")->text(), QStringLiteral("A"));
    QVERIFY(f.child<QRadioButton>("radioButton_KeyboardEvent")->isChecked());

    f.selectEvent(1);
    QCOMPARE(look(f.page->eventRows().at(0)), QStringLiteral("plain"));
    QCOMPARE(look(f.page->eventRows().at(1)), QStringLiteral("selected"));
    QCOMPARE(look(f.page->eventRows().at(2)), QStringLiteral("plain"));
    QCOMPARE(look(f.page->eventRows().at(3)), QStringLiteral("partner"));
}

void tst_MacroEditing::insertLimit_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("after");

    QTest::newRow("38: one pair, then the limit")
        << 38 << QStringList{"Insert successful", "The record of events has reached the limit"} << 40;
    QTest::newRow("39: the limit at once")
        << 39 << QStringList{"The record of events has reached the limit", "The record of events has reached the limit"}
        << 39;
}

void tst_MacroEditing::insertLimit()
{
    QFETCH(int, stored);
    QFETCH(QStringList, messages);
    QFETCH(int, after);

    QList<Event> events;
    for (int i = 0; i < stored; ++i)
        events << Event{"m" + QByteArray::number(i / 2), 1, "key", 4, "A", i % 2 ? "up" : "down"};
    MacroPageFixture f;
    f.addMacro(1, "Macro1", events);
    f.showPage();
    f.selectEvent(0);
    f.page->onKeyboardRecviveStream(kVkC, 1, 0);
    f.click("pushButton_InsertMacro");
    f.click("pushButton_InsertMacro");
    QCOMPARE(f.notices.texts, messages);
    QCOMPARE(f.page->eventRows().size(), after);
    QCOMPARE(f.fileItems().size(), after);
}

void tst_MacroEditing::modify_data()
{
    QTest::addColumn<QList<Event>>("events");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<QStringList>("codes");

    const QList<Event> leftPair{{"l", 10, "mouse", 513, "Left Click Down", "down"},
                                {"l", 20, "mouse", 514, "Left Click Up", "up"}};

    QTest::newRow("a press to another key: its release follows, keeping its delay")
        << interleaved() << 0 << QStringList{"capture D", "delay 15"}
        << QStringList{"D down 15", "B down 20", "D up 30", "B up 40"} << QStringList{"7", "5", "7", "5"};
    QTest::newRow("a left release to a right one")
        << leftPair << 1 << QStringList{"right"}
        << QStringList{"Right Click Down down 10", "Right Click Up up 20"} << QStringList{"516", "517"};
    QTest::newRow("a key to a middle click")
        << interleaved() << 1 << QStringList{"mouse event", "center"}
        << QStringList{"A down 10", "Center Click Down down 20", "A up 30", "Center Click Up up 40"}
        << QStringList{"4", "519", "4", "520"};
    QTest::newRow("empty delay is 0") << interleaved() << 3 << QStringList{"delay "}
                                      << QStringList{"A down 10", "B down 20", "A up 30", "B up 0"}
                                      << QStringList{"4", "5", "4", "5"};
    QTest::newRow("a delay over the limit is the limit")
        << interleaved() << 3 << QStringList{"delay 99999999999999999999"}
        << QStringList{"A down 10", "B down 20", "A up 30", "B up 65535"} << QStringList{"4", "5", "4", "5"};
    QTest::newRow("a press without release changes alone")
        << QList<Event>{{"x", 5, "key", 4, "A", "down"}, {"y", 6, "key", 5, "B", "down"}} << 0
        << QStringList{"capture D"} << QStringList{"D down 5", "B down 6"} << QStringList{"7", "5"};
}

void tst_MacroEditing::modify()
{
    QFETCH(QList<Event>, events);
    QFETCH(int, selected);
    QFETCH(QStringList, operations);
    QFETCH(QStringList, table);
    QFETCH(QStringList, codes);

    MacroPageFixture f;
    f.addMacro(1, "Macro1", events);
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.selectEvent(selected);
    for (const QString &op : qAsConst(operations)) {
        if (op == QLatin1String("capture D")) {
            f.page->onKeyboardRecviveStream(kVkD, 1, 0);
        } else if (op.startsWith(QLatin1String("delay "))) {
            // Typed past the validator, as a paste of digits would be.
            f.child<QLineEdit>("lineEdit_DelayNum")->setText(op.mid(6));
        } else if (op == QLatin1String("mouse event")) {
            f.clickRadio("radioButton_MouseEvent");
        } else if (op == QLatin1String("right")) {
            f.clickRadio("radioButton_3right");
        } else if (op == QLatin1String("center")) {
            f.clickRadio("radioButton_2center");
        } else {
            QFAIL(qPrintable(op));
        }
    }
    f.click("pushButton_ModifyMacro");
    QCOMPARE(f.notices.last(), QStringLiteral("Modify successful"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(f.tableEvents(), table);
    QCOMPARE(f.fileEvents(), table);
    QStringList fileCodes;
    for (const macroItemInfo &item : f.fileItems())
        fileCodes << QString::fromLatin1(item.keyCode);
    QCOMPARE(fileCodes, codes);
    qint64 total = 0;
    for (const QString &row : table)
        total += row.section(QLatin1Char(' '), -1).toLongLong();
    QCOMPARE(f.totalTime(), QString::number(total) + QStringLiteral(" MS"));
}

void tst_MacroEditing::modifyAnswers()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", interleaved());
    f.showPage();
    const QByteArray before = f.fileBytes();
    f.click("pushButton_ModifyMacro");
    QCOMPARE(f.notices.last(), QStringLiteral("Please select a specific location first"));
    f.selectEvent(0);
    f.child<QLineEdit>("lineEdit_PressKey")->clear();
    f.click("pushButton_ModifyMacro");
    QCOMPARE(f.notices.last(), QStringLiteral("Please enter a key"));
    QCOMPARE(f.fileBytes(), before);

    // Letters never reach the delay fields that take digits only.
    auto *delay = f.child<QLineEdit>("lineEdit_DelayNum");
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("1a2"));
    QCOMPARE(delay->text(), QStringLiteral("12"));
    auto *defaultDelay = f.child<QLineEdit>("lineEdit_DefaultDelayNum");
    defaultDelay->clear();
    QTest::keyClicks(defaultDelay, QStringLiteral("1a2"));
    QCOMPARE(defaultDelay->text(), QStringLiteral("1a2"));
}

void tst_MacroEditing::deleteRemovesBothHalves()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", interleaved());
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.selectEvent(0);
    DCatchKeyAndMouseItem *selected = f.page->eventRows().at(0);

    // B's release: B's press goes with it, the selection of A stays.
    auto *remove = f.page->eventRows().at(3)->findChild<QPushButton *>(QStringLiteral("pushButton_Delete"));
    remove->show();
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(f.tableEvents(), (QStringList{"A down 10", "A up 30"}));
    QCOMPARE(f.fileEvents(), f.tableEvents());
    QCOMPARE(f.totalTime(), QStringLiteral("40 MS"));
    QCOMPARE(changed.size(), 1);
    QVERIFY(f.notices.texts.isEmpty());
    f.click("pushButton_MoveDown");
    QCOMPARE(f.page->eventRows().indexOf(selected), 0); // onto its own release: stays

    // The selected pair itself: nothing is selected any more.
    remove = f.page->eventRows().at(1)->findChild<QPushButton *>(QStringLiteral("pushButton_Delete"));
    remove->show();
    QTest::mouseClick(remove, Qt::LeftButton);
    QVERIFY(f.page->eventRows().isEmpty());
    QVERIFY(f.fileItems().isEmpty());
    QCOMPARE(f.totalTime(), QStringLiteral("0 MS"));
    f.click("pushButton_MoveUp");
    QCOMPARE(f.notices.last(), QStringLiteral("Please select a specific location first"));
}

void tst_MacroEditing::oddMarksKeepFileAndTableInStep()
{
    // An older recorder gave a mouse release the mark of a key released
    // before it: three events share "a", the button's press stands alone.
    MacroPageFixture f;
    f.addMacro(1, "Macro1",
               {{"a", 1, "key", 4, "A", "down"},
                {"m", 2, "mouse", 513, "Left Click Down", "down"},
                {"a", 3, "key", 4, "A", "up"},
                {"a", 4, "mouse", 514, "Left Click Up", "up"},
                {"z", 5, "key", 29, "Z", "down"}});
    f.showPage();
    f.selectEvent(3);
    f.click("pushButton_MoveDown");
    QCOMPARE(f.tableEvents(),
             (QStringList{"A down 1", "Left Click Down down 2", "A up 3", "Z down 5", "Left Click Up up 4"}));
    QCOMPARE(f.fileEvents(), f.tableEvents());

    f.child<QLineEdit>("lineEdit_DelayNum")->setText(QStringLiteral("44"));
    f.click("pushButton_ModifyMacro");
    QCOMPARE(f.fileEvents(), f.tableEvents());
    QCOMPARE(f.tableEvents().last(), QStringLiteral("Left Click Up up 44"));
}

void tst_MacroEditing::recordingAfterAnInsertAppendsOnlyTheNew()
{
    MacroPageFixture f;
    f.addMacro(1, "Macro1", keyPair("a"));
    f.showPage();
    f.selectEvent(0);
    f.page->onKeyboardRecviveStream(kVkC, 1, 0);
    f.click("pushButton_InsertMacro");
    f.clickRecord();
    QVERIFY(f.tap(kVkD, 7));
    f.clickRecord();
    QCOMPARE(f.fileEvents(), (QStringList{"A down 10", "C down 0", "C up 0", "A up 20", "D down 0", "D up 7"}));
}

QTEST_MAIN(tst_MacroEditing)
#include "tst_macroediting.moc"
