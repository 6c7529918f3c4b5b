#include "ArrowWidget.h"
#include "DDataManager.h"
#include "FlowLayout.h"
#include "mainMenuToolWidget.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTranslator>
#include <QSpacerItem>
#include <QtTest>

namespace {

using Sizes = QList<QSize>;
using Points = QList<QPoint>;

// A layout item of a fixed size that counts its deletions.
class CountedItem : public QSpacerItem
{
public:
    CountedItem(int w, int h, int *deleted)
        : QSpacerItem(w, h, QSizePolicy::Fixed, QSizePolicy::Fixed)
        , m_deleted(deleted)
    {
    }
    ~CountedItem() override { ++*m_deleted; }

private:
    int *m_deleted;
};

QColor themeBackground()
{
    const QStringList parts = DDataManager::instance()->getThemeColor().AllBgColor.split(',');
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

} // namespace

class tst_SharedWidgets : public QObject
{
    Q_OBJECT

private slots:
    void flowPlacement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("hSpacing");
        QTest::addColumn<int>("vSpacing");
        QTest::addColumn<Sizes>("items");
        QTest::addColumn<Points>("positions");
        QTest::addColumn<int>("height"); // heightForWidth(width)

        QTest::newRow("second item breaks the row")
            << 100 << 0 << 0 << 0 << Sizes{{60, 20}, {40, 20}, {10, 20}} << Points{{0, 0}, {0, 20}, {40, 20}} << 40;
        QTest::newRow("exact fit with gap does not share a row")
            << 100 << 0 << 10 << 0 << Sizes{{45, 20}, {45, 20}} << Points{{0, 0}, {0, 20}} << 40;
        QTest::newRow("one pixel to spare shares the row")
            << 100 << 0 << 0 << 0 << Sizes{{49, 20}, {50, 20}} << Points{{0, 0}, {49, 0}} << 20;
        QTest::newRow("too wide item overflows at row start")
            << 50 << 0 << 0 << 0 << Sizes{{80, 20}, {10, 20}} << Points{{0, 0}, {0, 20}} << 40;
        QTest::newRow("margins and spacings")
            << 100 << 5 << 3 << 4 << Sizes{{40, 10}, {40, 20}, {40, 10}} << Points{{5, 5}, {48, 5}, {5, 29}} << 44;
        QTest::newRow("row height is the tallest item")
            << 61 << 0 << 0 << 2 << Sizes{{20, 10}, {20, 30}, {20, 5}, {20, 5}}
            << Points{{0, 0}, {20, 0}, {40, 0}, {0, 32}} << 37;
        QTest::newRow("empty") << 100 << 7 << 0 << 0 << Sizes{} << Points{} << 14;
    }

    void flowPlacement()
    {
        QFETCH(int, width);
        QFETCH(int, margin);
        QFETCH(int, hSpacing);
        QFETCH(int, vSpacing);
        QFETCH(Sizes, items);
        QFETCH(Points, positions);
        QFETCH(int, height);

        FlowLayout layout(margin, hSpacing, vSpacing);
        int deleted = 0;
        for (const QSize &s : items)
            layout.addItem(new CountedItem(s.width(), s.height(), &deleted));
        QVERIFY(layout.hasHeightForWidth());
        QCOMPARE(layout.heightForWidth(width), height);
        layout.setGeometry(QRect(0, 0, width, height));
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(layout.itemAt(i)->geometry().topLeft(), positions.at(i));
            QCOMPARE(layout.itemAt(i)->geometry().size(), items.at(i));
        }
    }

    void flowItemsAndSizes()
    {
        int deleted = 0;
        {
            FlowLayout layout(3, 0, 0);
            QCOMPARE(layout.count(), 0);
            QCOMPARE(layout.minimumSize(), QSize(5, 5)); // invalid size plus twice the margin
            QCOMPARE(layout.sizeHint(), layout.minimumSize());
            QCOMPARE(layout.expandingDirections(), Qt::Orientations());

            layout.addItem(new CountedItem(10, 40, &deleted));
            layout.addItem(new CountedItem(30, 20, &deleted));
            layout.insertItem(0, new CountedItem(5, 5, &deleted));
            QCOMPARE(layout.count(), 3);
            QCOMPARE(layout.itemAt(0)->sizeHint(), QSize(5, 5));
            QVERIFY(!layout.itemAt(-1));
            QVERIFY(!layout.itemAt(3));
            QVERIFY(!layout.takeAt(-1));
            QVERIFY(!layout.takeAt(3));
            QCOMPARE(layout.count(), 3);
            QCOMPARE(layout.minimumSize(), QSize(30 + 6, 40 + 6));

            layout.setContentsMargins(5, 0, 0, 0); // no common margin: counts as -1
            QCOMPARE(layout.minimumSize(), QSize(30 - 2, 40 - 2));

            QLayoutItem *taken = layout.takeAt(1);
            QCOMPARE(taken->sizeHint(), QSize(10, 40));
            QCOMPARE(layout.count(), 2);
            delete taken;
            QCOMPARE(deleted, 1);
        }
        QCOMPARE(deleted, 3); // the layout deletes what it still holds
    }

    void flowOwnsItemsNotWidgets()
    {
        QWidget container;
        auto *layout = new FlowLayout(&container, 2, -1, -1);
        QCOMPARE(container.layout(), layout);
        QCOMPARE(layout->contentsMargins(), QMargins(2, 2, 2, 2));
        // Automatic spacing comes from the parent's style.
        QCOMPARE(layout->horizontalSpacing(),
                 container.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &container));
        QPointer<QLabel> a = new QLabel("a", &container);
        QPointer<QLabel> b = new QLabel("b", &container);
        layout->addWidget(a);
        layout->insertWidget(0, b);
        QCOMPARE(layout->itemAt(0)->widget(), b.data());
        delete layout;
        QVERIFY(a && b);
    }

    void flowDefaultMarginsFromStyle()
    {
        QWidget container;
        auto *layout = new FlowLayout(&container);
        const int styleMargin = container.style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &container);
        QCOMPARE(layout->contentsMargins().left(), styleMargin);
    }

    // Without spacings of its own, a layout nested in another takes the
    // outer layout's spacing.
    void flowSpacingFromParentLayout()
    {
        QWidget container;
        auto *outer = new QHBoxLayout(&container);
        outer->setSpacing(7);
        auto *flow = new FlowLayout(0, -1, -1);
        outer->addLayout(flow);
        QCOMPARE(flow->parent(), outer);
        QCOMPARE(flow->horizontalSpacing(), 7);
        QCOMPARE(flow->verticalSpacing(), 7);

        int deleted = 0;
        flow->addItem(new CountedItem(30, 10, &deleted));
        flow->addItem(new CountedItem(30, 10, &deleted));
        flow->addItem(new CountedItem(30, 10, &deleted));
        flow->setGeometry(QRect(0, 0, 70, 100));
        QCOMPARE(flow->itemAt(1)->geometry().topLeft(), QPoint(37, 0));
        QCOMPARE(flow->itemAt(2)->geometry().topLeft(), QPoint(0, 17));

        FlowLayout orphan(0, -1, -1);
        QCOMPARE(orphan.horizontalSpacing(), -1);
    }

    void flowInsertPositions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("order"); // widths of the items after the insert
        QTest::newRow("front") << 0 << QList<int>{5, 10, 20};
        QTest::newRow("between") << 1 << QList<int>{10, 5, 20};
        QTest::newRow("index = count appends") << 2 << QList<int>{10, 20, 5};
        QTest::newRow("past the end appends") << 9 << QList<int>{10, 20, 5};
        QTest::newRow("negative goes first") << -3 << QList<int>{5, 10, 20};
    }

    void flowInsertPositions()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, order);
        int deleted = 0;
        FlowLayout layout(0, 0, 0);
        layout.addItem(new CountedItem(10, 10, &deleted));
        layout.addItem(new CountedItem(20, 10, &deleted));
        layout.insertItem(index, new CountedItem(5, 10, &deleted));
        QList<int> widths;
        for (int i = 0; i < layout.count(); ++i)
            widths << layout.itemAt(i)->sizeHint().width();
        QCOMPARE(widths, order);
    }

    // insertWidget only wraps the widget: its parent stays what it was.
    void flowInsertWidgetKeepsParent()
    {
        QWidget container;
        QWidget elsewhere;
        auto *layout = new FlowLayout(&container, 0, 0, 0);
        auto *foreign = new QLabel("foreign", &elsewhere);
        QLabel loose("loose");
        layout->insertWidget(0, foreign);
        layout->insertWidget(layout->count(), &loose);
        QCOMPARE(layout->count(), 2);
        QCOMPARE(layout->itemAt(0)->widget(), foreign);
        QCOMPARE(layout->itemAt(1)->widget(), &loose);
        QCOMPARE(foreign->parentWidget(), &elsewhere);
        QVERIFY(!loose.parentWidget());
        delete layout->takeAt(1); // its item would outlive the label on the stack
    }

    // Only a release over one of the two entries asks to close the menu.
    void menuClosesOnRelease()
    {
        QWidget window;
        auto *menu = new mainMenuToolWidget(&window);
        window.show();
        QCOMPARE(menu->size(), QSize(212, 124));
        QSignalSpy close(menu, &mainMenuToolWidget::sigCloseMenuWidow);
        for (const char *name : {"label_Setting", "label_AboutPardex"}) {
            auto *label = menu->findChild<QLabel *>(QLatin1String(name));
            QVERIFY(label);
            QTest::mousePress(label, Qt::LeftButton);
            QCOMPARE(close.count(), 0);
            QTest::mouseRelease(label, Qt::LeftButton);
            QCOMPARE(close.count(), 1);
            close.clear();
            QVERIFY(label->font().bold());
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(close.count(), 0);
        QCOMPARE(menu->findChild<QLabel *>("label_Setting")->text(), QStringLiteral("Setting"));
        QCOMPARE(menu->findChild<QLabel *>("label_AboutPardex")->text(), QStringLiteral("About Pardex"));
    }

    // The kit's texts reach the program's translation files.
    void menuTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(qEnvironmentVariable("VELMORA_BINARY_DIR") + "/translation/German.qm"));
        QCoreApplication::installTranslator(&translator);
        mainMenuToolWidget menu;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(menu.findChild<QLabel *>("label_Setting")->text(), QStringLiteral("Einstellungen"));
        QCOMPARE(menu.findChild<QLabel *>("label_AboutPardex")->text(), QStringLiteral("Über Pardex"));
    }

    void arrowWindowProperties()
    {
        ArrowWidget popup(1);
        const Qt::WindowFlags flags = popup.windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(qAbs(popup.windowOpacity() - 0.9) < 0.01); // stored in 8 bits
        auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(popup.graphicsEffect());
        QVERIFY(shadow);
        QCOMPARE(shadow->offset(), QPointF(0, 0));
        QCOMPARE(shadow->blurRadius(), 15.0);
        QCOMPARE(shadow->color(), QColor(Qt::gray));
        QCOMPARE(popup.arrowOffset(), 50);

        popup.setPopupSize(200, 90);
        QCOMPARE(popup.minimumSize(), QSize(200, 90));
        QCOMPARE(popup.maximumSize(), QSize(200, 90));
    }

    void arrowContentMargins_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("top");
        QTest::newRow("arrow on top") << 0 << 25;
        QTest::newRow("arrow at bottom") << 1 << 15;
        QTest::newRow("no arrow") << 2 << 15;
    }

    void arrowContentMargins()
    {
        QFETCH(int, direction);
        QFETCH(int, top);
        ArrowWidget popup(direction);
        QPointer<QLabel> content = new QLabel("content");
        popup.setContentWidget(content);
        QVERIFY(popup.layout());
        QCOMPARE(popup.layout()->contentsMargins(), QMargins(15, top, 15, 15));
        QCOMPARE(popup.layout()->spacing(), 0);
        QCOMPARE(content->parentWidget(), &popup);
    }

    // Which pixels the painted body and arrow cover.
    void arrowPainting_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("offset");
        QTest::addColumn<Points>("filled");
        QTest::addColumn<Points>("clear");
        QTest::newRow("bottom arrow centred")
            << 1 << 93 << Points{{100, 100}, {21, 21}, {178, 178}, {100, 190}, {100, 197}}
            << Points{{5, 5}, {100, 5}, {90, 195}, {110, 195}, {194, 100}};
        QTest::newRow("top arrow centred")
            << 0 << 93 << Points{{100, 100}, {100, 18}, {100, 24}, {21, 31}}
            << Points{{90, 20}, {110, 20}, {100, 12}, {100, 190}, {16, 20}};
        QTest::newRow("no arrow") << 2 << 93 << Points{{100, 100}, {21, 21}} << Points{{100, 195}, {100, 10}};
        QTest::newRow("default offset") << 1 << 50 << Points{{57, 196}} << Points{{100, 196}};
    }

    void arrowPainting()
    {
        QFETCH(int, direction);
        QFETCH(int, offset);
        QFETCH(Points, filled);
        QFETCH(Points, clear);
        ArrowWidget popup(direction);
        popup.setPopupSize(200, 200);
        if (offset != 50)
            popup.setArrowOffset(offset);
        popup.setGraphicsEffect(nullptr); // the shadow would colour the clear band
        QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        popup.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor background = themeBackground();
        for (const QPoint &p : filled)
            QVERIFY2(image.pixelColor(p) == background, qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
        for (const QPoint &p : clear)
            QVERIFY2(image.pixelColor(p).alpha() == 0, qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
    }

    void arrowHidesWhenDeactivated()
    {
        QWidget other;
        other.resize(100, 100);
        ArrowWidget popup(1);
        popup.setPopupSize(60, 60);
        popup.show();
        popup.activateWindow();
        QTRY_VERIFY(popup.isActiveWindow());

        // Another window takes the activation: the pop-up goes.
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!popup.isVisible());

        // It can be shown again without being rebuilt, and a deactivation event hides it again.
        popup.show();
        QVERIFY(popup.isVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&popup, &deactivate);
        QVERIFY(!popup.isVisible());

        // Other events leave it alone.
        popup.show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&popup, &activate);
        QVERIFY(popup.isVisible());
    }
};

QTEST_MAIN(tst_SharedWidgets)
#include "tst_sharedwidgets.moc"
