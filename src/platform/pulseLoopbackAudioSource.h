#pragma once

#include "loopbackAudioSource.h"

#include <memory>

// The loopback through libpulse (PulseAudio, or PipeWire's pulse server):
// records the default sink's monitor source on libpulse's threaded main
// loop, whose thread only hands packets to the sink. Nothing talks to the
// server before start; the server is never spawned.
class pulseLoopbackAudioSource : public loopbackAudioSource
{
public:
    static constexpr int defaultStartTimeoutMs = 1000;
    // Roughly how much sound one packet carries.
    static constexpr int fragmentMs = 10;

    explicit pulseLoopbackAudioSource(int startTimeoutMs = defaultStartTimeoutMs);
    ~pulseLoopbackAudioSource() override;

    bool start(packetSink sink, QString *error) override;
    void stop() override;

    struct session;

private:
    int m_startTimeoutMs;
    std::unique_ptr<session> m_session;
};
