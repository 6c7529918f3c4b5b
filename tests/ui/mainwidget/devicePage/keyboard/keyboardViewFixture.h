#pragma once

// What the keyboard view tests share: the device-model table the main
// window would hand the data manager, read from the shipped hidList.xml, and
// the mouse and hover events the tests send.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "ReadOnlyDataFile.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QMap>
#include <QMouseEvent>
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

// Qt 5's QTest::mouseMove carries no held button, so drags are sent by hand.
inline void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// QEvent::Enter or QEvent::Leave.
inline void hover(QWidget *target, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(target, &event);
}

// The keyboard view's hover pop-ups now shown (they are top-level windows).
inline QList<ArrowWidget *> shownKeyTips()
{
    QList<ArrowWidget *> tips;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *tip = qobject_cast<ArrowWidget *>(w))
            if (tip->isVisible())
                tips << tip;
    return tips;
}

} // namespace keyboardViewFixture
