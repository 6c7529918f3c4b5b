#pragma once

class QWidget;

// Sets a property that the style sheets select on and repolishes that one
// widget, not its children, when the value changed.
void setStyleProperty(QWidget *widget, const char *name, const char *value);
