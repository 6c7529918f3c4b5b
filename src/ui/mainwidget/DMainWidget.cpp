#include "DMainWidget.h"

#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "SettingsKeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QIcon>
#include <QSettings>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kInitialWidth = 1192;
constexpr int kInitialHeight = 663;
constexpr char kTimeFormat[] = "yyyy/MM/dd hh:mm:ss ddd";
constexpr char kLogoPath[] = ":/images/pardexLogo.png";

QString now()
{
    return QDateTime::currentDateTime().toString(QLatin1String(kTimeFormat));
}

std::unique_ptr<QSettings> openDefaultSettings()
{
    auto defaults = std::make_unique<QSettings>(QString::fromLatin1(SettingsKeys::DefaultSettingsPath),
                                                QSettings::IniFormat);
    defaults->setIniCodec("UTF-8");
    return defaults;
}

void applyUseLocalFont(const QSettings &defaults)
{
    DDataManager::instance()->setUseLocalFont(defaults.value(SettingsKeys::UseLocalFont, false).toBool());
}

} // namespace

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMainWidget"));
    resize(kInitialWidth, kInitialHeight);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    setAttribute(Qt::WA_StyledBackground);

    // The program's first use of the data manager: it writes its start line first.
    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------Into DMainWidget INIT:")
                                       + now());

    readDefaultSettings();
    setWindowIcon(QIcon(QString::fromLatin1(kLogoPath)));

    m_settingsPath = DDataManager::instance()->getUserSettingsPath();
    writeFirstRunSettings();

    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------END DMainWidget INIT:")
                                       + now());

    QSettings settings(m_settingsPath, QSettings::IniFormat);
    onChangAppTheme(settings.value(SettingsKeys::ThemeIndex, 0).toInt());
}

DMainWidget::~DMainWidget() = default;

void DMainWidget::readDefaultSettings()
{
    const std::unique_ptr<QSettings> defaults = openDefaultSettings();
    applyUseLocalFont(*defaults);
    m_windowTitle = defaults->value(SettingsKeys::CompanyName, QString::fromLatin1(SettingsKeys::DefaultCompanyName))
                        .toString();
    setWindowTitle(m_windowTitle);
}

// Keys missing from the user settings file get their first-run values;
// existing values are never overwritten here.
void DMainWidget::writeFirstRunSettings()
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    if (!settings.contains(SettingsKeys::AutoStart)) {
        settings.setValue(SettingsKeys::AutoStart, true);
        AutoStartEntry::install(QCoreApplication::applicationFilePath());
    }
    if (!settings.contains(SettingsKeys::MinimizeToTray))
        settings.setValue(SettingsKeys::MinimizeToTray, true);
    if (!settings.contains(SettingsKeys::CloseToTray))
        settings.setValue(SettingsKeys::CloseToTray, true);
}

void DMainWidget::onChangAppTheme(int themeIndex)
{
    qDebug().noquote() << "------------------------selThemeIndex:" << themeIndex;
    applyTheme(themeIndex);
}

void DMainWidget::applyTheme(int)
{
    applyUseLocalFont(*openDefaultSettings());
    if (DDataManager::instance()->isBgImageUsing())
        return; // the colours carry alpha then; pictures style the window
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    setStyleSheet(QStringLiteral("QWidget#DMainWidget{border:1px solid rgb(%1);background-color: rgb(%2);}")
                      .arg(colors.MainWidgetBorderColor, colors.MainWidgetBgColor));
}

void DMainWidget::on_pushButton_Close_clicked()
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    if (settings.value(SettingsKeys::CloseToTray, false).toBool()) {
        hide();
        return;
    }
    onQuitApp();
}

void DMainWidget::onQuitApp()
{
    DDataManager::instance()->writeLog(QStringLiteral("********************--------------------*** Stop collect log:")
                                       + now());
    close();
    // At once, without returning to the event loop; every setting was saved when it changed.
    std::exit(0);
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    event->accept();
}
