#include "buildUpColorShowArea.h"

#include <QLinearGradient>
#include <QPainter>

buildUpColorShowArea::buildUpColorShowArea(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void buildUpColorShowArea::setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors)
{
    m_stops = stops;
    m_colors = colors;
    m_filled = true;
    update();
}

void buildUpColorShowArea::paintEvent(QPaintEvent *)
{
    if (!m_filled)
        return;
    QLinearGradient gradient(0, 0, width(), 0);
    // Only the stops that have a colour; a position outside 0..1 is no stop.
    const int stops = qMin(m_stops.size(), m_colors.size());
    for (int i = 0; i < stops; ++i) {
        const double position = m_stops.at(i);
        if (position >= 0.0 && position <= 1.0)
            gradient.setColorAt(position, m_colors.at(i));
    }
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}
