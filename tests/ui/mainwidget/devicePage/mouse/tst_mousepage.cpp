// The mouse buttons page: layout, the label of every kind of binding, the
// buttons' codes, and what the page paints.

#include "DDataManager.h"
#include "DMousePage.h"
#include "FixedText.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr int kBlueTheme = 2;

customKeyInfo binding(const QByteArray &operateType, const QByteArray &value, const QByteArray &mode = "0")
{
    customKeyInfo record {};
    fixedTextCopy(record.keyCode, "2");
    fixedTextCopy(record.operateType, operateType);
    fixedTextCopy(record.mode, mode);
    fixedTextCopy(record.repeatNum, "1");
    fixedTextCopy(record.Value, value);
    return record;
}

// Average colour of the two pixel rows a 1 px antialiased horizontal line at
// integer y covers half each, over a white background.
QColor lineColour(const QImage &image, int x, int y)
{
    const QColor above = image.pixelColor(x, y - 1);
    const QColor below = image.pixelColor(x, y);
    return QColor(qBound(0, above.red() + below.red() - 255, 255), qBound(0, above.green() + below.green() - 255, 255),
                  qBound(0, above.blue() + below.blue() - 255, 255));
}

bool near(const QColor &a, const QColor &b, int tolerance = 4)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

QImage render(DMousePage &page)
{
    QImage image(page.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    page.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class tst_MousePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void loadShowsAndPlacesButtons();
    void unknownModelStaysUnloaded();
    void labels_data();
    void labels();
    void longLabelIsElided();
    void codesFindTheirButtons();
    void retranslateButtonsPutsNamesBack();
    void languageChangeTranslatesNamesAndLabels();
    void selectionAnnouncesAndHighlights();
    void paintsLines();

private:
    QTemporaryDir m_dir;
    QString m_profilePath;
    QString m_macroPath;
    xmlInterface m_store;
    const QMap<int, QString> m_keyNames {{4, QStringLiteral("A")}, {41, QStringLiteral("Esc")}};
};

void tst_MousePage::initTestCase()
{
    // The macro file the page is handed to name macros from, and a profile file.
    m_macroPath = m_dir.filePath(QStringLiteral("pardexMacro.xml"));
    QVERIFY(m_store.createXmlFile(m_macroPath));
    QVERIFY(m_store.addMacro(m_macroPath, "3", "Burst"));
    m_profilePath = m_dir.filePath(QStringLiteral("pardexProFile.xml"));
    QVERIFY(m_store.createXmlFile(m_profilePath));
    QVERIFY(m_store.addProfile(m_profilePath, "1", "Default", "", "", 1));
    QVERIFY(m_store.addProfile(m_profilePath, "2", "Work", "", "", 1));
}

void tst_MousePage::cleanup()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_MousePage::loadShowsAndPlacesButtons()
{
    DMousePage page(QStringLiteral("Bovelli"));
    QVERIFY(QFile::exists(page.picturePath()));
    QSignalSpy loaded(&page, &DMousePage::sigMouseInfoAlreadyLoad);
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(page.isLoaded());
    QCOMPARE(page.getSupportEnableXY(), 1);
    for (int n = 1; n < 8; ++n)
        QCOMPARE(page.button(n)->isVisibleTo(&page), n <= 5);
    // Left labels end 4 px before the line's end, right ones start 6 px after.
    QCOMPARE(page.button(0)->geometry(), QRect(200 - 125 - 4, 30 - 10, 125, 20));
    QCOMPARE(page.button(4)->geometry(), QRect(500 + 6, 90 - 10, 125, 20));
    QCOMPARE(page.button(0)->text(), QStringLiteral("Left Click"));
    QVERIFY(!page.button(0)->isEnabled());
    QVERIFY(page.button(0)->toolTip().isEmpty());
    QCOMPARE(page.button(3)->toolTip(), QStringLiteral("Backward_L"));
}

void tst_MousePage::unknownModelStaysUnloaded()
{
    DMousePage page(QStringLiteral("Nomouse"));
    QSignalSpy loaded(&page, &DMousePage::sigMouseInfoAlreadyLoad);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mouseInfo_Nomouse.config: cannot be read")));
    page.loadMouseInfo(QStringLiteral("Nomouse"));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(!page.isLoaded());
    for (int n = 1; n < 8; ++n)
        QVERIFY(!page.button(n)->isVisibleTo(&page));
    QCOMPARE(page.button(0)->pos(), QPoint(0, 0));
    const QImage image = render(page);
    QCOMPARE(image.pixelColor(230, 29), QColor(Qt::white)); // no lines
}

void tst_MousePage::labels_data()
{
    QTest::addColumn<QByteArray>("operateType");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("label");
    QTest::newRow("key") << QByteArray("0") << QByteArray("4") << QByteArray("0") << "A";
    QTest::newRow("key without caption") << QByteArray("0") << QByteArray("99") << QByteArray("0") << "Unknow";
    QTest::newRow("macro once") << QByteArray("1") << QByteArray("3") << QByteArray("1") << "Burst:Play once";
    QTest::newRow("macro held") << QByteArray("1") << QByteArray("3") << QByteArray("4")
                                << "Burst:Play while assigned key is pressed";
    QTest::newRow("deleted macro") << QByteArray("1") << QByteArray("9") << QByteArray("2") << ":Play multiple times";
    QTest::newRow("macro, unknown mode") << QByteArray("1") << QByteArray("3") << QByteArray("7") << "Burst:";
    QTest::newRow("combination") << QByteArray("2") << QByteArray("5,4") << QByteArray("0") << "L_CTRL+L_ALT+A";
    QTest::newRow("combination, right keys") << QByteArray("2") << QByteArray("160,41") << QByteArray("0")
                                             << "R_SHIFT+R_WIN+Esc";
    QTest::newRow("combination, nothing found") << QByteArray("2") << QByteArray("0,99") << QByteArray("0") << "";
    QTest::newRow("combination, malformed") << QByteArray("2") << QByteArray("x") << QByteArray("0") << "";
    QTest::newRow("multimedia") << QByteArray("3") << QByteArray("4") << QByteArray("0") << "Next track";
    QTest::newRow("multimedia 7") << QByteArray("3") << QByteArray("7") << QByteArray("0") << "Unknow";
    QTest::newRow("multimedia 12") << QByteArray("3") << QByteArray("12") << QByteArray("0") << "Email";
    QTest::newRow("mouse function") << QByteArray("4") << QByteArray("7") << QByteArray("0") << "Sniper Key";
    QTest::newRow("mouse function 8") << QByteArray("4") << QByteArray("8") << QByteArray("0") << "Unknow";
    QTest::newRow("disabled") << QByteArray("5") << QByteArray("-1") << QByteArray("0") << "Disable";
    QTest::newRow("text") << QByteArray("6") << QByteArray("h\xc3\xa9llo") << QByteArray("0") << "h\u00e9llo";
    QTest::newRow("profile") << QByteArray("7") << QByteArray("2") << QByteArray("0") << "Work";
    QTest::newRow("missing profile") << QByteArray("7") << QByteArray("5") << QByteArray("0") << "";
    QTest::newRow("program") << QByteArray("8") << QByteArray("/usr/bin/gimp") << QByteArray("0") << "gimp";
    QTest::newRow("program without folder") << QByteArray("8") << QByteArray("gimp") << QByteArray("0") << "gimp";
    QTest::newRow("shortcut") << QByteArray("9") << QByteArray("11") << QByteArray("0") << "Save";
    QTest::newRow("shortcut 1") << QByteArray("9") << QByteArray("1") << QByteArray("0") << "";
    QTest::newRow("shortcut 12") << QByteArray("9") << QByteArray("12") << QByteArray("0") << "Unknow";
    QTest::newRow("unknown type") << QByteArray("10") << QByteArray("1") << QByteArray("0") << "Unknow";
    QTest::newRow("no binding") << QByteArray("-1") << QByteArray("") << QByteArray("0") << "Unknow";
}

void tst_MousePage::labels()
{
    QFETCH(QByteArray, operateType);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, mode);
    QFETCH(QString, label);
    DMousePage page(QStringLiteral("Bovelli"));
    page.setKeyNameMap(m_keyNames);
    page.setXmlInterface(&m_store);
    page.setMacroFilePath(m_macroPath);
    page.setProfilePath(QFile::encodeName(m_profilePath).constData());
    page.setMouseKeyInfo(2, binding(operateType, value, mode)); // the right button
    QCOMPARE(page.button(4)->toolTip(), label);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QCOMPARE(page.button(4)->text(),
             DDataManager::instance()->getElidedText(QFont(theme.TextFont, 10, QFont::Bold), label, 110));
}

void tst_MousePage::longLabelIsElided()
{
    DMousePage page(QStringLiteral("Bovelli"));
    const QString text = QStringLiteral("A text far too long for the label");
    page.setMouseKeyInfo(16, binding("6", text.toUtf8()));
    QCOMPARE(page.button(2)->toolTip(), text);
    const QString shown = page.button(2)->text();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QVERIFY(QFontMetrics(QFont(theme.TextFont, 10, QFont::Bold)).horizontalAdvance(shown) <= DMousePage::LabelElideWidth);

    // The left button shows the label but never a tool tip.
    page.setMouseKeyInfo(1, binding("6", text.toUtf8()));
    QVERIFY(page.button(0)->text().endsWith(QChar(0x2026)));
    QVERIFY(page.button(0)->toolTip().isEmpty());

    page.setMouseKeyInfo(16, binding("6", "Short"));
    QCOMPARE(page.button(2)->text(), QStringLiteral("Short"));
}

void tst_MousePage::codesFindTheirButtons()
{
    DMousePage page(QStringLiteral("Bovelli"));
    QStringList before;
    for (int n = 0; n < 8; ++n)
        before << page.button(n)->text();

    page.setMouseKeyInfo(64, binding("5", "-1"));
    page.setButtonText(64, QStringLiteral("x"));
    page.resetButtonText(64);
    for (int n = 0; n < 8; ++n)
        QCOMPARE(page.button(n)->text(), before[n]);

    // The side buttons' codes land on the left-side buttons, never on 6 and 7.
    page.setMouseKeyInfo(16, binding("5", "-1"));
    page.setMouseKeyInfo(8, binding("5", "-1"));
    QCOMPARE(page.button(2)->text(), QStringLiteral("Disable"));
    QCOMPARE(page.button(3)->text(), QStringLiteral("Disable"));
    QCOMPARE(page.button(6)->text(), QStringLiteral("Forward_R"));
    QCOMPARE(page.button(7)->text(), QStringLiteral("Backward_R"));

    page.setButtonText(8, QStringLiteral("Custom"));
    QCOMPARE(page.button(3)->text(), QStringLiteral("Custom"));
    QCOMPARE(page.button(3)->toolTip(), QStringLiteral("Disable")); // the tool tip stays
    page.resetButtonText(8);
    QCOMPARE(page.button(3)->text(), QStringLiteral("Backward_L"));

    QCOMPARE(DMousePage::buttonCode(6), 6);
    QCOMPARE(DMousePage::buttonCode(1), 32);
    QCOMPARE(DMousePage::buttonCode(8), -1);
}

void tst_MousePage::retranslateButtonsPutsNamesBack()
{
    DMousePage page(QStringLiteral("Bovelli"));
    page.setKeyNameMap(m_keyNames);
    page.setMouseKeyInfo(32, binding("0", "4"));
    page.setMouseKeyInfo(1, binding("0", "41"));
    QCOMPARE(page.button(1)->text(), QStringLiteral("A"));
    page.retranslateButtons();
    const QStringList names {"Left Click", "Dpi Loop",     "Forward_L", "Backward_L",
                             "Right Click", "Center Click", "Forward_R", "Backward_R"};
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(page.button(n)->text(), names[n]);
        QCOMPARE(page.button(n)->toolTip(), n == 0 ? QString() : names[n]);
    }
}

void tst_MousePage::languageChangeTranslatesNamesAndLabels()
{
    // The program's own French translation, beside it as the program has it.
    QTranslator french;
    QVERIFY(french.load(QCoreApplication::applicationDirPath() + QStringLiteral("/translation/French.qm")));
    QCoreApplication::installTranslator(&french);
    DMousePage page(QStringLiteral("Bovelli"));
    page.setKeyNameMap(m_keyNames);
    page.retranslateButtons();
    page.setMouseKeyInfo(2, binding("5", "-1"));
    page.setMouseKeyInfo(32, binding("2", "5,4"));
    QCoreApplication::removeTranslator(&french);

    QCOMPARE(page.button(0)->text(), QStringLiteral("Clic gauche"));
    QCOMPARE(page.button(7)->toolTip(), QStringLiteral("Pr\u00e9c\u00e9dent (D)"));
    QCOMPARE(page.button(4)->text(), QStringLiteral("D\u00e9sactiver"));
    QCOMPARE(page.button(1)->toolTip(), QStringLiteral("L_CTRL+L_ALT+A")); // modifier names stay
}

void tst_MousePage::selectionAnnouncesAndHighlights()
{
    DMousePage page(QStringLiteral("Bovelli"));
    page.loadMouseInfo(QStringLiteral("Bovelli"));
    QSignalSpy clicked(&page, &DMousePage::sigMouseButtonClicked);
    page.button(4)->click();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toInt(), 4);
    QVERIFY(page.button(4)->isChecked());
    page.button(5)->click();
    QVERIFY(page.button(5)->isChecked());
    QVERIFY(!page.button(4)->isChecked());
}

void tst_MousePage::paintsLines()
{
    // A theme whose left-button line and dot differ from the others'.
    DDataManager::instance()->loadThemeConfig(kBlueTheme);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    DMousePage page(QStringLiteral("Bovelli"));
    page.loadMouseInfo(QStringLiteral("Bovelli"));

    const QColor leftLine = themeColorInfo::opaqueColor(theme.DeviceMouseDrawLineLeftKeyColor);
    const QColor leftDot = themeColorInfo::opaqueColor(theme.DeviceMouseDrawEllipseLeftKeyColor);
    const QColor line = themeColorInfo::opaqueColor(theme.DeviceMouseDrawLineColor);
    const QColor dot = themeColorInfo::opaqueColor(theme.DeviceMouseDrawEllipseColor);
    const QColor selected = themeColorInfo::opaqueColor(theme.TextCheckedColor);
    QVERIFY(leftLine != line && leftDot != dot);

    // Left Click runs (270, 30) - (200, 30), Center Click (420, 30) - (500, 30);
    // the label-end dot is centred 1 px left of the end on the left, 3 px right on the right.
    QImage image = render(page);
    QVERIFY2(near(lineColour(image, 235, 30), leftLine), qPrintable(lineColour(image, 235, 30).name()));
    QVERIFY2(near(lineColour(image, 460, 30), line), qPrintable(lineColour(image, 460, 30).name()));
    QCOMPARE(image.pixelColor(199, 30), leftDot);
    QCOMPARE(image.pixelColor(502, 30), dot);

    page.button(5)->click();
    image = render(page);
    QVERIFY2(near(lineColour(image, 460, 30), selected), qPrintable(lineColour(image, 460, 30).name()));
    QCOMPARE(image.pixelColor(502, 30), selected);
    QVERIFY(near(lineColour(image, 235, 30), leftLine)); // the left button is never highlighted

    // Another choice moves the highlight.
    page.button(4)->click();
    image = render(page);
    QVERIFY(near(lineColour(image, 460, 30), line));
    QCOMPARE(image.pixelColor(502, 90), selected);
}

QTEST_MAIN(tst_MousePage)
#include "tst_mousepage.moc"
