#include "mouseLightButtonCustom.h"

#include <QPainter>
#include <QRadialGradient>

mouseLightButtonCustom::mouseLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
    setWindowOpacity(0.5);
    // A light on the picture, not a button: clicks reach the picture.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(m_width, m_height);
}

void mouseLightButtonCustom::setLedSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void mouseLightButtonCustom::setColor(QColor color)
{
    m_color = color;
    update();
}

void mouseLightButtonCustom::setLedInfo(int index, int validStatus, int sidePosition)
{
    m_index = index;
    m_validStatus = validStatus;
    m_sidePosition = sidePosition;
}

void mouseLightButtonCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    // The radius is the whole width, so the rim still shows about half of
    // the colour: the dot reads as a lit LED, not a shadow.
    const QPointF centre(m_width / 2, m_height / 2);
    QRadialGradient glow(centre, m_width, centre);
    glow.setColorAt(0.0, m_color);
    QColor clear = m_color;
    clear.setAlpha(0);
    glow.setColorAt(1.0, clear);
    painter.setBrush(glow);
    painter.drawEllipse(QRect(0, 0, m_width, m_height));
}
