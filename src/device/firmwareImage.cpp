#include "firmwareImage.h"

#include "FixedText.h"

#include <QFile>
#include <QRegularExpression>

#include <mutex>

namespace {

constexpr int kImageSizeM252 = 0x10000;
constexpr int kImageSizeNuc = 0x8000;
constexpr int kImageSizeSn = 0x7800;
constexpr int kIdBlockM252 = 0xFE00;
constexpr int kIdBlockNuc = 0x7E00;
constexpr int kIdBlockSn = 0x76A4;

const char kDefaultImageFolder[] = ":/images/UpdateHex/";

std::mutex g_folderMutex;
QString g_imageFolder;

firmwareChipInfo chip(int size, int block) { return {size, block, block + kFirmwareIdTextOffset}; }

// "V" and dotted numbers: the numbers, else an empty list.
QStringList versionNumbers(const QString &version)
{
    static const QRegularExpression pattern(QStringLiteral("^[Vv](\\d+(?:\\.\\d+)*)$"));
    const QRegularExpressionMatch match = pattern.match(version);
    return match.hasMatch() ? match.captured(1).split(QLatin1Char('.')) : QStringList();
}

// Compares two digit strings by value, whatever their length.
int compareNumbers(QString a, QString b)
{
    while (a.size() > 1 && a.startsWith(QLatin1Char('0')))
        a.remove(0, 1);
    while (b.size() > 1 && b.startsWith(QLatin1Char('0')))
        b.remove(0, 1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Character codes after folding A to Z to lower case; a prefix is smaller.
int compareFolded(const QString &a, const QString &b)
{
    const int n = qMin(a.size(), b.size());
    for (int i = 0; i < n; ++i) {
        ushort ca = a.at(i).unicode();
        ushort cb = b.at(i).unicode();
        if (ca >= 'A' && ca <= 'Z')
            ca += 'a' - 'A';
        if (cb >= 'A' && cb <= 'Z')
            cb += 'a' - 'A';
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

firmwareChipInfo firmwareChipForFamily(const QString &chipFamily, const QStringList &mouseChipFamilies)
{
    if (chipFamily == QLatin1String("M252"))
        return chip(kImageSizeM252, kIdBlockM252);
    if (chipFamily == QLatin1String("NUC") || chipFamily == QLatin1String("NUC121"))
        return chip(kImageSizeNuc, kIdBlockNuc);
    if (chipFamily == QLatin1String("SN") || (!chipFamily.isEmpty() && mouseChipFamilies.contains(chipFamily)))
        return chip(kImageSizeSn, kIdBlockSn);
    return {};
}

QStringList firmwareMouseChipFamilies(const QList<hidSupportInfo> &supportList)
{
    QStringList families;
    for (const hidSupportInfo &item : supportList) {
        const QString name = fixedText(item.nucName);
        if (item.type == 1 && !name.isEmpty() && !families.contains(name))
            families.append(name);
    }
    return families;
}

QString firmwareIdentificationText(const QByteArray &image, const firmwareChipInfo &chipInfo)
{
    if (!chipInfo.isValid() || chipInfo.idTextAddress + kFirmwareIdTextBytes > image.size())
        return QString();
    const char *text = image.constData() + chipInfo.idTextAddress;
    return QString::fromLatin1(text, static_cast<int>(strnlen(text, kFirmwareIdTextBytes)));
}

QStringList firmwareIdentificationFields(const QString &text)
{
    QStringList fields = text.split(QLatin1Char(','));
    while (fields.size() < kFirmwareIdFieldCount)
        fields.append(QString());
    return fields.mid(0, kFirmwareIdFieldCount);
}

bool isFirmwareVersionNewer(const QString &imageVersion, const QString &deviceVersion)
{
    const QStringList image = versionNumbers(imageVersion);
    const QStringList device = versionNumbers(deviceVersion);
    if (image.isEmpty() || device.isEmpty())
        return compareFolded(imageVersion, deviceVersion) > 0;
    const int n = qMin(image.size(), device.size());
    for (int i = 0; i < n; ++i) {
        const int c = compareNumbers(image.at(i), device.at(i));
        if (c != 0)
            return c > 0;
    }
    return image.size() > device.size();
}

bool isFirmwareImageNewer(const hidFirmwareInfo &device, const QStringList &imageFields)
{
    if (imageFields.size() < kFirmwareIdFieldCount)
        return false;
    const QString deviceFields[] = {fixedText(device.chipFamily), fixedText(device.idCode1),
                                    fixedText(device.idCode2), fixedText(device.idCode3),
                                    fixedText(device.modelName)};
    for (int i = 0; i < kFirmwareVersionField; ++i) {
        if (imageFields.at(i).compare(deviceFields[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return isFirmwareVersionNewer(imageFields.at(kFirmwareVersionField), fixedText(device.firmwareVersion));
}

QString firmwareImageFolder()
{
    std::lock_guard<std::mutex> lock(g_folderMutex);
    return g_imageFolder.isEmpty() ? QString::fromLatin1(kDefaultImageFolder) : g_imageFolder;
}

void setFirmwareImageFolder(const QString &folder)
{
    std::lock_guard<std::mutex> lock(g_folderMutex);
    g_imageFolder = folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString firmwareImageName(const QString &modelName) { return QStringLiteral("%1.hex").arg(modelName); }

QString firmwareImagePath(const QString &modelName) { return firmwareImageFolder() + firmwareImageName(modelName); }

QString firmwareImageLoad::describe() const
{
    switch (status) {
    case Ok:
        return QStringLiteral("ok");
    case Missing:
        return QStringLiteral("no image");
    case OpenFailed:
        return QStringLiteral("Open hex file error");
    case Broken:
        return QStringLiteral("broken image, ") + hex.reason();
    }
    return QString();
}

firmwareImageLoad loadFirmwareImage(const QString &path, int imageSize)
{
    firmwareImageLoad load;
    QFile file(path);
    if (!file.exists())
        return load;
    if (imageSize <= 0 || !file.open(QIODevice::ReadOnly)) {
        load.status = firmwareImageLoad::OpenFailed;
        return load;
    }
    QByteArray image(imageSize, '\0');
    load.hex = readIntelHex(file, reinterpret_cast<unsigned char *>(image.data()), imageSize);
    if (!load.hex.ok()) {
        load.status = firmwareImageLoad::Broken;
        return load;
    }
    load.status = firmwareImageLoad::Ok;
    load.image = image;
    return load;
}
