#include "boundMacroCopy.h"

#include "xmlInterface.h"

QByteArray boundMacroCopy::nameOf(const QByteArray &macroIndex)
{
    return QByteArrayLiteral("Macro") + macroIndex;
}

bool boundMacroCopy::refresh(xmlInterface &xml, const QString &profilePath, const QByteArray &profile,
                             const QString &macroFilePath, const QByteArray &macroIndex)
{
    const QByteArray name = nameOf(macroIndex);
    QList<macroItemInfo> events;
    xml.getMacroItems(macroFilePath, macroIndex, name, events);
    return xml.replaceBindMacro(profilePath, profile, events, macroIndex, name);
}
