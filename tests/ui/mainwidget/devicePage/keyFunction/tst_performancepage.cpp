// The keyboard's performance panel: the four key blocks of a profile, the
// profile reset and the desktop's keyboard settings.

#include "DDataManager.h"
#include "DPerformancePage.h"
#include "DesktopSettingsLauncher.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const kBoxes[] = {"checkBox_disableALT_TAB", "checkBox_disableALT_F4", "checkBox_disableSHIFT_TAB",
                              "checkBox_disableWindowsKey"};

// A keyboard profile file with new profiles 1 and 2.
class ProfileFile
{
public:
    ProfileFile()
    {
        m_path = m_dir.filePath(QStringLiteral("pardexProFile.xml"));
        m_ok = m_store.createXmlFile(m_path) && m_store.addProfile(m_path, "1", "Default", "", "", 0)
            && m_store.addProfile(m_path, "2", "Second", "", "", 0);
    }

    bool ok() const { return m_ok; }
    QString path() const { return m_path; }
    xmlInterface *store() { return &m_store; }

    bool write(const QByteArray &text)
    {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
    }
    QByteArray bytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList features(const QByteArray &profile)
    {
        performanceSettingInfo info {};
        m_store.getPerformanceSetting(m_path, profile, info);
        return {info.feature1, info.feature2, info.feature3, info.feature4};
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    xmlInterface m_store;
    bool m_ok = false;
};

// A launcher that starts nothing and counts.
class FakeLauncher : public DesktopSettingsLauncher
{
public:
    bool hasCommand = true;
    bool startSucceeds = true;
    QList<Kind> launched;

    Command command(Kind) const override
    {
        return hasCommand ? Command {QStringLiteral("/usr/bin/settings"), {}} : Command {};
    }
    bool launch(Kind kind, QString *error) override
    {
        launched << kind;
        if (!startSucceeds && error)
            *error = QStringLiteral("settings crashed at start");
        return startSucceeds;
    }
};

// The page on a profile of the file, with the file's options loaded.
class Page
{
public:
    Page(ProfileFile &file, int profile = 1)
    {
        page.setHidInterfaceAndXml(nullptr, file.store());
        page.setProfileIndex(profile);
        page.setFilePaths("/unused/pardexMacro.xml", QFile::encodeName(file.path()).constData());
        page.setDesktopSettingsLauncher(&launcher);
        page.loadPerformanceOptions();
    }

    QCheckBox *box(int i) { return page.findChild<QCheckBox *>(QLatin1String(kBoxes[i])); }
    QPushButton *button(const char *name) { return page.findChild<QPushButton *>(QLatin1String(name)); }
    QList<bool> states()
    {
        QList<bool> result;
        for (int i = 0; i < 4; ++i)
            result << box(i)->isChecked();
        return result;
    }

    FakeLauncher launcher;
    DPerformancePage page;
};

} // namespace

class tst_PerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fixedSizeAndTexts();
    void newProfileBlocksOnlyWindowsKey();
    void nonZeroTextCountsAsOn_data();
    void nonZeroTextCountsAsOn();
    void loadWritesNothing();
    void loadFollowsProfile();
    void clickStoresAllFour_data();
    void clickStoresAllFour();
    void unstoredClickShowsFileAgain_data();
    void unstoredClickShowsFileAgain();
    void resetAsksDevicePage();
    void settingsButtonLaunchesOnceWithoutWaiting();
    void settingsButtonWithoutCommand();
    void failedStartShownAsToolTip();
};

void tst_PerformancePage::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_PerformancePage::fixedSizeAndTexts()
{
    DPerformancePage page;
    QCOMPARE(page.size(), QSize(700, 150));
    QCOMPARE(page.minimumSize(), page.maximumSize());
    const QStringList texts {"Disable ALT+TAB", "Disable ALT+F4", "Disable SHIFT+TAB", "Disable Windows key"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(page.findChild<QCheckBox *>(QLatin1String(kBoxes[i]))->text(), texts.at(i));
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("pushButton_keyboardProperties"))->text(),
             QStringLiteral("Keyboard Properties"));
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("pushButton_Restore"))->text(),
             QStringLiteral("Reset current profile"));
}

void tst_PerformancePage::newProfileBlocksOnlyWindowsKey()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Page p(file);
    QCOMPARE(p.states(), (QList<bool> {false, false, false, true}));
}

void tst_PerformancePage::nonZeroTextCountsAsOn_data()
{
    QTest::addColumn<QStringList>("features");
    QTest::addColumn<QList<bool>>("states");
    QTest::newRow("ones and zeros") << QStringList {"1", "0", "1", "0"} << QList<bool> {true, false, true, false};
    QTest::newRow("two") << QStringList {"2", "0", "0", "0"} << QList<bool> {true, false, false, false};
    QTest::newRow("negative") << QStringList {"0", "-1", "0", "0"} << QList<bool> {false, true, false, false};
    QTest::newRow("padded number") << QStringList {"0", "0", " 7", "0"} << QList<bool> {false, false, true, false};
    QTest::newRow("no number") << QStringList {"on", "", "x1", "00"} << QList<bool> {false, false, false, false};
}

void tst_PerformancePage::nonZeroTextCountsAsOn()
{
    QFETCH(QStringList, features);
    QFETCH(QList<bool>, states);

    ProfileFile file;
    QVERIFY(file.ok());
    QVERIFY(file.store()->setPerformanceSetting(file.path(), "1", features.at(0).toLatin1(),
                                                features.at(1).toLatin1(), features.at(2).toLatin1(),
                                                features.at(3).toLatin1()));
    Page p(file);
    QCOMPARE(p.states(), states);
}

void tst_PerformancePage::loadWritesNothing()
{
    ProfileFile file;
    QVERIFY(file.ok());
    QVERIFY(file.store()->setPerformanceSetting(file.path(), "1", "2", "1", "0", "1"));
    const QByteArray before = file.bytes();
    Page p(file);
    p.page.setProfileIndex(2);
    p.page.loadPerformanceOptions();
    p.page.setProfileIndex(1);
    p.page.loadPerformanceOptions();
    QCOMPARE(file.bytes(), before);
}

void tst_PerformancePage::loadFollowsProfile()
{
    ProfileFile file;
    QVERIFY(file.ok());
    QVERIFY(file.store()->setPerformanceSetting(file.path(), "2", "1", "1", "1", "0"));
    Page p(file);
    QCOMPARE(p.states(), (QList<bool> {false, false, false, true}));
    p.page.setProfileIndex(2);
    p.page.loadPerformanceOptions();
    QCOMPARE(p.states(), (QList<bool> {true, true, true, false}));
}

void tst_PerformancePage::clickStoresAllFour_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QStringList>("stored");
    // From a profile whose file says "2" for ALT+TAB: it is stored as "1" with the rest.
    QTest::newRow("ALT+TAB off") << 0 << QStringList {"0", "0", "0", "1"};
    QTest::newRow("ALT+F4 on") << 1 << QStringList {"1", "1", "0", "1"};
    QTest::newRow("SHIFT+TAB on") << 2 << QStringList {"1", "0", "1", "1"};
    QTest::newRow("Windows key off") << 3 << QStringList {"1", "0", "0", "0"};
}

void tst_PerformancePage::clickStoresAllFour()
{
    QFETCH(int, box);
    QFETCH(QStringList, stored);

    ProfileFile file;
    QVERIFY(file.ok());
    QVERIFY(file.store()->setPerformanceSetting(file.path(), "1", "2", "0", "0", "1"));
    Page p(file);
    QTest::mouseClick(p.box(box), Qt::LeftButton);
    QCOMPARE(file.features("1"), stored);
    // The other profile is not touched.
    QCOMPARE(file.features("2"), (QStringList {"0", "0", "0", "1"}));
}

void tst_PerformancePage::unstoredClickShowsFileAgain_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<bool>>("states");
    QTest::newRow("profile without function")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Parameters profileIndex=\"1\">\r\n"
                      "    <config index=\"1\" name=\"Bare\">\r\n        <macro />\r\n    </config>\r\n"
                      "</Parameters>\r\n")
        << QList<bool> {false, false, false, false};
    QTest::newRow("no such profile")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Parameters profileIndex=\"1\">\r\n"
                      "    <config index=\"5\" name=\"Other\">\r\n        <function>\r\n"
                      "            <Setting feature1=\"1\" feature2=\"1\" feature3=\"1\" feature4=\"1\" />\r\n"
                      "        </function>\r\n    </config>\r\n</Parameters>\r\n")
        << QList<bool> {false, false, false, false};
    QTest::newRow("not XML") << QByteArray("garbage") << QList<bool> {false, false, false, false};
}

void tst_PerformancePage::unstoredClickShowsFileAgain()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<bool>, states);

    ProfileFile file;
    QVERIFY(file.write(text));
    Page p(file);
    QCOMPARE(p.states(), states);
    for (int i = 0; i < 4; ++i) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QTest::mouseClick(p.box(i), Qt::LeftButton);
        // The box does not claim a state the keyboard link will not read.
        QCOMPARE(p.states(), states);
    }
    QCOMPARE(file.bytes(), text);
}

void tst_PerformancePage::resetAsksDevicePage()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Page p(file);
    const QByteArray before = file.bytes();
    QSignalSpy reset(&p.page, &DPerformancePage::sigResetoreCurrentProfile);
    QTest::mouseClick(p.button("pushButton_Restore"), Qt::LeftButton);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(file.bytes(), before);
}

void tst_PerformancePage::settingsButtonLaunchesOnceWithoutWaiting()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Page p(file);
    QPushButton *button = p.button("pushButton_keyboardProperties");
    QVERIFY(button->isEnabled());
    QVERIFY(button->toolTip().isEmpty());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.launcher.launched, QList<DesktopSettingsLauncher::Kind> {DesktopSettingsLauncher::Keyboard});
    QVERIFY(button->toolTip().isEmpty());
}

void tst_PerformancePage::settingsButtonWithoutCommand()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Page p(file);
    p.launcher.hasCommand = false;
    p.page.setDesktopSettingsLauncher(&p.launcher);
    QPushButton *button = p.button("pushButton_keyboardProperties");
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("No keyboard settings program was found for this desktop."));
    // Language changes keep the state.
    p.page.retranslate();
    QVERIFY(!button->isEnabled());
    QVERIFY(!button->toolTip().isEmpty());

    p.launcher.hasCommand = true;
    p.page.setDesktopSettingsLauncher(&p.launcher);
    QVERIFY(button->isEnabled());
    QVERIFY(button->toolTip().isEmpty());
}

void tst_PerformancePage::failedStartShownAsToolTip()
{
    ProfileFile file;
    QVERIFY(file.ok());
    Page p(file);
    p.launcher.startSucceeds = false;
    QPushButton *button = p.button("pushButton_keyboardProperties");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("settings crashed at start")));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.launcher.launched.size(), 1);
    QVERIFY(button->isEnabled());
    QVERIFY(button->toolTip().contains(QStringLiteral("settings crashed at start")));

    p.launcher.startSucceeds = true;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.launcher.launched.size(), 2);
    QVERIFY(button->toolTip().isEmpty());
}

QTEST_MAIN(tst_PerformancePage)
#include "tst_performancepage.moc"
