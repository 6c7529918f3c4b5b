// The rules of the custom per-key lightings, without widgets: default file
// by key count, the in-use slot rule and its repair of hand-edited files,
// what a painted board stores and what its colour report carries.

#include "customLightRules.h"

#include <QtTest>

using namespace customLightRules;

Q_DECLARE_METATYPE(QList<customLightRules::slotRow>)
Q_DECLARE_METATYPE(QList<customLightRules::slotChange>)

namespace customLightRules {
bool operator==(const slotChange &a, const slotChange &b)
{
    return a.row == b.row && a.inUse == b.inUse && a.slot == b.slot;
}
} // namespace customLightRules

namespace QTest {
template <>
inline char *toString(const QList<customLightRules::slotChange> &changes)
{
    QByteArray text;
    for (const slotChange &c : changes)
        text += QByteArray("{row ") + QByteArray::number(c.row) + (c.inUse ? " in use" : " out") + " slot "
            + QByteArray::number(c.slot) + "} ";
    return qstrdup(text.isEmpty() ? "(none)" : text.constData());
}
} // namespace QTest

namespace {
slotRow used(int slot) { return {true, slot}; }
slotRow unused(int slot = kNoSlot) { return {false, slot}; }

// Five lightings: "Alphabets" in slot 0, "WASD+Arrows" in slot 1, three free.
QList<slotRow> defaults() { return {used(0), used(1), unused(), unused(), unused()}; }

gridCell key(int code, const QString &caption, const QColor &color)
{
    gridCell cell;
    cell.hasKey = true;
    cell.keyCode = code;
    cell.rawCaption = caption;
    cell.color = color;
    return cell;
}

gridCell &at(grid &cells, int row, int column) { return cells[static_cast<std::size_t>(row * 22 + column)]; }
} // namespace

class tst_CustomLightRules : public QObject
{
    Q_OBJECT

private slots:
    void defaultFile_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QString>("file");
        for (int count : {84, 98, 68, 61, 34})
            QTest::addRow("%d keys", count) << count << QStringLiteral("customLightDefaultConfig_%1.xml").arg(count);
        for (int count : {104, 87, 0, -1})
            QTest::addRow("%d keys: plain", count) << count << QStringLiteral("customLightDefaultConfig.xml");
    }
    void defaultFile()
    {
        QFETCH(int, keyCount);
        QFETCH(QString, file);
        QCOMPARE(defaultFileName(keyCount), file);
    }

    void usingChange_data()
    {
        QTest::addColumn<QList<slotRow>>("rows");
        QTest::addColumn<int>("sender");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<QList<slotChange>>("changes");
        QTest::addColumn<int>("uploadSlot");
        QTest::addColumn<bool>("blankOnly");

        QTest::newRow("two in use: the second slot's lighting makes way")
            << defaults() << 2 << true << QList<slotChange>{{1, false, -1}, {2, true, 1}} << 1 << false;
        QTest::newRow("only slot 1 in use: slot 0")
            << QList<slotRow>{unused(), used(1), unused(), unused(), unused()} << 3 << true
            << QList<slotChange>{{3, true, 0}} << 0 << false;
        QTest::newRow("only slot 0 in use: slot 1")
            << QList<slotRow>{used(0), unused(), unused(), unused(), unused()} << 4 << true
            << QList<slotChange>{{4, true, 1}} << 1 << false;
        QTest::newRow("none in use: slot 0") << QList<slotRow>{unused(), unused(), unused()} << 1 << true
                                             << QList<slotChange>{{1, true, 0}} << 0 << false;
        QTest::newRow("unticking slot 0 blanks slot 0")
            << defaults() << 0 << false << QList<slotChange>{{0, false, -1}} << 0 << true;
        QTest::newRow("unticking slot 1 blanks slot 1")
            << defaults() << 1 << false << QList<slotChange>{{1, false, -1}} << 1 << true;
        QTest::newRow("unticking a lighting without a slot uploads nothing")
            << defaults() << 3 << false << QList<slotChange>{{3, false, -1}} << -1 << true;
        QTest::newRow("no such row") << defaults() << 5 << true << QList<slotChange>{} << -1 << false;
    }
    void usingChange()
    {
        QFETCH(QList<slotRow>, rows);
        QFETCH(int, sender);
        QFETCH(bool, inUse);
        QFETCH(QList<slotChange>, changes);
        QFETCH(int, uploadSlot);
        QFETCH(bool, blankOnly);
        const slotPlan plan = planUsingChange(rows, sender, inUse);
        QCOMPARE(plan.changes, changes);
        QCOMPARE(plan.uploadSlot, uploadSlot);
        QCOMPARE(plan.blankOnly, blankOnly);
    }

    void repairsOfHandEditedFiles_data()
    {
        QTest::addColumn<QList<slotRow>>("rows");
        QTest::addColumn<QList<slotChange>>("changes");

        QTest::newRow("defaults are whole") << defaults() << QList<slotChange>{};
        QTest::newRow("in use outside slots 0 and 1")
            << QList<slotRow>{used(0), used(2), used(-1)} << QList<slotChange>{{1, false, -1}, {2, false, -1}};
        QTest::newRow("a second claim on slot 0")
            << QList<slotRow>{used(0), unused(), used(0)} << QList<slotChange>{{2, false, -1}};
        QTest::newRow("three in use") << QList<slotRow>{used(1), used(0), used(1)}
                                      << QList<slotChange>{{2, false, -1}};
        QTest::newRow("out of use but holding a slot")
            << QList<slotRow>{unused(0), used(1)} << QList<slotChange>{{0, false, -1}};
    }
    void repairsOfHandEditedFiles()
    {
        QFETCH(QList<slotRow>, rows);
        QFETCH(QList<slotChange>, changes);
        QCOMPARE(repairs(rows), changes);

        // After the repair the slot rule never gives a slot other than 0 or 1.
        QList<slotRow> repaired = rows;
        for (const slotChange &c : changes)
            repaired[c.row] = {c.inUse, c.slot};
        QVERIFY(repairs(repaired).isEmpty());
        for (int sender = 0; sender < repaired.size(); ++sender) {
            if (repaired[sender].inUse)
                continue;
            const slotPlan plan = planUsingChange(repaired, sender, true);
            QVERIFY(plan.uploadSlot == 0 || plan.uploadSlot == 1);
        }
    }

    void storedCaptions_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("letter") << 4 << QStringLiteral("\"A\"") << QByteArray("A");
        QTest::newRow("quote key") << 52 << QStringLiteral("\"\\\"\"") << QByteArray("' \"");
        QTest::newRow("escape kept") << 49 << QStringLiteral("\"\\\\|\"") << QByteArray("\\\\|");
        QTest::newRow("Fn") << -10 << QStringLiteral("\"Fn\"") << QByteArray("Fn");
    }
    void storedCaptions()
    {
        QFETCH(int, keyCode);
        QFETCH(QString, raw);
        QFETCH(QByteArray, stored);
        QCOMPARE(storedCaption(keyCode, raw), stored);
    }

    void paintedBoard()
    {
        grid cells;
        at(cells, 0, 0) = key(41, QStringLiteral("\"Esc\""), QColor(0, 0, 0));        // black: not stored
        at(cells, 2, 2) = key(26, QStringLiteral("\"W\""), QColor(255, 0, 0));
        at(cells, 3, 11) = key(52, QStringLiteral("\"\\\"\""), QColor(0, 0, 1, 128));  // alpha ignored
        at(cells, 5, 1) = key(-10, QStringLiteral("\"Fn\""), QColor(0, 9, 0));
        at(cells, 5, 2) = key(-20, QStringLiteral("\"FN1\""), QColor(9, 9, 9));         // other negative code
        at(cells, 4, 21) = key(0, QString(), QColor(1, 2, 3));                            // a coloured blank cell
        gridCell noKey;
        noKey.color = QColor(200, 200, 200);
        at(cells, 1, 5) = noKey;                                                          // no key button

        const QList<customLightKeyInfo> keys = paintedKeys(cells);
        struct Expected
        {
            QByteArray code, caption;
            int row, column, r, g, b;
        };
        const QList<Expected> expected = {{"26", "W", 2, 2, 255, 0, 0},
                                          {"52", "' \"", 3, 11, 0, 0, 1},
                                          {"0", "", 4, 21, 1, 2, 3},
                                          {"-10", "Fn", 5, 1, 0, 9, 0}};
        QCOMPARE(keys.size(), expected.size());
        for (int i = 0; i < keys.size(); ++i) {
            const customLightKeyInfo &k = keys[i];
            const Expected &e = expected[i];
            QCOMPARE(QByteArray(k.keyCode), e.code);
            QCOMPARE(QByteArray(k.codeName), e.caption);
            QCOMPARE(k.indexX, e.row);
            QCOMPARE(k.indexY, e.column);
            QCOMPARE(QList<int>({k.colorR, k.colorG, k.colorB}), QList<int>({e.r, e.g, e.b}));
            QCOMPARE(k.transparentNum, 128);
        }

        hidRgb colors[kKeyGridCells];
        reportColors(cells, colors);
        QCOMPARE(int(colors[2 * 22 + 2].r), 255);
        QCOMPARE(int(colors[3 * 22 + 11].b), 1);
        QCOMPARE(int(colors[5 * 22 + 2].g), 9);      // sent even where not stored
        const hidRgb none = colors[1 * 22 + 5];      // no key: black
        QCOMPARE(QList<int>({none.r, none.g, none.b}), QList<int>({0, 0, 0}));
        const hidRgb last = colors[131];
        QCOMPARE(QList<int>({last.r, last.g, last.b}), QList<int>({0, 0, 0}));
    }

    void cellsOnTheGrid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("onGrid");
        QTest::newRow("first") << 0 << 0 << true;
        QTest::newRow("last") << 5 << 21 << true;
        QTest::newRow("row -1") << -1 << 3 << false;
        QTest::newRow("row 6") << 6 << 3 << false;
        QTest::newRow("column -1") << 2 << -1 << false;
        QTest::newRow("column 22") << 2 << 22 << false;
    }
    void cellsOnTheGrid()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, onGrid);
        customLightKeyInfo k{};
        k.indexX = row;
        k.indexY = column;
        QCOMPARE(isOnGrid(k), onGrid);
    }
};

QTEST_APPLESS_MAIN(tst_CustomLightRules)
#include "tst_customlightrules.moc"
