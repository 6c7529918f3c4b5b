// The macro page on a large macro file (200 macros of 40 events): showing
// the page rebuilds the list and loads the first macro; selecting a macro
// rebuilds the event table.

#include "DMacroListItem.h"
#include "DMacroPage.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

const int kMacros = 200;
const int kEventsPerMacro = 40;
const int kRounds = 15;

// The macro file written in one go, as the store would write it event by event.
QByteArray macroFileText()
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Parameters profileIndex=\"1\">\r\n";
    for (int m = 1; m <= kMacros; ++m) {
        const QByteArray index = QByteArray::number(m);
        text += "    <macro index=\"" + index + "\" name=\"Macro" + index + "\">\r\n";
        for (int e = 0; e < kEventsPerMacro; ++e) {
            const int n = m * 100 + e / 2;
            text += "        <item mark=\"" + QByteArray::number(qint64(0x1000000000) + n, 16) + "\" delay=\""
                + QByteArray::number(10 + n % 90) + "\" type=\"key\" keyCode=\"" + QByteArray::number(4 + n % 26)
                + "\" codeName=\"" + QByteArray(1, char('A' + n % 26)) + "\" operateExplain=\""
                + (e % 2 == 0 ? "down" : "up") + "\" />\r\n";
        }
        text += "    </macro>\r\n";
    }
    return text + "</Parameters>\r\n";
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.2f %s\n", name, value, unit);
}

struct Figures
{
    double median;
    double worst;
    double cpuMedian;
};

// The process's CPU time: on a busy machine the wall time also counts the
// time other processes had the CPU.
double cpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Milliseconds of op over kRounds runs, until the window has settled: the
// layouts, polishing and deferred deletions it posted are done too, as the
// event loop does them before the user sees the result.
template <typename Op>
Figures measure(Op op)
{
    std::vector<double> times;
    std::vector<double> cpu;
    for (int i = 0; i < kRounds; ++i) {
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        op(i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    return {times[times.size() / 2], times.back(), cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    // The data manager makes its folders here, not in the user's.
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    QApplication app(argc, argv);

    xmlInterface store;
    const QString path = home.filePath("pardexMacro.xml");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(macroFileText()) < 0)
        return 1;
    file.close();

    DMacroPage page;
    page.setMacroFileInfo(QFile::encodeName(path).constData(), &store);
    page.resize(1163, 659);
    page.show();
    page.setCurrentPageStatus(true);
    page.loadKeyboardInfo();

    const Figures list = measure([&](int) { page.loadMacroList(); });
    if (page.macroRows().size() != kMacros || page.eventRows().size() != kEventsPerMacro)
        return 2;
    print("loadMacroList_200x40_median", list.median, "ms");
    print("loadMacroList_200x40_worst", list.worst, "ms");
    print("loadMacroList_200x40_cpu_median", list.cpuMedian, "ms");

    const Figures select = measure([&](int i) {
        DMacroListItem *row = page.macroRows().at(1 + i % (kMacros - 1));
        emit row->sigMacroItemMouseClicked(row->getIndex(), row->getName());
    });
    if (page.eventRows().size() != kEventsPerMacro)
        return 3;
    print("selectMacro_40_events_median", select.median, "ms");
    print("selectMacro_40_events_worst", select.worst, "ms");
    print("selectMacro_40_events_cpu_median", select.cpuMedian, "ms");
    return 0;
}
