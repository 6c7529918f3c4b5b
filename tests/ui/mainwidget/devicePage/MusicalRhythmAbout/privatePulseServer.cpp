#include "privatePulseServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <pulse/pulseaudio.h>

#include <cmath>
#include <csignal>
#include <vector>

namespace {

bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close >= 0 && close + 2 < line.size() && line.at(close + 2) != 'Z';
}

} // namespace

privatePulseServer::privatePulseServer() = default;

privatePulseServer::~privatePulseServer()
{
    if (m_pid > 0) {
        resume();
        kill();
    }
}

QString privatePulseServer::socketPath() const
{
    return m_dir.filePath(QStringLiteral("native"));
}

void privatePulseServer::pointClientsHere() const
{
    qputenv("PULSE_SERVER", ("unix:" + socketPath()).toLocal8Bit());
}

bool privatePulseServer::start(int sinkRate, QString *why)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty()) {
        *why = QStringLiteral("pulseaudio is not installed");
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder");
        return false;
    }
    const QString home = m_dir.filePath(QStringLiteral("home"));
    const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
    QDir().mkpath(home);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // What a killed server left behind would make the new one think it runs.
    QFile::remove(socketPath());
    QFile::remove(runtime + QStringLiteral("/pulse/pid"));

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    QStringList arguments {
        QStringLiteral("--daemonize=yes"),
        QStringLiteral("-n"),
        QStringLiteral("--exit-idle-time=-1"),
        QStringLiteral("--log-target=file:") + m_dir.filePath(QStringLiteral("server.log")),
        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socketPath(),
    };
    if (sinkRate > 0)
        arguments << QStringLiteral("--load=module-null-sink sink_name=velmora_test rate=%1").arg(sinkRate);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    // The daemon's parent returns once the server is up.
    if (!process.waitForFinished(10000) || process.exitCode() != 0) {
        process.kill();
        QFile log(m_dir.filePath(QStringLiteral("server.log")));
        log.open(QIODevice::ReadOnly);
        *why = QStringLiteral("pulseaudio did not start: %1 %2")
                   .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed(),
                        QString::fromLocal8Bit(log.readAll()).trimmed().split('\n').last());
        return false;
    }
    QFile pidFile(runtime + QStringLiteral("/pulse/pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("pulseaudio left no pid file");
        return false;
    }
    m_pid = pidFile.readAll().trimmed().toLongLong();
    if (m_pid <= 0 || !QFile::exists(socketPath())) {
        *why = QStringLiteral("pulseaudio has no socket");
        return false;
    }
    return true;
}

void privatePulseServer::kill()
{
    if (m_pid <= 0)
        return;
    ::kill(pid_t(m_pid), SIGKILL);
    // Wait until it is dead (gone, or a zombie its adopter has not reaped).
    QElapsedTimer waited;
    waited.start();
    while (isAlive(m_pid) && waited.elapsed() < 5000)
        QThread::msleep(5);
    m_pid = 0;
}

void privatePulseServer::pause()
{
    if (m_pid > 0)
        ::kill(pid_t(m_pid), SIGSTOP);
}

void privatePulseServer::resume()
{
    if (m_pid > 0)
        ::kill(pid_t(m_pid), SIGCONT);
}

// ---- the tone --------------------------------------------------------------

struct pulseTonePlayer::state
{
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    double step = 0.0; // radians per frame
    double amplitude = 0.0;
    long long frame = 0;
    std::vector<int16_t> chunk;
};

namespace {

void signalLoop(pa_context *, void *userdata)
{
    pa_threaded_mainloop_signal(static_cast<pulseTonePlayer::state *>(userdata)->loop, 0);
}

void signalStream(pa_stream *, void *userdata)
{
    pa_threaded_mainloop_signal(static_cast<pulseTonePlayer::state *>(userdata)->loop, 0);
}

void writeTone(pa_stream *stream, size_t bytes, void *userdata)
{
    auto *s = static_cast<pulseTonePlayer::state *>(userdata);
    const size_t frames = bytes / 4;
    s->chunk.resize(frames * 2);
    for (size_t n = 0; n < frames; ++n, ++s->frame) {
        const auto value = int16_t(std::lround(s->amplitude * 32767.0 * std::sin(s->step * double(s->frame))));
        s->chunk[2 * n] = value;
        s->chunk[2 * n + 1] = value;
    }
    pa_stream_write(stream, s->chunk.data(), frames * 4, nullptr, 0, PA_SEEK_RELATIVE);
}

} // namespace

pulseTonePlayer::pulseTonePlayer() = default;

pulseTonePlayer::~pulseTonePlayer()
{
    if (!m_state || !m_state->loop)
        return;
    pa_threaded_mainloop_lock(m_state->loop);
    if (m_state->stream) {
        pa_stream_set_write_callback(m_state->stream, nullptr, nullptr);
        pa_stream_disconnect(m_state->stream);
        pa_stream_unref(m_state->stream);
    }
    if (m_state->context) {
        pa_context_disconnect(m_state->context);
        pa_context_unref(m_state->context);
    }
    pa_threaded_mainloop_unlock(m_state->loop);
    pa_threaded_mainloop_stop(m_state->loop);
    pa_threaded_mainloop_free(m_state->loop);
}

bool pulseTonePlayer::start(double frequency, double amplitude, QString *why)
{
    m_state = std::make_unique<state>();
    state &s = *m_state;
    s.step = 2.0 * M_PI * frequency / 44100.0;
    s.amplitude = amplitude;
    s.loop = pa_threaded_mainloop_new();
    s.context = pa_context_new(pa_threaded_mainloop_get_api(s.loop), "Velmora test tone");
    pa_context_set_state_callback(s.context, signalLoop, &s);
    if (pa_context_connect(s.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *why = QString::fromUtf8(pa_strerror(pa_context_errno(s.context)));
        return false;
    }
    pa_threaded_mainloop_lock(s.loop);
    pa_threaded_mainloop_start(s.loop);
    auto fail = [&](const char *what) {
        *why = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                            QString::fromUtf8(pa_strerror(pa_context_errno(s.context))));
        pa_threaded_mainloop_unlock(s.loop);
        return false;
    };
    for (;;) {
        const pa_context_state_t now = pa_context_get_state(s.context);
        if (now == PA_CONTEXT_READY)
            break;
        if (!PA_CONTEXT_IS_GOOD(now))
            return fail("connecting");
        pa_threaded_mainloop_wait(s.loop);
    }
    pa_sample_spec spec {PA_SAMPLE_S16LE, 44100, 2};
    s.stream = pa_stream_new(s.context, "tone", &spec, nullptr);
    pa_stream_set_state_callback(s.stream, signalStream, &s);
    pa_stream_set_write_callback(s.stream, writeTone, &s);
    if (pa_stream_connect_playback(s.stream, nullptr, nullptr, pa_stream_flags_t(0), nullptr, nullptr) < 0)
        return fail("playing");
    for (;;) {
        const pa_stream_state_t now = pa_stream_get_state(s.stream);
        if (now == PA_STREAM_READY)
            break;
        if (!PA_STREAM_IS_GOOD(now))
            return fail("playing");
        pa_threaded_mainloop_wait(s.loop);
    }
    pa_threaded_mainloop_unlock(s.loop);
    return true;
}
