#include "ColorBuildUpSlider.h"
#include "ColorBuildUpToolArea.h"
#include "buildUpColorShowArea.h"
#include "colorToolTestSupport.h"

#include <QtTest>

namespace {

using Positions = QList<double>;
using Colors = QList<QColor>;

const QColor kPointer(204, 0, 0);
const Colors kStops{Qt::yellow, Qt::red, Qt::green, Qt::blue, Qt::magenta, Qt::cyan};

QList<colorStopPair> pairs(const Colors &stops)
{
    QList<colorStopPair> list;
    for (const QColor &c : stops)
        list.append({kPointer, c});
    return list;
}

Positions sixStops()
{
    return {0.0, 1 * (1.0 / 5), 2 * (1.0 / 5), 3 * (1.0 / 5), 4 * (1.0 / 5), 1.0};
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// An editor as the lighting panel makes it: 185 x 65, six stops.
struct filledEditor
{
    filledEditor()
    {
        editor.setFixedSize(185, 65);
        spy = std::make_unique<QSignalSpy>(&editor, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
        editor.setColorBuildUp(pairs(kStops), 6);
        editor.show();
    }
    // A drag of a handle, the moves given in editor coordinates and
    // delivered to the handle, as the mouse grab delivers them.
    void drag(int stop, const QList<int> &xs, bool release = true)
    {
        ColorBuildUpSlider *h = editor.handle(stop);
        pressAt(h, QPointF(5, 5));
        for (int x : xs)
            dragTo(h, QPointF(x - h->x(), 5));
        if (release)
            releaseAt(h, QPointF(5, 5));
    }
    Positions lastPositions() const { return spy->last().at(0).value<Positions>(); }

    ColorBuildUpToolArea editor;
    std::unique_ptr<QSignalSpy> spy;
};

} // namespace

class tst_GradientEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fill();
    void dragMovesOneStop();
    void dragStepsOutsideAreIgnored_data();
    void dragStepsOutsideAreIgnored();
    void movesWithoutHandleDoNothing();
    void handlesKeepTheirNumbers();
    void refusedCounts_data();
    void refusedCounts();
    void barAndHandlePixels();
    void strip();
};

void tst_GradientEditor::initTestCase()
{
    qRegisterMetaType<Positions>();
    qRegisterMetaType<Colors>();
}

void tst_GradientEditor::fill()
{
    filledEditor f;
    QCOMPARE(f.spy->size(), 1);
    QCOMPARE(f.lastPositions(), sixStops());
    QCOMPARE(f.spy->last().at(1).value<Colors>(), kStops);
    QList<int> xs;
    for (int j = 0; j < 6; ++j) {
        QCOMPARE(f.editor.handle(j)->index(), j);
        QCOMPARE(f.editor.handle(j)->size(), QSize(10, 20));
        QCOMPARE(f.editor.handle(j)->y(), 12);
        xs << f.editor.handle(j)->x();
    }
    QCOMPARE(xs, (QList<int>{0, 34, 68, 102, 136, 170}));
    QCOMPARE(f.editor.handle(6), nullptr);
}

void tst_GradientEditor::dragMovesOneStop()
{
    filledEditor f;
    f.drag(1, {86}, false);
    QCOMPARE(f.spy->size(), 2);
    Positions want = sixStops();
    want[1] = 86.0 / 173;
    QCOMPARE(f.lastPositions(), want);
    QCOMPARE(f.spy->last().at(1).value<Colors>(), kStops);
    QCOMPARE(f.editor.handle(1)->pos(), QPoint(86, 12));
    QCOMPARE(f.editor.currentStop(), 1);
    releaseAt(f.editor.handle(1), QPointF(5, 5));
    QCOMPARE(f.editor.currentStop(), -1);
    QVERIFY(!f.editor.handle(1)->isPressed());
}

void tst_GradientEditor::dragStepsOutsideAreIgnored_data()
{
    QTest::addColumn<int>("x");
    QTest::newRow("0") << 0;
    QTest::newRow("173") << 173;
    QTest::newRow("180") << 180;
    QTest::newRow("past the right edge") << 200;
    QTest::newRow("left of the editor") << -4;
}

void tst_GradientEditor::dragStepsOutsideAreIgnored()
{
    QFETCH(int, x);
    filledEditor f;
    f.drag(5, {120, x}, false);
    QCOMPARE(f.spy->size(), 2); // the fill and the step to 120
    QCOMPARE(f.editor.handle(5)->pos(), QPoint(120, 12));
    QCOMPARE(f.editor.stopPositions().at(5), 120.0 / 173);
}

void tst_GradientEditor::movesWithoutHandleDoNothing()
{
    filledEditor f;
    pressAt(&f.editor, QPointF(50, 50)); // on the bar
    dragTo(&f.editor, QPointF(60, 50));
    releaseAt(&f.editor, QPointF(60, 50));
    f.drag(2, {90}); // a finished drag...
    dragTo(&f.editor, QPointF(100, 50)); // ...does not go on
    QCOMPARE(f.spy->size(), 2);
    QCOMPARE(f.editor.handle(2)->x(), 90);
}

void tst_GradientEditor::handlesKeepTheirNumbers()
{
    filledEditor f;
    f.drag(1, {80});
    QCOMPARE(f.spy->size(), 2);
    const Positions positions = f.lastPositions();
    QCOMPARE(positions.at(1), 80.0 / 173);
    QCOMPARE(positions.at(2), 0.4);
    QVERIFY(positions.at(1) > positions.at(2));
    QCOMPARE(f.spy->last().at(1).value<Colors>(), kStops);
    // Every handle moves, the first and last too.
    f.drag(0, {10});
    f.drag(5, {170});
    QCOMPARE(f.lastPositions().first(), 10.0 / 173);
    QCOMPARE(f.lastPositions().last(), 170.0 / 173);
}

void tst_GradientEditor::refusedCounts_data()
{
    QTest::addColumn<int>("pairCount");
    QTest::addColumn<int>("count");
    QTest::newRow("one stop") << 1 << 1;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("count below the pairs") << 6 << 5;
    QTest::newRow("count above the pairs") << 2 << 3;
}

void tst_GradientEditor::refusedCounts()
{
    QFETCH(int, pairCount);
    QFETCH(int, count);
    ColorBuildUpToolArea editor;
    editor.setFixedSize(185, 65);
    QSignalSpy spy(&editor, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
    editor.setColorBuildUp(pairs(kStops.mid(0, pairCount)), count);
    QCOMPARE(spy.size(), 0);
    QVERIFY(editor.findChildren<ColorBuildUpSlider *>().isEmpty());
    QVERIFY(editor.stopPositions().isEmpty());
    QVERIFY(editor.stopColors().isEmpty());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.grab(); // paints an empty bar
}

void tst_GradientEditor::barAndHandlePixels()
{
    filledEditor f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.editor));
    f.drag(3, {150});
    const QImage image = f.editor.grab().toImage();
    const auto at = [&image](int x, int y) { return QColor(image.pixel(x, y)); };
    // The bar: x / 185 along the gradient, from y 35 to the editor's edge.
    QVERIFY(near(at(37, 50), Qt::red, 6));   // 0.2
    QVERIFY(near(at(74, 64), Qt::green, 6)); // 0.4
    QVERIFY(near(at(150 * 185 / 173, 50), Qt::blue, 6)); // stop 3 dragged to 150 / 173
    QVERIFY(!near(at(111, 50), Qt::blue, 60)); // no longer at 0.6
    // Handle 1 at x 34: the stop's square, the pointer below it.
    QCOMPARE(at(39, 17), QColor(Qt::red));
    QCOMPARE(at(39, 25), kPointer);
    // Handle 3 followed the drag.
    QCOMPARE(at(155, 17), QColor(Qt::blue));
}

void tst_GradientEditor::strip()
{
    buildUpColorShowArea strip;
    strip.resize(100, 10);
    QImage before = strip.grab().toImage();
    QCOMPARE(qAlpha(before.pixel(50, 5)), 0);

    // Fewer colours than stops: only the stops with a colour are painted.
    strip.setColorBuildUp({0.0, 0.5, 1.0}, {QColor(255, 0, 0), QColor(0, 0, 255)});
    const QImage image = strip.grab().toImage();
    QVERIFY(near(QColor(image.pixel(0, 5)), QColor(255, 0, 0), 4));
    QVERIFY(near(QColor(image.pixel(25, 5)), QColor(128, 0, 127), 8));
    QVERIFY(near(QColor(image.pixel(99, 5)), QColor(0, 0, 255), 1));
    QCOMPARE(qAlpha(image.pixel(99, 9)), 255);
}

QTEST_MAIN(tst_GradientEditor)
#include "tst_gradienteditor.moc"
