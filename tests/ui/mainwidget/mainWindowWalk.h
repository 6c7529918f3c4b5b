#pragma once

// The real main window on a simulated keyboard and mouse, walked page by page
// as a user clicks through it: each state the walk reaches is handed to the
// test's check. Also the small readers the checks share.

#include "CustomButton.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DDeviceKeyboardLink.h"
#include "DHomeDeviceListItem.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "HidBackend.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "mainWindowFakes.h"
#include "ui_DDevicePage.h"
#include "ui_DMainWidget.h"

#include <QAbstractButton>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

// Lets deferred deletes, layouts and repaints run before a page is checked.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// A widget as a fault names it: its class and its two nearest named parents.
inline QString nameOf(const QWidget *widget)
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

// A button's text as drawn: "&&" is an ampersand, a single "&" marks a key.
inline QString shownButtonText(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

class MainWindowWalk
{
public:
    // Checks `root` (the window or a dialog) in the state named `state`.
    using Visit = std::function<void(QWidget *root, const QString &state)>;

    static constexpr int WaitMs = 5000;
    static constexpr int ThemeCount = 5;
    // The key whose functions the keyboard walk opens: A.
    static constexpr int PickedKeyCode = 4;
    static QSize defaultWindowSize() { return QSize(1280, 715); }

    // What a test walks on the keyboard beyond the pages every walk visits,
    // and its own checks along the way.
    struct KeyboardRoute
    {
        // The on-board editor, and a key picked on its picture.
        bool onboardEditor = false;
        // The customised-keys list checked as a page of its own.
        bool customListPage = false;
        // The key functions opened for the first entry of the key map
        // instead of A.
        bool pickFirstKey = false;
        // After the key is picked, and after each key-function page opens;
        // a failure there ends the keyboard's walk.
        std::function<void(Ui_DDevicePage *, keyboardButCustom *)> keyPicked;
        std::function<void(Ui_DDevicePage *, CustomButton *)> functionOpened;
        // After the custom lighting list has been checked as a page.
        std::function<void(Ui_DDevicePage *)> customLightingShown;
    };

    explicit MainWindowWalk(Visit visit) : m_visit(std::move(visit)) {}
    ~MainWindowWalk() { close(); }
    MainWindowWalk(const MainWindowWalk &) = delete;
    MainWindowWalk &operator=(const MainWindowWalk &) = delete;

    DMainWidget *window() const { return m_window.get(); }

    // The build folder `name` for a walk's pictures, emptied of an earlier
    // run's; null where it cannot be made.
    static QString emptyPictureDir(const QString &name)
    {
        const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath()) + QLatin1Char('/') + name;
        QDir(dir).removeRecursively();
        return QDir().mkpath(dir) ? dir : QString();
    }

    // Shows the window at its default size on the simulated keyboard
    // "Quissaro" and mouse "Bovelli" and waits until both are read;
    // `prepare` runs on the window before it shows.
    void open(const std::function<void(DMainWidget &)> &prepare = {})
    {
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
        if (prepare)
            prepare(*m_window);
        m_window->resize(defaultWindowSize());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->devicePage()->getDeviceLinkMap().size(), 2, WaitMs);
        for (DDeviceKeyboardLink *link : m_window->devicePage()->getDeviceLinkMap())
            QTRY_VERIFY_WITH_TIMEOUT(link->isInitFinished(), WaitMs);
        // Let what a first start opens by itself show, for the test to close.
        QTest::qWait(100);
    }

    void close()
    {
        if (!m_window)
            return;
        m_window.reset();
        HidBackend::install(nullptr);
        m_simulated.reset();
    }

    static void click(QAbstractButton *button)
    {
        QVERIFY2(button, "no such button");
        button->click();
    }

    void home()
    {
        m_window->onCurIndexChanged(DMainWidget::PageHome);
        m_visit(m_window.get(), QStringLiteral("home"));
    }

    void openTile(const QString &model)
    {
        m_window->onCurIndexChanged(DMainWidget::PageHome);
        DHomeDeviceListItem *tile = tileOf(*m_window, model);
        QVERIFY2(tile, qPrintable(model));
        QTest::mouseClick(tile, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->devicePage()->isDeviceLoaded(), WaitMs);
    }

    void walkKeyboard(const KeyboardRoute &route)
    {
        Ui_DDevicePage *form = openDevice(QStringLiteral("Quissaro"), QStringLiteral("keyboard_"));
        DDevicePage *page = m_window->devicePage();
        if (route.onboardEditor && form->pushButton_OnboardMode->isVisible()) {
            click(form->pushButton_OnboardMode);
            visitWindow(QStringLiteral("keyboard_onboard"));
            page->onOnboardKeyboardClicked(PickedKeyCode, QStringLiteral("A"));
            visitWindow(QStringLiteral("keyboard_onboardkey"));
            click(form->pushButton_AppMode);
        }
        for (QAbstractButton *tab : {static_cast<QAbstractButton *>(form->pushButton_Performance),
                                     static_cast<QAbstractButton *>(form->pushButton_SoftKeyboard),
                                     static_cast<QAbstractButton *>(form->pushButton_CustomList)}) {
            if (!tab->isVisible())
                continue;
            click(tab);
            if (tab != form->pushButton_CustomList || route.customListPage)
                visitWindow(QStringLiteral("keyboard_") + tab->objectName());
        }

        // A key picked: the key-function panel beside the list, page by page.
        keyboardPage *keyboard = page->currentKeyboardPage();
        QVERIFY(keyboard);
        const QMap<int, keyboardButCustom *> keys = keyboard->getKeyButtonMap();
        keyboardButCustom *key = keys.value(PickedKeyCode);
        if (route.pickFirstKey)
            key = keys.isEmpty() ? nullptr : keys.first();
        QVERIFY(key);
        QTest::mouseClick(key, Qt::LeftButton);
        if (route.keyPicked && !passes([&] { route.keyPicked(form, key); }))
            return;
        const auto functions = form->frame_2->findChildren<CustomButton *>();
        for (CustomButton *function : functions) {
            if (!function->isVisible())
                continue;
            QTest::mouseClick(function, Qt::LeftButton);
            if (route.functionOpened && !passes([&] { route.functionOpened(form, function); }))
                return;
            visitWindow(QStringLiteral("keyboard_") + function->objectName());
        }
        closeKeyFunctions(form);

        // Lighting: the keyboard and side effect lists, the custom lighting list.
        page->onCurIndexChangedMainPage(1);
        visitWindow(QStringLiteral("keyboard_lighting"));
        QTest::mouseClick(form->toolButton_CustomLed, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->frame_CustomLight->isVisible(), WaitMs);
        visitWindow(QStringLiteral("keyboard_customlighting"));
        if (route.customLightingShown)
            route.customLightingShown(form);
        if (form->pushButton_SideLed->isVisible()) {
            click(form->pushButton_SideLed);
            visitWindow(QStringLiteral("keyboard_sidelighting"));
            click(form->pushButton_KeyboardLed);
        }
        QTest::mouseClick(form->toolButton_Static, Qt::LeftButton);
        visitProfiles(QStringLiteral("keyboard_"));
    }

    void walkMouse()
    {
        Ui_DDevicePage *form = openDevice(QStringLiteral("Bovelli"), QStringLiteral("mouse_"));
        DDevicePage *page = m_window->devicePage();
        for (QAbstractButton *tab : {static_cast<QAbstractButton *>(form->pushButton_MousePerformance),
                                     static_cast<QAbstractButton *>(form->pushButton_MouseDpiConfig)}) {
            click(tab);
            visitWindow(QStringLiteral("mouse_") + tab->objectName());
        }
        page->onMouseButtonClicked(0);
        visitWindow(QStringLiteral("mouse_keyfunction"));
        closeKeyFunctions(form);
        page->onCurIndexChangedMainPage(1);
        visitWindow(QStringLiteral("mouse_lighting"));
        visitProfiles(QStringLiteral("mouse_"));
    }

    // `eventKinds`: also each kind of event the list records, back to keys
    // after.
    void walkMacroPage(bool eventKinds)
    {
        m_window->onCurIndexChanged(DMainWidget::PageMacro);
        visitWindow(QStringLiteral("macro"));
        if (!eventKinds)
            return;
        DMacroPage *macro = m_window->macroPage();
        for (const char *name : {"radioButton_Mouse", "radioButton_Delay", "radioButton_MouseEvent"}) {
            auto *radio = macro->findChild<QRadioButton *>(QLatin1String(name));
            if (radio && radio->isVisible()) {
                radio->click();
                visitWindow(QStringLiteral("macro_") + QLatin1String(name));
            }
        }
        for (const char *name : {"radioButton_Key", "radioButton_KeyboardEvent"}) {
            if (auto *radio = macro->findChild<QRadioButton *>(QLatin1String(name)))
                radio->click();
        }
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
                m_visit(dialog, QStringLiteral("settings_") + QLatin1String(name));
            }
            click(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")));
        });
        click(m_window->form()->pushButton_Setting);
    }

private:
    // Runs a check of the test's; false where it failed.
    static bool passes(const std::function<void()> &check)
    {
        const bool failedBefore = QTest::currentTestFailed();
        check();
        return failedBefore || !QTest::currentTestFailed();
    }

    void visitWindow(const QString &state) { m_visit(m_window.get(), state); }

    // The device's tile opened and its key page checked.
    Ui_DDevicePage *openDevice(const QString &model, const QString &prefix)
    {
        openTile(model);
        DDevicePage *page = m_window->devicePage();
        page->onCurIndexChangedMainPage(0);
        visitWindow(prefix + QStringLiteral("keys"));
        return page->form();
    }

    void closeKeyFunctions(Ui_DDevicePage *form)
    {
        if (form->pushButton_CloseKeyCustom->isVisible())
            click(form->pushButton_CloseKeyCustom);
    }

    // The profiles page checked, then back to the key page.
    void visitProfiles(const QString &prefix)
    {
        DDevicePage *page = m_window->devicePage();
        page->onCurIndexChangedMainPage(2);
        visitWindow(prefix + QStringLiteral("profiles"));
        page->onCurIndexChangedMainPage(0);
    }

    Visit m_visit;
    std::shared_ptr<SimulatedHidBackend> m_simulated;
    FakeWindowParts m_parts;
    std::unique_ptr<DMainWidget> m_window;
};
