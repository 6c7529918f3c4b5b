// Every visible text of the main window reads on its background in every
// theme: the walk visits the home page, the device page of a simulated
// keyboard and mouse (key functions, the on-board editor, the customised-keys
// list, lighting, profiles, the tool tabs), the macro and linkage pages and
// the settings dialog with its drop-down lists, grabs the window and measures
// each label, button and tab as drawn: the pixel of the text's area that
// stands out most from the area's dominant colour, against that colour.
// Pictures of the pages in every theme go to build/contrast-screenshots/.
#include "mainWindowWalk.h"
#include "themeColorInfo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QTabBar>
#include <QtTest>

#include <algorithm>

namespace {

// Antialiased glyph edges never reach the text colour exactly.
constexpr double kMeasuredMinimum = themeColorInfo::MinimumContrast - 0.1;
// Borders and focus frames at a widget's edge are not its text.
constexpr int kEdgePx = 2;

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

} // namespace


class tst_MainWindowContrast : public QObject
{
    Q_OBJECT

private:
    MainWindowWalk m_walk{[this](QWidget *root, const QString &state) { visit(root, state); }};
    QString m_shotDir;
    QString m_theme;
    QStringList m_faults;

    DMainWidget *window() const { return m_walk.window(); }

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
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), MainWindowWalk::WaitMs);
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
        QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), MainWindowWalk::WaitMs);
    }

    void reportFaults()
    {
        m_faults.removeDuplicates();
        for (const QString &fault : qAsConst(m_faults))
            qWarning().noquote() << fault;
        QVERIFY2(m_faults.isEmpty(), qPrintable(QStringLiteral("%1 texts below 3:1").arg(m_faults.size())));
    }

private slots:
    void initTestCase()
    {
        m_shotDir = MainWindowWalk::emptyPictureDir(QStringLiteral("contrast-screenshots"));
        QVERIFY(!m_shotDir.isEmpty());
        m_walk.open();
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    }

    void cleanupTestCase()
    {
        m_walk.close();
        DDataManager::instance()->loadThemeConfig(0);
    }

    void textsRead_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < MainWindowWalk::ThemeCount; ++theme)
            QTest::newRow(qPrintable(QStringLiteral("theme%1").arg(theme))) << theme;
    }
    void textsRead()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        window()->onChangAppTheme(theme);
        m_theme = QStringLiteral("theme%1").arg(theme);
        m_faults.clear();
        m_walk.home();
        MainWindowWalk::KeyboardRoute route;
        route.onboardEditor = true;
        route.customListPage = true;
        route.pickFirstKey = true;
        m_walk.walkKeyboard(route);
        m_walk.walkMouse();
        m_walk.walkMacroPage(false);
        window()->onCurIndexChanged(DMainWidget::PageLinkage);
        visit(window(), QStringLiteral("linkage"));
        m_walk.walkSettings();
        window()->onCurIndexChanged(DMainWidget::PageHome);
        reportFaults();
    }
};

QTEST_MAIN(tst_MainWindowContrast)
#include "tst_mainwindowcontrast.moc"
