// The store keeps parsed files in memory. Whatever happens to a file behind
// its back, the next operation must act on the file as it is on disk.

#include "xmlDocumentCache.h"
#include "xmlFileStamp.h"
#include "xmlInterface.h"
#include "xmlSaveFailure.h"
#include "xmlTestFiles.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

// A change made by another program, given the file's path and its bytes.
using FileChange = std::function<void(const QString &path, const QByteArray &bytes)>;

const int64_t kSecondNs = 1'000'000'000;

timespec modificationTime(const QString &path)
{
    struct stat st;
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtim;
}

void setModificationTime(const QString &path, timespec time)
{
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

// Writes the bytes beside the file and renames them over it.
void replaceByRename(const QString &path, const QByteArray &bytes, const timespec *time = nullptr)
{
    const QString next = path + QStringLiteral(".next");
    writeBytes(next, bytes);
    if (time)
        setModificationTime(next, *time);
    std::rename(QFile::encodeName(next).constData(), QFile::encodeName(path).constData());
}

QByteArray withValue(const QByteArray &bytes, const QByteArray &value)
{
    return QByteArray(bytes).replace("Value=\"5\"", "Value=\"" + value + "\"");
}

// A clock an hour ahead: every file looks long settled, so only its stamp
// tells the store that it changed.
int64_t anHourAhead()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return (int64_t(now.tv_sec) + 3600) * kSecondNs + now.tv_nsec;
}

class ClockGuard
{
public:
    explicit ClockGuard(xmlFileStamp::Clock clock) { xmlFileStamp::setClock(clock); }
    ~ClockGuard() { xmlFileStamp::setClock(nullptr); }
};

} // namespace

Q_DECLARE_METATYPE(FileChange)

class tst_XmlStoreCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void changedBehindTheStore_data();
    void changedBehindTheStore();
    void failedSaveLeavesTheFileInCharge_data();
    void failedSaveLeavesTheFileInCharge();
    void storesAndOutsideWriterAgree();
    void leftoversOfCutShortSaves_data();
    void leftoversOfCutShortSaves();
    void savesLeaveNoTemporaryBehind();
    void saveKeepsPermissionsAndLinks();
    void failedSaveNamesTheSystemsReason_data();
    void failedSaveNamesTheSystemsReason();
    void keepsAFewFilesLeastRecentlyUsedOut();

private:
    // pardexProFile.xml with profile 1 binding key 4 to Value "5".
    QString profileFile();
    // Reads key 4's Value through the store; empty when it finds none.
    QByteArray valueOfKey4(xmlInterface &store, const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_store;
};

void tst_XmlStoreCache::initTestCase()
{
    // Missing and broken files are part of what is tested here.
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.storage.warning=false"));
}

void tst_XmlStoreCache::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString tst_XmlStoreCache::profileFile()
{
    const QString path = m_dir->filePath(QStringLiteral("pardexProFile.xml"));
    m_store.createXmlFile(path);
    m_store.addProfile(path, "1", "Profile1", "", "", 0);
    m_store.addKeyInfo(path, "1", "4", "A", "0", "1", "1", "5");
    return path;
}

QByteArray tst_XmlStoreCache::valueOfKey4(xmlInterface &store, const QString &path)
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    store.getKeyInfo(path, "1", "4", info);
    return QByteArray(info.Value);
}

void tst_XmlStoreCache::changedBehindTheStore_data()
{
    QTest::addColumn<FileChange>("change");
    QTest::addColumn<QByteArray>("value"); // key 4's afterwards; empty: the file counts as missing
    QTest::addColumn<bool>("settled");

    struct Row
    {
        const char *name;
        FileChange change;
        QByteArray value;
        // Seen by its stamp alone, however soon after the store's last
        // access it comes; the others may fall in the same clock tick.
        bool stampAlone;
    };
    const Row rows[] = {
        {"rewritten in place, same size",
         [](const QString &p, const QByteArray &b) { writeBytes(p, withValue(b, "6")); }, "6", false},
        {"rewritten in place, same size, modification time put back",
         [](const QString &p, const QByteArray &b) {
             const timespec before = modificationTime(p);
             writeBytes(p, withValue(b, "6"));
             setModificationTime(p, before);
         },
         "6", false},
        {"rewritten in place, same size, modification time moved",
         [](const QString &p, const QByteArray &b) {
             timespec time = modificationTime(p);
             writeBytes(p, withValue(b, "6"));
             time.tv_sec += 1;
             setModificationTime(p, time);
         },
         "6", true},
        {"rewritten in place, longer",
         [](const QString &p, const QByteArray &b) { writeBytes(p, withValue(b, "77")); }, "77", true},
        {"replaced by rename",
         [](const QString &p, const QByteArray &b) { replaceByRename(p, withValue(b, "7")); }, "7", true},
        {"replaced by rename, same size and modification time",
         [](const QString &p, const QByteArray &b) {
             const timespec before = modificationTime(p);
             replaceByRename(p, withValue(b, "7"), &before);
         },
         "7", true},
        {"truncated",
         [](const QString &p, const QByteArray &b) { writeBytes(p, b.left(b.size() / 2)); }, "", true},
        {"emptied", [](const QString &p, const QByteArray &) { writeBytes(p, QByteArray()); }, "", true},
        {"deleted", [](const QString &p, const QByteArray &) { QFile::remove(p); }, "", true},
        {"made unparsable",
         [](const QString &p, const QByteArray &) { writeBytes(p, "no XML { at all }"); }, "", true},
        {"given content after the root",
         [](const QString &p, const QByteArray &b) { writeBytes(p, b + "<config index=\"2\" />\r\n"); }, "", true},
    };
    for (const Row &row : rows) {
        QTest::newRow(row.name) << row.change << row.value << false;
        if (row.stampAlone)
            QTest::addRow("%s, file settled", row.name) << row.change << row.value << true;
    }
}

void tst_XmlStoreCache::changedBehindTheStore()
{
    QFETCH(FileChange, change);
    QFETCH(QByteArray, value);
    QFETCH(bool, settled);
    std::unique_ptr<ClockGuard> clock;
    if (settled)
        clock = std::make_unique<ClockGuard>(anHourAhead);

    const QString path = profileFile();
    QCOMPARE(valueOfKey4(m_store, path), QByteArray("5"));
    QCOMPARE(valueOfKey4(m_store, path), QByteArray("5"));
    change(path, readBytes(path));
    const QByteArray changed = readBytes(path);

    // The next reader sees the change...
    QCOMPARE(valueOfKey4(m_store, path), value);
    QCOMPARE(m_store.hasKeyInfo(path, "1", "4"), !value.isEmpty());

    // ...and the next writer changes the file as it is now, or, when it
    // counts as missing, leaves it alone.
    QCOMPARE(m_store.setProfileIndex(path, 3), !value.isEmpty());
    if (value.isEmpty()) {
        QCOMPARE(readBytes(path), changed);
    } else {
        QCOMPARE(m_store.getProfileIndex(path), 3);
        QCOMPARE(valueOfKey4(m_store, path), value);
        QVERIFY(readBytes(path).contains("Value=\"" + value + "\""));
    }
}

void tst_XmlStoreCache::failedSaveLeavesTheFileInCharge_data()
{
    QTest::addColumn<SaveFailure>("failure");
    QTest::newRow("read-only folder") << SaveFailure::ReadOnlyFolder;
    QTest::newRow("disk full") << SaveFailure::DiskFull;
}

void tst_XmlStoreCache::failedSaveLeavesTheFileInCharge()
{
    QFETCH(SaveFailure, failure);
    const QString path = profileFile();
    QCOMPARE(valueOfKey4(m_store, path), QByteArray("5"));
    const QByteArray before = readBytes(path);
    {
        const FailingSaves failing(failure, m_dir->path());
        QVERIFY(!m_store.addKeyInfo(path, "1", "9", "F", "0", "1", "1", "9"));
        QVERIFY(!m_store.setProfileIndex(path, 4));
        // What the failed writers changed in memory is gone.
        QVERIFY(!m_store.hasKeyInfo(path, "1", "9"));
        QCOMPARE(m_store.getProfileIndex(path), 1);
    }
    QCOMPARE(readBytes(path), before);

    // Nor does the next successful save bring it back.
    QVERIFY(m_store.setLightUsingIndex(path, "1", 0, 7));
    QVERIFY(!m_store.hasKeyInfo(path, "1", "9"));
    QVERIFY(!readBytes(path).contains("keyCode=\"9\""));
    QCOMPARE(m_store.getProfileIndex(path), 1);
    QCOMPARE(m_store.getLightUsingIndex(path, "1", 0), 7);
}

void tst_XmlStoreCache::storesAndOutsideWriterAgree()
{
    // Two store objects and a program that edits the file's text take turns
    // as fast as they can, so many turns fall in one tick of the file clock.
    // Every change of each must reach the others.
    const QString path = profileFile();
    xmlInterface other;
    for (int round = 0; round < 40; ++round) {
        const QByteArray code = QByteArray::number(100 + round);
        QVERIFY(m_store.addKeyInfo(path, "1", code, "k", "0", "1", "1", "0"));
        QVERIFY(other.hasKeyInfo(path, "1", code));

        // The outside writer turns the new binding's Value "0" into "1"
        // (same size), in place or by rename.
        const QByteArray bytes = readBytes(path);
        const QByteArray item = "keyCode=\"" + code + "\" keyChar=\"k\" operateType=\"0\" repeatNum=\"1\" mode=\"1\" Value=\"";
        QVERIFY(bytes.contains(item + "0\""));
        const QByteArray edited = QByteArray(bytes).replace(item + "0\"", item + "1\"");
        if (round % 2)
            writeBytes(path, edited);
        else
            replaceByRename(path, edited);

        customKeyInfo info;
        std::memset(&info, 0, sizeof info);
        QVERIFY(other.getKeyInfo(path, "1", code, info));
        QCOMPARE(QByteArray(info.Value), QByteArray("1"));
        QVERIFY(other.setProfileIndex(path, round));
        QCOMPARE(m_store.getProfileIndex(path), round);
    }
    QList<QByteArray> codes;
    QVERIFY(m_store.getKeyCodeList(path, "1", codes));
    QCOMPARE(codes.size(), 41);
    QCOMPARE(readBytes(path).count("Value=\"1\""), 40);
}

void tst_XmlStoreCache::leftoversOfCutShortSaves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");

    QTest::newRow("profile file's") << "pardexProFile.xml.velmora-save-a1B2c3" << true;
    QTest::newRow("macro file's") << "pardexMacro.xml.velmora-save-Zz09aB" << true;
    QTest::newRow("on-board list's") << "pardexOnboardProFile.xml.velmora-save-000000" << true;
    QTest::newRow("default layer's") << "OnboardDefaultProFile.xml.velmora-save-qwerty" << true;
    QTest::newRow("FN1 layer's") << "OnboardFN1ProFile.xml.velmora-save-QWERTY" << true;
    // The user's own files beside the store's.
    QTest::newRow("user's backup") << "pardexMacro.xml.backup" << false;
    QTest::newRow("user's copy with six letters") << "pardexProFile.xml.a1B2c3" << false;
    QTest::newRow("five characters") << "pardexProFile.xml.velmora-save-a1B2c" << false;
    QTest::newRow("seven characters") << "pardexProFile.xml.velmora-save-a1B2c3d" << false;
    QTest::newRow("not a letter or digit") << "pardexProFile.xml.velmora-save-a1-2c3" << false;
    QTest::newRow("another program's file") << "profiles.xml.velmora-save-a1B2c3" << false;
    QTest::newRow("differing case") << "PardexProFile.xml.velmora-save-a1B2c3" << false;
    QTest::newRow("the file itself") << "pardexProFile.xml" << false;
}

void tst_XmlStoreCache::leftoversOfCutShortSaves()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    const QString leftover = m_dir->filePath(name);
    QVERIFY(writeBytes(leftover, "<?xml version=\"1.0\"?>\r\n<Parameters profileIndex=\"1\">\r\n    <con"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("pardexMacro.xml.folder")));

    // Any operation on a file of the folder tidies it, even a read of a file
    // that does not exist.
    QCOMPARE(m_store.getProfileIndex(m_dir->filePath(QStringLiteral("pardexMacro.xml"))), 1);
    QCOMPARE(QFile::exists(leftover), !removed);
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("pardexMacro.xml.folder"))).isDir());
}

void tst_XmlStoreCache::savesLeaveNoTemporaryBehind()
{
    const QString path = profileFile();
    {
        const FailingSaves failing(SaveFailure::DiskFull, m_dir->path());
        QVERIFY(!m_store.setProfileIndex(path, 3));
    }
    QVERIFY(m_store.setProfileIndex(path, 2));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pardexProFile.xml"});
}

// A save replaces the file a link names and keeps the file's permissions.
void tst_XmlStoreCache::saveKeepsPermissionsAndLinks()
{
    const QString path = profileFile();
    const QFileDevice::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, mode));
    const QString link = m_dir->filePath(QStringLiteral("link.xml"));
    QVERIFY(QFile::link(path, link));

    QVERIFY(m_store.setProfileIndex(link, 3));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(m_store.getProfileIndex(path), 3);
    const QFileDevice::Permissions ownerGroupOther(0x7077);
    QCOMPARE(QFile::permissions(path) & ownerGroupOther, mode);
}

void tst_XmlStoreCache::failedSaveNamesTheSystemsReason_data()
{
    QTest::addColumn<int>("error"); // ENOSPC: a small tmpfs filled up
    QTest::addColumn<SaveFailure>("failure");
    QTest::newRow("full disk") << ENOSPC << SaveFailure::DiskFull;
    QTest::newRow("file size limit") << EFBIG << SaveFailure::DiskFull;
    QTest::newRow("read-only folder") << EACCES << SaveFailure::ReadOnlyFolder;
}

void tst_XmlStoreCache::failedSaveNamesTheSystemsReason()
{
    QFETCH(int, error);
    QFETCH(SaveFailure, failure);
    std::unique_ptr<SmallDisk> disk;
    QString folder = m_dir->path();
    if (error == ENOSPC) {
        folder = m_dir->filePath(QStringLiteral("small"));
        disk = std::make_unique<SmallDisk>(folder, 64);
        if (!disk->isMounted())
            QSKIP("mounting a tmpfs needs CAP_SYS_ADMIN");
    }
    const QString path = folder + QStringLiteral("/pardexMacro.xml");
    QVERIFY(m_store.createXmlFile(path));
    QVERIFY(m_store.addMacro(path, "1", "Macro1"));
    const QByteArray before = readBytes(path);
    QList<macroItemInfo> events;
    for (int i = 0; i < 2000; ++i) {
        macroItemInfo event{};
        std::snprintf(event.mark, sizeof event.mark, "%d", i);
        std::strcpy(event.type, "key");
        events.append(event);
    }

    QStringList lines;
    static QStringList *captured = nullptr;
    captured = &lines;
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.storage.warning=true"));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { captured->append(text); });
    bool saved = true;
    if (error == ENOSPC) {
        saved = m_store.replaceMacroItems(path, "1", events);
    } else {
        const FailingSaves failing(failure, folder);
        saved = m_store.replaceMacroItems(path, "1", events);
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.storage.warning=false"));

    QVERIFY(!saved);
    QCOMPARE(readBytes(path), before);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(QString::fromLocal8Bit(std::strerror(error))), qPrintable(lines.first()));
    QVERIFY(!lines.first().contains(QStringLiteral("Unknown error")));
}

void tst_XmlStoreCache::keepsAFewFilesLeastRecentlyUsedOut()
{
    xmlDocumentCache &cache = xmlDocumentCache::instance();
    cache.clear();
    QStringList paths;
    for (int i = 0; i <= xmlDocumentCache::kMaxFiles; ++i) {
        paths << m_dir->filePath(QStringLiteral("file%1.xml").arg(i));
        QVERIFY(m_store.createXmlFile(paths.last()));
        // The first file stays in use.
        QCOMPARE(m_store.getProfileIndex(paths.first()), 1);
    }
    QCOMPARE(cache.fileCount(), xmlDocumentCache::kMaxFiles);
    QVERIFY(cache.find(paths.first()) != nullptr);
    QVERIFY(cache.find(paths.last()) != nullptr);
    QVERIFY(cache.find(paths[1]) == nullptr);
}

QTEST_GUILESS_MAIN(tst_XmlStoreCache)
#include "tst_xmlstorecache.moc"
