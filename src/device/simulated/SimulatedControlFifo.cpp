#include "SimulatedControlFifo.h"

#include "SimulatedHidBackend.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A line longer than this is garbage; it is dropped.
constexpr int kMaxLineLength = 256;

} // namespace

SimulatedControlFifo::SimulatedControlFifo(std::shared_ptr<SimulatedHidBackend> backend, const QString &path,
                                           QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(native.constData(), &info) != 0) {
        if (::mkfifo(native.constData(), 0600) != 0) {
            qWarning() << "Simulated control: cannot create FIFO" << path;
            return;
        }
    } else if (!S_ISFIFO(info.st_mode)) {
        qWarning() << "Simulated control: not a FIFO:" << path;
        return;
    }
    // Read and write: the FIFO then always has a writer, so a test closing
    // its end never leaves the notifier firing on end-of-file.
    m_fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        qWarning() << "Simulated control: cannot open FIFO" << path;
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimulatedControlFifo::readAvailable);
}

SimulatedControlFifo::~SimulatedControlFifo()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

SimulatedControlFifo *SimulatedControlFifo::startFromEnvironment(const std::shared_ptr<SimulatedHidBackend> &backend,
                                                                 QObject *parent)
{
    const QString path = qEnvironmentVariable(kEnvironmentVariable).trimmed();
    if (!backend || path.isEmpty())
        return nullptr;
    return new SimulatedControlFifo(backend, path, parent);
}

bool SimulatedControlFifo::parseLine(const QByteArray &line, Command *command)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() != 2)
        return false;
    if (words.at(0) == "plug")
        command->plug = true;
    else if (words.at(0) == "unplug")
        command->plug = false;
    else
        return false;
    command->model = QString::fromUtf8(words.at(1));
    return true;
}

bool SimulatedControlFifo::execute(const QByteArray &line)
{
    Command command;
    if (!parseLine(line, &command)) {
        qWarning() << "Simulated control: unknown line" << line;
        return false;
    }
    const auto devices = m_backend->devicesOfModel(command.model);
    if (devices.isEmpty())
        qWarning() << "Simulated control: no simulated device" << command.model;
    for (const auto &device : devices) {
        if (command.plug)
            device->plug();
        else
            device->unplug();
    }
    emit commandExecuted(QString::fromUtf8(line.simplified()));
    return true;
}

void SimulatedControlFifo::readAvailable()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_pending.append(buffer, static_cast<int>(n));
    }
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        if (!line.trimmed().isEmpty())
            execute(line);
    }
    if (m_pending.size() > kMaxLineLength)
        m_pending.clear();
}
