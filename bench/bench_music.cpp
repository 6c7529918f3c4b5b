// Speed of the music-reactive path: one spectrum analysis (window, FFT and
// 2047 logarithms), the engine's fold of a spectrum into lit bands, the
// per-tick step of effect 100 on a 104-key grid, and the CPU that capturing
// costs over 10 s of a tone played into a private null sink (only where
// pulseaudio can start).

#include "DSoundCardAudioCapture.h"
#include "SpectrumAnalyser.h"
#include "SpectrumAnalyserThread.h"
#include "lightDealMain.h"
#include "loopbackAudioSource.h"
#include "musicRhythmEffect.h"
#include "pcmSignals.h"
#include "privatePulseServer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <memory>
#include <pthread.h>

namespace {

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

template <typename Work>
void timePerCall(const char *name, int calls, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    print(name, double(timer.nsecsElapsed()) / calls / 1000.0, "us");
}

// A source that starts and delivers nothing: music mode without a server.
class silentSource : public loopbackAudioSource
{
public:
    bool start(packetSink, QString *) override { return true; }
    void stop() override {}
};

colorInfoData musicConfig(int brightness)
{
    colorInfoData info {};
    info.ledType = 100;
    info.ledBrightness = brightness;
    info.ledModeType = 1;
    return info;
}

void benchAnalysis(const QByteArray &pcm)
{
    SpectrumAnalyserThread worker;
    timePerCall("analysis", 2000, [&] { worker.calculateSpectrum(pcm, 44100, 4); });
}

void benchSpectrumChanged(const FrequencySpectrum &spectrum)
{
    lightDealMain engine;
    engine.musicCapture()->setSource(std::make_unique<silentSource>());
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setMusicMode(true);
    timePerCall("on_spectrum_changed", 20000, [&] { engine.onSpectrumChanged(spectrum); });
    engine.setMusicMode(false);
}

void benchStep(const FrequencySpectrum &spectrum, int brightness, const char *name)
{
    lightZoneSettings zone;
    zone.setMaxima(4, 4);
    zone.apply(musicConfig(brightness));
    breathState breath;
    keyEffectGenerator keys(zone, breath);
    musicBandLayout bands;
    bands.init(104, 11, 30.0, 930.0);
    bands.fold(spectrum);
    musicRhythmEffect effect(keys, zone);
    effect.initMusicEffect(bands);
    int tick = 0;
    // Bars relit every tenth tick, as spectra come, so cells keep falling.
    timePerCall(name, 20000, [&] {
        if (tick++ % 10 == 0)
            effect.applyBandLevels(bands, true);
        effect.stepMusicEffect();
    });
}

double cpuSeconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void benchCapture()
{
    privatePulseServer server;
    QString why;
    if (!server.start(44100, &why)) {
        std::printf("# capture not measured: %s\n", qPrintable(why));
        return;
    }
    server.pointClientsHere();
    pulseTonePlayer tone;
    if (!tone.start(44100.0 * 32 / 4096, 0.5, &why)) {
        std::printf("# capture not measured: %s\n", qPrintable(why));
        return;
    }

    lightDealMain engine;
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    std::atomic<int> packets {0};
    int analyses = 0;
    QObject::connect(engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged, [&] { ++analyses; });

    // The capture thread's own CPU clock, taken on that thread.
    std::atomic<bool> haveClock {false};
    clockid_t captureClock {};
    QObject::connect(
        engine.musicCapture(), &DSoundCardAudioCapture::sigSendCaptureAudioData, engine.musicCapture(),
        [&](const QByteArray &) {
            ++packets;
            if (!haveClock.load()) {
                pthread_getcpuclockid(pthread_self(), &captureClock);
                haveClock = true;
            }
        },
        Qt::DirectConnection);
    engine.setMusicMode(true);
    if (!engine.musicCapture()->isRunning()) {
        std::printf("# capture not measured: %s\n", qPrintable(engine.musicCapture()->lastError()));
        return;
    }

    // Wait for the monitor's first data, then measure 10 s.
    QElapsedTimer waited;
    waited.start();
    while ((packets == 0 || !haveClock.load()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!haveClock.load()) {
        std::printf("# capture not measured: no packet came\n");
        return;
    }
    const int firstPackets = packets;
    const int firstAnalyses = analyses;
    const double captureStart = cpuSeconds(captureClock);
    const double guiStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double gui = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - guiStart;
    const double capture = cpuSeconds(captureClock) - captureStart;
    engine.setMusicMode(false);

    print("capture_packets_per_s", (packets - firstPackets) / seconds, "1/s");
    print("capture_analyses_per_s", (analyses - firstAnalyses) / seconds, "1/s");
    print("capture_thread_cpu", 100.0 * capture / seconds, "%");
    print("capture_packet_slot_cpu", 100.0 * gui / seconds, "%");
    print("capture_path_cpu", 100.0 * (capture + gui) / seconds, "%");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));

    const QByteArray pcm = pcmSignals::tone(4096, 32, 0.5);
    const FrequencySpectrum spectrum = pcmSignals::analysed(pcm);
    benchAnalysis(pcm);
    benchSpectrumChanged(spectrum);
    benchStep(spectrum, 4, "step_music_effect");
    benchStep(spectrum, 0, "step_music_effect_dimmed");
    benchCapture();
    return 0;
}
