#pragma once

// What the keyboard view tests share: the device-model table the main
// window would hand the data manager, read from the shipped hidList.xml.

#include "DDataManager.h"
#include "ReadOnlyDataFile.h"
#include "xmlInterface.h"

#include <QMap>
#include <QString>

namespace keyboardViewFixture {

inline QList<hidModelInfo> shippedModels()
{
    const ReadOnlyDataFile file(QStringLiteral("hidList.xml"), false);
    xmlInterface store;
    QList<hidModelInfo> models;
    store.getHidModelList(file.path(), models);
    return models;
}

// Gives the data manager the shipped model table; true when there was one.
inline bool installShippedModels()
{
    QMap<QString, hidModelInfo> map;
    for (const hidModelInfo &model : shippedModels())
        map.insert(QString::fromUtf8(model.hidName), model);
    DDataManager::instance()->setHidModelMap(map);
    return !map.isEmpty();
}

} // namespace keyboardViewFixture
