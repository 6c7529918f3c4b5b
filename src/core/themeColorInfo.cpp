#include "themeColorInfo.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

const char *const kKeyNames[themeColorInfo::Count] = {
    "TextDefaultColor",
    "TextHoverColor",
    "TextCheckedColor",
    "AllBgColor",
    "AllThemeColor",
    "MainWidgetBgColor",
    "MainWidgetBorderColor",
    "MainWidgetTitleColorStart",
    "MainWidgetTitleColorStop",
    "HomeBgColor",
    "HomeScrollBarBgColor",
    "HomeDeviceItemBgColor",
    "HomeDeviceItemBorderColor",
    "HomeDeviceItemProductTextColor",
    "HomeDeviceItemNameTextColor",
    "MacroBorderColor",
    "MacroLeftBgColor",
    "MacroCenterBgColor",
    "MacroRightBgColor",
    "MacroListItemTextColor",
    "MacroListItemSelectedColor",
    "MacroListItemHoverColor",
    "DeviceBorderColor",
    "DeviceLeftBgColor",
    "DeviceCenterBgColor",
    "DeviceRightBgColor",
    "DeviceKeyClickedColor",
    "DeviceKeyHaveCustomColor",
    "DeviceLeftAreaItemHoverColor",
    "DeviceLeftAreaItemSelectedColor",
    "DeviceLeftAreaItemTextDefaultColor",
    "DeviceLeftAreaItemTextSelectedColor",
    "DeviceControlDefaultColor",
    "DeviceControlHoverColor",
    "DeviceListAreaDefaultBgColor",
    "DeviceListItemHoverBgColor",
    "DeviceListItemHorizontalBgColor",
    "DeviceColorToolSliderTextColor",
    "DeviceColorToolSliderTopColor",
    "DeviceColorToolSliderBottomColor",
    "DeviceBottomBgColor",
    "DeviceOnboardBgColor",
    "DeviceOnboardButColor",
    "DeviceOnboardButDefaultTextColor",
    "DeviceSoftkeyboardButColor",
    "DeviceSoftkeyboardButDefaultTextColor",
    "DeviceMouseBgColor",
    "DeviceMouseDrawLineColor",
    "DeviceMouseDrawEllipseColor",
    "DeviceMouseLeftKeyTextColor",
    "DeviceMouseDrawLineLeftKeyColor",
    "DeviceMouseDrawEllipseLeftKeyColor",
    "DeviceMouseDpiConfigItemHoverColor",
    "DeviceMouseDpiConfigItemSelectedColor",
    "SettingsBgColor",
    "SettingsBorderColor",
    "SettingsControlBorderColor",
    "SettingsControlDefaultColor",
    "SettingsControlHoverBgColor",
    "SettingsControlSelectedBgColor",
    "UpgradeBgColor",
    "UpgradeBorderColor",
    "UpgradeItemBorderColor",
    "UpgradeProgressBarTopColor",
    "UpgradeProgressBarBottomColor",
    "TextFont",
};

using Member = QString themeColorInfo::*;
const Member kMembers[themeColorInfo::Count] = {
    &themeColorInfo::TextDefaultColor,
    &themeColorInfo::TextHoverColor,
    &themeColorInfo::TextCheckedColor,
    &themeColorInfo::AllBgColor,
    &themeColorInfo::AllThemeColor,
    &themeColorInfo::MainWidgetBgColor,
    &themeColorInfo::MainWidgetBorderColor,
    &themeColorInfo::MainWidgetTitleColorStart,
    &themeColorInfo::MainWidgetTitleColorStop,
    &themeColorInfo::HomeBgColor,
    &themeColorInfo::HomeScrollBarBgColor,
    &themeColorInfo::HomeDeviceItemBgColor,
    &themeColorInfo::HomeDeviceItemBorderColor,
    &themeColorInfo::HomeDeviceItemProductTextColor,
    &themeColorInfo::HomeDeviceItemNameTextColor,
    &themeColorInfo::MacroBorderColor,
    &themeColorInfo::MacroLeftBgColor,
    &themeColorInfo::MacroCenterBgColor,
    &themeColorInfo::MacroRightBgColor,
    &themeColorInfo::MacroListItemTextColor,
    &themeColorInfo::MacroListItemSelectedColor,
    &themeColorInfo::MacroListItemHoverColor,
    &themeColorInfo::DeviceBorderColor,
    &themeColorInfo::DeviceLeftBgColor,
    &themeColorInfo::DeviceCenterBgColor,
    &themeColorInfo::DeviceRightBgColor,
    &themeColorInfo::DeviceKeyClickedColor,
    &themeColorInfo::DeviceKeyHaveCustomColor,
    &themeColorInfo::DeviceLeftAreaItemHoverColor,
    &themeColorInfo::DeviceLeftAreaItemSelectedColor,
    &themeColorInfo::DeviceLeftAreaItemTextDefaultColor,
    &themeColorInfo::DeviceLeftAreaItemTextSelectedColor,
    &themeColorInfo::DeviceControlDefaultColor,
    &themeColorInfo::DeviceControlHoverColor,
    &themeColorInfo::DeviceListAreaDefaultBgColor,
    &themeColorInfo::DeviceListItemHoverBgColor,
    &themeColorInfo::DeviceListItemHorizontalBgColor,
    &themeColorInfo::DeviceColorToolSliderTextColor,
    &themeColorInfo::DeviceColorToolSliderTopColor,
    &themeColorInfo::DeviceColorToolSliderBottomColor,
    &themeColorInfo::DeviceBottomBgColor,
    &themeColorInfo::DeviceOnboardBgColor,
    &themeColorInfo::DeviceOnboardButColor,
    &themeColorInfo::DeviceOnboardButDefaultTextColor,
    &themeColorInfo::DeviceSoftkeyboardButColor,
    &themeColorInfo::DeviceSoftkeyboardButDefaultTextColor,
    &themeColorInfo::DeviceMouseBgColor,
    &themeColorInfo::DeviceMouseDrawLineColor,
    &themeColorInfo::DeviceMouseDrawEllipseColor,
    &themeColorInfo::DeviceMouseLeftKeyTextColor,
    &themeColorInfo::DeviceMouseDrawLineLeftKeyColor,
    &themeColorInfo::DeviceMouseDrawEllipseLeftKeyColor,
    &themeColorInfo::DeviceMouseDpiConfigItemHoverColor,
    &themeColorInfo::DeviceMouseDpiConfigItemSelectedColor,
    &themeColorInfo::SettingsBgColor,
    &themeColorInfo::SettingsBorderColor,
    &themeColorInfo::SettingsControlBorderColor,
    &themeColorInfo::SettingsControlDefaultColor,
    &themeColorInfo::SettingsControlHoverBgColor,
    &themeColorInfo::SettingsControlSelectedBgColor,
    &themeColorInfo::UpgradeBgColor,
    &themeColorInfo::UpgradeBorderColor,
    &themeColorInfo::UpgradeItemBorderColor,
    &themeColorInfo::UpgradeProgressBarTopColor,
    &themeColorInfo::UpgradeProgressBarBottomColor,
    &themeColorInfo::TextFont,
};

} // namespace

const char *themeColorInfo::keyName(int i)
{
    Q_ASSERT(i >= 0 && i < Count);
    return kKeyNames[i];
}

QString &themeColorInfo::entry(int i)
{
    Q_ASSERT(i >= 0 && i < Count);
    return this->*kMembers[i];
}

const QString &themeColorInfo::entry(int i) const
{
    Q_ASSERT(i >= 0 && i < Count);
    return this->*kMembers[i];
}

QString themeColorInfo::cssColor(const QString &text, int alpha)
{
    QStringList parts = text.split(QLatin1Char(','));
    for (QString &p : parts)
        p = p.trimmed();
    if (alpha >= 0) {
        parts = parts.mid(0, 3);
        parts.append(QString::number(alpha));
    }
    // Qt's style sheets read an alpha of 0 or 1 as a fraction of 1, so an
    // alpha of 1 (of 255, nearly transparent) would come out opaque.
    if (parts.size() > 3 && parts.at(3).toInt() == 1)
        parts[3] = QStringLiteral("0.004");
    const QString joined = parts.join(QLatin1Char(','));
    return parts.size() > 3 ? QStringLiteral("rgba(%1)").arg(joined) : QStringLiteral("rgb(%1)").arg(joined);
}

namespace {

double relativeLuminance(const QColor &color)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) + 0.0722 * channel(color.blue());
}

// The colour a fraction t of the way from one colour to another.
QColor mixed(const QColor &from, const QColor &to, double t)
{
    const auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QString colourText(const QColor &colour)
{
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace

double themeColorInfo::contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor themeColorInfo::readableOn(const QColor &text, const QColor &background)
{
    const QColor opaqueText(text.red(), text.green(), text.blue());
    const QColor opaqueBackground(background.red(), background.green(), background.blue());
    if (contrastRatio(opaqueText, opaqueBackground) >= MinimumContrast)
        return opaqueText;
    // Away from the background: darker text on a light background, lighter
    // on a dark one; the other way only where that end cannot reach it.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const bool towardsBlack = contrastRatio(black, opaqueBackground) >= contrastRatio(white, opaqueBackground);
    const QColor end = towardsBlack ? black : white;
    const auto mix = [&](double t) { return mixed(opaqueText, end, t); };
    // The least step that reads: contrast grows along the way to the end.
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 16; ++i) {
        const double mid = (low + high) / 2;
        if (contrastRatio(mix(mid), opaqueBackground) >= MinimumContrast)
            high = mid;
        else
            low = mid;
    }
    return mix(high);
}

QString themeColorInfo::readableText(const QString &text, const QStringList &backgrounds)
{
    const QColor original = opaqueColor(text);
    QList<QColor> behind;
    for (const QString &background : backgrounds)
        behind.append(opaqueColor(background));
    const auto readsOnAll = [&behind](const QColor &colour) {
        for (const QColor &background : behind) {
            if (contrastRatio(colour, background) < MinimumContrast)
                return false;
        }
        return true;
    };
    if (readsOnAll(original))
        return text;
    // Towards black or white, whichever reaches all of them first.
    constexpr int kSteps = 64;
    QColor shown = original;
    int best = kSteps + 1;
    for (const QColor &end : {QColor(0, 0, 0), QColor(255, 255, 255)}) {
        for (int step = 1; step <= kSteps && step < best; ++step) {
            const QColor candidate = mixed(original, end, double(step) / kSteps);
            if (readsOnAll(candidate)) {
                best = step;
                shown = candidate;
                break;
            }
        }
    }
    return colourText(shown);
}

QString themeColorInfo::readableText(const QString &text, const QString &background)
{
    const QColor shown = readableOn(opaqueColor(text), opaqueColor(background));
    if (shown == opaqueColor(text))
        return text;
    return colourText(shown);
}

QColor themeColorInfo::opaqueColor(const QString &text)
{
    return withAlpha(text, 255);
}

QColor themeColorInfo::withAlpha(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto number = [&parts](int i) { return qBound(0, parts.value(i).trimmed().toInt(), 255); };
    return QColor(number(0), number(1), number(2), alpha >= 0 ? qMin(alpha, 255) : number(3));
}

QColor themeColorInfo::sheetColor(const QString &text)
{
    return text.count(QLatin1Char(',')) >= 3 ? withAlpha(text) : opaqueColor(text);
}
