#include "ArrowWidget.h"

#include "DDataManager.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kBand = 15; // transparent band around the body, room for the shadow
constexpr int kArrowBand = 25; // body top with the arrow on top
constexpr int kArrowWidth = 15;
constexpr int kArrowTip = 7;
constexpr int kArrowHeight = 10;
constexpr qreal kCornerRadius = 5;
constexpr qreal kArrowOpacity = 0.9;
constexpr qreal kShadowBlur = 15;

} // namespace

ArrowWidget::ArrowWidget(int direction, QWidget *parent)
    : QDialog(parent)
    , m_direction(direction)
    , m_background(themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().AllBgColor))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(kArrowOpacity);

    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::gray);
    shadow->setBlurRadius(kShadowBlur);
    setGraphicsEffect(shadow);

    installEventFilter(this);
}

void ArrowWidget::setPopupSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::setArrowOffset(int x)
{
    m_arrowOffset = x;
    update();
}

void ArrowWidget::setContentWidget(QWidget *content)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(content);
    layout->setSpacing(0);
    layout->setContentsMargins(kBand, m_direction == 0 ? kArrowBand : kBand, kBand, kBand);
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    const int o = m_arrowOffset;

    QPainterPath path;
    QPolygon arrow;
    if (m_direction == 0) {
        path.addRoundedRect(QRectF(kBand, kArrowBand, w - 2 * kBand, h - kArrowBand - kBand), kCornerRadius,
                            kCornerRadius);
        arrow << QPoint(o, kArrowBand) << QPoint(o + kArrowTip, kArrowBand - kArrowHeight)
              << QPoint(o + kArrowWidth, kArrowBand);
    } else {
        path.addRoundedRect(QRectF(kBand, kBand, w - 2 * kBand, h - 2 * kBand), kCornerRadius, kCornerRadius);
        if (m_direction == 1)
            arrow << QPoint(o, h - kBand) << QPoint(o + kArrowTip, h) << QPoint(o + kArrowWidth, h - kBand);
    }
    if (!arrow.isEmpty())
        path.addPolygon(arrow);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_background);
    painter.drawPath(path);
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        hide();
    return QDialog::eventFilter(watched, event);
}
