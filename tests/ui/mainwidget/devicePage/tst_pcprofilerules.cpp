// The PC profile panel's plain rules: a new profile's index and name, the
// file an export writes (always one component inside the chosen folder),
// and the lengths the store keeps whole.
#include "pcProfileRules.h"

#include <QtTest>

Q_DECLARE_METATYPE(xmlIndexNameList)

namespace {

xmlIndexNameList profiles(std::initializer_list<const char *> indexes)
{
    xmlIndexNameList list;
    for (const char *index : indexes)
        list.append({QByteArray(index), QByteArray("Profile") + index});
    return list;
}

} // namespace

class tst_PcProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void newProfileIndexAndName_data()
    {
        QTest::addColumn<xmlIndexNameList>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");

        QTest::newRow("gap kept") << profiles({"1", "2", "5"}) << 6 << QStringLiteral("Profile6");
        QTest::newRow("no profile") << xmlIndexNameList() << 2 << QStringLiteral("Profile2");
        QTest::newRow("one") << profiles({"1"}) << 2 << QStringLiteral("Profile2");
        QTest::newRow("imported 0 only") << profiles({"0"}) << 1 << QStringLiteral("Profile1");
        QTest::newRow("two digits") << profiles({"3", "10"}) << 11 << QStringLiteral("Profile11");
    }
    void newProfileIndexAndName()
    {
        QFETCH(xmlIndexNameList, list);
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(pcProfileRules::newProfileIndex(list), index);
        QCOMPARE(pcProfileRules::newProfileName(index), name);
    }

    void exportFileStaysInsideTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("file");

        QTest::newRow("plain") << QStringLiteral("Profile1") << QStringLiteral("1") << QStringLiteral("Profile1.xml");
        QTest::newRow("parent") << QStringLiteral("../x") << QStringLiteral("2") << QStringLiteral(".._x.xml");
        QTest::newRow("sub folder") << QStringLiteral("a/b") << QStringLiteral("2") << QStringLiteral("a_b.xml");
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << QStringLiteral("2")
                                  << QStringLiteral("_etc_passwd.xml");
        QTest::newRow("line break and tab") << QStringLiteral("a\nb\tc") << QStringLiteral("3")
                                            << QStringLiteral("a_b_c.xml");
        QTest::newRow("empty") << QString() << QStringLiteral("4") << QStringLiteral("Profile4.xml");
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("5") << QStringLiteral("Profile5.xml");
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("6") << QStringLiteral("Profile6.xml");
        QTest::newRow("three dots kept") << QStringLiteral("...") << QStringLiteral("6")
                                         << QStringLiteral("....xml");
        QTest::newRow("markup and non-ASCII kept")
            << QStringLiteral("R&D <\"Spiel\"> Ärger 日本") << QStringLiteral("7")
            << QStringLiteral("R&D <\"Spiel\"> Ärger 日本.xml");
    }
    void exportFileStaysInsideTheFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, index);
        QFETCH(QString, file);
        QCOMPARE(pcProfileRules::exportFileName(name, index), file);

        const QString folder = QStringLiteral("/home/u/Desktop/out");
        const QString path = pcProfileRules::exportFilePath(folder, name, index);
        QCOMPARE(path, folder + QLatin1Char('/') + file);
        // Whatever the name, the file's folder is the chosen one.
        QCOMPARE(QFileInfo(QDir::cleanPath(path)).absolutePath(), folder);
    }

    void storeLengths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("fits");

        const QString twoByte(64, QChar(0x00e4)); // 128 bytes of UTF-8
        QTest::newRow("short") << QStringLiteral("Game") << QStringLiteral("/usr/bin/game") << true;
        QTest::newRow("name at the limit") << QString(127, QLatin1Char('n')) << QString() << true;
        QTest::newRow("name over") << QString(128, QLatin1Char('n')) << QString() << false;
        QTest::newRow("name over in bytes only") << twoByte << QString() << false;
        QTest::newRow("program at the limit") << QStringLiteral("a") << QString(255, QLatin1Char('p')) << true;
        QTest::newRow("program over") << QStringLiteral("a") << QString(256, QLatin1Char('p')) << false;
    }
    void storeLengths()
    {
        QFETCH(QString, name);
        QFETCH(QString, program);
        QFETCH(bool, fits);
        QCOMPARE(pcProfileRules::fitsStore(name, program), fits);
    }
};

QTEST_MAIN(tst_PcProfileRules)
#include "tst_pcprofilerules.moc"
