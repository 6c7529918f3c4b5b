#include "ReadOnlyDataFile.h"

#include "DDataManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ReadOnlyDataFile::ReadOnlyDataFile(const QString &relativeName)
{
    resolve(relativeName, DDataManager::instance()->isUserConfig());
}

ReadOnlyDataFile::ReadOnlyDataFile(const QString &relativeName, bool userConfig)
{
    resolve(relativeName, userConfig);
}

void ReadOnlyDataFile::resolve(const QString &relativeName, bool userConfig)
{
    if (userConfig) {
        m_path = QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/") + relativeName;
        return;
    }
    m_tempDir = std::make_unique<QTemporaryDir>();
    m_path = m_tempDir->path() + QLatin1Char('/') + QFileInfo(relativeName).fileName();
    if (!m_tempDir->isValid())
        return;
    const QString resource = QStringLiteral(":/images/configDir/") + relativeName;
    if (!QFile::copy(resource, m_path))
        return;
    // Resource copies are read-only; readers may reopen them.
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}
