#pragma once

// Stand-ins the main window tests put in place of its pages, its device
// notifications and the process exit, and a reader of the daily log.

#include "DDataManager.h"
#include "DDevicePage.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DHomePage.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "DeviceNotifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

class FakeDevicePage : public DDevicePage
{
public:
    using DDevicePage::DDevicePage;
    bool isLightChanged() const override { return lightChanged; }
    int askSaveLightChanges() override
    {
        ++asked;
        return answer;
    }
    void saveLightChanges() override { ++saved; }
    void clearLightChanged() override
    {
        ++cleared;
        lightChanged = false;
    }
    void showFirstDevice() override { ++shownFirst; }
    void insertOrRemoveHidDevice(bool inserted, const QString &hidPath) override
    {
        insertCalls.append(inserted);
        DDevicePage::insertOrRemoveHidDevice(inserted, hidPath);
    }

    QList<bool> insertCalls;
    bool lightChanged = false;
    int answer = 2;
    int asked = 0;
    int saved = 0;
    int cleared = 0;
    int shownFirst = 0;
};

class FakeMacroPage : public DMacroPage
{
public:
    using DMacroPage::DMacroPage;
    bool getRecordStatus() const override { return recording; }
    void startOrStopRecord() override
    {
        recording = !recording;
        ++toggles;
    }
    void loadKeyboardInfo() override { ++keyboardLoads; }
    void loadMacroList() override { ++listLoads; }

    bool recording = false;
    int toggles = 0;
    int keyboardLoads = 0;
    int listLoads = 0;
};

// Device events on demand.
class FakeNotifier : public DeviceNotifier
{
public:
    using DeviceNotifier::DeviceNotifier;
    bool start() override
    {
        ++starts;
        return true;
    }
    void arrive(int vid, int pid, const QString &path = QStringLiteral("/sys/devices/fake/hidraw0"))
    {
        emit deviceArrived(path, vid, pid);
    }
    void leave(int vid, int pid, const QString &path = QStringLiteral("/sys/devices/fake/hidraw0"))
    {
        emit deviceRemoved(path, vid, pid);
    }
    int starts = 0;
};

// A window on fakes: pages, notifications and exit are the test's.
struct FakeWindowParts
{
    FakeDevicePage *devicePage = nullptr;
    FakeMacroPage *macroPage = nullptr;
    FakeNotifier *notifier = nullptr;
    QList<int> exits;
    bool tray = true;

    DMainWidget::Hooks hooks(bool fakePages = true)
    {
        DMainWidget::Hooks h;
        if (fakePages) {
            h.makeDevicePage = [this](QWidget *parent) { return devicePage = new FakeDevicePage(parent); };
            h.makeMacroPage = [this](QWidget *parent) { return macroPage = new FakeMacroPage(parent); };
        }
        h.makeDeviceNotifier = [this](QObject *parent) { return notifier = new FakeNotifier(parent); };
        h.exitProcess = [this](int code) { exits.append(code); };
        h.isSystemTrayAvailable = [this] { return tray; };
        return h;
    }
};

// Today's daily log, line by line.
inline QList<QByteArray> logLines()
{
    QDir logs(DDataManager::instance()->getLogCollectDir());
    QList<QByteArray> lines;
    for (const QString &name : logs.entryList(QDir::Files)) {
        QFile f(logs.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            lines += f.readAll().split('\n');
    }
    lines.removeAll(QByteArray());
    return lines;
}

inline int logCount(const QByteArray &text)
{
    int n = 0;
    for (const QByteArray &line : logLines())
        n += line.contains(text) ? 1 : 0;
    return n;
}

// The home page's tile of a model: the tile showing its picture.
inline DHomeDeviceListItem *tileOf(DMainWidget &window, const QString &model)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString picture = QFileInfo(DHomeDeviceListItem::picturePath(model)).fileName();
    for (DHomeDeviceListItem *tile : window.homePage()->deviceListWidget()->findChildren<DHomeDeviceListItem *>()) {
        const QWidget *logo = tile->findChild<QWidget *>(QStringLiteral("frame_DeviceLogo"));
        if (logo && logo->styleSheet().contains(picture))
            return tile;
    }
    return nullptr;
}
