// A device's PC profile file as the profile panel changes it, on the real
// store in a temporary folder: import takes only the source's last profile,
// export appends, a reset keeps index and name (or, when it cannot be saved,
// the old profile), and what is not a profile file leaves the device's file
// byte-identical.
#include "importedFile.h"
#include "pcProfileStore.h"
#include "xmlInterface.h"
#include "xmlSaveFailure.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList indexes(const xmlIndexNameList &list)
{
    QStringList result;
    for (const auto &pair : list)
        result.append(QString::fromUtf8(pair.first));
    return result;
}

} // namespace

Q_DECLARE_METATYPE(pcProfileStore::ImportResult)

class tst_PcProfileStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    xmlInterface m_xml;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A file holding the given profiles, each named "P<index>".
    QString fileWith(const QString &name, std::initializer_list<int> profiles, int deviceType = 0)
    {
        const QString file = path(name);
        m_xml.createXmlFile(file);
        for (int index : profiles)
            m_xml.addProfile(file, QByteArray::number(index), "P" + QByteArray::number(index), "", "", deviceType);
        return file;
    }

private slots:
    void importTakesTheLastProfile_data()
    {
        QTest::addColumn<QList<int>>("device");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("after the largest") << QList<int>{1, 2, 5} << QStringList{"1", "2", "5", "6"};
        QTest::newRow("no profile yet") << QList<int>{} << QStringList{"0"};
    }
    void importTakesTheLastProfile()
    {
        QFETCH(QList<int>, device);
        QFETCH(QStringList, after);
        const QString source = fileWith(QStringLiteral("source.xml"), {1, 3});
        m_xml.setProfileInfo(source, "3", "Spiel & <Ärger>", "/usr/bin/game", "");
        colorInfoData light{};
        light.ledKeyboardOrSide = 1;
        light.ledType = 4;
        light.ledModeG = 200;
        m_xml.addLightInfo(source, "3", light);
        m_xml.addKeyInfo(source, "3", "30", "A", "7", "1", "0", "2");

        const QString file = path(QStringLiteral("device.xml"));
        m_xml.createXmlFile(file);
        for (int index : device)
            m_xml.addProfile(file, QByteArray::number(index), "P", "", "", 0);
        m_xml.setProfileIndex(file, device.isEmpty() ? 1 : device.first());
        const QByteArray sourceBytes = bytesOf(source);

        pcProfileStore store(&m_xml, file);
        QCOMPARE(store.importLastProfile(source), pcProfileStore::ImportResult::Imported);
        QCOMPARE(indexes(store.profiles()), after);
        const QString added = after.last();
        const profileInfo info = store.info(added);
        QCOMPARE(pcProfileStore::nameOf(info), QStringLiteral("Spiel & <Ärger>"));
        QCOMPARE(pcProfileStore::programOf(info), QStringLiteral("/usr/bin/game"));
        colorInfoData copied{};
        QVERIFY(m_xml.getLightInfo(file, added.toUtf8(), 1, 4, copied));
        QCOMPARE(copied.ledModeG, 200);
        QVERIFY(m_xml.hasKeyInfo(file, added.toUtf8(), "30"));
        // The current profile and the source stay as they were.
        QCOMPARE(m_xml.getProfileIndex(file), device.isEmpty() ? 1 : device.first());
        QCOMPARE(bytesOf(source), sourceBytes);
    }

    void notAProfileFileLeavesTheDeviceFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("this is not xml at all");
        QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?>\r\n<Parameters profileIndex=\"1\">\r\n<config ind");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no profile") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                                  "<Parameters profileIndex=\"1\" />\r\n");
    }
    void notAProfileFileLeavesTheDeviceFile()
    {
        QFETCH(QByteArray, content);
        const QString source = path(QStringLiteral("bad.xml"));
        writeFile(source, content);
        const QString file = fileWith(QStringLiteral("device.xml"), {1, 2});
        const QByteArray before = bytesOf(file);

        pcProfileStore store(&m_xml, file);
        QCOMPARE(store.importLastProfile(source), pcProfileStore::ImportResult::NotProfileFile);
        QCOMPARE(bytesOf(file), before);
        QCOMPARE(store.importLastProfile(path(QStringLiteral("missing.xml"))),
                 pcProfileStore::ImportResult::NotProfileFile);
        QCOMPARE(bytesOf(file), before);
    }

    // A profile file is refused above the macro import's limit, before it
    // is parsed; one of the limit's size imports.
    void oversizedProfileFileIsRefused_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<pcProfileStore::ImportResult>("result");
        QTest::newRow("at the limit") << importedFile::MaxSize << pcProfileStore::ImportResult::Imported;
        QTest::newRow("one byte over") << importedFile::MaxSize + 1 << pcProfileStore::ImportResult::NotProfileFile;
        QTest::newRow("fifty megabytes") << qint64(50) * 1024 * 1024 << pcProfileStore::ImportResult::NotProfileFile;
    }
    void oversizedProfileFileIsRefused()
    {
        QFETCH(qint64, size);
        QFETCH(pcProfileStore::ImportResult, result);
        // A good profile file padded with white space to the size.
        const QString source = fileWith(QStringLiteral("big.xml"), {1});
        QByteArray content = bytesOf(source);
        const QByteArray end = "</Parameters>";
        const int at = content.lastIndexOf(end);
        QVERIFY(at > 0);
        content.insert(at, QByteArray(int(size - content.size()), ' '));
        QCOMPARE(qint64(content.size()), size);
        writeFile(source, content);

        const QString file = fileWith(QStringLiteral("device.xml"), {1, 2});
        const QByteArray before = bytesOf(file);
        pcProfileStore store(&m_xml, file);
        QCOMPARE(store.importLastProfile(source), result);
        if (result == pcProfileStore::ImportResult::Imported)
            QCOMPARE(indexes(store.profiles()), (QStringList{"1", "2", "3"}));
        else
            QCOMPARE(bytesOf(file), before);
    }

    void importIntoAnUnreadableFileFails()
    {
        const QString source = fileWith(QStringLiteral("source.xml"), {1});
        const QString file = path(QStringLiteral("broken.xml"));
        writeFile(file, "<Parameters");
        pcProfileStore store(&m_xml, file);
        QCOMPARE(store.importLastProfile(source), pcProfileStore::ImportResult::Failed);
        QCOMPARE(bytesOf(file), QByteArray("<Parameters"));
    }

    void exportAppends()
    {
        const QString file = fileWith(QStringLiteral("device.xml"), {1, 4});
        m_xml.setProfileInfo(file, "4", "Four", "/opt/app", "");
        pcProfileStore store(&m_xml, file);
        const QString dest = path(QStringLiteral("Four.xml"));
        QVERIFY(store.exportProfile(QStringLiteral("4"), dest));
        QVERIFY(store.exportProfile(QStringLiteral("4"), dest));

        // One file, two copies, the index kept (the list shows an index once).
        QCOMPARE(bytesOf(dest).count("<config "), 2);
        QCOMPARE(bytesOf(dest).count("index=\"4\" name=\"Four\""), 2);
        xmlIndexNameList copies;
        QVERIFY(m_xml.getProfileList(dest, copies));
        QCOMPARE(indexes(copies), QStringList{"4"});

        // No folder there, or no such profile: nothing written, failure said.
        QVERIFY(!store.exportProfile(QStringLiteral("4"), path(QStringLiteral("none/Four.xml"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("none/Four.xml"))));
        QVERIFY(!store.exportProfile(QStringLiteral("9"), path(QStringLiteral("Nine.xml"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("Nine.xml"))));
        // A file that was there stays as it was.
        const QByteArray before = bytesOf(dest);
        QVERIFY(!store.exportProfile(QStringLiteral("9"), dest));
        QCOMPARE(bytesOf(dest), before);
    }

    void recreateKeepsIndexAndName_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::newRow("keyboard") << 0;
        QTest::newRow("mouse") << 1;
    }
    void recreateKeepsIndexAndName()
    {
        QFETCH(int, deviceType);
        const QString file = fileWith(QStringLiteral("device.xml"), {1, 2, 3}, deviceType);
        m_xml.setProfileInfo(file, "2", "Zwei", "/usr/bin/zwei", "ico");
        m_xml.addKeyInfo(file, "2", "30", "A", "0", "1", "0", "31");
        m_xml.setLightUsingIndex(file, "2", 0, 7);

        pcProfileStore store(&m_xml, file);
        // A disk with room for the file without the profile, not with the new
        // one: the old profile stays whole.
        const QString withoutProfile = path(QStringLiteral("withoutProfile.xml"));
        QFile::remove(withoutProfile);
        QVERIFY(QFile::copy(file, withoutProfile));
        QVERIFY(m_xml.deleteNode(withoutProfile, "2"));
        const QByteArray before = bytesOf(file);
        {
            const NearlyFullDisk disk(NearlyFullDisk::sizeOf(withoutProfile));
            QVERIFY(!store.recreateProfile(2, deviceType));
        }
        QCOMPARE(bytesOf(file), before);

        QVERIFY(store.recreateProfile(2, deviceType));
        const profileInfo info = store.info(QStringLiteral("2"));
        QCOMPARE(pcProfileStore::nameOf(info), QStringLiteral("Zwei"));
        QCOMPARE(pcProfileStore::programOf(info), QString());
        QCOMPARE(QByteArray(info.proFileAppIco), QByteArray());
        QVERIFY(!m_xml.hasKeyInfo(file, "2", "30"));
        QCOMPARE(m_xml.getLightUsingIndex(file, "2", 0), 2);
        QCOMPARE(m_xml.getLightLinkStatus(file, "2", 1), 0);
        QCOMPARE(indexes(store.profiles()), (QStringList{"1", "2", "3"}));
    }

    void removingWhatIsNotThereIsNoFailure()
    {
        const QString file = fileWith(QStringLiteral("device.xml"), {1, 2});
        pcProfileStore store(&m_xml, file);
        QVERIFY(store.removeProfile(QStringLiteral("2")));
        QVERIFY(store.removeProfile(QStringLiteral("2")));
        QCOMPARE(indexes(store.profiles()), QStringList{"1"});
        // An unreadable file is a failure.
        pcProfileStore broken(&m_xml, path(QStringLiteral("missing.xml")));
        QVERIFY(!broken.addProfile(2, QStringLiteral("Profile2"), 0));
        QVERIFY(!broken.setProfileTexts(QStringLiteral("1"), QStringLiteral("x"), QString()));
    }

    void textsSurviveAsTyped()
    {
        const QString file = fileWith(QStringLiteral("device.xml"), {1});
        pcProfileStore store(&m_xml, file);
        const QString name = QStringLiteral("R&D <\"one\"> 'two'\nzwei Ärger 日本");
        const QString program = QStringLiteral("/home/ü/bin/a&b");
        QVERIFY(store.setProfileTexts(QStringLiteral("1"), name, program));
        const profileInfo info = store.info(QStringLiteral("1"));
        QCOMPARE(pcProfileStore::nameOf(info), name);
        QCOMPARE(pcProfileStore::programOf(info), program);
        QCOMPARE(QString::fromUtf8(store.profiles().first().second), name);
        QVERIFY(store.hasProfile(1));
        QVERIFY(!store.hasProfile(2));
    }
};

QTEST_MAIN(tst_PcProfileStore)
#include "tst_pcprofilestore.moc"
