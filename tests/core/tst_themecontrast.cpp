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

    // A text colour that reads stays as it is; a faint one moves, in its own
    // hue, towards black on a light background and towards white on a dark
    // one, just far enough to read.
    void readableShade_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("amber on near black stays") << QColor(255, 200, 0) << QColor(35, 35, 35)
                                                   << QColor(255, 200, 0);
        QTest::newRow("amber on light grey darkens") << QColor(255, 200, 0) << QColor(240, 240, 240)
                                                     << QColor(171, 134, 0);
        QTest::newRow("grey on light grey darkens") << QColor(140, 140, 140) << QColor(225, 225, 225)
                                                    << QColor(128, 128, 128);
        QTest::newRow("blue on dark blue lightens") << QColor(0, 0, 255) << QColor(60, 110, 205)
                                                    << QColor(198, 198, 255);
        QTest::newRow("white on pink darkens") << QColor(255, 255, 255) << QColor(255, 95, 255)
                                               << QColor(84, 84, 84);
    }

    void readableShade()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QColor, shown);
        const QColor got = themeColorInfo::readableOn(text, background);
        QCOMPARE(got, shown);
        QVERIFY(contrast(got, background) >= kMinimumContrast);
    }

    // As colour texts: one that reads comes back unchanged, its alpha too.
    void readableText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("shown");
        QTest::newRow("reads, alpha kept") << "205,205,205,90" << "35,35,35,90" << "205,205,205,90";
        QTest::newRow("faint, background alpha ignored") << "140,140,140" << "225,225,225,90" << "128,128,128";
        QTest::newRow("faint, own alpha dropped") << "255,49,53,128" << "180,180,180" << "186,36,39";
    }

    void readableText()
    {
        QFETCH(QString, text);
        QFETCH(QString, background);
        QFETCH(QString, shown);
        QCOMPARE(themeColorInfo::readableText(text, background), shown);
    }

    // A text on a row and its hovered look reads on both, in one shade.
    void readableOnSeveral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("backgrounds");
        QTest::addColumn<bool>("kept");
        QTest::newRow("reads on both") << "205,205,205" << QStringList{"35,35,35", "40,40,40"} << true;
        QTest::newRow("grey on two reds") << "140,140,140" << QStringList{"255,49,53,128", "199,38,43,128"} << false;
        QTest::newRow("white on the pink title") << "255,255,255" << QStringList{"255,100,255", "255,140,255"}
                                                 << false;
    }

    void readableOnSeveral()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, backgrounds);
        QFETCH(bool, kept);
        const QString shown = themeColorInfo::readableText(text, backgrounds);
        QCOMPARE(shown == text, kept);
        for (const QString &background : backgrounds)
            QVERIFY2(contrast(themeColorInfo::opaqueColor(shown), themeColorInfo::opaqueColor(background))
                         >= kMinimumContrast,
                     qPrintable(shown + QStringLiteral(" on ") + background));
    }

    // Every text of the table reads in every shipped theme as the style code
    // shows it: in the theme's colour where that reaches 3:1 on its
    // background (themes without background pictures draw every colour
    // opaque), else in the readable shade. The shades used are logged.
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
        const QString &text = colors.*p.text;
        const QString &background = colors.*p.background;
        QVERIFY(!text.isEmpty());
        QVERIFY(!background.isEmpty());
        const QColor behind = themeColorInfo::opaqueColor(background);
        const double themed = contrast(themeColorInfo::opaqueColor(text), behind);
        const QString shown = themeColorInfo::readableText(text, background);
        const double ratio = contrast(themeColorInfo::opaqueColor(shown), behind);
        QVERIFY2(ratio >= kMinimumContrast,
                 qPrintable(QStringLiteral("%1 on %2: %3:1").arg(shown, background, QString::number(ratio, 'f', 2))));
        if (themed >= kMinimumContrast) {
            QCOMPARE(shown, text);
        } else {
            qInfo().noquote() << QStringLiteral("mend %1/%2: %3 on %4 is %5:1, shown %6 at %7:1")
                                     .arg(kThemes[theme], p.role, text, background,
                                          QString::number(themed, 'f', 2), shown, QString::number(ratio, 'f', 2));
        }
    }
};

QTEST_MAIN(tst_ThemeContrast)
#include "tst_themecontrast.moc"
