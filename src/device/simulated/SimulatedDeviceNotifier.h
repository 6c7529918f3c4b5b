#pragma once

#include "DeviceNotifier.h"

#include <memory>

class SimulatedDevice;
class SimulatedHidBackend;

// Hot-plug of the simulated devices: each plug and unplug raises the events
// the udev monitor would, one per interface of the device, with a sysfs-like
// path ending in the "bus:vendor:product.n" folder. The events reach the GUI
// thread queued, whichever thread plugged the device.
class SimulatedDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT

public:
    SimulatedDeviceNotifier(std::shared_ptr<SimulatedHidBackend> backend, QObject *parent = nullptr);
    ~SimulatedDeviceNotifier() override;

    bool start() override;

    // Makes DeviceNotifier::create build notifiers on this backend.
    static void installFactory(const std::shared_ptr<SimulatedHidBackend> &backend);
    // The path of one interface's event.
    static QString eventPath(const SimulatedDevice &device, int interfaceNumber);

private:
    void onPlug(const std::shared_ptr<SimulatedDevice> &device, bool plugged);

    std::shared_ptr<SimulatedHidBackend> m_backend;
    int m_listenerId = 0;
};
