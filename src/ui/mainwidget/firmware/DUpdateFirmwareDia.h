#pragma once

#include "hidFirmwareInfo.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <atomic>

class CbNotice;
class DDeviceKeyboardLink;
class MainHidInterFace;
class QVBoxLayout;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

// The firmware update dialog: one row per upgradeable device. Update on a row
// starts that device's upgrade; the transfer reports progress, success and
// failure through setUpgradeProgress, notifyUpgradeSucceeded and
// notifyUpgradeFailed, which only emit signals and set the finished flag, so
// they may be called from the transfer's worker thread. Close works only
// while no upgrade is under way.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // One row per record; a record whose path has no link gets a row whose
    // Update stays disabled.
    void setDevices(const QList<hidFirmwareInfo> &list, const QMap<QString, DDeviceKeyboardLink *> &links);
    void clearDevices();

    // Worker-thread operations.
    void setUpgradeProgress(int total, int done);
    void notifyUpgradeSucceeded();
    void notifyUpgradeFailed();

    // The transport of the row being upgraded; null once it no longer exists.
    MainHidInterFace *getUpgradingHidInterface() const;
    // Puts the dialog back into the upgrading state for the device at the
    // record's path (a row is added when it has none): its bootloader came
    // back and the transfer runs again.
    void resumeUpgrade(const hidFirmwareInfo &record);

    bool isUpgradeFinished() const { return m_finished.load(); }
    QList<UpdateFirmwareInfoItem *> rows() const { return m_rows; }
    UpdateFirmwareInfoItem *currentRow() const { return m_currentRow; }
    CbNotice *notice() const { return m_notice; }
    void updateTheme();

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString hidPath, QString serialNumber, QString hidName);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();
    void sigUpgradeProgress(int percent);
    // The current row's enter-bootloader report could not be queued.
    void sigIntoFirmwareFailed();

public slots:
    void onStartUpgradeing();
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void onUpgradeProgress(int percent);
    void on_pushButton_Close_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    UpdateFirmwareInfoItem *addRow(const hidFirmwareInfo &record, DDeviceKeyboardLink *link);
    void makeCurrent(UpdateFirmwareInfoItem *row);
    void setTipText();

    Ui::DUpdateFirmwareDia *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
    QList<UpdateFirmwareInfoItem *> m_rows;
    UpdateFirmwareInfoItem *m_currentRow = nullptr;
    QPointer<MainHidInterFace> m_currentTransport;
    CbNotice *m_notice = nullptr;
    std::atomic<bool> m_finished{true};
};
