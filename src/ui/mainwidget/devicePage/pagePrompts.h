#pragma once

#include <QFileDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

// The device page's modal prompts: questions, folder and file dialogs, pop-up
// menus. The page asks through the installed prompts, Qt's by default, so
// tests can answer them without a person at the screen.
class pagePrompts
{
public:
    virtual ~pagePrompts();

    // The answer of a question box offering the buttons in order (the first
    // is the default): the index of the button pressed, -1 when the box
    // was closed without one.
    virtual int question(QWidget *parent, const QString &title, const QString &text,
                         const QStringList &buttons) = 0;

    // A chosen folder; empty when cancelled.
    virtual QString existingFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                   QFileDialog::Options options = QFileDialog::ShowDirsOnly
                                                                | QFileDialog::DontResolveSymlinks) = 0;

    // A chosen existing file; empty when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &startFolder,
                             const QString &filter) = 0;

    // Runs the menu modally at a global position; the action chosen (and
    // triggered, as QMenu::exec does), or null when it was closed.
    virtual QAction *runMenu(QMenu *menu, const QPoint &globalPos) = 0;

    // The prompts in use.
    static pagePrompts &current();
    // Puts prompts in use; null puts Qt's back. The caller keeps ownership.
    // Returns the prompts installed before (null: Qt's).
    static pagePrompts *install(pagePrompts *prompts);
};
