// Starts the built program as a user would, each case in a private home.
#include "programHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(VELMORA_EXECUTABLE);
constexpr int kStartTimeoutMs = 60000;

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramHome> m_home;

    QString appData() const { return m_home->appData(); }
    QString settingsPath() const { return appData() + "/UserConfig/PardexConfig.ini"; }
    QString autostartPath() const { return m_home->filePath(".config/autostart/velmora.desktop"); }
    QByteArray log() const { return m_home->log(); }

    void start(QProcess &process, const QStringList &args = {}, const QString &simulatedDevices = QString())
    {
        QProcessEnvironment env = m_home->environment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", "fr_FR.UTF-8");
        if (!simulatedDevices.isEmpty())
            env.insert("VELMORA_SIMULATED_DEVICES", simulatedDevices);
        process.setProcessEnvironment(env);
        process.start(kProgram, args);
    }

    // Waits until a process has built its main window (its log says so).
    bool waitUntilReady(QProcess &process, int starts)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < kStartTimeoutMs) {
            if (process.state() == QProcess::NotRunning)
                return false;
            if (log().count("END DMainWidget INIT:") >= starts)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    static void stop(QProcess &process)
    {
        process.kill();
        if (process.state() != QProcess::NotRunning)
            process.waitForFinished(30000);
    }

    // One whole start: runs the program until it is ready (the starts-th
    // time), then stops it. False when it never became ready.
    bool runOnce(int starts)
    {
        QProcess process;
        start(process);
        const bool ready = waitUntilReady(process, starts);
        stop(process);
        return ready;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<ProgramHome>();
        QVERIFY(m_home->isValid());
    }

    void secondStartExitsMinusOne()
    {
        QProcess first;
        start(first);
        QVERIFY(waitUntilReady(first, 1));

        QProcess second;
        start(second);
        QVERIFY(second.waitForStarted(kStartTimeoutMs));
        QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(kStartTimeoutMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 255); // -1
        QVERIFY(second.readAllStandardError().contains("--------------- EXE already runing -----------------"));

        // The first goes on undisturbed; the second wrote nothing.
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(log().count("Start collect log:"), 1);
        stop(first);
    }

    void startAfterKillWorks()
    {
        QProcess first;
        start(first);
        QVERIFY(waitUntilReady(first, 1));
        first.kill(); // SIGKILL: no clean-up at all
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);

        QProcess next;
        start(next);
        QVERIFY(waitUntilReady(next, 2));
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }

    void settingsWrittenAtFirstStartOnly()
    {
        QVERIFY(runOnce(1));
        {
            QSettings s(settingsPath(), QSettings::IniFormat);
            QCOMPARE(s.allKeys().size(), 7);
            QCOMPARE(s.value("Theme/selectThemeIndex").toString(), QStringLiteral("0"));
            QCOMPARE(s.value("ThemeBgImage/BgImageIsUsing").toString(), QStringLiteral("false"));
            QCOMPARE(s.value("oldVersion/VersionInfo").toString(), QStringLiteral("V_1.04.02"));
            QCOMPARE(s.value("Language/selectLanguageIndex").toInt(), 13); // French system
            QCOMPARE(s.value("AutoStart/isAutoStart").toString(), QStringLiteral("true"));
            QCOMPARE(s.value("MinimizeToTray/isMinimizeToTray").toString(), QStringLiteral("true"));
            QCOMPARE(s.value("CloseToTray/isCloseToTray").toString(), QStringLiteral("true"));

            // The user changes settings; the language goes back to "system".
            s.setValue("Theme/selectThemeIndex", 1);
            s.setValue("AutoStart/isAutoStart", false);
            s.setValue("MinimizeToTray/isMinimizeToTray", false);
            s.setValue("CloseToTray/isCloseToTray", false);
            s.setValue("Language/selectLanguageIndex", -1);
        }
        QFile entry(autostartPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=" + kProgram.toUtf8() + " --AutoUp\n"));
        entry.close();
        QVERIFY(entry.remove());

        QVERIFY(runOnce(2));
        QSettings s(settingsPath(), QSettings::IniFormat);
        QCOMPARE(s.allKeys().size(), 7);
        QCOMPARE(s.value("Theme/selectThemeIndex").toInt(), 1);
        QCOMPARE(s.value("AutoStart/isAutoStart").toBool(), false);
        QCOMPARE(s.value("MinimizeToTray/isMinimizeToTray").toBool(), false);
        QCOMPARE(s.value("CloseToTray/isCloseToTray").toBool(), false);
        QCOMPARE(s.value("Language/selectLanguageIndex").toInt(), 13); // written back at every start
        QVERIFY(!QFile::exists(autostartPath()));
    }

    // A misspelt simulated model would show no tile and no reason.
    void unknownSimulatedModelIsReported()
    {
        QProcess process;
        start(process, {}, "Quissaro,Quisaro");
        QVERIFY(waitUntilReady(process, 1));
        const QByteArray warning = "VELMORA_SIMULATED_DEVICES: no tile for unknown model \"Quisaro\"; known models: "
                                   "Bovelli, Quissaro, Ryzzmond, Rosquine, Rulvarro, Varrowen";
        // The daily log gets it once the window is built.
        const bool logged = QTest::qWaitFor([&] { return log().contains("__" + warning + "\n"); }, 5000);
        stop(process);
        QVERIFY2(logged, log().constData());
        const QByteArray stderrText = process.readAllStandardError();
        QVERIFY2(stderrText.contains(warning), stderrText.constData());
    }

    void deletedSettingsFileIsRecreated()
    {
        QVERIFY(runOnce(1));
        QVERIFY(QFile::remove(settingsPath()));
        QVERIFY(runOnce(2));
        QSettings s(settingsPath(), QSettings::IniFormat);
        QCOMPARE(s.allKeys().size(), 7);
    }
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
