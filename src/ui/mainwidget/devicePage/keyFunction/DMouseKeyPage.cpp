#include "DMouseKeyPage.h"
#include "ui_DMouseKeyPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

namespace {
constexpr int kDefaultMouseKeyRow = 0;
}

DMouseKeyPage::DMouseKeyPage(QWidget *parent) : QWidget(parent), ui(new Ui::DMouseKeyPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(267, 552));
    m_state.forwardSignalsTo(this);
    m_choices.add(ui->radioButton_mouseLeft, 0);
    m_choices.add(ui->radioButton_mouseCenter, 1);
    m_choices.add(ui->radioButton_mouseRight, 2);
    m_choices.add(ui->radioButton_Return, 6);
    m_choices.add(ui->radioButton_Going, 5);
    m_choices.add(ui->radioButton_mouseWheelDown, 4);
    m_choices.add(ui->radioButton_mouseWheelUp, 3);
    m_choices.add(ui->radioButton_SniperKey, 7);
    ui->radioButton_SniperKey->hide();
    changAppTheme();
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete ui;
}

void DMouseKeyPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DMouseKeyPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DMouseKeyPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DMouseKeyPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DMouseKeyPage::setOnboardMode(int mode)
{
    m_state.setOnboardMode(mode);
    ui->frame->setVisible(mode != 1);
}

void DMouseKeyPage::setDeviceType(int type)
{
    ui->radioButton_SniperKey->setVisible(type == 1);
}

void DMouseKeyPage::loadCurrentKeyFunction()
{
    m_choices.uncheckAll();
    const customKeyInfo record = m_state.readBinding();
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateMouse)) {
        // A stored code that no radio carries is not shown.
        m_choices.check(textToInt(record.Value));
        return;
    }
    m_choices.check(kDefaultMouseKeyRow);
}

void DMouseKeyPage::onChoiceClicked()
{
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DMouseKeyPage::on_radioButton_mouseLeft_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseCenter_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseRight_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_Return_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_Going_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseWheelDown_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseWheelUp_clicked()
{
    onChoiceClicked();
}

void DMouseKeyPage::on_pushButton_OK_clicked()
{
    int value = 0;
    if (!m_choices.checkedValue(value))
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateMouse, 1, 1, QByteArray::number(value));
}

void DMouseKeyPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DMouseKeyPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DMouseKeyPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme) + keyFunctionStyle::radioStyle(theme));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
