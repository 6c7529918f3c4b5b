#include "BasicColorItem.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

namespace {

constexpr int kSwatchSize = 12;

} // namespace

BasicColorItem::BasicColorItem(const QColor &color, QWidget *parent)
    : QLabel(parent)
{
    setFixedSize(kSwatchSize, kSwatchSize);
    setFocusPolicy(Qt::NoFocus);
    setColor(color);
}

void BasicColorItem::setColor(const QColor &color)
{
    m_color = color;
    m_color.setAlpha(255);
    QImage image(kSwatchSize, kSwatchSize, QImage::Format_ARGB32);
    image.fill(m_color);
    setPixmap(QPixmap::fromImage(image));
}

void BasicColorItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit itemClickedSignal(m_color);
    else if (event->button() == Qt::RightButton)
        emit sigBasicColorItemMouseRightButtonPress();
}

void BasicColorItem::enterEvent(QEvent *event)
{
    emit sigBasicColorItemMouseEnter();
    QLabel::enterEvent(event);
}

void BasicColorItem::leaveEvent(QEvent *event)
{
    emit sigBasicColorItemMouseLeave();
    QLabel::leaveEvent(event);
}
