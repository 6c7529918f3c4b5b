#pragma once

// The toast's geometry, shared by the widget and the scene notice: plain
// functions of their arguments.

#include <QPoint>
#include <QRect>
#include <QSize>

// Room left and right of the text, together.
constexpr int kNoticeTextPadding = 36;
// The text's size until the owner sets one.
constexpr int kNoticeDefaultPixelSize = 20;

// The box for a text of the given horizontal advance.
QSize noticeBoxSize(int textAdvance, int noticeHeight);

// The absolute corner radius of the box; the painter limits it to half a
// side, so a tall enough box has semicircular ends.
int noticeCornerRadius(int noticeHeight);

// Top-left corner of a box of the given size centred on centre (halves
// truncated).
QPoint noticeTopLeft(const QPoint &centre, const QSize &size);

// The centre used when the caller gives none: half the width and two thirds
// of the height of the area, from its top-left corner.
QPoint noticeDefaultCentre(const QRect &area);
