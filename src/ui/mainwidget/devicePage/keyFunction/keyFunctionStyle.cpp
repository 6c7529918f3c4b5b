#include "keyFunctionStyle.h"

#include <QStringList>

QString keyFunctionStyle::rgbOnly(const QString &colour)
{
    return colour.split(QLatin1Char(',')).mid(0, 3).join(QLatin1Char(','));
}

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
               "QPushButton{border-radius:%1px;border:1px solid rgb(%2);background-color:rgb(%3);"
               "color:rgb(%4);%5}"
               "QPushButton:hover{background-color:rgba(%6,130);border:1px solid rgb(%7);}"
               "QPushButton:pressed{color:rgb(%7);border:1px solid rgb(%7);background-color:rgb(%6);}")
        .arg(radius)
        .arg(theme.DeviceBorderColor, theme.DeviceControlDefaultColor, theme.TextDefaultColor,
             fontRule(theme), rgbOnly(theme.DeviceControlHoverColor), theme.TextCheckedColor);
}

QString keyFunctionStyle::labelStyle(const themeColorInfo &theme, int pointSize)
{
    return QStringLiteral("QLabel{color:rgb(%1);%2}").arg(theme.TextDefaultColor, fontRule(theme, pointSize));
}

QString keyFunctionStyle::radioStyle(const themeColorInfo &theme)
{
    return QStringLiteral(
               "QRadioButton{color:rgb(%1);%2}"
               "QRadioButton:checked{color:rgb(%3);}"
               "QRadioButton::indicator{width:12px;height:12px;border-radius:6px;border:1px solid rgb(%1);}"
               "QRadioButton::indicator:checked{background-color:rgb(%3);border:2px solid white;}")
        .arg(theme.TextDefaultColor, fontRule(theme), theme.TextCheckedColor);
}

QString keyFunctionStyle::fieldStyle(const themeColorInfo &theme, const QString &widgetClass,
                                     const QString &background)
{
    return QStringLiteral("%1{color:rgb(%2);border:1px solid rgb(%2);background-color:rgb(%3);%4}"
                          "%1:hover{border:1px solid rgb(%5);}"
                          "%1:focus{border:1px solid rgb(%5);}")
        .arg(widgetClass, theme.TextDefaultColor, background, fontRule(theme), theme.TextCheckedColor);
}

QString keyFunctionStyle::comboStyle(const themeColorInfo &theme, const QString &objectName)
{
    return QStringLiteral(
               "QComboBox#%1{background-color:rgb(%2);border:1px solid rgb(%3);color:rgb(%3);"
               "padding-left:5px;%4}"
               "QComboBox#%1:hover{border:1px solid rgb(%5);}"
               "QComboBox#%1::drop-down{width:20px;padding-right:3px;border:none;"
               "background:transparent;}"
               "QComboBox#%1::down-arrow{image:url(:/images/publicIco/comboxDef.png);width:10px;height:10px;}"
               "QComboBox#%1::down-arrow:on{image:url(:/images/publicIco/comboxSel.png);}"
               "QComboBox#%1 QAbstractItemView{outline:0px;background-color:rgb(%2);color:rgb(%3);"
               "selection-background-color:rgb(255,35,76);%4}"
               "QComboBox#%1 QAbstractItemView::item{height:40px;padding-left:10px;}")
        .arg(objectName, theme.DeviceControlDefaultColor, theme.TextDefaultColor, fontRule(theme),
             theme.TextCheckedColor);
}

QString keyFunctionStyle::keyCaptionStyle(const themeColorInfo &theme, const QString &objectName)
{
    return QStringLiteral("QLabel#%1{color:rgb(%2);border:1px solid rgb(%2);%3}")
        .arg(objectName, theme.TextCheckedColor, fontRule(theme, 11));
}
