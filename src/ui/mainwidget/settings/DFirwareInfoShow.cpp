#include "DFirwareInfoShow.h"
#include "ui_DFirwareInfoShow.h"

#include "DDataManager.h"
#include "DFirwareInfoItem.h"

namespace {

constexpr int kPopupWidth = 350;
constexpr int kPopupHeight = 370;

} // namespace

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Firmware Info"));
    setFixedSize(kPopupWidth, kPopupHeight);

    // Read once: an open dialog keeps the theme it was opened in.
    const themeColorInfo c = DDataManager::instance()->getThemeColor();
    ui->frame_26->setStyleSheet(
        QStringLiteral("QFrame#frame_26{border:none; border-bottom:2px solid rgb(%1); background-color:rgb(%2);}"
                       "QLabel#label_10{color:rgb(%3); font: bold 12pt \"Microsoft YaHei\";}")
            .arg(c.SettingsBorderColor, c.SettingsBgColor, c.TextDefaultColor));
    ui->frame_2->setStyleSheet(
        QStringLiteral("QFrame#frame_2{border:none; border-top:2px solid rgb(%1);}").arg(c.SettingsBorderColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color:rgb(%1);}").arg(c.SettingsBgColor));
}

DFirwareInfoShow::~DFirwareInfoShow()
{
    delete ui;
}

void DFirwareInfoShow::setFirmwareInfo(QMap<QString, QString> map)
{
    m_rowLayout = ui->verticalLayout_17;
    // Everything above the closing spacer goes.
    while (m_rowLayout->count() > 1) {
        QLayoutItem *item = m_rowLayout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        auto *row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfo(it.key(), it.value());
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, row);
    }
}
