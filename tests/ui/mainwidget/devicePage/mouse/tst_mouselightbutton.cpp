// The LED dot of the mouse picture: its colour glows from the centre and
// fades to transparent; it keeps its layout entry and takes no clicks.

#include "mouseLightButtonCustom.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

namespace {

// The dot's own pixels, over nothing.
QImage grabbed(mouseLightButtonCustom &dot)
{
    QImage image(dot.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    dot.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_mouseLightButton : public QObject
{
    Q_OBJECT

private slots:
    void glowsFromTheCentre_data();
    void glowsFromTheCentre();
    void keepsItsLayoutEntry();
    void takesNoClicks();
    void screenshot();
};

void tst_mouseLightButton::glowsFromTheCentre_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("size");
    QTest::newRow("opaque red") << QColor(255, 0, 0) << 20;
    QTest::newRow("half-transparent green") << QColor(0, 255, 0, 128) << 24;
    QTest::newRow("engine blue at 180") << QColor(0, 60, 255, 180) << 16;
}

void tst_mouseLightButton::glowsFromTheCentre()
{
    QFETCH(QColor, colour);
    QFETCH(int, size);
    mouseLightButtonCustom dot;
    dot.setLedSize(size, size);
    QCOMPARE(dot.size(), QSize(size, size));
    dot.setColor(colour);
    QCOMPARE(dot.getColor(), colour);
    const QImage image = grabbed(dot);
    QCOMPARE(image.size(), QSize(size, size));

    const int c = size / 2;
    const QColor centre = image.pixelColor(c, c);
    QVERIFY2(qAbs(centre.alpha() - colour.alpha()) <= 12, qPrintable(QString::number(centre.alpha())));
    // The hue of the light, not darkened.
    QVERIFY(qAbs(centre.red() - colour.red()) <= 12);
    QVERIFY(qAbs(centre.green() - colour.green()) <= 12);
    QVERIFY(qAbs(centre.blue() - colour.blue()) <= 12);

    // Fading outwards; the rim shows about half, the corners nothing.
    const int quarter = image.pixelColor(c + size / 4, c).alpha();
    const int rim = image.pixelColor(1, c).alpha();
    QVERIFY(centre.alpha() > quarter);
    QVERIFY(quarter > rim);
    QVERIFY2(rim > colour.alpha() * 3 / 10 && rim < colour.alpha() * 7 / 10, qPrintable(QString::number(rim)));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(size - 1, size - 1).alpha(), 0);
}

void tst_mouseLightButton::keepsItsLayoutEntry()
{
    mouseLightButtonCustom dot;
    QCOMPARE(dot.validStatus(), 0);
    QCOMPARE(dot.getColor(), QColor(0, 255, 0, 200));
    dot.setLedInfo(5, 1, 3);
    QCOMPARE(dot.ledIndex(), 5);
    QCOMPARE(dot.validStatus(), 1);
    QCOMPARE(dot.sidePosition(), 3);
}

void tst_mouseLightButton::takesNoClicks()
{
    QWidget page;
    page.resize(60, 60);
    auto *dot = new mouseLightButtonCustom(&page);
    dot->setLedSize(20, 20);
    dot->move(10, 10);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    // The picture beneath gets the click.
    QCOMPARE(page.childAt(15, 15), nullptr);
}

// Dots over a dark mouse body, for a look at the glow.
void tst_mouseLightButton::screenshot()
{
    QWidget page;
    page.resize(200, 60);
    page.setStyleSheet(QStringLiteral("background-color: rgb(30, 30, 34);"));
    page.setAttribute(Qt::WA_StyledBackground);
    const QList<QColor> colours = {QColor(255, 0, 0, 180), QColor(255, 128, 0, 250), QColor(0, 255, 0, 180),
                                   QColor(0, 0, 255, 250), QColor(255, 255, 255, 120), QColor(0, 0, 0, 180)};
    for (int i = 0; i < colours.size(); ++i) {
        auto *dot = new mouseLightButtonCustom(&page);
        dot->setLedSize(24, 24);
        dot->move(8 + i * 32, 18);
        dot->setColor(colours[i]);
    }
    const QString folder = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/mouse-screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(page.grab().save(folder + QStringLiteral("/mouse-light-dots.png")));
}

QTEST_MAIN(tst_mouseLightButton)
#include "tst_mouselightbutton.moc"
