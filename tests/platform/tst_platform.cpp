#include "AutoStartEntry.h"
#include "CrashHandler.h"
#include "QtSingleApplication.h"
#include "SingleInstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QWidget>
#include <QtTest>

#include <csignal>

namespace {

const QString kHelper = QStringLiteral(PLATFORM_HELPER);
constexpr char kAppId[] = "tst.platform.single";

// waitForFinished() fails on a process that has already ended.
bool finished(QProcess &process)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(30000);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void guardExcludesSecondHolder()
    {
        QTemporaryDir dir;
        SingleInstanceGuard first(QStringLiteral("Velmora1.0"), dir.path());
        QCOMPARE(first.lockFilePath(), dir.path() + "/Velmora1.0.lock");
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // holding it already
        {
            SingleInstanceGuard second(QStringLiteral("Velmora1.0"), dir.path());
            QVERIFY(!second.tryAcquire());
            QVERIFY(!second.isAcquired());
            SingleInstanceGuard other(QStringLiteral("Other"), dir.path());
            QVERIFY(other.tryAcquire());
        }
        SingleInstanceGuard third(QStringLiteral("Velmora1.0"), dir.path());
        QVERIFY(!third.tryAcquire());
    }

    void guardReleasedWhenHolderEnds()
    {
        QTemporaryDir dir;
        {
            SingleInstanceGuard first(QStringLiteral("Velmora1.0"), dir.path());
            QVERIFY(first.tryAcquire());
        }
        SingleInstanceGuard next(QStringLiteral("Velmora1.0"), dir.path());
        QVERIFY(next.tryAcquire());
    }

    void guardInMissingFolderFails()
    {
        QTemporaryDir dir;
        SingleInstanceGuard guard(QStringLiteral("Velmora1.0"), dir.filePath("missing"));
        QVERIFY(!guard.tryAcquire());
    }

    // The kernel drops the lock of a killed process: no stale lock remains.
    void guardSurvivesKilledHolder()
    {
        QTemporaryDir dir;
        QProcess holder;
        holder.start(kHelper, {"lock", dir.path(), "Velmora1.0"});
        QVERIFY(holder.waitForStarted(30000));
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));

        SingleInstanceGuard guard(QStringLiteral("Velmora1.0"), dir.path());
        QVERIFY(!guard.tryAcquire());
        holder.kill(); // SIGKILL
        QVERIFY(finished(holder));
        QVERIFY(QFileInfo::exists(guard.lockFilePath()));
        QVERIFY(guard.tryAcquire());

        // Now the helper finds it taken.
        QProcess second;
        second.start(kHelper, {"lock", dir.path(), "Velmora1.0"});
        QVERIFY(second.waitForReadyRead(30000));
        QCOMPARE(second.readAll().trimmed(), QByteArray("busy"));
        second.kill();
        second.waitForFinished(30000);
    }

    void singleApplicationIdAndServer()
    {
        auto *app = qobject_cast<QtSingleApplication *>(qApp);
        QVERIFY(app);
        QCOMPARE(app->id(), QString::fromLatin1(kAppId));
        QVERIFY(!app->isRunning());
        QCOMPARE(QtSingleApplication::serverName(kAppId),
                 QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/" + kAppId + ".socket");
        QVERIFY(!app->sendMessage("to nobody")); // this process is the server itself
    }

    void singleApplicationMessageActivatesWindow()
    {
        auto *app = qobject_cast<QtSingleApplication *>(qApp);
        QWidget window;
        window.show();
        window.showMinimized();
        app->setActivationWindow(&window, true);
        QCOMPARE(app->activationWindow(), &window);
        QSignalSpy received(app, &QtSingleApplication::messageReceived);

        QProcess sender;
        sender.start(kHelper, {"send", kAppId, "hello there"});
        QVERIFY(sender.waitForStarted(30000));
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 30000);
        QCOMPARE(received.first().first().toString(), QStringLiteral("hello there"));
        QVERIFY(finished(sender));
        QCOMPARE(sender.exitCode(), 0);
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        app->setActivationWindow(nullptr);
    }

    void autostartExecLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/velmora" << "/usr/bin/velmora --AutoUp";
        QTest::newRow("blank") << "/opt/My App/velmora" << "\"/opt/My App/velmora\" --AutoUp";
        QTest::newRow("dollar") << "/home/a$b/velmora" << "\"/home/a\\$b/velmora\" --AutoUp";
        QTest::newRow("quote") << "/home/it's/velmora" << "\"/home/it's/velmora\" --AutoUp";
        QTest::newRow("backslash") << "/home/a\\b/velmora" << "\"/home/a\\\\b/velmora\" --AutoUp";
    }

    void autostartExecLine()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(AutoStartEntry::execLine(program), exec);
        QVERIFY(AutoStartEntry::execLine(program).endsWith(" --AutoUp"));
    }

    void autostartEntryFile()
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
        QDir(folder).removeRecursively();
        QVERIFY(!AutoStartEntry::isInstalled());
        QCOMPARE(AutoStartEntry::filePath(), folder + "/" + QCoreApplication::applicationName() + ".desktop");

        const QString program = "/opt/Vel 100%/velmora";
        QVERIFY(AutoStartEntry::install(program));
        QVERIFY(AutoStartEntry::isInstalled());
        const QByteArray entry = readAll(AutoStartEntry::filePath());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
        QVERIFY2(entry.contains("\nExec=\"/opt/Vel 100%%/velmora\" --AutoUp\n"), entry.constData());
        // Only the entry itself: the atomic write leaves no temporary file.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(AutoStartEntry::filePath()).fileName()});

        QVERIFY(AutoStartEntry::install("/usr/bin/velmora"));
        QVERIFY(readAll(AutoStartEntry::filePath()).contains("\nExec=/usr/bin/velmora --AutoUp\n"));
        QVERIFY(AutoStartEntry::remove());
        QVERIFY(!AutoStartEntry::isInstalled());
        QVERIFY(AutoStartEntry::remove());
    }

    void crashLeavesDumpNamedByLocalTime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("zone");
        QTest::newRow("SIGSEGV, main thread") << "segv" << "SIGSEGV" << "Asia/Kathmandu";
        QTest::newRow("SIGSEGV, worker thread") << "thread" << "SIGSEGV" << "America/St_Johns";
        QTest::newRow("abort") << "abort" << "SIGABRT" << "Europe/Berlin";
        QTest::newRow("SIGFPE") << "fpe" << "SIGFPE" << "UTC";
    }

    void crashLeavesDumpNamedByLocalTime()
    {
        QFETCH(QString, how);
        QFETCH(QString, signal);
        QFETCH(QString, zone);
        QTemporaryDir dir;
        const QString dumps = dir.filePath("data/dump"); // made by the handler's installation
        const QString marker = dir.filePath("box.txt");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TZ", zone);
        const QTimeZone tz(zone.toLatin1());
        QVERIFY(tz.isValid());

        QProcess child;
        child.setProcessEnvironment(env);
        const QDateTime before = QDateTime::currentDateTimeUtc().toTimeZone(tz).addSecs(-1);
        child.start(kHelper, {"crash", dumps, marker, how});
        QVERIFY(child.waitForStarted(30000));
        QVERIFY(finished(child));
        const QDateTime after = QDateTime::currentDateTimeUtc().toTimeZone(tz).addSecs(1);
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QStringList files = QDir(dumps).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString name = files.first();
        QVERIFY2(QRegularExpression("^\\d{4}_\\d\\d_\\d\\d_\\d\\d_\\d\\d_\\d\\d\\.dmp$").match(name).hasMatch(),
                 qPrintable(name));
        // The name is the child's local wall-clock time.
        QStringList allowed;
        for (QDateTime t = before; t <= after; t = t.addSecs(1))
            allowed << CrashHandler::dumpFileName(QDateTime(t.date(), t.time()));
        QVERIFY2(allowed.contains(name), qPrintable(name + " not in " + allowed.join(',')));

        const QByteArray dump = readAll(dumps + "/" + name);
        QVERIFY2(dump.contains("Signal: "), dump.constData());
        QVERIFY(dump.contains(signal.toLatin1()));
        QVERIFY(dump.contains("Backtrace:\n"));
        QVERIFY(dump.count('\n') > 8); // some frames

        // The box is shown by a separate process started with its argument.
        QTRY_COMPARE_WITH_TIMEOUT(readAll(marker), QByteArray("box shown\n"), 30000);
    }

    void dumpFileName()
    {
        QCOMPARE(CrashHandler::dumpFileName(QDateTime(QDate(2026, 1, 5), QTime(9, 5, 7))),
                 QStringLiteral("2026_01_05_09_05_07.dmp"));
    }
};

int main(int argc, char **argv)
{
    QtSingleApplication app(QString::fromLatin1(kAppId), argc, argv);
    tst_Platform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
