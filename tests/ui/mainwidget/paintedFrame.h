#pragma once

// The window's outer frame as it shows on screen.

#include "DMainWidget.h"
#include "ui_DMainWidget.h"

#include <QColor>
#include <QImage>

struct PaintedFrame
{
    QColor border;   // the window's top-left pixel
    QColor mainArea; // the gap left of the page stack
};

inline PaintedFrame paintedFrame(DMainWidget &window)
{
    const QImage shot = window.grab().toImage();
    Ui::DMainWidget *ui = window.form();
    const QPoint gap =
        ui->frame_Main->mapTo(&window, QPoint(ui->stackedWidget_Main->x() / 2, ui->frame_Main->height() / 2));
    return {shot.pixelColor(0, 0), shot.pixelColor(gap)};
}
