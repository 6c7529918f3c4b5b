#pragma once

#include "xmlRecords.h"

namespace tinyxml2 {
class XMLElement;
}

// Moves the store's fixed-size records to and from the attributes of one
// element, one field per attribute of the same name.
//
// read() fills each field whose attribute exists: texts cut to the field on a
// UTF-8 character boundary and always terminated, numbers by the store's
// text-to-integer rule; fields without an attribute keep their value.
// write() sets the attributes in the file's order: an existing attribute
// changes in place, a missing one is appended.
class xmlRecordCodec
{
public:
    static void read(const tinyxml2::XMLElement &element, customKeyInfo &record);
    static void read(const tinyxml2::XMLElement &element, macroItemInfo &record);
    static void read(const tinyxml2::XMLElement &element, profileInfo &record);
    static void read(const tinyxml2::XMLElement &element, colorInfoData &record);
    static void read(const tinyxml2::XMLElement &element, dpiConfigInfo &record);
    static void read(const tinyxml2::XMLElement &element, customColorInfo &record);
    static void read(const tinyxml2::XMLElement &element, customLightInfo &record);
    static void read(const tinyxml2::XMLElement &element, customLightKeyInfo &record);
    static void read(const tinyxml2::XMLElement &element, performanceSettingInfo &record);
    static void read(const tinyxml2::XMLElement &element, hidModelInfo &record);
    static void read(const tinyxml2::XMLElement &element, hidSupportInfo &record);

    static void write(tinyxml2::XMLElement &element, const macroItemInfo &record);
    static void write(tinyxml2::XMLElement &element, const colorInfoData &record);
    static void write(tinyxml2::XMLElement &element, const dpiConfigInfo &record);
    static void write(tinyxml2::XMLElement &element, const customColorInfo &record);
    static void write(tinyxml2::XMLElement &element, const customLightKeyInfo &record);
};
