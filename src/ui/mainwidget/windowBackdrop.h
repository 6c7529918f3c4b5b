#pragma once

#include <QColor>
#include <QObject>

class QFrame;
class QWidget;

// The look of the window's outer frame and of its main area: a 1-pixel
// border and a background on the frame, and the main area's background,
// painted on the frame under everything it holds. Style sheets on these two
// would restyle every widget of every page on each theme change.
class windowBackdrop : public QObject
{
    Q_OBJECT

public:
    // The frame's form look, before any theme.
    static const QColor DefaultBorder;
    static const QColor DefaultBackground;
    static constexpr int BorderWidth = 1;

    // Paints on `frame`, whose contents the border insets as a sheet's
    // border would; `mainArea` is a child of the frame.
    windowBackdrop(QFrame *frame, QWidget *mainArea);

    void setFrameColors(const QColor &border, const QColor &background);
    // An invalid colour leaves the main area unpainted.
    void setMainAreaColor(const QColor &background);

    QColor border() const { return m_border; }
    QColor background() const { return m_background; }
    QColor mainAreaColor() const { return m_mainArea; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint(const QRect &dirty);

    QFrame *m_frame;
    QWidget *m_mainAreaWidget;
    QColor m_border = DefaultBorder;
    QColor m_background = DefaultBackground;
    QColor m_mainArea;
};
