#pragma once

#include <QList>
#include <QString>

#include <memory>

class HidConnection;

// One HID interface found by an enumeration.
struct HidDeviceEntry
{
    QString path;     // stable: the same after re-plugging into the same port
    QString nodePath; // what the system opens now (e.g. /dev/hidraw3)
    int vendorId = 0;
    int productId = 0;
    int interfaceNumber = -1;
    QString manufacturer;
    QString product;
    QString serialNumber;
};

// Access to HID devices: the real one (hidapi) or the simulated devices of
// the tests. The process uses one backend at a time; the program installs the
// simulated one before its first scan when asked to.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    virtual QList<HidDeviceEntry> enumerate() = 0;
    // Opens an interface by its stable path or its node path; null on failure.
    virtual std::unique_ptr<HidConnection> open(const QString &path) = 0;
    // Why the last enumerate or open failed.
    virtual QString errorText() const = 0;

    // The installed backend; the hidapi one unless another was installed.
    static std::shared_ptr<HidBackend> current();
    // Installs a backend for everything opened from now on; null restores hidapi.
    static void install(std::shared_ptr<HidBackend> backend);
};
