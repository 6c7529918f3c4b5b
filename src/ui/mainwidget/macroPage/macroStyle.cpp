#include "macroStyle.h"

#include <QStringList>
#include <QStyle>
#include <QVariant>
#include <QWidget>

QString cssColor(const QString &themeText)
{
    const QStringList parts = themeText.split(QLatin1Char(','));
    if (parts.size() < 4)
        return QStringLiteral("rgb(%1)").arg(themeText);
    const double alpha = qBound(0, parts.at(3).trimmed().toInt(), 255) / 255.0;
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(parts.at(0).trimmed(), parts.at(1).trimmed(), parts.at(2).trimmed(), QString::number(alpha, 'f', 3));
}

void setStyleProperty(QWidget *widget, const char *name, const char *value)
{
    if (widget->property(name).toByteArray() == value)
        return;
    widget->setProperty(name, QByteArray(value));
    // Before its first polish the widget takes the value then.
    if (widget->testAttribute(Qt::WA_WState_Polished)) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
        widget->update();
    }
}
