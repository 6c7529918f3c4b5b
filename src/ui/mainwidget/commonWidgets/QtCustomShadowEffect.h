#pragma once

#include <QColor>
#include <QGraphicsEffect>

// A blurred, coloured shadow behind any widget, grown by blur radius plus
// distance on every side.
class QtCustomShadowEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit QtCustomShadowEffect(QObject *parent = nullptr);

    QRectF boundingRectFor(const QRectF &rect) const override;

    void setDistance(qreal distance);
    qreal distance() const { return m_distance; }
    void setBlurRadius(qreal blurRadius);
    qreal blurRadius() const { return m_blurRadius; }
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void draw(QPainter *painter) override;

private:
    qreal m_distance = 4.0;
    qreal m_blurRadius = 10.0;
    QColor m_color{0, 0, 0, 80};
};
