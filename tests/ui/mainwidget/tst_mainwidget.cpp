// The main window on fake pages: construction, first-run writes, pages and
// their prompt, the title-bar buttons, the tray, theme and language.
#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "HidBackend.h"
#include "SettingsKeys.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "mainWindowFrame.h"
#include "paintedFrame.h"
#include "ui_DMainWidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

std::unique_ptr<QSettings> userSettings()
{
    return std::make_unique<QSettings>(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat);
}

QString macroFile()
{
    return DDataManager::instance()->getUserConfigPath() + QStringLiteral("/pardexMacro.xml");
}

// Every text of the window's context in capitals reversed, the rest as is.
class MirrorTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DMainWidget") != 0)
            return QString();
        QString text = QString::fromUtf8(sourceText);
        std::reverse(text.begin(), text.end());
        return text;
    }
    bool isEmpty() const override { return false; }
};

// Counts the style changes that reach a widget or anything inside it.
class StyleChangeCounter : public QObject
{
public:
    explicit StyleChangeCounter(QWidget *root)
        : m_root(root)
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange && watched->isWidgetType()
            && (watched == m_root || m_root->isAncestorOf(static_cast<QWidget *>(watched))))
            ++count;
        return false;
    }
    int count = 0;

private:
    QWidget *m_root;
};

} // namespace

class tst_MainWidget : public QObject
{
    Q_OBJECT

private:
    FakeWindowParts m_parts;

private slots:
    void initTestCase()
    {
        // A clean application-data folder and no device for this run.
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart").removeRecursively();
        HidBackend::install(std::make_shared<SimulatedHidBackend>());
    }
    void init() { m_parts = FakeWindowParts(); }

    void firstConstruction()
    {
        // A key the user already set before: never overwritten.
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/UserConfig");
        {
            QSettings s(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                            + "/UserConfig/PardexConfig.ini",
                        QSettings::IniFormat);
            s.setValue(SettingsKeys::CloseToTray, false);
        }
        QVERIFY(!AutoStartEntry::isInstalled());

        DMainWidget window(m_parts.hooks());
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.windowFlags() & Qt::WindowSystemMenuHint);
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora")); // the shipped company name
        QCOMPARE(window.companyName(), window.windowTitle());
        QCOMPARE(window.form()->label_AppName->text(), window.windowTitle());
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(DDataManager::instance()->isUseLocalFont()); // on in the shipped defaults
        QVERIFY(window.form()->pushButton_Linkage->isHidden());
        QCOMPARE(window.currentPageId(), int(DMainWidget::PageHome));
        QVERIFY(window.form()->pushButton_Home->isChecked());

        const QList<QByteArray> lines = logLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).contains("__********************--------------------Start collect log:"));
        QVERIFY(lines.at(1).contains("__********************--------------------Into DMainWidget INIT:"));
        QVERIFY(lines.at(2).contains("__********************--------------------END DMainWidget INIT:"));

        std::unique_ptr<QSettings> s = userSettings();
        QCOMPARE(s->value(SettingsKeys::AutoStart).toString(), QStringLiteral("true"));
        QCOMPARE(s->value(SettingsKeys::MinimizeToTray).toString(), QStringLiteral("true"));
        QCOMPARE(s->value(SettingsKeys::CloseToTray).toString(), QStringLiteral("false"));
        QVERIFY(AutoStartEntry::isInstalled());

        // The macro file is made, and the pages get its path and the store.
        QVERIFY(QFile::exists(macroFile()));
        QCOMPARE(window.macroFilePath(), macroFile());
        QCOMPARE(m_parts.macroPage->macroFilePath(), macroFile());
        QCOMPARE(m_parts.notifier->starts, 1);
    }

    void laterConstructionWritesNothing()
    {
        {
            std::unique_ptr<QSettings> s = userSettings();
            s->setValue(SettingsKeys::AutoStart, false);
            s->setValue(SettingsKeys::MinimizeToTray, false);
        }
        QVERIFY(AutoStartEntry::remove());
        DMainWidget window(m_parts.hooks());
        std::unique_ptr<QSettings> s = userSettings();
        QCOMPARE(s->value(SettingsKeys::AutoStart).toBool(), false);
        QCOMPARE(s->value(SettingsKeys::MinimizeToTray).toBool(), false);
        QCOMPARE(s->value(SettingsKeys::CloseToTray).toBool(), false);
        QVERIFY(!AutoStartEntry::isInstalled()); // the key exists: the entry is left alone
    }

    void existingMacroFileIsKept()
    {
        QFile file(macroFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<?xml version=\"1.0\"?>\n<Parameters profileIndex=\"1\"><macro index=\"3\"/></Parameters>\n");
        file.close();
        DMainWidget window(m_parts.hooks());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<macro index=\"3\"/>"));
    }

    void listsReachTheDataManager()
    {
        DMainWidget window(m_parts.hooks());
        DDataManager *data = DDataManager::instance();
        QCOMPARE(data->getHidNameList(),
                 (QStringList{"Quissaro", "Ryzzmond", "Rosquine", "Rulvarro", "Varrowen"}));
        QCOMPARE(data->getLikeNameMap().value("Rulvarro"), QStringLiteral("Calquor"));
        QCOMPARE(data->getKeyNumMap().value("Ryzzmond"), 84);
        QCOMPARE(data->getHidModelMap().size(), 5);
        QCOMPARE(data->getSupportHidList().size(), 3);
        QCOMPARE(QByteArray(data->getSupportHidList().at(2).Pid), QByteArray("A21C"));
    }

    void minimumSizeFollowsTheScreen()
    {
        DMainWidget window(m_parts.hooks());
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(window.minimumSize(), mainWindowFrame::minimumSizeFor(available));
        QVERIFY(window.width() >= window.minimumWidth());
        QVERIFY(window.height() >= window.minimumHeight());
    }

    // Leaving the device page with an unsaved lighting edit: 0 stays,
    // 1 saves and stays, 2 discards and goes.
    void lightingPromptAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("cleared");
        QTest::newRow("0 closed") << 0 << int(DMainWidget::PageDevice) << 0 << 0;
        QTest::newRow("1 save") << 1 << int(DMainWidget::PageDevice) << 1 << 1;
        QTest::newRow("2 discard") << 2 << int(DMainWidget::PageHome) << 0 << 1;
    }
    void lightingPromptAnswers()
    {
        QFETCH(int, answer);
        QFETCH(int, page);
        QFETCH(int, saved);
        QFETCH(int, cleared);
        DMainWidget window(m_parts.hooks());
        Ui::DMainWidget *ui = window.form();
        ui->pushButton_Device->click();
        QCOMPARE(window.currentPageId(), int(DMainWidget::PageDevice));
        QCOMPARE(m_parts.devicePage->shownFirst, 1);

        m_parts.devicePage->lightChanged = true;
        m_parts.devicePage->answer = answer;
        ui->pushButton_Home->click();
        QCOMPARE(m_parts.devicePage->asked, 1);
        QCOMPARE(window.currentPageId(), page);
        QCOMPARE(m_parts.devicePage->saved, saved);
        QCOMPARE(m_parts.devicePage->cleared, cleared);
        const bool stays = page == DMainWidget::PageDevice;
        QCOMPARE(ui->pushButton_Device->isChecked(), stays);
        QCOMPARE(ui->pushButton_Home->isChecked(), !stays);
        QCOMPARE(ui->stackedWidget_Main->currentWidget(), stays ? ui->page_Device : ui->page_Home);
    }

    void pageButtons()
    {
        DMainWidget window(m_parts.hooks());
        Ui::DMainWidget *ui = window.form();
        // The page shown: nothing happens, not even the prompt.
        m_parts.devicePage->lightChanged = true;
        ui->pushButton_Home->click();
        QCOMPARE(m_parts.devicePage->asked, 0);
        m_parts.devicePage->lightChanged = false;

        // (The macro page's theme routine has loaded its list once already.)
        const int listLoads = m_parts.macroPage->listLoads;
        ui->pushButton_Macro->click();
        QCOMPARE(ui->stackedWidget_Main->currentWidget(), ui->page_Macro);
        QVERIFY(m_parts.macroPage->isCurrentPage());
        QCOMPARE(m_parts.macroPage->keyboardLoads, 1);
        QCOMPARE(m_parts.macroPage->listLoads, listLoads + 1);

        // Leaving the macro page ends a recording first.
        m_parts.macroPage->recording = true;
        window.onCurIndexChanged(DMainWidget::PageLinkage);
        QCOMPARE(ui->stackedWidget_Main->currentWidget(), ui->page_Linkage);
        QVERIFY(!m_parts.macroPage->isCurrentPage());
        QVERIFY(!m_parts.macroPage->recording);
        QCOMPARE(m_parts.macroPage->toggles, 1);
        // An unknown id changes only the id.
        window.onCurIndexChanged(99);
        QCOMPARE(ui->stackedWidget_Main->currentWidget(), ui->page_Linkage);
    }

    // A tile click: straight to the device page, no prompt, no first device.
    void tileClickOpensTheDevicePage()
    {
        DMainWidget window(m_parts.hooks());
        m_parts.devicePage->lightChanged = true;
        QSignalSpy forwarded(m_parts.devicePage, &DDevicePage::sigHomePageDeviceItemClicked);
        emit window.homePage()->sigHomePage(QStringLiteral("/sys/devices/x/1-1:1.2"));
        QCOMPARE(window.currentPageId(), int(DMainWidget::PageDevice));
        QVERIFY(window.form()->pushButton_Device->isChecked());
        QCOMPARE(window.form()->stackedWidget_Main->currentWidget(), window.form()->page_Device);
        QCOMPARE(m_parts.devicePage->asked, 0);
        QCOMPARE(m_parts.devicePage->shownFirst, 0);
        QCOMPARE(forwarded.count(), 1);
        QCOMPARE(forwarded.first().first().toString(), QStringLiteral("/sys/devices/x/1-1:1.2"));
    }

    // Close, minimise and settings each end a recording first.
    void titleButtonsStopRecording_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("close") << "pushButton_Close";
        QTest::newRow("minimise") << "pushButton_Min";
        QTest::newRow("settings") << "pushButton_Setting";
    }
    void titleButtonsStopRecording()
    {
        QFETCH(QString, button);
        userSettings()->setValue(SettingsKeys::CloseToTray, true);
        DMainWidget window(m_parts.hooks());
        window.show();
        m_parts.macroPage->recording = true;
        // The settings dialog runs modally: close it once it is open.
        QTimer::singleShot(0, &window, [&window] {
            if (window.settingsDialog())
                window.settingsDialog()->close();
        });
        window.findChild<QPushButton *>(button)->click();
        QVERIFY(!m_parts.macroPage->recording);
        QVERIFY(m_parts.exits.isEmpty());
    }

    // With a tray the close button hides the window; without one it only
    // minimises, so the window can still be found. Missing: it quits.
    void closeButton_data()
    {
        QTest::addColumn<QVariant>("closeToTray");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<int>("exits");
        QTest::newRow("to tray") << QVariant(true) << true << false << false << 0;
        QTest::newRow("to tray, no tray") << QVariant(true) << false << true << true << 0;
        QTest::newRow("quit") << QVariant(false) << true << false << false << 1;
        QTest::newRow("key missing: quit") << QVariant() << true << false << false << 1;
    }
    void closeButton()
    {
        QFETCH(QVariant, closeToTray);
        QFETCH(bool, tray);
        QFETCH(bool, visible);
        QFETCH(bool, minimized);
        QFETCH(int, exits);
        DMainWidget window(m_parts.hooks());
        {
            std::unique_ptr<QSettings> s = userSettings();
            if (closeToTray.isValid())
                s->setValue(SettingsKeys::CloseToTray, closeToTray);
            else
                s->remove(SettingsKeys::CloseToTray);
        }
        m_parts.tray = tray;
        const int stopLines = logCount("Stop collect log:");
        window.show();
        window.form()->pushButton_Close->click();
        QCOMPARE(window.isVisible(), visible);
        QCOMPARE(bool(window.windowState() & Qt::WindowMinimized), minimized);
        QCOMPARE(m_parts.exits, exits ? QList<int>{0} : QList<int>{});
        QCOMPARE(logCount("Stop collect log:"), stopLines + exits);
        if (exits)
            QVERIFY(!window.trayIcon()->isVisible());
    }

    void maximiseButtonSwitchesPictures()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        window.form()->pushButton_Max->click();
        QVERIFY(window.isMaximized());
        QVERIFY(window.form()->pushButton_Max->styleSheet().contains("intoMaxWindowDef.png"));
        window.form()->pushButton_Max->click();
        QVERIFY(!window.isMaximized());
        QVERIFY(window.form()->pushButton_Max->styleSheet().contains("border-image:url(:/images/mainpage/maxWindowDef.png)"));
    }

    // The icon exists whether or not a tray is there now.
    void trayMenuAndIcon()
    {
        m_parts.tray = false;
        DMainWidget window(m_parts.hooks());
        QVERIFY(window.trayIcon());
        QVERIFY(window.trayIcon()->isVisible());
        QCOMPARE(window.trayIcon()->toolTip(), window.companyName());
        QCOMPARE(window.trayIcon()->contextMenu(), window.trayMenu());
        QStringList texts;
        for (QAction *action : window.trayMenu()->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, (QStringList{"Minimize(&N)", "Maximize(&X)", "Revert(&R)", "-", "Quit(&Q)"}));
        QVERIFY(!window.trayMenu()->actions().last()->icon().isNull());

        window.show();
        window.trayMenu()->actions().at(0)->trigger(); // hides, not minimises
        QVERIFY(!window.isVisible());
        window.trayMenu()->actions().at(1)->trigger();
        QVERIFY(window.isVisible() && window.isMaximized());
        window.trayMenu()->actions().at(2)->trigger();
        QVERIFY(window.isVisible() && !window.isMaximized());
        window.trayMenu()->actions().at(4)->trigger();
        QCOMPARE(m_parts.exits, QList<int>{0});
    }

    void trayActivation_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0 unknown") << 0 << false;
        QTest::newRow("1 context") << 1 << false;
        QTest::newRow("2 double click") << 2 << true;
        QTest::newRow("3 click") << 3 << true;
        QTest::newRow("4 middle click") << 4 << false;
    }
    void trayActivation()
    {
        QFETCH(int, reason);
        QFETCH(bool, shown);
        DMainWidget window(m_parts.hooks());
        window.hide();
        emit window.trayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(window.isVisible(), shown);
    }

    void themeWithoutPictures()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const themeColorInfo c = DDataManager::instance()->getThemeColor();
        Ui::DMainWidget *ui = window.form();
        QVERIFY(ui->frame_Title->styleSheet().contains(
            QStringLiteral("stop:0 rgba(%1, 255), stop:1 rgba(%2, 255)").arg(c.MainWidgetTitleColorStart, c.MainWidgetTitleColorStop)));
        // A 1-pixel border around the title bar and the main area.
        const PaintedFrame frame = paintedFrame(window);
        QCOMPARE(frame.border, themeColorInfo::opaqueColor(c.MainWidgetBorderColor));
        QCOMPARE(frame.mainArea, themeColorInfo::opaqueColor(c.MainWidgetBgColor));
        QCOMPARE(ui->frame_Title->pos(), QPoint(1, 1));
        QCOMPARE(ui->frame_Main->geometry().bottomRight(), ui->frame_Bg->rect().bottomRight() - QPoint(1, 1));
        QCOMPARE(ui->label_AppName->styleSheet(), QStringLiteral("QLabel#label_AppName{color: rgb(%1);}").arg(c.TextCheckedColor));
        // The page shown carries the underline in the checked colour.
        QVERIFY(ui->frame_ChangPage->styleSheet().contains(
            QStringLiteral("QPushButton::checked{\t\t\t\t\tcolor: rgb(%1);\t\t\t\t\tborder-bottom: 3px solid rgb(%1);").arg(c.TextCheckedColor)));
        QCOMPARE(ui->pushButton_Home->font().pointSize(), 14);
        QCOMPARE(ui->label_AppName->font().pointSize(), 16);
    }

    void themeWithPictures_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("name");
        QTest::newRow("light") << 1 << "Light";
        QTest::newRow("other") << 4 << "Other";
        QTest::newRow("out of range") << 7 << "";
    }
    void themeWithPictures()
    {
        QFETCH(int, theme);
        QFETCH(QString, name);
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QColor border = paintedFrame(window).border;
        DDataManager::instance()->setBgImageUsing(true);
        window.applyTheme(theme);
        DDataManager::instance()->setBgImageUsing(false);
        const QString dir = QCoreApplication::applicationDirPath();
        QCOMPARE(window.form()->frame_Title->styleSheet(),
                 QStringLiteral("QFrame#frame_Title{border-image:url(%1/images/bgImageTitle_%2.png);}").arg(dir, name));
        QCOMPARE(window.form()->frame_Main->styleSheet(),
                 QStringLiteral("QFrame#frame_Main{border-image:url(%1/images/bgImageMain_%2.png);}").arg(dir, name));
        QCOMPARE(paintedFrame(window).border, border);
    }

    // A theme change restyles the title bar, never the pages: a sheet on a
    // frame that holds them would restyle every widget of every page.
    void themeLeavesThePagesAlone()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        StyleChangeCounter pages(window.form()->stackedWidget_Main);
        StyleChangeCounter titleBar(window.form()->frame_ChangPage);
        DDataManager::instance()->loadThemeConfig(1);
        window.applyTheme(1);
        DDataManager::instance()->loadThemeConfig(0);
        window.applyTheme(0);
        QCOMPARE(pages.count, 0);
        QVERIFY(titleBar.count > 0);
    }

    // The form's texts follow the language; the company name stays.
    void retranslationKeepsTheCompanyName()
    {
        DMainWidget window(m_parts.hooks());
        MirrorTranslator translator;
        QCoreApplication::installTranslator(&translator);
        window.omUpdataAllUI();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(window.form()->pushButton_Home->text(), QStringLiteral("EMOH"));
        QCOMPARE(window.trayMenu()->actions().first()->text(), QStringLiteral(")N&(eziminiM"));
        QCOMPARE(window.windowTitle(), window.companyName());
        QCOMPARE(window.form()->label_AppName->text(), window.companyName());
        QCOMPARE(window.trayIcon()->toolTip(), window.companyName());
    }
};

QTEST_MAIN(tst_MainWidget)
#include "tst_mainwidget.moc"
