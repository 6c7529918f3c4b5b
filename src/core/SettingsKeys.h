#pragma once

#include <QString>

// The two settings files and their keys ("group/key"). The user settings file
// lives in the UserConfig folder and is kept up to date by the program; the
// default settings file is part of the resources and only read. Every
// component opens its own QSettings (INI format, UTF-8) on the file for each
// read or write; a value is written when it changes, never at exit.
namespace SettingsKeys {

constexpr char UserSettingsFileName[] = "PardexConfig.ini";
constexpr char DefaultSettingsPath[] = ":/images/configDir/PardexDefaultConfig.ini";

// The UserConfig folder of an application-data folder, and the user settings
// file in it; the crash box and the language set-up need them before the data
// manager exists.
inline QString userConfigDir(const QString &appDataDir)
{
    return appDataDir + QStringLiteral("/UserConfig");
}

inline QString userSettingsPath(const QString &userConfigFolder)
{
    return userConfigFolder + QLatin1Char('/') + QLatin1String(UserSettingsFileName);
}

// User settings file.
constexpr char ThemeIndex[] = "Theme/selectThemeIndex";
constexpr char BgImageIsUsing[] = "ThemeBgImage/BgImageIsUsing";
constexpr char OldVersion[] = "oldVersion/VersionInfo";
constexpr char LanguageIndex[] = "Language/selectLanguageIndex";
constexpr char AutoStart[] = "AutoStart/isAutoStart";
constexpr char MinimizeToTray[] = "MinimizeToTray/isMinimizeToTray";
constexpr char CloseToTray[] = "CloseToTray/isCloseToTray";

// Default settings file.
constexpr char AppVersion[] = "AppVersion/Version";
constexpr char CompanyName[] = "CompanyName/ComName";
constexpr char Copyright[] = "Copyright/CopyrightStr";
constexpr char CompanyLink[] = "CompanyLink/ComLink";
constexpr char CompanyLinkShow[] = "CompanyLinkFrame/showStatus";
constexpr char MainPageCompanyLink[] = "MainPageCompanyLink/ComLink";
constexpr char MainPageCompanyLinkEN[] = "MainPageCompanyLinkEN/ComLink";
constexpr char MainPageCompanyLinkShow[] = "MainPageCompanyLinkFrame/showStatus";
constexpr char UseLocalFont[] = "UseLocalFont/useFontStatus";
constexpr char WebUrl[] = "Web/WebUrl";
constexpr char JdUrl[] = "Jd/JdUrl";
constexpr char TaoBaoUrl[] = "TaoBao/TaoBaoUrl";
constexpr char HomeLinkShow[] = "HomeLinkFrame/showStatus";
constexpr char UserConfig[] = "MyselfConfig/userConfig";

// Defaults of the default settings file's keys when they are missing.
constexpr char DefaultAppVersion[] = "V_1.00.00";
constexpr char DefaultCompanyName[] = "CompanyName";
constexpr char DefaultCopyright[] = "Copyright";
constexpr char DefaultCompanyLink[] = "https://www.velmora.example/";
constexpr char DefaultMainPageCompanyLink[] = "https://www.velmora.example/";
constexpr char DefaultMainPageCompanyLinkEN[] = "https://www.velmora.example/en/";
constexpr char DefaultWebUrl[] = "https://www.velmora.example/";
constexpr char DefaultJdUrl[] = "https://shop.velmora.example/jd/";
constexpr char DefaultTaoBaoUrl[] = "https://shop.velmora.example/taobao/";

} // namespace SettingsKeys
