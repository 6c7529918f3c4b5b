#include "sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
    // Only the frame or fill is painted; the picture beneath shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setLightColor(QColor(0, 0, 0, 128));
}

void sideLightButtonCustom::setLightSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void sideLightButtonCustom::setLightPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_position = QPoint(x, y);
}

void sideLightButtonCustom::setIndexAndValid(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setLightColor(const QColor &color)
{
    m_lightColor = color;
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    // A square LED has no direction to fade along, so it shows nothing.
    if (m_width == m_height)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, m_width > m_height ? m_width : 0, m_width > m_height ? 0 : m_height);
    gradient.setColorAt(0.0, QColor(0, 0, 0, 0));
    gradient.setColorAt(0.5, m_lightColor);
    gradient.setColorAt(1.0, QColor(0, 0, 0, 0));
    gradient.setSpread(QGradient::RepeatSpread);
    painter.fillRect(QRect(0, 0, m_width, m_height), gradient);
}
