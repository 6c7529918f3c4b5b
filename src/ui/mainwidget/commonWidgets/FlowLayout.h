#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

// Lays its items out left to right at their size hints and starts a new row
// when the next item would cross the right edge, like words in a paragraph;
// its height follows from the width it gets. Spacings below 0 are taken from
// the style. The layout owns its items, not their widgets.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    void insertItem(int index, QLayoutItem *item);
    void insertWidget(int index, QWidget *widget);
    int horizontalSpacing() const;
    int verticalSpacing() const;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    QSize sizeHint() const override;
    QLayoutItem *takeAt(int index) override;

private:
    int doLayout(const QRect &rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;
    int automaticSpacing(QLayoutItem *item, Qt::Orientation orientation) const;
    int uniformMargin() const;

    QList<QLayoutItem *> m_itemList;
    int m_hSpace;
    int m_vSpace;
};
