#pragma once

#include <QString>

#include <functional>

// What the PC is playing, as the sound server hands it back: the default
// output's loopback, always as signed 16-bit little-endian stereo at 44100 Hz
// (the server converts). Packets arrive on the source's own thread.
class loopbackAudioSource
{
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channelCount = 2;
    static constexpr int bytesPerFrame = channelCount * 2;

    // One packet; data is valid only during the call.
    using packetSink = std::function<void(const char *data, int length)>;

    virtual ~loopbackAudioSource() = default;

    // Starts delivering packets to sink. On failure returns false and puts a
    // one-line reason in *error; nothing runs then.
    virtual bool start(packetSink sink, QString *error) = 0;
    // Ends the delivery. Returns at once whatever the server does; no packet
    // reaches the sink after it returns. Safe when not started.
    virtual void stop() = 0;
};
