// Every key-function page with a binding loaded, in the key panel's column,
// in each theme and a few long languages, and the customised-keys list with
// rows and empty, in each theme, on a real X display; written to
// build/keyfunction-screenshots/ for a person to look at. Also: with the real
// X11 hook, the keyboard is grabbed exactly while a capture field has focus.

#include "keyFunctionPages.h"

#include "DCustomEventListPage.h"
#include "DDataManager.h"
#include "WindowsHookInterface.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <X11/Xlib.h>

using Kfc = keyFunctionCatalogue;

namespace {

constexpr int kKey = KeyFunctionFixture::kKey;
const char *const kThemes[] = {"Black", "Light", "Blue", "Pink", "Other"};
const char *const kLanguages[] = {"English", "German", "Russian", "French"};
// The device page's key panel column and the margins of its page hosts.
constexpr int kColumnWidth = 200;
constexpr int kHostMargin = 9;

QString screenshotDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/keyfunction-screenshots");
    QDir().mkpath(dir);
    return dir;
}

// A window painted like the device page's key panel around one widget.
class Host : public QWidget
{
public:
    explicit Host(QWidget *content)
    {
        const themeColorInfo theme = DDataManager::instance()->getThemeColor();
        setObjectName(QStringLiteral("host"));
        setStyleSheet(QStringLiteral("QWidget#host{background-color:%1;}").arg(themeColorInfo::cssColor(theme.DeviceRightBgColor)));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(12, 12, 12, 12);
        content->setParent(this);
        layout->addWidget(content);
    }
};

// The device page's key panel column around one page.
class Column : public QWidget
{
public:
    explicit Column(QWidget *content)
    {
        const themeColorInfo theme = DDataManager::instance()->getThemeColor();
        setObjectName(QStringLiteral("column"));
        setStyleSheet(QStringLiteral("QWidget#column{background-color:%1;}").arg(themeColorInfo::cssColor(theme.DeviceRightBgColor)));
        setFixedWidth(kColumnWidth);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(kHostMargin, kHostMargin, kHostMargin, kHostMargin);
        content->setParent(this);
        layout->addWidget(content);
    }
};

QString picturePrefix(int theme, const QString &language)
{
    return language == QLatin1String("English") ? QLatin1String(kThemes[theme])
                                                 : QStringLiteral("%1-%2").arg(QLatin1String(kThemes[theme]), language);
}

} // namespace

class tst_KeyFunctionScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pages_data();
    void pages();
    void customisedKeysList_data();
    void customisedKeysList();
    void keyboardGrabbedWhileCaptureFieldHasFocus_data();
    void keyboardGrabbedWhileCaptureFieldHasFocus();
    void cleanupTestCase();
};

void tst_KeyFunctionScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_KeyFunctionScreenshots::pages_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<StoredBinding>("stored");
    const QList<QPair<QString, StoredBinding>> pages = {
        {"DResetDefaultPage", binding(Kfc::OperateRemap, "5")},
        {"DChangeKeyPage", binding(Kfc::OperateRemap, "40")},
        {"DMacroCmdPage", binding(Kfc::OperateMacro, "3", 2, 10)},
        {"DKeyCombinationPage", binding(Kfc::OperateCombination, "3,4")},
        {"DMultimediaPage", binding(Kfc::OperateMultimedia, "2")},
        {"DMouseKeyPage", binding(Kfc::OperateMouse, "5")},
        {"DKeyDisablePage", binding(Kfc::OperateDisable, "-1")},
        {"DKeyWithTextPage", binding(Kfc::OperateText, "Kind regards,\nAnna & the team")},
        {"DChangProfilePage", binding(Kfc::OperateProfile, "2")},
        {"DKeyWithAppPage", binding(Kfc::OperateProgram, "")}, // the program file is made per row
        {"DHotKeyPage", binding(Kfc::OperateShortcut, "7")},
    };
    for (int theme = 0; theme < 5; ++theme) {
        for (const char *language : kLanguages) {
            for (const auto &page : pages)
                QTest::addRow("%s %s %s", kThemes[theme], language, qPrintable(page.first))
                    << theme << QString::fromLatin1(language) << page.first << page.second;
        }
    }
}

void tst_KeyFunctionScreenshots::pages()
{
    QFETCH(int, theme);
    QFETCH(QString, language);
    QFETCH(QString, page);
    QFETCH(StoredBinding, stored);
    QTranslator translator;
    if (language != QLatin1String("English")) {
        QVERIFY(translator.load(qEnvironmentVariable("VELMORA_BINARY_DIR")
                                + QStringLiteral("/translation/%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    DDataManager::instance()->loadThemeConfig(theme);
    KeyFunctionFixture f;
    if (stored.operateType == Kfc::OperateProgram)
        stored.value = f.programFile(QStringLiteral("Text Editor")).toUtf8();
    f.bind(kKey, stored);

    PageDriver d = makeDriver(page, f);
    QWidget *content = d.page.release();
    Column column(content);
    d.page.reset(content); // deleted before the column
    d.setUp(f.profilePath, 1, 0);
    column.show();
    QVERIFY(QTest::qWaitForWindowExposed(&column));
    QCOMPARE(content->width(), kColumnWidth - 2 * kHostMargin); // the page follows the column
    QVERIFY(column.grab().save(QStringLiteral("%1/%2-%3.png").arg(screenshotDir(), picturePrefix(theme, language), page)));
    d.page->setParent(nullptr);
    QCoreApplication::removeTranslator(&translator);
}

void tst_KeyFunctionScreenshots::customisedKeysList_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("empty");
    for (int theme = 0; theme < 5; ++theme) {
        QTest::addRow("%s rows", kThemes[theme]) << theme << false;
        QTest::addRow("%s empty", kThemes[theme]) << theme << true;
    }
}

void tst_KeyFunctionScreenshots::customisedKeysList()
{
    QFETCH(int, theme);
    QFETCH(bool, empty);
    DDataManager::instance()->loadThemeConfig(theme);
    KeyFunctionFixture f;
    if (!empty) {
        f.bind(4, binding(Kfc::OperateRemap, "40"));
        f.bind(5, binding(Kfc::OperateMacro, "3", 2, 10));
        f.bind(6, binding(Kfc::OperateCombination, "3,4"));
        f.bind(30, binding(Kfc::OperateMultimedia, "2"));
        f.bind(40, binding(Kfc::OperateProfile, "2"));
    }
    auto *list = new DCustomEventListPage;
    Host host(list);
    list->loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(list->isShowingEmptyTip(), empty);
    QVERIFY(host.grab().save(QStringLiteral("%1/%2-DCustomEventListPage-%3.png")
                                 .arg(screenshotDir(), QLatin1String(kThemes[theme]),
                                      empty ? QStringLiteral("empty") : QStringLiteral("rows"))));
}

void tst_KeyFunctionScreenshots::keyboardGrabbedWhileCaptureFieldHasFocus_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("remap") << "DChangeKeyPage";
    QTest::newRow("combination") << "DKeyCombinationPage";
}

void tst_KeyFunctionScreenshots::keyboardGrabbedWhileCaptureFieldHasFocus()
{
    QFETCH(QString, page);
    Display *other = XOpenDisplay(nullptr);
    QVERIFY(other);
    const auto othersGrab = [other] {
        const int result = XGrabKeyboard(other, DefaultRootWindow(other), False, GrabModeAsync, GrabModeAsync,
                                         CurrentTime);
        if (result == GrabSuccess)
            XUngrabKeyboard(other, CurrentTime);
        XSync(other, False);
        return result;
    };

    KeyFunctionFixture f;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *elsewhere = new QLineEdit(&window);
    layout->addWidget(elsewhere);
    PageDriver d = makeDriver(page, f);
    QWidget *content = d.page.release();
    layout->addWidget(content);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    elsewhere->setFocus();
    QTRY_VERIFY(elsewhere->hasFocus());
    QCOMPARE(othersGrab(), GrabSuccess);

    d.page.reset(content);
    d.setUp(f.profilePath, 1, 0); // gives the capture field the focus
    QTRY_VERIFY(content->findChild<QLineEdit *>()->hasFocus());
    QTRY_COMPARE(othersGrab(), AlreadyGrabbed);
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());

    elsewhere->setFocus();
    QTRY_VERIFY(!content->findChild<QLineEdit *>()->hasFocus());
    QTRY_COMPARE(othersGrab(), GrabSuccess);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    d.page.reset();
    XCloseDisplay(other);
}

// One picture per theme with every page side by side, for a quick look.
void tst_KeyFunctionScreenshots::cleanupTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const QDir dir(screenshotDir());
    for (int theme = 0; theme < 5; ++theme) {
        for (const char *language : kLanguages) {
            const QString prefix = picturePrefix(theme, QString::fromLatin1(language));
            QList<QImage> pictures;
            for (const QString &name : dir.entryList({QStringLiteral("%1-D*Page.png").arg(prefix)}))
                pictures.append(QImage(dir.filePath(name)));
            int width = 0;
            int height = 0;
            for (const QImage &picture : pictures) {
                width += picture.width();
                height = qMax(height, picture.height());
            }
            QImage all(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
            all.fill(Qt::black);
            QPainter painter(&all);
            int x = 0;
            for (const QImage &picture : pictures) {
                painter.drawImage(x, 0, picture);
                x += picture.width();
            }
            painter.end();
            all.save(dir.filePath(QStringLiteral("%1-all-pages.png").arg(prefix)));
        }
    }
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
    tst_KeyFunctionScreenshots test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_keyfunctionscreenshots.moc"
