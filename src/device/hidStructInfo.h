#pragma once

#include "FixedText.h"

#include <QList>
#include <QMetaType>

// One attached, supported device interface, copied by value (also inside
// QList<hidStructInfo> signal arguments). Text fields are zero-filled and
// always zero-terminated; fill them with fixedTextCopy.
struct hidStructInfo
{
    int vid;
    int pid;
    char hidPath[256];     // stable interface path: the device's key everywhere
    char manufacturer[64]; // enumeration strings (UTF-8)
    char product[64];
    char hidName[128];     // model name: "Hid Name" until identified
    char infoText[128];    // identification fields before the model, run together
    int hidType;           // 0 keyboard, 1 mouse
};

// Device types of the supported-device list.
constexpr int kHidTypeKeyboard = 0;
constexpr int kHidTypeMouse = 1;

Q_DECLARE_METATYPE(hidStructInfo)
Q_DECLARE_METATYPE(QList<hidStructInfo>)
