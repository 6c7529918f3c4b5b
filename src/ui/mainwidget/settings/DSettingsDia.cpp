#include "DSettingsDia.h"
#include "choiceTextWrapper.h"
#include "ui_DSettingsDia.h"

#include "AutoStartEntry.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DFirwareInfoShow.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"
#include "desktopActions.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kDialogWidth = 700;
constexpr int kDialogHeight = 460;
constexpr int kNoticePixelSize = 16;
constexpr int kThemeNoticePixelSize = 14;
constexpr int kNoticeBackgroundAlpha = 200;
constexpr int kFilterDelayMs = 500;
constexpr int kGeneralPageId = 0;
constexpr int kAboutPageId = 1;
constexpr int kFirstLanguage = 1;
constexpr int kLastLanguage = 13;
constexpr int kDefaultLanguage = 1; // 简体中文
constexpr int kDarkTheme = 0;
constexpr int kLightTheme = 1;
constexpr int kOtherTheme = 4;
constexpr char kLogoPath[] = ":/images/pardexLogo.png";

// Fills the places %1 to %9 in one pass, so a value holding "%2" is never
// read as a place.
QString fill(const QString &sheet, const QStringList &values)
{
    QString out;
    out.reserve(sheet.size() + 64);
    for (int i = 0; i < sheet.size(); ++i) {
        const QChar c = sheet.at(i);
        if (c == QLatin1Char('%') && i + 1 < sheet.size() && sheet.at(i + 1).isDigit()) {
            const int place = sheet.at(i + 1).digitValue();
            if (place >= 1 && place <= values.size()) {
                out += values.at(place - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

DSettingsDia::LanguageInstaller &languageInstaller()
{
    static DSettingsDia::LanguageInstaller installer;
    return installer;
}

} // namespace

const QList<DSettingsDia::LanguageEntry> &DSettingsDia::languageEntries()
{
    // The display texts stay untranslated, so every user finds their own.
    static const QList<LanguageEntry> entries = {
        {1, "简体中文"}, {3, "English"}, {2, "繁體中文"}, {5, "한국어"},
        {6, "Русский"}, {4, "日本語"}, {8, "Español"}, {9, "Português"},
        {10, "Deutsch"}, {11, "Italiano"}, {12, "Polski"}, {13, "Français"},
        {7, "\u00a0عربي \u060c"},
    };
    return entries;
}

void DSettingsDia::setLanguageInstaller(LanguageInstaller installer)
{
    languageInstaller() = std::move(installer);
}

DSettingsDia::DSettingsDia(QWidget *parent, DDataManager *dataManager)
    : QDialog(parent)
    , ui(new Ui::DSettingsDia)
    , m_dataManager(dataManager ? dataManager : DDataManager::instance())
{
    for (const LanguageEntry &entry : languageEntries())
        m_languageNames << QString::fromUtf8(entry.name);

    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setFixedSize(kDialogWidth, kDialogHeight);
    // The dialog's width is fixed: a long option text breaks into two lines.
    m_optionTexts = new choiceTextWrapper(ui->checkBox_AutoStart->parentWidget());
    setAttribute(Qt::WA_DeleteOnClose);

    const QString logo = QStringLiteral("QFrame{border-image: url(%1);}").arg(QLatin1String(kLogoPath));
    ui->frame_CompanyLogo->setStyleSheet(logo);
    ui->frame_LogoSet->setStyleSheet(logo);

    if (parent)
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(kNoticePixelSize);

    m_settingsPath = SettingsKeys::userSettingsPath(m_dataManager->getUserConfigPath());
    reopenSettings();

    ui->frame_15->hide();
    ui->checkBox_Minimize->hide();
    ui->frame_18->hide();
    ui->checkBox_UsingBgImage->hide();

    ui->checkBox_AutoStart->setChecked(m_settings->value(SettingsKeys::AutoStart, false).toBool());
    ui->checkBox_Minimize->setChecked(m_settings->value(SettingsKeys::MinimizeToTray, false).toBool());
    ui->checkBox_Close->setChecked(m_settings->value(SettingsKeys::CloseToTray, false).toBool());

    m_pageGroup = new QButtonGroup(this);
    m_pageGroup->setExclusive(true);
    m_pageGroup->addButton(ui->pushButton_General, kGeneralPageId);
    m_pageGroup->addButton(ui->pushButton_About, kAboutPageId);
    connect(m_pageGroup, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    // The style sheet's item height needs a styled delegate.
    ui->comboBox_Language->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Language));
    ui->comboBox_Theme->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Theme));

    ui->comboBox_Language->blockSignals(true);
    ui->comboBox_Theme->blockSignals(true);
    fillLanguageList();
    fillThemeList();

    int language = m_settings->value(SettingsKeys::LanguageIndex, -1).toInt();
    if (language < kFirstLanguage || language > kLastLanguage)
        language = kDefaultLanguage;
    ui->comboBox_Language->setCurrentIndex(ui->comboBox_Language->findData(language));

    m_themeIndex = m_settings->value(SettingsKeys::ThemeIndex, kDarkTheme).toInt();
    selectTheme(m_themeIndex);

    ui->comboBox_Language->blockSignals(false);
    ui->comboBox_Theme->blockSignals(false);
    ui->checkBox_UsingBgImage->setChecked(m_dataManager->isBgImageUsing());

    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited);

    updateTheme();

    QTimer::singleShot(kFilterDelayMs, this, &DSettingsDia::onInstallEventFilterOpen);
}

DSettingsDia::~DSettingsDia()
{
    delete ui;
}

void DSettingsDia::setDesktopActions(desktopActions *actions)
{
    m_desktop = actions;
}

void DSettingsDia::setFirmwareInfoMap(QMap<QString, QString> map)
{
    m_firmwareInfoMap = std::move(map);
}

void DSettingsDia::showNoUpgradeNotice()
{
    qDebug().noquote() << "--------------------------- None of them ------------------------";
    m_notice->showNotice(tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::fillLanguageList()
{
    const QList<LanguageEntry> &entries = languageEntries();
    for (int i = 0; i < entries.size(); ++i)
        ui->comboBox_Language->addItem(m_languageNames.at(i), entries.at(i).index);
}

void DSettingsDia::fillThemeList()
{
    ui->comboBox_Theme->addItem(tr("Dark"), kDarkTheme);
    ui->comboBox_Theme->addItem(tr("Light"), kLightTheme);
    if (m_dataManager->isUserConfig())
        ui->comboBox_Theme->addItem(tr("Other"), kOtherTheme);
}

// A theme without an entry leaves the first entry, Dark, selected.
void DSettingsDia::selectTheme(int themeIndex)
{
    const int row = ui->comboBox_Theme->findData(themeIndex);
    ui->comboBox_Theme->setCurrentIndex(row < 0 ? 0 : row);
}

int DSettingsDia::entryValue(const QComboBox *box, const QString &text, int fallback)
{
    const int row = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return row < 0 ? fallback : box->itemData(row).toInt();
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(const QString &text)
{
    qDebug().noquote() << "----------------------------------------Language:" << text;
    const int language = entryValue(ui->comboBox_Language, text, kDefaultLanguage);
    if (!writeSetting(SettingsKeys::LanguageIndex, language))
        qWarning().noquote() << "---------- *** Language not stored *** ----------" << language;

    const LanguageInstaller &install = languageInstaller();
    if (!install || !install(language))
        return;

    ui->comboBox_Theme->blockSignals(true);
    ui->retranslateUi(this);
    m_optionTexts->refit();
    ui->comboBox_Theme->clear();
    fillThemeList();
    selectTheme(m_themeIndex);
    emit sigUpdataAllUI();
    ui->comboBox_Theme->blockSignals(false);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(const QString &text)
{
    const int theme = entryValue(ui->comboBox_Theme, text, kDarkTheme);
    if (!writeSetting(SettingsKeys::ThemeIndex, theme))
        qWarning().noquote() << "---------- *** Theme not stored *** ----------" << theme;
    m_themeIndex = theme;
    m_dataManager->loadThemeConfig(theme);
    updateTheme();
    emit sigChangAppTheme(theme);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool use = ui->checkBox_UsingBgImage->isChecked();
    if (!writeSetting(SettingsKeys::BgImageIsUsing, use)) {
        ui->checkBox_UsingBgImage->setChecked(!use);
        showConfigNotice(false);
        return;
    }
    m_dataManager->setBgImageUsing(use);
    m_dataManager->loadThemeConfig(m_themeIndex);
    updateTheme();
    emit sigChangAppTheme(m_themeIndex);
}

// The entry first, then the key; when the key cannot be stored the entry is
// put back, so the two never disagree.
void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool autoStart = ui->checkBox_AutoStart->isChecked();
    const QString program = QCoreApplication::applicationFilePath();
    const bool wasInstalled = AutoStartEntry::isInstalled();

    bool ok = autoStart ? AutoStartEntry::install(program) : AutoStartEntry::remove();
    if (ok && !writeSetting(SettingsKeys::AutoStart, autoStart)) {
        ok = false;
        if (autoStart && !wasInstalled)
            AutoStartEntry::remove();
        else if (!autoStart && wasInstalled)
            AutoStartEntry::install(program);
    }
    if (!ok)
        ui->checkBox_AutoStart->setChecked(!autoStart);
    showConfigNotice(ok);
}

void DSettingsDia::on_checkBox_Minimize_clicked()
{
    storeCheckBox(ui->checkBox_Minimize, SettingsKeys::MinimizeToTray);
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    storeCheckBox(ui->checkBox_Close, SettingsKeys::CloseToTray);
}

void DSettingsDia::storeCheckBox(QCheckBox *box, const char *key)
{
    const bool checked = box->isChecked();
    const bool ok = writeSetting(key, checked);
    if (!ok)
        box->setChecked(!checked);
    showConfigNotice(ok);
}

bool DSettingsDia::writeSetting(const char *key, const QVariant &value)
{
    // A settings object keeps its first error for good (a failed read at
    // opening counts too): a fresh one tells whether this write reaches the file.
    if (m_settings->status() != QSettings::NoError)
        reopenSettings();
    // QSettings would wait for the lock without end: the window never waits
    // longer than a moment.
    if (!SettingsLock::isFreeForWrite(m_settingsPath)) {
        qWarning().noquote() << "---------- *** Write settings failed *** ----------" << m_settingsPath << key;
        return false;
    }

    const bool had = m_settings->contains(key);
    const QVariant old = m_settings->value(key);
    m_settings->setValue(key, value);
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;

    qWarning().noquote() << "---------- *** Write settings failed *** ----------" << m_settingsPath << key;
    if (had)
        m_settings->setValue(key, old);
    else
        m_settings->remove(key);
    return false;
}

void DSettingsDia::reopenSettings()
{
    m_settings = std::make_unique<QSettings>(m_settingsPath, QSettings::IniFormat);
    m_settings->setIniCodec("UTF-8");
}

void DSettingsDia::showConfigNotice(bool success)
{
    m_notice->showNotice(success ? tr("Set config success") : tr("Set config failed"), rect().center());
}

void DSettingsDia::onCurIndexChanged(int id)
{
    if (id == kGeneralPageId) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

QString DSettingsDia::defaultSetting(const char *key, const char *fallback) const
{
    QSettings defaults(m_dataManager->getDefaultConfigPath(), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    return defaults.value(key, QString::fromUtf8(fallback)).toString();
}

void DSettingsDia::loadAboutInfo()
{
    QSettings defaults(m_dataManager->getDefaultConfigPath(), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");

    ui->label_AppVersion->setText(
        defaults.value(SettingsKeys::AppVersion, QString::fromLatin1(SettingsKeys::DefaultAppVersion)).toString());

    const QString name =
        defaults.value(SettingsKeys::CompanyName, QString::fromLatin1(SettingsKeys::DefaultCompanyName)).toString();
    ui->label_AppName->setText(name);

    QString copyright =
        defaults.value(SettingsKeys::Copyright, QString::fromLatin1(SettingsKeys::DefaultCopyright)).toString();
    copyright.replace(QLatin1Char('*'), QLatin1Char(','));
    ui->label_Copyright->setText(copyright);

    m_companyLink = QString::fromLatin1(SettingsKeys::DefaultCompanyLink);
    if (defaults.contains(SettingsKeys::CompanyLink))
        m_companyLink = defaults.value(SettingsKeys::CompanyLink).toString();

    ui->label_Link->setVisible(defaults.value(SettingsKeys::CompanyLinkShow, false).toBool());

    m_companyName = name;
    ui->label_Link->setText(linkLabelText());
    ui->label_Link->setAlignment(Qt::AlignCenter);
}

QString DSettingsDia::linkLabelText() const
{
    const themeColorInfo colours = m_dataManager->getThemeColor();
    const QString tmpl =
        tr("<html><head/><body><p><span style=\" font-family:'%3'; font-size:12pt; color:#ff6666;\"></span>"
           "<a href=\"Company|%1|\"><span style=\" font-size:12pt; text-decoration: underline; "
           "color:rgb(%2);\">%1</span></a></p></body></html>");
    // The name comes from a settings file: as rich text it must stay text.
    const QString link = themeColorInfo::readableText(colours.TextCheckedColor, colours.SettingsBgColor);
    return fill(tmpl, {m_companyName.toHtmlEscaped(), link.toHtmlEscaped(), colours.TextFont.toHtmlEscaped()});
}

void DSettingsDia::onLickActivited(const QString &)
{
    openLink(m_companyLink);
}

void DSettingsDia::on_pushButton_feedbock_clicked()
{
    openLink(defaultSetting(SettingsKeys::TaoBaoUrl, SettingsKeys::DefaultTaoBaoUrl));
}

void DSettingsDia::on_pushButton_support_clicked()
{
    openLink(defaultSetting(SettingsKeys::WebUrl, SettingsKeys::DefaultWebUrl));
}

void DSettingsDia::openLink(const QString &link)
{
    const QUrl url(link.trimmed(), QUrl::TolerantMode);
    // Only an address, never a local program named in a settings file.
    if (!url.isValid() || url.scheme().isEmpty()) {
        qDebug().noquote() << "---------- *** Not a link *** ----------" << link;
        return;
    }
    desktopActions *desktop = m_desktop ? m_desktop : desktopActions::system();
    desktop->launchProgram(url.toString(QUrl::FullyEncoded));
}

void DSettingsDia::onInstallEventFilterOpen()
{
    ui->frame_LogoSet->installEventFilter(this);
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        showFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The information dialog stays a hidden child until this dialog goes.
void DSettingsDia::showFirmwareInfo()
{
    auto *info = new DFirwareInfoShow(this);
    info->setFirmwareInfo(m_firmwareInfoMap);
    info->exec();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emit sigSettingsWindowClose();
    close();
}

void DSettingsDia::on_pushButton_CheckUpdate_clicked()
{
    emit sigUpdateApp();
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::updateTheme()
{
    const themeColorInfo c = m_dataManager->getThemeColor();
    // Texts that a theme's colours leave faint on their background take the
    // nearest shade that reads; the rest keep the theme's colour.
    const QString text = themeColorInfo::readableText(c.TextDefaultColor, c.SettingsBgColor);
    const QString heading = themeColorInfo::readableText(c.TextCheckedColor, c.SettingsBgColor);
    const QString controlText = themeColorInfo::readableText(c.TextDefaultColor, c.SettingsControlDefaultColor);
    const QString selectedText = themeColorInfo::readableText(c.TextCheckedColor, c.SettingsControlSelectedBgColor);
    const QString pressedText = themeColorInfo::readableText(c.TextCheckedColor, c.SettingsControlHoverBgColor);

    m_notice->setBackgroundColor(themeColorInfo::withAlpha(c.AllBgColor, kNoticeBackgroundAlpha));
    m_notice->setTextColor(themeColorInfo::readableOn(themeColorInfo::opaqueColor(c.TextCheckedColor),
                                                      themeColorInfo::opaqueColor(c.AllBgColor)));
    QFont noticeFont(c.TextFont);
    noticeFont.setPixelSize(kThemeNoticePixelSize);
    m_notice->setTextFont(noticeFont);

    ui->frame_16->setStyleSheet(fill(QStringLiteral("QFrame#frame_16{border:1px solid rgb(%1);}"),
                                     {c.MainWidgetBorderColor}));
    ui->frame_Title->setStyleSheet(
        fill(QStringLiteral("QFrame#frame_Title{background-color:rgb(%1); border:none; "
                            "border-bottom:3px solid rgb(%2);}"
                            "QLabel#label_Title{color:rgb(%3); font: bold 13pt \"%4\";}"),
             {c.SettingsBgColor, c.SettingsBorderColor, heading, c.TextFont}));
    ui->frame_LogoSet->setStyleSheet(
        QStringLiteral("QFrame{border-image: url(%1);}").arg(QLatin1String(kLogoPath)));
    ui->frame_Bg->setStyleSheet(
        fill(QStringLiteral("QFrame#frame_Bg{background-color:rgb(%1);}"), {c.SettingsBgColor}));
    ui->frame_3->setStyleSheet(fill(QStringLiteral("QFrame#frame_3{border:none; border-right:3px solid rgb(%1);}"),
                                    {c.SettingsBorderColor}));
    ui->frame_4->setStyleSheet(fill(
        QStringLiteral("QPushButton{border:none; background-color:rgb(%1); color:rgb(%4); font: bold 11pt \"%6\";}"
                       "QPushButton:hover{background-color:rgb(%2);}"
                       "QPushButton:pressed{color:rgb(%5); background-color:rgb(%3);}"
                       "QPushButton:!checked{color:rgb(%4);}"
                       "QPushButton:checked{color:rgb(%5); background-color:rgb(%3);}"),
        {c.SettingsControlDefaultColor, c.SettingsControlHoverBgColor, c.SettingsControlSelectedBgColor,
         controlText, selectedText, c.TextFont}));
    ui->page_Settings->setStyleSheet(fill(
        QStringLiteral("QLabel{color:rgb(%6); font: bold 10pt \"%5\";}"
                       "QComboBox{background-color:rgb(%1); padding-left:5px; border:1px solid rgb(%2); "
                       "font: bold 10pt \"%5\"; color:rgb(%3);}"
                       "QComboBox:hover{border:1px solid rgb(%4);}"
                       "QComboBox QAbstractItemView{background-color:rgb(%1); color:rgb(%3); "
                       "border:1px solid rgb(%2); outline:0px;}"
                       "QComboBox QAbstractItemView::item{height:40px; padding-left:10px;}"
                       "QComboBox QAbstractItemView::item:hover, QComboBox QAbstractItemView::item:selected"
                       "{color:rgb(%7); background-color:rgb(%1);}"
                       "QComboBox::down-arrow{width:10px; height:10px; "
                       "image:url(:/images/publicIco/comboxDef.png);}"
                       "QComboBox::down-arrow:on{image:url(:/images/publicIco/comboxSel.png);}"
                       "QComboBox::drop-down{width:20px; padding-right:3px; border:none; "
                       "background-color:transparent;}"),
        {c.SettingsControlDefaultColor, c.TextDefaultColor, controlText, c.TextCheckedColor, c.TextFont, heading,
         themeColorInfo::readableText(c.TextCheckedColor, c.SettingsControlDefaultColor)}));

    const QString checkBoxes =
        fill(QStringLiteral("QCheckBox{color:rgb(%1); font: bold 10pt \"%3\";}"
                            "QCheckBox:unchecked{color:rgb(%1);}"
                            "QCheckBox:checked{color:rgb(%2);}"
                            "QCheckBox::indicator{width:13px; height:13px;}"
                            "QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                            "QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}"),
             {text, heading, c.TextFont});
    ui->frame_7->setStyleSheet(checkBoxes);
    ui->checkBox_UsingBgImage->setStyleSheet(checkBoxes);

    const QString label = QStringLiteral("color:rgb(%1); font: bold %3pt \"%2\";");
    ui->label_AppName->setStyleSheet(fill(label, {heading, c.TextFont, QStringLiteral("16")}));
    ui->label_APP->setStyleSheet(fill(label, {heading, c.TextFont, QStringLiteral("12")}));
    ui->label_Copyright->setStyleSheet(fill(label, {heading, c.TextFont, QStringLiteral("10")}));
    ui->label_AppVersion->setStyleSheet(fill(QStringLiteral("color:rgb(%1);"), {heading}));
    ui->label_AppVersion->setFont(m_dataManager->getFont(0));

    const QString buttons = fill(
        QStringLiteral("QPushButton{border-radius:8px; border:1px solid rgb(%1); background-color:rgb(%2); "
                       "color:rgb(%4); font: bold 10pt \"%6\";}"
                       "QPushButton:hover{background-color:rgba(%3, 130); border:1px solid rgb(%5);}"
                       "QPushButton:pressed{color:rgb(%7); background-color:rgb(%3); border:1px solid rgb(%5);}"),
        {c.SettingsControlBorderColor, c.SettingsControlDefaultColor, c.SettingsControlHoverBgColor,
         controlText, c.TextCheckedColor, c.TextFont, pressedText});
    ui->pushButton_CheckUpdate->setStyleSheet(buttons);
    ui->pushButton_UpgradeCheck->setStyleSheet(buttons);
    ui->pushButton_feedbock->setStyleSheet(buttons);
    ui->pushButton_support->setStyleSheet(buttons);

    ui->label_Link->setText(linkLabelText());
}
