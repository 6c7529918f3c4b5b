// The tool tabs under the device view while the user moves between a
// keyboard and the mouse, in and out of the on-board mode, and while devices
// come and go: each step must leave exactly the selected device's tabs.
#include "DDataManager.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "HidBackend.h"
#include "SimulatedHidBackend.h"
#include "hidReportData.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    fixedTextCopy(info.product, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

// Tab sets by what they are shown for.
const QStringList kKeyboardTabs = {"pushButton_CustomList", "pushButton_Performance", "pushButton_SoftKeyboard"};
const QStringList kOnboardTabs = {"pushButton_SoftKeyboard"};
const QStringList kMouseTabs = {"pushButton_MouseDpiConfig", "pushButton_MousePerformance", "pushButton_SoftKeyboard"};

struct Step
{
    QString action; // see tst_DevicePageTabs::run
    QStringList tabs;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class tst_DevicePageTabs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_data;

    static QStringList shownTabs(DDevicePage &page)
    {
        const Ui_DDevicePage *ui = page.form();
        QStringList names;
        for (QWidget *tab : {static_cast<QWidget *>(ui->pushButton_Performance), static_cast<QWidget *>(ui->pushButton_CustomList),
                             static_cast<QWidget *>(ui->pushButton_SoftKeyboard),
                             static_cast<QWidget *>(ui->pushButton_MousePerformance),
                             static_cast<QWidget *>(ui->pushButton_MouseDpiConfig)}) {
            if (!tab->isHidden())
                names.append(tab->objectName());
        }
        names.sort();
        return names;
    }
    static void pressRow(DDevicePage &page, const QString &path)
    {
        for (DDeviceListItem *row : page.findChildren<DDeviceListItem *>()) {
            if (row->getHidPath() == path)
                emit row->sigDeviceItemPressed();
        }
    }
    // The window's call sequence for one enumeration.
    static void take(DDevicePage &page, const QList<hidStructInfo> &records, bool arrival)
    {
        if (!page.loadHidDeviceList(records))
            page.insertOrRemoveHidDevice(arrival, QStringLiteral("hidPath"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }

    void tabsFollowTheDevice_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        // Actions: "row:" or "tile:" selects a device ("keyboard", "mouse",
        // "silent", a keyboard that never tells its serial, attached by "come"); "onboard"
        // and "app" click the mode buttons; "tab:0" and "tab:1" the keys and
        // lighting tabs; "leave:" and "come:" unplug and plug a device (a
        // device of another type than the selected one is selected).
        QTest::newRow("keyboard, mouse, keyboard by row")
            << QList<Step>{{"row:keyboard", kKeyboardTabs}, {"row:mouse", kMouseTabs}, {"tab:1", kMouseTabs},
                           {"tab:0", kMouseTabs}, {"row:keyboard", kKeyboardTabs}, {"tab:1", kKeyboardTabs},
                           {"row:mouse", kMouseTabs}};
        QTest::newRow("mouse, keyboard by tile")
            << QList<Step>{{"tile:mouse", kMouseTabs}, {"tile:keyboard", kKeyboardTabs}, {"tile:mouse", kMouseTabs}};
        QTest::newRow("on-board keyboard to mouse and back")
            << QList<Step>{{"row:keyboard", kKeyboardTabs}, {"onboard", kOnboardTabs}, {"row:mouse", kMouseTabs},
                           {"row:keyboard", kKeyboardTabs}, {"onboard", kOnboardTabs}, {"app", kKeyboardTabs}};
        QTest::newRow("mode button on the mouse")
            << QList<Step>{{"row:mouse", kMouseTabs}, {"app", kMouseTabs}, {"onboard", kMouseTabs}};
        QTest::newRow("keyboard that never loads, after the mouse")
            << QList<Step>{{"row:mouse", kMouseTabs}, {"come:silent", kKeyboardTabs}, {"row:mouse", kMouseTabs},
                           {"row:silent", kKeyboardTabs}};
        QTest::newRow("selected keyboard leaves and comes back")
            << QList<Step>{{"row:keyboard", kKeyboardTabs}, {"leave:keyboard", kMouseTabs},
                           {"come:keyboard", kKeyboardTabs}, {"row:mouse", kMouseTabs}};
    }
    void tabsFollowTheDevice()
    {
        QFETCH(QList<Step>, steps);
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
        auto backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(backend);
        QMap<QString, std::shared_ptr<SimulatedDevice>> devices;
        devices.insert("keyboard", backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro"))));
        devices.insert("mouse", backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli"))));
        devices.insert("silent", backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Rosquine"))));
        devices.value("silent")->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::never());
        QSet<QString> attached = {QStringLiteral("keyboard"), QStringLiteral("mouse")};
        const auto records = [&] {
            QList<hidStructInfo> list;
            for (const QString &name : devices.keys()) {
                if (attached.contains(name))
                    list.append(recordOf(*devices.value(name)));
            }
            return list;
        };

        xmlInterface xml;
        {
            DDevicePage page;
            page.setMacroFileAndXmlInterface(m_data.filePath(QStringLiteral("macro.xml")).toLocal8Bit().constData(),
                                             &xml);
            page.resize(1200, 790);
            take(page, records(), true);
            for (const Step &step : steps) {
                const QString verb = step.action.section(QLatin1Char(':'), 0, 0);
                const QString what = step.action.section(QLatin1Char(':'), 1);
                const QString path = devices.contains(what) ? devices.value(what)->path() : QString();
                if (verb == QLatin1String("row"))
                    pressRow(page, path);
                else if (verb == QLatin1String("tile"))
                    page.onHomePageDeviceItemClicked(path);
                else if (verb == QLatin1String("onboard"))
                    page.form()->pushButton_OnboardMode->click();
                else if (verb == QLatin1String("app"))
                    page.form()->pushButton_AppMode->click();
                else if (verb == QLatin1String("tab"))
                    page.onCurIndexChangedMainPage(what.toInt());
                else if (verb == QLatin1String("leave") || verb == QLatin1String("come")) {
                    const bool arrival = verb == QLatin1String("come");
                    if (arrival)
                        attached.insert(what);
                    else
                        attached.remove(what);
                    take(page, records(), arrival);
                } else {
                    QFAIL(qPrintable("unknown step " + step.action));
                }
                QVERIFY2(shownTabs(page) == step.tabs,
                         qPrintable(QStringLiteral("after %1: %2").arg(step.action, shownTabs(page).join(' '))));
                if (what == QLatin1String("silent") && verb != QLatin1String("leave"))
                    QVERIFY(!page.isDeviceLoaded());
                // A loaded device's checked tab is one it shows.
                if (page.isDeviceLoaded()) {
                    QAbstractButton *checked = nullptr;
                    for (QAbstractButton *tab : page.form()->frame_7->findChildren<QAbstractButton *>()) {
                        if (tab->isChecked())
                            checked = tab;
                    }
                    QVERIFY2(checked && step.tabs.contains(checked->objectName()),
                             qPrintable(QStringLiteral("after %1: checked %2")
                                            .arg(step.action, checked ? checked->objectName() : "none")));
                }
            }
            page.closeAllDevices();
        }
        HidBackend::install(nullptr);
    }
};

QTEST_MAIN(tst_DevicePageTabs)
#include "tst_devicepagetabs.moc"
