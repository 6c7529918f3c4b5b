// Speed of the keyboard view under the lighting engine: one full repaint of
// Rosquine's view (104 keys, 33 side lights) after every key and side light
// got a new colour, and the GUI thread's share of a core while the engine
// paints Wave at its fastest speed for 10 s.

#include "DDataManager.h"
#include "keyEffectGenerator.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "keyboardViewFixture.h"
#include "lightDealMain.h"
#include "sideLightButtonCustom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>
#include <ctime>

namespace {

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

double threadSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The view as the lighting page shows it.
void showAsLightingPage(keyboardPage &view)
{
    view.setKeyClickLocked(true);
    view.showSideLights(true);
    view.setKeyFrameMode(false, false);
    view.setCustomLightMode(false);
    for (auto &row : view.keyButtonGrid)
        for (keyboardButCustom *key : row)
            if (key)
                key->setColorRefreshEnabled(true);
    view.show();
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 200)
        QApplication::processEvents();
}

void benchFullRepaint(keyboardPage &view)
{
    const QList<sideLightButtonCustom *> lights = view.getSideLightButtons();
    int keys = 0;
    for (auto &row : view.keyButtonGrid)
        for (keyboardButCustom *key : row)
            keys += key && key->getKeyCode() != 0 ? 1 : 0;
    std::printf("rosquine_keys: %d keys\nrosquine_side_lights: %d lights\n", keys, int(lights.size()));

    int step = 0;
    const auto recolourAndRepaint = [&] {
        ++step;
        for (int r = 0; r < keyboardPage::RowCount; ++r)
            for (int c = 0; c < keyboardPage::ColumnCount; ++c)
                if (keyboardButCustom *key = view.keyButtonGrid[r][c])
                    key->setKeyColor(QColor::fromHsv((step * 7 + c * 16 + r * 5) % 360, 255, 255));
        for (int i = 0; i < lights.size(); ++i)
            lights[i]->setLightColor(QColor::fromHsv((step * 7 + i * 11) % 360, 255, 255));
        view.repaint();
    };
    for (int i = 0; i < 50; ++i)
        recolourAndRepaint();
    // Per repaint; the median is the figure least moved by other load on
    // the machine.
    const int repaints = 1000;
    std::vector<double> ms;
    ms.reserve(repaints);
    QElapsedTimer timer;
    for (int i = 0; i < repaints; ++i) {
        timer.start();
        recolourAndRepaint();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    print("full_repaint_rosquine_mean", std::accumulate(ms.begin(), ms.end(), 0.0) / repaints, "ms");
    std::sort(ms.begin(), ms.end());
    print("full_repaint_rosquine_median", ms[repaints / 2], "ms");
}

colorInfoData waveConfig(int zone)
{
    // Wave, brightness and speed at their maxima, full colour.
    return colorInfoData {zone, keyEffectGenerator::effectWave, 4, 4, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
}

void benchWave(keyboardPage &view, int seconds)
{
    lightDealMain engine;
    engine.setDeviceName(QStringLiteral("Rosquine"));
    engine.setKeyButtons(view.keyButtonGrid);
    engine.setKeyCount(104);
    engine.setSideLightWidgets(view.getSideLightButtons());
    engine.setSideLightEnabled(true);
    engine.setSpeedAndBrightnessMax(4, 4, 4, 4);
    engine.setKeyLightConfig(waveConfig(0));
    engine.setSideLightConfig(waveConfig(1));

    const double cpuBefore = threadSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
    qApp->exec();
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = threadSeconds() - cpuBefore;
    engine.stopAllThreads();
    print("wave_wall_time", elapsed, "s");
    print("wave_gui_thread_cpu", 100.0 * cpu / elapsed, "% of one core");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Debug lines are not part of the figures.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QApplication app(argc, argv);
    if (!keyboardViewFixture::installShippedModels()) {
        std::printf("the device-model list could not be read\n");
        return 1;
    }

    keyboardPage view;
    view.setKeyboardName(QStringLiteral("Rosquine"));
    showAsLightingPage(view);
    benchFullRepaint(view);
    benchWave(view, 10);
    return 0;
}
