// The mouse button assignment sender on a simulated mouse: answers awaited
// without leaving the event loop, queued saves, a mouse that leaves.

#include "linkTestFixture.h"
#include "mouseKeyAssignment.h"
#include "mouseKeySender.h"

#include <QSignalSpy>
#include <QtTest>

#include <QElapsedTimer>

namespace {

macroItemInfo keyEvent(int code, bool down)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, QByteArray("m"));
    fixedTextCopy(item.delay, QByteArray("20"));
    fixedTextCopy(item.type, QByteArray("key"));
    fixedTextCopy(item.keyCode, QByteArray::number(code));
    fixedTextCopy(item.operateExplain, QByteArray(down ? "down" : "up"));
    return item;
}

// A mouse on its link, with a macro file; button assignments are read from
// the profile file when their turn comes.
class SenderFixture : public LinkFixture
{
public:
    SenderFixture()
        : LinkFixture(testMouse())
    {
        macroPath = dir.filePath(QStringLiteral("macro.xml"));
        xml.createXmlFile(macroPath);
        xml.addMacro(macroPath, "1", "Thirteen");
        QList<macroItemInfo> items;
        for (int i = 0; i < 13; ++i)
            items.append(keyEvent(4 + i / 2, i % 2 == 0));
        xml.addMacroItems(macroPath, items, "1");
        QObject::connect(&sender, &mouseKeySender::sigAssignmentFinished,
                         [this](int outcome) { outcomes.append(outcome); });
    }

    bool start()
    {
        if (!openClean())
            return false;
        QObject::connect(link.get(), &DDeviceKeyboardLink::sigRuningMouse0x47Cmd,
                         [this] { sender.acknowledge(link.get()); });
        return true;
    }

    void enqueue(int buttonIndex, int keyCode)
    {
        mouseKeyAssignment::Source source{&xml, profilePath, "1", macroPath, keyCode, buttonIndex};
        sender.enqueue(link->getHidInterface(), link.get(), [source](QList<hidReportData> &reports) {
            return mouseKeyAssignment::readReports(source, reports);
        });
    }

    QList<SimulatedOutput> keyOutputs() const
    {
        QList<SimulatedOutput> result;
        for (const SimulatedOutput &o : device->outputs()) {
            if (o.report[kHidCommandByte] == HidCmd::MouseKey)
                result.append(o);
        }
        return result;
    }

    bool waitFinished(int count, int ms = kLinkWaitMs)
    {
        return QTest::qWaitFor([&] { return outcomes.size() >= count; }, ms);
    }

    // Waits for the device to hold count button reports without running the
    // event loop, so the sender's answer timer cannot fire meanwhile.
    bool deviceHolds(int count)
    {
        return device->waitForOutputCount(HidCmd::MouseKey, count, kLinkWaitMs)
            && keyOutputs().size() == count;
    }

    QString macroPath;
    mouseKeySender sender;
    QList<int> outcomes;
};

// Timed on the sender's side: the reports reach the device through the
// transport's thread, whose delays on a busy machine say nothing of the sender.
// Its timer never fires early; the clocks may round apart by a millisecond.
constexpr qint64 kClockRoundingMs = 1;

} // namespace

class tst_mousekeysender : public QObject
{
    Q_OBJECT

private slots:
    void singleReportGoesAtOnce();
    void answeredReportsFollowTheAnswers();
    void unansweredReportsWaitTheirTime();
    void answersOfAnotherLinkDoNotCount();
    void savesDuringASendAreQueued();
    void mouseLeavingStopsTheSend();
    void closedTransportSendsNothing();
    void tooLongMacroSendsNothing();
};

void tst_mousekeysender::singleReportGoesAtOnce()
{
    SenderFixture f;
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    f.bind(2, "0", "5");
    f.enqueue(4, 2);
    // No wait: finished before the call returns.
    QCOMPARE(f.outcomes, QList<int>{mouseKeySender::Sent});
    QVERIFY(!f.sender.isBusy());
    QVERIFY(QTest::qWaitFor([&] { return f.keyOutputs().size() == 1; }, kLinkWaitMs));
    QCOMPARE(int(f.keyOutputs().first().report[14]), 5);
}

void tst_mousekeysender::answeredReportsFollowTheAnswers()
{
    SenderFixture f;
    // The answers are given here, each before the event loop runs again: the
    // next report goes at the answer, and not before it.
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    f.bind(2, "1", "1", "1", "1");
    f.enqueue(4, 2);
    QVERIFY(f.sender.isBusy());
    QVERIFY(f.deviceHolds(1));
    f.sender.acknowledge(f.link.get());
    QVERIFY(f.sender.isBusy());
    QVERIFY(f.deviceHolds(2));
    QVERIFY(f.outcomes.isEmpty());
    f.sender.acknowledge(f.link.get());
    QCOMPARE(f.outcomes, QList<int>{mouseKeySender::Sent});
    QVERIFY(!f.sender.isBusy());
    QVERIFY(f.deviceHolds(3));
    const QList<SimulatedOutput> out = f.keyOutputs();
    QCOMPARE(int(out.at(0).report[4]), 0);
    QCOMPARE(int(out.at(1).report[4]), 56);
    QCOMPARE(int(out.at(2).report[3]), 0xFF);
}

void tst_mousekeysender::unansweredReportsWaitTheirTime()
{
    SenderFixture f;
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    f.bind(2, "1", "1", "1", "1");
    QElapsedTimer clock;
    clock.start();
    f.enqueue(4, 2);
    // The first report went at once; each of the other two waited its time.
    QVERIFY(f.deviceHolds(1));
    QVERIFY(f.waitFinished(1));
    QVERIFY(clock.elapsed() >= 2 * mouseKeySender::kAckTimeoutMs - kClockRoundingMs);
    QCOMPARE(f.outcomes, QList<int>{mouseKeySender::Sent});
    QTRY_COMPARE_WITH_TIMEOUT(f.keyOutputs().size(), 3, kLinkWaitMs);
    const QList<SimulatedOutput> out = f.keyOutputs();
    QCOMPARE(int(out.at(1).report[4]), 56);
    QCOMPARE(int(out.at(2).report[3]), 0xFF);
}

void tst_mousekeysender::answersOfAnotherLinkDoNotCount()
{
    SenderFixture f;
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    QObject otherLink;
    // The other link is known to the sender: it has had an assignment.
    f.sender.enqueue(nullptr, &otherLink, [](QList<hidReportData> &reports) {
        reports = {hidReportFrame(HidCmd::MouseKey)};
        return hidEncodeResult::Ok;
    });
    f.bind(2, "1", "1", "1", "1");
    QElapsedTimer clock;
    clock.start();
    f.enqueue(4, 2);
    f.sender.acknowledge(&otherLink);
    QVERIFY(f.deviceHolds(1));
    QVERIFY(f.waitFinished(2));
    QVERIFY(clock.elapsed() >= 2 * mouseKeySender::kAckTimeoutMs - kClockRoundingMs);
}

void tst_mousekeysender::savesDuringASendAreQueued()
{
    SenderFixture f;
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    f.bind(2, "1", "1", "1", "1");
    f.enqueue(4, 2);
    f.bind(4, "0", "9");
    f.enqueue(5, 4);
    QCOMPARE(f.outcomes.size(), 0);
    // The second save changes its binding before its turn: the file's
    // binding at its turn is sent.
    f.bind(4, "0", "10");
    QVERIFY(f.waitFinished(2));
    QCOMPARE(f.outcomes, (QList<int>{mouseKeySender::Sent, mouseKeySender::Sent}));
    QTRY_COMPARE_WITH_TIMEOUT(f.keyOutputs().size(), 4, kLinkWaitMs);
    const QList<SimulatedOutput> out = f.keyOutputs();
    QCOMPARE(int(out.at(2).report[3]), 0xFF); // the macro's end report first
    QCOMPARE(int(out.at(3).report[2]), 0);    // then the centre button
    QCOMPARE(int(out.at(3).report[14]), 10);
}

void tst_mousekeysender::mouseLeavingStopsTheSend()
{
    SenderFixture f;
    f.device->setAckPolicy(HidCmd::MouseKey, SimAckPolicy::never());
    QVERIFY(f.start());
    f.bind(2, "1", "1", "1", "1");
    f.enqueue(4, 2);
    f.enqueue(4, 2);
    QVERIFY(f.deviceHolds(1));
    f.link.reset();
    QCOMPARE(f.outcomes, (QList<int>{mouseKeySender::Stopped, mouseKeySender::Stopped}));
    QVERIFY(!f.sender.isBusy());
    QTest::qWait(2 * mouseKeySender::kAckTimeoutMs);
    QCOMPARE(f.keyOutputs().size(), 1);
}

void tst_mousekeysender::closedTransportSendsNothing()
{
    SenderFixture f;
    QVERIFY(f.start());
    f.bind(2, "0", "5");
    f.link->getHidInterface()->hidClose();
    f.enqueue(4, 2);
    QCOMPARE(f.outcomes, QList<int>{mouseKeySender::Stopped});
    QCOMPARE(f.keyOutputs().size(), 0);
}

void tst_mousekeysender::tooLongMacroSendsNothing()
{
    SenderFixture f;
    QVERIFY(f.start());
    QList<macroItemInfo> items;
    for (int i = 0; i < 51; ++i)
        items.append(keyEvent(4, i % 2 == 0));
    f.xml.addMacro(f.macroPath, "2", "Long");
    f.xml.addMacroItems(f.macroPath, items, "2");
    f.bind(2, "1", "2", "1", "1");
    f.enqueue(4, 2);
    QCOMPARE(f.outcomes, QList<int>{mouseKeySender::TooManyEvents});
    QTest::qWait(50);
    QCOMPARE(f.keyOutputs().size(), 0);
}

QTEST_MAIN(tst_mousekeysender)
#include "tst_mousekeysender.moc"
