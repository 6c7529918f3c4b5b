#pragma once

// Files of a realistic size for the key-binding benchmarks: a profile file of
// ten profiles with every key of a full-size keyboard bound (104 bindings of
// every kind, 17 light items each), and a macro file.

#include "xmlInterface.h"

#include <QElapsedTimer>
#include <QMap>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace keyBindingBench {

constexpr int kProfiles = 10;
constexpr int kBindings = 104;

// Captions of the bound keys.
inline QMap<int, QString> keyNames()
{
    QMap<int, QString> names;
    for (int usage = 4; usage < 4 + kBindings; ++usage)
        names.insert(usage, QStringLiteral("Key%1").arg(usage));
    return names;
}

inline void buildProfileFile(xmlInterface &store, const QString &path)
{
    store.createXmlFile(path);
    store.addProfile(path, "1", "Profile1", "", "", 0);
    // One profile through the store's own operations, then copied.
    for (int k = 0; k < kBindings; ++k) {
        const QByteArray code = QByteArray::number(k + 4);
        const int type = k % 10;
        QByteArray value = QByteArray::number(k % 12);
        if (type == 2)
            value = "3," + code;
        else if (type == 6)
            value = "Kind regards, the team";
        else if (type == 7)
            value = QByteArray::number(1 + k % kProfiles);
        else if (type == 8)
            value = "/usr/bin/gimp";
        store.addKeyInfo(path, "1", code, "Key" + code, QByteArray::number(type), "1", type == 1 ? "2" : "1",
                         value);
    }
    for (int effect = 0; effect < 17; ++effect) {
        colorInfoData c;
        std::memset(&c, 0, sizeof c);
        c.ledType = effect;
        store.addLightInfo(path, "1", c);
    }
    for (int p = 2; p <= kProfiles; ++p)
        store.copyProfileWithIndex(path, p, path, "1");
}

inline void buildMacroFile(xmlInterface &store, const QString &path, int macros, int eventsPerMacro)
{
    store.createXmlFile(path);
    QList<macroItemInfo> events;
    for (int e = 0; e < eventsPerMacro; ++e) {
        macroItemInfo event;
        std::memset(&event, 0, sizeof event);
        fixedTextCopy(event.mark, QByteArray::number(e / 2, 16).rightJustified(16, '0'));
        fixedTextCopy(event.delay, QByteArray::number(10 + e));
        fixedTextCopy(event.type, "key");
        fixedTextCopy(event.keyCode, QByteArray::number(4 + e / 2));
        fixedTextCopy(event.codeName, "A");
        fixedTextCopy(event.operateExplain, e % 2 ? "up" : "down");
        events.append(event);
    }
    for (int m = 1; m <= macros; ++m) {
        const QByteArray index = QByteArray::number(m);
        store.addMacro(path, index, "Macro " + index);
        store.addMacroItems(path, events, index);
    }
}

// The median milliseconds of rounds runs of op, each after prepare (untimed).
inline double medianMs(int rounds, const std::function<void()> &op,
                       const std::function<void()> &prepare = [] {})
{
    std::vector<double> times;
    prepare();
    op(); // warm-up
    for (int i = 0; i < rounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        op();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace keyBindingBench
