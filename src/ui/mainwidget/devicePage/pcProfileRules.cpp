#include "pcProfileRules.h"

#include "TextNumber.h"

int pcProfileRules::newProfileIndex(const xmlIndexNameList &profiles)
{
    const QByteArray last = profiles.isEmpty() ? QByteArrayLiteral("1") : profiles.last().first;
    return textToInt(last.constData()) + 1;
}

QString pcProfileRules::newProfileName(int index)
{
    return QStringLiteral("Profile%1").arg(index);
}

QString pcProfileRules::exportFileName(const QString &name, const QString &index)
{
    QString component = name;
    for (QChar &c : component) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (component.isEmpty() || component == QLatin1String(".") || component == QLatin1String(".."))
        component = newProfileName(textToInt(index.toUtf8().constData()));
    return component + QLatin1String(".xml");
}

QString pcProfileRules::exportFilePath(const QString &folder, const QString &name, const QString &index)
{
    return folder + QLatin1Char('/') + exportFileName(name, index);
}

bool pcProfileRules::fitsStore(const QString &name, const QString &programPath)
{
    return name.toUtf8().size() <= MaxNameBytes && programPath.toUtf8().size() <= MaxProgramBytes;
}
