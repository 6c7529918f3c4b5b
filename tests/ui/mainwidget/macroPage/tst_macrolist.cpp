// Operations on whole macros: add, delete, clear, import, export, rename;
// store failures; the form after a language change.

#include "macroPageFixture.h"
#include "xmlSaveFailure.h"

#include <QDir>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

namespace {

QStringList namesOf(const xmlIndexNameList &list)
{
    QStringList names;
    for (const auto &pair : list)
        names << QString::fromUtf8(pair.first) + QLatin1Char(':') + QString::fromUtf8(pair.second);
    return names;
}

QStringList rowNames(DMacroPage *page)
{
    QStringList names;
    for (const DMacroListItem *row : page->macroRows())
        names << row->getIndex() + QLatin1Char(':') + row->getName();
    return names;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray importable(const QStringList &macros)
{
    QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Parameters profileIndex=\"1\">\r\n";
    for (const QString &macro : macros)
        bytes += macro.toUtf8() + "\r\n";
    return bytes + "</Parameters>\r\n";
}

QString itemLine(const char *mark, const char *delay, const char *code, const char *word)
{
    const QString markAttribute = *mark ? QStringLiteral("mark=\"%1\" ").arg(mark) : QString();
    return QStringLiteral("<item %1delay=\"%2\" type=\"key\" keyCode=\"%3\" codeName=\"K\" operateExplain=\"%4\" />")
        .arg(markAttribute, delay, code, word);
}

} // namespace

class tst_MacroList : public QObject
{
    Q_OBJECT

private slots:
    void listShowsTheFirstMacro();
    void add_data();
    void add();
    void deleteMacro();
    void clear();
    void import_data();
    void import();
    void exportRoundTrip();
    void exportHostileNames_data();
    void exportHostileNames();
    void exportAnswers();
    void renameFromTheRow();
    void storeFailures_data();
    void storeFailures();
    void fullDiskFailures_data();
    void fullDiskFailures();
    void formAfterLanguageChange();
};

void tst_MacroList::listShowsTheFirstMacro()
{
    MacroPageFixture f;
    f.addMacro(5, "Five", keyPair("f"));
    f.addMacro(2, "Two", keyPair("t", 1, 2));
    f.showPage();
    QCOMPARE(rowNames(f.page.get()), (QStringList{"2:Two", "5:Five"}));
    QCOMPARE(f.page->currentIndex(), QStringLiteral("2"));
    QVERIFY(f.page->macroRows().at(0)->isSelected());
    QCOMPARE(f.tableEvents(), (QStringList{"A down 1", "A up 2"}));
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_catchList"));

    // Showing the page again comes back to the first macro.
    f.selectMacro(1);
    QCOMPARE(f.page->currentIndex(), QStringLiteral("5"));
    QVERIFY(f.page->macroRows().at(1)->isSelected());
    f.showPage();
    QCOMPARE(f.page->currentIndex(), QStringLiteral("2"));

    // A click on the current row reloads its events.
    QVERIFY(f.store.addMacroItems(f.path, {toItem({"n", 3, "key", 5, "B", "down"})}, "2"));
    f.selectMacro(0);
    QCOMPARE(f.tableEvents(), (QStringList{"A down 1", "A up 2", "B down 3"}));
    QCOMPARE(f.totalTime(), QStringLiteral("6 MS"));
}

void tst_MacroList::add_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QString>("added");

    QTest::newRow("empty file") << QList<int>{} << "1:Macro1";
    QTest::newRow("gap") << QList<int>{1, 2, 4} << "3:Macro3";
    QTest::newRow("no 1") << QList<int>{2, 3} << "1:Macro1";
    QTest::newRow("full") << QList<int>{1, 2, 3} << "4:Macro4";
}

void tst_MacroList::add()
{
    QFETCH(QList<int>, indexes);
    QFETCH(QString, added);

    MacroPageFixture f;
    for (int index : indexes)
        f.addMacro(index, "M" + QByteArray::number(index));
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.click("pushButton_Add");
    QCOMPARE(f.notices.last(), QStringLiteral("Add macro successful"));
    QVERIFY(namesOf(f.fileMacros()).contains(added));
    QVERIFY(rowNames(f.page.get()).contains(added));
    QCOMPARE(f.page->macroRows().size(), indexes.size() + 1);
    // The first of the list is current, whichever was added.
    QCOMPARE(f.page->currentIndex(), f.page->macroRows().at(0)->getIndex());
    QVERIFY(changed.isEmpty());
    if (indexes.isEmpty())
        QCOMPARE(f.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));
}

void tst_MacroList::deleteMacro()
{
    MacroPageFixture f;
    f.addMacro(1, "One", keyPair("o"));
    f.addMacro(2, "Two", keyPair("t", 3, 4));
    f.addMacro(3, "Three");
    f.showPage();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);

    // Another macro: the current one and its events stay.
    emit f.page->macroRows().at(1)->sigDeleteMacro("2", "Two");
    QCOMPARE(f.notices.last(), QStringLiteral("Delete macro successful"));
    QCOMPARE(rowNames(f.page.get()), (QStringList{"1:One", "3:Three"}));
    QCOMPARE(namesOf(f.fileMacros()), (QStringList{"1:One", "3:Three"}));
    QCOMPARE(f.page->currentIndex(), QStringLiteral("1"));
    QCOMPARE(f.tableEvents(), (QStringList{"A down 10", "A up 20"}));

    // The current one: the first left becomes current.
    emit f.page->macroRows().at(0)->sigDeleteMacro("1", "One");
    QCOMPARE(rowNames(f.page.get()), (QStringList{"3:Three"}));
    QCOMPARE(f.page->currentIndex(), QStringLiteral("3"));
    QVERIFY(f.page->macroRows().at(0)->isSelected());
    QVERIFY(f.tableEvents().isEmpty());

    // The last one: nothing current; Clear and Record have nothing to work on.
    emit f.page->macroRows().at(0)->sigDeleteMacro("3", "Three");
    QVERIFY(f.page->macroRows().isEmpty());
    QVERIFY(f.fileMacros().isEmpty());
    QVERIFY(f.page->currentIndex().isEmpty());
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));
    f.click("pushButton_ClearMacroLst");
    QCOMPARE(f.notices.last(), QStringLiteral("Please select a macro first"));
    f.clickRecord();
    QVERIFY(!f.page->getRecordStatus());
    QVERIFY(changed.isEmpty());
}

void tst_MacroList::clear()
{
    MacroPageFixture f;
    f.addMacro(1, "One", keyPair("o"));
    const QByteArray longName(60, 'L');
    f.addMacro(2, longName, keyPair("t"));
    f.addMacro(3, "Three");
    f.showPage();
    f.selectMacro(1);
    f.selectEvent(0);
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.click("pushButton_ClearMacroLst");
    QCOMPARE(f.notices.last(), QStringLiteral("Clear record macro successful"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0), (QVariantList{"2", QString::fromLatin1(longName)}));
    QVERIFY(f.page->eventRows().isEmpty());
    QVERIFY(f.fileItems(2).isEmpty());
    QCOMPARE(f.fileEvents(1), (QStringList{"A down 10", "A up 20"}));
    QCOMPARE(f.totalTime(), QStringLiteral("0 MS"));
    QCOMPARE(f.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));
    // Emptied in place: still between 1 and 3 in the file, name whole.
    const QByteArray bytes = f.fileBytes();
    QVERIFY(bytes.indexOf("index=\"2\"") < bytes.indexOf("index=\"3\""));
    QVERIFY(bytes.contains("<macro index=\"2\" name=\"" + longName + "\" />"));
    f.click("pushButton_MoveUp");
    QCOMPARE(f.notices.last(), QStringLiteral("Please select a specific location first"));

    // A recording afterwards counts from 0.
    f.clickRecord();
    QVERIFY(f.tap(0x41, 12));
    QCOMPARE(f.totalTime(), QStringLiteral("12 MS"));
    f.clickRecord();
}

void tst_MacroList::import_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("events");

    const QString imported = QStringLiteral("Import macro successful");
    QTest::newRow("valid") << "Fire.xml"
                           << importable({"<macro index=\"1\" name=\"Fire\">", itemLine("p", "0", "4", "down"),
                                          itemLine("p", "25", "4", "up"), "</macro>"})
                           << imported << "8:Fire" << QStringList{"K down 0", "K up 25"};
    QTest::newRow("two macros: the higher index")
        << "Two.xml"
        << importable({"<macro index=\"5\" name=\"Five\">", itemLine("f", "5", "9", "down"), "</macro>",
                       "<macro index=\"2\" name=\"Two\">", itemLine("t", "2", "8", "down"), "</macro>"})
        << imported << "8:Two" << QStringList{"K down 5"};
    QTest::newRow("dots in the name") << "my.macro.xml" << importable({"<macro index=\"1\" name=\"x\" />"}) << imported
                                      << "8:my" << QStringList{};
    QTest::newRow("only an extension") << ".xml" << importable({"<macro index=\"1\" name=\"x\" />"}) << imported
                                       << "8:Macro8" << QStringList{};
    QTest::newRow("not XML") << "text.xml" << QByteArray("Fire, Water") << "Not a macro file" << "" << QStringList{};
    QTest::newRow("foreign XML") << "page.xml" << QByteArray("<html><body/></html>") << "Not a macro file" << ""
                                 << QStringList{};
    QTest::newRow("bad delay") << "bad.xml"
                               << importable({"<macro index=\"1\" name=\"x\">", itemLine("p", "70000", "4", "down"),
                                              "</macro>"})
                               << "The macro file holds invalid events" << "" << QStringList{};
    QTest::newRow("no mark") << "bare.xml"
                             << importable({"<macro index=\"1\" name=\"x\">", itemLine("", "1", "4", "down"),
                                            itemLine("", "2", "5", "down"), "</macro>"})
                             << imported << "8:bare" << QStringList{"K down 1", "K down 2"};
}

void tst_MacroList::import()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, added);
    QFETCH(QStringList, events);

    MacroPageFixture f;
    f.addMacro(3, "Three", keyPair("t"));
    f.addMacro(7, "Seven");
    f.showPage();
    const QString file = f.dir.filePath(fileName);
    QVERIFY(writeFile(file, bytes));
    const QByteArray before = f.fileBytes();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    f.dialogs->openAnswer = file;
    f.click("pushButton_Import");

    QCOMPARE(f.notices.last(), message);
    QVERIFY(changed.isEmpty());
    if (added.isEmpty()) {
        QCOMPARE(f.fileBytes(), before);
        QCOMPARE(f.page->macroRows().size(), 2);
        return;
    }
    QCOMPARE(namesOf(f.fileMacros()), (QStringList{"3:Three", "7:Seven", added}));
    QCOMPARE(rowNames(f.page.get()), (QStringList{"3:Three", "7:Seven", added}));
    QCOMPARE(f.page->currentIndex(), QStringLiteral("3"));
    QCOMPARE(f.fileEvents(8), events);
    // Every event has a mark of its own or its partner's: none is empty.
    for (const macroItemInfo &item : f.fileItems(8))
        QVERIFY(item.mark[0] != '\0');
    if (QTest::currentDataTag() == QLatin1String("no mark")) {
        const QList<macroItemInfo> items = f.fileItems(8);
        QVERIFY(QByteArray(items.at(0).mark) != QByteArray(items.at(1).mark));
    }

    // Cancelled: nothing at all.
    const QByteArray after = f.fileBytes();
    f.notices.take();
    f.dialogs->openAnswer.clear();
    f.click("pushButton_Import");
    QVERIFY(f.notices.texts.isEmpty());
    QCOMPARE(f.fileBytes(), after);
}

void tst_MacroList::exportRoundTrip()
{
    MacroPageFixture f;
    f.addMacro(4, "Fire", {{"a", 5, "key", 4, "A", "down"}, {"a", 6, "key", 4, "A", "up"},
                           {"m", 7, "mouse", 516, "Right Click Down", "down"}, {"m", 8, "mouse", 517, "Right Click Up", "up"}});
    f.showPage();
    const QString folder = f.dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + "/Fire.xml", "an older export"));
    f.dialogs->folderAnswer = folder;
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    emit f.page->macroRows().at(0)->sigExportMacroChildList("4", "Fire");
    QCOMPARE(f.notices.last(), QStringLiteral("Export macro successful"));
    QVERIFY(changed.isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Fire.xml"});

    xmlIndexNameList exported;
    QVERIFY(f.store.getMacroList(folder + "/Fire.xml", exported));
    QCOMPARE(namesOf(exported), QStringList{"4:Fire"});

    f.dialogs->openAnswer = folder + "/Fire.xml";
    f.click("pushButton_Import");
    QCOMPARE(namesOf(f.fileMacros()), (QStringList{"4:Fire", "5:Fire"}));
    QCOMPARE(f.fileEvents(5), f.fileEvents(4));
    QList<macroItemInfo> original = f.fileItems(4), copy = f.fileItems(5);
    for (int i = 0; i < original.size(); ++i) {
        QCOMPARE(QByteArray(copy.at(i).mark), QByteArray(original.at(i).mark));
        QCOMPARE(QByteArray(copy.at(i).keyCode), QByteArray(original.at(i).keyCode));
    }
}

void tst_MacroList::exportHostileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("climbs out") << "../../escape" << ".._.._escape.xml";
    QTest::newRow("absolute") << "/tmp/x" << "_tmp_x.xml";
    QTest::newRow("dot dot") << ".." << "Macro1.xml";
    QTest::newRow("empty") << "" << "Macro1.xml";
}

void tst_MacroList::exportHostileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, file);

    MacroPageFixture f;
    f.addMacro(1, name.toUtf8(), keyPair("a"));
    f.showPage();
    const QString folder = f.dir.filePath(QStringLiteral("deep/out"));
    QVERIFY(QDir().mkpath(folder));
    f.dialogs->folderAnswer = folder;
    emit f.page->macroRows().at(0)->sigExportMacroChildList("1", name);
    QCOMPARE(f.notices.last(), QStringLiteral("Export macro successful"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{file});
    QCOMPARE(QDir(f.dir.filePath("deep")).entryList(QDir::Files | QDir::Hidden), QStringList{});
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pardexMacro.xml"});
}

void tst_MacroList::exportAnswers()
{
    MacroPageFixture f;
    f.addMacro(1, "pardexMacro", keyPair("a"));
    f.addMacro(2, "Two", keyPair("b"));
    f.showPage();
    const QByteArray before = f.fileBytes();

    f.dialogs->folderAnswer.clear();
    emit f.page->macroRows().at(0)->sigExportMacroChildList("1", "pardexMacro");
    QCOMPARE(f.notices.last(), QStringLiteral("Please select save directory first"));

    // Into the macro file's own folder, under the macro file's name.
    f.dialogs->folderAnswer = f.dir.path();
    emit f.page->macroRows().at(0)->sigExportMacroChildList("1", "pardexMacro");
    QCOMPARE(f.notices.last(), QStringLiteral("Export macro failed"));
    QCOMPARE(f.fileBytes(), before);

    // A folder that is not there.
    f.dialogs->folderAnswer = f.dir.filePath(QStringLiteral("gone"));
    emit f.page->macroRows().at(1)->sigExportMacroChildList("2", "Two");
    QCOMPARE(f.notices.last(), QStringLiteral("Export macro failed"));
}

void tst_MacroList::renameFromTheRow()
{
    MacroPageFixture f;
    f.addMacro(1, "One", keyPair("a"));
    f.addMacro(2, "Two");
    f.showPage();
    DMacroListItem *row = f.page->macroRows().at(0);
    row->onMacroModifyNanme();
    row->findChild<QLineEdit *>("lineEdit_MacroName")->setText(QStringLiteral("Üno"));
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    QCOMPARE(f.notices.last(), QStringLiteral("Modify macro name successful"));
    QCOMPARE(f.page->currentName(), QStringLiteral("Üno"));

    // An insert afterwards keeps the new name.
    f.selectEvent(0);
    f.page->onKeyboardRecviveStream(0x43, 1, 0);
    f.click("pushButton_InsertMacro");
    QCOMPARE(namesOf(f.fileMacros()), (QStringList{"1:Üno", "2:Two"}));

    row->onMacroModifyNanme();
    row->findChild<QLineEdit *>("lineEdit_MacroName")->clear();
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    QCOMPARE(f.notices.last(), QStringLiteral("Macro name can't be empty"));

    QVERIFY(f.store.deleteNode(f.path, "2"));
    DMacroListItem *gone = f.page->macroRows().at(1);
    gone->onMacroModifyNanme();
    gone->findChild<QLineEdit *>("lineEdit_MacroName")->setText(QStringLiteral("Deux"));
    QTest::mouseClick(gone->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    QCOMPARE(f.notices.last(), QStringLiteral("Modify macro name failed"));
    QCOMPARE(gone->getName(), QStringLiteral("Two"));
}

void tst_MacroList::storeFailures_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");

    QTest::newRow("insert") << "insert" << "Insert failed";
    QTest::newRow("modify") << "modify" << "Modify failed";
    QTest::newRow("clear") << "clear" << "Clear record macro failed";
    QTest::newRow("export") << "export" << "Export macro failed";
    QTest::newRow("delete") << "delete" << "Delete macro failed";
    QTest::newRow("move") << "move" << "";
    QTest::newRow("delete event") << "delete event" << "";
}

void tst_MacroList::storeFailures()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);

    MacroPageFixture f;
    f.addMacro(1, "One", keyPair("a"));
    f.addMacro(2, "Two", {{"b", 1, "key", 5, "B", "down"}, {"c", 2, "key", 6, "C", "down"},
                          {"b", 3, "key", 5, "B", "up"}, {"c", 4, "key", 6, "C", "up"}});
    f.showPage();
    f.selectMacro(1);
    f.selectEvent(1);
    f.page->onKeyboardRecviveStream(0x44, 1, 0);
    // Removed behind the page's back, by another program or a hand edit.
    QVERIFY(f.store.deleteNode(f.path, "2"));
    const QByteArray before = f.fileBytes();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);

    if (operation == QLatin1String("insert")) {
        f.click("pushButton_InsertMacro");
    } else if (operation == QLatin1String("modify")) {
        f.click("pushButton_ModifyMacro");
    } else if (operation == QLatin1String("clear")) {
        f.click("pushButton_ClearMacroLst");
    } else if (operation == QLatin1String("export")) {
        f.dialogs->folderAnswer = f.dir.path();
        emit f.page->macroRows().at(1)->sigExportMacroChildList("2", "Two");
    } else if (operation == QLatin1String("delete")) {
        emit f.page->macroRows().at(1)->sigDeleteMacro("2", "Two");
    } else if (operation == QLatin1String("move")) {
        f.click("pushButton_MoveUp");
    } else {
        auto *remove = f.page->eventRows().at(0)->findChild<QPushButton *>("pushButton_Delete");
        remove->show();
        QTest::mouseClick(remove, Qt::LeftButton);
    }

    QCOMPARE(f.notices.texts.isEmpty() ? QString() : f.notices.last(), message);
    for (const QString &text : qAsConst(f.notices.texts))
        QVERIFY2(!text.contains(QLatin1String("successful")), qPrintable(text));
    QVERIFY(changed.isEmpty());
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"pardexMacro.xml"});
    // The page shows the file again: macro 2 is gone, the first is current.
    if (operation != QLatin1String("export")) {
        QCOMPARE(rowNames(f.page.get()), QStringList{"1:One"});
        QCOMPARE(f.page->currentIndex(), QStringLiteral("1"));
        QCOMPARE(f.tableEvents(), f.fileEvents(1));
    }
}

// A full disk: adding or importing a macro says it failed and the list
// stays as the file has it.
void tst_MacroList::fullDiskFailures_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");

    QTest::newRow("add") << "add" << "Add macro failed";
    QTest::newRow("import") << "import" << "Import macro failed";
}

void tst_MacroList::fullDiskFailures()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);

    MacroPageFixture f;
    f.addMacro(1, "One", keyPair("a"));
    f.showPage();
    const QString source = f.dir.filePath(QStringLiteral("Fire.xml"));
    QVERIFY(writeFile(source, importable({"<macro index=\"1\" name=\"Fire\">", itemLine("p", "0", "4", "down"),
                                          itemLine("p", "25", "4", "up"), "</macro>"})));
    const QByteArray before = f.fileBytes();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    {
        const FailingSaves failing(SaveFailure::DiskFull, f.dir.path());
        if (operation == QLatin1String("add")) {
            f.click("pushButton_Add");
        } else {
            f.dialogs->openAnswer = source;
            f.click("pushButton_Import");
        }
    }

    QCOMPARE(f.notices.last(), message);
    for (const QString &text : qAsConst(f.notices.texts))
        QVERIFY2(!text.contains(QLatin1String("successful")), qPrintable(text));
    QVERIFY(changed.isEmpty());
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(rowNames(f.page.get()), QStringList{"1:One"});
    QCOMPARE(f.page->currentIndex(), QStringLiteral("1"));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), (QStringList{"Fire.xml", "pardexMacro.xml"}));
}

void tst_MacroList::formAfterLanguageChange()
{
    MacroPageFixture f;
    f.addMacro(1, "One", {{"m", 3, "mouse", 513, "Left Click Down", "down"}});
    f.showPage();
    f.clickRadio("radioButton_InsertBefore");
    f.clickRadio("radioButton_Mouse");
    f.clickRadio("radioButton_MouseRight");
    f.child<QLineEdit>("lineEdit_DefaultDelayNum")->setText(QStringLiteral("250"));
    QVERIFY(f.child<QRadioButton>("radioButton_Delay")->isHidden());
    QCOMPARE(f.child<QLineEdit>("lineEdit_EnterKey")->maxLength(), 128);

    QTranslator translator;
    QVERIFY(translator.load(qEnvironmentVariable("VELMORA_BINARY_DIR") + "/translation/German.qm"));
    QCoreApplication::installTranslator(&translator);
    f.page->updataAllUI();
    const QString germanRecord = f.child<QLabel>("label")->text();
    const QString germanTip = f.child<QPushButton>("pushButton_Add")->toolTip();
    const QString germanRow = f.page->eventRows().at(0)->findChild<QLabel *>("label_CatchEventExplain")->text();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(germanRecord, QStringLiteral("Aufnehmen"));
    QCOMPARE(germanTip, QStringLiteral("Hinzufügen"));
    QCOMPARE(germanRow, QStringLiteral("Linksklick"));
    QVERIFY(f.child<QRadioButton>("radioButton_InsertAfter")->isChecked());
    QVERIFY(f.child<QRadioButton>("radioButton_Key")->isChecked());
    QVERIFY(f.child<QRadioButton>("radioButton_MouseLeft")->isChecked());
    // (Each macro row has a "stackedWidget" of its own.)
    auto *pageKey = f.child<QWidget>("page_Key");
    QCOMPARE(qobject_cast<QStackedWidget *>(pageKey->parentWidget())->currentWidget(), pageKey);
    QVERIFY(f.child<QRadioButton>("radioButton_Delay")->isHidden());
    QCOMPARE(f.child<QLineEdit>("lineEdit_DefaultDelayNum")->text(), QStringLiteral("250"));
    QCOMPARE(f.totalTime(), QStringLiteral("3 MS"));
    QCOMPARE(f.page->currentIndex(), QStringLiteral("1"));

    f.page->updataAllUI();
    QCOMPARE(f.child<QLabel>("label")->text(), QStringLiteral("Record"));
    QCOMPARE(f.child<QPushButton>("pushButton_MoveDown")->toolTip(), QStringLiteral("Down"));
}

QTEST_MAIN(tst_MacroList)
#include "tst_macrolist.moc"
