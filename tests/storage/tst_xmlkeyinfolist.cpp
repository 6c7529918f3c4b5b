// Reading every key binding of a profile in one load, against the per-key
// reader it stands in for.

#include "xmlInterface.h"
#include "xmlTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

class tst_XmlKeyInfoList : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryBindingInFileOrder();
    void missingProfileOrFileReadsNothing_data();
    void missingProfileOrFileReadsNothing();

private:
    QTemporaryDir m_dir;
    xmlInterface m_store;
};

namespace {

const QStringList kProfileFile = {
    "<Parameters profileIndex=\"1\">",
    "    <config index=\"1\" name=\"P1\">",
    "        <macro>",
    "            <item keyCode=\"4\" keyChar=\"A\" operateType=\"0\" repeatNum=\"1\" mode=\"1\" Value=\"5\" />",
    "            <item keyChar=\"no code\" operateType=\"5\" />",
    "            <item keyCode=\"30\" keyChar=\"1\" operateType=\"6\" repeatNum=\"1\" mode=\"1\" Value=\"a &amp; b&#xA;c\" />",
    "            <item keyCode=\"4\" keyChar=\"A\" operateType=\"5\" Value=\"-1\" />",
    "            <item keyCode=\"7\" />",
    "        </macro>",
    "    </config>",
    "    <config index=\"2\" name=\"P2\" />",
    "</Parameters>",
};

QByteArray field(const char *text)
{
    return QByteArray(text);
}

} // namespace

void tst_XmlKeyInfoList::readsEveryBindingInFileOrder()
{
    const QString path = m_dir.filePath("bindings.xml");
    QVERIFY(writeBytes(path, storeFile(kProfileFile)));

    QList<customKeyInfo> list;
    QVERIFY(m_store.getKeyInfoList(path, "1", list));
    QList<QByteArray> codes;
    for (const customKeyInfo &record : list)
        codes.append(field(record.keyCode));
    // Items without a keyCode are no binding; a repeated code is listed twice.
    QCOMPARE(codes, (QList<QByteArray>{"4", "30", "4", "7"}));
    QCOMPARE(field(list.at(1).Value), QByteArray("a & b\nc"));
    QCOMPARE(field(list.at(2).operateType), QByteArray("5"));
    QCOMPARE(field(list.at(3).operateType), QByteArray());

    // Each first item of a code reads as getKeyInfo reads that key.
    for (int i : {0, 1, 3}) {
        customKeyInfo single;
        std::memset(&single, 0, sizeof single);
        QVERIFY(m_store.getKeyInfo(path, "1", field(list.at(i).keyCode), single));
        QCOMPARE(std::memcmp(&single, &list.at(i), sizeof single), 0);
    }
}

void tst_XmlKeyInfoList::missingProfileOrFileReadsNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("profile");
    QTest::newRow("profile without macro element") << "bindings.xml" << QByteArray("2");
    QTest::newRow("no such profile") << "bindings.xml" << QByteArray("9");
    QTest::newRow("no such file") << "missing.xml" << QByteArray("1");
}

void tst_XmlKeyInfoList::missingProfileOrFileReadsNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, profile);
    QVERIFY(writeBytes(m_dir.filePath("bindings.xml"), storeFile(kProfileFile)));
    QList<customKeyInfo> list;
    QVERIFY(!m_store.getKeyInfoList(m_dir.filePath(file), profile, list));
    QVERIFY(list.isEmpty());
}

QTEST_GUILESS_MAIN(tst_XmlKeyInfoList)
#include "tst_xmlkeyinfolist.moc"
