#include "onboardConfigList.h"

#include "xmlInterface.h"
#include "xmlStoreFileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace onboardConfigList {

namespace {

int largestIndex(xmlInterface *store, const QString &path)
{
    xmlIndexNameList list;
    store->getProfileList(path, list);
    int largest = 0;
    for (const auto &entry : list)
        largest = std::max(largest, entry.first.toInt());
    return largest;
}

// Moves a file aside, replacing an older ".bak".
bool moveAside(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    return QFile::rename(path, backup);
}

} // namespace

files filesIn(const QString &deviceFolder)
{
    const auto in = [&deviceFolder](const char *name) { return deviceFolder + QLatin1Char('/') + QLatin1String(name); };
    return {in(xmlStoreFileNames::kOnboardListFile), in(xmlStoreFileNames::kOnboardDefaultLayerFile),
            in(xmlStoreFileNames::kOnboardFn1LayerFile)};
}

int newConfigIndex(const QList<int> &indexes)
{
    int previous = 0;
    for (int value : indexes) {
        if (value - previous > 1)
            return previous + 1;
        previous = value;
    }
    return previous + 1;
}

QString newConfigName(int index) { return QStringLiteral("NewConfig%1").arg(index); }

int currentIndex(const QList<int> &indexes, int stored)
{
    if (indexes.isEmpty() || indexes.contains(stored))
        return stored;
    return *std::min_element(indexes.begin(), indexes.end());
}

int importIndex(xmlInterface *store, const files &f)
{
    return std::max({largestIndex(store, f.list), largestIndex(store, f.defaultLayer),
                     largestIndex(store, f.fn1Layer)})
           + 1;
}

bool importableConfigs(xmlInterface *store, const QString &path, QByteArray &defaultIndex,
                       QByteArray &fn1Index)
{
    xmlIndexNameList list;
    if (!store->getProfileList(path, list) || list.size() != 2)
        return false;
    defaultIndex = list.at(0).first;
    fn1Index = list.at(1).first;
    return true;
}

bool exportConfig(xmlInterface *store, const files &f, int index, const QString &path)
{
    const QFileInfo info(path);
    const bool appending = info.isFile();
    // A link is followed: the file it names takes the export.
    const QFileInfo target(appending ? info.canonicalFilePath() : info.absoluteFilePath());
    // Beside the target, so that the rename stays on one file system.
    QTemporaryDir work(target.absolutePath() + QStringLiteral("/.onboard-export-XXXXXX"));
    if (!work.isValid())
        return false;
    const QString draft = work.filePath(target.fileName());
    const QByteArray value = QByteArray::number(index);
    bool ok = appending ? QFile::copy(target.filePath(), draft) : store->createXmlFile(draft);
    ok = ok && store->exportProfile(f.defaultLayer, draft, value, false);
    ok = ok && store->exportProfile(f.fn1Layer, draft, value, true);
    return ok
           && std::rename(QFile::encodeName(draft).constData(), QFile::encodeName(target.filePath()).constData())
                  == 0;
}

bool prepareFiles(xmlInterface *store, const files &f, bool &created)
{
    xmlIndexNameList list;
    created = !store->getMacroList(f.list, list);
    if (!created)
        return true;
    bool ok = true;
    for (const QString &path : {f.list, f.defaultLayer, f.fn1Layer})
        ok = moveAside(path) && ok;
    for (const QString &path : {f.list, f.defaultLayer, f.fn1Layer})
        ok = store->createXmlFile(path) && ok;
    return ok;
}

QList<int> indexesOf(const xmlIndexNameList &list)
{
    QList<int> indexes;
    for (const auto &entry : list)
        indexes.append(entry.first.toInt());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

} // namespace onboardConfigList
