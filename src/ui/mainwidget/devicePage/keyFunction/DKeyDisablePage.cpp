#include "DKeyDisablePage.h"
#include "ui_DKeyDisablePage.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent) : QWidget(parent), ui(new Ui::DKeyDisablePage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(257, 553));
    m_state.forwardSignalsTo(this);
    changAppTheme();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete ui;
}

void DKeyDisablePage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DKeyDisablePage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
    ui->label_KeyChar->setText(key.second);
    m_textFitter->refit();
}

void DKeyDisablePage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DKeyDisablePage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DKeyDisablePage::loadCurrentKeyFunction() {}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    m_state.saveBinding(keyFunctionCatalogue::OperateDisable, 1, 1,
                        QByteArray::number(keyFunctionCatalogue::kDisabledValue));
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DKeyDisablePage::retranslate()
{
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(m_state.keyCaption());
    m_textFitter->refit();
}

void DKeyDisablePage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    ui->label_3->setStyleSheet(keyFunctionStyle::labelStyle(theme, 11));
    ui->label_KeyChar->setStyleSheet(keyFunctionStyle::keyCaptionStyle(theme, QStringLiteral("label_KeyChar")));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
