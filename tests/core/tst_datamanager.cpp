#include "DDataManager.h"
#include "SettingsKeys.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ThemeRow
{
    const char *key;
    const char *values[5]; // Black, Light, Blue, Pink, Other, as the files write them
};

// The colour table the theme files carry, written out here so that a
// changed file is caught; readability mends belong in the style code.
const ThemeRow kThemeTable[] = {
    {"TextDefaultColor", {"205.205.205", "140.140.140", "255.255.255", "255.255.255", "205.205.205"}},
    {"TextHoverColor", {"168.168.168", "170.170.170", "168.168.168", "168.168.168", "168.168.168"}},
    {"TextCheckedColor", {"255.49.53", "255.49.53", "0.0.255", "235.0.235", "0.128.255"}},
    {"AllBgColor", {"50.50.50", "180.180.180", "0.128.255", "235.128.235", "50.50.50"}},
    {"AllThemeColor", {"255.49.53", "255.49.53", "0.128.255", "235.0.235", "0.128.255"}},
    {"MainWidgetBgColor", {"30.30.30.128", "240.240.240.128", "100.149.237", "255.80.255", "30.30.30"}},
    {"MainWidgetBorderColor", {"20.20.20", "180.180.180", "106.90.205", "255.90.255", "20.20.20"}},
    {"MainWidgetTitleColorStart", {"20.20.20", "220.220.220", "65.105.225", "255.100.255", "20.20.20"}},
    {"MainWidgetTitleColorStop", {"50.50.50", "250.250.250", "100.149.237", "255.140.255", "50.50.50"}},
    {"HomeBgColor", {"30.30.30.1", "240.240.240.1", "100.149.237", "255.80.255", "30.30.30"}},
    {"HomeScrollBarBgColor", {"35.35.35.60", "200.200.200.60", "65.105.225", "240.65.240", "35.35.35"}},
    {"HomeDeviceItemBgColor", {"25.25.25.90", "210.210.210.90", "85.134.232", "255.95.255", "25.25.25"}},
    {"HomeDeviceItemBorderColor", {"255.49.53", "255.49.53", "0.0.255", "255.0.255", "0.128.255"}},
    {"HomeDeviceItemProductTextColor", {"255.49.53", "255.49.53", "0.0.255", "235.0.235", "0.128.255"}},
    {"HomeDeviceItemNameTextColor", {"205.205.205", "140.140.140", "255.255.255", "255.255.255", "205.205.205"}},
    {"MacroBorderColor", {"50.50.50.128", "200.200.200.128", "65.105.225", "240.65.240", "50.50.50"}},
    {"MacroLeftBgColor", {"35.35.35.20", "225.225.225.20", "85.134.232", "255.95.255", "35.35.35"}},
    {"MacroCenterBgColor", {"35.35.35.20", "225.225.225.20", "85.134.232", "255.95.255", "35.35.35"}},
    {"MacroRightBgColor", {"35.35.35.20", "225.225.225.20", "85.134.232", "255.95.255", "35.35.35"}},
    {"MacroListItemTextColor", {"175.175.175", "140.140.140", "255.255.255", "255.255.255", "175.175.175"}},
    {"MacroListItemSelectedColor", {"45.45.45.90", "210.210.210.90", "70.120.215", "230.85.230", "45.45.45"}},
    {"MacroListItemHoverColor", {"40.40.40.90", "218.218.218.90", "75.125.220", "235.95.235", "40.40.40"}},
    {"DeviceBorderColor", {"55.55.55.128", "200.200.200.128", "65.105.225", "240.65.240", "55.55.55"}},
    {"DeviceLeftBgColor", {"35.35.35.90", "225.225.225.90", "85.134.232", "255.95.255", "35.35.35"}},
    {"DeviceCenterBgColor", {"35.35.35.90", "225.225.225.90", "85.134.232", "255.95.255", "35.35.35"}},
    {"DeviceRightBgColor", {"25.25.25.100", "215.215.215.80", "60.110.205", "230.80.230", "25.25.25"}},
    {"DeviceKeyClickedColor", {"255.128.0", "255.128.0", "255.128.0", "255.128.0", "255.128.0"}},
    {"DeviceKeyHaveCustomColor", {"255.49.53", "255.49.53", "0.0.255", "235.0.235", "0.128.255"}},
    {"DeviceLeftAreaItemHoverColor", {"40.40.40.90", "220.220.220.90", "75.125.220", "235.95.235", "40.40.40"}},
    {"DeviceLeftAreaItemSelectedColor", {"25.25.25.90", "215.215.215.90", "60.110.205", "230.80.230", "25.25.25"}},
    {"DeviceLeftAreaItemTextDefaultColor", {"185.185.185", "140.140.140", "255.255.255", "255.255.255", "185.185.185"}},
    {"DeviceLeftAreaItemTextSelectedColor", {"255.49.53", "255.49.53", "0.0.255", "235.0.235", "0.128.255"}},
    {"DeviceControlDefaultColor", {"40.40.40.128", "230.230.230.128", "90.140.237", "255.100.255", "40.40.40"}},
    {"DeviceControlHoverColor", {"34.34.34.128", "220.220.220.128", "70.120.215", "255.90.255", "34.34.34"}},
    {"DeviceListAreaDefaultBgColor", {"255.49.53.128", "255.49.53.128", "0.0.255", "235.0.235", "0.128.255"}},
    {"DeviceListItemHoverBgColor", {"199.38.43.128", "199.38.43.128", "0.0.208", "220.0.220", "0.98.225"}},
    {"DeviceListItemHorizontalBgColor", {"180.180.180", "180.180.180", "180.180.180", "180.180.180", "180.180.180"}},
    {"DeviceColorToolSliderTextColor", {"140.140.140", "140.140.140", "255.255.255", "255.255.255", "140.140.140"}},
    {"DeviceColorToolSliderTopColor", {"150.150.150.128", "235.235.235.128", "85.145.250", "240.120.240", "150.150.150"}},
    {"DeviceColorToolSliderBottomColor", {"90.90.90.128", "195.195.195.128", "40.90.185", "200.65.200", "90.90.90"}},
    {"DeviceBottomBgColor", {"25.25.25.90", "230.230.230.90", "60.110.205", "230.80.230", "25.25.25"}},
    {"DeviceOnboardBgColor", {"55.55.55.128", "205.205.205.128", "60.110.205", "230.80.230", "55.55.55"}},
    {"DeviceOnboardButColor", {"30.30.30", "240.240.240", "100.149.237", "255.110.255", "30.30.30"}},
    {"DeviceOnboardButDefaultTextColor", {"245.245.245", "140.140.140", "230.230.230", "250.250.250", "245.245.245"}},
    {"DeviceSoftkeyboardButColor", {"75.75.75", "250.250.250", "90.139.227", "255.100.255", "75.75.75"}},
    {"DeviceSoftkeyboardButDefaultTextColor", {"195.195.195", "140.140.140", "230.240.230", "250.250.250", "195.195.195"}},
    {"DeviceMouseBgColor", {"30.30.30.1", "240.240.240.1", "100.149.237", "255.80.255", "30.30.30"}},
    {"DeviceMouseDrawLineColor", {"80.80.80", "90.90.90", "80.80.80", "80.80.80", "80.80.80"}},
    {"DeviceMouseDrawEllipseColor", {"150.150.150", "150.150.150", "150.150.150", "150.150.150", "150.150.150"}},
    {"DeviceMouseLeftKeyTextColor", {"105.105.105", "105.105.105", "95.95.95", "105.105.105", "105.105.105"}},
    {"DeviceMouseDrawLineLeftKeyColor", {"80.80.80", "90.90.90", "90.90.90", "90.90.90", "80.80.80"}},
    {"DeviceMouseDrawEllipseLeftKeyColor", {"150.150.150", "120.120.120", "120.120.120", "120.120.120", "150.150.150"}},
    {"DeviceMouseDpiConfigItemHoverColor", {"40.40.40.128", "235.235.235.128", "50.100.195", "240.95.240", "40.40.40"}},
    {"DeviceMouseDpiConfigItemSelectedColor", {"35.35.35.128", "245.245.245.128", "40.90.185", "240.90.240", "35.35.35"}},
    {"SettingsBgColor", {"35.35.35", "240.240.240", "100.149.237", "255.80.255", "35.35.35"}},
    {"SettingsBorderColor", {"30.30.30", "200.200.200", "65.105.225", "240.65.240", "30.30.30"}},
    {"SettingsControlBorderColor", {"50.50.50", "200.200.200", "65.105.255", "240.65.240", "50.50.50"}},
    {"SettingsControlDefaultColor", {"35.35.35", "240.240.240", "100.149.237", "255.80.255", "35.35.35"}},
    {"SettingsControlHoverBgColor", {"45.45.45", "230.230.230", "90.139.227", "255.110.255", "45.45.45"}},
    {"SettingsControlSelectedBgColor", {"40.40.40", "220.220.220", "80.129.217", "250.100.250", "40.40.40"}},
    {"UpgradeBgColor", {"35.35.35", "240.240.240", "35.35.35", "35.35.35", "35.35.35"}},
    {"UpgradeBorderColor", {"30.30.30", "200.200.200", "30.30.30", "30.30.30", "30.30.30"}},
    {"UpgradeItemBorderColor", {"50.50.50", "220.220.220", "50.50.50", "50.50.50", "50.50.50"}},
    {"UpgradeProgressBarTopColor", {"95.95.95", "225.225.225", "95.95.95", "95.95.95", "95.95.95"}},
    {"UpgradeProgressBarBottomColor", {"65.65.65", "195.195.195", "65.65.65", "65.65.65", "65.65.65"}},
    {"TextFont", {"Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei", "Microsoft YaHei"}},
};
const char *const kThemeFiles[5] = {"Black", "Light", "Blue", "Pink", "Other"};
constexpr int kRows = int(sizeof(kThemeTable) / sizeof(kThemeTable[0]));

QVariant userValue(const DDataManager &dm, const char *key)
{
    QSettings s(dm.getUserSettingsPath(), QSettings::IniFormat);
    return s.value(QLatin1String(key));
}

void setUserValue(const QString &appDataDir, const char *key, const QVariant &value)
{
    QDir().mkpath(appDataDir + "/UserConfig");
    QSettings s(appDataDir + "/UserConfig/PardexConfig.ini", QSettings::IniFormat);
    s.setValue(QLatin1String(key), value);
}

} // namespace

class tst_DataManager : public QObject
{
    Q_OBJECT

private:
    QString defaultsFile(const QString &body)
    {
        const QString path = m_dir->filePath(QStringLiteral("defaults%1.ini").arg(++m_defaultsCount));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(body.toUtf8());
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_defaultsCount = 0;
    QString m_app;
    const QString m_shipped = QString::fromLatin1(SettingsKeys::DefaultSettingsPath);

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // Missing parents too.
        m_app = m_dir->filePath(QStringLiteral("share/deeper/velmora"));
    }

    void firstStartCreatesFoldersSettingsAndLog()
    {
        auto dm = DDataManager::create(m_app, m_shipped);
        QCOMPARE(dm->getAppDataDir(), m_app);
        QCOMPARE(dm->getUserConfigDir(), m_app + "/UserConfig");
        QCOMPARE(dm->getUserConfigPath(), m_app + "/UserConfig");
        QCOMPARE(dm->getLogCollectDir(), m_app + "/LogCollect");
        QVERIFY(QFileInfo(m_app + "/UserConfig").isDir());
        QVERIFY(QFileInfo(m_app + "/LogCollect").isDir());

        QCOMPARE(userValue(*dm, SettingsKeys::ThemeIndex).toString(), QStringLiteral("0"));
        QCOMPARE(userValue(*dm, SettingsKeys::BgImageIsUsing).toString(), QStringLiteral("false"));
        QCOMPARE(userValue(*dm, SettingsKeys::OldVersion).toString(), QStringLiteral("V_1.04.02"));
        QVERIFY(dm->isVersionChanged());
        QVERIFY(!dm->isUserConfig());
        QVERIFY(!dm->isBgImageUsing());

        const QDate today = QDate::currentDate();
        QFile log(m_app + QStringLiteral("/LogCollect/%1-%2-%3_Log.txt")
                              .arg(today.year())
                              .arg(today.month())
                              .arg(today.day()));
        QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
        const QByteArray first = log.readLine();
        QVERIFY2(first.contains("__********************--------------------Start collect log:"), first);
        QVERIFY(first.endsWith('\n'));
    }

    void versionChangedFlag_data()
    {
        QTest::addColumn<QString>("defaults"); // default settings file body
        QTest::addColumn<QString>("stored"); // oldVersion/VersionInfo before the start, empty = missing
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("recorded");
        QTest::newRow("first start") << "[AppVersion]\nVersion=V_2.00.00\n" << "" << true << "V_2.00.00";
        QTest::newRow("same version") << "[AppVersion]\nVersion=V_2.00.00\n" << "V_2.00.00" << false << "V_2.00.00";
        QTest::newRow("program updated") << "[AppVersion]\nVersion=V_2.00.01\n" << "V_2.00.00" << true << "V_2.00.01";
        QTest::newRow("no version in defaults") << "[Other]\nx=1\n" << "V_1.00.00" << false << "V_1.00.00";
        QTest::newRow("no version anywhere") << "" << "" << true << "V_1.00.00";
    }

    void versionChangedFlag()
    {
        QFETCH(QString, defaults);
        QFETCH(QString, stored);
        QFETCH(bool, changed);
        QFETCH(QString, recorded);
        if (!stored.isEmpty())
            setUserValue(m_app, SettingsKeys::OldVersion, stored);
        auto dm = DDataManager::create(m_app, defaultsFile(defaults));
        QCOMPARE(dm->isVersionChanged(), changed);
        QCOMPARE(userValue(*dm, SettingsKeys::OldVersion).toString(), recorded);
    }

    void versionChangeCountsOnce()
    {
        const QString defaults = defaultsFile("[AppVersion]\nVersion=V_3\n");
        QVERIFY(DDataManager::create(m_app, defaults)->isVersionChanged());
        QVERIFY(!DDataManager::create(m_app, defaults)->isVersionChanged());
        const QString updated = defaultsFile("[AppVersion]\nVersion=V_4\n");
        QVERIFY(DDataManager::create(m_app, updated)->isVersionChanged());
        QVERIFY(!DDataManager::create(m_app, updated)->isVersionChanged());
    }

    void existingSettingsAreKept()
    {
        setUserValue(m_app, SettingsKeys::ThemeIndex, 1);
        setUserValue(m_app, SettingsKeys::BgImageIsUsing, true);
        auto dm = DDataManager::create(m_app, m_shipped);
        QCOMPARE(userValue(*dm, SettingsKeys::ThemeIndex).toInt(), 1);
        QCOMPARE(userValue(*dm, SettingsKeys::BgImageIsUsing).toBool(), true);
        QVERIFY(dm->isBgImageUsing());
        // Light theme with its alpha kept while background pictures are in use.
        QCOMPARE(dm->getThemeColor().MainWidgetBgColor, QStringLiteral("240,240,240,128"));
        QCOMPARE(dm->getThemeColor().AllBgColor, QStringLiteral("180,180,180"));
    }

    void themeIndexAtStart_data()
    {
        QTest::addColumn<bool>("userConfig");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("kept"); // index in the file after the start
        QTest::addColumn<QString>("allBg"); // AllBgColor loaded
        QTest::newRow("Other without userConfig falls back") << false << 4 << 0 << "50,50,50";
        QTest::newRow("Other with userConfig stays") << true << 4 << 4 << ""; // no configDir beside the test
        QTest::newRow("Pink") << false << 3 << 3 << "235,128,235";
        QTest::newRow("out of range loads Black, index kept") << false << 7 << 7 << "50,50,50";
        QTest::newRow("negative loads Black, index kept") << false << -1 << -1 << "50,50,50";
    }

    void themeIndexAtStart()
    {
        QFETCH(bool, userConfig);
        QFETCH(int, stored);
        QFETCH(int, kept);
        QFETCH(QString, allBg);
        setUserValue(m_app, SettingsKeys::ThemeIndex, stored);
        const QString defaults =
            defaultsFile(QStringLiteral("[MyselfConfig]\nuserConfig=%1\n").arg(userConfig ? "true" : "false"));
        auto dm = DDataManager::create(m_app, defaults);
        QCOMPARE(dm->isUserConfig(), userConfig);
        QCOMPARE(userValue(*dm, SettingsKeys::ThemeIndex).toInt(), kept);
        QCOMPARE(dm->getThemeColor().AllBgColor, allBg);
    }

    void themeFilePath_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("userConfig");
        QTest::addColumn<QString>("path");
        const QString other = QCoreApplication::applicationDirPath() + "/configDir/OtherThemeConfig.ini";
        QTest::newRow("0") << 0 << false << ":/images/StyleQss/BlackThemeConfig.ini";
        QTest::newRow("1") << 1 << true << ":/images/StyleQss/LightThemeConfig.ini";
        QTest::newRow("2") << 2 << false << ":/images/StyleQss/BlueThemeConfig.ini";
        QTest::newRow("3") << 3 << false << ":/images/StyleQss/PinkThemeConfig.ini";
        QTest::newRow("4 resource") << 4 << false << ":/images/StyleQss/OtherThemeConfig.ini";
        QTest::newRow("4 configDir") << 4 << true << other;
        QTest::newRow("5") << 5 << true << ":/images/StyleQss/BlackThemeConfig.ini";
        QTest::newRow("-1") << -1 << false << ":/images/StyleQss/BlackThemeConfig.ini";
    }

    void themeFilePath()
    {
        QFETCH(int, index);
        QFETCH(bool, userConfig);
        QFETCH(QString, path);
        QCOMPARE(DDataManager::themeFilePath(index, userConfig), path);
    }

    void themeColorText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("bgImage");
        QTest::addColumn<QString>("text");
        QTest::newRow("alpha dropped") << "30.30.30.1" << false << "30,30,30";
        QTest::newRow("alpha kept") << "30.30.30.1" << true << "30,30,30,1";
        QTest::newRow("rgb, no pictures") << "255.128.0" << false << "255,128,0";
        QTest::newRow("rgb, pictures") << "255.128.0" << true << "255,128,0";
        QTest::newRow("five parts untouched") << "1.2.3.4.5" << false << "1,2,3,4,5";
        QTest::newRow("commas already") << "30,30,30,128" << false << "30,30,30";
        QTest::newRow("empty") << "" << false << "";
    }

    void themeColorText()
    {
        QFETCH(QString, value);
        QFETCH(bool, bgImage);
        QFETCH(QString, text);
        QCOMPARE(DDataManager::themeColorText(value, bgImage), text);
    }

    // A colour of the set as style sheets and painters take it.
    void themeColorAsCss_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QString>("css");
        QTest::addColumn<QColor>("opaque");
        QTest::newRow("rgb") << "255,49,53" << -1 << "rgb(255,49,53)" << QColor(255, 49, 53);
        QTest::newRow("alpha in the text") << "25,25,25,100" << -1 << "rgba(25,25,25,100)" << QColor(25, 25, 25);
        QTest::newRow("alpha given") << "34,34,34" << 130 << "rgba(34,34,34,130)" << QColor(34, 34, 34);
        QTest::newRow("alpha given replaces the text's") << "34,34,34,128" << 130 << "rgba(34,34,34,130)"
                                                          << QColor(34, 34, 34);
        QTest::newRow("blanks") << " 1, 2 ,3" << -1 << "rgb(1,2,3)" << QColor(1, 2, 3);
        // Written as a fraction: style sheets read a plain 1 as opaque.
        QTest::newRow("alpha 1") << "30,30,30,1" << -1 << "rgba(30,30,30,0.004)" << QColor(30, 30, 30);
        QTest::newRow("alpha 1 given") << "30,30,30" << 1 << "rgba(30,30,30,0.004)" << QColor(30, 30, 30);
        QTest::newRow("alpha 0") << "30,30,30" << 0 << "rgba(30,30,30,0)" << QColor(30, 30, 30);
    }

    void themeColorAsCss()
    {
        QFETCH(QString, text);
        QFETCH(int, alpha);
        QFETCH(QString, css);
        QFETCH(QColor, opaque);
        QCOMPARE(themeColorInfo::cssColor(text, alpha), css);
        QCOMPARE(themeColorInfo::opaqueColor(text), opaque);
    }

    // Painters take a theme colour with a chosen alpha, or with the entry's own.
    void themeColorWithAlpha_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QColor>("color");
        QTest::newRow("own, none in the text") << "10,20,30" << -1 << QColor(10, 20, 30, 0);
        QTest::newRow("own, in the text") << "10,20,30,40" << -1 << QColor(10, 20, 30, 40);
        QTest::newRow("given replaces the text's") << "10,20,30,40" << 200 << QColor(10, 20, 30, 200);
        QTest::newRow("given, opaque") << "10,20,30" << 255 << QColor(10, 20, 30, 255);
        QTest::newRow("blanks") << " 10 , 20,30 , 40 " << -1 << QColor(10, 20, 30, 40);
        QTest::newRow("short") << "10" << -1 << QColor(10, 0, 0, 0);
        QTest::newRow("empty") << "" << 255 << QColor(0, 0, 0, 255);
        QTest::newRow("not numbers") << "red,x,30,y" << -1 << QColor(0, 0, 30, 0);
        QTest::newRow("out of range") << "300,-5,30,999" << -1 << QColor(255, 0, 30, 255);
        QTest::newRow("given out of range") << "1,2,3" << 400 << QColor(1, 2, 3, 255);
    }
    void themeColorWithAlpha()
    {
        QFETCH(QString, text);
        QFETCH(int, alpha);
        QFETCH(QColor, color);
        const QColor got = themeColorInfo::withAlpha(text, alpha);
        QVERIFY(got.isValid());
        QCOMPARE(got, color);
    }

    // Every shipped theme file carries exactly the table, in its format.
    void themeFileMatchesTable_data()
    {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < 5; ++t)
            QTest::newRow(kThemeFiles[t]) << t;
    }

    void themeFileMatchesTable()
    {
        QFETCH(int, theme);
        QCOMPARE(kRows, themeColorInfo::Count);
        QFile f(QStringLiteral(":/images/StyleQss/%1ThemeConfig.ini").arg(kThemeFiles[theme]));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), kRows + 2); // header, rows, nothing after the last line end
        QCOMPARE(lines.first(), QByteArray("[ThemeColor]\r"));
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < kRows; ++i) {
            QCOMPARE(QByteArray(kThemeTable[i].key), QByteArray(themeColorInfo::keyName(i)));
            const QByteArray expected =
                QByteArray(kThemeTable[i].key) + " = " + kThemeTable[i].values[theme] + '\r';
            QCOMPARE(lines.at(i + 1), expected);
        }
    }

    // Loading a theme turns the table's values into the colour set's texts.
    void loadThemeConfig_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("bgImage");
        for (int t = 0; t < 5; ++t) {
            QTest::newRow(qPrintable(QStringLiteral("%1 plain").arg(kThemeFiles[t]))) << t << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 pictures").arg(kThemeFiles[t]))) << t << true;
        }
    }

    void loadThemeConfig()
    {
        QFETCH(int, theme);
        QFETCH(bool, bgImage);
        auto dm = DDataManager::create(m_app, m_shipped);
        dm->setBgImageUsing(bgImage);
        dm->loadThemeConfig(theme);
        const themeColorInfo colors = dm->getThemeColor();
        for (int i = 0; i < themeColorInfo::ColorCount; ++i) {
            QStringList parts = QString::fromLatin1(kThemeTable[i].values[theme]).split('.');
            if (parts.size() == 4 && !bgImage)
                parts.removeLast();
            QCOMPARE(colors.entry(i), parts.join(','));
        }
        QCOMPARE(colors.TextFont, QStringLiteral("Microsoft YaHei"));
    }

    void fonts()
    {
        auto dm = DDataManager::create(m_app, m_shipped);
        QVERIFY(!dm->isUseLocalFont());
        for (int kind : {0, 1, 2})
            QCOMPARE(dm->getFont(kind).family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(dm->getFont(0), dm->getFont(1));

        dm->setUseLocalFont(true);
        const QFont bold = dm->getFont(0);
        const QFont normal = dm->getFont(1);
        QCOMPARE(bold.family(), dm->getThemeColor().TextFont);
        QCOMPARE(bold.pointSize(), 10);
        QCOMPARE(bold.weight(), 75);
        QCOMPARE(normal.pointSize(), 10);
        QCOMPARE(normal.weight(), 50);
        QCOMPARE(dm->getFont(7).family(), QStringLiteral("Microsoft YaHei"));
    }

    void elidedText()
    {
        auto dm = DDataManager::create(m_app, m_shipped);
        const QFont font = dm->getFont(0);
        const QFontMetrics fm(font);
        const QString shortText = QStringLiteral("Key");
        QCOMPARE(dm->getElidedText(font, shortText, fm.horizontalAdvance(shortText) + 1), shortText);
        const QString longText = QStringLiteral("A rather long profile name");
        const int width = fm.horizontalAdvance(longText) / 2;
        const QString elided = dm->getElidedText(font, longText, width);
        QVERIFY(elided != longText);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        QVERIFY(fm.horizontalAdvance(elided) <= width);
        // Exactly as wide as the limit counts as too wide.
        QCOMPARE(dm->getElidedText(font, shortText, fm.horizontalAdvance(shortText)),
                 fm.elidedText(shortText, Qt::ElideRight, fm.horizontalAdvance(shortText)));
    }

    void writeLogAppendsLines()
    {
        auto dm = DDataManager::create(m_app, m_shipped);
        dm->writeLog(QStringLiteral("first milestone"));
        dm->writeLog(QStringLiteral("zweiter Meilenstein äöü"));
        QDir logs(dm->getLogCollectDir());
        const QStringList files = logs.entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile f(logs.filePath(files.first()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(1).endsWith("__first milestone"));
        QVERIFY(lines.at(2).endsWith(QStringLiteral("__zweiter Meilenstein äöü").toLocal8Bit()));
    }

    void unusableFolderRunsWithoutLog()
    {
        // A file where the folder should be: nothing can be created below it.
        QFile blocker(m_dir->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto dm = DDataManager::create(m_dir->filePath("blocker/velmora"), m_shipped);
        dm->writeLog(QStringLiteral("lost"));
        QVERIFY(!QFileInfo(dm->getLogCollectDir()).exists());
        // Defaults still hold in memory.
        QCOMPARE(dm->getThemeColor().AllBgColor, QStringLiteral("50,50,50"));
        QVERIFY(dm->isVersionChanged());
    }
};

QTEST_MAIN(tst_DataManager)
#include "tst_datamanager.moc"
