#include "CbGraphicsNotice.h"

#include "noticeGeometry.h"

#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

constexpr int kFadeTime = 1000;

} // namespace

CbGraphicsNotice::CbGraphicsNotice(QGraphicsItem *parent)
    : QGraphicsWidget(parent)
{
    setFontPixelSize(kNoticeDefaultPixelSize);
    // The item's own opacity is limited to 0..1, so a start above 1 keeps it
    // opaque for the display time.
    m_animation = new QPropertyAnimation(this, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QPropertyAnimation::finished, this, &CbGraphicsNotice::onHideAnimotionFinish);
    hide();
}

CbGraphicsNotice::~CbGraphicsNotice()
{
    delete m_animation;
}

QPoint CbGraphicsNotice::defaultCentre() const
{
    if (const QGraphicsItem *parent = parentItem()) {
        const QRectF r = parent->boundingRect();
        return noticeDefaultCentre(QRect(0, 0, int(r.width()), int(r.height())));
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? noticeDefaultCentre(QRect(QPoint(0, 0), screen->geometry().size())) : QPoint();
}

void CbGraphicsNotice::showNotice()
{
    showAt(defaultCentre());
}

void CbGraphicsNotice::showNotice(const QString &text)
{
    showNotice(text, QPoint());
}

void CbGraphicsNotice::showNotice(const QString &text, const QPoint &centre)
{
    m_text = text;
    showAt(centre.isNull() ? defaultCentre() : centre);
}

void CbGraphicsNotice::showAt(const QPoint &centre)
{
    const QSize size = noticeBoxSize(textWidth(), m_noticeHeight);
    resize(size);
    setPos(noticeTopLeft(centre, size));

    m_animation->stop();
    show();
    setOpacity(1);
    m_animation->setStartValue(m_displayTime / 1000.0 + kFadeTime / 1000.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(m_displayTime + kFadeTime);
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
    update();
}

void CbGraphicsNotice::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
    update();
}

void CbGraphicsNotice::setNoticeHeight(int height)
{
    m_noticeHeight = height;
    resize(size().width(), height);
    update();
}

void CbGraphicsNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

int CbGraphicsNotice::textWidth() const
{
    return QFontMetrics(font()).horizontalAdvance(m_text);
}

void CbGraphicsNotice::setAnimationDuration(int milliseconds)
{
    m_animation->setDuration(milliseconds);
}

void CbGraphicsNotice::onActiveHideAnimation()
{
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
}

void CbGraphicsNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbGraphicsNotice::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF box = boundingRect();
    const int radius = noticeCornerRadius(m_noticeHeight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_backgroundColor);
    painter->drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
    painter->setPen(m_textColor);
    painter->setFont(font());
    painter->drawText(box, Qt::AlignCenter | Qt::TextWordWrap, m_text);
    painter->restore();
}

void CbGraphicsNotice::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    hide();
}
