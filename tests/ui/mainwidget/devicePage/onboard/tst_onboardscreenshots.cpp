// The on-board page, its menus and explanation panel, the profile rows with
// their menu, and the performance page, each in a real X window for every
// theme, written to build/onboard-screenshots/ for a person to look at.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DOnboardPage.h"
#include "DPerformancePage.h"
#include "DesktopSettingsLauncher.h"
#include "onboardExplainDia.h"
#include "onboardProfileMenuToolWidget.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"
#include "profileListItem.h"
#include "xmlInterface.h"

#include <QCheckBox>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/onboard-screenshots");
    QDir().mkpath(dir);
    return dir;
}

QString background(const QString &colour)
{
    return QStringLiteral("background-color: rgb(%1);").arg(colour);
}

// The windows as they lie on the screen, each painted by Qt with its alpha, so
// the translucent pop-ups look as a compositing desktop shows them.
QPixmap composite(const QList<QWidget *> &windows, const QColor &desktop = QColor(90, 90, 96))
{
    QRect area;
    for (QWidget *w : windows)
        area |= w->frameGeometry();
    area.adjust(-10, -10, 10, 10);
    QPixmap shot(area.size());
    shot.fill(desktop);
    QPainter painter(&shot);
    for (QWidget *w : windows)
        painter.drawPixmap(w->pos() - area.topLeft(), w->grab());
    return shot;
}

bool save(const QPixmap &shot, const QString &name)
{
    return !shot.isNull()
        && shot.save(outputDir() + QStringLiteral("/%1_%2.png").arg(name, QTest::currentDataTag()));
}

void addThemes()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

// A stand-in for the device page area a pop-up opens from: a panel in the
// page's colour with the opening button.
class Host : public QWidget
{
public:
    Host(const QSize &size, const QPoint &buttonPos)
    {
        const themeColorInfo theme = DDataManager::instance()->getThemeColor();
        setObjectName(QStringLiteral("host"));
        setStyleSheet(QStringLiteral("#host{%1}").arg(background(theme.DeviceCenterBgColor)));
        setFixedSize(size);
        button = new QPushButton(QStringLiteral("..."), this);
        button->setGeometry(QRect(buttonPos, QSize(30, 30)));
        move(200, 100);
        show();
    }
    QPushButton *button;
};

} // namespace

class tst_OnboardScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void onboardPages_data();
    void onboardPages();
    void profileRows_data();
    void profileRows();
    void onboardMenus_data();
    void onboardMenus();
    void explanationPanel_data();
    void explanationPanel();
    void performancePage_data();
    void performancePage();
};

void tst_OnboardScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_OnboardScreenshots::cleanupTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_OnboardScreenshots::onboardPages_data() { addThemes(); }

void tst_OnboardScreenshots::onboardPages()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    const ReadOnlyDataFile list(QStringLiteral("hidList.xml"), false);
    xmlInterface store;
    QList<hidModelInfo> models;
    QVERIFY(store.getHidModelList(list.path(), models));
    // Bindings as the device page writes them into a layer's keys.
    const QMap<int, QString> bindings {{41, "Ctrl+Z"}, {58, "Play/Pause"}, {4, "Macro 1"}, {57, "Left Click"},
                                       {44, "Ctrl+Alt+T"}, {-10, "FN1"}, {22, "Say \"hi\""}};
    int shots = 0;
    for (const hidModelInfo &m : models) {
        const QString model = QString::fromUtf8(m.hidName);
        if (!QFile::exists(QStringLiteral(":/images/configDir/onboardDeviceConfig/KeyInfo_%1.config").arg(model)))
            continue;
        // The device page's on-board area around the picture.
        QWidget area;
        area.setObjectName(QStringLiteral("area"));
        area.setStyleSheet(QStringLiteral("#area{%1}").arg(background(colours.DeviceCenterBgColor)));
        auto *layout = new QVBoxLayout(&area);
        layout->setContentsMargins(20, 110, 20, 20);
        auto *page = new DOnboardPage(&area);
        layout->addWidget(page);
        page->setModel(model, m.keyNum);
        page->resetKeyTexts(1);
        const QMap<int, SoftKeyboardButCustom *> keys = page->getKeyButtonMap();
        for (auto it = bindings.begin(); it != bindings.end(); ++it) {
            if (SoftKeyboardButCustom *key = keys.value(it.key()))
                key->setKeyText(it.value());
        }
        area.move(200, 100);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        // The A key selected, the Play/Pause key under the mouse.
        if (SoftKeyboardButCustom *a = keys.value(4))
            a->click();
        SoftKeyboardButCustom *hovered = keys.value(58) ? keys.value(58) : keys.value(4);
        QVERIFY(hovered);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(hovered, &enter);
        ArrowWidget *tip = page->hoverPopup();
        QVERIFY(tip);
        QVERIFY(QTest::qWaitForWindowExposed(tip));
        QVERIFY(save(composite({&area, tip}), QStringLiteral("onboardPage_%1").arg(model)));
        ++shots;
    }
    QVERIFY(shots > 0);
}

void tst_OnboardScreenshots::profileRows_data() { addThemes(); }

void tst_OnboardScreenshots::profileRows()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    // The profile panel's list.
    QWidget panel;
    panel.setObjectName(QStringLiteral("panel"));
    panel.setStyleSheet(QStringLiteral("#panel{%1}").arg(background(colours.DeviceRightBgColor)));
    panel.setFixedSize(420, 200);
    auto *layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(0);
    const QStringList names {"Default", "Gaming", "A profile with a rather long name", "Office"};
    QList<profileListItem *> rows;
    for (int i = 0; i < names.size(); ++i) {
        auto *row = new profileListItem(&panel);
        row->setProfileInfo(QString::number(i + 1), names.at(i));
        row->setSelectedStatus(i == 1);
        layout->addWidget(row);
        rows << row;
    }
    layout->addStretch();
    panel.move(200, 100);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(save(composite({&panel}), QStringLiteral("profileRows")));

    // The last row's menu, open.
    auto *button = rows.last()->findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    QTest::mouseClick(button, Qt::LeftButton);
    ArrowWidget *popup = rows.last()->menuPopup();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QVERIFY(save(composite({&panel, popup}), QStringLiteral("profileRowMenu")));
    popup->hide();
}

void tst_OnboardScreenshots::onboardMenus_data() { addThemes(); }

void tst_OnboardScreenshots::onboardMenus()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);

    // Flag, type and pop-up height as the device page opens each menu.
    const struct
    {
        const char *name;
        int flag;
        int type;
        int height;
        int arrowY;
    } menus[] = {
        {"onboardConfigMenu", 1, onboardProfileMenuToolWidget::Configurations, 210, 13},
        {"onboardFastLayoutMenu", 2, onboardProfileMenuToolWidget::FastLayouts, 180, 13},
        {"onboardNumberPadMenu", 2, onboardProfileMenuToolWidget::NumberPadFastLayouts, 110, 13},
    };
    for (const auto &m : menus) {
        Host host(QSize(420, 300), QPoint(180, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        auto *menu = new onboardProfileMenuToolWidget(m.flag, &host);
        menu->setMenuType(m.type);
        menu->setWindowOpacity(1.0);
        ArrowWidget popup(0);
        popup.setPopupSize(200, m.height);
        popup.setArrowOffset(93);
        popup.setContentWidget(menu);
        popup.move(host.button->mapToGlobal(QPoint(host.button->width() / 2, host.button->height() - 6))
                   - QPoint(100, m.arrowY));
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QVERIFY(save(composite({&host, &popup}), QLatin1String(m.name)));
    }
}

void tst_OnboardScreenshots::explanationPanel_data() { addThemes(); }

void tst_OnboardScreenshots::explanationPanel()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);

    Host host(QSize(620, 620), QPoint(560, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto *panel = new onboardExplainDia(&host);
    panel->setWindowOpacity(1.0);
    ArrowWidget popup(0);
    popup.setPopupSize(460, 510);
    popup.setArrowOffset(403);
    popup.setContentWidget(panel);
    const QPushButton *button = host.button;
    popup.move(button->mapToGlobal(QPoint(button->width() / 2, button->height()))
               - QPoint(410, button->height() - 5));
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QVERIFY(save(composite({&host, &popup}), QStringLiteral("explanationPanel")));
}

void tst_OnboardScreenshots::performancePage_data() { addThemes(); }

void tst_OnboardScreenshots::performancePage()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    QWidget area;
    area.setObjectName(QStringLiteral("area"));
    area.setStyleSheet(QStringLiteral("#area{%1}").arg(background(colours.DeviceCenterBgColor)));
    auto *layout = new QVBoxLayout(&area);
    layout->setContentsMargins(20, 20, 20, 20);
    auto *page = new DPerformancePage(&area);
    // The button as a desktop with keyboard settings shows it.
    struct : DesktopSettingsLauncher
    {
        Command command(Kind) const override { return {QStringLiteral("/usr/bin/settings"), {}}; }
    } launcher;
    page->setDesktopSettingsLauncher(&launcher);
    layout->addWidget(page);
    // Two boxes on, as a profile might have them.
    page->findChild<QCheckBox *>(QStringLiteral("checkBox_disableWindowsKey"))->setChecked(true);
    page->findChild<QCheckBox *>(QStringLiteral("checkBox_disableALT_TAB"))->setChecked(true);
    area.move(200, 100);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QVERIFY(save(composite({&area}), QStringLiteral("performancePage")));
}

QTEST_MAIN(tst_OnboardScreenshots)
#include "tst_onboardscreenshots.moc"
