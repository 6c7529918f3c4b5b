#pragma once

// Small on-board fixtures on the real store: layer files with one
// configuration, bindings, and macros of a given length.

#include "FixedText.h"
#include "xmlInterface.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cstring>

struct onboardTestFiles
{
    explicit onboardTestFiles(const QString &folder)
        : defaultFile(folder + QStringLiteral("/OnboardDefaultProFile.xml")),
          fn1File(folder + QStringLiteral("/OnboardFN1ProFile.xml")),
          listFile(folder + QStringLiteral("/pardexOnboardProFile.xml")),
          macroFile(folder + QStringLiteral("/pardexMacro.xml"))
    {
        store.createXmlFile(defaultFile);
        store.createXmlFile(fn1File);
        store.createXmlFile(listFile);
        store.createXmlFile(macroFile);
    }

    void addConfig(int index)
    {
        const QByteArray text = QByteArray::number(index);
        store.addProfile(defaultFile, text, "Profile" + text, "", "", 0);
        store.addProfile(fn1File, text, "Profile" + text, "", "", 0);
        store.addMacro(listFile, text, "NewConfig" + text);
    }

    QString layerFile(int layer) const { return layer == 0 ? defaultFile : fn1File; }

    void bind(int layer, int config, int keyCode, int type, const QByteArray &value,
              const QByteArray &mode = "1", const QByteArray &repeat = "1")
    {
        store.deleteKeyInfo(layerFile(layer), QByteArray::number(config), QByteArray::number(keyCode));
        store.addKeyInfo(layerFile(layer), QByteArray::number(config), QByteArray::number(keyCode), "K",
                         QByteArray::number(type), repeat, mode, value);
    }

    // A macro of `events` key events (press and release of key 4, 300 ms apart).
    void addMacro(int index, const QByteArray &name, int events)
    {
        store.addMacro(macroFile, QByteArray::number(index), name);
        QList<macroItemInfo> items;
        for (int i = 0; i < events; ++i) {
            macroItemInfo item;
            std::memset(&item, 0, sizeof item);
            fixedTextCopy(item.mark, QByteArray::number(i / 2));
            fixedTextCopy(item.delay, "300");
            fixedTextCopy(item.type, "key");
            fixedTextCopy(item.keyCode, "4");
            fixedTextCopy(item.codeName, "A");
            fixedTextCopy(item.operateExplain, i % 2 == 0 ? "down" : "up");
            items.append(item);
        }
        store.addMacroItems(macroFile, items, QByteArray::number(index));
    }

    customKeyInfo binding(int layer, int config, int keyCode)
    {
        customKeyInfo info;
        std::memset(&info, 0, sizeof info);
        fixedTextCopy(info.keyCode, "-1");
        store.getKeyInfo(layerFile(layer), QByteArray::number(config), QByteArray::number(keyCode), info);
        return info;
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    xmlInterface store;
    QString defaultFile;
    QString fn1File;
    QString listFile;
    QString macroFile;
};
