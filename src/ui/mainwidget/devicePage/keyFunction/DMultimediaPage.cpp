#include "DMultimediaPage.h"
#include "ui_DMultimediaPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

namespace {
constexpr int kDefaultMultimediaRow = 3;
}

DMultimediaPage::DMultimediaPage(QWidget *parent) : QWidget(parent), ui(new Ui::DMultimediaPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(261, 551));
    m_state.forwardSignalsTo(this);
    m_choices.add(ui->radioButton_playOrPause, 3);
    m_choices.add(ui->radioButton_videoStop, 6);
    m_choices.add(ui->radioButton_next, 4);
    m_choices.add(ui->radioButton_previous, 5);
    m_choices.add(ui->radioButton_volLower, 1);
    m_choices.add(ui->radioButton_volAdd, 0);
    m_choices.add(ui->radioButton_mute, 2);
    m_choices.add(ui->radioButton_Player, 8);
    m_choices.add(ui->radioButton_Calculator, 9);
    m_choices.add(ui->radioButton_Computer, 10);
    m_choices.add(ui->radioButton_Email, 12);
    m_choices.add(ui->radioButton_Browser, 11);
    changAppTheme();
}

DMultimediaPage::~DMultimediaPage()
{
    delete ui;
}

void DMultimediaPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DMultimediaPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DMultimediaPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DMultimediaPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DMultimediaPage::setOnboardMode(int mode)
{
    m_state.setOnboardMode(mode);
    ui->frame->setVisible(mode != 1);
}

void DMultimediaPage::loadCurrentKeyFunction()
{
    m_choices.uncheckAll();
    const customKeyInfo record = m_state.readBinding();
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateMultimedia)) {
        // A stored code that no radio carries is not shown.
        m_choices.check(textToInt(record.Value));
        return;
    }
    m_choices.check(kDefaultMultimediaRow);
}

void DMultimediaPage::onChoiceClicked()
{
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DMultimediaPage::on_radioButton_playOrPause_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_videoStop_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_next_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_previous_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_volLower_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_volAdd_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_mute_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_Player_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_Calculator_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_Computer_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_Email_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_radioButton_Browser_clicked()
{
    onChoiceClicked();
}

void DMultimediaPage::on_pushButton_OK_clicked()
{
    int value = 0;
    if (!m_choices.checkedValue(value))
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateMultimedia, 1, 1, QByteArray::number(value));
}

void DMultimediaPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DMultimediaPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DMultimediaPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme) + keyFunctionStyle::radioStyle(theme));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
