#include "ArrowWidget.h"
#include "ColorTables.h"
#include "DDataManager.h"
#include "DSoftKeyboardPage.h"
#include "SoftKeyboardButCustom.h"
#include "dragShowArea.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "keyboardViewFixture.h"
#include "sideLightButtonCustom.h"

#include <QtTest>
#include <QApplication>
#include <QDir>
#include <QScreen>

// The keyboard view of every model in its three uses, and the on-screen
// keyboard in every theme, in real X windows, written to
// build/keyboard-view-screenshots/ for a person to look at. The assertions
// are on behaviour; the pictures are for the eye.

using namespace keyboardViewFixture;

namespace {

const char *const kThemeNames[] = {"Black", "Light", "Blue", "Pink", "Other"};
constexpr int kThemeCount = 5;
// Room above the view for the hover pop-up.
constexpr int kTop = 110;
constexpr int kSide = 20;

QString outDir()
{
    return qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
           + QStringLiteral("/keyboard-view-screenshots");
}

// The device page's setting of the view for one of its pages.
enum class look { assignment, customLight, lighting };

// The view in a window with the device page's background.
struct viewWindow
{
    QWidget window;
    keyboardPage *view;

    explicit viewWindow(const QString &model)
    {
        const themeColorInfo theme = DDataManager::instance()->getThemeColor();
        window.setObjectName(QStringLiteral("host"));
        window.setStyleSheet(QStringLiteral("QWidget#host{background-color: rgb(%1);}").arg(theme.DeviceCenterBgColor));
        view = new keyboardPage(&window);
        view->setKeyboardName(model);
        view->move(kSide, kTop);
        window.setFixedSize(view->width() + 2 * kSide, view->height() + kTop + kSide);
        window.setWindowTitle(model);
    }

    void setLook(look l)
    {
        const bool lighting = l != look::assignment;
        view->setKeyClickLocked(lighting);
        view->showSideLights(lighting);
        view->setKeyFrameMode(!lighting, !lighting);
        view->setCustomLightMode(l == look::customLight);
        for (auto &row : view->keyButtonGrid)
            for (keyboardButCustom *key : row)
                if (key)
                    key->setColorRefreshEnabled(lighting);
    }

    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QTest::qWait(50);
        return true;
    }

    bool save(const QString &name, bool withPopups = false)
    {
        QApplication::processEvents();
        QScreen *screen = window.screen();
        const QPixmap shot = withPopups
            ? screen->grabWindow(0, window.x(), window.y(), window.width(), window.height())
            : screen->grabWindow(window.winId());
        return !shot.isNull() && shot.save(outDir() + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    QColor pixelAt(const QPoint &viewPoint)
    {
        return window.screen()->grabWindow(window.winId()).toImage().pixelColor(viewPoint + view->pos());
    }
};

bool close(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

} // namespace

class tst_KeyboardViewScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void models_data();
    void models();
    void themes_data();
    void themes();
    void softKeyboard_data();
    void softKeyboard();

private:
    void assignmentLook(viewWindow &w, const QString &name);
    void customLightLook(viewWindow &w, const QString &name);
};

void tst_KeyboardViewScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
    QVERIFY(keyboardViewFixture::installShippedModels());
    QVERIFY(QDir().mkpath(outDir()));
}

void tst_KeyboardViewScreenshots::cleanup()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_KeyboardViewScreenshots::assignmentLook(viewWindow &w, const QString &name)
{
    w.setLook(look::assignment);
    const QMap<int, keyboardButCustom *> keys = w.view->getKeyButtonMap();
    for (int code : {41, 58, 44, 7})
        if (keyboardButCustom *key = keys.value(code))
            key->setKeyAssigned(true);
    QSignalSpy clicked(w.view, &keyboardPage::sigKeyboardClicked);
    keys.value(4)->click(); // A
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 4);
    QVERIFY(keys.value(4)->isSelected());
    QVERIFY(w.save(name + QStringLiteral("_assign")));

    keyboardButCustom *hovered = keys.value(23); // T
    hover(hovered, QEvent::Enter);
    const QList<ArrowWidget *> tips = shownKeyTips();
    QCOMPARE(tips.size(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(tips.first()));
    QTest::qWait(50);
    QCOMPARE(tips.first()->geometry().bottom() + 1, hovered->mapToGlobal(QPoint(0, 0)).y());
    QVERIFY(w.save(name + QStringLiteral("_assign_hover"), true));
    hover(hovered, QEvent::Leave);
    QVERIFY(shownKeyTips().isEmpty());
}

void tst_KeyboardViewScreenshots::customLightLook(viewWindow &w, const QString &name)
{
    w.setLook(look::customLight);
    auto *band = w.view->findChild<dragShowArea *>();
    QVERIFY(band && band->isVisible());
    // From the upper left of the letter block down to the bottom row.
    const QPoint from(60, 70);
    const QPoint to(w.view->width() / 2, w.view->height() - 40);
    sendMouse(band, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(band, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(band, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QVERIFY(w.save(name + QStringLiteral("_custom_band")));
    sendMouse(band, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    const QList<keyboardButCustom *> selected = w.view->getSelectedKeys();
    QVERIFY(selected.size() > 5);

    QSignalSpy updated(w.view, &keyboardPage::sigUpdateCustomLight);
    w.view->setSelectedKeysColor(0, 190, 255);
    QCOMPARE(updated.count(), 1);
    for (keyboardButCustom *key : selected)
        QCOMPARE(key->getKeyColor(), QColor(0, 190, 255, 180));
    QVERIFY(w.save(name + QStringLiteral("_custom")));
}

void tst_KeyboardViewScreenshots::models_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyNum");
    for (const hidModelInfo &m : keyboardViewFixture::shippedModels())
        if (QByteArray(m.hidType) == "keyboard")
            QTest::newRow(m.hidName) << QString::fromUtf8(m.hidName) << int(m.keyNum);
}

void tst_KeyboardViewScreenshots::models()
{
    QFETCH(QString, model);
    QFETCH(int, keyNum);
    viewWindow w(model);
    QVERIFY(w.show());

    assignmentLook(w, model);
    w.view->clearCurrentKey();
    customLightLook(w, model);

    // Lighting: every key from the line rainbow, the side lights from the
    // longest side gradient.
    w.setLook(look::lighting);
    const ColorTable &rainbow = ColorTables::waveLineColorsFor(keyNum);
    for (int r = 0; r < keyboardPage::RowCount; ++r)
        for (int c = 0; c < keyboardPage::ColumnCount; ++c)
            if (keyboardButCustom *key = w.view->keyButtonGrid[r][c])
                key->setKeyColor(rainbow.cell(r, c));
    const QList<sideLightButtonCustom *> lights = w.view->getSideLightButtons();
    const ColorTable &sideWave = ColorTables::sideWaveColorsUrrasque;
    int shownLights = 0;
    for (int i = 0; i < lights.size(); ++i) {
        lights[i]->setLightColor(sideWave.at(i % sideWave.size()));
        shownLights += lights[i]->isVisible() ? 1 : 0;
        QCOMPARE(lights[i]->isVisible(), lights[i]->getValidStatus() == 1);
    }
    QVERIFY(w.save(model + QStringLiteral("_lighting")));
    keyboardButCustom *a = w.view->getKeyButtonMap().value(4);
    QVERIFY(close(w.pixelAt(a->geometry().center()), rainbow.cell(a->getRow(), a->getColumn())));
    if (w.view->hasSideLights())
        QVERIFY(shownLights > 0);
}

void tst_KeyboardViewScreenshots::themes_data()
{
    QTest::addColumn<int>("theme");
    for (int i = 0; i < kThemeCount; ++i)
        QTest::newRow(kThemeNames[i]) << i;
}

// One board in every theme: the theme colours the current, assigned and
// hovered keys and the band.
void tst_KeyboardViewScreenshots::themes()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    viewWindow w(QStringLiteral("Rosquine"));
    QVERIFY(w.show());
    const QString name = QStringLiteral("Rosquine_theme_%1").arg(kThemeNames[theme]);
    assignmentLook(w, name);
    customLightLook(w, name);
}

void tst_KeyboardViewScreenshots::softKeyboard_data()
{
    themes_data();
}

void tst_KeyboardViewScreenshots::softKeyboard()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    const themeColorInfo colours = DDataManager::instance()->getThemeColor();
    QWidget window;
    window.setObjectName(QStringLiteral("host"));
    window.setStyleSheet(QStringLiteral("QWidget#host{background-color: rgb(%1);}").arg(colours.DeviceRightBgColor));
    auto *page = new DSoftKeyboardPage(&window);
    page->move(kSide, kSide);
    window.setFixedSize(page->width() + 2 * kSide, page->height() + 2 * kSide);
    QSignalSpy loaded(page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page->loadKeyboardInfo();
    QCOMPARE(loaded.count(), 1);

    page->setSelectEnabled(1);
    page->setMultiSelectEnabled(true);
    QMap<int, SoftKeyboardButCustom *> keys;
    for (SoftKeyboardButCustom *k : page->findChildren<SoftKeyboardButCustom *>())
        keys.insert(k->getKeyCode(), k);
    QSignalSpy clicked(page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    for (int code : {224, 225, 4})
        keys.value(code)->click();
    QCOMPARE(clicked.count(), 3);
    for (int code : {224, 225, 4})
        QVERIFY(keys.value(code)->isMarked());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    QVERIFY(shot.save(outDir() + QStringLiteral("/softkeyboard_%1.png").arg(kThemeNames[theme])));
}

QTEST_MAIN(tst_KeyboardViewScreenshots)
#include "tst_keyboardviewscreenshots.moc"
