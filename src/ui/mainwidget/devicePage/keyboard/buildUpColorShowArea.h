#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A strip painted with a horizontal gradient from a list of stops and their
// colours, as the gradient editor emits them. Blank until first given stops.
class buildUpColorShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit buildUpColorShowArea(QWidget *parent = nullptr);

    void setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_stops;
    QList<QColor> m_colors;
    bool m_filled = false;
};
