// The store's operations: lookups, lists, copies, key bindings, macros,
// lighting, swatches, custom lighting, DPI levels and performance options.

#include "xmlInterface.h"
#include "xmlSaveFailure.h"
#include "xmlTestFiles.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

template <typename Record>
Record zeroed()
{
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

macroItemInfo macroEvent(const char *mark, const char *delay, const char *explain,
                         const char *keyCode = "4", const char *codeName = "A")
{
    auto event = zeroed<macroItemInfo>();
    fixedTextCopy(event.mark, mark);
    fixedTextCopy(event.delay, delay);
    fixedTextCopy(event.type, "key");
    fixedTextCopy(event.keyCode, keyCode);
    fixedTextCopy(event.codeName, codeName);
    fixedTextCopy(event.operateExplain, explain);
    return event;
}

QByteArrayList delaysOf(const QList<macroItemInfo> &events)
{
    QByteArrayList delays;
    for (const macroItemInfo &event : events)
        delays << QByteArray(event.delay);
    return delays;
}

QByteArrayList indexesOf(const xmlIndexNameList &list)
{
    QByteArrayList indexes;
    for (const auto &pair : list)
        indexes << pair.first;
    return indexes;
}

// True when text is whole UTF-8 and a prefix of original.
bool isCleanPrefix(const QByteArray &text, const QByteArray &original)
{
    return original.startsWith(text) && QString::fromUtf8(text).toUtf8() == text;
}

QByteArray featuresOf(const performanceSettingInfo &setting)
{
    return QByteArray(setting.feature1) + QByteArray(setting.feature2) + QByteArray(setting.feature3)
        + QByteArray(setting.feature4);
}

colorInfoData lightItem(int zone, int effect, int seed)
{
    int32_t fields[14];
    for (int i = 0; i < 14; ++i)
        fields[i] = seed + i;
    static_assert(sizeof fields == sizeof(colorInfoData), "fourteen fields");
    colorInfoData c;
    std::memcpy(&c, fields, sizeof c);
    c.ledKeyboardOrSide = zone;
    c.ledType = effect;
    return c;
}

// A store call on a file; true when it was made and saved.
using StoreCall = std::function<bool(xmlInterface &, const QString &)>;

} // namespace

Q_DECLARE_METATYPE(StoreCall)

class tst_XmlInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void matchingRule_data();
    void matchingRule();
    void matchingTrapWriters();
    void findNodeAndNodeIndexAndName();
    void profileIndex();
    void profileList_data();
    void profileList();
    void profileCopies_data();
    void profileCopies();
    void profileCopiesWithinOneFile();

    void keyBindings();
    void countKeysWithValue_data();
    void countKeysWithValue();

    void moveMacroItem_data();
    void moveMacroItem();
    void updateMacroItemSharedMark();
    void deleteMacroItemComparesMark_data();
    void deleteMacroItemComparesMark();
    void boundMacros();
    void replacementsAreOneSave_data();
    void replacementsAreOneSave();

    void newProfileDefaults_data();
    void newProfileDefaults();
    void lightItemsPerZone();
    void zoneSwitches();
    void customColors();
    void customLightSchemes();
    void replaceCustomLightKeys();
    void replaceCustomLightKeysFailedSave_data();
    void replaceCustomLightKeysFailedSave();
    void usingCustomLightIndex_data();
    void usingCustomLightIndex();
    void dpiLevels();
    void performanceSetting();

    void overLongTextsCutSafely();

private:
    QString filePath(const QString &name) const { return m_dir->filePath(name); }
    // A profile file with keyboard profiles of these indexes.
    QString profileFile(const QByteArrayList &indexes, int deviceType = 0);
    // The macro file with macro 1 holding events of marks a, a, b, b.
    QString macroFile();

    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_store;
};

void tst_XmlInterface::initTestCase()
{
    // Missing profiles and files are part of what is tested here.
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.storage.warning=false"));
}

void tst_XmlInterface::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

QString tst_XmlInterface::profileFile(const QByteArrayList &indexes, int deviceType)
{
    const QString path = filePath("pardexProFile.xml");
    m_store.createXmlFile(path);
    for (const QByteArray &index : indexes)
        m_store.addProfile(path, index, "Profile" + index, "", "", deviceType);
    return path;
}

QString tst_XmlInterface::macroFile()
{
    const QString path = filePath("pardexMacro.xml");
    m_store.createXmlFile(path);
    m_store.addMacro(path, "1", "Macro1");
    m_store.addMacroItems(path,
                          {macroEvent("a", "10", "down"), macroEvent("a", "11", "up"),
                           macroEvent("b", "20", "down"), macroEvent("b", "21", "up")},
                          "1");
    return path;
}

// --- Root children ---------------------------------------------------------

void tst_XmlInterface::matchingRule_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("foundIndex"); // empty: nothing found

    QTest::newRow("index wins over an earlier name") << QByteArray("2") << QByteArray("2");
    QTest::newRow("plain index") << QByteArray("1") << QByteArray("1");
    QTest::newRow("name when no index matches") << QByteArray("Gaming") << QByteArray("2");
    QTest::newRow("program name when no index matches") << QByteArray("game.exe") << QByteArray("3");
    QTest::newRow("empty text: first empty attribute") << QByteArray("") << QByteArray("1");
    QTest::newRow("case-sensitive") << QByteArray("gaming") << QByteArray();
    QTest::newRow("no match") << QByteArray("9") << QByteArray();
}

void tst_XmlInterface::matchingRule()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, foundIndex);
    const QString path = filePath("profiles.xml");
    QVERIFY(writeBytes(path, storeFile({
                                 "<Parameters profileIndex=\"1\">",
                                 "    <config index=\"1\" name=\"2\" proFileAppName=\"\" proFileAppIco=\"\" />",
                                 "    <config index=\"2\" name=\"Gaming\" proFileAppName=\"x\" proFileAppIco=\"y\" />",
                                 "    <config index=\"3\" name=\"Office\" proFileAppName=\"game.exe\" proFileAppIco=\"i\" />",
                                 "</Parameters>",
                             })));
    auto info = zeroed<profileInfo>();
    fixedTextCopy(info.index, "keep");
    QCOMPARE(m_store.getProfileInfo(path, value, info), !foundIndex.isEmpty());
    QCOMPARE(QByteArray(info.index), foundIndex.isEmpty() ? QByteArray("keep") : foundIndex);
    QCOMPARE(m_store.findNode(path, value), !foundIndex.isEmpty());
}

void tst_XmlInterface::matchingTrapWriters()
{
    // Profile 1 is named "2": every operation on profile "2" must reach
    // profile 2, never the profile that carries the name.
    const QString path = profileFile({"1", "2"});
    QVERIFY(m_store.setNodeName(path, "1", "2"));

    QVERIFY(m_store.addKeyInfo(path, "2", "4", "A", "0", "1", "1", "5"));
    QVERIFY(m_store.hasKeyInfo(path, "2", "4"));
    QVERIFY(!m_store.hasKeyInfo(path, "1", "4"));
    QVERIFY(m_store.setLightUsingIndex(path, "2", 0, 7));
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 0), 2);
    QVERIFY(m_store.setProfileInfo(path, "2", "Renamed", "app", "ico"));

    xmlIndexNameList list;
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list, (xmlIndexNameList{{"1", "2"}, {"2", "Renamed"}}));

    QVERIFY(m_store.deleteNode(path, "2"));
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list, (xmlIndexNameList{{"1", "2"}}));

    // With no index "2" left, the text falls back to the profile named "2".
    auto info = zeroed<profileInfo>();
    QVERIFY(m_store.getProfileInfo(path, "2", info));
    QCOMPARE(QByteArray(info.index), QByteArray("1"));

    // A missing node changes nothing.
    QVERIFY(!m_store.deleteNode(path, "5"));
    QVERIFY(!m_store.setNodeName(path, "5", "x"));
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list, (xmlIndexNameList{{"1", "2"}}));
}

void tst_XmlInterface::findNodeAndNodeIndexAndName()
{
    const QString path = filePath("pardexMacro.xml");
    QVERIFY(writeBytes(path, storeFile({
                                 "<Parameters profileIndex=\"1\">",
                                 "    <macro index=\"1\" name=\"Macro1\" />",
                                 "    <macro index=\"12\" name=\"Copy and paste\" />",
                                 "    <macro name=\"Orphan\" index=\"30\" />",
                                 "</Parameters>",
                             })));
    struct Row { QByteArray value; bool found; int index; QByteArray name; };
    const Row rows[] = {
        {"12", true, 12, "Copy and paste"},
        // A match on another attribute: its number and the attribute after it.
        {"Orphan", true, 0, "30"},
        // The matching attribute is the element's last: the name stays.
        {"30", true, 30, "kept"},
        {"99", false, -5, "kept"},
    };
    for (const Row &row : rows) {
        nodeIndexNameInfo info;
        info.index = -5;
        fixedTextCopy(info.name, "kept");
        QCOMPARE(m_store.getNodeIndexAndName(path, row.value, info), row.found);
        QCOMPARE(info.index, row.index);
        QCOMPARE(QByteArray(info.name), row.name);
        QCOMPARE(m_store.findNode(path, row.value), row.found);
    }
    QVERIFY(!m_store.findNode(filePath("missing.xml"), "1"));
}

void tst_XmlInterface::profileIndex()
{
    QCOMPARE(m_store.getProfileIndex(filePath("missing.xml")), 1);
    const QString path = filePath("noIndex.xml");
    QVERIFY(writeBytes(path, "<Parameters />"));
    QCOMPARE(m_store.getProfileIndex(path), 1);
    QVERIFY(m_store.setProfileIndex(path, 4));
    QCOMPARE(m_store.getProfileIndex(path), 4);
    QVERIFY(!m_store.setProfileIndex(filePath("missing.xml"), 4));
}

void tst_XmlInterface::profileList_data()
{
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QByteArrayList>("indexes");
    QTest::addColumn<QByteArrayList>("names");

    QTest::newRow("numeric order") << QStringList{"<config index=\"1\" name=\"a\" />", "<config index=\"2\" name=\"b\" />",
                                                  "<config index=\"10\" name=\"c\" />", "<config index=\"9\" name=\"d\" />"}
                                   << QByteArrayList{"1", "2", "9", "10"} << QByteArrayList{"a", "b", "d", "c"};
    QTest::newRow("first of an index wins") << QStringList{"<config index=\"3\" name=\"first\" />",
                                                           "<config index=\"1\" name=\"one\" />",
                                                           "<config index=\"3\" name=\"second\" />"}
                                            << QByteArrayList{"1", "3"} << QByteArrayList{"one", "first"};
    QTest::newRow("any element, absent attributes empty")
        << QStringList{"<macro index=\"5\" name=\"m\" />", "<other />", "<config name=\"noIndex\" />"}
        << QByteArrayList{"", "5"} << QByteArrayList{"", "m"};
    QTest::newRow("empty root") << QStringList{} << QByteArrayList{} << QByteArrayList{};
}

void tst_XmlInterface::profileList()
{
    QFETCH(QStringList, children);
    QFETCH(QByteArrayList, indexes);
    QFETCH(QByteArrayList, names);
    const QString path = filePath("list.xml");
    QVERIFY(writeBytes(path, storeFile(QStringList{"<Parameters profileIndex=\"1\">"} + children
                                       + QStringList{"</Parameters>"})));

    xmlIndexNameList list{{"stale", "entry"}};
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(indexesOf(list), indexes);
    for (int i = 0; i < list.size(); ++i)
        QCOMPARE(list[i].second, names[i]);

    xmlIndexNameList macros{{"stale", "entry"}};
    QVERIFY(m_store.getMacroList(path, macros));
    QCOMPARE(macros, list);

    // A missing file leaves the list as it was.
    QVERIFY(!m_store.getMacroList(filePath("missing.xml"), macros));
    QCOMPARE(macros, list);
}

void tst_XmlInterface::profileCopies_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QByteArrayList>("destinationIndexes");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("copyIndex");

    QTest::newRow("import into a file without profiles") << "import" << QByteArrayList{} << QByteArray("3") << QByteArray("0");
    QTest::newRow("import after 1 and 3") << "import" << QByteArrayList{"1", "3"} << QByteArray("3") << QByteArray("4");
    QTest::newRow("import after largest 5") << "import" << QByteArrayList{"5", "2"} << QByteArray("3") << QByteArray("6");
    QTest::newRow("import after 10 and 9") << "import" << QByteArrayList{"10", "9"} << QByteArray("3") << QByteArray("11");
    QTest::newRow("import after negative only") << "import" << QByteArrayList{"-4"} << QByteArray("3") << QByteArray("0");
    QTest::newRow("export renumbered") << "export+1" << QByteArrayList{} << QByteArray("3") << QByteArray("4");
    QTest::newRow("export as is") << "export" << QByteArrayList{"1"} << QByteArray("3") << QByteArray("3");
    QTest::newRow("copy with index") << "copy7" << QByteArrayList{"1"} << QByteArray("3") << QByteArray("7");
}

void tst_XmlInterface::profileCopies()
{
    QFETCH(QString, operation);
    QFETCH(QByteArrayList, destinationIndexes);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, copyIndex);

    const QString source = filePath("source.xml");
    QVERIFY(m_store.createXmlFile(source));
    QVERIFY(m_store.addProfile(source, "3", "Source", "app", "ico", 0));
    QVERIFY(m_store.addKeyInfo(source, "3", "4", "A", "0", "1", "1", "5"));
    const QByteArray sourceBytes = readBytes(source);

    const QString destination = filePath("destination.xml");
    QVERIFY(m_store.createXmlFile(destination));
    for (const QByteArray &index : destinationIndexes)
        QVERIFY(m_store.addProfile(destination, index, "Dest" + index, "", "", 0));

    bool ok = false;
    if (operation == "import")
        ok = m_store.importProfile(destination, source, value);
    else if (operation == "export+1")
        ok = m_store.exportProfile(source, destination, value, true);
    else if (operation == "export")
        ok = m_store.exportProfile(source, destination, value, false);
    else if (operation == "copy7")
        ok = m_store.copyProfileWithIndex(destination, 7, source, value);
    QVERIFY(ok);

    // The whole element arrives at the end, with its new index; the source
    // is never written.
    xmlIndexNameList list;
    QVERIFY(m_store.getProfileList(destination, list));
    QCOMPARE(list.size(), destinationIndexes.size() + 1);
    QVERIFY(list.contains(qMakePair(copyIndex, QByteArray("Source"))));
    auto key = zeroed<customKeyInfo>();
    QVERIFY(m_store.getKeyInfo(destination, copyIndex, "4", key));
    QCOMPARE(QByteArray(key.Value), QByteArray("5"));
    QCOMPARE(m_store.getLightUsingIndex(destination, copyIndex, 0), 2);
    QVERIFY(readBytes(destination).trimmed().endsWith("</config>\r\n</Parameters>"));
    QCOMPARE(readBytes(source), sourceBytes);

    // A value that matches nothing copies nothing.
    const QByteArray before = readBytes(destination);
    QVERIFY(!m_store.importProfile(destination, source, "8"));
    QVERIFY(!m_store.exportProfile(source, destination, "8", true));
    QCOMPARE(readBytes(destination), before);
}

void tst_XmlInterface::profileCopiesWithinOneFile()
{
    // Source and destination are one file: the copy lands after the
    // profiles already there, the original stays.
    const QString path = profileFile({"1", "3"});
    QVERIFY(m_store.addKeyInfo(path, "1", "4", "A", "0", "1", "1", "5"));
    QVERIFY(m_store.importProfile(path, path, "1"));
    QVERIFY(m_store.copyProfileWithIndex(path, 9, path, "3"));
    QVERIFY(m_store.exportProfile(path, path, "9", true));

    xmlIndexNameList list;
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list, (xmlIndexNameList{{"1", "Profile1"}, {"3", "Profile3"}, {"4", "Profile1"},
                                     {"9", "Profile3"}, {"10", "Profile3"}}));
    for (const QByteArray profile : {"1", "4"}) {
        auto key = zeroed<customKeyInfo>();
        QVERIFY(m_store.getKeyInfo(path, profile, "4", key));
        QCOMPARE(QByteArray(key.Value), QByteArray("5"));
    }
}

// --- Key bindings --------------------------------------------------------------

void tst_XmlInterface::keyBindings()
{
    const QString path = profileFile({"1"});
    QVERIFY(m_store.addKeyInfo(path, "1", "4", "A", "0", "1", "1", "5"));
    QVERIFY(m_store.addKeyInfo(path, "1", "30", "1", "1", "2", "3", "12"));
    QVERIFY(m_store.addKeyInfo(path, "1", "4", "A", "6", "1", "1", "second"));

    QList<QByteArray> codes{"old"};
    QVERIFY(m_store.getKeyCodeList(path, "1", codes));
    QCOMPARE(codes, (QList<QByteArray>{"old", "4", "30", "4"}));

    // The first item of a key is the one read and removed.
    auto info = zeroed<customKeyInfo>();
    QVERIFY(m_store.getKeyInfo(path, "1", "4", info));
    QCOMPARE(QByteArray(info.Value), QByteArray("5"));
    QVERIFY(m_store.getKeyInfo(path, "1", "30", info));
    QCOMPARE(QByteArray(info.keyChar), QByteArray("1"));
    QCOMPARE(QByteArray(info.operateType), QByteArray("1"));
    QCOMPARE(QByteArray(info.repeatNum), QByteArray("2"));
    QCOMPARE(QByteArray(info.mode), QByteArray("3"));
    QCOMPARE(QByteArray(info.Value), QByteArray("12"));

    QVERIFY(m_store.deleteKeyInfo(path, "1", "4"));
    QVERIFY(m_store.getKeyInfo(path, "1", "4", info));
    QCOMPARE(QByteArray(info.Value), QByteArray("second"));
    QVERIFY(m_store.deleteKeyInfo(path, "1", "4"));
    QVERIFY(!m_store.hasKeyInfo(path, "1", "4"));
    QVERIFY(m_store.hasKeyInfo(path, "1", "30"));
    QVERIFY(!m_store.deleteKeyInfo(path, "1", "4"));

    // A missing binding leaves the caller's record as it was.
    auto preset = zeroed<customKeyInfo>();
    fixedTextCopy(preset.keyCode, "-1");
    QVERIFY(!m_store.getKeyInfo(path, "1", "4", preset));
    QVERIFY(!m_store.getKeyInfo(path, "9", "30", preset));
    QCOMPARE(QByteArray(preset.keyCode), QByteArray("-1"));
}

void tst_XmlInterface::countKeysWithValue_data()
{
    QTest::addColumn<QStringList>("macroItems"); // empty list: no macro element at all
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<int>("count");

    QTest::newRow("macro bindings of macro 3")
        << QStringList{"<item keyCode=\"4\" operateType=\"1\" Value=\"3\" />",
                       "<item keyCode=\"5\" operateType=\"1\" Value=\"3\" />",
                       "<item keyCode=\"6\" operateType=\"1\" Value=\"4\" />"}
        << QByteArray("1") << 2;
    QTest::newRow("a key remapped to code 3 is no binding of macro 3")
        << QStringList{"<item keyCode=\"4\" operateType=\"0\" Value=\"3\" />",
                       "<item keyCode=\"5\" operateType=\"1\" Value=\"3\" />"}
        << QByteArray("1") << 1;
    QTest::newRow("Value before operateType does not count")
        << QStringList{"<item keyCode=\"4\" Value=\"3\" operateType=\"1\" />",
                       "<item keyCode=\"5\" Value=\"3\" />"}
        << QByteArray("1") << 0;
    QTest::newRow("empty macro element") << QStringList{""} << QByteArray("1") << 0;
    QTest::newRow("no macro element") << QStringList{} << QByteArray("1") << 0;
    QTest::newRow("missing profile") << QStringList{""} << QByteArray("2") << -1;
}

void tst_XmlInterface::countKeysWithValue()
{
    QFETCH(QStringList, macroItems);
    QFETCH(QByteArray, profile);
    QFETCH(int, count);
    QStringList lines{"<Parameters profileIndex=\"1\">", "<config index=\"1\" name=\"P\">"};
    if (!macroItems.isEmpty())
        lines << "<macro>" << macroItems << "</macro>";
    lines << "</config>" << "</Parameters>";
    const QString path = filePath("count.xml");
    QVERIFY(writeBytes(path, storeFile(lines)));
    QCOMPARE(m_store.countKeysWithValue(path, profile, "1", "3"), count);
    QCOMPARE(m_store.countKeysWithValue(filePath("missing.xml"), profile, "1", "3"), -1);
}

// --- Macros ----------------------------------------------------------------------

void tst_XmlInterface::moveMacroItem_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QByteArrayList>("delays");

    QTest::newRow("first down swaps with the second") << QByteArray("a") << false << false << true
                                                      << QByteArrayList{"11", "10", "20", "21"};
    QTest::newRow("release down") << QByteArray("a") << false << true << true
                                  << QByteArrayList{"10", "20", "11", "21"};
    QTest::newRow("release up") << QByteArray("b") << true << true << true
                                << QByteArrayList{"10", "11", "21", "20"};
    QTest::newRow("press up") << QByteArray("b") << true << false << true
                              << QByteArrayList{"10", "20", "11", "21"};
    QTest::newRow("first up stays") << QByteArray("a") << true << false << false
                                    << QByteArrayList{"10", "11", "20", "21"};
    QTest::newRow("last down stays") << QByteArray("b") << false << true << false
                                     << QByteArrayList{"10", "11", "20", "21"};
    QTest::newRow("unknown mark") << QByteArray("c") << false << false << false
                                  << QByteArrayList{"10", "11", "20", "21"};
    // A mark equal to another attribute's value is no mark.
    QTest::newRow("delay text is no mark") << QByteArray("10") << false << false << false
                                           << QByteArrayList{"10", "11", "20", "21"};
}

void tst_XmlInterface::moveMacroItem()
{
    QFETCH(QByteArray, mark);
    QFETCH(bool, up);
    QFETCH(bool, second);
    QFETCH(bool, moved);
    QFETCH(QByteArrayList, delays);
    const QString path = macroFile();
    QCOMPARE(m_store.moveMacroItem(path, "1", mark, up, second), moved);

    QList<macroItemInfo> events;
    QVERIFY(m_store.getMacroItems(path, "1", "Macro1", events));
    QCOMPARE(delaysOf(events), delays);
    // Moved events keep all their attributes.
    for (const macroItemInfo &event : events) {
        const bool press = QByteArray(event.delay).endsWith('0');
        QCOMPARE(QByteArray(event.operateExplain), QByteArray(press ? "down" : "up"));
        QCOMPARE(QByteArray(event.mark), QByteArray(event.delay).startsWith('1') ? QByteArray("a") : QByteArray("b"));
    }
}

void tst_XmlInterface::updateMacroItemSharedMark()
{
    const QString path = macroFile();
    // The release of "a" is its second event.
    QVERIFY(m_store.updateMacroItem(path, "1", "a", true, macroEvent("changed", "99", "down", "5", "B")));

    QList<macroItemInfo> events;
    QVERIFY(m_store.getMacroItems(path, "1", "", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"10", "99", "20", "21"}));
    const macroItemInfo &release = events[1];
    QCOMPARE(QByteArray(release.mark), QByteArray("a"));
    QCOMPARE(QByteArray(release.operateExplain), QByteArray("up"));
    QCOMPARE(QByteArray(release.keyCode), QByteArray("5"));
    QCOMPARE(QByteArray(release.codeName), QByteArray("B"));
    QCOMPARE(QByteArray(events[0].keyCode), QByteArray("4"));

    QVERIFY(m_store.updateMacroItem(path, "1", "b", false, macroEvent("x", "7", "up")));
    QVERIFY(!m_store.updateMacroItem(path, "1", "c", false, macroEvent("x", "7", "up")));
    events.clear();
    QVERIFY(m_store.getMacroItems(path, "1", "", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"10", "99", "7", "21"}));
}

void tst_XmlInterface::deleteMacroItemComparesMark_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QByteArrayList>("remaining");

    QTest::newRow("mark 1 leaves delay 100 and mark 10") << QByteArray("1") << QByteArrayList{"100", "101", "5"};
    QTest::newRow("mark 10") << QByteArray("10") << QByteArrayList{"1", "2", "5"};
    QTest::newRow("unknown mark") << QByteArray("7") << QByteArrayList{"1", "2", "100", "101", "5"};
}

void tst_XmlInterface::deleteMacroItemComparesMark()
{
    QFETCH(QByteArray, mark);
    QFETCH(QByteArrayList, remaining);
    const QString path = filePath("pardexMacro.xml");
    QVERIFY(m_store.createXmlFile(path));
    QVERIFY(m_store.addMacro(path, "1", "Macro1"));
    QVERIFY(m_store.addMacroItems(path,
                                  {macroEvent("1", "1", "down"), macroEvent("1", "2", "up"),
                                   macroEvent("10", "100", "down", "1"), macroEvent("10", "101", "up", "1", "key 1"),
                                   macroEvent("x1", "5", "down")},
                                  "1"));
    QCOMPARE(m_store.deleteMacroItem(path, "1", mark), remaining.size() < 5);
    QList<macroItemInfo> events;
    QVERIFY(m_store.getMacroItems(path, "1", "", events));
    QCOMPARE(delaysOf(events), remaining);
}

void tst_XmlInterface::boundMacros()
{
    const QString path = profileFile({"1"});
    QVERIFY(m_store.addBindMacro(path, "1", {macroEvent("a", "10", "down"), macroEvent("a", "11", "up")}, "3", "Macro3"));
    // Bound copy 5 is named "3": it must not stand in for copy 3.
    QVERIFY(m_store.addBindMacro(path, "1", {macroEvent("b", "50", "down")}, "5", "3"));

    QList<macroItemInfo> events;
    QVERIFY(m_store.getBindMacroItems(path, "1", "5", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"50"}));
    QVERIFY(m_store.getBindMacroItems(path, "1", "3", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"50", "10", "11"}));
    QCOMPARE(QByteArray(events[1].type), QByteArray("key"));

    QVERIFY(m_store.deleteBindMacro(path, "1", "3"));
    events.clear();
    QVERIFY(m_store.getBindMacroItems(path, "1", "5", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"50"}));
    // With copy 3 gone, "3" falls back to the copy that carries it as a name.
    events.clear();
    QVERIFY(m_store.getBindMacroItems(path, "1", "3", events));
    QCOMPARE(delaysOf(events), (QByteArrayList{"50"}));
    QVERIFY(m_store.deleteBindMacro(path, "1", "5"));
    QVERIFY(!m_store.deleteBindMacro(path, "1", "5"));
    QVERIFY(!m_store.getBindMacroItems(path, "1", "5", events));
}

// A replacement writes what a delete and then an add wrote, in one save: on
// a disk with room for what the delete leaves but not for the new record,
// the old record stays.
void tst_XmlInterface::replacementsAreOneSave_data()
{
    QTest::addColumn<StoreCall>("replace");
    QTest::addColumn<StoreCall>("deleteStep");
    QTest::addColumn<StoreCall>("addStep");
    QTest::addColumn<QByteArray>("oldText"); // in the file before, and after a failed replacement
    QTest::addColumn<QByteArray>("newText");

    QTest::newRow("key binding")
        << StoreCall([](xmlInterface &x, const QString &p) {
               return x.replaceKeyInfo(p, "1", "4", "A", "1", "1", "4", "12345");
           })
        << StoreCall([](xmlInterface &x, const QString &p) { return x.deleteKeyInfo(p, "1", "4"); })
        << StoreCall([](xmlInterface &x, const QString &p) {
               return x.addKeyInfo(p, "1", "4", "A", "1", "1", "4", "12345");
           })
        << QByteArray("keyCode=\"4\" keyChar=\"A\" operateType=\"0\" repeatNum=\"1\" mode=\"1\" Value=\"5\"")
        << QByteArray("keyCode=\"4\" keyChar=\"A\" operateType=\"1\" repeatNum=\"1\" mode=\"4\" Value=\"12345\"");
    const QList<macroItemInfo> edited = {macroEvent("a", "10", "down"), macroEvent("a", "99", "up"),
                                         macroEvent("b", "5", "down")};
    QTest::newRow("bound macro copy")
        << StoreCall([edited](xmlInterface &x, const QString &p) {
               return x.replaceBindMacro(p, "1", edited, "3", "Macro3");
           })
        << StoreCall([](xmlInterface &x, const QString &p) { return x.deleteBindMacro(p, "1", "3"); })
        << StoreCall([edited](xmlInterface &x, const QString &p) {
               return x.addBindMacro(p, "1", edited, "3", "Macro3");
           })
        << QByteArray("delay=\"11\"") << QByteArray("delay=\"99\"");
    QTest::newRow("recreated profile")
        << StoreCall([](xmlInterface &x, const QString &p) { return x.recreateProfile(p, "1", "Profile1", 1); })
        << StoreCall([](xmlInterface &x, const QString &p) { return x.deleteNode(p, "1"); })
        << StoreCall([](xmlInterface &x, const QString &p) { return x.addProfile(p, "1", "Profile1", "", "", 1); })
        << QByteArray("proFileAppName=\"/usr/bin/game\"") << QByteArray("linkStatus=\"0\"");
}

void tst_XmlInterface::replacementsAreOneSave()
{
    QFETCH(StoreCall, replace);
    QFETCH(StoreCall, deleteStep);
    QFETCH(StoreCall, addStep);
    QFETCH(QByteArray, oldText);
    QFETCH(QByteArray, newText);
    const QString path = profileFile({"1", "2"});
    QVERIFY(m_store.setProfileInfo(path, "1", "Profile1", "/usr/bin/game", ""));
    QVERIFY(m_store.addKeyInfo(path, "1", "4", "A", "0", "1", "1", "5"));
    QVERIFY(m_store.addKeyInfo(path, "1", "9", "F", "0", "1", "1", "9"));
    QVERIFY(m_store.addBindMacro(path, "1", {macroEvent("a", "10", "down"), macroEvent("a", "11", "up")}, "3",
                                 "Macro3"));
    const QByteArray before = readBytes(path);
    QVERIFY(before.contains(oldText));

    // The two calls on a copy: what they write, and the room the delete needs.
    const QString twoCalls = filePath("twoCalls.xml");
    QVERIFY(writeBytes(twoCalls, before));
    QVERIFY(deleteStep(m_store, twoCalls));
    const qint64 roomForTheDelete = NearlyFullDisk::sizeOf(twoCalls);
    QVERIFY(addStep(m_store, twoCalls));
    QVERIFY(NearlyFullDisk::sizeOf(twoCalls) > roomForTheDelete);

    {
        const NearlyFullDisk disk(roomForTheDelete);
        QVERIFY(!replace(m_store, path));
    }
    QCOMPARE(readBytes(path), before);

    QVERIFY(replace(m_store, path));
    QCOMPARE(readBytes(path), readBytes(twoCalls));
    QVERIFY(!readBytes(path).contains(oldText));
    QVERIFY(readBytes(path).contains(newText));
}

// --- Lighting -------------------------------------------------------------------

void tst_XmlInterface::newProfileDefaults_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::newRow("keyboard") << 0;
    QTest::newRow("mouse") << 1;
}

void tst_XmlInterface::newProfileDefaults()
{
    QFETCH(int, deviceType);
    const QString path = profileFile({"1"}, deviceType);
    for (int zone = 0; zone < 3; ++zone) {
        QCOMPARE(m_store.getLightUsingIndex(path, "1", zone), 2);
        QCOMPARE(m_store.getLightLinkStatus(path, "1", zone), 0);
    }
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 3), 1);
    QCOMPARE(m_store.getLightOpenOrClose(path, "1"), 0);
    QCOMPARE(m_store.getLightSynchronizeStatus(path, "1"), 0);
    QCOMPARE(m_store.getDpiUsingIndex(path, "1"), 1);
    const int features[] = {0, 0, 0, 1};
    for (int n = 0; n < 4; ++n)
        QCOMPARE(m_store.getFeature(path, "1", n), features[n]);

    auto setting = zeroed<performanceSettingInfo>();
    QVERIFY(m_store.getPerformanceSetting(path, "1", setting));
    QCOMPARE(featuresOf(setting), QByteArray("0001"));

    QList<dpiConfigInfo> levels;
    QVERIFY(m_store.getDpiList(path, "1", levels));
    QVERIFY(levels.isEmpty());
    QCOMPARE(m_store.getUsingCustomLightIndex(path, "1"), -1);
}

void tst_XmlInterface::lightItemsPerZone()
{
    const QString path = profileFile({"1"}, 1);
    for (int zone = 0; zone < 3; ++zone) {
        for (int effect = 0; effect < 3; ++effect)
            QVERIFY(m_store.addLightInfo(path, "1", lightItem(zone, effect, 10 * zone + effect)));
    }
    // No zone 3: nothing is added.
    QVERIFY(!m_store.addLightInfo(path, "1", lightItem(3, 0, 0)));
    QVERIFY(!readBytes(path).contains("ledKeyboardOrSide=\"3\""));

    for (int zone = 0; zone < 3; ++zone) {
        for (int effect = 0; effect < 3; ++effect) {
            QVERIFY(m_store.hasLightInfo(path, "1", zone, effect));
            auto read = zeroed<colorInfoData>();
            QVERIFY(m_store.getLightInfo(path, "1", zone, effect, read));
            const colorInfoData expected = lightItem(zone, effect, 10 * zone + effect);
            QVERIFY(std::memcmp(&read, &expected, sizeof read) == 0);
        }
    }

    // An effect without an item: false, record untouched.
    colorInfoData untouched = lightItem(0, 0, 77);
    QVERIFY(!m_store.hasLightInfo(path, "1", 0, 9));
    QVERIFY(!m_store.getLightInfo(path, "1", 0, 9, untouched));
    QVERIFY(!m_store.getLightInfo(path, "1", 5, 0, untouched));
    const colorInfoData same = lightItem(0, 0, 77);
    QVERIFY(std::memcmp(&untouched, &same, sizeof same) == 0);

    // Update rewrites all fourteen fields, ledType included.
    const colorInfoData update = lightItem(1, 8, 500);
    QVERIFY(m_store.updateLightInfo(path, "1", 1, 2, update));
    QVERIFY(!m_store.hasLightInfo(path, "1", 1, 2));
    auto read = zeroed<colorInfoData>();
    QVERIFY(m_store.getLightInfo(path, "1", 1, 8, read));
    QVERIFY(std::memcmp(&read, &update, sizeof read) == 0);
    QVERIFY(!m_store.updateLightInfo(path, "1", 1, 2, update));

    QVERIFY(m_store.setLightItemOpenOrClose(path, "1", 2, 1, 0));
    QVERIFY(m_store.getLightInfo(path, "1", 2, 1, read));
    QCOMPARE(read.ledOpenOrClose, 0);
    QCOMPARE(read.ledSpeed, lightItem(2, 1, 21).ledSpeed);
    QVERIFY(!m_store.setLightItemOpenOrClose(path, "1", 2, 9, 0));
}

void tst_XmlInterface::zoneSwitches()
{
    const QString path = profileFile({"1"}, 1);
    QVERIFY(m_store.setLightOpenOrClose(path, "1", 1));
    QVERIFY(m_store.setLightSynchronizeStatus(path, "1", 1));
    QVERIFY(m_store.setLightUsingIndex(path, "1", 2, 3));
    QVERIFY(m_store.setLightLinkStatus(path, "1", 1, 1));
    QVERIFY(!m_store.setLightLinkStatus(path, "1", 3, 1));
    QCOMPARE(m_store.getLightOpenOrClose(path, "1"), 1);
    QCOMPARE(m_store.getLightSynchronizeStatus(path, "1"), 1);
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 2), 3);
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 0), 2);
    QCOMPARE(m_store.getLightLinkStatus(path, "1", 1), 1);
    QCOMPARE(m_store.getLightLinkStatus(path, "1", 2), 0);

    // Defaults for a missing profile or file.
    QCOMPARE(m_store.getLightOpenOrClose(path, "9"), 0);
    QCOMPARE(m_store.getLightUsingIndex(filePath("missing.xml"), "1", 0), 1);
}

void tst_XmlInterface::customColors()
{
    const QString path = profileFile({"1"});
    customColorInfo swatches[3];
    for (int i = 0; i < 3; ++i) {
        swatches[i] = customColorInfo{i, 1, 10 * i, 20 * i, 30 * i, 128};
        QVERIFY(m_store.addCustomColor(path, "1", swatches[i]));
    }
    QVERIFY(m_store.deleteCustomColor(path, "1", "1"));
    QVERIFY(!m_store.deleteCustomColor(path, "1", "1"));

    QList<customColorInfo> list;
    QVERIFY(m_store.getCustomColorList(path, "1", list));
    QCOMPARE(list.size(), 2);
    QVERIFY(std::memcmp(&list[0], &swatches[0], sizeof(customColorInfo)) == 0);
    QVERIFY(std::memcmp(&list[1], &swatches[2], sizeof(customColorInfo)) == 0);
    QVERIFY(!m_store.getCustomColorList(path, "9", list));
    QCOMPARE(list.size(), 2);
}

void tst_XmlInterface::customLightSchemes()
{
    // Profile index 2 comes first and is named "1": the custom-light
    // operations look at `index` only.
    const QString path = profileFile({"2", "1"});
    QVERIFY(m_store.setNodeName(path, "2", "1"));
    QVERIFY(m_store.addCustomLight(path, "1", "0", "Custom 0", "Using", 0));
    QVERIFY(m_store.addCustomLight(path, "1", "1", "Custom 1", "UnUsing", -1));

    auto key = zeroed<customLightKeyInfo>();
    fixedTextCopy(key.keyCode, "20");
    fixedTextCopy(key.codeName, "Q");
    key.indexX = 2;
    key.indexY = 1;
    key.colorB = 255;
    key.transparentNum = 128;
    QVERIFY(m_store.addCustomLightKey(path, "1", "0", key));
    QVERIFY(m_store.addCustomLightKey(path, "1", "0", key));
    QVERIFY(!m_store.addCustomLightKey(path, "1", "7", key));

    QList<customLightInfo> schemes;
    QVERIFY(m_store.getCustomLightList(path, "1", schemes));
    QCOMPARE(schemes.size(), 2);
    QCOMPARE(QByteArray(schemes[1].name), QByteArray("Custom 1"));
    QCOMPARE(QByteArray(schemes[1].isUsing), QByteArray("UnUsing"));
    QCOMPARE(schemes[1].usingFlagIndex, -1);
    schemes.clear();
    QVERIFY(m_store.getCustomLightList(path, "2", schemes));
    QVERIFY(schemes.isEmpty());

    QList<customLightKeyInfo> keys;
    QVERIFY(m_store.getCustomLightKeys(path, "1", "0", keys));
    QCOMPARE(keys.size(), 2);
    QVERIFY(std::memcmp(&keys[0], &key, sizeof key) == 0);

    QVERIFY(m_store.setCustomLightName(path, "1", "1", "Mine"));
    QVERIFY(m_store.setCustomLightUsing(path, "1", "1", "Using", 1));
    QVERIFY(m_store.clearCustomLightKeys(path, "1", "0"));
    keys.clear();
    QVERIFY(m_store.getCustomLightKeys(path, "1", "0", keys));
    QVERIFY(keys.isEmpty());
    schemes.clear();
    QVERIFY(m_store.getCustomLightList(path, "1", schemes));
    QCOMPARE(schemes.size(), 2);
    QCOMPARE(QByteArray(schemes[1].name), QByteArray("Mine"));
    QCOMPARE(schemes[1].usingFlagIndex, 1);
}

namespace {

customLightKeyInfo paintedKey(int code, int row, int column, int blue)
{
    auto key = zeroed<customLightKeyInfo>();
    fixedTextCopy(key.keyCode, QByteArray::number(code));
    fixedTextCopy(key.codeName, "K" + QByteArray::number(code));
    key.indexX = row;
    key.indexY = column;
    key.colorB = blue;
    key.transparentNum = 128;
    return key;
}

QList<int> codesOf(const QList<customLightKeyInfo> &keys)
{
    QList<int> codes;
    for (const customLightKeyInfo &key : keys)
        codes << QByteArray(key.keyCode).toInt();
    return codes;
}

} // namespace

void tst_XmlInterface::replaceCustomLightKeys()
{
    const QString path = profileFile({"1", "2"});
    for (const QByteArray &profile : {QByteArray("1"), QByteArray("2")}) {
        QVERIFY(m_store.addCustomLight(path, profile, "0", "Alphabets", "Using", 0));
        QVERIFY(m_store.addCustomLight(path, profile, "1", "WASD+Arrows", "Using", 1));
        QVERIFY(m_store.addCustomLightKey(path, profile, "0", paintedKey(20, 2, 1, 255)));
        QVERIFY(m_store.addCustomLightKey(path, profile, "1", paintedKey(26, 2, 2, 255)));
    }

    const QList<customLightKeyInfo> painted = {paintedKey(4, 3, 1, 10), paintedKey(-10, 5, 12, 20),
                                               paintedKey(52, 3, 11, 30)};
    QVERIFY(m_store.replaceCustomLightKeys(path, "1", "0", painted));

    QList<customLightKeyInfo> keys;
    QVERIFY(m_store.getCustomLightKeys(path, "1", "0", keys));
    QCOMPARE(codesOf(keys), QList<int>({4, -10, 52}));
    for (int i = 0; i < painted.size(); ++i)
        QVERIFY(std::memcmp(&keys[i], &painted[i], sizeof(customLightKeyInfo)) == 0);
    // The scheme keeps its attributes; its neighbour and the other profile keep their keys.
    QList<customLightInfo> schemes;
    QVERIFY(m_store.getCustomLightList(path, "1", schemes));
    QCOMPARE(QByteArray(schemes[0].name), QByteArray("Alphabets"));
    QCOMPARE(schemes[0].usingFlagIndex, 0);
    for (const auto &other : {qMakePair(QByteArray("1"), QByteArray("1")), qMakePair(QByteArray("2"), QByteArray("0"))}) {
        keys.clear();
        QVERIFY(m_store.getCustomLightKeys(path, other.first, other.second, keys));
        QCOMPARE(keys.size(), 1);
    }

    // An empty list clears the scheme.
    QVERIFY(m_store.replaceCustomLightKeys(path, "1", "0", {}));
    keys.clear();
    QVERIFY(m_store.getCustomLightKeys(path, "1", "0", keys));
    QVERIFY(keys.isEmpty());

    // A missing scheme or profile changes nothing.
    const QByteArray before = readBytes(path);
    QVERIFY(!m_store.replaceCustomLightKeys(path, "1", "7", painted));
    QVERIFY(!m_store.replaceCustomLightKeys(path, "9", "0", painted));
    QCOMPARE(readBytes(path), before);
}

void tst_XmlInterface::replaceCustomLightKeysFailedSave_data()
{
    QTest::addColumn<SaveFailure>("failure");
    QTest::newRow("read-only folder") << SaveFailure::ReadOnlyFolder;
    QTest::newRow("disk full") << SaveFailure::DiskFull;
}

void tst_XmlInterface::replaceCustomLightKeysFailedSave()
{
    // No half-painted scheme: the old keys stay whole.
    QFETCH(SaveFailure, failure);
    const QString path = profileFile({"1"});
    QVERIFY(m_store.addCustomLight(path, "1", "0", "Alphabets", "Using", 0));
    QVERIFY(m_store.addCustomLightKey(path, "1", "0", paintedKey(20, 2, 1, 255)));
    QVERIFY(m_store.addCustomLightKey(path, "1", "0", paintedKey(26, 2, 2, 255)));
    const QByteArray before = readBytes(path);
    {
        const FailingSaves failing(failure, m_dir->path());
        QVERIFY(!m_store.replaceCustomLightKeys(path, "1", "0", {paintedKey(4, 3, 1, 10)}));
    }
    QCOMPARE(readBytes(path), before);
    QList<customLightKeyInfo> keys;
    QVERIFY(m_store.getCustomLightKeys(path, "1", "0", keys));
    QCOMPARE(codesOf(keys), QList<int>({20, 26}));
}

void tst_XmlInterface::usingCustomLightIndex_data()
{
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<int>("unuseUpTo"); // schemes 0..unuseUpTo-1 set to UnUsing, -1
    QTest::addColumn<int>("expected");

    QTest::newRow("five default schemes") << QByteArray("1") << 0 << 0;
    QTest::newRow("scheme 0 no longer in use") << QByteArray("1") << 1 << 1;
    QTest::newRow("none in use") << QByteArray("1") << 2 << -1;
    QTest::newRow("missing profile") << QByteArray("4") << 0 << -1;
}

void tst_XmlInterface::usingCustomLightIndex()
{
    QFETCH(QByteArray, profile);
    QFETCH(int, unuseUpTo);
    QFETCH(int, expected);
    const QString path = profileFile({"1"});
    for (int i = 0; i < 5; ++i) {
        const QByteArray index = QByteArray::number(i);
        QVERIFY(m_store.addCustomLight(path, "1", index, "Custom " + index, i < 2 ? "Using" : "UnUsing",
                                       i < 2 ? i : -1));
    }
    for (int i = 0; i < unuseUpTo; ++i)
        QVERIFY(m_store.setCustomLightUsing(path, "1", QByteArray::number(i), "UnUsing", -1));
    QCOMPARE(m_store.getUsingCustomLightIndex(path, profile), expected);
}

void tst_XmlInterface::dpiLevels()
{
    const QString path = profileFile({"1"}, 1);
    for (int level = 1; level <= 5; ++level) {
        const dpiConfigInfo info{1, level, 0, 400 * level, 400 * level, level, 2 * level, 3 * level};
        QVERIFY(m_store.addDpiInfo(path, "1", info));
    }
    QVERIFY(readBytes(path).contains("<item index=\"1\" selectStatus=\"1\" isXY=\"0\" dpiX=\"400\""));

    const dpiConfigInfo changed{0, 3, 1, 1600, 800, 9, 9, 9};
    QVERIFY(m_store.updateDpiInfo(path, "1", 3, changed));
    // No level 6: nothing changes.
    const QByteArray before = readBytes(path);
    QVERIFY(!m_store.updateDpiInfo(path, "1", 6, changed));
    QCOMPARE(readBytes(path), before);

    QList<dpiConfigInfo> levels;
    QVERIFY(m_store.getDpiList(path, "1", levels));
    QCOMPARE(levels.size(), 5);
    QVERIFY(std::memcmp(&levels[2], &changed, sizeof changed) == 0);
    QCOMPARE(levels[4].dpiX, 2000);
    QCOMPARE(levels[4].index, 5);

    QVERIFY(m_store.setDpiUsingIndex(path, "1", 4));
    QCOMPARE(m_store.getDpiUsingIndex(path, "1"), 4);
    QVERIFY(m_store.saveDpiUsingIndex(path, "1", 6));
    QCOMPARE(m_store.getDpiUsingIndex(path, "1"), 6);
}

void tst_XmlInterface::performanceSetting()
{
    const QString path = profileFile({"1"});
    QVERIFY(m_store.setPerformanceSetting(path, "1", "1", "0", "1", "0"));
    QVERIFY(m_store.setPerformanceSetting(path, "1", "1", "1", "0", "0"));
    QCOMPARE(readBytes(path).count("<Setting "), 1);

    auto setting = zeroed<performanceSettingInfo>();
    QVERIFY(m_store.getPerformanceSetting(path, "1", setting));
    QCOMPARE(featuresOf(setting), QByteArray("1100"));

    const int expected[] = {1, 1, 0, 0};
    for (int n = 0; n < 4; ++n)
        QCOMPARE(m_store.getFeature(path, "1", n), expected[n]);
    QCOMPARE(m_store.getFeature(path, "1", 4), 0);
    QCOMPARE(m_store.getFeature(path, "1", -1), 0);

    QVERIFY(m_store.setFeature(path, "1", 0, 3));
    QCOMPARE(m_store.getFeature(path, "1", 0), 3);
    QVERIFY(!m_store.setFeature(path, "1", 4, 1));

    // A `function` element without any child gets the new Setting only.
    QVERIFY(writeBytes(path, "<Parameters><config index=\"1\"><function /></config></Parameters>"));
    QVERIFY(!m_store.setFeature(path, "1", 1, 1));
    QVERIFY(m_store.setPerformanceSetting(path, "1", "0", "1", "0", "1"));
    QCOMPARE(m_store.getFeature(path, "1", 3), 1);
    QCOMPARE(readBytes(path).count("<Setting "), 1);

    // Missing profile: the record stays as the caller prepared it.
    auto preset = zeroed<performanceSettingInfo>();
    fixedTextCopy(preset.feature1, "x");
    QVERIFY(!m_store.getPerformanceSetting(path, "2", preset));
    QCOMPARE(QByteArray(preset.feature1), QByteArray("x"));
}

// --- Fixed fields -----------------------------------------------------------------

void tst_XmlInterface::overLongTextsCutSafely()
{
    // Texts longer than their record fields are cut on a UTF-8 character
    // boundary and stay terminated; the file keeps them whole.
    const QByteArray longName = QByteArray("\xE4\xBD\xA0").repeated(100);        // 300 bytes
    const QByteArray longValue = QByteArray("a\xF0\x9F\x98\x80").repeated(2000); // 10000 bytes
    const QString path = profileFile({"1"});
    QVERIFY(m_store.setProfileInfo(path, "1", longName, longValue, "ico"));
    QVERIFY(m_store.addKeyInfo(path, "1", "4", longName, "6", "1", "1", longValue));

    struct Guarded
    {
        customKeyInfo key;
        char guard[8];
    } guarded;
    std::memset(&guarded, 'g', sizeof guarded);
    QVERIFY(m_store.getKeyInfo(path, "1", "4", guarded.key));
    QCOMPARE(QByteArray(guarded.guard, 8), QByteArray(8, 'g'));
    const QByteArray value(guarded.key.Value);
    QVERIFY(value.size() <= 5119 && value.size() > 5110);
    QVERIFY(isCleanPrefix(value, longValue));
    QCOMPARE(QByteArray(guarded.key.keyChar).size(), 63);
    QVERIFY(isCleanPrefix(guarded.key.keyChar, longName));

    auto info = zeroed<profileInfo>();
    QVERIFY(m_store.getProfileInfo(path, "1", info));
    QCOMPARE(QByteArray(info.name).size(), 126); // 42 whole characters of 3 bytes
    QVERIFY(isCleanPrefix(info.name, longName));
    QVERIFY(isCleanPrefix(info.proFileAppName, longValue));
    QVERIFY(QByteArray(info.proFileAppName).size() <= 255);

    xmlIndexNameList list;
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list[0].second.size(), 63);
    QVERIFY(isCleanPrefix(list[0].second, longName));

    nodeIndexNameInfo node;
    QVERIFY(m_store.getNodeIndexAndName(path, "1", node));
    QCOMPARE(QByteArray(node.name).size(), 45);
    QVERIFY(isCleanPrefix(node.name, longName));

    // The file itself keeps the whole text.
    QVERIFY(readBytes(path).contains("Value=\"" + longValue + "\""));
}

QTEST_GUILESS_MAIN(tst_XmlInterface)
#include "tst_xmlinterface.moc"
