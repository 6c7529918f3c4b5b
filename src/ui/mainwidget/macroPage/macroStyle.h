#pragma once

#include <QString>

class QWidget;

// Style-sheet helpers of the macro page's widgets.

// A theme colour text, "r,g,b" or "r,g,b,a" with a of 0..255, as a style
// sheet colour. Style sheets take a fourth value only in rgba(), and read
// an alpha of 0 or 1 there as a fraction, so the alpha is written as one.
QString cssColor(const QString &themeText);

// Sets a property that the style sheets select on and repolishes that one
// widget, not its children, when the value changed.
void setStyleProperty(QWidget *widget, const char *name, const char *value);
