#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

// Lists the firmware information of the attached devices, one row per
// entry of the scan's information map. The texts are only shown.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // Replaces the rows by one per entry, in the map's key order.
    void setFirmwareInfo(QMap<QString, QString> map);

private:
    Ui::DFirwareInfoShow *ui;
    QVBoxLayout *m_rowLayout = nullptr;
};
