#include "QtLinguist.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaEnum>

QtLinguist::QtLinguist(QObject *parent)
    : QObject(parent)
    , m_translationDir(QCoreApplication::applicationDirPath() + QStringLiteral("/translation"))
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_languageMap.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
    qDebug().noquote() << "--------------------language mapCount:" << m_languageMap.count();
}

bool QtLinguist::setLanguage(int language)
{
    const auto it = m_languageMap.constFind(language);
    if (it == m_languageMap.constEnd())
        return false;
    // Leave the list first so that a reload does not install the same translator twice.
    QCoreApplication::removeTranslator(&m_translator);
    if (!m_translator.load(m_translationDir + QLatin1Char('/') + it.value()))
        return false;
    QCoreApplication::installTranslator(&m_translator);
    return true;
}

int QtLinguist::getDefaultLanguage() const
{
    return languageForLocale(QLocale::system());
}

int QtLinguist::languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Arabic:
        return Arabic;
    case QLocale::Chinese:
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::English:
        return English;
    case QLocale::French:
        return French;
    case QLocale::German:
        return German;
    case QLocale::Italian:
        return Italian;
    case QLocale::Japanese:
        return Japanese;
    case QLocale::Korean:
        return Korean;
    case QLocale::Polish:
        return Polish;
    case QLocale::Portuguese:
        return Portugal;
    case QLocale::Russian:
        return Russian;
    case QLocale::Spanish:
        return Spanish;
    default:
        return English;
    }
}
