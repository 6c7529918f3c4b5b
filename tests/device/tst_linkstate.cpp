// The device link's own bookkeeping: the outgoing key state, the mouse
// function state, the diffs of input states and the serial-number rule.

#include "DDeviceKeyboardLink.h"
#include "inputReportDiff.h"
#include "mouseFunctionState.h"
#include "outgoingKeyState.h"

#include <QtTest>

using Change = inputReportDiff::Change;
using Bytes = outgoingKeyState::Bytes;
using Steps = QVector<QPair<int, bool>>;

Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(inputReportDiff::Change)

namespace {

Bytes state(std::initializer_list<int> bytes)
{
    Bytes b{};
    int i = 0;
    for (int v : bytes)
        b[i++] = static_cast<unsigned char>(v);
    return b;
}

} // namespace

class tst_LinkState : public QObject
{
    Q_OBJECT

private slots:
    void keyStateChanges_data();
    void keyStateChanges();
    void sevenKeysKeepSix();
    void releaseOfUnheldKeyKeepsSlots();
    void releaseRemovesEveryCopy();
    void modifiersAreBits();

    void keyStateDiff_data();
    void keyStateDiff();
    void bitDiff_data();
    void bitDiff();

    void mouseButtonsAreCounted();
    void wheelIsASignedStep();
    void unmatchedReleaseChangesNothing();

    void serialNumbers_data();
    void serialNumbers();
};

// Sequences of (usage, pressed) and the state they leave.
void tst_LinkState::keyStateChanges_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Bytes>("expected");
    QTest::newRow("one key") << Steps{{4, true}} << state({0, 0, 4});
    QTest::newRow("press and release") << Steps{{4, true}, {4, false}} << state({});
    QTest::newRow("middle release moves later keys down")
        << Steps{{4, true}, {5, true}, {6, true}, {5, false}} << state({0, 0, 4, 6});
    QTest::newRow("slot reused after release")
        << Steps{{4, true}, {5, true}, {4, false}, {7, true}} << state({0, 0, 5, 7});
    QTest::newRow("usage 0 ignored") << Steps{{0, true}} << state({});
    QTest::newRow("shift and A") << Steps{{225, true}, {4, true}} << state({0x02, 0, 4});
}

void tst_LinkState::keyStateChanges()
{
    QFETCH(Steps, steps);
    QFETCH(Bytes, expected);
    outgoingKeyState s;
    for (const auto &step : steps)
        s.setReportKey(step.first, step.second);
    QCOMPARE(s.snapshot(), expected);
}

void tst_LinkState::sevenKeysKeepSix()
{
    outgoingKeyState s;
    for (int usage = 4; usage < 10; ++usage)
        s.setReportKey(usage, true);
    QCOMPARE(s.nextFreeSlot(), 8);
    s.setReportKey(10, true);
    QCOMPARE(s.snapshot(), state({0, 0, 4, 5, 6, 7, 8, 9}));
}

void tst_LinkState::releaseOfUnheldKeyKeepsSlots()
{
    // A release of a key that never got a slot (the seventh) must not free a
    // slot: a later press would overwrite a held key.
    outgoingKeyState s;
    for (int usage = 4; usage < 10; ++usage)
        s.setReportKey(usage, true);
    s.setReportKey(10, true);
    s.setReportKey(10, false);
    s.setReportKey(11, true);
    QCOMPARE(s.snapshot(), state({0, 0, 4, 5, 6, 7, 8, 9}));
    s.setReportKey(30, false);
    s.setReportKey(9, false);
    s.setReportKey(12, true);
    QCOMPARE(s.snapshot(), state({0, 0, 4, 5, 6, 7, 8, 12}));
}

void tst_LinkState::releaseRemovesEveryCopy()
{
    outgoingKeyState s;
    s.setReportKey(4, true);
    s.setReportKey(5, true);
    s.setReportKey(4, true);
    QCOMPARE(s.snapshot(), state({0, 0, 4, 5, 4}));
    s.setReportKey(4, false);
    QCOMPARE(s.snapshot(), state({0, 0, 5}));
    QCOMPARE(s.nextFreeSlot(), 3);
}

void tst_LinkState::modifiersAreBits()
{
    outgoingKeyState s;
    s.setReportKey(224, true);
    s.setReportKey(226, true);
    s.setReportKey(224, true); // twice: still one bit
    QCOMPARE(s.snapshot()[0], 0x05);
    s.setReportKey(231, true);
    s.setReportKey(226, false);
    QCOMPARE(s.snapshot()[0], 0x81);
    s.clear();
    QCOMPARE(s.snapshot(), state({}));
}

void tst_LinkState::keyStateDiff_data()
{
    QTest::addColumn<Bytes>("before");
    QTest::addColumn<Bytes>("now");
    QTest::addColumn<QVector<Change>>("changes");
    QTest::newRow("shift and A at once: modifier first")
        << state({}) << state({0x02, 0, 4}) << QVector<Change>{{225, true}, {4, true}};
    QTest::newRow("both released: modifier first")
        << state({0x02, 0, 4}) << state({}) << QVector<Change>{{225, false}, {4, false}};
    QTest::newRow("identical: nothing") << state({0x01, 0, 4, 5}) << state({0x01, 0, 4, 5}) << QVector<Change>{};
    QTest::newRow("key moved to another slot: nothing")
        << state({0, 0, 4, 5}) << state({0, 0, 5, 4}) << QVector<Change>{};
    QTest::newRow("presses before releases")
        << state({0x01, 0, 4}) << state({0x10, 0, 5})
        << QVector<Change>{{228, true}, {5, true}, {224, false}, {4, false}};
    QTest::newRow("six slots")
        << state({}) << state({0, 0, 4, 5, 6, 7, 8, 9})
        << QVector<Change>{{4, true}, {5, true}, {6, true}, {7, true}, {8, true}, {9, true}};
    // A key listed twice in one state is one press and one release.
    QTest::newRow("key twice: one press")
        << state({}) << state({0, 0, 4, 4, 5}) << QVector<Change>{{4, true}, {5, true}};
    QTest::newRow("key twice: one release")
        << state({0, 0, 4, 5, 4}) << state({0, 0, 5}) << QVector<Change>{{4, false}};
}

void tst_LinkState::keyStateDiff()
{
    QFETCH(Bytes, before);
    QFETCH(Bytes, now);
    QFETCH(QVector<Change>, changes);
    QCOMPARE(inputReportDiff::keyState(before.data(), now.data()), changes);
}

void tst_LinkState::bitDiff_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("now");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<QVector<Change>>("changes");
    QTest::newRow("0x01 to 0x03") << 0x01 << 0x03 << 8 << QVector<Change>{{1, true}};
    QTest::newRow("0x03 to 0") << 0x03 << 0 << 8 << QVector<Change>{{0, false}, {1, false}};
    QTest::newRow("swap") << 0x01 << 0x02 << 8 << QVector<Change>{{1, true}, {0, false}};
    QTest::newRow("mouse bits only") << 0 << 0xC1 << 6 << QVector<Change>{{0, true}};
}

void tst_LinkState::bitDiff()
{
    QFETCH(int, before);
    QFETCH(int, now);
    QFETCH(int, bitCount);
    QFETCH(QVector<Change>, changes);
    QCOMPARE(inputReportDiff::bits(static_cast<unsigned char>(before), static_cast<unsigned char>(now), bitCount),
             changes);
}

void tst_LinkState::mouseButtonsAreCounted()
{
    mouseFunctionState m;
    m.pressButton(0x01);
    m.pressButton(0x01); // two keys bound to the left button
    m.pressButton(0x04);
    QCOMPARE(m.bytes().buttons, 0x05);
    m.releaseButton(0x01);
    QCOMPARE(m.bytes().buttons, 0x05); // one still holds it
    m.releaseButton(0x01);
    m.releaseButton(0x04);
    QCOMPARE(m.bytes().buttons, 0x00);
    QVERIFY(m.isIdle());
}

void tst_LinkState::wheelIsASignedStep()
{
    mouseFunctionState m;
    m.stepWheel(1);
    QCOMPARE(m.bytes().wheel, 0x01);
    m.stepWheel(-1);
    QCOMPARE(m.bytes().wheel, 0x00);
    m.stepWheel(-1);
    QCOMPARE(m.bytes().wheel, 0xFF);
    QVERIFY(!m.isIdle());
    m.resetWheel();
    QCOMPARE(m.bytes().wheel, 0x00);
}

void tst_LinkState::unmatchedReleaseChangesNothing()
{
    mouseFunctionState m;
    m.releaseButton(0x02); // no press before: no 0xFF, no other button
    QCOMPARE(m.bytes().buttons, 0x00);
    m.pressButton(0x02);
    QCOMPARE(m.bytes().buttons, 0x02);
    m.pressButton(0x03); // not a single button: ignored
    QCOMPARE(m.bytes().buttons, 0x02);
}

void tst_LinkState::serialNumbers_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<bool>("valid");
    QTest::newRow("32 hex digits") << QByteArray("0123456789abcdef0123456789ABCDEF") << true;
    QTest::newRow("with _ and -") << QByteArray("0123456789abcdef0123456789AB_-EF") << true;
    QTest::newRow("31") << QByteArray("0123456789abcdef0123456789ABCDE") << false;
    QTest::newRow("33") << QByteArray("0123456789abcdef0123456789ABCDEF0") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("parent folder") << QByteArray("../../../../../../../../../../etc") << false;
    QTest::newRow("slash") << QByteArray("0123456789abcdef/123456789ABCDEF") << false;
    QTest::newRow("backslash") << QByteArray("0123456789abcdef\\123456789ABCDEF") << false;
    QTest::newRow("blank") << QByteArray("0123456789abcdef 123456789ABCDEF") << false;
    QTest::newRow("dots") << QByteArray("................................") << false;
}

void tst_LinkState::serialNumbers()
{
    QFETCH(QByteArray, serial);
    QFETCH(bool, valid);
    QCOMPARE(DDeviceKeyboardLink::isValidSerialNumber(serial), valid);
}

QTEST_MAIN(tst_LinkState)
#include "tst_linkstate.moc"
