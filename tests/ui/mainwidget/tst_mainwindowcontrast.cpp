// Every visible text of the main window reads on its background in every
// theme: the walk visits the home page, the device page of a simulated
// keyboard and mouse (key functions, the on-board editor, the customised-keys
// list, lighting, profiles, the tool tabs), the macro and linkage pages and
// the settings dialog with its drop-down lists, grabs the window and measures
// each label, button and tab as drawn: the pixel of the text's area that
// stands out most from the area's dominant colour, against that colour.
// Pictures of the pages in every theme go to build/contrast-screenshots/.
#include "CustomButton.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DHomeDeviceListItem.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "DDeviceKeyboardLink.h"
#include "HidBackend.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "mainWindowFakes.h"
#include "themeColorInfo.h"
#include "ui_DDevicePage.h"
#include "ui_DMainWidget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int kWaitMs = 5000;
constexpr int kThemeCount = 5;
const QSize kDefaultWindowSize(1280, 715);
// Antialiased glyph edges never reach the text colour exactly.
constexpr double kMeasuredMinimum = themeColorInfo::MinimumContrast - 0.1;
// Borders and focus frames at a widget's edge are not its text.
constexpr int kEdgePx = 2;

QString nameOf(const QWidget *widget)
{
    QStringList path;
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
            path.prepend(w->objectName());
            if (path.size() == 2)
                break;
        }
    }
    return QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), path.join(QLatin1Char('/')));
}

// The colour most pixels of the area have, and the contrast of the pixel
// furthest from it.
struct measure
{
    QColor background;
    QColor glyph;
    double ratio = 21.0;
};

measure measureArea(const QImage &image, const QRect &area)
{
    measure result;
    const QRect rect = area & image.rect();
    if (rect.isEmpty())
        return result;
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    QRgb dominant = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            dominant = it.key();
        }
    }
    result.background = QColor::fromRgb(dominant);
    result.ratio = 1.0;
    result.glyph = result.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QColor colour = QColor::fromRgb(it.key());
        const double ratio = themeColorInfo::contrastRatio(colour, result.background);
        if (ratio > result.ratio) {
            result.ratio = ratio;
            result.glyph = colour;
        }
    }
    return result;
}

QString shownButtonText(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

} // namespace

class tst_MainWindowContrast : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_simulated;
    FakeWindowParts m_parts;
    std::unique_ptr<DMainWidget> m_window;
    QString m_shotDir;
    QString m_theme;
    QStringList m_faults;

    // Checks one text drawn inside `area` (widget coordinates) of `w`.
    void checkText(const QImage &image, QWidget *root, QWidget *w, const QString &text, const QRect &area,
                   const QString &state)
    {
        // Strokes of punctuation alone are too thin for any pixel to reach
        // the text's colour.
        if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
            return;
        QRect shown = area.adjusted(kEdgePx, kEdgePx, -kEdgePx, -kEdgePx) & w->visibleRegion().boundingRect();
        if (shown.width() < 4 || shown.height() < 4)
            return;
        shown.moveTopLeft(w->mapTo(root, shown.topLeft()));
        const measure m = measureArea(image, shown);
        if (m.ratio < kMeasuredMinimum)
            m_faults << QStringLiteral("%1, %2: %3 \"%4\": %5 on %6, %7:1")
                            .arg(m_theme, state, nameOf(w), text, m.glyph.name(), m.background.name())
                            .arg(m.ratio, 0, 'f', 2);
    }

    // Checks a window in the state the walk has brought it to.
    void visit(QWidget *root, const QString &state)
    {
        settle();
        const QImage image = root->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(image.save(QStringLiteral("%1/%2_%3.png").arg(m_shotDir, m_theme, state)));
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        QList<QComboBox *> combos;
        for (QWidget *w : qAsConst(widgets)) {
            if (!w->isVisible() || !w->isEnabled() || w->window() != root)
                continue;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                if (!label->pixmap() && !label->movie())
                    checkText(image, root, w, label->text(), label->contentsRect(), state);
            } else if (auto *custom = qobject_cast<CustomButton *>(w)) {
                checkText(image, root, w, custom->shownCaption(), w->rect(), state);
            } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                checkText(image, root, w, shownButtonText(button->text()), w->rect(), state);
            } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                combos << combo;
            } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    if (tabs->isTabVisible(i) && tabs->isTabEnabled(i))
                        checkText(image, root, w, shownButtonText(tabs->tabText(i)), tabs->tabRect(i), state);
                }
            }
        }
        for (QComboBox *combo : qAsConst(combos))
            checkPopup(combo, state);
    }

    // A drop-down list's rows as the open list shows them.
    void checkPopup(QComboBox *combo, const QString &state)
    {
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        QWidget *popup = view->window();
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), kWaitMs);
        settle();
        const QImage image = popup->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < combo->count(); ++row) {
            const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
            const QRect rect = view->visualRect(index) & view->viewport()->rect();
            if (!rect.isEmpty())
                checkText(image, popup, view->viewport(), combo->itemText(row), rect,
                          state + QStringLiteral(" list ") + combo->objectName());
        }
        combo->hidePopup();
        QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), kWaitMs);
    }

    void reportFaults()
    {
        m_faults.removeDuplicates();
        for (const QString &fault : qAsConst(m_faults))
            qWarning().noquote() << fault;
        QVERIFY2(m_faults.isEmpty(), qPrintable(QStringLiteral("%1 texts below 3:1").arg(m_faults.size())));
    }

    void openTile(const QString &model)
    {
        m_window->onCurIndexChanged(DMainWidget::PageHome);
        DHomeDeviceListItem *tile = tileOf(*m_window, model);
        QVERIFY2(tile, qPrintable(model));
        QTest::mouseClick(tile, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->devicePage()->isDeviceLoaded(), kWaitMs);
    }

    static void click(QAbstractButton *button)
    {
        QVERIFY2(button, "no such button");
        button->click();
    }

    void walkKeyboard()
    {
        openTile(QStringLiteral("Quissaro"));
        DDevicePage *page = m_window->devicePage();
        Ui_DDevicePage *form = page->form();
        page->onCurIndexChangedMainPage(0);
        visit(m_window.get(), QStringLiteral("keyboard_keys"));
        // The on-board editor, a key picked on its picture.
        if (form->pushButton_OnboardMode->isVisible()) {
            click(form->pushButton_OnboardMode);
            visit(m_window.get(), QStringLiteral("keyboard_onboard"));
            page->onOnboardKeyboardClicked(4, QStringLiteral("A"));
            visit(m_window.get(), QStringLiteral("keyboard_onboardkey"));
            click(form->pushButton_AppMode);
        }
        for (QAbstractButton *tab : {static_cast<QAbstractButton *>(form->pushButton_Performance),
                                     static_cast<QAbstractButton *>(form->pushButton_SoftKeyboard),
                                     static_cast<QAbstractButton *>(form->pushButton_CustomList)}) {
            if (tab->isVisible()) {
                click(tab);
                visit(m_window.get(), QStringLiteral("keyboard_") + tab->objectName());
            }
        }

        // A key picked: the key-function panel, page by page.
        keyboardPage *keyboard = page->currentKeyboardPage();
        QVERIFY(keyboard);
        QTest::mouseClick(keyboard->getKeyButtonMap().first(), Qt::LeftButton);
        const auto functions = form->frame_2->findChildren<CustomButton *>();
        for (CustomButton *function : functions) {
            if (!function->isVisible())
                continue;
            QTest::mouseClick(function, Qt::LeftButton);
            visit(m_window.get(), QStringLiteral("keyboard_") + function->objectName());
        }
        if (form->pushButton_CloseKeyCustom->isVisible())
            click(form->pushButton_CloseKeyCustom);

        page->onCurIndexChangedMainPage(1);
        visit(m_window.get(), QStringLiteral("keyboard_lighting"));
        QTest::mouseClick(form->toolButton_CustomLed, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->frame_CustomLight->isVisible(), kWaitMs);
        visit(m_window.get(), QStringLiteral("keyboard_customlighting"));
        if (form->pushButton_SideLed->isVisible()) {
            click(form->pushButton_SideLed);
            visit(m_window.get(), QStringLiteral("keyboard_sidelighting"));
            click(form->pushButton_KeyboardLed);
        }
        QTest::mouseClick(form->toolButton_Static, Qt::LeftButton);

        page->onCurIndexChangedMainPage(2);
        visit(m_window.get(), QStringLiteral("keyboard_profiles"));
        page->onCurIndexChangedMainPage(0);
    }

    void walkMouse()
    {
        openTile(QStringLiteral("Bovelli"));
        DDevicePage *page = m_window->devicePage();
        Ui_DDevicePage *form = page->form();
        page->onCurIndexChangedMainPage(0);
        visit(m_window.get(), QStringLiteral("mouse_keys"));
        for (QAbstractButton *tab : {static_cast<QAbstractButton *>(form->pushButton_MousePerformance),
                                     static_cast<QAbstractButton *>(form->pushButton_MouseDpiConfig)}) {
            click(tab);
            visit(m_window.get(), QStringLiteral("mouse_") + tab->objectName());
        }
        page->onMouseButtonClicked(0);
        visit(m_window.get(), QStringLiteral("mouse_keyfunction"));
        if (form->pushButton_CloseKeyCustom->isVisible())
            click(form->pushButton_CloseKeyCustom);
        page->onCurIndexChangedMainPage(1);
        visit(m_window.get(), QStringLiteral("mouse_lighting"));
        page->onCurIndexChangedMainPage(2);
        visit(m_window.get(), QStringLiteral("mouse_profiles"));
        page->onCurIndexChangedMainPage(0);
    }

    void walkMacroPage()
    {
        m_window->onCurIndexChanged(DMainWidget::PageMacro);
        visit(m_window.get(), QStringLiteral("macro"));
    }

    // The settings dialog runs its own loop: its pages are checked inside it.
    void walkSettings()
    {
        QTimer::singleShot(0, m_window.get(), [this] {
            DSettingsDia *dialog = m_window->settingsDialog();
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            for (const char *name : {"pushButton_General", "pushButton_About"}) {
                click(dialog->findChild<QPushButton *>(QLatin1String(name)));
                visit(dialog, QStringLiteral("settings_") + QLatin1String(name));
            }
            click(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")));
        });
        click(m_window->form()->pushButton_Setting);
    }

private slots:
    void initTestCase()
    {
        m_shotDir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
            + QStringLiteral("/contrast-screenshots");
        QDir(m_shotDir).removeRecursively();
        QVERIFY(QDir().mkpath(m_shotDir));

        m_simulated = std::make_shared<SimulatedHidBackend>();
        m_simulated->addDevice(SimulatedDeviceConfig::keyboard(QStringLiteral("Quissaro")));
        m_simulated->addDevice(SimulatedDeviceConfig::mouse(QStringLiteral("Bovelli")));
        HidBackend::install(m_simulated);
        DMainWidget::Hooks hooks = m_parts.hooks(false);
        auto simulated = m_simulated;
        hooks.makeDeviceNotifier = [simulated](QObject *parent) {
            return new SimulatedDeviceNotifier(simulated, parent);
        };
        hooks.isSystemTrayAvailable = [] { return false; };
        DDataManager::instance()->loadThemeConfig(0);
        m_window = std::make_unique<DMainWidget>(hooks);
        m_window->resize(kDefaultWindowSize);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->devicePage()->getDeviceLinkMap().size(), 2, kWaitMs);
        for (DDeviceKeyboardLink *link : m_window->devicePage()->getDeviceLinkMap())
            QTRY_VERIFY_WITH_TIMEOUT(link->isInitFinished(), kWaitMs);
        QTest::qWait(100);
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        HidBackend::install(nullptr);
        m_simulated.reset();
        DDataManager::instance()->loadThemeConfig(0);
    }

    void textsRead_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < kThemeCount; ++theme)
            QTest::newRow(qPrintable(QStringLiteral("theme%1").arg(theme))) << theme;
    }
    void textsRead()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        m_window->onChangAppTheme(theme);
        m_theme = QStringLiteral("theme%1").arg(theme);
        m_faults.clear();
        m_window->onCurIndexChanged(DMainWidget::PageHome);
        visit(m_window.get(), QStringLiteral("home"));
        walkKeyboard();
        walkMouse();
        walkMacroPage();
        m_window->onCurIndexChanged(DMainWidget::PageLinkage);
        visit(m_window.get(), QStringLiteral("linkage"));
        walkSettings();
        m_window->onCurIndexChanged(DMainWidget::PageHome);
        reportFaults();
    }
};

QTEST_MAIN(tst_MainWindowContrast)
#include "tst_mainwindowcontrast.moc"
