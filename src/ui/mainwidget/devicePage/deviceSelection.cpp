#include "deviceSelection.h"

namespace deviceSelection {

namespace {

int typeOf(const QList<attachedDevice> &attached, const QString &path)
{
    for (const attachedDevice &d : attached) {
        if (d.path == path)
            return d.type;
    }
    return -1;
}

bool contains(const QList<attachedDevice> &attached, const QString &path)
{
    for (const attachedDevice &d : attached) {
        if (d.path == path)
            return true;
    }
    return false;
}

} // namespace

QStringList onNewList(const QList<attachedDevice> &attached)
{
    QStringList selections;
    if (attached.isEmpty())
        return selections;
    selections.append(attached.first().path);
    for (const attachedDevice &d : attached) {
        if (d.type != attached.first().type) {
            selections.append(d.path);
            break;
        }
    }
    return selections;
}

QStringList afterChange(const QList<attachedDevice> &attached, const QString &selectedPath, int selectedType,
                        const hidPathChanges &changes)
{
    QStringList selections;
    QString current = selectedPath;
    int currentType = selectedType;
    auto select = [&](const QString &path) {
        selections.append(path);
        current = path;
        currentType = typeOf(attached, path);
    };

    if (!selectedPath.isEmpty() && changes.removed.contains(selectedPath)) {
        current.clear();
        currentType = -1;
        QString target;
        if (contains(attached, selectedPath)) {
            target = selectedPath;
        } else {
            for (const attachedDevice &d : attached) {
                if (d.type == selectedType) {
                    target = d.path;
                    break;
                }
            }
            if (target.isEmpty() && !attached.isEmpty())
                target = attached.first().path;
        }
        if (!target.isEmpty())
            select(target);
    }

    for (const QString &path : changes.added) {
        if (path == current || !contains(attached, path))
            continue;
        if (attached.size() == 1 || current.isEmpty() || typeOf(attached, path) != currentType)
            select(path);
    }
    return selections;
}

bool hasType(const QList<attachedDevice> &attached, int type)
{
    for (const attachedDevice &d : attached) {
        if (d.type == type)
            return true;
    }
    return false;
}

} // namespace deviceSelection
