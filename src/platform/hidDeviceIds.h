#pragma once

#include <QByteArray>
#include <QString>

// The USB ids of a HID interface as the kernel names them in sysfs.
struct hidDeviceIds
{
    int vendorId = -1;
    int productId = -1;

    bool isValid() const { return vendorId >= 0 && productId >= 0; }

    // The HID_ID property of a "hid" device: "bus:vendor:product" in
    // hexadecimal, 4 and 8 digits ("0003:00000416:0000C345").
    static hidDeviceIds fromHidIdProperty(const QByteArray &value);
    // The last "bus:vendor:product.n" folder of a sysfs path
    // (".../1-1:1.2/0003:0416:C345.0005/hidraw/hidraw3"); invalid when none.
    static hidDeviceIds fromSysfsPath(const QString &path);
};
