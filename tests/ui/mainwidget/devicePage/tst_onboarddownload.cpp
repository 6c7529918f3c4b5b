// The on-board download: the plan of reports worked out from the layer and
// macro files, and the stop-and-wait sender against a simulated keyboard
// with each acknowledgement behaviour.
#include "DDeviceKeyboardLink.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "onboardDownloadPlan.h"
#include "onboardDownloadSender.h"
#include "onboardReports.h"
#include "onboardTestFiles.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kKeys = 132;
constexpr int kWaitMs = 5000;

// A 6 x 22 layout: key codes 4.. with a few empty cells.
QList<int> layoutCodes()
{
    QList<int> codes;
    for (int i = 0; i < kKeys; ++i)
        codes.append(i % 22 == 21 ? 0 : 4 + i);
    return codes;
}

int commandOf(const hidReportData &report) { return report[kHidCommandByte]; }

QString describe(const hidReportData &r)
{
    return QStringLiteral("%1/%2/%3").arg(r[1], 2, 16, QLatin1Char('0')).arg(r[2]).arg(r[4]);
}

// Where, in the step list, the entry of key `code` of `layer` went.
int packetHolding(const QList<onboardDownloadStep> &steps, int layer, int code, QByteArray &entry)
{
    for (int i = 0; i < steps.size(); ++i) {
        const hidReportData &r = steps.at(i).report;
        if (r[1] != HidCmd::OnboardKeyTable || r[2] != layer)
            continue;
        for (int at = kHidPayloadOffset; at < kHidPayloadOffset + r[5]; at += 4) {
            if (r[at] == 0x10 && r[at + 1] == code) {
                entry = QByteArray(reinterpret_cast<const char *>(&r[at]), 4);
                return i;
            }
        }
    }
    return -1;
}

hidStructInfo keyboardRecord(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, device.config().modelName);
    info.vid = device.config().vendorId;
    info.pid = device.config().productId;
    return info;
}

} // namespace

class tst_OnboardDownload : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;

    onboardDownloadSource source(onboardTestFiles &files) const
    {
        return {&files.store, files.defaultFile, files.fn1File, files.macroFile, 1};
    }

    // A link opened on a new simulated keyboard, ready for reports.
    DDeviceKeyboardLink *openLink(std::shared_ptr<SimulatedDevice> &device, QObject *parent)
    {
        device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        auto *link = new DDeviceKeyboardLink(1, parent);
        link->openHidDevice(keyboardRecord(*device));
        if (!link->getHidInterface() || !link->getHidInterface()->isHidOpen())
            return nullptr;
        QTest::qWait(50); // the start-up exchange
        device->clearOutputs();
        return link;
    }

private slots:
    void init()
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_backend.reset();
    }

    // Both layers' key tables, then after the pause every slot cleared.
    void planWithoutMacros()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.bind(0, 1, 5, 0, "41");
        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        QVERIFY(!plan.isRefused());
        QCOMPARE(plan.steps.size(), 20 + 50);
        QCOMPARE(plan.pauseBeforeStep, 20);
        for (int i = 0; i < 20; ++i) {
            const onboardDownloadStep &step = plan.steps.at(i);
            QCOMPARE(commandOf(step.report), int(HidCmd::OnboardKeyTable));
            QVERIFY(!step.acknowledged);
            QCOMPARE(int(step.report[2]), i / 10);
            QCOMPARE(int(step.report[4]), i % 10);
            QCOMPARE(int(step.report[5]), i % 10 == 9 ? 24 : 56);
        }
        // Key 5 (second cell) remapped to Esc.
        QCOMPARE(int(plan.steps.at(0).report[kHidPayloadOffset + 4 + 1]), 41);
        for (int i = 20; i < 70; ++i) {
            const hidReportData &r = plan.steps.at(i).report;
            QVERIFY(plan.steps.at(i).acknowledged);
            QCOMPARE(commandOf(r), int(HidCmd::OnboardMacro));
            QCOMPARE(int(r[2]), (i - 20) / 5);
            QCOMPARE(int(r[4]), (i - 20) % 5);
            QCOMPARE(int(r[5]), (i - 20) % 5 == 4 ? 0x18 : 0x3A);
            for (int b = kHidPayloadOffset; b < kHidReportSize; ++b)
                QCOMPARE(int(r[b]), 0);
        }
    }

    // Macro keys take slots in key order, default layer first; each macro's
    // reports come after the previous key-table packet and before the one
    // that refers to its slot.
    void planWithMacros()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addMacro(1, "First", 4);
        files.addMacro(2, "Second", 2);
        files.bind(0, 1, 60, 1, "2", "2", "5"); // later in the default layer
        files.bind(0, 1, 6, 1, "1");
        files.bind(1, 1, 6, 1, "1");            // the same macro again, in FN1
        const QByteArray before = onboardTestFiles::contents(files.defaultFile)
                                  + onboardTestFiles::contents(files.fn1File);

        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        QVERIFY(!plan.isRefused());
        QCOMPARE(plan.macroSlotsUsed, 3);
        QCOMPARE(plan.steps.size(), 20 + 15 + 35);

        struct expected { int layer; int code; int slot; };
        for (const expected &e : {expected{0, 6, 0}, expected{0, 60, 1}, expected{1, 6, 2}}) {
            QByteArray entry;
            const int at = packetHolding(plan.steps, e.layer, e.code, entry);
            QVERIFY2(at >= 5, qPrintable(QStringLiteral("key %1").arg(e.code)));
            QCOMPARE(entry, QByteArray("\x10", 1) + char(e.code) + char(e.slot) + '\0');
            for (int k = 1; k <= 5; ++k) {
                const hidReportData &r = plan.steps.at(at - k).report;
                QCOMPARE(commandOf(r), int(HidCmd::OnboardMacro));
                QCOMPARE(int(r[2]), e.slot);
                QCOMPARE(int(r[4]), 5 - k);
            }
            QVERIFY(at - 6 < 0 || commandOf(plan.steps.at(at - 6).report) == HidCmd::OnboardKeyTable);
        }
        // Mode 2 with repeat 5: play mode 1, repeat count 5, 2 events.
        QByteArray entry;
        const int second = packetHolding(plan.steps, 0, 60, entry);
        const hidReportData &header = plan.steps.at(second - 5).report;
        QCOMPARE(int(header[kHidPayloadOffset + 1]), 1);
        QCOMPARE(int(header[kHidPayloadOffset + 3]), 8);
        QCOMPARE(int(header[kHidPayloadOffset + 5]), 5);
        // Slots 3 to 9 are cleared after the pause.
        QCOMPARE(plan.pauseBeforeStep, 35);
        QCOMPARE(int(plan.steps.at(35).report[2]), 3);
        QCOMPARE(int(plan.steps.last().report[2]), 9);
        QCOMPARE(onboardTestFiles::contents(files.defaultFile) + onboardTestFiles::contents(files.fn1File),
                 before);
    }

    // Repeat counts are kept to 1..255; a mode outside 1..4 plays once.
    void macroHeaderIsClamped_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("repeat");
        QTest::addColumn<int>("playMode");
        QTest::addColumn<int>("repeatCount");
        QTest::newRow("as stored") << QByteArray("4") << QByteArray("3") << 3 << 3;
        QTest::newRow("repeat 0") << QByteArray("2") << QByteArray("0") << 1 << 1;
        QTest::newRow("repeat 300") << QByteArray("2") << QByteArray("300") << 1 << 255;
        QTest::newRow("mode 0") << QByteArray("0") << QByteArray("2") << 0 << 2;
        QTest::newRow("mode 9") << QByteArray("9") << QByteArray("2") << 0 << 2;
    }
    void macroHeaderIsClamped()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, repeat);
        QFETCH(int, playMode);
        QFETCH(int, repeatCount);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addMacro(1, "M", 2);
        files.bind(0, 1, 4, 1, "1", mode, repeat);
        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        const hidReportData &header = plan.steps.first().report;
        QCOMPARE(commandOf(header), int(HidCmd::OnboardMacro));
        QCOMPARE(int(header[kHidPayloadOffset + 1]), playMode);
        QCOMPARE(int(header[kHidPayloadOffset + 5]), repeatCount);
    }

    // A download the keyboard could not hold is refused whole.
    void refusals_data()
    {
        QTest::addColumn<int>("macroKeys");
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("text");
        QTest::newRow("ten macros") << 10 << 40 << QString();
        QTest::newRow("eleven macros") << 11 << 2 << "Too many macros (at most 10)";
        QTest::newRow("41 events") << 1 << 41 << QString();
        QTest::newRow("42 events") << 1 << 42 << "Macro too long: Long one";
    }
    void refusals()
    {
        QFETCH(int, macroKeys);
        QFETCH(int, events);
        QFETCH(QString, text);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addMacro(1, "Long one", events);
        for (int k = 0; k < macroKeys; ++k)
            files.bind(k % 2, 1, 10 + k, 1, "1");
        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        QCOMPARE(onboardDownloadRefusalText(plan), text);
        QCOMPARE(plan.isRefused(), !text.isEmpty());
        if (plan.isRefused())
            QVERIFY(plan.steps.isEmpty());
        else
            QCOMPARE(plan.steps.size(), 20 + 50);
    }

    // The sender against each acknowledgement behaviour of the keyboard.
    void sender_data()
    {
        QTest::addColumn<int>("policy"); // SimAckPolicy::Mode
        QTest::addColumn<int>("parameter");
        QTest::addColumn<bool>("successful");
        QTest::addColumn<int>("extraSends");
        QTest::newRow("at once") << int(SimAckPolicy::Immediate) << 0 << true << 0;
        // Late, but well inside the sender's wait: a loaded machine's own
        // delays on the way back have the rest of it.
        QTest::newRow("late by 20 ms") << int(SimAckPolicy::Late) << 20 << true << 0;
        QTest::newRow("first dropped") << int(SimAckPolicy::DropFirst) << 1 << true << 1;
        QTest::newRow("never") << int(SimAckPolicy::Never) << 0 << false << 0;
    }
    void sender()
    {
        QFETCH(int, policy);
        QFETCH(int, parameter);
        QFETCH(bool, successful);
        QFETCH(int, extraSends);
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addMacro(1, "M", 4);
        files.bind(0, 1, 6, 1, "1");
        onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        if (policy == SimAckPolicy::Late) {
            // One macro and its key table: every late answer is a chance
            // for a loaded machine to stretch it past the wait.
            plan.steps = plan.steps.mid(0, 6);
            plan.pauseBeforeStep = 6;
        }

        QObject owner;
        std::shared_ptr<SimulatedDevice> device;
        DDeviceKeyboardLink *link = openLink(device, &owner);
        QVERIFY(link);
        SimAckPolicy ack;
        ack.mode = SimAckPolicy::Mode(policy);
        ack.delayMs = policy == SimAckPolicy::Late ? parameter : 0;
        ack.dropCount = policy == SimAckPolicy::DropFirst ? parameter : 0;
        device->setAckPolicy(HidCmd::OnboardMacro, ack);

        onboardDownloadSender sender(link->getHidInterface(), link, plan);
        QSignalSpy finished(&sender, &onboardDownloadSender::sigFinished);
        // Something posted meanwhile runs while the download waits.
        bool postedRan = false;
        QTimer::singleShot(0, &owner, [&] { postedRan = !finished.isEmpty() ? false : true; });
        QElapsedTimer clock;
        clock.start();
        sender.start();
        QVERIFY(sender.isRunning());
        QVERIFY(finished.wait(kWaitMs));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(postedRan);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), successful);
        QVERIFY(link->getHidInterface()->waitForCommandsWritten(kWaitMs));

        const QList<hidReportData> sent = device->outputReports();
        QList<hidReportData> onboard;
        for (const hidReportData &r : sent) {
            if (r[1] == HidCmd::OnboardKeyTable || r[1] == HidCmd::OnboardMacro)
                onboard.append(r);
        }
        if (successful) {
            QList<hidReportData> expected;
            for (const onboardDownloadStep &step : plan.steps)
                expected.append(step.report);
            if (extraSends)
                expected.insert(1, expected.at(0)); // the dropped report, again
            QStringList got, want;
            for (const hidReportData &r : onboard)
                got << describe(r);
            for (const hidReportData &r : expected)
                want << describe(r);
            QCOMPARE(got, want);
            QVERIFY(onboard == expected);
            QVERIFY(elapsed >= (policy == SimAckPolicy::Late ? parameter : onboardDownloadSender::kStorePauseMs));
        } else {
            // The first macro report goes out four times, then nothing more.
            QCOMPARE(onboard.size(), 4);
            for (const hidReportData &r : onboard)
                QVERIFY(r == plan.steps.first().report);
            QVERIFY(elapsed >= 4 * onboardDownloadSender::kAckWaitMs - 10);
        }
    }

    // The last report's acknowledgement counts too: without it there is no
    // success, however the reports before it went.
    void lastAcknowledgementIsAwaited()
    {
        onboardDownloadPlan plan;
        plan.steps.append({onboardMacroClearReports(9).last(), true});
        plan.pauseBeforeStep = 1;
        QObject owner;
        std::shared_ptr<SimulatedDevice> device;
        DDeviceKeyboardLink *link = openLink(device, &owner);
        QVERIFY(link);
        device->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());
        onboardDownloadSender sender(link->getHidInterface(), link, plan);
        QSignalSpy finished(&sender, &onboardDownloadSender::sigFinished);
        sender.start();
        QVERIFY(finished.isEmpty());
        QVERIFY(finished.wait(kWaitMs));
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(link->getHidInterface()->waitForCommandsWritten(kWaitMs));
        QCOMPARE(device->outputCount(HidCmd::OnboardMacro), onboardDownloadSender::kMaxSends);
    }

    // A keyboard unplugged (its link torn down) fails the download at once;
    // nothing reaches another keyboard, and another keyboard's answers do not
    // count.
    void unplugFailsAtOnce()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        QObject owner;
        std::shared_ptr<SimulatedDevice> first, second;
        DDeviceKeyboardLink *link = openLink(first, &owner);
        DDeviceKeyboardLink *other = openLink(second, &owner);
        QVERIFY(link && other);
        first->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());

        onboardDownloadSender sender(link->getHidInterface(), link, plan);
        QSignalSpy finished(&sender, &onboardDownloadSender::sigFinished);
        sender.start();
        // The other keyboard's acknowledgements are not this download's.
        emit other->sigRuningOnboard0x19Cmd();
        QTest::qWait(50);
        QVERIFY(finished.isEmpty());
        QElapsedTimer clock;
        clock.start();
        first->unplug();
        delete link;
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(!sender.isRunning());
        QTest::qWait(onboardDownloadSender::kAckWaitMs * 5);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(second->outputCount(HidCmd::OnboardKeyTable) + second->outputCount(HidCmd::OnboardMacro), 0);
    }

    // A refused plan sends nothing and fails.
    void refusedPlanSendsNothing()
    {
        QTemporaryDir dir;
        onboardTestFiles files(dir.path());
        files.addConfig(1);
        files.addMacro(1, "M", 50);
        files.bind(0, 1, 6, 1, "1");
        const onboardDownloadPlan plan = makeOnboardDownloadPlan(layoutCodes(), source(files));
        QVERIFY(plan.isRefused());
        QObject owner;
        std::shared_ptr<SimulatedDevice> device;
        DDeviceKeyboardLink *link = openLink(device, &owner);
        QVERIFY(link);
        onboardDownloadSender sender(link->getHidInterface(), link, plan);
        QSignalSpy finished(&sender, &onboardDownloadSender::sigFinished);
        sender.start();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QTest::qWait(20);
        QCOMPARE(device->outputCount(HidCmd::OnboardKeyTable) + device->outputCount(HidCmd::OnboardMacro), 0);
    }
};

QTEST_MAIN(tst_OnboardDownload)
#include "tst_onboarddownload.moc"
