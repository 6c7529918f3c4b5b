#include "keyFunctionPageState.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "xmlInterface.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

keyFunctionPageState::keyFunctionPageState(QObject *parent) : QObject(parent) {}

void keyFunctionPageState::forwardSignalsTo(QObject *page)
{
    connect(this, SIGNAL(sigShoudUpdateKeyboard(int)), page, SIGNAL(sigShoudUpdateKeyboard(int)));
    connect(this, SIGNAL(sigCustomKeyInfoSaveSuccessful()), page, SIGNAL(sigCustomKeyInfoSaveSuccessful()));
    connect(this, SIGNAL(sigCustomKeyInfoSaveFailed(QString)), page, SIGNAL(sigCustomKeyInfoSaveFailed(QString)));
}

void keyFunctionPageState::setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_hidInterface = hidInterface;
    m_xml = xml;
}

void keyFunctionPageState::setCurrentKey(const QPair<int, QString> &key)
{
    m_keyCode = key.first;
    m_keyCaption = key.second;
}

void keyFunctionPageState::setFilePaths(const char *macroFilePath, const char *keyFilePath)
{
    m_macroFilePath = macroFilePath ? QFile::decodeName(macroFilePath) : QString();
    m_keyFilePath = keyFilePath ? QFile::decodeName(keyFilePath) : QString();
}

void keyFunctionPageState::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void keyFunctionPageState::setOnboardMode(int mode)
{
    m_onboardMode = mode;
}

customKeyInfo keyFunctionPageState::readBinding() const
{
    customKeyInfo record = keyFunctionCatalogue::emptyRecord();
    if (m_xml)
        m_xml->getKeyInfo(m_keyFilePath, profileText(), keyCodeText(), record);
    return record;
}

bool keyFunctionPageState::isBindingOf(const customKeyInfo &record, int operateType)
{
    return keyFunctionCatalogue::isBound(record) && keyFunctionCatalogue::operateTypeOf(record) == operateType;
}

bool keyFunctionPageState::saveBinding(int operateType, int repeatNum, int mode, const QByteArray &value)
{
    QString reason;
    const bool saved = writeBinding(operateType, repeatNum, mode, value, &reason);
    if (saved)
        reportSaved();
    else
        reportFailed(reason);
    return saved;
}

bool keyFunctionPageState::writeBinding(int operateType, int repeatNum, int mode, const QByteArray &value,
                                        QString *reason)
{
    if (value.size() > keyFunctionCatalogue::kMaxValueBytes) {
        if (reason)
            *reason = valueTooLongReason();
        return false;
    }
    if (!m_xml) {
        if (reason)
            *reason = storeFailureReason();
        return false;
    }
    // One save: a failure keeps the old binding rather than leaving the key
    // with none.
    const bool replaced = m_xml->replaceKeyInfo(m_keyFilePath, profileText(), keyCodeText(),
                                                keyFunctionCatalogue::encodeKeyChar(m_keyCaption),
                                                QByteArray::number(operateType), QByteArray::number(repeatNum),
                                                QByteArray::number(mode), value);
    if (!replaced && reason)
        *reason = storeFailureReason();
    return replaced;
}

void keyFunctionPageState::reportSaved()
{
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
}

void keyFunctionPageState::reportFailed(const QString &reason)
{
    const QString line = QStringLiteral("Key %1 not saved in %2 (profile %3): %4")
                             .arg(m_keyCode)
                             .arg(m_keyFilePath)
                             .arg(m_profileIndex)
                             .arg(reason);
    qWarning().noquote() << line;
    DDataManager::instance()->writeLog(line);
    // The key's label shows what the file now holds.
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveFailed(reason);
}

QString keyFunctionPageState::storeFailureReason() const
{
    if (!m_xml)
        return tr("No profile is open.");
    if (!QFileInfo(m_keyFilePath).isFile())
        return tr("The profile file %1 is missing.").arg(QFileInfo(m_keyFilePath).fileName());
    if (!m_xml->findNode(m_keyFilePath, profileText()))
        return tr("The profile %1 is missing or unreadable in %2.")
            .arg(m_profileIndex)
            .arg(QFileInfo(m_keyFilePath).fileName());
    return tr("The key could not be written to %1.").arg(QFileInfo(m_keyFilePath).fileName());
}

QString keyFunctionPageState::valueTooLongReason() const
{
    return tr("Too long to store: at most %1 bytes.").arg(keyFunctionCatalogue::kMaxValueBytes);
}
