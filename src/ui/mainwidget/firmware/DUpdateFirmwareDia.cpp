#include "DUpdateFirmwareDia.h"

#include "ui_DUpdateFirmwareDia.h"

#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "MainHidInterFace.h"
#include "UpdateFirmwareInfoItem.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {

constexpr int kDialogWidth = 730;
constexpr int kDialogHeight = 460;
constexpr int kNoticeAlpha = 200;
constexpr int kNoticePixelSize = 14;
constexpr int kTipFontSize = 14;
// The form's amber warning; where a theme's background leaves it faint, a
// darker amber that reads.
const QColor kTipColor(255, 200, 0, 255);
// The rows area: the dialog less its border and the thin scroll bar.
constexpr int kBorderWidth = 1;
constexpr int kScrollBarWidth = 3;

} // namespace

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent) : QDialog(parent), ui(new Ui::DUpdateFirmwareDia)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setFixedSize(kDialogWidth, kDialogHeight);
    ui->setupUi(this);
    m_rowsLayout = ui->verticalLayout_17;
    m_notice = new CbNotice(this);
    updateTheme();
    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), kTipFontSize);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    setTipText();
    // Emitted on the transfer's worker thread: the slots run queued on ours.
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia() { delete ui; }

void DUpdateFirmwareDia::updateTheme()
{
    const themeColorInfo c = DDataManager::instance()->getThemeColor();
    m_notice->setBackgroundColor(themeColorInfo::withAlpha(c.AllBgColor, kNoticeAlpha));
    m_notice->setTextColor(themeColorInfo::readableOn(themeColorInfo::opaqueColor(c.TextCheckedColor),
                                                      themeColorInfo::opaqueColor(c.AllBgColor)));
    QFont font(c.TextFont);
    font.setPixelSize(kNoticePixelSize);
    m_notice->setTextFont(font);
    ui->frame_Bg->setStyleSheet(QStringLiteral("QFrame#frame_Bg{background-color: rgb(%1); border: 1px solid rgb(%2);}")
                                    .arg(c.UpgradeBgColor, c.MainWidgetBorderColor));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);}")
            .arg(c.UpgradeBgColor, c.UpgradeBorderColor));
    ui->widget_Tip->setForeground(
        themeColorInfo::readableOn(kTipColor, themeColorInfo::opaqueColor(c.UpgradeBgColor)));
    ui->label_Title->setStyleSheet(QStringLiteral("color: rgb(%1); font: bold 13pt \"%2\";")
                                       .arg(themeColorInfo::readableText(c.TextCheckedColor, c.UpgradeBgColor),
                                            c.TextFont));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px; border-radius: 1px;}"
                       "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}"
                       "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
                       "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; subcontrol-origin: margin;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                       "{background: rgb(%1); border-radius: 3px;}")
            .arg(c.HomeScrollBarBgColor));
    // The panel's colour shows through the rows area.
    ui->scrollArea_2->setStyleSheet(QStringLiteral("QScrollArea#scrollArea_2{background: transparent;}"));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background: transparent;}"));
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        row->updateTheme();
}

void DUpdateFirmwareDia::setTipText()
{
    ui->widget_Tip->setText(tr("If the firmware is being upgraded, do not unplug the device!"));
}

void DUpdateFirmwareDia::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setTipText();
    }
    QDialog::changeEvent(event);
}

void DUpdateFirmwareDia::clearDevices()
{
    // Every item but the trailing spacer.
    while (m_rowsLayout->count() > 1) {
        QLayoutItem *item = m_rowsLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
    m_currentRow = nullptr;
}

UpdateFirmwareInfoItem *DUpdateFirmwareDia::addRow(const hidFirmwareInfo &record, DDeviceKeyboardLink *link)
{
    auto *row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
    row->setInfo(record, link ? link->getHidInterface() : nullptr, link ? link->getSerialNumber() : QString());
    connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
    connect(row, &UpdateFirmwareInfoItem::sigIntoFirmwareFailed, this, [this, row] {
        if (row == m_currentRow)
            emit sigIntoFirmwareFailed();
    });
    row->fitToWidth(kDialogWidth - 2 * kBorderWidth - kScrollBarWidth);
    m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
    m_rows.append(row);
    return row;
}

void DUpdateFirmwareDia::setDevices(const QList<hidFirmwareInfo> &list,
                                    const QMap<QString, DDeviceKeyboardLink *> &links)
{
    clearDevices();
    for (const hidFirmwareInfo &record : list)
        addRow(record, links.value(fixedText(record.hidPath)));
}

void DUpdateFirmwareDia::setUpgradeProgress(int total, int done)
{
    if (total <= 0)
        return;
    const int percent = static_cast<int>(static_cast<float>(done) / static_cast<float>(total) * 100.0f);
    emit sigUpgradeProgress(percent);
}

// The flag first: by the time the outcome shows, Close works.
void DUpdateFirmwareDia::notifyUpgradeSucceeded()
{
    m_finished.store(true);
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::notifyUpgradeFailed()
{
    m_finished.store(true);
    emit sigUpgradeFirmwareFailed();
}

MainHidInterFace *DUpdateFirmwareDia::getUpgradingHidInterface() const { return m_currentTransport.data(); }

void DUpdateFirmwareDia::makeCurrent(UpdateFirmwareInfoItem *row)
{
    m_finished.store(false);
    m_currentRow = row;
    m_currentTransport = row->getHidInterface();
    for (UpdateFirmwareInfoItem *r : qAsConst(m_rows))
        r->setUpdateEnabled(r == row);
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row || !m_rows.contains(row))
        return;
    makeCurrent(row);
    emit sigStartHidUpgrade(row->getHidPath(), row->getSerialNumber(), row->getHidName());
}

void DUpdateFirmwareDia::resumeUpgrade(const hidFirmwareInfo &record)
{
    const QString path = fixedText(record.hidPath);
    UpdateFirmwareInfoItem *row = nullptr;
    for (UpdateFirmwareInfoItem *r : qAsConst(m_rows)) {
        if (r->getHidPath() == path)
            row = r;
    }
    if (!row)
        row = addRow(record, nullptr);
    row->setBusy(true);
    row->setUpgradeProgress(0);
    makeCurrent(row);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_currentRow)
        m_currentRow->showUpgradeComplete();
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        row->setUpdateEnabled(true);
    m_notice->showNotice(tr("Upgrade successful"), rect().center());
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed() { m_notice->showNotice(tr("Upgrade failed"), rect().center()); }

void DUpdateFirmwareDia::onUpgradeProgress(int percent)
{
    if (m_currentRow)
        m_currentRow->setUpgradeProgress(percent);
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    if (!m_finished.load())
        return;
    emit sigUpdateFirmwareWindowClose();
    close();
}
