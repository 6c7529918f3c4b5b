#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DTipInfoDia.h"
#include "promptCaller.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

// The custom-light rows and the save prompt in a real X window for each theme,
// written to build/custom-lists-screenshots/ for a person to look at.

namespace {

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/custom-lists-screenshots");
    QDir().mkpath(dir);
    return dir;
}

QString background(const QString &colour)
{
    return QStringLiteral("background-color: rgb(%1);").arg(colour);
}

QPixmap grabScreenArea(const QRect &area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

} // namespace

class tst_CustomLightScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void customLightRows_data();
    void customLightRows();
    void promptOverWindow_data();
    void promptOverWindow();
};

void tst_CustomLightScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_CustomLightScreenshots::cleanupTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

static void addThemes()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

void tst_CustomLightScreenshots::customLightRows_data() { addThemes(); }

void tst_CustomLightScreenshots::customLightRows()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    // The lighting panel's list area.
    QWidget panel;
    panel.setObjectName(QStringLiteral("panel"));
    panel.setStyleSheet(QStringLiteral("#panel{%1}").arg(background(colours.DeviceRightBgColor)));
    panel.setFixedSize(440, 150);
    auto *layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(6);

    auto *selected = new DCustomLightListItem(&panel);
    selected->setItemInfo("1", "0", "Morning mist", "UnUsing", -1);
    selected->setSelectedStyle(true);
    auto *inUse = new DCustomLightListItem(&panel);
    inUse->setItemInfo("1", "1", "Gaming zone", "Using", 0);
    inUse->setSelectedStyle(false);
    auto *renaming = new DCustomLightListItem(&panel);
    renaming->setItemInfo("1", "2", "Night", "UnUsing", -1);
    renaming->setSelectedStyle(false);
    for (auto *row : {selected, inUse, renaming}) {
        row->setFixedHeight(32);
        layout->addWidget(row);
    }
    layout->addStretch();

    panel.move(0, 0);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseDClick(renaming->findChild<QLabel *>(QStringLiteral("label_CustomItemName")), Qt::LeftButton);
    auto *editor = renaming->findChild<QLineEdit *>(QStringLiteral("lineEdit_CustomItemName"));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("Night"));
    editor->setText(QStringLiteral("Night drive"));
    QTest::qWait(50);

    const QPixmap shot = panel.screen()->grabWindow(panel.winId());
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(outputDir() + QStringLiteral("/customLightRows_%1.png").arg(QTest::currentDataTag())));
}

void tst_CustomLightScreenshots::promptOverWindow_data() { addThemes(); }

void tst_CustomLightScreenshots::promptOverWindow()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    PromptCaller caller;
    QWidget *window = caller.mainWindow();
    window->setObjectName(QStringLiteral("mainWindow"));
    window->setStyleSheet(QStringLiteral("#mainWindow{%1}").arg(background(colours.MainWidgetBgColor)));
    // Something under the overlay to see it dim.
    auto *content = new QLabel(QStringLiteral("Device page"), window);
    content->setStyleSheet(QStringLiteral("color: rgb(%1); font: bold 28pt; %2")
                               .arg(colours.TextCheckedColor, background(colours.DeviceCenterBgColor)));
    content->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    content->setGeometry(40, 40, 820, 520);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QPixmap shot;
    bool promptShown = false;
    const int answer = caller.ask([&] {
        DTipInfoDia *prompt = caller.prompt();
        promptShown = QTest::qWaitForWindowExposed(prompt);
        QTest::qWait(50);
        shot = grabScreenArea(window->frameGeometry());
        QTest::mouseClick(prompt->findChild<QPushButton *>(QStringLiteral("pushButton_Discard")), Qt::LeftButton);
    });
    QVERIFY(!caller.timedOut());
    QVERIFY(promptShown);
    QCOMPARE(answer, 2);
    QVERIFY(!caller.overlay()->isVisible());
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(outputDir() + QStringLiteral("/savePrompt_%1.png").arg(QTest::currentDataTag())));
}

QTEST_MAIN(tst_CustomLightScreenshots)
#include "tst_customlightscreenshots.moc"
