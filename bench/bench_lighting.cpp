// Speed of the keyboard lighting engine: the per-tick step of every ambient
// key effect on a 104-key grid, the build of one 10-packet colour frame, and
// the CPU time of the whole engine streaming Wave at its fastest speed to a
// simulated keyboard for 10 s.

#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyEffectGenerator.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "sideLightButtonCustom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <thread>

namespace {

// A key-zone setting in the stored field order: a green user colour over a
// dark blue background.
colorInfoData lightConfig(int type, bool fullColor, int direction = 0, int brightness = 2, int speed = 4)
{
    return colorInfoData {0, type, brightness, speed, 40, 200, 90, 0, 0, 30, direction, fullColor ? 1 : 0, 0, 0};
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

// Average microseconds of one call of work, printed under name.
template <typename Work>
double timePerCall(const char *name, int calls, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    const double us = double(timer.nsecsElapsed()) / calls / 1000.0;
    print(name, us, "us");
    return us;
}

// A keyboard view's grid of key buttons.
struct keyButtonView
{
    QWidget view;
    keyboardButCustom *grid[lightDealMain::keyRows][lightDealMain::keyColumns];

    keyButtonView()
    {
        for (int r = 0; r < lightDealMain::keyRows; ++r) {
            for (int c = 0; c < lightDealMain::keyColumns; ++c) {
                grid[r][c] = new keyboardButCustom(&view);
                grid[r][c]->setCell(r, c);
            }
        }
    }
};

// Average cost of one step of an effect, brightness below the maximum so
// that every cell is also dimmed.
double benchStep(const char *name, int type, bool fullColor, int direction = 0)
{
    lightZoneSettings zone;
    breathState breath;
    keyEffectGenerator effects(zone, breath);
    zone.setMaxima(4, 4);
    effects.setKeyCount(104);
    zone.apply(lightConfig(type, fullColor, direction));
    if (type == keyEffectGenerator::effectCustom) {
        std::array<QColor, keyEffectGenerator::cells> keys;
        for (int i = 0; i < keyEffectGenerator::cells; ++i)
            keys[i] = QColor(i, 255 - i, (i * 7) % 256);
        effects.initCustomEffect(keys);
    } else {
        effects.runSetUp(type);
    }
    for (int i = 0; i < 500; ++i)
        effects.stepKeyEffect();
    return timePerCall(name, 20000, [&effects] { effects.stepKeyEffect(); });
}

double threadSeconds(clockid_t clock)
{
    timespec ts {};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// CPU seconds of this process's threads by name. The scheduler's own run
// time (schedstat, nanoseconds) is used: the tick-sampled utime misjudges
// threads that wake briefly and often.
struct threadTimes
{
    double engineThreads = 0; // the four lighting tick threads
    double transport = 0;
    double all = 0;
};

threadTimes readThreadTimes()
{
    threadTimes times;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        QFile schedstat(tasks.filePath(tid + QStringLiteral("/schedstat")));
        if (!comm.open(QIODevice::ReadOnly) || !schedstat.open(QIODevice::ReadOnly))
            continue;
        const QString name = QString::fromLatin1(comm.readAll()).trimmed();
        const double seconds = schedstat.readAll().split(' ').value(0).toDouble() / 1e9;
        times.all += seconds;
        if (name.startsWith(QLatin1String("updateLightMain")) || name.startsWith(QLatin1String("sendLightUpdata")))
            times.engineThreads += seconds;
        else if (name.startsWith(QLatin1String("MainHidInterFac")))
            times.transport += seconds;
    }
    return times;
}

double benchFrameBuild()
{
    lightDealMain engine;
    engine.setDeviceName(QStringLiteral("Quissaro"));
    for (int i = 0; i < 200; ++i)
        engine.onDviceUpdateAllKeyColorSendKeyboardHid();
    return timePerCall("frame_build_10_packets", 20000,
                       [&engine] { engine.onDviceUpdateAllKeyColorSendKeyboardHid(); });
}

// The screen refresh: 132 key buttons given their colours (the buttons'
// own repaint, while the lighting page is shown, is the view's cost).
double benchScreenRefresh()
{
    keyButtonView keys;
    lightDealMain engine;
    engine.setKeyButtons(keys.grid);
    engine.setKeyLightConfig(lightConfig(keyEffectGenerator::effectWave, true, 0, 4, 4));
    engine.onDviceUpdateAllKeyColor();
    const double us =
        timePerCall("screen_refresh_132_keys", 20000, [&engine] { engine.onDviceUpdateAllKeyColorUI(); });
    engine.stopAllThreads();
    return us;
}

// What one wake of a thread that sleeps 8 ms costs on this machine, with no
// work at all: the floor under the tick threads' figure.
void benchWakeBaseline()
{
    double perWake = 0;
    std::thread sleeper([&perWake] {
        const double start = threadSeconds(CLOCK_THREAD_CPUTIME_ID);
        const int wakes = 250;
        for (int i = 0; i < wakes; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(8));
        perWake = (threadSeconds(CLOCK_THREAD_CPUTIME_ID) - start) / wakes;
    });
    sleeper.join();
    print("machine_idle_thread_wake", perWake * 1e6, "us");
}

void benchStreaming(int seconds)
{
    auto backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(backend);
    auto device = backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
    MainHidInterFace transport(0, QStringLiteral("Quissaro"));
    const SimulatedDeviceConfig config = device->config();
    if (transport.hidOpenPath(config.vendorId, config.productId, device->path()) != 0) {
        std::printf("streaming: simulated keyboard did not open\n");
        return;
    }
    transport.setFrameMode(0);
    transport.start();

    keyButtonView keys;
    lightDealMain engine;
    engine.setDeviceName(QStringLiteral("Quissaro"));
    engine.setKeyButtons(keys.grid);
    engine.setKeyCount(104);
    engine.setHidInterface(&transport);
    engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    engine.setKeyLightConfig(lightConfig(keyEffectGenerator::effectWave, true, 0, 4, 4));

    const threadTimes before = readThreadTimes();
    const double guiBefore = threadSeconds(CLOCK_THREAD_CPUTIME_ID);
    device->clearOutputs();
    engine.clearLed_WaveFullColor_TabSaveUpdateAll();
    transport.setLightStreaming(true);
    engine.setLightSynchronize(true);
    engine.setSendThreadRunning(true);

    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
    qApp->exec();
    const double elapsed = wall.nsecsElapsed() / 1e9;

    transport.setLightStreaming(false);
    engine.setSendThreadRunning(false);
    engine.setLightSynchronize(false);
    transport.clearLightFrameQueue();
    const double gui = threadSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
    const threadTimes after = readThreadTimes();
    engine.stopAllThreads();

    const double engineCpu = gui + after.engineThreads - before.engineThreads;
    print("stream_wall_time", elapsed, "s");
    print("stream_frames_received", device->outputCount(0x0F) / 10.0, "frames");
    print("stream_engine_cpu", 100.0 * engineCpu / elapsed, "% of one core");
    print("stream_engine_gui_thread_cpu", 100.0 * gui / elapsed, "% of one core");
    print("stream_engine_tick_threads_cpu", 100.0 * (after.engineThreads - before.engineThreads) / elapsed,
          "% of one core");
    print("stream_transport_thread_cpu", 100.0 * (after.transport - before.transport) / elapsed, "% of one core");
    print("stream_process_cpu", 100.0 * (after.all - before.all) / elapsed, "% of one core");
    transport.hidClose();
    HidBackend::install(nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's debug lines are not part of the figures.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QApplication app(argc, argv);

    benchStep("step_static", keyEffectGenerator::effectStatic, false);
    benchStep("step_breath", keyEffectGenerator::effectBreath, false);
    benchStep("step_breath_full_colour", keyEffectGenerator::effectBreath, true);
    benchStep("step_wave", keyEffectGenerator::effectWave, false);
    const double waveStep = benchStep("step_wave_full_colour", keyEffectGenerator::effectWave, true);
    benchStep("step_neon", keyEffectGenerator::effectNeon, false);
    benchStep("step_neon_full_colour", keyEffectGenerator::effectNeon, true);
    benchStep("step_radar", keyEffectGenerator::effectRadar, false);
    benchStep("step_radar_full_colour", keyEffectGenerator::effectRadar, true);
    benchStep("step_snack", keyEffectGenerator::effectSnack, false);
    benchStep("step_snack_full_colour", keyEffectGenerator::effectSnack, true);
    benchStep("step_twinkle", keyEffectGenerator::effectTwinkle, false);
    benchStep("step_twinkle_full_colour", keyEffectGenerator::effectTwinkle, true);
    benchStep("step_custom", keyEffectGenerator::effectCustom, false);
    benchStep("step_striation", keyEffectGenerator::effectStriation, false);
    benchStep("step_striation_full_colour", keyEffectGenerator::effectStriation, true);
    const double frame = benchFrameBuild();
    const double screen = benchScreenRefresh();
    // The engine's own work at the fastest speed: 125 Wave steps, 33 screen
    // refreshes and 33 frames a second; the rest of the streaming figure is
    // waking threads and the event loop.
    print("stream_engine_work_estimate", (125.0 * waveStep + 1000.0 / 30 * (screen + frame)) / 1e4,
          "% of one core");
    benchWakeBaseline();
    benchStreaming(10);
    return 0;
}
