#include "BasicColorArea.h"
#include "BasicColorItem.h"
#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "SVColorArea.h"
#include "SliderToolArea.h"
#include "colorToolTestSupport.h"
#include "deleteBasicColorItemTool.h"
#include "xmlInterface.h"
#include "../../fullDiskScope.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

using Fields = QList<int>;
using Change = QPair<int, int>; // kind, zone

constexpr int kKeyboard = 0;
constexpr int kMouse = 1;

// Level maxima the device reports, different per zone so a mix-up shows.
constexpr int kKeySpeedMax = 6;
constexpr int kKeyBrightnessMax = 5;
constexpr int kSideSpeedMax = 3;
constexpr int kSideBrightnessMax = 4;

const QColor kScreenColor(0, 200, 100);

// A panel on a fresh profile file, as the device page sets it up.
class panelFixture
{
public:
    explicit panelFixture(int deviceType, bool withProfile = true)
        : screen(kScreenColor)
    {
        path = dir.filePath(QStringLiteral("pardexProFile.xml"));
        if (withProfile) {
            store.createXmlFile(path);
            store.addProfile(path, "1", "P1", "", "", deviceType);
        }
        panel.setDeviceType(deviceType);
        panel.setSpeedAndBrightnessMaxNum(kKeySpeedMax, kKeyBrightnessMax);
        panel.setSideLightSpeedAndBrightnessMaxNum(kSideSpeedMax, kSideBrightnessMax);
        panel.setMouseAroundSpeedAndBrightnessMaxNum(4, 4);
        panel.setMouseScrollSpeedAndBrightnessMaxNum(3, 3);
        panel.setMouseLogoSpeedAndBrightnessMaxNum(2, 2);
        panel.setSideLightSelected(true);
        panel.setConfigInfo(path, &store, 1);
        area()->setScreenColorReader(&screen);
        changes = std::make_unique<QSignalSpy>(&panel, &ColorWheelTool::sigLightConfigHaveChanged);
        panel.show();
    }

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *w = panel.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no %s in the panel", name);
        return w;
    }
    QLineEdit *box(char c) const { return child<QLineEdit>(c == 'R' ? "lineEdit_R" : c == 'G' ? "lineEdit_G" : "lineEdit_B"); }
    QList<int> boxes() const { return {box('R')->text().toInt(), box('G')->text().toInt(), box('B')->text().toInt()}; }
    SliderToolArea *brightness() const { return child<QFrame>("frame_SliderBrightness")->findChild<SliderToolArea *>(); }
    SliderToolArea *speed() const { return child<QFrame>("frame_SliderSpeed")->findChild<SliderToolArea *>(); }
    SVColorArea *area() const { return panel.findChild<SVColorArea *>(); }
    BasicColorArea *palette() const { return child<BasicColorArea>("widget_BasicColor"); }
    bool shown(const char *name) const { return child(name)->isVisibleTo(&panel); }

    Fields fileItem(int zone, int effect)
    {
        colorInfoData item{};
        if (!store.getLightInfo(path, "1", zone, effect, item))
            return {};
        return fields(item);
    }
    void writeItem(const Fields &f)
    {
        QCOMPARE(f.size(), 14);
        const colorInfoData item{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], f[13]};
        QVERIFY(store.addLightInfo(path, "1", item));
    }
    QByteArray fileBytes() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<Change> takeChanges()
    {
        QList<Change> list;
        for (const QList<QVariant> &args : *changes)
            list.append({args.at(0).toInt(), args.at(1).toInt()});
        changes->clear();
        return list;
    }
    QList<customColorInfo> swatches()
    {
        QList<customColorInfo> list;
        store.getCustomColorList(path, "1", list);
        return list;
    }
    void typeInto(char c, const QString &text) { box(c)->setText(text); }

    QTemporaryDir dir;
    QString path;
    xmlInterface store;
    fakeScreenReader screen;
    ColorWheelTool panel;
    std::unique_ptr<QSignalSpy> changes;
};

Fields defaults(int zone, int effect, int direction)
{
    return {zone, effect, 3, 3, 255, 0, 0, 0, 0, 0, direction, 1, 0, 0};
}

// Every text of the panel's context comes back marked.
class markingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) != "ColorWheelTool" || !*sourceText)
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ColorWheelTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultItemWrittenAndShown_data();
    void defaultItemWrittenAndShown();
    void controlsFollowTheEffect();
    void nothingReportedBeforeFirstZone();
    void sideLightsReportOnlyWhenTheirPageIsSelected();
    void heldColourAreaReportsOnRelease();
    void okPerDeviceAndZone_data();
    void okPerDeviceAndZone();
    void cancelKeepsEditsAndSelection();
    void missingItem();
    void itemLackingAttributes();
    void zoneOutsideTheDeviceOnlyRecords();
    void loadLeavesItemAsLoaded_data();
    void loadLeavesItemAsLoaded();
    void mouseLoadEditsTopColour();
    void rgbBoxes();
    void swatchAndRing();
    void bottomColour();
    void unreadablePixelKeepsColour();
    void repaintDoesNotDarkenAgain();
    void storedSwatches();
    void sharedSwatchSlots();
    void deleteAfterReload();
    void fullDiskIsReported();
    void garbageProfileStaysUntouched();
    void themes();
    void language();
    void compiledTranslations();
};

void tst_ColorWheelTool::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    qRegisterMetaType<QList<QColor>>();
}

void tst_ColorWheelTool::defaultItemWrittenAndShown_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("direction");
    QTest::newRow("keys Radar") << kKeyboard << 4 << 6;
    QTest::newRow("keys Aurora") << kKeyboard << 7 << 4;
    QTest::newRow("keys Speed Respond") << kKeyboard << 12 << 2;
    QTest::newRow("mouse Around 4") << kMouse << 4 << 0;
}

void tst_ColorWheelTool::defaultItemWrittenAndShown()
{
    QFETCH(int, device);
    QFETCH(int, effect);
    QFETCH(int, direction);
    panelFixture f(device);
    f.panel.setLightZone(0, 2, 0);
    QVERIFY(f.fileItem(0, effect).isEmpty());
    f.panel.setCurrentLightType(effect, 0);
    QCOMPARE(f.fileItem(0, effect), defaults(0, effect, direction));
    QCOMPARE(fields(f.panel.getColorInfo()), defaults(0, effect, direction));
    QCOMPARE(f.boxes(), (QList<int>{255, 0, 0}));
    QVERIFY(f.child<QCheckBox>("checkBox_FullColorMode")->isChecked());
    QCOMPARE(f.brightness()->value(), 3);
    if (device == kMouse) {
        QVERIFY(!f.shown("frame_Direction"));
        return;
    }
    QVERIFY(f.shown("frame_Direction"));
    const char *const buttons[] = {"pushButton_Right", "pushButton_Left", "pushButton_Up", "pushButton_Down",
                                   "pushButton_Dispersion", "pushButton_Gather", "pushButton_CW", "pushButton_UnCW"};
    for (int d = 0; d < 8; ++d)
        QCOMPARE(f.child<QPushButton>(buttons[d])->isChecked(), d == direction);
    if (effect == 4) {
        QVERIFY(f.shown("pushButton_CW"));
        QVERIFY(f.shown("pushButton_UnCW"));
        QVERIFY(!f.shown("pushButton_Left"));
    }
}

void tst_ColorWheelTool::controlsFollowTheEffect()
{
    panelFixture keys(kKeyboard);
    keys.panel.setLightZone(0, 2, 0);
    keys.panel.setCurrentLightType(2, 0); // Wave
    for (const char *name : {"pushButton_Right", "pushButton_Left", "pushButton_Up", "pushButton_Down",
                             "pushButton_Gather", "pushButton_Dispersion"})
        QVERIFY2(keys.shown(name), name);
    QVERIFY(!keys.shown("pushButton_CW"));
    QVERIFY(keys.shown("frame_SliderSpeed"));
    keys.panel.setCurrentLightType(12, 0); // Speed Respond
    QVERIFY(keys.shown("pushButton_Up") && keys.shown("pushButton_Down"));
    QVERIFY(!keys.shown("pushButton_Right"));
    QVERIFY(!keys.shown("frame_SliderSpeed"));
    keys.panel.setCurrentLightType(0, 0); // Static
    QVERIFY(!keys.shown("pushButton_afterColor"));
    QVERIFY(!keys.shown("checkBox_FullColorMode"));
    QVERIFY(!keys.shown("frame_Direction"));
    QVERIFY(!keys.shown("frame_colorBuildUp"));

    panelFixture mouse(kMouse);
    mouse.panel.setLightZone(0, 7, 0);
    mouse.panel.setCurrentLightType(7, 0);
    for (const char *name : {"frame_Color", "frame", "frame_4", "frame_2", "frame_SliderSpeed"})
        QVERIFY2(!mouse.shown(name), name);
    QVERIFY(mouse.shown("frame_SliderBrightness"));
    mouse.panel.setCurrentLightType(8, 0);
    QVERIFY(!mouse.shown("frame_SliderSpeed"));
    for (const char *name : {"frame_Color", "frame", "frame_4", "frame_2", "pushButton_afterColor"})
        QVERIFY2(mouse.shown(name), name);
}

void tst_ColorWheelTool::nothingReportedBeforeFirstZone()
{
    panelFixture f(kKeyboard);
    f.writeItem(defaults(0, 1, 0));
    const QByteArray before = f.fileBytes();
    f.brightness()->setValue(1);
    f.speed()->setValue(2);
    f.typeInto('R', QStringLiteral("7"));
    QTest::mouseClick(f.child<QPushButton>("pushButton_Up"), Qt::LeftButton);
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.fileBytes(), before);

    f.panel.setLightZone(0, 1, 0);
    f.takeChanges();
    f.brightness()->setValue(2);
    QCOMPARE(f.takeChanges(), (QList<Change>{{2, 0}}));
    QCOMPARE(f.fileItem(0, 1).value(2), 2);
}

void tst_ColorWheelTool::sideLightsReportOnlyWhenTheirPageIsSelected()
{
    panelFixture f(kKeyboard);
    f.writeItem(defaults(1, 1, 0));
    f.panel.setSideLightSelected(false);
    f.panel.setLightZone(1, 1, 0);
    f.takeChanges();
    const QByteArray before = f.fileBytes();
    f.brightness()->setValue(1);
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.fileBytes(), before);

    f.panel.setSideLightSelected(true);
    f.speed()->setValue(1);
    QCOMPARE(f.takeChanges(), (QList<Change>{{3, 1}}));
    // The working brightness moved all along.
    QCOMPARE(f.fileItem(1, 1).mid(2, 2), (QList<int>{1, 1}));
}

void tst_ColorWheelTool::heldColourAreaReportsOnRelease()
{
    panelFixture f(kKeyboard);
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    f.takeChanges();

    pressAt(f.area(), QPointF(80, 80));
    QCOMPARE(f.boxes(), (QList<int>{0, 200, 100}));
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{255, 0, 0}));
    releaseAt(f.area(), QPointF(80, 80));
    QCOMPARE(f.takeChanges(), (QList<Change>{{0, 0}}));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{0, 200, 100}));

    // A ring drag is one edit too, darkening the picked colour.
    pressAt(f.area(), QPointF(9, 79));       // 25
    dragTo(f.area(), QPointF(79, 149));      // 50
    QVERIFY(f.takeChanges().isEmpty());
    releaseAt(f.area(), QPointF(79, 149));
    QCOMPARE(f.takeChanges(), (QList<Change>{{0, 0}}));
    const QColor darker = QColor::fromHsv(kScreenColor.hsvHue(), kScreenColor.hsvSaturation(), 127);
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{darker.red(), darker.green(), darker.blue()}));
}

void tst_ColorWheelTool::okPerDeviceAndZone_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("sent");
    QTest::newRow("keys") << kKeyboard << 0 << "keyboard";
    QTest::newRow("side lights") << kKeyboard << 1 << "side";
    QTest::newRow("mouse Around") << kMouse << 0 << "mouse 0";
    QTest::newRow("mouse Scroll") << kMouse << 1 << "mouse 1";
    QTest::newRow("mouse Logo") << kMouse << 2 << "mouse 2";
    QTest::newRow("unknown device") << 2 << 0 << "";
}

void tst_ColorWheelTool::okPerDeviceAndZone()
{
    QFETCH(int, device);
    QFETCH(int, zone);
    QFETCH(QString, sent);
    panelFixture f(device);
    f.panel.setLightZone(zone, 2, 0);
    f.panel.setCurrentLightType(1, 0);
    f.brightness()->setValue(1);

    QStringList events;
    const auto note = [&](const QString &what) {
        // What the device page would find when it handles the signal.
        const Fields record = fields(f.panel.getColorInfo());
        events << QStringLiteral("%1 using %2 %3")
                      .arg(what)
                      .arg(f.store.getLightUsingIndex(f.path, "1", zone))
                      .arg(record == f.fileItem(zone, 1) ? "saved" : "unsaved");
    };
    connect(&f.panel, &ColorWheelTool::sigSendSetKeyboardColorData, [&] { note("keyboard"); });
    connect(&f.panel, &ColorWheelTool::sigSendSetSideColorData, [&] { note("side"); });
    connect(&f.panel, &ColorWheelTool::sigSendSetMouseColorData, [&](int z) { note(QStringLiteral("mouse %1").arg(z)); });
    connect(&f.panel, &ColorWheelTool::sigSetLightEffectSuccessful, [&] { note("success"); });

    QTest::mouseClick(f.child<QPushButton>("pushButton_OK"), Qt::LeftButton);
    QStringList want;
    if (!sent.isEmpty())
        want << sent + " using 2 saved";
    want << "success using 1 saved";
    QCOMPARE(events, want);
    QCOMPARE(f.fileItem(zone, 1).value(2), 1);

    events.clear();
    f.panel.saveChanges(); // the save prompt's Save does what OK does
    want.last() = "success using 1 saved";
    if (!sent.isEmpty())
        want.first() = sent + " using 1 saved";
    QCOMPARE(events, want);
}

void tst_ColorWheelTool::cancelKeepsEditsAndSelection()
{
    panelFixture f(kKeyboard);
    f.panel.setLightZone(0, 2, 0);
    f.panel.setCurrentLightType(4, 0);
    f.speed()->setValue(5);
    QSignalSpy cancelled(&f.panel, &ColorWheelTool::sigLightCancelSettings);
    QTest::mouseClick(f.child<QPushButton>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(cancelled.size(), 1);
    QCOMPARE(cancelled.at(0).at(0).toInt(), 0);
    QCOMPARE(f.fileItem(0, 4).value(3), 5);
    QCOMPARE(f.store.getLightUsingIndex(f.path, "1", 0), 2);
}

void tst_ColorWheelTool::missingItem()
{
    panelFixture f(kKeyboard);
    QSignalSpy selected(&f.panel, &ColorWheelTool::sigSelectKeyboardLightType);
    QSignalSpy lightsOn(&f.panel, &ColorWheelTool::sigLightOpenOrCloseType);
    const QByteArray before = f.fileBytes();
    f.panel.setLightZone(0, 5, 1);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 2);
    QCOMPARE(lightsOn.size(), 0);
    QCOMPARE(f.brightness()->maxValue(), kKeyBrightnessMax);
    QCOMPARE(f.brightness()->value(), kKeyBrightnessMax - 1);
    QCOMPARE(f.speed()->value(), kKeySpeedMax - 1);
    QCOMPARE(fields(f.panel.getColorInfo()), (Fields{0, 5, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    QCOMPARE(f.boxes(), (QList<int>{255, 0, 0}));
    QVERIFY(!f.shown("frame_Direction"));
    QCOMPARE(f.fileBytes(), before);
}

void tst_ColorWheelTool::itemLackingAttributes()
{
    panelFixture f(kKeyboard);
    f.writeItem({0, 4, 1, 1, 9, 9, 9, 9, 9, 9, 7, 0, 0, 0});
    // An item written by hand or an older program: only its zone, effect and colour.
    QString text = QString::fromUtf8(f.fileBytes());
    text.remove(QRegularExpression(QStringLiteral(" led(Brightness|Speed|Bg.|Direction|ModeType|OpenOrClose|Update)=\"[^\"]*\"")));
    QFile file(f.path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();
    QVERIFY(!text.contains(QLatin1String("ledBrightness")));

    f.panel.setLightZone(0, 4, 0);
    const Fields want{0, 4, 3, 3, 9, 9, 9, 0, 0, 0, 6, 1, 0, 0};
    QCOMPARE(fields(f.panel.getColorInfo()), want);
    QCOMPARE(f.fileItem(0, 4), want);
}

void tst_ColorWheelTool::zoneOutsideTheDeviceOnlyRecords()
{
    panelFixture f(kKeyboard);
    QSignalSpy keys(&f.panel, &ColorWheelTool::sigSelectKeyboardLightType);
    QSignalSpy side(&f.panel, &ColorWheelTool::sigSelectSideLightType);
    f.panel.setLightZone(2, 3, 1);
    QCOMPARE(keys.size() + side.size(), 0);
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.brightness()->maxValue(), 4); // the panel's start-up scale
    QCOMPARE(f.brightness()->value(), 3);
    f.brightness()->setValue(1);
    QVERIFY(f.takeChanges().isEmpty()); // never armed
}

void tst_ColorWheelTool::loadLeavesItemAsLoaded_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<Fields>("item");
    QTest::newRow("keys Wave, direction Down, no full colour")
        << kKeyboard << Fields{0, 2, 1, 2, 10, 20, 30, 40, 50, 60, 3, 0, 1, 7};
    QTest::newRow("keys Wave, levels as the sliders stand")
        << kKeyboard << Fields{0, 2, 3, 3, 255, 0, 0, 0, 0, 0, 5, 1, 0, 0};
    QTest::newRow("side lights Breath") << kKeyboard << Fields{1, 1, 2, 1, 0, 0, 255, 255, 255, 0, 0, 1, 0, 0};
    QTest::newRow("side lights Static, full colour kept")
        << kKeyboard << Fields{1, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 1, 0, 0};
    QTest::newRow("mouse Scroll") << kMouse << Fields{1, 2, 3, 2, 9, 8, 7, 6, 5, 4, 0, 1, 0, 0};
    QTest::newRow("mouse Logo, colours hidden") << kMouse << Fields{2, 3, 1, 0, 90, 80, 70, 60, 50, 40, 0, 0, 0, 0};
}

void tst_ColorWheelTool::loadLeavesItemAsLoaded()
{
    QFETCH(int, device);
    QFETCH(Fields, item);
    panelFixture f(device);
    const int zone = item.at(0);
    const int effect = item.at(1);
    // The panel shows another item first, so every control has to change.
    f.panel.setLightZone(zone, effect == 1 ? 2 : 1, 0);
    f.panel.setCurrentLightType(effect == 1 ? 2 : 1, 0);
    f.typeInto('G', QStringLiteral("99"));
    f.writeItem(item);

    f.panel.setCurrentLightType(effect, 1);
    QCOMPARE(f.fileItem(zone, effect), item);
    QCOMPARE(fields(f.panel.getColorInfo()), item);
    QCOMPARE(f.child<QCheckBox>("checkBox_FullColorMode")->isChecked(), item.at(11) == 1);
    QCOMPARE(f.boxes(), item.mid(4, 3));
    if (device == kKeyboard && zone == 0) {
        const char *const buttons[] = {"pushButton_Right", "pushButton_Left", "pushButton_Up", "pushButton_Down",
                                       "pushButton_Dispersion", "pushButton_Gather", "pushButton_CW",
                                       "pushButton_UnCW"};
        for (int d = 0; d < 8; ++d)
            QCOMPARE(f.child<QPushButton>(buttons[d])->isChecked(), d == item.at(10));
    }
}

void tst_ColorWheelTool::mouseLoadEditsTopColour()
{
    panelFixture f(kMouse);
    f.writeItem({0, 1, 2, 2, 1, 2, 3, 4, 5, 6, 0, 1, 0, 0});
    const Fields second{0, 3, 2, 2, 100, 110, 120, 130, 140, 150, 0, 1, 0, 0};
    f.writeItem(second);
    f.panel.setLightZone(0, 1, 0);
    QTest::mouseClick(f.child<QPushButton>("pushButton_afterColor"), Qt::LeftButton);
    f.typeInto('B', QStringLiteral("77"));
    QCOMPARE(f.fileItem(0, 1).mid(7, 3), (QList<int>{4, 5, 77}));

    // The device page restores the zone with another selected effect.
    f.panel.setLightZone(0, 3, 0);
    QCOMPARE(f.fileItem(0, 3), second);
    QVERIFY(f.child<QPushButton>("pushButton_beforeColor")->isChecked());
    QCOMPARE(f.boxes(), (QList<int>{100, 110, 120}));
    // The checked button is the colour an edit changes.
    f.typeInto('R', QStringLiteral("5"));
    QCOMPARE(f.fileItem(0, 3).mid(4, 6), (QList<int>{5, 110, 120, 130, 140, 150}));
}

void tst_ColorWheelTool::rgbBoxes()
{
    panelFixture f(kKeyboard);
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    f.takeChanges();

    f.typeInto('R', QStringLiteral("12"));
    QCOMPARE(f.takeChanges(), (QList<Change>{{0, 0}}));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{12, 0, 0}));

    // Refused entries put back the last accepted value...
    f.typeInto('G', QStringLiteral("300"));
    QCOMPARE(f.box('G')->text(), QStringLiteral("12"));
    f.typeInto('B', QStringLiteral("-5"));
    QCOMPARE(f.box('B')->text(), QStringLiteral("12"));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{12, 12, 12}));
    // ...or the text of the box last pressed, when that came later.
    f.typeInto('G', QStringLiteral("40"));
    QTest::mouseClick(f.box('R'), Qt::LeftButton);
    f.typeInto('B', QStringLiteral("256"));
    QCOMPARE(f.box('B')->text(), QStringLiteral("12"));
    f.typeInto('B', QStringLiteral("9"));
    QTest::mouseClick(f.box('G'), Qt::LeftButton);
    f.typeInto('R', QStringLiteral("999"));
    QCOMPARE(f.box('R')->text(), QStringLiteral("40"));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{40, 40, 9}));
    f.takeChanges();

    // Same number, other text: nothing to report.
    f.typeInto('B', QStringLiteral("09"));
    f.typeInto('B', QStringLiteral("009"));
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{40, 40, 9}));
}

void tst_ColorWheelTool::swatchAndRing()
{
    panelFixture f(kKeyboard);
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    BasicColorItem *white = nullptr;
    for (BasicColorItem *item : f.palette()->findChildren<BasicColorItem *>()) {
        if (item->color() == Qt::white)
            white = item;
    }
    QVERIFY(white);
    pressAt(white, QPointF(3, 3));
    QCOMPARE(f.boxes(), (QList<int>{255, 255, 255}));
    f.takeChanges();
    pressAt(white, QPointF(3, 3)); // the colour already edited: still one report
    QCOMPARE(f.takeChanges(), (QList<Change>{{0, 0}}));

    pressAt(f.area(), QPointF(79, 9)); // ring value 100
    QCOMPARE(f.boxes(), (QList<int>{0, 0, 0}));
    releaseAt(f.area(), QPointF(79, 9));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{0, 0, 0}));
    pressAt(f.area(), QPointF(78, 9)); // back to the start: nothing
    releaseAt(f.area(), QPointF(78, 9));
    QCOMPARE(f.boxes(), (QList<int>{0, 0, 0}));
    // The swatch's colour stays the base of the ring.
    pressAt(f.area(), QPointF(9, 79)); // 25
    releaseAt(f.area(), QPointF(9, 79));
    QCOMPARE(f.boxes(), (QList<int>{191, 191, 191}));

    // A swatch puts the knob back to the top.
    pressAt(white, QPointF(3, 3));
    QCOMPARE(f.area()->ringValue(), 0.0);
}

void tst_ColorWheelTool::bottomColour()
{
    panelFixture f(kKeyboard);
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    QTest::mouseClick(f.child<QPushButton>("pushButton_afterColor"), Qt::LeftButton);
    QCOMPARE(f.boxes(), (QList<int>{0, 0, 0}));
    pressAt(f.area(), QPointF(80, 80));
    releaseAt(f.area(), QPointF(80, 80));
    QCOMPARE(f.fileItem(0, 1).mid(4, 6), (QList<int>{255, 0, 0, 0, 200, 100}));
    f.takeChanges();
    QTest::mouseClick(f.child<QPushButton>("pushButton_beforeColor"), Qt::LeftButton);
    QCOMPARE(f.boxes(), (QList<int>{255, 0, 0}));
    QVERIFY(f.takeChanges().isEmpty());
}

void tst_ColorWheelTool::unreadablePixelKeepsColour()
{
    panelFixture f(kKeyboard);
    refusingScreenReader refusing;
    f.area()->setScreenColorReader(&refusing);
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    f.typeInto('G', QStringLiteral("30"));
    f.takeChanges();
    pressAt(f.area(), QPointF(80, 80));
    releaseAt(f.area(), QPointF(80, 80));
    QCOMPARE(f.boxes(), (QList<int>{255, 30, 0}));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{255, 30, 0}));
}

void tst_ColorWheelTool::repaintDoesNotDarkenAgain()
{
    panelFixture f(kKeyboard);
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    pressAt(f.area(), QPointF(79, 149)); // 50: the red darkened
    releaseAt(f.area(), QPointF(79, 149));
    QCOMPARE(f.fileItem(0, 1).mid(4, 3), (QList<int>{127, 0, 0}));
    QTest::mouseClick(f.child<QPushButton>("pushButton_afterColor"), Qt::LeftButton);
    f.takeChanges();

    // Shown again, repainted, restyled: the ring has not moved.
    f.panel.hide();
    f.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.area()->repaint();
    f.panel.updateTheme();
    QCoreApplication::processEvents();
    f.area()->repaint();
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.boxes(), (QList<int>{0, 0, 0}));
    QCOMPARE(f.fileItem(0, 1).mid(4, 6), (QList<int>{127, 0, 0, 0, 0, 0}));
    QCOMPARE(f.area()->ringValue(), 50.0);
}

void tst_ColorWheelTool::storedSwatches()
{
    panelFixture f(kKeyboard);
    f.panel.setLightZone(0, 1, 0);
    f.typeInto('R', QStringLiteral("1"));
    f.typeInto('G', QStringLiteral("2"));
    f.typeInto('B', QStringLiteral("3"));
    QTest::mouseClick(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(4)), Qt::LeftButton);
    auto *swatch = qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(4));
    QVERIFY(swatch);
    QCOMPARE(swatch->color(), QColor(1, 2, 3));
    QList<customColorInfo> stored = f.swatches();
    QCOMPARE(stored.size(), 1);
    QCOMPARE((QList<int>{stored[0].index, stored[0].actionStatus, stored[0].colorR, stored[0].colorG,
                         stored[0].colorB, stored[0].transparentNum}),
             (QList<int>{4, 1, 1, 2, 3, 128}));

    // A new profile (or the same one again) shows the stored swatches.
    f.panel.clearCustomColors();
    QVERIFY(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(4)));
    f.panel.setConfigInfo(f.path, &f.store, 1);
    swatch = qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(4));
    QVERIFY(swatch);
    QCOMPARE(swatch->color(), QColor(1, 2, 3));

    pressAt(swatch, QPointF(3, 3), Qt::RightButton);
    QTest::mouseClick(f.palette()->deletePopup()->findChild<deleteBasicColorItemTool *>()->deleteButton(),
                      Qt::LeftButton);
    QVERIFY(f.swatches().isEmpty());
}

void tst_ColorWheelTool::sharedSwatchSlots()
{
    panelFixture f(kMouse);
    // Written by the DPI view and an older run: a doubled slot, and slot 7.
    f.store.addCustomColor(f.path, "1", {2, 1, 10, 10, 10, 128});
    f.store.addCustomColor(f.path, "1", {2, 1, 20, 20, 20, 128});
    f.store.addCustomColor(f.path, "1", {7, 1, 70, 70, 70, 128});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("user slot 2 already holds"));
    f.panel.setConfigInfo(f.path, &f.store, 1);
    QCOMPARE(f.palette()->findChildren<BasicColorItem *>().size(), 9 + 2);
    QCOMPARE(qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(2))->color(), QColor(10, 10, 10));
    QCOMPARE(qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(7))->color(), QColor(70, 70, 70));

    // Deleting the slot removes every stored copy of it.
    pressAt(f.palette()->addRowWidgetAt(2), QPointF(3, 3), Qt::RightButton);
    QTest::mouseClick(f.palette()->deletePopup()->findChild<deleteBasicColorItemTool *>()->deleteButton(),
                      Qt::LeftButton);
    QList<customColorInfo> stored = f.swatches();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0].index, 7);

    // The other view stores slot 3 meanwhile; an add here replaces it.
    f.store.addCustomColor(f.path, "1", {3, 1, 30, 30, 30, 128});
    f.panel.setLightZone(0, 1, 0);
    f.typeInto('R', QStringLiteral("33"));
    QTest::mouseClick(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(3)), Qt::LeftButton);
    stored = f.swatches();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[1].index, 3);
    QCOMPARE(stored[1].colorR, 33);
}

void tst_ColorWheelTool::deleteAfterReload()
{
    panelFixture f(kKeyboard);
    f.store.addCustomColor(f.path, "1", {5, 1, 50, 50, 50, 128});
    f.panel.setConfigInfo(f.path, &f.store, 1);
    pressAt(f.palette()->addRowWidgetAt(5), QPointF(3, 3), Qt::RightButton);
    QPointer<ArrowWidget> popup = f.palette()->deletePopup();
    QVERIFY(popup && popup->isVisible());
    f.panel.setConfigInfo(f.path, &f.store, 1); // a profile switch reloads the swatches
    QVERIFY(!popup->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QSignalSpy deleted(f.palette(), &BasicColorArea::sigDeleteColor);
    emit popup->findChild<deleteBasicColorItemTool *>()->sigDeleteBasicColor();
    QCOMPARE(deleted.size(), 0);
    QCOMPARE(f.swatches().size(), 1);
    QVERIFY(qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(5)));
}

// Writes the profile does not take are reported; a swatch it did not take
// is not shown, and a failed OK sends nothing and shows the stored effect.
void tst_ColorWheelTool::fullDiskIsReported()
{
    panelFixture f(kKeyboard);
    f.panel.setLightZone(0, 1, 0);
    QVERIFY(f.store.setLightUsingIndex(f.path, "1", 0, 1));
    f.panel.setCurrentLightType(4, 0);
    QSignalSpy failed(&f.panel, &ColorWheelTool::sigLightSaveFailed);
    QSignalSpy sent(&f.panel, &ColorWheelTool::sigSendSetKeyboardColorData);
    QSignalSpy done(&f.panel, &ColorWheelTool::sigSetLightEffectSuccessful);
    const QByteArray before = f.fileBytes();
    {
        fullDiskScope full;
        QVERIFY(full.isActive());
        f.typeInto('R', QStringLiteral("9"));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.last().at(0).toBool(), false);
        QTest::mouseClick(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(0)), Qt::LeftButton);
        QCOMPARE(failed.size(), 2);
        QVERIFY(!qobject_cast<BasicColorItem *>(f.palette()->addRowWidgetAt(0)));
        QTest::mouseClick(f.child<QPushButton>("pushButton_OK"), Qt::LeftButton);
    }
    QCOMPARE(failed.size(), 3);
    QCOMPARE(failed.last().at(0).toBool(), true);
    QCOMPARE(sent.size(), 0);
    QCOMPARE(done.size(), 0);
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(f.panel.getColorInfo().ledType, 1);
}

void tst_ColorWheelTool::garbageProfileStaysUntouched()
{
    panelFixture f(kKeyboard, false);
    const QByteArray garbage("\x89not xml at all <config index=\"1\"");
    {
        QFile file(f.path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    f.panel.setConfigInfo(f.path, &f.store, 1);
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(4, 0);
    f.brightness()->setValue(1);
    f.typeInto('R', QStringLiteral("9"));
    QTest::mouseClick(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(0)), Qt::LeftButton);
    QCOMPARE(fields(f.panel.getColorInfo()).mid(0, 4), (QList<int>{0, 4, 1, 3}));
    // OK cannot store the edit: nothing goes out.
    QSignalSpy sent(&f.panel, &ColorWheelTool::sigSendSetKeyboardColorData);
    QTest::mouseClick(f.child<QPushButton>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(sent.size(), 0);
    QVERIFY(!f.panel.saveLightConfig());
    QCOMPARE(f.fileBytes(), garbage);
}

void tst_ColorWheelTool::themes()
{
    panelFixture f(kKeyboard);
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.panel.setLightZone(0, 1, 0);
    f.panel.setCurrentLightType(1, 0);
    f.typeInto('G', QStringLiteral("40"));
    pressAt(f.area(), QPointF(9, 79)); // the ring off its start
    releaseAt(f.area(), QPointF(9, 79));
    const Fields item = f.fileItem(0, 1);
    f.takeChanges();

    for (int theme = 0; theme < 5; ++theme) {
        DDataManager::instance()->loadThemeConfig(theme);
        const themeColorInfo colors = DDataManager::instance()->getThemeColor();
        f.panel.updateTheme();
        QCoreApplication::processEvents();
        f.area()->repaint();
        QCOMPARE(f.area()->knobColor(), themeColorInfo::opaqueColor(colors.TextCheckedColor));
        // The edited colour's button carries the theme's border; the other none.
        const QImage top = f.child<QPushButton>("pushButton_beforeColor")->grab().toImage();
        QCOMPARE(QColor(top.pixel(0, 0)), themeColorInfo::opaqueColor(colors.TextCheckedColor));
        QCOMPARE(QColor(top.pixel(10, 10)), QColor(item[4], item[5], item[6]));
        const QImage bottom = f.child<QPushButton>("pushButton_afterColor")->grab().toImage();
        QCOMPARE(QColor(bottom.pixel(0, 0)), QColor(0, 0, 0));
        // OK reads on its button, in the theme's colour or a readable shade.
        QPushButton *ok = f.child<QPushButton>("pushButton_OK");
        ok->ensurePolished();
        const double ratio = themeColorInfo::contrastRatio(ok->palette().color(QPalette::ButtonText),
                                                           themeColorInfo::opaqueColor(colors.DeviceControlDefaultColor));
        QVERIFY2(ratio >= themeColorInfo::MinimumContrast,
                 qPrintable(QStringLiteral("theme %1: %2").arg(theme).arg(ratio, 0, 'f', 2)));
    }
    QVERIFY(f.takeChanges().isEmpty());
    QCOMPARE(f.fileItem(0, 1), item);

    // Themed before it is ever shown, as the device page does at start.
    DDataManager::instance()->loadThemeConfig(3);
    ColorWheelTool fresh;
    fresh.updateTheme();
    const QImage box = fresh.findChild<QLineEdit *>("lineEdit_R")->grab().toImage();
    QCOMPARE(QColor(box.pixel(10, 10)),
             themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().DeviceRightBgColor));
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_ColorWheelTool::language()
{
    panelFixture f(kKeyboard);
    markingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    f.panel.updateLanguage();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(f.child<QLabel>("label_4")->text(), QStringLiteral("<Direction>"));
    QCOMPARE(f.child<QPushButton>("pushButton_OK")->text(), QStringLiteral("<OK>"));
    QCOMPARE(f.child<QPushButton>("pushButton_Cancel")->text(), QStringLiteral("<Cancel>"));
    QCOMPARE(f.child<QPushButton>("pushButton")->toolTip(), QStringLiteral("<Full color>"));
    QCOMPARE(f.child<QPushButton>("pushButton_beforeColor")->toolTip(), QStringLiteral("<Top Color>"));
    QCOMPARE(f.child<QPushButton>("pushButton_afterColor")->toolTip(), QStringLiteral("<Bottom Color>"));
    QCOMPARE(f.brightness()->caption(), QStringLiteral("<Brightness>"));
    QCOMPARE(f.speed()->caption(), QStringLiteral("<Speed>"));
    for (const char *name : {"pushButton", "pushButton_beforeColor", "pushButton_afterColor", "pushButton_Left",
                             "pushButton_UnCW"})
        QVERIFY2(f.child<QPushButton>(name)->text().isEmpty(), name);
    QVERIFY(f.child<QCheckBox>("checkBox_FullColorMode")->text().isEmpty());
}

void tst_ColorWheelTool::compiledTranslations()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation");
    const struct
    {
        const char *file;
        const char *source;
        const char *translation;
    } cases[] = {{"German", "Brightness", "Helligkeit"},
                 {"French", "Speed", "Vitesse"},
                 {"Zh_SM", "Direction", "方向"},
                 {"English", "Cancel", "Cancel"}};
    for (const auto &c : cases) {
        QTranslator translator;
        QVERIFY2(translator.load(QString::fromLatin1(c.file), dir), c.file);
        QCOMPARE(translator.translate("ColorWheelTool", c.source), QString::fromUtf8(c.translation));
    }
}

QTEST_MAIN(tst_ColorWheelTool)
#include "tst_colorwheeltool.moc"
