#include "DLinkagePage.h"
#include "MaskForm.h"
#include "MaskWidget.h"
#include "QtCustomShadowEffect.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QtTest>

// The two overlays, the shadow effect and the linkage page.
namespace {

QRect desktop()
{
    return QGuiApplication::primaryScreen()->virtualGeometry();
}

// Through grab(): render() onto an image places a child that has a graphics
// effect at twice its offset.
QImage rendered(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A white panel holding one red square, optionally with a shadow.
struct ShadowScene
{
    QWidget panel;
    QWidget *square;

    explicit ShadowScene(QGraphicsEffect *effect)
    {
        panel.resize(100, 100);
        panel.setAutoFillBackground(true);
        panel.setPalette(QPalette(Qt::white));
        square = new QWidget(&panel);
        square->setGeometry(30, 30, 40, 40);
        square->setAutoFillBackground(true);
        QPalette p;
        p.setColor(QPalette::Window, Qt::red);
        square->setPalette(p);
        if (effect)
            square->setGraphicsEffect(effect);
    }
};

} // namespace

class tst_Overlays : public QObject
{
    Q_OBJECT

private slots:
    void maskWidgetLook()
    {
        MaskWidget mask;
        QVERIFY(qAbs(mask.windowOpacity() - 0.7) < 0.01);
        QCOMPARE(mask.palette().color(QPalette::Window), QColor(0, 0, 0));
        QVERIFY(mask.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(mask.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(mask.geometry(), desktop());
        QVERIFY(!mask.isVisible());
        mask.setBgColor(QColor(10, 20, 30));
        QCOMPARE(mask.palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    void maskWidgetFollowsNamedDialogs_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("covered");
        QTest::newRow("listed") << QStringList{"DSettingsDia", "DUpgradeDia"} << "DUpgradeDia" << true;
        QTest::newRow("letter case differs") << QStringList{"DSettingsDia"} << "dsettingsdia" << false;
        QTest::newRow("not listed") << QStringList{"DSettingsDia"} << "DMacroPage" << false;
        QTest::newRow("unnamed, empty name listed") << QStringList{""} << "" << false;
        QTest::newRow("empty list") << QStringList{} << "DSettingsDia" << false;
    }

    void maskWidgetFollowsNamedDialogs()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, dialog);
        QFETCH(bool, covered);
        QWidget mainWindow;
        mainWindow.setObjectName("DMainWidget");
        mainWindow.setGeometry(100, 80, 640, 480);
        mainWindow.show();
        MaskWidget mask;
        mask.setMainWidget(&mainWindow);
        mask.setDialogNames(names);

        QDialog box(&mainWindow);
        box.setObjectName(dialog);
        box.show();
        QCOMPARE(mask.isVisible(), covered);
        if (covered)
            QCOMPARE(mask.geometry(), mainWindow.geometry());
        box.hide();
        QVERIFY(!mask.isVisible());
    }

    // Without a main widget, or once it is gone, the overlay covers the desktop.
    void maskWidgetWithoutMainWidget()
    {
        MaskWidget mask;
        mask.setDialogNames({"DSettingsDia"});
        auto *mainWindow = new QWidget;
        mainWindow->setGeometry(100, 80, 320, 200);
        mask.setMainWidget(mainWindow);
        delete mainWindow;

        QDialog box;
        box.setObjectName("DSettingsDia");
        box.show();
        QVERIFY(mask.isVisible());
        QCOMPARE(mask.geometry(), desktop());

        // A window activation now finds no main widget.
        QWidget other;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&other, &activate);
        box.hide();
        QVERIFY(!mask.isVisible());
    }

    // While the overlay is up, an activation of the main window (or of
    // anything carrying its name) brings the overlay forward.
    void maskWidgetActivatedWithMainWindow()
    {
        QWidget mainWindow;
        mainWindow.setObjectName("DMainWidget");
        mainWindow.setGeometry(100, 80, 640, 480);
        mainWindow.show();
        MaskWidget mask;
        mask.setMainWidget(&mainWindow);
        mask.setDialogNames({"DSettingsDia"});

        QWidget lookalike;
        lookalike.setObjectName("DMainWidget");
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&lookalike, &activate);
        QVERIFY(!mask.isVisible()); // hidden: nothing to bring forward

        QDialog box(&mainWindow);
        box.setObjectName("DSettingsDia");
        box.show();
        QVERIFY(mask.isVisible());
        mainWindow.activateWindow();
        QTRY_VERIFY(mask.isActiveWindow());
        box.activateWindow();
        QTRY_VERIFY(box.isActiveWindow());
        QApplication::sendEvent(&lookalike, &activate);
        QTRY_VERIFY(mask.isActiveWindow());
    }

    void maskFormColour_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<float>("opacity");
        QTest::addColumn<QColor>("expectedColour");
        QTest::addColumn<float>("expectedOpacity");
        QTest::newRow("valid") << QColor(10, 20, 30) << 0.4f << QColor(10, 20, 30) << 0.4f;
        QTest::newRow("invalid keeps both") << QColor() << 0.2f << QColor(245, 125, 0) << 0.6f;
    }

    void maskFormColour()
    {
        QFETCH(QColor, colour);
        QFETCH(float, opacity);
        QFETCH(QColor, expectedColour);
        QFETCH(float, expectedOpacity);
        MaskForm mask;
        QVERIFY(mask.windowFlags() & Qt::FramelessWindowHint);
        mask.setMaskColor(colour, opacity);
        QCOMPARE(mask.palette().color(QPalette::Window), expectedColour);
        QVERIFY(qAbs(mask.windowOpacity() - expectedOpacity) < 0.01);
    }

    // The overlay shows and hides with the watched widget over its target,
    // and outlives both.
    void maskFormFollowsWatchedWidget()
    {
        auto *target = new QWidget;
        target->setGeometry(50, 60, 300, 200);
        MaskForm mask;
        mask.setTargetWindow(target);
        mask.setTargetWindow(nullptr); // ignored
        mask.setWatchedWidget(nullptr); // ignored

        auto *watched = new QWidget;
        mask.setWatchedWidget(watched);
        watched->show();
        QVERIFY(mask.isVisible());
        QCOMPARE(mask.geometry(), target->geometry());
        watched->hide();
        QVERIFY(!mask.isVisible());

        delete watched;
        delete target;
        mask.setGeometry(5, 6, 70, 80);
        mask.show(); // no target any more: keeps its own geometry
        QCOMPARE(mask.geometry(), QRect(5, 6, 70, 80));
        mask.hide();

        QWidget next;
        mask.setWatchedWidget(&next);
        next.show();
        QVERIFY(mask.isVisible());
        next.hide();
        QVERIFY(!mask.isVisible());
    }

    void maskFormTargetsActiveWindow()
    {
        QWidget window;
        window.setGeometry(20, 30, 200, 100);
        window.show();
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        MaskForm mask;
        mask.show();
        QCOMPARE(mask.geometry(), window.geometry());
    }

    void shadowBoundingRect_data()
    {
        QTest::addColumn<qreal>("distance");
        QTest::addColumn<qreal>("blur");
        QTest::addColumn<QRectF>("bounds");
        const QRectF r(10, 20, 40, 30);
        QTest::newRow("defaults grow by 14") << -1.0 << -1.0 << r.adjusted(-14, -14, 14, 14);
        QTest::newRow("none") << 0.0 << 0.0 << r;
        QTest::newRow("distance and blur add") << 3.0 << 5.0 << r.adjusted(-8, -8, 8, 8);
        QTest::newRow("negative sum keeps the rectangle") << -6.0 << 2.0 << r;
    }

    void shadowBoundingRect()
    {
        QFETCH(qreal, distance);
        QFETCH(qreal, blur);
        QFETCH(QRectF, bounds);
        QtCustomShadowEffect effect;
        QCOMPARE(effect.distance(), 4.0);
        QCOMPARE(effect.blurRadius(), 10.0);
        QCOMPARE(effect.color(), QColor(0, 0, 0, 80));
        if (distance != -1.0) {
            effect.setDistance(distance);
            effect.setBlurRadius(blur);
        }
        QCOMPARE(effect.boundingRectFor(QRectF(10, 20, 40, 30)), bounds);
    }

    void shadowDrawing()
    {
        ShadowScene bare(nullptr);
        const QImage plain = rendered(bare.panel);

        auto *none = new QtCustomShadowEffect;
        none->setDistance(0);
        none->setBlurRadius(0);
        ShadowScene unchanged(none);
        QCOMPARE(rendered(unchanged.panel), plain);

        ShadowScene shadowed(new QtCustomShadowEffect);
        const QImage image = rendered(shadowed.panel);
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::red)); // the widget itself on top
        const QColor beside = image.pixelColor(72, 50); // just right of the square
        QVERIFY(beside.red() < 250 && beside == QColor(beside.red(), beside.red(), beside.red()));
        QCOMPARE(image.pixelColor(95, 5), QColor(Qt::white)); // out of reach
    }

    void linkagePage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("form size") << QSize(715, 466);
        QTest::newRow("wide") << QSize(1200, 300);
        QTest::newRow("small") << QSize(200, 150);
    }

    void linkagePage()
    {
        QFETCH(QSize, size);
        DLinkagePage page;
        QCOMPARE(page.objectName(), QStringLiteral("DLinkagePage"));
        page.resize(size);
        page.show();
        auto *panel = page.findChild<QFrame *>("frame");
        auto *title = page.findChild<QLabel *>("label_4");
        QVERIFY(panel && title);
        const QMargins margins = page.layout()->contentsMargins();
        QCOMPARE(margins.left(), 0);
        QCOMPARE(margins.right(), 0);
        QCOMPARE(panel->geometry(),
                 QRect(0, margins.top(), size.width(), size.height() - margins.top() - margins.bottom()));
        QCOMPARE(title->text(), QStringLiteral("Linkage"));
        QCOMPARE(title->alignment(), Qt::AlignCenter);
        QVERIFY(title->font().bold());
        const QPoint titleCentre = title->mapTo(panel, title->rect().center());
        QVERIFY(qAbs(titleCentre.x() - panel->rect().center().x()) <= 1);
        QVERIFY(qAbs(titleCentre.y() - panel->rect().center().y()) <= 1);
        QCOMPARE(rendered(page).pixelColor(size.width() - 3, size.height() / 2), QColor(35, 35, 35));
    }
};

QTEST_MAIN(tst_Overlays)
#include "tst_overlays.moc"
