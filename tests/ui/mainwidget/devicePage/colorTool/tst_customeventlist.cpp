// The customised-keys list: the panel's rows for a profile of a real file,
// the row's caption and function text, and the list page around the panel.

#include "../keyFunction/keyFunctionTestFixture.h"

#include "DCustomEventListItem.h"
#include "DDataManager.h"
#include "DCustomEventListPage.h"
#include "DCustomEventWidget.h"
#include "FlowLayout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

using Kfc = keyFunctionCatalogue;

namespace {

QList<DCustomEventListItem *> rowsOf(const DCustomEventWidget &panel)
{
    QList<DCustomEventListItem *> rows;
    for (int i = 0; i < panel.rowLayout()->count(); ++i)
        rows.append(qobject_cast<DCustomEventListItem *>(panel.rowLayout()->itemAt(i)->widget()));
    return rows;
}

QString functionLabel(const DCustomEventListItem *row)
{
    return row->findChild<QLabel *>(QStringLiteral("label_CustomEvent"))->text();
}

QString functionTextOf(const DCustomEventListItem *row)
{
    return row->functionText();
}

QLabel *keyLabel(const DCustomEventListItem *row)
{
    return row->findChild<QLabel *>(QStringLiteral("label_Key"));
}

void addItem(KeyFunctionFixture &f, const QByteArray &code, const QByteArray &caption, const StoredBinding &b,
             const QByteArray &profile = "1")
{
    QVERIFY(f.xml.addKeyInfo(f.profilePath, profile, code, caption, QByteArray::number(b.operateType),
                             QByteArray::number(b.repeatNum), QByteArray::number(b.mode), b.value));
}

void press(QWidget *widget)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class tst_CustomEventList : public QObject
{
    Q_OBJECT

private slots:
    void rowsInFileOrder();
    void profileSwitchRowsNameTheirTargets();
    void unusualKeyCodes();
    void emptyProfileAndMissingFile();
    void rowPressSelectsItsKey();
    void captionCutAt54Pixels();
    void longFunctionTextCutInTheRow();
    void rowWithoutFunctionTextShowsNothing();
    void listPageShowsTipForEmptyProfile();
    void listPageReloadFromARowsClick();
    void listPageTakesTheThemeWhenShown();
    void languageRefreshTakesTheNewKeyNames();
};

void tst_CustomEventList::rowsInFileOrder()
{
    KeyFunctionFixture f;
    addItem(f, "30", "1", binding(Kfc::OperateText, "hi"));
    addItem(f, "4", "A", binding(Kfc::OperateCombination, "3,5"));
    addItem(f, "6", "C", binding(Kfc::OperateMacro, "3", 2, 9));
    QWidget host;
    DCustomEventWidget panel(&host);
    QSignalSpy empty(&panel, &DCustomEventWidget::sigCustomEventListIsEmpty);
    panel.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());

    QCOMPARE(empty.count(), 0);
    QCOMPARE(panel.rowLayout()->contentsMargins(), QMargins(30, 2, 0, 0));
    const QList<DCustomEventListItem *> rows = rowsOf(panel);
    QCOMPARE(rows.size(), 3);
    QStringList captions, texts;
    for (DCustomEventListItem *row : rows) {
        QCOMPARE(row->size(), QSize(206, 32));
        QCOMPARE(row->minimumSize(), QSize(206, 32));
        QCOMPARE(row->maximumSize(), QSize(206, 32));
        QCOMPARE(row->parentWidget(), &panel);
        captions.append(row->keyCaption());
        texts.append(functionTextOf(row));
    }
    QCOMPARE(captions, (QStringList{"1", "A", "C"}));
    QCOMPARE(texts, (QStringList{"hi", "L_CTRL+L_SHIFT+B", "Macro:Play multiple times"}));
    QVERIFY(panel.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!panel.isWindow()); // its window hints make no window of it
}

void tst_CustomEventList::profileSwitchRowsNameTheirTargets()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateProfile, "2"));
    addItem(f, "5", "B", binding(Kfc::OperateProfile, "1"));
    addItem(f, "6", "C", binding(Kfc::OperateProfile, "7")); // no such profile
    addItem(f, "30", "1", binding(Kfc::OperateRemap, "5"));
    DCustomEventWidget panel;
    panel.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    QStringList texts;
    for (DCustomEventListItem *row : rowsOf(panel))
        texts.append(functionTextOf(row));
    QCOMPARE(texts, (QStringList{"Profile:Game", "Profile:Work", "Profile:", "B"}));
}

void tst_CustomEventList::unusualKeyCodes()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"));
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "6"));  // a second item of key 4
    addItem(f, "abc", "X", binding(Kfc::OperateRemap, "6")); // read as key 0, which has no item
    addItem(f, "-1", "Z", binding(Kfc::OperateRemap, "6")); // "-1" is no binding
    addItem(f, "05", "B", binding(Kfc::OperateRemap, "4")); // read as key 5, which has no item either
    addItem(f, "5", "B", binding(Kfc::OperateDisable, "-1"));
    DCustomEventWidget panel;
    panel.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    QStringList texts;
    QList<int> codes;
    for (DCustomEventListItem *row : rowsOf(panel)) {
        texts.append(functionTextOf(row));
        codes.append(row->keyCode());
    }
    // Both items of key 4 show its first binding; "05" finds key 5's item.
    QCOMPARE(codes, (QList<int>{4, 4, 5, 5}));
    QCOMPARE(texts, (QStringList{"B", "B", "Disable", "Disable"}));
}

void tst_CustomEventList::emptyProfileAndMissingFile()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"), "2");
    for (int profile : {1, 9}) { // no items; no such profile
        DCustomEventWidget panel;
        QSignalSpy empty(&panel, &DCustomEventWidget::sigCustomEventListIsEmpty);
        panel.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), profile, testKeyNames());
        QCOMPARE(empty.count(), 1);
        QCOMPARE(panel.rowLayout()->count(), 0);
    }
    DCustomEventWidget missing;
    QSignalSpy empty(&missing, &DCustomEventWidget::sigCustomEventListIsEmpty);
    missing.loadCustomEventList(&f.xml, QFile::encodeName(f.dir.filePath("gone.xml")).constData(), 2,
                                testKeyNames());
    QCOMPARE(empty.count(), 0);
    QCOMPARE(missing.rowLayout()->count(), 0);
}

void tst_CustomEventList::rowPressSelectsItsKey()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"));
    addItem(f, "6", "\xc3\x96sc", binding(Kfc::OperateDisable, "-1"));
    DCustomEventWidget panel;
    panel.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    QSignalSpy clicked(&panel, &DCustomEventWidget::sigCustomEventItemMouseClicked);
    const QList<DCustomEventListItem *> rows = rowsOf(panel);
    press(rows.at(1));
    press(rows.at(0)->findChild<QLabel *>(QStringLiteral("label_CustomEvent"))); // anywhere on the row
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(0), (QVariantList{6, QString::fromUtf8("\xc3\x96sc")}));
    QCOMPARE(clicked.at(1), (QVariantList{4, QStringLiteral("A")}));
}

void tst_CustomEventList::captionCutAt54Pixels()
{
    DCustomEventListItem row;
    customKeyInfo record = Kfc::emptyRecord();
    fixedTextCopy(record.keyCode, "4");
    fixedTextCopy(record.operateType, "5");
    fixedTextCopy(record.keyChar, "Esc");
    row.setCustomEvent(record, testKeyNames());
    QCOMPARE(keyLabel(&row)->text(), QStringLiteral("Esc"));
    QCOMPARE(keyLabel(&row)->toolTip(), QString());
    QVERIFY(!row.isCaptionCut());

    const QString longCaption = QStringLiteral("Context Menu Key");
    fixedTextCopy(record.keyChar, longCaption);
    row.setCustomEvent(record, testKeyNames());
    QVERIFY(row.isCaptionCut());
    const QString shown = keyLabel(&row)->text();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(keyLabel(&row)->fontMetrics().horizontalAdvance(shown) <= 54);
    QCOMPARE(keyLabel(&row)->toolTip(), longCaption);
    QCOMPARE(row.keyCaption(), longCaption);

    // A caption stored as Latin-1 by an older program.
    fixedTextCopy(record.keyChar, "\xd6");
    row.setCustomEvent(record, testKeyNames());
    QCOMPARE(row.keyCaption(), QString(QChar(0xD6)));
}

void tst_CustomEventList::longFunctionTextCutInTheRow()
{
    DCustomEventListItem row;
    customKeyInfo record = Kfc::emptyRecord();
    fixedTextCopy(record.keyCode, "4");
    fixedTextCopy(record.keyChar, "A");
    fixedTextCopy(record.operateType, "6");
    const QString text = QStringLiteral("Kind regards,\nAnna and the whole team");
    fixedTextCopy(record.Value, text);
    row.setCustomEvent(record, testKeyNames());
    row.setFixedSize(206, 32);
    row.show();
    QCOMPARE(row.functionText(), text);
    const QLabel *label = row.findChild<QLabel *>(QStringLiteral("label_CustomEvent"));
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    QCOMPARE(label->toolTip(), text);
}

void tst_CustomEventList::rowWithoutFunctionTextShowsNothing()
{
    for (const QByteArray &type : {QByteArray("0"), QByteArray("12")}) {
        DCustomEventListItem row;
        customKeyInfo record = Kfc::emptyRecord();
        fixedTextCopy(record.keyCode, "4");
        fixedTextCopy(record.keyChar, "A");
        fixedTextCopy(record.operateType, type);
        fixedTextCopy(record.Value, "99"); // no key of that usage
        row.setCustomEvent(record, testKeyNames());
        QCOMPARE(functionLabel(&row), QString());
    }
}

void tst_CustomEventList::listPageShowsTipForEmptyProfile()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"), "2");
    DCustomEventListPage page;
    QCOMPARE(page.size(), QSize(700, 150));
    const QByteArray path = QFile::encodeName(f.profilePath);

    page.loadCustomEventList(&f.xml, path.constData(), 1, testKeyNames());
    QVERIFY(page.isShowingEmptyTip());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("label_Tip"))->text(), QStringLiteral("No custom features added"));

    page.loadCustomEventList(&f.xml, path.constData(), 2, testKeyNames());
    QVERIFY(!page.isShowingEmptyTip());
    QCOMPARE(rowsOf(*page.currentPanel()).size(), 1);

    // A missing file: an empty list, without the tip.
    page.loadCustomEventList(&f.xml, QFile::encodeName(f.dir.filePath("gone.xml")).constData(), 1, testKeyNames());
    QVERIFY(!page.isShowingEmptyTip());
    QCOMPARE(page.currentPanel()->rowLayout()->count(), 0);

    // No store or no path: the list stays as it was.
    page.loadCustomEventList(&f.xml, path.constData(), 2, testKeyNames());
    DCustomEventWidget *panel = page.currentPanel();
    page.loadCustomEventList(nullptr, path.constData(), 1, testKeyNames());
    page.loadCustomEventList(&f.xml, "", 1, testKeyNames());
    QCOMPARE(page.currentPanel(), panel);
    QVERIFY(!page.isShowingEmptyTip());
}

void tst_CustomEventList::listPageReloadFromARowsClick()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"));
    DCustomEventListPage page;
    const QByteArray path = QFile::encodeName(f.profilePath);
    page.loadCustomEventList(&f.xml, path.constData(), 1, testKeyNames());
    QSignalSpy clicked(&page, &DCustomEventListPage::sigCustomEventItemMouseClicked);
    // The device page selects the key and rebuilds the list inside the click.
    connect(&page, &DCustomEventListPage::sigCustomEventItemMouseClicked, &page,
            [&] { page.loadCustomEventList(&f.xml, path.constData(), 1, testKeyNames()); });
    QPointer<DCustomEventWidget> oldPanel = page.currentPanel();
    press(rowsOf(*oldPanel).first());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QVariantList{4, QStringLiteral("A")}));
    QTRY_VERIFY(oldPanel.isNull());
    QCOMPARE(rowsOf(*page.currentPanel()).size(), 1);
}

// Restyling the rows is the dearest part of a theme change: a hidden list
// takes the theme when it is shown, a shown one at once.
void tst_CustomEventList::listPageTakesTheThemeWhenShown()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "5"));
    DDataManager::instance()->loadThemeConfig(0);
    DCustomEventListPage page;
    page.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    const QString first = page.styleSheet();
    DDataManager::instance()->loadThemeConfig(1);
    page.changAppTheme();
    QCOMPARE(page.styleSheet(), first);

    page.show();
    const QString second = page.styleSheet();
    QVERIFY(second != first);
    DDataManager::instance()->loadThemeConfig(0);
    page.changAppTheme();
    QCOMPARE(page.styleSheet(), first);
}

// A language refresh rewrites the rows in place with the key names of the
// new language: a key remapped to the Han/Yeong key names it anew.
void tst_CustomEventList::languageRefreshTakesTheNewKeyNames()
{
    KeyFunctionFixture f;
    addItem(f, "4", "A", binding(Kfc::OperateRemap, "144"));
    QMap<int, QString> names = testKeyNames();
    names.insert(144, QStringLiteral("한영"));
    DCustomEventListPage page;
    page.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, names);
    DCustomEventListItem *row = rowsOf(*page.currentPanel()).first();
    QCOMPARE(functionTextOf(row), QStringLiteral("한영"));

    names.insert(144, QStringLiteral("Han/Yeong"));
    page.retranslate(names);
    QCOMPARE(rowsOf(*page.currentPanel()).first(), row); // the same row, not a new list
    QCOMPARE(functionTextOf(row), QStringLiteral("Han/Yeong"));
    QCOMPARE(functionLabel(row), QStringLiteral("Han/Yeong"));
}

QTEST_MAIN(tst_CustomEventList)
#include "tst_customeventlist.moc"
