// The device page's attach, removal, selection and load on simulated
// devices: which device ends up selected, which links live, what the waits
// do when devices come, go or stay silent, and the files a load makes.
#include "ArrowWidget.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDpiConfigListItem.h"
#include "DmouseConfigView.h"
#include "DDevicePage.h"
#include "DMouseLightPage.h"
#include "DTipInfoDia.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "otherEffectRow.h"
#include "devicePageTestSupport.h"
#include "devicePageTheme.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kWaitMs = 5000;
// Devices of the fixture, by position.
constexpr int kQuissaro = 0; // keyboard
constexpr int kBovelli = 1;  // mouse
constexpr int kRosquine = 2; // keyboard
constexpr int kVarrowen = 3; // keyboard, side lights start with Breath
constexpr int kRulvarro = 4; // keyboard, the on-board Fn model

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

QList<int> numbers(const QString &text)
{
    QList<int> result;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result.append(word.toInt());
    return result;
}

QString userConfig()
{
    return DDataManager::instance()->getUserConfigPath();
}

// Every file and folder under UserConfig, relative, sorted.
QStringList userConfigEntries()
{
    QStringList entries;
    QDirIterator it(userConfig(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(userConfig()).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

class tst_DevicePageAttach : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    QList<std::shared_ptr<SimulatedDevice>> m_devices;
    std::unique_ptr<xmlInterface> m_xml;
    QString m_macroPath;

    QList<hidStructInfo> list(const QList<int> &which) const
    {
        QList<hidStructInfo> records;
        for (int i : which)
            records.append(recordOf(*m_devices.at(i)));
        return records;
    }
    QString pathOf(int i) const { return m_devices.at(i)->path(); }
    QStringList pathsOf(const QList<int> &which) const
    {
        QStringList result;
        for (int i : which)
            result.append(pathOf(i));
        result.sort();
        return result;
    }
    std::unique_ptr<DDevicePage> newPage()
    {
        auto page = std::make_unique<DDevicePage>();
        page->setMacroFileAndXmlInterface(m_macroPath.toLocal8Bit().constData(), m_xml.get());
        page->resize(1200, 790);
        return page;
    }
    // The window's call sequence for one enumeration.
    static void take(DDevicePage &page, const QList<hidStructInfo> &records, bool arrival = true)
    {
        if (!page.loadHidDeviceList(records))
            page.insertOrRemoveHidDevice(arrival, QStringLiteral("hidPath"));
    }
    static QStringList rowPaths(const DDevicePage &page)
    {
        QStringList paths;
        for (const DDeviceListItem *row : page.findChildren<DDeviceListItem *>())
            paths.append(row->getHidPath());
        paths.sort();
        return paths;
    }
    static QStringList linkPaths(const DDevicePage &page)
    {
        QStringList paths = page.getDeviceLinkMap().keys();
        paths.sort();
        return paths;
    }
    // Picks an effect other than the current one on the lighting tab.
    static bool editLighting(DDevicePage &page)
    {
        page.onCurIndexChangedMainPage(1);
        if (QAbstractButton *row = otherEffectRow(&page))
            row->click();
        return page.isLightChanged();
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString serialOf(const DDevicePage &page, int i) const
    {
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(pathOf(i));
        return link ? link->getSerialNumber() : QString();
    }

private slots:
    void init()
    {
        QDir(userConfig()).removeRecursively();
        QDir().mkpath(userConfig());
        m_macroPath = userConfig() + QStringLiteral("/macro.xml");
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_devices.clear();
        for (const char *model : {"Quissaro", "Bovelli", "Rosquine", "Varrowen", "Rulvarro"})
            m_devices.append(m_backend->addDevice(SimulatedDeviceConfig::forModel(QString::fromLatin1(model))));
        m_xml = std::make_unique<xmlInterface>();
    }
    void cleanup()
    {
        m_xml.reset();
        HidBackend::install(nullptr);
        m_devices.clear();
        m_backend.reset();
    }

    // The device selected after a first list and a later one; every listed
    // device has its row and link, and every other device is closed.
    void selection_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("selected");
        QTest::newRow("keyboard and mouse at start") << "0 1" << "0 1" << kBovelli;
        QTest::newRow("mouse and keyboard at start") << "1 0" << "1 0" << kQuissaro;
        QTest::newRow("keyboards only") << "0 2" << "0 2" << kQuissaro;
        QTest::newRow("second keyboard joins") << "0" << "0 2" << kQuissaro;
        QTest::newRow("mouse joins") << "0" << "0 1" << kBovelli;
        QTest::newRow("first device after none") << "" << "2" << kRosquine;
        QTest::newRow("selected left, same type stays") << "0 2" << "2" << kRosquine;
        QTest::newRow("selected left, first of its type") << "0 2 3" << "3 2" << kVarrowen;
        QTest::newRow("selected left, other type only") << "0 1" << "0" << kQuissaro;
        QTest::newRow("other left, selection kept") << "0 2" << "0" << kQuissaro;
        QTest::newRow("hub unplug") << "0 1 2" << "0" << kQuissaro;
        QTest::newRow("hub plugged in") << "0" << "0 1 2" << kRosquine;
        QTest::newRow("last left") << "0 1" << "" << -1;
    }
    void selection()
    {
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(int, selected);
        auto page = newPage();
        take(*page, list(numbers(first)));
        QList<QPointer<DDeviceKeyboardLink>> links;
        for (DDeviceKeyboardLink *link : page->getDeviceLinkMap())
            links.append(link);
        for (int i : numbers(first)) {
            if (!numbers(then).contains(i))
                m_devices.at(i)->unplug();
        }
        take(*page, list(numbers(then)), numbers(then).size() >= numbers(first).size());

        const QStringList expected = pathsOf(numbers(then));
        QCOMPARE(rowPaths(*page), expected);
        QCOMPARE(linkPaths(*page), expected);
        for (int i = 0; i < m_devices.size(); ++i)
            QCOMPARE(m_devices.at(i)->openConnectionCount(), numbers(then).contains(i) ? 1 : 0);
        for (const QPointer<DDeviceKeyboardLink> &link : links) {
            if (link)
                QVERIFY(page->getDeviceLinkMap().values().contains(link.data()));
        }
        if (selected < 0) {
            QVERIFY(page->currentDevicePath().isEmpty());
            QVERIFY(!page->isDeviceLoaded());
            QCOMPARE(page->form()->label_currentProfileName->text(), QStringLiteral("Profile 1"));
            QCOMPARE(page->form()->stackedWidget_KeyboardArea->currentWidget(), page->form()->page_TipShow);
            return;
        }
        QCOMPARE(page->currentDevicePath(), pathOf(selected));
        QVERIFY(page->isDeviceLoaded());
        QCOMPARE(page->deviceType(), m_devices.at(selected)->config().deviceType);
        // The selected device's own file.
        QCOMPARE(page->proFilePath(), userConfig() + QLatin1Char('/') + m_devices.at(selected)->config().modelName
                                          + QLatin1Char('/') + serialOf(*page, selected)
                                          + QStringLiteral("/pardexProFile.xml"));
        for (DDeviceListItem *row : page->findChildren<DDeviceListItem *>()) {
            if (row->getHidPath() == pathOf(selected))
                QCOMPARE(page->form()->label_ProductName->text(), row->getProductName());
        }
        QCOMPARE(page->currentKeyboardPage() != nullptr, m_devices.at(selected)->config().deviceType == 0);
    }

    // A keyboard and a mouse at start are both loaded, the keyboard first.
    void bothTypesLoadedAtStart()
    {
        auto page = newPage();
        take(*page, list({kQuissaro, kBovelli}));
        for (int i : {kQuissaro, kBovelli}) {
            const QString file = userConfig() + QLatin1Char('/') + m_devices.at(i)->config().modelName
                + QLatin1Char('/') + serialOf(*page, i) + QStringLiteral("/pardexProFile.xml");
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        }
    }

    // A device unplugged and plugged back between two scans has the same
    // path: its dead link is replaced, and it is loaded again.
    void replugWithinOneBurstRenewsTheLink_data()
    {
        QTest::addColumn<int>("device");
        QTest::newRow("the selected keyboard") << kQuissaro;
        QTest::newRow("a keyboard not selected") << kRosquine;
    }
    void replugWithinOneBurstRenewsTheLink()
    {
        QFETCH(int, device);
        auto page = newPage();
        take(*page, list({kQuissaro, kRosquine}));
        QPointer<DDeviceKeyboardLink> old = page->getDeviceLinkMap().value(pathOf(device));
        QVERIFY(old);
        const QString serial = old->getSerialNumber();
        MainHidInterFace *oldHid = old->getHidInterface();
        m_devices.at(device)->unplug();
        m_devices.at(device)->plug();
        QVERIFY(QTest::qWaitFor([oldHid] { return oldHid->isDeviceLost(); }, kWaitMs));

        take(*page, list({kQuissaro, kRosquine}));
        QVERIFY(!old);
        DDeviceKeyboardLink *renewed = page->getDeviceLinkMap().value(pathOf(device));
        QVERIFY(renewed && renewed->getHidInterface()->isHidOpen());
        QCOMPARE(m_devices.at(device)->openConnectionCount(), 1);
        QCOMPARE(m_devices.at(device)->openCount(), 2);
        QCOMPARE(renewed->getSerialNumber(), serial);
        QCOMPARE(rowPaths(*page), pathsOf({kQuissaro, kRosquine}));
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(page->isDeviceLoaded());
        QCOMPARE(page->getDeviceLinkMap().value(pathOf(kQuissaro))->getHidInterface()->isHidOpen(), true);

        // A scan with nothing changed leaves the live links alone.
        take(*page, list({kQuissaro, kRosquine}));
        QCOMPARE(page->getDeviceLinkMap().value(pathOf(device)), renewed);
    }

    // A second keyboard's link has its own file; the selected device's path
    // is untouched.
    void secondKeyboardKeepsTheSelectedPath()
    {
        auto page = newPage();
        take(*page, list({kQuissaro}));
        const QString selectedFile = page->proFilePath();
        take(*page, list({kQuissaro, kRosquine}));
        QCOMPARE(page->proFilePath(), selectedFile);
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(serialOf(*page, kRosquine) != serialOf(*page, kQuissaro));
    }

    // A device that never answers costs the wait and is never loaded: no
    // folder, no file, no transport for the panels.
    void silentDeviceIsSelectedButNotLoaded()
    {
        m_devices.at(kQuissaro)->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::never());
        auto page = newPage();
        QElapsedTimer clock;
        clock.start();
        take(*page, list({kQuissaro}));
        QVERIFY(clock.elapsed() >= devicePageWait::kLinkReadyMs);
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(!page->isDeviceLoaded());
        QVERIFY(page->proFilePath().isEmpty());
        QCOMPARE(userConfigEntries(), QStringList());
    }

    // The device leaves while its new link waits: the wait ends with the
    // list that lacks it, and the removal runs after it.
    void removalDuringTheLinkWait()
    {
        m_devices.at(kRosquine)->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::never());
        auto page = newPage();
        take(*page, list({kQuissaro}));
        QTimer::singleShot(100, page.get(), [&] {
            m_devices.at(kRosquine)->unplug();
            take(*page, list({kQuissaro}), false);
        });
        QElapsedTimer clock;
        clock.start();
        take(*page, list({kQuissaro, kRosquine}));
        QVERIFY(clock.elapsed() < devicePageWait::kLinkReadyMs);
        QCOMPARE(rowPaths(*page), pathsOf({kQuissaro}));
        QCOMPARE(linkPaths(*page), pathsOf({kQuissaro}));
        QCOMPARE(m_devices.at(kRosquine)->openConnectionCount(), 0);
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(page->isDeviceLoaded());
    }

    // The selected device leaves while its load waits: the load stops
    // without touching files, and the remaining device is selected.
    void removalDuringTheLoad()
    {
        m_devices.at(kRosquine)->setAnswerPolicy(HidCmd::SideLightList, SimAckPolicy::never());
        auto page = newPage();
        take(*page, list({kQuissaro}));
        const QStringList before = userConfigEntries();
        // Rosquine's link times out; a click selects it and its load waits.
        take(*page, list({kQuissaro, kRosquine}));
        QTimer::singleShot(100, page.get(), [&] {
            m_devices.at(kRosquine)->unplug();
            take(*page, list({kQuissaro}), false);
        });
        emit page->sigHomePageDeviceItemClicked(pathOf(kRosquine));
        QCOMPARE(rowPaths(*page), pathsOf({kQuissaro}));
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(page->isDeviceLoaded());
        QCOMPARE(userConfigEntries(), before);
    }

    // A list and a click that come during a wait are taken after it, the
    // latest list winning.
    void listAndClickDuringAWait()
    {
        m_devices.at(kRosquine)->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::late(300));
        auto page = newPage();
        take(*page, list({kQuissaro}));
        QTimer::singleShot(50, page.get(), [&] {
            take(*page, list({kQuissaro, kRosquine, kBovelli}));
            emit page->sigHomePageDeviceItemClicked(pathOf(kQuissaro));
            take(*page, list({kQuissaro, kRosquine, kVarrowen}));
        });
        take(*page, list({kQuissaro, kRosquine}));
        QCOMPARE(rowPaths(*page), pathsOf({kQuissaro, kRosquine, kVarrowen}));
        QCOMPARE(linkPaths(*page), pathsOf({kQuissaro, kRosquine, kVarrowen}));
        QCOMPARE(m_devices.at(kBovelli)->openConnectionCount(), 0);
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(page->isDeviceLoaded());
    }

    // A removal that comes while an operation waits runs after it, never
    // inside it: until the wait ends the page keeps the list, the rows and
    // the links the running operation holds.
    void removalWaitsForTheRunningOperation_data()
    {
        QTest::addColumn<int>("leaving");
        QTest::addColumn<bool>("endsTheWait");
        QTest::newRow("the device waited for") << kRosquine << true;
        QTest::newRow("another device") << kBovelli << false;
    }
    void removalWaitsForTheRunningOperation()
    {
        QFETCH(int, leaving);
        QFETCH(bool, endsTheWait);
        m_devices.at(kRosquine)->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::never());
        auto page = newPage();
        take(*page, list({kQuissaro, kBovelli}));
        QList<int> staying {kQuissaro, kBovelli, kRosquine};
        staying.removeAll(leaving);

        struct Seen
        {
            QMap<QString, DDeviceKeyboardLink *> links;
            QList<DDeviceListItem *> rows;
            QStringList listed;
            int depth = 0;
        };
        const auto seen = [&page] {
            Seen s;
            s.links = page->getDeviceLinkMap();
            s.rows = page->findChildren<DDeviceListItem *>();
            for (const hidStructInfo &record : page->getHidDeviceList())
                s.listed.append(fixedText(record.hidPath));
            s.listed.sort();
            s.depth = devicePageWait::running();
            return s;
        };
        Seen before;
        Seen after;
        bool lost = false;
        QTimer::singleShot(100, page.get(), [&] {
            before = seen();
            MainHidInterFace *hid = before.links.value(pathOf(leaving))->getHidInterface();
            m_devices.at(leaving)->unplug();
            lost = QTest::qWaitFor([hid] { return hid->isDeviceLost(); }, kWaitMs);
            take(*page, list(staying), false);
            after = seen();
        });
        QElapsedTimer clock;
        clock.start();
        take(*page, list({kQuissaro, kBovelli, kRosquine}));
        QCOMPARE(clock.elapsed() < devicePageWait::kLinkReadyMs, endsTheWait);

        QVERIFY(lost);
        QCOMPARE(before.depth, 1);
        QCOMPARE(after.depth, 1);
        QCOMPARE(before.listed, pathsOf({kQuissaro, kBovelli, kRosquine}));
        QCOMPARE(after.listed, before.listed);
        QCOMPARE(after.rows, before.rows);
        QCOMPARE(after.links, before.links);

        QCOMPARE(rowPaths(*page), pathsOf(staying));
        QCOMPARE(linkPaths(*page), pathsOf(staying));
        QCOMPARE(m_devices.at(leaving)->openConnectionCount(), 0);
        QVERIFY(pathsOf(staying).contains(page->currentDevicePath()));
    }

    // A device whose removal came while another device's link was waited
    // for is still on the page after the wait, but it is leaving: it is not
    // loaded, and no file is made for it.
    void leavingDeviceIsNotLoaded()
    {
        m_devices.at(kRosquine)->setAnswerPolicy(HidCmd::SerialRead, SimAckPolicy::never());
        auto page = newPage();
        bool removed = false;
        QTimer poll;
        // Once Quissaro's link is ready and Rosquine's is being waited for.
        connect(&poll, &QTimer::timeout, page.get(), [&] {
            if (removed || !page->getDeviceLinkMap().contains(pathOf(kRosquine)) || devicePageWait::running() == 0)
                return;
            removed = true;
            m_devices.at(kQuissaro)->unplug();
            take(*page, list({kRosquine}), false);
        });
        poll.start(5);
        take(*page, list({kQuissaro, kRosquine}));
        poll.stop();
        QVERIFY(removed);
        QCOMPARE(rowPaths(*page), pathsOf({kRosquine}));
        QCOMPARE(page->currentDevicePath(), pathOf(kRosquine));
        QVERIFY(!page->isDeviceLoaded());
        QCOMPARE(userConfigEntries(), QStringList());
    }

    // A lighting edit of the selected keyboard leaves with it, whether
    // another device takes the selection or none is left: no prompt, and
    // nothing saved into any file.
    void removedKeyboardTakesItsEdit_data()
    {
        QTest::addColumn<QString>("staying");
        QTest::newRow("the mouse stays") << "1";
        QTest::newRow("nothing stays") << "";
    }
    void removedKeyboardTakesItsEdit()
    {
        QFETCH(QString, staying);
        auto page = newPage();
        take(*page, list(QList<int>{kQuissaro} + numbers(staying)));
        emit page->sigHomePageDeviceItemClicked(pathOf(kQuissaro));
        QVERIFY(QTest::qWaitFor(
            [&] { return page->isDeviceLoaded() && page->currentDevicePath() == pathOf(kQuissaro); }, kWaitMs));
        QVERIFY(editLighting(*page));
        const QString file = page->proFilePath();
        const QByteArray stored = fileBytes(file);
        QVERIFY(!stored.isEmpty());

        m_devices.at(kQuissaro)->unplug();
        take(*page, list(numbers(staying)), false);
        QVERIFY(!page->isLightChanged());
        QCOMPARE(page->askSaveLightChanges(), 2);
        page->saveLightChanges();
        QCOMPARE(fileBytes(file), stored);
    }

    // The selected key button goes with its view and the next load touches
    // no freed button; every prompt reuses the page's one overlay.
    void keyButtonAndOverlayAfterAReplug()
    {
        QWidget window;
        window.resize(1200, 790);
        auto page = newPage();
        page->setMainWidget(&window);
        const auto selectKeyboard = [&] {
            emit page->sigHomePageDeviceItemClicked(pathOf(kQuissaro));
            return QTest::qWaitFor(
                [&] { return page->isDeviceLoaded() && page->currentDevicePath() == pathOf(kQuissaro); }, kWaitMs)
                && page->currentKeyboardPage();
        };
        const auto overlays = [&] {
            return window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly).size();
        };
        take(*page, list({kQuissaro, kBovelli}));
        QVERIFY(selectKeyboard());
        const auto keys = page->currentKeyboardPage()->getKeyButtonMap();
        QVERIFY(!keys.isEmpty());
        QPointer<keyboardButCustom> key = keys.first();
        page->onKeyboardClicked(keys.firstKey(), QStringLiteral("Esc"));
        QVERIFY(key->isSelected());

        m_devices.at(kQuissaro)->unplug();
        take(*page, list({kBovelli}), false);
        QCOMPARE(page->currentDevicePath(), pathOf(kBovelli));
        QTRY_VERIFY_WITH_TIMEOUT(!key, kWaitMs);
        m_devices.at(kQuissaro)->plug();
        take(*page, list({kQuissaro, kBovelli}));
        QVERIFY(selectKeyboard());

        QVERIFY(editLighting(*page));
        for (int prompt = 0; prompt < 2; ++prompt) {
            QTimer::singleShot(100, page.get(), [&] {
                if (auto *dialog = page->findChild<DTipInfoDia *>())
                    dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Discard"))->click();
            });
            QCOMPARE(page->askSaveLightChanges(), 2); // discarded
            QCOMPARE(overlays(), 1);
        }
    }

    // Serials that are no safe folder name are replaced by the link: the
    // folder is the new serial's, inside the model's folder.
    void unsafeSerialsGiveTheNewSerialsFolder_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("hostile") << int(SimSerialMode::Hostile);
        QTest::newRow("empty") << int(SimSerialMode::Missing);
        QTest::newRow("short") << int(SimSerialMode::WrongLength);
    }
    void unsafeSerialsGiveTheNewSerialsFolder()
    {
        QFETCH(int, mode);
        m_devices.at(kQuissaro)->setSerialMode(SimSerialMode(mode));
        auto page = newPage();
        take(*page, list({kQuissaro}));
        const QString serial = serialOf(*page, kQuissaro);
        QVERIFY(DDeviceKeyboardLink::isValidSerialNumber(serial.toLatin1()));
        QVERIFY(page->isDeviceLoaded());
        QCOMPARE(userConfigEntries(), (QStringList{QStringLiteral("Quissaro"), QStringLiteral("Quissaro/") + serial,
                                                   QStringLiteral("Quissaro/") + serial
                                                       + QStringLiteral("/pardexProFile.xml")}));
    }

    // The first load's file, byte for byte, for a plain keyboard, a
    // Breath-side keyboard and the mouse.
    void firstLoadFiles_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("golden");
        QTest::newRow("keyboard") << kQuissaro << "firstLoadKeyboard.xml";
        QTest::newRow("Breath-side keyboard") << kVarrowen << "firstLoadBreathKeyboard.xml";
        QTest::newRow("mouse") << kBovelli << "firstLoadMouse.xml";
    }
    void firstLoadFiles()
    {
        QFETCH(int, device);
        QFETCH(QString, golden);
        auto page = newPage();
        take(*page, list({device}));
        QVERIFY(page->isDeviceLoaded());
        QFile actual(page->proFilePath());
        QVERIFY(actual.open(QIODevice::ReadOnly));
        const QByteArray bytes = actual.readAll();
        QFile expected(qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tests/ui/mainwidget/devicePage/golden/")
                       + golden);
        QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
        if (bytes != expected.readAll()) {
            QFile out(QDir::currentPath() + QLatin1Char('/') + golden);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            QFAIL(qPrintable(QStringLiteral("differs; written to ") + out.fileName()));
        }
        QCOMPARE(page->form()->label_currentProfileName->text(), QStringLiteral("Profile1"));
    }

    // A file without a current profile loads profile 1; a second load
    // keeps the file as it is.
    void storedProfileIsLoaded()
    {
        {
            auto page = newPage();
            take(*page, list({kQuissaro}));
        }
        m_devices.at(kQuissaro)->unplug();
        m_devices.at(kQuissaro)->plug();
        const QString serial = m_devices.at(kQuissaro)->config().serial;
        const QString file = userConfig() + QStringLiteral("/Quissaro/") + serial + QStringLiteral("/pardexProFile.xml");
        QVERIFY(QFileInfo(file).isFile());
        QVERIFY(m_xml->addProfile(file, "2", "Second", "", "", 0));
        QVERIFY(m_xml->setProfileIndex(file, 2));
        auto page = newPage();
        take(*page, list({kQuissaro}));
        QCOMPARE(page->form()->label_currentProfileName->text(), QStringLiteral("Second"));
    }

    // An existing file that does not parse is set aside with the time, a
    // fresh one made and the user told.
    void unreadableFileIsSetAside()
    {
        const QString serial = QString::fromLatin1(m_devices.at(kQuissaro)->config().serial);
        const QString folder = userConfig() + QStringLiteral("/Quissaro/") + serial;
        QVERIFY(QDir().mkpath(folder));
        QFile broken(folder + QStringLiteral("/pardexProFile.xml"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<Parameters><profile index=");
        broken.close();
        auto page = newPage();
        take(*page, list({kQuissaro}));
        QVERIFY(page->isDeviceLoaded());
        xmlIndexNameList profiles;
        QVERIFY(m_xml->getProfileList(page->proFilePath(), profiles));
        QCOMPARE(profiles.size(), 1);
        const QStringList aside = QDir(folder).entryList({QStringLiteral("pardexProFile.xml.*.unreadable")});
        QCOMPARE(aside.size(), 1);
        QFile kept(folder + QLatin1Char('/') + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("<Parameters><profile index="));
        QVERIFY(page->notice()->isVisible() || !page->isVisible());
    }

    // A model folder that cannot be made: the device stays unloaded, the
    // panels hold nothing of it.
    void folderCreationFailureLeavesTheDeviceUnloaded()
    {
        QFile blocker(userConfig() + QStringLiteral("/Quissaro"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto page = newPage();
        page->show();
        take(*page, list({kQuissaro}));
        QCOMPARE(page->currentDevicePath(), pathOf(kQuissaro));
        QVERIFY(!page->isDeviceLoaded());
        QVERIFY(page->proFilePath().isEmpty());
        QVERIFY(page->notice()->isVisible());
        QCOMPARE(QFileInfo(blocker.fileName()).isFile(), true);
    }

    // A key's hover pop-up is a window of its own: the device leaving or
    // the view loading again closes it.
    void keyTipClosesWithTheDevice_data()
    {
        QTest::addColumn<bool>("removal");
        QTest::newRow("device removed") << true;
        QTest::newRow("view loaded again") << false;
    }
    void keyTipClosesWithTheDevice()
    {
        QFETCH(bool, removal);
        auto page = newPage();
        page->show();
        take(*page, list({kQuissaro}));
        keyboardPage *view = page->currentKeyboardPage();
        QVERIFY(view);
        const QMap<int, keyboardButCustom *> keys = view->getKeyButtonMap();
        QVERIFY(!keys.isEmpty());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(keys.last(), &enter);
        const auto shownTips = [] {
            int shown = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                shown += qobject_cast<ArrowWidget *>(w) && w->isVisible() ? 1 : 0;
            return shown;
        };
        QCOMPARE(shownTips(), 1);
        if (removal) {
            m_devices.at(kQuissaro)->unplug();
            take(*page, {}, false);
        } else {
            QVERIFY(QMetaObject::invokeMethod(view, "sigKeyboardAlreadyLoad"));
        }
        QCOMPARE(shownTips(), 0);
    }

    // The mode selector follows the device: hidden for the mouse and for
    // keyboards without on-board memory, the factory restore for the Fn
    // model, the two mode buttons for the others.
    void modeSelector_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("selector");
        QTest::addColumn<bool>("restore");
        QTest::newRow("mouse") << kBovelli << false << false;
        QTest::newRow("Rulvarro") << kRulvarro << true << true;
        QTest::newRow("Quissaro") << kQuissaro << true << false;
    }
    void modeSelector()
    {
        QFETCH(int, device);
        QFETCH(bool, selector);
        QFETCH(bool, restore);
        auto page = newPage();
        page->show();
        take(*page, list({device}));
        QVERIFY(page->isDeviceLoaded());
        QCOMPARE(!page->form()->frame_HidDeviceTypeChang->isHidden(), selector);
        if (selector)
            QCOMPARE(!page->form()->toolButton_RestoreFactorySettings->isHidden(), restore);
        if (selector && !restore) {
            QVERIFY(!page->form()->pushButton_AppMode->isHidden());
            QVERIFY(!page->form()->pushButton_OnboardMode->isHidden());
        }
    }

    // Assigned marks are drawn in the key and profile panels only, and a
    // reload clears the previous profile's marks.
    void assignedKeyMarks()
    {
        auto page = newPage();
        page->show();
        take(*page, list({kQuissaro}));
        const QString file = page->proFilePath();
        keyboardPage *view = page->currentKeyboardPage();
        QVERIFY(view);
        const QList<int> codes = view->getKeyButtonMap().keys();
        QVERIFY(codes.size() > 2);
        // A disabled key in each profile.
        QVERIFY(m_xml->addKeyInfo(file, "1", QByteArray::number(codes.at(0)), "", "5", "0", "0", ""));
        QVERIFY(m_xml->addProfile(file, "2", "Two", "", "", 0));
        QVERIFY(m_xml->addKeyInfo(file, "2", QByteArray::number(codes.at(1)), "", "5", "0", "0", ""));

        QCOMPARE(page->mainPageIndex(), 0);
        page->loadKeyboardSettings(1);
        QVERIFY(view->getKeyButtonMap().value(codes.at(0))->isKeyAssigned());
        page->loadKeyboardSettings(2);
        QVERIFY(!view->getKeyButtonMap().value(codes.at(0))->isKeyAssigned());
        QVERIFY(view->getKeyButtonMap().value(codes.at(1))->isKeyAssigned());

        // The profile panel marks them too.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(page->form()->label_currentProfileName, &press);
        QCOMPARE(page->mainPageIndex(), 2);
        page->loadKeyboardSettings(1);
        QVERIFY(view->getKeyButtonMap().value(codes.at(0))->isKeyAssigned());
        QVERIFY(!view->getKeyButtonMap().value(codes.at(1))->isKeyAssigned());
    }

    // Musical Rhythm in the key zone turns streaming on whatever was stored.
    void musicalRhythmForcesSynchronisation()
    {
        const QString serial = QString::fromLatin1(m_devices.at(kQuissaro)->config().serial);
        const QString file = userConfig() + QStringLiteral("/Quissaro/") + serial + QStringLiteral("/pardexProFile.xml");
        {
            auto page = newPage();
            take(*page, list({kQuissaro}));
            QCOMPARE(page->proFilePath(), file);
            QVERIFY(!page->form()->checkBox_LightSynchronize->isChecked());
        }
        colorInfoData music{};
        QVERIFY(m_xml->getLightInfo(file, "1", 0, 2, music));
        music.ledType = 100;
        QVERIFY(m_xml->addLightInfo(file, "1", music));
        QVERIFY(m_xml->setLightUsingIndex(file, "1", 0, 100));
        QCOMPARE(m_xml->getLightSynchronizeStatus(file, "1"), 0);
        m_devices.at(kQuissaro)->unplug();
        m_devices.at(kQuissaro)->plug();
        auto page = newPage();
        take(*page, list({kQuissaro}));
        QVERIFY(page->form()->checkBox_LightSynchronize->isChecked());
    }

    // A language change: the form and list texts change; the device labels
    // and the profile name come back with a device, the form's texts
    // without one.
    void languageRefresh_data()
    {
        QTest::addColumn<bool>("withDevice");
        QTest::newRow("no device") << false;
        QTest::newRow("keyboard") << true;
    }
    void languageRefresh()
    {
        QFETCH(bool, withDevice);
        auto page = newPage();
        if (withDevice)
            take(*page, list({kQuissaro}));
        devicePageTest::MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        page->retranslateAllUI();
        QCoreApplication::removeTranslator(&marking);
        const Ui_DDevicePage *form = page->form();
        QCOMPARE(form->pushButton_Import->toolTip(), QStringLiteral("<<Import>>"));
        QCOMPARE(form->pushButton_Add->toolTip(), QStringLiteral("<<Add>>"));
        if (!withDevice) {
            QCOMPARE(form->label_ProductName->text(), QStringLiteral("<<Product>>"));
            QCOMPARE(form->label_DeviceName->text(), QStringLiteral("<<Keyboard Name>>"));
            return;
        }
        const DDeviceListItem *row = page->findChild<DDeviceListItem *>();
        QCOMPARE(form->label_ProductName->text(), row->getProductName());
        QCOMPARE(form->label_DeviceName->text(), row->getDeviceName());
        QCOMPARE(form->label_currentProfileName->text(), QStringLiteral("Profile1"));
    }

    // Every theme: each styled widget carries its sheet and fonts, the toast
    // its colours, with or without a device.
    void themeRefresh_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("withDevice");
        for (int theme = 0; theme < 5; ++theme) {
            QTest::addRow("theme %d, no device", theme) << theme << false;
            QTest::addRow("theme %d, keyboard", theme) << theme << true;
        }
    }
    void themeRefresh()
    {
        QFETCH(int, theme);
        QFETCH(bool, withDevice);
        DDataManager::instance()->loadThemeConfig(theme);
        auto page = newPage();
        if (withDevice)
            take(*page, list({kQuissaro}));
        page->changeAppTheme();
        const themeColorInfo colors = DDataManager::instance()->getThemeColor();
        for (const devicePageTheme::styleSheetRow &row : devicePageTheme::styleSheets(colors)) {
            QWidget *widget = page->formWidget(row.objectName);
            QVERIFY2(widget, row.objectName);
            QCOMPARE(widget->styleSheet(), row.sheet);
            for (const devicePageTheme::fontUse &use : row.fonts)
                QVERIFY2(page->formWidget(use.objectName)->font().pointSize() == use.pointSize,
                         use.objectName);
        }
        QCOMPARE(page->notice()->font().pixelSize(), 14);
        QCOMPARE(page->notice()->font().family(), devicePageTheme::notice(colors).fontFamily);
        QCOMPARE(page->currentKeyboardPage() != nullptr, withDevice);
    }

    // The mouse's DPI values in the page, every theme: the text colour, the
    // edited level's in the checked colour.
    void dpiRowColours_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }
    void dpiRowColours()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        auto page = newPage();
        page->changeAppTheme();
        page->show();
        take(*page, list({kBovelli}));
        QVERIFY(page->isDeviceLoaded());
        const QList<DDpiConfigListItem *> rows = page->findChild<DmouseConfigView *>()->rows();
        QVERIFY(rows.size() > 2);
        QTest::mouseClick(rows.at(2), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
        const themeColorInfo colors = DDataManager::instance()->getThemeColor();
        // The theme's text colours, or the nearest shade that reads on the
        // row in each of its looks.
        const QStringList rowBackgrounds{colors.DeviceBottomBgColor, colors.DeviceMouseDpiConfigItemHoverColor,
                                         colors.DeviceMouseDpiConfigItemSelectedColor};
        const QString text = themeColorInfo::readableText(colors.TextDefaultColor, rowBackgrounds);
        const QString checked = themeColorInfo::readableText(colors.TextCheckedColor, rowBackgrounds);
        for (int i = 0; i < rows.size(); ++i) {
            auto *value = rows.at(i)->findChild<QLabel *>(QStringLiteral("label_XandY"));
            QVERIFY(value);
            value->ensurePolished();
            QCOMPARE(value->palette().color(QPalette::WindowText), themeColorInfo::opaqueColor(i == 2 ? checked : text));
            QVERIFY(value->font().bold());
        }
        DDataManager::instance()->loadThemeConfig(0);
    }

    // The tabs of a loaded device: the keyboard's keys tab after the load;
    // the mouse lighting tab with the lights on or off.
    void tabs_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("lightsOff");
        QTest::newRow("keyboard") << kQuissaro << 0;
        QTest::newRow("mouse, lights on") << kBovelli << 0;
        QTest::newRow("mouse, lights off") << kBovelli << 1;
    }
    void tabs()
    {
        QFETCH(int, device);
        QFETCH(int, lightsOff);
        if (lightsOff) {
            // The mouse's file as it was left: lights off.
            auto first = newPage();
            take(*first, list({device}));
            QVERIFY(m_xml->setLightOpenOrClose(first->proFilePath(), "1", 1));
            first.reset();
            m_devices.at(device)->unplug();
            m_devices.at(device)->plug();
        }
        auto page = newPage();
        page->show();
        take(*page, list({device}));
        QVERIFY(page->isDeviceLoaded());
        const Ui_DDevicePage *form = page->form();
        QCOMPARE(page->mainPageIndex(), 0);
        QVERIFY(form->pushButton_Custom->isChecked());
        QCOMPARE(form->label_currentProfileName->text(), QStringLiteral("Profile1"));
        if (device != kBovelli) {
            // The selection ends with the key panel closed.
            QCOMPARE(form->stackedWidget_Tool->currentWidget(), form->page_Performance);
            QVERIFY(form->frame_Custom->isHidden());
            QVERIFY(!form->pushButton_Performance->isHidden());
            QVERIFY(form->pushButton_MouseDpiConfig->isHidden());
            return;
        }
        QCOMPARE(form->stackedWidget_Tool->currentWidget(), form->page_MouseDpiConfig);
        QVERIFY(form->pushButton_Performance->isHidden());
        page->onCurIndexChangedMainPage(1);
        QCOMPARE(page->mainPageIndex(), 1);
        QCOMPARE(form->stackedWidget_DeviceChang->currentWidget(), form->page_MouseLight);
        QCOMPARE(form->pushButton_LightOnOff->styleSheet().contains(QLatin1String(lightsOff ? "ledOff" : "ledOn")), true);
        QCOMPARE(form->frame_Custom->isHidden(), lightsOff == 1);
        QVERIFY(page->currentMouseLightPage());
        QCOMPARE(page->currentMouseLightPage()->findChild<QFrame *>(QStringLiteral("frame_4"))->isEnabled(),
                 lightsOff == 0);
    }
};

QTEST_MAIN(tst_DevicePageAttach)
#include "tst_devicepageattach.moc"
