// The profile rows of the device page and their Export/Delete menu.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "proFileOperateMenuToolWidget.h"
#include "profileListItem.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QColor themeColor(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// A press and release over the middle of a menu entry, as a click delivers them.
void chooseEntry(QWidget *menu, const char *entry)
{
    QLabel *label = child<QLabel>(menu, entry);
    QVERIFY(label);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton);
}

// The order in which a menu's and a row's signals arrive.
class SignalLog : public QObject
{
public:
    QStringList events;
    void note(const QString &event) { events << event; }
};

} // namespace

class tst_ProfileListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void unsetRowReportsPlaceholders();
    void longNameElided();
    void anyButtonPressEmitsOnce_data();
    void anyButtonPressEmitsOnce();
    void doubleClickEmitsOnce();
    void operateButtonPressIsNoRowClick();
    void selectedAndNormalLooks();

    void menuOffersExportAndDeleteOnly();
    void menuReleaseClosesBeforeEntry_data();
    void menuReleaseClosesBeforeEntry();
    void menuPressOrReleaseElsewhereChoosesNothing();

    void popupArrowPointsAtButton();
    void repeatedOpensKeepOnePopup();
    void entryHidesPopupBeforeRowSignal_data();
    void entryHidesPopupBeforeRowSignal();
};

void tst_ProfileListItem::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_ProfileListItem::unsetRowReportsPlaceholders()
{
    profileListItem row;
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);
    row.show();
    QTest::mousePress(&row, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("-1"));
    QCOMPARE(clicked.at(0).at(1).toString(), QString());

    row.setProfileInfo(QStringLiteral("3"), QStringLiteral("Gaming"));
    QCOMPARE(child<QLabel>(&row, "label_ProfileName")->text(), QStringLiteral("Gaming"));
    QTest::mousePress(&row, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicked.at(1).at(0).toString(), QStringLiteral("3"));
    QCOMPARE(clicked.at(1).at(1).toString(), QStringLiteral("Gaming"));
}

// A name too long for the row is cut short with the whole name as tool tip;
// the row still reports the whole name.
void tst_ProfileListItem::longNameElided()
{
    profileListItem row;
    row.resize(200, 45);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    const QString longName = QStringLiteral("Racing & Strategy for long evenings");
    row.setProfileInfo(QStringLiteral("2"), longName);
    QLabel *name = child<QLabel>(&row, "label_ProfileName");
    QTRY_VERIFY(name->text().endsWith(QChar(0x2026)));
    QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->contentsRect().width());
    QCOMPARE(name->toolTip(), longName);
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);
    QTest::mousePress(&row, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicked.at(0).at(1).toString(), longName);
    row.setProfileInfo(QStringLiteral("2"), QStringLiteral("Office"));
    QCOMPARE(name->text(), QStringLiteral("Office"));
    QVERIFY(name->toolTip().isEmpty());
}

void tst_ProfileListItem::anyButtonPressEmitsOnce_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("onName");
    QTest::newRow("left on the row") << int(Qt::LeftButton) << false;
    QTest::newRow("right on the row") << int(Qt::RightButton) << false;
    QTest::newRow("middle on the row") << int(Qt::MiddleButton) << false;
    QTest::newRow("left on the name") << int(Qt::LeftButton) << true;
    QTest::newRow("right on the name") << int(Qt::RightButton) << true;
}

void tst_ProfileListItem::anyButtonPressEmitsOnce()
{
    QFETCH(int, button);
    QFETCH(bool, onName);

    profileListItem row;
    row.setProfileInfo(QStringLiteral("2"), QStringLiteral("Office"));
    row.resize(381, 45);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);

    QLabel *name = child<QLabel>(&row, "label_ProfileName");
    const QPoint at = onName ? name->mapTo(&row, name->rect().center()) : QPoint(200, 22);
    QTest::mouseClick(row.windowHandle(), Qt::MouseButton(button), {}, at);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("2"));
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Office"));
}

void tst_ProfileListItem::doubleClickEmitsOnce()
{
    profileListItem row;
    row.setProfileInfo(QStringLiteral("1"), QStringLiteral("Default"));
    row.resize(381, 45);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);
    // Through the window: press, release, double click and release, as the
    // system delivers them.
    QTest::mouseDClick(row.windowHandle(), Qt::LeftButton, {}, QPoint(200, 22));
    QCOMPARE(clicked.count(), 1);
}

void tst_ProfileListItem::operateButtonPressIsNoRowClick()
{
    profileListItem row;
    row.show();
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);
    QTest::mouseClick(child<QPushButton>(&row, "pushButton_ProfileOperate"), Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);
    row.menuPopup()->hide();
}

void tst_ProfileListItem::selectedAndNormalLooks()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QColor selectedColor = themeColor(theme.MacroListItemSelectedColor);
    const QColor borderColor = themeColor(theme.MacroBorderColor);

    profileListItem row;
    row.setProfileInfo(QStringLiteral("1"), QStringLiteral("Default"));
    row.resize(381, 45);
    // Off the name and the button, and the bottom border line.
    const QPoint body(200, 20);
    const QPoint bottom(200, 44);

    QImage normal = row.grab().toImage();
    QVERIFY(normal.pixelColor(body) != selectedColor);
    QCOMPARE(normal.pixelColor(bottom), borderColor);

    row.setSelectedStatus(true);
    QImage selected = row.grab().toImage();
    QCOMPARE(selected.pixelColor(body), selectedColor);
    QCOMPARE(selected.pixelColor(bottom), borderColor);

    row.setSelectedStatus(false);
    QCOMPARE(row.grab().toImage().pixelColor(body), normal.pixelColor(body));
}

void tst_ProfileListItem::menuOffersExportAndDeleteOnly()
{
    proFileOperateMenuToolWidget menu;
    menu.show();
    QVERIFY(child<QLabel>(&menu, "label_Export")->isVisible());
    QVERIFY(child<QLabel>(&menu, "label_Delete")->isVisible());
    QVERIFY(!child<QLabel>(&menu, "label_ModifyNanme")->isVisible());
    QCOMPARE(child<QLabel>(&menu, "label_Export")->text(), QStringLiteral("Export"));
    QCOMPARE(child<QLabel>(&menu, "label_Delete")->text(), QStringLiteral("Delete"));
}

void tst_ProfileListItem::menuReleaseClosesBeforeEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("signal");
    QTest::newRow("Export") << "label_Export" << "export";
    QTest::newRow("Delete") << "label_Delete" << "delete";
    // Hidden in the row, but its label still reports in the same order.
    QTest::newRow("Modify Name") << "label_ModifyNanme" << "modify";
}

void tst_ProfileListItem::menuReleaseClosesBeforeEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, signal);

    proFileOperateMenuToolWidget menu;
    SignalLog log;
    connect(&menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow, &log, [&] { log.note("close"); });
    connect(&menu, &proFileOperateMenuToolWidget::sigProfileExport, &log, [&] { log.note("export"); });
    connect(&menu, &proFileOperateMenuToolWidget::sigProfileDelete, &log, [&] { log.note("delete"); });
    connect(&menu, &proFileOperateMenuToolWidget::sigProfileModifyNanme, &log, [&] { log.note("modify"); });
    child<QLabel>(&menu, "label_ModifyNanme")->show();
    menu.show();

    chooseEntry(&menu, entry.toLatin1().constData());
    QCOMPARE(log.events, (QStringList {"close", signal}));
}

void tst_ProfileListItem::menuPressOrReleaseElsewhereChoosesNothing()
{
    proFileOperateMenuToolWidget menu;
    QSignalSpy close(&menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow);
    QSignalSpy exported(&menu, &proFileOperateMenuToolWidget::sigProfileExport);
    menu.show();
    QLabel *label = child<QLabel>(&menu, "label_Export");
    QTest::mousePress(label, Qt::LeftButton);
    QCOMPARE(close.count(), 0);
    // Pressed on Export, then dragged off it before letting go.
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, label->height() + 20));
    QCOMPARE(close.count(), 0);
    QCOMPARE(exported.count(), 0);
}

void tst_ProfileListItem::popupArrowPointsAtButton()
{
    profileListItem row;
    row.resize(381, 45);
    row.move(300, 200);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    auto *button = child<QPushButton>(&row, "pushButton_ProfileOperate");
    QTest::mouseClick(button, Qt::LeftButton);

    ArrowWidget *popup = row.menuPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->parent(), &row);
    QCOMPARE(popup->size(), QSize(200, 120));
    QCOMPARE(popup->arrowDirection(), 0);
    // The arrow's tip is 7 px right of its offset.
    const QPoint buttonCentre = button->mapToGlobal(button->rect().center());
    QCOMPARE(popup->pos().x() + popup->arrowOffset() + 7, button->mapToGlobal(QPoint(button->width() / 2, 0)).x());
    // The arrow (10 px high, at the top band's lower edge) rises from below the button's middle.
    QVERIFY(popup->pos().y() + 15 > buttonCentre.y());
    QVERIFY(popup->pos().y() < button->mapToGlobal(QPoint(0, button->height())).y());
    popup->hide();
}

void tst_ProfileListItem::repeatedOpensKeepOnePopup()
{
    profileListItem row;
    row.show();
    auto *button = child<QPushButton>(&row, "pushButton_ProfileOperate");
    QTest::mouseClick(button, Qt::LeftButton);
    ArrowWidget *first = row.menuPopup();
    for (int i = 0; i < 3; ++i) {
        row.onCloseMenuWidow();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(row.menuPopup(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(row.findChildren<ArrowWidget *>().size(), 1);
    QCOMPARE(row.findChildren<proFileOperateMenuToolWidget *>().size(), 1);
    first->hide();
}

void tst_ProfileListItem::entryHidesPopupBeforeRowSignal_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("isExport");
    QTest::newRow("Export") << "label_Export" << true;
    QTest::newRow("Delete") << "label_Delete" << false;
}

void tst_ProfileListItem::entryHidesPopupBeforeRowSignal()
{
    QFETCH(QString, entry);
    QFETCH(bool, isExport);

    profileListItem row;
    row.setProfileInfo(QStringLiteral("4"), QStringLiteral("Travel"));
    row.show();
    QTest::mouseClick(child<QPushButton>(&row, "pushButton_ProfileOperate"), Qt::LeftButton);
    ArrowWidget *popup = row.menuPopup();

    QStringList seen;
    auto note = [&](const char *what) {
        return [&, what](const QString &index, const QString &name) {
            seen << QStringLiteral("%1 %2 %3 %4").arg(what, index, name, popup->isVisible() ? "shown" : "hidden");
        };
    };
    connect(&row, &profileListItem::sigExportProfileChildList, &row, note("export"));
    connect(&row, &profileListItem::sigDeleteProfile, &row, note("delete"));
    QSignalSpy clicked(&row, &profileListItem::sigProfileItemMouseClicked);

    chooseEntry(popup, entry.toLatin1().constData());
    QCOMPARE(seen, QStringList {QStringLiteral("%1 4 Travel hidden").arg(isExport ? "export" : "delete")});
    QCOMPARE(clicked.count(), 0);
}

QTEST_MAIN(tst_ProfileListItem)
#include "tst_profilelistitem.moc"
