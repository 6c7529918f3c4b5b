#include <QtTest>
class tst_SettingsScreenshots : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_SettingsScreenshots)
#include "tst_settingsscreenshots.moc"
