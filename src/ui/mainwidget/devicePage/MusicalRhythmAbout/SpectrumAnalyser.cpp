#include "SpectrumAnalyser.h"

#include "SpectrumAnalyserThread.h"
#include "checkedConnect.h"

SpectrumAnalyser::SpectrumAnalyser(QObject *parent)
    : QObject(parent)
    , m_thread(new SpectrumAnalyserThread(this))
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    checkedConnect(m_thread, SIGNAL(calculationComplete(FrequencySpectrum)), this,
                   SLOT(calculationComplete(FrequencySpectrum)));
}

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_state != Idle)
        return;
    m_state = Busy;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    QMetaObject::invokeMethod(m_thread, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, format.sampleRate()), Q_ARG(int, bytesPerSample));
}

void SpectrumAnalyser::cancelCalculation()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    if (m_state == Busy)
        emit spectrumChanged(spectrum);
    m_state = Idle;
}
