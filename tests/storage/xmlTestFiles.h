#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Small file helpers shared by the store's tests.

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Lines joined by the store's line end, with the declaration first.
inline QByteArray storeFile(const QStringList &lines)
{
    QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}
