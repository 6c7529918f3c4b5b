#include "ColorTables.h"

#include <QtTest>

#include <cmath>

using namespace ColorTables;

namespace {

// Read while this file's globals are constructed, before main(): the tables
// must already hold their colours then.
const QRgb kReadBeforeMain = trailColors.rgb(9) ^ waveLineColors104.rgb(24 + 12)
                             ^ radarColors21.rgb(18);

QString hex(QRgb v)
{
    return QString::asprintf("%06x", v & 0xffffff);
}

QStringList hexList(const ColorTable &t)
{
    QStringList out;
    for (int i = 0; i < t.size(); ++i)
        out << hex(t.rgb(i));
    return out;
}

// Full-saturation, full-value colour of a hue in degrees; a rising or falling
// channel is 255 times its fraction of the 60-degree segment, truncated.
QRgb hueColor(int hue)
{
    const int segment = hue / 60;
    const int rising = (hue % 60) * 255 / 60;
    const int falling = (60 - hue % 60) * 255 / 60;
    switch (segment) {
    case 0: return qRgb(255, rising, 0) & 0xffffff;
    case 1: return qRgb(falling, 255, 0) & 0xffffff;
    case 2: return qRgb(0, 255, rising) & 0xffffff;
    case 3: return qRgb(0, falling, 255) & 0xffffff;
    case 4: return qRgb(rising, 0, 255) & 0xffffff;
    default: return qRgb(255, 0, falling) & 0xffffff;
    }
}

QRgb masterCell(int row, int column)
{
    return radarMasterGrid.rgb(row * GridColumns + column);
}

} // namespace

Q_DECLARE_METATYPE(const ColorTable *)

class tst_ColorTables : public QObject
{
    Q_OBJECT

private slots:
    void builtBeforeMain();
    void sizes_data();
    void sizes();
    void everyEntryIsBlackWhiteOrPureHue();
    void readsOutsideAreBlack();

    void lineRainbowRules();
    void lineRainbowExamples();
    void wideRowsNeverReachBlackColumns();
    void centreRainbowRules();
    void centreRainbowExamples();
    void radarWindows_data();
    void radarWindows();
    void selectionByKeyCount_data();
    void selectionByKeyCount();

    void effectLists_data();
    void effectLists();
    void sideRamps();
    void sideWaveByModel_data();
    void sideWaveByModel();
    void numberedTables_data();
    void numberedTables();
    void numberedRampsAgreeWithNames();
};

void tst_ColorTables::builtBeforeMain()
{
    QCOMPARE(kReadBeforeMain, QRgb(0xff7f00 ^ 0x00ffff ^ masterCell(0, 8)));
}

void tst_ColorTables::sizes_data()
{
    QTest::addColumn<const ColorTable *>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("rowLength");

    struct Row { const char *name; const ColorTable *t; int size; int row; };
    const Row rows[] = {
        {"waveLineColors104", &waveLineColors104, 144, 24},
        {"waveLineColors108", &waveLineColors108, 144, 24},
        {"waveLineColors21", &waveLineColors21, 144, 24},
        {"waveLineColors98", &waveLineColors98, 144, 24},
        {"waveLineColors34", &waveLineColors34, 132, 22},
        {"waveLineColors61", &waveLineColors61, 132, 22},
        {"waveLineColors63", &waveLineColors63, 132, 22},
        {"waveLineColors68", &waveLineColors68, 132, 22},
        {"waveLineColors84", &waveLineColors84, 132, 22},
        {"waveLineColors87", &waveLineColors87, 132, 22},
        {"waveCentreColors104", &waveCentreColors104, 132, 22},
        {"waveCentreColors21", &waveCentreColors21, 132, 22},
        {"waveCentreColors98", &waveCentreColors98, 132, 22},
        {"waveCentreLadder", &waveCentreLadder, 12, 12},
        {"radarColors34", &radarColors34, 132, 22},
        {"radarColors87", &radarColors87, 132, 22},
        {"trailColors", &trailColors, 10, 10},
        {"collisionColors", &collisionColors, 8, 8},
        {"breathColors", &breathColors, 8, 8},
        {"twinkleColors", &twinkleColors, 9, 9},
        {"speedRespondColors", &speedRespondColors, 6, 6},
        {"musicBandColors", &musicBandColors, 11, 11},
        {"musicBandColors21", &musicBandColors21, 22, 22},
        {"musicBandColors34", &musicBandColors34, 11, 11},
        {"mouseWaveColors", &mouseWaveColors, 8, 8},
        {"mouseButtonColors", &mouseButtonColors, 8, 8},
        {"sideWaveColorsLindoque", &sideWaveColorsLindoque, 8, 8},
        {"sideWaveColorsPellumor", &sideWaveColorsPellumor, 14, 14},
        {"sideWaveColorsPyrralt", &sideWaveColorsPyrralt, 14, 14},
        {"sideWaveColorsCimmaro", &sideWaveColorsCimmaro, 16, 16},
        {"sideWaveColorsAvelorn", &sideWaveColorsAvelorn, 41, 41},
        {"sideWaveColorsOstrevi", &sideWaveColorsOstrevi, 33, 33},
        {"sideWaveColorsParvisso", &sideWaveColorsParvisso, 33, 33},
        {"sideWaveColorsUrrasque", &sideWaveColorsUrrasque, 49, 49},
        {"sideWaveColorsWolvarne", &sideWaveColorsWolvarne, 45, 45},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << r.t << r.size << r.row;
}

void tst_ColorTables::sizes()
{
    QFETCH(const ColorTable *, table);
    QFETCH(int, size);
    QFETCH(int, rowLength);
    QCOMPARE(table->size(), size);
    QCOMPARE(table->rowLength(), rowLength);
}

void tst_ColorTables::everyEntryIsBlackWhiteOrPureHue()
{
    for (int n = 0; n <= 52; ++n) {
        const ColorTable &t = colorTable(n);
        for (int i = 0; i < t.size(); ++i) {
            const QColor c = t.at(i);
            QCOMPARE(c.alpha(), 255);
            const int hi = qMax(c.red(), qMax(c.green(), c.blue()));
            const int lo = qMin(c.red(), qMin(c.green(), c.blue()));
            const bool ok = (hi == 0) || (lo == 255) || (hi == 255 && lo == 0);
            if (!ok)
                QFAIL(qPrintable(QStringLiteral("colorTable%1 entry %2 is %3").arg(n).arg(i).arg(hex(t.rgb(i)))));
        }
    }
}

void tst_ColorTables::readsOutsideAreBlack()
{
    QCOMPARE(trailColors.at(-1), QColor(0, 0, 0));
    QCOMPARE(trailColors.at(10), QColor(0, 0, 0));
    QCOMPARE(trailColors.at(9), QColor(255, 127, 0));
    QCOMPARE(waveCentreColors104.cell(6, 0), QColor(0, 0, 0));
    QCOMPARE(waveCentreColors104.cell(0, 22), QColor(0, 0, 0));
    QCOMPARE(waveCentreColors104.cell(-1, 3), QColor(0, 0, 0));
    QVERIFY(colorTable(31).isEmpty());
    QCOMPARE(colorTable(31).at(0), QColor(0, 0, 0));
}

void tst_ColorTables::lineRainbowRules()
{
    // Grid A, row 1: 15 degrees per column for columns 0..19, then 315 and 345.
    for (int c = 0; c < 22; ++c) {
        const int hue = c < 20 ? 15 * c : (c == 20 ? 315 : 345);
        QCOMPARE(hex(waveLineColors104.cell(1, c).rgb()), hex(hueColor(hue)));
        QCOMPARE(hex(waveLineColors34.cell(1, c).rgb()), hex(hueColor(hue)));
    }
    // Grid B, row 1: 20 degrees per column, every channel a multiple of 85;
    // columns 18..21 black on every row.
    for (int c = 0; c < 18; ++c) {
        QCOMPARE(hex(waveLineColors61.cell(1, c).rgb()), hex(hueColor(20 * c)));
        const QColor col = waveLineColors87.cell(1, c);
        QCOMPARE(col.red() % 85 + col.green() % 85 + col.blue() % 85, 0);
    }
    for (int r = 0; r < GridRows; ++r)
        for (int c = 18; c < 22; ++c)
            QCOMPARE(waveLineColors84.cell(r, c), QColor(0, 0, 0));
    // The 24-wide tables carry grid A, the 22-wide 34-key table the same grid.
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < 22; ++c)
            QCOMPARE(waveLineColors98.cell(r, c), waveLineColors34.cell(r, c));
}

void tst_ColorTables::lineRainbowExamples()
{
    QCOMPARE(hex(waveLineColors104.cell(1, 0).rgb()), QStringLiteral("ff0000"));
    QCOMPARE(hex(waveLineColors104.cell(1, 12).rgb()), QStringLiteral("00ffff"));
    QCOMPARE(hex(waveLineColors104.cell(1, 21).rgb()), QStringLiteral("ff003f"));
    QCOMPARE(hex(waveLineColors104.cell(0, 7).rgb()), QStringLiteral("5dff00"));
    QCOMPARE(hex(waveLineColors104.cell(5, 18).rgb()), QStringLiteral("9d00ff"));
    QCOMPARE(hex(waveLineColors63.cell(3, 13).rgb()), QStringLiteral("7d00ff"));

    // Up and down: grid row r takes table cell (1, 3 * (5 - r)).
    const QStringList gridA = {"ff0000", "ffbf00", "7fff00", "00ff3f", "00ffff", "003fff"};
    const QStringList gridB = {"ff0000", "ffff00", "00ff00", "00ffff", "0000ff", "ff00ff"};
    for (int i = 0; i < 6; ++i) {
        const int row = 5 - i;
        QCOMPARE(hex(waveLineColors104.cell(1, 3 * (5 - row)).rgb()), gridA.at(i));
        QCOMPARE(hex(waveLineColors61.cell(1, 3 * (5 - row)).rgb()), gridB.at(i));
    }
}

void tst_ColorTables::wideRowsNeverReachBlackColumns()
{
    for (const ColorTable *t : {&waveLineColors104, &waveLineColors108, &waveLineColors21, &waveLineColors98}) {
        for (int r = 0; r < GridRows; ++r) {
            QCOMPARE(t->cell(r, 21), QColor::fromRgb(hueColor(345)));
            QCOMPARE(t->rgb(r * 24 + 22), 0u);
            QCOMPARE(t->rgb(r * 24 + 23), 0u);
            QCOMPARE(t->cell(r, 22), QColor(0, 0, 0));
        }
    }
}

void tst_ColorTables::centreRainbowRules()
{
    // The ladder: 33 degrees per step, a last half step to 345.
    for (int i = 0; i < 12; ++i) {
        const int expected = i < 11 ? 33 * i : 345;
        QVERIFY2(qAbs(waveCentreLadder.at(i).hsvHue() - expected) <= 1,
                 qPrintable(QStringLiteral("step %1 hue %2").arg(i).arg(waveCentreLadder.at(i).hsvHue())));
    }
    // Every coloured cell of every centre table is a ladder step.
    for (int n = 0; n <= 9; ++n) {
        const ColorTable &t = colorTable(n);
        for (int i = 0; i < t.size(); ++i) {
            if (t.rgb(i) == 0)
                continue;
            bool found = false;
            for (int s = 0; s < 12; ++s)
                found = found || t.rgb(i) == waveCentreLadder.rgb(s);
            QVERIFY2(found, qPrintable(QStringLiteral("colorTable%1 entry %2").arg(n).arg(i)));
        }
    }
    // The 34-key pad shows the full board's centre: rows 0, 1, 2, 4, 5 are
    // the 104-key rows turned left by seven columns.
    for (int r : {0, 1, 2, 4, 5})
        for (int c = 0; c < 22; ++c)
            QCOMPARE(waveCentreColors34.cell(r, c), waveCentreColors104.cell(r, (c + 7) % 22));
}

void tst_ColorTables::centreRainbowExamples()
{
    QCOMPARE(hex(waveCentreColors104.cell(1, 10).rgb()), QStringLiteral("ff0000"));
    QCOMPARE(hex(waveCentreColors104.cell(1, 0).rgb()), QStringLiteral("ff0081"));
    QCOMPARE(waveCentreColors104.cell(0, 1), QColor(0, 0, 0));
    QCOMPARE(hex(waveCentreColors104.cell(0, 21).rgb()), QStringLiteral("ff003f"));

    // 108 keys: black exactly at (0, 1), (2, 13) and (4, 13).
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c) {
            const bool black = (r == 0 && c == 1) || (c == 13 && (r == 2 || r == 4));
            QCOMPARE(waveCentreColors108.cell(r, c) == QColor(0, 0, 0), black);
        }
    // The 21-key table shares the 108-key content, 68 the 61-key one.
    for (int i = 0; i < 132; ++i) {
        QCOMPARE(waveCentreColors21.rgb(i), waveCentreColors108.rgb(i));
        QCOMPARE(waveCentreColors68.rgb(i), waveCentreColors61.rgb(i));
    }
    QCOMPARE(waveCentreColors84.cell(3, 1), QColor(0, 0, 0));
    QCOMPARE(waveCentreColors87.cell(2, 13), QColor(0, 0, 0));
    QCOMPARE(hex(waveCentreColors98.cell(4, 13).rgb()), QStringLiteral("00ffbe"));
}

void tst_ColorTables::radarWindows_data()
{
    QTest::addColumn<int>("keyCount");
    for (int n : {104, 108, 21, 34, 61, 63, 68, 84, 87, 98})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void tst_ColorTables::radarWindows()
{
    QFETCH(int, keyCount);
    const ColorTable &t = radarColorsFor(keyCount);
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            QRgb expected = 0;
            switch (keyCount) {
            case 104: case 108: expected = masterCell(r, c); break;
            case 21: expected = c < 18 ? masterCell(r, c) : masterCell(r, c - 10); break;
            case 34: expected = c < 15 ? masterCell(r, c + 7) : masterCell(r, c - 15); break;
            case 61: case 63: case 68:
                expected = c < 19 ? masterCell(r == 0 ? 0 : r - 1, c + 3) : 0; break;
            case 84: expected = c < 19 ? masterCell(r, c + 3) : 0; break;
            case 87: case 98: expected = c < 20 ? masterCell(r, c + 2) : 0; break;
            }
            QCOMPARE(hex(t.cell(r, c).rgb()), hex(expected));
        }
    }
}

void tst_ColorTables::selectionByKeyCount_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("slot"); // position in the order 104, 108, 21, 34, 61, 63, 68, 84, 87, 98
    const int counts[] = {104, 108, 21, 34, 61, 63, 68, 84, 87, 98};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(qPrintable(QString::number(counts[i]))) << counts[i] << i;
    QTest::newRow("75 takes 104") << 75 << 0;
    QTest::newRow("0 takes 104") << 0 << 0;
    QTest::newRow("-3 takes 104") << -3 << 0;
}

void tst_ColorTables::selectionByKeyCount()
{
    QFETCH(int, keyCount);
    QFETCH(int, slot);
    QCOMPARE(&waveCentreColorsFor(keyCount), &colorTable(slot));
    QCOMPARE(&waveLineColorsFor(keyCount), &colorTable(10 + slot));
    QCOMPARE(&radarColorsFor(keyCount), &colorTable(40 + slot));
    const ColorTable *music = keyCount == 21 ? &musicBandColors21
                              : keyCount == 34 ? &musicBandColors34 : &musicBandColors;
    QCOMPARE(&musicBandColorsFor(keyCount), music);
}

void tst_ColorTables::effectLists_data()
{
    QTest::addColumn<const ColorTable *>("table");
    QTest::addColumn<QStringList>("colours");
    QTest::newRow("trail") << &trailColors
        << QStringList{"ff00ff", "bf00ff", "9600ff", "7f00ff", "007fff", "00ffbf", "00ff3f", "7fff00", "ffff00", "ff7f00"};
    QTest::newRow("collision") << &collisionColors
        << QStringList{"ff00ff", "7f00ff", "007fff", "00ffbf", "00ff3f", "ffff00", "ff7f00", "ff3f00"};
    QTest::newRow("breath") << &breathColors
        << QStringList{"ff0000", "ffff00", "00ff00", "00ffff", "0000ff", "ff00ff", "ffffff", "000000"};
    QTest::newRow("twinkle") << &twinkleColors
        << QStringList{"ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff", "ff00ff", "ffffff", "000000"};
    QTest::newRow("speed respond") << &speedRespondColors
        << QStringList{"ffff00", "00ff00", "00ffff", "0000ff", "ff00ff", "ff0000"};
    QTest::newRow("music") << &musicBandColors
        << QStringList{"ff0000", "ff8000", "ffff00", "80ff00", "00ff00", "00ff80", "00ffff", "0080ff", "0000ff", "8000ff", "ff00ff"};
    QStringList music21;
    for (int i = 0; i < 18; ++i)
        music21 << "000000";
    music21 << "ff0000" << "ffff00" << "00ffff" << "8000ff";
    QTest::newRow("music 21") << &musicBandColors21 << music21;
    QTest::newRow("music 34") << &musicBandColors34
        << QStringList{"ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff", "8000ff", "000000", "000000", "000000", "000000"};
    QTest::newRow("mouse wave") << &mouseWaveColors
        << QStringList{"ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "ff00ff", "8000ff", "0000ff"};
    QTest::newRow("mouse button") << &mouseButtonColors
        << QStringList{"ff8000", "ffff00", "00ff00", "00ffff", "0000ff", "8000ff", "ff00ff", "ff0000"};
    QTest::newRow("side Lindoque") << &sideWaveColorsLindoque
        << QStringList{"ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff", "8000ff", "ff00ff"};
    QTest::newRow("side Pellumor") << &sideWaveColorsPellumor
        << QStringList{"ff0000", "ff5500", "ffaa00", "ffff00", "7fff00", "00ff21", "00ffbf", "00ffff", "007fff", "0000ff", "5500ff", "ab00ff", "ff00bf", "ff0055"};
    const QStringList pyrralt = {"8000ff", "0000ff", "00ffff", "00ff00", "ffff00", "ff8000", "ff0000"};
    QStringList pyrraltAll = pyrralt;
    for (int i = pyrralt.size() - 1; i >= 0; --i)
        pyrraltAll << pyrralt.at(i);
    QTest::newRow("side Pyrralt") << &sideWaveColorsPyrralt << pyrraltAll;
    const QStringList cimmaro = {"8000ff", "0000ff", "0080ff", "00ffff", "00ff00", "ffff00", "ff8000", "ff0000"};
    QStringList cimmaroAll = cimmaro;
    for (int i = cimmaro.size() - 1; i >= 0; --i)
        cimmaroAll << cimmaro.at(i);
    QTest::newRow("side Cimmaro") << &sideWaveColorsCimmaro << cimmaroAll;
    const QStringList ostrevi = {"ff0000", "ff3f00", "ff7f00", "ffbf00", "ffff00", "bfff00", "7fff00", "3fff00",
                                 "00ff00", "00ff3f", "00ff7f", "00ffbf", "00ffff", "00bfff", "007fff", "003fff",
                                 "0000ff", "3f00ff", "7f00ff", "bf00ff", "ff00bf", "ff003f"};
    QTest::newRow("side Ostrevi") << &sideWaveColorsOstrevi << (ostrevi + ostrevi.mid(0, 11));
}

void tst_ColorTables::effectLists()
{
    QFETCH(const ColorTable *, table);
    QFETCH(QStringList, colours);
    QCOMPARE(hexList(*table), colours);
}

void tst_ColorTables::sideRamps()
{
    // Avelorn: six ramps of step 38, ending at ff0010.
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(6)), QStringLiteral("ffe400"));
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(7)), QStringLiteral("f6ff00"));
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(14)), QStringLiteral("00ff14"));
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(26)), QStringLiteral("0024ff"));
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(27)), QStringLiteral("0200ff"));
    QCOMPARE(hex(sideWaveColorsAvelorn.rgb(40)), QStringLiteral("ff0010"));
    // Parvisso: seven runs, back to red at entry 32.
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(4)), QStringLiteral("ffd000"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(9)), QStringLiteral("0cff00"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(13)), QStringLiteral("00ffd0"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(14)), QStringLiteral("00fffc"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(20)), QStringLiteral("0000ff"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(25)), QStringLiteral("d200ff"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(26)), QStringLiteral("ff00fc"));
    QCOMPARE(hex(sideWaveColorsParvisso.rgb(32)), QStringLiteral("ff0000"));
    // Urrasque: six ramps of step 31, ending at ff0030; Wolvarne its first 45.
    QCOMPARE(hex(sideWaveColorsUrrasque.rgb(8)), QStringLiteral("fff800"));
    QCOMPARE(hex(sideWaveColorsUrrasque.rgb(16)), QStringLiteral("10ff00"));
    QCOMPARE(hex(sideWaveColorsUrrasque.rgb(33)), QStringLiteral("0001ff"));
    QCOMPARE(hex(sideWaveColorsUrrasque.rgb(41)), QStringLiteral("f700ff"));
    QCOMPARE(hex(sideWaveColorsUrrasque.rgb(48)), QStringLiteral("ff0030"));
    for (int i = 0; i < 45; ++i)
        QCOMPARE(sideWaveColorsWolvarne.rgb(i), sideWaveColorsUrrasque.rgb(i));
    QCOMPARE(hexList(sideWaveColorsWolvarne).mid(42), (QStringList{"ff00ea", "ff00cb", "ff00ac"}));
    QCOMPARE(sideWaveColorsWolvarne.rgb(45), 0u); // never past its 45 entries
}

void tst_ColorTables::sideWaveByModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<const ColorTable *>("table");
    const ColorTable *none = nullptr;
    QTest::newRow("Lindoque") << "Lindoque" << &sideWaveColorsLindoque;
    QTest::newRow("Pellumor") << "Pellumor" << &sideWaveColorsPellumor;
    QTest::newRow("Cendrow") << "Cendrow" << &sideWaveColorsPyrralt;
    QTest::newRow("Corvenne") << "Corvenne" << &sideWaveColorsCimmaro;
    QTest::newRow("Ulvarine") << "Ulvarine" << &sideWaveColorsParvisso;
    QTest::newRow("Wolvarne") << "Wolvarne" << &sideWaveColorsWolvarne;
    QTest::newRow("Avelorn") << "Avelorn" << &sideWaveColorsAvelorn;
    QTest::newRow("Ostrevi") << "Ostrevi" << &sideWaveColorsOstrevi;
    QTest::newRow("Urrasque") << "Urrasque" << &sideWaveColorsUrrasque;
    QTest::newRow("other case") << "lindoque" << none;
    QTest::newRow("prefix") << "Lindoque2" << none;
    QTest::newRow("model without gradient") << "Varrowen" << none;
    QTest::newRow("empty") << "" << none;
}

void tst_ColorTables::sideWaveByModel()
{
    QFETCH(QString, model);
    QFETCH(const ColorTable *, table);
    const ColorTable &found = sideWaveColorsFor(model);
    if (table)
        QCOMPARE(&found, table);
    else
        QVERIFY(found.isEmpty());
}

void tst_ColorTables::numberedTables_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<const ColorTable *>("table");
    const ColorTable *none = nullptr;
    const ColorTable *centre[] = {&waveCentreColors104, &waveCentreColors108, &waveCentreColors21,
                                  &waveCentreColors34, &waveCentreColors61, &waveCentreColors63,
                                  &waveCentreColors68, &waveCentreColors84, &waveCentreColors87,
                                  &waveCentreColors98};
    const ColorTable *radar[] = {&radarColors104, &radarColors108, &radarColors21, &radarColors34,
                                 &radarColors61, &radarColors63, &radarColors68, &radarColors84,
                                 &radarColors87, &radarColors98};
    for (int i = 0; i < 10; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("colorTable%1").arg(i))) << i << centre[i];
        QTest::newRow(qPrintable(QStringLiteral("colorTable%1").arg(40 + i))) << 40 + i << radar[i];
    }
    const ColorTable *line[] = {&waveLineColors104, &waveLineColors108, &waveLineColors21,
                                &waveLineColors34, &waveLineColors61, &waveLineColors63,
                                &waveLineColors68, &waveLineColors84, &waveLineColors87,
                                &waveLineColors98};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(qPrintable(QStringLiteral("colorTable%1").arg(10 + i))) << 10 + i << line[i];
    const ColorTable *rest[] = {&mouseWaveColors, &sideWaveColorsLindoque, &sideWaveColorsPellumor,
                                &sideWaveColorsPyrralt, &sideWaveColorsCimmaro, &sideWaveColorsAvelorn,
                                &sideWaveColorsOstrevi, &sideWaveColorsParvisso, &sideWaveColorsUrrasque,
                                &sideWaveColorsWolvarne, &trailColors, none, &musicBandColors, none,
                                &musicBandColors21, &musicBandColors34, none, &twinkleColors,
                                &breathColors, none};
    for (int i = 0; i < 20; ++i)
        QTest::newRow(qPrintable(QStringLiteral("colorTable%1").arg(20 + i))) << 20 + i << rest[i];
    QTest::newRow("colorTable50") << 50 << &speedRespondColors;
    QTest::newRow("colorTable51") << 51 << &mouseButtonColors;
    QTest::newRow("colorTable52") << 52 << &collisionColors;
    QTest::newRow("-1") << -1 << none;
    QTest::newRow("53") << 53 << none;
}

void tst_ColorTables::numberedTables()
{
    QFETCH(int, number);
    QFETCH(const ColorTable *, table);
    if (table)
        QCOMPARE(&colorTable(number), table);
    else
        QVERIFY(colorTable(number).isEmpty());
}

// The numbered tables as the engines describe them, rebuilt from their own
// formulas: the mapping and the ramps must agree.
void tst_ColorTables::numberedRampsAgreeWithNames()
{
    auto expectList = [](int number, const QVector<QRgb> &values) {
        const ColorTable &t = colorTable(number);
        QCOMPARE(t.size(), values.size());
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(hex(t.rgb(i)), hex(values.at(i)));
    };
    auto rgb = [](int r, int g, int b) { return QRgb((r << 16) | (g << 8) | b); };

    QVector<QRgb> t25;
    for (int i = 0; i <= 6; ++i) t25 << rgb(255, 38 * i, 0);
    for (int i = 0; i <= 6; ++i) t25 << rgb(246 - 38 * i, 255, 0);
    for (int i = 0; i <= 6; ++i) t25 << rgb(0, 255, 38 * i + 20);
    for (int i = 0; i <= 5; ++i) t25 << rgb(0, 226 - 38 * i, 255);
    for (int i = 0; i <= 6; ++i) t25 << rgb(38 * i + 2, 0, 255);
    for (int i = 0; i <= 6; ++i) t25 << rgb(255, 0, 244 - 38 * i);
    expectList(25, t25);

    QVector<QRgb> t26;
    auto ramp26 = [&](bool full) {
        t26 << rgb(255, 0, 0);
        for (int i = 0; i <= 3; ++i) t26 << rgb(255, 64 * i + 63, 0);
        t26 << rgb(191, 255, 0) << rgb(127, 255, 0) << rgb(63, 255, 0) << rgb(0, 255, 0);
        if (!full)
            return;
        for (int i = 0; i <= 3; ++i) t26 << rgb(0, 255, 64 * i + 63);
        t26 << rgb(0, 191, 255) << rgb(0, 127, 255) << rgb(0, 63, 255) << rgb(0, 0, 255)
            << rgb(63, 0, 255) << rgb(127, 0, 255) << rgb(191, 0, 255) << rgb(255, 0, 191)
            << rgb(255, 0, 63);
    };
    ramp26(true);
    ramp26(false);
    t26 << rgb(0, 255, 63) << rgb(0, 255, 127);
    expectList(26, t26);

    QVector<QRgb> t27;
    for (int i = 0; i <= 4; ++i) t27 << rgb(255, 52 * i, 0);
    t27 << rgb(252, 255, 0) << rgb(200, 255, 0) << rgb(116, 255, 0) << rgb(64, 255, 0) << rgb(12, 255, 0);
    for (int i = 0; i <= 3; ++i) t27 << rgb(0, 255, 52 * i + 52);
    t27 << rgb(0, 255, 252);
    for (int i = 0; i <= 5; ++i) t27 << rgb(0, 210 - 42 * i, 255);
    for (int i = 0; i <= 4; ++i) t27 << rgb(42 * i + 42, 0, 255);
    for (int i = 0; i <= 6; ++i) t27 << rgb(255, 0, 252 - 42 * i);
    expectList(27, t27);

    QVector<QRgb> t28;
    for (int i = 0; i <= 8; ++i) t28 << rgb(255, 31 * i, 0);
    for (int i = 0; i <= 7; ++i) t28 << rgb(233 - 31 * i, 255, 0);
    for (int i = 0; i <= 7; ++i) t28 << rgb(0, 255, 31 * i + 15);
    for (int i = 0; i <= 8; ++i) t28 << rgb(0, 249 - 31 * i, 255);
    for (int i = 0; i <= 7; ++i) t28 << rgb(31 * i + 30, 0, 255);
    for (int i = 0; i <= 6; ++i) t28 << rgb(255, 0, 234 - 31 * i);
    expectList(28, t28);
    expectList(29, t28.mid(0, 45));

    // colorTable30: hues 300, 285, 275, 270, 210, 165, 135, 90, 60, 30.
    expectList(30, {rgb(255, 0, 255), rgb(191, 0, 255), rgb(150, 0, 255), rgb(127, 0, 255),
                    rgb(0, 127, 255), rgb(0, 255, 191), rgb(0, 255, 63), rgb(127, 255, 0),
                    rgb(255, 255, 0), rgb(255, 127, 0)});
    // colorTable40..49 centre on row 5, column 10 (hue 0) for the full board.
    QCOMPARE(hex(colorTable(40).rgb(5 * 22 + 10)), QStringLiteral("ff0000"));
}

QTEST_GUILESS_MAIN(tst_ColorTables)
#include "tst_colortables.moc"
