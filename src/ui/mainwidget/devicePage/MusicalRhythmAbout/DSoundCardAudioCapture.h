#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class loopbackAudioSource;

// Captures what the PC is playing and hands every packet (signed 16-bit
// little-endian stereo at 44100 Hz) to the lighting engine. The source's
// thread only emits; each packet travels as a QByteArray of its own, so
// nothing is shared with the receiver and nothing is left to free.
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    // The sound server's loopback (libpulse).
    explicit DSoundCardAudioCapture(QObject *parent = nullptr);
    DSoundCardAudioCapture(std::unique_ptr<loopbackAudioSource> source, QObject *parent = nullptr);
    ~DSoundCardAudioCapture() override;

    // 0 on success, -1 on failure (the reason goes to the daily log and
    // lastError). Starting while running changes nothing.
    int start();
    // Always 0; returns at once, also when the server has gone away.
    int stop();
    bool isRunning() const { return m_running; }
    QString lastError() const { return m_lastError; }

    // Another source; taken only while stopped (tests feed chosen packets).
    bool setSource(std::unique_ptr<loopbackAudioSource> source);

signals:
    void sigSendCaptureAudioData(const QByteArray &data);

private:
    std::unique_ptr<loopbackAudioSource> m_source;
    bool m_running = false;
    QString m_lastError;
};
