#include "UdevDeviceNotifier.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

namespace {

constexpr char kSubsystem[] = "hidraw";
constexpr char kHidSubsystem[] = "hid";
constexpr char kHidIdProperty[] = "HID_ID";
// Events read per wake-up; the rest wait for the next pass of the event loop.
constexpr int kEventsPerPass = 64;

} // namespace

UdevDeviceNotifier::UdevDeviceNotifier(QObject *parent)
    : DeviceNotifier(parent)
{
}

UdevDeviceNotifier::~UdevDeviceNotifier()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevDeviceNotifier::start()
{
    if (m_notifier)
        return true;
    m_udev = udev_new();
    if (!m_udev) {
        qDebug("------------------------ udev_new failed -------------------------");
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, kSubsystem, nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qDebug("------------------------ Register device notify failed: udev monitor -------------------------");
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevDeviceNotifier::readEvents);
    return true;
}

void UdevDeviceNotifier::readEvents()
{
    for (int i = 0; i < kEventsPerPass; ++i) {
        udev_device *device = udev_monitor_receive_device(m_monitor);
        if (!device)
            return;
        const char *action = udev_device_get_action(device);
        const char *sysPath = udev_device_get_syspath(device);
        hidDeviceIds ids;
        if (udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, kHidSubsystem, nullptr)) {
            if (const char *hidId = udev_device_get_property_value(hid, kHidIdProperty))
                ids = hidDeviceIds::fromHidIdProperty(QByteArray(hidId));
        }
        handleEvent(QByteArray(action ? action : ""), QString::fromUtf8(sysPath ? sysPath : ""), ids);
        udev_device_unref(device);
    }
}

void UdevDeviceNotifier::handleEvent(const QByteArray &action, const QString &sysPath,
                                     const hidDeviceIds &parentIds)
{
    if (sysPath.isEmpty())
        return;
    if (action == "add") {
        const hidDeviceIds ids = parentIds.isValid() ? parentIds : hidDeviceIds::fromSysfsPath(sysPath);
        if (!ids.isValid())
            return;
        m_arrivedIds.insert(sysPath, ids);
        emit deviceArrived(sysPath, ids.vendorId, ids.productId);
    } else if (action == "remove") {
        // The device's sysfs folder is gone by now: the ids come from its
        // arrival, or from the "bus:vendor:product.n" folder of its path.
        hidDeviceIds ids = m_arrivedIds.take(sysPath);
        if (!ids.isValid())
            ids = hidDeviceIds::fromSysfsPath(sysPath);
        if (!ids.isValid())
            return;
        emit deviceRemoved(sysPath, ids.vendorId, ids.productId);
    }
}
