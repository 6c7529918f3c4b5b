#include "DResetDefaultPage.h"
#include "ui_DResetDefaultPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"
#include "xmlInterface.h"

#include <QDebug>

DResetDefaultPage::DResetDefaultPage(QWidget *parent) : QWidget(parent), ui(new Ui::DResetDefaultPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(263, 551));
    m_state.forwardSignalsTo(this);
    changAppTheme();
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete ui;
}

void DResetDefaultPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DResetDefaultPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
    ui->label_KeyChar->setText(key.second);
    m_textFitter->refit();
}

void DResetDefaultPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DResetDefaultPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DResetDefaultPage::setOnboardMode(int mode)
{
    // Stored only: the page saves on OK in both modes.
    m_state.setOnboardMode(mode);
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    qDebug("--------------- keyDefault -----------------");
    if (m_state.keyCode() == -1)
        return;
    xmlInterface *xml = m_state.store();
    if (!xml) {
        m_state.reportFailed(m_state.storeFailureReason());
        return;
    }
    const QString path = m_state.keyFilePath();
    const QByteArray profile = m_state.profileText();
    const customKeyInfo record = m_state.readBinding();
    const bool hadItem = keyFunctionCatalogue::isBound(record);
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateMacro)) {
        const int users = xml->countKeysWithValue(path, profile, QByteArray(record.operateType), QByteArray(record.Value));
        if (users == 1)
            xml->deleteBindMacro(path, profile, QByteArray::number(textToInt(record.Value)));
    }
    const bool deleted = xml->deleteKeyInfo(path, profile, m_state.keyCodeText());
    // Without an item there is nothing to delete, which is no failure.
    if (hadItem && !deleted)
        m_state.reportFailed(m_state.storeFailureReason());
    else
        m_state.reportSaved();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DResetDefaultPage::retranslate()
{
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(m_state.keyCaption());
    m_textFitter->refit();
}

void DResetDefaultPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    ui->label_3->setStyleSheet(keyFunctionStyle::labelStyle(theme, 11));
    ui->label_KeyChar->setStyleSheet(keyFunctionStyle::keyCaptionStyle(theme, QStringLiteral("label_KeyChar")));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
