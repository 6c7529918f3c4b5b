#include "pulseLoopbackAudioSource.h"

#include <pulse/pulseaudio.h>

#include <string>

// Everything of one capture. Callbacks run on the main loop's thread with
// the loop's lock held; the GUI thread touches the fields only under it.
struct pulseLoopbackAudioSource::session
{
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    pa_time_event *deadline = nullptr;
    bool timedOut = false;
    bool infoDone = false;
    std::string defaultSink;
    std::string monitorSource;
    packetSink sink;
};

namespace {

using session = pulseLoopbackAudioSource::session;

void onContextState(pa_context *, void *userdata)
{
    pa_threaded_mainloop_signal(static_cast<session *>(userdata)->loop, 0);
}

void onStreamState(pa_stream *, void *userdata)
{
    pa_threaded_mainloop_signal(static_cast<session *>(userdata)->loop, 0);
}

void onDeadline(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *userdata)
{
    auto *s = static_cast<session *>(userdata);
    s->timedOut = true;
    pa_threaded_mainloop_signal(s->loop, 0);
}

void onServerInfo(pa_context *, const pa_server_info *info, void *userdata)
{
    auto *s = static_cast<session *>(userdata);
    if (info && info->default_sink_name)
        s->defaultSink = info->default_sink_name;
    s->infoDone = true;
    pa_threaded_mainloop_signal(s->loop, 0);
}

void onSinkInfo(pa_context *, const pa_sink_info *info, int eol, void *userdata)
{
    auto *s = static_cast<session *>(userdata);
    if (eol == 0 && info && info->monitor_source_name)
        s->monitorSource = info->monitor_source_name;
    if (eol != 0) {
        s->infoDone = true;
        pa_threaded_mainloop_signal(s->loop, 0);
    }
}

// One packet per fragment; holes carry no data and are only dropped.
void onRead(pa_stream *stream, size_t, void *userdata)
{
    auto *s = static_cast<session *>(userdata);
    for (;;) {
        const void *data = nullptr;
        size_t length = 0;
        if (pa_stream_peek(stream, &data, &length) < 0 || length == 0)
            return;
        if (data && s->sink)
            s->sink(static_cast<const char *>(data), int(length));
        pa_stream_drop(stream);
    }
}

QString contextReason(const session &s, const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromUtf8(pa_strerror(pa_context_errno(s.context))));
}

enum class progress { pending, done, failed };

// Waits, lock held, until check() says done or failed, the context fails or
// the deadline passes. Returns an empty text, or why it stopped.
template<typename Check>
QString waitFor(session &s, const char *what, Check check)
{
    for (;;) {
        const progress now = check();
        if (now == progress::done)
            return QString();
        if (now == progress::failed || !PA_CONTEXT_IS_GOOD(pa_context_get_state(s.context)))
            return contextReason(s, what);
        if (s.timedOut)
            return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(pa_strerror(PA_ERR_TIMEOUT)));
        pa_threaded_mainloop_wait(s.loop);
    }
}

QString waitForOperation(session &s, pa_operation *operation, const char *what)
{
    if (!operation)
        return contextReason(s, what);
    const QString why = waitFor(s, what, [&] { return s.infoDone ? progress::done : progress::pending; });
    if (!why.isEmpty())
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return why;
}

// Takes the whole capture down without waiting for the server: the stream
// and the connection are dropped, not closed in an exchange.
void tearDown(session &s)
{
    if (!s.loop)
        return;
    pa_threaded_mainloop_lock(s.loop);
    s.sink = nullptr;
    if (s.deadline) {
        pa_threaded_mainloop_get_api(s.loop)->time_free(s.deadline);
        s.deadline = nullptr;
    }
    if (s.stream) {
        pa_stream_set_read_callback(s.stream, nullptr, nullptr);
        pa_stream_set_state_callback(s.stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(s.stream)))
            pa_stream_disconnect(s.stream);
        pa_stream_unref(s.stream);
        s.stream = nullptr;
    }
    if (s.context) {
        pa_context_set_state_callback(s.context, nullptr, nullptr);
        pa_context_disconnect(s.context);
        pa_context_unref(s.context);
        s.context = nullptr;
    }
    pa_threaded_mainloop_unlock(s.loop);
    pa_threaded_mainloop_stop(s.loop);
    pa_threaded_mainloop_free(s.loop);
    s.loop = nullptr;
}

QString openCapture(session &s, int timeoutMs)
{
    s.loop = pa_threaded_mainloop_new();
    if (!s.loop)
        return QStringLiteral("cannot create the sound server main loop");
    s.context = pa_context_new(pa_threaded_mainloop_get_api(s.loop), "Velmora");
    if (!s.context)
        return QStringLiteral("cannot create a sound server context");
    pa_context_set_state_callback(s.context, onContextState, &s);
    if (pa_context_connect(s.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return contextReason(s, "connecting to the sound server");
    s.deadline = pa_context_rttime_new(s.context, pa_rtclock_now() + pa_usec_t(timeoutMs) * PA_USEC_PER_MSEC,
                                       onDeadline, &s);

    pa_threaded_mainloop_lock(s.loop);
    struct unlocker
    {
        pa_threaded_mainloop *loop;
        ~unlocker() { pa_threaded_mainloop_unlock(loop); }
    } unlock {s.loop};
    if (pa_threaded_mainloop_start(s.loop) < 0)
        return QStringLiteral("cannot start the sound server main loop");

    QString why = waitFor(s, "connecting to the sound server",
                          [&] {
        return pa_context_get_state(s.context) == PA_CONTEXT_READY ? progress::done : progress::pending;
    });
    if (!why.isEmpty())
        return why;

    s.infoDone = false;
    why = waitForOperation(s, pa_context_get_server_info(s.context, onServerInfo, &s), "asking for the default sink");
    if (!why.isEmpty())
        return why;
    if (s.defaultSink.empty())
        return QStringLiteral("the sound server has no default sink");

    s.infoDone = false;
    why = waitForOperation(s, pa_context_get_sink_info_by_name(s.context, s.defaultSink.c_str(), onSinkInfo, &s),
                           "asking for the default sink's monitor");
    if (!why.isEmpty())
        return why;
    if (s.monitorSource.empty())
        return QStringLiteral("the default sink %1 has no monitor source").arg(QString::fromStdString(s.defaultSink));

    pa_sample_spec spec {};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = loopbackAudioSource::sampleRate;
    spec.channels = loopbackAudioSource::channelCount;
    s.stream = pa_stream_new(s.context, "Velmora loopback", &spec, nullptr);
    if (!s.stream)
        return contextReason(s, "creating the capture stream");
    pa_stream_set_state_callback(s.stream, onStreamState, &s);
    pa_stream_set_read_callback(s.stream, onRead, &s);
    pa_buffer_attr attributes {};
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(-1);
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = uint32_t(-1);
    attributes.fragsize = uint32_t(pa_usec_to_bytes(pulseLoopbackAudioSource::fragmentMs * PA_USEC_PER_MSEC, &spec));
    if (pa_stream_connect_record(s.stream, s.monitorSource.c_str(), &attributes, PA_STREAM_ADJUST_LATENCY) < 0)
        return contextReason(s, "recording the default sink's monitor");
    why = waitFor(s, "recording the default sink's monitor", [&] {
        const pa_stream_state_t state = pa_stream_get_state(s.stream);
        if (state == PA_STREAM_READY)
            return progress::done;
        return PA_STREAM_IS_GOOD(state) ? progress::pending : progress::failed;
    });
    if (!why.isEmpty())
        return why;

    pa_threaded_mainloop_get_api(s.loop)->time_free(s.deadline);
    s.deadline = nullptr;
    return QString();
}

} // namespace

pulseLoopbackAudioSource::pulseLoopbackAudioSource(int startTimeoutMs)
    : m_startTimeoutMs(startTimeoutMs)
{
}

pulseLoopbackAudioSource::~pulseLoopbackAudioSource()
{
    stop();
}

bool pulseLoopbackAudioSource::start(packetSink sink, QString *error)
{
    stop();
    m_session = std::make_unique<session>();
    m_session->sink = std::move(sink);
    const QString why = openCapture(*m_session, m_startTimeoutMs);
    if (why.isEmpty())
        return true;
    tearDown(*m_session);
    m_session.reset();
    if (error)
        *error = why;
    return false;
}

void pulseLoopbackAudioSource::stop()
{
    if (!m_session)
        return;
    tearDown(*m_session);
    m_session.reset();
}
