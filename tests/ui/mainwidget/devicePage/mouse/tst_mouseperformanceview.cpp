// The mouse's report-rate panel: the rate slider's signal, the reset button
// and the desktop's mouse settings.

#include "DDataManager.h"
#include "DMousePerformanceView.h"
#include "DesktopSettingsLauncher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Sets an environment variable for the scope of a test.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// The desktop's mouse settings program as a script that says it started,
// then waits until the test releases it.
bool writeBlockingSettings(const QString &folder)
{
    QFile file(folder + QStringLiteral("/xfce4-mouse-settings"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n"
               "dir=\"$(dirname \"$0\")\"\n"
               ": > \"$dir/started\"\n"
               "while [ ! -e \"$dir/release\" ]; do sleep 0.05; done\n"
               ": > \"$dir/finished\"\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

// A launcher whose program is there but does not start.
class FailingLauncher : public DesktopSettingsLauncher
{
public:
    Command command(Kind) const override { return Command {QStringLiteral("/usr/bin/settings"), {}}; }
    bool launch(Kind, QString *error) override
    {
        ++launches;
        if (error)
            *error = QStringLiteral("settings crashed at start");
        return false;
    }
    int launches = 0;
};

} // namespace

class tst_MousePerformanceView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DDataManager::instance(); }

    void draggingEmitsEveryStep();
    void setRateIndex_data();
    void setRateIndex();
    void resetButtonAsks();
    void profileIndexIsKept();
    void settingsProgramStartsWithoutWaiting();
    void noSettingsProgramDisablesButton();
    void failedStartIsShownAsToolTip();
};

void tst_MousePerformanceView::draggingEmitsEveryStep()
{
    DMousePerformanceView view;
    auto *slider = view.findChild<QSlider *>(QStringLiteral("horizontalSlider_RateReturn"));
    QCOMPARE(slider->value(), 0);
    QCOMPARE(slider->maximum(), 3);
    QSignalSpy rate(&view, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex);
    // A drag moves the handle through every position, tracking as it goes.
    slider->setSliderDown(true);
    for (int position = 1; position <= 3; ++position)
        slider->setSliderPosition(position);
    slider->setSliderDown(false);
    QCOMPARE(rate.count(), 3);
    QCOMPARE(rate.at(0).first().toInt(), 1);
    QCOMPARE(rate.at(1).first().toInt(), 2);
    QCOMPARE(rate.at(2).first().toInt(), 3);
}

void tst_MousePerformanceView::setRateIndex_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("emitted");
    QTest::newRow("a new value is announced") << 0 << 2 << 1;
    QTest::newRow("the same value is not") << 2 << 2 << 0;
    QTest::newRow("0 after a start at 0") << 0 << 0 << 0;
}

void tst_MousePerformanceView::setRateIndex()
{
    QFETCH(int, start);
    QFETCH(int, index);
    QFETCH(int, emitted);
    DMousePerformanceView view;
    view.setRateIndex(start);
    QSignalSpy rate(&view, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex);
    view.setRateIndex(index);
    QCOMPARE(rate.count(), emitted);
    QCOMPARE(view.findChild<QSlider *>(QStringLiteral("horizontalSlider_RateReturn"))->value(), index);
}

void tst_MousePerformanceView::resetButtonAsks()
{
    DMousePerformanceView view;
    QSignalSpy reset(&view, &DMousePerformanceView::sigResetoreMouseCurrentProfile);
    view.findChild<QPushButton *>(QStringLiteral("pushButton_MouseProfileRestore"))->click();
    QCOMPARE(reset.count(), 1);
}

void tst_MousePerformanceView::profileIndexIsKept()
{
    DMousePerformanceView view;
    QCOMPARE(view.profileIndex(), 1);
    view.setProfileIndex(4);
    QCOMPARE(view.profileIndex(), 4);
}

void tst_MousePerformanceView::settingsProgramStartsWithoutWaiting()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBlockingSettings(dir.path()));
    const ScopedEnv path("PATH", QFile::encodeName(dir.path()) + ":/usr/bin:/bin");
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "XFCE");

    DMousePerformanceView view; // the session's own launcher
    auto *button = view.findChild<QPushButton *>(QStringLiteral("pushButton_MouseProperties"));
    QCOMPARE(button->text(), QStringLiteral("Mouse Properties"));
    QVERIFY(button->isEnabled());
    QVERIFY(button->toolTip().isEmpty());

    button->click();
    // The click has returned while the program still runs.
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("finished"))));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("started"))), 10000);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("finished"))));
    touch(dir.filePath(QStringLiteral("release")));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("finished"))), 10000);
    QVERIFY(button->toolTip().isEmpty());
}

void tst_MousePerformanceView::noSettingsProgramDisablesButton()
{
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "NoSuchDesktop");
    DMousePerformanceView view;
    auto *button = view.findChild<QPushButton *>(QStringLiteral("pushButton_MouseProperties"));
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("No mouse settings program was found for this desktop."));
    view.retranslate();
    QCOMPARE(button->toolTip(), QStringLiteral("No mouse settings program was found for this desktop."));
}

void tst_MousePerformanceView::failedStartIsShownAsToolTip()
{
    FailingLauncher launcher;
    DMousePerformanceView view;
    view.setDesktopSettingsLauncher(&launcher);
    auto *button = view.findChild<QPushButton *>(QStringLiteral("pushButton_MouseProperties"));
    QVERIFY(button->isEnabled());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("settings crashed at start")));
    button->click();
    QCOMPARE(launcher.launches, 1);
    QVERIFY(button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("The mouse settings could not be opened: settings crashed at start"));
}

QTEST_MAIN(tst_MousePerformanceView)
#include "tst_mouseperformanceview.moc"
