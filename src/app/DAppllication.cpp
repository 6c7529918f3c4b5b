#include "DAppllication.h"

#include "DDataManager.h"
#include "DLoginWidget.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "QtLinguist.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"
#include "TerminationSignalNotifier.h"

#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QSettings>
#include <QStandardPaths>

#include <cstdlib>

namespace {

constexpr char kFontFamily[] = "Microsoft YaHei";
constexpr int kFontPixelSize = 12;
constexpr char kVersion[] = "1.0.0.0";
constexpr char kAutoUp[] = "AutoUp";

} // namespace

DAppllication::DAppllication(const QString &appId, int &argc, char **argv)
    : QtSingleApplication(appId, argc, argv)
{
    // The C generator, which the lighting effects draw from.
    std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));

    QFont font = QApplication::font();
    font.setFamily(QString::fromLatin1(kFontFamily));
    font.setPixelSize(kFontPixelSize);
    QApplication::setFont(font);

    initSettings();
    // The settings dialog installs a chosen language through our one translator.
    DSettingsDia::setLanguageInstaller([this](int languageIndex) { return setLanguage(languageIndex); });
    initLogin();
}

DAppllication::~DAppllication()
{
    delete m_mainWidget;
}

DAppllication *DAppllication::instance()
{
    return qobject_cast<DAppllication *>(QCoreApplication::instance());
}

QtLinguist *DAppllication::getLinguist()
{
    if (!m_linguist)
        m_linguist = new QtLinguist;
    return m_linguist;
}

bool DAppllication::setLanguage(int languageIndex)
{
    return getLinguist()->setLanguage(languageIndex);
}

int DAppllication::initLanguage(QtLinguist *linguist, const QString &userConfigDir)
{
    int chosen = linguist->getDefaultLanguage();
    const QString path = SettingsKeys::userSettingsPath(userConfigDir);
    QSettings settings(path, QSettings::IniFormat);
    if (QDir(userConfigDir).exists()) {
        const int stored =
            settings.contains(SettingsKeys::LanguageIndex) ? settings.value(SettingsKeys::LanguageIndex).toInt() : -1;
        if (stored != -1)
            chosen = stored;
    }
    // An index that names no language installs nothing and is kept as it is.
    linguist->setLanguage(chosen);
    if (SettingsLock::isFreeForWrite(path))
        settings.setValue(SettingsKeys::LanguageIndex, chosen);
    return chosen;
}

bool DAppllication::isAutoUpStart(bool isAutoStart, const QString &commandLine)
{
    return isAutoStart && commandLine.contains(QLatin1String(kAutoUp), Qt::CaseSensitive);
}

bool DAppllication::startsHidden(bool isAutoStart, const QString &commandLine, bool hasSystemTray)
{
    return hasSystemTray && isAutoUpStart(isAutoStart, commandLine);
}

void DAppllication::initSettings()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QString::fromLatin1(kVersion));
    setQuitOnLastWindowClosed(true);

    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    initLanguage(getLinguist(), SettingsKeys::userConfigDir(appData));

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::initLogin()
{
    m_loginWidget = std::make_unique<DLoginWidget>();
    setActivationWindow(m_loginWidget.get(), true);
    connect(m_loginWidget.get(), &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished);
    // The gate is never shown: it reports success at once.
    m_loginWidget->on_pushButton_Login_clicked();
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    m_loginWidget->fadeOut();

    m_mainWidget = new DMainWidget;
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    // A second start is answered in onSecondStart, not by raising at once.
    setActivationWindow(m_mainWidget, false);
    connect(this, &QtSingleApplication::messageReceived, this, &DAppllication::onSecondStart);
    // A stop asked by the session or a terminal is the tray's Quit.
    auto *termination = new TerminationSignalNotifier(this);
    connect(termination, &TerminationSignalNotifier::terminationRequested, m_mainWidget, &DMainWidget::onQuitApp);

    QSettings settings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat);
    const bool autoStart = settings.value(SettingsKeys::AutoStart, false).toBool();
    if (startsHidden(autoStart, arguments().join(QLatin1Char(' ')), m_mainWidget->hasSystemTray()))
        m_mainWidget->hide();
}

void DAppllication::onSecondStart()
{
    // With a tray icon the window is one click away and the running copy is
    // left undisturbed; without one a hidden window could not come back.
    if (!m_mainWidget || m_mainWidget->hasSystemTray())
        return;
    m_mainWidget->show();
    activateWindow();
}
