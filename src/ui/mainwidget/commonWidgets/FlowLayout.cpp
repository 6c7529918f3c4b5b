#include "FlowLayout.h"

#include <QApplication>
#include <QWidget>
#include <QWidgetItem>

FlowLayout::FlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::FlowLayout(int margin, int hSpacing, int vSpacing)
    : m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_itemList.append(item);
}

void FlowLayout::insertItem(int index, QLayoutItem *item)
{
    m_itemList.insert(qBound(0, index, m_itemList.size()), item);
}

void FlowLayout::insertWidget(int index, QWidget *widget)
{
    insertItem(index, new QWidgetItem(widget));
}

int FlowLayout::horizontalSpacing() const
{
    return m_hSpace >= 0 ? m_hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    return m_vSpace >= 0 ? m_vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::count() const
{
    return m_itemList.size();
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_itemList.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index >= 0 && index < m_itemList.size())
        return m_itemList.takeAt(index);
    return nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_itemList)
        size = size.expandedTo(item->minimumSize());
    const int margin = uniformMargin();
    return size + QSize(2 * margin, 2 * margin);
}

// The common value of the four margins, or -1 when they differ.
int FlowLayout::uniformMargin() const
{
    int left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    return (left == top && top == right && right == bottom) ? left : -1;
}

int FlowLayout::doLayout(const QRect &rect, bool testOnly) const
{
    int left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effective = rect.adjusted(+left, +top, -right, -bottom);
    int x = effective.x();
    int y = effective.y();
    int lineHeight = 0;
    const int hSpacing = horizontalSpacing();
    const int vSpacing = verticalSpacing();

    for (QLayoutItem *item : m_itemList) {
        const int spaceX = hSpacing != -1 ? hSpacing : automaticSpacing(item, Qt::Horizontal);
        const int spaceY = vSpacing != -1 ? vSpacing : automaticSpacing(item, Qt::Vertical);

        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        if (nextX - spaceX > effective.right() && lineHeight > 0) {
            x = effective.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!testOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x = nextX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + bottom;
}

// Automatic gaps come from the style of the item's widget (the parent's
// style for an item without one).
int FlowLayout::automaticSpacing(QLayoutItem *item, Qt::Orientation orientation) const
{
    const QWidget *widget = item->widget() ? item->widget() : parentWidget();
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation);
}

int FlowLayout::smartSpacing(QStyle::PixelMetric pm) const
{
    QObject *parentObject = parent();
    if (!parentObject)
        return -1;
    if (parentObject->isWidgetType()) {
        auto *parentWidgetObject = static_cast<QWidget *>(parentObject);
        return parentWidgetObject->style()->pixelMetric(pm, nullptr, parentWidgetObject);
    }
    return static_cast<QLayout *>(parentObject)->spacing();
}
