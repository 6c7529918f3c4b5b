#include "xmlSaveLeftovers.h"

#include "xmlStoreDocument.h"
#include "xmlStoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

// The suffix QSaveFile gives its temporary file.
const int kTemporarySuffixLength = 6;

bool isTemporarySuffix(const QStringRef &suffix)
{
    if (suffix.size() != kTemporarySuffixLength)
        return false;
    for (const QChar c : suffix) {
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

bool xmlSaveLeftovers::isLeftoverName(const QString &fileName)
{
    for (const char *name : xmlStoreFileNames::kAll) {
        const QLatin1String storeName(name);
        if (fileName.size() == storeName.size() + 1 + kTemporarySuffixLength && fileName.startsWith(storeName)
            && fileName.at(storeName.size()) == QLatin1Char('.')
            && isTemporarySuffix(fileName.midRef(storeName.size() + 1)))
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
        patterns << QLatin1String(name) + QStringLiteral(".??????");
    const QDir dir(folder);
    for (const QString &name : dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!isLeftoverName(name))
            continue;
        if (QFile::remove(dir.filePath(name)))
            xmlStoreDocument::warn(QStringLiteral("removed %1, left by a save that was cut short").arg(dir.filePath(name)));
    }
}
