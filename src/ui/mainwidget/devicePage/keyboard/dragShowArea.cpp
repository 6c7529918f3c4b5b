#include "dragShowArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kFillAlpha = 100;
constexpr qreal kOutlineWidth = 1.0;

} // namespace

dragShowArea::dragShowArea(QWidget *parent)
    : QWidget(parent)
{
}

void dragShowArea::setRectColor(int red, int green, int blue)
{
    m_red = red;
    m_green = green;
    m_blue = blue;
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_start = event->pos();
        m_end = event->pos();
        m_dragging = false;
    }
    QWidget::mousePressEvent(event);
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton) {
        m_dragging = true;
        const QRect area = contentsRect();
        m_current = QPoint(qBound(0, event->pos().x(), area.width()), qBound(0, event->pos().y(), area.height()));
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_end = event->pos();
        m_dragging = false;
        update();
        emit sigDragArea(m_start.x(), m_start.y(), m_end.x(), m_end.y());
    }
    QWidget::mouseReleaseEvent(event);
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    // Outside a drag the picture and the keys show through.
    if (!m_dragging)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(m_red, m_green, m_blue, 255), kOutlineWidth, Qt::SolidLine));
    painter.setBrush(QColor(m_red, m_green, m_blue, kFillAlpha));
    painter.drawRect(QRect(m_start, m_current).normalized());
}
