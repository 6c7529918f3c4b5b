#pragma once

#include "HidBackend.h"

#include <QMutex>

// The real devices: hidapi's hidraw flavour enumerates them (hid_init once per
// process, hid_exit at exit), and an opened interface is its hidraw node,
// read and written by HidrawConnection.
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;

    QList<HidDeviceEntry> enumerate() override;
    std::unique_ptr<HidConnection> open(const QString &path) override;
    QString errorText() const override;

    // The USB interface that a hidraw node belongs to, as a sysfs path; it
    // stays the same when the device comes back on the same port, while the
    // node number does not. The node path itself when it cannot be found.
    static QString stablePathOf(const QString &nodePath);

private:
    void setError(const QString &text);

    bool m_initialised = false;
    mutable QMutex m_errorMutex;
    QString m_error;
};
