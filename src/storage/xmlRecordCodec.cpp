#include "xmlRecordCodec.h"

#include "TextNumber.h"

#include <tinyxml2.h>

#include <cstddef>
#include <cstring>

namespace {

// One record field: its attribute name and where it lies in the record.
struct Field
{
    const char *name;
    std::size_t offset;
    std::size_t size; // bytes of a text field; 0 for a 32-bit integer
};

#define TEXT_FIELD(Record, member) Field{#member, offsetof(Record, member), sizeof(Record::member)}
#define INT_FIELD(Record, member) Field{#member, offsetof(Record, member), 0}

// One walk over the element's attributes. They mostly come in the fields'
// order, so the search for each starts after the field found last. An
// element never holds two attributes of one name (the parser refuses them).
template <typename Record, std::size_t N>
void readFields(const tinyxml2::XMLElement &element, Record &record, const Field (&fields)[N])
{
    char *base = reinterpret_cast<char *>(&record);
    std::size_t next = 0;
    for (const tinyxml2::XMLAttribute *a = element.FirstAttribute(); a; a = a->Next()) {
        const char *name = a->Name();
        std::size_t i = next;
        std::size_t tried = 0;
        while (tried < N && std::strcmp(fields[i].name, name) != 0) {
            i = (i + 1) % N;
            ++tried;
        }
        if (tried == N)
            continue;
        next = (i + 1) % N;
        const Field &f = fields[i];
        const char *value = a->Value();
        if (f.size > 0) {
            fixedTextCopy(base + f.offset, f.size, value, std::strlen(value));
        } else {
            const int32_t number = textToInt(value);
            std::memcpy(base + f.offset, &number, sizeof number);
        }
    }
}

template <typename Record, std::size_t N>
void writeFields(tinyxml2::XMLElement &element, const Record &record, const Field (&fields)[N])
{
    const char *base = reinterpret_cast<const char *>(&record);
    for (const Field &f : fields) {
        if (f.size > 0) {
            // A field that lost its terminator still ends inside the record.
            const QByteArray text(base + f.offset, static_cast<int>(strnlen(base + f.offset, f.size)));
            element.SetAttribute(f.name, text.constData());
        } else {
            int32_t number;
            std::memcpy(&number, base + f.offset, sizeof number);
            element.SetAttribute(f.name, number);
        }
    }
}

const Field customKeyFields[] = {
    TEXT_FIELD(customKeyInfo, keyCode),     TEXT_FIELD(customKeyInfo, keyChar),
    TEXT_FIELD(customKeyInfo, operateType), TEXT_FIELD(customKeyInfo, repeatNum),
    TEXT_FIELD(customKeyInfo, mode),        TEXT_FIELD(customKeyInfo, Value),
};

const Field macroItemFields[] = {
    TEXT_FIELD(macroItemInfo, mark),    TEXT_FIELD(macroItemInfo, delay),
    TEXT_FIELD(macroItemInfo, type),    TEXT_FIELD(macroItemInfo, keyCode),
    TEXT_FIELD(macroItemInfo, codeName), TEXT_FIELD(macroItemInfo, operateExplain),
};

const Field profileFields[] = {
    TEXT_FIELD(profileInfo, index),
    TEXT_FIELD(profileInfo, name),
    TEXT_FIELD(profileInfo, proFileAppName),
    TEXT_FIELD(profileInfo, proFileAppIco),
};

const Field colorFields[] = {
    INT_FIELD(colorInfoData, ledKeyboardOrSide), INT_FIELD(colorInfoData, ledType),
    INT_FIELD(colorInfoData, ledBrightness),     INT_FIELD(colorInfoData, ledSpeed),
    INT_FIELD(colorInfoData, ledModeR),          INT_FIELD(colorInfoData, ledModeG),
    INT_FIELD(colorInfoData, ledModeB),          INT_FIELD(colorInfoData, ledBgR),
    INT_FIELD(colorInfoData, ledBgG),            INT_FIELD(colorInfoData, ledBgB),
    INT_FIELD(colorInfoData, ledDirection),      INT_FIELD(colorInfoData, ledModeType),
    INT_FIELD(colorInfoData, ledOpenOrClose),    INT_FIELD(colorInfoData, ledUpdate),
};

// The file writes index first, unlike the record.
const Field dpiFields[] = {
    INT_FIELD(dpiConfigInfo, index),     INT_FIELD(dpiConfigInfo, selectStatus),
    INT_FIELD(dpiConfigInfo, isXY),      INT_FIELD(dpiConfigInfo, dpiX),
    INT_FIELD(dpiConfigInfo, dpiY),      INT_FIELD(dpiConfigInfo, dpiColorR),
    INT_FIELD(dpiConfigInfo, dpiColorG), INT_FIELD(dpiConfigInfo, dpiColorB),
};

const Field customColorFields[] = {
    INT_FIELD(customColorInfo, index),  INT_FIELD(customColorInfo, actionStatus),
    INT_FIELD(customColorInfo, colorR), INT_FIELD(customColorInfo, colorG),
    INT_FIELD(customColorInfo, colorB), INT_FIELD(customColorInfo, transparentNum),
};

const Field customLightFields[] = {
    TEXT_FIELD(customLightInfo, index),
    TEXT_FIELD(customLightInfo, name),
    TEXT_FIELD(customLightInfo, isUsing),
    INT_FIELD(customLightInfo, usingFlagIndex),
};

const Field customLightKeyFields[] = {
    TEXT_FIELD(customLightKeyInfo, keyCode), TEXT_FIELD(customLightKeyInfo, codeName),
    INT_FIELD(customLightKeyInfo, indexX),   INT_FIELD(customLightKeyInfo, indexY),
    INT_FIELD(customLightKeyInfo, colorR),   INT_FIELD(customLightKeyInfo, colorG),
    INT_FIELD(customLightKeyInfo, colorB),   INT_FIELD(customLightKeyInfo, transparentNum),
};

const Field performanceFields[] = {
    TEXT_FIELD(performanceSettingInfo, feature1),
    TEXT_FIELD(performanceSettingInfo, feature2),
    TEXT_FIELD(performanceSettingInfo, feature3),
    TEXT_FIELD(performanceSettingInfo, feature4),
};

const Field hidModelFields[] = {
    TEXT_FIELD(hidModelInfo, hidType),   TEXT_FIELD(hidModelInfo, addTime),
    INT_FIELD(hidModelInfo, SizeWidth),  INT_FIELD(hidModelInfo, SizeHeight),
    TEXT_FIELD(hidModelInfo, hidName),   INT_FIELD(hidModelInfo, keyNum),
    TEXT_FIELD(hidModelInfo, productName), TEXT_FIELD(hidModelInfo, likeName),
};

const Field hidSupportFields[] = {
    TEXT_FIELD(hidSupportInfo, hidType), TEXT_FIELD(hidSupportInfo, addTime),
    TEXT_FIELD(hidSupportInfo, Vid),     TEXT_FIELD(hidSupportInfo, Pid),
    INT_FIELD(hidSupportInfo, type),     TEXT_FIELD(hidSupportInfo, nucName),
};

#undef TEXT_FIELD
#undef INT_FIELD

} // namespace

void xmlRecordCodec::read(const tinyxml2::XMLElement &e, customKeyInfo &r) { readFields(e, r, customKeyFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, macroItemInfo &r) { readFields(e, r, macroItemFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, profileInfo &r) { readFields(e, r, profileFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, colorInfoData &r) { readFields(e, r, colorFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, dpiConfigInfo &r) { readFields(e, r, dpiFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, customColorInfo &r) { readFields(e, r, customColorFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, customLightInfo &r) { readFields(e, r, customLightFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, customLightKeyInfo &r) { readFields(e, r, customLightKeyFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, performanceSettingInfo &r) { readFields(e, r, performanceFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, hidModelInfo &r) { readFields(e, r, hidModelFields); }
void xmlRecordCodec::read(const tinyxml2::XMLElement &e, hidSupportInfo &r) { readFields(e, r, hidSupportFields); }

void xmlRecordCodec::write(tinyxml2::XMLElement &e, const macroItemInfo &r) { writeFields(e, r, macroItemFields); }
void xmlRecordCodec::write(tinyxml2::XMLElement &e, const colorInfoData &r) { writeFields(e, r, colorFields); }
void xmlRecordCodec::write(tinyxml2::XMLElement &e, const dpiConfigInfo &r) { writeFields(e, r, dpiFields); }
void xmlRecordCodec::write(tinyxml2::XMLElement &e, const customColorInfo &r) { writeFields(e, r, customColorFields); }
void xmlRecordCodec::write(tinyxml2::XMLElement &e, const customLightKeyInfo &r) { writeFields(e, r, customLightKeyFields); }
