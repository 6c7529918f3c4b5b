#include "DAppllication.h"
#include "DLoginWidget.h"
#include "QtLinguist.h"
#include "SettingsKeys.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kMissing = -100; // row marker: key absent

QString crashTitle()
{
    return QCoreApplication::translate("CrashHandler", "Exe Crash");
}

} // namespace

class tst_Appllication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Set in main() before the application existed.
        QCOMPARE(QtLinguist().getDefaultLanguage(), int(QtLinguist::German));
    }

    void languageChoice_data()
    {
        QTest::addColumn<bool>("folder"); // the UserConfig folder exists
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen"); // installed and written back
        QTest::addColumn<QString>("title"); // a translated text afterwards

        QTest::newRow("no folder: system default") << false << kMissing << 10 << "Programmabsturz";
        QTest::newRow("missing key: system default") << true << kMissing << 10 << "Programmabsturz";
        QTest::newRow("-1: system default") << true << -1 << 10 << "Programmabsturz";
        QTest::newRow("stored French") << true << 13 << 13 << "Plantage du programme";
        QTest::newRow("stored Chinese") << true << 1 << 1 << "程序崩溃";
        QTest::newRow("0 installs nothing, kept") << true << 0 << 0 << "Exe Crash";
        QTest::newRow("14 installs nothing, kept") << true << 14 << 14 << "Exe Crash";
    }

    void languageChoice()
    {
        QFETCH(bool, folder);
        QFETCH(int, stored);
        QFETCH(int, chosen);
        QFETCH(QString, title);

        QTemporaryDir dir;
        const QString userConfig = dir.filePath("UserConfig");
        const QString file = userConfig + "/PardexConfig.ini";
        if (folder) {
            QVERIFY(QDir().mkpath(userConfig));
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Theme/selectThemeIndex", 2);
            if (stored != kMissing)
                s.setValue(SettingsKeys::LanguageIndex, stored);
        }

        QtLinguist linguist;
        linguist.setTranslationDir(qEnvironmentVariable("VELMORA_BINARY_DIR") + "/translation");
        QCOMPARE(DAppllication::initLanguage(&linguist, userConfig), chosen);
        QCOMPARE(crashTitle(), title);

        QSettings s(file, QSettings::IniFormat);
        QCOMPARE(s.value(SettingsKeys::LanguageIndex).toInt(), chosen);
        if (folder)
            QCOMPARE(s.value("Theme/selectThemeIndex").toInt(), 2); // other keys untouched
    }

    void loginGate()
    {
        DLoginWidget gate;
        QCOMPARE(gate.size(), QSize(300, 400));
        QCOMPARE(gate.minimumSize(), gate.maximumSize());
        QCOMPARE(gate.windowOpacity(), 0.0);
        QCOMPARE(gate.objectName(), QStringLiteral("DLoginWidget"));
        auto *button = gate.findChild<QPushButton *>("pushButton_Login");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Login"));
        QCOMPARE(button->geometry(), QRect(70, 210, 151, 41));

        QSignalSpy finished(&gate, &DLoginWidget::sigLoginFinished);
        button->click(); // connected by name
        gate.on_pushButton_Login_clicked();
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(0).at(0).toBool(), true);

        gate.show();
        gate.fadeOut();
        auto *effect = qobject_cast<QGraphicsOpacityEffect *>(gate.graphicsEffect());
        QVERIFY(effect);
        QTRY_VERIFY_WITH_TIMEOUT(gate.isHidden(), 30000);
        QCOMPARE(effect->opacity(), 0.0);
    }

    void autoUpRule_data()
    {
        QTest::addColumn<bool>("autoStart");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("autostart entry") << true << "/usr/bin/velmora --AutoUp" << true;
        QTest::newRow("setting off") << false << "/usr/bin/velmora --AutoUp" << false;
        QTest::newRow("plain start") << true << "/usr/bin/velmora" << false;
        QTest::newRow("lower case") << true << "/usr/bin/velmora --autoup" << false;
        QTest::newRow("upper case") << true << "/usr/bin/velmora --AUTOUP" << false;
        QTest::newRow("anywhere on the line") << true << "/opt/AutoUpdate/velmora" << true;
        QTest::newRow("without dashes") << true << "velmora AutoUp" << true;
    }

    void autoUpRule()
    {
        QFETCH(bool, autoStart);
        QFETCH(QString, commandLine);
        QFETCH(bool, hidden);
        QCOMPARE(DAppllication::isAutoUpStart(autoStart, commandLine), hidden);
        // Only a tray icon could bring a hidden window back.
        QCOMPARE(DAppllication::startsHidden(autoStart, commandLine, true), hidden);
        QCOMPARE(DAppllication::startsHidden(autoStart, commandLine, false), false);
    }
};

int main(int argc, char **argv)
{
    // The system language the default choice follows.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    tst_Appllication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appllication.moc"
