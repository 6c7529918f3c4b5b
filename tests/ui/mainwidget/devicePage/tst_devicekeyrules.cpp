// The device page's key and mouse rules without widgets: key-function
// routes, mouse buttons, captions, button assignment reports, DPI levels
// and the DPI report as the profile file holds them.

#include "FixedText.h"
#include "keyRouting.h"
#include "mouseDpiLevels.h"
#include "mouseKeyAssignment.h"
#include "mouseReports.h"
#include "mouseSettingsReports.h"
#include "selectionLists.h"
#include "xmlInterface.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

customKeyInfo binding(int keyCode, int type, const QByteArray &value, int mode = 0, int repeat = 0)
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.keyCode, QByteArray::number(keyCode));
    fixedTextCopy(info.keyChar, QByteArray("K"));
    fixedTextCopy(info.operateType, QByteArray::number(type));
    fixedTextCopy(info.repeatNum, QByteArray::number(repeat));
    fixedTextCopy(info.mode, QByteArray::number(mode));
    fixedTextCopy(info.Value, value);
    return info;
}

macroItemInfo macroEvent(const char *type, int code, bool down, int delay)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, QByteArray("m"));
    fixedTextCopy(item.delay, QByteArray::number(delay));
    fixedTextCopy(item.type, QByteArray(type));
    fixedTextCopy(item.keyCode, QByteArray::number(code));
    fixedTextCopy(item.operateExplain, QByteArray(down ? "down" : "up"));
    return item;
}

QList<macroItemInfo> keyEvents(int count)
{
    QList<macroItemInfo> items;
    for (int i = 0; i < count; ++i)
        items.append(macroEvent("key", 4 + i / 2, i % 2 == 0, 20));
    return items;
}

QByteArray head(const hidReportData &report, int count)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), count);
}

bool zeroFrom(const hidReportData &report, int from)
{
    for (int i = from; i < kHidReportSize; ++i) {
        if (report[i] != 0)
            return false;
    }
    return true;
}

dpiConfigInfo level(int index, int enabled, int dpi, int r, int g, int b)
{
    return dpiConfigInfo{enabled, index, 0, dpi, dpi, r, g, b};
}

// The six levels, active level and rate every new mouse profile gets.
QList<dpiConfigInfo> defaultLevels()
{
    return {level(1, 1, 800, 255, 0, 0),   level(2, 1, 1500, 255, 255, 0), level(3, 1, 2200, 0, 255, 0),
            level(4, 1, 2900, 0, 255, 255), level(5, 1, 3600, 0, 0, 255),   level(6, 1, 600, 128, 0, 255)};
}

class MouseProfileFile
{
public:
    explicit MouseProfileFile(const QList<dpiConfigInfo> &levels = defaultLevels(), int active = 3)
    {
        path = dir.filePath(QStringLiteral("pardexProFile.xml"));
        xml.createXmlFile(path);
        xml.addProfile(path, "1", "Profile1", "", "", 1);
        for (const dpiConfigInfo &l : levels)
            xml.addDpiInfo(path, "1", l);
        xml.setDpiUsingIndex(path, "1", active);
    }
    mouseSettingsReports::Profile profile() { return {&xml, path, "1"}; }

    QTemporaryDir dir;
    xmlInterface xml;
    QString path;
};

} // namespace

class tst_devicekeyrules : public QObject
{
    Q_OBJECT

private slots:
    void pageRoutes_data();
    void pageRoutes();
    void pageRoutesCoverEveryId();
    void mouseButtons_data();
    void mouseButtons();
    void keyCaption_data();
    void keyCaption();

    void assignmentSingleReport_data();
    void assignmentSingleReport();
    void assignmentSendsNothing_data();
    void assignmentSendsNothing();
    void assignmentMacroChunks_data();
    void assignmentMacroChunks();
    void assignmentMacroEvents();
    void assignmentMacroClampsModeAndCount_data();
    void assignmentMacroClampsModeAndCount();
    void assignmentMacroTooLong();
    void assignmentReadsTheFile();

    void nextDpiLevel_data();
    void nextDpiLevel();
    void reportedLevel_data();
    void reportedLevel();
    void dpiReportOfDefaultProfile();
    void dpiReportEdges_data();
    void dpiReportEdges();
    void stepDpiLevelStoresTheLevel();
    void dpiColors();
};

void tst_devicekeyrules::pageRoutes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("onboard");
    QTest::addColumn<int>("softSelect");
    QTest::addColumn<bool>("onboardMode");
    QTest::newRow("reset") << 0 << 10 << true << -1 << true;
    QTest::newRow("macro") << 1 << 0 << true << -1 << true;
    QTest::newRow("remap") << 2 << 1 << true << 0 << true;
    QTest::newRow("mouse") << 3 << 4 << true << -1 << true;
    QTest::newRow("text") << 4 << 6 << false << -1 << false;
    QTest::newRow("disable") << 5 << 5 << false << -1 << false;
    QTest::newRow("multimedia") << 6 << 3 << true << -1 << true;
    QTest::newRow("combination") << 7 << 2 << true << 1 << true;
    QTest::newRow("program") << 8 << 8 << false << -1 << false;
    QTest::newRow("shortcut") << 9 << 9 << false << -1 << false;
    QTest::newRow("profile switch") << 10 << 7 << false << -1 << false;
}

void tst_devicekeyrules::pageRoutes()
{
    QFETCH(int, id);
    const keyRouting::PageRoute *route = keyRouting::pageRoute(id);
    QVERIFY(route);
    QCOMPARE(route->id, id);
    QTEST(route->pageNumber, "page");
    QTEST(route->onboardOffered, "onboard");
    QTEST(route->softKeySelect, "softSelect");
    QTEST(route->takesOnboardMode, "onboardMode");
    // The on-board mode hides exactly the rows it does not offer.
    QCOMPARE(selectionLists::onboardHiddenKeyFunctionIds().contains(id), !route->onboardOffered);
}

void tst_devicekeyrules::pageRoutesCoverEveryId()
{
    QVERIFY(!keyRouting::pageRoute(-1));
    QVERIFY(!keyRouting::pageRoute(11));
    // Every kind a binding can have leads to a route.
    for (int type = -1; type <= 9; ++type)
        QVERIFY2(keyRouting::pageRoute(selectionLists::keyFunctionIdForBinding(type)), qPrintable(QString::number(type)));
}

void tst_devicekeyrules::mouseButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("slot");
    QTest::newRow("left") << 0 << 1 << "Left Click" << -1;
    QTest::newRow("dpi") << 1 << 32 << "Dpi Loop" << 4;
    QTest::newRow("forward left") << 2 << 16 << "Forward_L" << 2;
    QTest::newRow("backward left") << 3 << 8 << "Backward_L" << 3;
    QTest::newRow("right") << 4 << 2 << "Right Click" << 1;
    QTest::newRow("center") << 5 << 4 << "Center Click" << 0;
    QTest::newRow("forward right") << 6 << 16 << "Forward_R" << 2;
    QTest::newRow("backward right") << 7 << 8 << "Backward_R" << 3;
}

void tst_devicekeyrules::mouseButtons()
{
    QFETCH(int, index);
    const keyRouting::MouseButton *button = keyRouting::mouseButton(index);
    QVERIFY(button);
    QCOMPARE(button->index, index);
    QTEST(button->code, "code");
    QTEST(QString::fromLatin1(button->caption), "caption");
    QTEST(button->slot, "slot");
    QVERIFY(!keyRouting::mouseButton(-1));
    QVERIFY(!keyRouting::mouseButton(8));
}

void tst_devicekeyrules::keyCaption_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("apostrophe key") << 52 << "'" << "' \"";
    QTest::newRow("apostrophe key, view caption") << 52 << "\" '" << "' \"";
    QTest::newRow("quotes dropped") << 4 << "\"A\"" << "A";
    QTest::newRow("plain") << 41 << "Esc" << "Esc";
    QTest::newRow("empty") << 0 << "" << "";
}

void tst_devicekeyrules::keyCaption()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QTEST(keyRouting::keyCaption(code, text), "caption");
}

void tst_devicekeyrules::assignmentSingleReport_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("bytes"); // bytes 0..15, the rest is 0

    QTest::newRow("right click: left ctrl + c") << 4 << 2 << QByteArray("1,6")
                                                << QByteArray::fromHex("01470100003a0402" "000000000000" "e006");
    QTest::newRow("center click: wheel down") << 5 << 4 << QByteArray("4")
                                              << QByteArray::fromHex("01470000003a0301000000000000ff00");
    QTest::newRow("forward right: key b") << 6 << 0 << QByteArray("5")
                                          << QByteArray::fromHex("01470200003a03020000000000000500");
    QTest::newRow("forward left: the same slot") << 2 << 0 << QByteArray("5")
                                                 << QByteArray::fromHex("01470200003a03020000000000000500");
    QTest::newRow("backward right: volume up") << 7 << 3 << QByteArray("2")
                                               << QByteArray::fromHex("01470300003a03030000000000001200");
    QTest::newRow("dpi button: disabled") << 1 << 5 << QByteArray("0")
                                          << QByteArray::fromHex("01470400003a00000000000000000000");
    QTest::newRow("right click: middle button") << 4 << 4 << QByteArray("1")
                                                << QByteArray::fromHex("01470100003a01000000000000000400");
    QTest::newRow("two modifiers") << 5 << 2 << QByteArray("5,6")
                                   << QByteArray::fromHex("01470000003a0403" "000000000000" "e0e2");
}

void tst_devicekeyrules::assignmentSingleReport()
{
    QFETCH(int, button);
    QFETCH(int, type);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, bytes);
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(button, binding(2, type, value), {}, reports), hidEncodeResult::Ok);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(head(reports.first(), 16).toHex(), bytes.toHex());
    if (QByteArray(QTest::currentDataTag()) == "two modifiers") {
        QCOMPARE(reports.first()[16], 0x06);
        QVERIFY(zeroFrom(reports.first(), 17));
    } else {
        QVERIFY(zeroFrom(reports.first(), 16));
    }
}

void tst_devicekeyrules::assignmentSendsNothing_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("keyCode");
    QTest::newRow("left button") << 0 << 0 << 1;
    QTest::newRow("no binding (reset)") << 4 << -1 << -1;
    QTest::newRow("text") << 4 << 6 << 2;
    QTest::newRow("profile switch") << 4 << 7 << 2;
    QTest::newRow("program") << 4 << 8 << 2;
    QTest::newRow("shortcut") << 4 << 9 << 2;
    QTest::newRow("index off the picture") << 8 << 0 << 2;
}

void tst_devicekeyrules::assignmentSendsNothing()
{
    QFETCH(int, button);
    QFETCH(int, type);
    QFETCH(int, keyCode);
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(button, binding(keyCode, type, "5"), {}, reports),
             hidEncodeResult::NothingToSend);
    QVERIFY(reports.isEmpty());
}

void tst_devicekeyrules::assignmentMacroChunks_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<QList<int>>("offsetsAndCounts");
    QTest::newRow("none") << 0 << QList<int>{0, 8};
    QTest::newRow("12 events") << 12 << QList<int>{0, 56};
    QTest::newRow("13 events") << 13 << QList<int>{0, 56, 56, 4};
    QTest::newRow("24 events") << 24 << QList<int>{0, 56, 56, 48};
    QTest::newRow("25 events") << 25 << QList<int>{0, 56, 56, 48, 104, 4};
    QTest::newRow("37 events") << 37 << QList<int>{0, 56, 56, 48, 104, 48, 152, 4};
    QTest::newRow("50 events") << 50 << QList<int>{0, 56, 56, 48, 104, 48, 152, 56};
}

void tst_devicekeyrules::assignmentMacroChunks()
{
    QFETCH(int, events);
    QFETCH(QList<int>, offsetsAndCounts);
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(4, binding(2, 1, "7", 1, 1), keyEvents(events), reports),
             hidEncodeResult::Ok);
    QCOMPARE(reports.size(), offsetsAndCounts.size() / 2 + 1);
    for (int i = 0; i + 1 < reports.size(); ++i) {
        QCOMPARE(reports.at(i)[1], 0x47);
        QCOMPARE(reports.at(i)[2], 1);
        QCOMPARE(reports.at(i)[3], 0);
        QCOMPARE(int(reports.at(i)[4]), offsetsAndCounts.at(2 * i));
        QCOMPARE(int(reports.at(i)[5]), offsetsAndCounts.at(2 * i + 1));
    }
    // The end report: FF FF 3A 05 after the slot.
    QCOMPARE(head(reports.last(), 7).toHex(), QByteArray("014701ffff3a05"));
    QVERIFY(zeroFrom(reports.last(), 7));
}

void tst_devicekeyrules::assignmentMacroEvents()
{
    // A press of A after 300 ms, a left-button release, a wheel step that
    // has no device code, then a right-button press.
    const QList<macroItemInfo> items = {macroEvent("key", 4, true, 300), macroEvent("mouse", 514, false, 20),
                                        macroEvent("mouse", 522, true, 10), macroEvent("mouse", 516, true, 65535)};
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(5, binding(4, 1, "3", 2, 7), items, reports), hidEncodeResult::Ok);
    QCOMPARE(reports.size(), 2);
    // Kind 5, mode 2 - 1, 0, 12 event bytes, 0, count 7, 0, 0, then the events.
    QCOMPARE(head(reports.first(), 26).toHex(),
             QByteArray("014700000014" "0501000c00070000" "0410012c" "01010014" "0211ffff"));
    QVERIFY(zeroFrom(reports.first(), 26));
}

void tst_devicekeyrules::assignmentMacroClampsModeAndCount_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("modeByte");
    QTest::addColumn<int>("countByte");
    QTest::newRow("in range") << 4 << 255 << 3 << 255;
    QTest::newRow("mode 0, count 0") << 0 << 0 << 0 << 1;
    QTest::newRow("mode 9, count 300") << 9 << 300 << 3 << 255;
    QTest::newRow("negative") << -3 << -1 << 0 << 1;
}

void tst_devicekeyrules::assignmentMacroClampsModeAndCount()
{
    QFETCH(int, mode);
    QFETCH(int, count);
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(4, binding(2, 1, "1", mode, count), keyEvents(2), reports),
             hidEncodeResult::Ok);
    QTEST(int(reports.first()[7]), "modeByte");
    QTEST(int(reports.first()[11]), "countByte");
}

void tst_devicekeyrules::assignmentMacroTooLong()
{
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::reportsFor(4, binding(2, 1, "1", 1, 1), keyEvents(51), reports),
             hidEncodeResult::TooManyEvents);
    QVERIFY(reports.isEmpty());
    // Events the mouse cannot encode do not count.
    QList<macroItemInfo> items = keyEvents(50);
    items.append(macroEvent("mouse", 522, true, 10));
    QCOMPARE(mouseKeyAssignment::reportsFor(4, binding(2, 1, "1", 1, 1), items, reports), hidEncodeResult::Ok);
}

void tst_devicekeyrules::assignmentReadsTheFile()
{
    QTemporaryDir dir;
    xmlInterface xml;
    const QString profilePath = dir.filePath(QStringLiteral("pardexProFile.xml"));
    const QString macroPath = dir.filePath(QStringLiteral("macro.xml"));
    xml.createXmlFile(profilePath);
    xml.addProfile(profilePath, "1", "Profile1", "", "", 1);
    xml.addProfile(profilePath, "2", "Profile2", "", "", 1);
    xml.createXmlFile(macroPath);
    xml.addMacro(macroPath, "7", "Seven");
    xml.addMacroItems(macroPath, keyEvents(13), "7");
    xml.addKeyInfo(profilePath, "2", "2", "Right Click", "1", "3", "2", "7");

    mouseKeyAssignment::Source source{&xml, profilePath, "2", macroPath, 2, 4};
    QList<hidReportData> reports;
    QCOMPARE(mouseKeyAssignment::readReports(source, reports), hidEncodeResult::Ok);
    QCOMPARE(reports.size(), 3);
    QCOMPARE(int(reports.first()[7]), 1);  // mode 2
    QCOMPARE(int(reports.first()[9]), 52); // 13 events
    QCOMPARE(int(reports.first()[11]), 3);

    source.profile = "1"; // nothing bound there
    QCOMPARE(mouseKeyAssignment::readReports(source, reports), hidEncodeResult::NothingToSend);
    source.profile = "2";
    source.macroFilePath = dir.filePath(QStringLiteral("missing.xml"));
    QCOMPARE(mouseKeyAssignment::readReports(source, reports), hidEncodeResult::Ok);
    QCOMPARE(reports.size(), 2); // a missing macro: one data report of n = 0
    QCOMPARE(int(reports.first()[5]), 8);
}

void tst_devicekeyrules::nextDpiLevel_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<QList<int>>("enabled"); // selectStatus of levels 1..6
    QTest::addColumn<int>("next");
    QTest::newRow("3 -> 4") << 3 << QList<int>{1, 1, 1, 1, 1, 1} << 4;
    QTest::newRow("5 wraps to 1") << 5 << QList<int>{1, 1, 1, 1, 1, 1} << 1;
    QTest::newRow("disabled skipped") << 1 << QList<int>{1, 0, 0, 1, 1, 1} << 4;
    QTest::newRow("only the active one") << 2 << QList<int>{0, 1, 0, 0, 0, 1} << 2;
    QTest::newRow("none of 1..5") << 2 << QList<int>{0, 0, 0, 0, 0, 1} << 0;
    QTest::newRow("sniper level never stepped to") << 5 << QList<int>{0, 0, 1, 0, 0, 1} << 3;
    QTest::newRow("active 0 starts at 1") << 0 << QList<int>{1, 1, 1, 1, 1, 1} << 1;
    QTest::newRow("active 6 starts at 1") << 6 << QList<int>{0, 1, 1, 1, 1, 1} << 2;
}

void tst_devicekeyrules::nextDpiLevel()
{
    QFETCH(int, active);
    QFETCH(QList<int>, enabled);
    QList<dpiConfigInfo> levels = defaultLevels();
    for (int i = 0; i < levels.size(); ++i)
        levels[i].selectStatus = enabled.at(i);
    QTEST(mouseDpiLevels::nextLevel(active, levels), "next");
}

void tst_devicekeyrules::reportedLevel_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("sniper");
    QTest::addColumn<int>("level");
    QTest::newRow("stored 3") << 3 << false << 3;
    QTest::newRow("stored 0") << 0 << false << 1;
    QTest::newRow("stored 6") << 6 << false << 5;
    QTest::newRow("stored -4") << -4 << false << 1;
    QTest::newRow("sniper held") << 3 << true << 6;
    QTest::newRow("sniper held, stored 0") << 0 << true << 6;
}

void tst_devicekeyrules::reportedLevel()
{
    QFETCH(int, stored);
    QFETCH(bool, sniper);
    QTEST(mouseDpiLevels::reportedLevel(stored, sniper), "level");
}

void tst_devicekeyrules::dpiReportOfDefaultProfile()
{
    MouseProfileFile file;
    const hidReportData report = mouseSettingsReports::dpiReport(file.profile(), false);
    QCOMPARE(head(report, 7).toHex(), QByteArray("01410000002602"));
    QCOMPARE(head(report, 13).mid(7).toHex(), QByteArray("011212ff0000"));
    QCOMPARE(head(report, 43).mid(37).toHex(), QByteArray("010d0d8000ff"));
    QCOMPARE(int(report[43]), 1);
    QVERIFY(zeroFrom(report, 44));

    const hidReportData sniper = mouseSettingsReports::dpiReport(file.profile(), true);
    QCOMPARE(int(sniper[6]), 5);
    hidReportData same = sniper;
    same[6] = 2;
    QVERIFY(same == report);
}

void tst_devicekeyrules::dpiReportEdges_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("activeByte");
    QTest::addColumn<int>("firstCode");
    QTest::addColumn<int>("endMark"); // byte of the end mark
    QTest::newRow("stored 0 is level 1") << 6 << 0 << 800 << 0 << 18 << 43;
    QTest::newRow("stored 9 is level 5") << 6 << 9 << 800 << 4 << 18 << 43;
    QTest::newRow("off the table: nearest") << 6 << 3 << 2249 << 2 << 50 << 43;
    QTest::newRow("below the table") << 6 << 3 << 50 << 2 << 4 << 43;
    QTest::newRow("above the table") << 6 << 3 << 9000 << 2 << 115 << 43;
    QTest::newRow("nine levels") << 9 << 3 << 800 << 2 << 18 << 61;
    QTest::newRow("twelve levels: the first nine") << 12 << 3 << 800 << 2 << 18 << 61;
    QTest::newRow("one level") << 1 << 3 << 800 << 2 << 18 << 13;
}

void tst_devicekeyrules::dpiReportEdges()
{
    QFETCH(int, levels);
    QFETCH(int, stored);
    QFETCH(int, dpi);
    QList<dpiConfigInfo> list;
    for (int i = 1; i <= levels; ++i)
        list.append(level(i, 1, i == 1 ? dpi : 1000, 1, 2, 3));
    MouseProfileFile file(list, stored);
    const hidReportData report = mouseSettingsReports::dpiReport(file.profile(), false);
    QTEST(int(report[6]), "activeByte");
    QTEST(int(report[8]), "firstCode");
    QTEST(int(report[9]), "firstCode");
    QFETCH(int, endMark);
    QCOMPARE(int(report[endMark]), 1);
    QVERIFY(zeroFrom(report, endMark + 1));
}

void tst_devicekeyrules::stepDpiLevelStoresTheLevel()
{
    MouseProfileFile file;
    QVERIFY(mouseSettingsReports::stepDpiLevel(file.profile()));
    QCOMPARE(file.xml.getDpiUsingIndex(file.path, "1"), 4);

    QList<dpiConfigInfo> none = defaultLevels();
    for (int i = 0; i < 5; ++i)
        none[i].selectStatus = 0;
    MouseProfileFile disabled(none, 2);
    QFile before(disabled.path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    QVERIFY(!mouseSettingsReports::stepDpiLevel(disabled.profile()));
    QVERIFY(before.open(QIODevice::ReadOnly));
    QCOMPARE(before.readAll(), bytes);
}

void tst_devicekeyrules::dpiColors()
{
    MouseProfileFile file;
    int active = 0;
    const QList<QColor> colors = mouseSettingsReports::dpiColors(file.profile(), &active);
    QCOMPARE(colors.size(), 6);
    QCOMPARE(colors.first(), QColor(255, 0, 0));
    QCOMPARE(colors.last(), QColor(128, 0, 255, 255));
    QCOMPARE(active, 3);

    MouseProfileFile empty({}, 3);
    QVERIFY(mouseSettingsReports::dpiColors(empty.profile(), &active).isEmpty());
}

QTEST_GUILESS_MAIN(tst_devicekeyrules)
#include "tst_devicekeyrules.moc"
