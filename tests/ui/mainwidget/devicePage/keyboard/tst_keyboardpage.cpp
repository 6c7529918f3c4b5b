#include "ArrowWidget.h"
#include "DDataManager.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "buildUpColorShowArea.h"
#include "dragShowArea.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "keyboardViewFixture.h"
#include "layoutText.h"
#include "sideLightButtonCustom.h"

#include <QtTest>
#include <QApplication>
#include <QLabel>
#include <QPointer>

using namespace keyboardViewFixture;
using namespace layoutText;

namespace {

// A small board. Picture coordinates; a key is caught by the rubber band
// when the point 20 pixels right of and below its corner is in the band:
// Esc (30, 30), A (70, 30), B (110, 30), apostrophe (30, 80), C (70, 80),
// Enter (110, 80). Row 1 is short: its cells past the seventh stay null.
QByteArray smallBoard(const QByteArray &introduction = "104Key", int specialEnter = 0, int shape = 0)
{
    const QList<QByteArray> row1 = {key(10, 10, 30, 30, 41, "Esc"),  key(50, 10, 30, 30, 4, "A"),
                                    key(90, 10, 30, 30, 5, "B"),     key(130, 10, 30, 30, -10, "Fn"),
                                    key(170, 10, 30, 30, 38, "9("),  key(210, 10, 30, 30, 39, "0)"),
                                    emptyCell()};
    QList<QByteArray> row2 = emptyRow();
    row2[0] = keyCell(10, 60, 30, 30, 52, 222, "\"\\\"\""); // a lone double quote
    row2[1] = key(50, 60, 30, 30, 6, "C");
    row2[2] = key(90, 60, 50, 40, 40, "Enter");
    return document({defaultHeader(0, specialEnter, shape, introduction), row(1, row1), row(2, row2)});
}

keyboardButCustom *keyByCode(const keyboardPage &view, int code)
{
    return view.getKeyButtonMap().value(code);
}

QList<int> codesOf(const QList<keyboardButCustom *> &keys)
{
    QList<int> codes;
    for (keyboardButCustom *k : keys)
        codes << k->getKeyCode();
    std::sort(codes.begin(), codes.end());
    return codes;
}

QList<int> selectedCodes(const keyboardPage &view)
{
    QList<keyboardButCustom *> selected;
    for (keyboardButCustom *k : view.getKeyButtonMap())
        if (k->isSelected())
            selected << k;
    return codesOf(selected);
}

// A press, two moves with the left button held, a release.
void dragBand(QWidget *band, const QPoint &from, const QPoint &to, bool release = true)
{
    sendMouse(band, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(band, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(band, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    if (release)
        sendMouse(band, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// The view shown as the lighting page's Custom effect shows it.
bool showForBand(keyboardPage &view)
{
    view.setKeyClickLocked(true);
    view.setCustomLightMode(true);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

} // namespace

class tst_KeyboardPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void shippedModels_data();
    void shippedModels();
    void modelMissingFromTableKeepsSize();
    void badLayoutBuildsNothing_data();
    void badLayoutBuildsNothing();
    void shortRowCellsStayNull();
    void keyMapKeepsLastOfDuplicateCodes();
    void sideLights_data();
    void sideLights();
    void enterNotch_data();
    void enterNotch();
    void clicks_data();
    void clicks();
    void frameModeAndCurrentKey();
    void customLightMode();
    void rubberBand_data();
    void rubberBand();
    void bandThatCatchesNothingClearsSelection();
    void selectedKeysColor();
    void gradientStripStaysHidden();
    void keyTipOneAtATime();
    void keyTipCaptions_data();
    void keyTipCaptions();
    void keyTipReadableInEveryTheme_data();
    void keyTipReadableInEveryTheme();
    void keyTipsNotWhileLocked();
    void hideKeyTipsLeavesNoDanglingTip();
    void viewDeletesTipsLeftOnItsList();
    void pictureShows();
    void missingPictureLeavesFrameEmpty();
    void themeChangeRecoloursKeysAndBand();
};

void tst_KeyboardPage::initTestCase()
{
    QVERIFY(keyboardViewFixture::installShippedModels());
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_KeyboardPage::cleanup()
{
    DDataManager::instance()->loadThemeConfig(0);
    QVERIFY(shownKeyTips().isEmpty());
}

void tst_KeyboardPage::shippedModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QSize>("viewSize");
    QTest::addColumn<int>("keyNum");
    for (const hidModelInfo &m : keyboardViewFixture::shippedModels())
        QTest::newRow(m.hidName) << QString::fromUtf8(m.hidName) << QSize(m.SizeWidth + 20, m.SizeHeight + 20)
                                 << int(m.keyNum);
}

void tst_KeyboardPage::shippedModels()
{
    QFETCH(QString, model);
    QFETCH(QSize, viewSize);
    QFETCH(int, keyNum);

    keyboardPage view;
    QCOMPARE(view.size(), QSize(720, 230));
    QSignalSpy loaded(&view, &keyboardPage::sigKeyboardAlreadyLoad);
    view.setKeyboardName(model);
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(view.size(), viewSize);
    QCOMPARE(view.minimumSize(), viewSize);
    QCOMPARE(view.maximumSize(), viewSize);

    KeyLayoutFile layout;
    const ReadOnlyDataFile file(KeyLayoutFile::fileNameForModel(model), false);
    QVERIFY(layout.load(file.path()));
    QCOMPARE(view.hasSideLights(), layout.hasSideLights());
    QCOMPARE(view.supportsOnboard(), layout.header().supportOnboard == 1);

    int keys = 0;
    for (int r = 0; r < keyboardPage::RowCount; ++r) {
        for (int c = 0; c < keyboardPage::ColumnCount; ++c) {
            keyboardButCustom *key = view.keyButtonGrid[r][c];
            if (c >= layout.rowCellCount(r)) {
                QVERIFY(!key);
                continue;
            }
            QVERIFY(key);
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, c);
            QCOMPARE(key->parentWidget(), &view);
            QCOMPARE(key->geometry(), QRect(cell.posX + 10, cell.posY + 10, cell.width, cell.height));
            QCOMPARE(key->getPosX(), cell.posX + 10);
            QCOMPARE(key->getPosY(), cell.posY + 10);
            QCOMPARE(key->getRow(), r);
            QCOMPARE(key->getColumn(), c);
            QCOMPARE(key->getKeyCode(), cell.dec);
            QCOMPARE(key->getKeyText(), cell.rawCaption);
            QVERIFY(!key->isSelected());
            if (!cell.isEmpty()) {
                ++keys;
                QCOMPARE(view.getKeyButtonMap().value(cell.dec), key);
            }
        }
    }
    QCOMPARE(keys, keyNum);

    const QList<sideLightButtonCustom *> lights = view.getSideLightButtons();
    QCOMPARE(lights.size(), layout.sideLights().size());
    for (int i = 0; i < lights.size(); ++i) {
        const KeyLayoutFile::SideLight &led = layout.sideLights().at(i);
        QCOMPARE(lights[i]->getIndex(), led.index);
        QCOMPARE(lights[i]->getValidStatus(), led.validStatus);
        QCOMPARE(lights[i]->geometry(), QRect(led.posX + 10, led.posY + 10, led.width, led.height));
        QVERIFY(lights[i]->isHidden());
    }
}

void tst_KeyboardPage::modelMissingFromTableKeepsSize()
{
    const QMap<QString, hidModelInfo> shipped = DDataManager::instance()->getHidModelMap();
    QMap<QString, hidModelInfo> without = shipped;
    without.remove(QStringLiteral("Rosquine"));
    DDataManager::instance()->setHidModelMap(without);
    keyboardPage view;
    QSignalSpy loaded(&view, &keyboardPage::sigKeyboardAlreadyLoad);
    view.setKeyboardName(QStringLiteral("Rosquine"));
    DDataManager::instance()->setHidModelMap(shipped);
    QCOMPARE(view.size(), QSize(720, 230));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(view.getKeyButtonMap().size(), 105); // 104 keys and the empty cell
}

void tst_KeyboardPage::badLayoutBuildsNothing_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("no layout file") << QStringLiteral("Nobody") << QByteArray();
    QTest::newRow("not JSON") << QString() << QByteArray("{\"Keyboard\": {\"sideLightHave\": 1");
    QTest::newRow("empty text") << QString() << QByteArray();
}

void tst_KeyboardPage::badLayoutBuildsNothing()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, text);
    keyboardPage view;
    QSignalSpy loaded(&view, &keyboardPage::sigKeyboardAlreadyLoad);
    if (!model.isEmpty()) {
        QTest::ignoreMessage(QtDebugMsg,
                             "------------------------ loadKeyboardInfo => fp == NULL -------------------------");
        view.setKeyboardName(model);
    } else {
        view.parseKeyboardInfo(text);
    }
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(view.size(), QSize(720, 230));
    QVERIFY(view.getKeyButtonMap().isEmpty());
    QVERIFY(view.getSideLightButtons().isEmpty());
    QVERIFY(!view.hasSideLights());
    for (auto &row : view.keyButtonGrid)
        for (keyboardButCustom *key : row)
            QVERIFY(!key);
    QVERIFY(view.findChildren<keyboardButCustom *>().isEmpty());
    // Everything that walks the buttons copes with none.
    view.updateTheme();
    view.setKeyFrameMode(true, true);
    view.setCustomLightMode(true);
    view.onDragArea(0, 0, 700, 200);
    view.showSideLights(true);
    view.setSelectedKeysColor(1, 2, 3);
    QVERIFY(view.getSelectedKeys().isEmpty());
}

void tst_KeyboardPage::shortRowCellsStayNull()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    for (int c = 0; c < 22; ++c)
        QCOMPARE(view.keyButtonGrid[0][c] != nullptr, c < 7);
    for (int c = 0; c < 22; ++c)
        QVERIFY(view.keyButtonGrid[1][c]);
    for (int r = 2; r < 6; ++r)
        for (int c = 0; c < 22; ++c)
            QVERIFY(!view.keyButtonGrid[r][c]);
    QCOMPARE(view.findChildren<keyboardButCustom *>().size(), 7 + 22);
    // A second layout replaces the first's buttons.
    view.parseKeyboardInfo(document({defaultHeader(), row(1, keyRow(3, 4))}));
    QCOMPARE(view.findChildren<keyboardButCustom *>().size(), 3);
    QVERIFY(!view.keyButtonGrid[1][0]);
    QCOMPARE(view.getKeyButtonMap().keys(), (QList<int>{4, 5, 6}));
}

void tst_KeyboardPage::keyMapKeepsLastOfDuplicateCodes()
{
    QList<QByteArray> row1 = emptyRow();
    row1[1] = key(40, 0, 30, 30, 4, "A");
    row1[2] = key(80, 0, 30, 30, 5, "B");
    QList<QByteArray> row3 = emptyRow();
    row3[3] = key(120, 80, 30, 30, 4, "A2");
    keyboardPage view;
    view.parseKeyboardInfo(document({defaultHeader(), row(1, row1), row(3, row3)}));
    const QMap<int, keyboardButCustom *> map = view.getKeyButtonMap();
    QCOMPARE(map.keys(), (QList<int>{0, 4, 5}));
    QCOMPARE(map.value(4), view.keyButtonGrid[2][3]);
    QCOMPARE(map.value(5), view.keyButtonGrid[0][2]);
    // Of the empty cells only the last is in the map.
    QCOMPARE(map.value(0), view.keyButtonGrid[2][21]);
    QCOMPARE(map.value(0)->geometry(), QRect(9, 9, 0, 0));
}

void tst_KeyboardPage::sideLights_data()
{
    QTest::addColumn<int>("sideLightHave");
    QTest::addColumn<int>("buttons");
    QTest::newRow("side lights") << 1 << 5;
    QTest::newRow("row present, flag 0") << 0 << 0;
}

void tst_KeyboardPage::sideLights()
{
    QFETCH(int, sideLightHave);
    QFETCH(int, buttons);
    keyboardPage view;
    view.parseKeyboardInfo(document({defaultHeader(sideLightHave), row(0, sideLightRow(5)), gridRows()}));
    QCOMPARE(view.hasSideLights(), sideLightHave == 1);
    const QList<sideLightButtonCustom *> lights = view.getSideLightButtons();
    QCOMPARE(lights.size(), buttons);
    QCOMPARE(view.findChildren<sideLightButtonCustom *>().size(), buttons);

    const auto shown = [&lights, &view] {
        QList<int> indexes;
        for (sideLightButtonCustom *light : lights)
            if (light->isVisibleTo(&view))
                indexes << light->getIndex();
        return indexes;
    };
    for (int i = 0; i < lights.size(); ++i) {
        QCOMPARE(lights[i]->getIndex(), i + 1); // LED order
        QCOMPARE(lights[i]->geometry(), QRect(-2, 10 * (i + 1) + 10, 10, 31));
    }
    QVERIFY(shown().isEmpty());
    view.showSideLights(true);
    QCOMPARE(shown(), buttons ? (QList<int>{1, 3, 5}) : QList<int>());
    view.showSideLights(false);
    QVERIFY(shown().isEmpty());
    view.showSideLights(true);
    view.hideSideLights();
    QVERIFY(shown().isEmpty());
}

void tst_KeyboardPage::enterNotch_data()
{
    QTest::addColumn<int>("specialEnter");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("notched");
    QTest::addColumn<bool>("cornerAt28Cut"); // (3, 28) is cut only by the notch (9, 23)
    QTest::newRow("plain") << 0 << 0 << false << false;
    QTest::newRow("plain, shape 1 ignored") << 0 << 1 << false << false;
    QTest::newRow("notch 9, 23") << 1 << 0 << true << true;
    QTest::newRow("notch 10, 30") << 1 << 1 << true << false;
}

void tst_KeyboardPage::enterNotch()
{
    QFETCH(int, specialEnter);
    QFETCH(int, shape);
    QFETCH(bool, notched);
    QFETCH(bool, cornerAt28Cut);
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard("104Key", specialEnter, shape));
    keyboardButCustom *enter = keyByCode(view, 40);
    QVERIFY(enter);
    QCOMPARE(!enter->mask().isEmpty(), notched);
    if (notched) {
        QVERIFY(!enter->mask().contains(QPoint(3, 36))); // the cut-away corner
        QVERIFY(enter->mask().contains(QPoint(45, 36)));
        QCOMPARE(!enter->mask().contains(QPoint(3, 28)), cornerAt28Cut);
    }
    // Other keys never take the shape.
    QVERIFY(keyByCode(view, 6)->mask().isEmpty());
}

void tst_KeyboardPage::clicks_data()
{
    QTest::addColumn<QByteArray>("introduction");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("customLight");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("signalled");
    QTest::addColumn<QList<int>>("selected");

    const QByteArray full = "104Key";
    QTest::newRow("a key becomes current") << full << false << false << QList<int>{4} << QList<int>{4}
                                           << QList<int>{4};
    QTest::newRow("the current key again") << full << false << false << QList<int>{4, 4} << QList<int>{4}
                                           << QList<int>{4};
    QTest::newRow("another key moves it") << full << false << false << QList<int>{4, 5} << QList<int>{4, 5}
                                          << QList<int>{5};
    QTest::newRow("Fn is ignored") << full << false << false << QList<int>{4, -10} << QList<int>{4}
                                   << QList<int>{4};
    QTest::newRow("34Key ignores 38 39 41") << QByteArray("34Key") << false << false << QList<int>{38, 39, 41}
                                            << QList<int>{} << QList<int>{};
    QTest::newRow("34Key takes other keys") << QByteArray("34Key") << false << false << QList<int>{41, 4}
                                            << QList<int>{4} << QList<int>{4};
    QTest::newRow("38 39 41 elsewhere") << full << false << false << QList<int>{38, 39, 41}
                                        << QList<int>{38, 39, 41} << QList<int>{41};
    QTest::newRow("locked") << full << true << false << QList<int>{4, 5} << QList<int>{} << QList<int>{};
    QTest::newRow("custom light toggles") << full << true << true << QList<int>{4, 5, 4, -10}
                                          << QList<int>{} << QList<int>{-10, 5};
}

void tst_KeyboardPage::clicks()
{
    QFETCH(QByteArray, introduction);
    QFETCH(bool, locked);
    QFETCH(bool, customLight);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, signalled);
    QFETCH(QList<int>, selected);

    keyboardPage view;
    view.parseKeyboardInfo(smallBoard(introduction));
    view.setKeyClickLocked(locked);
    view.setCustomLightMode(customLight);
    QSignalSpy clicked(&view, &keyboardPage::sigKeyboardClicked);
    for (int code : clicks)
        keyByCode(view, code)->click();

    QList<int> codes;
    for (const QList<QVariant> &args : clicked) {
        codes << args.at(0).toInt();
        QCOMPARE(args.at(1).toString(), keyByCode(view, codes.last())->getKeyText());
    }
    QCOMPARE(codes, signalled);
    QCOMPARE(selectedCodes(view), selected);
    if (customLight)
        QCOMPARE(codesOf(view.getSelectedKeys()), selected);
    else
        QVERIFY(view.getSelectedKeys().isEmpty());
}

void tst_KeyboardPage::frameModeAndCurrentKey()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    QSignalSpy clicked(&view, &keyboardPage::sigKeyboardClicked);
    keyboardButCustom *a = keyByCode(view, 4);
    a->click();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("\"A\"")); // the raw caption

    view.setKeyFrameMode(false, false); // lighting page: shown deselected
    QVERIFY(!a->isSelected());
    view.setKeyFrameMode(true, true); // key page: selected again
    QVERIFY(a->isSelected());
    a->click(); // still the current key
    QCOMPARE(clicked.count(), 1);

    view.clearCurrentKey();
    QVERIFY(!a->isSelected());
    view.setKeyFrameMode(true, true);
    QVERIFY(!a->isSelected());
    a->click();
    QCOMPARE(clicked.count(), 2);
}

void tst_KeyboardPage::customLightMode()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    auto *band = view.findChild<dragShowArea *>();
    QVERIFY(band);
    QVERIFY(!band->isVisibleTo(&view));
    view.setKeyClickLocked(true);
    view.setCustomLightMode(true);
    QVERIFY(band->isVisibleTo(&view));
    keyByCode(view, 4)->click();
    keyByCode(view, 6)->click();
    QCOMPARE(codesOf(view.getSelectedKeys()), (QList<int>{4, 6}));
    view.setCustomLightMode(false);
    QVERIFY(!band->isVisibleTo(&view));
    QVERIFY(view.getSelectedKeys().isEmpty());
    QVERIFY(selectedCodes(view).isEmpty());
}

void tst_KeyboardPage::rubberBand_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<int>>("caught");
    const QList<int> block = {4, 6, 41, 52};
    QTest::newRow("down right") << QPoint(25, 25) << QPoint(75, 85) << block;
    QTest::newRow("up left") << QPoint(75, 85) << QPoint(25, 25) << block;
    QTest::newRow("up right") << QPoint(25, 85) << QPoint(75, 25) << block;
    QTest::newRow("bounds included") << QPoint(30, 30) << QPoint(70, 80) << block;
    QTest::newRow("one row") << QPoint(0, 25) << QPoint(115, 35) << QList<int>{4, 5, 41};
    // The empty cell's button sits at (9, 9), its test point at (19, 19).
    QTest::newRow("from the corner, not the empty cell") << QPoint(0, 0) << QPoint(75, 85) << block;
    QTest::newRow("only the empty cell's point") << QPoint(0, 0) << QPoint(25, 25) << QList<int>{};
}

void tst_KeyboardPage::rubberBand()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QList<int>, caught);
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    QVERIFY(showForBand(view));
    auto *band = view.findChild<dragShowArea *>();
    // Over the whole picture frame.
    QCOMPARE(band->geometry(), band->parentWidget()->contentsRect());
    QCOMPARE(band->parentWidget()->geometry(), QRect(10, 10, 700, 210));

    QSignalSpy reported(band, &dragShowArea::sigDragArea);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^-+ startX:"));
    dragBand(band, from, to);
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.at(0), (QList<QVariant>{from.x(), from.y(), to.x(), to.y()}));
    QCOMPARE(codesOf(view.getSelectedKeys()), caught);
    QCOMPARE(selectedCodes(view), caught);
    // Selected in ascending key code.
    QList<int> order;
    for (keyboardButCustom *k : view.getSelectedKeys())
        order << k->getKeyCode();
    QCOMPARE(order, caught);
    QVERIFY(!view.getKeyButtonMap().value(0)->isSelected());
}

void tst_KeyboardPage::bandThatCatchesNothingClearsSelection()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    QVERIFY(showForBand(view));
    auto *band = view.findChild<dragShowArea *>();
    keyByCode(view, 5)->click();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^-+ startX:"));
    dragBand(band, QPoint(25, 25), QPoint(75, 35));
    QCOMPARE(selectedCodes(view), (QList<int>{4, 41}));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^-+ startX:"));
    dragBand(band, QPoint(400, 150), QPoint(420, 170));
    QVERIFY(view.getSelectedKeys().isEmpty());
    QVERIFY(selectedCodes(view).isEmpty()); // the clicked key too
    view.setSelectedKeysColor(9, 9, 9);
    QCOMPARE(keyByCode(view, 4)->getKeyColor(), QColor(0, 0, 0, 0));
}

void tst_KeyboardPage::selectedKeysColor()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    QSignalSpy updated(&view, &keyboardPage::sigUpdateCustomLight);
    view.setSelectedKeysColor(10, 20, 30);
    QCOMPARE(updated.count(), 0);

    view.setKeyClickLocked(true);
    view.setCustomLightMode(true);
    keyByCode(view, 41)->click();
    keyByCode(view, 4)->click();
    view.setSelectedKeysColor(10, 20, 30);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(keyByCode(view, 41)->getKeyColor(), QColor(10, 20, 30, 180));
    QCOMPARE(keyByCode(view, 4)->getKeyColor(), QColor(10, 20, 30, 180));
    QCOMPARE(keyByCode(view, 5)->getKeyColor(), QColor(0, 0, 0, 0));

    view.clearSelection();
    QVERIFY(selectedCodes(view).isEmpty());
    view.setSelectedKeysColor(1, 2, 3);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(keyByCode(view, 4)->getKeyColor(), QColor(10, 20, 30, 180));
}

// The strip only previews a gradient: it takes the stops but never shows.
void tst_KeyboardPage::gradientStripStaysHidden()
{
    keyboardPage view;
    view.resize(400, 200);
    view.show();
    const auto strips = view.findChildren<buildUpColorShowArea *>();
    QCOMPARE(strips.size(), 1);
    QVERIFY(!strips.first()->isVisible());
    view.setColorBuildUp({0.0, 1.0}, {Qt::red, Qt::blue});
    QVERIFY(!strips.first()->isVisible());
    const QImage painted = strips.first()->grab().toImage();
    QCOMPARE(painted.pixelColor(0, 2).red(), 255);
    const QColor end = painted.pixelColor(painted.width() - 1, 2);
    QVERIFY2(end.blue() > end.red(), qPrintable(end.name()));
}

void tst_KeyboardPage::keyTipOneAtATime()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    view.move(300, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    keyboardButCustom *a = keyByCode(view, 4);
    keyboardButCustom *enter = keyByCode(view, 40);
    hover(a, QEvent::Enter);
    QList<ArrowWidget *> tips = shownKeyTips();
    QCOMPARE(tips.size(), 1);
    QPointer<ArrowWidget> first = tips.first();
    QCOMPARE(first->size(), QSize(200, 90));
    QCOMPARE(first->arrowOffset(), 90);
    QCOMPARE(first->arrowDirection(), 1);
    QVERIFY(!first->parent());
    // Lower edge on the key's top edge, the arrow tip (offset + 7) over its centre.
    const QPoint keyTop = a->mapToGlobal(QPoint(0, 0));
    QCOMPARE(first->pos(), keyTop + QPoint(15 - 97, -90));
    QCOMPARE(first->pos().x() + 97, keyTop.x() + a->width() / 2);
    QCOMPARE(first->geometry().bottom() + 1, keyTop.y());

    hover(a, QEvent::Leave);
    QVERIFY(first.isNull());
    hover(enter, QEvent::Enter);
    tips = shownKeyTips();
    QCOMPARE(tips.size(), 1);
    QCOMPARE(tips.first()->pos(), enter->mapToGlobal(QPoint(25, 40)) - QPoint(97, 130));
    // An enter without a leave still leaves one pop-up.
    hover(a, QEvent::Enter);
    QCOMPARE(shownKeyTips().size(), 1);
    view.hideKeyTips();
    QVERIFY(shownKeyTips().isEmpty());
}

void tst_KeyboardPage::keyTipCaptions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << 41 << QStringLiteral("Esc");
    QTest::newRow("lone double quote") << 52 << QStringLiteral("' \"");
    QTest::newRow("parenthesis") << 38 << QStringLiteral("9(");
}

void tst_KeyboardPage::keyTipCaptions()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    hover(keyByCode(view, code), QEvent::Enter);
    const QList<ArrowWidget *> tips = shownKeyTips();
    QCOMPARE(tips.size(), 1);
    auto *label = tips.first()->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->size(), QSize(170, 60));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(label->styleSheet(), QStringLiteral("color: rgb(245, 245, 245); font: bold 12pt \"%1\";")
                                      .arg(DDataManager::instance()->getThemeColor().TextFont));
    hover(keyByCode(view, code), QEvent::Leave);
}

void tst_KeyboardPage::keyTipReadableInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("nearWhite");
    QTest::newRow("Dark") << 0 << true;
    QTest::newRow("Light") << 1 << false;
    QTest::newRow("Blue") << 2 << true;
    QTest::newRow("Pink") << 3 << false;
    QTest::newRow("Other") << 4 << true;
}

// The pop-up's caption is near white where that reads on the pop-up's
// colour, else a grey dark enough to read.
void tst_KeyboardPage::keyTipReadableInEveryTheme()
{
    QFETCH(int, theme);
    QFETCH(bool, nearWhite);
    DDataManager::instance()->loadThemeConfig(theme);
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    hover(keyByCode(view, 4), QEvent::Enter);
    const QList<ArrowWidget *> tips = shownKeyTips();
    QCOMPARE(tips.size(), 1);
    auto *label = tips.first()->findChild<QLabel *>();
    label->ensurePolished();
    const QColor text = label->palette().color(QPalette::WindowText);
    const QColor bubble = themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().AllBgColor);
    QCOMPARE(text == QColor(245, 245, 245), nearWhite);
    const double ratio = themeColorInfo::contrastRatio(text, bubble);
    QVERIFY2(ratio >= themeColorInfo::MinimumContrast, qPrintable(QString::number(ratio, 'f', 2)));
    hover(keyByCode(view, 4), QEvent::Leave);
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_KeyboardPage::keyTipsNotWhileLocked()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    view.setKeyClickLocked(true);
    hover(keyByCode(view, 4), QEvent::Enter);
    QVERIFY(shownKeyTips().isEmpty());
    hover(keyByCode(view, 4), QEvent::Leave);
}

void tst_KeyboardPage::hideKeyTipsLeavesNoDanglingTip()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    keyboardButCustom *a = keyByCode(view, 4);
    hover(a, QEvent::Enter);
    QPointer<ArrowWidget> tip = shownKeyTips().value(0);
    QVERIFY(tip);
    view.hideKeyTips();
    QVERIFY(tip.isNull());
    // The released pop-up must not be the current one any more (ASan).
    hover(a, QEvent::Leave);
    hover(keyByCode(view, 5), QEvent::Enter);
    QCOMPARE(shownKeyTips().size(), 1);
    hover(keyByCode(view, 5), QEvent::Leave);
    QVERIFY(shownKeyTips().isEmpty());
}

void tst_KeyboardPage::viewDeletesTipsLeftOnItsList()
{
    auto view = std::make_unique<keyboardPage>();
    view->parseKeyboardInfo(smallBoard());
    hover(keyByCode(*view, 4), QEvent::Enter);
    QPointer<ArrowWidget> tip = shownKeyTips().value(0);
    QVERIFY(tip);
    // A pop-up that hid itself (it lost activation) is not released by
    // hideKeyTips, only by the view.
    tip->hide();
    view->hideKeyTips();
    QVERIFY(!tip.isNull());
    view.reset();
    QVERIFY(tip.isNull());
}

void tst_KeyboardPage::pictureShows()
{
    keyboardPage view;
    view.setKeyboardName(QStringLiteral("Quissaro"));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage picture(QCoreApplication::applicationDirPath()
                         + QStringLiteral("/images/hidImages/Keyboard_Quissaro.png"));
    QVERIFY2(!picture.isNull(), "the picture is read from beside the executable");
    QCOMPARE(picture.size(), QSize(700, 210));
    const QImage shot = view.grab().toImage();
    int differing = 0;
    for (const QPoint &p : {QPoint(3, 3), QPoint(350, 100), QPoint(200, 150), QPoint(690, 200), QPoint(40, 60)}) {
        const QColor expected = picture.pixelColor(p);
        const QColor got = shot.pixelColor(p + QPoint(10, 10));
        if (qAbs(expected.red() - got.red()) > 2 || qAbs(expected.green() - got.green()) > 2
            || qAbs(expected.blue() - got.blue()) > 2)
            ++differing;
    }
    QCOMPARE(differing, 0);
}

// The full-size layout the macro page uses has no picture.
void tst_KeyboardPage::missingPictureLeavesFrameEmpty()
{
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/images/hidImages/Keyboard_FullSizeUS.png")));
    keyboardPage view;
    QSignalSpy loaded(&view, &keyboardPage::sigKeyboardAlreadyLoad);
    view.setKeyboardName(QStringLiteral("FullSizeUS"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(view.getKeyButtonMap().value(4)->getKeyText(), QStringLiteral("\"A\""));
    keyboardPage bare;
    bare.parseKeyboardInfo(smallBoard());
    view.show();
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(QTest::qWaitForWindowExposed(&bare));
    const QPoint inside(360, 200); // below the small board's keys
    QCOMPARE(view.grab().toImage().pixelColor(inside), bare.grab().toImage().pixelColor(inside));
}

void tst_KeyboardPage::themeChangeRecoloursKeysAndBand()
{
    keyboardPage view;
    view.parseKeyboardInfo(smallBoard());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    keyboardButCustom *a = keyByCode(view, 4);
    keyboardButCustom *b = keyByCode(view, 5);
    a->setKeyAssigned(true);
    b->click(); // the current key: the clicked colour
    const QPoint aEdge = a->geometry().topLeft() + QPoint(0, 15);
    const QPoint bEdge = b->geometry().topLeft() + QPoint(0, 15);

    const auto colourAt = [&view](const QPoint &p) { return view.grab().toImage().pixelColor(p); };
    const themeColorInfo black = DDataManager::instance()->getThemeColor();
    QCOMPARE(colourAt(aEdge), themeColorInfo::opaqueColor(black.DeviceKeyHaveCustomColor));
    QCOMPARE(colourAt(bEdge), themeColorInfo::opaqueColor(black.DeviceKeyClickedColor));

    DDataManager::instance()->loadThemeConfig(2);
    const themeColorInfo blue = DDataManager::instance()->getThemeColor();
    QVERIFY(blue.DeviceKeyHaveCustomColor != black.DeviceKeyHaveCustomColor);
    view.updateTheme();
    QCOMPARE(colourAt(aEdge), themeColorInfo::opaqueColor(blue.DeviceKeyHaveCustomColor));
    QCOMPARE(colourAt(bEdge), themeColorInfo::opaqueColor(blue.DeviceKeyClickedColor));

    // The band's outline, while dragging.
    view.setKeyClickLocked(true);
    view.setCustomLightMode(true);
    auto *band = view.findChild<dragShowArea *>();
    dragBand(band, QPoint(300, 120), QPoint(400, 180), false);
    const QImage bandShot = band->grab().toImage();
    QCOMPARE(bandShot.pixelColor(300, 150), themeColorInfo::opaqueColor(blue.DeviceKeyHaveCustomColor));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^-+ startX:"));
    sendMouse(band, QEvent::MouseButtonRelease, QPoint(400, 180), Qt::LeftButton, Qt::NoButton);
}

QTEST_MAIN(tst_KeyboardPage)
#include "tst_keyboardpage.moc"
