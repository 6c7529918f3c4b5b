// The colour arithmetic shared by all effects and the zone rules for speed
// and brightness.

#include "colorArithmetic.h"
#include "lightZoneSettings.h"

#include <QtTest>

Q_DECLARE_METATYPE(QColor)

namespace {

colorInfoData lightConfig(int type, int brightness, int speed, int direction = 0, int modeType = 0)
{
    colorInfoData info {};
    info.ledType = type;
    info.ledBrightness = brightness;
    info.ledSpeed = speed;
    info.ledDirection = direction;
    info.ledModeType = modeType;
    return info;
}

} // namespace

class tst_lightArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void saturatedArithmetic_data();
    void saturatedArithmetic();
    void stepChannelClamps_data();
    void stepChannelClamps();
    void stepHueWalks_data();
    void stepHueWalks();
    void stepHueGoesRoundTheCircle();
    void stepHueByDirection_data();
    void stepHueByDirection();
    void blendColorDividesBy256_data();
    void blendColorDividesBy256();

    void workingCopy();
    void tickIntervals_data();
    void tickIntervals();
    void brightnessFactors_data();
    void brightnessFactors();
    void brightnessBeforeMaximaIsUndimmed();
    void brightnessDarkensLikeQColor();
    void userAndBackgroundColoursAreHeldInRange();
};

void tst_lightArithmetic::saturatedArithmetic_data()
{
    QTest::addColumn<bool>("add");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("sub plain") << false << 5 << 3 << 2;
    QTest::newRow("sub equal") << false << 3 << 3 << 0;
    QTest::newRow("sub floor") << false << 3 << 5 << 0;
    QTest::newRow("add plain") << true << 200 << 50 << 250;
    QTest::newRow("add to 255") << true << 200 << 55 << 255;
    QTest::newRow("add 256 caps") << true << 200 << 56 << 255;
    QTest::newRow("add far over") << true << 250 << 60 << 255;
}

void tst_lightArithmetic::saturatedArithmetic()
{
    QFETCH(bool, add);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);
    QCOMPARE(add ? addSaturated(a, b) : subtractSaturated(a, b), expected);
}

void tst_lightArithmetic::stepChannelClamps_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<int>("expectedReport");
    QTest::newRow("rise overshoot") << 254 << 2 << 1 << 255 << 1;
    QTest::newRow("rise lands on 255") << 253 << 2 << 1 << 255 << 0;
    QTest::newRow("rise 250 by 5") << 250 << 5 << 1 << 255 << 0;
    QTest::newRow("rise from 255 reports") << 255 << 5 << 1 << 255 << 1;
    QTest::newRow("rise plain") << 100 << 60 << 1 << 160 << 0;
    QTest::newRow("fall overshoot") << 3 << 14 << 2 << 0 << 2;
    QTest::newRow("fall lands on 0") << 14 << 14 << 2 << 0 << 0;
    QTest::newRow("fall from 0 reports") << 0 << 1 << 2 << 0 << 2;
    QTest::newRow("fall plain") << 200 << 25 << 2 << 175 << 0;
    QTest::newRow("idle mode 0") << 3 << 14 << 0 << 3 << 0;
    QTest::newRow("idle mode 3") << 3 << 14 << 3 << 3 << 0;
}

void tst_lightArithmetic::stepChannelClamps()
{
    QFETCH(int, value);
    QFETCH(int, step);
    QFETCH(int, mode);
    QFETCH(int, expectedValue);
    QFETCH(int, expectedReport);
    const int report = stepChannel(value, uint8_t(step), uint8_t(mode));
    QCOMPARE(value, expectedValue);
    QCOMPARE(report, expectedReport);
}

void tst_lightArithmetic::stepHueWalks_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("increasing");
    QTest::addColumn<int>("step");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red up") << QColor(255, 0, 0) << true << 6 << QColor(255, 6, 0);
    QTest::newRow("to yellow") << QColor(255, 252, 0) << true << 6 << QColor(255, 255, 0);
    QTest::newRow("yellow turns") << QColor(255, 255, 0) << true << 6 << QColor(249, 255, 0);
    QTest::newRow("green up") << QColor(0, 255, 0) << true << 9 << QColor(0, 255, 9);
    QTest::newRow("blue up") << QColor(0, 0, 255) << true << 9 << QColor(9, 0, 255);
    QTest::newRow("magenta up") << QColor(255, 0, 255) << true << 12 << QColor(255, 0, 243);
    QTest::newRow("red down") << QColor(255, 0, 0) << false << 6 << QColor(255, 0, 6);
    QTest::newRow("magenta down") << QColor(255, 0, 255) << false << 6 << QColor(249, 0, 255);
    QTest::newRow("yellow down") << QColor(255, 255, 0) << false << 6 << QColor(255, 249, 0);
    QTest::newRow("white still") << QColor(255, 255, 255) << true << 6 << QColor(255, 255, 255);
    QTest::newRow("black still") << QColor(0, 0, 0) << true << 6 << QColor(0, 0, 0);
    QTest::newRow("unsaturated still") << QColor(128, 64, 0) << false << 6 << QColor(128, 64, 0);
    QTest::newRow("alpha kept") << QColor(255, 0, 0, 77) << true << 6 << QColor(255, 6, 0, 77);
}

void tst_lightArithmetic::stepHueWalks()
{
    QFETCH(QColor, colour);
    QFETCH(bool, increasing);
    QFETCH(int, step);
    QFETCH(QColor, expected);
    QCOMPARE(stepHue(colour, increasing, uint8_t(step)), expected);
}

void tst_lightArithmetic::stepHueGoesRoundTheCircle()
{
    // Steps of 51 land exactly on the corners: five steps per edge.
    const QList<QColor> upCorners = {QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255),
                                     QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 0, 0)};
    QColor up(255, 0, 0);
    QColor down(255, 0, 0);
    QList<QColor> downCorners = upCorners;
    std::reverse(downCorners.begin(), downCorners.end() - 1);
    for (int edge = 0; edge < 6; ++edge) {
        for (int i = 0; i < 5; ++i) {
            up = stepHue(up, true, 51);
            down = stepHue(down, false, 51);
        }
        QCOMPARE(up, upCorners[edge]);
        QCOMPARE(down, downCorners[edge]);
    }
}

void tst_lightArithmetic::stepHueByDirection_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("0 walks down") << 0 << QColor(255, 0, 12);
    QTest::newRow("1 walks up") << 1 << QColor(255, 12, 0);
    QTest::newRow("2 still") << 2 << QColor(255, 0, 0);
    QTest::newRow("negative still") << -1 << QColor(255, 0, 0);
}

void tst_lightArithmetic::stepHueByDirection()
{
    QFETCH(int, direction);
    QFETCH(QColor, expected);
    QCOMPARE(::stepHueByDirection(QColor(255, 0, 0), direction, 12), expected);
}

void tst_lightArithmetic::blendColorDividesBy256_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("full white") << QColor(255, 255, 255) << 255 << QColor(0, 0, 0) << QColor(254, 254, 254);
    QTest::newRow("level 0") << QColor(255, 255, 255) << 0 << QColor(0, 0, 255) << QColor(0, 0, 254);
    QTest::newRow("half") << QColor(200, 0, 0) << 128 << QColor(0, 0, 100) << QColor(100, 0, 49);
    QTest::newRow("black over black") << QColor(0, 0, 0) << 77 << QColor(0, 0, 0) << QColor(0, 0, 0);
}

void tst_lightArithmetic::blendColorDividesBy256()
{
    QFETCH(QColor, colour);
    QFETCH(int, level);
    QFETCH(QColor, background);
    QFETCH(QColor, expected);
    keyEffectRecord record;
    record.red = colour.red();
    record.green = colour.green();
    record.blue = colour.blue();
    record.level = level;
    QColor out(1, 2, 3);
    blendColor(record, background, out);
    QCOMPARE(out, expected);
}

void tst_lightArithmetic::workingCopy()
{
    lightZoneSettings zone;
    QVERIFY(zone.working().ledModeType == 1);
    QVERIFY(!zone.fullColor());

    colorInfoData info = lightConfig(2, 3, 1, 6, 1);
    info.ledModeR = 10;
    zone.apply(info);
    QCOMPARE(zone.raw().ledBrightness, 3);
    QCOMPARE(zone.working().ledBrightness, 4);
    QCOMPARE(zone.raw().ledDirection, 6);
    QCOMPARE(zone.working().ledDirection, 0);
    QCOMPARE(zone.working().ledModeR, 10);
    QVERIFY(zone.fullColor());

    zone.apply(lightConfig(2, 0, 1, 7, 0));
    QCOMPARE(zone.raw().ledDirection, 7);
    QCOMPARE(zone.working().ledDirection, 1);
    QVERIFY(!zone.fullColor());

    zone.apply(lightConfig(2, 0, 1, 5, 2));
    QCOMPARE(zone.working().ledDirection, 5);
    QVERIFY(zone.fullColor());

    // A brightness at the top of the int range neither overflows nor dims.
    zone.setMaxima(4, 4);
    zone.apply(lightConfig(0, INT_MAX, 0));
    QCOMPARE(zone.brightnessFactor(), 100);
}

void tst_lightArithmetic::tickIntervals_data()
{
    QTest::addColumn<bool>("sideZone");
    QTest::addColumn<int>("speedMax");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("expected");
    QTest::newRow("key max 4 speed 2") << false << 4 << 2 << 19;
    QTest::newRow("key max 4 fastest") << false << 4 << 4 << 8;
    QTest::newRow("key max 9 speed 2") << false << 9 << 2 << 24;
    QTest::newRow("key max 9 fastest") << false << 9 << 9 << 8;
    QTest::newRow("key max 3 short table") << false << 3 << 1 << 25;
    QTest::newRow("key before maxima short") << false << 0 << 3 << 14;
    QTest::newRow("side max 4 short") << true << 4 << 2 << 19;
    QTest::newRow("side max 3 long") << true << 3 << 2 << 24;
    QTest::newRow("side max 9 long") << true << 9 << 5 << 17;
    QTest::newRow("speed below table") << false << 9 << -3 << 28;
    QTest::newRow("speed past short table") << false << 4 << 7 << 8;
    QTest::newRow("speed past long table") << true << 9 << 99 << 8;
}

void tst_lightArithmetic::tickIntervals()
{
    QFETCH(bool, sideZone);
    QFETCH(int, speedMax);
    QFETCH(int, speed);
    QFETCH(int, expected);
    lightZoneSettings zone(sideZone ? lightZoneSettings::speedTableRule::shortTableAtMax4
                                    : lightZoneSettings::speedTableRule::shortTableUpToMax4);
    zone.setMaxima(speedMax, 4);
    zone.apply(lightConfig(0, 4, speed));
    QCOMPARE(zone.tickInterval(), expected);
}

void tst_lightArithmetic::brightnessFactors_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("expected");
    QTest::newRow("max 9, b 0") << 9 << 0 << 244;
    QTest::newRow("max 9, b 5") << 9 << 5 << 164;
    QTest::newRow("max 9, b 9") << 9 << 9 << 100;
    QTest::newRow("max 4, b 0") << 4 << 0 << 228;
    QTest::newRow("max 4, b 1") << 4 << 1 << 196;
    QTest::newRow("max 4, b 2") << 4 << 2 << 164;
    QTest::newRow("max 4, b 3") << 4 << 3 << 132;
    QTest::newRow("max 4, b 4") << 4 << 4 << 100;
    // Outside the device's range the nearest end holds: no lightening above
    // the maximum, the darkest level below 0.
    QTest::newRow("above maximum") << 4 << 9 << 100;
    QTest::newRow("negative") << 4 << -3 << 228;
    QTest::newRow("max 0") << 0 << 0 << 100;
}

void tst_lightArithmetic::brightnessFactors()
{
    QFETCH(int, maximum);
    QFETCH(int, brightness);
    QFETCH(int, expected);
    lightZoneSettings zone;
    zone.setMaxima(4, maximum);
    zone.apply(lightConfig(0, brightness, 0));
    QCOMPARE(zone.brightnessLevels(), maximum + 1);
    QCOMPARE(zone.brightnessStep(), 160 / (maximum + 1));
    QCOMPARE(zone.brightnessMap().value(1), maximum + 1);
    QCOMPARE(zone.brightnessMap().value(maximum + 1), 1);
    QCOMPARE(zone.brightnessFactor(), expected);
}

void tst_lightArithmetic::brightnessBeforeMaximaIsUndimmed()
{
    lightZoneSettings zone;
    zone.apply(lightConfig(0, 0, 0));
    QCOMPARE(zone.brightnessLevels(), 0);
    QCOMPARE(zone.brightnessStep(), lightZoneSettings::initialBrightnessStep);
    QCOMPARE(zone.brightnessFactor(), 100);
    QCOMPARE(zone.applyBrightness(QColor(200, 100, 50, 180)), QColor(200, 100, 50, 180));

    // Maxima arriving after the setting bring the device's own step at once.
    zone.setMaxima(9, 9);
    QCOMPARE(zone.brightnessStep(), 16);
    QCOMPARE(zone.brightnessFactor(), 244);

    // A device reporting no levels keeps the safe behaviour.
    zone.setMaxima(4, -1);
    QCOMPARE(zone.brightnessLevels(), 0);
    QCOMPARE(zone.brightnessFactor(), 100);
}

void tst_lightArithmetic::brightnessDarkensLikeQColor()
{
    lightZoneSettings zone;
    zone.setMaxima(4, 4);
    zone.apply(lightConfig(0, 0, 0));
    const QColor colour(200, 100, 50, 180);
    QCOMPARE(zone.applyBrightness(colour), colour.darker(228));
    QCOMPARE(zone.applyBrightness(colour).alpha(), 180);

    // Full brightness skips darker(100), which must change no 8-bit value.
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 51) {
                const QColor c(r, g, b, 200);
                QCOMPARE(c.darker(100).rgba(), c.rgba());
            }
        }
    }
}

void tst_lightArithmetic::userAndBackgroundColoursAreHeldInRange()
{
    lightZoneSettings zone;
    colorInfoData info = lightConfig(0, 0, 0);
    info.ledModeR = 300;
    info.ledModeG = -5;
    info.ledModeB = 10;
    info.ledBgB = 999;
    zone.apply(info);
    QCOMPARE(zone.userColor(), QColor(255, 0, 10));
    QCOMPARE(zone.background(), QColor(0, 0, 255));
    QVERIFY(!zone.backgroundBlack());
    QVERIFY(!zone.userColorBlack());
    zone.apply(lightConfig(0, 0, 0));
    QVERIFY(zone.backgroundBlack());
    QVERIFY(zone.userColorBlack());
}

QTEST_APPLESS_MAIN(tst_lightArithmetic)
#include "tst_lightarithmetic.moc"
