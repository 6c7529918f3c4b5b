#pragma once

#include <QColor>
#include <QDialog>

// A pop-up box next to the button or key it belongs to: a frameless,
// slightly transparent tool window with a rounded body, a small arrow on its
// top (direction 0) or bottom (direction 1) edge, or none (any other), and a
// soft grey shadow. It holds one content widget and hides itself when it
// loses activation, so a click anywhere else dismisses it.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    explicit ArrowWidget(int direction, QWidget *parent = nullptr);

    void setPopupSize(int width, int height);
    // x of the arrow's left base corner; the tip is 7 pixels to its right.
    void setArrowOffset(int x);
    // Puts the widget into the body; the pop-up takes ownership. Call once.
    void setContentWidget(QWidget *content);

    int arrowOffset() const { return m_arrowOffset; }
    int arrowDirection() const { return m_direction; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_arrowOffset = 50;
    int m_direction;
    QColor m_background;
};
