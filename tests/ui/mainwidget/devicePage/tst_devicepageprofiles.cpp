// The device page's PC profiles on simulated devices and the real store in a
// temporary UserConfig: the list, the switch by row and by a bound key, add,
// delete, import, export, rename and reset, with the prompts scripted and
// the toasts read from the page.
#include "CbNotice.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "hidReportData.h"
#include "importedFile.h"
#include "profileTestSupport.h"
#include "profileListItem.h"
#include "scriptedPagePrompts.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"
#include "xmlSaveFailure.h"

#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DDataManager.h"
#include "DMouseLightPage.h"
#include "mouseLightDealMain.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <cstring>

// A device that does not load ends the test there.
#define ATTACH(...) QVERIFY(profileTest::attach(*m_page, __VA_ARGS__))

namespace {

using namespace profileTest;

constexpr QDir::Filters kEverything = QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot;

QStringList indexesOf(xmlInterface &xml, const QString &path)
{
    xmlIndexNameList list;
    xml.getProfileList(path, list);
    QStringList result;
    for (const auto &pair : list)
        result.append(QString::fromUtf8(pair.first));
    return result;
}

// The commands of the settings reports the page sent, in order (the
// transport's own handshakes and the link's key relays left out).
QByteArray settingsSent(const SimulatedDevice &device)
{
    static const QByteArray settings = QByteArray::fromHex("07080914414246");
    QByteArray commands;
    for (const hidReportData &report : device.outputReports()) {
        if (settings.contains(char(report[1])))
            commands.append(char(report[1]));
    }
    return commands;
}

} // namespace

class tst_DevicePageProfiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_data;
    QTemporaryDir m_files; // the user's own folders: export and import
    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    xmlInterface m_xml;
    DDevicePage *m_page = nullptr;
    scriptedPagePrompts *m_prompts = nullptr;

    Ui_DDevicePage *ui() const { return m_page->form(); }
    QString file() const { return m_page->proFilePath(); }
    QString toast() const { return m_page->notice()->text(); }

    DDeviceKeyboardLink *linkOf(const SimulatedDevice &device) const
    {
        return m_page->getDeviceLinkMap().value(device.path());
    }

    // Gives the file the profiles, each named "P<index>", `current` current,
    // and opens the profile panel.
    void setProfiles(const QList<int> &indexes, int current, int deviceType = 0)
    {
        for (const QString &index : indexesOf(m_xml, file()))
            m_xml.deleteNode(file(), index.toUtf8());
        for (int index : indexes) {
            const QByteArray key = QByteArray::number(index);
            m_xml.addProfile(file(), key, "P" + key, "", "", deviceType);
            // One light item per zone for the selected effect 2, as a new
            // profile gets.
            for (int zone = 0; zone < 3; ++zone) {
                colorInfoData light{};
                light.ledKeyboardOrSide = zone;
                light.ledType = 2;
                light.ledBrightness = 3;
                light.ledSpeed = 3;
                light.ledModeR = 255;
                light.ledModeType = 1;
                m_xml.addLightInfo(file(), key, light);
            }
        }
        m_xml.setProfileIndex(file(), current);
        m_page->loadProfileList(0);
    }

    QList<profileListItem *> rows() const
    {
        QList<profileListItem *> list;
        QLayout *layout = ui()->verticalLayout_30;
        for (int i = 0; i < layout->count(); ++i) {
            if (auto *row = qobject_cast<profileListItem *>(layout->itemAt(i)->widget()))
                list.append(row);
        }
        return list;
    }
    QStringList rowIndexes() const
    {
        QStringList list;
        for (profileListItem *row : rows())
            list.append(row->getProfileIndex());
        return list;
    }
    profileListItem *row(const QString &index) const
    {
        for (profileListItem *r : rows()) {
            if (r->getProfileIndex() == index)
                return r;
        }
        return nullptr;
    }
    void press(profileListItem *r) { QTest::mousePress(r, Qt::LeftButton); }
    // Forgets what the device got so far, once what the page queued for it
    // has been written: a late writer would count it as the next action's.
    void clearOutputs(SimulatedDevice &device) const
    {
        if (DDeviceKeyboardLink *link = linkOf(device)) {
            if (MainHidInterFace *hid = link->getHidInterface())
                hid->waitForCommandsWritten(5000);
        }
        device.clearOutputs();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid() && m_files.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        qputenv("XDG_DESKTOP_DIR", m_files.path().toLocal8Bit());
    }
    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
        m_mouse = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
        m_page = new DDevicePage;
        m_page->resize(1200, 790);
        m_page->setMacroFileAndXmlInterface(QString(m_data.path() + QStringLiteral("/macro.xml")).toLocal8Bit().constData(),
                                            &m_xml);
        m_prompts = new scriptedPagePrompts;
    }
    void cleanup()
    {
        delete m_prompts;
        m_prompts = nullptr;
        m_page->closeAllDevices();
        delete m_page;
        m_page = nullptr;
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_backend.reset();
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
        for (const QFileInfo &entry : QDir(m_files.path()).entryInfoList(kEverything)) {
            if (entry.isDir())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    }

    // --- Add ---------------------------------------------------------------

    void addTakesTheNextIndex_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QList<int>>("profiles");
        QTest::addColumn<QString>("added");
        QTest::newRow("keyboard after a gap") << false << QList<int>{1, 2, 5} << QStringLiteral("6");
        QTest::newRow("keyboard, none yet") << false << QList<int>{} << QStringLiteral("2");
        QTest::newRow("mouse after a gap") << true << QList<int>{1, 2, 5} << QStringLiteral("6");
    }
    void addTakesTheNextIndex()
    {
        QFETCH(bool, mouse);
        QFETCH(QList<int>, profiles);
        QFETCH(QString, added);
        ATTACH({mouse ? m_mouse.get() : m_keyboard.get()});
        setProfiles(profiles, profiles.value(0, 1), mouse ? 1 : 0);
        const QString label = ui()->label_currentProfileName->text();

        ui()->pushButton_Add->click();
        QCOMPARE(toast(), QStringLiteral("Add profile successful"));
        QStringList expected;
        for (int index : profiles)
            expected.append(QString::number(index));
        expected.append(added);
        QCOMPARE(indexesOf(m_xml, file()), expected);
        QCOMPARE(rowIndexes(), expected);
        profileInfo info{};
        QVERIFY(m_xml.getProfileInfo(file(), added.toUtf8(), info));
        QCOMPARE(QString::fromUtf8(info.name), QStringLiteral("Profile") + added);
        // The defaults of the device's type.
        colorInfoData light{};
        for (int zone = 0; zone < 3; ++zone)
            QVERIFY(m_xml.getLightInfo(file(), added.toUtf8(), zone, 2, light));
        QList<dpiConfigInfo> levels;
        m_xml.getDpiList(file(), added.toUtf8(), levels);
        QCOMPARE(levels.size(), mouse ? 6 : 0);
        // The current profile stays.
        QCOMPARE(m_xml.getProfileIndex(file()), profiles.value(0, 1));
        QCOMPARE(ui()->label_currentProfileName->text(), label);
    }

    // The file gone: made as the device load makes it, for the device's type.
    void addWithoutAFileMakesTheFirstProfile_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("keyboard") << false;
        QTest::newRow("mouse") << true;
    }
    void addWithoutAFileMakesTheFirstProfile()
    {
        QFETCH(bool, mouse);
        ATTACH({mouse ? m_mouse.get() : m_keyboard.get()});
        QVERIFY(QFile::remove(file()));
        ui()->pushButton_Add->click();
        QCOMPARE(indexesOf(m_xml, file()), QStringList{"1"});
        QCOMPARE(rowIndexes(), QStringList{"1"});
        profileInfo info{};
        QVERIFY(m_xml.getProfileInfo(file(), "1", info));
        QCOMPARE(QByteArray(info.name), QByteArray("Profile1"));
        QCOMPARE(QByteArray(info.proFileAppName), QByteArray());
        colorInfoData light{};
        QVERIFY(m_xml.getLightInfo(file(), "1", 0, 2, light));
        QList<dpiConfigInfo> levels;
        m_xml.getDpiList(file(), "1", levels);
        QCOMPARE(levels.size(), mouse ? 6 : 0);
        QCOMPARE(toast(), QStringLiteral("Add profile successful"));
    }

    // --- Delete ------------------------------------------------------------

    void deletingTheOnlyProfileIsRefused()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1}, 1);
        const QByteArray before = bytesOf(file());
        rows().first()->onProfileDelete();
        QCOMPARE(toast(), QStringLiteral("Need keep at least one profile"));
        QCOMPARE(bytesOf(file()), before);
        QCOMPARE(rowIndexes(), QStringList{"1"});
    }

    void deletingAnotherProfileTakesOnlyItsRow()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2, 3}, 2);
        press(row("2"));
        clearOutputs(*m_keyboard);
        row("3")->onProfileDelete();
        QCOMPARE(toast(), QStringLiteral("Delete profile successful"));
        QCOMPARE(rowIndexes(), (QStringList{"1", "2"}));
        QCOMPARE(indexesOf(m_xml, file()), (QStringList{"1", "2"}));
        QCOMPARE(m_xml.getProfileIndex(file()), 2);
        QCOMPARE(ui()->label_currentProfileName->text(), QStringLiteral("P2"));
        QTest::qWait(50);
        QCOMPARE(m_keyboard->outputCount(HidCmd::KeyLightEffect), 0);
    }

    // A full disk: the delete says it failed and the row, the file and the
    // current profile stay.
    void deleteFailureIsTold_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::newRow("another profile") << "3";
        QTest::newRow("the current profile") << "2";
    }
    void deleteFailureIsTold()
    {
        QFETCH(QString, deleted);
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2, 3}, 2);
        press(row("2"));
        const QByteArray before = bytesOf(file());
        {
            const FailingSaves failing(SaveFailure::DiskFull, QFileInfo(file()).path());
            row(deleted)->onProfileDelete();
        }
        QCOMPARE(toast(), QStringLiteral("Delete profile failed"));
        QCOMPARE(bytesOf(file()), before);
        QCOMPARE(rowIndexes(), (QStringList{"1", "2", "3"}));
        QCOMPARE(ui()->label_currentProfileName->text(), QStringLiteral("P2"));
    }

    void deletingTheCurrentProfileMakesTheLowestCurrent()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2, 3}, 2);
        press(row("2"));
        clearOutputs(*m_keyboard);
        row("2")->onProfileDelete();
        QCOMPARE(rowIndexes(), (QStringList{"1", "3"}));
        QCOMPARE(m_xml.getProfileIndex(file()), 1);
        QCOMPARE(ui()->label_currentProfileName->text(), QStringLiteral("P1"));
        QCOMPARE(ui()->textEdit_profileName->toPlainText(), QStringLiteral("P1"));
        // Its settings reloaded and sent.
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::SideLightEffect, 1, kWaitMs));
        // OK now names the new current profile.
        ui()->textEdit_profileName->setPlainText(QStringLiteral("First"));
        ui()->pushButton_OK->click();
        profileInfo info{};
        m_xml.getProfileInfo(file(), "1", info);
        QCOMPARE(QByteArray(info.name), QByteArray("First"));
    }

    // --- Import and export -------------------------------------------------

    void importTakesTheLastProfileOfTheFile()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        const QString source = m_files.filePath(QStringLiteral("shared.xml"));
        m_xml.createXmlFile(source);
        m_xml.addProfile(source, "1", "One", "", "", 0);
        m_xml.addProfile(source, "3", "Three & <more>", "/usr/bin/three", "", 0);
        m_prompts->answerOpenFile(source);

        ui()->pushButton_Import->click();
        QCOMPARE(toast(), QStringLiteral("Import profile successful"));
        QCOMPARE(rowIndexes(), (QStringList{"1", "2", "3"}));
        QCOMPARE(row("3")->getProfileName(), QStringLiteral("Three & <more>"));
        QCOMPARE(m_xml.getProfileIndex(file()), 1);
        const scriptedPagePrompts::Call call = m_prompts->calls().last();
        QCOMPARE(call.kind, scriptedPagePrompts::OpenFile);
        QCOMPARE(call.title, QStringLiteral("Open profile file"));
        QCOMPARE(call.filter, QStringLiteral("Profile files(*.xml)"));
        QCOMPARE(call.startFolder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    }

    void importRefusesWhatIsNotAProfileFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << QByteArray() << QStringLiteral("Please select import file first");
        QTest::newRow("garbage") << QByteArray("PK\x03\x04 not xml") << QStringLiteral("The file is not a profile file");
        QTest::newRow("no profile") << QByteArray("<?xml version=\"1.0\"?>\n<Parameters profileIndex=\"1\"/>\n")
                                    << QStringLiteral("The file is not a profile file");
        // A profile file over the macro import's limit.
        QTest::newRow("oversized") << QByteArray("<?xml version=\"1.0\"?>\n<Parameters profileIndex=\"1\">\n"
                                                 "<config index=\"1\" name=\"Big\" />")
                + QByteArray(int(importedFile::MaxSize), ' ') + QByteArray("\n</Parameters>\n")
                                   << QStringLiteral("The file is not a profile file");
    }
    void importRefusesWhatIsNotAProfileFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        if (!content.isEmpty()) {
            const QString source = m_files.filePath(QStringLiteral("bad.xml"));
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
            f.close();
            m_prompts->answerOpenFile(source);
        }
        const QByteArray before = bytesOf(file());
        ui()->pushButton_Import->click();
        QCOMPARE(toast(), message);
        QCOMPARE(bytesOf(file()), before);
    }

    void exportWritesInsideTheChosenFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << QStringLiteral("Game") << QStringLiteral("Game.xml");
        QTest::newRow("parent") << QStringLiteral("../x") << QStringLiteral(".._x.xml");
        QTest::newRow("sub folder") << QStringLiteral("a/b") << QStringLiteral("a_b.xml");
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("Profile2.xml");
        QTest::newRow("markup and non-ASCII") << QStringLiteral("R&D \"Ärger\" <日本>")
                                              << QStringLiteral("R&D \"Ärger\" <日本>.xml");
    }
    void exportWritesInsideTheChosenFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, fileName);
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        m_xml.setProfileInfo(file(), "2", name.toUtf8(), "", "");
        m_page->loadProfileList(0);
        const QString folder = m_files.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        m_prompts->answerFolder(folder);
        m_prompts->answerFolder(folder);
        row("2")->onProfileExport();
        row("2")->onProfileExport();
        QCOMPARE(toast(), QStringLiteral("Export profile successful"));

        QCOMPARE(QDir(folder).entryList(kEverything), QStringList{fileName});
        const QByteArray written = bytesOf(folder + QLatin1Char('/') + fileName);
        QCOMPARE(written.count("<config "), 2);
        QCOMPARE(QDir(m_files.path()).entryList(kEverything), QStringList{"out"});
        xmlIndexNameList copies;
        QVERIFY(m_xml.getProfileList(folder + QLatin1Char('/') + fileName, copies));
        QCOMPARE(QString::fromUtf8(copies.first().second), name);
        const scriptedPagePrompts::Call call = m_prompts->calls().first();
        QCOMPARE(call.title, QStringLiteral("Save directory"));
        QCOMPARE(call.startFolder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    }

    void exportCancelledOrFailedWritesNothing()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        row("2")->onProfileExport(); // nothing queued: Cancel
        QCOMPARE(toast(), QStringLiteral("Please select save directory first"));
        m_prompts->answerFolder(m_files.filePath(QStringLiteral("gone")));
        row("2")->onProfileExport();
        QCOMPARE(toast(), QStringLiteral("Export profile failed"));
        QCOMPARE(QDir(m_files.path()).entryList(kEverything), QStringList());
    }

    // --- Edit area ---------------------------------------------------------

    void okStoresNameAndProgram_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stored");
        const QString odd = QStringLiteral("R&D <\"one\">\nzwei Ärger 日本");
        QTest::newRow("plain") << QStringLiteral("Game") << QStringLiteral("/usr/bin/game")
                               << QStringLiteral("Modify profile info successful") << true;
        QTest::newRow("markup, quotes, line break, non-ASCII") << odd << QStringLiteral("/opt/ä&b")
                                                              << QStringLiteral("Modify profile info successful") << true;
        QTest::newRow("empty name") << QString() << QStringLiteral("/usr/bin/game")
                                    << QStringLiteral("Profile name can't empty") << false;
        QTest::newRow("name too long") << QString(64, QChar(0x00e4)) << QString()
                                       << QStringLiteral("Profile name or path too long") << false;
        QTest::newRow("path too long") << QStringLiteral("Game") << QString(256, QLatin1Char('p'))
                                       << QStringLiteral("Profile name or path too long") << false;
    }
    void okStoresNameAndProgram()
    {
        QFETCH(QString, name);
        QFETCH(QString, program);
        QFETCH(QString, message);
        QFETCH(bool, stored);
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 2);
        m_xml.setProfileInfo(file(), "2", "P2", "/old", "ico");
        press(row("2"));
        const QByteArray before = bytesOf(file());

        ui()->textEdit_profileName->setPlainText(name);
        ui()->textEdit_profileLinkProgram->setPlainText(program);
        ui()->pushButton_OK->click();
        QCOMPARE(toast(), message);
        if (!stored) {
            QCOMPARE(bytesOf(file()), before);
            return;
        }
        profileInfo info{};
        QVERIFY(m_xml.getProfileInfo(file(), "2", info));
        QCOMPARE(QString::fromUtf8(info.name), name);
        QCOMPARE(QString::fromUtf8(info.proFileAppName), program);
        QCOMPARE(QByteArray(info.proFileAppIco), QByteArray());
        QCOMPARE(ui()->label_currentProfileName->text(), name);
        QCOMPARE(row("2")->getProfileName(), name);
        QCOMPARE(ui()->textEdit_profileName->toPlainText(), name);
    }

    void programDialogFillsTheEditArea()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1}, 1);
        const QString program = m_files.filePath(QStringLiteral("game"));
        QFile f(program);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        ui()->textEdit_profileLinkProgram->setPlainText(QStringLiteral("/before"));
        const QByteArray before = bytesOf(file());

        QMetaObject::invokeMethod(m_page, "on_pushButton_selectAppPath_clicked"); // cancelled
        m_prompts->answerOpenFile(m_files.filePath(QStringLiteral("missing")));
        QMetaObject::invokeMethod(m_page, "on_pushButton_selectAppPath_clicked");
        QCOMPARE(ui()->textEdit_profileLinkProgram->toPlainText(), QStringLiteral("/before"));
        m_prompts->answerOpenFile(program);
        QMetaObject::invokeMethod(m_page, "on_pushButton_selectAppPath_clicked");
        QCOMPARE(ui()->textEdit_profileLinkProgram->toPlainText(), program);
        QCOMPARE(bytesOf(file()), before); // stored only by OK

        const scriptedPagePrompts::Call call = m_prompts->calls().first();
        QCOMPARE(call.title, QStringLiteral("Select exe"));
        QCOMPARE(call.filter, QStringLiteral("App(*)"));
        QCOMPARE(call.startFolder, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    }

    // --- Failures ----------------------------------------------------------

    // A profile file the store can no longer read: every change says it
    // failed instead of claiming success.
    void failuresAreTold_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("add") << "add" << QStringLiteral("Add profile failed");
        QTest::newRow("ok") << "ok" << QStringLiteral("Modify profile info failed");
        QTest::newRow("import") << "import" << QStringLiteral("Import profile failed");
        QTest::newRow("export") << "export" << QStringLiteral("Export profile failed");
        QTest::newRow("reset") << "reset" << QStringLiteral("Reset the current profile failed");
    }
    void failuresAreTold()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        const QString source = m_files.filePath(QStringLiteral("source.xml"));
        m_xml.createXmlFile(source);
        m_xml.addProfile(source, "1", "One", "", "", 0);
        profileListItem *second = row("2");
        QFile broken(file());
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("<Parameters profileIndex=\"1\"><config index=");
        broken.close();

        if (action == QLatin1String("add")) {
            ui()->pushButton_Add->click();
        } else if (action == QLatin1String("ok")) {
            ui()->textEdit_profileName->setPlainText(QStringLiteral("New"));
            ui()->pushButton_OK->click();
        } else if (action == QLatin1String("import")) {
            m_prompts->answerOpenFile(source);
            ui()->pushButton_Import->click();
        } else if (action == QLatin1String("export")) {
            m_prompts->answerFolder(m_files.path());
            second->onProfileExport();
        } else {
            m_prompts->answerQuestion(0);
            m_page->onResetoreCurrentProfile();
        }
        QCOMPARE(toast(), message);
        QCOMPARE(bytesOf(file()), QByteArray("<Parameters profileIndex=\"1\"><config index="));
        QCOMPARE(QDir(m_files.path()).entryList(QDir::Files), QStringList{"source.xml"});
    }

    // --- Reset -------------------------------------------------------------

    void resetAnsweredNoChangesNothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << 1;
        QTest::newRow("closed") << -1;
    }
    void resetAnsweredNoChangesNothing()
    {
        QFETCH(int, answer);
        ATTACH({m_keyboard.get()});
        const QByteArray before = bytesOf(file());
        QTest::qWait(50);
        clearOutputs(*m_keyboard);
        m_prompts->answerQuestion(answer);
        m_page->onResetoreCurrentProfile();
        QTest::qWait(50);
        QCOMPARE(bytesOf(file()), before);
        QCOMPARE(settingsSent(*m_keyboard), QByteArray());
        const scriptedPagePrompts::Call call = m_prompts->calls().first();
        QCOMPARE(call.title, QStringLiteral("Tip"));
        QCOMPARE(call.text, QStringLiteral("Whether to reset the current profile?"));
        QCOMPARE(call.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    }

    void resetRestoresTheDefaults_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sideEffect");
        QTest::newRow("keyboard") << QStringLiteral("Quissaro") << 2;
        QTest::newRow("side-breath keyboard") << QStringLiteral("Varrowen") << 1;
    }
    void resetRestoresTheDefaults()
    {
        QFETCH(QString, model);
        QFETCH(int, sideEffect);
        auto keyboard = m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
        ATTACH({keyboard.get()});
        setProfiles({1, 4}, 4);
        m_page->onCustomEventChangProfile(4);
        m_xml.setProfileInfo(file(), "4", "Mine", "/usr/bin/game", "ico");
        m_xml.addKeyInfo(file(), "4", "4", "A", "0", "1", "0", "5");
        m_xml.setLightUsingIndex(file(), "4", 0, 5);
        QTest::qWait(50);
        clearOutputs(*keyboard);

        m_prompts->answerQuestion(0);
        m_page->onResetoreCurrentProfile();
        QCOMPARE(toast(), QStringLiteral("Reset the current profile successful"));
        QCOMPARE(indexesOf(m_xml, file()), (QStringList{"1", "4"}));
        profileInfo info{};
        QVERIFY(m_xml.getProfileInfo(file(), "4", info));
        QCOMPARE(QByteArray(info.name), QByteArray("Mine"));
        QCOMPARE(QByteArray(info.proFileAppName), QByteArray());
        QVERIFY(!m_xml.hasKeyInfo(file(), "4", "4"));
        QCOMPARE(m_xml.getLightUsingIndex(file(), "4", 0), 2);
        QCOMPARE(m_xml.getLightUsingIndex(file(), "4", 1), sideEffect);
        colorInfoData light{};
        QVERIFY(m_xml.getLightInfo(file(), "4", 1, sideEffect, light));
        // The reloaded effects, then the reset report.
        QVERIFY(keyboard->waitForOutputCount(HidCmd::Reset, 1, kWaitMs));
        const QByteArray commands = settingsSent(*keyboard);
        QVERIFY2(commands.contains(char(HidCmd::KeyLightEffect)), commands.toHex().constData());
        QVERIFY(commands.indexOf(char(HidCmd::KeyLightEffect)) < commands.indexOf(char(HidCmd::Reset)));
        QVERIFY(commands.indexOf(char(HidCmd::SideLightEffect)) < commands.indexOf(char(HidCmd::Reset)));
        const hidReportData reset = keyboard->outputReports(HidCmd::Reset).first();
        hidReportData expected{};
        expected[0] = 0x01;
        expected[1] = 0x14;
        expected[6] = 0x01;
        QVERIFY(reset == expected);
    }

    void resetOnAClosedDeviceSaysItFailed()
    {
        ATTACH({m_keyboard.get()});
        linkOf(*m_keyboard)->getHidInterface()->hidClose();
        m_prompts->answerQuestion(0);
        m_page->onResetoreCurrentProfile();
        QCOMPARE(toast(), QStringLiteral("Reset the current profile failed"));
    }

    // --- Switch by row -----------------------------------------------------

    void rowSwitchMakesTheProfileCurrent()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2, 3}, 1);
        m_xml.setProfileInfo(file(), "2", "P2", "/usr/bin/two", "");
        ui()->stackedWidget_Customize->setCurrentWidget(ui()->page_Macro);
        QTest::qWait(50);
        clearOutputs(*m_keyboard);

        press(row("2"));
        QCOMPARE(m_xml.getProfileIndex(file()), 2);
        QCOMPARE(ui()->label_currentProfileName->text(), QStringLiteral("P2"));
        QCOMPARE(ui()->textEdit_profileName->toPlainText(), QStringLiteral("P2"));
        QCOMPARE(ui()->textEdit_profileLinkProgram->toPlainText(), QStringLiteral("/usr/bin/two"));
        QCOMPARE(ui()->stackedWidget_Tool->currentWidget(), ui()->page_Performance);
        QVERIFY(ui()->pushButton_Performance->isChecked());
        QCOMPARE(ui()->stackedWidget_Customize->currentWidget(), ui()->page_Default);
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));

        // The same row again: nothing.
        QTest::qWait(50);
        clearOutputs(*m_keyboard);
        press(row("2"));
        QTest::qWait(50);
        QCOMPARE(m_keyboard->outputCount(HidCmd::KeyLightEffect), 0);
        // After a rebuild the same press reloads and re-sends.
        m_page->loadProfileList(0);
        press(row("2"));
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
    }

    void rowSwitchOnAMouse()
    {
        ATTACH({m_mouse.get()});
        setProfiles({1, 2}, 1, 1);
        QTest::qWait(50);
        clearOutputs(*m_mouse);
        press(row("2"));
        QCOMPARE(m_xml.getProfileIndex(file()), 2);
        QCOMPARE(ui()->stackedWidget_Tool->currentWidget(), ui()->page_MouseDpiConfig);
        QVERIFY(ui()->pushButton_MouseDpiConfig->isChecked());
        QVERIFY(m_mouse->waitForOutputCount(HidCmd::MouseZoneLight, 1, kWaitMs));
    }

    // The mouse's lights follow a switch, whichever way it comes: the
    // lighting page's links, the engine, the on/off state and the reports.
    // Profile 1 links Logo, profile 2 links Scroll and has its lights off.
    void mouseSwitchBringsTheProfilesLights_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("row") << QStringLiteral("row");
        QTest::newRow("bound button") << QStringLiteral("button");
        QTest::newRow("bound button, lighting tab up") << QStringLiteral("lighting");
    }
    void mouseSwitchBringsTheProfilesLights()
    {
        QFETCH(QString, way);
        ATTACH({m_mouse.get()});
        setProfiles({1, 2}, 1, 1);
        struct Lights {
            int scrollLink, logoLink, off, rate, red;
        };
        const Lights lights[] = {{0, 1, 0, 3, 10}, {1, 0, 1, 1, 100}};
        for (int p = 0; p < 2; ++p) {
            const QByteArray key = QByteArray::number(p + 1);
            for (int zone = 0; zone < 3; ++zone) {
                colorInfoData light{};
                QVERIFY(m_xml.getLightInfo(file(), key, zone, 2, light));
                light.ledModeR = lights[p].red + zone; // one red per profile and zone
                light.ledOpenOrClose = zone == 0 ? lights[p].off : 0;
                QVERIFY(m_xml.updateLightInfo(file(), key, zone, 2, light));
            }
            QVERIFY(m_xml.setLightLinkStatus(file(), key, 1, lights[p].scrollLink));
            QVERIFY(m_xml.setLightLinkStatus(file(), key, 2, lights[p].logoLink));
            QVERIFY(m_xml.setLightOpenOrClose(file(), key, lights[p].off));
            QVERIFY(m_xml.setFeature(file(), key, 0, lights[p].rate));
        }
        m_xml.addKeyInfo(file(), "1", "4", "Middle", "7", "1", "0", "2");
        DMouseLightPage *page = m_page->currentMouseLightPage();
        QVERIFY(page);
        mouseLightDealMain *engine = m_page->mouseEngine();
        auto *linkScroll = page->findChild<QPushButton *>(QStringLiteral("pushButton_LinkScroll"));
        auto *linkLogo = page->findChild<QPushButton *>(QStringLiteral("pushButton_LinkLogo"));
        QWidget *lightFrame = page->findChild<QWidget *>(QStringLiteral("frame_4"));
        QVERIFY(linkScroll && linkLogo && lightFrame);

        // Profile 1 as the starting point, as its own row loads it.
        press(row("1"));
        QCOMPARE(page->logoLinkStatus(), 1);
        QCOMPARE(page->scrollLinkStatus(), 0);
        if (way == QLatin1String("lighting")) {
            ui()->pushButton_Led->click();
            QCOMPARE(m_page->mainPageIndex(), 1);
        }
        QTest::qWait(50);
        clearOutputs(*m_mouse);

        if (way == QLatin1String("row")) {
            press(row("2"));
        } else {
            m_mouse->sendMouseState(0x04, 0);
            m_mouse->sendMouseState(0x00, 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_xml.getProfileIndex(file()), 2, kWaitMs);
        QVERIFY(m_mouse->waitForOutputCount(HidCmd::MouseReportRate, 1, kWaitMs));
        QVERIFY(linkOf(*m_mouse)->getHidInterface()->waitForCommandsWritten(kWaitMs));

        // (a) What the page shows.
        QCOMPARE(page->scrollLinkStatus(), 1);
        QCOMPARE(page->logoLinkStatus(), 0);
        QVERIFY(linkScroll->isChecked());
        QVERIFY(!linkLogo->isChecked());
        QVERIFY(engine->isScrollLinked());
        QVERIFY(!engine->isLogoLinked());
        QCOMPARE(engine->aroundZone().raw().ledModeR, 100);
        QCOMPARE(engine->scrollZone().raw().ledModeR, 101);
        QCOMPARE(engine->logoZone().raw().ledModeR, 102);
        QVERIFY(!lightFrame->isEnabled());
        QVERIFY(ui()->pushButton_LightOnOff->styleSheet().contains(QLatin1String("ledOff.png")));
        if (way == QLatin1String("lighting")) {
            // The colour panel edits the new profile.
            auto *panel = m_page->findChild<ColorWheelTool *>();
            QVERIFY(panel);
            QCOMPARE(panel->getColorInfo().ledModeR, 100);
        }

        // (b) What the mouse got last for each zone, and the report rate.
        hidReportData last[3]{};
        bool sent[3] = {};
        for (const hidReportData &report : m_mouse->outputReports(HidCmd::MouseZoneLight)) {
            const int zone = report[2];
            QVERIFY(zone >= 0 && zone < 3);
            last[zone] = report;
            sent[zone] = true;
        }
        for (int zone = 0; zone < 3; ++zone) {
            QVERIFY2(sent[zone], qPrintable(QStringLiteral("zone %1").arg(zone)));
            QCOMPARE(int(last[zone][9]), 100 + zone);
        }
        QCOMPARE(int(last[0][17]), 1); // lights off
        QCOMPARE(int(last[1][18]), 0); // Scroll linked
        QCOMPARE(int(last[2][18]), 1); // Logo on its own
        const QList<hidReportData> rates = m_mouse->outputReports(HidCmd::MouseReportRate);
        QCOMPARE(int(rates.last()[6]), 4); // rate index 1: every 4 ms
    }

    // --- Switch by a bound key ---------------------------------------------

    void boundKeySwitchesItsOwnDevice()
    {
        ATTACH({m_keyboard.get()});
        setProfiles({1, 2}, 1);
        m_xml.addKeyInfo(file(), "1", "4", "A", "7", "1", "0", "2");
        QTest::qWait(50);
        clearOutputs(*m_keyboard);

        m_keyboard->sendKeyState(0, {4});
        m_keyboard->sendKeyState(0, {});
        QTRY_COMPARE_WITH_TIMEOUT(m_xml.getProfileIndex(file()), 2, kWaitMs);
        QCOMPARE(ui()->label_currentProfileName->text(), QStringLiteral("P2"));
        QCOMPARE(ui()->textEdit_profileName->toPlainText(), QStringLiteral("P2"));
        QVERIFY(m_keyboard->waitForOutputCount(HidCmd::KeyLightEffect, 1, kWaitMs));
        // OK now acts on the profile in use.
        ui()->textEdit_profileName->setPlainText(QStringLiteral("Two"));
        ui()->pushButton_OK->click();
        profileInfo info{};
        m_xml.getProfileInfo(file(), "2", info);
        QCOMPARE(QByteArray(info.name), QByteArray("Two"));
    }

    void boundMouseButtonSwitches()
    {
        ATTACH({m_mouse.get()});
        setProfiles({1, 2}, 1, 1);
        m_xml.addKeyInfo(file(), "1", "4", "Middle", "7", "1", "0", "2");
        QTest::qWait(50);
        clearOutputs(*m_mouse);
        m_mouse->sendMouseState(0x04, 0);
        m_mouse->sendMouseState(0x00, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_xml.getProfileIndex(file()), 2, kWaitMs);
        QVERIFY(m_mouse->waitForOutputCount(HidCmd::MouseZoneLight, 1, kWaitMs));
    }

    // A keyboard's switch key while the mouse is on show: the keyboard's own
    // file and link change, and nothing goes to the mouse.
    void switchKeyOfAnotherDeviceStaysWithIt()
    {
        ATTACH({m_keyboard.get(), m_mouse.get()}, 0);
        const QString keyboardFile = file();
        setProfiles({1, 2}, 1);
        m_xml.addKeyInfo(keyboardFile, "1", "4", "A", "7", "1", "0", "2");
        m_page->onHomePageDeviceItemClicked(m_mouse->path());
        QTRY_VERIFY_WITH_TIMEOUT(file() != keyboardFile && QFileInfo(file()).isFile(), kWaitMs);
        const QString mouseFile = file();
        setProfiles({1, 2}, 1, 1);
        const QByteArray mouseBefore = bytesOf(mouseFile);
        const QString label = ui()->label_currentProfileName->text();
        QTest::qWait(50);
        clearOutputs(*m_mouse);

        m_keyboard->sendKeyState(0, {4});
        m_keyboard->sendKeyState(0, {});
        QTRY_COMPARE_WITH_TIMEOUT(m_xml.getProfileIndex(keyboardFile), 2, kWaitMs);
        QTest::qWait(50);
        QCOMPARE(bytesOf(mouseFile), mouseBefore);
        QCOMPARE(ui()->label_currentProfileName->text(), label);
        QCOMPARE(settingsSent(*m_mouse), QByteArray());
        // The keyboard's link looks bindings up in profile 2 now: its key no
        // longer switches (profile 2 binds nothing).
        m_xml.setProfileIndex(keyboardFile, 1);
        m_keyboard->sendKeyState(0, {4});
        m_keyboard->sendKeyState(0, {});
        QTest::qWait(100);
        QCOMPARE(m_xml.getProfileIndex(keyboardFile), 1);
    }

    void switchToAMissingProfileIsIgnored_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("keyboard") << false;
        QTest::newRow("mouse") << true;
    }
    void switchToAMissingProfileIsIgnored()
    {
        QFETCH(bool, mouse);
        SimulatedDevice *device = mouse ? m_mouse.get() : m_keyboard.get();
        ATTACH({m_keyboard.get(), m_mouse.get()}, mouse ? 1 : 0);
        setProfiles({1, 2}, 1, mouse ? 1 : 0);
        m_xml.addKeyInfo(file(), "1", "4", "A", "7", "1", "0", "9");
        const QByteArray before = bytesOf(file());
        QTest::qWait(50);
        clearOutputs(*device);
        if (mouse) {
            m_mouse->sendMouseState(0x04, 0);
            m_mouse->sendMouseState(0x00, 0);
        } else {
            m_keyboard->sendKeyState(0, {4});
            m_keyboard->sendKeyState(0, {});
        }
        QTest::qWait(150);
        QCOMPARE(bytesOf(file()), before);
        QCOMPARE(settingsSent(*device), QByteArray());
    }
};

QTEST_MAIN(tst_DevicePageProfiles)
#include "tst_devicepageprofiles.moc"
