#pragma once

// A device link on a simulated keyboard or mouse, with a profile file of its
// own and fakes for the lighting engines and the desktop.

#include "DDeviceKeyboardLink.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "desktopActions.h"
#include "hidProtocolReports.h"
#include "hidTestHelpers.h"
#include "keyLightTrigger.h"
#include "mouseLightTrigger.h"
#include "xmlInterface.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

constexpr int kLinkWaitMs = 5000;

class FakeDesktop : public desktopActions
{
public:
    void setClipboardText(const QString &text) override { clipboard.append(text); }
    bool launchProgram(const QString &target) override
    {
        launched.append(target);
        return true;
    }
    QStringList clipboard;
    QStringList launched;
};

class FakeKeyEngine : public keyLightTrigger
{
public:
    void triggerKeyEffect(int row, int column) override { cells.append(QPoint(column, row)); }
    QList<QPoint> cells; // (column, row)
};

class FakeMouseEngine : public mouseLightTrigger
{
public:
    void onDpiKeyPressed() override { ++dpiPresses; }
    void onMouseButtonTrigger() override { ++buttonTriggers; }
    int dpiPresses = 0;
    int buttonTriggers = 0;
};

// Stands in for a key button of the keyboard view.
struct FakeCell
{
    int row;
    int column;
    int getRow() const { return row; }
    int getColumn() const { return column; }
};

inline hidReportData keyReport(unsigned char modifiers, std::initializer_list<int> keys = {})
{
    unsigned char state[8] = {modifiers, 0, 0, 0, 0, 0, 0, 0};
    int slot = 2;
    for (int k : keys)
        state[slot++] = static_cast<unsigned char>(k);
    return keyStateReport(state);
}

class LinkFixture
{
public:
    explicit LinkFixture(const SimulatedDeviceConfig &config)
    {
        backend = std::make_shared<SimulatedHidBackend>();
        device = backend->addDevice(config);
        HidBackend::install(backend);
        profilePath = dir.filePath(QStringLiteral("pardexProFile.xml"));
        xml.createXmlFile(profilePath);
        xml.addProfile(profilePath, "1", "Profile 1", "", "", config.deviceType);
        xml.addProfile(profilePath, "2", "Profile 2", "", "", config.deviceType);
    }

    ~LinkFixture()
    {
        link.reset();
        HidBackend::install(nullptr);
    }

    hidStructInfo deviceRecord() const
    {
        hidStructInfo info;
        std::memset(&info, 0, sizeof info);
        const SimulatedDeviceConfig c = device->config();
        info.vid = c.vendorId;
        info.pid = c.productId;
        fixedTextCopy(info.hidPath, device->path());
        fixedTextCopy(info.hidName, c.modelName);
        info.hidType = c.deviceType;
        return info;
    }

    // Opens the link; true once it is ready.
    bool open(const QString &upgradeSerial = QString(), int waitMs = kLinkWaitMs)
    {
        link = std::make_unique<DDeviceKeyboardLink>(1);
        link->setProFileInfo(&xml, profilePath.toLocal8Bit().constData());
        link->setDesktopActions(&desktop);
        if (!upgradeSerial.isEmpty())
            link->setUpgradeSerialNumber(upgradeSerial);
        link->openHidDevice(deviceRecord());
        return QTest::qWaitFor([this] { return link->isInitFinished(); }, waitMs);
    }

    // Ready, with the start-up exchange forgotten.
    bool openClean()
    {
        if (!open())
            return false;
        device->clearOutputs();
        return true;
    }

    void bind(int code, const QByteArray &type, const QByteArray &value, const QByteArray &mode = "0",
              const QByteArray &repeat = "0", const QByteArray &profile = "1")
    {
        xml.deleteKeyInfo(profilePath, profile, QByteArray::number(code));
        xml.addKeyInfo(profilePath, profile, QByteArray::number(code), "K", type, repeat, mode, value);
    }

    // Switches key blocking on or off as the keyboard's handshake answer does.
    void setKeyBlocking(bool on)
    {
        device->setKeyBlocking(on ? 1 : 0);
        device->sendInput(reportOf({1, HidCmd::ShakeHands, 0, 0, 0, 1, on ? 1 : 0}));
    }

    // Every output report but the periodic handshake.
    QList<hidReportData> outputs() const
    {
        QList<hidReportData> result;
        for (const hidReportData &r : device->outputReports()) {
            if (r[kHidCommandByte] != HidCmd::ShakeHands)
                result.append(r);
        }
        return result;
    }

    bool waitOutputs(int count) const
    {
        return QTest::qWaitFor([&] { return outputs().size() >= count; }, kLinkWaitMs);
    }

    QTemporaryDir dir;
    xmlInterface xml;
    QString profilePath;
    std::shared_ptr<SimulatedHidBackend> backend;
    std::shared_ptr<SimulatedDevice> device;
    std::unique_ptr<DDeviceKeyboardLink> link;
    FakeDesktop desktop;
};

inline SimulatedDeviceConfig testKeyboard()
{
    return SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro"));
}

inline SimulatedDeviceConfig testMouse()
{
    return SimulatedDeviceConfig::mouse(QString::fromLatin1(SimulatedDeviceConfig::kMouseModel));
}
