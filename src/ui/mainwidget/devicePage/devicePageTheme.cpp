#include "devicePageTheme.h"

#include <QStringList>

namespace devicePageTheme {

namespace {

constexpr int kNoticeAlpha = 200;
constexpr int kOpaque = 255;
constexpr int kSeeThrough = 1;
constexpr int kHoverAlpha = 130;
// Black that shows what lies behind it.
const QString kClear = QStringLiteral("0,0,0,1");

QString css(const QString &entry)
{
    return themeColorInfo::cssColor(entry);
}

// A text colour on its background: the theme's, or the nearest shade that
// reads where the theme's would be faint.
QString text(const QString &entry, const QString &background)
{
    return css(themeColorInfo::readableText(entry, background));
}

QString hover(const QString &entry)
{
    return themeColorInfo::cssColor(entry, kHoverAlpha);
}

// Weight 75 of the stored sheets is written as bold: Qt reads a number as
// a CSS weight.
QString tabButtonSheet(const themeColorInfo &t)
{
    return QStringLiteral("QPushButton { border-radius:0px; border: 0px solid rgb(195, 160, 129); "
                          "background-color: %1; color: %3; font: bold 12pt \"%5\"; }"
                          " QPushButton:hover { background-color: %2; }"
                          " QPushButton:pressed { color: %4; background-color: %6; }"
                          " QPushButton::unchecked { color: %3; font: bold 12pt \"%5\"; }"
                          " QPushButton::checked { color: %4; background-color: %6; }")
        .arg(css(t.DeviceControlDefaultColor), hover(t.DeviceControlHoverColor),
             text(t.TextDefaultColor, t.DeviceControlDefaultColor), text(t.TextCheckedColor, t.DeviceControlHoverColor),
             t.TextFont, css(t.DeviceControlHoverColor));
}

QString scrollBarSheet(const themeColorInfo &t)
{
    return QStringLiteral("QScrollBar:vertical{ background:transparent; width:3px; margin: 3px 0px 3px 0px; }"
                          " QScrollBar::handle:vertical{ background:rgba(0, 0, 0, 20%); min-height: 20px; "
                          "border-radius: 1px; }"
                          " QScrollBar::handle:vertical:hover{ background:rgba(0, 0, 0, 30% ); }"
                          " QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; "
                          "subcontrol-origin: margin; }"
                          " QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; "
                          "subcontrol-origin: margin; }"
                          " QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical { background:%1; "
                          "border-radius:3px; }")
        .arg(css(t.HomeScrollBarBgColor));
}

QString borderedButtonSheet(const themeColorInfo &t, const char *radius)
{
    return QStringLiteral("QPushButton { border-radius:%7; border: 1px solid %1; background-color: %2; color: %4; "
                          "font: bold 10pt \"%6\"; }"
                          " QPushButton:hover { background-color: %3; border: 1px solid %5; }"
                          " QPushButton:pressed { color: %9; background-color: %8; border: 1px solid %5; }")
        .arg(css(t.DeviceBorderColor), css(t.DeviceControlDefaultColor), hover(t.DeviceControlHoverColor),
             text(t.TextDefaultColor, t.DeviceControlDefaultColor), css(t.TextCheckedColor), t.TextFont,
             QLatin1String(radius), css(t.DeviceControlHoverColor),
             text(t.TextCheckedColor, t.DeviceControlHoverColor));
}

QString smallButtonSheet(const themeColorInfo &t, const char *widgetClass)
{
    return QStringLiteral("%7 { border-radius: 6px; border: 1px solid %2; background-color: %1; color: %3; "
                          "font: bold 10pt \"%6\"; }"
                          " %7:hover { background-color: %4; border: 1px solid %5; }"
                          " %7:pressed { color: %9; background-color: %8; border: 1px solid %5; }")
        .arg(css(t.DeviceControlDefaultColor), css(t.DeviceBorderColor),
             text(t.TextDefaultColor, t.DeviceControlDefaultColor), hover(t.DeviceControlHoverColor),
             css(t.TextCheckedColor), t.TextFont, QLatin1String(widgetClass), css(t.DeviceControlHoverColor),
             text(t.TextCheckedColor, t.DeviceControlHoverColor));
}

QString panelSheet(const char *frame, const QString &entry)
{
    return QStringLiteral("QFrame#%1{ background-color: %2; }").arg(QLatin1String(frame), css(entry));
}

} // namespace

noticeLook notice(const themeColorInfo &theme)
{
    noticeLook look;
    look.background = themeColorInfo::withAlpha(theme.AllBgColor, kNoticeAlpha);
    look.text = themeColorInfo::readableOn(themeColorInfo::opaqueColor(theme.TextCheckedColor),
                                           themeColorInfo::opaqueColor(theme.AllBgColor));
    look.fontFamily = theme.TextFont;
    return look;
}

rowLook selectionRows(const themeColorInfo &theme, bool bgImageUsing)
{
    rowLook look;
    look.selectedBackground = bgImageUsing ? themeColorInfo::withAlpha(theme.DeviceLeftAreaItemSelectedColor)
                                           : themeColorInfo::withAlpha(theme.DeviceLeftAreaItemSelectedColor, kOpaque);
    look.hoverBackground = bgImageUsing ? themeColorInfo::withAlpha(theme.DeviceLeftAreaItemHoverColor)
                                        : themeColorInfo::withAlpha(theme.DeviceLeftAreaItemHoverColor, kOpaque);
    look.normalBackground = themeColorInfo::withAlpha(theme.DeviceLeftBgColor, kSeeThrough);
    // One text colour for plain and hovered rows, readable on both.
    const QString normalText =
        themeColorInfo::readableText(theme.DeviceLeftAreaItemTextDefaultColor,
                                     QStringList{theme.DeviceLeftBgColor, theme.DeviceLeftAreaItemHoverColor});
    look.normalText = themeColorInfo::withAlpha(normalText, kOpaque);
    look.selectedText = themeColorInfo::withAlpha(
        themeColorInfo::readableText(theme.DeviceLeftAreaItemTextSelectedColor, theme.DeviceLeftAreaItemSelectedColor),
        kOpaque);
    look.fontFamily = theme.TextFont;
    return look;
}

QList<styleSheetRow> styleSheets(const themeColorInfo &t)
{
    const QString checkBoxes =
        QStringLiteral("QCheckBox { color: %1; } QCheckBox:unchecked { color: %1; } QCheckBox:checked { color: %2; }"
                       " QCheckBox::indicator { width: 13px; height: 13px; }"
                       " QCheckBox::indicator:unchecked { image: url(:/images/publicIco/checkBoxDef.png); }"
                       " QCheckBox::indicator:checked { image: url(:/images/publicIco/checkBoxSel.png); }")
            .arg(text(t.TextDefaultColor, t.MainWidgetBgColor), text(t.TextCheckedColor, t.MainWidgetBgColor));
    const QString profileModify =
        QStringLiteral("QLabel { color: %1; font: bold 10pt \"%4\"; }"
                       " QTextEdit { color: %1; font: bold 10pt \"%4\"; background-color: %2; border: 1px solid %1; }"
                       " QTextEdit:hover { border: 1px solid %3; } QTextEdit:pressed { border: 1px solid %3; }")
            .arg(text(t.TextDefaultColor, t.DeviceRightBgColor), css(t.DeviceRightBgColor), css(t.TextCheckedColor),
                 t.TextFont);
    const QString nameEdit =
        QStringLiteral("QLineEdit { color: %2; font: bold 10pt \"%4\"; background-color: %1; border: 1px solid %2; }"
                       " QLineEdit:hover{ border: 1px solid %3; } QLineEdit:pressed { border: 1px solid %3; }")
            .arg(css(t.MacroLeftBgColor), text(t.TextDefaultColor, t.MacroLeftBgColor), css(t.TextCheckedColor),
                 t.TextFont);
    const QString comboBox =
        QStringLiteral("QComboBox { background-color: %1; padding-left:5px ; border: 1px solid %2; "
                       "font: bold 10pt \"%5\"; color: %3; }"
                       " QComboBox:hover { border: 1px solid %4; }"
                       " QComboBox QAbstractItemView::item { height:40px; left:10px; }"
                       " QComboBox::down-arrow { border-image: url(:/images/publicIco/comboxDef.png); width:  10px; "
                       "height: 10px; }"
                       " QComboBox::down-arrow:hover { border-image: url(:/images/publicIco/comboxDef.png); }"
                       " QComboBox::down-arrow:on { border-image: url(:/images/publicIco/comboxSel.png); "
                       "selection-background-color: rgb(255, 35, 76); }"
                       " QComboBox::drop-down { width:20px; padding-right:3px; background:transparent; "
                       "position: relative; top: 0px; right: 0px; }"
                       " QComboBox QAbstractItemView { outline:0px; }")
            .arg(css(t.DeviceControlDefaultColor), css(t.TextDefaultColor),
                 text(t.TextDefaultColor, t.DeviceControlDefaultColor), css(t.TextCheckedColor), t.TextFont);

    return {
        {"frame_10",
         QStringLiteral("QFrame#frame_ConfigSelect { background-color: %1; } "
                        "QFrame#frame_DeviceList { background-color: %1; }")
             .arg(css(t.DeviceListAreaDefaultBgColor)),
         {}},
        {"scrollArea", QStringLiteral("QScrollArea#scrollArea{ background-color: %1; }").arg(css(kClear)), {}},
        {"scrollAreaWidgetContents",
         QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: %1; }")
             .arg(css(t.DeviceListAreaDefaultBgColor)),
         {}},
        {"label_currentProfileName",
         QStringLiteral("QLabel#label_currentProfileName { color: %1; }")
             .arg(text(t.TextDefaultColor, t.DeviceListAreaDefaultBgColor)),
         {{"label_currentProfileName", 0, 12}}},
        {"frame",
         QStringLiteral("QFrame#frame { background-color: %1; border: none; border-right: 2px solid %2; }")
             .arg(css(t.DeviceLeftBgColor), css(t.DeviceBorderColor)),
         {}},
        {"frame_2", panelSheet("frame_2", t.DeviceCenterBgColor), {}},
        {"frame_18", panelSheet("frame_18", t.DeviceCenterBgColor), {}},
        {"frame_20", panelSheet("frame_20", t.DeviceCenterBgColor), {}},
        {"frame_31", panelSheet("frame_31", t.DeviceCenterBgColor), {}},
        {"frame_9",
         QStringLiteral("QFrame#frame_9 { background-color: %1; border: none; border-bottom: 3px solid %2; } "
                        "QLabel#label_ProductName{ color: %3; } QLabel#label_DeviceName{  color: %4; }")
             .arg(css(t.MainWidgetBgColor), css(t.DeviceBorderColor), text(t.TextCheckedColor, t.MainWidgetBgColor),
                  text(t.TextDefaultColor, t.MainWidgetBgColor)),
         {{"label_ProductName", 0, 14}, {"label_DeviceName", 1, 14}}},
        {"frame_19", tabButtonSheet(t), {}},
        {"lightOperateFrame", checkBoxes, {}},
        {"label_2", QStringLiteral("QLabel#label_2 { color: %1; }").arg(text(t.TextDefaultColor, t.MainWidgetBgColor)),
         {{"checkBox_LightSynchronize", 0, 11}, {"label_2", 0, 11}}},
        {"widget_4", scrollBarSheet(t), {}},
        {"scrollArea_3", QStringLiteral("QScrollArea#scrollArea_3{ background-color: %1; }").arg(css(kClear)), {}},
        {"scrollAreaWidgetContents_3",
         QStringLiteral("QWidget#scrollAreaWidgetContents_3{ background-color: %1; }").arg(css(kClear)),
         {}},
        {"label_MacroGroup",
         QStringLiteral("QLabel#label_MacroGroup { color: %1; font: bold 12pt \"%2\"; }")
             .arg(text(t.TextCheckedColor, t.DeviceCenterBgColor), t.TextFont),
         {}},
        {"frame_22", panelSheet("frame_22", t.DeviceCenterBgColor), {}},
        {"frame_27",
         QStringLiteral("QFrame#frame_27 { border: none; border-bottom: 2px solid %1; }").arg(css(t.DeviceBorderColor)),
         {}},
        {"widget_profile", scrollBarSheet(t), {}},
        {"scrollArea_2", QStringLiteral("QScrollArea#scrollArea_2{ background-color: %1; }").arg(css(kClear)), {}},
        {"scrollAreaWidgetContents_2",
         QStringLiteral("QWidget#scrollAreaWidgetContents_2{ background-color: %1; }").arg(css(kClear)),
         {}},
        {"frame_13", panelSheet("frame_13", t.DeviceRightBgColor), {}},
        {"page_profileModify", profileModify, {}},
        {"lineEdit_OnboardModifyProfileName", nameEdit, {}},
        {"pushButton_selectAppPath", borderedButtonSheet(t, "0px"), {}},
        {"frame_26", borderedButtonSheet(t, "8px"), {}},
        {"frame_7", tabButtonSheet(t), {}},
        {"frame_ModeSelect", tabButtonSheet(t), {}},
        {"frame_Onboard", tabButtonSheet(t), {}},
        {"comboBox_OnboardProfile", comboBox, {}},
        {"pushButton_Fn1Key", smallButtonSheet(t, "QPushButton"), {}},
        {"toolButton_OnboardDownload", smallButtonSheet(t, "QToolButton"), {}},
        {"toolButton_RestoreFactorySettings", smallButtonSheet(t, "QToolButton"), {}},
        {"label_Tip",
         QStringLiteral("QLabel#label_Tip { color:%1; }").arg(text(t.TextCheckedColor, t.MainWidgetBgColor)),
         {{"label_Tip", 0, 22}}},
        {"frame_16", panelSheet("frame_16", t.DeviceRightBgColor), {}},
        {"frame_3", panelSheet("frame_3", t.DeviceRightBgColor), {}},
    };
}

QString downloadStatusSheet(const themeColorInfo &theme)
{
    return QStringLiteral("QLabel#label_LogMsg { color: %1; font: bold 12pt \"%2\"; }")
        .arg(text(theme.TextDefaultColor, theme.MainWidgetBgColor), theme.TextFont);
}

QColor deviceAreaColor(const themeColorInfo &theme)
{
    return themeColorInfo::sheetColor(theme.MainWidgetBgColor);
}

} // namespace devicePageTheme
