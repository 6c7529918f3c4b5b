#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "DMainWidget.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

QSettings *userSettings()
{
    return new QSettings(DDataManager::instance()->getUserSettingsPath(), QSettings::IniFormat);
}

QList<QByteArray> logLines()
{
    QDir logs(DDataManager::instance()->getLogCollectDir());
    const QStringList files = logs.entryList(QDir::Files);
    if (files.size() != 1)
        return {};
    QFile f(logs.filePath(files.first()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    lines.removeLast();
    return lines;
}

} // namespace

class tst_MainWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A clean application-data folder for this run.
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart").removeRecursively();
    }

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

        DMainWidget window;
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora")); // the shipped company name
        QCOMPARE(window.companyName(), window.windowTitle());
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(DDataManager::instance()->isUseLocalFont()); // on in the shipped defaults

        const QList<QByteArray> lines = logLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).contains("__********************--------------------Start collect log:"));
        QVERIFY(lines.at(1).contains("__********************--------------------Into DMainWidget INIT:"));
        QVERIFY(lines.at(2).contains("__********************--------------------END DMainWidget INIT:"));

        std::unique_ptr<QSettings> s(userSettings());
        QCOMPARE(s->value(SettingsKeys::AutoStart).toString(), QStringLiteral("true"));
        QCOMPARE(s->value(SettingsKeys::MinimizeToTray).toString(), QStringLiteral("true"));
        QCOMPARE(s->value(SettingsKeys::CloseToTray).toString(), QStringLiteral("false"));
        QVERIFY(AutoStartEntry::isInstalled());
        QFile entry(AutoStartEntry::filePath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains(AutoStartEntry::execLine(QCoreApplication::applicationFilePath()).toUtf8()
                                         + "\n"));
    }

    void laterConstructionWritesNothing()
    {
        {
            std::unique_ptr<QSettings> s(userSettings());
            s->setValue(SettingsKeys::AutoStart, false);
            s->setValue(SettingsKeys::MinimizeToTray, false);
        }
        QVERIFY(AutoStartEntry::remove());
        DMainWidget window;
        std::unique_ptr<QSettings> s(userSettings());
        QCOMPARE(s->value(SettingsKeys::AutoStart).toBool(), false);
        QCOMPARE(s->value(SettingsKeys::MinimizeToTray).toBool(), false);
        QCOMPARE(s->value(SettingsKeys::CloseToTray).toBool(), false);
        QVERIFY(!AutoStartEntry::isInstalled()); // the key exists: the entry is left alone
    }

    void closeToTrayOnlyHides()
    {
        {
            std::unique_ptr<QSettings> s(userSettings());
            s->setValue(SettingsKeys::CloseToTray, true);
        }
        DMainWidget window;
        window.show();
        QVERIFY(window.isVisible());
        window.on_pushButton_Close_clicked();
        QVERIFY(!window.isVisible());
        // No stop line: the program keeps running.
        for (const QByteArray &line : logLines())
            QVERIFY(!line.contains("Stop collect log:"));
    }

    void themeStylesTheWindow()
    {
        DMainWidget window;
        const themeColorInfo colors = DDataManager::instance()->getThemeColor();
        QVERIFY(window.styleSheet().contains(QStringLiteral("background-color: rgb(%1)").arg(colors.MainWidgetBgColor)));
        QVERIFY(window.styleSheet().contains(QStringLiteral("solid rgb(%1)").arg(colors.MainWidgetBorderColor)));
    }
};

QTEST_MAIN(tst_MainWidget)
#include "tst_mainwidget.moc"
