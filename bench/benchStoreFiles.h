#pragma once

// The store files of a heavy user, built through the store's operations as
// the program builds them: ten keyboard profiles of 150 bindings and 17 light
// items each, and 200 macros of 40 events.

#include "xmlInterface.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>

namespace benchStoreFiles {

constexpr int kProfiles = 10;
constexpr int kBindingsPerProfile = 150;
constexpr int kLightItemsPerProfile = 17;
constexpr int kMacros = 200;
constexpr int kEventsPerMacro = 40;

// Key codes 4 to 153 bound to themselves in every profile.
inline void writeProfiles(xmlInterface &store, const QString &path)
{
    store.createXmlFile(path);
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray index = QByteArray::number(p);
        store.addProfile(path, index, "Profile" + index, "", "", 0);
    }
    for (int p = 1; p <= kProfiles; ++p) {
        const QByteArray index = QByteArray::number(p);
        for (int k = 0; k < kBindingsPerProfile; ++k) {
            const QByteArray code = QByteArray::number(k + 4);
            store.addKeyInfo(path, index, code, "Key" + code, "0", "1", "1", code);
        }
        for (int effect = 0; effect < kLightItemsPerProfile; ++effect) {
            colorInfoData c;
            std::memset(&c, 0, sizeof c);
            c.ledType = effect;
            c.ledBrightness = 4;
            store.addLightInfo(path, index, c);
        }
    }
}

// One macro's events: a press and a release per mark.
inline QList<macroItemInfo> macroEvents()
{
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
    return events;
}

inline void writeMacros(xmlInterface &store, const QString &path)
{
    store.createXmlFile(path);
    const QList<macroItemInfo> events = macroEvents();
    for (int m = 1; m <= kMacros; ++m) {
        const QByteArray index = QByteArray::number(m);
        store.addMacro(path, index, "Macro" + index);
        store.addMacroItems(path, events, index);
    }
}

} // namespace benchStoreFiles
