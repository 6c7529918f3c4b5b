#pragma once

#include <QList>

// Arithmetic of the gradient editor: where its stops start, where their
// handles are first placed, and how a drag maps to a stop position. The
// placement and the drag mapping are separate rules and need not agree.
namespace gradientStops {

constexpr int kBarInset = 6;      // the bar starts 6 px in from each side
constexpr int kHandleTop = 12;
constexpr int kHandleWidth = 10;
constexpr int kHandleHeight = 20;

// A gradient needs at least two stops, one per colour pair.
bool isValidCount(int count, int pairCount);

// Evenly spread positions 0 .. 1 for count stops (count >= 2): stop i at
// i x (1 / (count - 1)), the last exactly 1.0.
QList<double> initialPositions(int count);

// Left edge of handle j at first: j x ((width - 12) / (count - 1)) in
// integer division.
int initialHandleX(int width, int count, int j);

// The stop position for a drag to x (editor coordinates): x / (width - 12).
// False, and t untouched, when x lies outside the editor or the position
// would not be strictly between 0 and 1.
bool dragPosition(int x, int width, double *t);

} // namespace gradientStops
