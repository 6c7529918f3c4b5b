#include "UpdateFirmwareInfoItem.h"

#include "ui_UpdateFirmwareInfoItem.h"

#include "DDataManager.h"
#include "MainHidInterFace.h"
#include "deviceNames.h"
#include "lightingReports.h"

#include <QDebug>

#include <QLayout>

#include <cstring>

namespace {
constexpr int kLabelPointSize = 12;
constexpr int kSmallestLabelPointSize = 8;
constexpr int kRowHeight = 70;
} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent)
    : QWidget(parent), ui(new Ui::UpdateFirmwareInfoItem)
{
    std::memset(&m_info, 0, sizeof m_info);
    ui->setupUi(this);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(kRowHeight);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setUpgradeProgress(0);
    ui->pushButton_Update->setEnabled(false);
    updateTheme();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem() { delete ui; }

void UpdateFirmwareInfoItem::setInfo(const hidFirmwareInfo &info, MainHidInterFace *transport,
                                     const QString &serialNumber)
{
    m_info = info;
    m_transport = transport;
    m_hasLink = transport != nullptr;
    m_hidPath = fixedText(info.hidPath);
    m_serialNumber = serialNumber;
    m_hidName = fixedText(info.modelName);
    // A model the model list lacks (the mouse) goes by its model name, as on
    // its tile, not by an empty name.
    const QString productName = deviceProductName(m_hidName);
    const QString likeName = deviceDisplayName(m_hidName);
    ui->label_HidLikeName->setText(productName.isEmpty() ? likeName : productName + QLatin1Char(' ') + likeName);
    ui->label_OldVer->setText(fixedText(info.firmwareVersion));
    ui->label_NewVer->setText(fixedText(info.newVersion));
    setUpdateEnabled(true);
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled) { ui->pushButton_Update->setEnabled(enabled && m_hasLink); }

void UpdateFirmwareInfoItem::setUpgradeProgress(int percent)
{
    ui->progressBar->setValue(percent);
    ui->label_ProgressNum->setText(QString::number(percent) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showUpgradeComplete()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    // The device now runs the image just written.
    ui->label_OldVer->setText(fixedText(m_info.newVersion));
    m_busy = false;
}

void UpdateFirmwareInfoItem::setBusy(bool busy) { m_busy = busy; }

void UpdateFirmwareInfoItem::applyLabelStyle(int pointSize)
{
    const themeColorInfo c = DDataManager::instance()->getThemeColor();
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border: none; border-bottom: 2px solid rgb(%1);}"
                       "QLabel{color: rgb(%2); font: bold %4pt \"%3\"; background: transparent;}")
            .arg(c.UpgradeItemBorderColor, themeColorInfo::readableText(c.TextCheckedColor, c.UpgradeBgColor),
                 c.TextFont)
            .arg(pointSize));
    m_labelPointSize = pointSize;
}

void UpdateFirmwareInfoItem::fitToWidth(int width)
{
    m_fitWidth = width;
    // A font wider than the theme's (its family missing) would push Update
    // out of the row: the labels step down until the row fits.
    for (int size = kLabelPointSize; size >= kSmallestLabelPointSize; --size) {
        applyLabelStyle(size);
        for (QWidget *child : findChildren<QWidget *>())
            child->ensurePolished();
        layout()->invalidate();
        if (minimumSizeHint().width() <= width)
            break;
    }
}

void UpdateFirmwareInfoItem::updateTheme()
{
    const themeColorInfo c = DDataManager::instance()->getThemeColor();
    applyLabelStyle(kLabelPointSize);
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar{border: none; border-radius: 6px; background-color: rgb(%1);}"
                       "QProgressBar::chunk{border-radius: 6px; background-color: rgb(%2);}")
            .arg(c.UpgradeProgressBarTopColor,
                 // The done part must stand out from the rest of the bar.
                 themeColorInfo::readableText(c.UpgradeProgressBarBottomColor, c.UpgradeProgressBarTopColor)));
    ui->pushButton_Update->setStyleSheet(
        QStringLiteral("QPushButton{border-radius: 8px; border: 1px solid rgb(%1); background-color: rgb(%2);"
                       " color: rgb(%3); font: bold 10pt \"%4\";}"
                       "QPushButton:hover{background-color: rgba(%5, 130); border: 1px solid rgb(%6);}"
                       "QPushButton:pressed{color: rgb(%6); background-color: rgb(%5); border: 1px solid rgb(%6);}"
                       "QPushButton:disabled{color: rgb(%1);}")
            .arg(c.DeviceBorderColor, c.DeviceControlDefaultColor,
                 themeColorInfo::readableText(c.TextDefaultColor, c.DeviceControlDefaultColor), c.TextFont,
                 c.DeviceControlHoverColor, c.TextCheckedColor));
    if (m_fitWidth > 0)
        fitToWidth(m_fitWidth);
}

MainHidInterFace *UpdateFirmwareInfoItem::getHidInterface() const { return m_transport.data(); }
QString UpdateFirmwareInfoItem::getHidPath() const { return m_hidPath; }
QString UpdateFirmwareInfoItem::getSerialNumber() const { return m_serialNumber; }
QString UpdateFirmwareInfoItem::getHidName() const { return m_hidName; }

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_busy)
        return;
    m_busy = true;
    // The dialog and the main window record the upgrade before the report goes.
    emit sigStartUpgradeing();
    const hidReportData report = enterBootloaderReport();
    MainHidInterFace *transport = m_transport.data();
    const int result = transport ? transport->writeHidData(report.data(), kHidReportSize) : -1;
    if (result < 0) {
        qDebug().noquote() << "USB serial port [Into firmware] Failed ...";
        emit sigIntoFirmwareFailed();
    } else {
        qDebug().noquote() << "USB serial port [Into firmware] Successful ...";
    }
}
