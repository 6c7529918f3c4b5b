#include "scriptedPagePrompts.h"

#include <QAction>
#include <QMenu>

scriptedPagePrompts::scriptedPagePrompts()
    : m_previous(pagePrompts::install(this))
{
}

scriptedPagePrompts::~scriptedPagePrompts()
{
    if (&pagePrompts::current() == this)
        pagePrompts::install(m_previous);
}

void scriptedPagePrompts::answerQuestion(int buttonIndex)
{
    m_questionAnswers.enqueue({buttonIndex, QString()});
}

void scriptedPagePrompts::answerQuestion(const QString &buttonCaption)
{
    m_questionAnswers.enqueue({-1, buttonCaption});
}

void scriptedPagePrompts::answerFolder(const QString &path)
{
    m_folderAnswers.enqueue(path);
}

void scriptedPagePrompts::answerOpenFile(const QString &path)
{
    m_fileAnswers.enqueue(path);
}

void scriptedPagePrompts::answerMenu(const QString &actionText)
{
    m_menuAnswers.enqueue(actionText);
}

QList<scriptedPagePrompts::Call> scriptedPagePrompts::calls(Kind kind) const
{
    QList<Call> ofKind;
    for (const Call &call : m_calls) {
        if (call.kind == kind)
            ofKind.append(call);
    }
    return ofKind;
}

int scriptedPagePrompts::pendingAnswers() const
{
    return m_questionAnswers.size() + m_folderAnswers.size() + m_fileAnswers.size() + m_menuAnswers.size();
}

int scriptedPagePrompts::question(QWidget *, const QString &title, const QString &text,
                                  const QStringList &buttons)
{
    m_calls.append({Question, title, text, QString(), QString(), buttons, {}});
    if (m_questionAnswers.isEmpty())
        return -1;
    const QuestionAnswer answer = m_questionAnswers.dequeue();
    const int index = answer.caption.isEmpty() ? answer.index : buttons.indexOf(answer.caption);
    return index >= 0 && index < buttons.size() ? index : -1;
}

QString scriptedPagePrompts::existingFolder(QWidget *, const QString &title, const QString &startFolder,
                                            QFileDialog::Options options)
{
    m_calls.append({Folder, title, QString(), startFolder, QString(), {}, options});
    return m_folderAnswers.isEmpty() ? QString() : m_folderAnswers.dequeue();
}

QString scriptedPagePrompts::openFile(QWidget *, const QString &title, const QString &startFolder,
                                      const QString &filter)
{
    m_calls.append({OpenFile, title, QString(), startFolder, filter, {}, {}});
    return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.dequeue();
}

QAction *scriptedPagePrompts::runMenu(QMenu *menu, const QPoint &)
{
    QStringList texts;
    const QList<QAction *> actions = menu ? menu->actions() : QList<QAction *>();
    for (QAction *action : actions)
        texts.append(action->text());
    m_calls.append({Menu, menu ? menu->title() : QString(), QString(), QString(), QString(), texts, {}});
    if (m_menuAnswers.isEmpty())
        return nullptr;
    const QString wanted = m_menuAnswers.dequeue();
    for (QAction *action : actions) {
        if (!wanted.isEmpty() && action->text() == wanted && action->isEnabled()) {
            action->trigger();
            return action;
        }
    }
    return nullptr;
}
