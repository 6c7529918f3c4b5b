#include "TerminationSignalNotifier.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// [0] written by the handler, [1] read by the notifier.
int g_sockets[2] = {-1, -1};

extern "C" void onTerminationSignal(int sig)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(sig);
    // Async-signal-safe; a full socket drops the byte, one is enough.
    [[maybe_unused]] const ssize_t n = ::write(g_sockets[0], &number, 1);
    errno = saved;
}

} // namespace

TerminationSignalNotifier::TerminationSignalNotifier(QObject *parent)
    : QObject(parent)
{
    if (g_sockets[0] >= 0)
        return; // another instance owns the signals
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_sockets) != 0) {
        g_sockets[0] = g_sockets[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignalNotifier::readSignal);
}

TerminationSignalNotifier::~TerminationSignalNotifier()
{
    if (!m_notifier)
        return;
    for (int sig : kSignals)
        ::signal(sig, SIG_DFL);
    delete m_notifier;
    ::close(g_sockets[0]);
    ::close(g_sockets[1]);
    g_sockets[0] = g_sockets[1] = -1;
}

void TerminationSignalNotifier::readSignal()
{
    unsigned char number = 0;
    while (::read(g_sockets[1], &number, 1) == 1)
        emit terminationRequested(number);
}
