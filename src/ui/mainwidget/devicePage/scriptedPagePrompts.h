#pragma once

#include "pagePrompts.h"

#include <QList>
#include <QQueue>

// Prompts answered from a script, for tests: each call takes the next
// answer queued for its kind (none queued: cancelled or closed) and is
// recorded. Installs itself while it lives, then puts back the prompts
// it replaced.
class scriptedPagePrompts : public pagePrompts
{
public:
    enum Kind { Question, Folder, OpenFile, Menu };

    struct Call
    {
        Kind kind;
        QString title;        // the box's, dialog's or menu's title
        QString text;         // the question's text
        QString startFolder;
        QString filter;
        QStringList buttons;  // a question's buttons, a menu's action texts
        QFileDialog::Options options;
    };

    scriptedPagePrompts();
    ~scriptedPagePrompts() override;

    // The next question is answered with this button index (-1: closed).
    void answerQuestion(int buttonIndex);
    // The next question is answered with the button of this caption.
    void answerQuestion(const QString &buttonCaption);
    // The next folder or file dialog gives this path ("" is Cancel).
    void answerFolder(const QString &path);
    void answerOpenFile(const QString &path);
    // The next menu chooses the action of this text ("" closes it).
    void answerMenu(const QString &actionText);

    const QList<Call> &calls() const { return m_calls; }
    // The calls of one kind, in order.
    QList<Call> calls(Kind kind) const;
    void clearCalls() { m_calls.clear(); }
    // Answers queued but not used yet.
    int pendingAnswers() const;

    int question(QWidget *parent, const QString &title, const QString &text,
                 const QStringList &buttons) override;
    QString existingFolder(QWidget *parent, const QString &title, const QString &startFolder,
                           QFileDialog::Options options) override;
    QString openFile(QWidget *parent, const QString &title, const QString &startFolder,
                     const QString &filter) override;
    QAction *runMenu(QMenu *menu, const QPoint &globalPos) override;

private:
    struct QuestionAnswer
    {
        int index;
        QString caption; // used when not empty
    };

    QQueue<QuestionAnswer> m_questionAnswers;
    QQueue<QString> m_folderAnswers;
    QQueue<QString> m_fileAnswers;
    QQueue<QString> m_menuAnswers;
    QList<Call> m_calls;
    pagePrompts *m_previous;
};
