#pragma once

// A loopback source that delivers the packets a test chooses, on the calling
// thread or on a thread of its own, and can refuse to start.

#include "loopbackAudioSource.h"

#include <QByteArray>

#include <atomic>
#include <thread>

class fakeLoopbackSource : public loopbackAudioSource
{
public:
    // Counters the test keeps after the source has been handed over.
    struct record
    {
        std::atomic<int> starts {0};
        std::atomic<int> stops {0};
        bool refuse = false;
    };

    explicit fakeLoopbackSource(record &counts)
        : m_counts(counts)
    {
    }

    bool start(packetSink sink, QString *error) override
    {
        ++m_counts.starts;
        if (m_counts.refuse) {
            *error = QStringLiteral("Connection refused");
            return false;
        }
        m_sink = std::move(sink);
        return true;
    }

    void stop() override
    {
        ++m_counts.stops;
        m_sink = nullptr;
    }

    // Hands one packet to the sink as the capture thread would.
    void deliver(const QByteArray &packet)
    {
        if (m_sink)
            m_sink(packet.constData(), packet.size());
    }

    // The same from a thread of its own, from a buffer that is overwritten
    // as soon as the call returns.
    void deliverFromThread(const QByteArray &packet)
    {
        std::thread worker([this, packet] {
            QByteArray scratch = packet;
            scratch.detach();
            if (m_sink)
                m_sink(scratch.constData(), scratch.size());
            scratch.fill('\x55');
        });
        worker.join();
    }

private:
    record &m_counts;
    packetSink m_sink;
};
