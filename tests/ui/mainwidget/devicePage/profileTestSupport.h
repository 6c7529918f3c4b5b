#pragma once

// Helpers of the profile tests: simulated devices attached to a device page
// and loaded, and the files they leave.

#include "DDevicePage.h"
#include "FixedText.h"
#include "SimulatedDevice.h"
#include "hidStructInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <cstring>

namespace profileTest {

constexpr int kWaitMs = 5000;

inline hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

// Attaches the devices and shows the one at `selected`, loaded: true when
// its profile file is there.
inline bool attach(DDevicePage &page, const QList<SimulatedDevice *> &devices, int selected = 0)
{
    QList<hidStructInfo> records;
    for (SimulatedDevice *device : devices)
        records.append(recordOf(*device));
    page.loadHidDeviceList(records);
    page.showFirstDevice();
    // The first row need not be the first record's.
    page.onHomePageDeviceItemClicked(devices.at(selected)->path());
    const QString model = devices.at(selected)->config().modelName;
    return QTest::qWaitFor([&] { return page.proFilePath().contains(model) && QFileInfo(page.proFilePath()).isFile(); },
                           kWaitMs);
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace profileTest
