#pragma once

#include "hidFirmwareInfo.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class MainHidInterFace;

namespace Ui {
class UpdateFirmwareInfoItem;
}

// One device of the update dialog: its names, current and new version, a
// progress bar and Update. Update sends the device the enter-bootloader report
// through the device's own transport, once: the row stays busy until the
// upgrade succeeds.
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    // A null transport (the device has no link) leaves Update disabled.
    void setInfo(const hidFirmwareInfo &info, MainHidInterFace *transport, const QString &serialNumber);
    // Update follows enabled only while the row has a transport to send with.
    void setUpdateEnabled(bool enabled);
    void setUpgradeProgress(int percent);
    void showUpgradeComplete();
    void setBusy(bool busy);
    void updateTheme();
    // Keeps the row within width (the dialog's rows area).
    void fitToWidth(int width);
    int labelPointSize() const { return m_labelPointSize; }

    MainHidInterFace *getHidInterface() const;
    QString getHidPath() const;
    QString getSerialNumber() const;
    QString getHidName() const;
    hidFirmwareInfo getInfo() const { return m_info; }
    bool isBusy() const { return m_busy; }
    bool hasLink() const { return m_hasLink; }

signals:
    void sigStartUpgradeing();
    // The enter-bootloader report could not be queued: the transport is gone
    // or not open.
    void sigIntoFirmwareFailed();

public slots:
    void on_pushButton_Update_clicked();

private:
    void applyLabelStyle(int pointSize);

    Ui::UpdateFirmwareInfoItem *ui;
    int m_labelPointSize = 0;
    int m_fitWidth = 0;
    QPointer<MainHidInterFace> m_transport;
    bool m_hasLink = false;
    hidFirmwareInfo m_info;
    QString m_hidPath;
    QString m_serialNumber;
    QString m_hidName;
    bool m_busy = false;
};
