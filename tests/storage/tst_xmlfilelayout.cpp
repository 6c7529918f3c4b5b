// The store's files on disk: the bytes it writes, what it accepts when
// reading, and what it does with files it cannot use.

#include "xmlInterface.h"
#include "xmlPrinter.h"
#include "xmlSaveFailure.h"
#include "xmlStoreDocument.h"
#include "xmlTestFiles.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <functional>

using StoreWriter = std::function<bool(xmlInterface &, const QString &)>;
Q_DECLARE_METATYPE(StoreWriter)

namespace {

QStringList profileLines(const QString &index, const QString &name, bool mouse)
{
    const QString link = mouse ? QStringLiteral(" linkStatus=\"0\"") : QString();
    return {
        QStringLiteral("    <config index=\"%1\" name=\"%2\" proFileAppName=\"\" proFileAppIco=\"\">").arg(index, name),
        QStringLiteral("        <light0 usingIndex=\"2\" ledOpenOrClose=\"0\" SynchronizeStatus=\"0\" />"),
        QStringLiteral("        <light1 usingIndex=\"2\"%1 />").arg(link),
        QStringLiteral("        <light2 usingIndex=\"2\"%1 />").arg(link),
        QStringLiteral("        <customColor />"),
        QStringLiteral("        <customLight />"),
        QStringLiteral("        <ribbon />"),
        QStringLiteral("        <onboardBinding />"),
        QStringLiteral("        <macro />"),
        QStringLiteral("        <dpi />"),
        QStringLiteral("        <function>"),
        QStringLiteral("            <Setting feature1=\"0\" feature2=\"0\" feature3=\"0\" feature4=\"1\" />"),
        QStringLiteral("        </function>"),
        QStringLiteral("        <bindMacro />"),
        QStringLiteral("    </config>"),
    };
}

// A profile file with one profile (index 1) holding one binding, one light
// item and one macro copy, written compactly with LF line ends: any save
// would change its bytes.
const char kForeignLayout[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Parameters profileIndex=\"1\"><config index=\"1\" name=\"Profile1\" proFileAppName=\"\" proFileAppIco=\"\">"
    "<light0 usingIndex=\"2\" ledOpenOrClose=\"0\" SynchronizeStatus=\"0\"><item ledKeyboardOrSide=\"0\" ledType=\"0\" /></light0>"
    "<light1 usingIndex=\"2\"/><light2 usingIndex=\"2\"/><customColor/><customLight/><ribbon/><onboardBinding/>"
    "<macro><item keyCode=\"4\" keyChar=\"A\" operateType=\"0\" repeatNum=\"1\" mode=\"1\" Value=\"5\"/></macro>"
    "<dpi/><function><Setting feature1=\"0\" feature2=\"0\" feature3=\"0\" feature4=\"1\"/></function>"
    "<bindMacro><macro index=\"3\" name=\"M\"><item mark=\"a\" delay=\"1\" /></macro></bindMacro></config>"
    "<macro index=\"3\" name=\"Macro3\"><item mark=\"a\" delay=\"10\"/><item mark=\"a\" delay=\"20\"/></macro>"
    "</Parameters>\n";

} // namespace

class tst_XmlFileLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createXmlFileGolden();
    void newProfileGolden_data();
    void newProfileGolden();
    void attributeOrderSurvivesSave();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void readsAttributesWithoutBlank();

    void unusableFileLeftUntouched_data();
    void unusableFileLeftUntouched();
    void missingAnchorLeavesFileByteIdentical_data();
    void missingAnchorLeavesFileByteIdentical();
    void failedSaveReported();
    void failedSaveReturnsFalse_data();
    void failedSaveReturnsFalse();

    void shippedDeviceLists();
    void shippedDefaultLighting_data();
    void shippedDefaultLighting();
    void shippedDefaultLayers();

private:
    QString filePath(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_store;
};

void tst_XmlFileLayout::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_XmlFileLayout::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
}

// Once a test has seen that a failure is logged, the rest of its failures
// need not fill the output.
static void silenceStoreWarnings()
{
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.storage.warning=false"));
}

void tst_XmlFileLayout::createXmlFileGolden()
{
    const QString path = filePath("pardexMacro.xml");
    QVERIFY(writeBytes(path, "an older file that must be replaced entirely\n"));
    QVERIFY(m_store.createXmlFile(path));
    QCOMPARE(readBytes(path), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                         "<Parameters profileIndex=\"1\" />\r\n"));
    QCOMPARE(m_store.getProfileIndex(path), 1);
}

void tst_XmlFileLayout::newProfileGolden_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("mouse");
    QTest::newRow("keyboard") << 0 << false;
    QTest::newRow("mouse") << 1 << true;
    QTest::newRow("any other type is a keyboard") << 7 << false;
}

void tst_XmlFileLayout::newProfileGolden()
{
    QFETCH(int, deviceType);
    QFETCH(bool, mouse);
    const QString path = filePath("pardexProFile.xml");
    QVERIFY(m_store.createXmlFile(path));
    QVERIFY(m_store.addProfile(path, "1", "Profile1", "", "", deviceType));
    QVERIFY(m_store.addProfile(path, "2", "Profile2", "", "", deviceType));

    QStringList lines{QStringLiteral("<Parameters profileIndex=\"1\">")};
    lines += profileLines("1", "Profile1", mouse);
    lines += profileLines("2", "Profile2", mouse);
    lines += QStringLiteral("</Parameters>");
    QCOMPARE(readBytes(path), storeFile(lines));
}

void tst_XmlFileLayout::attributeOrderSurvivesSave()
{
    // Unusual attribute order, odd spacing, attributes without a blank
    // between them, LF line ends: a save keeps every element's attributes in
    // their order, changes a value in place and appends a new one.
    const QString path = filePath("order.xml");
    QVERIFY(writeBytes(path, "<?xml version=\"1.0\"?>\n"
                             "<Parameters zeta=\"z\"   profileIndex=\"4\"alpha=\"a\">\n"
                             "\t<config name=\"N\" index=\"1\">\n"
                             "\t\t<dpi/>\n"
                             "\t</config>\n"
                             "</Parameters>\n"));
    QVERIFY(m_store.setProfileIndex(path, 9));
    QVERIFY(m_store.setDpiUsingIndex(path, "1", 3));
    QCOMPARE(readBytes(path), storeFile({
                                  "<Parameters zeta=\"z\" profileIndex=\"9\" alpha=\"a\">",
                                  "    <config name=\"N\" index=\"1\">",
                                  "        <dpi usingIndex=\"3\" />",
                                  "    </config>",
                                  "</Parameters>",
                              }));
}

void tst_XmlFileLayout::textsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("plain") << QByteArray("hello") << QByteArray("hello");
    QTest::newRow("markup") << QByteArray("a<b>&\"c\"'d") << QByteArray("a&lt;b&gt;&amp;&quot;c&quot;'d");
    QTest::newRow("entity-like text") << QByteArray("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("line breaks and tab") << QByteArray("one\r\ntwo\nthree\tfour")
                                         << QByteArray("one&#xD;&#xA;two&#xA;three&#x9;four");
    QTest::newRow("control byte") << QByteArray("a\x01z") << QByteArray("a&#x1;z");
    QTest::newRow("UTF-8") << QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80")
                           << QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80");
    QTest::newRow("leading and trailing blanks") << QByteArray("  x  ") << QByteArray("  x  ");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void tst_XmlFileLayout::textsRoundTrip()
{
    // A text bound to a key is stored byte for byte.
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    const QString path = filePath("texts.xml");
    QVERIFY(m_store.createXmlFile(path));
    QVERIFY(m_store.addProfile(path, "1", "Profile1", "", "", 0));
    QVERIFY(m_store.addKeyInfo(path, "1", "4", "A", "6", "1", "1", text));

    QVERIFY(readBytes(path).contains("Value=\"" + written + "\" />\r\n"));
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    QVERIFY(m_store.getKeyInfo(path, "1", "4", info));
    QCOMPARE(QByteArray(info.Value), text);

    // A second save of the loaded document keeps the text as it is.
    QVERIFY(m_store.setProfileIndex(path, 2));
    std::memset(&info, 0, sizeof info);
    QVERIFY(m_store.getKeyInfo(path, "1", "4", info));
    QCOMPARE(QByteArray(info.Value), text);
}

void tst_XmlFileLayout::readsAttributesWithoutBlank()
{
    // Resource files may have no blank between two attributes.
    const QString lights = filePath("customLightDefaultConfig.xml");
    QVERIFY(writeBytes(lights,
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                       "<customLight>\r\n"
                       "<customLed index=\"0\"name=\"Custom 0\"isUsing=\"Using\"usingFlagIndex=\"0\">"
                       "<item keyCode=\"20\"codeName=\"Q\"indexX=\"2\"indexY=\"1\"colorR=\"0\"colorG=\"0\"colorB=\"255\"transparentNum=\"128\"/>"
                       "<item keyCode=\"26\" codeName=\"W\" indexX=\"2\" indexY=\"2\" colorR=\"0\" colorG=\"0\" colorB=\"255\" transparentNum=\"128\" />"
                       "</customLed>\r\n"
                       "<customLed index=\"1\"name=\"Custom 1\"isUsing=\"Using\"usingFlagIndex=\"1\"/>\r\n"
                       "</customLight>\r\n"));
    QList<customLightKeyInfo> keys;
    QVERIFY(m_store.getDefaultCustomLightKeys(lights, "0", keys));
    QCOMPARE(keys.size(), 2);
    for (const customLightKeyInfo &key : keys) {
        QCOMPARE(key.indexX, 2);
        QCOMPARE(key.colorB, 255);
        QCOMPARE(key.transparentNum, 128);
    }
    QCOMPARE(QByteArray(keys[0].keyCode), QByteArray("20"));
    QCOMPARE(QByteArray(keys[0].codeName), QByteArray("Q"));
    QCOMPARE(keys[1].indexY, 2);

    keys.clear();
    QVERIFY(m_store.getDefaultCustomLightKeys(lights, "1", keys));
    QVERIFY(keys.isEmpty());
    QVERIFY(!m_store.getDefaultCustomLightKeys(lights, "9", keys));

    // A default on-board layer in the same style.
    const QString layer = filePath("Model_DefQWERTY.xml");
    QVERIFY(writeBytes(layer, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<Parameters profileIndex=\"1\"><config index=\"1\"name=\"Profile_QWERTY\">"
                              "<macro><item keyCode=\"42\"keyChar=\"Back\"operateType=\"0\"repeatNum=\"1\"mode=\"1\"Value=\"42\"/>"
                              "</macro></config></Parameters>"));
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    QVERIFY(m_store.getKeyInfo(layer, "1", "42", info));
    QCOMPARE(QByteArray(info.keyChar), QByteArray("Back"));
    QCOMPARE(QByteArray(info.operateType), QByteArray("0"));
    QCOMPARE(QByteArray(info.Value), QByteArray("42"));
}

void tst_XmlFileLayout::unusableFileLeftUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray whole = storeFile(QStringList{"<Parameters profileIndex=\"5\">"} + profileLines("1", "P", false)
                                 + QStringList{"</Parameters>"});
    QTest::newRow("truncated in a tag") << whole.left(whole.size() / 2);
    QTest::newRow("truncated after a whole element") << whole.left(whole.indexOf("    <config"));
    QTest::newRow("missing the root's end tag") << whole.left(whole.lastIndexOf("</Parameters>"));
    QTest::newRow("garbage") << QByteArray("this is no XML at all { } \x01\x02");
    QTest::newRow("binary zeros") << QByteArray(300, '\0');
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("mismatched tags") << QByteArray("<Parameters profileIndex=\"5\"><config index=\"1\"></macro></Parameters>");
    // The parser keeps the root of these: a save would drop what follows it.
    const QByteArray config = "<config index=\"2\" name=\"after\" proFileAppName=\"\" proFileAppIco=\"\" />\r\n";
    QTest::newRow("an element after the root's end tag") << whole + config;
    QTest::newRow("a stray end tag, then an element") << whole + "</Parameters>\r\n" + config;
    QTest::newRow("text after the root's end tag") << whole + "trailing words";
    QTest::newRow("text before the root") << "leading words" + whole.mid(whole.indexOf("<Parameters"));
}

void tst_XmlFileLayout::unusableFileLeftUntouched()
{
    // A file that does not parse completely counts as missing: readers give
    // their defaults and no writer saves the part that could be read.
    QFETCH(QByteArray, bytes);
    const QString path = filePath("broken.xml");
    QVERIFY(writeBytes(path, bytes));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broken.xml .*treated as missing"));
    QCOMPARE(m_store.getProfileIndex(path), 1);
    silenceStoreWarnings();

    xmlIndexNameList list{qMakePair(QByteArray("x"), QByteArray("kept"))};
    QVERIFY(!m_store.getProfileList(path, list));
    QCOMPARE(list.size(), 1);
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.keyCode, "-1");
    QVERIFY(!m_store.getKeyInfo(path, "1", "4", info));
    QCOMPARE(QByteArray(info.keyCode), QByteArray("-1"));
    QCOMPARE(m_store.countKeysWithValue(path, "1", "1", "3"), -1);
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 0), 1);

    QVERIFY(!m_store.setProfileIndex(path, 3));
    QVERIFY(!m_store.addProfile(path, "2", "Profile2", "", "", 0));
    QVERIFY(!m_store.addKeyInfo(path, "1", "4", "A", "0", "1", "1", "5"));
    QVERIFY(!m_store.deleteNode(path, "1"));
    QVERIFY(!m_store.addMacro(path, "1", "Macro1"));
    QCOMPARE(readBytes(path), bytes);
}

void tst_XmlFileLayout::missingAnchorLeavesFileByteIdentical_data()
{
    QTest::addColumn<StoreWriter>("writer");

    macroItemInfo event;
    std::memset(&event, 0, sizeof event);
    fixedTextCopy(event.mark, "a");
    colorInfoData color;
    std::memset(&color, 0, sizeof color);
    customColorInfo swatch;
    std::memset(&swatch, 0, sizeof swatch);
    dpiConfigInfo dpi;
    std::memset(&dpi, 0, sizeof dpi);
    customLightKeyInfo key;
    std::memset(&key, 0, sizeof key);

    // Profile "7" and macro "7" are in no file.
    QTest::newRow("setProfileInfo") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setProfileInfo(p, "7", "n", "", ""); });
    QTest::newRow("addKeyInfo") << StoreWriter([](xmlInterface &x, const QString &p) { return x.addKeyInfo(p, "7", "4", "A", "0", "1", "1", "5"); });
    QTest::newRow("deleteKeyInfo") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteKeyInfo(p, "7", "4"); });
    QTest::newRow("addMacroItems") << StoreWriter([event](xmlInterface &x, const QString &p) { return x.addMacroItems(p, {event}, "7"); });
    QTest::newRow("deleteMacroItem") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteMacroItem(p, "7", "a"); });
    QTest::newRow("updateMacroItem") << StoreWriter([event](xmlInterface &x, const QString &p) { return x.updateMacroItem(p, "7", "a", false, event); });
    QTest::newRow("moveMacroItem") << StoreWriter([](xmlInterface &x, const QString &p) { return x.moveMacroItem(p, "7", "a", false, false); });
    QTest::newRow("addBindMacro") << StoreWriter([event](xmlInterface &x, const QString &p) { return x.addBindMacro(p, "7", {event}, "3", "M"); });
    QTest::newRow("deleteBindMacro") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteBindMacro(p, "7", "3"); });
    QTest::newRow("addLightInfo") << StoreWriter([color](xmlInterface &x, const QString &p) { return x.addLightInfo(p, "7", color); });
    QTest::newRow("updateLightInfo") << StoreWriter([color](xmlInterface &x, const QString &p) { return x.updateLightInfo(p, "7", 0, 0, color); });
    QTest::newRow("setLightItemOpenOrClose") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightItemOpenOrClose(p, "7", 0, 0, 1); });
    QTest::newRow("setLightOpenOrClose") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightOpenOrClose(p, "7", 1); });
    QTest::newRow("setLightSynchronizeStatus") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightSynchronizeStatus(p, "7", 1); });
    QTest::newRow("setLightUsingIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightUsingIndex(p, "7", 0, 5); });
    QTest::newRow("setLightLinkStatus") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightLinkStatus(p, "7", 1, 1); });
    QTest::newRow("addCustomColor") << StoreWriter([swatch](xmlInterface &x, const QString &p) { return x.addCustomColor(p, "7", swatch); });
    QTest::newRow("deleteCustomColor") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteCustomColor(p, "7", "0"); });
    QTest::newRow("addCustomLight") << StoreWriter([](xmlInterface &x, const QString &p) { return x.addCustomLight(p, "7", "0", "c", "Using", 0); });
    QTest::newRow("addCustomLightKey") << StoreWriter([key](xmlInterface &x, const QString &p) { return x.addCustomLightKey(p, "7", "0", key); });
    QTest::newRow("setCustomLightName") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setCustomLightName(p, "7", "0", "c"); });
    QTest::newRow("setCustomLightUsing") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setCustomLightUsing(p, "7", "0", "UnUsing", -1); });
    QTest::newRow("clearCustomLightKeys") << StoreWriter([](xmlInterface &x, const QString &p) { return x.clearCustomLightKeys(p, "7", "0"); });
    QTest::newRow("setDpiUsingIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setDpiUsingIndex(p, "7", 2); });
    QTest::newRow("saveDpiUsingIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.saveDpiUsingIndex(p, "7", 2); });
    QTest::newRow("addDpiInfo") << StoreWriter([dpi](xmlInterface &x, const QString &p) { return x.addDpiInfo(p, "7", dpi); });
    QTest::newRow("updateDpiInfo") << StoreWriter([dpi](xmlInterface &x, const QString &p) { return x.updateDpiInfo(p, "7", 1, dpi); });
    QTest::newRow("setPerformanceSetting") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setPerformanceSetting(p, "7", "1", "1", "1", "1"); });
    QTest::newRow("setFeature") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setFeature(p, "7", 0, 1); });
    // The copies: the value is missing in the source (here the same file).
    QTest::newRow("exportProfile") << StoreWriter([](xmlInterface &x, const QString &p) { return x.exportProfile(p, p, "7", true); });
    QTest::newRow("importProfile") << StoreWriter([](xmlInterface &x, const QString &p) { return x.importProfile(p, p, "7"); });
    QTest::newRow("copyProfileWithIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.copyProfileWithIndex(p, 4, p, "7"); });
}

void tst_XmlFileLayout::missingAnchorLeavesFileByteIdentical()
{
    QFETCH(StoreWriter, writer);
    silenceStoreWarnings();
    const QString path = filePath("profiles.xml");
    QVERIFY(writeBytes(path, kForeignLayout));
    QVERIFY(!writer(m_store, path));
    QCOMPARE(readBytes(path), QByteArray(kForeignLayout));

    // A missing file is not created.
    const QString missing = filePath("missing.xml");
    QVERIFY(!writer(m_store, missing));
    QVERIFY(!QFile::exists(missing));
}

void tst_XmlFileLayout::failedSaveReported()
{
    // The path names a folder: nothing can be saved there.
    QVERIFY(QDir(m_dir->path()).mkdir("folder.xml"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
    QVERIFY(!m_store.createXmlFile(filePath("folder.xml")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
    QVERIFY(!m_store.createXmlFile(filePath("no/such/folder/pardexMacro.xml")));

    // Exporting to a file that does not exist fails and creates nothing.
    const QString source = filePath("source.xml");
    QVERIFY(writeBytes(source, kForeignLayout));
    QVERIFY(!m_store.exportProfile(source, filePath("export.xml"), "1", false));
    QVERIFY(!QFile::exists(filePath("export.xml")));
    QCOMPARE(readBytes(source), QByteArray(kForeignLayout));
}

void tst_XmlFileLayout::failedSaveReturnsFalse_data()
{
    QTest::addColumn<StoreWriter>("writer");

    macroItemInfo event;
    std::memset(&event, 0, sizeof event);
    fixedTextCopy(event.mark, "a");
    // One writer of each way of changing a file; each finds its target.
    QTest::newRow("createXmlFile") << StoreWriter([](xmlInterface &x, const QString &p) { return x.createXmlFile(p); });
    QTest::newRow("setProfileIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setProfileIndex(p, 2); });
    QTest::newRow("addProfile") << StoreWriter([](xmlInterface &x, const QString &p) { return x.addProfile(p, "2", "P2", "", "", 0); });
    QTest::newRow("deleteNode") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteNode(p, "3"); });
    QTest::newRow("addKeyInfo") << StoreWriter([](xmlInterface &x, const QString &p) { return x.addKeyInfo(p, "1", "5", "B", "0", "1", "1", "6"); });
    QTest::newRow("deleteKeyInfo") << StoreWriter([](xmlInterface &x, const QString &p) { return x.deleteKeyInfo(p, "1", "4"); });
    QTest::newRow("updateMacroItem") << StoreWriter([event](xmlInterface &x, const QString &p) { return x.updateMacroItem(p, "3", "a", true, event); });
    QTest::newRow("setLightUsingIndex") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setLightUsingIndex(p, "1", 0, 5); });
    QTest::newRow("setPerformanceSetting") << StoreWriter([](xmlInterface &x, const QString &p) { return x.setPerformanceSetting(p, "1", "1", "1", "1", "1"); });
    QTest::newRow("importProfile") << StoreWriter([](xmlInterface &x, const QString &p) { return x.importProfile(p, p, "1"); });
}

void tst_XmlFileLayout::failedSaveReturnsFalse()
{
    // The disk is full: the writer says so and the file stays as it was.
    QFETCH(StoreWriter, writer);
    silenceStoreWarnings();
    const QString path = filePath("profiles.xml");
    QVERIFY(writeBytes(path, kForeignLayout));
    QCOMPARE(m_store.getProfileIndex(path), 1);
    {
        const FailingSaves failing(SaveFailure::DiskFull, m_dir->path());
        QVERIFY(!writer(m_store, path));
    }
    QCOMPARE(readBytes(path), QByteArray(kForeignLayout));
}

void tst_XmlFileLayout::shippedDeviceLists()
{
    // The store reads real paths, so the resources are copied out first.
    const QString models = filePath("hidList.xml");
    const QString supported = filePath("hidListSupport.xml");
    QVERIFY(QFile::copy(":/images/configDir/hidList.xml", models));
    QVERIFY(QFile::copy(":/images/configDir/hidListSupport.xml", supported));

    QList<hidModelInfo> modelList;
    QVERIFY(m_store.getHidModelList(models, modelList));
    struct Model { const char *hidName; int keyNum; int width; int height; const char *likeName; };
    const Model expected[] = {
        {"Quissaro", 104, 700, 210, "Quarrodin"}, {"Ryzzmond", 84, 521, 210, "Quelvane"},
        {"Rosquine", 104, 700, 210, "Quarrodin"}, {"Rulvarro", 68, 594, 210, "Calquor"},
        {"Varrowen", 87, 532, 210, "Cyrabel"},
    };
    QCOMPARE(modelList.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const hidModelInfo &m = modelList[i];
        QCOMPARE(QByteArray(m.hidType), QByteArray("keyboard"));
        QCOMPARE(QByteArray(m.hidName), QByteArray(expected[i].hidName));
        QCOMPARE(m.keyNum, expected[i].keyNum);
        QCOMPARE(m.SizeWidth, expected[i].width);
        QCOMPARE(m.SizeHeight, expected[i].height);
        QCOMPARE(QByteArray(m.productName), QByteArray());
        QCOMPARE(QByteArray(m.likeName), QByteArray(expected[i].likeName));
        QVERIFY(std::strlen(m.addTime) > 0);
    }

    QList<hidSupportInfo> supportList;
    QVERIFY(m_store.getHidSupportList(supported, supportList));
    struct Support { const char *hidType; const char *vid; const char *pid; int type; const char *nucName; };
    const Support rows[] = {
        {"keyboard", "0416", "B23C", 0, "NUC121"},
        {"keyboard", "0416", "C345", 0, "M252"},
        {"mouse", "0C45", "A21C", 1, "Bovelli"},
    };
    QCOMPARE(supportList.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const hidSupportInfo &s = supportList[i];
        QCOMPARE(QByteArray(s.hidType), QByteArray(rows[i].hidType));
        QCOMPARE(QByteArray(s.Vid), QByteArray(rows[i].vid));
        QCOMPARE(QByteArray(s.Pid), QByteArray(rows[i].pid));
        QCOMPARE(s.type, rows[i].type);
        QCOMPARE(QByteArray(s.nucName), QByteArray(rows[i].nucName));
    }

    // The lists append; a missing file leaves them as they were.
    QVERIFY(m_store.getHidSupportList(supported, supportList));
    QCOMPARE(supportList.size(), 6);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open"));
    QVERIFY(!m_store.getHidModelList(filePath("none.xml"), modelList));
    QCOMPARE(modelList.size(), 5);
}

void tst_XmlFileLayout::shippedDefaultLighting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("blueKeys");
    QTest::addColumn<int>("redKeys");

    QTest::newRow("plain") << "customLightDefaultConfig.xml" << 34 << 8;
    QTest::newRow("34") << "customLightDefaultConfig_34.xml" << 11 << 4;
    QTest::newRow("61") << "customLightDefaultConfig_61.xml" << 34 << 4;
    QTest::newRow("68") << "customLightDefaultConfig_68.xml" << 34 << 8;
    QTest::newRow("84") << "customLightDefaultConfig_84.xml" << 34 << 8;
    QTest::newRow("98") << "customLightDefaultConfig_98.xml" << 34 << 8;
}

void tst_XmlFileLayout::shippedDefaultLighting()
{
    QFETCH(QString, file);
    QFETCH(int, blueKeys);
    QFETCH(int, redKeys);
    const QString path = filePath(file);
    QVERIFY(QFile::copy(":/images/configDir/" + file, path));

    const int counts[] = {blueKeys, redKeys, 0, 0, 0};
    for (int scheme = 0; scheme < 5; ++scheme) {
        QList<customLightKeyInfo> keys;
        QVERIFY(m_store.getDefaultCustomLightKeys(path, QByteArray::number(scheme), keys));
        QCOMPARE(keys.size(), counts[scheme]);
        for (const customLightKeyInfo &key : keys) {
            QCOMPARE(key.transparentNum, 128);
            QCOMPARE(key.colorB, scheme == 0 ? 255 : 0);
            QCOMPARE(key.colorR, scheme == 1 ? 255 : 0);
            QVERIFY(key.indexX >= 0 && key.indexX < 6 && key.indexY >= 0 && key.indexY < 22);
        }
    }
    // The file is in the store's own layout: printing it again changes nothing.
    xmlStoreDocument doc(path);
    QVERIFY(doc.isLoaded());
    QCOMPARE(xmlPrinter::print(doc.document()), readBytes(path));
}

void tst_XmlFileLayout::shippedDefaultLayers()
{
    // The default on-board layers read through the profile operations.
    const QString path = filePath("Rulvarro_DefMac.xml");
    QVERIFY(QFile::copy(":/images/configDir/onboardDeviceConfig/Rulvarro_DefMac.xml", path));
    xmlIndexNameList list;
    QVERIFY(m_store.getProfileList(path, list));
    QCOMPARE(list, (xmlIndexNameList{{"2", "Profile_Mac"}, {"3", "Profile_Mac"}}));

    QList<QByteArray> codes;
    QVERIFY(m_store.getKeyCodeList(path, "2", codes));
    QCOMPARE(codes.size(), 132);
    QCOMPARE(m_store.getLightUsingIndex(path, "2", 0), 20);
    QCOMPARE(m_store.getLightSynchronizeStatus(path, "2"), 1);

    customKeyInfo fn;
    std::memset(&fn, 0, sizeof fn);
    QVERIFY(m_store.getKeyInfo(path, "3", "-10", fn));
    QCOMPARE(QByteArray(fn.keyChar), QByteArray("Fn"));
    QCOMPARE(QByteArray(fn.operateType), QByteArray("0"));
    QCOMPARE(m_store.getFeature(path, "3", 3), 1);
}

QTEST_GUILESS_MAIN(tst_XmlFileLayout)
#include "tst_xmlfilelayout.moc"
