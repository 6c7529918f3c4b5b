#include "onboardBindingTexts.h"

#include "hidBindingCodes.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace {
// The page's own translation context: these are its captions.
QString pageText(const char *text) { return QCoreApplication::translate("DDevicePage", text); }

int bindingValue(const customKeyInfo &binding) { return hidBindingNumber(binding.Value, sizeof binding.Value); }

QString unknownText() { return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Unknow")); }
} // namespace

QString onboardMacroText(xmlInterface *store, const QString &macroFilePath,
                         const customKeyInfo &binding)
{
    QString name;
    if (store) {
        nodeIndexNameInfo info;
        std::memset(&info, 0, sizeof info);
        const QByteArray index(binding.Value, static_cast<int>(strnlen(binding.Value, sizeof binding.Value)));
        if (store->getNodeIndexAndName(macroFilePath, index, info))
            name = QString::fromUtf8(info.name, static_cast<int>(strnlen(info.name, sizeof info.name)));
    }
    QString mode;
    switch (hidBindingNumber(binding.mode, sizeof binding.mode)) {
    case 1: mode = pageText(QT_TRANSLATE_NOOP("DDevicePage", "Play once")); break;
    case 2: mode = pageText(QT_TRANSLATE_NOOP("DDevicePage", "Play multiple times")); break;
    case 3: mode = pageText(QT_TRANSLATE_NOOP("DDevicePage", "Continous playback on/off")); break;
    case 4: mode = pageText(QT_TRANSLATE_NOOP("DDevicePage", "Play while assigned key is pressed")); break;
    default: break;
    }
    return name + QLatin1Char('\n') + mode;
}

QString onboardCombinationText(const customKeyInfo &binding, const QMap<int, QString> &keyNames)
{
    static const char *const modifierNames[8] = {
        QT_TRANSLATE_NOOP("DDevicePage", "L_CTRL"),  QT_TRANSLATE_NOOP("DDevicePage", "L_SHIFT"),
        QT_TRANSLATE_NOOP("DDevicePage", "L_ALT"),   QT_TRANSLATE_NOOP("DDevicePage", "L_WIN"),
        QT_TRANSLATE_NOOP("DDevicePage", "R_CTRL"),  QT_TRANSLATE_NOOP("DDevicePage", "R_SHIFT"),
        QT_TRANSLATE_NOOP("DDevicePage", "R_ALT"),   QT_TRANSLATE_NOOP("DDevicePage", "R_WIN")};
    const QList<QByteArray> parts =
        QByteArray(binding.Value, static_cast<int>(strnlen(binding.Value, sizeof binding.Value))).split(',');
    const int mask = hidBindingNumber(parts.value(0).constData(), parts.value(0).size() + 1) & 0xFF;
    const int usage = hidBindingNumber(parts.value(1).constData(), parts.value(1).size() + 1);
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            names << pageText(modifierNames[bit]);
    }
    if (keyNames.contains(usage))
        names << keyNames.value(usage);
    return names.join(QLatin1Char('+'));
}

QString onboardMouseText(const customKeyInfo &binding)
{
    switch (bindingValue(binding)) {
    case 0: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Mouse Left"));
    case 1: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Mouse Center"));
    case 2: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Mouse Right"));
    case 3: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Scroll Up"));
    case 4: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Scroll Down"));
    case 5: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Forward"));
    case 6: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Backward"));
    case 7: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Sniper Key"));
    default: return unknownText();
    }
}

QString onboardMultimediaText(const customKeyInfo &binding)
{
    switch (bindingValue(binding)) {
    case 0: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Volume Up"));
    case 1: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Volume Down"));
    case 2: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Mute"));
    case 3: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Play/Pause"));
    case 4: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Next track"));
    case 5: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Prev track"));
    case 6: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Stop"));
    case 8: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Player"));
    case 9: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Calculator"));
    case 10: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Computer"));
    case 11: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Browser"));
    case 12: return pageText(QT_TRANSLATE_NOOP("DDevicePage", "Email"));
    default: return unknownText();
    }
}

QString onboardKeyCaption(const customKeyInfo &binding, int configIndex,
                          const QMap<int, QString> &keyNames, xmlInterface *store,
                          const QString &macroFilePath)
{
    if (hidBindingNumber(binding.keyCode, sizeof binding.keyCode) == -1)
        return QString();
    switch (hidBindingNumber(binding.operateType, sizeof binding.operateType)) {
    case kBindingKey: {
        QString name = keyNames.value(bindingValue(binding));
        if (configIndex == kOnboardMacConfigIndex)
            name.replace(QLatin1String("Win"), QLatin1String("Com"));
        return name;
    }
    case kBindingMacro: return onboardMacroText(store, macroFilePath, binding);
    case kBindingCombination: return onboardCombinationText(binding, keyNames);
    case kBindingMultimedia: return onboardMultimediaText(binding);
    case kBindingMouse: return onboardMouseText(binding);
    default: return QString();
    }
}
