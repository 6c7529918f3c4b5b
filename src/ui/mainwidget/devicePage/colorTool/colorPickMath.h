#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QString>

// The arithmetic of the colour ring: which part of it a press hits, where the
// knob stands, the darkening the ring stands for and the colour's text form.
// Kept apart from the widget so each rule can be checked alone.
namespace colorPickMath {

constexpr int kAreaSize = 160;
constexpr double kRingMinimum = 0.0;
constexpr double kRingMaximum = 100.0;
// Hit tests measure from the disc's centre; the ring angle from the centre
// of the widget's rectangle, which QRect puts one pixel up and left.
constexpr QPoint kDiscCentre(80, 80);
constexpr QPoint kRingCentre(79, 79);
constexpr int kDiscRadius = 60;

// True when a press at pos (widget coordinates) lies in the inner disc:
// the distance to the disc centre, in single precision and truncated, is
// below 60.
bool isDiscPress(const QPointF &pos);

// The ring value (0..100) for a point of the widget: 0 straight above the
// centre, rising counter-clockwise (left 25, below 50, right 75, above 100).
double ringValueAt(const QPoint &pos);

// Rotation of the knob in degrees for a ring value; negative, because the
// knob travels counter-clockwise and Qt's positive rotation is clockwise.
double knobRotation(double ringValue);

// Value (HSV) of the darkened colour for a ring position 1..100:
// (100 - v) x 2.55, truncated.
int ringDarkenedValue(int ringValue);

// The colour with the hue and saturation of base and the ring's value.
QColor ringDarkenedColor(const QColor &base, int ringValue);

// "#RRGGBB", two upper-case hexadecimal digits per component.
QString hexColorText(int red, int green, int blue);

} // namespace colorPickMath
