// The device page's list and link duties, on simulated devices: the rows and
// links it builds, every path it takes in or drops, the links it tears down
// and the serial it hands to a device back from a firmware update.
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kWaitMs = 5000;
const QString kUpgradeSerial = QStringLiteral("fedcba9876543210fedcba9876543210");

hidStructInfo recordOf(const SimulatedDevice &device)
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

QStringList rowPaths(const DDevicePage &page)
{
    QStringList paths;
    for (const DDeviceListItem *row : page.findChildren<DDeviceListItem *>())
        paths.append(row->getHidPath());
    paths.sort();
    return paths;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class tst_DevicePage : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    QList<std::shared_ptr<SimulatedDevice>> m_devices;

    // Records of the devices at the given positions.
    QList<hidStructInfo> list(std::initializer_list<int> which) const
    {
        QList<hidStructInfo> records;
        for (int i : which)
            records.append(recordOf(*m_devices.at(i)));
        return records;
    }
    QStringList paths(std::initializer_list<int> which) const
    {
        QStringList result;
        for (int i : which)
            result.append(m_devices.at(i)->path());
        return sorted(result);
    }

private slots:
    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_devices.clear();
        for (const char *model : {"Quissaro", "Bovelli", "Rosquine", "Varrowen"})
            m_devices.append(m_backend->addDevice(SimulatedDeviceConfig::forModel(QString::fromLatin1(model))));
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_devices.clear();
        m_backend.reset();
    }

    void firstListBuildsRowsAndLinks()
    {
        DDevicePage page;
        QSignalSpy published(&page, &DDevicePage::sigHidDeviceListUpdate);
        QVERIFY(page.loadHidDeviceList(list({0, 1})));
        QCOMPARE(published.count(), 1);
        QCOMPARE(published.first().first().value<QList<hidStructInfo>>().size(), 2);
        QCOMPARE(rowPaths(page), paths({0, 1}));
        QCOMPARE(sorted(page.getDeviceLinkMap().keys()), paths({0, 1}));
        for (DDeviceKeyboardLink *link : page.getDeviceLinkMap())
            QVERIFY(link->getHidInterface()->isHidOpen());
        QCOMPARE(m_devices.at(0)->openConnectionCount(), 1);
        QCOMPARE(page.getHidDeviceList().size(), 2);

        // A later list only refreshes; the window then asks for the changes.
        QVERIFY(!page.loadHidDeviceList(list({0, 1, 2})));
        QCOMPARE(published.count(), 2);
        QCOMPARE(rowPaths(page), paths({0, 1}));
    }

    // One rescan can bring several arrivals and removals; the page takes
    // them all, whichever way the window calls it.
    void everyAddedAndRemovedPathIsTaken_data()
    {
        QTest::addColumn<bool>("inserted");
        QTest::newRow("called as an arrival") << true;
        QTest::newRow("called as a removal") << false;
    }
    void everyAddedAndRemovedPathIsTaken()
    {
        QFETCH(bool, inserted);
        DDevicePage page;
        QVERIFY(page.loadHidDeviceList(list({0, 1})));
        QPointer<DDeviceKeyboardLink> gone = page.getDeviceLinkMap().value(m_devices.at(0)->path());
        QVERIFY(gone);

        QVERIFY(!page.loadHidDeviceList(list({1, 2, 3})));
        page.insertOrRemoveHidDevice(inserted, QStringLiteral("hidPath"));
        QCOMPARE(rowPaths(page), paths({1, 2, 3}));
        QCOMPARE(sorted(page.getDeviceLinkMap().keys()), paths({1, 2, 3}));
        QCOMPARE(sorted(page.hidPathList()), paths({1, 2, 3}));
        // The removed device's link is torn down and its device closed.
        QVERIFY(!gone);
        QCOMPARE(m_devices.at(0)->openConnectionCount(), 0);
        QCOMPARE(m_devices.at(2)->openConnectionCount(), 1);
        QCOMPARE(m_devices.at(3)->openConnectionCount(), 1);

        // Nothing changed: nothing happens.
        QVERIFY(!page.loadHidDeviceList(list({1, 2, 3})));
        page.insertOrRemoveHidDevice(inserted, QString());
        QCOMPARE(m_devices.at(2)->openCount(), 1);
    }

    void replugGetsAFreshLink()
    {
        DDevicePage page;
        QVERIFY(page.loadHidDeviceList(list({0, 1})));
        m_devices.at(1)->unplug();
        QVERIFY(!page.loadHidDeviceList(list({0})));
        page.insertOrRemoveHidDevice(false, QStringLiteral("hidPath"));
        QVERIFY(!page.getDeviceLinkMap().contains(m_devices.at(1)->path()));

        m_devices.at(1)->plug();
        QVERIFY(!page.loadHidDeviceList(list({0, 1})));
        page.insertOrRemoveHidDevice(true, QStringLiteral("hidPath"));
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(m_devices.at(1)->path());
        QVERIFY(link && link->getHidInterface()->isHidOpen());
        QCOMPARE(m_devices.at(1)->openCount(), 2);
        QCOMPARE(m_devices.at(1)->openConnectionCount(), 1);
    }

    // With its last row gone the page starts over: the next list builds it.
    void lastDeviceLeavingStartsOver()
    {
        DDevicePage page;
        QVERIFY(page.loadHidDeviceList(list({0})));
        QVERIFY(!page.loadHidDeviceList({}));
        page.insertOrRemoveHidDevice(false, QStringLiteral("hidPath"));
        QVERIFY(rowPaths(page).isEmpty());
        QVERIFY(page.getDeviceLinkMap().isEmpty());
        QVERIFY(page.loadHidDeviceList(list({2})));
        QCOMPARE(rowPaths(page), paths({2}));
    }

    void upgradedDeviceGetsItsSerialBackOnce()
    {
        m_devices.at(0)->setSerialMode(SimSerialMode::Missing);
        m_devices.at(2)->setSerialMode(SimSerialMode::Missing);
        DDevicePage page;
        page.setHidUpgradeInfo(true, m_devices.at(0)->path(), kUpgradeSerial);
        QVERIFY(page.loadHidDeviceList(list({2, 0})));
        const auto serialOf = [&page](const SimulatedDevice &device) {
            DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(device.path());
            if (!QTest::qWaitFor([link] { return link->isInitFinished(); }, kWaitMs))
                return QString();
            return link->getSerialNumber();
        };
        QCOMPARE(serialOf(*m_devices.at(0)), kUpgradeSerial);
        QVERIFY(serialOf(*m_devices.at(2)) != kUpgradeSerial);

        // A second arrival at the same path, its serial lost again: the
        // pending serial was handed on already.
        QVERIFY(!page.loadHidDeviceList(list({2})));
        page.insertOrRemoveHidDevice(false, QString());
        m_devices.at(0)->setSerialMode(SimSerialMode::Missing);
        QVERIFY(!page.loadHidDeviceList(list({2, 0})));
        page.insertOrRemoveHidDevice(true, QString());
        QVERIFY(serialOf(*m_devices.at(0)) != kUpgradeSerial);
    }

    void closeAllDevicesClosesEveryDevice()
    {
        DDevicePage page;
        QVERIFY(page.loadHidDeviceList(list({0, 1, 2})));
        page.closeAllDevices();
        QVERIFY(page.getDeviceLinkMap().isEmpty());
        QVERIFY(page.getHidDeviceList().isEmpty());
        QVERIFY(rowPaths(page).isEmpty());
        for (int i : {0, 1, 2})
            QCOMPARE(m_devices.at(i)->openConnectionCount(), 0);
        // And it starts over with the next list.
        QVERIFY(page.loadHidDeviceList(list({3})));
    }
};

QTEST_MAIN(tst_DevicePage)
#include "tst_devicepage.moc"
