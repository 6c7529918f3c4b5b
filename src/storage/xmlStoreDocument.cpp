#include "xmlStoreDocument.h"

#include "xmlPrinter.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {
Q_LOGGING_CATEGORY(lcXmlStore, "velmora.storage")
}

xmlStoreDocument::xmlStoreDocument(const QString &path)
    : m_path(path)
    , m_document(true, tinyxml2::PRESERVE_WHITESPACE)
{
    // tinyxml2 reads the file straight into its own buffer: one copy less
    // than going through a QByteArray, which counts on large files.
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        warn(QStringLiteral("cannot open %1: %2").arg(path, qt_error_string(errno)));
        return;
    }
    const tinyxml2::XMLError error = m_document.LoadFile(file);
    m_loadedSize = std::max(0L, std::ftell(file));
    std::fclose(file);
    if (error != tinyxml2::XML_SUCCESS) {
        warn(QStringLiteral("%1 does not parse (%2, line %3): treated as missing")
                 .arg(path, QString::fromLatin1(m_document.ErrorName()))
                 .arg(m_document.ErrorLineNum()));
        m_document.Clear();
        return;
    }
    m_loaded = true;
}

tinyxml2::XMLElement *xmlStoreDocument::root()
{
    return m_loaded ? m_document.RootElement() : nullptr;
}

bool xmlStoreDocument::save()
{
    if (!m_loaded)
        return false;
    return writeFile(m_path, xmlPrinter::print(m_document, static_cast<int>(m_loadedSize)));
}

bool xmlStoreDocument::writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        warn(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        warn(QStringLiteral("cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void xmlStoreDocument::warn(const QString &text)
{
    qCWarning(lcXmlStore).noquote() << "---------------- [xmlInterface]" << text << "----------------";
}
