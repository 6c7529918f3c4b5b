#include "DMacroCmdPage.h"
#include "ui_DMacroCmdPage.h"

#include "DDataManager.h"
#include "TextNumber.h"
#include "boundMacroCopy.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"
#include "pageTextFitter.h"
#include "xmlInterface.h"

#include <QDebug>
#include <QIntValidator>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

bool isPlayCount(int count)
{
    return count >= keyFunctionCatalogue::kMinRepeat && count <= keyFunctionCatalogue::kMaxRepeat;
}

} // namespace

DMacroCmdPage::DMacroCmdPage(QWidget *parent) : QWidget(parent), ui(new Ui::DMacroCmdPage)
{
    ui->setupUi(this);
    m_textFitter = new pageTextFitter(this, QSize(259, 551));
    m_state.forwardSignalsTo(this);
    ui->lineEdit_playMany->setValidator(
        new QIntValidator(keyFunctionCatalogue::kMinRepeat, keyFunctionCatalogue::kMaxRepeat, ui->lineEdit_playMany));
    ui->comboBox_Macro->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Macro));
    setToolTips();
    changAppTheme();
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete ui;
}

void DMacroCmdPage::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_state.setHidInterfaceAndXml(hidInterface, xml);
}

void DMacroCmdPage::setCurrentKey(QPair<int, QString> key)
{
    m_state.setCurrentKey(key);
}

void DMacroCmdPage::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_state.setFilePaths(macroFilePath, keyFilePath);
}

void DMacroCmdPage::setProfileIndex(int index)
{
    m_state.setProfileIndex(index);
}

void DMacroCmdPage::setOnboardMode(int mode)
{
    m_state.setOnboardMode(mode);
    ui->frame->setVisible(mode != 1);
}

void DMacroCmdPage::reloadMacroList()
{
    ui->comboBox_Macro->clear();
    m_macroMap.clear();
    xmlIndexNameList macros;
    if (xmlInterface *xml = m_state.store())
        xml->getMacroList(m_state.macroFilePath(), macros);
    for (const auto &macro : qAsConst(macros)) {
        const QString name = QString::fromUtf8(macro.second);
        ui->comboBox_Macro->addItem(name, QString::fromUtf8(macro.first));
        m_macroMap.insert(textToInt(macro.first.constData()), name);
    }
}

void DMacroCmdPage::loadCurrentKeyFunction()
{
    const QSignalBlocker listBlocker(ui->comboBox_Macro);
    const QSignalBlocker countBlocker(ui->lineEdit_playMany);
    m_playCount = 1;
    m_playType = keyFunctionCatalogue::MacroPlayOnce;
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    reloadMacroList();
    ui->comboBox_Macro->setCurrentIndex(0);

    const customKeyInfo record = m_state.readBinding();
    if (!keyFunctionPageState::isBindingOf(record, keyFunctionCatalogue::OperateMacro)) {
        ui->frame_5->hide();
        return;
    }
    const int mode = textToInt(record.mode);
    switch (mode) {
    case keyFunctionCatalogue::MacroPlayCounted:
        ui->radioButton_playMany->setChecked(true);
        break;
    case keyFunctionCatalogue::MacroToggle:
        ui->radioButton_playKeyPressRelStop->setChecked(true);
        break;
    case keyFunctionCatalogue::MacroWhileHeld:
        ui->radioButton_playWhellKeyPress->setChecked(true);
        break;
    default:
        break;
    }
    if (mode == keyFunctionCatalogue::MacroPlayCounted) {
        ui->lineEdit_playMany->setText(QString::fromUtf8(record.repeatNum));
        ui->lineEdit_playMany->setEnabled(true);
        ui->frame_5->show();
    } else {
        ui->lineEdit_playMany->setText(QStringLiteral("1"));
        ui->frame_5->hide();
    }
    // By index, not by name: macros may share a name.
    const int macroIndex = textToInt(record.Value);
    for (int i = 0; i < ui->comboBox_Macro->count(); ++i) {
        if (textToInt(ui->comboBox_Macro->itemData(i).toString().toUtf8().constData()) == macroIndex) {
            ui->comboBox_Macro->setCurrentIndex(i);
            break;
        }
    }
    m_playCount = textToInt(record.repeatNum);
    m_playType = mode;
}

void DMacroCmdPage::choosePlayType(int mode)
{
    const bool counted = mode == keyFunctionCatalogue::MacroPlayCounted;
    ui->frame_5->setVisible(counted);
    ui->lineEdit_playMany->setEnabled(counted);
    m_playType = mode;
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    choosePlayType(keyFunctionCatalogue::MacroPlayOnce);
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    choosePlayType(keyFunctionCatalogue::MacroPlayCounted);
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    choosePlayType(keyFunctionCatalogue::MacroToggle);
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    choosePlayType(keyFunctionCatalogue::MacroWhileHeld);
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    m_playCount = text.toInt();
    qDebug().noquote() << "--------------- lineEdit_playMany ----------------- textChanged:" << text;
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_comboBox_Macro_currentIndexChanged(int index)
{
    qDebug().noquote() << "--------------- Macro playWhellKeyPress ----------------- arg1:"
                       << ui->comboBox_Macro->itemText(index) << "  macroIndex:"
                       << ui->comboBox_Macro->itemData(index).toString();
    if (m_state.isOnboard())
        on_pushButton_OK_clicked();
}

void DMacroCmdPage::on_pushButton_OK_clicked()
{
    if (ui->radioButton_playOne->isChecked()) {
        saveMacroBinding(1, keyFunctionCatalogue::MacroPlayOnce);
    } else if (ui->radioButton_playMany->isChecked()) {
        m_playCount = ui->lineEdit_playMany->text().toInt();
        saveMacroBinding(m_playCount, keyFunctionCatalogue::MacroPlayCounted);
    } else if (ui->radioButton_playKeyPressRelStop->isChecked()) {
        saveMacroBinding(1, keyFunctionCatalogue::MacroToggle);
    } else if (ui->radioButton_playWhellKeyPress->isChecked()) {
        saveMacroBinding(1, keyFunctionCatalogue::MacroWhileHeld);
    }
}

void DMacroCmdPage::saveMacroBinding(int repeat, int mode)
{
    // The macro shown is the macro bound; with no macro there is nothing to bind.
    if (ui->comboBox_Macro->currentIndex() < 0)
        return;
    if (mode != keyFunctionCatalogue::MacroPlayCounted)
        repeat = 1;
    else if (!isPlayCount(repeat))
        return; // an empty or out-of-range count plays nothing: not stored
    m_playType = mode;
    const int macroIndex = textToInt(ui->comboBox_Macro->currentData().toString().toUtf8().constData());

    xmlInterface *xml = m_state.store();
    if (xml) {
        const QString path = m_state.keyFilePath();
        const QByteArray profile = m_state.profileText();
        const QByteArray index = QByteArray::number(macroIndex);
        const int users = xml->countKeysWithValue(path, profile, QByteArray::number(keyFunctionCatalogue::OperateMacro),
                                                  index);
        // Also when a binding exists but its copy went missing: the link plays
        // the copy, not the macro file.
        QList<macroItemInfo> existing;
        if (users < 1 || !xml->getBindMacroItems(path, profile, index, existing))
            refreshMacroCopy(macroIndex);
    }
    QString reason;
    if (m_state.writeBinding(keyFunctionCatalogue::OperateMacro, repeat, mode, QByteArray::number(macroIndex), &reason))
        m_state.reportSaved();
    else
        m_state.reportFailed(reason);
}

void DMacroCmdPage::refreshMacroCopy(int macroIndex)
{
    boundMacroCopy::refresh(*m_state.store(), m_state.keyFilePath(), m_state.profileText(), m_state.macroFilePath(),
                            QByteArray::number(macroIndex));
}

void DMacroCmdPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DMacroCmdPage::setToolTips()
{
    ui->radioButton_playMany->setToolTip(tr("Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setToolTip(tr("Continous playback on/off"));
    ui->radioButton_playWhellKeyPress->setToolTip(tr("Play while assigned key is pressed"));
}

void DMacroCmdPage::retranslate()
{
    ui->retranslateUi(this);
    setToolTips();
    m_textFitter->refit();
}

void DMacroCmdPage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    setStyleSheet(keyFunctionStyle::labelStyle(theme) + keyFunctionStyle::radioStyle(theme)
                  + keyFunctionStyle::fieldStyle(theme, QStringLiteral("QLineEdit"), theme.MacroLeftBgColor)
                  + keyFunctionStyle::comboStyle(theme, QStringLiteral("comboBox_Macro"))
                  + QStringLiteral("QFrame#frame_3{%1}").arg(keyFunctionStyle::clearBackground()));
    ui->frame->setStyleSheet(keyFunctionStyle::buttonStyle(theme));
    m_textFitter->refit();
}
