#pragma once

#include "themeColorInfo.h"

#include <QColor>
#include <QList>
#include <QString>

// The device page's look under a theme, as plain data: the colours of the
// toast and of the selection-list rows, and the style sheets with their
// fonts in the order the theme refresh applies them.
namespace devicePageTheme {

struct noticeLook
{
    QColor background;
    QColor text;
    QString fontFamily;
    int pixelSize = 14;
};
noticeLook notice(const themeColorInfo &theme);

// The six values every selection-list row gets.
struct rowLook
{
    QColor selectedBackground;
    QColor hoverBackground;
    QColor normalBackground;
    QColor normalText;
    QColor selectedText;
    QString fontFamily;
};
// With background pictures the row backgrounds take the theme's alpha,
// without they are opaque; the normal background lets its panel show
// through.
rowLook selectionRows(const themeColorInfo &theme, bool bgImageUsing);

struct fontUse
{
    const char *objectName;
    int kind;      // of DDataManager::getFont
    int pointSize;
};

struct styleSheetRow
{
    const char *objectName;
    QString sheet;
    QList<fontUse> fonts; // applied right after the sheet
};

// The page's 37 style sheets, in application order: rows 1 to 16, then 17
// to 35 (after the custom-light rows), then 36 and 37 around the colour
// panel.
QList<styleSheetRow> styleSheets(const themeColorInfo &theme);

// The on-board download status: its form colour is near white, unreadable
// on light themes.
QString downloadStatusSheet(const themeColorInfo &theme);

// The device area behind the keyboard or mouse: the page paints it itself,
// so its text never falls on whatever lies behind the page.
QColor deviceAreaColor(const themeColorInfo &theme);

constexpr int kFirstBlockEnd = 16;  // rows 1..16
constexpr int kSecondBlockEnd = 35; // rows 17..35

} // namespace devicePageTheme
