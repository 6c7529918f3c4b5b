// Moving and resizing the frameless main window: the edge band, the resize
// rules, the minimum size, and a drag where no window manager moves it.
#include "DDataManager.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "mainWindowFrame.h"
#include "ui_DMainWidget.h"

#include <QMouseEvent>
#include <QtTest>

using namespace mainWindowFrame;

namespace {

// A window whose top-left pixel is at (100, 100) and bottom-right at (1379, 814).
const QPoint kTl(100, 100);
const QPoint kBr(1379, 814);
const QSize kMinimum(1280, 715);

void sendMouse(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class tst_MainWindowFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HidBackend::install(std::make_shared<SimulatedHidBackend>()); }

    void minimumSize_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(1280, 715);
        QTest::newRow("1921 x 1080") << QSize(1921, 1080) << QSize(1550, 850);
        QTest::newRow("1920 x 1081") << QSize(1920, 1081) << QSize(1550, 850);
        QTest::newRow("1366 x 728") << QSize(1366, 728) << QSize(1280, 715);
        QTest::newRow("2560 x 1400") << QSize(2560, 1400) << QSize(1550, 850);
    }
    void minimumSize()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, minimum);
        QCOMPARE(minimumSizeFor(available), minimum);
    }

    // A band of 3 pixels, both ends included; corners win over edges.
    void edgeZones_data()
    {
        QTest::addColumn<QPoint>("g");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("cursor");
        QTest::newRow("top-left corner") << kTl << int(TopLeft) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-left, band end") << kTl + QPoint(2, 2) << int(TopLeft) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-right") << kBr - QPoint(2, 0) << int(BottomRight) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom-left") << QPoint(kTl.x() + 1, kBr.y()) << int(BottomLeft) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top-right") << QPoint(kBr.x(), kTl.y() + 2) << int(TopRight) << int(Qt::SizeBDiagCursor);
        QTest::newRow("left") << QPoint(kTl.x() + 2, 400) << int(Left) << int(Qt::SizeHorCursor);
        QTest::newRow("right") << QPoint(kBr.x() - 2, 400) << int(Right) << int(Qt::SizeHorCursor);
        QTest::newRow("top") << QPoint(600, kTl.y()) << int(Top) << int(Qt::SizeVerCursor);
        QTest::newRow("bottom") << QPoint(600, kBr.y() - 1) << int(Bottom) << int(Qt::SizeVerCursor);
        QTest::newRow("left, 3 px in") << QPoint(kTl.x() + 3, 400) << int(None) << int(Qt::ArrowCursor);
        QTest::newRow("top, 3 px in") << QPoint(600, kTl.y() + 3) << int(None) << int(Qt::ArrowCursor);
        QTest::newRow("outside left") << QPoint(kTl.x() - 1, 400) << int(None) << int(Qt::ArrowCursor);
        QTest::newRow("middle") << QPoint(600, 400) << int(None) << int(Qt::ArrowCursor);
    }
    void edgeZones()
    {
        QFETCH(QPoint, g);
        QFETCH(int, zone);
        QFETCH(int, cursor);
        QCOMPARE(edgeZoneAt(g, kTl, kBr), zone);
        QCOMPARE(int(cursorForZone(zone)), cursor);
    }

    // The left and top edges stop where the rest would not exceed the
    // minimum; the right and bottom edges follow the cursor.
    void resize_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QPoint>("g");
        QTest::addColumn<QRect>("result");
        const QRect start(kTl, kBr);
        QTest::newRow("top up") << int(Top) << QPoint(600, 50) << QRect(QPoint(100, 50), kBr);
        QTest::newRow("top, rest one over the minimum")
            << int(Top) << QPoint(600, 814 - 716) << QRect(QPoint(100, 98), kBr);
        QTest::newRow("top, rest at the minimum") << int(Top) << QPoint(600, 814 - 715) << start;
        QTest::newRow("left, rest at the minimum") << int(Left) << QPoint(1379 - 1280, 400) << start;
        QTest::newRow("left out") << int(Left) << QPoint(40, 400) << QRect(QPoint(40, 100), kBr);
        QTest::newRow("right in") << int(Right) << QPoint(1000, 400) << QRect(QPoint(100, 100), QPoint(1000, 814));
        QTest::newRow("right out") << int(Right) << QPoint(1700, 400) << QRect(QPoint(100, 100), QPoint(1700, 814));
        // A press on the last pixel that does not move changes nothing.
        QTest::newRow("right, no move") << int(Right) << kBr << start;
        QTest::newRow("bottom") << int(Bottom) << QPoint(600, 900) << QRect(QPoint(100, 100), QPoint(1379, 900));
        QTest::newRow("top-left") << int(TopLeft) << QPoint(50, 60) << QRect(QPoint(50, 60), kBr);
        QTest::newRow("top-left, blocked") << int(TopLeft) << QPoint(300, 300) << start;
        QTest::newRow("bottom-left") << int(BottomLeft) << QPoint(60, 900) << QRect(QPoint(60, 100), QPoint(1379, 900));
        QTest::newRow("bottom-right") << int(BottomRight) << QPoint(1500, 900) << QRect(QPoint(100, 100), QPoint(1500, 900));
        QTest::newRow("top-right") << int(TopRight) << QPoint(1500, 80) << QRect(QPoint(100, 80), QPoint(1500, 814));
        QTest::newRow("none") << int(None) << QPoint(5, 5) << start;
    }
    void resize()
    {
        QFETCH(int, zone);
        QFETCH(QPoint, g);
        QFETCH(QRect, result);
        QCOMPARE(resizedRect(zone, g, kTl, kBr, kMinimum), result);
    }

    void edgesForSystemResize()
    {
        QCOMPARE(edgesForZone(TopLeft), Qt::TopEdge | Qt::LeftEdge);
        QCOMPARE(edgesForZone(BottomRight), Qt::BottomEdge | Qt::RightEdge);
        QCOMPARE(edgesForZone(Right), Qt::Edges(Qt::RightEdge));
        QCOMPARE(edgesForZone(None), Qt::Edges());
    }

    // Offscreen no window manager takes the drag: the window's own handlers
    // move it.
    void titleBarDragMovesTheWindow()
    {
        FakeWindowParts parts;
        DMainWidget window(parts.hooks());
        window.move(40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        Ui::DMainWidget *ui = window.form();
        // A spot of the title bar with no button on it.
        QPoint spot(ui->frame_Title->width() / 2, ui->frame_Title->height() / 2);
        while (ui->frame_Title->childAt(spot) && spot.x() < ui->frame_Title->width())
            spot.rx() += 10;
        QVERIFY(!ui->frame_Title->childAt(spot));
        const QPoint g = ui->frame_Title->mapToGlobal(spot);

        // A right press does nothing; a left press starts the move.
        sendMouse(&window, QEvent::MouseButtonPress, g, Qt::RightButton, Qt::RightButton);
        sendMouse(&window, QEvent::MouseMove, g + QPoint(50, 30), Qt::NoButton, Qt::RightButton);
        QCOMPARE(window.pos(), start);
        sendMouse(&window, QEvent::MouseButtonRelease, g, Qt::RightButton, Qt::NoButton);

        sendMouse(&window, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, g + QPoint(50, 30), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.pos(), start + QPoint(50, 30));
        sendMouse(&window, QEvent::MouseButtonRelease, g + QPoint(50, 30), Qt::LeftButton, Qt::NoButton);
        sendMouse(&window, QEvent::MouseMove, g + QPoint(90, 30), Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.pos(), start + QPoint(50, 30));

        // Maximised, the title bar does not move the window.
        window.showMaximized();
        const QPoint maxPos = window.pos();
        const QPoint g2 = ui->frame_Title->mapToGlobal(spot);
        sendMouse(&window, QEvent::MouseButtonPress, g2, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, g2 + QPoint(50, 30), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.pos(), maxPos);
    }

    // A press in the band resizes, even on the title bar; the release ends
    // it and puts the zone back to none.
    void edgeDragResizesTheWindow()
    {
        FakeWindowParts parts;
        DMainWidget window(parts.hooks());
        window.move(40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        const QPoint edge = window.mapToGlobal(QPoint(window.width() - 1, 20)); // right edge, on the title bar
        sendMouse(&window, QEvent::MouseMove, edge, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.edgeZone(), int(Right));
        QCOMPARE(window.cursor().shape(), Qt::SizeHorCursor);

        sendMouse(&window, QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&window, QEvent::MouseMove, edge + QPoint(40, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.geometry(), QRect(before.topLeft(), before.size() + QSize(40, 0)));
        // Shrinking stops at the minimum.
        sendMouse(&window, QEvent::MouseMove, edge - QPoint(600, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.width(), window.minimumWidth());
        sendMouse(&window, QEvent::MouseButtonRelease, edge, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(window.edgeZone(), int(None));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    // Entering the title bar or the page area brings the arrow back at once;
    // the zone changes only at the next move.
    void enteringTheAreasResetsTheCursor()
    {
        FakeWindowParts parts;
        DMainWidget window(parts.hooks());
        window.show();
        const QPoint edge = window.mapToGlobal(QPoint(0, window.height() / 2));
        sendMouse(&window, QEvent::MouseMove, edge, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.edgeZone(), int(Left));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window.form()->frame_Main, &enter);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(window.edgeZone(), int(Left));
    }
};

QTEST_MAIN(tst_MainWindowFrame)
#include "tst_mainwindowframe.moc"
