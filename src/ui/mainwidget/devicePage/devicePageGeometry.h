#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the device page puts its toasts, its on-board rows and the
// explanation pop-up: plain arithmetic on the sizes of the form's parts.
class devicePageGeometry
{
public:
    // Toasts sit this far below the page's top.
    static constexpr int NoticeY = 125;

    // The toast's centre: the middle of the keyboard area (page centre moved
    // right by half the side bar), moved right by half the side panel while
    // it is open. Halves truncate.
    static QPoint noticePoint(const QRect &pageRect, int sideBarWidth, int customPanelWidth, bool customPanelShown);

    // Left margin that centres the on-board mode and layer rows over a
    // device area of the given width; may be negative.
    static int onboardLeftMargin(int keyboardAreaWidth);

    // The explanation pop-up: its size, the x of its arrow, and its top-left
    // corner for a button at buttonTopLeft (global) of the given size. The
    // arrow's tip points at the button's centre.
    static QSize explainPopupSize();
    static int explainArrowOffset();
    static QPoint explainPopupPos(const QPoint &buttonTopLeft, const QSize &buttonSize);
};
