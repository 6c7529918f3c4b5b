#include "DPerformancePage.h"
#include "choiceTextWrapper.h"

#include "DDataManager.h"
#include "DesktopSettingsLauncher.h"
#include "TextNumber.h"
#include "xmlInterface.h"
#include "xmlRecords.h"

#include "ui_DPerformancePage.h"

#include <QDebug>
#include <QFile>

namespace {

constexpr int kPageWidth = 700;
constexpr int kPageHeight = 150;

const char kPageStyle[] =
    "QLabel{ color: rgb(%1); font: bold 10pt \"%3\"; } "
    "QCheckBox{ color: rgb(%1); font: bold 10pt \"%3\"; } "
    "QCheckBox:checked{ color: rgb(%2); } "
    "QCheckBox::indicator{ width: 13px; height: 13px; } "
    "QCheckBox::indicator:unchecked{ border-image: url(:/images/publicIco/checkBoxDef.png); } "
    "QCheckBox::indicator:checked{ border-image: url(:/images/publicIco/checkBoxSel.png); } "
    "QFrame#frame_5, QFrame#frame_6, QFrame#frame_7{ border: none; }";
const char kFrameStyle[] =
    "QFrame#frame{ border-radius: 8px; background-color: rgb(%1); border: 0px solid rgb(%2); }";
const char kOptionsFrameStyle[] = "QFrame#frame_4{ border: none; border-right: 1px solid rgb(%1); }";
const char kButtonStyle[] =
    "QPushButton{ border-radius: 8px; border: 1px solid rgb(%1); background-color: rgb(%2); "
    "color: rgb(%3); font: bold 10pt \"%6\"; } "
    "QPushButton:hover{ background-color: rgba(%4,130); border: 1px solid rgb(%5); } "
    "QPushButton:pressed{ color: rgb(%5); border: 1px solid rgb(%5); background-color: rgb(%4); } "
    "QPushButton:disabled{ color: rgba(%3,100); }";

QByteArray flag(const QCheckBox *box)
{
    return box->isChecked() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// The theme's "r,g,b" without an alpha of its own, for rgba().
QString rgbPart(const QString &colour)
{
    return colour.section(QLatin1Char(','), 0, 2);
}

} // namespace

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DPerformancePage>())
    , m_launcher(DesktopSettingsLauncher::system())
{
    m_ui->setupUi(this);
    setFixedSize(kPageWidth, kPageHeight);
    changAppTheme();
    updateSettingsButton();
    // Long translations of the lock options break into two lines.
    m_lockOptions = new choiceTextWrapper(m_ui->frame_4);
}

DPerformancePage::~DPerformancePage() = default;

void DPerformancePage::setHidInterfaceAndXml(MainHidInterFace *hid, xmlInterface *store)
{
    m_hid = hid;
    m_store = store;
}

void DPerformancePage::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DPerformancePage::setFilePaths(const char *macroPath, const char *profilePath)
{
    // A path cut to a fixed buffer would name another file.
    m_macroPath = macroPath ? QFile::decodeName(macroPath) : QString();
    m_profilePath = profilePath ? QFile::decodeName(profilePath) : QString();
}

void DPerformancePage::setDesktopSettingsLauncher(DesktopSettingsLauncher *launcher)
{
    m_launcher = launcher;
    m_launchFailure.clear();
    updateSettingsButton();
}

void DPerformancePage::loadPerformanceOptions()
{
    performanceSettingInfo info;
    for (char *field : {info.feature1, info.feature2, info.feature3, info.feature4})
        qstrncpy(field, "0", sizeof(info.feature1));
    if (m_store)
        m_store->getPerformanceSetting(m_profilePath, QByteArray::number(m_profileIndex), info);
    // setChecked() is no click: nothing is stored.
    m_ui->checkBox_disableALT_TAB->setChecked(textToInt(info.feature1) != 0);
    m_ui->checkBox_disableALT_F4->setChecked(textToInt(info.feature2) != 0);
    m_ui->checkBox_disableSHIFT_TAB->setChecked(textToInt(info.feature3) != 0);
    m_ui->checkBox_disableWindowsKey->setChecked(textToInt(info.feature4) != 0);
}

void DPerformancePage::savePerformanceOptions()
{
    const bool stored = m_store
        && m_store->setPerformanceSetting(m_profilePath, QByteArray::number(m_profileIndex),
                                          flag(m_ui->checkBox_disableALT_TAB), flag(m_ui->checkBox_disableALT_F4),
                                          flag(m_ui->checkBox_disableSHIFT_TAB),
                                          flag(m_ui->checkBox_disableWindowsKey));
    if (!stored) {
        // The boxes must show what the keyboard link will read.
        qWarning().noquote() << QStringLiteral("Performance options of profile %1 in %2 were not stored")
                                    .arg(m_profileIndex)
                                    .arg(m_profilePath);
        loadPerformanceOptions();
    }
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    qDebug() << "--------------- disableALT_TAB -----------------";
    savePerformanceOptions();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    qDebug() << "--------------- disableALT_F4 -----------------";
    savePerformanceOptions();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    qDebug() << "--------------- disableSHIFT_TAB -----------------";
    savePerformanceOptions();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    qDebug() << "--------------- disableWindowsKey -----------------";
    savePerformanceOptions();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    if (!m_launcher)
        return;
    QString error;
    if (m_launcher->launch(DesktopSettingsLauncher::Keyboard, &error)) {
        m_launchFailure.clear();
    } else {
        qWarning().noquote() << "Keyboard settings could not be opened:" << error;
        m_launchFailure = error;
    }
    updateSettingsButton();
}

void DPerformancePage::updateSettingsButton()
{
    QPushButton *button = m_ui->pushButton_keyboardProperties;
    const bool available = m_launcher && m_launcher->command(DesktopSettingsLauncher::Keyboard).isValid();
    button->setEnabled(available);
    if (!available)
        button->setToolTip(tr("No keyboard settings program was found for this desktop."));
    else if (!m_launchFailure.isEmpty())
        button->setToolTip(tr("The keyboard settings could not be opened: %1").arg(m_launchFailure));
    else
        button->setToolTip(QString());
}

void DPerformancePage::retranslate()
{
    m_ui->retranslateUi(this);
    updateSettingsButton();
    m_lockOptions->refit();
}

void DPerformancePage::changAppTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    // The theme's text colours, or the nearest shade that reads where they
    // would be faint on the panel or the buttons.
    const auto onPanel = [&theme](const QString &text) {
        return rgbPart(themeColorInfo::readableText(text, theme.DeviceBottomBgColor));
    };
    setStyleSheet(QString::fromLatin1(kPageStyle)
                      .arg(onPanel(theme.TextDefaultColor), onPanel(theme.TextCheckedColor), theme.TextFont));
    m_ui->frame->setStyleSheet(QString::fromLatin1(kFrameStyle).arg(theme.DeviceBottomBgColor, theme.DeviceBorderColor));
    m_ui->frame_4->setStyleSheet(QString::fromLatin1(kOptionsFrameStyle).arg(theme.DeviceControlDefaultColor));
    m_ui->frame_5->setStyleSheet(
        QString::fromLatin1(kButtonStyle)
            .arg(theme.DeviceBorderColor, theme.DeviceControlDefaultColor,
                 rgbPart(themeColorInfo::readableText(theme.TextDefaultColor, theme.DeviceControlDefaultColor)),
                 rgbPart(theme.DeviceControlHoverColor),
                 rgbPart(themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceControlHoverColor)),
                 theme.TextFont));
}
