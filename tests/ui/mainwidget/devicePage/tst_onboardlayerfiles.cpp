// A keyboard's on-board files on the real store: configurations added and
// removed in both layers, built-in layouts, Clean layer, FN1 keys, emptied
// keys, and the configuration list's rules.
#include "onboardConfigList.h"
#include "onboardKeyBinding.h"
#include "onboardLayerFiles.h"
#include "onboardTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// "keyCode:operateType:Value" of every item of a layer's configuration.
QStringList items(onboardTestFiles &files, int layer, int config)
{
    QList<customKeyInfo> list;
    files.store.getKeyInfoList(files.layerFile(layer), QByteArray::number(config), list);
    QStringList result;
    for (const customKeyInfo &info : list)
        result << QStringLiteral("%1:%2:%3").arg(fixedText(info.keyCode), fixedText(info.operateType),
                                                 fixedText(info.Value));
    return result;
}

QStringList configIndexes(xmlInterface &store, const QString &path)
{
    xmlIndexNameList list;
    store.getProfileList(path, list);
    QStringList result;
    for (const auto &entry : list)
        result << QString::fromUtf8(entry.first);
    return result;
}

const QStringList kFnModelSeed = {"-10:0:-20", "41:0:41", "38:2:2,38", "39:2:2,39"};
const QStringList kSeed = {"-10:0:-10"};

} // namespace

class tst_OnboardLayerFiles : public QObject
{
    Q_OBJECT

private slots:
    // Only a key binding to the FN1 function is the FN1 key, as the
    // download sends it; another kind carrying -20 is not.
    void fn1Binding_data()
    {
        QTest::addColumn<QString>("keyCode");
        QTest::addColumn<QString>("operateType");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fn1");
        QTest::newRow("FN1 key") << "41" << "0" << "-20" << true;
        QTest::newRow("Fn key of the FN1 model") << "-10" << "0" << "-20" << true;
        QTest::newRow("Fn function") << "41" << "0" << "-10" << false;
        QTest::newRow("another key") << "41" << "0" << "20" << false;
        QTest::newRow("multimedia with -20") << "41" << "3" << "-20" << false;
        QTest::newRow("text -20") << "41" << "6" << "-20" << false;
        QTest::newRow("no binding") << "-1" << "0" << "-20" << false;
    }
    void fn1Binding()
    {
        QFETCH(QString, keyCode);
        QFETCH(QString, operateType);
        QFETCH(QString, value);
        QFETCH(bool, fn1);
        customKeyInfo info{};
        fixedTextCopy(info.keyCode, keyCode.toUtf8());
        fixedTextCopy(info.operateType, operateType.toUtf8());
        fixedTextCopy(info.Value, value.toUtf8());
        QCOMPARE(isFn1Binding(info), fn1);
    }

    void addAndRemoveConfig_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("seed");
        QTest::newRow("ordinary") << "Quissaro" << kSeed;
        QTest::newRow("FN1 model") << "Rulvarro" << kFnModelSeed;
        QTest::newRow("menu variant") << "Varrowen" << kSeed;
    }
    void addAndRemoveConfig()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, seed);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, model);
        QVERIFY(layers.addConfig(3));
        QVERIFY(layers.addConfig(4));
        QCOMPARE(items(files, 0, 3), seed);
        QCOMPARE(items(files, 1, 3), seed);
        QVERIFY(layers.removeConfig(3));
        QCOMPARE(configIndexes(files.store, files.defaultFile), QStringList{"4"});
        QCOMPARE(configIndexes(files.store, files.fn1File), QStringList{"4"});
    }

    // Every built-in layout's first configuration is a whole 6 x 22 layer;
    // the FN1 model's binds Fn to the FN1 layer, the others to Fn.
    void builtInLayouts_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("layout");
        for (const char *model : {"Quissaro", "Rosquine", "Rulvarro", "Varrowen"}) {
            for (int layout : {1, 2, 3})
                QTest::addRow("%s %d", model, layout) << QString::fromLatin1(model) << layout;
        }
    }
    void builtInLayouts()
    {
        QFETCH(QString, model);
        QFETCH(int, layout);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addConfig(5);
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, model);
        QVERIFY(layers.applyFastLayout(0, 5, layout));
        // Stored under the configuration's index, as the file's last element.
        QCOMPARE(configIndexes(files.store, files.defaultFile), (QStringList{"1", "5"}));
        xmlInterface &store = files.store;
        profileInfo info;
        std::memset(&info, 0, sizeof info);
        QVERIFY(store.getProfileInfo(files.defaultFile, "5", info));
        QCOMPARE(QString::fromUtf8(info.name),
                 QStringLiteral("Profile_") + (QStringList{"QWERTY", "Mac", "Dvorak"}).at(layout - 1));
        const QStringList layer = items(files, 0, 5);
        QCOMPARE(layer.size(), 132);
        const QString fn = model == QLatin1String("Rulvarro") ? "-10:0:-20" : "-10:0:-10";
        QVERIFY2(layer.contains(fn), qPrintable(layer.filter("-10:").join(' ')));
    }

    // The FN1 keys of the other layer go, but the FN1 model's Fn.
    void fastLayoutDropsOtherLayersFn1Keys_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("fn1Left");
        QTest::newRow("ordinary") << "Quissaro" << (QStringList{"-10:0:-10", "4:0:5"});
        QTest::newRow("FN1 model") << "Rulvarro"
                                   << (QStringList{"-10:0:-20", "41:0:41", "38:2:2,38", "39:2:2,39", "4:0:5"});
    }
    void fastLayoutDropsOtherLayersFn1Keys()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, fn1Left);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, model);
        QVERIFY(layers.addConfig(1));
        files.bind(1, 1, 57, 0, "-20"); // CapsLock holds FN1
        files.bind(1, 1, 4, 0, "5");
        QVERIFY(layers.applyFastLayout(0, 1, 2));
        QCOMPARE(items(files, 1, 1), fn1Left);
    }

    // A layout that cannot be read leaves the layer as it was.
    void unreadableLayoutKeepsLayer()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, QStringLiteral("Nomodel"));
        QVERIFY(layers.addConfig(1));
        files.bind(0, 1, 4, 0, "5");
        const QByteArray before = onboardTestFiles::contents(files.defaultFile);
        QVERIFY(!layers.applyFastLayout(0, 1, 1));
        QCOMPARE(onboardTestFiles::contents(files.defaultFile), before);
        // A layer number that names no file changes nothing either.
        QVERIFY(!layers.applyFastLayout(2, 1, 1));
        QCOMPARE(onboardTestFiles::contents(files.defaultFile), before);
    }

    void cleanLayer_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QStringList>("cleaned");
        QTest::addColumn<QStringList>("other");
        QTest::newRow("ordinary, keep") << "Quissaro" << true << (QStringList{"-10:0:-10", "57:0:-20"})
                                        << (QStringList{"-10:0:-10", "57:0:-20", "4:0:5"});
        QTest::newRow("ordinary, drop") << "Quissaro" << false << kSeed << (QStringList{"-10:0:-10", "4:0:5"});
        // The seeded Fn is not bound twice.
        QTest::newRow("FN1 model, keep") << "Rulvarro" << true << (kFnModelSeed + QStringList{"57:0:-20"})
                                         << (kFnModelSeed + QStringList{"57:0:-20", "4:0:5"});
        QTest::newRow("FN1 model, drop") << "Rulvarro" << false << kFnModelSeed << (kFnModelSeed + QStringList{"4:0:5"});
    }
    void cleanLayer()
    {
        QFETCH(QString, model);
        QFETCH(bool, keep);
        QFETCH(QStringList, cleaned);
        QFETCH(QStringList, other);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, model);
        QVERIFY(layers.addConfig(1));
        QVERIFY(layers.applyFastLayout(0, 1, 1));
        files.bind(1, 1, 57, 0, "-20");
        files.bind(1, 1, 4, 0, "5");
        QVERIFY(layers.cleanLayer(0, 1, keep));
        QCOMPARE(items(files, 0, 1), cleaned);
        QCOMPARE(items(files, 1, 1), other);
    }

    void fn1KeysAndEmptying()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        onboardLayerFiles layers(&files.store, files.defaultFile, files.fn1File, QStringLiteral("Quissaro"));
        QVERIFY(layers.addConfig(1));
        files.bind(0, 1, 4, 0, "41");
        QVERIFY(layers.setFn1Key(1, 57, QStringLiteral("Caps")));
        QCOMPARE(items(files, 0, 1), (QStringList{"-10:0:-10", "4:0:41", "57:0:-20"}));
        QCOMPARE(items(files, 1, 1), (QStringList{"-10:0:-10", "57:0:-20"}));
        QCOMPARE(fixedText(files.binding(1, 1, 57).keyChar), QStringLiteral("Caps"));

        // An FN1 key goes from both layers; any other key from its layer only.
        files.bind(1, 1, 4, 3, "2");
        QCOMPARE(layers.emptyKey(1, 1, 57), onboardLayerFiles::Emptied);
        QCOMPARE(layers.emptyKey(1, 1, 4), onboardLayerFiles::Emptied);
        QCOMPARE(items(files, 0, 1), (QStringList{"-10:0:-10", "4:0:41"}));
        QCOMPARE(items(files, 1, 1), kSeed);
        QCOMPARE(layers.emptyKey(1, 1, 4), onboardLayerFiles::NothingBound);
        QCOMPARE(layers.emptyKey(5, 1, 4), onboardLayerFiles::Failed);
    }

    void newConfigIndex_data()
    {
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<int>("index");
        QTest::newRow("empty") << QList<int>{} << 1;
        QTest::newRow("gap") << QList<int>{1, 2, 4} << 3;
        QTest::newRow("no 1") << QList<int>{2, 3} << 1;
        QTest::newRow("full") << QList<int>{1, 2, 3} << 4;
    }
    void newConfigIndex()
    {
        QFETCH(QList<int>, indexes);
        QFETCH(int, index);
        QCOMPARE(onboardConfigList::newConfigIndex(indexes), index);
        QCOMPARE(onboardConfigList::newConfigName(index), QStringLiteral("NewConfig%1").arg(index));
    }

    void currentIndex_data()
    {
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("current");
        QTest::newRow("listed") << QList<int>{1, 3} << 3 << 3;
        QTest::newRow("not listed") << QList<int>{2, 3} << 1 << 2;
        QTest::newRow("empty list") << QList<int>{} << 1 << 1;
    }
    void currentIndex()
    {
        QFETCH(QList<int>, indexes);
        QFETCH(int, stored);
        QFETCH(int, current);
        QCOMPARE(onboardConfigList::currentIndex(indexes, stored), current);
    }

    // One index for the list and both layers, above all three even when
    // they have drifted apart.
    void importIndexOverAllFiles()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        const onboardConfigList::files f{files.listFile, files.defaultFile, files.fn1File};
        QCOMPARE(onboardConfigList::importIndex(&files.store, f), 2);
        files.store.addProfile(files.fn1File, "6", "Stray", "", "", 0);
        QCOMPARE(onboardConfigList::importIndex(&files.store, f), 7);
        files.store.addMacro(files.listFile, "9", "NewConfig9");
        QCOMPARE(onboardConfigList::importIndex(&files.store, f), 10);
    }

    void importableFiles_data()
    {
        QTest::addColumn<int>("configs");
        QTest::addColumn<bool>("importable");
        QTest::newRow("one") << 1 << false;
        QTest::newRow("two") << 2 << true;
        QTest::newRow("three") << 3 << false;
        QTest::newRow("garbage") << -1 << false;
    }
    void importableFiles()
    {
        QFETCH(int, configs);
        QFETCH(bool, importable);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.xml"));
        xmlInterface store;
        if (configs < 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<Parameters><config index=\"5\"");
        } else {
            store.createXmlFile(path);
            for (int i = 0; i < configs; ++i)
                store.addProfile(path, QByteArray::number(5 + i), "P", "", "", 0);
        }
        QByteArray first, second;
        QCOMPARE(onboardConfigList::importableConfigs(&store, path, first, second), importable);
        if (importable)
            QCOMPARE(first + "," + second, QByteArray("5,6"));
    }

    // First use makes the three files; a list that does not parse has its
    // files moved aside first; a good list is left alone.
    void prepareFiles_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("created");
        QTest::addColumn<bool>("backups");
        QTest::newRow("first use") << QByteArray() << true << false;
        QTest::newRow("list broken") << QByteArray("<Parameters profileIndex=") << true << true;
        QTest::newRow("list missing beside layers") << QByteArray("-") << true << true;
        QTest::newRow("ready") << QByteArray("ok") << false << false;
    }
    void prepareFiles()
    {
        QFETCH(QByteArray, list);
        QFETCH(bool, created);
        QFETCH(bool, backups);
        QTemporaryDir dir;
        const onboardConfigList::files f = onboardConfigList::filesIn(dir.path());
        xmlInterface store;
        QByteArray layerBefore;
        if (!list.isEmpty()) {
            onboardTestFiles files(dir.path());
            files.addConfig(1);
            layerBefore = onboardTestFiles::contents(f.defaultLayer);
            QFile::remove(f.list);
            if (list != "-") {
                QFile file(f.list);
                QVERIFY(file.open(QIODevice::WriteOnly));
                if (list == "ok")
                    file.write(onboardTestFiles::contents(files.macroFile)); // a good, empty list
                else
                    file.write(list);
            }
        }
        bool made = false;
        QVERIFY(onboardConfigList::prepareFiles(&store, f, made));
        QCOMPARE(made, created);
        QCOMPARE(QFileInfo::exists(f.defaultLayer + ".bak"), backups);
        if (backups)
            QCOMPARE(onboardTestFiles::contents(f.defaultLayer + ".bak"), layerBefore);
        xmlIndexNameList entries;
        QVERIFY(store.getMacroList(f.list, entries));
        if (created) {
            QCOMPARE(configIndexes(store, f.defaultLayer), QStringList());
            QCOMPARE(configIndexes(store, f.fn1Layer), QStringList());
        } else {
            QCOMPARE(onboardTestFiles::contents(f.defaultLayer), layerBefore);
        }
    }
};

QTEST_GUILESS_MAIN(tst_OnboardLayerFiles)
#include "tst_onboardlayerfiles.moc"
