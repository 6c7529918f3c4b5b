#include "SimulatedDeviceConfig.h"

#include "firmwareImage.h"

#include <QCryptographicHash>

const char *const SimulatedDeviceConfig::kHostileSerial = "../../../../../../../../../../x1";
const char *const SimulatedDeviceConfig::kMouseModel = "Bovelli";
const char *const SimulatedDeviceConfig::kNuc121Model = "Ryzzmond";

namespace {
// The ids of the supported-device list shipped with the program.
constexpr int kKeyboardVid = 0x0416;
constexpr int kKeyboardPid = 0xC345;
constexpr int kNuc121KeyboardPid = 0xB23C;
constexpr int kKeyboardBootloaderPid = 0x3F00;
constexpr int kMouseBootloaderPid = 0x6565;
constexpr int kMouseVid = 0x0C45;
constexpr int kMousePid = 0xA21C;
const unsigned char kMarker = 0xA5;

QByteArray listBytes(int firstId, int lastId, const QList<int> &extra, int speedMax, int brightnessMax)
{
    QByteArray bytes;
    for (int id = firstId; id <= lastId; ++id)
        bytes.append(static_cast<char>(id));
    for (int id : extra)
        bytes.append(static_cast<char>(id));
    bytes.append(static_cast<char>(kMarker));
    bytes.append(static_cast<char>(speedMax));
    bytes.append(static_cast<char>(brightnessMax));
    return bytes;
}

// What every simulated device has: its ids, its names and a serial of its own.
SimulatedDeviceConfig deviceConfig(const QString &model, int deviceType, int vendorId, int productId,
                                   const QString &kind)
{
    SimulatedDeviceConfig c;
    c.modelName = model;
    c.deviceType = deviceType;
    c.vendorId = vendorId;
    c.productId = productId;
    c.manufacturer = QStringLiteral("Velmora");
    c.product = model + QLatin1Char(' ') + kind;
    c.serial = QCryptographicHash::hash(model.toUtf8(), QCryptographicHash::Md5).toHex();
    return c;
}

// The image size and identification address of the device's chip family.
void setBootloaderChip(SimulatedDeviceConfig &c)
{
    const firmwareChipInfo chip = firmwareChipForFamily(
        c.identificationFields.value(0), {QString::fromLatin1(SimulatedDeviceConfig::kMouseModel)});
    c.bootloader.imageSize = chip.imageSize;
    c.bootloader.idTextAddress = chip.idTextAddress;
}
} // namespace

SimulatedDeviceConfig SimulatedDeviceConfig::keyboard(const QString &model)
{
    SimulatedDeviceConfig c = deviceConfig(model, 0, kKeyboardVid, kKeyboardPid, QStringLiteral("Keyboard"));
    const bool nuc121 = model == QLatin1String(kNuc121Model);
    if (nuc121)
        c.productId = kNuc121KeyboardPid;
    c.identificationFields = QStringList{nuc121 ? QStringLiteral("NUC121") : QStringLiteral("M252"),
                                         QStringLiteral("01"), QStringLiteral("KB"), QStringLiteral("QS"), model,
                                         QStringLiteral("V1.00.03")};
    c.keyLightList = listBytes(0, 12, {14, 15, 16}, 4, 4);
    c.sideLightList = listBytes(0, 4, {}, 4, 4);
    c.bootloader.vendorId = kKeyboardVid;
    c.bootloader.productId = kKeyboardBootloaderPid;
    setBootloaderChip(c);
    return c;
}

SimulatedDeviceConfig SimulatedDeviceConfig::mouse(const QString &model)
{
    SimulatedDeviceConfig c = deviceConfig(model, 1, kMouseVid, kMousePid, QStringLiteral("Mouse"));
    c.identificationFields = QStringList{model, QStringLiteral("01"), QStringLiteral("MS"), QStringLiteral("BV"),
                                         model, QStringLiteral("V1.00.01")};
    c.mouseLightLists = listBytes(0, 8, {}, 4, 4) + listBytes(0, 3, {}, 4, 4) + listBytes(0, 3, {}, 4, 4);
    c.bootloader.vendorId = kMouseVid;
    c.bootloader.productId = kMouseBootloaderPid;
    setBootloaderChip(c);
    return c;
}

SimulatedDeviceConfig SimulatedDeviceConfig::forModel(const QString &model)
{
    return model == QLatin1String(kMouseModel) ? mouse(model) : keyboard(model);
}

QStringList SimulatedDeviceConfig::knownModels()
{
    return {QString::fromLatin1(kMouseModel), QStringLiteral("Quissaro"), QString::fromLatin1(kNuc121Model),
            QStringLiteral("Rosquine"), QStringLiteral("Rulvarro"), QStringLiteral("Varrowen")};
}
