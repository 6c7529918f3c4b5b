#include "DFirwareInfoItem.h"
#include "ui_DFirwareInfoItem.h"

#include "DDataManager.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);

    const themeColorInfo c = DDataManager::instance()->getThemeColor();
    const QString label = QStringLiteral("color:rgb(%1); font: bold 12pt \"Microsoft YaHei\";").arg(c.TextDefaultColor);
    ui->label_HidInfo->setStyleSheet(label);
    ui->label_DataTimeInfo->setStyleSheet(label);
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{border:none; border-bottom:1px solid rgb(%1);}").arg(c.SettingsBorderColor));
}

DFirwareInfoItem::~DFirwareInfoItem()
{
    delete ui;
}

void DFirwareInfoItem::setInfo(const QString &key, const QString &value)
{
    // indexOf gives -1 without a "-", so the whole key shows then.
    ui->label_HidInfo->setText(key.mid(key.indexOf(QLatin1Char('-')) + 1));
    ui->label_DataTimeInfo->setText(value);
}
