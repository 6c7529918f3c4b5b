#include "mainWindowFrame.h"

namespace mainWindowFrame {

namespace {

constexpr int kWideLimit = 1920;
constexpr int kTallLimit = 1080;
const QSize kLargeMinimum(1550, 850);
const QSize kSmallMinimum(1280, 715);

bool within(int value, int from, int to)
{
    return value >= from && value <= to;
}

// Moving the left edge keeps the right one.
void applyLeft(QRect &r, const QPoint &g, const QPoint &tl, const QPoint &br, const QSize &minimum)
{
    r.setLeft(br.x() - g.x() > minimum.width() ? g.x() : tl.x());
}

void applyTop(QRect &r, const QPoint &g, const QPoint &tl, const QPoint &br, const QSize &minimum)
{
    r.setTop(br.y() - g.y() > minimum.height() ? g.y() : tl.y());
}

// The pixel under the cursor becomes the last one: a press that does not
// move leaves the window as it is.
void applyRight(QRect &r, const QPoint &g)
{
    r.setRight(g.x());
}

void applyBottom(QRect &r, const QPoint &g)
{
    r.setBottom(g.y());
}

} // namespace

QSize minimumSizeFor(const QSize &availableArea)
{
    return availableArea.width() > kWideLimit || availableArea.height() > kTallLimit ? kLargeMinimum : kSmallMinimum;
}

int edgeZoneAt(const QPoint &g, const QPoint &tl, const QPoint &br)
{
    const int band = kEdgeBand - 1;
    const bool left = within(g.x(), tl.x(), tl.x() + band);
    const bool right = within(g.x(), br.x() - band, br.x());
    const bool top = within(g.y(), tl.y(), tl.y() + band);
    const bool bottom = within(g.y(), br.y() - band, br.y());
    if (left && top)
        return TopLeft;
    if (right && bottom)
        return BottomRight;
    if (left && bottom)
        return BottomLeft;
    if (right && top)
        return TopRight;
    if (left)
        return Left;
    if (right)
        return Right;
    if (top)
        return Top;
    if (bottom)
        return Bottom;
    return None;
}

Qt::CursorShape cursorForZone(int zone)
{
    switch (zone) {
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case BottomLeft:
    case TopRight:
        return Qt::SizeBDiagCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

Qt::Edges edgesForZone(int zone)
{
    switch (zone) {
    case Top: return Qt::TopEdge;
    case Bottom: return Qt::BottomEdge;
    case Left: return Qt::LeftEdge;
    case Right: return Qt::RightEdge;
    case TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case BottomRight: return Qt::BottomEdge | Qt::RightEdge;
    case TopRight: return Qt::TopEdge | Qt::RightEdge;
    default: return {};
    }
}

QRect resizedRect(int zone, const QPoint &g, const QPoint &tl, const QPoint &br, const QSize &minimum)
{
    QRect r(tl, br);
    switch (zone) {
    case Top:
        applyTop(r, g, tl, br, minimum);
        break;
    case Bottom:
        applyBottom(r, g);
        break;
    case Left:
        applyLeft(r, g, tl, br, minimum);
        break;
    case Right:
        applyRight(r, g);
        break;
    case TopLeft:
        applyLeft(r, g, tl, br, minimum);
        applyTop(r, g, tl, br, minimum);
        break;
    case BottomLeft:
        applyBottom(r, g);
        applyLeft(r, g, tl, br, minimum);
        break;
    case BottomRight:
        applyRight(r, g);
        applyBottom(r, g);
        break;
    case TopRight:
        applyRight(r, g);
        applyTop(r, g, tl, br, minimum);
        break;
    default:
        break;
    }
    return r;
}

} // namespace mainWindowFrame
