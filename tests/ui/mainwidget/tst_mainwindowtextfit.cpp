// Every text of the main window fits its widget in every language at the
// default window size: the walk visits the home page, the device page of a
// simulated keyboard and mouse (key functions, lighting with the custom
// lighting list, profiles, the tool tabs), the macro page, the settings
// dialog and the firmware update dialog, and measures each visible label,
// button and tab against its room. The window is built once and re-translated
// as the settings dialog does. Pictures of the pages in German, Russian,
// Arabic and Chinese, and of one page in every theme, go to
// build/textfit-screenshots/.
#include "DCustomLightListItem.h"
#include "DUpdateFirmwareDia.h"
#include "QtLinguist.h"
#include "SliderToolArea.h"
#include "TextMoveWidget.h"
#include "firmwareUpgradeControl.h"
#include "mainWindowWalk.h"
#include "simulatedFirmwareImages.h"
#include "ui_DDevicePage.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

namespace {

const QChar kEllipsis(0x2026);
// Rounding of glyph advances against layout pixels.
constexpr int kSlackPx = 1;
// The key the walk picks on the keyboard.
const QString kPickedKeyName = QStringLiteral("A");

// The languages whose pictures are kept.
bool picturedLanguage(int language)
{
    return language == QtLinguist::German || language == QtLinguist::Russian || language == QtLinguist::Arabic
        || language == QtLinguist::Zh_SM;
}

QSize plainTextSize(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return QSize(widest, lines.size() * metrics.height());
}

// Where the style draws a button's text: inside the border, past the
// indicator of a radio or check box and the icon of a push button.
QRect buttonTextRoom(const QAbstractButton *button)
{
    if (qobject_cast<const QToolButton *>(button))
        return button->contentsRect();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    QRect room = button->style()->subElementRect(element, &option, button);
    if (element == QStyle::SE_PushButtonContents && !button->icon().isNull())
        room.setLeft(room.left() + button->iconSize().width() + 4);
    return room;
}

// The part of a widget's rectangle its ancestors show, up to the window or
// a scroll area's viewport (which scrolls the rest into view).
QRect shownPart(const QWidget *widget, const QRect &area)
{
    QRect shown = area;
    QPoint offset;
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        offset += w->pos();
        const QWidget *parent = w->parentWidget();
        if (!parent)
            break;
        shown &= parent->rect().translated(-offset);
        if (qobject_cast<const QAbstractScrollArea *>(parent->parentWidget())
            && static_cast<const QAbstractScrollArea *>(parent->parentWidget())->viewport() == parent)
            break;
    }
    return shown;
}

QString describeCut(const QWidget *w, const QString &text, const QString &how)
{
    return QStringLiteral("%1 \"%2\": %3").arg(nameOf(w), text, how);
}

// Checks one text drawn into `room` of widget `w`; `needed` is its size.
void checkRoom(QStringList &faults, const QWidget *w, const QString &text, const QSize &needed, const QRect &room,
               Qt::Alignment alignment)
{
    if (needed.width() > room.width() + kSlackPx)
        faults << describeCut(w, text, QStringLiteral("needs %1 px, has %2").arg(needed.width()).arg(room.width()));
    if (needed.height() > room.height() + kSlackPx)
        faults << describeCut(w, text,
                              QStringLiteral("needs %1 px high, has %2").arg(needed.height()).arg(room.height()));
    const QRect drawn = QStyle::alignedRect(w->layoutDirection(), alignment,
                                            needed.boundedTo(room.size()), room);
    const QRect shown = shownPart(w, drawn);
    if (shown.width() + kSlackPx < drawn.width() || shown.height() + kSlackPx < drawn.height())
        faults << describeCut(w, text,
                              QStringLiteral("%1x%2 px of %3x%4 shown")
                                  .arg(shown.width())
                                  .arg(shown.height())
                                  .arg(drawn.width())
                                  .arg(drawn.height()));
}

void checkLabel(QStringList &faults, const QLabel *label)
{
    const QString text = label->text();
    // A running line moves its label across the widget by design.
    if (text.isEmpty() || label->pixmap() || label->movie() || qobject_cast<TextMoveWidget *>(label->parentWidget()))
        return;
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    QSize needed;
    if (Qt::mightBeRichText(text) || label->wordWrap()) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        if (Qt::mightBeRichText(text))
            document.setHtml(text);
        else
            document.setPlainText(text);
        if (label->wordWrap()) {
            document.setTextWidth(room.width());
            needed = QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
        } else {
            needed = QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
        }
    } else {
        needed = plainTextSize(label->fontMetrics(), text);
    }
    if (text.contains(kEllipsis) && label->toolTip().remove(kEllipsis) != QString(text).remove(kEllipsis))
        faults << describeCut(label, text, QStringLiteral("shortened"));
    checkRoom(faults, label, text, needed, room, label->alignment());
}

void checkButton(QStringList &faults, const QAbstractButton *button)
{
    if (auto *custom = qobject_cast<const CustomButton *>(button)) {
        const QString caption = custom->shownCaption();
        if (caption.contains(kEllipsis))
            faults << describeCut(button, caption, QStringLiteral("shortened"));
        return;
    }
    const QString text = shownButtonText(button->text());
    if (text.isEmpty())
        return;
    if (text.contains(kEllipsis) && !button->toolTip().isEmpty())
        faults << describeCut(button, text, QStringLiteral("shortened"));
    const QRect room = buttonTextRoom(button);
    const Qt::Alignment alignment = qobject_cast<const QPushButton *>(button) ? Qt::AlignCenter
                                                                              : Qt::AlignLeft | Qt::AlignVCenter;
    checkRoom(faults, button, text, plainTextSize(button->fontMetrics(), text), room, alignment);
}

void checkTabs(QStringList &faults, const QTabBar *tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i))
            continue;
        QStyleOptionTab option;
        option.initFrom(tabs);
        option.rect = tabs->tabRect(i);
        option.shape = tabs->shape();
        option.text = tabs->tabText(i);
        option.icon = tabs->tabIcon(i);
        option.iconSize = tabs->iconSize();
        const QRect room = tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
        const QString text = shownButtonText(tabs->tabText(i));
        checkRoom(faults, tabs, text, plainTextSize(tabs->fontMetrics(), text), room, Qt::AlignCenter);
    }
}

void checkLineEdit(QStringList &faults, const QLineEdit *edit)
{
    const int needed = edit->fontMetrics().height();
    const QRect shown = shownPart(edit, edit->rect());
    if (edit->height() < needed || shown.height() < edit->height())
        faults << describeCut(edit, edit->text(),
                              QStringLiteral("box %1 px high, %2 shown, text %3")
                                  .arg(edit->height())
                                  .arg(shown.height())
                                  .arg(needed));
}

// The texts cut in a window or dialog, one line each.
QStringList cutTexts(QWidget *root)
{
    QStringList faults;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : qAsConst(widgets)) {
        if (!w->isVisible() || (w != root && w->window() != root))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            checkLabel(faults, label);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            checkButton(faults, button);
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            checkTabs(faults, tabs);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            checkLineEdit(faults, edit);
        else if (auto *slider = qobject_cast<SliderToolArea *>(w)) {
            if (!slider->isCaptionWhole())
                faults << describeCut(slider, slider->caption(), QStringLiteral("painted caption cut"));
        }
    }
    faults.removeDuplicates();
    return faults;
}

// The key name the shown key-function page gives; null on a page without one.
QString shownKeyName(Ui_DDevicePage *form)
{
    const auto *label = form->stackedWidget_Customize->currentWidget()->findChild<QLabel *>(
        QStringLiteral("label_KeyChar"));
    if (!label)
        return QString();
    return label->text().contains(kEllipsis) ? label->toolTip() : label->text();
}

} // namespace

class tst_MainWindowTextFit : public QObject
{
    Q_OBJECT

private:
    MainWindowWalk m_walk{[this](QWidget *root, const QString &state) { visit(root, state); }};
    QtLinguist m_linguist;
    QString m_shotDir;
    QString m_language;
    bool m_pictures = false;
    QStringList m_faults;

    DMainWidget *window() const { return m_walk.window(); }

    // Checks a window in the state the walk has brought it to.
    void visit(QWidget *root, const QString &state)
    {
        settle();
        const QStringList faults = cutTexts(root);
        for (const QString &fault : faults)
            m_faults << QStringLiteral("%1, %2: %3").arg(m_language, state, fault);
        if (m_pictures)
            shoot(root, QStringLiteral("%1_%2").arg(m_language, state));
    }

    // Each fault on a line of its own: a long failure message is cut.
    void reportFaults()
    {
        for (const QString &fault : qAsConst(m_faults))
            qWarning().noquote() << fault;
        QVERIFY2(m_faults.isEmpty(), qPrintable(QStringLiteral("%1 texts cut").arg(m_faults.size())));
    }

    void shoot(QWidget *root, const QString &name)
    {
        QVERIFY(root->grab().save(QStringLiteral("%1/%2.png").arg(m_shotDir, name)));
    }

    // The key-function panel names the picked key as a user sees it, on each
    // page opened for it rather than refused for want of one.
    MainWindowWalk::KeyboardRoute keyboardRoute()
    {
        MainWindowWalk::KeyboardRoute route;
        route.keyPicked = [](Ui_DDevicePage *form, keyboardButCustom *key) {
            QVERIFY(key->isSelected());
            QCOMPARE(shownKeyName(form), kPickedKeyName);
        };
        route.functionOpened = [](Ui_DDevicePage *form, CustomButton *function) {
            QVERIFY2(function->isSelected(), qPrintable(function->objectName()));
            QVERIFY2(shownKeyName(form) == kPickedKeyName || shownKeyName(form).isNull(),
                     qPrintable(function->objectName()));
        };
        route.customLightingShown = [this](Ui_DDevicePage *form) { checkCustomLightList(form); };
        return route;
    }

    // The five custom lightings are all in view, each row and its rename box
    // at full height.
    void checkCustomLightList(Ui_DDevicePage *form)
    {
        const auto rows = form->scrollAreaWidgetContents_3->findChildren<DCustomLightListItem *>();
        int shownRows = 0;
        for (DCustomLightListItem *row : rows) {
            const QRect shown = row->visibleRegion().boundingRect();
            if (row->isVisible() && shown.height() >= row->height() && row->height() >= row->minimumSizeHint().height())
                ++shownRows;
        }
        if (shownRows != rows.size() || rows.isEmpty())
            m_faults << QStringLiteral("%1: %2 of %3 custom lighting rows shown whole")
                            .arg(m_language)
                            .arg(shownRows)
                            .arg(rows.size());
        // A double click opens a row's rename box; Cancel closes it.
        for (DCustomLightListItem *row : rows) {
            QTest::mouseDClick(row, Qt::LeftButton);
            auto *edit = row->findChild<QLineEdit *>(QStringLiteral("lineEdit_CustomItemName"));
            QVERIFY(edit);
            settle();
            QStringList faults;
            checkLineEdit(faults, edit);
            for (const QString &fault : faults)
                m_faults << QStringLiteral("%1, custom lighting rename: %2").arg(m_language, fault);
            MainWindowWalk::click(row->findChild<QPushButton *>(QStringLiteral("pushButton_Cancel")));
        }
    }

    void walkFirmwareDialog()
    {
        window()->onFirmwareUpgradeCheck();
        DUpdateFirmwareDia *dialog = window()->firmwareUpgrade()->dialog();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(), MainWindowWalk::WaitMs);
        visit(dialog, QStringLiteral("firmware"));
        MainWindowWalk::click(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")));
    }

    void walk()
    {
        m_walk.home();
        m_walk.walkKeyboard(keyboardRoute());
        m_walk.walkMouse();
        m_walk.walkMacroPage(true);
        m_walk.walkSettings();
        walkFirmwareDialog();
        window()->onCurIndexChanged(DMainWidget::PageHome);
    }

private slots:
    void initTestCase()
    {
        m_shotDir = MainWindowWalk::emptyPictureDir(QStringLiteral("textfit-screenshots"));
        QVERIFY(!m_shotDir.isEmpty());
        m_linguist.setTranslationDir(qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation"));
        QtLinguist *linguist = &m_linguist;
        DSettingsDia::setLanguageInstaller([linguist](int index) { return linguist->setLanguage(index); });
        simulatedFirmwareImages::install();

        m_walk.open([](DMainWidget &window) {
            window.firmwareUpgrade()->setDialogRunner([](DUpdateFirmwareDia *dialog) { dialog->show(); });
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(window()->size(), MainWindowWalk::defaultWindowSize());
        // The dialog a first start opens by itself is not the walk's.
        if (DUpdateFirmwareDia *dialog = window()->firmwareUpgrade()->dialog())
            dialog->close();
    }

    void cleanupTestCase()
    {
        m_walk.close();
        m_linguist.setLanguage(QtLinguist::English);
        DDataManager::instance()->loadThemeConfig(0);
    }

    void textsFit_data()
    {
        QTest::addColumn<int>("language");
        const QMap<int, QString> languages = m_linguist.languageMap();
        QCOMPARE(languages.size(), 13);
        for (auto it = languages.begin(); it != languages.end(); ++it)
            QTest::newRow(qPrintable(QFileInfo(it.value()).baseName())) << it.key();
    }
    void textsFit()
    {
        QFETCH(int, language);
        QVERIFY(m_linguist.setLanguage(language));
        window()->omUpdataAllUI();
        m_language = QFileInfo(m_linguist.languageMap().value(language)).baseName();
        m_pictures = picturedLanguage(language);
        m_faults.clear();
        walk();
        reportFaults();
    }

    // One page in every theme, in the language with the longest texts.
    void themes()
    {
        QVERIFY(m_linguist.setLanguage(QtLinguist::German));
        window()->omUpdataAllUI();
        m_language = QStringLiteral("German");
        m_pictures = false;
        m_faults.clear();
        m_walk.openTile(QStringLiteral("Quissaro"));
        window()->devicePage()->onCurIndexChangedMainPage(1);
        for (int theme = 0; theme < MainWindowWalk::ThemeCount; ++theme) {
            DDataManager::instance()->loadThemeConfig(theme);
            window()->onChangAppTheme(theme);
            visit(window(), QStringLiteral("lighting_theme%1").arg(theme));
            shoot(window(), QStringLiteral("lighting_theme%1").arg(theme));
        }
        window()->onChangAppTheme(0);
        DDataManager::instance()->loadThemeConfig(0);
        reportFaults();
    }
};

QTEST_MAIN(tst_MainWindowTextFit)
#include "tst_mainwindowtextfit.moc"
