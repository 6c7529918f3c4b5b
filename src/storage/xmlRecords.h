#pragma once

// The fixed-size records in which the XML store hands file contents to the
// rest of the program. Text fields are zero-terminated char arrays (at most
// width - 1 bytes of text); integer fields are 32-bit signed. All are copied
// by value. Fill text fields with fixedTextCopy (FixedText.h).

#include "FixedText.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QPair>

#include <cstdint>

// One key binding. keyCode "-1" means no binding.
struct customKeyInfo
{
    char keyCode[16];
    char keyChar[64];
    char operateType[8];
    char repeatNum[8];
    char mode[8];
    char Value[5120];
};

// The longest delay of a macro event, in milliseconds (the device's 16-bit field).
constexpr int kMaxMacroDelay = 65535;

// One macro event.
struct macroItemInfo
{
    char mark[64];
    char delay[16];
    char type[16];
    char keyCode[16];
    char codeName[64];
    char operateExplain[64];
};

// One profile header.
struct profileInfo
{
    char index[8];
    char name[128];
    char proFileAppName[256];
    char proFileAppIco[256];
};

// The lighting settings of one zone and effect, in the order of a light
// item's attributes.
struct colorInfoData
{
    int32_t ledKeyboardOrSide;
    int32_t ledType;
    int32_t ledBrightness;
    int32_t ledSpeed;
    int32_t ledModeR;
    int32_t ledModeG;
    int32_t ledModeB;
    int32_t ledBgR;
    int32_t ledBgG;
    int32_t ledBgB;
    int32_t ledDirection;
    int32_t ledModeType;
    int32_t ledOpenOrClose;
    int32_t ledUpdate;
};

// One mouse DPI level (the file writes index first).
struct dpiConfigInfo
{
    int32_t selectStatus;
    int32_t index;
    int32_t isXY;
    int32_t dpiX;
    int32_t dpiY;
    int32_t dpiColorR;
    int32_t dpiColorG;
    int32_t dpiColorB;
};

// One user colour swatch of a profile.
struct customColorInfo
{
    int32_t index;
    int32_t actionStatus;
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
};

// One custom per-key lighting scheme.
struct customLightInfo
{
    char index[16];
    char name[64];
    char isUsing[16];
    int32_t usingFlagIndex;
};

// One key of a custom lighting scheme.
struct customLightKeyInfo
{
    char keyCode[16];
    char codeName[64];
    int32_t indexX;
    int32_t indexY;
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
};

// The four performance options of a profile, "0" or "1".
struct performanceSettingInfo
{
    char feature1[8];
    char feature2[8];
    char feature3[8];
    char feature4[8];
};

// One row of the device-model list hidList.xml.
struct hidModelInfo
{
    char hidType[64];
    char addTime[64];
    int32_t SizeWidth;
    int32_t SizeHeight;
    char hidName[128];
    int32_t keyNum;
    char productName[128];
    char likeName[128];
};

// One row of the supported-device list hidListSupport.xml.
struct hidSupportInfo
{
    char hidType[64];
    char addTime[64];
    char Vid[16];
    char Pid[16];
    int32_t type;
    char nucName[128];
};

// A root child's number and name, as getNodeIndexAndName reads them.
struct nodeIndexNameInfo
{
    int32_t index;
    char name[48];
};

// (index, name) pairs of the root children of a file, as getProfileList and
// getMacroList give them: UTF-8 texts of at most 63 bytes each.
using xmlIndexNameList = QList<QPair<QByteArray, QByteArray>>;

Q_DECLARE_METATYPE(customKeyInfo)
Q_DECLARE_METATYPE(macroItemInfo)
Q_DECLARE_METATYPE(profileInfo)
Q_DECLARE_METATYPE(colorInfoData)
Q_DECLARE_METATYPE(dpiConfigInfo)
Q_DECLARE_METATYPE(customColorInfo)
Q_DECLARE_METATYPE(customLightInfo)
Q_DECLARE_METATYPE(customLightKeyInfo)
Q_DECLARE_METATYPE(performanceSettingInfo)
Q_DECLARE_METATYPE(hidModelInfo)
Q_DECLARE_METATYPE(hidSupportInfo)
Q_DECLARE_METATYPE(nodeIndexNameInfo)
