#include "faintPictureTint.h"

#include "themeColorInfo.h"

#include <QAbstractButton>
#include <QGraphicsEffect>
#include <QImage>
#include <QPainter>

namespace {

// Pixels at least this opaque make up what the picture shows.
constexpr int kVisibleAlpha = 128;

// Draws what it covers in one colour, each pixel keeping its alpha: a
// picture becomes its outline in that colour.
class flatTintEffect : public QGraphicsEffect
{
public:
    explicit flatTintEffect(const QColor &colour) : m_colour(colour) {}

    void setColour(const QColor &colour)
    {
        m_colour = colour;
        update();
    }

protected:
    void draw(QPainter *painter) override
    {
        QPoint offset;
        QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset);
        {
            QPainter tint(&pixmap);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(pixmap.rect(), m_colour);
        }
        painter->drawPixmap(offset, pixmap);
    }

private:
    QColor m_colour;
};

} // namespace

faintPictureTint::faintPictureTint(QAbstractButton *button, const QString &picture)
    : QObject(button)
    , m_button(button)
    , m_pictureColour(pictureColour(picture))
{
    connect(button, &QAbstractButton::toggled, this, &faintPictureTint::follow);
}

void faintPictureTint::setBackground(const QString &background)
{
    m_tint = QColor();
    if (m_pictureColour.isValid()) {
        const QColor shown = themeColorInfo::readableOn(m_pictureColour, themeColorInfo::opaqueColor(background));
        if (shown != m_pictureColour)
            m_tint = shown;
    }
    if (!m_tint.isValid()) {
        // The button owns the effect and deletes it with this call.
        m_button->setGraphicsEffect(nullptr);
        m_effect = nullptr;
        return;
    }
    if (!m_effect) {
        m_effect = new flatTintEffect(m_tint);
        m_button->setGraphicsEffect(m_effect);
    }
    static_cast<flatTintEffect *>(m_effect)->setColour(m_tint);
    follow(m_button->isChecked());
}

void faintPictureTint::follow(bool checked)
{
    if (m_effect)
        m_effect->setEnabled(!checked);
}

QColor faintPictureTint::pictureColour(const QString &picture)
{
    const QImage image = QImage(picture).convertToFormat(QImage::Format_ARGB32);
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < kVisibleAlpha)
                continue;
            red += qRed(line[x]);
            green += qGreen(line[x]);
            blue += qBlue(line[x]);
            ++count;
        }
    }
    if (count == 0)
        return QColor();
    return QColor(int(red / count), int(green / count), int(blue / count));
}
