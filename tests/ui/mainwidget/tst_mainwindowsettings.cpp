// The Setting button: the dimming cover, the settings dialog over the window
// with the scanner's firmware map, and language and theme choices reaching
// the whole window while the dialog is open.
#include "DDataManager.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "QtLinguist.h"
#include "SettingsKeys.h"
#include "SimulatedHidBackend.h"
#include "mainWindowFakes.h"
#include "paintedFrame.h"
#include "ui_DMainWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

QString translationDir()
{
    return qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation");
}

QString translated(const QString &language, const char *context, const char *source)
{
    QTranslator translator;
    if (!translator.load(translationDir() + QLatin1Char('/') + language + QStringLiteral(".qm")))
        return QString();
    return translator.translate(context, source);
}

} // namespace

class tst_MainWindowSettings : public QObject
{
    Q_OBJECT

private:
    FakeWindowParts m_parts;
    std::shared_ptr<SimulatedHidBackend> m_simulated;
    std::unique_ptr<QtLinguist> m_linguist;

    // Clicks the Setting button and runs the check while the dialog is open;
    // the check closes it (or leaves that to the test) before returning.
    void withDialog(DMainWidget &window, const std::function<void(DSettingsDia *)> &check)
    {
        bool ran = false;
        QTimer::singleShot(0, &window, [&] {
            DSettingsDia *dialog = window.settingsDialog();
            QVERIFY(dialog);
            ran = true;
            check(dialog);
        });
        window.form()->pushButton_Setting->click();
        QVERIFY(ran);
    }

    static void closeWithButton(DSettingsDia *dialog)
    {
        dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    }

    static QWidget *overlay(const DMainWidget &window)
    {
        return window.findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
    }

private slots:
    void initTestCase()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        m_simulated = std::make_shared<SimulatedHidBackend>();
        m_simulated->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        m_simulated->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
        HidBackend::install(m_simulated);
        m_linguist = std::make_unique<QtLinguist>();
        m_linguist->setTranslationDir(translationDir());
        QtLinguist *linguist = m_linguist.get();
        DSettingsDia::setLanguageInstaller([linguist](int index) { return linguist->setLanguage(index); });
    }

    void cleanupTestCase()
    {
        DSettingsDia::setLanguageInstaller({});
        HidBackend::install(nullptr);
    }

    void init()
    {
        m_parts = FakeWindowParts();
        QSettings settings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat);
        settings.setValue(SettingsKeys::LanguageIndex, 3);
        settings.setValue(SettingsKeys::ThemeIndex, 0);
        m_linguist->setLanguage(QtLinguist::English);
        DDataManager::instance()->loadThemeConfig(0);
    }

    void dialogOverTheWindow()
    {
        DMainWidget window(m_parts.hooks());
        window.move(30, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMap<QString, QString> map = window.scanner()->getFirmwareInfoMap();
        QCOMPARE(map.size(), 2);
        m_parts.macroPage->recording = true;

        withDialog(window, [&](DSettingsDia *dialog) {
            QVERIFY(!m_parts.macroPage->recording);
            QWidget *cover = overlay(window);
            QVERIFY(cover);
            QVERIFY(cover->isVisible());
            QCOMPARE(cover->size(), window.size());
            QCOMPARE(cover->styleSheet(), QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));

            QCOMPARE(dialog->parentWidget(), &window);
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->pos(), QPoint(window.pos().x() + (window.width() - 700) / 2,
                                           window.pos().y() + (window.height() - 460) / 2));
            QCOMPARE(dialog->firmwareInfoMap(), map);
            closeWithButton(dialog);
        });
        QVERIFY(overlay(window)->isHidden());
        QVERIFY(!window.settingsDialog());

        // Each opening has a cover and a dialog of its own.
        QPointer<QWidget> first = overlay(window);
        withDialog(window, [&](DSettingsDia *dialog) {
            QVERIFY(overlay(window) != first);
            QVERIFY(overlay(window)->isVisible());
            closeWithButton(dialog);
        });
        QVERIFY(first.isNull());
        QCOMPARE(window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly).size(), 1);
    }

    // Closed without its Close button (Escape), the dialog still takes the cover away.
    void escapeTakesTheCoverAway()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        withDialog(window, [](DSettingsDia *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY(overlay(window)->isHidden());
    }

    void languageRetranslatesTheWindow()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString home = translated(QStringLiteral("German"), "DMainWidget", "HOME");
        QVERIFY(!home.isEmpty() && home != QLatin1String("HOME"));

        withDialog(window, [&](DSettingsDia *dialog) {
            auto *list = dialog->findChild<QComboBox *>(QStringLiteral("comboBox_Language"));
            list->setCurrentIndex(list->findText(QStringLiteral("Deutsch")));
            QCOMPARE(window.form()->pushButton_Home->text(), home);
            QCOMPARE(window.form()->label_AppName->text(), window.companyName());
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("label_Title"))->text(),
                     translated(QStringLiteral("German"), "DSettingsDia", "Settings"));
            closeWithButton(dialog);
        });
        QCOMPARE(QSettings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat)
                     .value(SettingsKeys::LanguageIndex)
                     .toInt(),
                 10);
        QCOMPARE(window.form()->pushButton_Home->text(), home);
    }

    void themeRestylesTheWindow()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString darkBg = DDataManager::instance()->getThemeColor().MainWidgetBgColor;

        themeColorInfo light;
        withDialog(window, [&](DSettingsDia *dialog) {
            auto *list = dialog->findChild<QComboBox *>(QStringLiteral("comboBox_Theme"));
            list->setCurrentIndex(list->findText(QStringLiteral("Light")));
            light = DDataManager::instance()->getThemeColor();
            QVERIFY(light.MainWidgetBgColor != darkBg);
            QVERIFY(window.form()->frame_Title->styleSheet().contains(light.MainWidgetTitleColorStart));
            closeWithButton(dialog);
        });
        // Seen once the dialog's dimming cover has gone.
        const PaintedFrame frame = paintedFrame(window);
        QCOMPARE(frame.border, themeColorInfo::opaqueColor(light.MainWidgetBorderColor));
        QCOMPARE(frame.mainArea, themeColorInfo::opaqueColor(light.MainWidgetBgColor));
        QCOMPARE(QSettings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat)
                     .value(SettingsKeys::ThemeIndex)
                     .toInt(),
                 1);
    }

    void upgradeCheckReachesTheWindow()
    {
        DMainWidget window(m_parts.hooks());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        withDialog(window, [&](DSettingsDia *dialog) {
            QSignalSpy check(dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton_UpgradeCheck"))->click();
            QCOMPARE(check.count(), 1);
            QCOMPARE(window.settingsDialog(), dialog);
            closeWithButton(dialog);
        });
    }
};

QTEST_MAIN(tst_MainWindowSettings)
#include "tst_mainwindowsettings.moc"
