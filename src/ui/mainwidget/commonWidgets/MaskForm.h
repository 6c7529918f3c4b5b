#pragma once

#include <QPointer>
#include <QWidget>

// A coloured overlay over a target window while one watched widget is
// visible. Neither the target nor the watched widget is owned; one destroyed
// reads as none. Without a target the overlay keeps its own geometry.
class MaskForm : public QWidget
{
    Q_OBJECT

public:
    explicit MaskForm(QWidget *parent = nullptr);

    // An invalid colour changes nothing, the opacity included.
    void setMaskColor(const QColor &color, float opacity);
    // A null pointer is ignored.
    void setTargetWindow(QWidget *window);
    // A null pointer is ignored.
    void setWatchedWidget(QWidget *widget);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_targetWindow;
    QPointer<QWidget> m_watchedWidget;
};
