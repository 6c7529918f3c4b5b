#include "ArrowWidget.h"
#include "CbNotice.h"
#include "CustomButton.h"
#include "DDataManager.h"
#include "DDeviceListItem.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DLinkagePage.h"
#include "FixedText.h"
#include "MaskForm.h"
#include "MaskWidget.h"
#include "QtCustomShadowEffect.h"
#include "TextMoveWidget.h"
#include "mainMenuToolWidget.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest>

// Every shared widget in its states, shown on a real X display and written
// to build/widget-screenshots/ for a person to look at; the themed ones in
// theme 0 (Dark) and 1 (Light). Only the files' existence is asserted.
namespace {

QColor themeColour(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

hidStructInfo record(const char *path, const char *model, int type)
{
    hidStructInfo info{};
    info.vid = 0x0416;
    info.pid = 0xB23C;
    info.hidType = type;
    fixedTextCopy(info.hidPath, path);
    fixedTextCopy(info.hidName, model);
    return info;
}

// A plain window of one colour holding the widget at a margin.
class Backdrop : public QWidget
{
public:
    Backdrop(const QColor &colour, int margin = 16)
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(margin, margin, margin, margin);
        m_layout->setSpacing(8);
    }
    void add(QWidget *widget) { m_layout->addWidget(widget, 0, Qt::AlignLeft); }

private:
    QVBoxLayout *m_layout;
};

// The image a compositing window manager shows of a translucent window over
// a colour.
QImage over(const QColor &colour, QWidget &window)
{
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    QPainter painter(&image);
    painter.setOpacity(window.windowOpacity());
    painter.drawPixmap(0, 0, window.grab());
    return image;
}

} // namespace

class tst_WidgetScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (run under xvfb-run)");
        m_dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/widget-screenshots");
        QVERIFY(QDir().mkpath(m_dir));
        DDataManager *manager = DDataManager::instance();
        manager->setProductNameMap({{"Quissaro", "Vexa"}});
        manager->setLikeNameMap({{"Quissaro", "Quarrodin"}, {"Rulvarro", "Calquor"},
                                 {"Varrowen", "Cyrabel Tournament Edition Wireless"}});
    }

    void cleanupTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            DDataManager::instance()->loadThemeConfig(0);
    }

    void themed_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << 0;
        QTest::newRow("light") << 1;
    }

    void themed()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        const themeColorInfo colours = DDataManager::instance()->getThemeColor();
        const QString suffix = QStringLiteral("_theme%1.png").arg(theme);

        // Tiles: a keyboard, the mouse, a model without a picture.
        const struct
        {
            const char *name;
            const char *model;
            int type;
        } tiles[] = {{"tile_keyboard", "Quissaro", 0}, {"tile_mouse", "Bovelli", 1}, {"tile_nopicture", "Hid Name", 0}};
        for (const auto &t : tiles) {
            Backdrop window(themeColour(colours.HomeBgColor));
            auto *tile = new DHomeDeviceListItem;
            tile->setDeviceInfo(0x0416, 0xB23C, "/p", "m", "p", t.model, t.type);
            tile->setFixedSize(460, 210);
            window.add(tile);
            save(window, t.name + suffix);
        }

        // Three tiles in the container.
        {
            Backdrop window(themeColour(colours.HomeBgColor), 0);
            auto *container = new DHomeDeviceListWidget;
            container->setFixedSize(1000, 440);
            container->setHidDeviceList(
                {record("/p/1", "Quissaro", 0), record("/p/2", "Bovelli", 1), record("/p/3", "Rulvarro", 0)});
            window.add(container);
            save(window, QStringLiteral("tiles_container") + suffix);
        }

        // Rows: selected, unselected, a long name cut short.
        {
            Backdrop window(themeColour(colours.DeviceListAreaDefaultBgColor));
            const struct
            {
                const char *model;
                int type;
                bool selected;
            } rows[] = {{"Quissaro", 0, true}, {"Bovelli", 1, false}, {"Varrowen", 0, false}};
            for (const auto &r : rows) {
                auto *row = new DDeviceListItem;
                row->setDeviceInfo(0x0416, 0xB23C, "/p", "m", "p", r.model, r.type, "info");
                row->updateThemeStyle();
                row->setSelected(r.selected);
                window.add(row);
            }
            save(window, QStringLiteral("rows") + suffix);
        }

        // The arrow pop-up in its three directions, holding the main menu.
        for (int direction : {0, 1, 2}) {
            ArrowWidget popup(direction);
            popup.setPopupSize(242, 164);
            popup.setArrowOffset(242 / 2 - 7);
            popup.setContentWidget(new mainMenuToolWidget);
            popup.move(100, 100);
            popup.show();
            QVERIFY(QTest::qWaitForWindowExposed(&popup));
            write(over(themeColour(colours.HomeBgColor), popup),
                  QStringLiteral("arrow_direction%1").arg(direction) + suffix);
        }
    }

    void toast_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("24") << 24;
        QTest::newRow("32") << 32;
        QTest::newRow("40") << 40;
    }

    void toast()
    {
        QFETCH(int, height);
        QWidget window;
        window.resize(420, 120);
        window.setStyleSheet(QStringLiteral("background-color: rgb(50, 50, 50);"));
        auto *notice = new CbNotice(&window);
        notice->setNoticeHeight(height);
        notice->setFontPixelSize(height < 30 ? 14 : 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        notice->showNotice(QStringLiteral("Set light effect successfully"), QPoint(210, 60));
        save(window, QStringLiteral("toast_height%1.png").arg(height));
    }

    void customButton()
    {
        Backdrop window(QColor(35, 35, 35), 8);
        const char *states[] = {"normal", "hover", "selected"};
        for (const char *state : states) {
            auto *button = new CustomButton;
            button->setFixedSize(180, 40);
            button->setImageAndText(QStringLiteral(":/images/device/defaultDef.png"), QLatin1String(state));
            if (qstrcmp(state, "hover") == 0) {
                QEvent enter(QEvent::Enter);
                QApplication::sendEvent(button, &enter);
            }
            if (qstrcmp(state, "selected") == 0)
                button->setSelected(true);
            window.add(button);
        }
        save(window, QStringLiteral("custombutton_states.png"));
    }

    void scrollingLabel()
    {
        Backdrop window(QColor(22, 22, 22), 8);
        auto *label = new TextMoveWidget;
        label->setFixedSize(360, 40);
        label->setInterval(60000);
        label->setTextFont(QStringLiteral("Microsoft YaHei"), 11);
        label->setText(QStringLiteral("If the firmware is being upgraded, do not unplug the device!"));
        window.add(label);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 4; ++i)
            label->updatePos();
        save(window, QStringLiteral("scrolling_label.png"));
    }

    void masks()
    {
        // The overlay over the main window while a named dialog is up.
        Backdrop mainWindow(QColor(150, 150, 160));
        mainWindow.setObjectName(QStringLiteral("DMainWidget"));
        mainWindow.add(new QLabel(QStringLiteral("<font color=white size=5>Main window</font>")));
        mainWindow.setGeometry(50, 50, 640, 400);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        MaskWidget mask;
        mask.setMainWidget(&mainWindow);
        mask.setDialogNames({QStringLiteral("DSettingsDia")});
        QDialog dialog(&mainWindow);
        dialog.setObjectName(QStringLiteral("DSettingsDia"));
        dialog.setStyleSheet(QStringLiteral("background-color: rgb(60, 60, 60); color: white;"));
        (new QVBoxLayout(&dialog))->addWidget(new QLabel(QStringLiteral("A named dialog")));
        dialog.resize(240, 120);
        dialog.show();
        QVERIFY(mask.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&mask));
        write(composed(mainWindow, {&mask, &dialog}), QStringLiteral("mask_widget.png"));
        dialog.hide();

        // The coloured overlay while its watched widget is visible.
        MaskForm form;
        form.setTargetWindow(&mainWindow);
        QWidget watched;
        watched.resize(10, 10);
        form.setWatchedWidget(&watched);
        watched.show();
        QVERIFY(form.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        write(composed(mainWindow, {&form}), QStringLiteral("mask_form.png"));
    }

    void shadow()
    {
        Backdrop window(QColor(235, 235, 235), 40);
        auto *card = new QLabel(QStringLiteral("Shadowed panel"));
        card->setFixedSize(220, 120);
        card->setAlignment(Qt::AlignCenter);
        card->setStyleSheet(QStringLiteral("background-color: white; color: rgb(60, 60, 60);"));
        card->setGraphicsEffect(new QtCustomShadowEffect(card));
        window.add(card);
        save(window, QStringLiteral("shadow.png"));
    }

    void linkagePage()
    {
        DLinkagePage page;
        page.resize(715, 466);
        save(page, QStringLiteral("linkage_page.png"));
    }

private:
    void save(QWidget &window, const QString &name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        write(window.grab().toImage(), name);
    }

    void write(const QImage &image, const QString &name)
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        QVERIFY2(image.save(path), qPrintable(path));
        QVERIFY(QFileInfo::exists(path));
    }

    // The main window with overlay windows drawn over it at their places and
    // opacities.
    static QImage composed(QWidget &mainWindow, const QList<QWidget *> &windows)
    {
        QImage image = mainWindow.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        for (QWidget *w : windows) {
            painter.setOpacity(w->windowOpacity());
            painter.drawPixmap(w->geometry().topLeft() - mainWindow.geometry().topLeft(), w->grab());
        }
        return image;
    }

    QString m_dir;
};

QTEST_MAIN(tst_WidgetScreenshots)
#include "tst_widgetscreenshots.moc"
