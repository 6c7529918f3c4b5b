#include "colorPickMath.h"

#include <QtMath>

#include <cmath>

namespace colorPickMath {

bool isDiscPress(const QPointF &pos)
{
    const float dx = float(pos.x() - kDiscCentre.x());
    const float dy = float(pos.y() - kDiscCentre.y());
    const int distance = int(std::sqrt(dx * dx + dy * dy));
    return distance < kDiscRadius;
}

double ringValueAt(const QPoint &pos)
{
    const double dx = pos.x() - kRingCentre.x();
    const double dy = pos.y() - kRingCentre.y();
    // atan2(dx, dy): 0 below the centre, +90 right, -90 left, 180 above.
    const double turn = 180.0 + qRadiansToDegrees(std::atan2(dx, dy));
    const double value = turn * (kRingMaximum - kRingMinimum) / 360.0 + kRingMinimum;
    if (value <= kRingMinimum)
        return kRingMinimum;
    if (value >= kRingMaximum)
        return kRingMaximum;
    return value;
}

double knobRotation(double ringValue)
{
    return -(360.0 / (kRingMaximum - kRingMinimum)) * (ringValue - kRingMinimum);
}

int ringDarkenedValue(int ringValue)
{
    return int((100 - ringValue) * 2.55);
}

QColor ringDarkenedColor(const QColor &base, int ringValue)
{
    return QColor::fromHsv(base.hsvHue(), base.hsvSaturation(), ringDarkenedValue(ringValue), 255).toRgb();
}

QString hexColorText(int red, int green, int blue)
{
    const auto hex = [](int v) { return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("#%1%2%3").arg(hex(red), hex(green), hex(blue));
}

} // namespace colorPickMath
