#include "SimulatedHidBackend.h"

#include "HidConnection.h"
#include "simulatedFirmwareImages.h"

#include <QDebug>
#include <QStringList>
#include <QtGlobal>

SimulatedHidBackend::~SimulatedHidBackend()
{
    // Devices may outlive the backend in a test's hands.
    for (const auto &device : devices())
        device->setPlugObserver(nullptr);
}

std::shared_ptr<SimulatedDevice> SimulatedHidBackend::addDevice(const SimulatedDeviceConfig &config)
{
    std::shared_ptr<SimulatedDevice> device;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        device = std::make_shared<SimulatedDevice>(config, m_nextPort++);
        m_devices.append(device);
    }
    std::weak_ptr<SimulatedDevice> weak = device;
    device->setPlugObserver([this, weak](bool plugged) {
        if (auto d = weak.lock())
            notifyPlug(d, plugged);
    });
    notifyPlug(device, true);
    return device;
}

QList<std::shared_ptr<SimulatedDevice>> SimulatedHidBackend::devicesOfModel(const QString &model) const
{
    QList<std::shared_ptr<SimulatedDevice>> found;
    for (const auto &device : devices()) {
        if (device->modelName() == model)
            found.append(device);
    }
    return found;
}

int SimulatedHidBackend::addPlugListener(PlugListener listener)
{
    std::lock_guard<std::recursive_mutex> lock(m_listenerMutex);
    const int id = m_nextListenerId++;
    m_listeners.insert(id, std::move(listener));
    return id;
}

void SimulatedHidBackend::removePlugListener(int id)
{
    std::lock_guard<std::recursive_mutex> lock(m_listenerMutex);
    m_listeners.remove(id);
}

void SimulatedHidBackend::notifyPlug(const std::shared_ptr<SimulatedDevice> &device, bool plugged)
{
    std::lock_guard<std::recursive_mutex> lock(m_listenerMutex);
    for (const PlugListener &listener : qAsConst(m_listeners))
        listener(device, plugged);
}

void SimulatedHidBackend::removeDevice(const std::shared_ptr<SimulatedDevice> &device)
{
    device->unplug();
    device->setPlugObserver(nullptr);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_devices.removeAll(device);
}

QList<std::shared_ptr<SimulatedDevice>> SimulatedHidBackend::devices() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_devices;
}

void SimulatedHidBackend::setReadInterruptible(bool interruptible)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interruptible = interruptible;
}

bool SimulatedHidBackend::isReadInterruptible() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_interruptible;
}

QList<HidDeviceEntry> SimulatedHidBackend::enumerate()
{
    QList<HidDeviceEntry> entries;
    for (const auto &device : devices()) {
        if (!device->isPlugged())
            continue;
        const SimulatedDeviceConfig config = device->config();
        for (int iface : device->interfaceNumbers()) {
            HidDeviceEntry entry;
            entry.path = device->path(iface);
            entry.nodePath = device->nodePath(iface);
            entry.vendorId = config.vendorId;
            entry.productId = config.productId;
            entry.interfaceNumber = iface;
            entry.manufacturer = config.manufacturer;
            entry.product = config.product;
            entries.append(entry);
        }
    }
    return entries;
}

std::unique_ptr<HidConnection> SimulatedHidBackend::open(const QString &path)
{
    const bool interruptible = isReadInterruptible();
    for (const auto &device : devices()) {
        for (int iface : {SimulatedDevice::kOtherInterfaceNumber, SimulatedDevice::kInterfaceNumber}) {
            if (path == device->path(iface) || path == device->nodePath(iface)) {
                std::unique_ptr<HidConnection> connection = device->open(iface, interruptible);
                if (!connection) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_error = QStringLiteral("cannot open ") + path;
                }
                return connection;
            }
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_error = QStringLiteral("no such device: ") + path;
    return nullptr;
}

QString SimulatedHidBackend::errorText() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

namespace {

QStringList modelNames(const QString &models)
{
    QStringList names;
    for (const QString &name : models.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString model = name.trimmed();
        if (!model.isEmpty())
            names.append(model);
    }
    return names;
}

} // namespace

std::shared_ptr<SimulatedHidBackend> SimulatedHidBackend::fromModelList(const QString &models)
{
    auto backend = std::make_shared<SimulatedHidBackend>();
    for (const QString &model : modelNames(models))
        backend->addDevice(SimulatedDeviceConfig::forModel(model));
    return backend;
}

QString SimulatedHidBackend::unknownModelsWarning(const QString &models)
{
    const QStringList known = SimulatedDeviceConfig::knownModels();
    QStringList unknown;
    for (const QString &model : modelNames(models)) {
        if (!known.contains(model) && !unknown.contains(model))
            unknown.append(model);
    }
    if (unknown.isEmpty())
        return QString();
    return QStringLiteral("%1: no tile for unknown %2 \"%3\"; known models: %4")
        .arg(QLatin1String(kEnvironmentVariable), QLatin1String(unknown.size() == 1 ? "model" : "models"),
             unknown.join(QLatin1String("\", \"")), known.join(QLatin1String(", ")));
}

std::shared_ptr<SimulatedHidBackend> SimulatedHidBackend::installFromEnvironment(QString *warning)
{
    const QString models = qEnvironmentVariable(kEnvironmentVariable).trimmed();
    if (models.isEmpty())
        return nullptr;
    const QString unknown = unknownModelsWarning(models);
    if (!unknown.isEmpty())
        qWarning().noquote() << unknown;
    if (warning)
        *warning = unknown;
    auto backend = fromModelList(models);
    HidBackend::install(backend);
    simulatedFirmwareImages::install();
    return backend;
}
