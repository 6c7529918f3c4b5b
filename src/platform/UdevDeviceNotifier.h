#pragma once

#include "DeviceNotifier.h"
#include "hidDeviceIds.h"

#include <QHash>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Hot-plug of hidraw interfaces through a libudev monitor. The monitor's
// socket sits on a QSocketNotifier of the GUI thread, so no thread of its own
// is needed and a storm of events is read in one pass at a time.
class UdevDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT

public:
    explicit UdevDeviceNotifier(QObject *parent = nullptr);
    ~UdevDeviceNotifier() override;

    bool start() override;

    // One event as the monitor reports it: the action ("add", "remove", ...),
    // the hidraw device's sysfs path and, for an arrival, the ids read from
    // its "hid" parent (invalid when it had none). Emits at most one signal;
    // anything malformed is ignored. Public so that tests feed it directly.
    void handleEvent(const QByteArray &action, const QString &sysPath, const hidDeviceIds &parentIds);

private:
    void readEvents();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    // Ids seen at arrival, for the removal, when sysfs is already gone.
    QHash<QString, hidDeviceIds> m_arrivedIds;
};
