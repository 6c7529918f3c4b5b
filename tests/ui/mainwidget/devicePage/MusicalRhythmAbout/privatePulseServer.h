#pragma once

// A sound server of the test's own: pulseaudio started with its home and
// runtime folders in a temporary folder, a native socket there and one null
// sink, and PULSE_SERVER pointed at that socket for this process. Never the
// user's server. Also plays a tone into it through libpulse.

#include <QString>
#include <QTemporaryDir>

#include <memory>

class privatePulseServer
{
public:
    privatePulseServer();
    ~privatePulseServer();

    // Starts the server with a null sink at sinkRate (none when 0). False,
    // with the reason, when pulseaudio is missing or does not come up.
    bool start(int sinkRate, QString *why);
    // SIGKILL; the socket file stays behind.
    void kill();
    // SIGSTOP / SIGCONT: a server that says nothing.
    void pause();
    void resume();
    bool isStarted() const { return m_pid > 0; }
    QString socketPath() const;
    // The environment this process's libpulse clients find the server by.
    void pointClientsHere() const;

private:
    QTemporaryDir m_dir;
    qint64 m_pid = 0;
};

// Plays a sine of a frequency and amplitude (0..1 of full scale), 16-bit
// stereo at 44100 Hz, into the default sink until destroyed.
class pulseTonePlayer
{
public:
    pulseTonePlayer();
    ~pulseTonePlayer();
    bool start(double frequency, double amplitude, QString *why);

    struct state;

private:
    std::unique_ptr<state> m_state;
};
