#include "CbNotice.h"

#include "noticeGeometry.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

// A press this close to the left edge stays with the notice.
constexpr int kConsumedPressBand = 5;

} // namespace

CbNotice::CbNotice(QWidget *parent)
    : QWidget(parent)
{
    if (!parent) {
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    setFont(QFont(QStringLiteral("Microsoft YaHei")));
    setFontPixelSize(kNoticeDefaultPixelSize);
    m_opacityEffect->setOpacity(1);
    setGraphicsEffect(m_opacityEffect);

    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);
    hide();
}

CbNotice::~CbNotice()
{
    delete m_animation;
    // The widget owns its graphics effect; taking it off deletes it.
    setGraphicsEffect(nullptr);
}

// Taken at each show, so a parent laid out or resized since construction
// still gets the notice in its middle.
QPoint CbNotice::defaultCentre() const
{
    if (const QWidget *parent = parentWidget())
        return noticeDefaultCentre(QRect(QPoint(0, 0), parent->size()));
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint();
    return noticeDefaultCentre(QRect(QPoint(0, 0), screen->geometry().size()))
        + screen->virtualGeometry().topLeft();
}

void CbNotice::showNotice()
{
    showAt(defaultCentre());
}

void CbNotice::showNotice(const QString &text)
{
    showNotice(text, QPoint());
}

void CbNotice::showNotice(const QString &text, const QPoint &centre)
{
    hide();
    m_text = text;
    showAt(centre.isNull() ? defaultCentre() : centre);
}

// Sizes the box to the current text, centres it and starts a full run.
void CbNotice::showAt(const QPoint &centre)
{
    const QSize size = noticeBoxSize(textWidth(), m_noticeHeight);
    setFixedSize(size);
    move(noticeTopLeft(centre, size));

    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1);

    // The effect limits the value to 0..1: above 1 the box stays opaque, so
    // one linear run gives the display time and then the fade.
    const qreal start = m_fadeTime / 1000.0 + m_displayTime / 1000.0;
    m_animation->setStartValue(start);
    m_animation->setEndValue(m_fadeTime > 0 ? 0.0 : 1.0);
    m_animation->setDuration(m_displayTime + m_fadeTime);
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
    update();
}

void CbNotice::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
    update();
}

void CbNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void CbNotice::setTextFont(const QFont &font)
{
    setFont(font);
}

void CbNotice::setNoticeHeight(int height)
{
    m_noticeHeight = height;
    setFixedSize(width(), height);
    update();
}

void CbNotice::setFadeDuration(int milliseconds)
{
    m_fadeTime = qMax(0, milliseconds);
}

int CbNotice::textWidth() const
{
    return fontMetrics().horizontalAdvance(m_text);
}

void CbNotice::onActiveHideAnimation()
{
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect box(0, 0, width(), height());
    const int radius = noticeCornerRadius(m_noticeHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
    painter.setPen(m_textColor);
    painter.setFont(font());
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

// Hides at once; the run goes on, so sigFinished still comes at its end.
void CbNotice::mousePressEvent(QMouseEvent *event)
{
    hide();
    if (event->pos().x() > kConsumedPressBand)
        QWidget::mousePressEvent(event); // left unaccepted: the parent gets it too
    else
        event->accept();
}
