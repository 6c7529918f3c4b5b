// The device page's selection lists and placement rules, as plain tables:
// rows and their numbers both ways, which rows a device is offered, where
// toasts, the on-board rows and the explanation pop-up go.
#include "devicePageGeometry.h"
#include "selectionLists.h"

#include <QtTest>

Q_DECLARE_METATYPE(selectionLists::Column)
Q_DECLARE_METATYPE(selectionLists::List)

namespace {

QList<int> sortedIds(const QSet<int> &ids)
{
    QList<int> list = ids.values();
    std::sort(list.begin(), list.end());
    return list;
}

// Names of the rows of a list that the ids select, top to bottom.
QStringList shownRows(selectionLists::List list, const QSet<int> &ids)
{
    QStringList names;
    for (const selectionLists::Row &row : selectionLists::rows(list)) {
        if (ids.contains(row.id))
            names.append(QString::fromLatin1(row.objectName).remove(QStringLiteral("toolButton_")));
    }
    return names;
}

} // namespace

class tst_DevicePageLists : public QObject
{
    Q_OBJECT

private slots:
    // Each list's rows carry the ids 0..n-1 once, and every picture is a
    // normal picture with a "Sel" twin in the resource tree.
    void listsAreComplete_data()
    {
        QTest::addColumn<selectionLists::List>("list");
        QTest::addColumn<int>("count");
        QTest::newRow("key functions") << selectionLists::KeyFunction << 11;
        QTest::newRow("key effects") << selectionLists::KeyEffect << 18;
        QTest::newRow("side effects") << selectionLists::SideEffect << 5;
        QTest::newRow("scroll and logo") << selectionLists::ScrollAndLogo << 4;
    }
    void listsAreComplete()
    {
        QFETCH(selectionLists::List, list);
        QFETCH(int, count);
        const QList<selectionLists::Row> rows = selectionLists::rowsById(list);
        QCOMPARE(rows.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(rows.at(i).id, i);
            QVERIFY(QString::fromLatin1(rows.at(i).picture).endsWith(QLatin1String("Def.png")));
            QCOMPARE(selectionLists::rowByName(list, QLatin1String(rows.at(i).objectName))->id, i);
        }
        QVERIFY(!selectionLists::rowById(list, count));
        QVERIFY(!selectionLists::rowById(list, -1));
    }

    // Launch application has id 8 and stands last; the key effects stand
    // in panel order, not id order.
    void panelOrder()
    {
        QList<int> keyIds;
        for (const selectionLists::Row &row : selectionLists::rows(selectionLists::KeyFunction))
            keyIds.append(row.id);
        QCOMPARE(keyIds, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 8}));
        QList<int> ledIds;
        for (const selectionLists::Row &row : selectionLists::rows(selectionLists::KeyEffect))
            ledIds.append(row.id);
        QCOMPARE(ledIds, (QList<int>{0, 1, 2, 3, 4, 5, 6, 15, 16, 7, 8, 10, 12, 13, 17, 9, 14, 11}));
    }

    void idToNumber_data()
    {
        QTest::addColumn<selectionLists::Column>("column");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("number");
        const int none = selectionLists::NoNumber;
        QTest::newRow("Twinkle on a keyboard") << selectionLists::KeyboardEffect << 4 << 9;
        QTest::newRow("Twinkle on the mouse") << selectionLists::MouseAroundEffect << 4 << 6;
        QTest::newRow("Snack on a keyboard") << selectionLists::KeyboardEffect << 5 << 5;
        QTest::newRow("Snack on the mouse") << selectionLists::MouseAroundEffect << 5 << 4;
        QTest::newRow("DPI on the mouse") << selectionLists::MouseAroundEffect << 13 << 7;
        QTest::newRow("DPI not for a keyboard") << selectionLists::KeyboardEffect << 13 << none;
        QTest::newRow("Radar not for the mouse") << selectionLists::MouseAroundEffect << 6 << none;
        QTest::newRow("Musical Rhythm") << selectionLists::KeyboardEffect << 14 << 100;
        QTest::newRow("Custom") << selectionLists::KeyboardEffect << 11 << 10;
        QTest::newRow("Fireworks") << selectionLists::KeyboardEffect << 17 << 16;
        QTest::newRow("id outside the list") << selectionLists::KeyboardEffect << 18 << none;
        QTest::newRow("side Neon") << selectionLists::SideLightEffect << 1 << 4;
        QTest::newRow("side Collision") << selectionLists::SideLightEffect << 4 << 3;
        QTest::newRow("scroll DPI") << selectionLists::ScrollOrLogoEffect << 3 << 3;
        QTest::newRow("scroll Breath") << selectionLists::ScrollOrLogoEffect << 2 << 2;
        QTest::newRow("Launch application") << selectionLists::OperateType << 8 << 8;
        QTest::newRow("Switch profile") << selectionLists::OperateType << 10 << 7;
    }
    void idToNumber()
    {
        QFETCH(selectionLists::Column, column);
        QFETCH(int, id);
        QFETCH(int, number);
        QCOMPARE(selectionLists::numberForId(column, id), number);
    }

    // A reported number marks the row holding it; numbers without a row
    // mark nothing.
    void numberToId_data()
    {
        QTest::addColumn<selectionLists::Column>("column");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("id");
        QTest::newRow("keyboard 0") << selectionLists::KeyboardEffect << 0 << 0;
        QTest::newRow("keyboard 9 Twinkle") << selectionLists::KeyboardEffect << 9 << 4;
        QTest::newRow("keyboard 12 Speed Respond") << selectionLists::KeyboardEffect << 12 << 9;
        QTest::newRow("keyboard 13") << selectionLists::KeyboardEffect << 13 << -1;
        QTest::newRow("keyboard 16") << selectionLists::KeyboardEffect << 16 << 17;
        QTest::newRow("keyboard 17") << selectionLists::KeyboardEffect << 17 << -1;
        QTest::newRow("keyboard 99") << selectionLists::KeyboardEffect << 99 << -1;
        QTest::newRow("keyboard 100") << selectionLists::KeyboardEffect << 100 << 14;
        QTest::newRow("keyboard 101") << selectionLists::KeyboardEffect << 101 << -1;
        QTest::newRow("keyboard -1") << selectionLists::KeyboardEffect << -1 << -1;
        QTest::newRow("mouse 6 Twinkle") << selectionLists::MouseAroundEffect << 6 << 4;
        QTest::newRow("mouse 7 DPI") << selectionLists::MouseAroundEffect << 7 << 13;
        QTest::newRow("mouse 8") << selectionLists::MouseAroundEffect << 8 << 9;
        QTest::newRow("mouse 9") << selectionLists::MouseAroundEffect << 9 << -1;
        QTest::newRow("side 4 Neon") << selectionLists::SideLightEffect << 4 << 1;
        QTest::newRow("side 5") << selectionLists::SideLightEffect << 5 << -1;
        QTest::newRow("scroll 3") << selectionLists::ScrollOrLogoEffect << 3 << 3;
        QTest::newRow("scroll 4") << selectionLists::ScrollOrLogoEffect << 4 << -1;
        QTest::newRow("no-number marker") << selectionLists::MouseAroundEffect << int(selectionLists::NoNumber)
                                          << -1;
    }
    void numberToId()
    {
        QFETCH(selectionLists::Column, column);
        QFETCH(int, number);
        QFETCH(int, id);
        QCOMPARE(selectionLists::idForNumber(column, number), id);
    }

    void bindingKindToKeyFunction_data()
    {
        QTest::addColumn<int>("operateType");
        QTest::addColumn<int>("id");
        QTest::newRow("no binding: Default") << -1 << 0;
        QTest::newRow("0 another key: Remap key") << 0 << 2;
        QTest::newRow("1 macro") << 1 << 1;
        QTest::newRow("2 combination") << 2 << 7;
        QTest::newRow("3 multimedia") << 3 << 6;
        QTest::newRow("4 mouse") << 4 << 3;
        QTest::newRow("5 disabled") << 5 << 5;
        QTest::newRow("6 text") << 6 << 4;
        QTest::newRow("7 switch profile") << 7 << 10;
        QTest::newRow("8 program") << 8 << 8;
        QTest::newRow("9 shortcut") << 9 << 9;
        QTest::newRow("10: none") << 10 << -1;
        QTest::newRow("-2: none") << -2 << -1;
    }
    void bindingKindToKeyFunction()
    {
        QFETCH(int, operateType);
        QFETCH(int, id);
        QCOMPARE(selectionLists::keyFunctionIdForBinding(operateType), id);
    }

    void keyboardRows_data()
    {
        QTest::addColumn<QList<int>>("reported");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nothing reported") << QList<int>{} << QStringList{"MusicalRhythm", "CustomLed"};
        QTest::newRow("0, 1, 2, 3") << QList<int>{0, 1, 2, 3}
                                    << QStringList{"Static", "Neon", "Breath", "Wave", "MusicalRhythm", "CustomLed"};
        QTest::newRow("13 and 17 add nothing") << QList<int>{13, 17} << QStringList{"MusicalRhythm", "CustomLed"};
        QTest::newRow("10 and 100 once") << QList<int>{100, 10, 100} << QStringList{"MusicalRhythm", "CustomLed"};
        QTest::newRow("every keyboard effect")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 100}
            << QStringList{"Static",   "Neon",   "Breath",   "Wave",  "Twinkle",   "Snack",
                           "Radar",    "AutoRipple", "Striation", "Aurora", "Ripple", "Reactive",
                           "Cross",    "Fireworks", "SpeedRespond", "MusicalRhythm", "CustomLed"};
    }
    void keyboardRows()
    {
        QFETCH(QList<int>, reported);
        QFETCH(QStringList, shown);
        const QSet<int> ids = selectionLists::visibleKeyboardEffectIds(reported);
        QCOMPARE(shownRows(selectionLists::KeyEffect, ids), shown);
        QVERIFY(!ids.contains(13)); // DPI: never on a keyboard
    }

    void sideRows_data()
    {
        QTest::addColumn<QList<int>>("reported");
        QTest::addColumn<bool>("tabs");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("empty") << QList<int>{} << false << QStringList{};
        QTest::newRow("0 and 4") << QList<int>{0, 4} << true << QStringList{"SideStatic", "SideNeon"};
        QTest::newRow("5 only: tabs, no row") << QList<int>{5} << true << QStringList{};
        QTest::newRow("all") << QList<int>{3, 2, 1, 0, 4} << true
                             << QStringList{"SideStatic", "SideNeon", "SideBreath", "SideWave", "SideCollision"};
    }
    void sideRows()
    {
        QFETCH(QList<int>, reported);
        QFETCH(bool, tabs);
        QFETCH(QStringList, shown);
        QCOMPARE(selectionLists::sideTabsVisible(reported), tabs);
        QCOMPARE(shownRows(selectionLists::SideEffect, selectionLists::visibleSideEffectIds(reported)), shown);
    }

    // The mouse gets neither Custom nor Musical Rhythm; its Scroll-and-Logo
    // rows show whatever the lists hold.
    void mouseRows_data()
    {
        QTest::addColumn<QList<int>>("around");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("empty") << QList<int>{} << QStringList{};
        QTest::newRow("0, 1, 7") << QList<int>{0, 1, 7} << QStringList{"Static", "Breath", "MouseDPI"};
        QTest::newRow("all nine") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}
                                  << QStringList{"Static", "Neon",     "Breath",   "Wave",        "Twinkle",
                                                 "Snack",  "Reactive", "MouseDPI", "SpeedRespond"};
        QTest::newRow("9 and 100") << QList<int>{9, 100} << QStringList{};
    }
    void mouseRows()
    {
        QFETCH(QList<int>, around);
        QFETCH(QStringList, shown);
        QCOMPARE(shownRows(selectionLists::KeyEffect, selectionLists::visibleMouseAroundIds(around)), shown);
        QCOMPARE(sortedIds(selectionLists::visibleScrollAndLogoIds()), (QList<int>{0, 1, 2, 3}));
    }

    void onboardHidesKeyFunctions()
    {
        QCOMPARE(shownRows(selectionLists::KeyFunction, selectionLists::onboardHiddenKeyFunctionIds()),
                 (QStringList{"Text", "Disable", "Shortcuts", "SwitchProfile", "OpenApp"}));
    }

    void noticePoint_data()
    {
        QTest::addColumn<QRect>("page");
        QTest::addColumn<bool>("panelShown");
        QTest::addColumn<QPoint>("point");
        // Side bar 45, panel 400; the rectangle's centre truncates.
        QTest::newRow("panel hidden") << QRect(0, 0, 1200, 790) << false << QPoint(599 + 22, 125);
        QTest::newRow("panel shown") << QRect(0, 0, 1200, 790) << true << QPoint(599 + 22 + 200, 125);
        QTest::newRow("odd width") << QRect(0, 0, 1001, 500) << false << QPoint(500 + 22, 125);
    }
    void noticePoint()
    {
        QFETCH(QRect, page);
        QFETCH(bool, panelShown);
        QFETCH(QPoint, point);
        QCOMPARE(devicePageGeometry::noticePoint(page, 45, 400, panelShown), point);
    }

    void onboardMargin_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left");
        QTest::newRow("700") << 700 << -30;
        QTest::newRow("759") << 759 << -1;
        QTest::newRow("760") << 760 << 0;
        QTest::newRow("761") << 761 << 0;
        QTest::newRow("1155") << 1155 << 197;
        QTest::newRow("0") << 0 << -380;
    }
    void onboardMargin()
    {
        QFETCH(int, width);
        QFETCH(int, left);
        QCOMPARE(devicePageGeometry::onboardLeftMargin(width), left);
    }

    // The arrow's tip (offset + 7) points at the button's centre; the
    // pop-up's top edge is 5 pixels below the button's top.
    void explainPopupPlace()
    {
        QCOMPARE(devicePageGeometry::explainPopupSize(), QSize(460, 510));
        QCOMPARE(devicePageGeometry::explainArrowOffset(), 403);
        const QPoint pos = devicePageGeometry::explainPopupPos(QPoint(1000, 200), QSize(15, 14));
        QCOMPARE(pos, QPoint(1000 + 7 - 410, 205));
        QCOMPARE(pos.x() + devicePageGeometry::explainArrowOffset() + 7, 1000 + 7);
    }
};

QTEST_GUILESS_MAIN(tst_DevicePageLists)
#include "tst_devicepagelists.moc"
