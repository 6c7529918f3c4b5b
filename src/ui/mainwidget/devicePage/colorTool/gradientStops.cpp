#include "gradientStops.h"

namespace gradientStops {

bool isValidCount(int count, int pairCount)
{
    return count >= 2 && count == pairCount;
}

QList<double> initialPositions(int count)
{
    QList<double> positions;
    const int segments = count - 1;
    if (segments < 1)
        return positions;
    const double step = 1.0 / segments;
    for (int i = 0; i < segments; ++i)
        positions.append(i == 0 ? 0.0 : i * step);
    positions.append(1.0);
    return positions;
}

int initialHandleX(int width, int count, int j)
{
    if (count < 2)
        return 0;
    return (width - 2 * kBarInset) / (count - 1) * j;
}

bool dragPosition(int x, int width, double *t)
{
    if (x < 0 || x > width)
        return false;
    const int span = width - 2 * kBarInset;
    if (span <= 0)
        return false;
    const double position = double(x) / span;
    if (position <= 0.0 || position >= 1.0)
        return false;
    *t = position;
    return true;
}

} // namespace gradientStops
