#include "macroFileReader.h"

#include "TextNumber.h"
#include "WindowsInputCodes.h"
#include "importedFile.h"
#include "xmlRecordCodec.h"
#include "xmlStoreNames.h"

#include <QSet>

#include <tinyxml2.h>

#include <climits>
#include <cstring>

using tinyxml2::XMLElement;

namespace {

using namespace xmlStoreNames;

const int kMouseMessages[] = {WinInput::LeftButtonDown,   WinInput::LeftButtonUp,
                              WinInput::RightButtonDown,  WinInput::RightButtonUp,
                              WinInput::MiddleButtonDown, WinInput::MiddleButtonUp};

bool equals(const char *text, const char *expected)
{
    return text && std::strcmp(text, expected) == 0;
}

// Decimal digits only, at most max.
bool isDelay(const char *text)
{
    if (!text || !*text)
        return false;
    long value = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
        if (value > kMaxMacroDelay)
            return false;
    }
    return true;
}

// An optional minus and decimal digits that fit 32 bits.
bool readInteger(const char *text, int &value)
{
    if (!text)
        return false;
    const char *p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    if (!*p)
        return false;
    long long number = 0;
    for (; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        number = number * 10 + (*p - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    number = negative ? -number : number;
    if (number > INT_MAX || number < INT_MIN)
        return false;
    value = static_cast<int>(number);
    return true;
}

// The macro the store's list would name last: the highest index by number,
// the later one in file order among equal numbers, the first element of an
// index text when several share it.
const XMLElement *lastMacro(const XMLElement &root)
{
    QSet<QByteArray> seen;
    const XMLElement *best = nullptr;
    int bestNumber = 0;
    for (const XMLElement *child = root.FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char *index = child->Attribute(kIndex);
        const QByteArray text(index ? index : "");
        if (seen.contains(text))
            continue;
        seen.insert(text);
        const int number = textToInt(text.constData());
        if (!best || number >= bestNumber) {
            best = child;
            bestNumber = number;
        }
    }
    return best;
}

} // namespace

bool macroFileReader::isValidEvent(const XMLElement &item)
{
    const char *type = item.Attribute(kType);
    const bool mouse = equals(type, "mouse");
    if (!mouse && !equals(type, "key"))
        return false;
    const char *explain = item.Attribute(kOperateExplain);
    if (!equals(explain, "down") && !equals(explain, "up"))
        return false;
    if (!isDelay(item.Attribute(kDelay)))
        return false;
    int code = 0;
    if (!readInteger(item.Attribute(kKeyCode), code))
        return false;
    if (mouse) {
        for (int message : kMouseMessages) {
            if (code == message)
                return true;
        }
        return false;
    }
    return true;
}

macroFileReader::Result macroFileReader::readLastMacro(const QString &path, QList<macroItemInfo> &items)
{
    QByteArray bytes;
    if (!importedFile::read(path, bytes))
        return NotMacroFile;

    tinyxml2::XMLDocument doc;
    if (doc.Parse(bytes.constData(), static_cast<size_t>(bytes.size())) != tinyxml2::XML_SUCCESS)
        return NotMacroFile;
    // One root: tinyxml2 takes elements after the first one's end as more roots.
    const XMLElement *root = doc.RootElement();
    if (!root || !equals(root->Name(), kRoot) || root->NextSiblingElement())
        return NotMacroFile;

    QList<macroItemInfo> events;
    if (const XMLElement *macro = lastMacro(*root)) {
        for (const XMLElement *item = macro->FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (!isValidEvent(*item))
                return InvalidEvents;
            macroItemInfo event;
            std::memset(&event, 0, sizeof event);
            xmlRecordCodec::read(*item, event);
            events.append(event);
        }
    }
    items = events;
    return Ok;
}
