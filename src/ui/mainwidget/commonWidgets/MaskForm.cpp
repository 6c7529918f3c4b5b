#include "MaskForm.h"

#include <QApplication>
#include <QEvent>

namespace {

const QColor kMaskColor(245, 125, 0, 255);
constexpr float kMaskOpacity = 0.6f;

} // namespace

MaskForm::MaskForm(QWidget *parent)
    : QWidget(parent)
    , m_targetWindow(QApplication::activeWindow())
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setMaskColor(kMaskColor, kMaskOpacity);
}

void MaskForm::setMaskColor(const QColor &color, float opacity)
{
    if (!color.isValid())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setWindowOpacity(opacity);
}

void MaskForm::setTargetWindow(QWidget *window)
{
    if (window)
        m_targetWindow = window;
}

void MaskForm::setWatchedWidget(QWidget *widget)
{
    if (!widget)
        return;
    if (m_watchedWidget && m_watchedWidget != widget)
        m_watchedWidget->removeEventFilter(this);
    widget->installEventFilter(this);
    m_watchedWidget = widget;
}

void MaskForm::showEvent(QShowEvent *event)
{
    if (m_targetWindow)
        setGeometry(m_targetWindow->geometry());
    QWidget::showEvent(event);
}

bool MaskForm::eventFilter(QObject *watched, QEvent *event)
{
    if (m_watchedWidget && watched == m_watchedWidget) {
        if (event->type() == QEvent::Show)
            show();
        else if (event->type() == QEvent::Hide)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}
