// Speed of the lighting engines: the per-tick step of every key effect on a
// 104-key grid (the key-triggered ones with 20 live ring centres), every side
// effect on a 60-LED strip, every mouse zone step, the build of a keyboard
// frame and of the mouse's 0x48 report, and the CPU time of both engines
// streaming every zone at its fastest speed to a simulated keyboard with a
// 50-LED strip and the simulated mouse for 10 s.

#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyEffectGenerator.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "lightTickScheduler.h"
#include "mouseEffectGenerator.h"
#include "mouseLightButtonCustom.h"
#include "mouseLightDealMain.h"
#include "sideEffectGenerator.h"
#include "sideLightButtonCustom.h"
#include "steadyTickClock.h"

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

// Keeps a key-triggered effect busy: 20 live ring centres, or 20 keys lit
// (Reactive, Cross), or six Speed Respond rows, pressed again as they end.
void keepBusy(keyEffectGenerator &effects, int &press)
{
    const int id = effects.effectId();
    if (id == keyEffectGenerator::effectSpeedRespond) {
        while (effects.triggered().speedRespondRows() < 6)
            effects.triggerKeyEffect(0, 0);
        effects.triggerKeyEffect(0, 0);
        return;
    }
    if (id == keyEffectGenerator::effectReactive || id == keyEffectGenerator::effectCross) {
        if (press % 6 == 0) {
            for (int k = 0; k < 20; ++k)
                effects.triggerKeyEffect((press + k) % 6, (press * 7 + k * 5) % 22);
        }
        ++press;
        return;
    }
    while (effects.triggered().centres().count() < 20) {
        effects.triggerKeyEffect(press % 6, (press * 7) % 22);
        ++press;
    }
}

// Average cost of one step of an effect, brightness below the maximum so
// that every cell is also dimmed.
double benchStep(const char *name, int type, bool fullColor, int direction = 0, bool m252 = false)
{
    lightZoneSettings zone;
    breathState breath;
    keyEffectGenerator effects(zone, breath);
    zone.setMaxima(4, 4);
    effects.setKeyCount(104);
    effects.setM252Chip(m252);
    zone.apply(lightConfig(type, fullColor, direction));
    if (type == keyEffectGenerator::effectCustom) {
        std::array<QColor, keyEffectGenerator::cells> keys;
        for (int i = 0; i < keyEffectGenerator::cells; ++i)
            keys[i] = QColor(i, 255 - i, (i * 7) % 256);
        effects.initCustomEffect(keys);
    } else {
        effects.runSetUp(type);
    }
    const bool triggered = keyTriggerEffects::handles(type) && type != keyEffectGenerator::effectAutoRipple;
    int press = 0;
    for (int i = 0; i < 500; ++i) {
        if (triggered)
            keepBusy(effects, press);
        effects.stepKeyEffect();
    }
    if (!triggered)
        return timePerCall(name, 20000, [&effects] { effects.stepKeyEffect(); });
    return timePerCall(name, 20000, [&effects, &press] {
        keepBusy(effects, press);
        effects.stepKeyEffect();
    });
}

// One side effect on a 60-LED strip of a model with a Wave row.
double benchSideStep(const char *name, int type, bool fullColor)
{
    lightZoneSettings zone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    breathState breath;
    sideEffectGenerator side(zone, breath);
    zone.setMaxima(4, 4);
    side.setLeds(QVector<int>(sideEffectGenerator::maxLeds, 1));
    side.setModelName(QStringLiteral("Urrasque"));
    zone.apply(lightConfig(type, fullColor));
    side.runSetUp(type);
    for (int i = 0; i < 500; ++i)
        side.step();
    return timePerCall(name, 50000, [&side] { side.step(); });
}

// One mouse zone step: Around (18 LEDs) or Scroll (one).
double benchMouseStep(const char *name, bool around, int type, bool fullColor)
{
    lightZoneSettings aroundZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings scrollZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings logoZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    mouseEffectGenerator effects(aroundZone, scrollZone, logoZone);
    QVector<int> layout(mouseEffectGenerator::ledCount, 0);
    for (int n = 0; n < mouseEffectGenerator::ringLeds; ++n)
        layout[n] = 1;
    effects.setLeds(layout);
    effects.setDpiColors({QColor(255, 0, 0), QColor(0, 255, 0)}, 2);
    for (lightZoneSettings *zone : {&aroundZone, &scrollZone, &logoZone}) {
        zone->setMaxima(4, 4);
        zone->apply(lightConfig(type, fullColor));
    }
    int calls = 0;
    auto step = [&] {
        if (around) {
            if (type == mouseEffectGenerator::aroundSpeedRespond && calls++ % 3 == 0)
                effects.triggerAroundReaction();
            effects.stepAround();
        } else {
            effects.stepScroll();
        }
    };
    if (around)
        effects.runAroundSetUp(type);
    else
        effects.runScrollSetUp(type);
    for (int i = 0; i < 500; ++i)
        step();
    return timePerCall(name, 50000, step);
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
    double engineThreads = 0; // the lighting tick scheduler
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
        if (name.startsWith(QLatin1String("lightTickSched")))
            times.engineThreads += seconds;
        else if (name.startsWith(QLatin1String("MainHidInterFac")))
            times.transport += seconds;
    }
    return times;
}

double benchFrameBuild(const char *name, const QString &model)
{
    lightDealMain engine;
    engine.setDeviceName(model);
    for (int i = 0; i < 200; ++i)
        engine.onDviceUpdateAllKeyColorSendKeyboardHid();
    return timePerCall(name, 20000, [&engine] { engine.onDviceUpdateAllKeyColorSendKeyboardHid(); });
}

// The 18 LEDs under the link rule, in one 0x48 report.
double benchMouseFrameBuild()
{
    mouseLightDealMain engine;
    for (int i = 0; i < 200; ++i)
        engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    return timePerCall("frame_build_mouse_0x48", 20000,
                       [&engine] { engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid(); });
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
// work at all: the floor under the tick thread's figure.
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

// A simulated device opened through a transport of its own.
struct streamedDevice
{
    std::shared_ptr<SimulatedDevice> device;
    std::unique_ptr<MainHidInterFace> transport;

    streamedDevice(SimulatedHidBackend &backend, const SimulatedDeviceConfig &config)
    {
        device = backend.addDevice(config);
        transport = std::make_unique<MainHidInterFace>(0, config.modelName);
        if (transport->hidOpenPath(config.vendorId, config.productId, device->path()) != 0) {
            std::printf("streaming: simulated %s did not open\n", qPrintable(config.modelName));
            return;
        }
        transport->setFrameMode(config.deviceType);
        transport->start();
    }
    ~streamedDevice() { transport->hidClose(); }
};

// Both engines, every zone at its fastest speed (8 ms), streaming to a
// keyboard with a 50-LED side strip and to the mouse.
void benchStreaming(int seconds)
{
    auto backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(backend);
    const QString keyboardModel = QStringLiteral("Rulvarro");
    {
        streamedDevice keyboard(*backend, SimulatedDeviceConfig::keyboard(keyboardModel));
        streamedDevice mouse(*backend,
                             SimulatedDeviceConfig::mouse(QString::fromLatin1(SimulatedDeviceConfig::kMouseModel)));

        keyButtonView keys;
        QList<sideLightButtonCustom *> strip;
        for (int n = 0; n < 50; ++n) {
            strip.append(new sideLightButtonCustom(&keys.view));
            strip.last()->setIndexAndValid(n, 1);
        }
        lightDealMain keyEngine;
        keyEngine.setDeviceName(keyboardModel);
        keyEngine.setKeyButtons(keys.grid);
        keyEngine.setKeyCount(104);
        keyEngine.setSideLightEnabled(true);
        keyEngine.setSideLightWidgets(strip);
        keyEngine.setHidInterface(keyboard.transport.get());
        keyEngine.setSpeedAndBrightnessMax(4, 4, 4, 4);
        keyEngine.setSideLightConfig(lightConfig(2, true, 0, 4, 4));
        keyEngine.setKeyLightConfig(lightConfig(keyEffectGenerator::effectWave, true, 0, 4, 4));

        QWidget mousePage;
        QList<mouseLightButtonCustom *> dots;
        for (int n = 0; n < mouseEffectGenerator::ledCount; ++n) {
            dots.append(new mouseLightButtonCustom(&mousePage));
            dots.last()->setLedInfo(n, n < mouseEffectGenerator::ringLeds ? 1 : 0, 0);
        }
        mouseLightDealMain mouseEngine;
        mouseEngine.setLedWidgets(dots);
        mouseEngine.setHidInterface(mouse.transport.get());
        mouseEngine.setSpeedAndBrightnessMax(4, 4, 4, 4, 4, 4);
        mouseEngine.setScrollLightConfig(lightConfig(mouseEffectGenerator::zoneNeon, true, 0, 4, 4));
        mouseEngine.setLogoLightConfig(lightConfig(mouseEffectGenerator::zoneBreath, true, 0, 4, 4));
        mouseEngine.setAroundLightConfig(lightConfig(mouseEffectGenerator::aroundWave, true, 0, 4, 4));

        lightTickScheduler &scheduler = steadyTickClock::shared().scheduler();
        const threadTimes before = readThreadTimes();
        const double guiBefore = threadSeconds(CLOCK_THREAD_CPUTIME_ID);
        const long long wakesBefore = scheduler.wakeCount();
        keyboard.device->clearOutputs();
        mouse.device->clearOutputs();
        keyEngine.clearLed_WaveFullColor_TabSaveUpdateAll();
        keyboard.transport->setLightStreaming(true);
        keyEngine.setLightSynchronize(true);
        keyEngine.setSendThreadRunning(true);
        mouseEngine.clearLedColors();
        mouse.transport->setLightStreaming(true);
        mouseEngine.setLightSynchronize(true);
        mouseEngine.setSendThreadRunning(true);

        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
        qApp->exec();
        const double elapsed = wall.nsecsElapsed() / 1e9;

        keyboard.transport->setLightStreaming(false);
        keyEngine.setSendThreadRunning(false);
        keyEngine.setLightSynchronize(false);
        keyboard.transport->clearLightFrameQueue();
        mouse.transport->setLightStreaming(false);
        mouseEngine.setSendThreadRunning(false);
        mouseEngine.setLightSynchronize(false);
        mouse.transport->clearLightFrameQueue();
        const double gui = threadSeconds(CLOCK_THREAD_CPUTIME_ID) - guiBefore;
        const threadTimes after = readThreadTimes();
        const long long wakes = scheduler.wakeCount() - wakesBefore;
        keyEngine.stopAllThreads();
        mouseEngine.stopAllThreads();

        const double tickThread = after.engineThreads - before.engineThreads;
        print("stream_wall_time", elapsed, "s");
        print("stream_keyboard_frames_received", keyboard.device->outputCount(0x0F) / 11.0, "frames");
        print("stream_mouse_reports_received", mouse.device->outputCount(0x48), "reports");
        print("stream_tick_wakes", wakes / elapsed, "per s");
        print("stream_engine_cpu", 100.0 * (gui + tickThread) / elapsed, "% of one core");
        print("stream_engine_gui_thread_cpu", 100.0 * gui / elapsed, "% of one core");
        print("stream_engine_tick_thread_cpu", 100.0 * tickThread / elapsed, "% of one core");
        print("stream_transport_threads_cpu", 100.0 * (after.transport - before.transport) / elapsed,
              "% of one core");
        print("stream_process_cpu", 100.0 * (after.all - before.all) / elapsed, "% of one core");
    }
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

    using key = keyEffectGenerator;
    benchStep("step_static", key::effectStatic, false);
    benchStep("step_breath", key::effectBreath, false);
    benchStep("step_breath_full_colour", key::effectBreath, true);
    benchStep("step_wave", key::effectWave, false);
    const double waveStep = benchStep("step_wave_full_colour", key::effectWave, true);
    benchStep("step_neon", key::effectNeon, false);
    benchStep("step_neon_full_colour", key::effectNeon, true);
    benchStep("step_radar", key::effectRadar, false);
    benchStep("step_radar_full_colour", key::effectRadar, true);
    benchStep("step_snack", key::effectSnack, false);
    benchStep("step_snack_full_colour", key::effectSnack, true);
    benchStep("step_twinkle", key::effectTwinkle, false);
    benchStep("step_twinkle_full_colour", key::effectTwinkle, true);
    benchStep("step_custom", key::effectCustom, false);
    benchStep("step_striation", key::effectStriation, false);
    benchStep("step_striation_full_colour", key::effectStriation, true);
    // The key-triggered effects, busy: 20 live ring centres, 20 keys lit,
    // six Speed Respond rows.
    benchStep("step_reactive_20_keys", key::effectReactive, false);
    benchStep("step_reactive_20_keys_full_colour", key::effectReactive, true);
    benchStep("step_cross_20_keys", key::effectCross, false);
    benchStep("step_cross_20_keys_full_colour", key::effectCross, true);
    benchStep("step_aurora_20_centres", key::effectAurora, false);
    benchStep("step_aurora_20_centres_full_colour", key::effectAurora, true);
    benchStep("step_ripple_bars_20_centres", key::effectRipple, false);
    benchStep("step_ripple_bars_20_centres_full_colour", key::effectRipple, true);
    benchStep("step_ripple_m252_rings_20_centres", key::effectRipple, false, 0, true);
    benchStep("step_ripple_m252_rings_20_centres_full_colour", key::effectRipple, true, 0, true);
    benchStep("step_speed_respond_6_rows", key::effectSpeedRespond, false);
    benchStep("step_speed_respond_6_rows_full_colour", key::effectSpeedRespond, true);
    benchStep("step_auto_ripple", key::effectAutoRipple, false);
    benchStep("step_fireworks_20_centres", key::effectFireworks, false);
    benchStep("step_fireworks_20_centres_full_colour", key::effectFireworks, true);

    using side = sideEffectGenerator;
    benchSideStep("side_step_static_60_leds", side::effectStatic, false);
    benchSideStep("side_step_breath_60_leds", side::effectBreath, false);
    benchSideStep("side_step_breath_60_leds_full_colour", side::effectBreath, true);
    benchSideStep("side_step_wave_60_leds", side::effectWave, false);
    const double sideWave = benchSideStep("side_step_wave_60_leds_full_colour", side::effectWave, true);
    benchSideStep("side_step_collision_60_leds", side::effectCollision, false);
    benchSideStep("side_step_collision_60_leds_full_colour", side::effectCollision, true);
    benchSideStep("side_step_neon_60_leds", side::effectNeon, false);
    benchSideStep("side_step_neon_60_leds_full_colour", side::effectNeon, true);

    using mouse = mouseEffectGenerator;
    const struct { const char *name; bool around; int type; bool fullColor; } mouseSteps[] = {
        {"mouse_around_step_static", true, mouse::aroundStatic, false},
        {"mouse_around_step_breath", true, mouse::aroundBreath, false},
        {"mouse_around_step_breath_full_colour", true, mouse::aroundBreath, true},
        {"mouse_around_step_wave", true, mouse::aroundWave, false},
        {"mouse_around_step_wave_full_colour", true, mouse::aroundWave, true},
        {"mouse_around_step_neon", true, mouse::aroundNeon, false},
        {"mouse_around_step_neon_full_colour", true, mouse::aroundNeon, true},
        {"mouse_around_step_snack", true, mouse::aroundSnack, false},
        {"mouse_around_step_snack_full_colour", true, mouse::aroundSnack, true},
        {"mouse_around_step_twinkle", true, mouse::aroundTwinkle, false},
        {"mouse_around_step_twinkle_full_colour", true, mouse::aroundTwinkle, true},
        {"mouse_around_step_dpi", true, mouse::aroundDpi, false},
        {"mouse_around_step_speed_respond", true, mouse::aroundSpeedRespond, false},
        {"mouse_zone_step_static", false, mouse::zoneStatic, false},
        {"mouse_zone_step_neon", false, mouse::zoneNeon, false},
        {"mouse_zone_step_neon_full_colour", false, mouse::zoneNeon, true},
        {"mouse_zone_step_breath", false, mouse::zoneBreath, false},
        {"mouse_zone_step_dpi", false, mouse::zoneDpi, false},
    };
    double aroundWave = 0;
    double zoneStep = 0;
    for (const auto &m : mouseSteps) {
        const double us = benchMouseStep(m.name, m.around, m.type, m.fullColor);
        if (m.around && m.type == mouse::aroundWave && m.fullColor)
            aroundWave = us;
        if (!m.around)
            zoneStep = std::max(zoneStep, us);
    }

    benchFrameBuild("frame_build_10_packets", QStringLiteral("Quissaro"));
    const double frame = benchFrameBuild("frame_build_11_packets", QStringLiteral("Rulvarro"));
    const double mouseFrame = benchMouseFrameBuild();
    const double screen = benchScreenRefresh();
    // The engines' own work in the streaming run: five zones stepping 125
    // times a second, two screen refreshes and two frames 33 times.
    print("stream_engine_work_estimate",
          (125.0 * (waveStep + sideWave + aroundWave + 2 * zoneStep) + 1000.0 / 30 * (screen + frame + mouseFrame))
              / 1e4,
          "% of one core");
    benchWakeBaseline();
    benchStreaming(10);
    return 0;
}
