// The macro page on a real X server: a recording made with XTest input
// through the X11 hooks, keys passed on while another page is shown, and
// screenshots in every theme to build/macro-screenshots/ for a person to
// look at. Skipped where no X server can start.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "X11InputHook.h"
#include "macroPageFixture.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kWaitMs = 5000;

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/macro-screenshots");
    QDir().mkpath(dir);
    return dir;
}

QPixmap grabScreenArea(const QRect &area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

QList<Event> sampleEvents()
{
    return {{"a", 0, "key", 4, "A", "down"},
            {"a", 120, "key", 4, "A", "up"},
            {"m", 300, "mouse", 513, "Left Click Down", "down"},
            {"m", 80, "mouse", 514, "Left Click Up", "up"},
            {"e", 50, "key", 40, "Enter", "down"},
            {"e", 90, "key", 40, "Enter", "up"}};
}

} // namespace

class tst_MacroScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void xtestInputIsRecorded();
    void keysGoOnWhileAnotherPageIsShown();
    void screenshots_data();
    void screenshots();

private:
    void key(KeySym sym, bool down);
    void tap(KeySym sym);
    void moveTo(const QPoint &global);
    void click();

    Display *m_xtest = nullptr;
};

void tst_MacroScreens::initTestCase()
{
    m_xtest = XOpenDisplay(nullptr);
    if (!m_xtest || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("No X server could be started (xvfb-run missing?); the macro page's X11 tests are skipped.");
    int ev = 0, err = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_xtest, &ev, &err, &major, &minor))
        QSKIP("The X server lacks XTEST; the macro page's X11 tests are skipped.");
}

void tst_MacroScreens::cleanupTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
    if (m_xtest)
        XCloseDisplay(m_xtest);
}

void tst_MacroScreens::key(KeySym sym, bool down)
{
    const KeyCode code = XKeysymToKeycode(m_xtest, sym);
    QVERIFY2(code != 0, "the test keymap lacks a key");
    XTestFakeKeyEvent(m_xtest, code, down ? True : False, CurrentTime);
    XFlush(m_xtest);
}

void tst_MacroScreens::tap(KeySym sym)
{
    key(sym, true);
    key(sym, false);
}

void tst_MacroScreens::moveTo(const QPoint &global)
{
    XTestFakeMotionEvent(m_xtest, -1, global.x(), global.y(), CurrentTime);
    XFlush(m_xtest);
}

void tst_MacroScreens::click()
{
    XTestFakeButtonEvent(m_xtest, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_xtest, 1, False, CurrentTime);
    XFlush(m_xtest);
}

void tst_MacroScreens::xtestInputIsRecorded()
{
    MacroPageFixture f;
    WindowsHookInterface::setHookBackend(std::make_unique<X11InputHook>());
    f.page->setClock(macroRecorder::Clock()); // the system's
    f.addMacro(1, "Macro1");
    f.showPage();
    f.page->move(0, 0);
    f.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.page.get()));

    QWidget *record = f.child<QWidget>("frame_Record");
    const QPoint recordCentre = record->mapToGlobal(record->rect().center());
    QWidget *table = f.child<QWidget>("frame_11");
    const QPoint elsewhere = table->mapToGlobal(table->rect().center());

    moveTo(recordCentre);
    QTRY_VERIFY_WITH_TIMEOUT(record->underMouse(), kWaitMs);
    click();
    QTRY_VERIFY_WITH_TIMEOUT(f.page->getRecordStatus(), kWaitMs);

    tap(XK_a);
    tap(XK_Return);
    tap(XK_KP_Enter);
    QTRY_COMPARE_WITH_TIMEOUT(f.page->eventRows().size(), 6, kWaitMs);
    moveTo(elsewhere);
    QTRY_VERIFY_WITH_TIMEOUT(!record->underMouse(), kWaitMs);
    click();
    QTRY_COMPARE_WITH_TIMEOUT(f.page->eventRows().size(), 8, kWaitMs);
    moveTo(recordCentre);
    QTRY_VERIFY_WITH_TIMEOUT(record->underMouse(), kWaitMs);
    click();
    QTRY_VERIFY_WITH_TIMEOUT(!f.page->getRecordStatus(), kWaitMs);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());

    const QList<macroItemInfo> items = f.fileItems();
    QStringList codes;
    for (const macroItemInfo &item : items)
        codes << QString::fromLatin1(item.keyCode) + QLatin1Char(' ') + QString::fromLatin1(item.operateExplain);
    QCOMPARE(codes, (QStringList{"4 down", "4 up", "40 down", "40 up", "88 down", "88 up", "513 down", "514 up"}));
    QCOMPARE(QByteArray(items.at(0).delay), QByteArray("0"));
    for (int i = 0; i < items.size(); i += 2)
        QCOMPARE(QByteArray(items.at(i).mark), QByteArray(items.at(i + 1).mark));
}

void tst_MacroScreens::keysGoOnWhileAnotherPageIsShown()
{
    MacroPageFixture f;
    WindowsHookInterface::setHookBackend(std::make_unique<X11InputHook>());
    f.addMacro(1, "Macro1");
    f.showPage();
    f.page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.page.get()));
    f.page->setCurrentPageStatus(false);
    QSignalSpy forwarded(f.page.get(), &DMacroPage::sigHookKeyboardRecviveStream);
    // The remap page's capture field sets the hooks; the macro page hears them.
    QCOMPARE(f.page->findChild<WindowsHookInterface *>()->installHook(2), 1);
    tap(XK_a);
    QTRY_COMPARE_WITH_TIMEOUT(forwarded.size(), 2, kWaitMs);
    QCOMPARE(forwarded.at(0), (QVariantList{0, 4, 1}));
    QCOMPARE(forwarded.at(1), (QVariantList{0, 4, 0}));
    f.page->findChild<WindowsHookInterface *>()->uninstallHook();
}

void tst_MacroScreens::screenshots_data()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

void tst_MacroScreens::screenshots()
{
    QFETCH(int, theme);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();

    MacroPageFixture f;
    f.addMacro(1, "Burst fire", sampleEvents());
    f.addMacro(2, "Build order");
    f.addMacro(3, "Quick chat", keyPair("q"));
    // The main window's background under the page.
    f.page->setObjectName(QStringLiteral("macroPage"));
    f.page->setAttribute(Qt::WA_StyledBackground);
    f.page->setStyleSheet(QStringLiteral("#macroPage{background-color: rgb(%1);}").arg(colours.MainWidgetBgColor));
    f.page->changAppTheme();
    f.showPage();
    f.page->move(0, 0);
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));
    moveTo(QPoint(1900, 1060)); // no hover look from where the last test left the pointer
    QTest::qWait(600); // the list's scroll bar style comes 500 ms after the theme

    auto shoot = [&](const QString &name, const QRect &area) {
        QTest::qWait(50);
        const QPixmap shot = grabScreenArea(area);
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(outputDir() + QStringLiteral("/%1_%2.png").arg(name, tag)));
    };
    const QRect pageArea = f.page->frameGeometry();

    f.selectEvent(2);
    shoot(QStringLiteral("selectedEvent"), pageArea);

    f.clickRecord();
    QVERIFY(f.page->getRecordStatus());
    QVERIFY(f.tap(0x42, 40));
    shoot(QStringLiteral("recording"), pageArea);
    f.clickRecord();

    // Xvfb has no compositor to blend the translucent pop-up: it is laid
    // over the page here as a desktop would show it.
    QTest::qWait(50);
    QImage withMenu = grabScreenArea(pageArea).toImage();
    DMacroListItem *row = f.page->macroRows().at(1);
    QTest::mouseClick(row->findChild<QPushButton *>(QStringLiteral("pushButton_MacroOperate")), Qt::LeftButton);
    ArrowWidget *popup = row->menuPopup();
    QVERIFY(popup);
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QTest::qWait(50);
    {
        QPainter painter(&withMenu);
        painter.setOpacity(popup->windowOpacity());
        painter.drawPixmap(popup->frameGeometry().topLeft() - pageArea.topLeft(), popup->grab());
    }
    QVERIFY(withMenu.save(outputDir() + QStringLiteral("/rowMenu_%1.png").arg(tag)));
    popup->hide();

    row->onMacroModifyNanme();
    row->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Build order v2"));
    shoot(QStringLiteral("renameEditor"), pageArea);
}

int main(int argc, char **argv)
{
    // Without an X server the xcb platform would abort before the test can
    // say why it skips.
    if (Display *probe = XOpenDisplay(nullptr))
        XCloseDisplay(probe);
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tst_MacroScreens test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_macroscreens.moc"
