#include "HidrawConnection.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

HidrawConnection::HidrawConnection(int fd)
    : m_fd(fd), m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

HidrawConnection::~HidrawConnection()
{
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    ::close(m_fd);
}

int HidrawConnection::read(unsigned char *data, int length, int timeoutMs)
{
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    const int count = m_wakeFd >= 0 ? 2 : 1;
    int ready = ::poll(fds, count, timeoutMs < 0 ? 0 : timeoutMs);
    if (ready < 0) {
        if (errno == EINTR)
            return 0;
        setError(errno);
        return -1;
    }
    if (count == 2 && (fds[1].revents & POLLIN)) {
        uint64_t value = 0;
        [[maybe_unused]] const ssize_t drained = ::read(m_wakeFd, &value, sizeof value);
    }
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
        setError(ENODEV);
        return -1;
    }
    if (!(fds[0].revents & POLLIN))
        return 0;
    const ssize_t n = ::read(m_fd, data, static_cast<size_t>(length));
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return 0;
        setError(errno);
        return -1;
    }
    return static_cast<int>(n);
}

int HidrawConnection::write(const unsigned char *data, int length)
{
    const ssize_t n = ::write(m_fd, data, static_cast<size_t>(length));
    if (n < 0) {
        setError(errno);
        return -1;
    }
    return static_cast<int>(n);
}

QString HidrawConnection::errorText() const
{
    return m_lastErrno ? QString::fromLocal8Bit(std::strerror(m_lastErrno)) : QString();
}

void HidrawConnection::interruptRead()
{
    if (m_wakeFd < 0)
        return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void HidrawConnection::setError(int error) { m_lastErrno = error; }
