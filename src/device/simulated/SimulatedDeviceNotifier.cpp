#include "SimulatedDeviceNotifier.h"

#include "SimulatedHidBackend.h"

#include <QMetaObject>

namespace {

constexpr int kUsbBus = 3;

} // namespace

SimulatedDeviceNotifier::SimulatedDeviceNotifier(std::shared_ptr<SimulatedHidBackend> backend, QObject *parent)
    : DeviceNotifier(parent)
    , m_backend(std::move(backend))
{
}

SimulatedDeviceNotifier::~SimulatedDeviceNotifier()
{
    if (m_listenerId)
        m_backend->removePlugListener(m_listenerId);
}

bool SimulatedDeviceNotifier::start()
{
    if (!m_backend)
        return false;
    if (!m_listenerId) {
        m_listenerId = m_backend->addPlugListener(
            [this](const std::shared_ptr<SimulatedDevice> &device, bool plugged) { onPlug(device, plugged); });
    }
    return true;
}

void SimulatedDeviceNotifier::installFactory(const std::shared_ptr<SimulatedHidBackend> &backend)
{
    DeviceNotifier::setFactory(
        [backend](QObject *parent) -> DeviceNotifier * { return new SimulatedDeviceNotifier(backend, parent); });
}

QString SimulatedDeviceNotifier::eventPath(const SimulatedDevice &device, int interfaceNumber)
{
    const auto hex4 = [](int value) { return QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0')); };
    const SimulatedDeviceConfig config = device.config();
    return QStringLiteral("%1/%2:%3:%4.%5")
        .arg(device.path(interfaceNumber), hex4(kUsbBus), hex4(config.vendorId), hex4(config.productId),
             hex4(device.port() * 2 + (interfaceNumber ? 1 : 0)));
}

// Runs on the thread that plugged the device; the signals go out queued.
void SimulatedDeviceNotifier::onPlug(const std::shared_ptr<SimulatedDevice> &device, bool plugged)
{
    const SimulatedDeviceConfig config = device->config();
    for (int iface : {SimulatedDevice::kOtherInterfaceNumber, SimulatedDevice::kInterfaceNumber}) {
        const QString path = eventPath(*device, iface);
        const int vid = config.vendorId;
        const int pid = config.productId;
        QMetaObject::invokeMethod(
            this,
            [this, path, vid, pid, plugged] {
                if (plugged)
                    emit deviceArrived(path, vid, pid);
                else
                    emit deviceRemoved(path, vid, pid);
            },
            Qt::QueuedConnection);
    }
}
