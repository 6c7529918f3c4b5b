#include "DDataManager.h"

#include "LogCollectClass.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr char kFontFamily[] = "Microsoft YaHei";
constexpr char kTimeFormat[] = "yyyy/MM/dd hh:mm:ss ddd";
constexpr int kOtherThemeIndex = 4;
constexpr int kThemeFontPointSize = 10;
constexpr int kBoldWeight = 75;
constexpr int kNormalWeight = 50;

QString makeFolder(const QString &path)
{
    // All missing parents too: a fresh account may lack ~/.local/share.
    QDir().mkpath(path);
    return path;
}

} // namespace

DDataManager *DDataManager::instance()
{
    // Thread-safe first construction, never destroyed.
    static DDataManager *const s_instance = new DDataManager(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QString::fromLatin1(SettingsKeys::DefaultSettingsPath));
    return s_instance;
}

std::unique_ptr<DDataManager> DDataManager::create(const QString &appDataDir, const QString &defaultConfigPath)
{
    return std::unique_ptr<DDataManager>(new DDataManager(appDataDir, defaultConfigPath));
}

DDataManager::DDataManager(const QString &appDataDir, const QString &defaultConfigPath)
    : m_defaultConfigPath(defaultConfigPath)
    , m_defaultFamilyFont(QGuiApplication::font())
{
    m_appDataDir = makeFolder(appDataDir);
    m_userConfigDir = makeFolder(SettingsKeys::userConfigDir(m_appDataDir));
    m_logCollectDir = makeFolder(QStringLiteral("%1/LogCollect").arg(m_appDataDir));

    m_logCollect = new LogCollectClass(this);
    m_logCollect->openLogFile(m_logCollectDir, true);
    writeLog(QStringLiteral("********************--------------------Start collect log:")
             + QDateTime::currentDateTime().toString(QLatin1String(kTimeFormat)));

    readSettings();
}

DDataManager::~DDataManager() = default;

void DDataManager::readSettings()
{
    QSettings user(getUserSettingsPath(), QSettings::IniFormat);
    user.setIniCodec("UTF-8");
    // Written only when the settings lock is free within a moment.
    int writable = -1;
    const auto write = [&](const char *key, const QVariant &value) {
        if (writable < 0)
            writable = SettingsLock::isFreeForWrite(getUserSettingsPath()) ? 1 : 0;
        if (writable)
            user.setValue(key, value);
    };

    int themeIndex = 0;
    if (user.contains(SettingsKeys::ThemeIndex))
        themeIndex = user.value(SettingsKeys::ThemeIndex).toInt();
    else
        write(SettingsKeys::ThemeIndex, 0);

    if (user.contains(SettingsKeys::BgImageIsUsing))
        m_bgImageIsUsing = user.value(SettingsKeys::BgImageIsUsing).toBool();
    else
        write(SettingsKeys::BgImageIsUsing, false);

    QSettings defaults(m_defaultConfigPath, QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    m_userConfig = defaults.value(SettingsKeys::UserConfig, false).toBool();

    // The Other theme is only offered while its file comes from configDir.
    if (!m_userConfig && themeIndex == kOtherThemeIndex) {
        themeIndex = 0;
        write(SettingsKeys::ThemeIndex, 0);
    }

    loadThemeConfig(themeIndex);
    m_defaultFamilyFont.setFamily(QString::fromLatin1(kFontFamily));

    const QString version =
        defaults.value(SettingsKeys::AppVersion, QString::fromLatin1(SettingsKeys::DefaultAppVersion)).toString();
    QString oldVersion;
    if (user.contains(SettingsKeys::OldVersion))
        oldVersion = user.value(SettingsKeys::OldVersion).toString();
    else
        write(SettingsKeys::OldVersion, version);
    // A first start (no stored version) counts as a change.
    m_versionChanged = version != oldVersion;
    if (m_versionChanged)
        write(SettingsKeys::OldVersion, version);
}

void DDataManager::writeLog(const QString &text)
{
    m_logCollect->writeLog(text.toLocal8Bit());
}

themeColorInfo DDataManager::getThemeColor() const { return m_themeColor; }

QString DDataManager::themeFilePath(int themeIndex, bool userConfig)
{
    switch (themeIndex) {
    case 1:
        return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2:
        return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3:
        return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case kOtherThemeIndex:
        if (userConfig)
            return QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/OtherThemeConfig.ini");
        return QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default:
        return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

QString DDataManager::themeColorText(const QString &fileValue, bool bgImageUsing)
{
    // The files write dots because QSettings reads a comma-separated value as a list.
    QString text = fileValue;
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    if (!bgImageUsing && text.count(QLatin1Char(',')) == 3)
        text.truncate(text.lastIndexOf(QLatin1Char(',')));
    return text;
}

void DDataManager::loadThemeConfig(int themeIndex)
{
    QSettings file(themeFilePath(themeIndex, m_userConfig), QSettings::IniFormat);
    file.setIniCodec("UTF-8");

    themeColorInfo colors;
    for (int i = 0; i < themeColorInfo::ColorCount; ++i) {
        const QString key = QStringLiteral("ThemeColor/") + QLatin1String(themeColorInfo::keyName(i));
        colors.entry(i) = themeColorText(file.value(key).toString(), m_bgImageIsUsing);
    }
    colors.TextFont = file.value(QStringLiteral("ThemeColor/TextFont")).toString();

    m_themeColor = colors;
    m_boldThemeFont = QFont(colors.TextFont, kThemeFontPointSize, kBoldWeight);
    m_normalThemeFont = QFont(colors.TextFont, kThemeFontPointSize, kNormalWeight);
}

QFont DDataManager::getFont(int kind) const
{
    if (!m_useLocalFont)
        return m_defaultFamilyFont;
    switch (kind) {
    case 0:
        return m_boldThemeFont;
    case 1:
        return m_normalThemeFont;
    default:
        return m_defaultFamilyFont;
    }
}

QString DDataManager::getElidedText(const QFont &font, const QString &text, int width) const
{
    QFontMetrics fm(font);
    if (fm.horizontalAdvance(text) >= width)
        return fm.elidedText(text, Qt::ElideRight, width);
    return text;
}

QString DDataManager::getAppDataDir() const { return m_appDataDir; }
QString DDataManager::getUserConfigDir() const { return m_userConfigDir; }
QString DDataManager::getUserConfigPath() const { return m_userConfigDir; }
QString DDataManager::getLogCollectDir() const { return m_logCollectDir; }

QString DDataManager::getUserSettingsPath() const
{
    return SettingsKeys::userSettingsPath(m_userConfigDir);
}

QString DDataManager::getDefaultConfigPath() const { return m_defaultConfigPath; }

bool DDataManager::isUserConfig() const { return m_userConfig; }
bool DDataManager::isBgImageUsing() const { return m_bgImageIsUsing; }
void DDataManager::setBgImageUsing(bool use) { m_bgImageIsUsing = use; }
bool DDataManager::isUseLocalFont() const { return m_useLocalFont; }
void DDataManager::setUseLocalFont(bool use) { m_useLocalFont = use; }
bool DDataManager::isVersionChanged() const { return m_versionChanged; }
QStringList DDataManager::getHidNameList() const { return m_hidNameList; }
void DDataManager::setHidNameList(const QStringList &list) { m_hidNameList = list; }
QMap<QString, QString> DDataManager::getLikeNameMap() const { return m_likeNameMap; }
void DDataManager::setLikeNameMap(const QMap<QString, QString> &map) { m_likeNameMap = map; }
QMap<QString, QString> DDataManager::getProductNameMap() const { return m_productNameMap; }
void DDataManager::setProductNameMap(const QMap<QString, QString> &map) { m_productNameMap = map; }
QMap<QString, int> DDataManager::getKeyNumMap() const { return m_keyNumMap; }
void DDataManager::setKeyNumMap(const QMap<QString, int> &map) { m_keyNumMap = map; }
QMap<QString, hidModelInfo> DDataManager::getHidModelMap() const { return m_hidModelMap; }
void DDataManager::setHidModelMap(const QMap<QString, hidModelInfo> &map) { m_hidModelMap = map; }
QList<hidSupportInfo> DDataManager::getSupportHidList() const { return m_supportHidList; }
void DDataManager::setSupportHidList(const QList<hidSupportInfo> &list) { m_supportHidList = list; }
