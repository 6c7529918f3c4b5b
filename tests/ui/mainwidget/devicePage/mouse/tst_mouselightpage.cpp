// The mouse lighting page: zone and link buttons against the stored link
// states, and the LED dots the engine paints.

#include "DDataManager.h"
#include "DMouseLightPage.h"
#include "mouseLayoutFile.h"
#include "mouseLightButtonCustom.h"
#include "mouseProfileFile.h"

#include <QAbstractButton>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Zone and link buttons, in the order of the checked-state texts below.
const char *const kButtons[] = {"toolButton_AroundType", "toolButton_ScrollType", "toolButton_LogoType",
                                "pushButton_LinkScroll", "pushButton_LinkLogo"};
const char kButtonLetters[] = {'A', 'S', 'L', 's', 'l'};

QList<int> ints(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &call : spy)
        values << call.first().toInt();
    return values;
}

class PageFixture
{
public:
    explicit PageFixture(int scrollLink = 0, int logoLink = 0)
        : page(QStringLiteral("Bovelli"))
    {
        file.store()->setLightLinkStatus(file.path(), "1", DMouseLightPage::Scroll, scrollLink);
        file.store()->setLightLinkStatus(file.path(), "1", DMouseLightPage::Logo, logoLink);
        page.setXmlInfo(file.encodedPath().constData(), file.store());
        page.setProfileIndex(1);
        page.loadLinkStatus();
    }

    QAbstractButton *button(const char *name) const
    {
        return page.findChild<QAbstractButton *>(QLatin1String(name));
    }
    // "A" Around, "S" Scroll, "L" Logo, "s" Scroll link, "l" Logo link.
    QString checked() const
    {
        QString text;
        for (int i = 0; i < 5; ++i) {
            if (button(kButtons[i])->isChecked())
                text += QLatin1Char(kButtonLetters[i]);
        }
        return text;
    }
    void clearSpies()
    {
        zones.clear();
        scrollLinks.clear();
        logoLinks.clear();
    }
    QList<int> stored()
    {
        return {file.store()->getLightLinkStatus(file.path(), "1", DMouseLightPage::Scroll),
                file.store()->getLightLinkStatus(file.path(), "1", DMouseLightPage::Logo)};
    }

    MouseProfileFile file;
    DMouseLightPage page;
    QSignalSpy zones {&page, &DMouseLightPage::sigSelectMouseLightType};
    QSignalSpy scrollLinks {&page, &DMouseLightPage::sigScrollLinkStatus};
    QSignalSpy logoLinks {&page, &DMouseLightPage::sigLogoLinkStatus};
};

} // namespace

class tst_MouseLightPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DDataManager::instance(); }

    void clicks_data();
    void clicks();
    void loadLinkStatusAnnouncesBoth();
    void newProfileShowsAroundOnly();
    void lightSwitchDisablesTheRow();
    void dotsInFileOrder();
    void dotsArePaintedByTheirColour();
    void unknownModelHasNoDots();
    void shippedDotsLieOverTheMouse();
};

void tst_MouseLightPage::clicks_data()
{
    QTest::addColumn<QList<int>>("links");   // stored Scroll and Logo link before
    QTest::addColumn<QString>("zoneButton"); // zone button clicked first, to set the zone
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QList<int>>("zoneSignals");
    QTest::addColumn<QList<int>>("scrollSignals");
    QTest::addColumn<QList<int>>("logoSignals");
    QTest::addColumn<QList<int>>("stored");

    const QList<int> none;
    QTest::newRow("Around again stays checked")
        << QList<int> {0, 0} << "toolButton_AroundType" << "toolButton_AroundType" << "A" << 0 << QList<int> {0}
        << none << none << QList<int> {0, 0};
    QTest::newRow("Scroll with both linked shows all")
        << QList<int> {1, 1} << "toolButton_AroundType" << "toolButton_ScrollType" << "ASLsl" << 1 << QList<int> {1}
        << none << none << QList<int> {1, 1};
    QTest::newRow("Logo with Scroll linked")
        << QList<int> {1, 0} << "toolButton_AroundType" << "toolButton_LogoType" << "Ls" << 2 << QList<int> {2}
        << none << none << QList<int> {1, 0};
    QTest::newRow("link Scroll while Around is edited")
        << QList<int> {0, 0} << "toolButton_AroundType" << "pushButton_LinkScroll" << "ASs" << 0 << QList<int> {0}
        << QList<int> {1} << none << QList<int> {1, 0};
    QTest::newRow("link Scroll while Scroll is edited")
        << QList<int> {0, 0} << "toolButton_ScrollType" << "pushButton_LinkScroll" << "ASs" << 0 << QList<int> {0}
        << QList<int> {1} << none << QList<int> {1, 0};
    QTest::newRow("link Scroll while Logo is edited")
        << QList<int> {0, 0} << "toolButton_LogoType" << "pushButton_LinkScroll" << "Ls" << 2 << QList<int> {2}
        << QList<int> {1} << none << QList<int> {1, 0};
    QTest::newRow("unlink Scroll, Logo stays linked")
        << QList<int> {1, 1} << "toolButton_ScrollType" << "pushButton_LinkScroll" << "ALl" << 1 << none
        << QList<int> {0} << none << QList<int> {0, 1};
    QTest::newRow("unlink Scroll while Logo is edited")
        << QList<int> {1, 0} << "toolButton_LogoType" << "pushButton_LinkScroll" << "L" << 2 << none
        << QList<int> {0} << none << QList<int> {0, 0};
    QTest::newRow("unlink Scroll while Scroll is edited")
        << QList<int> {1, 0} << "toolButton_ScrollType" << "pushButton_LinkScroll" << "A" << 0 << none
        << QList<int> {0} << none << QList<int> {0, 0};
    QTest::newRow("link Logo while Scroll is edited")
        << QList<int> {0, 0} << "toolButton_ScrollType" << "pushButton_LinkLogo" << "Sl" << 1 << QList<int> {1}
        << none << QList<int> {1} << QList<int> {0, 1};
    QTest::newRow("link Logo with Scroll linked")
        << QList<int> {1, 0} << "toolButton_AroundType" << "pushButton_LinkLogo" << "ASLsl" << 0 << QList<int> {0}
        << none << QList<int> {1} << QList<int> {1, 1};
    QTest::newRow("unlink Logo while Logo is edited")
        << QList<int> {0, 1} << "toolButton_LogoType" << "pushButton_LinkLogo" << "A" << 0 << none << none
        << QList<int> {0} << QList<int> {0, 0};
    QTest::newRow("unlink Logo, Scroll stays linked")
        << QList<int> {1, 1} << "toolButton_LogoType" << "pushButton_LinkLogo" << "ASs" << 2 << none << none
        << QList<int> {0} << QList<int> {1, 0};
}

void tst_MouseLightPage::clicks()
{
    QFETCH(QList<int>, links);
    QFETCH(QString, zoneButton);
    QFETCH(QString, click);
    QFETCH(QString, checked);
    QFETCH(int, zone);
    QFETCH(QList<int>, zoneSignals);
    QFETCH(QList<int>, scrollSignals);
    QFETCH(QList<int>, logoSignals);
    QFETCH(QList<int>, stored);

    PageFixture f(links[0], links[1]);
    f.button(qPrintable(zoneButton))->click();
    f.clearSpies();
    f.button(qPrintable(click))->click();
    QCOMPARE(f.checked(), checked);
    QCOMPARE(f.page.currentZone(), zone);
    QCOMPARE(ints(f.zones), zoneSignals);
    QCOMPARE(ints(f.scrollLinks), scrollSignals);
    QCOMPARE(ints(f.logoLinks), logoSignals);
    QCOMPARE(f.stored(), stored);
}

void tst_MouseLightPage::loadLinkStatusAnnouncesBoth()
{
    PageFixture f(1, 0);
    QCOMPARE(f.checked(), QStringLiteral("ASs"));
    QCOMPARE(ints(f.scrollLinks), QList<int>({1}));
    QCOMPARE(ints(f.logoLinks), QList<int>({0}));
    f.clearSpies();
    f.page.loadLinkStatus(); // nothing changed, announced again
    QCOMPARE(ints(f.scrollLinks), QList<int>({1}));
    QCOMPARE(ints(f.logoLinks), QList<int>({0}));
    QCOMPARE(f.zones.count(), 0);

    // Another profile's states.
    f.file.store()->addProfile(f.file.path(), "2", "Second", "", "", 1);
    f.file.store()->setLightLinkStatus(f.file.path(), "2", DMouseLightPage::Logo, 1);
    f.page.setProfileIndex(2);
    f.page.loadLinkStatus();
    QCOMPARE(f.checked(), QStringLiteral("ALl"));
    QCOMPARE(f.page.scrollLinkStatus(), 0);
    QCOMPARE(f.page.logoLinkStatus(), 1);
}

void tst_MouseLightPage::newProfileShowsAroundOnly()
{
    PageFixture f;
    QCOMPARE(f.checked(), QStringLiteral("A"));
    QCOMPARE(f.page.currentZone(), 0);
    QCOMPARE(f.stored(), QList<int>({0, 0}));
}

void tst_MouseLightPage::lightSwitchDisablesTheRow()
{
    PageFixture f;
    auto *row = f.page.findChild<QWidget *>(QStringLiteral("frame_4"));
    f.page.setLightDisabled(1);
    QVERIFY(!row->isEnabled());
    f.page.setLightDisabled(0);
    QVERIFY(row->isEnabled());
    f.page.setLightDisabled(2);
    QVERIFY(row->isEnabled());
}

void tst_MouseLightPage::dotsInFileOrder()
{
    DMouseLightPage page(QStringLiteral("Bovelli"));
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    mouseLayoutFile layout;
    QVERIFY(layout.loadModel(QStringLiteral("Bovelli")));
    const QList<mouseLightButtonCustom *> dots = page.getLedWidgets();
    QCOMPARE(dots.size(), layout.leds().size());
    for (int i = 0; i < dots.size(); ++i) {
        const mouseLedInfo &led = layout.leds().at(i);
        QCOMPARE(dots[i]->parentWidget(), &page);
        QCOMPARE(dots[i]->geometry(), QRect(led.PosX, led.PosY, led.Width, led.Height));
        QCOMPARE(dots[i]->validStatus(), led.validStatus);
        QCOMPARE(dots[i]->ledIndex(), led.Index);
    }
    // The engine's logo and scroll LEDs.
    QCOMPARE(dots[5]->sidePosition(), 2);
    QCOMPARE(dots[7]->sidePosition(), 1);
    QCOMPARE(dots[17]->validStatus(), 0);

    // Read once per page: loading again replaces the dots.
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    QCOMPARE(page.getLedWidgets().size(), 18);
    QCOMPARE(page.findChildren<mouseLightButtonCustom *>().size(), 18);
}

void tst_MouseLightPage::dotsArePaintedByTheirColour()
{
    DMouseLightPage page(QStringLiteral("Bovelli"));
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    const QList<mouseLightButtonCustom *> dots = page.getLedWidgets();
    dots[0]->setColor(QColor(255, 0, 0, 255));
    dots[7]->setColor(QColor(0, 0, 255, 255));
    QImage image(page.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    page.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QColor first = image.pixelColor(dots[0]->geometry().center());
    const QColor scroll = image.pixelColor(dots[7]->geometry().center());
    QVERIFY2(first.red() > 100 && first.green() < 60 && first.blue() < 60, qPrintable(first.name()));
    QVERIFY2(scroll.blue() > 100 && scroll.red() < 60 && scroll.green() < 60, qPrintable(scroll.name()));
}

void tst_MouseLightPage::unknownModelHasNoDots()
{
    DMouseLightPage page(QStringLiteral("Nomouse"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mouseInfo_Nomouse.config")));
    page.loadMouseInfo(QStringLiteral("Nomouse"));
    QVERIFY(page.getLedWidgets().isEmpty());
}

// The shipped layout's drawn LEDs lie over frame_Mouse as the page lays it
// out, each on the mouse body of the picture the frame shows.
void tst_MouseLightPage::shippedDotsLieOverTheMouse()
{
    const QImage picture(qEnvironmentVariable("VELMORA_SOURCE_DIR")
                         + QStringLiteral("/images/hidImages/Keyboard_Bovelli.png"));
    QVERIFY(!picture.isNull());
    DMouseLightPage page(QStringLiteral("Bovelli"));
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    page.updateTheme();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *frame = page.findChild<QWidget *>(QStringLiteral("frame_Mouse"));
    const QRect frameRect(frame->mapTo(&page, QPoint(0, 0)), frame->size());
    QCOMPARE(frameRect.size(), QSize(120, 216));
    int drawn = 0;
    for (mouseLightButtonCustom *dot : page.getLedWidgets()) {
        if (dot->validStatus() != 1)
            continue;
        ++drawn;
        QVERIFY2(frameRect.contains(dot->geometry()),
                 qPrintable(QStringLiteral("LED %1 lies off the picture").arg(dot->ledIndex())));
        const QPoint centre = dot->geometry().center() - frameRect.topLeft();
        const QColor under = picture.pixelColor(centre.x() * picture.width() / frameRect.width(),
                                                centre.y() * picture.height() / frameRect.height());
        QVERIFY2(under.alpha() > 200, qPrintable(QStringLiteral("LED %1 lies off the mouse").arg(dot->ledIndex())));
    }
    QCOMPARE(drawn, 8);
}

QTEST_MAIN(tst_MouseLightPage)
#include "tst_mouselightpage.moc"
