#include "choiceTextWrapper.h"

#include "buttonTextRoom.h"

#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QRadioButton>

choiceTextWrapper::choiceTextWrapper(QWidget *panel) : QObject(panel), m_panel(panel)
{
    const auto buttons = panel->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button)) {
            m_whole.insert(button, button->text());
            connect(button, &QObject::destroyed, this, [this, button] { m_whole.remove(button); });
        }
    }
    panel->installEventFilter(this);
}

void choiceTextWrapper::refit()
{
    for (auto it = m_whole.begin(); it != m_whole.end(); ++it) {
        it.value() = it.key()->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        it.key()->setText(it.value());
    }
    wrapCut();
}

bool choiceTextWrapper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        wrapCut();
    return QObject::eventFilter(watched, event);
}

void choiceTextWrapper::wrapCut()
{
    if (m_wrapping || !m_panel || !m_panel->isVisible())
        return;
    m_wrapping = true;
    // The window's layout gives every button its room for the one-line texts.
    if (QLayout *layout = m_panel->window()->layout())
        layout->activate();
    for (auto it = m_whole.begin(); it != m_whole.end(); ++it) {
        QAbstractButton *button = it.key();
        if (!button->isVisible() || button->text().contains(QLatin1Char('\n')))
            continue;
        if (button->sizeHint().width() > button->width())
            button->setText(balancedTwoLines(button->fontMetrics(), it.value()));
    }
    m_wrapping = false;
}
