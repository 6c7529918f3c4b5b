// The event row, the macro row with its rename, and the macro menu.

#include "ArrowWidget.h"
#include "DCatchKeyAndMouseItem.h"
#include "DDataManager.h"
#include "DMacroListItem.h"
#include "macroLooks.h"
#include "macroMenuToolWidget.h"
#include "xmlInterface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool showsPicture(QWidget *row, const char *button, const char *picture)
{
    return showsPicture(row, row->findChild<QWidget *>(QLatin1String(button)),
                        QStringLiteral(":/images/macro/") + QLatin1String(picture));
}

QString labelText(QWidget *row, const char *name)
{
    return row->findChild<QLabel *>(QLatin1String(name))->text();
}

// A macro file with macro 1 "Old" for the rename.
struct MacroFile
{
    MacroFile()
    {
        path = dir.filePath(QStringLiteral("pardexMacro.xml"));
        store.createXmlFile(path);
        store.addMacro(path, "1", "Old");
    }
    QByteArray name()
    {
        nodeIndexNameInfo info{};
        store.getNodeIndexAndName(path, "1", info);
        return QByteArray(info.name);
    }
    QTemporaryDir dir;
    QString path;
    xmlInterface store;
};

} // namespace

class tst_MacroRows : public QObject
{
    Q_OBJECT

private slots:
    void eventRowBeforeItsEvent();
    void eventRowShowsItsEvent_data();
    void eventRowShowsItsEvent();
    void eventRowPointer();
    void eventRowStyles();
    void macroRowDefaults();
    void macroRowStyles();
    void rename_data();
    void rename();
    void renameCancelAndDoubleClick();
    void menuSignalOrder_data();
    void menuSignalOrder();
    void operateButtonReusesItsPopup();
};

void tst_MacroRows::eventRowBeforeItsEvent()
{
    DCatchKeyAndMouseItem row(QStringLiteral("0123456789abcdef"));
    row.show();
    QCOMPARE(labelText(&row, "label_DelayTime"), QStringLiteral("99999 MS"));
    QCOMPARE(labelText(&row, "label_CatchEventExplain"), QStringLiteral("A"));
    QVERIFY(showsPicture(&row, "pushButton_EventSelect", "keyboardSel.png"));
    QVERIFY(showsPicture(&row, "pushButton_EventStatus", "keyUpDef.png"));
    QCOMPARE(row.getMark(), QStringLiteral("0123456789abcdef"));
    QVERIFY(row.getDelay().isEmpty());
    QVERIFY(row.findChild<QPushButton *>("pushButton_Delete")->isHidden());
    QVERIFY(row.findChild<QLabel *>("label_MarkNum")->isHidden());
    QCOMPARE(row.height(), 46);
}

void tst_MacroRows::eventRowShowsItsEvent_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("description");

    QTest::newRow("key down") << "key" << "A" << "down" << "keyboardSel.png" << "keyDownSel.png" << "A";
    QTest::newRow("mouse up") << "mouse" << "Left Click Up" << "up" << "mouseSel.png" << "keyUpDef.png" << "Left Click";
    QTest::newRow("middle") << "mouse" << "Center Click Down" << "down" << "mouseSel.png" << "keyDownSel.png"
                            << "Center Click";
    QTest::newRow("right") << "mouse" << "Right Click Up" << "up" << "mouseSel.png" << "keyUpDef.png" << "Right Click";
    QTest::newRow("other type") << "delay" << "Wait" << "down" << "timeSel.png" << "keyUpDef.png" << "Wait";
    QTest::newRow("mouse name of no button") << "mouse" << "Side Click" << "down" << "mouseSel.png" << "keyDownSel.png"
                                             << "Side Click";
}

void tst_MacroRows::eventRowShowsItsEvent()
{
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QString, word);
    QFETCH(QString, kind);
    QFETCH(QString, state);
    QFETCH(QString, description);

    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    row.setItemInfo(250, type, 513, name, word);
    row.show();
    QVERIFY(showsPicture(&row, "pushButton_EventSelect", qPrintable(kind)));
    QVERIFY(showsPicture(&row, "pushButton_EventStatus", qPrintable(state)));
    // A row already shown takes a new event's pictures too.
    row.setItemInfo(250, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
    QVERIFY(showsPicture(&row, "pushButton_EventSelect", "keyboardSel.png"));
    QVERIFY(showsPicture(&row, "pushButton_EventStatus", "keyDownSel.png"));
    row.setItemInfo(250, type, 513, name, word);
    QCOMPARE(labelText(&row, "label_DelayTime"), QStringLiteral("250 MS"));
    QCOMPARE(labelText(&row, "label_CatchEventExplain"), description);
    QCOMPARE(row.getCodeName(), name);
    QCOMPARE(row.getKeyCode(), QStringLiteral("513"));
    QCOMPARE(row.getOperateExplain(), word);

    row.setDelayTime(0);
    QCOMPARE(labelText(&row, "label_DelayTime"), QStringLiteral("0 MS"));
    QCOMPARE(row.getDelay(), QStringLiteral("0"));
}

void tst_MacroRows::eventRowPointer()
{
    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    row.setItemInfo(5, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
    row.show();
    QSignalSpy clicked(&row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QSignalSpy deleted(&row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
    QSignalSpy entered(&row, &DCatchKeyAndMouseItem::sigMouseEnter);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&row, &enter);
    auto *remove = row.findChild<QPushButton *>("pushButton_Delete");
    QVERIFY(remove->isVisible());
    QVERIFY(entered.isEmpty());

    QTest::mousePress(&row, Qt::RightButton);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0), (QVariantList{"5", "key", "4", "A", "down"}));
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(clicked.size(), 1);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&row, &leave);
    QVERIFY(!remove->isVisible());
}

void tst_MacroRows::eventRowStyles()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    DCatchKeyAndMouseItem row(QStringLiteral("m"));
    row.setItemInfo(5, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
    row.show();
    QWidget *frame = row.findChild<QWidget *>("frame");
    QWidget *frame2 = row.findChild<QWidget *>("frame_2");
    QWidget *label = row.findChild<QWidget *>("label_CatchEventExplain");
    QWidget *delay = row.findChild<QWidget *>("label_DelayTime");
    // Empty places of each frame.
    auto frameColor = [&] { return paintedAt(&row, frame, QPoint(frame->width() - 60, 10)); };
    auto frame2Color = [&] { return paintedAt(&row, frame2, QPoint(3, 3)); };
    const QColor plain = themeRgb(theme.MacroCenterBgColor);
    const QColor highlight = themeRgb(theme.MacroListItemSelectedColor);
    const QColor text = themeRgb(theme.MacroListItemTextColor);
    const QColor checked = themeRgb(theme.TextCheckedColor);

    QVERIFY(nearColor(frameColor(), plain));
    QVERIFY(nearColor(frame2Color(), plain)); // all but transparent over the row
    QCOMPARE(textColor(label), text);
    QCOMPARE(textColor(delay), text);
    QVERIFY(static_cast<QLabel *>(label)->font().bold());

    row.setHoverStatus(true);
    QVERIFY(nearColor(frameColor(), highlight));
    QVERIFY(nearColor(frame2Color(), highlight));
    QCOMPARE(textColor(label), text);
    row.setSelectedStatus(true);
    QVERIFY(nearColor(frameColor(), highlight));
    QCOMPARE(textColor(label), checked);
    QCOMPARE(textColor(delay), checked);
    row.setSelectedStatus(false);
    QVERIFY(nearColor(frameColor(), plain));
    QVERIFY(nearColor(frame2Color(), plain));
    QCOMPARE(textColor(label), text);
}

void tst_MacroRows::macroRowDefaults()
{
    DMacroListItem row;
    QCOMPARE(labelText(&row, "label_MacroName"), QStringLiteral("Macro01"));
    QCOMPARE(row.getIndex(), QStringLiteral("-1"));
    QVERIFY(row.findChild<QLabel *>("label_BindingStatus")->isHidden());
    QCOMPARE(row.findChild<QStackedWidget *>()->currentWidget()->objectName(), QStringLiteral("page_Default"));
    QCOMPARE(row.height(), 45);

    row.setItemInfo(QStringLiteral("3"), QStringLiteral("Fire"));
    QCOMPARE(labelText(&row, "label_MacroName"), QStringLiteral("Fire"));
    QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
    QTest::mousePress(&row, Qt::RightButton);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0), (QVariantList{"3", "Fire"}));
}

void tst_MacroRows::macroRowStyles()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QWidget list;
    list.resize(320, 100);
    auto *row = new DMacroListItem(&list);
    row->setGeometry(0, 0, 320, 45);
    row->setItemInfo(QStringLiteral("1"), QStringLiteral("Fire"));
    list.show();
    QWidget *frame = row->findChild<QWidget *>("frame_5");
    auto background = [&] { return paintedAt(&list, frame, QPoint(frame->width() / 2, 10)); };
    const QColor selected = themeRgb(theme.MacroListItemSelectedColor);

    QVERIFY(!nearColor(background(), selected));
    QCOMPARE(textColor(row->findChild<QWidget *>("label_MacroName")), themeRgb(theme.MacroListItemTextColor));
    row->setSelectedStatus(true);
    QVERIFY(nearColor(background(), selected));
    // The line under every row.
    QVERIFY(nearColor(paintedAt(&list, frame, QPoint(frame->width() / 2, frame->height() - 1)),
                      themeRgb(theme.MacroBorderColor), 40));
    row->setSelectedStatus(false);
    QVERIFY(!nearColor(background(), selected));
}

void tst_MacroRows::rename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("signal");

    QTest::newRow("UTF-8") << QStringLiteral("Feu d'été 火") << QStringLiteral("Feu d'été 火").toUtf8() << "success";
    QTest::newRow("blanks") << "   " << QByteArray("   ") << "success";
    QTest::newRow("over-long, cut on a character") << QString(30, QChar(0x00E9))
                                                   << QString(23, QChar(0x00E9)).toUtf8() << "success";
    QTest::newRow("empty") << "" << QByteArray("Old") << "empty";
    QTest::newRow("macro gone") << "New" << QByteArray() << "failed";
}

void tst_MacroRows::rename()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, signal);

    MacroFile file;
    if (signal == QLatin1String("failed"))
        QVERIFY(file.store.deleteNode(file.path, "1"));
    DMacroListItem row;
    row.setMacroFileInfo(QFile::encodeName(file.path).constData(), &file.store);
    row.setItemInfo(QStringLiteral("1"), QStringLiteral("Old"));
    row.show();
    QSignalSpy success(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QSignalSpy empty(&row, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
    QSignalSpy failed(&row, &DMacroListItem::sigModifyMacroItemNameFailed);

    row.onMacroModifyNanme();
    auto *editor = row.findChild<QLineEdit *>("lineEdit_MacroName");
    QCOMPARE(editor->text(), QStringLiteral("Old"));
    editor->setText(typed);
    QTest::mouseClick(row.findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);

    QCOMPARE(success.size(), signal == QLatin1String("success") ? 1 : 0);
    QCOMPARE(empty.size(), signal == QLatin1String("empty") ? 1 : 0);
    QCOMPARE(failed.size(), signal == QLatin1String("failed") ? 1 : 0);
    QCOMPARE(file.name(), stored);
    const QString shown = signal == QLatin1String("success") ? QString::fromUtf8(stored) : QStringLiteral("Old");
    QCOMPARE(row.getName(), shown);
    QCOMPARE(labelText(&row, "label_MacroName"), shown);
    // An empty name keeps the editor open; the others close it.
    QCOMPARE(row.findChild<QStackedWidget *>()->currentWidget()->objectName(),
             signal == QLatin1String("empty") ? QStringLiteral("page_ModifyName") : QStringLiteral("page_Default"));
}

void tst_MacroRows::renameCancelAndDoubleClick()
{
    MacroFile file;
    const QByteArray before = file.store.findNode(file.path, "1") ? file.name() : QByteArray();
    DMacroListItem row;
    row.setMacroFileInfo(QFile::encodeName(file.path).constData(), &file.store);
    row.setItemInfo(QStringLiteral("1"), QStringLiteral("Old"));
    row.show();
    QTest::mouseDClick(&row, Qt::LeftButton);
    auto *editor = row.findChild<QLineEdit *>("lineEdit_MacroName");
    QVERIFY(editor->isVisible());
    editor->setText(QStringLiteral("Typed"));
    QTest::mouseClick(row.findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(file.name(), before);
    QCOMPARE(labelText(&row, "label_MacroName"), QStringLiteral("Old"));
    row.onMacroModifyNanme();
    QCOMPARE(editor->text(), QStringLiteral("Old"));
}

void tst_MacroRows::menuSignalOrder_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("entry");

    QTest::newRow("Export") << "label_Export" << int(Qt::LeftButton) << "export";
    QTest::newRow("Delete, right button") << "label_Delete" << int(Qt::RightButton) << "delete";
    QTest::newRow("Modify Name") << "label_ModifyNanme" << int(Qt::LeftButton) << "rename";
}

void tst_MacroRows::menuSignalOrder()
{
    QFETCH(QString, label);
    QFETCH(int, button);
    QFETCH(QString, entry);

    macroMenuToolWidget menu;
    QStringList order;
    connect(&menu, &macroMenuToolWidget::sigCloseMenuWidow, [&] { order << "close"; });
    connect(&menu, &macroMenuToolWidget::sigMacroExport, [&] { order << "export"; });
    connect(&menu, &macroMenuToolWidget::sigMacroDelete, [&] { order << "delete"; });
    connect(&menu, &macroMenuToolWidget::sigMacroModifyNanme, [&] { order << "rename"; });
    QWidget *target = menu.findChild<QLabel *>(label);
    QTest::mousePress(target, Qt::MouseButton(button));
    QVERIFY(order.isEmpty());
    QTest::mouseRelease(target, Qt::MouseButton(button));
    QCOMPARE(order, (QStringList{"close", entry}));
}

void tst_MacroRows::operateButtonReusesItsPopup()
{
    DMacroListItem row;
    row.setItemInfo(QStringLiteral("2"), QStringLiteral("Fire"));
    row.show();
    QSignalSpy exported(&row, &DMacroListItem::sigExportMacroChildList);
    auto *operate = row.findChild<QPushButton *>("pushButton_MacroOperate");
    QTest::mouseClick(operate, Qt::LeftButton);
    ArrowWidget *popup = row.menuPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->size(), QSize(200, 150));
    QCOMPARE(popup->arrowOffset(), 93);
    const QPoint anchor = operate->mapToGlobal(QPoint(operate->width() / 2, operate->height() - 6));
    QCOMPARE(popup->pos(), anchor - QPoint(100, 20));

    QTest::mouseClick(operate, Qt::LeftButton);
    QCOMPARE(row.menuPopup(), popup);
    QCOMPARE(row.findChildren<ArrowWidget *>().size(), 1);

    QTest::mouseClick(popup->findChild<QLabel *>("label_Export"), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(exported.size(), 1);
    QCOMPARE(exported.at(0), (QVariantList{"2", "Fire"}));
}

QTEST_MAIN(tst_MacroRows)
#include "tst_macrorows.moc"
