#include "mouseLayoutFile.h"

#include "FixedText.h"
#include "mouseLog.h"

#include <QFile>

#include <cjson/cJSON.h>

#include <memory>

namespace {

constexpr char kResourceFolder[] = ":/images/configDir/";
constexpr char kMouseName[] = "Mouse";
constexpr char kButtonsName[] = "EveryKeyInfo_Row00";
constexpr char kLedsName[] = "EveryKeyInfo_MouseLight0";

struct JsonDeleter
{
    void operator()(cJSON *item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

// Reads a number member into value; false (value untouched) when the member
// is missing or not a number.
bool readInt(const cJSON *object, const char *name, int &value)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, name);
    if (!cJSON_IsNumber(item))
        return false;
    value = item->valueint;
    return true;
}

struct IntMember
{
    const char *name;
    int mouseButtonInfo::*field;
};

constexpr IntMember kButtonNumbers[] = {
    {"PosX01", &mouseButtonInfo::PosX01}, {"PosY01", &mouseButtonInfo::PosY01},
    {"PosX02", &mouseButtonInfo::PosX02}, {"PosY02", &mouseButtonInfo::PosY02},
    {"PosX03", &mouseButtonInfo::PosX03}, {"PosY03", &mouseButtonInfo::PosY03},
    {"Index", &mouseButtonInfo::Index},   {"Dec", &mouseButtonInfo::Dec},
    {"qtDec", &mouseButtonInfo::qtDec},
};

struct LedMember
{
    const char *name;
    int mouseLedInfo::*field;
};

constexpr LedMember kLedNumbers[] = {
    {"PosX", &mouseLedInfo::PosX},   {"PosY", &mouseLedInfo::PosY},
    {"Width", &mouseLedInfo::Width}, {"Height", &mouseLedInfo::Height},
    {"Index", &mouseLedInfo::Index}, {"validStatus", &mouseLedInfo::validStatus},
    {"SidePosition", &mouseLedInfo::SidePosition},
};

// The first key an entry lacks; empty when it has them all.
QString missingButtonKey(const cJSON *entry)
{
    int unused = 0;
    for (const IntMember &member : kButtonNumbers) {
        if (!readInt(entry, member.name, unused))
            return QString::fromLatin1(member.name);
    }
    if (!cJSON_IsString(cJSON_GetObjectItemCaseSensitive(entry, "Character")))
        return QStringLiteral("Character");
    return QString();
}

} // namespace

QString mouseLayoutFile::fileNameForModel(const QString &model)
{
    return QStringLiteral("mouseInfo_") + model + QStringLiteral(".config");
}

bool mouseLayoutFile::isPlainModelName(const QString &model)
{
    if (model.isEmpty() || model == QLatin1String(".") || model == QLatin1String(".."))
        return false;
    for (const QChar c : model) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

void mouseLayoutFile::clear()
{
    m_loaded = false;
    m_labelWidth = DefaultLabelWidth;
    m_labelHeight = DefaultLabelHeight;
    m_supportEnableXY = DefaultSupportEnableXY;
    m_buttons.clear();
    m_buttonsByIndex.clear();
    m_leds.clear();
}

bool mouseLayoutFile::loadModel(const QString &model)
{
    clear();
    if (!isPlainModelName(model)) {
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout: model name \"%1\" names no layout file")
                                            .arg(model);
        return false;
    }
    // The resource is read in place: no temporary copy, which could fail.
    const QString source = QLatin1String(kResourceFolder) + fileNameForModel(model);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: cannot be read").arg(source);
        return false;
    }
    return parse(file.readAll(), source);
}

bool mouseLayoutFile::parse(const QByteArray &text, const QString &source)
{
    clear();
    const JsonPtr root(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())));
    if (!root || !cJSON_IsObject(root.get())) {
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: not a JSON object").arg(source);
        return false;
    }

    const cJSON *mouse = cJSON_GetObjectItemCaseSensitive(root.get(), kMouseName);
    if (mouse && !cJSON_IsObject(mouse)) {
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: \"Mouse\" is not an object; defaults kept")
                                            .arg(source);
    } else if (mouse) {
        const struct
        {
            const char *name;
            int *value;
        } header[] = {{"showInfoTextWidth", &m_labelWidth},
                      {"showInfoTextHeight", &m_labelHeight},
                      {"supportEnableXY", &m_supportEnableXY}};
        for (const auto &member : header) {
            if (!readInt(mouse, member.name, *member.value)) {
                qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: \"Mouse\" lacks \"%2\"; %3 kept")
                                                    .arg(source, QLatin1String(member.name))
                                                    .arg(*member.value);
            }
        }
    }

    const cJSON *buttons = cJSON_GetObjectItemCaseSensitive(root.get(), kButtonsName);
    if (buttons && !cJSON_IsArray(buttons))
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: \"%2\" is not a list").arg(source, kButtonsName);
    const cJSON *buttonList = cJSON_IsArray(buttons) ? buttons : nullptr;
    int position = 0;
    const cJSON *entry = nullptr;
    cJSON_ArrayForEach(entry, buttonList)
    {
        const int at = position++;
        if (m_buttons.size() == MaxButtonEntries) {
            qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: button entries past %2 skipped")
                                                .arg(source)
                                                .arg(MaxButtonEntries);
            break;
        }
        const QString missing = cJSON_IsObject(entry) ? missingButtonKey(entry) : QStringLiteral("(not an object)");
        if (!missing.isEmpty()) {
            qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: button entry %2 lacks %3; skipped")
                                                .arg(source)
                                                .arg(at)
                                                .arg(missing);
            continue;
        }
        mouseButtonInfo info;
        for (const IntMember &member : kButtonNumbers)
            readInt(entry, member.name, info.*member.field);
        fixedTextCopy(info.Character, cJSON_GetObjectItemCaseSensitive(entry, "Character")->valuestring);
        m_buttons.append(info);
        m_buttonsByIndex.insert(info.Index, info);
    }

    const cJSON *leds = cJSON_GetObjectItemCaseSensitive(root.get(), kLedsName);
    if (leds && !cJSON_IsArray(leds))
        qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: \"%2\" is not a list").arg(source, kLedsName);
    const cJSON *ledList = cJSON_IsArray(leds) ? leds : nullptr;
    position = 0;
    cJSON_ArrayForEach(entry, ledList)
    {
        const int at = position++;
        if (m_leds.size() == MaxLeds) {
            qCWarning(lcMouse).noquote() << QStringLiteral("Mouse layout %1: LED entries past %2 dropped")
                                                .arg(source)
                                                .arg(MaxLeds);
            break;
        }
        mouseLedInfo led;
        QString missing;
        if (!cJSON_IsObject(entry))
            missing = QStringLiteral("(not an object)");
        for (const LedMember &member : kLedNumbers) {
            if (missing.isEmpty() && !readInt(entry, member.name, led.*member.field))
                missing = QLatin1String(member.name);
        }
        if (!missing.isEmpty()) {
            qCWarning(lcMouse).noquote()
                << QStringLiteral("Mouse layout %1: LED entry %2 lacks %3; kept as an LED that is not drawn")
                       .arg(source)
                       .arg(at)
                       .arg(missing);
            led = mouseLedInfo();
            led.Index = at + 1;
        }
        m_leds.append(led);
    }

    m_loaded = true;
    return true;
}
