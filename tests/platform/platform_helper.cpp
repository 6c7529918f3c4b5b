// Test helper. Modes:
//   lock <folder> <name>            takes the single-instance lock, prints "locked" or "busy", then waits
//   send <id> <text>                sends a text to the single application with that id
//   crash <dumpFolder> <marker> <how>  installs the crash handler (box = this program "box <marker>")
//                                   and crashes: how = segv, thread, abort, fpe
//   box <marker>                    what the crash handler starts: writes its arguments to the marker
#include "CrashHandler.h"
#include "QtSingleApplication.h"
#include "SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

volatile int *g_null = nullptr;

[[noreturn]] void crash(const char *how)
{
    if (std::strcmp(how, "thread") == 0) {
        std::thread worker([] { *g_null = 1; });
        worker.join();
    } else if (std::strcmp(how, "abort") == 0) {
        std::abort();
    } else if (std::strcmp(how, "fpe") == 0) {
        std::raise(SIGFPE);
    } else {
        *g_null = 1;
    }
    std::_Exit(3);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    if (mode == "lock" && argc == 4) {
        SingleInstanceGuard guard(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]));
        std::puts(guard.tryAcquire() ? "locked" : "busy");
        std::fflush(stdout);
        QThread::sleep(600);
        return 0;
    }
    if (mode == "send" && argc == 4) {
        int qtArgc = 1;
        QtSingleApplication app(QString::fromLocal8Bit(argv[2]), qtArgc, argv);
        if (!app.isRunning())
            return 4;
        return app.sendMessage(QString::fromLocal8Bit(argv[3])) ? 0 : 5;
    }
    if (mode == "crash" && argc == 5) {
        // No core file: it only slows the test down.
        const struct rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        const QString self = CrashHandler::currentExecutable();
        if (!CrashHandler::install(QString::fromLocal8Bit(argv[2]), self,
                                   {QStringLiteral("box"), QString::fromLocal8Bit(argv[3])}))
            return 6;
        crash(argv[4]);
    }
    if (mode == "box" && argc == 3) {
        QFile marker(QString::fromLocal8Bit(argv[2]));
        if (!marker.open(QIODevice::WriteOnly))
            return 7;
        marker.write("box shown\n");
        return 0;
    }
    return 2;
}
