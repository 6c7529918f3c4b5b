#include "keyboardButCustom.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {

constexpr int kHoverAlpha = 50;
constexpr qreal kFrameWidth = 3.0;
constexpr qreal kEnterThinWidth = 2.0;
constexpr qreal kCornerRadius = 6.0;
constexpr qreal kEnterRoundness = 6.0; // relative, 0..99
constexpr int kArcBox = 10;
const QColor kTransparent(0, 0, 0, 0);

QPen keyPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

void cornerArc(QPainter &painter, qreal x, qreal y, int startDegrees, int spanDegrees = 90)
{
    painter.drawArc(QRectF(x, y, kArcBox, kArcBox), startDegrees * 16, spanDegrees * 16);
}

} // namespace

keyboardButCustom::keyboardButCustom(QWidget *parent)
    : QToolButton(parent)
{
    // Only the frame or fill is painted; the picture beneath shows through.
    setAttribute(Qt::WA_NoSystemBackground);
}

void keyboardButCustom::setKeySize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
    updateEnterMask();
}

void keyboardButCustom::setKeyPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_position = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(int keyCode, const QString &rawCaption)
{
    m_keyCode = keyCode;
    m_rawCaption = rawCaption;
}

void keyboardButCustom::setCell(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setSpecialEnter(bool special)
{
    m_specialEnter = special;
    updateEnterMask();
}

void keyboardButCustom::setEnterShape(int shape)
{
    m_enterShape = shape;
    updateEnterMask();
}

void keyboardButCustom::setEnterNotch(int x, int y)
{
    m_notchX = x;
    m_notchY = y;
    m_lowerWidth = m_width - x;
    m_lowerHeight = m_height - y;
    updateEnterMask();
}

void keyboardButCustom::setThemeColors(const QColor &clicked, const QColor &haveCustom)
{
    m_hoverFill = withAlpha(haveCustom, kHoverAlpha);
    m_hoverBorder = haveCustom;
    m_selectedFill = withAlpha(clicked, kHoverAlpha);
    m_selectedBorder = clicked;
    m_assignedFill = withAlpha(haveCustom, kHoverAlpha);
    m_assignedBorder = haveCustom;
    m_highlight = haveCustom;
    update();
}

void keyboardButCustom::setKeyAssigned(bool assigned)
{
    m_assigned = assigned;
    update();
}

void keyboardButCustom::setSelected(bool selected, bool repaint)
{
    m_selected = selected;
    if (repaint)
        update();
}

void keyboardButCustom::setKeyColor(const QColor &color)
{
    m_lightColor = color;
    // The screen tick sets every key 33 times a second; only the lighting
    // page shows the colours, so elsewhere they are stored without painting.
    if (m_colorRefresh)
        update();
}

void keyboardButCustom::setColorRefreshEnabled(bool enabled)
{
    m_colorRefresh = enabled;
}

void keyboardButCustom::setKeyMode(bool keyMode)
{
    m_keyMode = keyMode;
}

void keyboardButCustom::setCustomLightMode(bool customLightMode)
{
    m_customLightMode = customLightMode;
}

void keyboardButCustom::setDragCaught(bool caught)
{
    m_dragCaught = caught;
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    emit sigCustomButMouseEnter();
    QToolButton::enterEvent(event);
    update();
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    emit sigCustomButMouseLeave();
    QToolButton::leaveEvent(event);
    update();
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    if (m_customLightMode) {
        const QColor ring = (m_selected || m_hovered) ? m_highlight : kTransparent;
        const bool lit = m_lightColor.red() != 0 || m_lightColor.green() != 0 || m_lightColor.blue() != 0;
        if (lit) {
            const QColor border = (m_dragCaught || m_hovered || m_selected) ? m_highlight : m_lightColor;
            drawKey(painter, m_lightColor, border);
        } else {
            drawKey(painter, kTransparent, ring);
        }
        return;
    }

    if (m_keyMode) {
        if (m_assigned) {
            painter.setBrush(kTransparent);
            drawKey(painter, m_assignedFill, m_assignedBorder);
        }
        if (m_selected) {
            if (m_hovered)
                drawKey(painter, m_hoverFill, m_hoverBorder);
            else
                drawKey(painter, m_selectedFill, m_selectedBorder);
        } else if (m_hovered) {
            drawKey(painter, m_hoverFill, m_hoverBorder);
        }
        return;
    }

    drawKey(painter, m_lightColor, m_lightColor);
}

void keyboardButCustom::drawKey(QPainter &painter, const QColor &fill, const QColor &border)
{
    painter.save();
    if (m_specialEnter) {
        // Any other shape value draws nothing at all.
        if (m_enterShape == 1)
            drawNotchedEnter(painter, fill, border);
    } else {
        drawPlainKey(painter, fill, border);
    }
    painter.restore();
}

void keyboardButCustom::drawPlainKey(QPainter &painter, const QColor &fill, const QColor &border)
{
    const QRect inner = contentsRect();
    painter.fillRect(QRect(inner.left() + 1, inner.top() + 1, inner.width() - 2, inner.height() - 2), fill);
    painter.setPen(keyPen(border, kFrameWidth));
    painter.drawRoundedRect(QRectF(0, 0, m_width, m_height), kCornerRadius, kCornerRadius);
}

// A full-width upper part of height notchY and a lower part from notchX to
// the right edge.
void keyboardButCustom::drawNotchedEnter(QPainter &painter, const QColor &fill, const QColor &border)
{
    const int a = m_notchX;
    const int b = m_notchY;
    const int w = m_width;
    const int h = m_height;
    const int c = m_lowerWidth;

    painter.setPen(keyPen(border, kEnterThinWidth));
    painter.drawLine(QPointF(5, b), QPointF(a - 5, b));
    painter.drawLine(QPointF(a, b + 5), QPointF(a, h - 5));

    painter.setPen(keyPen(border, kFrameWidth));
    painter.drawLine(QPointF(a + 5, h), QPointF(w - 5, h));
    painter.drawLine(QPointF(w, h - 5), QPointF(w, 5));
    painter.drawLine(QPointF(w - 5, 0), QPointF(5, 0));
    painter.drawLine(QPointF(0, b - 5), QPointF(0, 5));

    painter.setPen(keyPen(border, kEnterThinWidth));
    cornerArc(painter, 0, b - kArcBox, -180);
    cornerArc(painter, a, h - kArcBox, -180);
    cornerArc(painter, a - kArcBox, b, 360);
    cornerArc(painter, w - kArcBox, 0, 360);
    cornerArc(painter, 0, 0, 90);
    cornerArc(painter, w - kArcBox, h - kArcBox, -90);

    painter.setPen(keyPen(fill, kEnterThinWidth));
    cornerArc(painter, a - 8, b - 1, 360);

    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(2, 2, w - 4, b - 3), kEnterRoundness, kEnterRoundness, Qt::RelativeSize);
    painter.drawRoundedRect(QRectF(a + 1, b - 1, c - 3, h - b - 1), kEnterRoundness, kEnterRoundness,
                            Qt::RelativeSize);
}

// Clicks and paint in the cut-away lower-left corner of the notched Enter go
// to what lies beneath. Kept up to date whenever the shape changes rather
// than in every paint.
void keyboardButCustom::updateEnterMask()
{
    if (!drawsNotchedEnter()) {
        clearMask();
        return;
    }
    const int a = m_notchX;
    const int b = m_notchY;
    const QPolygon outline({QPoint(0, b + 3), QPoint(a - 3, b + 3), QPoint(a - 3, m_height),
                            QPoint(m_width, m_height), QPoint(m_width, 0), QPoint(0, 0), QPoint(0, b)});
    setMask(QRegion(outline, Qt::OddEvenFill));
}
