// Cost of the store's operations on files of a realistic size: every call
// loads (and a change saves) the whole file.

#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

const int kProfiles = 10;
const int kBindingsPerProfile = 150;
const int kMacros = 200;
const int kEventsPerMacro = 40;
const int kRounds = 200;

// Milliseconds per call of op, over kRounds calls after one warm-up call.
double msPerCall(const std::function<void()> &op, int callsPerRound = 1)
{
    op();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        op();
    return timer.nsecsElapsed() / 1e6 / kRounds / callsPerRound;
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    xmlInterface store;

    // Ten keyboard profiles of 150 bindings and 17 light items each.
    const QString profiles = dir.filePath("pardexProFile.xml");
    store.createXmlFile(profiles);
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray index = QByteArray::number(p);
        store.addProfile(profiles, index, "Profile" + index, "", "", 0);
    }
    // Built through one document per profile would be faster, but the
    // operations are what the program uses.
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray index = QByteArray::number(p);
        for (int k = 0; k < kBindingsPerProfile; ++k) {
            const QByteArray code = QByteArray::number(k + 4);
            store.addKeyInfo(profiles, index, code, "Key" + code, "0", "1", "1", code);
        }
        for (int effect = 0; effect < 17; ++effect) {
            colorInfoData c;
            std::memset(&c, 0, sizeof c);
            c.ledType = effect;
            c.ledBrightness = 4;
            store.addLightInfo(profiles, index, c);
        }
    }

    const QString macros = dir.filePath("pardexMacro.xml");
    store.createXmlFile(macros);
    QList<macroItemInfo> events;
    for (int e = 0; e < kEventsPerMacro; ++e) {
        macroItemInfo event;
        std::memset(&event, 0, sizeof event);
        fixedTextCopy(event.mark, QByteArray::number(e / 2, 16).toUpper().rightJustified(16, '0'));
        fixedTextCopy(event.delay, QByteArray::number(10 + e));
        fixedTextCopy(event.type, "key");
        fixedTextCopy(event.keyCode, "4");
        fixedTextCopy(event.codeName, "A");
        fixedTextCopy(event.operateExplain, e % 2 ? "up" : "down");
        events.append(event);
    }
    for (int m = 1; m <= kMacros; ++m) {
        const QByteArray index = QByteArray::number(m);
        store.addMacro(macros, index, "Macro" + index);
        store.addMacroItems(macros, events, index);
    }

    print("profile_file_size", QFileInfo(profiles).size() / 1024.0, "KiB");
    print("macro_file_size", QFileInfo(macros).size() / 1024.0, "KiB");

    // The last profile and a key in the middle of its bindings.
    customKeyInfo key;
    print("getKeyInfo", msPerCall([&] { store.getKeyInfo(profiles, "10", "80", key); }), "ms");
    print("addKeyInfo+deleteKeyInfo", msPerCall([&] {
              store.addKeyInfo(profiles, "10", "999", "X", "0", "1", "1", "999");
              store.deleteKeyInfo(profiles, "10", "999");
          }, 2), "ms");
    colorInfoData light;
    print("getLightInfo", msPerCall([&] { store.getLightInfo(profiles, "10", 0, 16, light); }), "ms");

    QList<macroItemInfo> read;
    print("getMacroItems", msPerCall([&] {
              read.clear();
              store.getMacroItems(macros, "200", "", read);
          }), "ms");
    print("updateMacroItem", msPerCall([&] { store.updateMacroItem(macros, "200", "0000000000000013", true, events[0]); }),
          "ms");
    return 0;
}
