#pragma once

#include "xmlInterface.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>

// A mouse profile file in a temporary folder: profile 1 as the device page
// creates it, with the DPI levels the test gives (the six defaults unless
// told otherwise).
class MouseProfileFile
{
public:
    static dpiConfigInfo level(int index, int dpiX, int dpiY = -1, int selectStatus = 1, int isXY = 0,
                               int r = 255, int g = 0, int b = 0)
    {
        return dpiConfigInfo {selectStatus, index, isXY, dpiX, dpiY < 0 ? dpiX : dpiY, r, g, b};
    }

    static QList<dpiConfigInfo> defaultLevels()
    {
        return {level(1, 400, -1, 1, 0, 255, 0, 0),   level(2, 800, -1, 1, 0, 0, 255, 0),
                level(3, 1600, -1, 1, 0, 0, 0, 255),  level(4, 2400, -1, 1, 0, 255, 255, 0),
                level(5, 3200, -1, 1, 0, 0, 255, 255), level(6, 600, -1, 1, 0, 255, 0, 255)};
    }

    explicit MouseProfileFile(const QList<dpiConfigInfo> &levels = defaultLevels(), int usingIndex = 1)
    {
        m_path = m_dir.filePath(QStringLiteral("pardexProFile.xml"));
        m_ok = m_store.createXmlFile(m_path) && m_store.addProfile(m_path, "1", "Default", "", "", 1);
        for (const dpiConfigInfo &info : levels)
            m_ok = m_ok && m_store.addDpiInfo(m_path, "1", info);
        m_ok = m_ok && m_store.setDpiUsingIndex(m_path, "1", usingIndex);
    }

    bool ok() const { return m_ok; }
    QString path() const { return m_path; }
    QByteArray encodedPath() const { return QFile::encodeName(m_path); }
    xmlInterface *store() { return &m_store; }

    QList<dpiConfigInfo> levels()
    {
        QList<dpiConfigInfo> list;
        m_store.getDpiList(m_path, "1", list);
        return list;
    }
    dpiConfigInfo storedLevel(int index)
    {
        for (const dpiConfigInfo &info : levels()) {
            if (info.index == index)
                return info;
        }
        return dpiConfigInfo {};
    }
    int usingIndex() { return m_store.getDpiUsingIndex(m_path, "1"); }
    QList<customColorInfo> customColors()
    {
        QList<customColorInfo> list;
        m_store.getCustomColorList(m_path, "1", list);
        return list;
    }
    QByteArray bytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    xmlInterface m_store;
    bool m_ok = false;
};
