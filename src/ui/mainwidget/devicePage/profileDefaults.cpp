#include "profileDefaults.h"

#include "deviceModelSets.h"
#include "xmlInterface.h"

namespace profileDefaults {

namespace {

constexpr int kZones = 3;
constexpr int kSideZone = 1;

QByteArray profileText(int profileIndex)
{
    return QByteArray::number(profileIndex);
}

} // namespace

colorInfoData lightItem(int zone, int effect)
{
    colorInfoData item{};
    item.ledKeyboardOrSide = zone;
    item.ledType = effect;
    item.ledBrightness = 3;
    item.ledSpeed = 3;
    item.ledModeR = 255;
    item.ledModeG = 0;
    item.ledModeB = 0;
    item.ledBgR = item.ledBgG = item.ledBgB = 0;
    item.ledDirection = 0;
    item.ledModeType = 1;
    item.ledOpenOrClose = 0;
    item.ledUpdate = 0;
    return item;
}

QList<dpiConfigInfo> dpiLevels()
{
    struct Level
    {
        int dpi, r, g, b;
    };
    static constexpr Level kLevels[] = {
        {800, 255, 0, 0}, {1500, 255, 255, 0}, {2200, 0, 255, 0},
        {2900, 0, 255, 255}, {3600, 0, 0, 255}, {600, 128, 0, 255},
    };
    QList<dpiConfigInfo> levels;
    int index = 1;
    for (const Level &l : kLevels)
        levels.append(dpiConfigInfo{1, index++, 0, l.dpi, l.dpi, l.r, l.g, l.b});
    return levels;
}

bool writeKeyboardLightItems(xmlInterface &xml, const QString &path, int profileIndex, const QString &model)
{
    const bool breath = deviceModelSets::isSideBreathModel(model);
    bool ok = true;
    for (int zone = 0; zone < kZones; ++zone) {
        const int effect = breath && zone == kSideZone ? kSideBreathEffect : kEffect;
        ok = xml.addLightInfo(path, profileText(profileIndex), lightItem(zone, effect)) && ok;
    }
    return ok;
}

bool writeKeyboardSideRule(xmlInterface &xml, const QString &path, int profileIndex, const QString &model)
{
    if (!deviceModelSets::isSideBreathModel(model))
        return true;
    return xml.setLightUsingIndex(path, profileText(profileIndex), kSideZone, kSideBreathEffect);
}

bool writeMouseSettings(xmlInterface &xml, const QString &path, int profileIndex)
{
    const QByteArray profile = profileText(profileIndex);
    bool ok = true;
    for (int zone = 0; zone < kZones; ++zone)
        ok = xml.addLightInfo(path, profile, lightItem(zone)) && ok;
    for (const dpiConfigInfo &level : dpiLevels())
        ok = xml.addDpiInfo(path, profile, level) && ok;
    ok = xml.setDpiUsingIndex(path, profile, kDpiActiveLevel) && ok;
    ok = xml.setFeature(path, profile, kReportRateFeature, kReportRateIndex) && ok;
    return ok;
}

} // namespace profileDefaults
