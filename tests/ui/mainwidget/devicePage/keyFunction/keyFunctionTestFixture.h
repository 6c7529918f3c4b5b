#pragma once

// A profile file and a macro file on disk, the store over them, and helpers
// to read back what a key holds. Shared by the key-function tests.

#include "keyFunctionCatalogue.h"
#include "xmlInterface.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

struct StoredBinding
{
    int operateType = -1;
    QByteArray value;
    int mode = 0;
    int repeatNum = 0;

    bool operator==(const StoredBinding &o) const
    {
        return operateType == o.operateType && value == o.value && mode == o.mode && repeatNum == o.repeatNum;
    }
};

inline char *toString(const StoredBinding &b)
{
    return QTest::toString(QStringLiteral("{type %1, Value \"%2\", mode %3, repeat %4}")
                               .arg(b.operateType)
                               .arg(QString::fromUtf8(b.value))
                               .arg(b.mode)
                               .arg(b.repeatNum));
}

Q_DECLARE_METATYPE(StoredBinding)

inline StoredBinding binding(int type, const QByteArray &value, int mode = 1, int repeat = 1)
{
    return StoredBinding{type, value, mode, repeat};
}

inline StoredBinding noBinding()
{
    return StoredBinding{};
}

// The caption map of a small keyboard (HID usages).
inline QMap<int, QString> testKeyNames()
{
    return {{4, QStringLiteral("A")},      {5, QStringLiteral("B")},      {6, QStringLiteral("C")},
            {30, QStringLiteral("1")},     {40, QStringLiteral("Enter")}, {224, QStringLiteral("L_Ctrl")},
            {225, QStringLiteral("L_Shift")}, {226, QStringLiteral("L_Alt")}, {227, QStringLiteral("L_Win")},
            {228, QStringLiteral("R_Ctrl")}, {229, QStringLiteral("R_Shift")}, {230, QStringLiteral("R_Alt")},
            {231, QStringLiteral("Win/Command")}};
}

class KeyFunctionFixture
{
public:
    static constexpr int kKey = 4; // the key the pages bind
    static constexpr int kOtherKey = 30;

    KeyFunctionFixture()
    {
        profilePath = dir.filePath(QStringLiteral("pardexProFile.xml"));
        macroPath = dir.filePath(QStringLiteral("pardexMacro.xml"));
        layerPath = dir.filePath(QStringLiteral("OnboardDefaultProFile.xml"));
        // The files are built once per test program and copied: each store
        // write is a synced save.
        const KeyFunctionFixture &model = templateFiles();
        for (const auto &file : {qMakePair(model.profilePath, profilePath), qMakePair(model.macroPath, macroPath),
                                 qMakePair(model.layerPath, layerPath)})
            QVERIFY(QFile::copy(file.first, file.second));
    }

    static const KeyFunctionFixture &templateFiles()
    {
        static const KeyFunctionFixture model(BuildFiles{});
        return model;
    }

    void addMacro(const QByteArray &index, const QByteArray &name, const QList<QByteArray> &marks)
    {
        QVERIFY(xml.addMacro(macroPath, index, name));
        QList<macroItemInfo> items;
        for (const QByteArray &mark : marks) {
            for (const char *explain : {"down", "up"}) {
                macroItemInfo item;
                std::memset(&item, 0, sizeof item);
                fixedTextCopy(item.mark, mark);
                fixedTextCopy(item.delay, "20");
                fixedTextCopy(item.type, "key");
                fixedTextCopy(item.keyCode, "4");
                fixedTextCopy(item.codeName, "A");
                fixedTextCopy(item.operateExplain, explain);
                items.append(item);
            }
        }
        QVERIFY(xml.addMacroItems(macroPath, items, index));
    }

    // Stores a binding as a page would, without a page.
    void bind(int key, const StoredBinding &b, const QString &path = QString(), const QByteArray &profile = "1")
    {
        const QString file = path.isEmpty() ? profilePath : path;
        xml.deleteKeyInfo(file, profile, QByteArray::number(key));
        const QByteArray caption = testKeyNames().value(key, QStringLiteral("K%1").arg(key)).toUtf8();
        QVERIFY(xml.addKeyInfo(file, profile, QByteArray::number(key), caption, QByteArray::number(b.operateType),
                               QByteArray::number(b.repeatNum), QByteArray::number(b.mode), b.value));
    }

    customKeyInfo record(int key, const QString &path = QString(), const QByteArray &profile = "1")
    {
        customKeyInfo info = keyFunctionCatalogue::emptyRecord();
        xml.getKeyInfo(path.isEmpty() ? profilePath : path, profile, QByteArray::number(key), info);
        return info;
    }

    StoredBinding stored(int key, const QString &path = QString(), const QByteArray &profile = "1")
    {
        const customKeyInfo info = record(key, path, profile);
        if (!keyFunctionCatalogue::isBound(info))
            return noBinding();
        return StoredBinding{QByteArray(info.operateType).toInt(), QByteArray(info.Value),
                             QByteArray(info.mode).toInt(), QByteArray(info.repeatNum).toInt()};
    }

    int itemsOf(int key, const QString &path = QString(), const QByteArray &profile = "1")
    {
        QList<QByteArray> codes;
        xml.getKeyCodeList(path.isEmpty() ? profilePath : path, profile, codes);
        return codes.count(QByteArray::number(key));
    }

    bool hasMacroCopy(int macroIndex, const QString &path = QString(), const QByteArray &profile = "1")
    {
        QList<macroItemInfo> items;
        return xml.getBindMacroItems(path.isEmpty() ? profilePath : path, profile, QByteArray::number(macroIndex),
                                     items);
    }

    QList<macroItemInfo> macroCopy(int macroIndex, const QByteArray &profile = "1")
    {
        QList<macroItemInfo> items;
        xml.getBindMacroItems(profilePath, profile, QByteArray::number(macroIndex), items);
        return items;
    }

    static QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A program file the application page can choose.
    QString programFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n");
        return path;
    }

private:
    struct BuildFiles
    {
    };

    explicit KeyFunctionFixture(BuildFiles)
    {
        profilePath = dir.filePath(QStringLiteral("pardexProFile.xml"));
        macroPath = dir.filePath(QStringLiteral("pardexMacro.xml"));
        layerPath = dir.filePath(QStringLiteral("OnboardDefaultProFile.xml"));
        QVERIFY(xml.createXmlFile(profilePath));
        QVERIFY(xml.addProfile(profilePath, "1", "Work", "", "", 0));
        QVERIFY(xml.addProfile(profilePath, "2", "Game", "", "", 0));
        QVERIFY(xml.addProfile(profilePath, "3", "Game", "", "", 0));
        QVERIFY(xml.createXmlFile(layerPath));
        QVERIFY(xml.addProfile(layerPath, "1", "Layer 1", "", "", 0));
        QVERIFY(xml.addProfile(layerPath, "3", "Layer 3", "", "", 0));
        QVERIFY(xml.createXmlFile(macroPath));
        addMacro("2", "Copy", {"a"});
        addMacro("3", "Burst", {"b", "c"});
        addMacro("5", "Burst", {"d"});
    }

public:
    QTemporaryDir dir;
    xmlInterface xml;
    QString profilePath;
    QString macroPath;
    QString layerPath;
};
