// The device page's key routing, labels and mouse reports, driven on the
// real page with simulated keyboards and mice.

#include "CbNotice.h"
#include "CustomButton.h"
#include "DChangeKeyPage.h"
#include "DKeyDisablePage.h"
#include "DMousePage.h"
#include "DOnboardPage.h"
#include "SoftKeyboardButCustom.h"
#include "DmouseConfigView.h"
#include "DDataManager.h"
#include "DCustomEventListItem.h"
#include "DCustomEventListPage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "ui_DDevicePage.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DKeyCombinationPage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyRouting.h"
#include "mouseKeySender.h"
#include "mouseReports.h"
#include "scriptedPagePrompts.h"
#include "xmlInterface.h"
#include "xmlSaveFailure.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cstring>

namespace {

constexpr int kWaitMs = 5000;
constexpr int kForwardCode = 16;
constexpr int kDpiCode = 32;
constexpr int kSniperFunction = 7;

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

dpiConfigInfo level(int index, int dpi, int r, int g, int b)
{
    return dpiConfigInfo{1, index, 0, dpi, dpi, r, g, b};
}

// A mouse profile as a new profile holds it: six levels, level 3 active.
void writeMouseProfile(xmlInterface &xml, const QString &path)
{
    xml.createXmlFile(path);
    xml.addProfile(path, "1", "Profile1", "", "", 1);
    const QList<dpiConfigInfo> levels = {level(1, 800, 255, 0, 0),   level(2, 1500, 255, 255, 0),
                                         level(3, 2200, 0, 255, 0),  level(4, 2900, 0, 255, 255),
                                         level(5, 3600, 0, 0, 255),  level(6, 600, 128, 0, 255)};
    for (const dpiConfigInfo &l : levels)
        xml.addDpiInfo(path, "1", l);
    xml.setDpiUsingIndex(path, "1", 3);
    xml.setFeature(path, "1", 0, 2);
}

} // namespace

// Page of stackedWidget_Customize by key-function id.
const char *const kFunctionPages[] = {"page_Default",     "page_Macro",          "page_RemapKey", "page_Mouse",
                                      "page_Text",        "page_Disable",        "page_Multimedia",
                                      "page_CombinationKey", "page_OpenApp",     "page_Shortcuts",
                                      "page_SwitchProfile"};

QString shownFunctionPage(DDevicePage &page)
{
    return page.form()->stackedWidget_Customize->currentWidget()->objectName();
}

QStringList layerItems(xmlInterface &store, const QString &file)
{
    QList<customKeyInfo> list;
    store.getKeyInfoList(file, "1", list);
    QStringList result;
    for (const customKeyInfo &info : list)
        result << QStringLiteral("%1:%2:%3").arg(fixedText(info.keyCode), fixedText(info.operateType),
                                                 fixedText(info.Value));
    return result;
}

QString onboardCaption(DDevicePage &page, int code)
{
    SoftKeyboardButCustom *button = page.onboardPage()->getKeyButtonMap().value(code);
    return button ? button->getKeyText() : QStringLiteral("<no key>");
}

QString translationFile(const QString &language)
{
    return qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation/%1.qm").arg(language);
}

// What is picked before a language change.
enum Pick { KeyboardKey, MouseButton, OnboardKey };

// The key name a function page shows; a shortened one is whole in its tool tip.
QString keyCaptionOf(QWidget *functionPage)
{
    const QLabel *label = functionPage->findChild<QLabel *>(QStringLiteral("label_KeyChar"));
    return label->text().contains(QChar(0x2026)) ? label->toolTip() : label->text();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class tst_DevicePageKeys : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_keyboard;
    std::shared_ptr<SimulatedDevice> m_mouse;
    QTemporaryDir m_dir;
    xmlInterface m_xml;
    QString m_mouseFile;
    QString m_macroFile;

    // The link of a device, ready, its own profile given, its mouse
    // signals reaching the page as the page connects them.
    DDeviceKeyboardLink *readyLink(DDevicePage &page, const SimulatedDevice &device)
    {
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(device.path());
        if (!link || !QTest::qWaitFor([link] { return link->isInitFinished(); }, kWaitMs))
            return nullptr;
        if (device.config().deviceType == 1) {
            link->setProFileInfo(&m_xml, m_mouseFile.toLocal8Bit().constData());
            link->setCurProFileIndex(1);
        }
        connect(link, SIGNAL(sigMouseTriggeredDPIkey()), &page, SLOT(onMouseTriggeredDPIkey()), Qt::UniqueConnection);
        connect(link, SIGNAL(sigMouseActivatesSniperKey(bool)), &page, SLOT(onMouseActivatesSniperKey(bool)),
                Qt::UniqueConnection);
        connect(link, SIGNAL(sigRuningMouse0x47Cmd()), &page, SLOT(onRuningMouse0x47Cmd()), Qt::UniqueConnection);
        return link;
    }

    QList<hidReportData> dpiReports(const SimulatedDevice &device) const
    {
        return device.outputReports(HidCmd::MouseDpi);
    }
    // The link's signals come through the event loop: keep it running.
    static bool waitDpiReports(const SimulatedDevice &device, int count)
    {
        return QTest::qWaitFor([&] { return device.outputCount(HidCmd::MouseDpi) >= count; }, kWaitMs);
    }

    // The page with both devices, the keyboard selected and loaded.
    bool select(DDevicePage &page, const SimulatedDevice &device)
    {
        if (page.getDeviceLinkMap().isEmpty()) {
            page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
            page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)});
        }
        emit page.sigHomePageDeviceItemClicked(device.path());
        return QTest::qWaitFor([&] { return page.isDeviceLoaded() && page.currentDevicePath() == device.path(); },
                               kWaitMs);
    }
    bool loadKeyboard(DDevicePage &page)
    {
        return select(page, *m_keyboard) && page.currentKeyboardPage();
    }
    keyboardButCustom *key(DDevicePage &page, int code)
    {
        return page.currentKeyboardPage()->getKeyButtonMap().value(code);
    }
    void bindKey(DDevicePage &page, int code, int type, const QByteArray &value, const QByteArray &profile = "1")
    {
        m_xml.deleteKeyInfo(page.proFilePath(), profile, QByteArray::number(code));
        m_xml.addKeyInfo(page.proFilePath(), profile, QByteArray::number(code), "K", QByteArray::number(type), "1",
                         "1", value);
    }
    bool loadMouse(DDevicePage &page)
    {
        return select(page, *m_mouse) && page.findChild<DMousePage *>();
    }
    QList<hidReportData> keyReports() const { return m_mouse->outputReports(HidCmd::MouseKey); }
    bool waitKeyReports(int count) const
    {
        return QTest::qWaitFor([&] { return m_mouse->outputCount(HidCmd::MouseKey) >= count; }, kWaitMs);
    }
    void addMacro(const QByteArray &index, int keyEvents, int delay)
    {
        m_xml.addMacro(m_macroFile, index, "M" + index);
        QList<macroItemInfo> items;
        for (int i = 0; i < keyEvents; ++i) {
            macroItemInfo item{};
            fixedTextCopy(item.mark, QByteArray::number(i / 2));
            fixedTextCopy(item.delay, QByteArray::number(delay));
            fixedTextCopy(item.type, QByteArray("key"));
            fixedTextCopy(item.keyCode, QByteArray::number(4 + i / 2));
            fixedTextCopy(item.operateExplain, QByteArray(i % 2 == 0 ? "down" : "up"));
            items.append(item);
        }
        m_xml.addMacroItems(m_macroFile, items, index);
    }
    QLineEdit *remapField(DDevicePage &page)
    {
        return page.findChild<DChangeKeyPage *>()->findChild<QLineEdit *>(QStringLiteral("lineEdit_changForKey"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
        m_keyboard = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Quissaro")));
        m_mouse = m_backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Bovelli")));
        // Each test starts with the devices' profile files made anew.
        QDir userConfig(DDataManager::instance()->getUserConfigPath());
        QVERIFY(userConfig.removeRecursively());
        QVERIFY(QDir().mkpath(userConfig.path()));
        m_mouseFile = m_dir.filePath(QStringLiteral("mouse.xml"));
        m_macroFile = m_dir.filePath(QStringLiteral("macro.xml"));
        writeMouseProfile(m_xml, m_mouseFile);
        m_xml.createXmlFile(m_macroFile);
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_keyboard.reset();
        m_mouse.reset();
        m_backend.reset();
    }

    // A key click shows the function page of its binding, by kind; a kind
    // outside 0..9 leaves the page shown before.
    void keyClickShowsThePageOfItsBinding_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("tool");
        QTest::newRow("no binding") << -2 << "page_Default" << "page_CustomList";
        for (int type = 0; type <= 9; ++type) {
            static const int ids[] = {2, 1, 7, 6, 3, 5, 4, 10, 8, 9};
            const int id = ids[type];
            QTest::newRow(qPrintable(QStringLiteral("kind %1").arg(type)))
                << type << QString::fromLatin1(kFunctionPages[id])
                << QString::fromLatin1(id == 2 || id == 7 ? "page_SoftKeyboard" : "page_CustomList");
        }
        QTest::newRow("kind 12") << 12 << "page_Shortcuts" << "page_CustomList";
    }
    void keyClickShowsThePageOfItsBinding()
    {
        QFETCH(int, type);
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        bindKey(page, 5, 9, "1,6"); // shows the shortcut page first
        page.onKeyboardClicked(5, QStringLiteral("B"));
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Shortcuts"));
        if (type >= -1)
            bindKey(page, 4, type, "5");
        page.onKeyboardClicked(4, QStringLiteral("A"));
        QTEST(shownFunctionPage(page), "shown");
        QTEST(page.form()->stackedWidget_Tool->currentWidget()->objectName(), "tool");
        QVERIFY(page.form()->frame_Custom->isVisibleTo(&page));
        QVERIFY(key(page, 4)->isSelected());
        QVERIFY(!key(page, 5)->isSelected());
    }

    // The caption the pages get: the apostrophe key shows both of its
    // characters, other captions lose their double quotes.
    void keyCaptionReachesThePages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("apostrophe key") << 52 << "'" << "' \"";
        QTest::newRow("quoted caption") << 4 << "\"A\"" << "A";
    }
    void keyCaptionReachesThePages()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.onKeyboardClicked(code, text);
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Default"));
        QTEST(page.findChild<DResetDefaultPage *>()->findChild<QLabel *>(QStringLiteral("label_KeyChar"))->text(),
              "caption");
    }

    // A key or mouse button picked in one language: after a language change
    // the function page and the mouse view name it in the new language.
    void keyNamesFollowTheLanguage_data()
    {
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("keyboard key, default page") << int(KeyboardKey) << 0 << "A" << "A";
        QTest::newRow("keyboard key, disable page") << int(KeyboardKey) << 5 << "A" << "A";
        QTest::newRow("mouse button, default page") << int(MouseButton) << 0 << "오른쪽 클릭" << "Правый щелчок";
        QTest::newRow("mouse button, disable page") << int(MouseButton) << 5 << "오른쪽 클릭" << "Правый щелчок";
        QTest::newRow("on-board key, default page") << int(OnboardKey) << 0 << "비어 있음" << "Пусто";
    }
    void keyNamesFollowTheLanguage()
    {
        QFETCH(int, pick);
        QFETCH(int, function);
        QTranslator korean;
        QTranslator russian;
        QVERIFY(korean.load(translationFile(QStringLiteral("Korean"))));
        QVERIFY(russian.load(translationFile(QStringLiteral("Russian"))));
        DDevicePage page;
        QVERIFY(pick == MouseButton ? loadMouse(page) : loadKeyboard(page));
        QCoreApplication::installTranslator(&korean);
        const int code = pick == MouseButton ? 2 : 4;
        if (pick == MouseButton) {
            // Bound, so that resetting it names it.
            m_xml.addKeyInfo(page.proFilePath(), "1", QByteArray::number(code), "K", "0", "1", "1", "5");
            page.onMouseButtonClicked(4);
        } else if (pick == OnboardKey) {
            page.form()->pushButton_OnboardMode->click();
            QCOMPARE(page.onboardMode(), 1);
            page.onOnboardKeyboardClicked(code, QStringLiteral("A"));
        } else {
            page.onKeyboardClicked(code, QStringLiteral("A"));
        }
        page.onCurIndexChanged_Key(function);
        QCOMPARE(shownFunctionPage(page), QString::fromLatin1(kFunctionPages[function]));
        QWidget *shown = function == 0 ? static_cast<QWidget *>(page.findChild<DResetDefaultPage *>())
                                       : page.findChild<DKeyDisablePage *>();
        QTEST(keyCaptionOf(shown), "before");

        QCoreApplication::removeTranslator(&korean);
        QCoreApplication::installTranslator(&russian);
        page.retranslateAllUI();
        QTEST(keyCaptionOf(shown), "after");
        // Shown again, and the name the mouse view gets back on a reset.
        page.onCurIndexChanged_Key(0);
        auto *reset = page.findChild<DResetDefaultPage *>();
        if (pick != OnboardKey)
            QTEST(keyCaptionOf(reset), "after");
        reset->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        QCoreApplication::removeTranslator(&russian);
        if (pick == MouseButton) {
            QVERIFY(!m_xml.hasKeyInfo(page.proFilePath(), "1", QByteArray::number(code)));
            QTEST(page.findChild<DMousePage *>()->button(4)->text(), "after");
        }
    }

    // A row of the customised-keys list picks its key as the view does.
    void customListClickActsAsAKeyClick()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        bindKey(page, 6, 3, "2");
        emit page.findChild<DCustomEventListPage *>()->sigCustomEventItemMouseClicked(6, QStringLiteral("C"));
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Multimedia"));
        QVERIFY(key(page, 6)->isSelected());
        QVERIFY(page.form()->frame_Custom->isVisibleTo(&page));
    }

    void keyFunctionNeedsAKey()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.onCurIndexChanged_Key(2);
        QCOMPARE(page.notice()->text(), QStringLiteral("Please select one Key first!"));
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Default"));
    }

    // A mouse button picked, then the keyboard loaded: the key panel holds
    // no key, so OK on the page it shows stores nothing for the button's
    // code (4, also the keyboard's A) in either device's profile.
    void deviceLoadDropsThePickedKey_data()
    {
        QTest::addColumn<int>("function");
        QTest::newRow("default page") << 0;
        QTest::newRow("remap page") << 2;
    }
    void deviceLoadDropsThePickedKey()
    {
        QFETCH(int, function);
        constexpr int kCenterClick = 5;
        constexpr int kCenterClickCode = 4;
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        bindKey(page, kCenterClickCode, 3, "2");
        const QString keyboardFile = page.proFilePath();
        QVERIFY(loadMouse(page));
        bindKey(page, kCenterClickCode, 3, "2");
        const QString mouseFile = page.proFilePath();
        const QByteArray keyboardBefore = fileBytes(keyboardFile);
        const QByteArray mouseBefore = fileBytes(mouseFile);
        page.onMouseButtonClicked(kCenterClick);
        page.onCurIndexChanged_Key(function);
        QCOMPARE(shownFunctionPage(page), QString::fromLatin1(kFunctionPages[function]));

        QVERIFY(loadKeyboard(page));
        QCOMPARE(page.proFilePath(), keyboardFile);
        // What a user does next on the page shown: a key for the remap
        // field, then OK.
        emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(true);
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 5, 1);
        QWidget *shown = page.form()->stackedWidget_Customize->currentWidget();
        shown->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        const QStringList bound = {QStringLiteral("4:3:2")};
        QCOMPARE(layerItems(m_xml, mouseFile), bound);
        QCOMPARE(layerItems(m_xml, keyboardFile), bound);
        QCOMPARE(fileBytes(mouseFile), mouseBefore);
        QCOMPARE(fileBytes(keyboardFile), keyboardBefore);
        QCOMPARE(shown->objectName(), QStringLiteral("page_Default"));
        QCOMPARE(keyCaptionOf(page.findChild<DResetDefaultPage *>()), QStringLiteral("Default"));
    }

    // Captured keys reach the remap page: hook presses on the keys tab,
    // on-screen clicks on any tab; releases and presses on the lighting tab
    // do not.
    void capturedKeysReachTheRemapPage()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.onKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(2);
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_RemapKey"));
        emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(true);
        QLineEdit *field = remapField(page);

        emit page.sigHookKeyboardRecviveStreamToDevice(0, 5, 0);
        QCOMPARE(field->text(), QString());
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 5, 1);
        QCOMPARE(field->text(), QStringLiteral("B"));

        // Off the keys tab: the profile panel.
        QTest::mouseClick(page.form()->label_currentProfileName, Qt::LeftButton);
        QCOMPARE(page.mainPageIndex(), 2);
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 6, 1);
        QCOMPARE(field->text(), QStringLiteral("B"));
        emit page.findChild<DSoftKeyboardPage *>()->sigSoftKeyboardClicked(7, QStringLiteral("D"));
        QCOMPARE(field->text(), QStringLiteral("D"));

        // Focus gone: nothing is captured.
        page.onCurIndexChangedMainPage(0);
        QCOMPARE(page.mainPageIndex(), 0);
        emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(false);
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 8, 1);
        QCOMPARE(field->text(), QStringLiteral("D"));
    }

    // Saved twice then reset: the key is marked, listed once, then neither.
    void savedKeysAreMarkedUntilReset()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.onKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(2);
        auto *remap = page.findChild<DChangeKeyPage *>();
        auto *ok = remap->findChild<QPushButton *>(QStringLiteral("pushButton_OK"));
        for (int target : {5, 6}) {
            remap->setCapturedKey(target);
            ok->click();
            QCOMPARE(page.notice()->text(), QStringLiteral("Operate successful"));
        }
        QVERIFY(key(page, 4)->isKeyAssigned());
        QCOMPARE(page.assignedKeyCodes().count(QStringLiteral("4")), 1);

        page.onCurIndexChanged_Key(0);
        page.findChild<DResetDefaultPage *>()->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        QVERIFY(!key(page, 4)->isKeyAssigned());
        QVERIFY(!page.assignedKeyCodes().contains(QStringLiteral("4")));
        QVERIFY(!m_xml.hasKeyInfo(page.proFilePath(), "1", "4"));
    }

    // A page that could not store its binding says why; nothing is marked.
    void failedSaveIsTold()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.onKeyboardClicked(4, QStringLiteral("A"));
        emit page.findChild<DChangeKeyPage *>()->sigCustomKeyInfoSaveFailed(QStringLiteral("disk full"));
        QCOMPARE(page.notice()->text(), QStringLiteral("disk full"));
        QVERIFY(!key(page, 4)->isKeyAssigned());
    }

    // An edited macro refreshes its copy only where a key of the profile in
    // use is bound to it, also after that profile changed by key.
    void macroCopiesFollowTheProfileInUse()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        const QString profileFile = page.proFilePath();
        m_xml.addProfile(profileFile, "2", "Profile2", "", "", 0);
        m_xml.addMacro(m_macroFile, "3", "Three");
        macroItemInfo item{};
        fixedTextCopy(item.mark, QByteArray("1"));
        fixedTextCopy(item.delay, QByteArray("20"));
        fixedTextCopy(item.type, QByteArray("key"));
        fixedTextCopy(item.keyCode, QByteArray("4"));
        fixedTextCopy(item.operateExplain, QByteArray("down"));
        m_xml.addMacroItems(m_macroFile, {item}, "3");

        // Not bound: the profile file stays as it is.
        const QByteArray before = fileBytes(profileFile);
        emit page.sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three"));
        QCOMPARE(fileBytes(profileFile), before);

        // Profile 2 in use (as a switch by key leaves it), bound there.
        page.loadKeyboardSettings(2);
        bindKey(page, 9, 1, "3", "2");
        emit page.sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three"));
        QList<macroItemInfo> copy;
        QVERIFY(m_xml.getBindMacroItems(profileFile, "2", "3", copy));
        QCOMPARE(copy.size(), 1);
        QVERIFY(!m_xml.getBindMacroItems(profileFile, "1", "3", copy) || copy.isEmpty());

        // The copy carries the name the macro page gives it, not the macro's.
        QVERIFY(fileBytes(profileFile).contains("<macro index=\"3\" name=\"Macro3\">"));
        QVERIFY(!fileBytes(profileFile).contains("name=\"Three\""));

        // A second edit replaces the copy.
        m_xml.addMacroItems(m_macroFile, {item}, "3");
        emit page.sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three"));
        copy.clear();
        QVERIFY(m_xml.getBindMacroItems(profileFile, "2", "3", copy));
        QCOMPARE(copy.size(), 2);
        QCOMPARE(fileBytes(profileFile).count("<macro index=\"3\""), 1);

        // On a disk with room for the file without the copy but not with the
        // longer new one, the old copy stays.
        const QString withoutCopy = m_dir.filePath(QStringLiteral("withoutCopy.xml"));
        QVERIFY(QFile::copy(profileFile, withoutCopy));
        QVERIFY(m_xml.deleteBindMacro(withoutCopy, "2", "3"));
        m_xml.addMacroItems(m_macroFile, {item}, "3");
        {
            const NearlyFullDisk disk(NearlyFullDisk::sizeOf(withoutCopy));
            emit page.sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three"));
        }
        copy.clear();
        QVERIFY(m_xml.getBindMacroItems(profileFile, "2", "3", copy));
        QCOMPARE(copy.size(), 2);
    }

    // A saved button assignment reaches the selected mouse at once.
    void buttonAssignmentReachesTheMouse_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QList<QByteArray>>("reports"); // each report's bytes 0..15, hex
        QTest::newRow("right click: left ctrl + c")
            << 4 << 2 << QByteArray("1,6") << QList<QByteArray>{"01470100003a0402" "000000000000" "e006"};
        QTest::newRow("center click: wheel down")
            << 5 << 4 << QByteArray("4") << QList<QByteArray>{"01470000003a0301000000000000ff00"};
        QTest::newRow("forward right: forward left's slot")
            << 6 << 0 << QByteArray("5") << QList<QByteArray>{"01470200003a03020000000000000500"};
        QTest::newRow("macro of 13 key events, 300 ms")
            << 4 << 1 << QByteArray("7")
            << QList<QByteArray>{"014701000038" "0500003400010000" "0410", "014701003804" "0a", "014701ffff3a05"};
    }
    void buttonAssignmentReachesTheMouse()
    {
        QFETCH(int, button);
        QFETCH(int, type);
        QFETCH(QByteArray, value);
        QFETCH(QList<QByteArray>, reports);
        DDevicePage page;
        QVERIFY(loadMouse(page));
        addMacro("7", 13, 300);
        m_mouse->clearOutputs();
        page.onMouseButtonClicked(button);
        const QByteArray code = QByteArray::number(keyRouting::mouseButton(button)->code);
        // The picture captions a code on its first button of that code.
        int shown = 0;
        while (DMousePage::buttonCode(shown) != code.toInt())
            ++shown;
        const QString caption = page.findChild<DMousePage *>()->button(shown)->text();
        m_xml.addKeyInfo(page.proFilePath(), "1", code, "K", QByteArray::number(type), "1", "1", value);
        page.onShoudUpdateKeyboard(code.toInt());
        page.onCustomKeyInfoSaveSuccessful();
        QVERIFY(waitKeyReports(reports.size()));
        const QList<hidReportData> sent = keyReports();
        QCOMPARE(sent.size(), reports.size());
        for (int i = 0; i < sent.size(); ++i) {
            const QByteArray bytes(reinterpret_cast<const char *>(sent.at(i).data()), reports.at(i).size() / 2);
            QCOMPARE(bytes.toHex(), QByteArray(reports.at(i)));
        }
        // The first data report of the macro: 300 ms as 01 2C after the key.
        if (type == 1)
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.first().data()) + 14, 4).toHex(),
                     QByteArray("0410012c"));
        QTRY_COMPARE_WITH_TIMEOUT(page.notice()->text(), QStringLiteral("Operate successful"), kWaitMs);
        // The button shows its binding, not its name.
        QVERIFY(page.findChild<DMousePage *>()->button(shown)->text() != caption);
    }

    // Nothing the mouse does not take goes out: a reset, texts, profile
    // switches, programs, shortcuts, the left button.
    void assignmentsTheMouseDoesNotTake_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("type");
        QTest::newRow("left button") << 0 << 0;
        for (int type = 6; type <= 9; ++type)
            QTest::newRow(qPrintable(QStringLiteral("kind %1").arg(type))) << 4 << type;
    }
    void assignmentsTheMouseDoesNotTake()
    {
        QFETCH(int, button);
        QFETCH(int, type);
        DDevicePage page;
        QVERIFY(loadMouse(page));
        m_mouse->clearOutputs();
        page.onMouseButtonClicked(button);
        const QByteArray code = QByteArray::number(keyRouting::mouseButton(button)->code);
        m_xml.addKeyInfo(page.proFilePath(), "1", code, "K", QByteArray::number(type), "1", "1", "5");
        page.onCustomKeyInfoSaveSuccessful();
        QCOMPARE(page.notice()->text(), QStringLiteral("Operate successful"));
        QTest::qWait(50);
        QCOMPARE(m_mouse->outputCount(HidCmd::MouseKey), 0);
    }

    void resetButtonSendsNothingAndShowsItsName()
    {
        DDevicePage page;
        QVERIFY(loadMouse(page));
        page.onMouseButtonClicked(4);
        m_xml.addKeyInfo(page.proFilePath(), "1", "2", "K", "0", "1", "1", "5");
        page.onCustomKeyInfoSaveSuccessful();
        QVERIFY(waitKeyReports(1));
        m_mouse->clearOutputs();
        page.onCurIndexChanged_Key(0);
        page.findChild<DResetDefaultPage *>()->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
        QVERIFY(!m_xml.hasKeyInfo(page.proFilePath(), "1", "2"));
        QCOMPARE(page.findChild<DMousePage *>()->button(4)->text(), QStringLiteral("Right Click"));
        QTest::qWait(50);
        QCOMPARE(m_mouse->outputCount(HidCmd::MouseKey), 0);
    }

    // A keyboard gets no button report.
    void keyboardGetsNoAssignmentReport()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        m_keyboard->clearOutputs();
        page.onKeyboardClicked(4, QStringLiteral("A"));
        bindKey(page, 4, 0, "5");
        page.onCustomKeyInfoSaveSuccessful();
        QCOMPARE(page.notice()->text(), QStringLiteral("Operate successful"));
        QTest::qWait(50);
        QCOMPARE(m_keyboard->outputCount(HidCmd::MouseKey), 0);
    }

    // A transport that refuses the report is a failure, not a success.
    void refusedAssignmentIsAFailure()
    {
        DDevicePage page;
        QVERIFY(loadMouse(page));
        page.onMouseButtonClicked(4);
        m_xml.addKeyInfo(page.proFilePath(), "1", "2", "K", "0", "1", "1", "5");
        page.getDeviceLinkMap().value(m_mouse->path())->getHidInterface()->hidClose();
        page.onCustomKeyInfoSaveSuccessful();
        QCOMPARE(page.notice()->text(), QStringLiteral("Operate failed"));
    }

    // Forward right shares forward left's binding; the X/Y option follows
    // the mouse's layout.
    void mouseButtonsShowTheirBinding()
    {
        DDevicePage page;
        QVERIFY(loadMouse(page));
        m_xml.addKeyInfo(page.proFilePath(), "1", "16", "K", "3", "1", "1", "2");
        page.onMouseButtonClicked(6);
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Multimedia"));
        QCOMPARE(page.form()->stackedWidget_Tool->currentWidget(), page.form()->page_MouseDpiConfig);
        page.onMouseButtonClicked(0);
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Default"));
        auto *dpiView = page.findChild<DmouseConfigView *>();
        QVERIFY(dpiView->findChild<QFrame *>(QStringLiteral("frame_6"))->isVisibleTo(dpiView));
    }

    // The selected mouse's DPI levels, sniper and DPI buttons and report rate.
    void selectedMouseSettings()
    {
        DDevicePage page;
        QVERIFY(loadMouse(page));
        m_mouse->clearOutputs();
        page.onMouseDpiInfoSet();
        QVERIFY(waitDpiReports(*m_mouse, 1));
        const hidReportData dpi = dpiReports(*m_mouse).last();
        QCOMPARE(int(dpi[5]), 0x26);
        QCOMPARE(int(dpi[6]), 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(dpi.data()) + 7, 6).toHex(), QByteArray("011212ff0000"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(dpi.data()) + 37, 6).toHex(), QByteArray("010d0d8000ff"));
        QCOMPARE(int(dpi[43]), 1);

        // Sniper held, then released: only byte 6 changes.
        m_xml.addKeyInfo(page.proFilePath(), "1", "8", "K", "4", "1", "1", QByteArray::number(kSniperFunction));
        m_mouse->sendMouseState(8, 0);
        QVERIFY(waitDpiReports(*m_mouse, 2));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 5);
        m_mouse->sendMouseState(0, 0);
        QVERIFY(waitDpiReports(*m_mouse, 3));
        QVERIFY(dpiReports(*m_mouse).last() == dpi);

        // The DPI button steps the view's level and sends it.
        m_mouse->sendMouseState(kDpiCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 4));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 3);
        QCOMPARE(m_xml.getDpiUsingIndex(page.proFilePath(), "1"), 4);
        QCOMPARE(page.findChild<DmouseConfigView *>()->activeLevel(), 4);

        // Report rate 1000 Hz: stored, and sent.
        page.onCurIndexChanged_MouseRateNumIndex(3);
        // The load's own rate report may still be on its way: wait for the
        // last one to carry the new rate.
        const auto lastRate = [this] {
            const QList<hidReportData> rates = m_mouse->outputReports(HidCmd::MouseReportRate);
            return rates.isEmpty() ? -1 : int(rates.last()[6]);
        };
        QTRY_COMPARE_WITH_TIMEOUT(lastRate(), 1, kWaitMs);
        QCOMPARE(m_xml.getFeature(page.proFilePath(), "1", 0), 3);

        // A closed mouse still gets the rate stored.
        page.getDeviceLinkMap().value(m_mouse->path())->getHidInterface()->hidClose();
        page.onCurIndexChanged_MouseRateNumIndex(1);
        QCOMPARE(m_xml.getFeature(page.proFilePath(), "1", 0), 1);
    }

    // The reset of a mouse profile asks first, then brings the defaults
    // back and sends the reset report; a refused report is a failure.
    void mouseProfileReset()
    {
        scriptedPagePrompts prompts;
        DDevicePage page;
        QVERIFY(loadMouse(page));
        const QString file = page.proFilePath();
        m_xml.setDpiUsingIndex(file, "1", 5);
        m_xml.setFeature(file, "1", 0, 0);
        m_xml.addKeyInfo(file, "1", "2", "K", "0", "1", "1", "5");
        const QByteArray changed = fileBytes(file);
        m_mouse->clearOutputs();

        prompts.answerQuestion(1); // No
        page.onResetoreMouseCurrentProfile();
        QCOMPARE(prompts.calls(scriptedPagePrompts::Question).size(), 1);
        QCOMPARE(prompts.calls().last().text, QStringLiteral("Whether to reset the current profile?"));
        QCOMPARE(prompts.calls().last().buttons, (QStringList{"Yes", "No"}));
        QCOMPARE(fileBytes(file), changed);

        prompts.answerQuestion(0);
        page.onResetoreMouseCurrentProfile();
        QCOMPARE(m_xml.getDpiUsingIndex(file, "1"), 3);
        QCOMPARE(m_xml.getFeature(file, "1", 0), 2);
        QVERIFY(!m_xml.hasKeyInfo(file, "1", "2"));
        QList<dpiConfigInfo> levels;
        m_xml.getDpiList(file, "1", levels);
        QCOMPARE(levels.size(), 6);
        QTRY_COMPARE_WITH_TIMEOUT(m_mouse->outputCount(HidCmd::Reset), 1, kWaitMs);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(m_mouse->outputReports(HidCmd::Reset).first().data()), 8)
                     .toHex(),
                 QByteArray("0114000000000100"));
        QCOMPARE(page.notice()->text(), QStringLiteral("Reset the current profile successful"));

        page.getDeviceLinkMap().value(m_mouse->path())->getHidInterface()->hidClose();
        prompts.answerQuestion(0);
        page.onResetoreMouseCurrentProfile();
        QCOMPARE(page.notice()->text(), QStringLiteral("Reset the current profile failed"));
    }

    // In the on-board mode the pages work on the key picked on the on-board
    // picture and on the layer file being edited; the functions the layers
    // cannot hold only keep their page number.
    void onboardKeysGoToTheLayerFiles()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.form()->pushButton_OnboardMode->click();
        QCOMPARE(page.onboardMode(), 1);
        page.onCurIndexChanged_Key(2);
        QCOMPARE(page.notice()->text(), QStringLiteral("Please select one Key first!"));

        page.onOnboardKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(0);
        QCOMPARE(shownFunctionPage(page), QStringLiteral("page_Default"));
        QCOMPARE(page.findChild<DResetDefaultPage *>()->findChild<QLabel *>(QStringLiteral("label_KeyChar"))->text(),
                 QStringLiteral("Empty"));
        page.onCurIndexChanged_Key(2);
        for (int id : {4, 5, 8, 9, 10}) {
            page.onCurIndexChanged_Key(id);
            QCOMPARE(shownFunctionPage(page), QStringLiteral("page_RemapKey"));
        }

        // The remap page stores a captured key at once, in the default layer.
        page.onCurIndexChanged_Key(2);
        emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(true);
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 5, 1);
        QVERIFY(layerItems(m_xml, page.onboardDefaultFilePath()).contains(QStringLiteral("4:0:5")));
        QCOMPARE(onboardCaption(page, 4), QStringLiteral("B"));

        // In the FN1 layer, the FN1 layer's file.
        page.form()->pushButton_FN1->click();
        QCOMPARE(page.onboardLayer(), 1);
        page.onOnboardKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(2);
        emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(true);
        emit page.sigHookKeyboardRecviveStreamToDevice(0, 6, 1);
        QVERIFY(layerItems(m_xml, page.onboardFn1FilePath()).contains(QStringLiteral("4:0:6")));
        QVERIFY(layerItems(m_xml, page.onboardDefaultFilePath()).contains(QStringLiteral("4:0:5")));
    }

    // Keys typed into the remap and combination fields in the on-board mode
    // arrive however the mode was entered.
    void onboardCaptureHoweverEntered_data()
    {
        QTest::addColumn<bool>("fromProfilePanel");
        QTest::addColumn<int>("function");
        QTest::newRow("keys tab, remap") << false << 2;
        QTest::newRow("keys tab, combination") << false << 7;
        QTest::newRow("profile panel, remap") << true << 2;
        QTest::newRow("profile panel, combination") << true << 7;
    }
    void onboardCaptureHoweverEntered()
    {
        QFETCH(bool, fromProfilePanel);
        QFETCH(int, function);
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        if (fromProfilePanel) {
            QTest::mouseClick(page.form()->label_currentProfileName, Qt::LeftButton);
            QCOMPARE(page.mainPageIndex(), 2);
        }
        page.form()->pushButton_OnboardMode->click();
        QCOMPARE(page.onboardMode(), 1);
        QVERIFY(page.form()->pushButton_Custom->isChecked());
        page.onOnboardKeyboardClicked(4, QStringLiteral("A"));
        page.onCurIndexChanged_Key(function);
        QCOMPARE(shownFunctionPage(page), QString::fromLatin1(kFunctionPages[function]));
        if (function == 2) {
            emit page.findChild<DChangeKeyPage *>()->sigChangKeyOrCombinationKeyFocusIn(true);
            emit page.sigHookKeyboardRecviveStreamToDevice(0, 5, 1);
            QCOMPARE(remapField(page)->text(), QStringLiteral("B"));
            QVERIFY(layerItems(m_xml, page.onboardDefaultFilePath()).contains(QStringLiteral("4:0:5")));
        } else {
            auto *combination = page.findChild<DKeyCombinationPage *>();
            emit combination->sigChangKeyOrCombinationKeyFocusIn(true);
            emit page.sigHookKeyboardRecviveStreamToDevice(0, 224, 1); // Left Ctrl
            QVERIFY(!combination->findChild<QLineEdit *>(QStringLiteral("lineEdit_keyCombination"))->text().isEmpty());
        }
    }

    // A key that is the FN1 key in the other layer loses that binding once
    // this layer gives it anything else.
    void fn1KeyLeavesTheOtherLayer()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        page.form()->pushButton_OnboardMode->click();
        QCOMPARE(page.onboardLayer(), 0);
        const QString fn1 = page.onboardFn1FilePath();
        const QString layer = page.onboardDefaultFilePath();
        m_xml.addKeyInfo(fn1, "1", "30", "1", "0", "1", "1", "-20");
        m_xml.addKeyInfo(fn1, "1", "31", "2", "0", "1", "1", "-20");

        // 30 gets a multimedia function here: gone from the FN1 layer.
        m_xml.deleteKeyInfo(layer, "1", "30");
        m_xml.addKeyInfo(layer, "1", "30", "1", "3", "1", "1", "2");
        page.onShoudUpdateKeyboard(30);
        QVERIFY(!layerItems(m_xml, fn1).join(' ').contains(QStringLiteral("30:")));
        QVERIFY(!onboardCaption(page, 30).isEmpty());

        // 31 is the FN1 key here too: kept there.
        m_xml.deleteKeyInfo(layer, "1", "31");
        m_xml.addKeyInfo(layer, "1", "31", "2", "0", "1", "1", "-20");
        page.onShoudUpdateKeyboard(31);
        QVERIFY(layerItems(m_xml, fn1).contains(QStringLiteral("31:0:-20")));
    }

    // Without an open device the key panel says so and routes nothing.
    void keyFunctionNeedsAnOpenDevice()
    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface(m_macroFile.toLocal8Bit().constData(), &m_xml);
        for (int id : {0, 2, 7, 10}) {
            page.onCurIndexChanged_Key(id);
            QCOMPARE(page.notice()->text(), QStringLiteral("Please open hid first!"));
        }
    }

    // The sniper button of a mouse the page does not show reaches that
    // mouse, from its own file; a keyboard gets nothing.
    void sniperOfAnotherMouseReachesOnlyThatMouse()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        QVERIFY(readyLink(page, *m_keyboard));
        QVERIFY(readyLink(page, *m_mouse));
        m_xml.addKeyInfo(m_mouseFile, "1", QByteArray::number(kForwardCode), "Forward", "4", "0", "0",
                         QByteArray::number(kSniperFunction));
        m_keyboard->clearOutputs();
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kForwardCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 5);
        QCOMPARE(int(dpiReports(*m_mouse).last()[8]), 18); // level 1: 800 DPI, from the mouse's file

        m_mouse->sendMouseState(0, 0);
        QVERIFY(waitDpiReports(*m_mouse, 2));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 2);
        QCOMPARE(m_keyboard->outputCount(HidCmd::MouseDpi), 0);
    }

    // The DPI button of a mouse the page does not show steps that mouse's
    // own active level and sends it that mouse's report.
    void dpiKeyOfAnotherMouseStepsItsOwnFile()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        QVERIFY(readyLink(page, *m_keyboard));
        QVERIFY(readyLink(page, *m_mouse));
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kDpiCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(m_xml.getDpiUsingIndex(m_mouseFile, "1"), 4);
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 3);
        QCOMPARE(m_keyboard->outputCount(HidCmd::MouseDpi), 0);
    }

    // A mouse unplugged with its sniper button held does not leave the
    // sniper level behind: back again, it reports its stored level.
    void sniperLeavesWithTheMouse()
    {
        DDevicePage page;
        QVERIFY(loadKeyboard(page));
        QVERIFY(readyLink(page, *m_mouse));
        m_xml.addKeyInfo(m_mouseFile, "1", QByteArray::number(kForwardCode), "Forward", "4", "0", "0",
                         QByteArray::number(kSniperFunction));
        m_mouse->clearOutputs();
        m_mouse->sendMouseState(kForwardCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 5);
        QCOMPARE(page.sniperHeldMouseCount(), 1);
        QPointer<DDeviceKeyboardLink> old = page.getDeviceLinkMap().value(m_mouse->path());

        m_mouse->unplug();
        QVERIFY(!page.loadHidDeviceList({recordOf(*m_keyboard)}));
        page.insertOrRemoveHidDevice(false, m_mouse->path());
        QVERIFY(!old);
        // Nothing held is left behind for a link made later, wherever it lies.
        QCOMPARE(page.sniperHeldMouseCount(), 0);
        m_mouse->plug();
        QVERIFY(!page.loadHidDeviceList({recordOf(*m_keyboard), recordOf(*m_mouse)}));
        page.insertOrRemoveHidDevice(true, m_mouse->path());
        QVERIFY(readyLink(page, *m_mouse));
        m_mouse->clearOutputs();

        m_mouse->sendMouseState(kDpiCode, 0);
        QVERIFY(waitDpiReports(*m_mouse, 1));
        QCOMPARE(int(dpiReports(*m_mouse).last()[6]), 3); // level 4 after the step, not the sniper's 5
    }
};

// The page keeps each device's profile file under the program's data
// folder: a folder of the test's own.
int main(int argc, char **argv)
{
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    tst_DevicePageKeys test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_devicepagekeys.moc"
