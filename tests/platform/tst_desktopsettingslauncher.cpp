// Opening the desktop's own keyboard and mouse settings.

#include "DesktopSettingsLauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A finder that knows only the listed programs, all in /usr/bin.
DesktopSettingsLauncher::ExecutableFinder installed(const QStringList &programs)
{
    return [programs](const QString &name) {
        return programs.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    };
}

// A stand-in settings program that writes its arguments, one a line, beside
// itself, so a test sees exactly what it was given.
QString writeStub(const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\n"
               "out=\"$(dirname \"$0\")/args\"\n"
               ": > \"$out.tmp\"\n"
               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp\"; done\n"
               "mv \"$out.tmp\" \"$out\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList readArguments(const QString &folder)
{
    QFile file(folder + QStringLiteral("/args"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast(); // after the last line feed
    return lines;
}

// Sets an environment variable for the scope of a test.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class tst_DesktopSettingsLauncher : public QObject
{
    Q_OBJECT

private slots:
    void commandByDesktop_data();
    void commandByDesktop();
    void stubOnPathGetsItsArguments_data();
    void stubOnPathGetsItsArguments();
    void argumentsPassVerbatim();
    void unknownDesktopFailsClearly();
    void missingProgramFailsToStart();
};

void tst_DesktopSettingsLauncher::commandByDesktop_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("program"); // empty: none
    QTest::addColumn<QStringList>("arguments");

    const int kb = DesktopSettingsLauncher::Keyboard;
    const int mouse = DesktopSettingsLauncher::Mouse;
    const QStringList all {"gnome-control-center", "kcmshell5", "xfce4-keyboard-settings", "xfce4-mouse-settings",
                           "mate-keyboard-properties", "mate-mouse-properties", "cinnamon-settings",
                           "lxqt-config-input"};

    QTest::newRow("GNOME keyboard") << "GNOME" << all << kb << "gnome-control-center" << QStringList {"keyboard"};
    QTest::newRow("GNOME mouse") << "GNOME" << all << mouse << "gnome-control-center" << QStringList {"mouse"};
    QTest::newRow("KDE keyboard") << "KDE" << all << kb << "kcmshell5" << QStringList {"kcm_keyboard"};
    QTest::newRow("KDE mouse") << "KDE" << all << mouse << "kcmshell5" << QStringList {"kcm_mouse"};
    QTest::newRow("XFCE keyboard") << "XFCE" << all << kb << "xfce4-keyboard-settings" << QStringList();
    QTest::newRow("XFCE mouse") << "XFCE" << all << mouse << "xfce4-mouse-settings" << QStringList();
    QTest::newRow("MATE keyboard") << "MATE" << all << kb << "mate-keyboard-properties" << QStringList();
    QTest::newRow("MATE mouse") << "MATE" << all << mouse << "mate-mouse-properties" << QStringList();
    QTest::newRow("Cinnamon keyboard") << "X-Cinnamon" << all << kb << "cinnamon-settings"
                                       << QStringList {"keyboard"};
    QTest::newRow("Cinnamon mouse") << "X-Cinnamon" << all << mouse << "cinnamon-settings" << QStringList {"mouse"};
    QTest::newRow("LXQt keyboard") << "LXQt" << all << kb << "lxqt-config-input" << QStringList();
    QTest::newRow("LXQt mouse") << "LXQt" << all << mouse << "lxqt-config-input" << QStringList();

    // The variable's forms.
    QTest::newRow("any case") << "gNoMe" << all << kb << "gnome-control-center" << QStringList {"keyboard"};
    QTest::newRow("blanks") << " kde " << all << kb << "kcmshell5" << QStringList {"kcm_keyboard"};
    QTest::newRow("derived desktop") << "ubuntu:GNOME" << all << kb << "gnome-control-center"
                                     << QStringList {"keyboard"};
    QTest::newRow("GNOME Flashback") << "GNOME-Flashback:GNOME" << all << kb << "gnome-control-center"
                                     << QStringList {"keyboard"};
    QTest::newRow("empty names") << "::XFCE:" << all << kb << "xfce4-keyboard-settings" << QStringList();
    QTest::newRow("first known wins") << "MATE:GNOME" << all << kb << "mate-keyboard-properties" << QStringList();
    QTest::newRow("next when first missing") << "KDE:GNOME" << QStringList {"gnome-control-center"} << kb
                                             << "gnome-control-center" << QStringList {"keyboard"};

    // None.
    QTest::newRow("unset") << "" << all << kb << "" << QStringList();
    QTest::newRow("unknown desktop") << "Unity" << all << kb << "" << QStringList();
    QTest::newRow("not installed") << "GNOME" << QStringList {"kcmshell5"} << kb << "" << QStringList();
    QTest::newRow("other desktop's program only") << "XFCE" << QStringList {"xfce4-mouse-settings"} << kb << ""
                                                  << QStringList();
}

void tst_DesktopSettingsLauncher::commandByDesktop()
{
    QFETCH(QString, desktop);
    QFETCH(QStringList, installed);
    QFETCH(int, kind);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const DesktopSettingsLauncher::Command command = DesktopSettingsLauncher::commandFor(
        DesktopSettingsLauncher::Kind(kind), desktop, ::installed(installed));
    QCOMPARE(command.isValid(), !program.isEmpty());
    QCOMPARE(command.program, program.isEmpty() ? QString() : QStringLiteral("/usr/bin/") + program);
    QCOMPARE(command.arguments, arguments);
}

void tst_DesktopSettingsLauncher::stubOnPathGetsItsArguments_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("GNOME keyboard") << "GNOME" << int(DesktopSettingsLauncher::Keyboard) << "gnome-control-center"
                                    << QStringList {"keyboard"};
    QTest::newRow("KDE mouse") << "KDE" << int(DesktopSettingsLauncher::Mouse) << "kcmshell5"
                               << QStringList {"kcm_mouse"};
    QTest::newRow("XFCE keyboard, no arguments") << "XFCE" << int(DesktopSettingsLauncher::Keyboard)
                                                 << "xfce4-keyboard-settings" << QStringList();
}

void tst_DesktopSettingsLauncher::stubOnPathGetsItsArguments()
{
    QFETCH(QString, desktop);
    QFETCH(int, kind);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString stub = writeStub(dir.path(), program);
    QVERIFY(!stub.isEmpty());
    const ScopedEnv path("PATH", QFile::encodeName(dir.path()) + ":/usr/bin:/bin");
    const ScopedEnv session("XDG_CURRENT_DESKTOP", desktop.toUtf8());

    DesktopSettingsLauncher *launcher = DesktopSettingsLauncher::system();
    QCOMPARE(launcher->command(DesktopSettingsLauncher::Kind(kind)).program, stub);
    QString error;
    QVERIFY(launcher->launch(DesktopSettingsLauncher::Kind(kind), &error));
    QVERIFY(error.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("args"))), 5000);
    QCOMPARE(readArguments(dir.path()), arguments);
}

void tst_DesktopSettingsLauncher::argumentsPassVerbatim()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString stub = writeStub(dir.path(), QStringLiteral("settings"));
    // A shell would split, expand or run these.
    const QStringList arguments {"two words", "$HOME", "*", "a;touch pwned", "'quoted'", "\"double\"", ""};
    QVERIFY(DesktopSettingsLauncher::startDetached({stub, arguments}));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("args"))), 5000);
    QCOMPARE(readArguments(dir.path()), arguments);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("pwned"))));
}

void tst_DesktopSettingsLauncher::unknownDesktopFailsClearly()
{
    const ScopedEnv session("XDG_CURRENT_DESKTOP", "NoSuchDesktop");
    DesktopSettingsLauncher *launcher = DesktopSettingsLauncher::system();
    QVERIFY(!launcher->command(DesktopSettingsLauncher::Keyboard).isValid());
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("NoSuchDesktop")));
    QVERIFY(!launcher->launch(DesktopSettingsLauncher::Keyboard, &error));
    QVERIFY(error.contains(QStringLiteral("NoSuchDesktop")));
}

void tst_DesktopSettingsLauncher::missingProgramFailsToStart()
{
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be started")));
    QVERIFY(!DesktopSettingsLauncher::startDetached({QStringLiteral("/nonexistent/velmora/settings"), {}}, &error));
    QVERIFY(error.contains(QStringLiteral("/nonexistent/velmora/settings")));
    QVERIFY(!DesktopSettingsLauncher::startDetached({}, &error));
}

QTEST_MAIN(tst_DesktopSettingsLauncher)
#include "tst_desktopsettingslauncher.moc"
