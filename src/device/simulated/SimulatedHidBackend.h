#pragma once

#include "HidBackend.h"
#include "SimulatedDevice.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

// A backend whose devices are simulated: each added device sits on a USB port
// of its own and enumerates as interfaces 0 and 2 while plugged. Tests
// install it with HidBackend::install; the program does so through
// installFromEnvironment when VELMORA_SIMULATED_DEVICES lists models
// ("Quissaro,Bovelli").
class SimulatedHidBackend : public HidBackend
{
public:
    static constexpr const char *kEnvironmentVariable = "VELMORA_SIMULATED_DEVICES";

    SimulatedHidBackend() = default;
    ~SimulatedHidBackend() override;

    // An added device counts as plugged in; removing one unplugs it.
    std::shared_ptr<SimulatedDevice> addDevice(const SimulatedDeviceConfig &config);
    void removeDevice(const std::shared_ptr<SimulatedDevice> &device);
    QList<std::shared_ptr<SimulatedDevice>> devices() const;
    // Every device of a model, plugged or not.
    QList<std::shared_ptr<SimulatedDevice>> devicesOfModel(const QString &model) const;

    // Hot-plug: every listener hears each plug and unplug of every device
    // (and each added device), on the thread that caused it. A listener that
    // is removed is never called after removePlugListener returns.
    using PlugListener = std::function<void(const std::shared_ptr<SimulatedDevice> &device, bool plugged)>;
    int addPlugListener(PlugListener listener);
    void removePlugListener(int id);

    // false makes reads behave like hidapi's, which cannot be interrupted.
    void setReadInterruptible(bool interruptible);
    bool isReadInterruptible() const;

    QList<HidDeviceEntry> enumerate() override;
    std::unique_ptr<HidConnection> open(const QString &path) override;
    QString errorText() const override;

    // A backend with one device per comma-separated model name.
    static std::shared_ptr<SimulatedHidBackend> fromModelList(const QString &models);
    // The line that names the unknown models of a list and the known ones;
    // empty when every name is known.
    static QString unknownModelsWarning(const QString &models);
    // Installs fromModelList(VELMORA_SIMULATED_DEVICES) when the variable is
    // set and not empty, with the simulated firmware images; returns the
    // installed backend or null. A list with unknown models is warned of at
    // once; the warning is also handed back for the daily log, which does not
    // exist yet.
    static std::shared_ptr<SimulatedHidBackend> installFromEnvironment(QString *warning = nullptr);

private:
    void notifyPlug(const std::shared_ptr<SimulatedDevice> &device, bool plugged);

    mutable std::mutex m_mutex;
    QList<std::shared_ptr<SimulatedDevice>> m_devices;
    int m_nextPort = 1;
    bool m_interruptible = true;
    QString m_error;
    // Held while listeners run, so a removal waits for a call in progress.
    std::recursive_mutex m_listenerMutex;
    QMap<int, PlugListener> m_listeners;
    int m_nextListenerId = 1;
};
