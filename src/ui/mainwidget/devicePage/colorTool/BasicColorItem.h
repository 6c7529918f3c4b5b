#pragma once

#include <QColor>
#include <QLabel>

// One 12 x 12 colour swatch of the palette: a preset (index -1) or the user
// swatch of a user slot.
class BasicColorItem : public QLabel
{
    Q_OBJECT

public:
    explicit BasicColorItem(const QColor &color, QWidget *parent = nullptr);

    void setColor(const QColor &color);
    QColor color() const { return m_color; }
    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }

signals:
    void itemClickedSignal(const QColor &color);
    void sigBasicColorItemMouseRightButtonPress();
    void sigBasicColorItemMouseEnter();
    void sigBasicColorItemMouseLeave();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_color;
    int m_index = -1;
};
