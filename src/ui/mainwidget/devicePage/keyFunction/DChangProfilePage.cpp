#include "DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"
#include "xmlInterface.h"

#include <QSignalBlocker>
#include <QStyledItemDelegate>

DChangProfilePage::DChangProfilePage(QWidget *parent) : QWidget(parent), ui(new Ui::DChangProfilePage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(222, 523));
    m_state.forwardSignalsTo(this);
    // Item heights of the list come from the style sheet.
    ui->comboBox_Profile->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Profile));
    changAppTheme();
}

DChangProfilePage::~DChangProfilePage()
{
    delete ui;
}

void DChangProfilePage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DChangProfilePage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DChangProfilePage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DChangProfilePage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DChangProfilePage::loadCurrentKeyFunction()
{
    const QSignalBlocker blocker(ui->comboBox_Profile);
    ui->comboBox_Profile->clear();
    xmlIndexNameList profiles;
    if (xmlInterface *xml = m_state.store())
        xml->getProfileList(m_state.keyFilePath(), profiles);
    for (const auto &profile : qAsConst(profiles))
        ui->comboBox_Profile->addItem(QString::fromUtf8(profile.second), QString::fromUtf8(profile.first));
    ui->comboBox_Profile->setCurrentIndex(0);

    const customKeyInfo record = m_state.readBinding();
    if (!keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateProfile))
        return;
    // By index, not by name: profiles may share a name.
    const int target = textToInt(record.Value);
    for (int i = 0; i < ui->comboBox_Profile->count(); ++i) {
        if (textToInt(ui->comboBox_Profile->itemData(i).toString().toUtf8().constData()) == target) {
            ui->comboBox_Profile->setCurrentIndex(i);
            break;
        }
    }
}

void DChangProfilePage::on_pushButton_OK_clicked()
{
    if (ui->comboBox_Profile->currentIndex() < 0)
        return; // no profile to switch to
    const int target = textToInt(ui->comboBox_Profile->currentData().toString().toUtf8().constData());
    m_state.saveBinding(keyFunctionCatalogue::OperateProfile, 1, 1, QByteArray::number(target));
}

void DChangProfilePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DChangProfilePage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DChangProfilePage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme)
                  + keyFunctionStyle::comboStyle(theme, QStringLiteral("comboBox_Profile")));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
