#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// The rules of the frameless main window's own frame: its minimum size, and
// moving and resizing it with the mouse through a 3-pixel band along its
// edges. Plain functions, so the tables can be checked without a window.
namespace mainWindowFrame {

// Edge zones, as the window keeps them.
enum EdgeZone { Top = 0, Bottom, Left, Right, TopLeft, BottomLeft, BottomRight, TopRight, None };

constexpr int kEdgeBand = 3;

// 1550 x 850 on an available area wider than 1920 or taller than 1080,
// else 1280 x 715.
QSize minimumSizeFor(const QSize &availableArea);

// The zone of a global cursor position g for a window whose top-left and
// bottom-right pixels are at tl and br (corners first).
int edgeZoneAt(const QPoint &g, const QPoint &tl, const QPoint &br);
Qt::CursorShape cursorForZone(int zone);
// The edges a system resize takes for a zone (none for None).
Qt::Edges edgesForZone(int zone);

// The window's rectangle after dragging the zone's edges to g: the left and
// top edges stop where the remaining width or height would no longer exceed
// the minimum; the right and bottom edges end at g (the window's minimum
// size bounds them when the rectangle is applied).
QRect resizedRect(int zone, const QPoint &g, const QPoint &tl, const QPoint &br, const QSize &minimum);

} // namespace mainWindowFrame
