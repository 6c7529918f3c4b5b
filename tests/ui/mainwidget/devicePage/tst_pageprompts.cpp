// The device page's prompt seam: the scripted prompts answer and record in
// order and put back what they replaced; Qt's prompts give the pressed
// button's index, -1 for a closed box, and the chosen menu action.
#include "pagePrompts.h"
#include "qtPagePrompts.h"
#include "scriptedPagePrompts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs on the next modal widget once the nested loop is up.
void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            modal = QApplication::activePopupWidget();
        QVERIFY(modal);
        act(modal);
    });
}

QPushButton *buttonWithText(QWidget *box, const QString &text)
{
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class tst_PagePrompts : public QObject
{
    Q_OBJECT

private slots:
    void scriptedQuestionAnswers_data();
    void scriptedQuestionAnswers();
    void scriptedDialogsRecordAndAnswer();
    void scriptedMenuTriggersTheChosenAction();
    void scriptedPromptsPutBackWhatTheyReplaced();
    void qtQuestionGivesButtonIndex_data();
    void qtQuestionGivesButtonIndex();
    void qtMenuGivesChosenAction();
};

void tst_PagePrompts::scriptedQuestionAnswers_data()
{
    QTest::addColumn<QVariant>("answer"); // index, caption or nothing queued
    QTest::addColumn<int>("expected");

    QTest::newRow("first") << QVariant(0) << 0;
    QTest::newRow("second") << QVariant(1) << 1;
    QTest::newRow("closed") << QVariant(-1) << -1;
    QTest::newRow("beyond the buttons") << QVariant(2) << -1;
    QTest::newRow("by caption") << QVariant(QStringLiteral("No")) << 1;
    QTest::newRow("unknown caption") << QVariant(QStringLiteral("Maybe")) << -1;
    QTest::newRow("nothing queued") << QVariant() << -1;
}

void tst_PagePrompts::scriptedQuestionAnswers()
{
    QFETCH(QVariant, answer);
    QFETCH(int, expected);

    scriptedPagePrompts prompts;
    if (answer.type() == QVariant::Int)
        prompts.answerQuestion(answer.toInt());
    else if (answer.type() == QVariant::String)
        prompts.answerQuestion(answer.toString());

    const QStringList buttons{QStringLiteral("Yes"), QStringLiteral("No")};
    QCOMPARE(pagePrompts::current().question(nullptr, QStringLiteral("Tip"), QStringLiteral("Reset?"), buttons),
             expected);
    QCOMPARE(prompts.calls().size(), 1);
    const scriptedPagePrompts::Call call = prompts.calls().first();
    QCOMPARE(call.kind, scriptedPagePrompts::Question);
    QCOMPARE(call.title, QStringLiteral("Tip"));
    QCOMPARE(call.text, QStringLiteral("Reset?"));
    QCOMPARE(call.buttons, buttons);
    QCOMPARE(prompts.pendingAnswers(), 0);
}

void tst_PagePrompts::scriptedDialogsRecordAndAnswer()
{
    scriptedPagePrompts prompts;
    prompts.answerFolder(QStringLiteral("/tmp/out"));
    prompts.answerOpenFile(QStringLiteral("/tmp/in.xml"));

    pagePrompts &current = pagePrompts::current();
    QCOMPARE(current.existingFolder(nullptr, QStringLiteral("Save directory"), QStringLiteral("/home/u/Desktop")),
             QStringLiteral("/tmp/out"));
    QCOMPARE(current.openFile(nullptr, QStringLiteral("Open profile file"), QStringLiteral("/home/u/Desktop"),
                              QStringLiteral("Profile files(*.xml)")),
             QStringLiteral("/tmp/in.xml"));
    // Answers are used up: the next dialogs are cancelled.
    QVERIFY(current.existingFolder(nullptr, QStringLiteral("again"), QString()).isEmpty());
    QVERIFY(current.openFile(nullptr, QStringLiteral("again"), QString(), QString()).isEmpty());

    const QList<scriptedPagePrompts::Call> folders = prompts.calls(scriptedPagePrompts::Folder);
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders[0].title, QStringLiteral("Save directory"));
    QCOMPARE(folders[0].startFolder, QStringLiteral("/home/u/Desktop"));
    QCOMPARE(folders[0].options, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    const QList<scriptedPagePrompts::Call> files = prompts.calls(scriptedPagePrompts::OpenFile);
    QCOMPARE(files.size(), 2);
    QCOMPARE(files[0].title, QStringLiteral("Open profile file"));
    QCOMPARE(files[0].startFolder, QStringLiteral("/home/u/Desktop"));
    QCOMPARE(files[0].filter, QStringLiteral("Profile files(*.xml)"));
    // Kinds keep their order among all calls.
    QCOMPARE(prompts.calls().size(), 4);
    QCOMPARE(prompts.calls()[1].kind, scriptedPagePrompts::OpenFile);
}

void tst_PagePrompts::scriptedMenuTriggersTheChosenAction()
{
    scriptedPagePrompts prompts;
    QMenu menu(QStringLiteral("Layers"));
    QAction *empty = menu.addAction(QStringLiteral("Empty"));
    QAction *copy = menu.addAction(QStringLiteral("Copy"));
    QAction *off = menu.addAction(QStringLiteral("Off"));
    off->setEnabled(false);
    QSignalSpy emptySpy(empty, &QAction::triggered);
    QSignalSpy copySpy(copy, &QAction::triggered);
    QSignalSpy offSpy(off, &QAction::triggered);

    prompts.answerMenu(QStringLiteral("Copy"));
    prompts.answerMenu(QString());             // closed
    prompts.answerMenu(QStringLiteral("Off")); // disabled: cannot be chosen
    QCOMPARE(pagePrompts::current().runMenu(&menu, QPoint(10, 10)), copy);
    QCOMPARE(pagePrompts::current().runMenu(&menu, QPoint(10, 10)), nullptr);
    QCOMPARE(pagePrompts::current().runMenu(&menu, QPoint(10, 10)), nullptr);
    QCOMPARE(pagePrompts::current().runMenu(&menu, QPoint(10, 10)), nullptr); // nothing queued

    QCOMPARE(copySpy.count(), 1);
    QCOMPARE(emptySpy.count(), 0);
    QCOMPARE(offSpy.count(), 0);
    const QList<scriptedPagePrompts::Call> menus = prompts.calls(scriptedPagePrompts::Menu);
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0].title, QStringLiteral("Layers"));
    QCOMPARE(menus[0].buttons, (QStringList{QStringLiteral("Empty"), QStringLiteral("Copy"), QStringLiteral("Off")}));
}

void tst_PagePrompts::scriptedPromptsPutBackWhatTheyReplaced()
{
    pagePrompts *qtDefault = &pagePrompts::current();
    QVERIFY(dynamic_cast<qtPagePrompts *>(qtDefault));
    {
        scriptedPagePrompts outer;
        QCOMPARE(&pagePrompts::current(), static_cast<pagePrompts *>(&outer));
        {
            scriptedPagePrompts inner;
            QCOMPARE(&pagePrompts::current(), static_cast<pagePrompts *>(&inner));
        }
        QCOMPARE(&pagePrompts::current(), static_cast<pagePrompts *>(&outer));
    }
    QCOMPARE(&pagePrompts::current(), qtDefault);
}

void tst_PagePrompts::qtQuestionGivesButtonIndex_data()
{
    QTest::addColumn<QString>("press"); // a button's caption; empty closes the box
    QTest::addColumn<int>("expected");

    QTest::newRow("Yes") << QStringLiteral("Yes") << 0;
    QTest::newRow("No") << QStringLiteral("No") << 1;
    QTest::newRow("closed") << QString() << -1;
}

void tst_PagePrompts::qtQuestionGivesButtonIndex()
{
    QFETCH(QString, press);
    QFETCH(int, expected);

    QStringList seenButtons;
    whenModal([&](QWidget *box) {
        for (QPushButton *button : box->findChildren<QPushButton *>()) {
            if (button->isVisibleTo(box))
                seenButtons.append(button->text());
        }
        if (press.isEmpty()) {
            box->close();
        } else {
            QPushButton *button = buttonWithText(box, press);
            QVERIFY(button);
            button->click();
        }
    });
    qtPagePrompts prompts;
    QCOMPARE(prompts.question(nullptr, QStringLiteral("Tip"), QStringLiteral("Reset?"),
                              {QStringLiteral("Yes"), QStringLiteral("No")}),
             expected);
    // Only the given buttons are shown.
    QCOMPARE(seenButtons.size(), 2);
    QVERIFY(seenButtons.contains(QStringLiteral("Yes")));
    QVERIFY(seenButtons.contains(QStringLiteral("No")));
}

void tst_PagePrompts::qtMenuGivesChosenAction()
{
    QMenu menu;
    menu.addAction(QStringLiteral("Empty"));
    QAction *copy = menu.addAction(QStringLiteral("Copy"));
    QSignalSpy copySpy(copy, &QAction::triggered);
    QTimer::singleShot(0, &menu, [&]() {
        menu.setActiveAction(copy);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    qtPagePrompts prompts;
    QCOMPARE(prompts.runMenu(&menu, QPoint(20, 20)), copy);
    QCOMPARE(copySpy.count(), 1);

    QTimer::singleShot(0, &menu, [&]() { menu.close(); });
    QCOMPARE(prompts.runMenu(&menu, QPoint(20, 20)), nullptr);
}

QTEST_MAIN(tst_PagePrompts)
#include "tst_pageprompts.moc"
