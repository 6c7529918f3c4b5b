#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class screenColorReader;

// The colour ring: a hue disc with a white glow, whose press picks the
// colour shown on the screen under the press, and a ring around it whose
// knob sets a value 0..100 that the hosts use as a darkening level.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    void setKnobColor(const QColor &color);
    QColor knobColor() const { return m_knobColor; }
    // Knob back to the top (ring value 0).
    void resetRingValue();
    double ringValue() const { return m_ringValue; }

    // Where the eyedropper reads the screen; the session's reader by
    // default. Not owned; must outlive the area.
    void setScreenColorReader(const screenColorReader *reader);

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(const QString &strHexRGB);
    // Sent on every paint, moved or not: the hosts read the knob from it.
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool pressed);

public slots:
    // The eyedropper at the mouse cursor.
    void print2();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintWheel();
    void pickScreenColor(const QPoint &globalPos);
    void setRingValueFrom(const QPoint &pos);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    QPixmap m_wheel;
    QColor m_knobColor{255, 49, 53};
    QColor m_knobHighlight{250, 250, 250};
    double m_ringValue = 0.0;
    bool m_pressedInDisc = false;
    const screenColorReader *m_reader;
};
