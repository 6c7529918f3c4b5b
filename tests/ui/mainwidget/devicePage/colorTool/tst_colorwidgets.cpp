#include "BasicColorArea.h"
#include "BasicColorItem.h"
#include "SVColorArea.h"
#include "SliderToolArea.h"
#include "colorToolTestSupport.h"
#include "deleteBasicColorItemTool.h"

#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

// Every signal of the colour area, in the order emitted.
class areaLog
{
public:
    explicit areaLog(SVColorArea *area)
    {
        QObject::connect(area, &SVColorArea::sigMouseIsPress, [this](bool p) { add("press %1", p); });
        QObject::connect(area, &SVColorArea::svChangedSignal,
                         [this](int h, int s, int v) { add("sv %1 %2 %3", h, s, v); });
        QObject::connect(area, &SVColorArea::sigGetRGB, [this](int r, int g, int b) { add("rgb %1 %2 %3", r, g, b); });
        QObject::connect(area, &SVColorArea::sigGetHexRGB, [this](const QString &hex) { lines << "hex " + hex; });
        QObject::connect(area, &SVColorArea::sigMoveingStatus, [this](int v, int d) { add("ring %1 %2", v, d); });
    }
    QStringList lines;

private:
    template<typename... Args>
    void add(const char *format, Args... args)
    {
        QString line = QString::fromLatin1(format);
        ((line = line.arg(args)), ...);
        lines << line;
    }
};

QList<BasicColorItem *> presets(BasicColorArea *area)
{
    QList<BasicColorItem *> list;
    for (BasicColorItem *item : area->findChildren<BasicColorItem *>()) {
        if (item->index() == -1)
            list.append(item);
    }
    return list;
}

} // namespace

class tst_ColorWidgets : public QObject
{
    Q_OBJECT

private slots:
    void discPressOrder();
    void unreadablePixelGivesNoColour();
    void ringPresses_data();
    void ringPresses();
    void dragFromDiscLeavesKnob();
    void ringDragAndReset();
    void swatchPixmapAndClicks();
    void paletteSlots_data();
    void paletteSlots();
    void userSwatchPositions();
    void doubledAndForeignSlots();
    void deletePopup();
    void deleteAfterClear();
    void replacedPopupIsDeleted();
    void sliderTicks_data();
    void sliderTicks();
    void sliderValueSignals();
};

void tst_ColorWidgets::discPressOrder()
{
    SVColorArea area;
    fakeScreenReader screen(QColor(10, 0, 255));
    area.setScreenColorReader(&screen);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    areaLog log(&area);
    // The ring somewhere else first, so the disc press visibly resets it.
    pressAt(&area, QPointF(9, 79));
    releaseAt(&area, QPointF(9, 79));
    QCOMPARE(area.ringValue(), 25.0);
    log.lines.clear();

    const QPoint pos(100, 70);
    pressAt(&area, pos);
    QCOMPARE(log.lines, (QStringList{"press 1", "sv 0 100 185", "rgb 10 0 255", "hex #0A00FF"}));
    QCOMPARE(screen.reads(), QList<QPoint>{area.mapToGlobal(pos)});
    QCOMPARE(area.ringValue(), 0.0);
    QTRY_COMPARE(log.lines.value(4), QStringLiteral("ring 0 0"));
    releaseAt(&area, pos);
    QCOMPARE(log.lines.last(), QStringLiteral("press 0"));
}

void tst_ColorWidgets::unreadablePixelGivesNoColour()
{
    SVColorArea area;
    refusingScreenReader screen;
    area.setScreenColorReader(&screen);
    areaLog log(&area);
    pressAt(&area, QPointF(80, 80));
    // No white stands in for the failed read; the rest of the press happens.
    QCOMPARE(log.lines, (QStringList{"press 1", "sv 0 80 175"}));
    QCOMPARE(area.ringValue(), 0.0);
}

void tst_ColorWidgets::ringPresses_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("status");
    QTest::newRow("left") << QPoint(9, 79) << "ring 25 -90";
    QTest::newRow("below") << QPoint(79, 149) << "ring 50 -180";
    QTest::newRow("right") << QPoint(149, 79) << "ring 75 -270";
    QTest::newRow("above") << QPoint(79, 9) << "ring 100 -360";
    QTest::newRow("a hair left of the top") << QPoint(78, 9) << "ring 0 0";
}

void tst_ColorWidgets::ringPresses()
{
    QFETCH(QPoint, pos);
    QFETCH(QString, status);
    SVColorArea area;
    fakeScreenReader screen(Qt::red);
    area.setScreenColorReader(&screen);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    areaLog log(&area);
    pressAt(&area, pos);
    // Painted during the press: the knob is reported while the button is held.
    QCOMPARE(log.lines, (QStringList{"press 1", status}));
    QVERIFY(screen.reads().isEmpty());
}

void tst_ColorWidgets::dragFromDiscLeavesKnob()
{
    SVColorArea area;
    fakeScreenReader screen(Qt::red);
    area.setScreenColorReader(&screen);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    pressAt(&area, QPointF(80, 80));
    dragTo(&area, QPointF(100, 80));
    dragTo(&area, QPointF(9, 79)); // onto the ring, left
    QCOMPARE(area.ringValue(), 0.0);
    QCOMPARE(screen.reads().size(), 1); // the press only
}

void tst_ColorWidgets::ringDragAndReset()
{
    SVColorArea area;
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    pressAt(&area, QPointF(9, 79));
    dragTo(&area, QPointF(79, 149));
    QCOMPARE(area.ringValue(), 50.0);
    dragTo(&area, QPointF(79, 120)); // inside the disc: still the angle that counts
    QCOMPARE(area.ringValue(), 50.0);
    releaseAt(&area, QPointF(79, 120));
    area.resetRingValue();
    QCOMPARE(area.ringValue(), 0.0);
}

void tst_ColorWidgets::swatchPixmapAndClicks()
{
    BasicColorItem item(QColor(10, 20, 30, 40));
    QCOMPARE(item.size(), QSize(12, 12));
    QCOMPARE(item.color(), QColor(10, 20, 30));
    const QImage image = item.pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(image.size(), QSize(12, 12));
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(10, 20, 30));
    QCOMPARE(QColor(image.pixel(11, 11)), QColor(10, 20, 30));

    QSignalSpy left(&item, &BasicColorItem::itemClickedSignal);
    QSignalSpy right(&item, &BasicColorItem::sigBasicColorItemMouseRightButtonPress);
    pressAt(&item, QPointF(5, 5));
    pressAt(&item, QPointF(5, 5), Qt::RightButton);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.at(0).at(0).value<QColor>(), QColor(10, 20, 30));
    QCOMPARE(right.size(), 1);
}

void tst_ColorWidgets::paletteSlots_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("presetCount");
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<QColor>("firstOfSecondRow");
    QTest::newRow("DPI view") << 0 << 10 << 5 << QColor(255, 0, 255);
    QTest::newRow("lighting panel") << 1 << 9 << 9 << QColor();
}

void tst_ColorWidgets::paletteSlots()
{
    QFETCH(int, type);
    QFETCH(int, presetCount);
    QFETCH(int, slotCount);
    QFETCH(QColor, firstOfSecondRow);

    BasicColorArea area;
    area.setAreaType(type);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const QList<BasicColorItem *> preset = presets(&area);
    QCOMPARE(preset.size(), presetCount);
    QCOMPARE(area.userSlotCount(), slotCount);
    if (firstOfSecondRow.isValid()) {
        QCOMPARE(preset.at(5)->color(), firstOfSecondRow);
        QVERIFY(preset.at(5)->y() > preset.at(0)->y());
    }

    QSignalSpy chosen(&area, &BasicColorArea::colorItemSelcSignal);
    QSignalSpy added(&area, &BasicColorArea::sigAddColor);
    pressAt(preset.at(1), QPointF(3, 3));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).value<QColor>(), QColor(255, 128, 0));
    for (int slot = 0; slot < slotCount; ++slot)
        QTest::mouseClick(qobject_cast<QPushButton *>(area.addRowWidgetAt(slot)), Qt::LeftButton);
    QCOMPARE(added.size(), slotCount);
    for (int slot = 0; slot < slotCount; ++slot)
        QCOMPARE(added.at(slot).at(0).toInt(), slot);
    // A right-click on a preset opens nothing.
    pressAt(preset.at(0), QPointF(3, 3), Qt::RightButton);
    QVERIFY(!area.deletePopup());
}

void tst_ColorWidgets::userSwatchPositions()
{
    BasicColorArea area;
    area.setAreaType(1);
    QSignalSpy chosen(&area, &BasicColorArea::colorItemSelcSignal);
    area.addCustomColor(3, 1, 2, 3);
    area.addCustomColor(8, 4, 5, 6);
    for (int pos = 0; pos < 9; ++pos) {
        auto *swatch = qobject_cast<BasicColorItem *>(area.addRowWidgetAt(pos));
        QCOMPARE(swatch != nullptr, pos == 3 || pos == 8);
        if (swatch)
            QCOMPARE(swatch->index(), pos);
    }
    pressAt(area.addRowWidgetAt(8), QPointF(3, 3));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).value<QColor>(), QColor(4, 5, 6));

    area.clearCustomColors();
    for (int pos = 0; pos < 9; ++pos)
        QVERIFY(qobject_cast<QPushButton *>(area.addRowWidgetAt(pos)));
    QCOMPARE(area.findChildren<BasicColorItem *>().size(), 9 + 2); // deleted later
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(area.findChildren<BasicColorItem *>().size(), 9);
}

void tst_ColorWidgets::doubledAndForeignSlots()
{
    // A mouse profile is shared by the five-slot and the nine-slot palette.
    BasicColorArea area;
    area.setAreaType(0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("user slot 7 is not one of"));
    area.addCustomColor(7, 1, 1, 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("user slot -1 is not one of"));
    area.addCustomColor(-1, 1, 1, 1);
    area.addCustomColor(2, 10, 10, 10);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("user slot 2 already holds"));
    area.addCustomColor(2, 20, 20, 20);
    QCOMPARE(area.findChildren<BasicColorItem *>().size(), 10 + 1);
    auto *swatch = qobject_cast<BasicColorItem *>(area.addRowWidgetAt(2));
    QVERIFY(swatch);
    QCOMPARE(swatch->color(), QColor(10, 10, 10));
    QVERIFY(qobject_cast<QPushButton *>(area.addRowWidgetAt(3)));
    QCOMPARE(area.addRowWidgetAt(5), nullptr);
}

void tst_ColorWidgets::deletePopup()
{
    BasicColorArea area;
    area.setAreaType(1);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    area.addCustomColor(3, 7, 8, 9);
    QWidget *swatch = area.addRowWidgetAt(3);
    QSignalSpy deleted(&area, &BasicColorArea::sigDeleteColor);
    pressAt(swatch, QPointF(3, 3), Qt::RightButton);
    ArrowWidget *popup = area.deletePopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(!popup->parent());
    QCOMPARE(popup->size(), QSize(60, 60));
    QCOMPARE(popup->arrowDirection(), 1);
    QCOMPARE(popup->arrowOffset(), 23);
    QCOMPARE(popup->pos(), swatch->mapToGlobal(QPoint(8, 16)) - QPoint(32, 76));

    auto *tool = popup->findChild<deleteBasicColorItemTool *>();
    QVERIFY(tool);
    QCOMPARE(tool->deleteButton()->size(), QSize(18, 18));
    QTest::mouseClick(tool->deleteButton(), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.at(0).at(0).toInt(), 3);
    auto *button = qobject_cast<QPushButton *>(area.addRowWidgetAt(3));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(area.addRowWidgetAt(9), nullptr);
}

void tst_ColorWidgets::deleteAfterClear()
{
    BasicColorArea area;
    area.setAreaType(1);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    area.addCustomColor(4, 1, 2, 3);
    pressAt(area.addRowWidgetAt(4), QPointF(3, 3), Qt::RightButton);
    QPointer<ArrowWidget> popup = area.deletePopup();
    QVERIFY(popup && popup->isVisible());

    // A reload while the pop-up is open takes the swatch away.
    area.clearCustomColors();
    QVERIFY(!popup->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QSignalSpy deleted(&area, &BasicColorArea::sigDeleteColor);
    emit popup->findChild<deleteBasicColorItemTool *>()->sigDeleteBasicColor();
    QCOMPARE(deleted.size(), 0);
    QVERIFY(qobject_cast<QPushButton *>(area.addRowWidgetAt(4)));
    QCOMPARE(area.addRowWidgetAt(9), nullptr);
}

void tst_ColorWidgets::replacedPopupIsDeleted()
{
    QPointer<ArrowWidget> first;
    QPointer<ArrowWidget> second;
    {
        BasicColorArea area;
        area.setAreaType(0);
        area.addCustomColor(0, 1, 2, 3);
        area.addCustomColor(1, 4, 5, 6);
        pressAt(area.addRowWidgetAt(0), QPointF(3, 3), Qt::RightButton);
        first = area.deletePopup();
        pressAt(area.addRowWidgetAt(1), QPointF(3, 3), Qt::RightButton);
        second = area.deletePopup();
        QVERIFY(first && second && first != second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
    }
    QVERIFY(!second); // the palette deletes its parentless pop-up
}

void tst_ColorWidgets::sliderTicks_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<QList<int>>("ticks");
    QTest::newRow("four levels") << 4 << QList<int>{10, 46, 82, 118, 154};
    QTest::newRow("none: one segment") << 0 << QList<int>{10, 154};
    QTest::newRow("negative: one segment") << -3 << QList<int>{10, 154};
}

void tst_ColorWidgets::sliderTicks()
{
    QFETCH(int, max);
    QFETCH(QList<int>, ticks);
    SliderToolArea slider;
    slider.setFixedSize(165, 55);
    slider.setThemeColor(0, 0, 255, QStringLiteral("150,150,150"), QStringLiteral("90,90,90"),
                         QStringLiteral("Sans"));
    slider.setMaxValue(max);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QCOMPARE(slider.slider()->maximum(), max);
    QCOMPARE(slider.slider()->geometry(), QRect(0, 20, 165, 30));
    const QImage image = slider.grab().toImage();
    QList<int> found;
    for (int x = 0; x < image.width(); ++x) {
        if (QColor(image.pixel(x, 52)) == QColor(0, 0, 255))
            found << x;
    }
    QCOMPARE(found, ticks);
}

void tst_ColorWidgets::sliderValueSignals()
{
    SliderToolArea slider;
    slider.setMaxValue(4);
    QSignalSpy changed(&slider, &SliderToolArea::sigValueChanged);
    slider.setValue(slider.value());
    QCOMPARE(changed.size(), 0);
    slider.setValue(3);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 3);
    slider.setValue(9); // held to the maximum
    QCOMPARE(slider.value(), 4);
    slider.setTexts(QStringLiteral("Brightness"), QStringLiteral("Dark"), QStringLiteral("Bright"));
    QCOMPARE(slider.caption(), QStringLiteral("Brightness"));
}

QTEST_MAIN(tst_ColorWidgets)
#include "tst_colorwidgets.moc"
