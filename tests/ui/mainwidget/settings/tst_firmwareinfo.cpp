#include "DFirwareInfoItem.h"
#include "DFirwareInfoShow.h"
#include "HidFirmwareInfoTool.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

namespace {

using InfoMap = QMap<QString, QString>;

// The rows of a dialog's list, top to bottom, as "first line|second line".
QStringList rowTexts(const DFirwareInfoShow &dialog)
{
    auto *layout = dialog.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_17"));
    QStringList rows;
    for (int i = 0; i < layout->count(); ++i) {
        QWidget *row = layout->itemAt(i)->widget();
        if (!row)
            continue;
        rows << row->findChild<QLabel *>(QStringLiteral("label_HidInfo"))->text() + QLatin1Char('|')
                + row->findChild<QLabel *>(QStringLiteral("label_DataTimeInfo"))->text();
    }
    return rows;
}

} // namespace

class tst_FirmwareInfo : public QObject
{
    Q_OBJECT

private slots:
    void rowCutsKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number and text") << "3-M25201KBQS,Quissaro" << "M25201KBQS,Quissaro";
        QTest::newRow("no dash") << "M25201KBQS,Quissaro" << "M25201KBQS,Quissaro";
        QTest::newRow("leading dash") << "-M25201KBQS,Quissaro" << "M25201KBQS,Quissaro";
        QTest::newRow("two dashes") << "12-RX-7,Rulvarro" << "RX-7,Rulvarro";
        QTest::newRow("dash only") << "-" << "";
        QTest::newRow("empty") << "" << "";
    }

    void rowCutsKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, shown);
        DFirwareInfoItem row;
        row.setInfo(key, QStringLiteral("V1.02---2020/3/26 20:50:50"));
        QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_HidInfo"))->text(), shown);
        QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_DataTimeInfo"))->text(),
                 QStringLiteral("V1.02---2020/3/26 20:50:50"));
    }

    void dialogWindow()
    {
        DFirwareInfoShow dialog;
        QCOMPARE(dialog.size(), QSize(350, 370));
        QCOMPARE(dialog.minimumSize(), QSize(350, 370));
        QCOMPARE(dialog.maximumSize(), QSize(350, 370));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Firmware Info"));
        auto *scroll = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea_2"));
        QCOMPARE(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    }

    void rowsInKeyOrder()
    {
        DFirwareInfoShow dialog;
        dialog.setFirmwareInfo(InfoMap{{"2-B1,Bovelli", "V2"}, {"10-Q9,Quissaro", "V10"}, {"1-R1,Rulvarro", "V1"}});
        // Text order: "10-" sorts before "2-".
        QCOMPARE(rowTexts(dialog),
                 QStringList({"R1,Rulvarro|V1", "Q9,Quissaro|V10", "B1,Bovelli|V2"}));
        // The closing spacer stays last.
        auto *layout = dialog.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_17"));
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    }

    void secondMapReplacesRows()
    {
        DFirwareInfoShow dialog;
        dialog.setFirmwareInfo(InfoMap{{"1-A,Quissaro", "V1"}, {"2-B,Bovelli", "V2"}});
        const QList<DFirwareInfoItem *> old = dialog.findChildren<DFirwareInfoItem *>();
        dialog.setFirmwareInfo(InfoMap{{"1-C,Varrowen", "V3"}});
        QCOMPARE(rowTexts(dialog), QStringList({"C,Varrowen|V3"}));
        for (DFirwareInfoItem *row : old)
            QVERIFY(row->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialog.findChildren<DFirwareInfoItem *>().size(), 1);

        dialog.setFirmwareInfo(InfoMap());
        QVERIFY(rowTexts(dialog).isEmpty());
        auto *layout = dialog.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_17"));
        QCOMPARE(layout->count(), 1);
    }

    void manyRowsScrollVertically()
    {
        DFirwareInfoShow dialog;
        InfoMap map;
        for (int i = 1; i <= 20; ++i)
            map.insert(QStringLiteral("%1-M25201KBQS,Quissaro").arg(i), QStringLiteral("V1.02---2020/3/26 20:50:50"));
        dialog.setFirmwareInfo(map);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *scroll = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea_2"));
        QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(scroll->horizontalScrollBar()->isVisible(), false);
    }

    void toolShowsTextsUnchanged()
    {
        HidFirmwareInfoTool tool;
        QCOMPARE(tool.height(), 150);
        QCOMPARE(tool.minimumHeight(), 150);
        QCOMPARE(tool.maximumHeight(), 150);
        tool.setInfo(QStringLiteral("3-M25201KBQS,Quissaro"), QStringLiteral("Mar 26 2020,20:50:50"));
        QCOMPARE(tool.infoText(), QStringLiteral("3-M25201KBQS,Quissaro"));
        QCOMPARE(tool.dateText(), QStringLiteral("Mar 26 2020,20:50:50"));
        const QList<QLabel *> labels = tool.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 2);
        for (const QLabel *label : labels) {
            QCOMPARE(label->height(), 60);
            QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
    }
};

QTEST_MAIN(tst_FirmwareInfo)
#include "tst_firmwareinfo.moc"
