#pragma once

#include "FrequencySpectrum.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

class SpectrumAnalyserThread;

// Hands a buffer of captured sound to its worker and passes the spectrum on,
// unless the calculation was cancelled meanwhile. Both live on the GUI
// thread, so a calculation runs inside calculate().
class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    enum State {
        Idle = 0,
        Busy = 1,
        Cancelled = 2,
    };

    explicit SpectrumAnalyser(QObject *parent = nullptr);

    // Does nothing unless idle.
    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    bool isReady() const { return m_state == Idle; }
    void cancelCalculation();

    SpectrumAnalyserThread *worker() const { return m_thread; }

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    SpectrumAnalyserThread *m_thread;
    State m_state = Idle;
};
