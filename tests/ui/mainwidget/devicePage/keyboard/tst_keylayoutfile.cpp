#include "KeyLayoutFile.h"
#include "layoutText.h"

#include <QtTest>
#include <QTemporaryDir>
#include <QTextCodec>

#include <memory>

using namespace layoutText;

class tst_KeyLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void readsGridCellsByArrayPosition();
    void leadingZeroNumbers();
    void captionRule_data();
    void captionRule();
    void gbkCaptionUnderUtf8Locale();
    void sideLights_data();
    void sideLights();
    void tooManySideLightsAreCapped();
    void extraRowOfNationalKeys();
    void longRowIsCutAtTheGrid();
    void shortRowLeavesEmptyCells();
    void missingMembersReadZero();
    void missingRowIsSkipped();
    void enterNotchByShape_data();
    void enterNotchByShape();
    void missingFileBuildsNothing();
    void notJsonBuildsNothing_data();
    void notJsonBuildsNothing();
};

void tst_KeyLayoutFile::readsGridCellsByArrayPosition()
{
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), gridRows()})));
    QVERIFY(layout.isLoaded());
    QCOMPARE(layout.keyCount(), 132);
    const KeyLayoutFile::KeyCell &c = layout.cell(2, 5);
    QCOMPARE(c.dec, 10 + 22 * 2 + 5);
    QCOMPARE(c.posX, 150);
    QCOMPARE(c.posY, 90);
    QCOMPARE(c.width, 27);
    QCOMPARE(c.qtDec, 70);
    QCOMPARE(c.rawCaption, QStringLiteral("\"K59\""));
    QCOMPARE(c.caption, QStringLiteral("K59"));
    QCOMPARE(layout.header().keyboardIntroduction, QStringLiteral("104Key"));
    QCOMPARE(layout.header().supportOnboard, 1);
    // Outside the grid: an empty cell, never foreign memory.
    QVERIFY(layout.cell(6, 0).isEmpty());
    QVERIFY(layout.cell(0, 22).isEmpty());
    QVERIFY(layout.cell(-1, -1).isEmpty());
}

void tst_KeyLayoutFile::leadingZeroNumbers()
{
    QList<QByteArray> cells = emptyRow();
    cells[0] = "{\"PosX\":-1, \"PosY\":-1, \"Width\":00, \"Height\":00, \"Dec\":00, \"qtDec\":00, \"Character\":\"-\"}";
    cells[1] = "{\"PosX\":012, \"PosY\":007, \"Width\":027, \"Height\":027, \"Dec\":041, \"qtDec\":027, \"Character\":\"Esc\"}";
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), row(1, cells)})));
    QVERIFY(layout.cell(0, 0).isEmpty());
    QCOMPARE(layout.cell(0, 0).width, 0);
    QCOMPARE(layout.cell(0, 0).height, 0);
    QCOMPARE(layout.cell(0, 1).posX, 12); // decimal, not octal
    QCOMPARE(layout.cell(0, 1).posY, 7);
    QCOMPARE(layout.cell(0, 1).dec, 41);
    QCOMPARE(layout.cell(0, 1).qtDec, 27);
    QCOMPARE(layout.keyCount(), 1);
}

void tst_KeyLayoutFile::captionRule_data()
{
    QTest::addColumn<QByteArray>("characterJson");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain") << QByteArray("\"Esc\"") << 41 << QStringLiteral("\"Esc\"") << QStringLiteral("Esc");
    // A double quote stands for the caption's backslash.
    QTest::newRow("backslash key") << QByteArray("\"\\\"|\"") << 49 << QStringLiteral("\"\\\"|\"")
                                   << QStringLiteral("\\|");
    QTest::newRow("apostrophe key") << QByteArray("\"\\\"\"") << 52 << QStringLiteral("\"\\\"\"")
                                    << QStringLiteral("' \"");
    QTest::newRow("apostrophe alias") << QByteArray("\"x\"") << 504 << QStringLiteral("\"x\"")
                                      << QStringLiteral("' \"");
    QTest::newRow("hanja") << QByteArray("\"Hanja\"") << 145 << QStringLiteral("\"Hanja\"")
                           << QStringLiteral("한자");
    QTest::newRow("han/yeong") << QByteArray("\"HanYeong\"") << 144 << QStringLiteral("\"HanYeong\"")
                               << QStringLiteral("한영");
    QTest::newRow("real backslash doubles") << QByteArray("\"a\\\\b\"") << 100 << QStringLiteral("\"a\\\\b\"")
                                            << QStringLiteral("a\\\\b");
    QTest::newRow("tab escaped") << QByteArray("\"\\t\"") << 43 << QStringLiteral("\"\\t\"")
                                 << QStringLiteral("\\t");
    QTest::newRow("control as \\u") << QByteArray("\"\\u0001\"") << 7 << QStringLiteral("\"\\u0001\"")
                                    << QStringLiteral("\\u0001");
    QTest::newRow("missing text") << QByteArray("12") << 9 << QStringLiteral("\"\"") << QString();
    // minus, double quote, ro (GBK a4ed)
    QTest::newRow("minus quote ro") << QByteArray("\"-\\\"\xa4\xed\"") << 135
                                    << QStringLiteral("\"-\\\"\u308d\"") << QStringLiteral("-\\\u308d");
}

void tst_KeyLayoutFile::captionRule()
{
    QFETCH(QByteArray, characterJson);
    QFETCH(int, code);
    QFETCH(QString, raw);
    QFETCH(QString, caption);
    QList<QByteArray> cells = emptyRow();
    cells[3] = keyCell(0, 0, 27, 27, code, 1, characterJson);
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), row(4, cells)})));
    QCOMPARE(layout.cell(3, 3).rawCaption, raw);
    QCOMPARE(layout.cell(3, 3).caption, caption);
}

void tst_KeyLayoutFile::gbkCaptionUnderUtf8Locale()
{
    QTextCodec *const previous = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    // "変換" in GBK; as UTF-8 these bytes are not even valid text.
    const QByteArray gbk("\x89\xe4\x93\x51");
    QVERIFY(QString::fromLocal8Bit(gbk) != QStringLiteral("\u5909\u63db"));
    QList<QByteArray> cells = emptyRow();
    cells[0] = keyCell(0, 0, 40, 33, 138, 28, "\"" + gbk + "\"");
    KeyLayoutFile layout;
    const bool ok = layout.parse(document({defaultHeader(), row(6, cells), row(7, {cells[0]})}));
    QTextCodec::setCodecForLocale(previous);
    QVERIFY(ok);
    QCOMPARE(layout.cell(5, 0).caption, QStringLiteral("\u5909\u63db"));
    QCOMPARE(layout.extraKeys().size(), 1);
    QCOMPARE(layout.extraKeys().at(0).caption, QStringLiteral("\u5909\u63db"));
}

void tst_KeyLayoutFile::sideLights_data()
{
    QTest::addColumn<int>("sideLightHave");
    QTest::addColumn<int>("expected");
    QTest::newRow("flag 1") << 1 << 33;
    QTest::newRow("flag 0 with a side row present") << 0 << 0;
    QTest::newRow("flag 2") << 2 << 0;
}

void tst_KeyLayoutFile::sideLights()
{
    QFETCH(int, sideLightHave);
    QFETCH(int, expected);
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(sideLightHave), row(0, sideLightRow(33)), gridRows()})));
    QCOMPARE(layout.hasSideLights(), expected > 0);
    QCOMPARE(layout.sideLights().size(), expected);
    if (expected) {
        const KeyLayoutFile::SideLight &first = layout.sideLights().at(0);
        QCOMPARE(first.index, 1);
        QCOMPARE(first.validStatus, 1);
        QCOMPARE(first.posX, -12);
        QCOMPARE(first.width, 10);
        QCOMPARE(first.height, 31);
        QCOMPARE(first.sidePosition, 1);
        QCOMPARE(first.mark, QStringLiteral("0x01"));
        QCOMPARE(layout.sideLights().at(32).index, 33);
        QCOMPARE(layout.sideLights().at(1).validStatus, 0);
    }
    QCOMPARE(layout.keyCount(), 132);
}

void tst_KeyLayoutFile::tooManySideLightsAreCapped()
{
    KeyLayoutFile layout;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("side lights"));
    QVERIFY(layout.parse(document({defaultHeader(1), row(0, sideLightRow(75)), gridRows()})));
    QCOMPARE(layout.sideLights().size(), KeyLayoutFile::MaxSideLights);
    QCOMPARE(layout.sideLights().last().index, 60);
}

void tst_KeyLayoutFile::extraRowOfNationalKeys()
{
    KeyLayoutFile layout;
    const QList<QByteArray> extras = {keyCell(0, 238, 40, 33, 137, 220, "\"Yen\""),
                                      keyCell(0, 238, 30, 33, 50, 222, "\"#~\"")};
    QVERIFY(layout.parse(document({defaultHeader(), gridRows(), row(7, extras)})));
    QCOMPARE(layout.extraKeys().size(), 2);
    QCOMPARE(layout.extraKeys().at(0).dec, 137);
    QCOMPARE(layout.extraKeys().at(1).width, 30);
    // They have no grid cell.
    QCOMPARE(layout.keyCount(), 132);
    KeyLayoutFile without;
    QVERIFY(without.parse(document({defaultHeader(), gridRows()})));
    QVERIFY(without.extraKeys().isEmpty());
}

void tst_KeyLayoutFile::longRowIsCutAtTheGrid()
{
    // The over-long row is the last grid row, so a cell written past the grid
    // would land on the members after it (side lights, national keys), which
    // are then checked. On the heap, so ASan sees such a write too.
    QList<QByteArray> rows;
    for (int r = 1; r <= 6; ++r)
        rows << row(r, keyRow(r == 6 ? 23 : 22, 100 * r));
    const QList<QByteArray> extras = {keyCell(0, 238, 40, 33, 137, 220, "\"Yen\"")};
    auto layout = std::make_unique<KeyLayoutFile>();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row 6 has 23 cells"));
    QVERIFY(layout->parse(document({defaultHeader(1), row(0, sideLightRow(3)), rows.join(",\r\n"),
                                    row(7, extras)})));
    QCOMPARE(layout->cell(5, 21).dec, 621);
    QCOMPARE(layout->rowCellCount(5), 22);
    QCOMPARE(layout->keyCount(), 132);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 22; ++c)
            QVERIFY(layout->cell(r, c).dec != 622);

    QCOMPARE(layout->sideLights().size(), 3);
    QCOMPARE(layout->sideLights().at(0).index, 1);
    QCOMPARE(layout->sideLights().at(2).index, 3);
    QCOMPARE(layout->extraKeys().size(), 1);
    QCOMPARE(layout->extraKeys().at(0).dec, 137);
    QCOMPARE(layout->extraKeys().at(0).caption, QStringLiteral("Yen"));
}

void tst_KeyLayoutFile::shortRowLeavesEmptyCells()
{
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), row(2, keyRow(5, 1)), row(3, emptyRow())})));
    QCOMPARE(layout.cell(1, 4).dec, 5);
    QVERIFY(layout.cell(1, 5).isEmpty());
    QCOMPARE(layout.cell(1, 5).posX, -1);
    QCOMPARE(layout.keyCount(), 5);
    // Cells the row lacks are not in the file; written empty cells are.
    QCOMPARE(layout.rowCellCount(1), 5);
    QCOMPARE(layout.rowCellCount(2), 22);
    QCOMPARE(layout.rowCellCount(0), 0);
    QCOMPARE(layout.rowCellCount(6), 0);
}

void tst_KeyLayoutFile::missingMembersReadZero()
{
    QList<QByteArray> cells = emptyRow();
    cells[0] = "{\"PosY\":5, \"Width\":27, \"Height\":27, \"Dec\":41, \"Character\":\"Esc\"}";
    cells[1] = "{\"PosX\":\"30\", \"PosY\":5, \"Width\":27, \"Height\":27, \"Dec\":58, \"qtDec\":112}";
    cells[2] = "7"; // not an object at all
    cells[3] = "{\"PosX\":90, \"Dec\":60, \"qtDec\":null, \"Character\":null}";
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({header("\"KeyboardIntroduction\":\"87Key\", \"specialEnterKey\":1"),
                                   row(1, cells)})));
    QCOMPARE(layout.header().keyboardIntroduction, QStringLiteral("87Key"));
    QCOMPARE(layout.header().sideLightHave, 0);
    QCOMPARE(layout.header().supportOnboard, 0);
    QCOMPARE(layout.header().specialEnterKey, 1);
    QCOMPARE(layout.header().showOnboardSelect, 0);
    QCOMPARE(layout.header().specialEnterKeyShape, 0);
    QCOMPARE(layout.header().sideLightNum, 0);

    QCOMPARE(layout.cell(0, 0).posX, 0);
    QCOMPARE(layout.cell(0, 0).qtDec, 0);
    QCOMPARE(layout.cell(0, 0).dec, 41);
    QCOMPARE(layout.cell(0, 1).posX, 0); // a text is no number
    QCOMPARE(layout.cell(0, 1).caption, QString());
    QVERIFY(layout.cell(0, 2).isEmpty());
    QCOMPARE(layout.cell(0, 2).posX, 0);
    QCOMPARE(layout.cell(0, 3).dec, 60);
    QCOMPARE(layout.cell(0, 3).width, 0);
    QCOMPARE(layout.cell(0, 3).qtDec, 0);
    QCOMPARE(layout.cell(0, 3).caption, QString());

    KeyLayoutFile noHeader;
    QVERIFY(noHeader.parse(document({row(1, keyRow(22, 1))})));
    QCOMPARE(noHeader.header().sideLightHave, 0);
    QCOMPARE(noHeader.keyCount(), 22);
}

void tst_KeyLayoutFile::missingRowIsSkipped()
{
    QList<QByteArray> rows;
    for (int r : {1, 2, 4, 5, 6})
        rows << row(r, keyRow(22, 100 * r));
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), rows.join(",\r\n"),
                                   "\t\"EveryKeyInfo_Row03\":{\"PosX\":1}"})));
    QCOMPARE(layout.keyCount(), 110);
    QVERIFY(layout.cell(2, 0).isEmpty());
    QCOMPARE(layout.cell(3, 0).dec, 400);
}

void tst_KeyLayoutFile::enterNotchByShape_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("notch");
    QTest::newRow("shape 0") << 0 << QPoint(9, 23);
    QTest::newRow("shape 1") << 1 << QPoint(10, 30);
}

void tst_KeyLayoutFile::enterNotchByShape()
{
    QFETCH(int, shape);
    QFETCH(QPoint, notch);
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(0, 1, shape), gridRows()})));
    QVERIFY(layout.hasSpecialEnter());
    QCOMPARE(layout.enterNotch(), notch);
}

void tst_KeyLayoutFile::missingFileBuildsNothing()
{
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(1), row(0, sideLightRow(3)), gridRows()})));
    QTest::ignoreMessage(QtDebugMsg,
                         "------------------------ loadKeyboardInfo => fp == NULL -------------------------");
    QVERIFY(!layout.load(QStringLiteral("/nonexistent/KeyInfo_Nobody.config")));
    QVERIFY(!layout.isLoaded());
    QCOMPARE(layout.keyCount(), 0);
    QVERIFY(layout.sideLights().isEmpty());
    QCOMPARE(layout.header().sideLightHave, 0);
}

void tst_KeyLayoutFile::notJsonBuildsNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("words") << QByteArray("this is not a layout");
    QTest::newRow("cut short") << document({defaultHeader(), gridRows()}).left(500);
    QTest::newRow("top level array") << QByteArray("[1, 2, 3]");
}

void tst_KeyLayoutFile::notJsonBuildsNothing()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(KeyLayoutFile::fileNameForModel(QStringLiteral("Broken")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    KeyLayoutFile layout;
    QVERIFY(layout.parse(document({defaultHeader(), gridRows()})));
    QVERIFY(!layout.load(path));
    QVERIFY(!layout.isLoaded());
    QCOMPARE(layout.keyCount(), 0);
}

QTEST_GUILESS_MAIN(tst_KeyLayoutFile)
#include "tst_keylayoutfile.moc"
