#include "DDataManager.h"

#include <QFontMetrics>

// Placeholder bodies: folders, log, settings and themes are filled in by the
// application-core work. Getters already give safe defaults.

DDataManager *DDataManager::instance()
{
    static DDataManager *s_instance = nullptr;
    if (!s_instance)
        s_instance = new DDataManager;
    return s_instance;
}

DDataManager::DDataManager() = default;

void DDataManager::writeLog(const QString &) {}
themeColorInfo DDataManager::getThemeColor() const { return m_themeColor; }
void DDataManager::loadThemeConfig(int) {}
QFont DDataManager::getFont(int) const { return m_defaultFamilyFont; }

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
