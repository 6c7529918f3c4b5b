// The on-board area's pop-up menu, its explanation panel and the key rules
// of the on-board page.

#include "DDataManager.h"
#include "onboardExplainDia.h"
#include "onboardKeyRules.h"
#include "onboardProfileMenuToolWidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char *const kEntries[] = {"label_CreateNew", "label_Export", "label_Import", "label_Delete",
                                "label_Restore", "label_ModifyNanme", "label_QWERTY", "label_Mac",
                                "label_Dvorak", "label_CleanLayer"};

QStringList visibleEntries(onboardProfileMenuToolWidget &menu)
{
    QStringList texts;
    for (const char *name : kEntries) {
        auto *label = menu.findChild<QLabel *>(QLatin1String(name));
        if (label && label->isVisibleTo(&menu))
            texts << label->text();
    }
    return texts;
}

} // namespace

class tst_OnboardMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void visibleEntriesByFlagAndType_data();
    void visibleEntriesByFlagAndType();
    void releaseClosesBeforeEntry_data();
    void releaseClosesBeforeEntry();
    void pressOrReleaseElsewhereChoosesNothing();

    void explanationPanel();

    void pageWidthByKeyCount_data();
    void pageWidthByKeyCount();
    void selectableKeys_data();
    void selectableKeys();
};

void tst_OnboardMenus::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_OnboardMenus::visibleEntriesByFlagAndType_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("type"); // -1: setMenuType not called
    QTest::addColumn<QStringList>("entries");

    const QStringList fast {"QWERTY", "Mac", "Dvorak", "Clean layer"};
    QTest::newRow("configurations") << 1 << 1
                                    << QStringList {"Create New", "Export", "Import", "Delete", "Modify Name"};
    QTest::newRow("fast layouts") << 2 << 0 << fast;
    QTest::newRow("number pad fast layouts") << 2 << 2 << QStringList {"QWERTY", "Clean layer"};
    QTest::newRow("configurations, flag 0") << 0 << 1 << QStringList {"Create New", "Export", "Import"};
    QTest::newRow("fast layouts, flag 0") << 0 << 0 << fast;
    QTest::newRow("no type: every entry but the flag's")
        << 1 << -1
        << QStringList {"Create New", "Export", "Import", "Delete", "Restore", "Modify Name", "QWERTY", "Mac",
                        "Dvorak", "Clean layer"};
    QTest::newRow("unknown type changes nothing")
        << 0 << 7 << QStringList {"Create New", "Export", "Import", "Restore", "QWERTY", "Mac", "Dvorak",
                                  "Clean layer"};
}

void tst_OnboardMenus::visibleEntriesByFlagAndType()
{
    QFETCH(int, flag);
    QFETCH(int, type);
    QFETCH(QStringList, entries);

    onboardProfileMenuToolWidget menu(flag);
    if (type >= 0)
        menu.setMenuType(type);
    QCOMPARE(visibleEntries(menu), entries);
}

void tst_OnboardMenus::releaseClosesBeforeEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("signal");
    QTest::newRow("Create New") << "label_CreateNew" << "createNew";
    QTest::newRow("Export") << "label_Export" << "export";
    QTest::newRow("Import") << "label_Import" << "import";
    QTest::newRow("Delete") << "label_Delete" << "delete";
    QTest::newRow("Restore") << "label_Restore" << "restore";
    QTest::newRow("Modify Name") << "label_ModifyNanme" << "modifyName";
    QTest::newRow("QWERTY") << "label_QWERTY" << "qwerty";
    QTest::newRow("Mac") << "label_Mac" << "mac";
    QTest::newRow("Dvorak") << "label_Dvorak" << "dvorak";
    QTest::newRow("Clean layer") << "label_CleanLayer" << "cleanLayer";
}

void tst_OnboardMenus::releaseClosesBeforeEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, signal);

    using Menu = onboardProfileMenuToolWidget;
    Menu menu(1);
    QStringList log;
    const std::pair<void (Menu::*)(), const char *> signals_[] = {
        {&Menu::sigCloseMenuWidow, "close"},      {&Menu::sigProfileCreateNew, "createNew"},
        {&Menu::sigProfileExport, "export"},      {&Menu::sigProfileImport, "import"},
        {&Menu::sigProfileDelete, "delete"},      {&Menu::sigProfileRestore, "restore"},
        {&Menu::sigProfileModifyName, "modifyName"}, {&Menu::sigConfigQWERTY, "qwerty"},
        {&Menu::sigConfigMac, "mac"},             {&Menu::sigConfigDvorak, "dvorak"},
        {&Menu::sigConfigCleanLayer, "cleanLayer"},
    };
    for (const auto &s : signals_) {
        const char *name = s.second;
        connect(&menu, s.first, &menu, [&log, name] { log << QLatin1String(name); });
    }
    menu.show();

    auto *label = menu.findChild<QLabel *>(entry);
    QVERIFY(label);
    QTest::mousePress(label, Qt::LeftButton);
    QVERIFY(log.isEmpty());
    QTest::mouseRelease(label, Qt::LeftButton);
    QCOMPARE(log, (QStringList {"close", signal}));
}

void tst_OnboardMenus::pressOrReleaseElsewhereChoosesNothing()
{
    onboardProfileMenuToolWidget menu(1);
    menu.setMenuType(onboardProfileMenuToolWidget::Configurations);
    QSignalSpy close(&menu, &onboardProfileMenuToolWidget::sigCloseMenuWidow);
    menu.show();
    auto *label = menu.findChild<QLabel *>(QStringLiteral("label_Delete"));
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 30, -10));
    // A click on the menu's own margin is no entry either.
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(close.count(), 0);
}

void tst_OnboardMenus::explanationPanel()
{
    onboardExplainDia panel;
    QCOMPARE(panel.size(), QSize(430, 470));
    QCOMPARE(panel.minimumSize(), panel.maximumSize());
    QCOMPARE(panel.windowTitle(), QStringLiteral("onboardExplainDia"));

    const std::pair<const char *, const char *> texts[] = {
        {"label", "APP mode:"},
        {"label_2", "Onboard Editor:"},
        {"label_4", "Default layer:"},
        {"label_3", "FN1 layer:"},
        {"label_6", "In onboard editing mode, the interactive light effect is invalid."},
        {"label_5", "1.Select a key and set it to FN1."},
        {"label_AppMode", "In app mode, the function of button customization can only be used when the app is "
                          "opened. The customized content can only be saved on the computer, and it does not "
                          "support downloading to the keyboard."},
        {"label_OnboardMode", "The key can be downloaded and saved to the keyboard according to the customized "
                              "content. The board can be divided into two layers, the default layer and the FN1 "
                              "layer."},
        {"label_FnKey_2", "Press the key directly to send the code."},
        {"label_FnKey", "2.Send the code by combining with the custom FN1 key."},
    };
    for (const auto &t : texts) {
        auto *label = panel.findChild<QLabel *>(QLatin1String(t.first));
        QVERIFY2(label, t.first);
        QVERIFY2(label->text().contains(QLatin1String(t.second)), t.first);
    }
    // The bodies wrap inside the panel.
    QVERIFY(panel.findChild<QLabel *>(QStringLiteral("label_AppMode"))->wordWrap());
    QVERIFY(panel.findChild<QLabel *>(QStringLiteral("label_AppMode"))->minimumHeight() >= 90);
}

void tst_OnboardMenus::pageWidthByKeyCount_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("width");
    QTest::newRow("87") << 87 << 571;
    QTest::newRow("61") << 61 << 587;
    QTest::newRow("68") << 68 << 594;
    QTest::newRow("34") << 34 << 245;
    QTest::newRow("21") << 21 << 145;
    QTest::newRow("104") << 104 << 700;
    QTest::newRow("108") << 108 << 700;
    QTest::newRow("98") << 98 << 700;
    QTest::newRow("84") << 84 << 700;
    QTest::newRow("0") << 0 << 700;
    QTest::newRow("negative") << -87 << 700;
}

void tst_OnboardMenus::pageWidthByKeyCount()
{
    QFETCH(int, keyCount);
    QFETCH(int, width);
    QCOMPARE(onboardKeyRules::pageWidth(keyCount), width);
}

void tst_OnboardMenus::selectableKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<bool>("rightClick");
    QTest::newRow("Fn") << -10 << 104 << false << false;
    QTest::newRow("Fn on the number pad") << -10 << 34 << false << false;
    QTest::newRow("A") << 4 << 104 << true << true;
    QTest::newRow("Esc") << 41 << 104 << true << true;
    QTest::newRow("Esc on the 34-key pad") << 41 << 34 << false << true;
    QTest::newRow("Shift+9 on the 34-key pad") << 38 << 34 << false << true;
    QTest::newRow("Shift+0 on the 34-key pad") << 39 << 34 << false << true;
    QTest::newRow("keypad 1 on the 34-key pad") << 89 << 34 << true << true;
    QTest::newRow("Esc on the 21-key pad") << 41 << 21 << true << true;
    QTest::newRow("9 on a full board") << 38 << 104 << true << true;
    QTest::newRow("empty cell") << 0 << 104 << true << true;
}

void tst_OnboardMenus::selectableKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, keyCount);
    QFETCH(bool, selectable);
    QFETCH(bool, rightClick);
    QCOMPARE(onboardKeyRules::isSelectable(keyCode, keyCount), selectable);
    QCOMPARE(onboardKeyRules::reportsRightClick(keyCode), rightClick);
}

QTEST_MAIN(tst_OnboardMenus)
#include "tst_onboardmenus.moc"
