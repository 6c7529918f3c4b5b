#include "CustomButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kPictureX = 15;
constexpr int kPictureY = 11;
constexpr int kSelectedPictureSide = 16;
constexpr int kNormalPictureSide = 15; // the normal picture is drawn one pixel smaller
const QRect kCaptionRect(48, 10, 130, 50);
constexpr int kCaptionPointSize = 9;
// A caption wider than its place runs on to the row's right edge, less this.
constexpr int kCaptionRightGap = 4;
constexpr int kMostCaptionLines = 2;
const QString kSelectedMark = QStringLiteral("Sel");

void drawPicture(QPainter &painter, const QString &path, int side)
{
    const QPixmap picture(path);
    if (!picture.isNull())
        painter.drawPixmap(QRect(kPictureX, kPictureY, side, side), picture);
}

} // namespace

CustomButton::CustomButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QString CustomButton::selectedPicturePath(const QString &picturePath)
{
    // The file name's dot, not one of a folder's.
    const int nameStart = picturePath.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = picturePath.indexOf(QLatin1Char('.'), nameStart);
    if (dot - nameStart < kSelectedMark.size())
        return picturePath;
    QString path = picturePath;
    return path.replace(dot - kSelectedMark.size(), kSelectedMark.size(), kSelectedMark);
}

void CustomButton::setImageAndText(const QString &picturePath, const QString &caption)
{
    m_picturePath = picturePath;
    m_caption = caption;
    updateCaptionToolTip();
    update();
}

void CustomButton::setSelected(bool selected)
{
    m_selected = selected;
    m_hovered = false;
    update();
}

void CustomButton::setThemeColors(const QColor &selectedBackground, const QColor &hoverBackground,
                                  const QColor &normalBackground, const QColor &normalText,
                                  const QColor &selectedText, const QString &fontFamily)
{
    m_selectedBackground = selectedBackground;
    m_hoverBackground = hoverBackground;
    m_normalBackground = normalBackground;
    m_normalText = normalText;
    m_selectedText = selectedText;
    m_fontFamily = fontFamily;
    updateCaptionToolTip();
    update();
}

QFont CustomButton::captionFont() const
{
    QFont font(m_fontFamily, kCaptionPointSize);
    font.setBold(true);
    return font;
}

QString CustomButton::shownCaption() const
{
    return captionLines(QFontMetrics(captionFont())).join(QLatin1Char('\n'));
}

// The caption's place in the row: the designed one while the caption fits
// it, else up to the row's right edge (a long translation).
QRect CustomButton::captionRect(const QFontMetrics &metrics) const
{
    if (metrics.horizontalAdvance(m_caption) <= kCaptionRect.width())
        return kCaptionRect;
    const int right = qMax(kCaptionRect.right(), contentsRect().right() - kCaptionRightGap);
    return QRect(kCaptionRect.topLeft(), QPoint(right, kCaptionRect.bottom()));
}

// One line where the caption fits; else it breaks between words into two
// lines, and only what would need a third is elided.
QStringList CustomButton::captionLines(const QFontMetrics &metrics) const
{
    const int width = captionRect(metrics).width();
    if (metrics.horizontalAdvance(m_caption) <= width)
        return {m_caption};
    QStringList lines;
    QString line;
    const QStringList words = m_caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); ++i) {
        const QString longer = line.isEmpty() ? words.at(i) : line + QLatin1Char(' ') + words.at(i);
        if (metrics.horizontalAdvance(longer) <= width || line.isEmpty()) {
            line = longer;
            continue;
        }
        lines.append(line);
        if (lines.size() == kMostCaptionLines - 1) {
            line = QStringList(words.mid(i)).join(QLatin1Char(' '));
            break;
        }
        line = words.at(i);
    }
    lines.append(line);
    for (QString &shown : lines)
        shown = metrics.elidedText(shown, Qt::ElideRight, width);
    return lines;
}

void CustomButton::updateCaptionToolTip()
{
    const bool cut = shownCaption().replace(QLatin1Char('\n'), QLatin1Char(' ')) != m_caption.simplified();
    if (cut && (toolTip().isEmpty() || m_captionToolTip)) {
        setToolTip(m_caption);
        m_captionToolTip = true;
    } else if (!cut && m_captionToolTip) {
        setToolTip(QString());
        m_captionToolTip = false;
    }
}

void CustomButton::resizeEvent(QResizeEvent *event)
{
    QToolButton::resizeEvent(event);
    updateCaptionToolTip();
}

void CustomButton::enterEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = true;
        update();
    }
    QWidget::enterEvent(event);
}

void CustomButton::leaveEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void CustomButton::paintEvent(QPaintEvent *)
{
    const QRect r = contentsRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (m_selected) {
        painter.fillRect(r, m_selectedBackground);
        drawPicture(painter, selectedPicturePath(m_picturePath), kSelectedPictureSide);
    } else {
        painter.fillRect(r, m_hovered ? m_hoverBackground : m_normalBackground);
        drawPicture(painter, m_picturePath, kNormalPictureSide);
    }

    QPen pen = painter.pen();
    pen.setColor(m_selected ? m_selectedText : m_normalText);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setFont(captionFont());
    // Measured on the device painted on: a picture of the row can lay the
    // text out wider than the screen does.
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList lines = captionLines(metrics);
    QRect place = captionRect(metrics);
    if (lines.size() > 1) {
        // Two lines stand in the middle of the row.
        const int height = lines.size() * metrics.height();
        place.moveTop(qMax(0, (r.height() - height) / 2));
    }
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, lines.join(QLatin1Char('\n')));
}
