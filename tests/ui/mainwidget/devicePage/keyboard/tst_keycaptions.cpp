#include "DDataManager.h"
#include "DSoftKeyboardPage.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"
#include "keyCaptionFit.h"
#include "keyboardViewFixture.h"

#include <QtTest>
#include <QFontMetrics>

using keyboardViewFixture::hover;

// Captions must fit their keys: on the on-screen keyboard, on the on-board
// picture's keys (layout captions and binding texts) of every shipped model.

namespace {

const QString kEllipsis = QString(QChar(0x2026));

const QStringList kModels = {QStringLiteral("Quissaro"), QStringLiteral("Rosquine"), QStringLiteral("Rulvarro"),
                             QStringLiteral("Ryzzmond"), QStringLiteral("Varrowen")};

// Binding texts as the on-board page shows them, short and long.
const QStringList kBindingTexts = {
    QStringLiteral("Ctrl+Z"),        QStringLiteral("Ctrl+Alt+T"),       QStringLiteral("Ctrl+Shift+Esc"),
    QStringLiteral("Play/Pause"),    QStringLiteral("Left Click"),       QStringLiteral("Say \"hi\""),
    QStringLiteral("Win/Command"),   QStringLiteral("Korean/English"),   QStringLiteral("Calculator"),
    QStringLiteral("Volume Down"),   QStringLiteral("NumEnter"),         QStringLiteral("Shift+7&"),
    QStringLiteral("Macro: a macro with a rather long name"),            QStringLiteral("Backspace"),
};

// What a key paints: its text with the mnemonic escapes undone, by line.
QStringList shownLines(const SoftKeyboardButCustom *key)
{
    QString text = key->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text.split(QLatin1Char('\n'));
}

// The key's contents rect less the 1 px border of the marked look.
QRect textArea(const SoftKeyboardButCustom *key)
{
    return key->contentsRect().adjusted(1, 1, -1, -1);
}

// The line break, if any, falls between words, never inside one. A word is
// what a reader takes for one: a capital and small letters, or capitals
// ("NumLock" is two words, "Pause" one). Blanks at the break are dropped
// from the shown lines, so the break is found in the caption itself.
QString brokenInsideWord(const QStringList &lines, const QString &caption)
{
    if (lines.size() < 2)
        return QString();
    const QString whole = caption.trimmed();
    if (!whole.startsWith(lines.first()))
        return QStringLiteral("first line \"%1\" is not the caption's start").arg(lines.first());
    const int breakAt = lines.first().size();
    static const QRegularExpression word(QStringLiteral("\\p{Lu}?\\p{Ll}+|\\p{Lu}+(?!\\p{Ll})"));
    for (auto it = word.globalMatch(whole); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() < breakAt && breakAt < m.capturedEnd())
            return QStringLiteral("\"%1\" broken inside").arg(m.captured());
    }
    return QString();
}

// Empty when the key's shown caption fits inside it in the font the key
// draws with, and is broken only between words; else what is wrong.
QString misfit(SoftKeyboardButCustom *key, const QString &caption)
{
    key->ensurePolished();
    const QFontMetrics metrics(key->font());
    const QRect area = textArea(key);
    const QStringList lines = shownLines(key);
    const QString broken = brokenInsideWord(lines, caption);
    if (!broken.isEmpty())
        return broken;
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        if (width > area.width())
            return QStringLiteral("\"%1\" is %2 px wide in %3 px").arg(line).arg(width).arg(area.width());
    }
    const int height = metrics.height() + (lines.size() - 1) * metrics.lineSpacing();
    if (height > area.height())
        return QStringLiteral("%1 lines are %2 px high in %3 px").arg(lines.size()).arg(height).arg(area.height());
    return QString();
}

// A caption that is shown whole reads the same with its line break taken out.
bool shownWhole(const SoftKeyboardButCustom *key, const QString &caption)
{
    QString shown = shownLines(key).join(QString());
    QString whole(caption);
    return shown.remove(QLatin1Char(' ')) == whole.remove(QLatin1Char(' '));
}

QString cellName(const QString &where, const KeyLayoutFile::KeyCell &cell)
{
    return QStringLiteral("%1 key %2 \"%3\" %4x%5")
        .arg(where)
        .arg(cell.dec)
        .arg(cell.caption)
        .arg(cell.width)
        .arg(cell.height);
}

} // namespace

class tst_KeyCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fitting_data();
    void fitting();
    void onScreenKeyboardCaptionsFit();
    void layoutCaptionsFit_data();
    void layoutCaptionsFit();
    void bindingTextsFitOnboardKeys_data();
    void bindingTextsFitOnboardKeys();
    void fittedSizeSurvivesLookChanges();
};

void tst_KeyCaptions::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

// The fitting steps, in order: as is, smaller, two lines at a break between
// words (a single word shrinks further instead), cut.
void tst_KeyCaptions::fitting_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("elided");
    const QString same = QStringLiteral("=");
    QTest::newRow("fits") << QStringLiteral("Esc") << QSize(60, 18) << false << same << false;
    QTest::newRow("no room given") << QStringLiteral("NumLock") << QSize() << false << same << false;
    QTest::newRow("blank") << QString() << QSize(24, 18) << false << same << false;
    QTest::newRow("smaller on one line") << QStringLiteral("PgUp") << QSize(24, 18) << true << same << false;
    QTest::newRow("broken between words") << QStringLiteral("NumEnter") << QSize(40, 40) << false
                                          << QStringLiteral("Num\nEnter") << false;
    QTest::newRow("broken after a plus") << QStringLiteral("Ctrl+Alt+T") << QSize(36, 30) << false
                                         << QStringLiteral("Ctrl+\nAlt+T") << false;
    QTest::newRow("broken at a blank") << QStringLiteral("Left Click") << QSize(32, 30) << false
                                       << QStringLiteral("Left\nClick") << false;
    // The rooms of the 27 and 25 px keys that carry these words.
    QTest::newRow("one word smaller, not broken") << QStringLiteral("Pause") << QSize(25, 25) << true << same << false;
    QTest::newRow("another word smaller") << QStringLiteral("Insert") << QSize(25, 25) << true << same << false;
    QTest::newRow("one word cut, not broken") << QStringLiteral("Delete") << QSize(23, 23) << true << QString()
                                              << true;
    QTest::newRow("written without blanks") << QStringLiteral("计算器计算器") << QSize(40, 40) << false
                                            << QStringLiteral("计算器\n计算器") << false;
    QTest::newRow("cut on one line") << QStringLiteral("Calculator") << QSize(24, 12) << true << QString() << true;
    QTest::newRow("one long word cut, not broken") << QStringLiteral("Calculator") << QSize(16, 40) << true
                                                   << QString() << true;
    QTest::newRow("cut on the second line") << QStringLiteral("Macro: a macro with a rather long name")
                                            << QSize(40, 25) << true << QString() << true;
}

void tst_KeyCaptions::fitting()
{
    QFETCH(QString, caption);
    QFETCH(QSize, room);
    QFETCH(bool, shrunk);
    QFETCH(QString, shown);
    QFETCH(bool, elided);
    // The application font, and the icon font the keys carry, whose own
    // face has no letters and no ellipsis.
    for (const QFont &family : {QApplication::font(), DSoftKeyboardPage::iconFont()}) {
        QFont font(family);
        font.setBold(true);
        font.setPointSizeF(8);
        const QByteArray name = font.family().toUtf8();

        const KeyCaptionFit fit = fitKeyCaption(font, caption, room);
        QVERIFY2(fit.elided == elided, name);
        QVERIFY2((fit.pointSize < 8) == shrunk, name);
        QVERIFY(fit.pointSize >= kKeyCaptionWordFloorPointSize);
        if (shown == QLatin1String("="))
            QCOMPARE(fit.text, caption);
        else if (!shown.isEmpty())
            QCOMPARE(fit.text, shown);
        if (elided)
            QVERIFY2(fit.text.contains(kEllipsis), qPrintable(fit.text));
        if (room.isEmpty())
            continue;
        QFont used(font);
        used.setPointSizeF(fit.pointSize);
        const QFontMetrics metrics(used);
        const QStringList lines = fit.text.split(QLatin1Char('\n'));
        QVERIFY(lines.size() <= 2);
        const QString broken = brokenInsideWord(lines, caption);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= room.width(), qPrintable(line));
        QVERIFY(metrics.height() + (lines.size() - 1) * metrics.lineSpacing() <= room.height());
    }
}

void tst_KeyCaptions::onScreenKeyboardCaptionsFit()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo();
    const QList<SoftKeyboardButCustom *> keys = page.findChildren<SoftKeyboardButCustom *>();
    QVERIFY(!keys.isEmpty());
    for (SoftKeyboardButCustom *key : keys) {
        const QString name = QStringLiteral("key %1 \"%2\"").arg(key->getKeyCode()).arg(key->getCharacter());
        const QString wrong = misfit(key, key->getCharacter());
        QVERIFY2(wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + wrong));
        // A caption cut short is whole in the tool tip.
        if (key->text().contains(kEllipsis))
            QCOMPARE(key->toolTip(), key->getCharacter());
        else
            QVERIFY2(key->toolTip().isEmpty(), qPrintable(name));
    }
}

// Every key of every shipped layout, keyboard view and on-board, in both
// kinds of key, showing its layout caption.
void tst_KeyCaptions::layoutCaptionsFit_data()
{
    QTest::addColumn<QString>("layoutFile");
    QTest::addColumn<int>("kind");
    for (int kind : {0, 1}) {
        for (const QString &model : kModels) {
            const QString name = KeyLayoutFile::fileNameForModel(model);
            QTest::newRow(qPrintable(QStringLiteral("view %1 kind %2").arg(model).arg(kind))) << name << kind;
            const QString onboard = QStringLiteral("onboardDeviceConfig/") + name;
            if (QFile::exists(QStringLiteral(":/images/configDir/") + onboard))
                QTest::newRow(qPrintable(QStringLiteral("on-board %1 kind %2").arg(model).arg(kind)))
                    << onboard << kind;
        }
    }
}

void tst_KeyCaptions::layoutCaptionsFit()
{
    QFETCH(QString, layoutFile);
    QFETCH(int, kind);
    KeyLayoutFile layout;
    const ReadOnlyDataFile file(layoutFile, false);
    QVERIFY(layout.load(file.path()));
    const QFont iconFont = DSoftKeyboardPage::iconFont();
    int keys = 0;
    for (int r = 0; r < KeyLayoutFile::RowCount; ++r) {
        for (int c = 0; c < KeyLayoutFile::ColumnCount; ++c) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, c);
            if (cell.isEmpty())
                continue;
            // As the pages make their keys.
            SoftKeyboardButCustom key(kind);
            key.setFont(iconFont);
            key.setButtonSize(cell.width, cell.height);
            key.setKeyInfo(cell.dec, cell.caption);
            const QString wrong = misfit(&key, cell.caption);
            QVERIFY2(wrong.isEmpty(), qPrintable(cellName(layoutFile, cell) + QStringLiteral(": ") + wrong));
            ++keys;
        }
    }
    QVERIFY(keys > 0);
}

void tst_KeyCaptions::bindingTextsFitOnboardKeys_data()
{
    QTest::addColumn<QSize>("keySize");
    QSet<QPair<int, int>> sizes;
    for (const QString &model : kModels) {
        KeyLayoutFile layout;
        const ReadOnlyDataFile file(QStringLiteral("onboardDeviceConfig/") + KeyLayoutFile::fileNameForModel(model),
                                    false);
        if (!layout.load(file.path()))
            continue;
        for (int r = 0; r < KeyLayoutFile::RowCount; ++r)
            for (int c = 0; c < KeyLayoutFile::ColumnCount; ++c)
                if (!layout.cell(r, c).isEmpty())
                    sizes.insert({layout.cell(r, c).width, layout.cell(r, c).height});
    }
    QList<QPair<int, int>> sorted = sizes.values();
    std::sort(sorted.begin(), sorted.end());
    for (const auto &size : qAsConst(sorted))
        QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.first).arg(size.second)))
            << QSize(size.first, size.second);
}

void tst_KeyCaptions::bindingTextsFitOnboardKeys()
{
    QFETCH(QSize, keySize);
    const QFont iconFont = DSoftKeyboardPage::iconFont();
    for (const QString &text : kBindingTexts) {
        SoftKeyboardButCustom key(SoftKeyboardButCustom::OnboardKey);
        key.setFont(iconFont);
        key.setButtonSize(keySize.width(), keySize.height());
        key.setKeyInfo(4, QStringLiteral("A"));
        key.setKeyText(text);
        QCOMPARE(key.getKeyText(), text);
        const QString wrong = misfit(&key, text);
        QVERIFY2(wrong.isEmpty(), qPrintable(text + QStringLiteral(": ") + wrong));
        if (!key.text().contains(kEllipsis))
            QVERIFY2(shownWhole(&key, text), qPrintable(key.text()));
        // The hover tip shows the whole text; no second tip.
        QVERIFY(key.toolTip().isEmpty());
    }
}

// Hover, marks and theme changes rebuild the key's style; its caption must
// keep the size it was fitted at.
void tst_KeyCaptions::fittedSizeSurvivesLookChanges()
{
    const QString pgUp = QStringLiteral("PgUp");
    for (int kind : {0, 1}) {
        SoftKeyboardButCustom key(kind);
        key.setFont(DSoftKeyboardPage::iconFont());
        key.setButtonSize(28, 20);
        key.setKeyInfo(75, pgUp);
        QVERIFY(misfit(&key, pgUp).isEmpty());
        hover(&key, QEvent::Enter);
        QVERIFY2(misfit(&key, pgUp).isEmpty(), "hovered");
        hover(&key, QEvent::Leave);
        QVERIFY2(misfit(&key, pgUp).isEmpty(), "left");
        key.setButtonStatus(1);
        QVERIFY2(misfit(&key, pgUp).isEmpty(), "marked");
        key.updateTheme(QStringLiteral("1,2,3"), QStringLiteral("200,0,0"), QStringLiteral("4,5,6"));
        QVERIFY2(misfit(&key, pgUp).isEmpty(), "new theme");
        key.setButtonStatus(0);
        QVERIFY2(misfit(&key, pgUp).isEmpty(), "unmarked");
        // A key given a short text again is drawn at the full size.
        key.setKeyText(QStringLiteral("A"));
        key.ensurePolished();
        QCOMPARE(key.font().pointSizeF(), 8.0);
    }
}

QTEST_MAIN(tst_KeyCaptions)
#include "tst_keycaptions.moc"
