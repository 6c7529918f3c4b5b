#pragma once

#include "themeColorInfo.h"
#include "xmlRecords.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

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

private:
    DDataManager();
    Q_DISABLE_COPY(DDataManager)

    QString m_appDataDir;
    QString m_userConfigDir;
    QString m_logCollectDir;
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
