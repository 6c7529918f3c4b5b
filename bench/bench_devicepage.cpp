// Speed of building the device page offscreen, most of the program's cold
// start: the first page of a fresh process (style sheets, pictures, fonts and
// layouts met for the first time; median of several processes), then the
// median of later builds, with and without the first showing (polish and
// layout of every panel).

#include "DDataManager.h"
#include "DDevicePage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double buildOnce(bool show)
{
    QElapsedTimer clock;
    clock.start();
    {
        DDevicePage page;
        if (show) {
            page.resize(1200, 790);
            page.show();
            QApplication::processEvents();
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        return ms;
    }
}

} // namespace

// Selection, load and refresh figures (bench_devicepage_attach.cpp).
void benchDevicePageAttach();

// The first build of a process, run in a process of its own.
double firstBuildInChild(const QString &program)
{
    QProcess child;
    child.start(program, {QStringLiteral("--first-build")});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Devices loaded here make profile files: never in the user's data.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    QApplication app(argc, argv);
    DDataManager::instance();
    if (QCoreApplication::arguments().contains(QStringLiteral("--first-build"))) {
        std::printf("%f\n", buildOnce(false));
        return 0;
    }

    std::vector<double> firsts;
    for (int i = 0; i < 5; ++i)
        firsts.push_back(firstBuildInChild(QCoreApplication::applicationFilePath()));
    print("devicepage_first_build_median", median(firsts), "ms");
    std::vector<double> builds;
    std::vector<double> shown;
    for (int i = 0; i < 15; ++i) {
        builds.push_back(buildOnce(false));
        shown.push_back(buildOnce(true));
    }
    print("devicepage_build_median", median(builds), "ms");
    print("devicepage_build_and_show_median", median(shown), "ms");
    benchDevicePageAttach();
    return 0;
}
