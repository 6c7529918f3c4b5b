#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QSlider;
struct themeColorInfo;

// A horizontal level slider with a painted caption above it and a painted
// scale of ticks below it (brightness, speed).
class SliderToolArea : public QWidget
{
    Q_OBJECT

public:
    explicit SliderToolArea(QWidget *parent = nullptr);

    // n levels above 0; the scale has max(n, 1) segments.
    void setMaxValue(int n);
    void setValue(int v);
    int value() const;
    int maxValue() const;
    // Only the caption is shown; the other two are kept for the hosts.
    void setTexts(const QString &caption, const QString &second, const QString &third);
    QString caption() const { return m_caption; }
    // Whether the painted caption has room for all of itself.
    bool isCaptionWhole() const;
    // Colours as the theme holds them, "r,g,b" or "r,g,b,a".
    void setThemeColor(int red, int green, int blue, const QString &addPageColor,
                       const QString &subPageColor, const QString &fontFamily);
    // setThemeColor with the slider colours and font of a theme.
    void applyTheme(const themeColorInfo &theme);

    QSlider *slider() const { return m_slider; }

signals:
    void sigValueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QFont captionFont() const;
    QRect captionRect() const;

    QSlider *m_slider;
    int m_segments = 1;
    QString m_caption;
    QString m_second;
    QString m_third;
    int m_textRed = 150;
    int m_textGreen = 150;
    int m_textBlue = 150;
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
};
