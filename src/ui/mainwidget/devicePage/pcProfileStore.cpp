#include "pcProfileStore.h"

#include "importedFile.h"
#include "xmlInterface.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cstring>

pcProfileStore::pcProfileStore(xmlInterface *xml, const QString &profilePath)
    : m_xml(xml)
    , m_path(profilePath)
{
}

bool pcProfileStore::fileExists() const
{
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

xmlIndexNameList pcProfileStore::profiles() const
{
    xmlIndexNameList list;
    if (m_xml)
        m_xml->getProfileList(m_path, list);
    return list;
}

bool pcProfileStore::hasProfile(int index) const
{
    const QByteArray wanted = QByteArray::number(index);
    for (const auto &profile : profiles()) {
        if (profile.first == wanted)
            return true;
    }
    return false;
}

profileInfo pcProfileStore::info(const QString &index) const
{
    profileInfo record;
    std::memset(&record, 0, sizeof record);
    if (m_xml)
        m_xml->getProfileInfo(m_path, index.toUtf8(), record);
    return record;
}

bool pcProfileStore::removeProfile(const QString &index)
{
    if (!m_xml)
        return false;
    const QByteArray value = index.toUtf8();
    return !m_xml->findNode(m_path, value) || m_xml->deleteNode(m_path, value);
}

bool pcProfileStore::addProfile(int index, const QString &name, int deviceType)
{
    return m_xml && m_xml->addProfile(m_path, QByteArray::number(index), name.toUtf8(), QByteArray(), QByteArray(),
                                      deviceType);
}

bool pcProfileStore::setProfileTexts(const QString &index, const QString &name, const QString &program)
{
    return m_xml && m_xml->setProfileInfo(m_path, index.toUtf8(), name.toUtf8(), program.toUtf8(), QByteArray());
}

bool pcProfileStore::recreateProfile(int index, int deviceType)
{
    const QString key = QString::number(index);
    const QString name = nameOf(info(key));
    // One save: a failure leaves the profile as it was, never without it.
    return m_xml && m_xml->recreateProfile(m_path, key.toUtf8(), name.toUtf8(), deviceType);
}

bool pcProfileStore::setCurrentProfile(int index)
{
    return m_xml && m_xml->setProfileIndex(m_path, index);
}

bool pcProfileStore::exportProfile(const QString &index, const QString &destPath)
{
    if (!m_xml)
        return false;
    const bool made = !QFileInfo(destPath).isFile();
    if (made && !m_xml->createXmlFile(destPath))
        return false;
    if (m_xml->exportProfile(m_path, destPath, index.toUtf8(), false))
        return true;
    // No empty file left behind by a failed export.
    if (made)
        QFile::remove(destPath);
    return false;
}

pcProfileStore::ImportResult pcProfileStore::importLastProfile(const QString &sourcePath)
{
    if (!m_xml)
        return ImportResult::Failed;
    // Refused before it is parsed, like an oversized macro file: a huge
    // profile would make every later load of the device's file slow.
    QByteArray bytes;
    if (!importedFile::read(sourcePath, bytes))
        return ImportResult::NotProfileFile;
    xmlIndexNameList source;
    if (!m_xml->getProfileList(sourcePath, source) || source.isEmpty())
        return ImportResult::NotProfileFile;
    for (const auto &pair : qAsConst(source))
        qDebug().noquote() << " key:" << QString::fromUtf8(pair.first) << " Value:" << QString::fromUtf8(pair.second);
    return m_xml->importProfile(m_path, sourcePath, source.last().first) ? ImportResult::Imported
                                                                         : ImportResult::Failed;
}
