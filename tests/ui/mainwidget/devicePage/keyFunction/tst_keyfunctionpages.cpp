// The eleven key-function pages on a real profile file: what each writes for
// each stored binding and action, the signals that follow, the on-board mode,
// the macro copies and the failures the pages report.

#include "keyFunctionPages.h"
#include "xmlSaveFailure.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>

using Kfc = keyFunctionCatalogue;

namespace {

constexpr int kKey = KeyFunctionFixture::kKey;

enum class Stored { None, OtherPage, OwnPage };
enum class Action { OkUntouched, ChooseThenOk, Cancel };

// What OK does on a page: nothing at all, or a save leaving this binding
// (none: the key's binding is gone).
struct Outcome
{
    bool writes = false;
    StoredBinding result;
};

struct PageFacts
{
    QString page;
    StoredBinding own;      // a binding this page writes
    StoredBinding chosen;   // what its choice stores
    Outcome okOnUnbound;    // OK right after loading a key it does not show
    Outcome okOnOwn;        // OK right after loading its own binding
};

Outcome silent()
{
    return Outcome{};
}

Outcome saves(const StoredBinding &b)
{
    return Outcome{true, b};
}

QList<PageFacts> pageFacts(const QString &programP1, const QString &programP2)
{
    return {
        {"DResetDefaultPage", binding(Kfc::OperateRemap, "6"), noBinding(), saves(noBinding()), saves(noBinding())},
        {"DChangeKeyPage", binding(Kfc::OperateRemap, "6"), binding(Kfc::OperateRemap, "5"), silent(), silent()},
        {"DMacroCmdPage", binding(Kfc::OperateMacro, "3", 2, 10), binding(Kfc::OperateMacro, "5", 2, 12),
         saves(binding(Kfc::OperateMacro, "2")), saves(binding(Kfc::OperateMacro, "3", 2, 10))},
        {"DKeyCombinationPage", binding(Kfc::OperateCombination, "2,6"), binding(Kfc::OperateCombination, "1,5"),
         silent(), silent()},
        {"DMultimediaPage", binding(Kfc::OperateMultimedia, "12"), binding(Kfc::OperateMultimedia, "2"),
         saves(binding(Kfc::OperateMultimedia, "3")), saves(binding(Kfc::OperateMultimedia, "12"))},
        {"DMouseKeyPage", binding(Kfc::OperateMouse, "5"), binding(Kfc::OperateMouse, "3"),
         saves(binding(Kfc::OperateMouse, "0")), saves(binding(Kfc::OperateMouse, "5"))},
        {"DKeyDisablePage", binding(Kfc::OperateDisable, "-1"), binding(Kfc::OperateDisable, "-1"),
         saves(binding(Kfc::OperateDisable, "-1")), saves(binding(Kfc::OperateDisable, "-1"))},
        {"DKeyWithTextPage", binding(Kfc::OperateText, "hello\nworld"), binding(Kfc::OperateText, "typed"), silent(),
         silent()},
        {"DChangProfilePage", binding(Kfc::OperateProfile, "3"), binding(Kfc::OperateProfile, "2"),
         saves(binding(Kfc::OperateProfile, "1")), saves(binding(Kfc::OperateProfile, "3"))},
        {"DKeyWithAppPage", binding(Kfc::OperateProgram, programP1.toUtf8()),
         binding(Kfc::OperateProgram, programP2.toUtf8()), silent(), saves(binding(Kfc::OperateProgram, programP1.toUtf8()))},
        {"DHotKeyPage", binding(Kfc::OperateShortcut, "11"), binding(Kfc::OperateShortcut, "8"),
         saves(binding(Kfc::OperateShortcut, "2")), saves(binding(Kfc::OperateShortcut, "11"))},
    };
}

// A binding another page wrote.
StoredBinding otherPageBinding(const QString &page)
{
    return page == QLatin1String("DMultimediaPage") ? binding(Kfc::OperateMouse, "1")
                                                    : binding(Kfc::OperateMultimedia, "2");
}

const QStringList kOnboardPages = {"DResetDefaultPage", "DChangeKeyPage",  "DMacroCmdPage",
                                   "DKeyCombinationPage", "DMultimediaPage", "DMouseKeyPage"};

} // namespace

Q_DECLARE_METATYPE(Stored)
Q_DECLARE_METATYPE(Action)

class tst_KeyFunctionPages : public QObject
{
    Q_OBJECT

private slots:
    void storedBindingAndAction_data();
    void storedBindingAndAction();
    void onboardModeStoresEachChoiceInTheLayer_data();
    void onboardModeStoresEachChoiceInTheLayer();
    void oneItemPerKeyAfterAnySequence();

    void macroCopyWrittenForFirstBindingOnly();
    void macroCopyWrittenWhenMissing();
    void resetRemovesCopyWithItsLastUser();
    void nonMacroValueEqualToMacroIndexIsNoUser();

    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void nearlyFullDiskKeepsTheOldBinding_data();
    void nearlyFullDiskKeepsTheOldBinding();
    void resetOfUnboundKeyIsNoFailure();
    void resetFailureIsReported_data();
    void resetFailureIsReported();
    void captionStoredAsUtf8();

    void textRoundTrips_data();
    void textRoundTrips();
    void textLengthLimit();
    void sameTextForAnotherKeyIsStored();
    void clearSavedTextStoresUnchangedText();

    void applicationOkStoresWhatTheBoxShows();
    void repeatedNamesSelectByIndex();
    void untouchedMacroOkBindsTheMacroShown();
    void emptyListsSaveNothing();
    void macroCountOutsideOneTo255IsNotStored();
    void shortcutCodeWithoutRadioShowsNoChoice();
    void comboAndRemapLoads_data();
    void comboAndRemapLoads();
    void languageChangeKeepsCaptions();
};

void tst_KeyFunctionPages::storedBindingAndAction_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<Action>("action");
    const QList<QPair<Stored, const char *>> storedCases = {
        {Stored::None, "unbound"}, {Stored::OtherPage, "bound elsewhere"}, {Stored::OwnPage, "own binding"}};
    const QList<QPair<Action, const char *>> actions = {
        {Action::OkUntouched, "OK"}, {Action::ChooseThenOk, "choice, OK"}, {Action::Cancel, "Cancel"}};
    for (const PageFacts &facts : pageFacts(QString(), QString())) {
        for (const auto &stored : storedCases) {
            for (const auto &action : actions) {
                QTest::addRow("%s, %s, %s", qPrintable(facts.page), stored.second, action.second)
                    << facts.page << stored.first << action.first;
            }
        }
    }
}

void tst_KeyFunctionPages::storedBindingAndAction()
{
    QFETCH(QString, page);
    QFETCH(Stored, stored);
    QFETCH(Action, action);

    KeyFunctionFixture f;
    const QString p1 = f.programFile(QStringLiteral("editor"));
    const QString p2 = f.programFile(QStringLiteral("player"));
    PageFacts facts;
    for (const PageFacts &candidate : pageFacts(p1, p2)) {
        if (candidate.page == page)
            facts = candidate;
    }
    StoredBinding before = noBinding();
    if (stored == Stored::OtherPage)
        before = otherPageBinding(page);
    else if (stored == Stored::OwnPage)
        before = facts.own;
    if (before.operateType != -1)
        f.bind(kKey, before);
    f.bind(KeyFunctionFixture::kOtherKey, binding(Kfc::OperateRemap, "4")); // untouched neighbour

    PageDriver d = makeDriver(page, f, p2);
    d.setUp(f.profilePath, 1, 0);
    QVERIFY(d.buttonsShown());
    PageSignals spies(d.page.get());
    const QByteArray bytesBefore = KeyFunctionFixture::bytes(f.profilePath);

    Outcome expected;
    switch (action) {
    case Action::Cancel:
        d.cancel();
        break;
    case Action::ChooseThenOk:
        d.choose();
        d.ok();
        expected = saves(facts.chosen);
        break;
    case Action::OkUntouched:
        d.ok();
        expected = stored == Stored::OwnPage ? facts.okOnOwn : facts.okOnUnbound;
        break;
    }

    QCOMPARE(spies.failed.count(), 0);
    QCOMPARE(spies.cancelled.count(), action == Action::Cancel ? 1 : 0);
    if (!expected.writes) {
        QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), bytesBefore);
        QCOMPARE(spies.update.count(), 0);
        QCOMPARE(spies.saved.count(), 0);
        QCOMPARE(f.stored(kKey), before);
    } else {
        QCOMPARE(f.stored(kKey), expected.result);
        QCOMPARE(spies.update.count(), 1);
        QCOMPARE(spies.update.first().first().toInt(), kKey);
        QCOMPARE(spies.saved.count(), 1);
    }
    QVERIFY(f.itemsOf(kKey) <= 1);
    QCOMPARE(f.stored(KeyFunctionFixture::kOtherKey), binding(Kfc::OperateRemap, "4"));
}

void tst_KeyFunctionPages::onboardModeStoresEachChoiceInTheLayer_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &page : kOnboardPages)
        QTest::newRow(qPrintable(page)) << page;
}

void tst_KeyFunctionPages::onboardModeStoresEachChoiceInTheLayer()
{
    QFETCH(QString, page);
    KeyFunctionFixture f;
    PageFacts facts;
    for (const PageFacts &candidate : pageFacts(QString(), QString())) {
        if (candidate.page == page)
            facts = candidate;
    }
    f.bind(kKey, otherPageBinding(page), f.layerPath, "3");
    const QByteArray profileBytes = KeyFunctionFixture::bytes(f.profilePath);

    PageDriver d = makeDriver(page, f);
    d.setUp(f.layerPath, 3, 1);
    PageSignals spies(d.page.get());
    const bool isReset = page == QLatin1String("DResetDefaultPage");
    // The reset page keeps its buttons and stores on OK only.
    QCOMPARE(d.buttonsShown(), isReset);
    d.choose();
    if (isReset) {
        QCOMPARE(f.stored(kKey, f.layerPath, "3"), otherPageBinding(page));
        QCOMPARE(spies.saved.count(), 0);
        d.ok();
    }
    QCOMPARE(f.stored(kKey, f.layerPath, "3"), facts.chosen);
    QVERIFY(spies.saved.count() >= 1);
    QCOMPARE(spies.failed.count(), 0);
    QCOMPARE(f.itemsOf(kKey, f.layerPath, "3"), isReset ? 0 : 1);
    // The PC profiles and the layer's other configuration are untouched.
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), profileBytes);
    QCOMPARE(f.itemsOf(kKey, f.layerPath, "1"), 0);
}

void tst_KeyFunctionPages::oneItemPerKeyAfterAnySequence()
{
    KeyFunctionFixture f;
    const QString program = f.programFile(QStringLiteral("tool"));
    const QList<PageFacts> all = pageFacts(QString(), program);
    // Every page in turn on one key, then backwards.
    QList<PageFacts> sequence = all;
    for (int i = all.size() - 1; i >= 0; --i)
        sequence.append(all.at(i));
    for (const PageFacts &facts : sequence) {
        PageDriver d = makeDriver(facts.page, f, program);
        d.setUp(f.profilePath, 1, 0);
        d.choose();
        d.ok();
        QVERIFY2(f.itemsOf(kKey) <= 1, qPrintable(facts.page));
        QCOMPARE(f.stored(kKey), facts.chosen);
    }
}

// --- Macro copies ---------------------------------------------------------

namespace {

void bindMacroWithPage(KeyFunctionFixture &f, int key, int macroIndex)
{
    DMacroCmdPage page;
    page.setProfileIndex(1);
    page.setHidInterfaceAndXml(nullptr, &f.xml);
    page.setCurrentKey(qMakePair(key, QStringLiteral("K")));
    page.setFilePaths(QFile::encodeName(f.macroPath).constData(), QFile::encodeName(f.profilePath).constData());
    page.loadCurrentKeyFunction();
    page.setOnboardMode(0);
    selectData(page.findChild<QComboBox *>(QStringLiteral("comboBox_Macro")), QString::number(macroIndex));
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
}

void resetWithPage(KeyFunctionFixture &f, int key)
{
    DResetDefaultPage page;
    page.setHidInterfaceAndXml(nullptr, &f.xml);
    page.setCurrentKey(qMakePair(key, QStringLiteral("K")));
    page.setFilePaths(QFile::encodeName(f.macroPath).constData(), QFile::encodeName(f.profilePath).constData());
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
}

} // namespace

void tst_KeyFunctionPages::macroCopyWrittenForFirstBindingOnly()
{
    KeyFunctionFixture f;
    bindMacroWithPage(f, 4, 3);
    QCOMPARE(f.macroCopy(3).size(), 4); // two events per mark, copied from the macro file
    QCOMPARE(QByteArray(f.macroCopy(3).first().mark), QByteArray("b"));

    // The macro changes in the macro file; a second binding writes no copy.
    f.addMacro("9", "unrelated", {});
    QVERIFY(f.xml.deleteMacroItem(f.macroPath, "3", "c"));
    bindMacroWithPage(f, 5, 3);
    QCOMPARE(f.macroCopy(3).size(), 4);
    QCOMPARE(f.stored(5), binding(Kfc::OperateMacro, "3"));
}

void tst_KeyFunctionPages::macroCopyWrittenWhenMissing()
{
    KeyFunctionFixture f;
    // A binding whose copy went missing (written by an older program).
    f.bind(4, binding(Kfc::OperateMacro, "2"));
    QVERIFY(!f.hasMacroCopy(2));
    bindMacroWithPage(f, 5, 2);
    QVERIFY(f.hasMacroCopy(2));
    QCOMPARE(f.macroCopy(2).size(), 2);
}

void tst_KeyFunctionPages::resetRemovesCopyWithItsLastUser()
{
    KeyFunctionFixture f;
    bindMacroWithPage(f, 4, 3);
    bindMacroWithPage(f, 5, 3);
    resetWithPage(f, 4);
    QCOMPARE(f.stored(4), noBinding());
    QVERIFY(f.hasMacroCopy(3));
    resetWithPage(f, 5);
    QVERIFY(!f.hasMacroCopy(3));
}

void tst_KeyFunctionPages::nonMacroValueEqualToMacroIndexIsNoUser()
{
    KeyFunctionFixture f;
    bindMacroWithPage(f, 4, 3);
    f.bind(6, binding(Kfc::OperateMultimedia, "3"));
    f.bind(30, binding(Kfc::OperateRemap, "3"));
    // Key 4 is the macro's only user: resetting the others keeps the copy,
    resetWithPage(f, 6);
    resetWithPage(f, 30);
    QVERIFY(f.hasMacroCopy(3));
    // and resetting key 4 removes it although they bound "3" too.
    f.bind(6, binding(Kfc::OperateMultimedia, "3"));
    resetWithPage(f, 4);
    QVERIFY(!f.hasMacroCopy(3));
}

// --- Failures -------------------------------------------------------------

void tst_KeyFunctionPages::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("missingFile");
    for (const PageFacts &facts : pageFacts(QString(), QString())) {
        if (facts.page == QLatin1String("DResetDefaultPage"))
            continue;
        // Without the file the profile page lists no profile to save.
        if (facts.page != QLatin1String("DChangProfilePage"))
            QTest::addRow("%s, missing file", qPrintable(facts.page)) << facts.page << true;
        QTest::addRow("%s, missing profile", qPrintable(facts.page)) << facts.page << false;
    }
}

void tst_KeyFunctionPages::saveFailureIsReported()
{
    QFETCH(QString, page);
    QFETCH(bool, missingFile);
    KeyFunctionFixture f;
    const QString program = f.programFile(QStringLiteral("tool"));
    const QString file = missingFile ? f.dir.filePath(QStringLiteral("gone.xml")) : f.profilePath;
    const int profile = missingFile ? 1 : 9;
    const QByteArray bytesBefore = KeyFunctionFixture::bytes(f.profilePath);

    PageDriver d = makeDriver(page, f, program);
    d.setUp(file, profile, 0);
    PageSignals spies(d.page.get());
    d.choose();
    d.ok();
    QCOMPARE(spies.saved.count(), 0);
    QCOMPARE(spies.failed.count(), 1);
    QCOMPARE(spies.update.count(), 1); // the key's label shows what the file holds
    const QString reason = spies.failed.first().first().toString();
    QVERIFY2(reason.contains(missingFile ? QStringLiteral("gone.xml") : QStringLiteral("pardexProFile.xml")),
             qPrintable(reason));
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), bytesBefore);
    QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("gone.xml"))));
}

void tst_KeyFunctionPages::nearlyFullDiskKeepsTheOldBinding_data()
{
    QTest::addColumn<QString>("page");
    for (const PageFacts &facts : pageFacts(QString(), QString())) {
        if (facts.page != QLatin1String("DResetDefaultPage"))
            QTest::newRow(qPrintable(facts.page)) << facts.page;
    }
}

// The disk has room for the file without the key's binding but not with the
// new one: the old binding stays and the failure is told.
void tst_KeyFunctionPages::nearlyFullDiskKeepsTheOldBinding()
{
    QFETCH(QString, page);
    KeyFunctionFixture f;
    const QString program = f.programFile(QStringLiteral("tool"));
    const StoredBinding old = otherPageBinding(page);
    f.bind(KeyFunctionFixture::kKey, old);
    const QString withoutKey = f.dir.filePath(QStringLiteral("withoutKey.xml"));
    QVERIFY(QFile::copy(f.profilePath, withoutKey));
    QVERIFY(f.xml.deleteKeyInfo(withoutKey, "1", QByteArray::number(KeyFunctionFixture::kKey)));

    PageDriver d = makeDriver(page, f, program);
    d.setUp(f.profilePath, 1, 0);
    PageSignals spies(d.page.get());
    {
        const NearlyFullDisk disk(NearlyFullDisk::sizeOf(withoutKey));
        d.choose();
        d.ok();
    }
    QCOMPARE(spies.saved.count(), 0);
    QCOMPARE(spies.failed.count(), 1);
    QCOMPARE(f.stored(KeyFunctionFixture::kKey), old);
}

void tst_KeyFunctionPages::resetOfUnboundKeyIsNoFailure()
{
    KeyFunctionFixture f;
    PageDriver d = makeDriver(QStringLiteral("DResetDefaultPage"), f);
    d.setUp(f.dir.filePath(QStringLiteral("gone.xml")), 1, 0);
    PageSignals spies(d.page.get());
    d.ok();
    // Nothing was read, so nothing failed to go.
    QCOMPARE(spies.failed.count(), 0);
    QCOMPARE(spies.saved.count(), 1);

    // No key selected: nothing at all.
    DResetDefaultPage none;
    PageSignals noneSpies(&none);
    none.setHidInterfaceAndXml(nullptr, &f.xml);
    none.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(noneSpies.update.count() + noneSpies.saved.count() + noneSpies.failed.count(), 0);
}

// A full disk: the bound key's delete fails, and the page says so instead of
// reporting it saved; the binding and its macro copy stay.
void tst_KeyFunctionPages::resetFailureIsReported_data()
{
    QTest::addColumn<bool>("macro");
    QTest::newRow("remap") << false;
    QTest::newRow("macro") << true;
}

void tst_KeyFunctionPages::resetFailureIsReported()
{
    QFETCH(bool, macro);
    KeyFunctionFixture f;
    if (macro)
        bindMacroWithPage(f, kKey, 3);
    else
        f.bind(kKey, binding(Kfc::OperateRemap, "6"));
    const StoredBinding bound = f.stored(kKey);
    const QByteArray bytesBefore = KeyFunctionFixture::bytes(f.profilePath);
    PageDriver d = makeDriver(QStringLiteral("DResetDefaultPage"), f);
    d.setUp(f.profilePath, 1, 0);
    PageSignals spies(d.page.get());
    {
        const FailingSaves failing(SaveFailure::DiskFull, f.dir.path());
        d.ok();
    }
    QCOMPARE(spies.saved.count(), 0);
    QCOMPARE(spies.failed.count(), 1);
    QCOMPARE(spies.update.count(), 1);
    const QString reason = spies.failed.first().first().toString();
    QVERIFY2(reason.contains(QStringLiteral("pardexProFile.xml")), qPrintable(reason));
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), bytesBefore);
    QCOMPARE(f.stored(kKey), bound);
    QCOMPARE(f.hasMacroCopy(3), macro);
}

void tst_KeyFunctionPages::captionStoredAsUtf8()
{
    KeyFunctionFixture f;
    for (const QString &caption : {QString(QChar(0xD6)), QString(QChar(0x4E2D)), QStringLiteral("Esc")}) {
        DHotKeyPage page;
        page.setHidInterfaceAndXml(nullptr, &f.xml);
        page.setCurrentKey(qMakePair(kKey, caption));
        page.setFilePaths("", QFile::encodeName(f.profilePath).constData());
        page.loadCurrentKeyFunction();
        page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        const customKeyInfo record = f.record(kKey);
        QCOMPARE(QByteArray(record.keyChar), caption.toUtf8());
        QCOMPARE(Kfc::keyCaptionOf(record), caption);
    }
}

// --- Text page ------------------------------------------------------------

namespace {

void setUpTextPage(DKeyWithTextPage &page, KeyFunctionFixture &f, int key)
{
    page.setHidInterfaceAndXml(nullptr, &f.xml);
    page.setCurrentKey(qMakePair(key, QStringLiteral("K")));
    page.setFilePaths("", QFile::encodeName(f.profilePath).constData());
    page.loadCurrentKeyFunction();
}

QPlainTextEdit *textBox(QWidget &page)
{
    return page.findChild<QPlainTextEdit *>(QStringLiteral("textEdit_keyText"));
}

} // namespace

void tst_KeyFunctionPages::textRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks") << QStringLiteral("first\nsecond\n\nfourth");
    QTest::newRow("markup characters") << QStringLiteral("a & b < c > d \"quoted\" 'single'");
    QTest::newRow("non-ascii") << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f""e \xe4\xb8\xad\xe6\x96\x87 \xf0\x9f\x98\x80");
    QTest::newRow("tabs and entities") << QStringLiteral("\t&amp; &#xA;\n");
}

void tst_KeyFunctionPages::textRoundTrips()
{
    QFETCH(QString, text);
    KeyFunctionFixture f;
    {
        DKeyWithTextPage page;
        setUpTextPage(page, f, kKey);
        textBox(page)->setPlainText(text);
        page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    }
    QCOMPARE(Kfc::valueText(f.record(kKey)), text);
    DKeyWithTextPage reloaded;
    setUpTextPage(reloaded, f, kKey);
    QCOMPARE(textBox(reloaded)->toPlainText(), text);
}

void tst_KeyFunctionPages::textLengthLimit()
{
    KeyFunctionFixture f;
    DKeyWithTextPage page;
    setUpTextPage(page, f, kKey);
    PageSignals spies(&page);
    // Two-byte characters: the limit counts UTF-8 bytes.
    const QString fits = QString(Kfc::kMaxValueBytes / 2, QChar(0xE9)) + QLatin1Char('x');
    QCOMPARE(fits.toUtf8().size(), Kfc::kMaxValueBytes);
    textBox(page)->setPlainText(fits);
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(Kfc::valueText(f.record(kKey)), fits);
    QCOMPARE(spies.saved.count(), 1);

    const QByteArray before = KeyFunctionFixture::bytes(f.profilePath);
    textBox(page)->setPlainText(fits + QLatin1Char('y'));
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(spies.saved.count(), 1);
    QCOMPARE(spies.failed.count(), 1);
    QVERIFY(spies.failed.first().first().toString().contains(QString::number(Kfc::kMaxValueBytes)));
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), before);
}

void tst_KeyFunctionPages::sameTextForAnotherKeyIsStored()
{
    KeyFunctionFixture f;
    DKeyWithTextPage page;
    PageSignals spies(&page);
    setUpTextPage(page, f, 4);
    textBox(page)->setPlainText(QStringLiteral("T"));
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click(); // unchanged: once
    QCOMPARE(spies.saved.count(), 1);

    setUpTextPage(page, f, 5);
    QCOMPARE(textBox(page)->toPlainText(), QString());
    textBox(page)->setPlainText(QStringLiteral("T"));
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(f.stored(5), binding(Kfc::OperateText, "T"));
    QCOMPARE(spies.saved.count(), 2);
}

void tst_KeyFunctionPages::clearSavedTextStoresUnchangedText()
{
    KeyFunctionFixture f;
    f.bind(kKey, binding(Kfc::OperateText, "T"));
    DKeyWithTextPage page;
    PageSignals spies(&page);
    setUpTextPage(page, f, kKey);
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(spies.saved.count(), 0);
    page.clearSavedText();
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(spies.saved.count(), 1);
    QCOMPARE(f.stored(kKey), binding(Kfc::OperateText, "T"));
}

// --- Application page -----------------------------------------------------

void tst_KeyFunctionPages::applicationOkStoresWhatTheBoxShows()
{
    KeyFunctionFixture f;
    const QString chosen = f.programFile(QStringLiteral("chosen"));
    const QString ownOfB = f.programFile(QStringLiteral("own of B"));
    f.bind(5, binding(Kfc::OperateProgram, ownOfB.toUtf8()));
    QString dialogAnswer = chosen;
    QString startFolder;
    QString filter;
    DKeyWithAppPage page;
    page.setFileDialog([&](QWidget *, const QString &, const QString &folder, const QString &fileFilter) {
        startFolder = folder;
        filter = fileFilter;
        return dialogAnswer;
    });
    PageSignals spies(&page);
    const auto setKey = [&](int key) {
        page.setHidInterfaceAndXml(nullptr, &f.xml);
        page.setCurrentKey(qMakePair(key, QStringLiteral("K")));
        page.setFilePaths("", QFile::encodeName(f.profilePath).constData());
        page.loadCurrentKeyFunction();
    };
    auto *box = page.findChild<QPlainTextEdit *>(QStringLiteral("textEdit_appPath"));
    auto *select = page.findChild<QPushButton *>(QStringLiteral("pushButton_selectAppPath"));
    auto *ok = page.findChild<QPushButton *>(QStringLiteral("pushButton_OK"));

    setKey(4);
    select->click();
    QCOMPARE(startFolder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    QVERIFY(filter.contains(QStringLiteral("(*)")));
    ok->click();
    QCOMPARE(f.stored(4), binding(Kfc::OperateProgram, chosen.toUtf8()));

    // Key B shows its own program, and OK stores that one, not the last chosen.
    setKey(5);
    QCOMPARE(box->toPlainText(), ownOfB);
    ok->click();
    QCOMPARE(f.stored(5), binding(Kfc::OperateProgram, ownOfB.toUtf8()));

    // A key without a program: OK stores nothing; a cancelled dialog changes nothing.
    setKey(6);
    QCOMPARE(box->toPlainText(), QString());
    dialogAnswer.clear();
    select->click();
    ok->click();
    QCOMPARE(f.stored(6), noBinding());

    // A program gone since it was stored is not stored again.
    QVERIFY(QFile::remove(ownOfB));
    setKey(5);
    const int saves = spies.saved.count();
    ok->click();
    QCOMPARE(spies.saved.count(), saves);
    QCOMPARE(spies.failed.count(), 0);
}

// --- Lists shown by index -------------------------------------------------

void tst_KeyFunctionPages::repeatedNamesSelectByIndex()
{
    KeyFunctionFixture f;
    // Profiles 2 and 3 are both "Game", macros 3 and 5 both "Burst".
    f.bind(4, binding(Kfc::OperateProfile, "3"));
    PageDriver profilePage = makeDriver(QStringLiteral("DChangProfilePage"), f);
    profilePage.setUp(f.profilePath, 1, 0);
    auto *profiles = profilePage.page->findChild<QComboBox *>(QStringLiteral("comboBox_Profile"));
    QCOMPARE(profiles->currentData().toString(), QStringLiteral("3"));
    profilePage.ok();
    QCOMPARE(f.stored(4), binding(Kfc::OperateProfile, "3"));

    f.bind(4, binding(Kfc::OperateMacro, "5", 4));
    PageDriver macroPage = makeDriver(QStringLiteral("DMacroCmdPage"), f);
    macroPage.setUp(f.profilePath, 1, 0);
    auto *macros = macroPage.page->findChild<QComboBox *>(QStringLiteral("comboBox_Macro"));
    QCOMPARE(macros->currentData().toString(), QStringLiteral("5"));
    QVERIFY(macroPage.page->findChild<QRadioButton *>(QStringLiteral("radioButton_playWhellKeyPress"))->isChecked());
    macroPage.ok();
    QCOMPARE(f.stored(4), binding(Kfc::OperateMacro, "5", 4));
}

void tst_KeyFunctionPages::untouchedMacroOkBindsTheMacroShown()
{
    KeyFunctionFixture f;
    // No macro 1 in the file: the list starts with macro 2.
    PageDriver d = makeDriver(QStringLiteral("DMacroCmdPage"), f);
    d.setUp(f.profilePath, 1, 0);
    QCOMPARE(d.page->findChild<QComboBox *>(QStringLiteral("comboBox_Macro"))->currentText(), QStringLiteral("Copy"));
    d.ok();
    QCOMPARE(f.stored(kKey), binding(Kfc::OperateMacro, "2"));
    QVERIFY(f.hasMacroCopy(2));
    QVERIFY(!f.hasMacroCopy(1));
}

void tst_KeyFunctionPages::emptyListsSaveNothing()
{
    KeyFunctionFixture f;
    const QString emptyFile = f.dir.filePath(QStringLiteral("empty.xml"));
    QVERIFY(f.xml.createXmlFile(emptyFile)); // a macro file without macros

    DMacroCmdPage macroPage;
    macroPage.setHidInterfaceAndXml(nullptr, &f.xml);
    macroPage.setCurrentKey(qMakePair(kKey, QStringLiteral("A")));
    macroPage.setFilePaths(QFile::encodeName(emptyFile).constData(), QFile::encodeName(f.profilePath).constData());
    macroPage.loadCurrentKeyFunction();
    PageSignals macroSpies(&macroPage);
    const QByteArray before = KeyFunctionFixture::bytes(f.profilePath);
    macroPage.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), before);
    QCOMPARE(macroSpies.update.count() + macroSpies.saved.count() + macroSpies.failed.count(), 0);

    // A file without profiles lists none to switch to.
    const QString noProfiles = f.dir.filePath(QStringLiteral("none.xml"));
    QVERIFY(f.xml.createXmlFile(noProfiles));
    DChangProfilePage profilePage;
    profilePage.setHidInterfaceAndXml(nullptr, &f.xml);
    profilePage.setCurrentKey(qMakePair(kKey, QStringLiteral("A")));
    profilePage.setFilePaths("", QFile::encodeName(noProfiles).constData());
    profilePage.loadCurrentKeyFunction();
    PageSignals profileSpies(&profilePage);
    const QByteArray emptyBefore = KeyFunctionFixture::bytes(noProfiles);
    profilePage.findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(KeyFunctionFixture::bytes(noProfiles), emptyBefore);
    QCOMPARE(profileSpies.update.count() + profileSpies.saved.count() + profileSpies.failed.count(), 0);
}

void tst_KeyFunctionPages::macroCountOutsideOneTo255IsNotStored()
{
    KeyFunctionFixture f;
    PageDriver d = makeDriver(QStringLiteral("DMacroCmdPage"), f);
    d.setUp(f.profilePath, 1, 0);
    auto *count = d.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_playMany"));
    d.page->findChild<QRadioButton *>(QStringLiteral("radioButton_playMany"))->click();
    for (const QString &text : {QString(), QStringLiteral("0"), QStringLiteral("256")}) {
        count->setText(text);
        d.ok();
        QCOMPARE(f.stored(kKey), noBinding());
    }
    count->setText(QStringLiteral("255"));
    d.ok();
    QCOMPARE(f.stored(kKey), binding(Kfc::OperateMacro, "2", 2, 255));

    // On-board: typing "25" stores 2, then 25; clearing the field stores nothing.
    PageDriver onboard = makeDriver(QStringLiteral("DMacroCmdPage"), f);
    onboard.setUp(f.layerPath, 3, 1);
    onboard.page->findChild<QRadioButton *>(QStringLiteral("radioButton_playMany"))->click();
    auto *layerCount = onboard.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_playMany"));
    layerCount->clear();
    QTest::keyClicks(layerCount, QStringLiteral("2"));
    QCOMPARE(f.stored(kKey, f.layerPath, "3"), binding(Kfc::OperateMacro, "2", 2, 2));
    QTest::keyClicks(layerCount, QStringLiteral("5"));
    QCOMPARE(f.stored(kKey, f.layerPath, "3"), binding(Kfc::OperateMacro, "2", 2, 25));
    layerCount->clear();
    QCOMPARE(f.stored(kKey, f.layerPath, "3"), binding(Kfc::OperateMacro, "2", 2, 25));
}

void tst_KeyFunctionPages::shortcutCodeWithoutRadioShowsNoChoice()
{
    KeyFunctionFixture f;
    for (const QByteArray &value : {QByteArray("1"), QByteArray("12"), QByteArray("-3")}) {
        f.bind(kKey, binding(Kfc::OperateShortcut, value));
        PageDriver d = makeDriver(QStringLiteral("DHotKeyPage"), f);
        d.setUp(f.profilePath, 1, 0);
        for (QRadioButton *radio : d.page->findChildren<QRadioButton *>())
            QVERIFY2(!radio->isChecked(), qPrintable(radio->objectName()));
        PageSignals spies(d.page.get());
        d.ok();
        QCOMPARE(spies.saved.count(), 0);
        QCOMPARE(f.stored(kKey), binding(Kfc::OperateShortcut, value));
        // A pick is stored; the radios stay exclusive.
        d.choose();
        d.child<QRadioButton>("radioButton_Copy")->click();
        d.ok();
        QCOMPARE(f.stored(kKey), binding(Kfc::OperateShortcut, "5"));
        QVERIFY(!d.child<QRadioButton>("radioButton_Find")->isChecked());
    }
}

void tst_KeyFunctionPages::comboAndRemapLoads_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<StoredBinding>("stored");
    QTest::addColumn<QString>("field");
    QTest::newRow("remap") << "DChangeKeyPage" << binding(Kfc::OperateRemap, "40") << "Enter";
    QTest::newRow("remap to an unknown key") << "DChangeKeyPage" << binding(Kfc::OperateRemap, "99") << "";
    QTest::newRow("remap read by the combination page") << "DKeyCombinationPage"
                                                         << binding(Kfc::OperateRemap, "40") << "";
    QTest::newRow("combination, bit order") << "DKeyCombinationPage" << binding(Kfc::OperateCombination, "34,4")
                                            << "L_SHIFT+R_SHIFT+A";
    QTest::newRow("combination, unknown key") << "DKeyCombinationPage"
                                              << binding(Kfc::OperateCombination, "1,99") << "L_CTRL";
    QTest::newRow("combination without comma") << "DKeyCombinationPage"
                                               << binding(Kfc::OperateCombination, "14") << "";
    QTest::newRow("combination mask 256") << "DKeyCombinationPage" << binding(Kfc::OperateCombination, "256,4")
                                          << "";
}

void tst_KeyFunctionPages::comboAndRemapLoads()
{
    QFETCH(QString, page);
    QFETCH(StoredBinding, stored);
    QFETCH(QString, field);
    KeyFunctionFixture f;
    f.bind(kKey, stored);
    PageDriver d = makeDriver(page, f);
    d.setUp(f.profilePath, 1, 0);
    QCOMPARE(d.page->findChild<QLineEdit *>()->text(), field);
    // Only shown: OK writes nothing.
    const QByteArray before = KeyFunctionFixture::bytes(f.profilePath);
    d.ok();
    QCOMPARE(KeyFunctionFixture::bytes(f.profilePath), before);
}

void tst_KeyFunctionPages::languageChangeKeepsCaptions()
{
    KeyFunctionFixture f;
    for (const QString &name : {QStringLiteral("DResetDefaultPage"), QStringLiteral("DKeyDisablePage")}) {
        PageDriver d = makeDriver(name, f);
        d.setUp(f.profilePath, 1, 0);
        auto *caption = d.page->findChild<QLabel *>(QStringLiteral("label_KeyChar"));
        QCOMPARE(caption->text(), QStringLiteral("A"));
        if (auto *reset = qobject_cast<DResetDefaultPage *>(d.page.get()))
            reset->retranslate();
        else
            qobject_cast<DKeyDisablePage *>(d.page.get())->retranslate();
        QCOMPARE(caption->text(), QStringLiteral("A"));
    }
}

QTEST_MAIN(tst_KeyFunctionPages)
#include "tst_keyfunctionpages.moc"
