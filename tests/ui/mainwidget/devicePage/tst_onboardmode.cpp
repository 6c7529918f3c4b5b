// The device page's on-board mode on simulated keyboards: entering and
// leaving, the configuration and layer menus, key editing, Set FN1, the
// factory restore and the download as the user starts it.
#include "ArrowWidget.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DOnboardPage.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "SoftKeyboardButCustom.h"
#include "onboardProfileMenuToolWidget.h"
#include "onboardTestFiles.h"
#include "scriptedPagePrompts.h"
#include "ui_DDevicePage.h"
#include "xmlSaveFailure.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 5000;

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

QStringList comboNames(QComboBox *box)
{
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    return names;
}

QStringList layerItems(xmlInterface &store, const QString &file, int config)
{
    QList<customKeyInfo> list;
    store.getKeyInfoList(file, QByteArray::number(config), list);
    QStringList result;
    for (const customKeyInfo &info : list)
        result << QStringLiteral("%1:%2:%3").arg(fixedText(info.keyCode), fixedText(info.operateType),
                                                 fixedText(info.Value));
    return result;
}

QString keyText(DDevicePage &page, int code)
{
    SoftKeyboardButCustom *button = page.onboardPage()->getKeyButtonMap().value(code);
    return button ? button->getKeyText() : QStringLiteral("<no key>");
}

// Every key's code and caption on the on-board picture.
QStringList keyTexts(DDevicePage &page)
{
    QStringList texts;
    const QMap<int, SoftKeyboardButCustom *> buttons = page.onboardPage()->getKeyButtonMap();
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it)
        texts << QStringLiteral("%1:%2").arg(it.key()).arg(it.value()->getKeyText());
    return texts;
}

} // namespace

class tst_OnboardMode : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    QList<std::shared_ptr<SimulatedDevice>> m_devices;
    QTemporaryDir m_macroDir;
    QString m_macroFile;
    xmlInterface m_store;

    // What the device load does for a selected device.
    void selectDevice(DDevicePage &page, int which)
    {
        const hidStructInfo record = recordOf(*m_devices.at(which));
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(fixedText(record.hidPath));
        QVERIFY(link);
        QTRY_VERIFY_WITH_TIMEOUT(!link->getSerialNumber().isEmpty(), kWaitMs);
        page.m_currentHidInfo = record;
        page.m_currentDeviceLink = link;
        page.m_currentHidInterface = link->getHidInterface();
        page.m_currentDeviceSnInfo = link->getSerialNumber();
        page.m_supportOnboard = record.hidType == 0;
        page.m_mainPageIndex = 0;
    }

    // A page with the given devices attached, the first one selected.
    void makePage(DDevicePage &page, std::initializer_list<int> which)
    {
        page.resize(1200, 800);
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_store);
        QList<hidStructInfo> records;
        for (int i : which)
            records << recordOf(*m_devices.at(i));
        page.loadHidDeviceList(records);
        selectDevice(page, *which.begin());
    }

    void enter(DDevicePage &page) { page.form()->pushButton_OnboardMode->click(); }

private slots:
    void initTestCase()
    {
        m_macroFile = m_macroDir.filePath(QStringLiteral("pardexMacro.xml"));
    }

    void init()
    {
        // Each test starts with a keyboard that never was in on-board mode.
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
        m_store.createXmlFile(m_macroFile);
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_devices.clear();
        for (const char *model : {"Quissaro", "Bovelli", "Rulvarro", "Quissaro"})
            m_devices.append(m_backend->addDevice(SimulatedDeviceConfig::forModel(QString::fromLatin1(model))));
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_devices.clear();
        m_backend.reset();
    }

    // The first entry makes the three files with NewConfig1 on the QWERTY
    // layer, silently.
    void firstEntryMakesFiles()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        QCOMPARE(page.onboardMode(), 1);
        QVERIFY(page.onboardPage());
        for (const QString &path : {page.onboardListFilePath(), page.onboardDefaultFilePath(), page.onboardFn1FilePath()})
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(comboNames(page.form()->comboBox_OnboardProfile), QStringList{"NewConfig1"});
        QCOMPARE(m_store.getProfileIndex(page.onboardListFilePath()), 1);
        QCOMPARE(layerItems(m_store, page.onboardDefaultFilePath(), 1).size(), 132);
        QCOMPARE(layerItems(m_store, page.onboardFn1FilePath(), 1), QStringList{"-10:0:-10"});
        QVERIFY(page.notice()->text().isEmpty());
        QCOMPARE(page.form()->stackedWidget_DeviceChang->currentWidget(), page.form()->page_Onboard);
        // Captions of the QWERTY layer on the picture.
        QCOMPARE(keyText(page, 4), QStringLiteral("A"));
        QCOMPARE(keyText(page, -10), QStringLiteral("Fn"));

        // A second entry keeps the files and the picture.
        DOnboardPage *picture = page.onboardPage();
        const QByteArray before = onboardTestFiles::contents(page.onboardDefaultFilePath());
        enter(page);
        QCOMPARE(page.onboardPage(), picture);
        QCOMPARE(onboardTestFiles::contents(page.onboardDefaultFilePath()), before);
    }

    // A stored current configuration the list lacks: the lowest listed one
    // becomes current and is stored. Keys without a button are passed over.
    void unlistedCurrentConfiguration()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        page.onProfileCreateNew();
        page.onProfileCreateNew();
        m_store.deleteNode(page.onboardListFilePath(), "1");
        m_store.setProfileIndex(page.onboardListFilePath(), 7);
        m_store.addKeyInfo(page.onboardDefaultFilePath(), "2", "250", "?", "0", "1", "1", "41");
        enter(page);
        QCOMPARE(comboNames(page.form()->comboBox_OnboardProfile), (QStringList{"NewConfig2", "NewConfig3"}));
        QCOMPARE(page.currentOnboardProfileIndex(), 2);
        QCOMPARE(page.form()->comboBox_OnboardProfile->currentText(), QStringLiteral("NewConfig2"));
        QCOMPARE(m_store.getProfileIndex(page.onboardListFilePath()), 2);
        QCOMPARE(keyText(page, -10), QStringLiteral("Fn"));
    }

    // The handshake tells the keyboard its mode within 700 ms.
    void handshakeFollowsTheMode()
    {
        DDevicePage page;
        makePage(page, {0});
        SimulatedDevice &device = *m_devices.at(0);
        auto lastHandshakeMode = [&device]() {
            const QList<hidReportData> shakes = device.outputReports(HidCmd::ShakeHands);
            return shakes.isEmpty() ? -1 : int(shakes.last()[6]);
        };
        enter(page);
        device.clearOutputs();
        QTRY_COMPARE_WITH_TIMEOUT(lastHandshakeMode(), 1, 1000);
        page.form()->pushButton_AppMode->click();
        QCOMPARE(page.onboardMode(), 0);
        QVERIFY(!page.onboardPage());
        device.clearOutputs();
        QTRY_COMPARE_WITH_TIMEOUT(lastHandshakeMode(), 0, 1000);
        // A device load back in APP mode clears both flags, the transport's too.
        page.applyDeviceMode(1);
        QVERIFY(!page.m_currentHidInterface->isPcMode());
        page.applyDeviceMode(0);
        QVERIFY(page.m_currentHidInterface->isPcMode());
    }

    void refusedEntries_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("transport");
        QTest::addColumn<QString>("text");
        QTest::newRow("mouse") << 1 << true << "The device is not support On-board";
        QTest::newRow("no transport") << 0 << false << "Please open hid first!";
    }
    void refusedEntries()
    {
        QFETCH(int, device);
        QFETCH(bool, transport);
        QFETCH(QString, text);
        DDevicePage page;
        makePage(page, {device});
        if (!transport) {
            page.m_currentHidInterface = nullptr;
            page.m_currentDeviceLink = nullptr;
        }
        enter(page);
        QCOMPARE(page.notice()->text(), text);
        QCOMPARE(page.onboardMode(), 0);
        QVERIFY(page.form()->pushButton_AppMode->isChecked());
        QVERIFY(!page.onboardPage());
    }

    // The selected keyboard lost its transport (unloaded, or gone): the mode
    // buttons still work on the page and reach no device.
    void modeSwitchWithoutTransport_data()
    {
        QTest::addColumn<bool>("fromOnboard");
        QTest::newRow("PC mode from on-board mode") << true;
        QTest::newRow("PC mode from PC mode") << false;
    }
    void modeSwitchWithoutTransport()
    {
        QFETCH(bool, fromOnboard);
        DDevicePage page;
        makePage(page, {0});
        if (fromOnboard) {
            enter(page);
            QCOMPARE(page.onboardMode(), 1);
        }
        page.m_currentHidInterface = nullptr;
        page.m_currentDeviceLink = nullptr;

        page.form()->pushButton_AppMode->click();
        QCOMPARE(page.onboardMode(), 0);
        QVERIFY(!page.onboardPage());
        QVERIFY(page.form()->pushButton_AppMode->isChecked());
        page.applyDeviceMode(1);
        QCOMPARE(page.onboardMode(), 1);
        page.applyDeviceMode(0);
        QCOMPARE(page.onboardMode(), 0);
    }

    void configurationMenu()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        QComboBox *box = page.form()->comboBox_OnboardProfile;
        // Indexes 1, 2, 4: a new one takes 3 and becomes current.
        page.onProfileCreateNew();
        page.onProfileCreateNew();
        QCOMPARE(page.notice()->text(), QStringLiteral("Create new config successful"));
        box->setCurrentIndex(box->findText("NewConfig3"));
        page.onProfileDelete();
        QCOMPARE(page.notice()->text(), QStringLiteral("Delete config successful"));
        m_store.addMacro(page.onboardListFilePath(), "4", "NewConfig4");
        page.m_onboardProfileMap.insert("NewConfig4", 4);
        box->addItem("NewConfig4", 4);
        page.onProfileCreateNew();
        QCOMPARE(page.currentOnboardProfileIndex(), 3);
        QCOMPARE(box->currentText(), QStringLiteral("NewConfig3"));
        QCOMPARE(m_store.getProfileIndex(page.onboardListFilePath()), 3);
        xmlIndexNameList list;
        m_store.getMacroList(page.onboardListFilePath(), list);
        QCOMPARE(list.size(), 4);

        // Rename: an empty or used name is refused; the new name selects it.
        page.onProfileModifyName();
        QCOMPARE(page.form()->stackedWidget_Onboard->currentWidget(), page.form()->page_OnboardModifyName);
        page.form()->lineEdit_OnboardModifyProfileName->setText(QString());
        page.form()->pushButton_OnboardSave->click();
        QCOMPARE(page.notice()->text(), QStringLiteral("Config name can't be empty"));
        page.form()->lineEdit_OnboardModifyProfileName->setText("NewConfig1");
        page.form()->pushButton_OnboardSave->click();
        QCOMPARE(page.notice()->text(), QStringLiteral("Config name already exists"));
        page.form()->lineEdit_OnboardModifyProfileName->setText(QString::fromUtf8("Jeu & <Fête>"));
        page.form()->pushButton_OnboardSave->click();
        QCOMPARE(page.notice()->text(), QStringLiteral("Modify config name successful"));
        QCOMPARE(page.form()->stackedWidget_Onboard->currentWidget(), page.form()->page_OnboardOperate);
        QVERIFY(!comboNames(box).contains("NewConfig3"));
        box->setCurrentIndex(box->findText("NewConfig1"));
        box->setCurrentIndex(box->findText(QString::fromUtf8("Jeu & <Fête>")));
        QCOMPARE(page.currentOnboardProfileIndex(), 3);

        // Deleting down to one configuration stops there.
        for (int i = 0; i < 3; ++i)
            page.onProfileDelete();
        QCOMPARE(box->count(), 1);
        page.onProfileDelete();
        QCOMPARE(page.notice()->text(), QStringLiteral("Need keep at least one config"));
    }

    // Deleting the current configuration makes the first name current,
    // in character order.
    void deleteSelectsFirstName()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        for (int i = 2; i <= 10; ++i)
            page.onProfileCreateNew();
        QComboBox *box = page.form()->comboBox_OnboardProfile;
        box->setCurrentIndex(box->findText("NewConfig1"));
        page.onProfileDelete();
        QCOMPARE(box->currentText(), QStringLiteral("NewConfig10"));
        QCOMPARE(page.currentOnboardProfileIndex(), 10);
    }

    // Export keeps the file inside the chosen folder; import takes one index
    // for the list and both layers and refuses other files.
    void exportAndImport()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        scriptedPagePrompts prompts;
        QTemporaryDir out;
        page.m_currentOnboardProfileName = QStringLiteral("../a/b");
        prompts.answerFolder(out.path());
        page.onProfileExport();
        QCOMPARE(page.notice()->text(), QStringLiteral("Export profile successful"));
        const QString exported = out.filePath(QStringLiteral(".._a_b.xml"));
        QVERIFY(QFileInfo::exists(exported));
        QCOMPARE(prompts.calls(scriptedPagePrompts::Folder).first().startFolder, page.m_desktopPath);
        xmlIndexNameList configs;
        m_store.getProfileList(exported, configs);
        QCOMPARE(configs.size(), 2);
        QCOMPARE(configs.at(0).first + "," + configs.at(1).first, QByteArray("1,2"));

        // The FN1 file has drifted ahead of the list.
        m_store.addProfile(page.onboardFn1FilePath(), "6", "Stray", "", "", 0);
        prompts.answerOpenFile(exported);
        page.onProfileImport();
        QCOMPARE(page.notice()->text(), QStringLiteral("Import profile successful"));
        QVERIFY(comboNames(page.form()->comboBox_OnboardProfile).contains("NewConfig7"));
        QCOMPARE(page.currentOnboardProfileIndex(), 1);
        QCOMPARE(layerItems(m_store, page.onboardDefaultFilePath(), 7).size(), 132);
        QCOMPARE(layerItems(m_store, page.onboardFn1FilePath(), 7), QStringList{"-10:0:-10"});

        // Export appends; a file of four configurations is refused.
        page.form()->comboBox_OnboardProfile->setCurrentIndex(page.form()->comboBox_OnboardProfile->findText("NewConfig7"));
        page.m_currentOnboardProfileName = QStringLiteral("../a/b");
        prompts.answerFolder(out.path());
        page.onProfileExport();
        m_store.getProfileList(exported, configs);
        QCOMPARE(configs.size(), 4);
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{".._a_b.xml"});
        const QByteArray before = onboardTestFiles::contents(page.onboardDefaultFilePath());
        prompts.answerOpenFile(exported);
        page.onProfileImport();
        QCOMPARE(page.notice()->text(), QStringLiteral("The file is not an on-board config file"));
        QCOMPARE(onboardTestFiles::contents(page.onboardDefaultFilePath()), before);

        prompts.answerFolder(QString());
        page.onProfileExport();
        QCOMPARE(page.notice()->text(), QStringLiteral("Please select save directory first"));
        page.onProfileImport();
        QCOMPARE(page.notice()->text(), QStringLiteral("Please select import file first"));
    }

    // An export that cannot read a layer leaves the chosen folder as it was:
    // no file of its own, and the file it would append to keeps its bytes.
    void failedExportLeavesNothing_data()
    {
        QTest::addColumn<int>("layer");
        QTest::addColumn<bool>("appending");
        QTest::newRow("default layer, new file") << 0 << false;
        QTest::newRow("FN1 layer, new file") << 1 << false;
        QTest::newRow("default layer, appending") << 0 << true;
        QTest::newRow("FN1 layer, appending") << 1 << true;
    }
    void failedExportLeavesNothing()
    {
        QFETCH(int, layer);
        QFETCH(bool, appending);
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        scriptedPagePrompts prompts;
        QTemporaryDir out;
        const QString exported = out.filePath(QStringLiteral("NewConfig1.xml"));
        if (appending) {
            prompts.answerFolder(out.path());
            page.onProfileExport();
            QCOMPARE(page.notice()->text(), QStringLiteral("Export profile successful"));
        }
        const QStringList entries = QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QByteArray before = onboardTestFiles::contents(exported);
        QFile cut(layer == 0 ? page.onboardDefaultFilePath() : page.onboardFn1FilePath());
        QVERIFY(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write("<Parameters profileIndex=\"1\">");
        cut.close();

        prompts.answerFolder(out.path());
        page.onProfileExport();
        QCOMPARE(page.notice()->text(), QStringLiteral("Export profile failed"));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
        QCOMPARE(onboardTestFiles::contents(exported), before);
    }

    // One pop-up per menu button, reused; the layer menu of a number pad (34
    // or 21 keys) offers QWERTY and Clean layer only, every other model's
    // all four entries.
    void menusAreReused_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("keyCount"); // 0: as the model list gives it
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("macAndDvorak");
        QTest::newRow("Quissaro, 104 keys") << 0 << 0 << 180 << true;
        QTest::newRow("Rulvarro, 68 keys") << 2 << 0 << 180 << true;
        QTest::newRow("34 keys") << 0 << 34 << 110 << false;
        QTest::newRow("21 keys") << 0 << 21 << 110 << false;
    }
    void menusAreReused()
    {
        QFETCH(int, device);
        QFETCH(int, keyCount);
        QFETCH(int, height);
        QFETCH(bool, macAndDvorak);
        const QMap<QString, int> shipped = DDataManager::instance()->getKeyNumMap();
        const auto restore = qScopeGuard([&] { DDataManager::instance()->setKeyNumMap(shipped); });
        if (keyCount) {
            QMap<QString, int> counts = shipped;
            counts.insert(fixedText(recordOf(*m_devices.at(device)).hidName), keyCount);
            DDataManager::instance()->setKeyNumMap(counts);
        }
        DDevicePage page;
        makePage(page, {device});
        enter(page);
        page.show();
        page.form()->pushButton_OnboardConfigMoreOperate->click();
        QPointer<ArrowWidget> layerMenu = page.onboardLayerMenuPopup();
        QVERIFY(layerMenu && layerMenu->isVisible());
        QCOMPARE(layerMenu->size(), QSize(200, height));
        for (const char *entry : {"label_Mac", "label_Dvorak"})
            QCOMPARE(layerMenu->findChild<QWidget *>(QLatin1String(entry))->isVisibleTo(layerMenu), macAndDvorak);
        for (const char *entry : {"label_QWERTY", "label_CleanLayer"})
            QVERIFY(layerMenu->findChild<QWidget *>(QLatin1String(entry))->isVisibleTo(layerMenu));
        page.onCloseMenuWidow();
        page.form()->pushButton_OnboardConfigMoreOperate->click();
        QCOMPARE(page.onboardLayerMenuPopup(), layerMenu.data());
        page.form()->pushButton_OnboardMoreOperate->click();
        QPointer<ArrowWidget> configMenu = page.onboardConfigMenuPopup();
        QVERIFY(configMenu);
        QCOMPARE(configMenu->size(), QSize(200, 210));
        page.form()->pushButton_OnboardMoreOperate->click();
        QCOMPARE(page.onboardConfigMenuPopup(), configMenu.data());
        QCOMPARE(page.findChildren<onboardProfileMenuToolWidget *>().size(), 2);
    }

    // Clean layer asks whether to keep the FN1 keys of the other layer.
    void cleanLayer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("cleaned");
        QTest::addColumn<QStringList>("fn1Layer");
        QTest::newRow("keep") << "Yes" << (QStringList{"-10:0:-10", "57:0:-20"})
                              << (QStringList{"-10:0:-10", "57:0:-20"});
        QTest::newRow("drop") << "No" << QStringList{"-10:0:-10"} << QStringList{"-10:0:-10"};
    }
    void cleanLayer()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, cleaned);
        QFETCH(QStringList, fn1Layer);
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        m_store.addKeyInfo(page.onboardFn1FilePath(), "1", "57", "Caps", "0", "1", "1", "-20");
        scriptedPagePrompts prompts;
        prompts.answerQuestion(answer);
        page.onConfigCleanLayer();
        QCOMPARE(prompts.calls(scriptedPagePrompts::Question).first().text,
                 QStringLiteral("Do you want to keep the FN1 key setting?"));
        QCOMPARE(page.notice()->text(), QStringLiteral("Clean layer successful"));
        QCOMPARE(layerItems(m_store, page.onboardDefaultFilePath(), 1), cleaned);
        QCOMPARE(layerItems(m_store, page.onboardFn1FilePath(), 1), fn1Layer);
        QCOMPARE(keyText(page, 4), QString());
    }

    // Layouts from the menu: Mac shows "Com" for the Windows key only in
    // configuration 2.
    void fastLayoutsAndCaptions()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        page.onConfigMac();
        QCOMPARE(page.notice()->text(), QStringLiteral("Fast config successful"));
        // The Mac layout puts the Windows key left of the space bar.
        QCOMPARE(keyText(page, 226), QStringLiteral("L-Win"));
        page.onProfileCreateNew();
        QCOMPARE(page.currentOnboardProfileIndex(), 2);
        page.onConfigMac();
        QCOMPARE(keyText(page, 226), QStringLiteral("L-Com"));
        // The FN1 layer shows its own captions and drops the selection.
        page.m_onboardKeyCode = 4;
        page.form()->pushButton_FN1->click();
        QCOMPARE(page.onboardLayer(), 1);
        QCOMPARE(page.m_onboardKeyCode, -1);
        QCOMPARE(keyText(page, 4), QString());
        QCOMPARE(keyText(page, -10), QStringLiteral("Fn"));
    }

    // A layer file the store cannot write: the toast says so.
    void failureIsToldAsFailure()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        QFile::remove(page.onboardDefaultFilePath());
        QVERIFY(QDir().mkpath(page.onboardDefaultFilePath()));
        page.onConfigQWERTY();
        QCOMPARE(page.notice()->text(), QStringLiteral("Fast config failed"));
        page.onProfileCreateNew();
        QCOMPARE(page.notice()->text(), QStringLiteral("Create new config failed"));
        // Nothing of the failed configuration stays: not listed, not offered,
        // and the FN1 layer that took it gave it back.
        QCOMPARE(comboNames(page.form()->comboBox_OnboardProfile), QStringList{"NewConfig1"});
        QVERIFY(!m_store.findNode(page.onboardListFilePath(), "2"));
        QVERIFY(!m_store.findNode(page.onboardFn1FilePath(), "2"));
        QCOMPARE(page.currentOnboardProfileIndex(), 1);
        // A layer that held the index before keeps what it held.
        m_store.addProfile(page.onboardFn1FilePath(), "2", "Stray", "", "", 0);
        page.onProfileCreateNew();
        QCOMPARE(page.notice()->text(), QStringLiteral("Create new config failed"));
        nodeIndexNameInfo stray;
        std::memset(&stray, 0, sizeof stray);
        QVERIFY(m_store.getNodeIndexAndName(page.onboardFn1FilePath(), "2", stray));
        QCOMPARE(fixedText(stray.name), QStringLiteral("Stray"));
    }

    // A full disk: each change of the configurations and layers says it
    // failed, and neither the files, the list nor the captions claim it.
    // The factory restore fails as well on a transport that refuses its
    // report.
    void storeFailuresAreTold_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("create new") << "create" << QStringLiteral("Create new config failed");
        QTest::newRow("clean layer") << "clean" << QStringLiteral("Clean layer failed");
        QTest::newRow("import") << "import" << QStringLiteral("Import profile failed");
        QTest::newRow("export") << "export" << QStringLiteral("Export profile failed");
        QTest::newRow("rename") << "rename" << QStringLiteral("Modify config name failed");
        QTest::newRow("set FN1") << "fn1" << QStringLiteral("Set FN1 key failed");
        QTest::newRow("delete config") << "delete" << QStringLiteral("Delete config failed");
        QTest::newRow("factory restore") << "restore" << QStringLiteral("Restore the factory settings failed");
        QTest::newRow("factory restore, report refused")
            << "refused" << QStringLiteral("Restore the factory settings failed");
    }
    void storeFailuresAreTold()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        scriptedPagePrompts prompts;
        QTemporaryDir out;
        QTemporaryDir sources;
        QComboBox *box = page.form()->comboBox_OnboardProfile;
        page.onProfileCreateNew();
        box->setCurrentIndex(box->findText("NewConfig1"));
        // The configuration an import would bring, and an FN1 key to clean.
        prompts.answerFolder(out.path());
        page.onProfileExport();
        const QString exported = QDir(out.path()).filePath(QDir(out.path()).entryList(QDir::Files).value(0));
        QVERIFY(QFileInfo(exported).isFile());
        const QString importable = sources.filePath(QStringLiteral("import.xml"));
        QVERIFY(QFile::rename(exported, importable));
        m_store.addKeyInfo(page.onboardDefaultFilePath(), "1", "57", "Caps", "0", "1", "1", "-20");
        page.loadOnboardLayerKeyTexts();
        page.onOnboardKeyboardClicked(30, QStringLiteral("1"));
        const QStringList names = comboNames(box);
        const QStringList captions = keyTexts(page);
        const QStringList files{page.onboardListFilePath(), page.onboardDefaultFilePath(), page.onboardFn1FilePath()};
        QList<QByteArray> before;
        for (const QString &file : files)
            before << onboardTestFiles::contents(file);
        m_devices.at(0)->clearOutputs();
        page.notice()->showNotice(QString());

        {
            std::unique_ptr<FailingSaves> failing;
            if (action == QLatin1String("refused"))
                page.m_currentHidInterface->hidClose();
            else
                failing.reset(new FailingSaves(SaveFailure::DiskFull, QFileInfo(files.first()).path()));
            if (action == QLatin1String("create")) {
                page.onProfileCreateNew();
            } else if (action == QLatin1String("clean")) {
                prompts.answerQuestion(QStringLiteral("No"));
                page.onConfigCleanLayer();
            } else if (action == QLatin1String("import")) {
                prompts.answerOpenFile(importable);
                page.onProfileImport();
            } else if (action == QLatin1String("export")) {
                prompts.answerFolder(out.path());
                page.onProfileExport();
            } else if (action == QLatin1String("rename")) {
                page.onProfileModifyName();
                page.form()->lineEdit_OnboardModifyProfileName->setText(QStringLiteral("Renamed"));
                page.form()->pushButton_OnboardSave->click();
            } else if (action == QLatin1String("fn1")) {
                page.form()->pushButton_Fn1Key->click();
            } else if (action == QLatin1String("delete")) {
                page.onProfileDelete();
            } else {
                prompts.answerQuestion(QStringLiteral("Yes"));
                page.form()->toolButton_RestoreFactorySettings->click();
            }
        }

        QCOMPARE(page.notice()->text(), message);
        QCOMPARE(comboNames(box), names);
        QCOMPARE(box->currentText(), QStringLiteral("NewConfig1"));
        QCOMPARE(page.currentOnboardProfileIndex(), 1);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        if (action == QLatin1String("refused")) {
            // The layers were restored; only the report did not go.
            QCOMPARE(layerItems(m_store, page.onboardFn1FilePath(), 1), QStringList{"-10:0:-10"});
            QCOMPARE(m_devices.at(0)->outputCount(HidCmd::Reset), 0);
            return;
        }
        QCOMPARE(keyTexts(page), captions);
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(onboardTestFiles::contents(files.at(i)), before.at(i));
    }

    void keyEditing()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        page.form()->pushButton_Fn1Key->click();
        QCOMPARE(page.notice()->text(), QStringLiteral("Please select one Key first!"));

        // Left clicks hand the key on, key 52 with its own caption.
        page.onOnboardKeyboardClicked(52, QStringLiteral("'\""));
        QCOMPARE(page.m_onboardKeyText, QStringLiteral("' \""));
        page.onOnboardKeyboardClicked(57, QStringLiteral("Caps\"Lock"));
        QCOMPARE(page.m_onboardKeyText, QStringLiteral("CapsLock"));
        page.form()->pushButton_Fn1Key->click();
        QCOMPARE(page.notice()->text(), QStringLiteral("Set FN1 key successful"));
        QCOMPARE(keyText(page, 57), QStringLiteral("FN1"));
        QVERIFY(layerItems(m_store, page.onboardFn1FilePath(), 1).contains("57:0:-20"));

        // Empty through the right-click menu: an FN1 key from both layers.
        scriptedPagePrompts prompts;
        prompts.answerMenu(QStringLiteral("Empty"));
        page.onKeyboardMouseRightKeyClicked(57, QStringLiteral("FN1"));
        QCOMPARE(prompts.calls(scriptedPagePrompts::Menu).size(), 1);
        QCOMPARE(page.notice()->text(), QStringLiteral("Empty the key successful"));
        QVERIFY(!page.m_onboardKeyMenu && !page.m_onboardEmptyAction);
        QCOMPARE(keyText(page, 57), QString());
        QVERIFY(!layerItems(m_store, page.onboardFn1FilePath(), 1).join(' ').contains("57:"));
        QVERIFY(!layerItems(m_store, page.onboardDefaultFilePath(), 1).join(' ').contains("57:"));
        // Nothing bound: no message.
        page.notice()->showNotice(QString());
        prompts.answerMenu(QStringLiteral("Empty"));
        page.onKeyboardMouseRightKeyClicked(57, QString());
        QVERIFY(page.notice()->text().isEmpty());
    }

    void factoryRestore()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        scriptedPagePrompts prompts;
        m_store.addKeyInfo(page.onboardFn1FilePath(), "1", "4", "A", "3", "1", "1", "2");
        const QByteArray before = onboardTestFiles::contents(page.onboardFn1FilePath());
        m_devices.at(0)->clearOutputs();
        prompts.answerQuestion(QStringLiteral("No"));
        page.form()->toolButton_RestoreFactorySettings->click();
        QCOMPARE(onboardTestFiles::contents(page.onboardFn1FilePath()), before);

        prompts.answerQuestion(QStringLiteral("Yes"));
        page.form()->toolButton_RestoreFactorySettings->click();
        QCOMPARE(prompts.calls(scriptedPagePrompts::Question).size(), 2); // no Clean layer question
        QCOMPARE(page.notice()->text(), QStringLiteral("Restore the factory settings successful"));
        QCOMPARE(layerItems(m_store, page.onboardFn1FilePath(), 1), QStringList{"-10:0:-10"});
        QCOMPARE(layerItems(m_store, page.onboardDefaultFilePath(), 1).size(), 132);
        QCOMPARE(page.onboardLayer(), 0);
        QVERIFY(page.form()->pushButton_Default->isChecked());
        QVERIFY(m_devices.at(0)->waitForOutputCount(HidCmd::Reset, 1, kWaitMs));
    }

    // The download from the page: controls off while it runs, the end
    // told in the toast and the status line.
    void download()
    {
        DDevicePage page;
        makePage(page, {0});
        enter(page);
        QSignalSpy progress(page.form()->label_LogMsg, &QObject::objectNameChanged);
        page.form()->toolButton_OnboardDownload->click();
        QVERIFY(page.isOnboardDownloadRunning());
        QVERIFY(page.form()->label_LogMsg->isVisibleTo(&page));
        QCOMPARE(page.form()->label_LogMsg->text(), QStringLiteral("Write Start"));
        for (QWidget *control : {static_cast<QWidget *>(page.form()->pushButton_AppMode),
                                 static_cast<QWidget *>(page.form()->comboBox_OnboardProfile),
                                 static_cast<QWidget *>(page.form()->toolButton_OnboardDownload),
                                 static_cast<QWidget *>(page.onboardPage())})
            QVERIFY(!control->isEnabled());
        // A second click does nothing while it runs.
        page.on_toolButton_OnboardDownload_clicked();
        QTRY_VERIFY_WITH_TIMEOUT(!page.isOnboardDownloadRunning(), kWaitMs);
        QCOMPARE(page.notice()->text(), QStringLiteral("Download config successful"));
        QCOMPARE(page.form()->label_LogMsg->text(), QStringLiteral("Write Over"));
        QVERIFY(page.form()->toolButton_OnboardDownload->isEnabled());
        QVERIFY(m_devices.at(0)->waitForOutputCount(HidCmd::OnboardMacro, 50, kWaitMs));
        QCOMPARE(m_devices.at(0)->outputCount(HidCmd::OnboardKeyTable), 20);

        // Unanswered: the failure is told.
        m_devices.at(0)->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());
        page.form()->toolButton_OnboardDownload->click();
        QTRY_VERIFY_WITH_TIMEOUT(!page.isOnboardDownloadRunning(), kWaitMs);
        QCOMPARE(page.notice()->text(), QStringLiteral("Download config failed, Please try again"));
        QCOMPARE(page.form()->label_LogMsg->text(), QStringLiteral("Onboard Download [Failed]"));

        // Refused before anything is sent.
        m_store.addMacro(m_macroFile, "1", "Long");
        QList<macroItemInfo> items;
        for (int i = 0; i < 42; ++i) {
            macroItemInfo item;
            std::memset(&item, 0, sizeof item);
            fixedTextCopy(item.type, "key");
            fixedTextCopy(item.keyCode, "4");
            fixedTextCopy(item.operateExplain, i % 2 ? "up" : "down");
            items << item;
        }
        m_store.addMacroItems(m_macroFile, items, "1");
        m_store.deleteKeyInfo(page.onboardDefaultFilePath(), "1", "5");
        m_store.addKeyInfo(page.onboardDefaultFilePath(), "1", "5", "B", "1", "1", "1", "1");
        m_devices.at(0)->clearOutputs();
        page.form()->toolButton_OnboardDownload->click();
        QVERIFY(!page.isOnboardDownloadRunning());
        QCOMPARE(page.notice()->text(), QStringLiteral("Macro too long: Long"));
        QTest::qWait(20);
        QCOMPARE(m_devices.at(0)->outputCount(HidCmd::OnboardKeyTable), 0);
    }

    // Unplugged during the download: it fails at once and nothing reaches
    // the other keyboard, now selected.
    void unplugDuringDownload()
    {
        DDevicePage page;
        makePage(page, {0, 3});
        enter(page);
        m_devices.at(0)->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());
        page.form()->toolButton_OnboardDownload->click();
        QVERIFY(page.isOnboardDownloadRunning());
        m_devices.at(3)->clearOutputs();
        m_devices.at(0)->unplug();
        page.loadHidDeviceList({recordOf(*m_devices.at(3))});
        page.insertOrRemoveHidDevice(false, QString());
        QVERIFY(!page.isOnboardDownloadRunning());
        QCOMPARE(page.notice()->text(), QStringLiteral("Download config failed, Please try again"));
        selectDevice(page, 3);
        QTest::qWait(500);
        QCOMPARE(m_devices.at(3)->outputCount(HidCmd::OnboardKeyTable)
                     + m_devices.at(3)->outputCount(HidCmd::OnboardMacro),
                 0);
    }

    // A download cut short while it waits for an acknowledgement: it ends
    // as failed, touches nothing freed, and the other keyboard gets none of it.
    void downloadCutShort_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("page closed") << QStringLiteral("close");
        QTest::newRow("mode left") << QStringLiteral("leave");
        QTest::newRow("other keyboard selected") << QStringLiteral("select");
        QTest::newRow("all devices closed") << QStringLiteral("closeAll");
    }
    void downloadCutShort()
    {
        QFETCH(QString, how);
        auto page = std::make_unique<DDevicePage>();
        makePage(*page, {0, 3});
        enter(*page);
        m_devices.at(0)->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());
        page->form()->toolButton_OnboardDownload->click();
        QVERIFY(page->isOnboardDownloadRunning());
        m_devices.at(3)->clearOutputs();
        if (how == QLatin1String("close")) {
            page.reset();
        } else if (how == QLatin1String("leave")) {
            page->leaveOnboardMode();
        } else if (how == QLatin1String("select")) {
            page->onHomePageDeviceItemClicked(m_devices.at(3)->path());
        } else {
            page->closeAllDevices();
            QVERIFY(!page->isOnboardDownloadRunning());
        }
        // It goes on to its own keyboard only, and ends there.
        if (page)
            QTRY_VERIFY_WITH_TIMEOUT(!page->isOnboardDownloadRunning(), kWaitMs);
        else
            QTest::qWait(900); // the download's own waits: pause and resends
        QCOMPARE(m_devices.at(3)->outputCount(HidCmd::OnboardKeyTable)
                     + m_devices.at(3)->outputCount(HidCmd::OnboardMacro),
                 0);
    }
};

QTEST_MAIN(tst_OnboardMode)
#include "tst_onboardmode.moc"
