#include "DHomeDeviceListWidget.h"
#include "ui_DHomeDeviceListWidget.h"

#include "DHomeDeviceListItem.h"
#include "FlowLayout.h"

namespace {

const QSize kTileSize(460, 210);

} // namespace

DHomeDeviceListWidget::DHomeDeviceListWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DHomeDeviceListWidget)
{
    ui->setupUi(this);
    m_flowLayout = new FlowLayout(this, -1, -1, -1);
    m_flowLayout->setContentsMargins(5, 0, 0, 0);
}

DHomeDeviceListWidget::~DHomeDeviceListWidget()
{
    delete ui;
}

void DHomeDeviceListWidget::setHidDeviceList(QList<hidStructInfo> list)
{
    clearItems();
    for (const hidStructInfo &info : list) {
        auto *tile = new DHomeDeviceListItem(this);
        tile->setDeviceInfo(info.vid, info.pid, fixedText(info.hidPath), fixedText(info.manufacturer),
                            fixedText(info.product), fixedText(info.hidName), info.hidType);
        connect(tile, &DHomeDeviceListItem::sigHomeDeviceListItemMouseClicked, this,
                &DHomeDeviceListWidget::sigHidStructInfoListWidget);
        tile->setFixedSize(kTileSize);
        m_flowLayout->addWidget(tile);
    }
}

void DHomeDeviceListWidget::clearItems()
{
    while (QLayoutItem *item = m_flowLayout->takeAt(0)) {
        if (QWidget *tile = item->widget()) {
            tile->setParent(nullptr);
            tile->deleteLater();
        }
        delete item;
    }
}
