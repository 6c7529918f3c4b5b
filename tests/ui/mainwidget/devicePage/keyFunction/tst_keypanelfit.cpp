// The key panel's pages in the device page's 200 px column, in every theme
// and in long languages: no widget reaches past its page or the column, and
// every text fits the widget that shows it (or is shortened and carries the
// whole text as tool tip). The profile list's heading is held to the same.
#include "DDataManager.h"
#include "DDevicePage.h"
#include "pageTextFitter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr int kThemeCount = 5;
const QChar kEllipsis(0x2026);

QString translationFile(const QString &language)
{
    return qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation/%1.qm").arg(language);
}

QString nameOf(const QWidget *widget)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
}

// Where the style draws a button's text: inside the border, past the
// indicator of a radio or check box.
QRect textRect(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button);
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// What does not fit, one line per fault.
QStringList misfits(QWidget *page, QWidget *column)
{
    QStringList faults;
    const int pageRight = page->mapTo(column, QPoint(page->width(), 0)).x();
    if (pageRight > column->width())
        faults << QStringLiteral("%1 ends at %2 in a column of %3").arg(nameOf(page)).arg(pageRight).arg(column->width());

    const auto widgets = page->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const int right = w->mapTo(page, QPoint(w->width(), 0)).x();
        if (right > page->width())
            faults << QStringLiteral("%1 ends at %2 on a page of %3").arg(nameOf(w)).arg(right).arg(page->width());

        QString text;
        int room = 0;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            room = textRect(button).width();
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            room = label->contentsRect().width() - 2 * label->margin();
            if (label->wordWrap() && !text.isEmpty()) {
                for (const QString &word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                    if (label->fontMetrics().horizontalAdvance(word) > room)
                        faults << QStringLiteral("%1: the word \"%2\" is wider than %3").arg(nameOf(w), word).arg(room);
                }
                if (label->height() < label->heightForWidth(label->width()))
                    faults << QStringLiteral("%1: the wrapped text is taller than the label").arg(nameOf(w));
                continue;
            }
        } else {
            continue;
        }
        if (text.isEmpty())
            continue;
        const int needed = widestLine(w->fontMetrics(), text);
        if (needed > room)
            faults << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(nameOf(w), text).arg(needed).arg(room);
        if (text.contains(kEllipsis) && w->toolTip().isEmpty())
            faults << QStringLiteral("%1: \"%2\" is shortened without a tool tip").arg(nameOf(w), text);
    }
    return faults;
}

void settle()
{
    // Layouts and the fitters' refits run from posted events.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// A narrow, tight page: a wide button across it above a growing field,
// and OK and Cancel held to a width in a row.
struct TightPage
{
    QWidget page;
    QPushButton *across = new QPushButton(&page);
    QPlainTextEdit *field = new QPlainTextEdit(&page);
    QPushButton *ok = new QPushButton(QStringLiteral("OK"), &page);
    QPushButton *cancel = new QPushButton(QStringLiteral("Cancel"), &page);
    TightPage()
    {
        auto *column = new QVBoxLayout(&page);
        column->addWidget(field);
        across->setMinimumHeight(30);
        column->addWidget(across);
        auto *row = new QHBoxLayout;
        for (QPushButton *held : {ok, cancel}) {
            held->setMaximumWidth(73);
            row->addWidget(held);
        }
        column->addLayout(row);
        page.setFixedSize(180, 120);
    }
};

} // namespace

class tst_KeyPanelFit : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { DDataManager::instance()->loadThemeConfig(0); }

    void pagesFitTheColumn_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("theme");
        for (const char *language : {"English", "German", "Russian", "French"}) {
            for (int theme = 0; theme < kThemeCount; ++theme)
                QTest::addRow("%s theme %d", language, theme) << QString::fromLatin1(language) << theme;
        }
    }
    void pagesFitTheColumn()
    {
        QFETCH(QString, language);
        QFETCH(int, theme);
        QTranslator translator;
        if (language != QLatin1String("English")) {
            QVERIFY(translator.load(translationFile(language)));
            QCoreApplication::installTranslator(&translator);
        }
        DDataManager::instance()->loadThemeConfig(theme);
        DDevicePage page;
        page.retranslateAllUI();
        page.changeAppTheme();
        page.resize(1200, 790);
        page.findChild<QWidget *>(QStringLiteral("frame_Custom"))->show();
        auto *panels = page.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_CustomAll"));
        panels->setCurrentIndex(0);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        QStringList faults;
        // The pages' forms reuse the device page's frame names: go by the
        // stacked widget, which is unique.
        auto *keyPages = page.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_Customize"));
        QWidget *column = keyPages->parentWidget();
        QCOMPARE(column->objectName(), QStringLiteral("frame_3"));
        QCOMPARE(keyPages->count(), 11);
        for (int i = 0; i < keyPages->count(); ++i) {
            keyPages->setCurrentIndex(i);
            settle();
            const auto hosted = keyPages->widget(i)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(hosted.size(), 1);
            faults << misfits(hosted.first(), column);
        }

        panels->setCurrentIndex(2);
        settle();
        QWidget *heading = page.findChild<QLabel *>(QStringLiteral("label_MacroGroup"))->parentWidget();
        QCOMPARE(heading->objectName(), QStringLiteral("frame_27"));
        faults << misfits(heading, heading->parentWidget());
        // The profile list's heading has room for itself in English; other
        // languages may fall back to the cut text.
        auto *title = heading->findChild<QLabel *>(QStringLiteral("label_MacroGroup"));
        if (language == QLatin1String("English") && title->text().contains(kEllipsis))
            faults << QStringLiteral("heading cut: \"%1\" in %2 px, needs %3 px")
                          .arg(title->text())
                          .arg(title->contentsRect().width())
                          .arg(title->fontMetrics().horizontalAdvance(title->toolTip()));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The line breaking the radios use.
    void wrapLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthInX"); // the width, in widths of "x"
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "ab cd" << 20 << QStringList{"ab cd"};
        QTest::newRow("breaks between words") << "aaaa bbbb cccc" << 10 << QStringList{"aaaa bbbb", "cccc"};
        QTest::newRow("keeps its own breaks") << "aa\nbb" << 20 << QStringList{"aa", "bb"};
        QTest::newRow("blank runs collapse") << "aa   bb" << 20 << QStringList{"aa bb"};
        QTest::newRow("empty") << "" << 20 << QStringList{""};
    }
    void wrapLines()
    {
        QFETCH(QString, text);
        QFETCH(int, widthInX);
        QFETCH(QStringList, lines);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
        const QFontMetrics metrics(font);
        QCOMPARE(pageTextFitter::wrapLines(text, metrics, widthInX * metrics.horizontalAdvance(QLatin1Char('x'))), lines);
    }

    void overlongWordIsElided()
    {
        const QFontMetrics metrics(QApplication::font());
        const int width = metrics.horizontalAdvance(QStringLiteral("abcdef"));
        const QStringList lines = pageTextFitter::wrapLines(QStringLiteral("ab abcdefghijklmnop cd"), metrics, width);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.first(), QStringLiteral("ab"));
        QVERIFY(lines.at(1).endsWith(kEllipsis));
        QVERIFY(metrics.horizontalAdvance(lines.at(1)) <= width);
        QCOMPARE(lines.last(), QStringLiteral("cd"));
    }

    // A button across the page breaks its text into lines and keeps their
    // height; a held button takes the width of its text of the moment.
    void buttonsFitTheirTextOfTheMoment()
    {
        TightPage tight;
        tight.across->setText(QStringLiteral("Choose an application to start"));
        tight.ok->setText(QStringLiteral("Take over every setting"));
        pageTextFitter fitter(&tight.page);
        tight.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tight.page));
        fitter.refit();
        settle();
        QVERIFY2(tight.across->text().contains(QLatin1Char('\n')), qPrintable(tight.across->text()));
        QVERIFY(!tight.across->text().contains(kEllipsis));
        const QFontMetrics metrics = tight.across->fontMetrics();
        const int lines = tight.across->text().count(QLatin1Char('\n')) + 1;
        QVERIFY2(textRect(tight.across).height() >= lines * metrics.height(),
                 qPrintable(QStringLiteral("%1 px for %2 lines").arg(textRect(tight.across).height()).arg(lines)));
        QVERIFY(tight.ok->minimumWidth() > 73);

        // The next language's text is short again: the row gets its room back.
        tight.ok->setText(QStringLiteral("OK"));
        fitter.refit();
        settle();
        QVERIFY(tight.ok->minimumWidth() < 73);
        QCOMPARE(tight.ok->maximumWidth(), 73);
    }

    // A word too wide breaks where its script allows: between ideographs,
    // after a slash.
    void overlongWordBreaksWhereItsScriptAllows_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("room"); // the text the width is measured on
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("ideographs") << QStringLiteral("マイコンピューターを開く") << QStringLiteral("マイコンピュー")
                                    << QStringList{QStringLiteral("マイコンピュー"), QStringLiteral("ターを開く")};
        QTest::newRow("slash") << QStringLiteral("Воспроизведение/пауза") << QStringLiteral("Воспроизведение/")
                               << QStringList{QStringLiteral("Воспроизведение/"), QStringLiteral("пауза")};
    }
    void overlongWordBreaksWhereItsScriptAllows()
    {
        QFETCH(QString, word);
        QFETCH(QString, room);
        const QFontMetrics metrics(QApplication::font());
        QTEST(pageTextFitter::wrapLines(word, metrics, metrics.horizontalAdvance(room)), "lines");
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tst_KeyPanelFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keypanelfit.moc"
