#include "DFirwareInfoShow.h"
#include "settingsTestFixture.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

// The settings dialog and the firmware information dialog on a real X
// display, written to build/settings-screenshots/ for a person to look at.
// Only the files' existence is asserted.
class tst_SettingsScreenshots : public QObject
{
    Q_OBJECT

private:
    QString m_dir;
    std::unique_ptr<SettingsFixture> f;

    void save(const QImage &image, const QString &name)
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        QVERIFY(image.save(path));
        QVERIFY(QFileInfo(path).size() > 0);
    }

    // The dialog shown at the screen's top-left corner, with the theme chosen
    // through its list.
    DSettingsDia *showDialog(const QString &themeEntry)
    {
        DSettingsDia *dialog = f->openDialog();
        dialog->move(40, 40);
        auto *themes = formChild<QComboBox>(dialog, "comboBox_Theme");
        themes->setCurrentIndex(themes->findText(themeEntry));
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        return dialog;
    }

    // What the screen shows around the dialog, open lists included.
    QImage screenAround(const QWidget *dialog, int extraHeight)
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        const QRect area = dialog->frameGeometry().adjusted(0, 0, 0, extraHeight);
        return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (run under xvfb-run)");
        m_dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/settings-screenshots");
        QVERIFY(QDir().mkpath(m_dir));
        // Other is read from configDir beside the program while the user configuration is on.
        const QString configDir = QCoreApplication::applicationDirPath() + QStringLiteral("/configDir");
        QVERIFY(QDir().mkpath(configDir));
        QFile::remove(configDir + QStringLiteral("/OtherThemeConfig.ini"));
        QVERIFY(QFile::copy(QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini"),
                            configDir + QStringLiteral("/OtherThemeConfig.ini")));
    }

    void init()
    {
        f = std::make_unique<SettingsFixture>();
        QVariantMap defaults = SettingsFixture::shippedDefaults();
        defaults.insert(QLatin1String(SettingsKeys::UserConfig), true);
        f->createManager(defaults);
        f->setUser(SettingsKeys::LanguageIndex, 3);
    }

    void cleanup() { f.reset(); }

    void pages_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("dark") << "Dark";
        QTest::newRow("light") << "Light";
        QTest::newRow("other") << "Other";
    }

    void pages()
    {
        QFETCH(QString, theme);
        f->setUser(SettingsKeys::AutoStart, false);
        f->setUser(SettingsKeys::CloseToTray, true);
        DSettingsDia *dialog = showDialog(theme);
        QVERIFY(dialog);
        save(dialog->grab().toImage(), QStringLiteral("general_%1.png").arg(theme.toLower()));

        formChild<QPushButton>(dialog, "pushButton_About")->click();
        save(dialog->grab().toImage(), QStringLiteral("about_%1.png").arg(theme.toLower()));
    }

    void toast_data() { pages_data(); }

    // The toasts at the dialog's centre, in every theme offered.
    void toast()
    {
        QFETCH(QString, theme);
        DSettingsDia *dialog = showDialog(theme);
        QVERIFY(dialog);
        auto *box = formChild<QCheckBox>(dialog, "checkBox_Close");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        save(dialog->grab().toImage(), QStringLiteral("general_%1_toast.png").arg(theme.toLower()));
        dialog->showNoUpgradeNotice();
        save(dialog->grab().toImage(), QStringLiteral("general_%1_noupgrade.png").arg(theme.toLower()));
    }

    void languages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listOpen");
        QTest::newRow("zh_sm") << QStringLiteral("简体中文") << "zh_sm" << false;
        QTest::newRow("korean") << QStringLiteral("한국어") << "korean" << false;
        QTest::newRow("arabic") << QString(QChar(0x00A0)) + QStringLiteral("عربي ") + QChar(0x060C) << "arabic"
                                << true;
    }

    void languages()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(bool, listOpen);
        DSettingsDia *dialog = showDialog(QStringLiteral("Dark"));
        QVERIFY(dialog);
        auto *list = formChild<QComboBox>(dialog, "comboBox_Language");
        list->setCurrentIndex(list->findText(entry));
        QCOMPARE(list->currentText(), entry);
        QTest::qWait(50);
        save(dialog->grab().toImage(), QStringLiteral("general_%1.png").arg(name));
        if (!listOpen)
            return;
        list->showPopup();
        QTest::qWait(300);
        save(screenAround(dialog, 320), QStringLiteral("general_%1_list.png").arg(name));
        list->hidePopup();
    }

    void firmwareInfo_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
    }

    void firmwareInfo()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        DFirwareInfoShow dialog;
        dialog.setFirmwareInfo({{"1-M25201KBQS,Quissaro", "V1.02---2020/3/26 20:50:50"},
                                {"2-R7734RULV,Rulvarro", "V2.10---2021/11/5 09:12:44"},
                                {"3-B00217MSE,Bovelli", "V1.00---2022/1/18 16:03:07"}});
        dialog.move(40, 40);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        save(dialog.grab().toImage(), QStringLiteral("firmware_info_theme%1.png").arg(theme));
        DDataManager::instance()->loadThemeConfig(0);
    }
};

QTEST_MAIN(tst_SettingsScreenshots)
#include "tst_settingsscreenshots.moc"
