#include "xmlStoreDocument.h"

#include "xmlPrinter.h"

#include <QFile>
#include <QSaveFile>
#include <QDebug>

xmlStoreDocument::xmlStoreDocument(const QString &path)
    : m_path(path)
    , m_document(true, tinyxml2::PRESERVE_WHITESPACE)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        warn(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return;
    }
    const tinyxml2::XMLError error =
        m_document.Parse(bytes.constData(), static_cast<size_t>(bytes.size()));
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
    return writeFile(m_path, xmlPrinter::print(m_document));
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
    qWarning().noquote() << "---------------- [xmlInterface]" << text << "----------------";
}
