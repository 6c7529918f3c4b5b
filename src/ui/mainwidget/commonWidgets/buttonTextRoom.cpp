#include "buttonTextRoom.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QVariant>

namespace {

const char kFormMinimumWidth[] = "formMinimumWidth";
const char kFormMaximumWidth[] = "formMaximumWidth";

} // namespace

void giveButtonTextRoom(QAbstractButton *button, int extraWidth)
{
    if (!button->property(kFormMinimumWidth).isValid()) {
        button->setProperty(kFormMinimumWidth, button->minimumWidth());
        button->setProperty(kFormMaximumWidth, button->maximumWidth());
    }
    const int formMinimum = button->property(kFormMinimumWidth).toInt();
    const int formMaximum = button->property(kFormMaximumWidth).toInt();
    button->ensurePolished(); // the style sheet's font and padding
    const int needed = button->sizeHint().width() + extraWidth;
    button->setMaximumWidth(qMax(formMaximum, needed));
    button->setMinimumWidth(qMax(formMinimum, needed));
}

QString balancedTwoLines(const QFontMetrics &metrics, const QString &text)
{
    QString best = text;
    int bestWidth = metrics.horizontalAdvance(text);
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const int width = qMax(metrics.horizontalAdvance(text.left(i)), metrics.horizontalAdvance(text.mid(i + 1)));
        if (width < bestWidth) {
            bestWidth = width;
            best = text.left(i) + QLatin1Char('\n') + text.mid(i + 1);
        }
    }
    return best;
}
