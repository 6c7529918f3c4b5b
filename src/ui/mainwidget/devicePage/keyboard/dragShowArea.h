#pragma once

#include <QPoint>
#include <QWidget>

// The transparent overlay over the keyboard picture that draws the rubber
// band of the custom-light selection and reports it on release, in its own
// coordinates. Presses on a key never reach it: the keys lie above it.
class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    // Takes effect at the next paint.
    void setRectColor(int red, int green, int blue);

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_dragging = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
    int m_red = 255;
    int m_green = 49;
    int m_blue = 53;
};
