#include "DKeyWithAppPage.h"
#include "ui_DKeyWithAppPage.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent) : QWidget(parent), ui(new Ui::DKeyWithAppPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(223, 523));
    m_state.forwardSignalsTo(this);
    m_fileDialog = [](QWidget *dialogParent, const QString &caption, const QString &folder, const QString &filter) {
        return QFileDialog::getOpenFileName(dialogParent, caption, folder, filter);
    };
    changAppTheme();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete ui;
}

void DKeyWithAppPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DKeyWithAppPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DKeyWithAppPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DKeyWithAppPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DKeyWithAppPage::setFileDialog(FileDialog dialog)
{
    m_fileDialog = std::move(dialog);
}

void DKeyWithAppPage::showChosenPath()
{
    ui->textEdit_appPath->clear();
    if (!m_chosenPath.isEmpty())
        ui->textEdit_appPath->appendPlainText(m_chosenPath);
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    qDebug("--------------- selectAppPath -----------------");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Programs here carry no ".exe": every file can be chosen.
    const QString path = m_fileDialog(this, tr("Select exe"), folder, tr("App(*)"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_chosenPath = path;
    showChosenPath();
}

void DKeyWithAppPage::loadCurrentKeyFunction()
{
    // The box and OK follow the key: its own program, or none.
    m_chosenPath.clear();
    const customKeyInfo record = m_state.readBinding();
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateProgram))
        m_chosenPath = keyFunctionCatalogue::valueText(record);
    showChosenPath();
}

void DKeyWithAppPage::on_pushButton_OK_clicked()
{
    if (m_chosenPath.isEmpty() || !QFileInfo(m_chosenPath).isFile())
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateProgram, 1, 1, m_chosenPath.toUtf8());
}

void DKeyWithAppPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DKeyWithAppPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DKeyWithAppPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme)
                  + keyFunctionStyle::fieldStyle(theme, QStringLiteral("QPlainTextEdit"), theme.DeviceRightBgColor));
    ui->pushButton_selectAppPath->setStyleSheet(keyFunctionStyle::buttonStyle(theme, 0));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
