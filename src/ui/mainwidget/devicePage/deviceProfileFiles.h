#pragma once

#include <QDateTime>
#include <QString>

class xmlInterface;

// A device's own folder and PC profile file: UserConfig/<model>/<serial>/
// pardexProFile.xml. The model name and the serial come from the device, so
// a folder is named only from safe parts: the model must be one path
// component, the serial 32 letters, digits, '_' or '-' (the link mends any
// other serial). Unsafe parts give no path at all.
namespace deviceProfileFiles {

bool isSafeModelName(const QString &model);
bool isSafeSerial(const QString &serial);

// Empty unless every part is safe.
QString modelFolder(const QString &userConfig, const QString &model);
QString deviceFolder(const QString &userConfig, const QString &model, const QString &serial);
QString profilePath(const QString &userConfig, const QString &model, const QString &serial);

// Creates the model folder, then the device folder, each when missing;
// false when a part is unsafe or a folder cannot be made.
bool makeDeviceFolder(const QString &userConfig, const QString &model, const QString &serial);

enum class FileState { Usable, Missing, Unreadable };
// An existing file that the store cannot read counts as missing to every
// reader and writer: it is Unreadable, so it can be set aside.
FileState inspect(xmlInterface &xml, const QString &path);

// Where an unreadable file goes: beside it, named with the time, never
// over another file.
QString asidePath(const QString &path, const QDateTime &when);
// Renames the file to asidePath(path, when); the new name, or empty on failure.
QString setAside(const QString &path, const QDateTime &when);

} // namespace deviceProfileFiles
