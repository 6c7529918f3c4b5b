#include "colorPickMath.h"
#include "gradientStops.h"
#include "lightEffectControls.h"

#include <QtTest>

using namespace lightEffectControls;


namespace {

colorInfoData item(int zone, int effect, int direction)
{
    return {zone, effect, 3, 3, 255, 0, 0, 0, 0, 0, direction, 1, 0, 0};
}

} // namespace

class tst_ColorToolRules : public QObject
{
    Q_OBJECT

private slots:
    void ringValue_data();
    void ringValue();
    void discHit_data();
    void discHit();
    void hexText_data();
    void hexText();
    void darkening_data();
    void darkening();
    void defaultItem_data();
    void defaultItem();
    void keyboardControls_data();
    void keyboardControls();
    void mouseControls_data();
    void mouseControls();
    void gradientPositions_data();
    void gradientPositions();
    void gradientHandles();
    void gradientDrag_data();
    void gradientDrag();
    void gradientCount_data();
    void gradientCount();
};

void tst_ColorToolRules::ringValue_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rotation"); // as sigMoveingStatus carries it

    // Angles are taken about (79, 79).
    QTest::newRow("left") << QPoint(9, 79) << 25.0 << -90;
    QTest::newRow("below") << QPoint(79, 149) << 50.0 << -180;
    QTest::newRow("right") << QPoint(149, 79) << 75.0 << -270;
    QTest::newRow("above") << QPoint(79, 9) << 100.0 << -360;
    QTest::newRow("far outside, still left") << QPoint(-300, 79) << 25.0 << -90;
}

void tst_ColorToolRules::ringValue()
{
    QFETCH(QPoint, pos);
    QFETCH(double, value);
    QFETCH(int, rotation);
    const double v = colorPickMath::ringValueAt(pos);
    QCOMPARE(v, value);
    QCOMPARE(int(colorPickMath::knobRotation(v)), rotation);
}

void tst_ColorToolRules::discHit_data()
{
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<bool>("disc");

    QTest::newRow("centre") << QPointF(80, 80) << true;
    QTest::newRow("59.9 truncates to 59") << QPointF(80 + 59.9, 80) << true;
    QTest::newRow("exactly 60 is the ring") << QPointF(80, 80 - 60) << false;
    QTest::newRow("diagonal inside") << QPointF(80 + 42, 80 + 42) << true; // 59.4
    QTest::newRow("diagonal outside") << QPointF(80 + 43, 80 + 43) << false; // 60.8
    QTest::newRow("corner") << QPointF(0, 0) << false;
}

void tst_ColorToolRules::discHit()
{
    QFETCH(QPointF, pos);
    QFETCH(bool, disc);
    QCOMPARE(colorPickMath::isDiscPress(pos), disc);
}

void tst_ColorToolRules::hexText_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded, upper case") << QColor(10, 0, 255) << "#0A00FF";
    QTest::newRow("orange") << QColor(255, 128, 0) << "#FF8000";
    QTest::newRow("black") << QColor(0, 0, 0) << "#000000";
}

void tst_ColorToolRules::hexText()
{
    QFETCH(QColor, color);
    QFETCH(QString, text);
    QCOMPARE(colorPickMath::hexColorText(color.red(), color.green(), color.blue()), text);
}

void tst_ColorToolRules::darkening_data()
{
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("value");
    QTest::newRow("1") << 1 << 252;
    QTest::newRow("2") << 2 << 249;
    QTest::newRow("50") << 50 << 127;
    QTest::newRow("100") << 100 << 0;
}

void tst_ColorToolRules::darkening()
{
    QFETCH(int, ring);
    QFETCH(int, value);
    QCOMPARE(colorPickMath::ringDarkenedValue(ring), value);
    // Hue and saturation stay; only the value follows the ring.
    const QColor orange = colorPickMath::ringDarkenedColor(QColor(255, 128, 0), ring);
    QCOMPARE(orange.value(), value);
    if (value > 0) {
        QCOMPARE(orange.hsvHue(), QColor(255, 128, 0).hsvHue());
        QCOMPARE(orange.hsvSaturation(), 255);
    }
    QCOMPARE(orange.alpha(), 255);
    const QColor grey = colorPickMath::ringDarkenedColor(QColor(200, 200, 200), ring);
    QCOMPARE(grey, QColor(value, value, value));
}

void tst_ColorToolRules::defaultItem_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("direction");

    const struct
    {
        const char *name;
        int effect;
        int direction;
    } keys[] = {{"Static", 0, 0},   {"Wave", 2, 0},       {"Radar", 4, 6},      {"Snack", 5, 6},
                {"Aurora", 7, 4},   {"Ripple", 8, 4},     {"Speed Respond", 12, 2}, {"Auto Ripple", 14, 4},
                {"Striation", 15, 6}, {"Fireworks", 16, 4}, {"Musical Rhythm", 100, 2}, {"Custom", 10, 0}};
    for (const auto &k : keys)
        QTest::newRow(k.name) << kKeyboardDevice << 0 << k.effect << k.direction;
    QTest::newRow("side lights Wave") << kKeyboardDevice << 1 << 2 << 0;
    QTest::newRow("mouse Radar number") << kMouseDevice << 0 << 4 << 0;
    QTest::newRow("mouse Aurora number") << kMouseDevice << 2 << 7 << 0;
}

void tst_ColorToolRules::defaultItem()
{
    QFETCH(int, device);
    QFETCH(int, zone);
    QFETCH(int, effect);
    QFETCH(int, direction);
    const colorInfoData got = defaultLightItem(device, zone, effect);
    const colorInfoData want = item(zone, effect, direction);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&got), sizeof got),
             QByteArray(reinterpret_cast<const char *>(&want), sizeof want));
}

void tst_ColorToolRules::keyboardControls_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("colorOptions");
    QTest::addColumn<bool>("directionRow");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("select");
    QTest::addColumn<bool>("speedRow");

    const QList<int> none;
    const QList<int> wave{DirRight, DirLeft, DirUp, DirDown, DirGather, DirDispersion};
    const QList<int> turn{DirClockwise, DirAnticlockwise};

    QTest::newRow("keys Static") << 0 << 0 << false << false << none << -1 << false;
    QTest::newRow("keys Breath") << 0 << 1 << true << false << none << -1 << true;
    QTest::newRow("keys Wave") << 0 << 2 << true << true << wave << 0 << true;
    QTest::newRow("keys Radar") << 0 << 4 << true << true << turn << 6 << true;
    QTest::newRow("keys Snack") << 0 << 5 << true << true << turn << 6 << true;
    QTest::newRow("keys Aurora") << 0 << 7 << true << true << QList<int>{DirGather, DirDispersion} << 4 << true;
    QTest::newRow("keys Custom") << 0 << 10 << false << false << none << -1 << false;
    QTest::newRow("keys Speed Respond") << 0 << 12 << true << true << QList<int>{DirUp, DirDown} << 2 << false;
    QTest::newRow("keys 13: row without buttons") << 0 << 13 << true << true << none << -1 << true;
    QTest::newRow("keys Striation") << 0 << 15 << true << true << turn << 6 << true;
    QTest::newRow("keys Musical Rhythm") << 0 << 100 << true << false << none << -1 << false;
    QTest::newRow("side Static") << 1 << 0 << false << false << none << -1 << false;
    QTest::newRow("side Breath") << 1 << 1 << true << false << none << -1 << true;
    QTest::newRow("side Wave") << 1 << 2 << true << false << none << -1 << true;
    QTest::newRow("side Collision") << 1 << 3 << true << false << none << -1 << true;
    QTest::newRow("side Neon") << 1 << 4 << true << false << none << -1 << true;
    QTest::newRow("zone 2 Wave: empty row") << 2 << 2 << true << true << none << -1 << true;
}

void tst_ColorToolRules::keyboardControls()
{
    QFETCH(int, zone);
    QFETCH(int, effect);
    QFETCH(bool, colorOptions);
    QFETCH(bool, directionRow);
    QFETCH(QList<int>, buttons);
    QFETCH(int, select);
    QFETCH(bool, speedRow);
    const KeyboardControls c = lightEffectControls::keyboardControls(zone, effect);
    QCOMPARE(c.showColorOptions, colorOptions);
    QCOMPARE(c.showDirectionRow, directionRow);
    QCOMPARE(c.directionButtons, buttons);
    QCOMPARE(c.selectDirection, select);
    QCOMPARE(c.showSpeedRow, speedRow);
}

void tst_ColorToolRules::mouseControls_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("colorOptions");
    QTest::addColumn<bool>("speedRow");
    QTest::addColumn<bool>("colorRows");

    QTest::newRow("Around 0") << 0 << 0 << false << false << true;
    QTest::newRow("Around 1") << 0 << 1 << true << true << true;
    QTest::newRow("Around 3") << 0 << 3 << true << true << true;
    QTest::newRow("Around 7") << 0 << 7 << false << false << false;
    QTest::newRow("Around 8") << 0 << 8 << true << false << true;
    QTest::newRow("Scroll 0") << 1 << 0 << false << false << true;
    QTest::newRow("Scroll 2") << 1 << 2 << true << true << true;
    QTest::newRow("Scroll 3") << 1 << 3 << false << false << false;
    QTest::newRow("Logo 3") << 2 << 3 << false << false << false;
    QTest::newRow("Logo 7") << 2 << 7 << true << true << true;
}

void tst_ColorToolRules::mouseControls()
{
    QFETCH(int, zone);
    QFETCH(int, effect);
    QFETCH(bool, colorOptions);
    QFETCH(bool, speedRow);
    QFETCH(bool, colorRows);
    const MouseControls c = lightEffectControls::mouseControls(zone, effect);
    QCOMPARE(c.showColorOptions, colorOptions);
    QCOMPARE(c.showSpeedRow, speedRow);
    QCOMPARE(c.showColorRows, colorRows);
}

void tst_ColorToolRules::gradientPositions_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("positions");
    QTest::newRow("two") << 2 << QList<double>{0.0, 1.0};
    QTest::newRow("six") << 6 << QList<double>{0.0, 1 * (1.0 / 5), 2 * (1.0 / 5), 3 * (1.0 / 5), 4 * (1.0 / 5), 1.0};
    QTest::newRow("one: none") << 1 << QList<double>{};
    QTest::newRow("zero: none") << 0 << QList<double>{};
}

void tst_ColorToolRules::gradientPositions()
{
    QFETCH(int, count);
    QFETCH(QList<double>, positions);
    // Exact equality: the stops are what the engine receives.
    QCOMPARE(gradientStops::initialPositions(count), positions);
}

void tst_ColorToolRules::gradientHandles()
{
    QList<int> xs;
    for (int j = 0; j < 6; ++j)
        xs << gradientStops::initialHandleX(185, 6, j);
    QCOMPARE(xs, (QList<int>{0, 34, 68, 102, 136, 170}));
    QCOMPARE(gradientStops::initialHandleX(185, 2, 1), 173);
    QCOMPARE(gradientStops::initialHandleX(185, 1, 0), 0);
}

void tst_ColorToolRules::gradientDrag_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("t");
    QTest::newRow("middle") << 86 << true << 86.0 / 173;
    QTest::newRow("1 px") << 1 << true << 1.0 / 173;
    QTest::newRow("172 px") << 172 << true << 172.0 / 173;
    QTest::newRow("0: not strictly inside") << 0 << false << 0.0;
    QTest::newRow("173: 1.0") << 173 << false << 0.0;
    QTest::newRow("180: beyond 1") << 180 << false << 0.0;
    QTest::newRow("past the width") << 186 << false << 0.0;
    QTest::newRow("negative") << -5 << false << 0.0;
}

void tst_ColorToolRules::gradientDrag()
{
    QFETCH(int, x);
    QFETCH(bool, accepted);
    QFETCH(double, t);
    double got = -1.0;
    QCOMPARE(gradientStops::dragPosition(x, 185, &got), accepted);
    QCOMPARE(got, accepted ? t : -1.0);
}

void tst_ColorToolRules::gradientCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<bool>("valid");
    QTest::newRow("six for six") << 6 << 6 << true;
    QTest::newRow("two for two") << 2 << 2 << true;
    QTest::newRow("one") << 1 << 1 << false;
    QTest::newRow("zero") << 0 << 0 << false;
    QTest::newRow("negative") << -1 << 0 << false;
    QTest::newRow("more than the pairs") << 7 << 6 << false;
    QTest::newRow("fewer than the pairs") << 5 << 6 << false;
}

void tst_ColorToolRules::gradientCount()
{
    QFETCH(int, count);
    QFETCH(int, pairs);
    QFETCH(bool, valid);
    QCOMPARE(gradientStops::isValidCount(count, pairs), valid);
}

QTEST_APPLESS_MAIN(tst_ColorToolRules)
#include "tst_colortoolrules.moc"
