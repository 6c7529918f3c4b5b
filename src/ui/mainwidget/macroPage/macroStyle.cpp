#include "macroStyle.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

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
