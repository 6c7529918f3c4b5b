#pragma once

// A device link on a simulated device, opened as the device page opens one.

#include "DDeviceKeyboardLink.h"
#include "SimulatedDevice.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <cstring>
#include <functional>
#include <memory>

// Spins the event loop until done() holds; false after timeoutMs.
inline bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

// The link once it is ready; null when the device did not get ready.
inline std::unique_ptr<DDeviceKeyboardLink> openLink(SimulatedDevice &device, xmlInterface &xml,
                                                     const QString &profile)
{
    auto link = std::make_unique<DDeviceKeyboardLink>(1);
    link->setProFileInfo(&xml, profile.toLocal8Bit().constData());
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    link->openHidDevice(info);
    if (!waitFor([&] { return link->isInitFinished(); }, 5000))
        return nullptr;
    return link;
}
