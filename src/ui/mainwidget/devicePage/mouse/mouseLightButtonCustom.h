#pragma once

#include <QColor>
#include <QToolButton>

// One LED of the mouse picture: a glowing dot in its light colour, fading
// out towards its edge. The lighting engine sets the colour; the dot keeps
// what the mouse layout file says of its LED.
class mouseLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit mouseLightButtonCustom(QWidget *parent = nullptr);

    void setLedSize(int width, int height);
    // The colour, alpha included; repaints.
    void setColor(QColor color);
    QColor getColor() const { return m_color; }

    // The LED's entry in the layout file: its index, whether it is one of
    // the mouse's real LEDs (validStatus 1) and its position on the side.
    void setLedInfo(int index, int validStatus, int sidePosition);
    int ledIndex() const { return m_index; }
    int validStatus() const { return m_validStatus; }
    int sidePosition() const { return m_sidePosition; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    QColor m_color {0, 255, 0, 200};
    int m_index = 0;
    int m_validStatus = 0;
    int m_sidePosition = 0;
};
