#include "DeviceNotifier.h"

#include "UdevDeviceNotifier.h"

namespace {

DeviceNotifier::Factory &installedFactory()
{
    static DeviceNotifier::Factory factory;
    return factory;
}

} // namespace

DeviceNotifier::DeviceNotifier(QObject *parent)
    : QObject(parent)
{
}

DeviceNotifier::~DeviceNotifier() = default;

DeviceNotifier *DeviceNotifier::create(QObject *parent)
{
    if (installedFactory())
        return installedFactory()(parent);
    return new UdevDeviceNotifier(parent);
}

void DeviceNotifier::setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}
