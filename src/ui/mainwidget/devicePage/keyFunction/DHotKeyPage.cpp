#include "DHotKeyPage.h"
#include "ui_DHotKeyPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

namespace {
constexpr int kDefaultHotKeyRow = 2;
}

DHotKeyPage::DHotKeyPage(QWidget *parent) : QWidget(parent), ui(new Ui::DHotKeyPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(223, 523));
    m_state.forwardSignalsTo(this);
    m_choices.add(ui->radioButton_ShowDesktop, 2);
    m_choices.add(ui->radioButton_CloseWindow, 0);
    m_choices.add(ui->radioButton_LockingComputer, 4);
    m_choices.add(ui->radioButton_OpenMyComputer, 3);
    m_choices.add(ui->radioButton_Copy, 5);
    m_choices.add(ui->radioButton_Paste, 7);
    m_choices.add(ui->radioButton_Find, 8);
    m_choices.add(ui->radioButton_Cut, 6);
    m_choices.add(ui->radioButton_Save, 11);
    m_choices.add(ui->radioButton_Print, 10);
    m_choices.add(ui->radioButton_CreateNew, 9);
    changAppTheme();
}

DHotKeyPage::~DHotKeyPage()
{
    delete ui;
}

void DHotKeyPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DHotKeyPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DHotKeyPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DHotKeyPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DHotKeyPage::loadCurrentKeyFunction()
{
    const customKeyInfo record = m_state.readBinding();
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateShortcut)) {
        // A code no radio carries (1, or outside the table) shows no choice;
        // OK then stores nothing until one is picked.
        m_choices.check(textToInt(record.Value));
        return;
    }
    m_choices.check(kDefaultHotKeyRow);
}

void DHotKeyPage::on_pushButton_OK_clicked()
{
    int value = 0;
    if (!m_choices.checkedValue(value))
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateShortcut, 1, 1, QByteArray::number(value));
}

void DHotKeyPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DHotKeyPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DHotKeyPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme) + keyFunctionStyle::radioStyle(theme));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
