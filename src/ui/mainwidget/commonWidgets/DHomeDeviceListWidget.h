#pragma once

#include "hidStructInfo.h"

#include <QList>
#include <QWidget>

class FlowLayout;

namespace Ui {
class DHomeDeviceListWidget;
}

// The home page's tile container: one tile per attached device, laid out in
// rows; it passes each tile's press on.
class DHomeDeviceListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DHomeDeviceListWidget(QWidget *parent = nullptr);
    ~DHomeDeviceListWidget() override;

    // Replaces all tiles, in list order.
    void setHidDeviceList(QList<hidStructInfo> list);
    // Removed tiles are deleted through the event loop.
    void clearItems();

signals:
    void sigHidStructInfoListWidget(QString hidPath);

private:
    Ui::DHomeDeviceListWidget *ui;
    FlowLayout *m_flowLayout = nullptr;
};
