// The four mouse panels of the device page in a real X window for every
// theme, written to build/mouse-screenshots/ for a person to look at: the
// buttons page with bindings and a selected button, the DPI levels, the
// lighting page with coloured dots and a linked zone, the report rate.

#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DmouseConfigView.h"
#include "FixedText.h"
#include "mouseLightButtonCustom.h"
#include "mouseProfileFile.h"

#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/mouse-screenshots");
    QDir().mkpath(dir);
    return dir;
}

void addThemes()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

// The device page's mouse area around one panel.
class Area : public QWidget
{
public:
    explicit Area(QWidget *panel)
    {
        const themeColorInfo theme = DDataManager::instance()->getThemeColor();
        setObjectName(QStringLiteral("area"));
        setStyleSheet(QStringLiteral("#area{background-color:%1;}").arg(themeColorInfo::cssColor(theme.DeviceCenterBgColor)));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(16, 16, 16, 16);
        panel->setParent(this);
        layout->addWidget(panel);
        move(100, 100);
        show();
    }
};

customKeyInfo binding(const char *operateType, const QByteArray &value, const char *mode = "0")
{
    customKeyInfo record {};
    fixedTextCopy(record.keyCode, "2");
    fixedTextCopy(record.operateType, operateType);
    fixedTextCopy(record.mode, mode);
    fixedTextCopy(record.Value, value);
    return record;
}

bool save(QWidget *area, const QString &name)
{
    return area->grab().save(outputDir() + QStringLiteral("/%1_%2.png").arg(name, QTest::currentDataTag()));
}

} // namespace

class tst_MouseScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void panels_data();
    void panels();
};

void tst_MouseScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_MouseScreenshots::cleanupTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_MouseScreenshots::panels_data()
{
    addThemes();
}

void tst_MouseScreenshots::panels()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    QList<dpiConfigInfo> levels = MouseProfileFile::defaultLevels();
    levels[3] = MouseProfileFile::level(4, 2400, 1200, 0, 1, 255, 255, 0); // disabled, separate X and Y
    MouseProfileFile file(levels, 2);
    QVERIFY(file.ok());
    file.store()->setLightLinkStatus(file.path(), "1", DMouseLightPage::Scroll, 1);

    // Buttons page: bindings and the right button chosen for assignment.
    auto *buttons = new DMousePage(QStringLiteral("Bovelli"));
    buttons->setKeyNameMap({{4, QStringLiteral("A")}, {41, QStringLiteral("Esc")}});
    buttons->loadMouseInfo(QStringLiteral("Bovelli"));
    buttons->retranslateButtons();
    buttons->setMouseKeyInfo(32, binding("2", "5,4"));
    buttons->setMouseKeyInfo(16, binding("3", "3"));
    buttons->setMouseKeyInfo(4, binding("6", "A text far too long for the label"));
    Area buttonsArea(buttons);
    QVERIFY(QTest::qWaitForWindowExposed(&buttonsArea));
    buttons->button(4)->click();
    QVERIFY(save(&buttonsArea, QStringLiteral("buttons")));

    // DPI levels: level 2 active; level 3 edited.
    auto *dpi = new DmouseConfigView;
    dpi->setXmlInfo(file.encodedPath().constData(), file.store());
    dpi->setProfileIndex(1);
    dpi->loadDpiConfig();
    Area dpiArea(dpi);
    QVERIFY(QTest::qWaitForWindowExposed(&dpiArea));
    QTest::mouseClick(dpi->rows().at(2), Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(save(&dpiArea, QStringLiteral("dpi")));

    // Lighting: coloured dots, Scroll linked to Around.
    auto *light = new DMouseLightPage(QStringLiteral("Bovelli"));
    light->loadMouseInfo(QStringLiteral("Bovelli"));
    light->updateTheme();
    light->setXmlInfo(file.encodedPath().constData(), file.store());
    light->setProfileIndex(1);
    light->loadLinkStatus();
    const QList<QColor> colours {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                 {0, 255, 255}, {255, 0, 255}, {0, 0, 255}, {255, 0, 0}};
    const QList<mouseLightButtonCustom *> dots = light->getLedWidgets();
    for (int i = 0; i < dots.size() && i < colours.size(); ++i)
        dots[i]->setColor(colours[i]);
    Area lightArea(light);
    QVERIFY(QTest::qWaitForWindowExposed(&lightArea));
    QVERIFY(save(&lightArea, QStringLiteral("lighting")));

    // Report rate at 500 Hz.
    auto *rate = new DMousePerformanceView;
    rate->setRateIndex(2);
    Area rateArea(rate);
    QVERIFY(QTest::qWaitForWindowExposed(&rateArea));
    QVERIFY(save(&rateArea, QStringLiteral("rate")));
}

QTEST_MAIN(tst_MouseScreenshots)
#include "tst_mousescreenshots.moc"
