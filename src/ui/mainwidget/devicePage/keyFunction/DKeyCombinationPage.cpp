#include "DKeyCombinationPage.h"
#include "ui_DKeyCombinationPage.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"

#include <QByteArray>
#include <QDebug>
#include <QEvent>

namespace {
constexpr int kCombinationHookMode = 3;
constexpr int kMaxModifiers = 2;
}

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : QWidget(parent), ui(new Ui::DKeyCombinationPage), m_hooks(kCombinationHookMode)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(251, 550));
    m_state.forwardSignalsTo(this);
    ui->lineEdit_keyCombination->installEventFilter(this);
    changAppTheme();
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    ui->lineEdit_keyCombination->removeEventFilter(this);
    m_hooks.release();
    delete ui;
}

void DKeyCombinationPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
    ui->lineEdit_keyCombination->setFocus();
}

void DKeyCombinationPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DKeyCombinationPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DKeyCombinationPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DKeyCombinationPage::setKeyNameMap(QMap<int, QString> keyNames)
{
    m_keyNameMap = keyNames;
}

void DKeyCombinationPage::setOnboardMode(int mode)
{
    m_state.setOnboardMode(mode);
    ui->frame->setVisible(mode != 1);
}

void DKeyCombinationPage::resetCapture()
{
    ui->lineEdit_keyCombination->clear();
    m_keyNames.clear();
    m_keyNameCount = 0;
    m_SpeciaKeyDec = 0;
    m_NormalKeyDec = 0;
}

void DKeyCombinationPage::clearCaptureText()
{
    ui->lineEdit_keyCombination->clear();
}

void DKeyCombinationPage::loadCurrentKeyFunction()
{
    emit sigSoftKeyboardClickedKeyReset();
    resetCapture();
    const customKeyInfo record = m_state.readBinding();
    if (!keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateCombination))
        return;
    keyFunctionCatalogue::Combination combination;
    if (!keyFunctionCatalogue::parseCombination(QByteArray(record.Value), combination))
        return; // not a value this page writes: an empty field
    // Only shown, modifiers in bit order: OK right after a load writes nothing.
    ui->lineEdit_keyCombination->setText(keyFunctionCatalogue::combinationText(combination, m_keyNameMap));
    ui->lineEdit_keyCombination->setFocus();
}

void DKeyCombinationPage::appendKeyName(const QString &name)
{
    if (m_keyNames.contains(name))
        return;
    m_keyNames.append(name);
    m_keyNameCount = m_keyNames.size();
    ui->lineEdit_keyCombination->setText(m_keyNames.join(QLatin1Char('+')));
}

void DKeyCombinationPage::addCapturedKey(int usage)
{
    if (!m_captureInProgress) {
        resetCapture();
        m_captureInProgress = true;
    }
    const int bit = keyFunctionCatalogue::modifierMask(usage);
    if (bit == 0 && m_keyNameCount == 0) {
        // The first key must be a modifier.
        emit sigSoftKeyboardClickedKeyReset();
        return;
    }
    qDebug().nospace() << "--------------------------charDec:" << usage << " SpeciaKeyDec:" << bit;

    if (bit == 0) {
        m_captureInProgress = false;
        if (m_keyNameMap.contains(usage)) {
            m_NormalKeyDec = usage;
            const QString caption = m_keyNameMap.value(usage);
            qDebug().noquote() << "---- KeyCombinationPag => Read usb info data[8]) strKeyChar:" << caption;
            appendKeyName(caption);
            m_keyNameCount = 0;
            m_keyNames.clear();
            emit sigSoftKeyboardClickedKeyReset();
            if (m_state.isOnboard())
                on_pushButton_OK_clicked();
        }
    }
    if (m_keyNameCount == kMaxModifiers) {
        // A third modifier, or an unknown key after two, is refused.
        emit sigResetSoftKeyStatusToDefault(usage);
        return;
    }
    if (bit == 0)
        return;
    m_SpeciaKeyDec |= bit;
    qDebug() << "---- KeyCombinationPag => Read usb info data[5]) charDec:" << bit;
    for (const keyFunctionCatalogue::Modifier &modifier : keyFunctionCatalogue::modifiers()) {
        if (modifier.mask == bit)
            appendKeyName(QLatin1String(modifier.name));
    }
}

void DKeyCombinationPage::on_pushButton_OK_clicked()
{
    if (m_SpeciaKeyDec == 0 || m_NormalKeyDec == 0)
        return;
    m_state.saveBinding(keyFunctionCatalogue::OperateCombination, 1, 1,
                        keyFunctionCatalogue::formatCombination(m_SpeciaKeyDec, m_NormalKeyDec));
    m_SpeciaKeyDec = 0;
    m_NormalKeyDec = 0;
    emit sigSoftKeyboardClickedKeyReset();
}

void DKeyCombinationPage::on_pushButton_Cancel_clicked()
{
    emit sigSoftKeyboardClickedKeyReset();
    resetCapture();
    emit sigClickedCancel();
}

bool DKeyCombinationPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit_keyCombination) {
        if (event->type() == QEvent::FocusIn) {
            qDebug("------------------------------ Combination Key [FocusIn] --------------------------");
            emit sigChangKeyOrCombinationKeyFocusIn(true);
            m_hooks.take();
        } else if (event->type() == QEvent::FocusOut) {
            qDebug("------------------------------ Combination Key [FocusOut] --------------------------");
            emit sigChangKeyOrCombinationKeyFocusIn(false);
            m_hooks.release();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DKeyCombinationPage::retranslate()
{
    ui->retranslateUi(this);
    m_textFitter->refit();
}

void DKeyCombinationPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme)
                  + keyFunctionStyle::fieldStyle(theme, QStringLiteral("QLineEdit"), theme.DeviceRightBgColor));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
