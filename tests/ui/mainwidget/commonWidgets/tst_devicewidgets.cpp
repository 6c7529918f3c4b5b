#include "DDataManager.h"
#include "DDeviceListItem.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "FixedText.h"
#include "hidStructInfo.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The home page's device tiles and container, and the device page's rows.
namespace {

using NameMap = QMap<QString, QString>;

hidStructInfo record(const QString &path, const QString &model, int type)
{
    hidStructInfo info{};
    info.vid = 0x0416;
    info.pid = 0xC345;
    info.hidType = type;
    fixedTextCopy(info.hidPath, path);
    fixedTextCopy(info.hidName, model);
    fixedTextCopy(info.manufacturer, QStringLiteral("Maker"));
    fixedTextCopy(info.product, QStringLiteral("Board"));
    return info;
}

hidSupportInfo support(const char *vid, const char *pid, const char *chip)
{
    hidSupportInfo info{};
    fixedTextCopy(info.Vid, vid);
    fixedTextCopy(info.Pid, pid);
    fixedTextCopy(info.nucName, chip);
    return info;
}

template <typename T>
T *part(QWidget *widget, const char *name)
{
    T *child = widget->findChild<T *>(QLatin1String(name));
    Q_ASSERT(child);
    return child;
}

// Whether the area shows more than one colour.
bool hasPicture(const QImage &image, const QRect &area)
{
    const QRgb first = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

} // namespace

class tst_DeviceWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        DDataManager *manager = DDataManager::instance();
        manager->setProductNameMap({{"Quissaro", "Vexa"}});
        manager->setLikeNameMap({{"Quissaro", "Quarrodin"}, {"Rosquine", ""}});
    }

    void tilePictureWidth_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("width"); // -1: the form's (at least 300, growing)
        QTest::newRow("mouse") << 1 << "Bovelli" << 80;
        QTest::newRow("mouse named like a keyboard") << 1 << "Quissaro" << 80;
        QTest::newRow("keyboard") << 0 << "Quissaro" << -1;
        QTest::newRow("narrow keyboard") << 0 << "NarrowPad" << 155;
        QTest::newRow("compact keyboard") << 0 << "CompactPad" << 125;
        QTest::newRow("other type") << 2 << "NarrowPad" << -1;
        QTest::newRow("negative type") << -1 << "Bovelli" << -1;
    }

    void tilePictureWidth()
    {
        QFETCH(int, type);
        QFETCH(QString, model);
        QFETCH(int, width);
        DHomeDeviceListItem tile;
        tile.setDeviceInfo(1, 2, "/dev/p", "m", "p", model, type);
        auto *logo = part<QFrame>(&tile, "frame_DeviceLogo");
        if (width < 0) {
            QCOMPARE(logo->minimumWidth(), 300);
            QCOMPARE(logo->maximumWidth(), QWIDGETSIZE_MAX);
        } else {
            QCOMPARE(logo->minimumWidth(), width);
            QCOMPARE(logo->maximumWidth(), width);
        }
        const QString path = QCoreApplication::applicationDirPath() + "/images/hidImages/Keyboard_" + model + ".png";
        QCOMPARE(DHomeDeviceListItem::picturePath(model), path);
        QVERIFY(logo->styleSheet().contains(path));
    }

    // The picture comes from the folder beside the executable; a model
    // without one leaves the frame empty.
    void tilePictureShown()
    {
        DHomeDeviceListItem mouse;
        mouse.setDeviceInfo(1, 2, "/dev/a", "m", "p", "Bovelli", 1);
        DHomeDeviceListItem unknown;
        unknown.setDeviceInfo(1, 2, "/dev/b", "m", "p", "No Such (Model)", 0);
        QVERIFY(QFile::exists(DHomeDeviceListItem::picturePath("Bovelli")));
        for (DHomeDeviceListItem *tile : {&mouse, &unknown}) {
            tile->setFixedSize(460, 210);
            const QImage image = tile->grab().toImage(); // lays the tile out first
            const QFrame *logo = part<QFrame>(tile, "frame_DeviceLogo");
            const QRect area = QRect(logo->mapTo(tile, QPoint(0, 0)), logo->size()).adjusted(2, 2, -2, -2);
            QCOMPARE(hasPicture(image, area), tile == &mouse);
        }
    }

    void tileNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("productShown");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("name");
        QTest::newRow("both names") << "Quissaro" << true << "Vexa" << "Quarrodin";
        QTest::newRow("empty like-name") << "Rosquine" << false << "" << "Rosquine";
        QTest::newRow("no entries") << "Bovelli" << false << "" << "Bovelli";
    }

    void tileNames()
    {
        QFETCH(QString, model);
        QFETCH(bool, productShown);
        QFETCH(QString, product);
        QFETCH(QString, name);
        QWidget window;
        auto *tile = new DHomeDeviceListItem(&window);
        tile->setDeviceInfo(1, 2, "/dev/p", "m", "p", model, 0);
        window.show();
        auto *productLabel = part<QLabel>(tile, "label_ProductName");
        QCOMPARE(productLabel->isVisible(), productShown);
        if (productShown)
            QCOMPARE(productLabel->text(), product);
        QCOMPARE(part<QLabel>(tile, "label_DeviceName")->text(), name);
    }

    void tilePressEmitsPath()
    {
        DHomeDeviceListItem tile;
        tile.setDeviceInfo(1, 2, "/sys/devices/usb1/1-2:1.2", "m", "p", "Quissaro", 0);
        QSignalSpy spy(&tile, &DHomeDeviceListItem::sigHomeDeviceListItemMouseClicked);
        QTest::mousePress(&tile, Qt::LeftButton);
        QTest::mousePress(&tile, Qt::RightButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/sys/devices/usb1/1-2:1.2"));
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("/sys/devices/usb1/1-2:1.2"));
    }

    void containerReplacesTiles()
    {
        DHomeDeviceListWidget container;
        container.resize(1000, 500);
        QSignalSpy clicks(&container, &DHomeDeviceListWidget::sigHidStructInfoListWidget);
        container.setHidDeviceList({record("/p/1", "Quissaro", 0), record("/p/2", "Bovelli", 1),
                                    record("/p/3", "Rosquine", 0)});
        QLayout *layout = container.layout();
        QCOMPARE(layout->count(), 3);
        QList<QPointer<DHomeDeviceListItem>> first;
        const QStringList names{"Quarrodin", "Bovelli", "Rosquine"};
        for (int i = 0; i < 3; ++i) {
            auto *tile = qobject_cast<DHomeDeviceListItem *>(layout->itemAt(i)->widget());
            QVERIFY(tile);
            QCOMPARE(tile->parentWidget(), &container);
            QCOMPARE(tile->minimumSize(), QSize(460, 210));
            QCOMPARE(tile->maximumSize(), QSize(460, 210));
            QCOMPARE(part<QLabel>(tile, "label_DeviceName")->text(), names.at(i));
            first << tile;
        }
        QCOMPARE(layout->contentsMargins().left(), 5);
        QCOMPARE(layout->contentsMargins().top(), 0);

        QTest::mousePress(first.at(1), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("/p/2"));

        container.setHidDeviceList({record("/p/4", "Bovelli", 1)});
        QCOMPARE(layout->count(), 1);
        // The old tiles leave the container at once and are deleted by the event loop.
        for (const QPointer<DHomeDeviceListItem> &tile : first)
            QVERIFY(!tile || !tile->parentWidget());
        QTRY_VERIFY(std::all_of(first.cbegin(), first.cend(), [](const auto &tile) { return tile.isNull(); }));
        QCOMPARE(container.findChildren<DHomeDeviceListItem *>().size(), 1);

        container.clearItems();
        QCOMPARE(layout->count(), 0);
    }

    void rowLogo_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("picture");
        QTest::newRow("keyboard") << 0 << ":/images/softKeyboardDef.png";
        QTest::newRow("mouse") << 1 << ":/images/MouseDef.png";
        QTest::newRow("other type keeps the keyboard") << 5 << ":/images/softKeyboardDef.png";
    }

    void rowLogo()
    {
        QFETCH(int, type);
        QFETCH(QString, picture);
        DDeviceListItem row;
        row.setDeviceInfo(1, 2, "/p", "m", "p", "Bovelli", type, "info");
        QVERIFY(part<QPushButton>(&row, "pushButton_DeviceLogo")->styleSheet().contains(picture));
        QVERIFY(!QPixmap(picture).isNull());
        QCOMPARE(row.getHidType(), type);
        QCOMPARE(row.size(), QSize(190, 30));
    }

    void rowNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("productShown");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("both names") << "Quissaro" << true << "Vexa" << "Quarrodin" << "Vexa Quarrodin";
        QTest::newRow("no product: leading blank") << "Rosquine" << false << "" << "Rosquine" << " Rosquine";
    }

    void rowNames()
    {
        QFETCH(QString, model);
        QFETCH(bool, productShown);
        QFETCH(QString, product);
        QFETCH(QString, shown);
        QFETCH(QString, toolTip);
        QWidget window;
        auto *row = new DDeviceListItem(&window);
        row->setDeviceInfo(0x0416, 0xB23C, "/p", "m", "p", model, 0, "info");
        window.show();
        QCOMPARE(row->getHidName(), model);
        QCOMPARE(row->getHidPath(), QStringLiteral("/p"));
        QCOMPARE(row->getProductName(), product);
        QCOMPARE(row->getShowName(), shown);
        QCOMPARE(row->getDeviceName(), shown);
        auto *productLabel = part<QLabel>(row, "label_ProductName");
        auto *nameLabel = part<QLabel>(row, "label_DeviceName");
        QCOMPARE(productLabel->isVisible(), productShown);
        QCOMPARE(nameLabel->text(), shown);
        QCOMPARE(nameLabel->toolTip(), toolTip);
        QCOMPARE(productLabel->toolTip(), toolTip);
    }

    // A long display name is cut in the label; the tool tip keeps it whole.
    void rowLongNameElided()
    {
        const QString longName = QStringLiteral("An Exceptionally Long Display Name For A Keyboard");
        DDataManager::instance()->setLikeNameMap({{"Quissaro", longName}});
        DDeviceListItem row;
        row.setDeviceInfo(1, 2, "/p", "m", "p", "Quissaro", 0, "info");
        auto *nameLabel = part<QLabel>(&row, "label_DeviceName");
        QVERIFY(nameLabel->text().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(nameLabel->font()).horizontalAdvance(nameLabel->text()) <= 150);
        QCOMPARE(nameLabel->toolTip(), QStringLiteral("Vexa ") + longName);
        QCOMPARE(row.getShowName(), longName);
    }

    void elideText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("room"); // relative to the text's own width
        QTest::addColumn<bool>("cut");
        QTest::newRow("exactly as wide") << "Quarrodin Pro" << 0 << true;
        QTest::newRow("one pixel to spare") << "Quarrodin Pro" << 1 << false;
        QTest::newRow("far too wide") << "Quarrodin Pro" << -40 << true;
        QTest::newRow("empty") << "" << 1 << false;
    }

    void elideText()
    {
        QFETCH(QString, text);
        QFETCH(int, room);
        QFETCH(bool, cut);
        QFont font = DDataManager::instance()->getFont(1);
        font.setPointSize(12);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(text) + room;
        const QString shown = DDeviceListItem::elideText(font, text, width);
        if (cut) {
            QVERIFY(shown != text);
            QVERIFY(shown.endsWith(QChar(0x2026)));
            QVERIFY(metrics.horizontalAdvance(shown) < width);
        } else {
            QCOMPARE(shown, text);
        }
    }

    // A press, a double click and a click on the logo each report one press.
    void rowPresses()
    {
        QWidget window;
        auto *row = new DDeviceListItem(&window);
        row->setDeviceInfo(1, 2, "/p", "m", "p", "Quissaro", 0, "info");
        window.show();
        QSignalSpy spy(row, &DDeviceListItem::sigDeviceItemPressed);

        // What a double click delivers: press, release, double click, release.
        QTest::mousePress(row, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(spy.count(), 1);
        QTest::mousePress(row, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(spy.count(), 2);
        QTest::mouseClick(part<QPushButton>(row, "pushButton_DeviceLogo"), Qt::LeftButton);
        QCOMPARE(spy.count(), 3);
    }

    void rowMarker()
    {
        QWidget window;
        auto *row = new DDeviceListItem(&window);
        window.show();
        auto *marker = part<QFrame>(row, "frame");
        QVERIFY(!marker->isVisible());
        row->setSelected(true);
        QVERIFY(marker->isVisible());
        QCOMPARE(marker->height(), 3);
        row->setSelected(false);
        QVERIFY(!marker->isVisible());
        QCOMPARE(row->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(row->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // Both names take the theme's text colour, the product name included
    // (a label shown before its window once kept the form's white).
    void rowThemeColours_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("themeText"); // the theme's text colour reads on the strip
        QTest::newRow("blue") << 2 << true;
        QTest::newRow("dark") << 0 << false;
        QTest::newRow("light") << 1 << false;
    }

    // The names in the theme's text colour, or where that is faint on the
    // strip or a hovered row, in a shade that reads on both.
    void rowThemeColours()
    {
        QFETCH(int, theme);
        QFETCH(bool, themeText);
        DDataManager *manager = DDataManager::instance();
        manager->loadThemeConfig(theme);
        const themeColorInfo colours = manager->getThemeColor();
        QColor text = themeColorInfo::opaqueColor(colours.TextDefaultColor);
        if (!themeText) {
            text = themeColorInfo::opaqueColor(themeColorInfo::readableText(
                colours.TextDefaultColor,
                QStringList{colours.DeviceListAreaDefaultBgColor, colours.DeviceListItemHoverBgColor}));
            for (const QString &strip : {colours.DeviceListAreaDefaultBgColor, colours.DeviceListItemHoverBgColor})
                QVERIFY(themeColorInfo::contrastRatio(text, themeColorInfo::opaqueColor(strip))
                        >= themeColorInfo::MinimumContrast);
        }
        QWidget window;
        auto *row = new DDeviceListItem(&window);
        row->setDeviceInfo(1, 2, "/p", "m", "p", "Quissaro", 0, "info");
        row->updateThemeStyle();
        window.show();
        manager->loadThemeConfig(0);
        QCOMPARE(part<QLabel>(row, "label_ProductName")->palette().color(QPalette::WindowText), text);
        QCOMPARE(part<QLabel>(row, "label_DeviceName")->palette().color(QPalette::WindowText), text);
    }

    void rowChipName_data()
    {
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addColumn<QString>("chip");
        QTest::newRow("first entry") << 0x0416 << 0xB23C << "NUC121";
        QTest::newRow("lower-case ids in the list") << 0x0C45 << 0xA21C << "Bovelli";
        QTest::newRow("vendor matches, product does not") << 0x0416 << 0xB23D << "";
        QTest::newRow("unknown") << 0x1234 << 0x5678 << "";
    }

    void rowChipName()
    {
        QFETCH(int, vid);
        QFETCH(int, pid);
        QFETCH(QString, chip);
        DDataManager::instance()->setSupportHidList(
            {support("0416", "B23C", "NUC121"), support("0416", "C345", "M252"), support("0c45", "a21c", "Bovelli"),
             support("zz", "B23D", "Bad")});
        DDeviceListItem row;
        row.setDeviceInfo(vid, pid, "/p", "m", "p", "Quissaro", 0, "info");
        QCOMPARE(row.getChipName(), chip);
    }
};

QTEST_MAIN(tst_DeviceWidgets)
#include "tst_devicewidgets.moc"
