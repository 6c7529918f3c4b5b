// Cost of the store's operations on files of a realistic size, each with a
// cold cache (the file read and parsed for every call) and warm (the parsed
// file kept from the call before; a change still prints and saves the whole
// file), and the memory a kept file takes.

#include "benchStoreFiles.h"
#include "xmlDocumentCache.h"
#include "xmlFileStamp.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

const int kRounds = 200;

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
}

// Milliseconds per call of op over kRounds rounds of callsPerRound calls,
// after one warm-up round; a cold round starts with an empty cache.
double msPerCall(const std::function<void()> &op, bool cold, int callsPerRound)
{
    xmlDocumentCache &cache = xmlDocumentCache::instance();
    op();
    qint64 ns = 0;
    QElapsedTimer timer;
    for (int i = 0; i < kRounds; ++i) {
        if (cold)
            cache.clear();
        timer.start();
        op();
        ns += timer.nsecsElapsed();
    }
    return ns / 1e6 / kRounds / callsPerRound;
}

void figure(const char *name, const std::function<void()> &op, int callsPerRound = 1)
{
    const QByteArray base(name);
    print((base + "_cold").constData(), msPerCall(op, true, callsPerRound), "ms");
    print((base + "_warm").constData(), msPerCall(op, false, callsPerRound), "ms");
}

// Heap bytes that keeping path's parsed file takes.
double keptKiB(xmlInterface &store, const QString &path)
{
    xmlDocumentCache::instance().clear();
    const size_t before = mallinfo2().uordblks;
    store.getProfileIndex(path);
    return (double(mallinfo2().uordblks) - double(before)) / 1024.0;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    xmlInterface store;
    const QString profiles = dir.filePath("pardexProFile.xml");
    const QString macros = dir.filePath("pardexMacro.xml");
    benchStoreFiles::writeProfiles(store, profiles);
    benchStoreFiles::writeMacros(store, macros);
    const QList<macroItemInfo> events = benchStoreFiles::macroEvents();

    print("profile_file_size", QFileInfo(profiles).size() / 1024.0, "KiB");
    print("macro_file_size", QFileInfo(macros).size() / 1024.0, "KiB");

    // A file just written is checked byte for byte until it has been quiet
    // for a while; the readers' warm figures are those of a settled file,
    // as at a key press.
    QThread::msleep(xmlFileStamp::kRecentWindowNs / 1'000'000 + 100);
    print("profile_file_in_memory", keptKiB(store, profiles), "KiB");
    print("macro_file_in_memory", keptKiB(store, macros), "KiB");

    // The last profile and a key in the middle of its bindings.
    customKeyInfo key;
    figure("getKeyInfo", [&] { store.getKeyInfo(profiles, "10", "80", key); });
    colorInfoData light;
    figure("getLightInfo", [&] { store.getLightInfo(profiles, "10", 0, 16, light); });
    QList<macroItemInfo> read;
    figure("getMacroItems", [&] {
        read.clear();
        store.getMacroItems(macros, "200", "", read);
    });

    // A read right after a save of the file compares its bytes as well.
    qint64 afterSaveNs = 0;
    QElapsedTimer timer;
    for (int i = 0; i < kRounds; ++i) {
        store.setProfileIndex(profiles, 1 + i % 2);
        timer.start();
        store.getKeyInfo(profiles, "10", "80", key);
        afterSaveNs += timer.nsecsElapsed();
    }
    print("getKeyInfo_warm_just_saved", afterSaveNs / 1e6 / kRounds, "ms");

    // What any save of the files takes, the store aside: QSaveFile writing
    // the same bytes, syncing and renaming them.
    for (const QString &path : {profiles, macros}) {
        const QByteArray bytes = readAll(path);
        const QString copy = path + ".copy";
        const double ms = msPerCall([&] { writeAtomically(copy, bytes); }, false, 1);
        print(path == profiles ? "profile_file_save_alone" : "macro_file_save_alone", ms, "ms");
    }
    figure("addKeyInfo+deleteKeyInfo", [&] {
        store.addKeyInfo(profiles, "10", "999", "X", "0", "1", "1", "999");
        store.deleteKeyInfo(profiles, "10", "999");
    }, 2);
    figure("updateMacroItem",
           [&] { store.updateMacroItem(macros, "200", "0000000000000013", true, events[0]); });
    return 0;
}
