#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QStringList>

// The theme colour set: the 65 colours of a theme file, each "r,g,b" or
// "r,g,b,a", then the font family. Consumers fill style-sheet templates such
// as "rgb(%1)" with these texts and address them by name. Copies are cheap.
struct themeColorInfo
{
    QString TextDefaultColor; // 0
    QString TextHoverColor; // 1
    QString TextCheckedColor; // 2
    QString AllBgColor; // 3
    QString AllThemeColor; // 4
    QString MainWidgetBgColor; // 5
    QString MainWidgetBorderColor; // 6
    QString MainWidgetTitleColorStart; // 7
    QString MainWidgetTitleColorStop; // 8
    QString HomeBgColor; // 9
    QString HomeScrollBarBgColor; // 10
    QString HomeDeviceItemBgColor; // 11
    QString HomeDeviceItemBorderColor; // 12
    QString HomeDeviceItemProductTextColor; // 13
    QString HomeDeviceItemNameTextColor; // 14
    QString MacroBorderColor; // 15
    QString MacroLeftBgColor; // 16
    QString MacroCenterBgColor; // 17
    QString MacroRightBgColor; // 18
    QString MacroListItemTextColor; // 19
    QString MacroListItemSelectedColor; // 20
    QString MacroListItemHoverColor; // 21
    QString DeviceBorderColor; // 22
    QString DeviceLeftBgColor; // 23
    QString DeviceCenterBgColor; // 24
    QString DeviceRightBgColor; // 25
    QString DeviceKeyClickedColor; // 26
    QString DeviceKeyHaveCustomColor; // 27
    QString DeviceLeftAreaItemHoverColor; // 28
    QString DeviceLeftAreaItemSelectedColor; // 29
    QString DeviceLeftAreaItemTextDefaultColor; // 30
    QString DeviceLeftAreaItemTextSelectedColor; // 31
    QString DeviceControlDefaultColor; // 32
    QString DeviceControlHoverColor; // 33
    QString DeviceListAreaDefaultBgColor; // 34
    QString DeviceListItemHoverBgColor; // 35
    QString DeviceListItemHorizontalBgColor; // 36
    QString DeviceColorToolSliderTextColor; // 37
    QString DeviceColorToolSliderTopColor; // 38
    QString DeviceColorToolSliderBottomColor; // 39
    QString DeviceBottomBgColor; // 40
    QString DeviceOnboardBgColor; // 41
    QString DeviceOnboardButColor; // 42
    QString DeviceOnboardButDefaultTextColor; // 43
    QString DeviceSoftkeyboardButColor; // 44
    QString DeviceSoftkeyboardButDefaultTextColor; // 45
    QString DeviceMouseBgColor; // 46
    QString DeviceMouseDrawLineColor; // 47
    QString DeviceMouseDrawEllipseColor; // 48
    QString DeviceMouseLeftKeyTextColor; // 49
    QString DeviceMouseDrawLineLeftKeyColor; // 50
    QString DeviceMouseDrawEllipseLeftKeyColor; // 51
    QString DeviceMouseDpiConfigItemHoverColor; // 52
    QString DeviceMouseDpiConfigItemSelectedColor; // 53
    QString SettingsBgColor; // 54
    QString SettingsBorderColor; // 55
    QString SettingsControlBorderColor; // 56
    QString SettingsControlDefaultColor; // 57
    QString SettingsControlHoverBgColor; // 58
    QString SettingsControlSelectedBgColor; // 59
    QString UpgradeBgColor; // 60
    QString UpgradeBorderColor; // 61
    QString UpgradeItemBorderColor; // 62
    QString UpgradeProgressBarTopColor; // 63
    QString UpgradeProgressBarBottomColor; // 64
    QString TextFont; // 65

    static constexpr int Count = 66;
    static constexpr int ColorCount = 65;

    // The key of entry i in the theme files' ThemeColor group, in file order.
    static const char *keyName(int i);
    // The colour of an entry's first three numbers, opaque (an alpha
    // component of the text is ignored).
    static QColor opaqueColor(const QString &text);
    // The colour of an entry's first three numbers with the given alpha
    // (0 to 255); with alpha < 0, the entry's own fourth number, 0 without
    // one.
    static QColor withAlpha(const QString &text, int alpha = -1);
    // The colour a style sheet's "rgb(%1)" gives for an entry: opaque from
    // three numbers, with the fourth as its alpha.
    static QColor sheetColor(const QString &text);

    // The contrast ratio of two colours as the accessibility guidelines
    // define it, alpha ignored: 1 (same) to 21 (black on white).
    static double contrastRatio(const QColor &a, const QColor &b);
    // Text and interface parts need this ratio against their background.
    static constexpr double MinimumContrast = 3.0;
    // A text colour as given where it reaches MinimumContrast on the
    // background (both opaque); else the same hue moved towards black or
    // white just far enough to reach it. Themes keep their colours; the
    // style code of a text that would be faint asks for this instead.
    static QColor readableOn(const QColor &text, const QColor &background);
    // The same for two colour texts of the set; the result is a colour text
    // ("r,g,b"), the text unchanged (alpha included) where it reads.
    static QString readableText(const QString &text, const QString &background);
    // The same for a text shown on several backgrounds in turn (a row and
    // its hovered look): the least change that reads on all of them.
    static QString readableText(const QString &text, const QStringList &backgrounds);

    // Entry i in file order; i must be in [0, Count).
    QString &entry(int i);
    const QString &entry(int i) const;

    // A colour text of the set as a style-sheet colour: "rgb(r,g,b)", or
    // "rgba(r,g,b,a)" when it carries an alpha (Qt's style-sheet parser
    // refuses an alpha inside rgb()). With alpha >= 0, that alpha instead.
    static QString cssColor(const QString &text, int alpha = -1);
};

Q_DECLARE_METATYPE(themeColorInfo)
