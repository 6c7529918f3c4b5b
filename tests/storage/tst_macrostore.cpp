// The macro file's one-save operations and the checking reader of imported
// macro files.

#include "macroFileReader.h"
#include "xmlInterface.h"
#include "xmlSaveFailure.h"
#include "xmlTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

macroItemInfo macroEvent(const char *mark, const char *delay, const char *type, const char *code, const char *name,
                    const char *word)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, mark);
    fixedTextCopy(item.delay, delay);
    fixedTextCopy(item.type, type);
    fixedTextCopy(item.keyCode, code);
    fixedTextCopy(item.codeName, name);
    fixedTextCopy(item.operateExplain, word);
    return item;
}

const QList<macroItemInfo> kPair = {macroEvent("aa", "0", "key", "4", "A", "down"), macroEvent("aa", "30", "key", "4", "A", "up")};

QByteArrayList describe(const QList<macroItemInfo> &items)
{
    QByteArrayList lines;
    for (const macroItemInfo &item : items)
        lines << QByteArray(item.mark) + ' ' + item.delay + ' ' + item.type + ' ' + item.keyCode + ' '
                + item.codeName + ' ' + item.operateExplain;
    return lines;
}

// A macro file of the given lines between the root's tags.
QByteArray macroFile(const QStringList &lines)
{
    return storeFile(QStringList{"<Parameters profileIndex=\"1\">"} + lines + QStringList{"</Parameters>"});
}

QString item(const char *mark, const char *delay, const char *type, const char *code, const char *word)
{
    return QStringLiteral("<item mark=\"%1\" delay=\"%2\" type=\"%3\" keyCode=\"%4\" codeName=\"X\" operateExplain=\"%5\" />")
        .arg(mark, delay, type, code, word);
}

} // namespace

class tst_MacroStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void replaceMacroItemsKeepsElementAndName();
    void replaceMacroItemsWithoutTheMacro();
    void addMacroWithItems();
    void createMacroFileIsTheThreeStepFileInOneWrite();
    void createMacroFileWholeOrNothing_data();
    void createMacroFileWholeOrNothing();
    void readLastMacro_data();
    void readLastMacro();
    void readerRefusesLargeFiles();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    xmlInterface m_store;
};

void tst_MacroStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("pardexMacro.xml"));
}

void tst_MacroStore::replaceMacroItemsKeepsElementAndName()
{
    const QByteArray longName(80, 'n');
    QVERIFY(writeBytes(m_path, macroFile({
        "    <macro index=\"1\" name=\"First\" />",
        "    <macro index=\"2\" name=\"" + QString::fromLatin1(longName) + "\">",
        "        " + item("x1", "5", "key", "4", "down"),
        "        " + item("x1", "6", "key", "4", "up"),
        "    </macro>",
        "    <macro index=\"3\" name=\"Third\" />",
    })));

    const QList<macroItemInfo> table = {kPair.at(1), kPair.at(0), macroEvent("bb", "7", "mouse", "513", "Left Click Down", "down")};
    QVERIFY(m_store.replaceMacroItems(m_path, "2", table));
    QList<macroItemInfo> items;
    QVERIFY(m_store.getMacroItems(m_path, "2", QByteArray(), items));
    QCOMPARE(describe(items), describe(table));

    // Still the second of three, and the name whole (a list reads 63 bytes of it).
    const QByteArray bytes = readBytes(m_path);
    QVERIFY(bytes.indexOf("index=\"1\"") < bytes.indexOf("index=\"2\""));
    QVERIFY(bytes.indexOf("index=\"2\"") < bytes.indexOf("index=\"3\""));
    QVERIFY(bytes.contains("name=\"" + longName + "\""));

    // Emptied: the element stays, written as an empty one.
    QVERIFY(m_store.replaceMacroItems(m_path, "2", {}));
    QVERIFY(readBytes(m_path).contains("<macro index=\"2\" name=\"" + longName + "\" />"));
    QVERIFY(m_store.findNode(m_path, "2"));
}

void tst_MacroStore::replaceMacroItemsWithoutTheMacro()
{
    QVERIFY(m_store.createXmlFile(m_path));
    QVERIFY(m_store.addMacro(m_path, "1", "One"));
    const QByteArray before = readBytes(m_path);
    QVERIFY(!m_store.replaceMacroItems(m_path, "9", kPair));
    QCOMPARE(readBytes(m_path), before);
    QVERIFY(!m_store.replaceMacroItems(m_dir->filePath("missing.xml"), "1", kPair));
    QVERIFY(!QFile::exists(m_dir->filePath("missing.xml")));
}

void tst_MacroStore::addMacroWithItems()
{
    QVERIFY(m_store.createXmlFile(m_path));
    QVERIFY(m_store.addMacro(m_path, "1", "One"));
    QVERIFY(m_store.addMacroWithItems(m_path, "2", "Two", kPair));
    xmlIndexNameList list;
    QVERIFY(m_store.getMacroList(m_path, list));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(1).second, QByteArray("Two"));
    QList<macroItemInfo> items;
    QVERIFY(m_store.getMacroItems(m_path, "2", QByteArray(), items));
    QCOMPARE(describe(items), describe(kPair));

    QVERIFY(!m_store.addMacroWithItems(m_dir->filePath("missing.xml"), "1", "x", kPair));
}

void tst_MacroStore::createMacroFileIsTheThreeStepFileInOneWrite()
{
    const QString stepwise = m_dir->filePath(QStringLiteral("stepwise.xml"));
    QVERIFY(m_store.createXmlFile(stepwise));
    QVERIFY(m_store.addMacro(stepwise, "4", "Fire"));
    QVERIFY(m_store.addMacroItems(stepwise, kPair, "4"));

    const QString whole = m_dir->filePath(QStringLiteral("Fire.xml"));
    QVERIFY(writeBytes(whole, "an older file of that name"));
    QVERIFY(m_store.createMacroFile(whole, "4", "Fire", kPair));
    QCOMPARE(readBytes(whole), readBytes(stepwise));
}

void tst_MacroStore::createMacroFileWholeOrNothing_data()
{
    QTest::addColumn<int>("failure");
    QTest::newRow("read-only folder") << int(SaveFailure::ReadOnlyFolder);
    QTest::newRow("disk full") << int(SaveFailure::DiskFull);
}

void tst_MacroStore::createMacroFileWholeOrNothing()
{
    QFETCH(int, failure);
    const QString folder = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    const QString target = folder + QStringLiteral("/Fire.xml");
    QVERIFY(writeBytes(target, "kept"));
    bool written = true;
    {
        const FailingSaves failing(SaveFailure(failure), folder);
        written = m_store.createMacroFile(target, "1", "Fire", kPair);
    }
    QVERIFY(!written);
    QCOMPARE(readBytes(target), QByteArray("kept"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Fire.xml"});

    // No folder to write into.
    QVERIFY(!m_store.createMacroFile(m_dir->filePath(QStringLiteral("no/such/Fire.xml")), "1", "Fire", kPair));
    QVERIFY(!QDir(m_dir->filePath(QStringLiteral("no"))).exists());
}

void tst_MacroStore::readLastMacro_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArrayList>("events");

    const int ok = macroFileReader::Ok;
    const int notMacro = macroFileReader::NotMacroFile;
    const int invalid = macroFileReader::InvalidEvents;
    auto one = [](const QString &line) {
        return macroFile({"    <macro index=\"1\" name=\"M\">", "        " + line, "    </macro>"});
    };

    QTest::newRow("valid") << macroFile({"    <macro index=\"3\" name=\"M\">",
                                         "        " + item("m1", "0", "key", "4", "down"),
                                         "        " + item("m1", "65535", "key", "4", "up"),
                                         "        " + item("m2", "5", "mouse", "516", "down"),
                                         "    </macro>"})
                           << ok << QByteArrayList{"m1 0 key 4 X down", "m1 65535 key 4 X up", "m2 5 mouse 516 X down"};
    QTest::newRow("two macros: the higher index") << macroFile({
        "    <macro index=\"5\" name=\"Five\">", "        " + item("f", "1", "key", "5", "down"), "    </macro>",
        "    <macro index=\"2\" name=\"Two\">", "        " + item("t", "1", "key", "6", "down"), "    </macro>"})
                                                  << ok << QByteArrayList{"f 1 key 5 X down"};
    QTest::newRow("no macro") << macroFile({}) << ok << QByteArrayList{};
    QTest::newRow("empty macro") << macroFile({"    <macro index=\"1\" name=\"M\" />"}) << ok << QByteArrayList{};
    QTest::newRow("no mark") << one("<item delay=\"0\" type=\"key\" keyCode=\"-1\" codeName=\"\" operateExplain=\"up\" />")
                             << ok << QByteArrayList{" 0 key -1  up"};
    QTest::newRow("not XML") << QByteArray("Fire\nWater\n") << notMacro << QByteArrayList{};
    QTest::newRow("empty file") << QByteArray() << notMacro << QByteArrayList{};
    QTest::newRow("cut short") << macroFile({"    <macro index=\"1\" name=\"M\">"}) << notMacro << QByteArrayList{};
    QTest::newRow("foreign XML") << QByteArray("<?xml version=\"1.0\"?>\n<html><body/></html>\n") << notMacro
                                 << QByteArrayList{};
    QTest::newRow("a second root") << macroFile({}) + "<Parameters/>\r\n" << notMacro << QByteArrayList{};
    QTest::newRow("text after the root") << macroFile({}) + "trailing" << notMacro << QByteArrayList{};
    QTest::newRow("delay over the limit") << one(item("m", "65536", "key", "4", "down")) << invalid << QByteArrayList{};
    QTest::newRow("negative delay") << one(item("m", "-1", "key", "4", "down")) << invalid << QByteArrayList{};
    QTest::newRow("delay with letters") << one(item("m", "10ms", "key", "4", "down")) << invalid << QByteArrayList{};
    QTest::newRow("empty delay") << one(item("m", "", "key", "4", "down")) << invalid << QByteArrayList{};
    QTest::newRow("huge delay") << one(item("m", "99999999999999999999", "key", "4", "down")) << invalid
                                << QByteArrayList{};
    QTest::newRow("other type") << one(item("m", "0", "delay", "4", "down")) << invalid << QByteArrayList{};
    QTest::newRow("other word") << one(item("m", "0", "key", "4", "hold")) << invalid << QByteArrayList{};
    QTest::newRow("code not a number") << one(item("m", "0", "key", "4a", "down")) << invalid << QByteArrayList{};
    QTest::newRow("code too big") << one(item("m", "0", "key", "4294967296", "down")) << invalid << QByteArrayList{};
    QTest::newRow("mouse wheel") << one(item("m", "0", "mouse", "522", "down")) << invalid << QByteArrayList{};
    QTest::newRow("no type") << one("<item mark=\"m\" delay=\"0\" keyCode=\"4\" operateExplain=\"down\" />") << invalid
                             << QByteArrayList{};
    QTest::newRow("a bad event in a lower macro only")
        << macroFile({"    <macro index=\"1\" name=\"Low\">", "        " + item("m", "-3", "key", "4", "down"),
                      "    </macro>", "    <macro index=\"2\" name=\"High\" />"})
        << ok << QByteArrayList{};
}

void tst_MacroStore::readLastMacro()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QFETCH(QByteArrayList, events);

    const QString file = m_dir->filePath(QStringLiteral("import.xml"));
    QVERIFY(writeBytes(file, bytes));
    QList<macroItemInfo> items{kPair.at(0)};
    QCOMPARE(int(macroFileReader::readLastMacro(file, items)), result);
    if (result == macroFileReader::Ok)
        QCOMPARE(describe(items), events);
    else
        QCOMPARE(items.size(), 1); // untouched
    QCOMPARE(readBytes(file), bytes);
}

void tst_MacroStore::readerRefusesLargeFiles()
{
    const QString file = m_dir->filePath(QStringLiteral("large.xml"));
    QByteArray padding(macroFileReader::MaxFileSize, ' ');
    QVERIFY(writeBytes(file, macroFile({"    <macro index=\"1\" name=\"M\" />"}) + padding));
    QList<macroItemInfo> items;
    QCOMPARE(macroFileReader::readLastMacro(file, items), macroFileReader::NotMacroFile);
    QCOMPARE(macroFileReader::readLastMacro(m_dir->filePath("missing.xml"), items), macroFileReader::NotMacroFile);
}

QTEST_MAIN(tst_MacroStore)
#include "tst_macrostore.moc"
