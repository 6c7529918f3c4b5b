#include "CbGraphicsNotice.h"
#include "CbNotice.h"
#include "noticeGeometry.h"

#include <QGraphicsOpacityEffect>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

// The toast: its geometry rules, its run driven by the animation's clock (no
// waiting), its reaction to presses, and the scene variant.
namespace {

// A parent that counts the presses reaching it.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

QPropertyAnimation *animationOf(QObject *notice)
{
    auto *animation = notice->findChild<QPropertyAnimation *>();
    Q_ASSERT(animation);
    return animation;
}

qreal opacityOf(CbNotice &notice)
{
    return qobject_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect())->opacity();
}

} // namespace

class tst_Notice : public QObject
{
    Q_OBJECT

private slots:
    void cornerRadius_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("radius");
        QTest::newRow("24") << 24 << 3;
        QTest::newRow("25") << 25 << 12;
        QTest::newRow("37") << 37 << 12;
        QTest::newRow("38") << 38 << 22;
        QTest::newRow("default 40") << 40 << 22;
        QTest::newRow("0") << 0 << 3;
    }

    void cornerRadius()
    {
        QFETCH(int, height);
        QFETCH(int, radius);
        QCOMPARE(noticeCornerRadius(height), radius);
    }

    void boxGeometry_data()
    {
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("height");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QRect>("box");
        QTest::newRow("200-pixel text") << 200 << 40 << QPoint(300, 200) << QRect(182, 180, 236, 40);
        QTest::newRow("empty text") << 0 << 40 << QPoint(100, 100) << QRect(82, 80, 36, 40);
        QTest::newRow("odd sizes truncate") << 1 << 25 << QPoint(10, 10) << QRect(-8, -2, 37, 25);
    }

    void boxGeometry()
    {
        QFETCH(int, advance);
        QFETCH(int, height);
        QFETCH(QPoint, centre);
        QFETCH(QRect, box);
        const QSize size = noticeBoxSize(advance, height);
        QCOMPARE(QRect(noticeTopLeft(centre, size), size), box);
    }

    void defaultCentre_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("at origin") << QRect(0, 0, 600, 400) << QPoint(300, 266);
        QTest::newRow("offset desktop") << QRect(-1920, 100, 1921, 1080) << QPoint(-960, 820);
    }

    void defaultCentre()
    {
        QFETCH(QRect, area);
        QFETCH(QPoint, centre);
        QCOMPARE(noticeDefaultCentre(area), centre);
    }

    // The box fits the text in the notice's font, centred on the given point
    // or, for (0, 0), on the parent's current middle.
    void showPlacesBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QPoint>("expectedCentre");
        QTest::newRow("given point") << "Set light effect successfully" << QPoint(300, 100) << QPoint(300, 100);
        QTest::newRow("null point: default centre") << "Saved" << QPoint(0, 0) << QPoint(400, 200);
        QTest::newRow("(0, 1) is used as given") << "Saved" << QPoint(0, 1) << QPoint(0, 1);
        QTest::newRow("empty text") << "" << QPoint(50, 50) << QPoint(50, 50);
    }

    void showPlacesBox()
    {
        QFETCH(QString, text);
        QFETCH(QPoint, centre);
        QFETCH(QPoint, expectedCentre);
        QWidget parent;
        parent.move(500, 40); // the parent's own position plays no part
        parent.resize(100, 100);
        CbNotice notice(&parent);
        parent.resize(800, 300); // resized after the notice was made
        parent.show();
        notice.showNotice(text, centre);
        const QSize size(QFontMetrics(notice.font()).horizontalAdvance(text) + 36, 40);
        QCOMPARE(notice.size(), size);
        QCOMPARE(notice.minimumSize(), size);
        QCOMPARE(notice.pos(), noticeTopLeft(expectedCentre, size));
        QCOMPARE(notice.textWidth(), size.width() - 36);
        QVERIFY(notice.isVisible());
        QCOMPARE(notice.font().pixelSize(), 20);
    }

    // A later font change is honoured by a show without arguments too.
    void showAgainRemeasures()
    {
        QWidget parent;
        parent.resize(600, 300);
        CbNotice notice(&parent);
        notice.showNotice("Profile switched", QPoint(100, 100));
        notice.setFontPixelSize(40);
        notice.showNotice();
        QCOMPARE(notice.width(), QFontMetrics(notice.font()).horizontalAdvance("Profile switched") + 36);
        QCOMPARE(notice.pos(), noticeTopLeft(QPoint(300, 200), notice.size()));
    }

    void opacityOverTheRun_data()
    {
        QTest::addColumn<int>("fade");
        QTest::addColumn<int>("time");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("start") << 1000 << 0 << 1.0;
        QTest::newRow("1.0 s, still opaque") << 1000 << 1000 << 1.0;
        QTest::newRow("1.3 s, fade begins") << 1000 << 1300 << 1.0;
        QTest::newRow("1.8 s, half faded") << 1000 << 1800 << 0.5;
        QTest::newRow("2.2 s") << 1000 << 2200 << 0.1;
        QTest::newRow("no fade, 1.2 s") << 0 << 1200 << 1.0;
        QTest::newRow("negative fade counts as none") << -500 << 1200 << 1.0;
    }

    void opacityOverTheRun()
    {
        QFETCH(int, fade);
        QFETCH(int, time);
        QFETCH(qreal, opacity);
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        CbNotice notice(&parent);
        notice.setFadeDuration(fade);
        QCOMPARE(notice.fadeDuration(), qMax(0, fade));
        notice.showNotice("Saved", QPoint(200, 200));
        QPropertyAnimation *animation = animationOf(&notice);
        QCOMPARE(animation->duration(), 1300 + qMax(0, fade));
        animation->setCurrentTime(time);
        QVERIFY2(qAbs(opacityOf(notice) - opacity) < 0.001, qPrintable(QString::number(opacityOf(notice))));
        QVERIFY(notice.isVisible());
    }

    void endOfRunHides_data()
    {
        QTest::addColumn<int>("fade");
        QTest::newRow("with fade") << 1000;
        QTest::newRow("without fade: opaque to the end") << 0;
    }

    void endOfRunHides()
    {
        QFETCH(int, fade);
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        CbNotice notice(&parent);
        notice.setFadeDuration(fade);
        QSignalSpy finished(&notice, &CbNotice::sigFinished);
        notice.showNotice("Saved", QPoint(200, 200));
        QPropertyAnimation *animation = animationOf(&notice);
        animation->setCurrentTime(animation->duration() - 1);
        QVERIFY(notice.isVisible());
        QCOMPARE(finished.count(), 0);
        animation->setCurrentTime(animation->duration());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!notice.isVisible());
    }

    void newMessageRestartsRun()
    {
        QWidget parent;
        parent.resize(600, 300);
        parent.show();
        CbNotice notice(&parent);
        QSignalSpy finished(&notice, &CbNotice::sigFinished);
        notice.showNotice("First", QPoint(100, 100));
        QPropertyAnimation *animation = animationOf(&notice);
        animation->setCurrentTime(2000);
        QVERIFY(opacityOf(notice) < 0.5);

        notice.showNotice("A much longer second message", QPoint(100, 100));
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->currentTime(), 0);
        QCOMPARE(opacityOf(notice), 1.0);
        QCOMPARE(notice.textWidth(), QFontMetrics(notice.font()).horizontalAdvance("A much longer second message"));
        animation->setCurrentTime(2000);
        QVERIFY(notice.isVisible());
        QCOMPARE(finished.count(), 0);
    }

    // A press hides the notice at once; the run goes on to its signal. A
    // press in the first 5 pixels stays with the notice.
    void pressHides_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("parentPresses");
        QTest::newRow("left band") << 3 << 0;
        QTest::newRow("band edge") << 5 << 0;
        QTest::newRow("past the band") << 6 << 1;
        QTest::newRow("middle") << 40 << 1;
    }

    void pressHides()
    {
        QFETCH(int, x);
        QFETCH(int, parentPresses);
        PressCounter parent;
        parent.resize(600, 300);
        parent.show();
        CbNotice notice(&parent);
        QSignalSpy finished(&notice, &CbNotice::sigFinished);
        notice.showNotice("Set light effect successfully", QPoint(300, 100));
        QTest::mousePress(&notice, Qt::LeftButton, {}, QPoint(x, 20));
        QVERIFY(!notice.isVisible());
        QCOMPARE(parent.presses, parentPresses);

        QPropertyAnimation *animation = animationOf(&notice);
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        animation->setCurrentTime(animation->duration());
        QCOMPARE(finished.count(), 1);
    }

    void startsHiddenAndTopLevelWithoutParent()
    {
        CbNotice orphan;
        QVERIFY(!orphan.isVisible());
        QVERIFY(orphan.isWindow());
        QVERIFY(orphan.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(orphan.testAttribute(Qt::WA_TranslucentBackground));

        QWidget parent;
        CbNotice child(&parent);
        QVERIFY(!child.isWindow());
        QVERIFY(!child.testAttribute(Qt::WA_TranslucentBackground));
    }

    // The box is the rounded background colour with the text on it; an
    // empty text leaves only the box.
    void painting()
    {
        QWidget parent;
        parent.resize(400, 200);
        CbNotice notice(&parent);
        notice.setBackgroundColor(QColor(0, 0, 255));
        notice.setTextColor(QColor(255, 255, 0));
        notice.showNotice("", QPoint(200, 100));
        QCOMPARE(notice.size(), QSize(36, 40));
        QImage image(notice.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(image.pixelColor(18, 20), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0); // round end

        notice.showNotice("WWW", QPoint(200, 100));
        image = QImage(notice.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        bool textDrawn = false;
        for (int px = 18; px < image.width() - 18 && !textDrawn; ++px)
            for (int py = 5; py < 35 && !textDrawn; ++py)
                textDrawn = image.pixelColor(px, py).red() > 200;
        QVERIFY(textDrawn);
    }

    void graphicsNotice()
    {
        QGraphicsScene scene(0, 0, 800, 600);
        auto *panel = scene.addRect(0, 0, 600, 300);
        auto *notice = new CbGraphicsNotice(panel);
        QVERIFY(!notice->isVisible());
        QSignalSpy finished(notice, &CbGraphicsNotice::sigFinished);

        notice->showNotice("Saved", QPoint(0, 0));
        const QSizeF size(QFontMetrics(notice->font()).horizontalAdvance("Saved") + 36, 40);
        QCOMPARE(notice->size(), size);
        // The parent's bounding rectangle holds half the pen outside the rectangle.
        const QRectF parentRect = panel->boundingRect();
        const QPoint centre(int(parentRect.width()) / 2, int(parentRect.height()) * 2 / 3);
        QCOMPARE(notice->pos(), QPointF(noticeTopLeft(centre, size.toSize())));
        QVERIFY(notice->isVisible());

        notice->showNotice("Saved", QPoint(100, 50));
        QCOMPARE(notice->pos(), QPointF(noticeTopLeft(QPoint(100, 50), size.toSize())));

        QPropertyAnimation *animation = animationOf(notice);
        QCOMPARE(animation->duration(), 2300);
        animation->setCurrentTime(1000);
        QCOMPARE(notice->opacity(), 1.0);
        animation->setCurrentTime(1800);
        QVERIFY(qAbs(notice->opacity() - 0.5) < 0.001);

        QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
        press.setButton(Qt::LeftButton);
        press.setScenePos(notice->mapToScene(QPointF(10, 10)));
        QApplication::sendEvent(&scene, &press);
        QVERIFY(!notice->isVisible());
        animation->setCurrentTime(2300);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(tst_Notice)
#include "tst_notice.moc"
