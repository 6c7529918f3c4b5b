#include "LogCollectClass.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_LogCollect : public QObject
{
    Q_OBJECT

private slots:
    void nameAndLineFromClock_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("single digits") << QDateTime(QDate(2026, 1, 5), QTime(9, 5, 7)) << "2026-1-5_Log.txt"
                                       << QByteArray("2026-1-5 09:05:07__");
        QTest::newRow("double digits") << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))
                                       << "2025-12-31_Log.txt" << QByteArray("2025-12-31 23:59:59__");
        QTest::newRow("midnight") << QDateTime(QDate(2024, 2, 29), QTime(0, 0, 0)) << "2024-2-29_Log.txt"
                                  << QByteArray("2024-2-29 00:00:00__");
    }

    void nameAndLineFromClock()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, prefix);
        QTemporaryDir dir;
        LogCollectClass log;
        log.setClock([now] { return now; });
        QCOMPARE(log.openLogFile(dir.path(), true), 0);
        QVERIFY(log.isEnabled());
        QCOMPARE(log.filePath(), dir.path() + '/' + fileName);
        log.writeLog("hello");
        QCOMPARE(readAll(dir.filePath(fileName)), prefix + "hello\n");
    }

    void runPastMidnightKeepsFile()
    {
        QTemporaryDir dir;
        QDateTime now(QDate(2026, 1, 5), QTime(23, 59, 59));
        LogCollectClass log;
        log.setClock([&now] { return now; });
        QCOMPARE(log.openLogFile(dir.path(), true), 0);
        log.writeLog("before");
        now = QDateTime(QDate(2026, 1, 6), QTime(0, 0, 1));
        log.writeLog("after");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"2026-1-5_Log.txt"});
        QCOMPARE(readAll(dir.filePath("2026-1-5_Log.txt")),
                 QByteArray("2026-1-5 23:59:59__before\n2026-1-6 00:00:01__after\n"));
    }

    void secondOpenAppends()
    {
        QTemporaryDir dir;
        const QDateTime now(QDate(2026, 3, 1), QTime(8, 0, 0));
        for (const char *text : {"run one", "run two"}) {
            LogCollectClass log;
            log.setClock([now] { return now; });
            QCOMPARE(log.openLogFile(dir.path(), true), 0);
            log.writeLog(text);
        }
        QCOMPARE(readAll(dir.filePath("2026-3-1_Log.txt")),
                 QByteArray("2026-3-1 08:00:00__run one\n2026-3-1 08:00:00__run two\n"));
    }

    // Lines and folder paths of any length are written whole.
    void longTextAndPath()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + '/' + QString(200, 'f') + '/' + QString(150, 'g');
        QVERIFY(QDir().mkpath(folder));
        LogCollectClass log;
        const QDateTime now(QDate(2026, 1, 5), QTime(9, 5, 7));
        log.setClock([now] { return now; });
        QCOMPARE(log.openLogFile(folder, true), 0);
        const QByteArray text(5000, 'x');
        log.writeLog(text);
        QCOMPARE(readAll(folder + "/2026-1-5_Log.txt"), "2026-1-5 09:05:07__" + text + "\n");
    }

    void disabledOrFailedOpenWritesNothing()
    {
        QTemporaryDir dir;
        LogCollectClass off;
        QCOMPARE(off.openLogFile(dir.path(), false), 0);
        QVERIFY(!off.isEnabled());
        off.writeLog("nothing");
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

        LogCollectClass missing;
        QCOMPARE(missing.openLogFile(dir.filePath("no/such/folder"), true), LogCollectClass::OpenFailed);
        QVERIFY(!missing.isEnabled());
        missing.writeLog("nothing"); // must not crash
    }

    // Lines reach the file at once: a reader sees them before the writer is gone.
    void linesAreNotHeldBack()
    {
        QTemporaryDir dir;
        LogCollectClass log;
        QCOMPARE(log.openLogFile(dir.path(), true), 0);
        log.writeLog("visible now");
        QVERIFY(readAll(log.filePath()).endsWith("__visible now\n"));
    }

    void twoThreadsWriteWholeLines()
    {
        QTemporaryDir dir;
        LogCollectClass log;
        QCOMPARE(log.openLogFile(dir.path(), true), 0);
        constexpr int kLines = 2000;
        auto writer = [&log](char tag) {
            return QThread::create([&log, tag] {
                // Long enough that an unlocked write could interleave.
                const QByteArray body(300, tag);
                for (int i = 0; i < kLines; ++i)
                    log.writeLog(body + QByteArray::number(i));
            });
        };
        std::unique_ptr<QThread> a(writer('a'));
        std::unique_ptr<QThread> b(writer('b'));
        a->start();
        b->start();
        QVERIFY(a->wait(60000));
        QVERIFY(b->wait(60000));

        const QList<QByteArray> lines = readAll(log.filePath()).split('\n');
        QCOMPARE(lines.size(), 2 * kLines + 1);
        const QRegularExpression line(QStringLiteral("^\\d{4}-\\d{1,2}-\\d{1,2} \\d\\d:\\d\\d:\\d\\d__(a{300}|b{300})(\\d+)$"));
        int next[2] = {0, 0};
        for (int i = 0; i < 2 * kLines; ++i) {
            const auto m = line.match(QString::fromLatin1(lines.at(i)));
            QVERIFY2(m.hasMatch(), lines.at(i).left(80).constData());
            // Each thread's lines arrive whole and in its own order.
            const int who = m.captured(1).startsWith('a') ? 0 : 1;
            QCOMPARE(m.captured(2).toInt(), next[who]++);
        }
    }
};

QTEST_GUILESS_MAIN(tst_LogCollect)
#include "tst_logcollect.moc"
