#include "deviceNames.h"

#include "DDataManager.h"

#include <QLabel>

QString deviceProductName(const QString &hidName)
{
    return DDataManager::instance()->getProductNameMap().value(hidName);
}

QString deviceDisplayName(const QString &hidName)
{
    const QString likeName = DDataManager::instance()->getLikeNameMap().value(hidName);
    return likeName.isEmpty() ? hidName : likeName;
}

QFont deviceNameFont(int kind, int pointSize)
{
    QFont font = DDataManager::instance()->getFont(kind);
    font.setPointSize(pointSize);
    return font;
}

void showProductName(QLabel *label, const QString &productName, int pointSize)
{
    // Touched only on a change: a label shown explicitly before its window
    // misses later style sheets of its parent.
    if (label->isHidden() != productName.isEmpty())
        label->setVisible(!productName.isEmpty());
    if (!productName.isEmpty()) {
        label->setFont(deviceNameFont(kProductNameFontKind, pointSize));
        label->setText(productName);
    }
}
