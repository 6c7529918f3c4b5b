#include "hidPathChanges.h"

hidPathChanges hidPathChanges::compare(const QStringList &taken, const QStringList &latest)
{
    hidPathChanges changes;
    for (const QString &path : latest) {
        if (!taken.contains(path) && !changes.added.contains(path))
            changes.added.append(path);
    }
    for (const QString &path : taken) {
        if (!latest.contains(path) && !changes.removed.contains(path))
            changes.removed.append(path);
    }
    return changes;
}
