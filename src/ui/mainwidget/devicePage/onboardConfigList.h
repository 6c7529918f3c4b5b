#pragma once

// Rules of a keyboard's on-board configuration list: the list file names the
// configurations (index and name), the two layer files hold their layers
// under the same index. Plain code on the store.

#include "xmlRecords.h"

#include <QList>
#include <QString>

class xmlInterface;

namespace onboardConfigList {

struct files
{
    QString list;
    QString defaultLayer;
    QString fn1Layer;
};

// The three files of a device folder.
files filesIn(const QString &deviceFolder);

// The smallest free index at or above 1 (indexes in ascending order).
int newConfigIndex(const QList<int> &indexes);
QString newConfigName(int index);

// The stored current index when the list has it, else the lowest listed.
int currentIndex(const QList<int> &indexes, int stored);

// Index of an imported configuration: one for the list and both layers,
// above every index any of the three files uses.
int importIndex(xmlInterface *store, const files &f);

// An importable file holds exactly two configurations: the default layer,
// then the FN1 layer. Their index texts in that order.
bool importableConfigs(xmlInterface *store, const QString &path, QByteArray &defaultIndex,
                       QByteArray &fn1Index);

// Writes the configuration's layers to path: the default layer as `config`
// index, the FN1 layer as index + 1, after what an existing file holds. The
// file is made beside the path and renamed into place, so a failure leaves
// the path as it was.
bool exportConfig(xmlInterface *store, const files &f, int index, const QString &path);

// Makes the three files when the list is missing or unreadable; layer files
// found then are moved aside to ".bak" first, not overwritten. created tells
// whether this was the first use. False when a file could not be made.
bool prepareFiles(xmlInterface *store, const files &f, bool &created);

// The indexes of a list, ascending.
QList<int> indexesOf(const xmlIndexNameList &list);

} // namespace onboardConfigList
