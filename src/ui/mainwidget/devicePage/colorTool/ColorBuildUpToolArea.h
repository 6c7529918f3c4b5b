#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

class ColorBuildUpSlider;

// One stop of a gradient as the editor is filled with it.
struct colorStopPair
{
    QColor pointerColor;
    QColor stopColor;
};

// A gradient bar with one draggable handle per stop above it. Filled once
// with its stops; dragging a handle moves its stop along the bar. After the
// fill and every accepted drag step it emits all stop positions and colours.
class ColorBuildUpToolArea : public QWidget
{
    Q_OBJECT

public:
    explicit ColorBuildUpToolArea(QWidget *parent = nullptr);

    // count must be the number of pairs, at least 2; anything else is
    // refused with a warning, building and emitting nothing.
    void setColorBuildUp(const QList<colorStopPair> &pairs, int count);

    QList<double> stopPositions() const { return m_stopPositions; }
    QList<QColor> stopColors() const { return m_stopColors; }
    ColorBuildUpSlider *handle(int stop) const { return m_handles.value(stop); }
    int currentStop() const { return m_currentStop; }

signals:
    void sigUpdataColorBuildUp(const QList<double> &positions, const QList<QColor> &colors);

public slots:
    void onSelectSliderStatus(bool selStatus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QList<colorStopPair> m_pairs;
    int m_segments = 0;
    QList<double> m_stopPositions;
    QList<QColor> m_stopColors;
    QMap<int, ColorBuildUpSlider *> m_handles;
    QPointer<ColorBuildUpSlider> m_heldHandle;
    bool m_holding = false;
    int m_currentStop = -1;
};
