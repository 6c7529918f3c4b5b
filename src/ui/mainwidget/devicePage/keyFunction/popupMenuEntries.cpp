#include "popupMenuEntries.h"

#include "themeColorInfo.h"

#include <QMouseEvent>
#include <QWidget>

QString popupMenuEntryStyleSheet(const themeColorInfo &theme)
{
    return QStringLiteral("QLabel{ color: rgb(%1); font: bold 12pt \"%2\"; background-color: rgb(%3); } "
                          "QLabel:hover{ background-color: rgb(%4); } "
                          "QLabel:pressed{ background-color: rgb(%5); }")
        .arg(theme.DeviceLeftAreaItemTextDefaultColor, theme.TextFont, theme.DeviceCenterBgColor,
             theme.DeviceLeftAreaItemHoverColor, theme.DeviceLeftAreaItemSelectedColor);
}

bool isPopupMenuEntryChosen(const QObject *watched, const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *entry = qobject_cast<const QWidget *>(watched);
    const auto *release = static_cast<const QMouseEvent *>(event);
    // The entry keeps the mouse grab from its press, so the release may lie elsewhere.
    return entry && entry->rect().contains(release->pos());
}
