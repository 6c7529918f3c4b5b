#include "CbNotice.h"
#include "firmwareTestFixture.h"
#include "TextMoveWidget.h"
#include "hidProtocolReports.h"

#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <thread>

namespace {

template <class T>
T *part(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

bool noticeShows(CbNotice *notice, const QString &text)
{
    return notice->isVisible() && notice->textWidth() == notice->fontMetrics().horizontalAdvance(text);
}

int enterReports(const std::shared_ptr<SimulatedDevice> &device) { return device->outputCount(HidCmd::EnterBootloader); }

// Keeps a device in its normal mode when it gets 0x0B.
void ignoreEnter(const std::shared_ptr<SimulatedDevice> &device)
{
    SimBootloaderConfig config = device->config().bootloader;
    config.ignoreEnter = true;
    device->setBootloaderConfig(config);
}

} // namespace

// The update dialog and its rows, driven alone.
class tst_UpdateFirmwareDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsFollowTheRecords();
    void rowNames_data();
    void rowNames();
    void recordWithoutLinkCannotStart();
    void doubleUpdateQueuesOneEnterReport();
    void closeIsInertWhileUpgrading();
    void progressInWholePercent_data();
    void progressInWholePercent();
    void successShowsCompleteAndFreesTheOthers();
    void failureKeepsTheRowBusy();
    void workerThreadReportsReachTheRows();
    void enterReportThatCannotBeQueuedFails();
    void warningReadable_data();
    void warningReadable();
    void outcomeToastAtCentre_data();
    void outcomeToastAtCentre();
};

void tst_UpdateFirmwareDia::initTestCase()
{
    DDataManager::instance()->setLikeNameMap({{"Quissaro", "Quarrodin"}, {"Bovelli", "Bovelli"}});
    DDataManager::instance()->setProductNameMap({{"Quissaro", ""}, {"Bovelli", "Tracer"}});
}

void tst_UpdateFirmwareDia::rowsFollowTheRecords()
{
    FirmwareFixture f({"Quissaro", "Bovelli", "Ryzzmond"});
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia dialog(&f.window);
    const QList<hidFirmwareInfo> all = f.control->upgradeableList();
    QCOMPARE(all.size(), 3);
    dialog.setDevices(all, f.links);
    QCOMPARE(dialog.rows().size(), 3);
    QPointer<UpdateFirmwareInfoItem> first = dialog.rows().first();
    dialog.setDevices({all.at(1)}, f.links);
    QCOMPARE(dialog.rows().size(), 1);
    QCOMPARE(dialog.rows().first()->getHidPath(), fixedText(all.at(1).hidPath));
    QCOMPARE(part<QVBoxLayout>(&dialog, "verticalLayout_17")->count(), 2); // the row and the trailing spacer
    QVERIFY(part<QVBoxLayout>(&dialog, "verticalLayout_17")->itemAt(1)->spacerItem());
    QTRY_VERIFY(!first); // the earlier rows are deleted
}

void tst_UpdateFirmwareDia::rowNames_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("shown");
    QTest::newRow("like name only") << "Quissaro" << "Quarrodin";
    QTest::newRow("product and like name") << "Bovelli" << "Tracer Bovelli";
    QTest::newRow("no like name: the model name") << "Ryzzmond" << "Ryzzmond";
}

void tst_UpdateFirmwareDia::rowNames()
{
    QFETCH(QString, model);
    QFETCH(QString, shown);
    FirmwareFixture f({model});
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    UpdateFirmwareInfoItem *row = f.row(model);
    QVERIFY(row);
    QCOMPARE(part<QLabel>(row, "label_HidLikeName")->text(), shown);
    const hidFirmwareInfo info = row->getInfo();
    QCOMPARE(part<QLabel>(row, "label_OldVer")->text(), fixedText(info.firmwareVersion));
    QCOMPARE(part<QLabel>(row, "label_NewVer")->text(), fixedText(info.newVersion));
    QVERIFY(!fixedText(info.newVersion).isEmpty());
    QCOMPARE(part<QLabel>(row, "label_ProgressNum")->text(), QStringLiteral("0%"));
    QCOMPARE(part<QStackedWidget>(row, "stackedWidget")->currentWidget(), part<QWidget>(row, "page_1"));
    QVERIFY(part<QPushButton>(row, "pushButton_Update")->isEnabled());
    QCOMPARE(row->getSerialNumber(), f.links.value(row->getHidPath())->getSerialNumber());
}

void tst_UpdateFirmwareDia::recordWithoutLinkCannotStart()
{
    FirmwareFixture f({"Quissaro"});
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia dialog(&f.window);
    dialog.setDevices(f.control->upgradeableList(), {});
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    QVERIFY(!part<QPushButton>(row, "pushButton_Update")->isEnabled());
    QVERIFY(!row->getHidInterface());
    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    QTest::mouseClick(part<QPushButton>(row, "pushButton_Update"), Qt::LeftButton);
    QCOMPARE(started.count(), 0);
}

void tst_UpdateFirmwareDia::doubleUpdateQueuesOneEnterReport()
{
    FirmwareFixture f({"Quissaro"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    QSignalSpy started(f.dialog(), &DUpdateFirmwareDia::sigStartHidUpgrade);
    f.pressUpdate("Quissaro");
    f.pressUpdate("Quissaro");
    QCOMPARE(started.count(), 1);
    QTRY_COMPARE(enterReports(f.device("Quissaro")), 1);
    QTest::qWait(100);
    QCOMPARE(enterReports(f.device("Quissaro")), 1);
}

void tst_UpdateFirmwareDia::closeIsInertWhileUpgrading()
{
    FirmwareFixture f({"Quissaro", "Bovelli"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = f.dialog();
    QSignalSpy closed(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
    f.pressUpdate("Quissaro");
    QVERIFY(!dialog->isUpgradeFinished());
    QVERIFY(!part<QPushButton>(f.row("Bovelli"), "pushButton_Update")->isEnabled());
    QVERIFY(part<QPushButton>(f.row("Quissaro"), "pushButton_Update")->isEnabled());
    QTest::mouseClick(part<QPushButton>(dialog, "pushButton_Close"), Qt::LeftButton);
    QCOMPARE(closed.count(), 0);
    QVERIFY(dialog->isVisible());

    dialog->notifyUpgradeFailed();
    QTRY_VERIFY(noticeShows(dialog->notice(), QStringLiteral("Upgrade failed")));
    QTest::mouseClick(part<QPushButton>(dialog, "pushButton_Close"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(!f.dialog()); // released once closed
}

void tst_UpdateFirmwareDia::progressInWholePercent_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("percent");
    QTest::newRow("1 of 3") << 3 << 1 << 33;
    QTest::newRow("2 of 3") << 3 << 2 << 66;
    QTest::newRow("3 of 3") << 3 << 3 << 100;
    QTest::newRow("1 of 1366") << 1366 << 1 << 0;
    QTest::newRow("683 of 1366") << 1366 << 683 << 50;
    QTest::newRow("1365 of 1366") << 1366 << 1365 << 99;
}

void tst_UpdateFirmwareDia::progressInWholePercent()
{
    QFETCH(int, total);
    QFETCH(int, done);
    QFETCH(int, percent);
    FirmwareFixture f({"Quissaro"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    f.pressUpdate("Quissaro");
    f.dialog()->setUpgradeProgress(total, done);
    UpdateFirmwareInfoItem *row = f.row("Quissaro");
    QTRY_COMPARE(part<QProgressBar>(row, "progressBar")->value(), percent);
    QCOMPARE(part<QLabel>(row, "label_ProgressNum")->text(), QString::number(percent) + QLatin1Char('%'));
}

void tst_UpdateFirmwareDia::successShowsCompleteAndFreesTheOthers()
{
    FirmwareFixture f({"Quissaro", "Bovelli"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = f.dialog();
    f.pressUpdate("Quissaro");
    dialog->notifyUpgradeSucceeded();
    UpdateFirmwareInfoItem *done = f.row("Quissaro");
    QTRY_COMPARE(part<QStackedWidget>(done, "stackedWidget")->currentWidget(), part<QWidget>(done, "page_2"));
    QCOMPARE(part<QLabel>(done, "label_SuccessfulTip")->text(), QStringLiteral("Complete"));
    QCOMPARE(part<QLabel>(done, "label_OldVer")->text(), part<QLabel>(done, "label_NewVer")->text());
    QVERIFY(part<QLabel>(f.row("Bovelli"), "label_OldVer")->text() != part<QLabel>(f.row("Bovelli"), "label_NewVer")->text());
    QVERIFY(!done->isBusy());
    QVERIFY(part<QPushButton>(f.row("Bovelli"), "pushButton_Update")->isEnabled());
    QVERIFY(noticeShows(dialog->notice(), QStringLiteral("Upgrade successful")));
    QSignalSpy started(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    ignoreEnter(f.device("Bovelli"));
    f.pressUpdate("Bovelli");
    QCOMPARE(started.count(), 1);
}

void tst_UpdateFirmwareDia::failureKeepsTheRowBusy()
{
    FirmwareFixture f({"Quissaro", "Bovelli"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = f.dialog();
    QSignalSpy started(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    f.pressUpdate("Quissaro");
    dialog->notifyUpgradeFailed();
    QTRY_VERIFY(noticeShows(dialog->notice(), QStringLiteral("Upgrade failed")));
    QVERIFY(f.row("Quissaro")->isBusy());
    QVERIFY(!part<QPushButton>(f.row("Bovelli"), "pushButton_Update")->isEnabled());
    f.pressUpdate("Quissaro");
    f.pressUpdate("Bovelli");
    QCOMPARE(started.count(), 1);
    QCOMPARE(part<QStackedWidget>(f.row("Quissaro"), "stackedWidget")->currentWidget(), part<QWidget>(f.row("Quissaro"), "page_1"));
}

void tst_UpdateFirmwareDia::workerThreadReportsReachTheRows()
{
    FirmwareFixture f({"Quissaro"});
    ignoreEnter(f.device("Quissaro"));
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = f.dialog();
    f.pressUpdate("Quissaro");
    std::thread worker([dialog] {
        for (int done = 1; done <= 683; ++done)
            dialog->setUpgradeProgress(683, done);
        dialog->notifyUpgradeSucceeded();
    });
    worker.join();
    QVERIFY(dialog->isUpgradeFinished());
    UpdateFirmwareInfoItem *row = f.row("Quissaro");
    QTRY_COMPARE(part<QStackedWidget>(row, "stackedWidget")->currentWidget(), part<QWidget>(row, "page_2"));
    QCOMPARE(part<QProgressBar>(row, "progressBar")->value(), 100);
}

void tst_UpdateFirmwareDia::enterReportThatCannotBeQueuedFails()
{
    FirmwareFixture f({"Quissaro"});
    QVERIFY(f.control->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = f.dialog();
    f.links.first()->getHidInterface()->hidClose();
    QSignalSpy failed(dialog, &DUpdateFirmwareDia::sigIntoFirmwareFailed);
    f.pressUpdate("Quissaro");
    QCOMPARE(failed.count(), 1);
    QCOMPARE(enterReports(f.device("Quissaro")), 0);
    // The control fails the upgrade at once: Close works.
    QVERIFY(dialog->isUpgradeFinished());
    QVERIFY(!f.control->isUpgradePending());
}

// The "do not unplug" line is amber where amber reads on the theme's
// background (also after a theme change), else a darker amber that does.
void tst_UpdateFirmwareDia::warningReadable_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("amber");
    QTest::newRow("Dark") << 0 << true;
    QTest::newRow("Light") << 1 << false;
    QTest::newRow("Blue") << 2 << true;
    QTest::newRow("Pink") << 3 << true;
    QTest::newRow("Other") << 4 << true;
}

void tst_UpdateFirmwareDia::warningReadable()
{
    QFETCH(int, theme);
    QFETCH(bool, amber);
    DDataManager::instance()->loadThemeConfig(0);
    DUpdateFirmwareDia dialog;
    DDataManager::instance()->loadThemeConfig(theme);
    dialog.updateTheme();
    auto *tip = part<TextMoveWidget>(&dialog, "widget_Tip");
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    const QColor shown = tip->foreground();
    const double ratio = themeColorInfo::contrastRatio(shown, themeColorInfo::opaqueColor(colors.UpgradeBgColor));
    QVERIFY2(ratio >= themeColorInfo::MinimumContrast, qPrintable(QString::number(ratio, 'f', 2)));
    QCOMPARE(shown == QColor(255, 200, 0), amber);
    QVERIFY2(qAbs(shown.hsvHue() - QColor(255, 200, 0).hsvHue()) <= 2, qPrintable(shown.name()));
    DDataManager::instance()->loadThemeConfig(0);
}

// Both outcome toasts show at the centre of the dialog.
void tst_UpdateFirmwareDia::outcomeToastAtCentre_data()
{
    QTest::addColumn<bool>("success");
    QTest::newRow("success") << true;
    QTest::newRow("failure") << false;
}

void tst_UpdateFirmwareDia::outcomeToastAtCentre()
{
    QFETCH(bool, success);
    DUpdateFirmwareDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (success)
        dialog.notifyUpgradeSucceeded();
    else
        dialog.notifyUpgradeFailed();
    QTRY_VERIFY(dialog.notice()->isVisible());
    const QPoint shown = dialog.notice()->geometry().center();
    const QPoint centre = dialog.rect().center();
    QVERIFY2(qAbs(shown.x() - centre.x()) <= 1 && qAbs(shown.y() - centre.y()) <= 1,
             qPrintable(QStringLiteral("toast centre %1,%2").arg(shown.x()).arg(shown.y())));
}

QTEST_MAIN(tst_UpdateFirmwareDia)
#include "tst_updatefirmwaredia.moc"
