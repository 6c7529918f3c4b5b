#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QWidget;

// Keeps the radio and check box texts of a panel whose layout is full:
// a text its layout cannot give the room of one line breaks into two
// balanced lines (at a blank), so no text is cut. The lines are decided when
// the panel is shown or resized, and afresh after a re-translation (call
// refit()).
class choiceTextWrapper : public QObject
{
    Q_OBJECT

public:
    explicit choiceTextWrapper(QWidget *panel);

    // Takes the buttons' current texts as their whole texts, on one line,
    // and breaks again those that do not fit.
    void refit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wrapCut();

    QPointer<QWidget> m_panel;
    QHash<QAbstractButton *, QString> m_whole; // the text on one line
    bool m_wrapping = false;
};
