#include "ColorBuildUpSlider.h"

#include "colorToolLog.h"
#include "gradientStops.h"

#include <QMouseEvent>
#include <QPainter>

ColorBuildUpSlider::ColorBuildUpSlider(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setFixedSize(gradientStops::kHandleWidth, gradientStops::kHandleHeight);
}

void ColorBuildUpSlider::setColors(const QColor &pointerColor, const QColor &stopColor)
{
    m_pointerColor = pointerColor;
    m_stopColor = stopColor;
    update();
}

void ColorBuildUpSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(m_pointerColor);
    painter.setBrush(m_pointerColor);
    const QPoint pointer[] = {{5, 20}, {0, 10}, {10, 10}};
    painter.drawPolygon(pointer, 3);
    painter.setPen(m_stopColor);
    painter.setBrush(m_stopColor);
    painter.drawRect(0, 0, 10, 10);
}

void ColorBuildUpSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        emit sigSelectSliderStatus(true);
        update();
    } else if (event->button() == Qt::RightButton) {
        qCDebug(lcColorTool) << "---------- RightButton ADD ---------";
    }
}

void ColorBuildUpSlider::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
    emit sigSelectSliderStatus(false);
}

void ColorBuildUpSlider::mouseMoveEvent(QMouseEvent *event)
{
    // The editor maps the drag in its own coordinates: let the move reach it.
    event->ignore();
}
