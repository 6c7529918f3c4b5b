// The DPI view and its level rows: loading, the edited and the active level,
// sliders, Enable X/Y, the R/G/B edits, the colour ring, user colours and the
// mouse's DPI key, always checked against what the profile file holds.

#include "BasicColorArea.h"
#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "DmouseConfigView.h"
#include "SVColorArea.h"
#include "mouseProfileFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QtTest>

namespace {

// The view on a profile file, shown (the colour ring reports itself only
// when it paints).
class ViewFixture
{
public:
    explicit ViewFixture(const QList<dpiConfigInfo> &levels = MouseProfileFile::defaultLevels(), int usingIndex = 1)
        : file(levels, usingIndex)
    {
        view.setXmlInfo(file.encodedPath().constData(), file.store());
        view.setProfileIndex(1);
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
    }

    void load()
    {
        view.loadDpiConfig();
        changed.clear();
    }

    DDpiConfigListItem *row(int level) const
    {
        for (DDpiConfigListItem *r : view.rows()) {
            if (r->getIndex() == level)
                return r;
        }
        return nullptr;
    }
    QSlider *slider(const char *name) const { return view.findChild<QSlider *>(QLatin1String(name)); }
    QLineEdit *edit(const char *name) const { return view.findChild<QLineEdit *>(QLatin1String(name)); }
    SVColorArea *ring() const { return view.findChild<SVColorArea *>(); }
    BasicColorArea *palette() const { return view.findChild<BasicColorArea *>(); }
    QColor storedColor(int level)
    {
        const dpiConfigInfo info = file.storedLevel(level);
        return QColor(info.dpiColorR, info.dpiColorG, info.dpiColorB);
    }

    MouseProfileFile file;
    DmouseConfigView view;
    QSignalSpy changed {&view, &DmouseConfigView::sigDpiConfigChanged};
    bool exposed = false;
};

// A point on the colour ring for a ring value: 25 left of the centre, 50 below.
QPoint ringPoint(int value)
{
    switch (value) {
    case 25:
        return {10, 79};
    case 50:
        return {79, 148};
    default:
        return {148, 79}; // 75
    }
}

// One mouse event straight to the widget; buttons are those held after it.
void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton
        : type == QEvent::MouseButtonRelease                 ? Qt::LeftButton
                                                             : Qt::MouseButton(int(buttons));
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class tst_DpiConfigView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void loadShowsLevelsInFileOrder();
    void loadWithoutActiveLevelRequestsNothing();
    void themeAndLanguageReloadAndReport();
    void listShowsThePanelThrough();
    void selectingRowRoundsDpiToTheSlider();
    void sliderMovesChangeOnlyMemory_data();
    void sliderMovesChangeOnlyMemory();
    void enableXYCopiesXToY();
    void radioButtonMakesLevelActive();
    void rgbEdits_data();
    void rgbEdits();
    void paletteSwatchColoursEditedRow();
    void dpiKey_data();
    void dpiKey();
    void userColours();
    void ringDragIsStoredOnce();
    void ringReleaseWithoutChangeOnlyReports();

    void rowShowsRecord_data();
    void rowShowsRecord();
    void rowEnableBoxTogglesRadio();
    void rowSetDpiXY_data();
    void rowSetDpiXY();
    void rowColourSignalsUnlessPressed();
    void rowDoubleClickIsOneClick();
};

void tst_DpiConfigView::initTestCase()
{
    DDataManager::instance();
}

void tst_DpiConfigView::loadShowsLevelsInFileOrder()
{
    ViewFixture f(MouseProfileFile::defaultLevels(), 3);
    QVERIFY(f.file.ok());
    f.view.loadDpiConfig();

    QList<int> order;
    for (DDpiConfigListItem *row : f.view.rows())
        order << row->getIndex();
    QCOMPARE(order, QList<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(f.changed.count(), 1);
    QCOMPARE(f.view.editedRow(), f.row(3));
    QCOMPARE(f.view.activeLevel(), 3);
    QCOMPARE(f.file.usingIndex(), 3);

    DDpiConfigListItem *active = f.row(3);
    QVERIFY(active->findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->isChecked());
    QVERIFY(!active->findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->isVisibleTo(active));
    DDpiConfigListItem *other = f.row(2);
    QVERIFY(!other->findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->isChecked());
    QVERIFY(other->findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->isVisibleTo(other));

    // The sniper row names itself instead of the enable box and radio button.
    DDpiConfigListItem *sniper = f.row(6);
    auto *pages = sniper->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_Sniper"));
    QCOMPARE(sniper->findChild<QLabel *>(QStringLiteral("label_Sniper"))->text(), QStringLiteral("Sniper"));

    // The sliders and the colour editor show the active level.
    QCOMPARE(f.slider("horizontalSlider_X")->value(), 16);
    QCOMPARE(f.edit("lineEdit_B")->text(), QStringLiteral("255"));
    QCOMPARE(f.edit("lineEdit_R")->text(), QStringLiteral("0"));
}

void tst_DpiConfigView::loadWithoutActiveLevelRequestsNothing()
{
    ViewFixture f(MouseProfileFile::defaultLevels(), 9);
    f.view.loadDpiConfig();
    QCOMPARE(f.view.rows().size(), 6);
    QVERIFY(!f.view.editedRow());
    QCOMPARE(f.changed.count(), 0);
}

void tst_DpiConfigView::themeAndLanguageReloadAndReport()
{
    ViewFixture f;
    f.load();
    const QList<DDpiConfigListItem *> before = f.view.rows();
    f.view.updateTheme();
    QCOMPARE(f.changed.count(), 1);
    f.view.retranslate();
    QCOMPARE(f.changed.count(), 2);
    QCOMPARE(f.view.rows().size(), 6);
    QVERIFY(!f.view.rows().contains(before.first())); // rebuilt, with the new theme
    QCOMPARE(f.view.findChild<QLabel *>(QStringLiteral("label_XYminNUM"))->text(), QStringLiteral("200"));
    QCOMPARE(f.view.findChild<QLabel *>(QStringLiteral("label_XYmaxNUM"))->text(), QStringLiteral("5000"));
}

void tst_DpiConfigView::listShowsThePanelThrough()
{
    // The list and the rows not being edited are nearly transparent
    // ("0,0,0,1"), not black.
    ViewFixture f(QList<dpiConfigInfo> {MouseProfileFile::level(1, 400), MouseProfileFile::level(2, 800)});
    f.load();
    QCoreApplication::processEvents(); // rows added to a shown list show deferred
    const QImage shot = f.view.grab().toImage();
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    auto *list = f.view.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    const auto at = [&f](QWidget *widget, int x, int y) { return widget->mapTo(&f.view, QPoint(x, y)); };
    const QColor panel = themeColorInfo::opaqueColor(theme.DeviceBottomBgColor);
    QCOMPARE(shot.pixelColor(at(list, list->width() / 2, list->height() - 5)), panel);
    QCOMPARE(shot.pixelColor(at(f.row(2), f.row(2)->width() - 3, 10)), panel);
    QCOMPARE(shot.pixelColor(at(f.row(1), f.row(1)->width() - 3, 10)),
             themeColorInfo::opaqueColor(theme.DeviceMouseDpiConfigItemSelectedColor));
}

void tst_DpiConfigView::selectingRowRoundsDpiToTheSlider()
{
    QList<dpiConfigInfo> levels = MouseProfileFile::defaultLevels();
    levels[1] = MouseProfileFile::level(2, 1550);
    ViewFixture f(levels);
    f.load();

    QTest::mouseClick(f.row(2), Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));
    QCOMPARE(f.view.editedRow(), f.row(2));
    QCOMPARE(f.slider("horizontalSlider_X")->value(), 15);
    QCOMPARE(f.row(2)->getDpiX(), 1500);
    QCOMPARE(f.file.storedLevel(2).dpiX, 1550); // memory only
    QCOMPARE(f.changed.count(), 0);

    emit f.slider("horizontalSlider_X")->sliderReleased();
    QCOMPARE(f.file.storedLevel(2).dpiX, 1500);
    QCOMPARE(f.changed.count(), 1);
}

void tst_DpiConfigView::sliderMovesChangeOnlyMemory_data()
{
    QTest::addColumn<int>("isXY");
    QTest::addColumn<int>("dpiY");
    QTest::newRow("one value: Y follows X") << 0 << 2000;
    QTest::newRow("separate: Y stays") << 1 << 800;
}

void tst_DpiConfigView::sliderMovesChangeOnlyMemory()
{
    QFETCH(int, isXY);
    QFETCH(int, dpiY);
    QList<dpiConfigInfo> levels = MouseProfileFile::defaultLevels();
    levels[1] = MouseProfileFile::level(2, 800, 800, 1, isXY);
    ViewFixture f(levels, 2);
    f.load();
    const QByteArray before = f.file.bytes();

    f.slider("horizontalSlider_X")->setValue(20);
    QCOMPARE(f.row(2)->getDpiX(), 2000);
    QCOMPARE(f.row(2)->getDpiY(), dpiY);
    QCOMPARE(f.file.bytes(), before);
    QCOMPARE(f.changed.count(), 0);

    emit f.slider("horizontalSlider_X")->sliderReleased();
    QCOMPARE(f.file.storedLevel(2).dpiX, 2000);
    QCOMPARE(f.file.storedLevel(2).dpiY, dpiY);
    QCOMPARE(f.changed.count(), 1);
}

void tst_DpiConfigView::enableXYCopiesXToY()
{
    QList<dpiConfigInfo> levels = MouseProfileFile::defaultLevels();
    levels[1] = MouseProfileFile::level(2, 800, 1600);
    ViewFixture f(levels, 2);
    f.load();
    auto *box = f.view.findChild<QCheckBox *>(QStringLiteral("checkBox_EnableXY"));
    auto *frameY = f.view.findChild<QWidget *>(QStringLiteral("frame_Y"));
    QVERIFY(!box->isChecked());
    QVERIFY(!frameY->isVisibleTo(&f.view));

    box->click();
    QVERIFY(frameY->isVisibleTo(&f.view));
    QCOMPARE(f.slider("horizontalSlider_Y")->value(), 8);
    const dpiConfigInfo stored = f.file.storedLevel(2);
    QCOMPARE(stored.isXY, 1);
    QCOMPARE(stored.dpiX, 800);
    QCOMPARE(stored.dpiY, 800);
    QCOMPARE(f.changed.count(), 1);

    box->click();
    QVERIFY(!frameY->isVisibleTo(&f.view));
    QCOMPARE(f.file.storedLevel(2).isXY, 0);
}

void tst_DpiConfigView::radioButtonMakesLevelActive()
{
    ViewFixture f;
    f.load();
    f.row(4)->findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->click();
    QCOMPARE(f.file.usingIndex(), 4);
    QCOMPARE(f.view.activeLevel(), 4);
    QCOMPARE(f.changed.count(), 1);
    // Activating is not editing.
    QCOMPARE(f.view.editedRow(), f.row(1));
    QVERIFY(!f.row(1)->findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->isChecked());
    QVERIFY(f.row(4)->findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->isChecked());
}

void tst_DpiConfigView::rgbEdits_data()
{
    QTest::addColumn<QStringList>("typed"); // into lineEdit_G, in turn
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("storedGreen");
    QTest::newRow("300 after 40") << QStringList {"40", "300"} << "40" << 40;
    QTest::newRow("300 first") << QStringList {"300"} << "0" << 0;
    QTest::newRow("-5 after 40 is refused") << QStringList {"40", "-5"} << "40" << 40;
    QTest::newRow("-5 first is refused") << QStringList {"-5"} << "0" << 0;
    QTest::newRow("letters count as 0") << QStringList {"40", "ab"} << "0" << 0;
    QTest::newRow("a lone minus counts as 0") << QStringList {"40", "-"} << "0" << 0;
}

void tst_DpiConfigView::rgbEdits()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, shown);
    QFETCH(int, storedGreen);
    ViewFixture f; // level 1 is (255, 0, 0)
    f.load();
    // What the R edit accepted does not matter to G.
    f.edit("lineEdit_R")->setText(QStringLiteral("70"));
    for (const QString &text : typed)
        f.edit("lineEdit_G")->setText(text);
    QCOMPARE(f.edit("lineEdit_G")->text(), shown);
    QCOMPARE(f.storedColor(1), QColor(70, storedGreen, 0));
}

void tst_DpiConfigView::paletteSwatchColoursEditedRow()
{
    ViewFixture f;
    f.load();
    emit f.palette()->colorItemSelcSignal(QColor(10, 20, 30));
    QCOMPARE(f.storedColor(1), QColor(10, 20, 30));
    QCOMPARE(f.changed.count(), 1);
    QCOMPARE(f.edit("lineEdit_B")->text(), QStringLiteral("30"));
}

void tst_DpiConfigView::dpiKey_data()
{
    QTest::addColumn<QList<int>>("status"); // levels 1..5: 1 enabled, 0 disabled, -1 no row
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("reports");
    QTest::newRow("skips a disabled level") << QList<int> {1, 1, 1, 0, 1} << 3 << 5 << 1;
    QTest::newRow("wraps to 1") << QList<int> {1, 1, 1, 0, 1} << 5 << 1 << 1;
    QTest::newRow("from the sniper level") << QList<int> {0, 1, 1, 1, 1} << 6 << 2 << 1;
    QTest::newRow("a missing level counts as disabled") << QList<int> {1, 1, -1, 1, 1} << 2 << 4 << 1;
    QTest::newRow("none enabled: no change") << QList<int> {0, 0, 0, 0, 0} << 2 << 2 << 0;
    QTest::newRow("none with a row: no change") << QList<int> {-1, -1, -1, -1, -1} << 6 << 6 << 0;
}

void tst_DpiConfigView::dpiKey()
{
    QFETCH(QList<int>, status);
    QFETCH(int, active);
    QFETCH(int, expected);
    QFETCH(int, reports);
    QList<dpiConfigInfo> levels;
    for (int level = 1; level <= 5; ++level) {
        if (status[level - 1] >= 0)
            levels << MouseProfileFile::level(level, level * 400, -1, status[level - 1]);
    }
    levels << MouseProfileFile::level(6, 600);
    ViewFixture f(levels, active);
    f.load();

    f.view.switchToNextDpiLevel();
    QCOMPARE(f.view.activeLevel(), expected);
    QCOMPARE(f.file.usingIndex(), expected);
    QCOMPARE(f.changed.count(), reports);
    if (reports)
        QCOMPARE(f.view.editedRow(), f.row(expected));
}

void tst_DpiConfigView::userColours()
{
    ViewFixture f; // edits show level 1: (255, 0, 0)
    f.load();
    auto *add = qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(0));
    QVERIFY(add);
    add->click();
    QList<customColorInfo> colors = f.file.customColors();
    QCOMPARE(colors.size(), 1);
    QCOMPARE(colors[0].index, 0);
    QCOMPARE(colors[0].actionStatus, 1);
    QCOMPARE(QColor(colors[0].colorR, colors[0].colorG, colors[0].colorB), QColor(255, 0, 0));
    QCOMPARE(colors[0].transparentNum, 128);
    QCOMPARE(f.changed.count(), 0); // no report for a palette change

    f.edit("lineEdit_G")->setText(QStringLiteral("9"));
    qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(1))->click();
    QCOMPARE(f.file.customColors().size(), 2);

    // A reload shows both in their slots.
    f.view.loadDpiConfig();
    QVERIFY(!qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(0)));
    QVERIFY(!qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(1)));
    QVERIFY(qobject_cast<QPushButton *>(f.palette()->addRowWidgetAt(2)));

    emit f.palette()->sigDeleteColor(0);
    colors = f.file.customColors();
    QCOMPARE(colors.size(), 1);
    QCOMPARE(colors[0].index, 1);
    QCOMPARE(colors[0].colorG, 9);
}

void tst_DpiConfigView::ringDragIsStoredOnce()
{
    ViewFixture f; // level 1 is (255, 0, 0)
    QVERIFY(f.exposed);
    f.load();
    SVColorArea *ring = f.ring();
    const QByteArray before = f.file.bytes();

    sendMouse(ring, QEvent::MouseButtonPress, ringPoint(25), Qt::LeftButton);
    sendMouse(ring, QEvent::MouseMove, ringPoint(75), Qt::LeftButton);
    sendMouse(ring, QEvent::MouseMove, ringPoint(50), Qt::LeftButton);
    QCOMPARE(f.row(1)->getColor(), QColor(127, 0, 0)); // (100 - 50) x 2.55
    QCOMPARE(f.file.bytes(), before);                  // a drag stays in memory
    QCOMPARE(f.changed.count(), 0);

    sendMouse(ring, QEvent::MouseButtonRelease, ringPoint(50), Qt::NoButton);
    QCOMPARE(f.storedColor(1), QColor(127, 0, 0));
    QCOMPARE(f.changed.count(), 1);

    // The ring reports itself at every paint: that is no edit.
    const QByteArray stored = f.file.bytes();
    for (int i = 0; i < 20; ++i)
        ring->repaint();
    QCOMPARE(f.changed.count(), 1);
    QCOMPARE(f.file.bytes(), stored);
    QCOMPARE(f.row(1)->getColor(), QColor(127, 0, 0));
}

void tst_DpiConfigView::ringReleaseWithoutChangeOnlyReports()
{
    ViewFixture f;
    f.load();
    const QByteArray before = f.file.bytes();
    emit f.ring()->sigMouseIsPress(true);
    emit f.ring()->sigMouseIsPress(false);
    QCOMPARE(f.changed.count(), 1);
    QCOMPARE(f.file.bytes(), before);
}

// --- The rows alone --------------------------------------------------------------

void tst_DpiConfigView::rowShowsRecord_data()
{
    QTest::addColumn<int>("selectStatus");
    QTest::addColumn<int>("isXY");
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<bool>("radioEnabled");
    QTest::addColumn<QString>("page");
    QTest::newRow("enabled, one value") << 1 << 0 << true << true << "page_ConfigType1";
    QTest::newRow("disabled, X and Y") << 0 << 1 << false << false << "page_ConfigType2";
    QTest::newRow("status 2 leaves the radio disabled") << 2 << 0 << true << false << "page_ConfigType1";
    QTest::newRow("isXY 2 shows one value") << 1 << 2 << true << true << "page_ConfigType1";
}

void tst_DpiConfigView::rowShowsRecord()
{
    QFETCH(int, selectStatus);
    QFETCH(int, isXY);
    QFETCH(bool, boxChecked);
    QFETCH(bool, radioEnabled);
    QFETCH(QString, page);
    DDpiConfigListItem row(2);
    row.setDpiInfo(MouseProfileFile::level(2, 800, 1200, selectStatus, isXY), 1);
    QCOMPARE(row.findChild<QCheckBox *>(QStringLiteral("checkBox_Select"))->isChecked(), boxChecked);
    QCOMPARE(row.findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"))->isEnabled(), radioEnabled);
    QCOMPARE(row.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(), page);
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_XandY"))->text(), QStringLiteral("800"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_Y"))->text(), QStringLiteral("1200"));
}

void tst_DpiConfigView::rowEnableBoxTogglesRadio()
{
    DDpiConfigListItem row(3);
    row.setDpiInfo(MouseProfileFile::level(3, 1600), 1);
    QSignalSpy changed(&row, &DDpiConfigListItem::sigDpiConfigHaveChanged);
    auto *box = row.findChild<QCheckBox *>(QStringLiteral("checkBox_Select"));
    auto *radio = row.findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"));
    radio->setChecked(true);

    box->click();
    QCOMPARE(row.getDpiInfo().selectStatus, 0);
    QVERIFY(!radio->isEnabled());
    QVERIFY(!radio->isChecked());
    QCOMPARE(changed.count(), 1);

    box->click();
    QCOMPARE(row.getDpiInfo().selectStatus, 1);
    QVERIFY(radio->isEnabled());
    QCOMPARE(changed.count(), 2);
}

void tst_DpiConfigView::rowSetDpiXY_data()
{
    QTest::addColumn<int>("isXY");
    QTest::addColumn<int>("dpiY");
    QTest::newRow("one value") << 0 << 2200;
    QTest::newRow("separate") << 1 << 1200;
}

void tst_DpiConfigView::rowSetDpiXY()
{
    QFETCH(int, isXY);
    QFETCH(int, dpiY);
    DDpiConfigListItem row(2);
    row.setDpiInfo(MouseProfileFile::level(2, 800, 1200, 1, isXY), 1);
    row.setDpiXY(2200);
    QCOMPARE(row.getDpiX(), 2200);
    QCOMPARE(row.getDpiY(), dpiY);
}

void tst_DpiConfigView::rowColourSignalsUnlessPressed()
{
    DDpiConfigListItem row(1);
    row.setDpiInfo(MouseProfileFile::level(1, 400), 1);
    QSignalSpy changed(&row, &DDpiConfigListItem::sigDpiConfigHaveChanged);
    row.setPressed(true);
    row.setColor(QColor(1, 2, 3));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(row.getDpiInfo().dpiColorG, 2);
    QCOMPARE(row.getColor(), QColor(1, 2, 3));
    row.setPressed(false);
    row.setColor(QColor(4, 5, 6, 10));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(row.getColor().alpha(), 255);
}

void tst_DpiConfigView::rowDoubleClickIsOneClick()
{
    DDpiConfigListItem row(4);
    row.setDpiInfo(MouseProfileFile::level(4, 2400), 1);
    QSignalSpy clicked(&row, &DDpiConfigListItem::sigDpiConfigItemMouseClicked);
    // What a double click delivers: press, release, double click, release.
    const QPoint at(150, 10);
    sendMouse(&row, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(&row, QEvent::MouseButtonRelease, at, Qt::NoButton);
    sendMouse(&row, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    sendMouse(&row, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toInt(), 4);
    sendMouse(&row, QEvent::MouseButtonPress, at, Qt::RightButton); // any button
    QCOMPARE(clicked.count(), 2);
}

QTEST_MAIN(tst_DpiConfigView)
#include "tst_dpiconfigview.moc"
