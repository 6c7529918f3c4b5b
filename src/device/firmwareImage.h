#pragma once

// The firmware images the program carries: the chip families and their image
// sizes, the identification block inside an image, the version test, and
// where the images are read from. Plain functions: no widgets, no devices.

#include "hidFirmwareInfo.h"
#include "intelHexReader.h"
#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One row of the chip family table.
struct firmwareChipInfo
{
    int imageSize = 0;      // bytes read from the image and sent to the device
    int idBlockAddress = 0; // build date (12 bytes), time (16), identification text (50)
    int idTextAddress = 0;  // the identification text: block + 28

    bool isValid() const { return imageSize > 0; }
};

constexpr int kFirmwareIdDateBytes = 12;
constexpr int kFirmwareIdTimeBytes = 16;
constexpr int kFirmwareIdTextOffset = kFirmwareIdDateBytes + kFirmwareIdTimeBytes; // 28
constexpr int kFirmwareIdTextBytes = 50;
constexpr int kFirmwareIdFieldCount = 6;
constexpr int kFirmwareVersionField = 5;

// "M252" 64 KB; "NUC" and "NUC121" 32 KB; "SN" and the mice's chip families
// 30 KB; anything else none. Compared exactly, letter case included.
firmwareChipInfo firmwareChipForFamily(const QString &chipFamily, const QStringList &mouseChipFamilies);
// A mouse reports its model name as its chip family: the nucName of the
// mouse rows of the supported-device list.
QStringList firmwareMouseChipFamilies(const QList<hidSupportInfo> &supportList);

// The identification text of an image: at most 50 bytes from the chip's text
// address, up to the first zero byte (Latin-1). Empty when it lies outside.
QString firmwareIdentificationText(const QByteArray &image, const firmwareChipInfo &chip);
// The six comma-separated fields of an identification text; missing fields
// are empty, and the sixth ends at a further comma.
QStringList firmwareIdentificationFields(const QString &text);

// Whether imageVersion is newer than deviceVersion. Versions of the form "V"
// and dotted numbers compare number by number (V1.0.10 is newer than V1.0.9;
// a version that is the beginning of the other is the older); other texts
// compare character by character with A-Z folded to lower case, a text that is
// the beginning of the other being the smaller.
bool isFirmwareVersionNewer(const QString &imageVersion, const QString &deviceVersion);
// Whether an image with these identification fields is the device's and newer:
// fields 0 to 4 equal the device's (letter case ignored), field 5 newer.
bool isFirmwareImageNewer(const hidFirmwareInfo &device, const QStringList &imageFields);

// Where the images are read from: ":/images/UpdateHex/" unless another folder
// was set (the simulated devices bring their own). Ends in "/".
QString firmwareImageFolder();
void setFirmwareImageFolder(const QString &folder);
// "<model>.hex", and the same inside the image folder.
QString firmwareImageName(const QString &modelName);
QString firmwareImagePath(const QString &modelName);

// An image read and checked: `image` holds imageSize bytes (zero where no
// record writes) when status is Ok.
struct firmwareImageLoad
{
    enum Status { Ok, Missing, OpenFailed, Broken };
    Status status = Missing;
    IntelHexResult hex;
    QByteArray image;

    bool ok() const { return status == Ok; }
    QString describe() const;
};
// Reads the image straight from its file or resource.
firmwareImageLoad loadFirmwareImage(const QString &path, int imageSize);
