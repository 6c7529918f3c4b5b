#include "BasicColorArea.h"
#include "ColorBuildUpSlider.h"
#include "ColorBuildUpToolArea.h"
#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "SVColorArea.h"
#include "buildUpColorShowArea.h"
#include "colorToolTestSupport.h"
#include "deleteBasicColorItemTool.h"
#include "screenColorReader.h"
#include "xmlInterface.h"

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

// Under a real X server: the eyedropper against what the colour ring
// paints, and the panel, its delete pop-up and the gradient editor written
// to build/colortool-screenshots/ for a person to look at.

namespace {

const char *const kThemeNames[] = {"Black", "Light", "Blue", "Pink", "Other"};

QString shotDir()
{
    return qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/colortool-screenshots");
}

QString rgb(const QString &themeText)
{
    return QStringLiteral("rgb(%1)").arg(themeText);
}

// The panel on a profile of its own, on the device page's right-hand background.
struct panelHost
{
    explicit panelHost(int deviceType)
    {
        path = dir.filePath(QStringLiteral("pardexProFile.xml"));
        store.createXmlFile(path);
        store.addProfile(path, "1", "P1", "", "", deviceType);
        store.addCustomColor(path, "1", {0, 1, 255, 160, 0, 128});
        store.addCustomColor(path, "1", {1, 1, 40, 200, 255, 128});

        host.setObjectName(QStringLiteral("host"));
        host.setStyleSheet(QStringLiteral("#host{background-color:%1;}")
                               .arg(rgb(DDataManager::instance()->getThemeColor().DeviceRightBgColor)));
        host.setAttribute(Qt::WA_StyledBackground);
        auto *layout = new QVBoxLayout(&host);
        layout->setContentsMargins(10, 10, 10, 10);
        panel = new ColorWheelTool(&host);
        layout->addWidget(panel);
        host.resize(220, 720);

        panel->setDeviceType(deviceType);
        panel->setSpeedAndBrightnessMaxNum(4, 4);
        panel->setSideLightSpeedAndBrightnessMaxNum(4, 4);
        panel->setMouseAroundSpeedAndBrightnessMaxNum(4, 4);
        panel->setMouseScrollSpeedAndBrightnessMaxNum(4, 4);
        panel->setMouseLogoSpeedAndBrightnessMaxNum(4, 4);
        panel->setSideLightSelected(true);
        panel->setConfigInfo(path, &store, 1);
        panel->updateTheme();
    }
    void save(const QString &name)
    {
        QDir().mkpath(shotDir());
        QVERIFY(host.grab().save(shotDir() + QLatin1Char('/') + name));
    }

    QTemporaryDir dir;
    QString path;
    xmlInterface store;
    QWidget host;
    ColorWheelTool *panel = nullptr;
};

} // namespace

class tst_ColorToolScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readerSeesTheDisc();
    void readerRefusesUnderWayland_data();
    void readerRefusesUnderWayland();
    void panel_data();
    void panel();
    void deletePopup();
    void gradientEditor();
    void cleanupTestCase();
};

void tst_ColorToolScreens::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
    qputenv("WAYLAND_DISPLAY", QByteArray());
    qputenv("XDG_SESSION_TYPE", QByteArrayLiteral("x11"));
    QDir().mkpath(shotDir());
}

void tst_ColorToolScreens::cleanupTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_ColorToolScreens::readerSeesTheDisc()
{
    SVColorArea area; // the session's own reader
    area.move(200, 150);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QColor picked;
    connect(&area, &SVColorArea::sigGetRGB, [&picked](int r, int g, int b) { picked = QColor(r, g, b); });
    const QImage painted = area.grab().toImage();
    for (const QPoint &p : {QPoint(80, 80), QPoint(40, 70), QPoint(100, 125), QPoint(120, 50)}) {
        const QColor want(painted.pixel(p));
        // The window may reach the server a moment after it is exposed.
        QTRY_VERIFY2_WITH_TIMEOUT(
            [&] {
                picked = QColor();
                pressAt(&area, p);
                releaseAt(&area, p);
                return picked.isValid() && qAbs(picked.red() - want.red()) <= 2
                    && qAbs(picked.green() - want.green()) <= 2 && qAbs(picked.blue() - want.blue()) <= 2;
            }(),
            qPrintable(QStringLiteral("at (%1, %2): picked %3, painted %4")
                           .arg(p.x())
                           .arg(p.y())
                           .arg(picked.name(), want.name())),
            3000);
    }
}

void tst_ColorToolScreens::readerRefusesUnderWayland_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("WAYLAND_DISPLAY") << QByteArray("WAYLAND_DISPLAY") << QByteArray("wayland-0");
    QTest::newRow("XDG_SESSION_TYPE") << QByteArray("XDG_SESSION_TYPE") << QByteArray("wayland");
}

void tst_ColorToolScreens::readerRefusesUnderWayland()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    const QByteArray before = qgetenv(variable.constData());
    qputenv(variable.constData(), value);
    const screenPixelResult result = screenColorReader::system()->readPixel(QPoint(10, 10));
    SVColorArea area;
    QSignalSpy picked(&area, &SVColorArea::sigGetRGB);
    pressAt(&area, QPointF(80, 80));
    qputenv(variable.constData(), before);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QLatin1String("Wayland")), qPrintable(result.error));
    QCOMPARE(picked.size(), 0);
    QVERIFY(screenColorReader::system()->readPixel(QPoint(10, 10)).ok);
}

void tst_ColorToolScreens::panel_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("look");
    for (int theme = 0; theme < 5; ++theme) {
        for (const char *look : {"keys-wave", "keys-static", "mouse-around"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kThemeNames[theme], look))) << theme << look;
    }
}

void tst_ColorToolScreens::panel()
{
    QFETCH(int, theme);
    QFETCH(QString, look);
    DDataManager::instance()->loadThemeConfig(theme);
    panelHost h(look.startsWith(QLatin1String("mouse")) ? 1 : 0);
    h.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.host));
    if (look == QLatin1String("keys-wave")) {
        h.store.addLightInfo(h.path, "1", {0, 2, 3, 2, 255, 128, 0, 0, 0, 60, 3, 0, 0, 0});
        h.panel->setLightZone(0, 2, 0);
        QVERIFY(h.panel->findChild<QWidget *>("frame_Direction")->isVisible());
        QVERIFY(h.panel->findChild<QPushButton *>("pushButton_Down")->isChecked());
    } else if (look == QLatin1String("keys-static")) {
        h.panel->setLightZone(0, 0, 0);
        h.panel->setCurrentLightType(0, 0);
        QVERIFY(!h.panel->findChild<QWidget *>("pushButton_afterColor")->isVisible());
    } else {
        h.panel->setLightZone(0, 1, 0);
        h.panel->setCurrentLightType(1, 0);
        QVERIFY(!h.panel->findChild<QWidget *>("frame_Direction")->isVisible());
        QVERIFY(h.panel->findChild<QWidget *>("frame_SliderSpeed")->isVisible());
    }
    QCoreApplication::processEvents();
    h.save(QStringLiteral("panel-%1-%2.png").arg(QString::fromLatin1(kThemeNames[theme]).toLower(), look));
}

void tst_ColorToolScreens::deletePopup()
{
    DDataManager::instance()->loadThemeConfig(0);
    panelHost h(0);
    h.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.host));
    h.panel->setLightZone(0, 1, 0);
    auto *palette = h.panel->findChild<BasicColorArea *>();
    QWidget *swatch = palette->addRowWidgetAt(1);
    pressAt(swatch, QPointF(3, 3), Qt::RightButton);
    ArrowWidget *popup = palette->deletePopup();
    QVERIFY(popup && popup->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(popup));

    // The pop-up is a window of its own: lay it over the host where it stands.
    QImage shot = h.host.grab().toImage();
    QPainter painter(&shot);
    painter.drawPixmap(popup->pos() - h.host.mapToGlobal(QPoint(0, 0)), popup->grab());
    painter.end();
    QVERIFY(shot.save(shotDir() + QStringLiteral("/delete-popup.png")));
    const QPoint tip = popup->pos() + QPoint(30, 60);
    QCOMPARE(tip, swatch->mapToGlobal(QPoint(6, 0)));
}

void tst_ColorToolScreens::gradientEditor()
{
    DDataManager::instance()->loadThemeConfig(0);
    QWidget host;
    host.setObjectName(QStringLiteral("host"));
    host.setAttribute(Qt::WA_StyledBackground);
    host.setStyleSheet(QStringLiteral("#host{background-color:%1;}")
                           .arg(rgb(DDataManager::instance()->getThemeColor().DeviceRightBgColor)));
    auto *layout = new QVBoxLayout(&host);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    auto *editor = new ColorBuildUpToolArea(&host);
    editor->setFixedSize(185, 65);
    auto *strip = new buildUpColorShowArea(&host);
    strip->setFixedSize(185, 24);
    layout->addWidget(editor);
    layout->addWidget(strip);
    connect(editor, &ColorBuildUpToolArea::sigUpdataColorBuildUp, strip, &buildUpColorShowArea::setColorBuildUp);

    // The lighting panel's own stops.
    QList<colorStopPair> stops;
    for (const QColor &c : {QColor(255, 255, 0, 180), QColor(255, 0, 0, 180), QColor(0, 255, 0, 180),
                            QColor(0, 0, 255, 180), QColor(255, 0, 255, 180), QColor(0, 255, 255, 180)})
        stops.append({QColor(204, 0, 0), c});
    editor->setColorBuildUp(stops, stops.size());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(host.grab().save(shotDir() + QStringLiteral("/gradient-filled.png")));

    ColorBuildUpSlider *handle = editor->handle(1);
    pressAt(handle, QPointF(5, 5));
    dragTo(handle, QPointF(120 - handle->x(), 5));
    releaseAt(handle, QPointF(5, 5));
    QCOMPARE(handle->x(), 120);
    QCOMPARE(editor->stopPositions().at(1), 120.0 / 173);
    QCoreApplication::processEvents();
    QVERIFY(host.grab().save(shotDir() + QStringLiteral("/gradient-dragged.png")));
    // The strip follows: red now sits near 0.69 of its width.
    const QImage image = strip->grab().toImage();
    const QColor at = image.pixel(int(185 * 120.0 / 173), 12);
    QVERIFY2(at.red() > 150 && at.green() < 40 && at.blue() < 40, qPrintable(at.name()));
}

QTEST_MAIN(tst_ColorToolScreens)
#include "tst_colortoolscreens.moc"
