#include "SVColorArea.h"

#include "colorPickMath.h"
#include "screenColorReader.h"

#include <QConicalGradient>
#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

using namespace colorPickMath;

namespace {

constexpr int kWheelSize = 140;
constexpr int kRingPenWidth = 6;

} // namespace

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
    , m_reader(screenColorReader::system())
{
    setFixedSize(kAreaSize, kAreaSize);
    paintWheel();
}

void SVColorArea::setKnobColor(const QColor &color)
{
    m_knobColor = color;
    update();
}

void SVColorArea::resetRingValue()
{
    m_ringValue = kRingMinimum;
    update();
}

void SVColorArea::setScreenColorReader(const screenColorReader *reader)
{
    m_reader = reader ? reader : screenColorReader::system();
}

void SVColorArea::paintWheel()
{
    m_wheel = QPixmap(kWheelSize, kWheelSize);
    m_wheel.fill(Qt::transparent);
    QPainter painter(&m_wheel);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QConicalGradient hues(kDiscCentre, -140);
    hues.setColorAt(0.0, Qt::green);
    hues.setColorAt(0.16, Qt::cyan);
    hues.setColorAt(0.32, Qt::blue);
    hues.setColorAt(0.48, Qt::magenta);
    hues.setColorAt(0.64, Qt::red);
    hues.setColorAt(0.8, Qt::yellow);
    hues.setColorAt(1.0, Qt::green);
    painter.setBrush(hues);
    painter.drawEllipse(20, 20, 120, 120);

    QRadialGradient glow(kDiscCentre, 52, kDiscCentre);
    glow.setColorAt(0.0, Qt::white);
    glow.setColorAt(1.0, Qt::transparent);
    painter.setBrush(glow);
    painter.drawEllipse(28, 28, 104, 104);
}

void SVColorArea::paintEvent(QPaintEvent *event)
{
    const double rotation = knobRotation(m_ringValue);
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPixmap(0, 0, m_wheel);

        QConicalGradient ring(70, 70, 83);
        ring.setColorAt(0.0, Qt::white);
        ring.setColorAt(1.0, Qt::black);
        painter.setPen(QPen(QBrush(ring), kRingPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(10, 10, 140, 140);

        painter.setPen(Qt::NoPen);
        painter.translate(kDiscCentre);
        painter.rotate(rotation);
        QLinearGradient knob(0, 0, 16, 16);
        knob.setColorAt(0.0, m_knobColor);
        knob.setColorAt(1.0, m_knobHighlight);
        painter.setBrush(knob);
        painter.drawEllipse(-10, -78, 16, 16);
    }
    emit sigMoveingStatus(int(m_ringValue), int(rotation));
    QWidget::paintEvent(event);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    emit sigMouseIsPress(true);
    if (isDiscPress(event->localPos())) {
        m_pressedInDisc = true;
        m_saturation = qBound(0, event->x(), 255);
        m_value = 255 - qBound(0, event->y(), 255);
        emit svChangedSignal(m_hue, m_saturation, m_value);
        pickScreenColor(event->globalPos());
        m_ringValue = kRingMinimum;
        update();
    } else {
        m_pressedInDisc = false;
        setRingValueFrom(event->pos());
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedInDisc)
        return;
    setRingValueFrom(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit sigMouseIsPress(false);
}

void SVColorArea::setRingValueFrom(const QPoint &pos)
{
    m_ringValue = ringValueAt(pos);
    // Painted at once, so the hosts get the new knob while the button is
    // still held (they treat a held press as one edit).
    repaint();
}

void SVColorArea::print2()
{
    pickScreenColor(QCursor::pos());
}

void SVColorArea::pickScreenColor(const QPoint &globalPos)
{
    const screenPixelResult pixel = m_reader->readPixel(globalPos);
    if (!pixel.ok)
        return; // no colour is better than a made-up one
    const int r = pixel.color.red();
    const int g = pixel.color.green();
    const int b = pixel.color.blue();
    emit sigGetRGB(r, g, b);
    emit sigGetHexRGB(hexColorText(r, g, b));
}
