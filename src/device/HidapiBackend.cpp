#include "HidapiBackend.h"

#include "HidrawConnection.h"

#include <QFileInfo>

#include <hidapi/hidapi.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>

namespace {
QString wideText(const wchar_t *text) { return text ? QString::fromWCharArray(text) : QString(); }
} // namespace

HidapiBackend::HidapiBackend() : m_initialised(hid_init() == 0)
{
    if (!m_initialised)
        setError(QStringLiteral("hid_init failed: ") + wideText(hid_error(nullptr)));
}

HidapiBackend::~HidapiBackend()
{
    if (m_initialised)
        hid_exit();
}

QString HidapiBackend::stablePathOf(const QString &nodePath)
{
    const QString node = QFileInfo(nodePath).fileName();
    // /sys/class/hidraw/hidrawN/device is the HID device; its parent the USB interface.
    const QString hidDevice =
        QFileInfo(QStringLiteral("/sys/class/hidraw/%1/device").arg(node)).canonicalFilePath();
    if (hidDevice.isEmpty())
        return nodePath;
    const QString usbInterface = QFileInfo(hidDevice).path();
    return usbInterface.isEmpty() ? nodePath : usbInterface;
}

QList<HidDeviceEntry> HidapiBackend::enumerate()
{
    QList<HidDeviceEntry> entries;
    if (!m_initialised)
        return entries;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *info = list; info; info = info->next) {
        HidDeviceEntry entry;
        entry.nodePath = QString::fromLocal8Bit(info->path);
        entry.path = stablePathOf(entry.nodePath);
        entry.vendorId = info->vendor_id;
        entry.productId = info->product_id;
        entry.interfaceNumber = info->interface_number;
        entry.manufacturer = wideText(info->manufacturer_string);
        entry.product = wideText(info->product_string);
        entry.serialNumber = wideText(info->serial_number);
        entries.append(entry);
    }
    hid_free_enumeration(list);
    return entries;
}

std::unique_ptr<HidConnection> HidapiBackend::open(const QString &path)
{
    if (!m_initialised)
        return nullptr;
    QString node = path;
    if (!path.startsWith(QLatin1String("/dev/"))) {
        node.clear();
        for (const HidDeviceEntry &entry : enumerate()) {
            if (entry.path == path) {
                node = entry.nodePath;
                break;
            }
        }
        if (node.isEmpty()) {
            setError(QStringLiteral("no HID interface at ") + path);
            return nullptr;
        }
    }
    // The node is read and written directly: see HidrawConnection.
    const int fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        setError(node + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }
    return std::make_unique<HidrawConnection>(fd);
}

QString HidapiBackend::errorText() const
{
    QMutexLocker lock(&m_errorMutex);
    return m_error;
}

void HidapiBackend::setError(const QString &text)
{
    QMutexLocker lock(&m_errorMutex);
    m_error = text;
}
