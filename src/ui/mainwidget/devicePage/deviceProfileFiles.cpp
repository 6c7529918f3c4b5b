#include "deviceProfileFiles.h"

#include "DDeviceKeyboardLink.h"
#include "xmlInterface.h"
#include "xmlStoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace deviceProfileFiles {

bool isSafeModelName(const QString &model)
{
    return !model.isEmpty() && model != QLatin1String(".") && model != QLatin1String("..")
        && !model.contains(QLatin1Char('/')) && !model.contains(QLatin1Char('\\'))
        && !model.contains(QChar(0));
}

bool isSafeSerial(const QString &serial)
{
    return DDeviceKeyboardLink::isValidSerialNumber(serial.toLatin1()) && serial.size() == serial.toLatin1().size();
}

QString modelFolder(const QString &userConfig, const QString &model)
{
    if (userConfig.isEmpty() || !isSafeModelName(model))
        return QString();
    return userConfig + QLatin1Char('/') + model;
}

QString deviceFolder(const QString &userConfig, const QString &model, const QString &serial)
{
    const QString folder = modelFolder(userConfig, model);
    if (folder.isEmpty() || !isSafeSerial(serial))
        return QString();
    return folder + QLatin1Char('/') + serial;
}

QString profilePath(const QString &userConfig, const QString &model, const QString &serial)
{
    const QString folder = deviceFolder(userConfig, model, serial);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(xmlStoreFileNames::kProfileFile);
}

bool makeDeviceFolder(const QString &userConfig, const QString &model, const QString &serial)
{
    const QString device = deviceFolder(userConfig, model, serial);
    if (device.isEmpty())
        return false;
    for (const QString &folder : {modelFolder(userConfig, model), device}) {
        if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
            return false;
    }
    return true;
}

FileState inspect(xmlInterface &xml, const QString &path)
{
    if (!QFileInfo::exists(path))
        return FileState::Missing;
    xmlIndexNameList profiles;
    return xml.getProfileList(path, profiles) ? FileState::Usable : FileState::Unreadable;
}

QString asidePath(const QString &path, const QDateTime &when)
{
    const QString base = path + QLatin1Char('.') + when.toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
    QString candidate = base + QLatin1String(".unreadable");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char('_') + QString::number(n) + QLatin1String(".unreadable");
    return candidate;
}

QString setAside(const QString &path, const QDateTime &when)
{
    const QString target = asidePath(path, when);
    return QFile::rename(path, target) ? target : QString();
}

} // namespace deviceProfileFiles
