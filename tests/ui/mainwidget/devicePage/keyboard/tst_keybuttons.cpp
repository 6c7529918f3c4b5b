#include "keyboardButCustom.h"
#include "sideLightButtonCustom.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage grabImage(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Buttons lie over the keyboard picture as children; a top-level widget
// would paint the window background under them.
template <typename Button>
struct Hosted
{
    QWidget host;
    Button *button = new Button(&host);
    Button &operator*() { return *button; }
    Button *operator->() { return button; }
};

// Pixels are compared after the premultiplied round trip, so allow a little.
bool near(const QColor &actual, const QColor &expected, int tolerance = 6)
{
    if (qAbs(actual.alpha() - expected.alpha()) > tolerance)
        return false;
    if (expected.alpha() == 0)
        return true;
    // Low alpha loses colour precision in premultiplied form.
    const int t = expected.alpha() < 128 ? tolerance * 4 : tolerance;
    return qAbs(actual.red() - expected.red()) <= t && qAbs(actual.green() - expected.green()) <= t
           && qAbs(actual.blue() - expected.blue()) <= t;
}

QString describe(const QColor &c)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

#define EXPECT_PIXEL(image, x, y, expected)                                                                  \
    do {                                                                                                     \
        const QColor actual_ = (image).pixelColor((x), (y));                                                 \
        QVERIFY2(near(actual_, (expected)),                                                                  \
                 qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")                              \
                                .arg(x).arg(y).arg(describe(actual_)).arg(describe(expected))));             \
    } while (false)

void enter(QWidget &w)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &event);
}

void leave(QWidget &w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &event);
}

// Counts paint events of one widget.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

const QColor kTransparent(0, 0, 0, 0);
const QColor kClicked(255, 128, 0);
const QColor kHaveCustom(255, 49, 53);

} // namespace

class tst_KeyButtons : public QObject
{
    Q_OBJECT

private slots:
    void keyModeLooks_data();
    void keyModeLooks();
    void themeColoursReplaceDefaults();
    void lightDisplayLook();
    void customLightLooks_data();
    void customLightLooks();
    void keyColourRepaintsOnlyWhileRefreshIsOn();
    void hoverSignals();
    void notchedEnter_data();
    void notchedEnter();
    void specialEnterWithShapeZeroPaintsNothing();
    void accessors();
    void sideLightLooks_data();
    void sideLightLooks();
};

// Key 40 x 30: centre (20, 15); frame pixel (1, 15) on the left edge.
void tst_KeyButtons::keyModeLooks_data()
{
    QTest::addColumn<bool>("assigned");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("frame");

    const QColor hoverFill(255, 49, 53, 50);
    const QColor selectedFill(255, 128, 0, 50);
    QTest::newRow("plain key paints nothing") << false << false << false << kTransparent << kTransparent;
    QTest::newRow("assigned") << true << false << false << hoverFill << QColor(255, 49, 53);
    QTest::newRow("selected") << false << true << false << selectedFill << QColor(255, 128, 0);
    QTest::newRow("hovered") << false << false << true << hoverFill << QColor(255, 49, 53);
    QTest::newRow("selected and hovered shows hover") << false << true << true << hoverFill << QColor(255, 49, 53);
    // The second look is painted over the first: two fills of alpha 50.
    QTest::newRow("assigned and selected") << true << true << false << QColor(255, 91, 26, 90) << QColor(255, 128, 0);
}

void tst_KeyButtons::keyModeLooks()
{
    QFETCH(bool, assigned);
    QFETCH(bool, selected);
    QFETCH(bool, hovered);
    QFETCH(QColor, fill);
    QFETCH(QColor, frame);

    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(40, 30);
    key.setKeyAssigned(assigned);
    key.setSelected(selected, true);
    if (hovered)
        enter(key);
    // A light colour never shows in key mode.
    key.setKeyColor(QColor(0, 0, 255));
    const QImage image = grabImage(key);
    QCOMPARE(image.size(), QSize(40, 30));
    EXPECT_PIXEL(image, 20, 15, fill);
    EXPECT_PIXEL(image, 0, 15, frame);
}

void tst_KeyButtons::themeColoursReplaceDefaults()
{
    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(40, 30);
    key.setThemeColors(QColor(0, 200, 0), QColor(0, 0, 200));
    key.setSelected(true, false);
    QImage image = grabImage(key);
    EXPECT_PIXEL(image, 20, 15, QColor(0, 200, 0, 50));
    EXPECT_PIXEL(image, 0, 15, QColor(0, 200, 0));
    key.setSelected(false, false);
    key.setKeyAssigned(true);
    image = grabImage(key);
    EXPECT_PIXEL(image, 20, 15, QColor(0, 0, 200, 50));
    EXPECT_PIXEL(image, 0, 15, QColor(0, 0, 200));
    // The custom-light frame follows the have-custom colour too.
    key.setKeyAssigned(false);
    key.setCustomLightMode(true);
    key.setKeyColor(QColor(255, 255, 0));
    key.setSelected(true, false);
    image = grabImage(key);
    EXPECT_PIXEL(image, 0, 15, QColor(0, 0, 200));
}

void tst_KeyButtons::lightDisplayLook()
{
    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(40, 30);
    key.setKeyMode(false);
    key.setKeyColor(QColor(0, 0, 255, 180));
    QImage image = grabImage(key);
    EXPECT_PIXEL(image, 20, 15, QColor(0, 0, 255, 180));
    EXPECT_PIXEL(image, 0, 15, QColor(0, 0, 255, 180));
    // Selection and hover do not change the light display.
    key.setSelected(true, false);
    enter(key);
    image = grabImage(key);
    EXPECT_PIXEL(image, 20, 15, QColor(0, 0, 255, 180));
    // Rounded corners: the very corner stays clear of the fill's frame colour.
    QVERIFY(image.pixelColor(39, 29).alpha() < 180 || image.pixelColor(39, 29).blue() < 255);
}

void tst_KeyButtons::customLightLooks_data()
{
    QTest::addColumn<QColor>("light");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("caught");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("frame");

    const QColor highlight(255, 49, 53);
    QTest::newRow("black key, idle: nothing") << QColor(0, 0, 0, 255) << false << false << false
                                              << kTransparent << kTransparent;
    QTest::newRow("black key, selected: ring only") << QColor(0, 0, 0, 255) << true << false << false
                                                    << kTransparent << highlight;
    QTest::newRow("black key, caught: no ring") << QColor(0, 0, 0, 255) << false << false << true
                                                << kTransparent << kTransparent;
    QTest::newRow("dim red framed in its own colour") << QColor(10, 0, 0, 180) << false << false << false
                                                      << QColor(10, 0, 0, 180) << QColor(10, 0, 0, 180);
    QTest::newRow("lit, hovered") << QColor(0, 255, 0, 180) << false << true << false
                                  << QColor(0, 255, 0, 180) << highlight;
    QTest::newRow("lit, caught by the band") << QColor(0, 255, 0, 180) << false << false << true
                                             << QColor(0, 255, 0, 180) << highlight;
}

void tst_KeyButtons::customLightLooks()
{
    QFETCH(QColor, light);
    QFETCH(bool, selected);
    QFETCH(bool, hovered);
    QFETCH(bool, caught);
    QFETCH(QColor, fill);
    QFETCH(QColor, frame);

    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(40, 30);
    key.setCustomLightMode(true); // wins over key mode, which stays set
    key.setKeyAssigned(true);
    key.setKeyColor(light);
    key.setSelected(selected, false);
    key.setDragCaught(caught);
    if (hovered)
        enter(key);
    const QImage image = grabImage(key);
    EXPECT_PIXEL(image, 20, 15, fill);
    EXPECT_PIXEL(image, 0, 15, frame);
}

void tst_KeyButtons::keyColourRepaintsOnlyWhileRefreshIsOn()
{
    QWidget window;
    window.resize(100, 100);
    auto *key = new keyboardButCustom(&window);
    key->setKeySize(40, 30);
    key->setKeyMode(false);
    PaintCounter counter;
    key->installEventFilter(&counter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(counter.count > 0);
    QCoreApplication::processEvents();

    counter.count = 0;
    key->setKeyColor(QColor(255, 0, 0));
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    QCOMPARE(key->getKeyColor(), QColor(255, 0, 0)); // stored all the same

    key->setColorRefreshEnabled(true);
    QCOMPARE(counter.count, 0);
    key->setKeyColor(QColor(0, 255, 0));
    QTRY_VERIFY(counter.count > 0);
}

void tst_KeyButtons::hoverSignals()
{
    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    QSignalSpy entered(&key, &keyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy left(&key, &keyboardButCustom::sigCustomButMouseLeave);
    enter(key);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 0);
    leave(key);
    QCOMPARE(left.count(), 1);
    // After leaving, the hover look is gone.
    key.setKeySize(40, 30);
    EXPECT_PIXEL(grabImage(key), 20, 15, kTransparent);
}

void tst_KeyButtons::notchedEnter_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("notch");
    QTest::newRow("notch (9, 23)") << QSize(46, 50) << QPoint(9, 23);
    QTest::newRow("notch (10, 30)") << QSize(47, 63) << QPoint(10, 30);
}

void tst_KeyButtons::notchedEnter()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, notch);
    const int w = size.width();
    const int h = size.height();
    const int a = notch.x();
    const int b = notch.y();

    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(w, h);
    key.setSpecialEnter(true);
    key.setEnterShape(1);
    key.setEnterNotch(a, b);
    key.setKeyMode(false);
    key.setKeyColor(QColor(0, 0, 255));

    // Clicks in the cut-away corner go to what lies beneath.
    QVERIFY(key.mask().contains(QPoint(w / 2, b / 2)));
    QVERIFY(key.mask().contains(QPoint((a + w) / 2, (b + h) / 2)));
    QVERIFY(!key.mask().contains(QPoint(a / 2, (b + h) / 2 + 3)));

    const QImage image = grabImage(key);
    const QColor blue(0, 0, 255);
    EXPECT_PIXEL(image, w / 2, b / 2, blue);                // upper part
    EXPECT_PIXEL(image, (a + w) / 2, (b + h) / 2, blue);    // lower part
    EXPECT_PIXEL(image, a / 2, (b + h) / 2 + 3, kTransparent); // the notch
    EXPECT_PIXEL(image, w - 1, h / 2, blue);                // right frame
    EXPECT_PIXEL(image, a / 2, h - 2, kTransparent);

    // Key mode, selected: the frame is drawn, the notch still stays clear.
    key.setKeyMode(true);
    key.setSelected(true, true);
    const QImage selected = grabImage(key);
    EXPECT_PIXEL(selected, w - 1, h / 2, QColor(255, 128, 0));
    EXPECT_PIXEL(selected, (a + w) / 2, (b + h) / 2, QColor(255, 128, 0, 50));
    EXPECT_PIXEL(selected, a / 2, (b + h) / 2 + 3, kTransparent);

    // Shape or flag taken back: the mask goes with it.
    key.setSpecialEnter(false);
    QVERIFY(key.mask().isEmpty());
}

void tst_KeyButtons::specialEnterWithShapeZeroPaintsNothing()
{
    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(46, 50);
    key.setSpecialEnter(true);
    key.setEnterShape(0);
    key.setEnterNotch(9, 23);
    QVERIFY(key.mask().isEmpty());
    key.setKeyAssigned(true);
    key.setSelected(true, true);
    enter(key);
    const QImage keyMode = grabImage(key);
    key.setKeyMode(false);
    key.setKeyColor(QColor(0, 255, 0));
    const QImage lightMode = grabImage(key);
    key.setCustomLightMode(true);
    const QImage customMode = grabImage(key);
    for (const QImage &image : {keyMode, lightMode, customMode})
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixelColor(x, y).alpha(), 0);
}

void tst_KeyButtons::accessors()
{
    Hosted<keyboardButCustom> hosted;
    keyboardButCustom &key = *hosted;
    key.setKeySize(27, 27);
    QCOMPARE(key.size(), QSize(27, 27));
    key.setKeyPosition(120, 45);
    key.setCell(3, 17);
    key.setKeyInfo(40, QStringLiteral("\"Enter\""));
    key.setKeyColor(QColor(1, 2, 3, 4));
    key.setSelected(true, false);
    QCOMPARE(key.getPosX(), 120);
    QCOMPARE(key.getPosY(), 45);
    QCOMPARE(key.getRow(), 3);
    QCOMPARE(key.getColumn(), 17);
    QCOMPARE(key.getKeyCode(), 40);
    QCOMPARE(key.getKeyText(), QStringLiteral("\"Enter\""));
    QCOMPARE(key.getKeyColor(), QColor(1, 2, 3, 4));
    QVERIFY(key.isSelected());
    keyboardButCustom fresh;
    QCOMPARE(fresh.getKeyColor(), QColor(0, 0, 0, 0));
    QCOMPARE(fresh.getRow(), 0);
    QVERIFY(!fresh.isSelected());
}

void tst_KeyButtons::sideLightLooks_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("shows");
    QTest::newRow("horizontal 40 x 8") << QSize(40, 8) << true;
    QTest::newRow("vertical 10 x 31") << QSize(10, 31) << true;
    QTest::newRow("square 10 x 10 shows nothing") << QSize(10, 10) << false;
}

void tst_KeyButtons::sideLightLooks()
{
    QFETCH(QSize, size);
    QFETCH(bool, shows);
    Hosted<sideLightButtonCustom> hosted;
    sideLightButtonCustom &light = *hosted;
    QCOMPARE(light.getLightColor(), QColor(0, 0, 0, 128));
    light.setLightSize(size.width(), size.height());
    light.setIndexAndValid(7, 1);
    light.setLightPosition(-12, 40);
    QCOMPARE(light.getValidStatus(), 1);
    QCOMPARE(light.getIndex(), 7);
    light.setLightColor(QColor(255, 0, 0));
    const QImage image = grabImage(light);
    QCOMPARE(image.size(), size);
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    if (!shows) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixelColor(x, y).alpha(), 0);
        return;
    }
    // Full colour in the middle, fading out towards both ends of the strip.
    EXPECT_PIXEL(image, cx, cy, QColor(255, 0, 0, 255));
    const bool horizontal = size.width() > size.height();
    const QColor start = horizontal ? image.pixelColor(0, cy) : image.pixelColor(cx, 0);
    const QColor end = horizontal ? image.pixelColor(size.width() - 1, cy) : image.pixelColor(cx, size.height() - 1);
    QVERIFY2(start.alpha() < 40, qPrintable(describe(start)));
    QVERIFY2(end.alpha() < 40, qPrintable(describe(end)));
    const QColor quarter = horizontal ? image.pixelColor(size.width() / 4, cy) : image.pixelColor(cx, size.height() / 4);
    QVERIFY(quarter.alpha() > 80 && quarter.alpha() < 180);
    QCOMPARE(quarter.red(), 255);
    QCOMPARE(quarter.green(), 0);
}

QTEST_MAIN(tst_KeyButtons)
#include "tst_keybuttons.moc"
