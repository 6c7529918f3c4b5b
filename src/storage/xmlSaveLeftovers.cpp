#include "xmlSaveLeftovers.h"

#include "xmlStoreDocument.h"
#include "xmlStoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

const char *const xmlSaveLeftovers::kMarker = ".velmora-save-";

namespace {

const char kRandomCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool isRandomPart(const QStringRef &part)
{
    if (part.size() != xmlSaveLeftovers::kRandomLength)
        return false;
    for (const QChar c : part) {
        if (!(c >= QLatin1Char('a') && c <= QLatin1Char('z')) && !(c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    }
    return true;
}

} // namespace

QSet<QString> &xmlSaveLeftovers::tidiedFolders()
{
    static QSet<QString> *folders = new QSet<QString>; // outlives every thread, like the cache
    return *folders;
}

QString xmlSaveLeftovers::temporaryNameFor(const QString &filePath)
{
    QString name = filePath + QLatin1String(kMarker);
    for (int i = 0; i < kRandomLength; ++i)
        name += QLatin1Char(kRandomCharacters[QRandomGenerator::global()->bounded(int(sizeof kRandomCharacters) - 1)]);
    return name;
}

bool xmlSaveLeftovers::isLeftoverName(const QString &fileName)
{
    const QLatin1String marker(kMarker);
    for (const char *name : xmlStoreFileNames::kAll) {
        const QLatin1String storeName(name);
        const int prefix = storeName.size() + marker.size();
        if (fileName.size() == prefix + kRandomLength && fileName.startsWith(storeName)
            && fileName.midRef(storeName.size(), marker.size()) == marker && isRandomPart(fileName.midRef(prefix)))
            return true;
    }
    return false;
}

void xmlSaveLeftovers::tidyFolderOnce(const QString &filePath)
{
    const int slash = filePath.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : filePath.left(qMax(slash, 1));
    if (tidiedFolders().contains(folder))
        return;
    tidiedFolders().insert(folder);

    QStringList patterns;
    for (const char *name : xmlStoreFileNames::kAll)
        patterns << QLatin1String(name) + QLatin1String(kMarker) + QStringLiteral("*");
    const QDir dir(folder);
    for (const QString &name : dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!isLeftoverName(name))
            continue;
        if (QFile::remove(dir.filePath(name)))
            xmlStoreDocument::warn(QStringLiteral("removed %1, left by a save that was cut short").arg(dir.filePath(name)));
    }
}
