#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QTimer;

// A one-line label whose text keeps moving inside the widget, one step per
// timer tick: back and forth, or through from one side to the other.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle {
        BackAndForth = 0,
        LeftToRight = 1,
        RightToLeft = 2,
    };
    Q_ENUM(MoveStyle)

    explicit TextMoveWidget(QWidget *parent = nullptr);
    ~TextMoveWidget() override;

    // The next x of a text of width textWidth in a widget of width
    // widgetWidth; movingRight is the back-and-forth direction, kept between
    // calls. An unknown style keeps x.
    static int nextPosition(MoveStyle style, int x, bool &movingRight, int textWidth, int widgetWidth, int step);

    QColor foreground() const { return m_foreground; }

public slots:
    void setText(const QString &text);
    void setTextFont(const QString &textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(const QColor &foreground);
    void setBackground(const QColor &background);
    // Keeps the position; the next setText restarts it.
    void setMoveStyle(MoveStyle moveStyle);
    // One movement tick.
    void updatePos();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderlined(bool underlined);

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground{100, 184, 255};
    QColor m_background{22, 22, 22};
    MoveStyle m_moveStyle = BackAndForth;
    bool m_hovered = false;
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};
