// What a program killed while writing its settings leaves beside
// PardexConfig.ini: the lock, QLockFile's removal lock and the write's
// temporary copy. Leftovers no living process holds go; a lock a living
// process holds makes a write give up after a moment instead of waiting.
#include "DDataManager.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class Holder {
    None,           // no file
    EndedProcess,   // filled in by a process that has ended
    LivingProcess,  // filled in by a process still running
    OtherMachine,   // filled in on another machine
    UnfilledOld,    // empty, made seconds ago: killed between making and filling it
    UnfilledNew,    // empty, made just now: its maker may still be filling it
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void setAge(const QString &path, qint64 ms)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addMSecs(-ms), QFileDevice::FileModificationTime));
}

} // namespace

Q_DECLARE_METATYPE(Holder)

class tst_SettingsLock : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_living;
    qint64 m_endedPid = 0;

    QString settingsPath() const
    {
        return SettingsKeys::userSettingsPath(SettingsKeys::userConfigDir(m_dir.path()));
    }

    void makeLock(const QString &path, Holder holder)
    {
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        switch (holder) {
        case Holder::None:
            return;
        case Holder::EndedProcess:
            writeFile(path, QByteArray::number(m_endedPid) + "\nvelmora\n" + host + "\n");
            break;
        case Holder::LivingProcess:
            writeFile(path, QByteArray::number(m_living.processId()) + "\nsleep\n" + host + "\n");
            break;
        case Holder::OtherMachine:
            writeFile(path, QByteArray::number(m_living.processId()) + "\nsleep\nsomewhere-else\n");
            break;
        case Holder::UnfilledOld:
        case Holder::UnfilledNew:
            writeFile(path, QByteArray());
            break;
        }
        // Left by a run killed a few seconds ago (a fresh unfilled one just now).
        setAge(path, holder == Holder::UnfilledNew ? 0 : 5000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // A shell that says its number and ends.
        QProcess ended;
        ended.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
        QVERIFY(ended.waitForFinished());
        m_endedPid = ended.readAllStandardOutput().trimmed().toLongLong();
        QVERIFY(m_endedPid > 0);
        m_living.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(m_living.waitForStarted());
    }

    void cleanupTestCase()
    {
        m_living.kill();
        m_living.waitForFinished();
    }

    void init()
    {
        QDir(SettingsKeys::userConfigDir(m_dir.path())).removeRecursively();
        QVERIFY(QDir().mkpath(SettingsKeys::userConfigDir(m_dir.path())));
        writeFile(settingsPath(), "[Theme]\nselectThemeIndex=2\n");
    }

    void leftoversAtStart_data()
    {
        QTest::addColumn<Holder>("lock");
        QTest::addColumn<Holder>("removalLock");
        QTest::addColumn<bool>("stale"); // the lock and the removal lock go, and the copy with them
        QTest::addColumn<bool>("writable");

        QTest::newRow("lock of an ended process") << Holder::EndedProcess << Holder::None << true << true;
        QTest::newRow("both of an ended process") << Holder::EndedProcess << Holder::EndedProcess << true << true;
        QTest::newRow("unfilled lock and removal lock")
            << Holder::UnfilledOld << Holder::UnfilledOld << true << true;
        QTest::newRow("lock of an ended process, unfilled removal lock")
            << Holder::EndedProcess << Holder::UnfilledOld << true << true;
        QTest::newRow("lock of a living process") << Holder::LivingProcess << Holder::None << false << false;
        QTest::newRow("lock of another machine") << Holder::OtherMachine << Holder::None << false << false;
        QTest::newRow("lock being filled in") << Holder::UnfilledNew << Holder::None << false << false;
    }

    void leftoversAtStart()
    {
        QFETCH(Holder, lock);
        QFETCH(Holder, removalLock);
        QFETCH(bool, stale);
        QFETCH(bool, writable);
        const QString path = settingsPath();
        const QString lockPath = SettingsLock::lockPath(path);
        const QString removalPath = SettingsLock::removalLockPath(path);
        makeLock(lockPath, lock);
        makeLock(removalPath, removalLock);
        // The write's copy, made while the lock was held; the user's backup,
        // made an hour before.
        const QString copy = path + QStringLiteral(".Ab12Cd");
        writeFile(copy, "[Theme]\nselectThemeIndex=");
        setAge(copy, 4900);
        const QString backup = path + QStringLiteral(".backup");
        writeFile(backup, "[Theme]\nselectThemeIndex=1\n");
        setAge(backup, 3600 * 1000);

        SettingsLock::removeStaleLeftovers(path);
        QCOMPARE(QFile::exists(lockPath), !stale);
        QCOMPARE(QFile::exists(removalPath), !stale && removalLock != Holder::None);
        QCOMPARE(QFile::exists(copy), !stale);
        QVERIFY(QFile::exists(backup));

        // A write goes ahead at once, or gives up after a moment.
        QCOMPARE(SettingsLock::isFreeForWrite(path), writable);
        if (writable) {
            {
                QSettings settings(path, QSettings::IniFormat);
                settings.setValue(SettingsKeys::ThemeIndex, 3);
                settings.sync();
                QCOMPARE(settings.status(), QSettings::NoError);
            }
            QCOMPARE(QSettings(path, QSettings::IniFormat).value(SettingsKeys::ThemeIndex).toInt(), 3);
            QVERIFY(!QFile::exists(lockPath));
        }
        QFile::remove(lockPath);
        QFile::remove(removalPath);
    }

    // The data manager's first-run writes at start land past what a killed
    // run left.
    void dataManagerWritesPastLeftovers()
    {
        QFile::remove(settingsPath());
        makeLock(SettingsLock::lockPath(settingsPath()), Holder::EndedProcess);
        makeLock(SettingsLock::removalLockPath(settingsPath()), Holder::UnfilledOld);

        const auto manager = DDataManager::create(m_dir.path(), QString::fromLatin1(SettingsKeys::DefaultSettingsPath));
        QVERIFY(QSettings(settingsPath(), QSettings::IniFormat).contains(SettingsKeys::OldVersion));
        QVERIFY(!QFile::exists(SettingsLock::lockPath(settingsPath())));
        QVERIFY(!QFile::exists(SettingsLock::removalLockPath(settingsPath())));
    }

    // Held by a living process: the data manager starts without writing.
    void dataManagerStartsWhileTheLockIsHeld()
    {
        QFile::remove(settingsPath());
        makeLock(SettingsLock::lockPath(settingsPath()), Holder::LivingProcess);
        const auto manager = DDataManager::create(m_dir.path(), QString::fromLatin1(SettingsKeys::DefaultSettingsPath));
        QVERIFY(!QFile::exists(settingsPath()));
        QVERIFY(QFile::exists(SettingsLock::lockPath(settingsPath())));
        QFile::remove(SettingsLock::lockPath(settingsPath()));
    }
};

QTEST_MAIN(tst_SettingsLock)
#include "tst_settingslock.moc"
