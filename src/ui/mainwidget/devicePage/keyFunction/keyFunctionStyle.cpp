#include "keyFunctionStyle.h"

namespace {

// A theme colour text as a style-sheet colour (rgba when it carries an alpha).
QString css(const QString &colour, int alpha = -1)
{
    return themeColorInfo::cssColor(colour, alpha);
}

// The key panel's texts on their background: the theme's colour, or the
// nearest shade that reads where the theme's would be faint.
QString text(const QString &colour, const QString &background)
{
    return css(themeColorInfo::readableText(colour, background));
}

} // namespace

QString keyFunctionStyle::clearBackground()
{
    // A style-sheet alpha of 1 would read as opaque: the fraction is explicit.
    return QStringLiteral("background-color:rgba(0,0,0,0.004);");
}

QString keyFunctionStyle::fontRule(const themeColorInfo &theme, int pointSize)
{
    return QStringLiteral("font: bold %1pt \"%2\";").arg(pointSize).arg(theme.TextFont);
}

QString keyFunctionStyle::buttonStyle(const themeColorInfo &theme, int radius)
{
    return QStringLiteral(
               "QPushButton{border-radius:%1px;border:1px solid %2;background-color:%3;color:%4;%5}"
               "QPushButton:hover{background-color:%6;border:1px solid %7;}"
               "QPushButton:pressed{color:%9;border:1px solid %7;background-color:%8;}")
        .arg(radius)
        .arg(css(theme.DeviceBorderColor), css(theme.DeviceControlDefaultColor),
             text(theme.TextDefaultColor, theme.DeviceControlDefaultColor), fontRule(theme),
             css(theme.DeviceControlHoverColor, 130), css(theme.TextCheckedColor),
             css(theme.DeviceControlHoverColor), text(theme.TextCheckedColor, theme.DeviceControlHoverColor));
}

QString keyFunctionStyle::labelStyle(const themeColorInfo &theme, int pointSize)
{
    return QStringLiteral("QLabel{color:%1;%2}")
        .arg(text(theme.TextDefaultColor, theme.DeviceRightBgColor), fontRule(theme, pointSize));
}

QString keyFunctionStyle::radioStyle(const themeColorInfo &theme)
{
    return QStringLiteral("QRadioButton{color:%1;%2}"
                          "QRadioButton:checked{color:%3;}"
                          "QRadioButton::indicator{width:12px;height:12px;border-radius:6px;border:1px solid %1;}"
                          "QRadioButton::indicator:checked{background-color:%3;border:2px solid white;}")
        .arg(text(theme.TextDefaultColor, theme.DeviceRightBgColor), fontRule(theme),
             text(theme.TextCheckedColor, theme.DeviceRightBgColor));
}

QString keyFunctionStyle::fieldStyle(const themeColorInfo &theme, const QString &widgetClass,
                                     const QString &background)
{
    return QStringLiteral("%1{color:%2;border:1px solid %2;background-color:%3;%4}"
                          "%1:hover{border:1px solid %5;}"
                          "%1:focus{border:1px solid %5;}")
        .arg(widgetClass, text(theme.TextDefaultColor, background), css(background), fontRule(theme),
             css(theme.TextCheckedColor));
}

QString keyFunctionStyle::comboStyle(const themeColorInfo &theme, const QString &objectName)
{
    return QStringLiteral(
               "QComboBox#%1{background-color:%2;border:1px solid %3;color:%3;padding-left:5px;%4}"
               "QComboBox#%1:hover{border:1px solid %5;}"
               "QComboBox#%1::drop-down{width:20px;padding-right:3px;border:none;background:transparent;}"
               "QComboBox#%1::down-arrow{image:url(:/images/publicIco/comboxDef.png);width:10px;height:10px;}"
               "QComboBox#%1::down-arrow:on{image:url(:/images/publicIco/comboxSel.png);}"
               "QComboBox#%1 QAbstractItemView{outline:0px;background-color:%2;color:%3;"
               "selection-background-color:rgb(255,35,76);%4}"
               "QComboBox#%1 QAbstractItemView::item{height:40px;padding-left:10px;}")
        .arg(objectName, css(theme.DeviceControlDefaultColor),
             text(theme.TextDefaultColor, theme.DeviceControlDefaultColor), fontRule(theme),
             css(theme.TextCheckedColor));
}

QString keyFunctionStyle::keyCaptionStyle(const themeColorInfo &theme, const QString &objectName)
{
    return QStringLiteral("QLabel#%1{color:%2;border:1px solid %2;%3}")
        .arg(objectName, text(theme.TextCheckedColor, theme.DeviceRightBgColor), fontRule(theme, 11));
}

QString keyFunctionStyle::color(const QString &themeColour)
{
    return css(themeColour);
}
