#include "QtCustomShadowEffect.h"

#include <QImage>
#include <QPainter>

// QtWidgets 5.15 exports its image blur (used by its own drop shadow) but
// declares it only in a private header.
QT_BEGIN_NAMESPACE
Q_DECL_IMPORT void qt_blurImage(QPainter *p, QImage &blurImage, qreal radius, bool quality, bool alphaOnly,
                                int transposed = 0);
QT_END_NAMESPACE

QtCustomShadowEffect::QtCustomShadowEffect(QObject *parent)
    : QGraphicsEffect(parent)
{
}

QRectF QtCustomShadowEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal delta = m_blurRadius + m_distance;
    return rect.united(rect.adjusted(-delta, -delta, delta, delta));
}

void QtCustomShadowEffect::setDistance(qreal distance)
{
    m_distance = distance;
    updateBoundingRect();
}

void QtCustomShadowEffect::setBlurRadius(qreal blurRadius)
{
    m_blurRadius = blurRadius;
    updateBoundingRect();
}

void QtCustomShadowEffect::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QtCustomShadowEffect::draw(QPainter *painter)
{
    if (m_blurRadius + m_distance <= 0) {
        drawSource(painter);
        return;
    }

    // In device coordinates, to match the identity transform it is drawn
    // with: logical ones would put any widget not at the window's origin there.
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (source.isNull())
        return;

    const QTransform savedTransform = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->setRenderHint(QPainter::Antialiasing);

    const QSize shadowSize(int(source.width() + 2 * m_distance), int(source.height() + 2 * m_distance));
    QImage shadow(shadowSize, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawPixmap(QPointF(-m_distance, -m_distance),
                     source.scaled(shadowSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }

    QImage blurred(shadow.size(), QImage::Format_ARGB32_Premultiplied);
    blurred.fill(Qt::transparent);
    {
        QPainter p(&blurred);
        qt_blurImage(&p, shadow, m_blurRadius, false, true);
    }

    // Keeps the blurred alpha and takes the shadow's colour.
    shadow = blurred;
    {
        QPainter p(&shadow);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shadow.rect(), m_color);
    }

    painter->drawImage(offset, shadow);
    painter->drawPixmap(offset, source);
    painter->setWorldTransform(savedTransform);
}
