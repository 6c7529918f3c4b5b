#include "DChangeKeyPage.h"
#include "ui_DChangeKeyPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr int kRemapHookMode = 2;
}

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : QWidget(parent), ui(new Ui::DChangeKeyPage), m_hooks(kRemapHookMode)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(208, 551));
    m_state.forwardSignalsTo(this);
    ui->lineEdit_changForKey->installEventFilter(this);
    changAppTheme();
}

DChangeKeyPage::~DChangeKeyPage()
{
    ui->lineEdit_changForKey->removeEventFilter(this);
    m_hooks.release();
    delete ui;
}

void DChangeKeyPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
    ui->lineEdit_changForKey->setFocus();
}

void DChangeKeyPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DChangeKeyPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DChangeKeyPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DChangeKeyPage::setKeyNameMap(QMap<int, QString> keyNames)
{
    m_keyNameMap = keyNames;
}

void DChangeKeyPage::setOnboardMode(int mode)
{
    m_state.setOnboardMode(mode);
    ui->frame->setVisible(mode != 1);
}

void DChangeKeyPage::loadCurrentKeyFunction()
{
    m_capturedUsage = -1;
    ui->lineEdit_changForKey->clear();
    const customKeyInfo record = m_state.readBinding();
    if (!keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateRemap))
        return;
    // Only shown: OK right after a load writes nothing.
    const int usage = textToInt(record.Value);
    if (m_keyNameMap.contains(usage))
        ui->lineEdit_changForKey->setText(m_keyNameMap.value(usage));
    ui->lineEdit_changForKey->setFocus();
}

void DChangeKeyPage::setCapturedKey(int usage)
{
    if (usage == m_capturedUsage || !m_keyNameMap.contains(usage))
        return;
    ui->lineEdit_changForKey->clear();
    ui->lineEdit_changForKey->setText(m_keyNameMap.value(usage));
    m_capturedUsage = usage;
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DChangeKeyPage::on_pushButton_OK_clicked()
{
    if (m_capturedUsage == -1)
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateRemap, 1, 1, QByteArray::number(m_capturedUsage));
    m_capturedUsage = -1;
}

void DChangeKeyPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

bool DChangeKeyPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit_changForKey) {
        if (event->type() == QEvent::FocusIn) {
            qDebug("------------------------------ Chang Key [FocusIn] --------------------------");
            emit sigChangKeyOrCombinationKeyFocusIn(true);
            m_hooks.take();
        } else if (event->type() == QEvent::FocusOut) {
            qDebug("------------------------------ Chang Key [FocusOut] --------------------------");
            emit sigChangKeyOrCombinationKeyFocusIn(false);
            m_hooks.release();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DChangeKeyPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DChangeKeyPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme)
                  + keyFunctionStyle::fieldStyle(theme, QStringLiteral("QLineEdit"), theme.DeviceRightBgColor));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
