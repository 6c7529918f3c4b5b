#include "DDataManager.h"
#include "SettingsKeys.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Text and the background it is drawn on, as the pages pair the theme's
// entries; each must stay readable in every shipped theme.
struct ColorPair
{
    const char *role;
    QString themeColorInfo::*text;
    QString themeColorInfo::*background;
};

const ColorPair kPairs[] = {
    {"page text", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceCenterBgColor},
    {"page accent text", &themeColorInfo::TextCheckedColor, &themeColorInfo::DeviceCenterBgColor},
    {"panel text", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceRightBgColor},
    {"panel accent text", &themeColorInfo::TextCheckedColor, &themeColorInfo::DeviceRightBgColor},
    {"side bar text", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceLeftBgColor},
    {"window text", &themeColorInfo::TextDefaultColor, &themeColorInfo::MainWidgetBgColor},
    {"title bar text, top", &themeColorInfo::TextDefaultColor, &themeColorInfo::MainWidgetTitleColorStart},
    {"title bar text, bottom", &themeColorInfo::TextDefaultColor, &themeColorInfo::MainWidgetTitleColorStop},
    {"title bar page, top", &themeColorInfo::TextCheckedColor, &themeColorInfo::MainWidgetTitleColorStart},
    {"title bar page, bottom", &themeColorInfo::TextCheckedColor, &themeColorInfo::MainWidgetTitleColorStop},
    {"button text", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceControlDefaultColor},
    {"checked tab", &themeColorInfo::TextCheckedColor, &themeColorInfo::DeviceControlHoverColor},
    {"toast", &themeColorInfo::TextCheckedColor, &themeColorInfo::AllBgColor},
    {"device strip", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceListAreaDefaultBgColor},
    {"device strip hover", &themeColorInfo::TextDefaultColor, &themeColorInfo::DeviceListItemHoverBgColor},
    {"list row", &themeColorInfo::DeviceLeftAreaItemTextDefaultColor, &themeColorInfo::DeviceLeftBgColor},
    {"list row hover", &themeColorInfo::DeviceLeftAreaItemTextDefaultColor,
     &themeColorInfo::DeviceLeftAreaItemHoverColor},
    {"list row selected", &themeColorInfo::DeviceLeftAreaItemTextSelectedColor,
     &themeColorInfo::DeviceLeftAreaItemSelectedColor},
    {"macro row", &themeColorInfo::MacroListItemTextColor, &themeColorInfo::MacroCenterBgColor},
    {"macro row selected", &themeColorInfo::MacroListItemTextColor, &themeColorInfo::MacroListItemSelectedColor},
    {"macro title selected", &themeColorInfo::TextCheckedColor, &themeColorInfo::MacroListItemSelectedColor},
    {"home device name", &themeColorInfo::HomeDeviceItemNameTextColor, &themeColorInfo::HomeDeviceItemBgColor},
    {"home product name", &themeColorInfo::HomeDeviceItemProductTextColor, &themeColorInfo::HomeDeviceItemBgColor},
    {"on-board button", &themeColorInfo::DeviceOnboardButDefaultTextColor, &themeColorInfo::DeviceOnboardButColor},
    {"soft keyboard key", &themeColorInfo::DeviceSoftkeyboardButDefaultTextColor,
     &themeColorInfo::DeviceSoftkeyboardButColor},
    {"mouse left button", &themeColorInfo::DeviceMouseLeftKeyTextColor, &themeColorInfo::DeviceMouseBgColor},
    {"key with a function", &themeColorInfo::DeviceKeyHaveCustomColor, &themeColorInfo::DeviceCenterBgColor},
    {"colour slider text", &themeColorInfo::DeviceColorToolSliderTextColor, &themeColorInfo::DeviceCenterBgColor},
    {"settings text", &themeColorInfo::TextDefaultColor, &themeColorInfo::SettingsBgColor},
    {"settings heading", &themeColorInfo::TextCheckedColor, &themeColorInfo::SettingsBgColor},
    {"settings selected tab", &themeColorInfo::TextCheckedColor, &themeColorInfo::SettingsControlSelectedBgColor},
    {"firmware text", &themeColorInfo::TextDefaultColor, &themeColorInfo::UpgradeBgColor},
    {"firmware device name", &themeColorInfo::TextCheckedColor, &themeColorInfo::UpgradeBgColor},
    {"firmware progress fill", &themeColorInfo::UpgradeProgressBarBottomColor,
     &themeColorInfo::UpgradeProgressBarTopColor},
};

const char *const kThemes[] = {"Black", "Light", "Blue", "Pink", "Other"};

double contrast(const QColor &a, const QColor &b)
{
    return themeColorInfo::contrastRatio(a, b);
}

constexpr double kMinimumContrast = themeColorInfo::MinimumContrast;

} // namespace

class tst_ThemeContrast : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DDataManager> m_dm;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_dm = DDataManager::create(m_dir.path(), QString::fromLatin1(SettingsKeys::DefaultSettingsPath));
        QVERIFY(!m_dm->isBgImageUsing());
    }

    // The formula itself, on pairs with known ratios.
    void contrastFormula_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
        QTest::newRow("grey 118 on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
        QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(255, 0, 0) << 4.0;
    }

    void contrastFormula()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(std::abs(contrast(a, b) - ratio) < 0.01, qPrintable(QString::number(contrast(a, b))));
    }

    // A form's fixed colour (the firmware dialog's amber warning) stays
    // where it reads on the theme's background, else gives way to a theme
    // colour.
    void fixedColourGivesWay_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<bool>("kept");
        QTest::newRow("amber on near black") << QStringLiteral("35,35,35") << QStringLiteral("255,49,53") << true;
        QTest::newRow("amber on light grey") << QStringLiteral("240,240,240") << QStringLiteral("200,30,35") << false;
        QTest::newRow("amber on mid blue") << QStringLiteral("85,134,232") << QStringLiteral("0,0,120") << false;
        QTest::newRow("fallback alpha dropped") << QStringLiteral("240,240,240,90") << QStringLiteral("200,30,35,50")
                                                << false;
    }

    void fixedColourGivesWay()
    {
        QFETCH(QString, background);
        QFETCH(QString, fallback);
        QFETCH(bool, kept);
        const QColor amber(255, 200, 0);
        const QColor shown = themeColorInfo::readableOn(amber, background, fallback);
        QCOMPARE(shown == amber, kept);
        if (!kept)
            QCOMPARE(shown, themeColorInfo::opaqueColor(fallback));
    }

    // Themes without background pictures draw every colour opaque.
    void textIsReadable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("pair");
        for (int t = 0; t < int(std::size(kThemes)); ++t) {
            for (int p = 0; p < int(std::size(kPairs)); ++p)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(kThemes[t], kPairs[p].role))) << t << p;
        }
    }

    void textIsReadable()
    {
        QFETCH(int, theme);
        QFETCH(int, pair);
        m_dm->loadThemeConfig(theme);
        const themeColorInfo colors = m_dm->getThemeColor();
        const ColorPair &p = kPairs[pair];
        QVERIFY(!(colors.*p.text).isEmpty());
        QVERIFY(!(colors.*p.background).isEmpty());
        const double ratio = contrast(themeColorInfo::opaqueColor(colors.*p.text),
                                      themeColorInfo::opaqueColor(colors.*p.background));
        QVERIFY2(ratio >= kMinimumContrast,
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(colors.*p.text, colors.*p.background, QString::number(ratio, 'f', 2))));
    }
};

QTEST_MAIN(tst_ThemeContrast)
#include "tst_themecontrast.moc"
