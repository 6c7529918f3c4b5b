#include "CrashHandler.h"

#include "QtLinguist.h"
#include "SettingsKeys.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Everything the handler reads is fixed here by install(); the handler only
// formats numbers and calls async-signal-safe functions.
constexpr int kMaxPath = PATH_MAX;
constexpr int kMaxBoxArgs = 8;
constexpr int kMaxZones = 64;
constexpr int kMaxFrames = 128;
constexpr size_t kAltStackSize = 64 * 1024;
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Local time offsets: from UTC second 'from' on, local = UTC + offset.
struct Zone
{
    time_t from;
    long offset;
};

char g_dumpFolder[kMaxPath];
char g_boxProgram[kMaxPath];
char g_boxArgStorage[kMaxBoxArgs][kMaxPath];
char *g_boxArgv[kMaxBoxArgs + 2];
Zone g_zones[kMaxZones];
int g_zoneCount = 0;
std::atomic<bool> g_handling{false};

bool copyPath(char *dst, const QString &src)
{
    const QByteArray bytes = QFile::encodeName(src);
    if (bytes.size() >= kMaxPath)
        return false;
    std::memcpy(dst, bytes.constData(), size_t(bytes.size()) + 1);
    return true;
}

long offsetAt(time_t t)
{
    struct tm tm;
    if (!localtime_r(&t, &tm))
        return 0;
    return tm.tm_gmtoff;
}

// The offsets from now over the next 400 days, so that a crash after a
// daylight-saving change is still named by its local time.
void buildZones()
{
    const time_t now = time(nullptr);
    g_zoneCount = 0;
    g_zones[g_zoneCount++] = {now, offsetAt(now)};
    constexpr time_t kStep = 6 * 3600;
    const time_t end = now + 400 * 86400;
    for (time_t t = now + kStep; t < end && g_zoneCount < kMaxZones; t += kStep) {
        const long offset = offsetAt(t);
        if (offset == g_zones[g_zoneCount - 1].offset)
            continue;
        // Find the first second of the new offset.
        time_t lo = t - kStep, hi = t;
        while (hi - lo > 1) {
            const time_t mid = lo + (hi - lo) / 2;
            if (offsetAt(mid) == offset)
                hi = mid;
            else
                lo = mid;
        }
        g_zones[g_zoneCount++] = {hi, offset};
    }
}

long zoneOffset(time_t t)
{
    long offset = g_zones[0].offset;
    for (int i = 1; i < g_zoneCount && g_zones[i].from <= t; ++i)
        offset = g_zones[i].offset;
    return offset;
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// A small append-only text buffer on the handler's stack.
struct Text
{
    char data[512];
    size_t len = 0;

    void add(const char *s)
    {
        while (*s && len < sizeof(data) - 1)
            data[len++] = *s++;
        data[len] = '\0';
    }
    void addNumber(unsigned long long v, int minDigits = 1, int base = 10)
    {
        char digits[32];
        int n = 0;
        do {
            const int d = int(v % unsigned(base));
            digits[n++] = char(d < 10 ? '0' + d : 'a' + d - 10);
            v /= unsigned(base);
        } while (v && n < 32);
        while (n < minDigits && n < 32)
            digits[n++] = '0';
        while (n > 0 && len < sizeof(data) - 1)
            data[len++] = digits[--n];
        data[len] = '\0';
    }
};

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

void writeAll(int fd, const char *data, size_t len)
{
    while (len > 0) {
        const ssize_t n = ::write(fd, data, len);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        len -= size_t(n);
    }
}

void writeDump(int sig, const siginfo_t *info)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    const long long local = (long long)now.tv_sec + zoneOffset(now.tv_sec);
    long long days = local / 86400;
    long long secs = local % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    int year, month, day;
    civilFromDays(days, year, month, day);

    Text stamp;
    stamp.addNumber(unsigned(year), 4);
    stamp.add("_");
    stamp.addNumber(unsigned(month), 2);
    stamp.add("_");
    stamp.addNumber(unsigned(day), 2);
    stamp.add("_");
    stamp.addNumber(unsigned(secs / 3600), 2);
    stamp.add("_");
    stamp.addNumber(unsigned(secs / 60 % 60), 2);
    stamp.add("_");
    stamp.addNumber(unsigned(secs % 60), 2);

    ::mkdir(g_dumpFolder, 0700);
    char path[kMaxPath + 64];
    size_t n = 0;
    for (const char *p = g_dumpFolder; *p && n < kMaxPath; ++p)
        path[n++] = *p;
    path[n++] = '/';
    for (size_t i = 0; i < stamp.len; ++i)
        path[n++] = stamp.data[i];
    for (const char *p = ".dmp"; *p; ++p)
        path[n++] = *p;
    path[n] = '\0';

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    Text head;
    head.add("Crash dump ");
    head.add(stamp.data);
    head.add("\nSignal: ");
    head.addNumber(unsigned(sig));
    head.add(" (");
    head.add(signalName(sig));
    head.add(")\nCode: ");
    head.addNumber(unsigned(info ? info->si_code : 0));
    head.add("\nAddress: 0x");
    head.addNumber(info ? (unsigned long long)(uintptr_t)info->si_addr : 0, 1, 16);
    head.add("\nProcess: ");
    head.addNumber(unsigned(::getpid()));
    head.add("\nThread: ");
    head.addNumber((unsigned long long)::syscall(SYS_gettid));
    head.add("\nBacktrace:\n");
    writeAll(fd, head.data, head.len);

    void *frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, count, fd);
    ::close(fd);
}

void startBox()
{
    if (!g_boxProgram[0])
        return;
    // _Fork runs no fork handlers and is async-signal-safe; the child only execs.
    const pid_t pid = _Fork();
    if (pid == 0) {
        execv(g_boxProgram, g_boxArgv);
        _exit(127);
    }
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    // Only the first fatal signal is handled; SA_RESETHAND already restored the
    // default action for this signal, so a fault in here ends the process.
    if (!g_handling.exchange(true)) {
        writeDump(sig, info);
        startBox();
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

} // namespace

bool CrashHandler::install(const QString &dumpFolder, const QString &boxProgram, const QStringList &boxArguments)
{
    if (boxArguments.size() > kMaxBoxArgs || !copyPath(g_dumpFolder, dumpFolder))
        return false;
    QDir().mkpath(dumpFolder);

    g_boxProgram[0] = '\0';
    if (!boxProgram.isEmpty()) {
        if (!copyPath(g_boxProgram, boxProgram))
            return false;
        g_boxArgv[0] = g_boxProgram;
        int i = 0;
        for (; i < boxArguments.size(); ++i) {
            if (!copyPath(g_boxArgStorage[i], boxArguments.at(i)))
                return false;
            g_boxArgv[i + 1] = g_boxArgStorage[i];
        }
        g_boxArgv[i + 1] = nullptr;
    }

    tzset();
    buildZones();

    // The first backtrace() loads the unwinder; never let that happen in the handler.
    void *warm[2];
    backtrace(warm, 2);

    // An own stack, so that a stack overflow of the main thread is caught too.
    static char *altStack = new char[kAltStackSize];
    stack_t ss = {};
    ss.ss_sp = altStack;
    ss.ss_size = kAltStackSize;
    sigaltstack(&ss, nullptr);

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int sig : kSignals)
        ok = sigaction(sig, &action, nullptr) == 0 && ok;
    return ok;
}

QString CrashHandler::currentExecutable()
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

QString CrashHandler::dumpFileName(const QDateTime &localTime)
{
    return localTime.toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss")) + QStringLiteral(".dmp");
}

int CrashHandler::showCrashBox(const QString &userSettingsPath)
{
    QtLinguist linguist;
    {
        QSettings settings(userSettingsPath, QSettings::IniFormat);
        const int language = settings.value(SettingsKeys::LanguageIndex, -1).toInt();
        linguist.setLanguage(language == -1 ? linguist.getDefaultLanguage() : language);
    }
    const QString sentence = QCoreApplication::translate("CrashHandler", "I'm very sorroy for this crash !");
    QMessageBox::critical(nullptr, QCoreApplication::translate("CrashHandler", "Exe Crash"),
                          QStringLiteral("<FONT size=3><div><b>%1</b></div>").arg(sentence), QMessageBox::Ok);
    return 0;
}
