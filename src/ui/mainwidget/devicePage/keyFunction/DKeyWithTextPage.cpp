#include "DKeyWithTextPage.h"
#include "ui_DKeyWithTextPage.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

#include <QDebug>
#include <QEvent>

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent) : QWidget(parent), ui(new Ui::DKeyWithTextPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(216, 554));
    m_state.forwardSignalsTo(this);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    ui->textEdit_keyText->installEventFilter(this);
    changAppTheme();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    ui->textEdit_keyText->removeEventFilter(this);
    delete ui;
}

void DKeyWithTextPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DKeyWithTextPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DKeyWithTextPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DKeyWithTextPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DKeyWithTextPage::clearSavedText()
{
    m_storeEvenIfUnchanged = true;
}

void DKeyWithTextPage::loadCurrentKeyFunction()
{
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();
    const customKeyInfo record = m_state.readBinding();
    if (keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateText))
        ui->textEdit_keyText->setPlainText(keyFunctionCatalogue::valueText(record));
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    m_currentText = ui->textEdit_keyText->toPlainText();
    qDebug().noquote() << "----------------on_textEdit_keyText_textChanged:-----------------strText:" << m_currentText;
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    if (m_currentText.isEmpty())
        return;
    // Unchanged is judged against this key's own binding, not the last text
    // saved for any key.
    const customKeyInfo record = m_state.readBinding();
    if (!m_storeEvenIfUnchanged && keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateText)
        && keyFunctionCatalogue::valueText(record) == m_currentText)
        return;
    if (m_state.saveBinding(keyFunctionCatalogue::OperateText, 1, 1, m_currentText.toUtf8()))
        m_storeEvenIfUnchanged = false;
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

bool DKeyWithTextPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->textEdit_keyText) {
        if (event->type() == QEvent::FocusIn)
            qDebug("------------------------------ KeyWithText [FocusIn] --------------------------");
        else if (event->type() == QEvent::FocusOut)
            qDebug("------------------------------ KeyWithText [FocusOut] --------------------------");
    }
    return QWidget::eventFilter(watched, event);
}

void DKeyWithTextPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DKeyWithTextPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme)
                  + keyFunctionStyle::fieldStyle(theme, QStringLiteral("QPlainTextEdit"), theme.DeviceRightBgColor)
                  + QStringLiteral("QScrollBar:vertical{width:4px;background:transparent;margin:0px;}"
                                   "QScrollBar::handle:vertical{background:rgba(0,0,0,51);min-height:20px;}"
                                   "QScrollBar::handle:vertical:hover{background:rgba(0,0,0,77);}"
                                   "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                                   "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}"));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
