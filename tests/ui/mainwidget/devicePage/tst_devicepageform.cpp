// The device page's form: its objects and spacers, the names other parts
// reach them by, the slots it binds by name, its texts in the page's
// translation context and the state the page starts in.
#include "CustomButton.h"
#include "DDevicePage.h"
#include "devicePageTestSupport.h"
#include "ui_DDevicePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaMethod>
#include <QScrollArea>
#include <QSpacerItem>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

// The objects the form itself creates under a widget, by name (Qt's own
// inner parts, named "qt_...", and unnamed helpers left out).
QList<QObject *> formObjects(QWidget *root)
{
    QList<QObject *> objects;
    for (QObject *o : root->findChildren<QObject *>()) {
        if (!o->objectName().isEmpty() && !o->objectName().startsWith(QLatin1String("qt_")))
            objects.append(o);
    }
    return objects;
}

int spacerCount(QWidget *root)
{
    int count = 0;
    for (QLayout *layout : root->findChildren<QLayout *>()) {
        if (layout->objectName().isEmpty() || layout->objectName().startsWith(QLatin1String("qt_")))
            continue;
        for (int i = 0; i < layout->count(); ++i)
            count += layout->itemAt(i)->spacerItem() ? 1 : 0;
    }
    return count;
}

// Hidden by a call, not merely not shown yet.
bool explicitlyHidden(const QWidget *w)
{
    return w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
}

QStringList childNames(QStackedWidget *stack)
{
    QStringList names;
    for (int i = 0; i < stack->count(); ++i)
        names.append(stack->widget(i)->objectName());
    return names;
}

const QStringList kByNameButtons = {
    "pushButton_MoreOperate",        "pushButton_Test",
    "pushButton_CloseKeyCustom",     "pushButton_CloseLedCustom",
    "pushButton_Import",             "pushButton_Add",
    "pushButton_CloseProfile",       "pushButton_selectAppPath",
    "pushButton_OK",                 "pushButton_OnboardMoreOperate",
    "pushButton_OnboardSave",        "pushButton_OnboardCancel",
    "pushButton_OnboardConfigMoreOperate", "pushButton_Fn1Key",
    "checkBox_LightSynchronize",     "toolButton_RestoreFactorySettings",
    "toolButton_OnboardDownload",    "pushButton_LightOnOff",
};

} // namespace

class tst_DevicePageForm : public QObject
{
    Q_OBJECT

private slots:
    // The form alone, on a bare widget: 262 named objects of the listed
    // classes and 29 spacers, every name once.
    void objectsAndSpacers()
    {
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        QCOMPARE(bare.objectName(), QStringLiteral("DDevicePage"));
        QCOMPARE(bare.size(), QSize(1200, 790));

        const QList<QObject *> objects = formObjects(&bare);
        QMap<QString, int> classes;
        QSet<QString> names{bare.objectName()};
        for (QObject *o : objects) {
            classes[QString::fromLatin1(o->metaObject()->className())] += 1;
            names.insert(o->objectName());
        }
        const QMap<QString, int> expected{
            {"QWidget", 40},    {"QFrame", 42},     {"QVBoxLayout", 42}, {"QHBoxLayout", 40},
            {"CustomButton", 38}, {"QPushButton", 31}, {"QLabel", 9},      {"QStackedWidget", 9},
            {"QScrollArea", 3}, {"QToolButton", 3}, {"QTextEdit", 2},    {"QComboBox", 1},
            {"QLineEdit", 1},   {"QCheckBox", 1},
        };
        QCOMPARE(classes, expected);
        QCOMPARE(objects.size(), 262);
        QCOMPARE(names.size(), 263);
        QCOMPARE(spacerCount(&bare), 29);
    }

    // Pages of every stacked widget in index order, and the page each
    // shows after setup.
    void stackedPages_data()
    {
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("current");
        QTest::newRow("panel") << "stackedWidget_CustomAll"
                               << QStringList{"page_CustomKey", "page_CustomLed", "page_ProfileOperate"} << 1;
        QTest::newRow("key functions")
            << "stackedWidget_Customize"
            << QStringList{"page_Default", "page_Macro", "page_RemapKey", "page_Mouse", "page_Text", "page_Disable",
                           "page_Multimedia", "page_CombinationKey", "page_Shortcuts", "page_SwitchProfile",
                           "page_OpenApp"}
            << 0;
        QTest::newRow("effect lists") << "stackedWidget"
                                      << QStringList{"page_KeyboardLed", "page_SideLed", "page_MouseScrollAndLogo"}
                                      << 0;
        QTest::newRow("colour panel") << "stackedWidget_CustomizeLight" << QStringList{"page"} << 0;
        QTest::newRow("profile editor") << "stackedWidget_2" << QStringList{"page_profileModify"} << 0;
        QTest::newRow("device area") << "stackedWidget_KeyboardArea"
                                     << QStringList{"page_KeyboardShow", "page_TipShow"} << 0;
        QTest::newRow("on-board selector") << "stackedWidget_Onboard"
                                           << QStringList{"page_OnboardOperate", "page_OnboardModifyName"} << 0;
        QTest::newRow("device view") << "stackedWidget_DeviceChang"
                                     << QStringList{"page_deviceShow", "page_MouseLight", "page_Onboard"} << 0;
        QTest::newRow("tool pages") << "stackedWidget_Tool"
                                    << QStringList{"page_Performance", "page_CustomList", "page_SoftKeyboard",
                                                   "page_LightOffOrOpen", "page_MousePerformance",
                                                   "page_MouseDpiConfig"}
                                    << 0;
    }
    void stackedPages()
    {
        QFETCH(QString, stack);
        QFETCH(QStringList, pages);
        QFETCH(int, current);
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        auto *widget = bare.findChild<QStackedWidget *>(stack);
        QVERIFY(widget);
        QCOMPARE(childNames(widget), pages);
        QCOMPARE(widget->currentIndex(), current);
    }

    // The list buttons in panel order inside their frames, each host ending
    // in one spacer, so rows inserted at count - 1 pack against the start.
    void listsAndRowHosts()
    {
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        const QList<QPair<QLayout *, selectionLists::List>> lists{
            {form.verticalLayout_2, selectionLists::KeyFunction},
            {form.verticalLayout_12, selectionLists::KeyEffect},
            {form.verticalLayout_14, selectionLists::SideEffect},
            {form.verticalLayout_41, selectionLists::ScrollAndLogo}};
        for (const auto &entry : lists) {
            QStringList inLayout;
            for (int i = 0; i < entry.first->count(); ++i) {
                if (auto *b = qobject_cast<CustomButton *>(entry.first->itemAt(i)->widget()))
                    inLayout.append(b->objectName());
            }
            QStringList table;
            for (const selectionLists::Row &row : selectionLists::rows(entry.second))
                table.append(QString::fromLatin1(row.objectName));
            QCOMPARE(inLayout, table);
        }
        for (QBoxLayout *host : {static_cast<QBoxLayout *>(form.horizontalLayout_24),
                                 static_cast<QBoxLayout *>(form.verticalLayout_30),
                                 static_cast<QBoxLayout *>(form.verticalLayout_39)}) {
            QCOMPARE(host->count(), 1);
            QVERIFY(host->itemAt(0)->spacerItem());
        }
    }

    // Sizes and states other parts and the theme rely on.
    void sizesAndStates()
    {
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        QCOMPARE(form.frame_10->minimumHeight(), 35);
        QCOMPARE(form.frame_10->maximumHeight(), 35);
        QCOMPARE(form.frame_ConfigSelect->minimumWidth(), 242);
        QCOMPARE(form.frame->maximumWidth(), 45);
        QCOMPARE(form.frame_Custom->maximumWidth(), 400);
        QCOMPARE(form.frame_Custom->frameShape(), QFrame::NoFrame);
        QCOMPARE(form.pushButton_Custom->minimumSize(), QSize(28, 28));
        QCOMPARE(form.pushButton_Custom->maximumSize(), QSize(28, 28));
        QCOMPARE(form.frame_6->maximumHeight(), 200);
        QCOMPARE(form.frame_30->minimumSize(), QSize(160, 160));
        QCOMPARE(form.frame_30->maximumSize(), QSize(160, 160));
        QCOMPARE(form.pushButton_CloseKeyCustom->maximumSize(), QSize(14, 14));
        QCOMPARE(form.comboBox_OnboardProfile->maximumSize(), QSize(150, 22));
        QCOMPARE(form.frame_2->lineWidth(), 0);
        QCOMPARE(form.frame_2->frameShape(), QFrame::StyledPanel);
        QCOMPARE(form.scrollArea->frameShape(), QFrame::NoFrame);
        QCOMPARE(form.scrollArea->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form.scrollArea_2->focusPolicy(), Qt::WheelFocus);
        QCOMPARE(form.label_Tip->alignment(), Qt::AlignCenter);
        QCOMPARE(form.verticalLayout_5->contentsMargins(), QMargins(0, 9, 0, 9));
        QCOMPARE(form.horizontalLayout_23->spacing(), 15);

        // The list buttons: checkable and 35 high, but for three effects the
        // form leaves unchecked-able and DPI, which only has a minimum.
        const QSet<QString> notCheckable{"toolButton_AutoRipple", "toolButton_Striation", "toolButton_Fireworks"};
        for (CustomButton *b : bare.findChildren<CustomButton *>()) {
            QCOMPARE(b->isCheckable(), !notCheckable.contains(b->objectName()));
            QCOMPARE(b->minimumSize(), QSize(200, 35));
            QCOMPARE(b->maximumHeight(), b->objectName() == "toolButton_MouseDPI" ? QWIDGETSIZE_MAX : 35);
        }

        QStringList checked;
        for (QAbstractButton *b : bare.findChildren<QAbstractButton *>()) {
            if (b->isChecked())
                checked.append(b->objectName());
        }
        checked.sort();
        QCOMPARE(checked, (QStringList{"pushButton_AppMode", "pushButton_Default", "pushButton_KeyboardLed",
                                       "pushButton_Performance"}));
        // A stacked widget shows only its current page; nothing else is
        // hidden.
        for (QObject *o : formObjects(&bare)) {
            if (auto *w = qobject_cast<QWidget *>(o))
                QVERIFY2(!explicitlyHidden(w) || w->parentWidget()->inherits("QStackedWidget"),
                         qPrintable(w->objectName()));
        }
    }

    // Exactly 18 page slots bind by name, each to its control's click.
    void byNameBindings()
    {
        DDevicePage page;
        QStringList byName;
        const QMetaObject *mo = page.metaObject();
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() == QMetaMethod::Slot && m.name().startsWith("on_"))
                byName.append(QString::fromLatin1(m.name()));
        }
        QCOMPARE(byName.size(), kByNameButtons.size());
        for (const QString &name : kByNameButtons) {
            auto *control = page.findChild<QAbstractButton *>(name);
            QVERIFY2(control, qPrintable(name));
            const QStringList c = devicePageTest::connectionsTo(control, "DDevicePage");
            QCOMPARE(c.size(), 1);
            QVERIFY2(c.first().startsWith("clicked(") && c.first().endsWith(QStringLiteral("on_%1_clicked()").arg(name)),
                     qPrintable(c.first()));
            QVERIFY(byName.contains(QStringLiteral("on_%1_clicked").arg(name)));
        }
        // Cancel of the profile editor: no slot, no connection.
        QVERIFY(devicePageTest::connectionsTo(page.findChild<QPushButton *>("pushButton_Cancel"), "DDevicePage").isEmpty());
    }

    // Every text of the form goes through the page's context; a language
    // without translations shows the source texts.
    void textsThroughTheTranslation_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("text");
        const QList<QStringList> rows{
            {"label_currentProfileName", "text", "Profile 1"},
            {"pushButton_Test", "text", "测试按键"},
            {"pushButton_Custom", "toolTip", "Key Custom"},
            {"pushButton_Led", "toolTip", "Light Setting"},
            {"pushButton_KeyboardLed", "text", "Keyboard"},
            {"pushButton_SideLed", "text", "Side Light"},
            {"label_MacroGroup", "text", "Profile Group "},
            {"label", "text", "Profile name"},
            {"textEdit_profileName", "placeholderText", "Profile Name"},
            {"label_3", "text", "Link profile to program"},
            {"textEdit_profileLinkProgram", "placeholderText", "App path：/usr/bin/program"},
            {"pushButton_selectAppPath", "text", "Select application"},
            {"pushButton_OK", "text", "Ok"},
            {"pushButton_Cancel", "text", "Cancel"},
            {"label_ProductName", "text", "Product"},
            {"label_DeviceName", "text", "Keyboard Name"},
            {"pushButton_AppMode", "text", "APP mode"},
            {"pushButton_OnboardMode", "text", "Onboard Editor"},
            {"pushButton_Default", "text", "Default layer"},
            {"pushButton_FN1", "text", "FN1 layer"},
            {"pushButton_FN", "text", "FN(无效)"},
            {"pushButton_Fn1Key", "text", "Set FN1"},
            {"checkBox_LightSynchronize", "text", "Light Synchronize"},
            {"label_LogMsg", "text", "Log infomsg"},
            {"toolButton_RestoreFactorySettings", "text", "Restore factory settings"},
            {"toolButton_OnboardDownload", "text", "Download"},
            {"label_2", "text", "Lighting Effect"},
            {"pushButton_Performance", "text", "Performance"},
            {"pushButton_CustomList", "text", "Custom List"},
            {"pushButton_MousePerformance", "text", "Performance"},
            {"pushButton_MouseDpiConfig", "text", "DPI Config"},
            {"pushButton_SoftKeyboard", "text", "Soft Keyboard"},
            {"label_Tip", "text", "Device not connected"},
        };
        for (const QStringList &r : rows)
            QTest::newRow(qPrintable(r.at(0) + "." + r.at(1))) << r.at(0) << r.at(1) << r.at(2);
    }
    void textsThroughTheTranslation()
    {
        QFETCH(QString, object);
        QFETCH(QString, property);
        QFETCH(QString, text);
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        QObject *o = bare.findChild<QObject *>(object);
        QVERIFY(o);
        QCOMPARE(o->property(qPrintable(property)).toString(), text);

        devicePageTest::MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        form.retranslateUi(&bare);
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(o->property(qPrintable(property)).toString(), QStringLiteral("<<%1>>").arg(text));
    }

    // The form sets texts and nothing else: buttons without a text stay
    // without one.
    void onlyTheListedTextsAreSet()
    {
        QWidget bare;
        Ui_DDevicePage form;
        form.setupUi(&bare);
        for (QPushButton *b : {form.pushButton_MoreOperate, form.pushButton_Import, form.pushButton_Add,
                               form.pushButton_LightOnOff, form.pushButton_OnboardSave})
            QVERIFY(b->text().isEmpty());
        QVERIFY(form.textEdit_profileName->toPlainText().isEmpty());
    }

    // What the constructor changes on the form's starting state.
    void stateAfterConstruction()
    {
        DDevicePage page;
        const Ui_DDevicePage *ui = page.form();
        for (QWidget *hidden : QList<QWidget *>{ui->frame_Custom, ui->pushButton_MoreOperate,
                                                ui->pushButton_PerformanceChang, ui->pushButton_Test, ui->frame_24,
                                                ui->stackedWidget_Onboard, ui->frame_OnboardProfile,
                                                ui->frame_OnboardDownload, ui->pushButton_FN})
            QVERIFY2(explicitlyHidden(hidden), qPrintable(hidden->objectName()));
        for (QWidget *shown : QList<QWidget *>{ui->frame_10, ui->frame, ui->frame_19, ui->frame_HidDeviceTypeChang,
                                               ui->lightOperateFrame, ui->frame_6, ui->frame_7})
            QVERIFY2(!explicitlyHidden(shown), qPrintable(shown->objectName()));
        QVERIFY(ui->pushButton_Custom->isChecked());
        QVERIFY(!ui->pushButton_Led->isChecked());
        QVERIFY(!ui->checkBox_LightSynchronize->isChecked());
        QVERIFY(ui->pushButton_KeyboardLed->isChecked());
        QVERIFY(ui->pushButton_AppMode->isChecked());
        QVERIFY(ui->pushButton_Default->isChecked());
        QVERIFY(ui->pushButton_Performance->isChecked());
        QCOMPARE(ui->stackedWidget_CustomAll->currentWidget(), ui->page_CustomLed);
        QCOMPARE(ui->stackedWidget_Customize->currentWidget(), ui->page_Default);
        QCOMPARE(ui->stackedWidget_Tool->currentWidget(), ui->page_Performance);
        QCOMPARE(ui->stackedWidget_DeviceChang->currentWidget(), ui->page_deviceShow);
        // No device yet: the hint page.
        QCOMPARE(ui->stackedWidget_KeyboardArea->currentWidget(), ui->page_TipShow);
        QCOMPARE(page.mainPageIndex(), -1);
        QCOMPARE(page.deviceType(), -1);
    }
};

QTEST_MAIN(tst_DevicePageForm)
#include "tst_devicepageform.moc"
