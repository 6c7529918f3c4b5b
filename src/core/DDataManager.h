#pragma once

#include "themeColorInfo.h"
#include "xmlRecords.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class LogCollectClass;

// The process-wide data manager: data folders, daily log, theme colour set and
// fonts, device-model tables, supported-device list and a few flags. Created on
// the first instance() call (on the GUI thread, before any worker thread) and
// never destroyed. The tables are set once at start and only read afterwards.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    static DDataManager *instance();

    // A separate data manager over the given application-data folder and
    // default settings file, built by the same steps as instance() (tests).
    static std::unique_ptr<DDataManager> create(const QString &appDataDir, const QString &defaultConfigPath);
    ~DDataManager() override;

    // Appends one line to today's daily log; safe from any thread.
    void writeLog(const QString &text);

    themeColorInfo getThemeColor() const;
    void loadThemeConfig(int themeIndex);

    // kind 0 bold theme font, 1 normal theme font, other the default-family
    // font; while useLocalFont is off every kind gives the default-family font.
    QFont getFont(int kind) const;
    QString getElidedText(const QFont &font, const QString &text, int width) const;

    QString getAppDataDir() const;
    QString getUserConfigDir() const;  // no trailing slash
    QString getUserConfigPath() const; // same folder, the name other pages use
    QString getLogCollectDir() const;
    QString getUserSettingsPath() const; // the user settings file in the UserConfig folder
    // The default settings file this manager was built with (the resource in the program).
    QString getDefaultConfigPath() const;

    bool isUserConfig() const;
    bool isBgImageUsing() const;
    void setBgImageUsing(bool use);
    bool isUseLocalFont() const;
    void setUseLocalFont(bool use);
    bool isVersionChanged() const;

    QStringList getHidNameList() const;
    void setHidNameList(const QStringList &list);
    QMap<QString, QString> getLikeNameMap() const;
    void setLikeNameMap(const QMap<QString, QString> &map);
    QMap<QString, QString> getProductNameMap() const;
    void setProductNameMap(const QMap<QString, QString> &map);
    QMap<QString, int> getKeyNumMap() const;
    void setKeyNumMap(const QMap<QString, int> &map);
    QMap<QString, hidModelInfo> getHidModelMap() const;
    void setHidModelMap(const QMap<QString, hidModelInfo> &map);
    QList<hidSupportInfo> getSupportHidList() const;
    void setSupportHidList(const QList<hidSupportInfo> &list);

    // The theme file of a theme index (0 Black, 1 Light, 2 Blue, 3 Pink,
    // 4 Other; any other index Black).
    static QString themeFilePath(int themeIndex, bool userConfig);
    // A theme file's colour value as the colour set holds it: dots become
    // commas, and without background pictures an alpha component is dropped.
    static QString themeColorText(const QString &fileValue, bool bgImageUsing);

private:
    DDataManager(const QString &appDataDir, const QString &defaultConfigPath);
    Q_DISABLE_COPY(DDataManager)

    void readSettings();

    QString m_appDataDir;
    QString m_userConfigDir;
    QString m_logCollectDir;
    QString m_defaultConfigPath;
    QStringList m_hidNameList;
    QMap<QString, QString> m_likeNameMap;
    QMap<QString, QString> m_productNameMap;
    QMap<QString, int> m_keyNumMap;
    QMap<QString, hidModelInfo> m_hidModelMap;
    QList<hidSupportInfo> m_supportHidList;
    LogCollectClass *m_logCollect = nullptr;
    bool m_useLocalFont = false;
    QFont m_boldThemeFont;
    QFont m_normalThemeFont;
    QFont m_defaultFamilyFont;
    themeColorInfo m_themeColor;
    bool m_userConfig = false;
    bool m_bgImageIsUsing = false;
    bool m_versionChanged = false;
};
