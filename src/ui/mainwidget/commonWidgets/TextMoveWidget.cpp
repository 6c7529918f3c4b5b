#include "TextMoveWidget.h"

#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

namespace {

// A text wider than the widget turns this far inside either edge.
constexpr int kWideTurnMargin = 10;

} // namespace

TextMoveWidget::TextMoveWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setForeground(m_foreground);
    setBackground(m_background);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    m_timer->start(m_interval);
}

TextMoveWidget::~TextMoveWidget()
{
    if (m_timer->isActive())
        m_timer->stop();
}

int TextMoveWidget::nextPosition(MoveStyle style, int x, bool &movingRight, int textWidth, int widgetWidth,
                                 int step)
{
    switch (style) {
    case BackAndForth:
        if (textWidth <= widgetWidth) {
            if (x + textWidth > widgetWidth)
                movingRight = false;
            else if (x <= 0)
                movingRight = true;
        } else {
            // Turning only at exactly 10 would let a step that does not
            // divide 10 run the text off for good.
            if (x >= kWideTurnMargin)
                movingRight = false;
            else if (x <= widgetWidth - textWidth - kWideTurnMargin)
                movingRight = true;
        }
        return movingRight ? x + step : x - step;
    case LeftToRight:
        if (x > widgetWidth)
            x = -textWidth;
        return x + step;
    case RightToLeft:
        if (x < -textWidth)
            x = widgetWidth;
        return x - step;
    }
    return x;
}

void TextMoveWidget::setText(const QString &text)
{
    m_text = text;
    m_label->setText(text);
    // Fitted on every change: a text or font set after the first show would
    // otherwise be cut at the label's old width.
    m_label->adjustSize();
    switch (m_moveStyle) {
    case BackAndForth:
        m_x = 0;
        break;
    case LeftToRight:
        m_x = -m_label->width();
        break;
    case RightToLeft:
        m_x = width();
        break;
    }
}

void TextMoveWidget::setTextFont(const QString &textFont, int textFontSize)
{
    setFont(QFont(textFont, textFontSize));
    // Bold by name: the style sheets read a bare number as a CSS weight
    // (100..900), so "75" would give a hairline font.
    m_label->setStyleSheet(QStringLiteral("font: bold %2pt \"%1\"").arg(textFont).arg(textFontSize));
    m_label->adjustSize();
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(const QColor &foreground)
{
    m_foreground = foreground;
    QPalette p = m_label->palette();
    p.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(p);
}

void TextMoveWidget::setBackground(const QColor &background)
{
    m_background = background;
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true); // a child widget fills only when asked
}

void TextMoveWidget::setMoveStyle(MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovered)
        return;
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    m_x = nextPosition(m_moveStyle, m_x, m_movingRight, textWidth, width(), m_step);
    m_label->move(m_x, m_y);
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - fontMetrics().height()) / 2;
    QWidget::resizeEvent(event);
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_mouseHoverStop) {
        setUnderlined(true);
        setCursor(Qt::PointingHandCursor);
    }
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_mouseHoverStop) {
        setUnderlined(false);
        setCursor(Qt::ArrowCursor);
    }
    QWidget::leaveEvent(event);
}

void TextMoveWidget::setUnderlined(bool underlined)
{
    QFont f = m_label->font();
    f.setUnderline(underlined);
    m_label->setFont(f);
}
