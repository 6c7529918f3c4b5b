#pragma once

#include <QColor>
#include <QWidget>

// One handle of the gradient editor: a square of the stop's colour over a
// pointer towards the bar. It reports being held; the editor moves it.
class ColorBuildUpSlider : public QWidget
{
    Q_OBJECT

public:
    explicit ColorBuildUpSlider(int index, QWidget *parent = nullptr);

    void setColors(const QColor &pointerColor, const QColor &stopColor);
    int index() const { return m_index; }
    bool isPressed() const { return m_pressed; }

signals:
    void sigSelectSliderStatus(bool selStatus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor m_pointerColor;
    QColor m_stopColor;
    int m_index;
    bool m_pressed = false;
};
