#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The system's word that a HID interface came or went. One event per
// interface, as the kernel reports them; the ids are the interface's USB
// vendor and product ids as numbers. The main window is the only listener.
class DeviceNotifier : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<DeviceNotifier *(QObject *parent)>;

    explicit DeviceNotifier(QObject *parent = nullptr);
    ~DeviceNotifier() override;

    // Starts listening; false when the system refuses (no event comes then).
    virtual bool start() = 0;

    // The notifier the program uses: the installed factory's, else the udev
    // monitor. The simulated devices install their own.
    static DeviceNotifier *create(QObject *parent);
    static void setFactory(Factory factory);

signals:
    void deviceArrived(const QString &path, int vendorId, int productId);
    void deviceRemoved(const QString &path, int vendorId, int productId);
};
