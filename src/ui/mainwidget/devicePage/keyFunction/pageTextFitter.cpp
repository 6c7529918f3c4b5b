#include "pageTextFitter.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace {

// Room on each side of a push button's text, so it does not touch the border.
constexpr int kButtonTextPadding = 8;
const QChar kLineBreak = QLatin1Char('\n');

QStyle::SubElement contentsElement(const QAbstractButton *button)
{
    if (qobject_cast<const QRadioButton *>(button))
        return QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        return QStyle::SE_CheckBoxContents;
    return QStyle::SE_PushButtonContents;
}

// Where the style draws a button's text (the indicator and border left out).
int buttonTextWidth(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contentsElement(button), &option, button).width();
}

// The layout that holds a widget, searched from a layout down.
QLayout *layoutHolding(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// The most a button can have of its row: the row's width less the others'
// least widths and the spacing (no limit outside a row of a laid-out page).
int roomInRow(QWidget *button)
{
    if (!button->parentWidget())
        return QWIDGETSIZE_MAX;
    auto *row = qobject_cast<QBoxLayout *>(layoutHolding(button->parentWidget()->layout(), button));
    if (!row || (row->direction() != QBoxLayout::LeftToRight && row->direction() != QBoxLayout::RightToLeft)
        || !row->geometry().isValid())
        return QWIDGETSIZE_MAX;
    const QMargins margins = row->contentsMargins();
    int room = row->geometry().width() - margins.left() - margins.right();
    int items = 0;
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (item->widget() == button || item->isEmpty())
            continue;
        room -= item->minimumSize().width();
        ++items;
    }
    return room - items * qMax(row->spacing(), 0);
}

// A word too wide for a line, cut where its script allows a line break
// (between ideographs, after a slash); a piece still too wide is elided.
QStringList wordPieces(const QString &word, const QFontMetrics &metrics, int width)
{
    QList<int> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, word);
    while (finder.toNextBoundary() != -1)
        breaks.append(finder.position());
    QStringList pieces;
    int start = 0;
    while (start < word.size()) {
        int end = -1;
        for (int position : qAsConst(breaks)) {
            if (position <= start)
                continue;
            const bool fits = metrics.horizontalAdvance(word.mid(start, position - start)) <= width;
            if (!fits && end != -1)
                break;
            end = position;
            if (!fits)
                break;
        }
        if (end == -1)
            end = word.size();
        pieces.append(metrics.elidedText(word.mid(start, end - start), Qt::ElideRight, width));
        start = end;
    }
    return pieces;
}

// Radio and check box texts break into lines, and so do push buttons across
// the page, which grow in height as the page has room for.
bool breaksLines(const QAbstractButton *button)
{
    if (qobject_cast<const QPushButton *>(button))
        return button->maximumWidth() >= QWIDGETSIZE_MAX && button->maximumHeight() >= QWIDGETSIZE_MAX;
    return qobject_cast<const QRadioButton *>(button) || qobject_cast<const QCheckBox *>(button);
}

} // namespace

pageTextFitter::pageTextFitter(QWidget *page, const QSize &formSize) : QObject(page), m_page(page)
{
    if (formSize.isValid()) {
        page->setFixedHeight(formSize.height());
        page->setMinimumWidth(0);
        page->setMaximumWidth(formSize.width());
        if (QLayout *layout = page->layout()) {
            QMargins margins = layout->contentsMargins();
            margins.setLeft(0);
            margins.setRight(0);
            layout->setContentsMargins(margins);
        }
    }
    const auto widgets = page->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLabel *>(widget))
            watch(widget);
    }
}

void pageTextFitter::watch(QWidget *widget)
{
    Entry entry;
    entry.whole = currentText(widget);
    entry.shown = entry.whole;
    entry.formMinimum = widget->minimumSize();
    entry.formMaximum = widget->maximumSize();
    m_entries.insert(widget, entry);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_entries.remove(widget); });
}

void pageTextFitter::refit()
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        fit(it.key());
}

bool pageTextFitter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Show:
        if (auto *widget = qobject_cast<QWidget *>(watched))
            fit(widget);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QString pageTextFitter::currentText(const QWidget *widget) const
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return QString();
}

void pageTextFitter::fit(QWidget *widget)
{
    // Setting a text resizes the widget, which comes back here.
    if (m_fitting)
        return;
    auto it = m_entries.find(widget);
    if (it == m_entries.end())
        return;
    Entry &entry = it.value();
    const QString now = currentText(widget);
    if (now != entry.shown) {
        entry.whole = now;
        entry.shown = now;
    }
    widget->ensurePolished(); // the style sheet's font, before measuring
    m_fitting = true;
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (auto *push = qobject_cast<QPushButton *>(button))
            sizeButtonFromText(push, entry);
        setShownText(widget, entry, fittedButtonText(button, entry.whole));
        // A push button of several lines keeps their height where the page is tight.
        if (qobject_cast<QPushButton *>(button) && breaksLines(button))
            button->setMinimumHeight(qMax(entry.formMinimum.height(), button->sizeHint().height()));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        setShownText(widget, entry, fittedLabelText(label, entry.whole));
    }
    m_fitting = false;
}

void pageTextFitter::setShownText(QWidget *widget, Entry &entry, const QString &text)
{
    QString flat = text;
    flat.replace(kLineBreak, QLatin1Char(' '));
    QString whole = entry.whole;
    whole.replace(kLineBreak, QLatin1Char(' '));
    const bool shortened = flat != whole;
    if (text != entry.shown) {
        entry.shown = text;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text);
    }
    if (shortened && (widget->toolTip().isEmpty() || entry.ownToolTip)) {
        widget->setToolTip(entry.whole);
        entry.ownToolTip = true;
    } else if (!shortened && entry.ownToolTip) {
        widget->setToolTip(QString());
        entry.ownToolTip = false;
    }
}

QString pageTextFitter::fittedButtonText(QAbstractButton *button, const QString &whole) const
{
    if (whole.isEmpty() || !button->isVisibleTo(button->window()))
        return whole;
    const int width = buttonTextWidth(button);
    if (width <= 0)
        return whole;
    const QFontMetrics metrics = button->fontMetrics();
    if (breaksLines(button))
        return wrapLines(whole, metrics, width).join(kLineBreak);
    return metrics.elidedText(whole, Qt::ElideRight, width);
}

QString pageTextFitter::fittedLabelText(QLabel *label, const QString &whole) const
{
    // Word-wrapped labels break lines themselves; rich text is not ours to cut.
    if (whole.isEmpty() || label->wordWrap() || Qt::mightBeRichText(whole))
        return whole;
    const int width = label->contentsRect().width() - 2 * label->margin();
    if (width <= 0)
        return whole;
    return label->fontMetrics().elidedText(whole, Qt::ElideRight, width);
}

void pageTextFitter::sizeButtonFromText(QPushButton *button, const Entry &entry) const
{
    // A button the form holds to a width (OK, Cancel) holds the English
    // text; a longer translation widens it as far as its row allows, and
    // only then is elided. Buttons across the page break lines instead.
    // The widths follow the text of the moment, so a shorter translation
    // gives the room back to the row.
    if (entry.formMaximum.width() >= QWIDGETSIZE_MAX)
        return;
    const int frame = button->width() - buttonTextWidth(button);
    const int text = button->fontMetrics().horizontalAdvance(entry.whole) + qMax(frame, 0);
    // The padding gives way first where the row is full.
    const int needed = qMax(text, qMin(text + 2 * kButtonTextPadding, roomInRow(button)));
    button->setMaximumWidth(qMax(entry.formMaximum.width(), needed));
    button->setMinimumWidth(qMax(entry.formMinimum.width(), needed));
}

QStringList pageTextFitter::wrapLines(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    const QStringList paragraphs = text.split(kLineBreak);
    for (const QString &paragraph : paragraphs) {
        QString line;
        const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &word : words) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(longer) <= width) {
                line = longer;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            if (metrics.horizontalAdvance(word) <= width) {
                line = word;
                continue;
            }
            QStringList pieces = wordPieces(word, metrics, width);
            line = pieces.takeLast();
            lines.append(pieces);
        }
        lines.append(line);
    }
    return lines;
}
