// The on-board keyboard picture: keys built from the on-board layouts, key
// selection, right clicks, binding texts and the hover tip.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DOnboardPage.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"
#include "onboardKeyRules.h"
#include "onboardKeyboardKeyTool.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kCells = 6 * 22;
constexpr int kFn = -10;

QJsonObject key(int x, int y, int w, int h, int dec, const QString &character)
{
    return QJsonObject {{"PosX", x}, {"PosY", y}, {"Width", w}, {"Height", h}, {"Dec", dec},
                        {"Character", character}};
}

QJsonObject emptyCell()
{
    return key(-1, -1, 0, 0, 0, QStringLiteral("-"));
}

// A layout text with the given rows ("EveryKeyInfo_Row0<n>"), the others missing.
QByteArray layoutText(const QMap<int, QJsonArray> &rows)
{
    QJsonObject root {{"Keyboard", QJsonObject {{"KeyboardIntroduction", "Fixture"}}}};
    for (auto it = rows.begin(); it != rows.end(); ++it)
        root.insert(QStringLiteral("EveryKeyInfo_Row0%1").arg(it.key()), it.value());
    return QJsonDocument(root).toJson();
}

// One row of keys 30 px apart: Esc, Fn, 52, the "| key, A, Shift+9, Shift+0.
QByteArray smallLayout()
{
    QJsonArray row;
    const std::pair<int, const char *> keys[] = {{41, "Esc"}, {kFn, "Fn"}, {52, "'"}, {49, "\"|"},
                                                 {4, "A"},    {38, "9("}, {39, "0)"}};
    int x = 10;
    for (const auto &k : keys) {
        row.append(key(x, 100, 27, 27, k.first, QString::fromUtf8(k.second)));
        x += 30;
    }
    return layoutText({{1, row}});
}

// A page given a model without a shipped layout (so only the key count
// counts) and then the fixture text.
class Page
{
public:
    explicit Page(const QByteArray &text = smallLayout(), int keyCount = 104)
        : loaded(&page, &DOnboardPage::sigOnboardLayoutUIAlreadyLoad)
        , clicked(&page, &DOnboardPage::sigKeyboardClicked)
        , rightClicked(&page, &DOnboardPage::sigKeyboardMouseRightKeyClicked)
    {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("fp == NULL")));
        page.setModel(QStringLiteral("NoSuchFixtureModel"), keyCount);
        page.parseKeyboardInfo(text);
        page.move(300, 300);
    }

    SoftKeyboardButCustom *keyOf(int code) { return page.getKeyButtonMap().value(code); }

    DOnboardPage page;
    QSignalSpy loaded;
    QSignalSpy clicked;
    QSignalSpy rightClicked;
};

void hover(QWidget *target, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(target, &event);
}

onboardKeyboardKeyTool *tipOf(DOnboardPage &page)
{
    return page.hoverPopup() ? page.hoverPopup()->findChild<onboardKeyboardKeyTool *>() : nullptr;
}

QString tipStyle(DOnboardPage &page)
{
    onboardKeyboardKeyTool *tip = tipOf(page);
    return tip ? tip->findChild<QLabel *>()->styleSheet() : QString();
}

struct ShippedModel
{
    QString name;
    int keyCount;
};

// The models with an on-board layout, with their key counts from the shipped device list.
QList<ShippedModel> shippedOnboardModels()
{
    const ReadOnlyDataFile list(QStringLiteral("hidList.xml"), false);
    xmlInterface store;
    QList<hidModelInfo> models;
    store.getHidModelList(list.path(), models);
    QList<ShippedModel> result;
    const QDir folder(QStringLiteral(":/images/configDir/onboardDeviceConfig"));
    for (const hidModelInfo &m : models) {
        const QString name = QString::fromUtf8(m.hidName);
        if (folder.exists(QStringLiteral("KeyInfo_%1.config").arg(name)))
            result << ShippedModel {name, m.keyNum};
    }
    return result;
}

} // namespace

class tst_OnboardPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void newPageHasNoKeys();
    void emptyGridGivesAllCells();
    void missingRowsKeepTheirCells();
    void brokenCellBecomesEmptyKey_data();
    void brokenCellBecomesEmptyKey();
    void unreadableLayoutBuildsNothing_data();
    void unreadableLayoutBuildsNothing();
    void missingModelLayoutBuildsNothing();
    void secondModelReplacesKeys();
    void laterLayoutLeavesNoEarlierKeys_data();
    void laterLayoutLeavesNoEarlierKeys();

    void shippedModels_data();
    void shippedModels();

    void leftAndRightClicks_data();
    void leftAndRightClicks();
    void clickOnSelectedKeyEmitsAgain();
    void selectionMovesAndClears();
    void captionsInSignals();

    void blankedKeysShowEmptyTip();
    void captionsComeBack();
    void bindingQuotesOnKeyNotInTip();
    void fnKeyShowsItsTip();
    void tipArrowPointsAtKey();
    void tipGoesWithPage_data();
    void tipGoesWithPage();
};

void tst_OnboardPage::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_OnboardPage::newPageHasNoKeys()
{
    DOnboardPage page;
    QCOMPARE(page.size(), QSize(700, 210));
    QCOMPARE(page.focusPolicy(), Qt::StrongFocus);
    QVERIFY(page.getKeyButtonList().isEmpty());
    QVERIFY(page.getKeyButtonMap().isEmpty());
    // Nothing to restyle, blank or clear yet.
    page.changAppTheme();
    page.resetKeyTexts(1);
    page.clearSelectedKey();
}

void tst_OnboardPage::emptyGridGivesAllCells()
{
    QMap<int, QJsonArray> rows;
    for (int r = 1; r <= 6; ++r) {
        QJsonArray row;
        for (int c = 0; c < 22; ++c)
            row.append(emptyCell());
        rows.insert(r, row);
    }
    Page p(layoutText(rows));
    const QList<SoftKeyboardButCustom *> list = p.page.getKeyButtonList();
    QCOMPARE(list.size(), kCells);
    QCOMPARE(p.page.getKeyButtonMap().keys(), QList<int> {0});
    for (SoftKeyboardButCustom *k : list) {
        QCOMPARE(k->getKeyCode(), 0);
        QCOMPARE(k->geometry(), QRect(-1, -1, 0, 0));
    }
    QCOMPARE(p.loaded.count(), 1);
}

void tst_OnboardPage::missingRowsKeepTheirCells()
{
    // Row 3 alone, with two keys and a short row.
    QJsonArray row {key(10, 70, 27, 27, 20, "Q"), key(40, 70, 27, 27, 26, "W")};
    Page p(layoutText({{3, row}}));
    const QList<SoftKeyboardButCustom *> list = p.page.getKeyButtonList();
    QCOMPARE(list.size(), kCells);
    // Rows 1 and 2 come first, even though the file lacks them.
    QCOMPARE(list.at(2 * 22)->getKeyCode(), 20);
    QCOMPARE(list.at(2 * 22 + 1)->getKeyCode(), 26);
    QCOMPARE(list.at(2 * 22 + 1)->geometry(), QRect(40, 70, 27, 27));
    QCOMPARE(list.at(0)->getKeyCode(), 0);
    QCOMPARE(list.at(2 * 22 + 2)->getKeyCode(), 0);
    QCOMPARE(list.at(2 * 22 + 2)->width(), 0);
    QCOMPARE(p.page.getKeyButtonMap().keys(), (QList<int> {0, 20, 26}));
    QCOMPARE(p.loaded.count(), 1);
}

void tst_OnboardPage::brokenCellBecomesEmptyKey_data()
{
    QTest::addColumn<QJsonValue>("cell");
    const QJsonObject good = key(40, 10, 27, 27, 30, "1!");
    for (const char *field : {"PosX", "PosY", "Width", "Height", "Dec", "Character"}) {
        QJsonObject lacking = good;
        lacking.remove(QLatin1String(field));
        QTest::newRow(qPrintable(QStringLiteral("no %1").arg(field))) << QJsonValue(lacking);
    }
    QJsonObject textDec = good;
    textDec.insert("Dec", "30");
    QTest::newRow("Dec as text") << QJsonValue(textDec);
    QJsonObject numberCharacter = good;
    numberCharacter.insert("Character", 1);
    QTest::newRow("Character as number") << QJsonValue(numberCharacter);
    QTest::newRow("number") << QJsonValue(30);
    QTest::newRow("text") << QJsonValue("key");
    QTest::newRow("array") << QJsonValue(QJsonArray {40, 10, 27, 27, 30});
    QTest::newRow("null") << QJsonValue(QJsonValue::Null);
}

void tst_OnboardPage::brokenCellBecomesEmptyKey()
{
    QFETCH(QJsonValue, cell);
    QJsonArray row {key(10, 10, 27, 27, 41, "Esc"), cell, key(70, 10, 27, 27, 31, "2@")};
    Page p(layoutText({{1, row}}));
    const QList<SoftKeyboardButCustom *> list = p.page.getKeyButtonList();
    QCOMPARE(list.size(), kCells);
    QCOMPARE(list.at(0)->getKeyCode(), 41);
    // Its place is kept, with no code and no area; the keys around it are whole.
    QCOMPARE(list.at(1)->getKeyCode(), 0);
    QCOMPARE(list.at(1)->geometry().size(), QSize(0, 0));
    QCOMPARE(list.at(2)->getKeyCode(), 31);
    QCOMPARE(list.at(2)->geometry(), QRect(70, 10, 27, 27));
    QVERIFY(!p.page.getKeyButtonMap().contains(30));
    QCOMPARE(p.loaded.count(), 1);
}

void tst_OnboardPage::unreadableLayoutBuildsNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("EveryKeyInfo_Row01 = Esc");
    QTest::newRow("cut off") << smallLayout().left(60);
    QTest::newRow("array") << QByteArray("[{\"Dec\": 4}]");
}

void tst_OnboardPage::unreadableLayoutBuildsNothing()
{
    QFETCH(QByteArray, text);
    Page p(text);
    QVERIFY(p.page.getKeyButtonList().isEmpty());
    QVERIFY(p.page.getKeyButtonMap().isEmpty());
    QCOMPARE(p.loaded.count(), 0);
    QVERIFY(p.page.findChildren<SoftKeyboardButCustom *>().isEmpty());
}

void tst_OnboardPage::missingModelLayoutBuildsNothing()
{
    DOnboardPage page;
    QSignalSpy loaded(&page, &DOnboardPage::sigOnboardLayoutUIAlreadyLoad);
    QTest::ignoreMessage(QtDebugMsg,
                         "------------------------ loadKeyboardInfo => fp == NULL -------------------------");
    page.setModel(QStringLiteral("Ryzzmond"), 84); // a model without an on-board layout
    QCOMPARE(page.model(), QStringLiteral("Ryzzmond"));
    QCOMPARE(page.size(), QSize(700, 210));
    QVERIFY(page.getKeyButtonList().isEmpty());
    QCOMPARE(loaded.count(), 0);
}

void tst_OnboardPage::secondModelReplacesKeys()
{
    const QList<ShippedModel> models = shippedOnboardModels();
    QVERIFY(models.size() >= 2);
    DOnboardPage page;
    page.setModel(models.at(0).name, models.at(0).keyCount);
    QList<QPointer<SoftKeyboardButCustom>> first;
    for (SoftKeyboardButCustom *k : page.getKeyButtonList())
        first << k;
    page.show();
    hover(page.getKeyButtonMap().value(4), QEvent::Enter);
    QPointer<ArrowWidget> tip = page.hoverPopup();
    QVERIFY(tip);
    page.getKeyButtonMap().value(4)->click();
    QVERIFY(page.selectedKey());

    page.setModel(models.at(1).name, models.at(1).keyCount);
    QCOMPARE(page.getKeyButtonList().size(), kCells);
    QCOMPARE(page.findChildren<SoftKeyboardButCustom *>().size(), kCells);
    for (const auto &old : first)
        QVERIFY(old.isNull());
    QVERIFY(tip.isNull());
    QVERIFY(!page.selectedKey());
    QCOMPARE(page.width(), onboardKeyRules::pageWidth(models.at(1).keyCount));
}

enum LaterLayout { ModelWithoutLayout, SameTextAgain, UnreadableText };

void tst_OnboardPage::laterLayoutLeavesNoEarlierKeys_data()
{
    QTest::addColumn<int>("later");
    QTest::addColumn<int>("keys");
    QTest::newRow("a model without an on-board layout") << int(ModelWithoutLayout) << 0;
    QTest::newRow("the same layout text again") << int(SameTextAgain) << kCells;
    QTest::newRow("an unreadable layout text") << int(UnreadableText) << 0;
}

// Whatever the later layout builds, the keys of the earlier one are gone.
void tst_OnboardPage::laterLayoutLeavesNoEarlierKeys()
{
    QFETCH(int, later);
    QFETCH(int, keys);
    Page p;
    QList<QPointer<SoftKeyboardButCustom>> first;
    for (SoftKeyboardButCustom *k : p.page.getKeyButtonList())
        first << k;
    QCOMPARE(first.size(), kCells);

    switch (later) {
    case ModelWithoutLayout:
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("fp == NULL")));
        p.page.setModel(QStringLiteral("Ryzzmond"), 84);
        break;
    case SameTextAgain:
        p.page.parseKeyboardInfo(smallLayout());
        break;
    case UnreadableText:
        p.page.parseKeyboardInfo(QByteArray("EveryKeyInfo_Row01 = Esc"));
        break;
    }
    QCOMPARE(p.page.getKeyButtonList().size(), keys);
    QCOMPARE(p.page.findChildren<SoftKeyboardButCustom *>().size(), keys);
    QCOMPARE(p.page.getKeyButtonMap().isEmpty(), keys == 0);
    for (const auto &old : first)
        QVERIFY(old.isNull());
}

void tst_OnboardPage::shippedModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("width");
    const QMap<int, int> widths {{87, 571}, {61, 587}, {68, 594}, {34, 245}, {21, 145}};
    const QList<ShippedModel> models = shippedOnboardModels();
    QVERIFY(!models.isEmpty());
    for (const ShippedModel &m : models)
        QTest::newRow(qPrintable(m.name)) << m.name << m.keyCount << widths.value(m.keyCount, 700);
}

void tst_OnboardPage::shippedModels()
{
    QFETCH(QString, model);
    QFETCH(int, keyCount);
    QFETCH(int, width);

    DOnboardPage page;
    QSignalSpy loaded(&page, &DOnboardPage::sigOnboardLayoutUIAlreadyLoad);
    page.setModel(model, keyCount);
    QCOMPARE(page.size(), QSize(width, 210));
    QCOMPARE(loaded.count(), 1);
    const QList<SoftKeyboardButCustom *> list = page.getKeyButtonList();
    QCOMPARE(list.size(), kCells);

    const QRect inside(0, 0, width, 210);
    QSet<int> codes;
    int keys = 0;
    for (SoftKeyboardButCustom *k : list) {
        if (k->getKeyCode() == 0) {
            QCOMPARE(k->width(), 0);
            continue;
        }
        ++keys;
        QVERIFY2(inside.contains(k->geometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(k->getCharacter()).arg(k->x()).arg(k->y())
                                .arg(k->width()).arg(k->height())));
        QVERIFY2(!codes.contains(k->getKeyCode()), qPrintable(QString::number(k->getKeyCode())));
        codes.insert(k->getKeyCode());
        QCOMPARE(page.getKeyButtonMap().value(k->getKeyCode()), k);
    }
    QCOMPARE(keys, keyCount);
}

void tst_OnboardPage::leftAndRightClicks_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("selects");
    QTest::addColumn<bool>("reportsRight");
    QTest::newRow("A") << 104 << 4 << true << true;
    QTest::newRow("Esc") << 104 << 41 << true << true;
    QTest::newRow("Fn") << 104 << kFn << false << false;
    QTest::newRow("Esc, 34 keys") << 34 << 41 << false << true;
    QTest::newRow("Shift+9, 34 keys") << 34 << 38 << false << true;
    QTest::newRow("Shift+0, 34 keys") << 34 << 39 << false << true;
    QTest::newRow("A, 34 keys") << 34 << 4 << true << true;
    QTest::newRow("Fn, 34 keys") << 34 << kFn << false << false;
    QTest::newRow("Esc, 21 keys") << 21 << 41 << true << true;
}

void tst_OnboardPage::leftAndRightClicks()
{
    QFETCH(int, keyCount);
    QFETCH(int, code);
    QFETCH(bool, selects);
    QFETCH(bool, reportsRight);

    Page p(smallLayout(), keyCount);
    p.page.show();
    SoftKeyboardButCustom *k = p.keyOf(code);
    QVERIFY(k);

    QTest::mouseClick(k, Qt::RightButton);
    QCOMPARE(p.rightClicked.count(), reportsRight ? 1 : 0);
    if (reportsRight) {
        QCOMPARE(p.rightClicked.at(0).at(0).toInt(), code);
        QCOMPARE(p.rightClicked.at(0).at(1).toString(), k->getCharacter());
    }
    // A right click never selects.
    QVERIFY(!p.page.selectedKey());
    QCOMPARE(p.clicked.count(), 0);

    QTest::mouseClick(k, Qt::LeftButton);
    QCOMPARE(p.clicked.count(), selects ? 1 : 0);
    QCOMPARE(p.page.selectedKey(), selects ? k : nullptr);
    QCOMPARE(k->isMarked(), selects);
    QCOMPARE(p.rightClicked.count(), reportsRight ? 1 : 0);
}

void tst_OnboardPage::clickOnSelectedKeyEmitsAgain()
{
    Page p;
    p.page.show();
    SoftKeyboardButCustom *a = p.keyOf(4);
    QTest::mouseClick(a, Qt::LeftButton);
    QTest::mouseClick(a, Qt::LeftButton);
    QCOMPARE(p.clicked.count(), 2);
    QCOMPARE(p.clicked.at(1).at(0).toInt(), 4);
    QCOMPARE(p.page.selectedKey(), a);
    QVERIFY(a->isMarked());
}

void tst_OnboardPage::selectionMovesAndClears()
{
    Page p;
    p.page.show();
    SoftKeyboardButCustom *a = p.keyOf(4);
    SoftKeyboardButCustom *esc = p.keyOf(41);
    QTest::mouseClick(a, Qt::LeftButton);
    QTest::mouseClick(esc, Qt::LeftButton);
    QVERIFY(!a->isMarked());
    QVERIFY(esc->isMarked());
    // Fn leaves the selection where it was.
    QTest::mouseClick(p.keyOf(kFn), Qt::LeftButton);
    QCOMPARE(p.page.selectedKey(), esc);

    p.page.clearSelectedKey();
    QVERIFY(!esc->isMarked());
    QVERIFY(!p.page.selectedKey());
    p.page.clearSelectedKey();
}

void tst_OnboardPage::captionsInSignals()
{
    Page p;
    p.page.show();
    QTest::mouseClick(p.keyOf(52), Qt::LeftButton);
    QTest::mouseClick(p.keyOf(49), Qt::LeftButton);
    QTest::mouseClick(p.keyOf(49), Qt::RightButton);
    QCOMPARE(p.clicked.at(0).at(1).toString(), QStringLiteral("' \""));
    // The file's escape of the double quote keeps its backslash.
    QCOMPARE(p.clicked.at(1).at(1).toString(), QStringLiteral("\\|"));
    QCOMPARE(p.rightClicked.at(0).at(1).toString(), QStringLiteral("\\|"));
}

void tst_OnboardPage::blankedKeysShowEmptyTip()
{
    Page p;
    p.page.show();
    for (SoftKeyboardButCustom *k : p.page.getKeyButtonList())
        k->setKeyText(QStringLiteral("Macro 1"));
    p.page.resetKeyTexts(1);
    for (SoftKeyboardButCustom *k : p.page.getKeyButtonList()) {
        QVERIFY(k->getKeyText().isEmpty());
        QVERIFY(k->text().isEmpty());
    }
    hover(p.keyOf(4), QEvent::Enter);
    QVERIFY(tipOf(p.page));
    QCOMPARE(tipOf(p.page)->labelText(), QStringLiteral("Empty"));
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QVERIFY(tipStyle(p.page).contains(QStringLiteral("rgb(%1)").arg(theme.TextCheckedColor)));
    hover(p.keyOf(4), QEvent::Leave);
    QVERIFY(!p.page.hoverPopup());

    // The signals keep the layout's captions.
    QTest::mouseClick(p.keyOf(4), Qt::LeftButton);
    QCOMPARE(p.clicked.at(0).at(1).toString(), QStringLiteral("A"));
}

void tst_OnboardPage::captionsComeBack()
{
    Page p;
    p.keyOf(4)->setKeyText(QStringLiteral("Macro 1"));
    p.page.resetKeyTexts(1);
    p.page.resetKeyTexts(0);
    QCOMPARE(p.keyOf(4)->text(), QStringLiteral("A"));
    QCOMPARE(p.keyOf(41)->text(), QStringLiteral("Esc"));
    QVERIFY(p.keyOf(4)->getKeyText().isEmpty());
    QCOMPARE(p.keyOf(4)->getCharacter(), QStringLiteral("A"));
}

void tst_OnboardPage::bindingQuotesOnKeyNotInTip()
{
    Page p;
    p.page.show();
    SoftKeyboardButCustom *a = p.keyOf(4);
    a->setKeyText(QStringLiteral("Type \"hello\""));
    // The key is small: the text is fitted to it, quotes and all.
    QCOMPARE(a->getKeyText(), QStringLiteral("Type \"hello\""));
    QVERIFY2(a->text().startsWith(QStringLiteral("Type\n\"")), qPrintable(a->text()));
    hover(a, QEvent::Enter);
    QCOMPARE(tipOf(p.page)->labelText(), QStringLiteral("Type hello"));
    QVERIFY(tipStyle(p.page).contains(QStringLiteral("rgb(245, 245, 245)")));
    hover(a, QEvent::Leave);

    // A text of quotes alone reads as no binding.
    a->setKeyText(QStringLiteral("\"\""));
    hover(a, QEvent::Enter);
    QCOMPARE(tipOf(p.page)->labelText(), QStringLiteral("Empty"));
    hover(a, QEvent::Leave);
}

void tst_OnboardPage::fnKeyShowsItsTip()
{
    Page p;
    p.page.show();
    SoftKeyboardButCustom *fn = p.keyOf(kFn);
    fn->setKeyText(QStringLiteral("FN1"));
    hover(fn, QEvent::Enter);
    QVERIFY(p.page.hoverPopup());
    QVERIFY(p.page.hoverPopup()->isVisible());
    QCOMPARE(tipOf(p.page)->labelText(), QStringLiteral("FN1"));
    hover(fn, QEvent::Leave);
    QVERIFY(!p.page.hoverPopup());
}

void tst_OnboardPage::tipArrowPointsAtKey()
{
    Page p;
    p.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.page));
    for (int code : {41, 4, 52}) {
        SoftKeyboardButCustom *k = p.keyOf(code);
        hover(k, QEvent::Enter);
        QPointer<ArrowWidget> popup = p.page.hoverPopup();
        QVERIFY(popup);
        QCOMPARE(popup->size(), QSize(210, 90));
        QCOMPARE(popup->arrowDirection(), 1);
        QVERIFY(!popup->parent());
        const QPoint keyTop = k->mapToGlobal(QPoint(k->width() / 2, 0));
        // The arrow's tip, 7 px right of its offset, on the key's centre;
        // the pop-up's lower edge on the key's upper edge.
        QCOMPARE(popup->x() + popup->arrowOffset() + 7, keyTop.x());
        QCOMPARE(popup->y() + popup->height(), keyTop.y());
        hover(k, QEvent::Leave);
        QVERIFY(popup.isNull());
    }
}

void tst_OnboardPage::tipGoesWithPage_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("page hidden") << false;
    QTest::newRow("page destroyed") << true;
}

void tst_OnboardPage::tipGoesWithPage()
{
    QFETCH(bool, destroy);
    auto *p = new Page;
    p->page.show();
    hover(p->keyOf(4), QEvent::Enter);
    QPointer<ArrowWidget> popup = p->page.hoverPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    if (destroy)
        delete p;
    else
        p->page.hide();
    QVERIFY(popup.isNull());
    if (!destroy) {
        // The leave that comes late finds nothing to close.
        hover(p->keyOf(4), QEvent::Leave);
        delete p;
    }
}

QTEST_MAIN(tst_OnboardPage)
#include "tst_onboardpage.moc"
