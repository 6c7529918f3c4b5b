#pragma once

#include "themeColorInfo.h"

#include <QString>

// The style sheets the key-function pages share, filled from the theme colour
// set: the OK/Cancel buttons, labels, radios, entry fields and drop-down lists.
// Colours are the theme's texts (with their alpha, when they carry one);
// texts are bold in the theme's font.
class keyFunctionStyle
{
public:
    // OK and Cancel (style sheet of the button frame); radius 0 gives the
    // square buttons of the application page.
    static QString buttonStyle(const themeColorInfo &theme, int radius = 8);
    static QString labelStyle(const themeColorInfo &theme, int pointSize = 10);
    static QString radioStyle(const themeColorInfo &theme);
    // A line edit or text box: text and border TextDefaultColor on the given
    // background, border TextCheckedColor while hovered or focused.
    static QString fieldStyle(const themeColorInfo &theme, const QString &widgetClass,
                              const QString &background);
    static QString comboStyle(const themeColorInfo &theme, const QString &objectName);
    // A label with a text and 1 px border in TextCheckedColor (the key caption).
    static QString keyCaptionStyle(const themeColorInfo &theme, const QString &objectName);
    // "font: bold <size>pt "<family>";" (a number there would be a CSS weight)
    static QString fontRule(const themeColorInfo &theme, int pointSize = 10);
    // A theme colour text as a style-sheet colour.
    static QString color(const QString &themeColour);
    // Black at the least alpha: in effect transparent, yet painted.
    static QString clearBackground();
};
