#include "windowBackdrop.h"

#include <QEvent>
#include <QFrame>
#include <QPaintEvent>
#include <QPainter>

const QColor windowBackdrop::DefaultBorder(20, 20, 20);
const QColor windowBackdrop::DefaultBackground(30, 30, 30);

windowBackdrop::windowBackdrop(QFrame *frame, QWidget *mainArea)
    : QObject(frame)
    , m_frame(frame)
    , m_mainAreaWidget(mainArea)
{
    frame->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    frame->installEventFilter(this);
}

void windowBackdrop::setFrameColors(const QColor &border, const QColor &background)
{
    if (border == m_border && background == m_background)
        return;
    m_border = border;
    m_background = background;
    m_frame->update();
}

void windowBackdrop::setMainAreaColor(const QColor &background)
{
    if (background == m_mainArea)
        return;
    m_mainArea = background;
    m_mainAreaWidget->update();
}

bool windowBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    // Before the frame's own painting, which draws nothing of its own.
    if (watched == m_frame && event->type() == QEvent::Paint)
        paint(static_cast<QPaintEvent *>(event)->rect());
    return QObject::eventFilter(watched, event);
}

void windowBackdrop::paint(const QRect &dirty)
{
    QPainter painter(m_frame);
    painter.setClipRect(dirty);
    const QRect all = m_frame->rect();
    painter.fillRect(all, m_background);
    const QRect inner = all.adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.fillRect(QRect(all.left(), all.top(), all.width(), BorderWidth), m_border);
    painter.fillRect(QRect(all.left(), inner.bottom() + 1, all.width(), BorderWidth), m_border);
    painter.fillRect(QRect(all.left(), inner.top(), BorderWidth, inner.height()), m_border);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), BorderWidth, inner.height()), m_border);
    if (m_mainArea.isValid())
        painter.fillRect(m_mainAreaWidget->geometry(), m_mainArea);
}
