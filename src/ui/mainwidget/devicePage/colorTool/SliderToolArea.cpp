#include "SliderToolArea.h"

#include "DDataManager.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSlider>

namespace {

constexpr int kSliderTop = 20;
constexpr int kSliderHeight = 30;
constexpr int kFirstTick = 10;
constexpr int kTickTop = 50;
constexpr int kTickBottom = 55;
constexpr int kScaleInset = 21;
constexpr int kCaptionPointSize = 11;
constexpr int kCaptionHeight = 25;

} // namespace

SliderToolArea::SliderToolArea(QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
{
    m_slider->setMinimum(0);
    m_slider->setPageStep(1);
    connect(m_slider, &QSlider::valueChanged, this, &SliderToolArea::sigValueChanged);

    applyTheme(DDataManager::instance()->getThemeColor());
}

void SliderToolArea::applyTheme(const themeColorInfo &theme)
{
    // The theme's slider text, or the nearest shade that reads on the panel.
    const QColor text = themeColorInfo::readableOn(themeColorInfo::opaqueColor(theme.DeviceColorToolSliderTextColor),
                                                   themeColorInfo::opaqueColor(theme.DeviceCenterBgColor));
    setThemeColor(text.red(), text.green(), text.blue(), theme.DeviceColorToolSliderTopColor,
                  theme.DeviceColorToolSliderBottomColor, theme.TextFont);
}

void SliderToolArea::setMaxValue(int n)
{
    m_segments = n > 0 ? n : 1;
    m_slider->setMaximum(n);
    update();
}

void SliderToolArea::setValue(int v)
{
    m_slider->setValue(v);
}

int SliderToolArea::value() const
{
    return m_slider->value();
}

int SliderToolArea::maxValue() const
{
    return m_slider->maximum();
}

void SliderToolArea::setTexts(const QString &caption, const QString &second, const QString &third)
{
    m_caption = caption;
    m_second = second;
    m_third = third;
    update();
}

void SliderToolArea::setThemeColor(int red, int green, int blue, const QString &addPageColor,
                                   const QString &subPageColor, const QString &fontFamily)
{
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider::add-page:horizontal{background:%1;height:8px;border-radius:4px;}"
        "QSlider::sub-page:horizontal{background:%2;height:8px;border-radius:4px;}"
        "QSlider::groove:horizontal{background:transparent;height:8px;border-radius:4px;}"
        "QSlider::handle:horizontal{height:16px;width:20px;"
        "border-image:url(:/images/deviceLed/sliderDef.png);margin:-8 0px;}")
                                .arg(themeColorInfo::cssColor(addPageColor), themeColorInfo::cssColor(subPageColor)));
    m_textRed = red;
    m_textGreen = green;
    m_textBlue = blue;
    m_fontFamily = fontFamily;
    update();
}

void SliderToolArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_slider->setGeometry(0, kSliderTop, contentsRect().width(), kSliderHeight);
}

void SliderToolArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(m_textRed, m_textGreen, m_textBlue, 255));
    const int step = (width() - kScaleInset) / m_segments;
    int x = kFirstTick;
    for (int i = 0; i <= m_segments; ++i) {
        painter.drawLine(x, kTickTop, x, kTickBottom);
        x += step;
    }
    painter.setFont(captionFont());
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

QFont SliderToolArea::captionFont() const
{
    QFont font(m_fontFamily);
    font.setPointSize(kCaptionPointSize);
    return font;
}

// The whole width: long translations ("Geschwindigkeit") need more than the
// scale's first ticks.
QRect SliderToolArea::captionRect() const
{
    return QRect(0, 0, width(), kCaptionHeight);
}

bool SliderToolArea::isCaptionWhole() const
{
    return QFontMetrics(captionFont()).horizontalAdvance(m_caption) <= captionRect().width();
}
