#pragma once

class QWidget;

// A background that still takes the mouse (a clear one lets presses through).
constexpr const char kNearlyTransparent[] = "0,0,0,1";

// Sets a property that the style sheets select on and repolishes that one
// widget, not its children, when the value changed.
void setStyleProperty(QWidget *widget, const char *name, const char *value);
