#pragma once

// What the firmware update meets in the program, without the main window:
// simulated devices, the scan-only transport, one device link per scanned
// device (as the device page keeps them, with its serial hand-over), and an
// update control over them whose dialog opens without blocking.

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DUpdateFirmwareDia.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "UpdateFirmwareInfoItem.h"
#include "firmwareImage.h"
#include "firmwareUpgradeControl.h"
#include "simulatedFirmwareImages.h"

#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <memory>

inline hidSupportInfo firmwareSupportItem(const char *vid, const char *pid, int type, const char *nucName)
{
    hidSupportInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.Vid, vid);
    fixedTextCopy(item.Pid, pid);
    item.type = type;
    fixedTextCopy(item.nucName, nucName);
    return item;
}

// Time limits short enough for tests, long enough for a loaded machine.
inline firmwareTimeLimits testTimeLimits()
{
    firmwareTimeLimits limits;
    limits.answerMs = 400;
    limits.reachBootloaderMs = 3000;
    limits.searchRetryMs = 60;
    limits.autoOpenMs = 80;
    limits.bootloaderArrivalMs = 50;
    return limits;
}

constexpr int kUpgradeWaitMs = 15000;

class FirmwareFixture
{
public:
    struct UpgradeInfo
    {
        bool pending;
        QString path;
        QString serial;
    };

    // blockingDialog: the dialog runs its own event loop, as in the program.
    explicit FirmwareFixture(const QStringList &models, bool blockingDialog = false)
    {
        backend = std::make_shared<SimulatedHidBackend>();
        for (const QString &model : models)
            devices.append(backend->addDevice(SimulatedDeviceConfig::forModel(model)));
        HidBackend::install(backend);
        simulatedFirmwareImages::install();
        scanner.setSupportHidList({firmwareSupportItem("0416", "B23C", 0, "NUC121"),
                                   firmwareSupportItem("0416", "C345", 0, "M252"),
                                   firmwareSupportItem("0C45", "A21C", 1, "Bovelli")});
        scanner.setHidNameList({"Quissaro", "Ryzzmond", "Rosquine", "Rulvarro", "Varrowen", "Bovelli"});
        window.resize(1000, 700);
        window.show();
        firmwareUpgradeControl::Hooks hooks;
        hooks.versionInfoList = [this] { return scanner.getVersionInfoList(); };
        hooks.hidInfoList = [this] { return scanner.getHidInfoList(); };
        hooks.deviceLinkMap = [this] { return links; };
        hooks.setHidUpgradeInfo = [this](bool pending, const QString &path, const QString &serial) {
            upgradeInfo.append({pending, path, serial});
            page = {pending, path, serial};
        };
        hooks.supportHidList = [this] { return QList<hidSupportInfo>{firmwareSupportItem("0C45", "A21C", 1, "Bovelli")}; };
        if (!blockingDialog) {
            hooks.runDialog = [this](DUpdateFirmwareDia *dialog) {
                ++dialogRuns;
                dialog->show();
            };
        }
        control = std::make_unique<firmwareUpgradeControl>(&window, hooks);
        control->setTimeLimits(testTimeLimits());
        scan(MainHidInterFace::ScanStart);
    }

    ~FirmwareFixture()
    {
        control.reset();
        qDeleteAll(links);
        links.clear();
        HidBackend::install(nullptr);
        setFirmwareImageFolder(QString());
    }

    std::shared_ptr<SimulatedDevice> device(const QString &model) const
    {
        for (const auto &d : devices) {
            if (d->modelName() == model)
                return d;
        }
        return nullptr;
    }

    // A scan, then the links follow the list as the device page does.
    void scan(int mode = MainHidInterFace::ScanArrival)
    {
        scanner.getHidList(mode);
        const QList<hidStructInfo> list = scanner.getHidInfoList();
        QStringList paths;
        for (const hidStructInfo &info : list) {
            const QString path = fixedText(info.hidPath);
            paths.append(path);
            if (links.contains(path))
                continue;
            auto *link = new DDeviceKeyboardLink(++linkCounter);
            if (page.pending && page.path == path) {
                page.pending = false;
                link->setUpgradeSerialNumber(page.serial);
            }
            link->openHidDevice(info);
            if (!QTest::qWaitFor([link] { return link->isInitFinished(); }, 5000))
                qWarning("link of %s not ready", qPrintable(path));
            links.insert(path, link);
        }
        for (const QString &path : links.keys()) {
            if (!paths.contains(path))
                delete links.take(path);
        }
    }

    DUpdateFirmwareDia *dialog() const { return control->dialog(); }

    UpdateFirmwareInfoItem *row(const QString &model) const
    {
        if (!dialog())
            return nullptr;
        for (UpdateFirmwareInfoItem *r : dialog()->rows()) {
            if (r->getHidName() == model)
                return r;
        }
        return nullptr;
    }

    void pressUpdate(const QString &model)
    {
        QTest::mouseClick(row(model)->findChild<QPushButton *>(QStringLiteral("pushButton_Update")), Qt::LeftButton);
    }

    // What the main window does when a device leaves for its bootloader (a
    // rescan drops its link) and a moment after the bootloader arrived.
    bool bootloaderArrives(int waitMs = 5000)
    {
        if (!QTest::qWaitFor([this] { return !findBootloaders(*backend, -1).isEmpty(); }, waitMs))
            return false;
        scan(MainHidInterFace::ScanRemoval);
        control->resetFirmwareRetry();
        control->ontheHidIntoFirmwareUpgrade();
        return true;
    }

    // Waits for the device to come back from its bootloader and rescans.
    bool deviceReturns(const QString &model, int waitMs = 5000)
    {
        auto d = device(model);
        if (!QTest::qWaitFor([d] { return !d->isBootloader() && d->isPlugged(); }, waitMs))
            return false;
        scan();
        return true;
    }

    std::shared_ptr<SimulatedHidBackend> backend;
    QList<std::shared_ptr<SimulatedDevice>> devices;
    MainHidInterFace scanner{0, QStringLiteral("mainThread")};
    QMap<QString, DDeviceKeyboardLink *> links;
    int linkCounter = 0;
    QList<UpgradeInfo> upgradeInfo; // every call
    UpgradeInfo page{false, QString(), QString()}; // what the device page keeps
    int dialogRuns = 0;
    QWidget window;
    std::unique_ptr<firmwareUpgradeControl> control;
};
