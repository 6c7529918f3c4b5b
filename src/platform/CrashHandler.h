#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The process crash handler. On a fatal signal (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGABRT) on any thread it writes a dump file, named by the local
// time "yyyy_MM_dd_hh_mm_ss.dmp", into the dump folder: the signal, the fault
// address, the thread and a backtrace. It then starts a separate process that
// shows the "Exe Crash" message box, because no window can be opened safely
// inside a signal handler, and lets the signal's default action end the
// process. The handler itself uses async-signal-safe calls only; everything it
// needs is prepared by install().
class CrashHandler
{
public:
    // The argument that makes the program show only the crash box.
    static constexpr char CrashBoxArgument[] = "--crash-box";

    // Prepares the dump folder and installs the handler. boxProgram, started
    // with boxArguments after the dump is written, may be empty (no box).
    static bool install(const QString &dumpFolder, const QString &boxProgram, const QStringList &boxArguments);

    // The running executable's full path.
    static QString currentExecutable();

    // Shows the crash box with the language of the user settings file; runs
    // in the process started by the handler. Needs the application object.
    static int showCrashBox(const QString &userSettingsPath);

    // The dump file name for a local time.
    static QString dumpFileName(const QDateTime &localTime);

private:
    CrashHandler() = delete;
};
