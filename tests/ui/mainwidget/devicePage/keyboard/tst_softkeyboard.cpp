#include "DDataManager.h"
#include "DSoftKeyboardPage.h"
#include "KeyLayoutFile.h"
#include "ReadOnlyDataFile.h"
#include "SoftKeyboardButCustom.h"
#include "keyboardViewFixture.h"
#include "layoutText.h"
#include "layoutText.h"

#include <QtTest>
#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QTranslator>
#include <QTranslator>

using keyboardViewFixture::hover;

namespace {

constexpr int kLeftCtrl = 224;
constexpr int kLeftShift = 225;
constexpr int kLeftAlt = 226;
constexpr int kRightCtrl = 228;
constexpr int kKeyA = 4;

// The looks the theme gives a key of the on-screen keyboard (kind 0): its
// colours, or where one is faint on the key, a shade of it that reads.
QString markedLook(const themeColorInfo &theme)
{
    return QStringLiteral("color:rgb(%1); font: bold 8pt; border-bottom: 1px solid rgb(%1); border-radius:3px;"
                          "background-color:rgb(%2);")
        .arg(themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceSoftkeyboardButColor),
             theme.DeviceSoftkeyboardButColor);
}

QString normalLook(const themeColorInfo &theme)
{
    return QStringLiteral("color:rgb(%1); font: bold 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;"
                          "background-color:rgb(%2);")
        .arg(themeColorInfo::readableText(theme.DeviceSoftkeyboardButDefaultTextColor,
                                          theme.DeviceSoftkeyboardButColor),
             theme.DeviceSoftkeyboardButColor);
}

// A key's look without the caption size a small key may add to it.
QString lookOf(const QWidget *key)
{
    QString look = key->styleSheet();
    return look.remove(QRegularExpression(QStringLiteral("font-size:[0-9.]+pt;$")));
}

// The on-screen keyboard with its shipped layout loaded.
struct loadedKeyboard
{
    DSoftKeyboardPage page;

    loadedKeyboard() { page.loadKeyboardInfo(); }

    SoftKeyboardButCustom *key(int code) const
    {
        for (SoftKeyboardButCustom *k : page.findChildren<SoftKeyboardButCustom *>())
            if (k->getKeyCode() == code)
                return k;
        return nullptr;
    }

    // Clicks keys in turn; the codes the page reported.
    QList<int> click(const QList<int> &codes)
    {
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        for (int code : codes)
            key(code)->click();
        QList<int> reported;
        for (const QList<QVariant> &args : clicked)
            reported << args.at(0).toInt();
        return reported;
    }

    QList<int> markedCodes() const
    {
        QList<int> codes;
        for (SoftKeyboardButCustom *k : page.getMarkedKeys())
            codes << k->getKeyCode();
        return codes;
    }

    void startMarking()
    {
        page.setSelectEnabled(1);
        page.setMultiSelectEnabled(true);
    }
};

// The Korean keys' names as a language other than Korean gives them.
class KoreanKeysTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "KeyLayoutFile") != 0)
            return QString();
        const QString text = QString::fromUtf8(source);
        if (text == QStringLiteral("한영"))
            return QStringLiteral("Han/Yeong");
        if (text == QStringLiteral("한자"))
            return QStringLiteral("Hanja");
        return QString();
    }
};

} // namespace

class tst_SoftKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void loadsTheShippedLayout();
    void notJsonBuildsNothing();
    void shownTextAndReportedCaption_data();
    void shownTextAndReportedCaption();
    void iconFont();
    void iconFontFallsBackWhenItDoesNotRegister();
    void markingNeedsModeOneAndMarkingEnabled_data();
    void markingNeedsModeOneAndMarkingEnabled();
    void atMostTwoModifiersMarked();
    void keyClickedTwiceIsListedTwice();
    void markedKeyKeepsItsLookOnLeave();
    void resetKeyStatusOfARefusedModifier();
    void resetKeyStatusOfAMarkedKey();
    void resetKeyStatusOnlyWhileMarking();
    void resetAllKeyStatus();
    void themeChangeKeepsMarks();
    void onboardKindSignals();
    void keyText_data();
    void keyText();
    void nonKeySenderIsIgnored();
    void koreanKeyNamesFollowTheLanguage();
};

void tst_SoftKeyboard::initTestCase()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_SoftKeyboard::cleanup()
{
    DDataManager::instance()->loadThemeConfig(0);
}

void tst_SoftKeyboard::loadsTheShippedLayout()
{
    DSoftKeyboardPage page;
    QCOMPARE(page.size(), QSize(700, 150));
    QVERIFY(page.getKeyNameMap().isEmpty());
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.loadKeyboardInfo();
    QCOMPARE(loaded.count(), 1);

    KeyLayoutFile layout;
    const ReadOnlyDataFile file(QStringLiteral("softKeyInfoNormalUS.config"), false);
    QVERIFY(layout.load(file.path()));
    const QList<SoftKeyboardButCustom *> keys = page.findChildren<SoftKeyboardButCustom *>();
    QCOMPARE(keys.size(), 103);
    QMap<int, SoftKeyboardButCustom *> byCode;
    for (SoftKeyboardButCustom *k : keys)
        byCode.insert(k->getKeyCode(), k);
    QCOMPARE(byCode.size(), 103);
    for (int r = 0; r < KeyLayoutFile::RowCount; ++r) {
        for (int i = 0; i < layout.rowCellCount(r); ++i) {
            const KeyLayoutFile::KeyCell &cell = layout.cell(r, i);
            SoftKeyboardButCustom *k = byCode.value(cell.dec);
            QVERIFY2(k, qPrintable(cell.caption));
            QCOMPARE(k->geometry(), QRect(cell.posX, cell.posY, cell.width, cell.height)); // page coordinates
            QCOMPARE(k->getCharacter(), cell.caption);
            QCOMPARE(page.getKeyNameMap().value(cell.dec), cell.caption);
            QVERIFY(page.rect().contains(k->geometry()));
        }
    }

    const QMap<int, QString> names = page.getKeyNameMap();
    QCOMPARE(names.size(), 103 + 4);
    QCOMPARE(names.value(-10), QStringLiteral("Fn"));
    QCOMPARE(names.value(-20), QStringLiteral("FN1"));
    QCOMPARE(names.value(231), QStringLiteral("Win/Command"));
    QCOMPARE(names.value(215), QStringLiteral("Calculator"));
    QCOMPARE(names.value(52), QStringLiteral("' \""));
}

void tst_SoftKeyboard::notJsonBuildsNothing()
{
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.parseKeyboardInfo("{\"EveryKeyInfo_Row01\": [");
    QCOMPARE(loaded.count(), 0);
    QVERIFY(page.getKeyNameMap().isEmpty());
    QVERIFY(page.findChildren<SoftKeyboardButCustom *>().isEmpty());
    page.updateTheme();
    page.resetAllKeyStatus();
    page.resetKeyStatus(kKeyA);
}

void tst_SoftKeyboard::shownTextAndReportedCaption_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("caption");
    QTest::newRow("7 and ampersand") << 36 << QStringLiteral("7&&") << QStringLiteral("7&");
    QTest::newRow("left alt") << kLeftAlt << QStringLiteral("Alt") << QStringLiteral("L-Alt");
    QTest::newRow("right alt") << 230 << QStringLiteral("Alt") << QStringLiteral("R-Alt");
    QTest::newRow("apostrophe") << 52 << QStringLiteral("' \"") << QStringLiteral("' \"");
    QTest::newRow("letter") << kKeyA << QStringLiteral("A") << QStringLiteral("A");
    QTest::newRow("left GUI glyph") << 227 << QString(QChar(0xF17A)) << QStringLiteral("L-Win");
    QTest::newRow("application glyph") << 101 << QString(QChar(0xF15C)) << QStringLiteral("Menu");
}

void tst_SoftKeyboard::shownTextAndReportedCaption()
{
    QFETCH(int, code);
    QFETCH(QString, shown);
    QFETCH(QString, caption);
    loadedKeyboard keyboard;
    SoftKeyboardButCustom *k = keyboard.key(code);
    QVERIFY(k);
    QCOMPARE(k->text(), shown);
    QCOMPARE(k->getCharacter(), caption);
    QCOMPARE(keyboard.page.getKeyNameMap().value(code), caption);
    QSignalSpy clicked(&keyboard.page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    k->click();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0), (QList<QVariant>{code, caption}));
}

void tst_SoftKeyboard::iconFont()
{
    const QFont font = DSoftKeyboardPage::iconFont();
    QCOMPARE(font.family(), QStringLiteral("FontAwesome"));
    QCOMPARE(font.pointSize(), 12);
    const QFontMetrics metrics(font);
    QVERIFY(metrics.inFontUcs4(SoftKeyboardButCustom::WindowLogoGlyph));
    QVERIFY(metrics.inFontUcs4(SoftKeyboardButCustom::DocumentGlyph));
    // Registered once, however many keyboards are made.
    DSoftKeyboardPage::iconFont();
    QCOMPARE(QFontDatabase().families().count(QStringLiteral("FontAwesome")), 1);

    loadedKeyboard keyboard;
    QCOMPARE(keyboard.key(227)->font().family(), QStringLiteral("FontAwesome"));
    QCOMPARE(keyboard.key(101)->font().family(), QStringLiteral("FontAwesome"));
}

void tst_SoftKeyboard::iconFontFallsBackWhenItDoesNotRegister()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be registered"));
    const QFont font = DSoftKeyboardPage::iconFont(QStringLiteral(":/images/no-such-font.ttf"));
    QCOMPARE(font.family(), QApplication::font().family());
    QCOMPARE(font.pointSize(), 12);
}

void tst_SoftKeyboard::markingNeedsModeOneAndMarkingEnabled_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("marks");
    QTest::newRow("combination, field focused") << 1 << true << true;
    QTest::newRow("combination, field not focused") << 1 << false << false;
    QTest::newRow("remap") << 0 << true << false;
    QTest::newRow("other functions") << 2 << true << false;
    QTest::newRow("never set") << -1 << true << false;
}

void tst_SoftKeyboard::markingNeedsModeOneAndMarkingEnabled()
{
    QFETCH(int, mode);
    QFETCH(bool, enabled);
    QFETCH(bool, marks);
    loadedKeyboard keyboard;
    keyboard.page.setSelectEnabled(mode);
    keyboard.page.setMultiSelectEnabled(enabled);
    QCOMPARE(keyboard.click({kKeyA, kLeftCtrl}), (QList<int>{kKeyA, kLeftCtrl}));
    QCOMPARE(keyboard.key(kKeyA)->isMarked(), marks);
    QCOMPARE(keyboard.key(kLeftCtrl)->isMarked(), marks);
    QCOMPARE(keyboard.markedCodes(), marks ? (QList<int>{kKeyA, kLeftCtrl}) : QList<int>());
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    QCOMPARE(lookOf(keyboard.key(kKeyA)), marks ? markedLook(theme) : normalLook(theme));
}

void tst_SoftKeyboard::atMostTwoModifiersMarked()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    QCOMPARE(keyboard.click({kLeftCtrl, kLeftShift, kLeftAlt, kKeyA}),
             (QList<int>{kLeftCtrl, kLeftShift, kLeftAlt, kKeyA}));
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kLeftCtrl, kLeftShift, kKeyA}));
    QVERIFY(!keyboard.key(kLeftAlt)->isMarked());
    QCOMPARE(keyboard.page.getModifierCount(), 2);
    QCOMPARE(keyboard.click({kRightCtrl}), QList<int>{kRightCtrl});
    QCOMPARE(keyboard.page.getModifierCount(), 2);
    QVERIFY(!keyboard.key(kRightCtrl)->isMarked());
}

void tst_SoftKeyboard::keyClickedTwiceIsListedTwice()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    keyboard.click({kKeyA, kKeyA});
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kKeyA, kKeyA}));
    QVERIFY(keyboard.key(kKeyA)->isMarked());
}

void tst_SoftKeyboard::markedKeyKeepsItsLookOnLeave()
{
    loadedKeyboard keyboard;
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    SoftKeyboardButCustom *a = keyboard.key(kKeyA);
    // Outside marking the marked look shows only under the mouse.
    hover(a, QEvent::Enter);
    QCOMPARE(lookOf(a), markedLook(theme));
    hover(a, QEvent::Leave);
    QCOMPARE(lookOf(a), normalLook(theme));

    keyboard.startMarking();
    hover(a, QEvent::Enter);
    a->click();
    hover(a, QEvent::Leave);
    QCOMPARE(lookOf(a), markedLook(theme));
}

void tst_SoftKeyboard::resetKeyStatusOfARefusedModifier()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    keyboard.click({kLeftCtrl, kLeftShift});
    SoftKeyboardButCustom *alt = keyboard.key(kLeftAlt);
    hover(alt, QEvent::Enter);
    alt->click(); // not marked, but under the mouse it looks marked
    QVERIFY(!alt->isMarked());
    keyboard.page.resetKeyStatus(kLeftAlt);
    QCOMPARE(lookOf(alt), normalLook(theme));
    hover(alt, QEvent::Leave);
    QCOMPARE(lookOf(alt), normalLook(theme));
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kLeftCtrl, kLeftShift}));
    QCOMPARE(keyboard.page.getModifierCount(), 2);
}

// A key on the marked list: all its entries leave the list and each modifier
// entry stops counting.
void tst_SoftKeyboard::resetKeyStatusOfAMarkedKey()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    keyboard.click({kLeftCtrl, kKeyA, kLeftShift, kKeyA});
    keyboard.page.resetKeyStatus(kKeyA);
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kLeftCtrl, kLeftShift}));
    QCOMPARE(keyboard.page.getModifierCount(), 2);
    QVERIFY(!keyboard.key(kKeyA)->isMarked());
    hover(keyboard.key(kKeyA), QEvent::Enter);
    hover(keyboard.key(kKeyA), QEvent::Leave);
    QCOMPARE(lookOf(keyboard.key(kKeyA)), normalLook(theme));

    keyboard.page.resetKeyStatus(kLeftCtrl);
    QCOMPARE(keyboard.markedCodes(), QList<int>{kLeftShift});
    QCOMPARE(keyboard.page.getModifierCount(), 1);
    // Room for a second modifier again.
    keyboard.click({kLeftAlt});
    QVERIFY(keyboard.key(kLeftAlt)->isMarked());
    QCOMPARE(keyboard.page.getModifierCount(), 2);
    // Unknown codes change nothing.
    keyboard.page.resetKeyStatus(9999);
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kLeftShift, kLeftAlt}));
}

void tst_SoftKeyboard::resetKeyStatusOnlyWhileMarking()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    keyboard.click({kLeftCtrl});
    keyboard.page.setMultiSelectEnabled(false);
    keyboard.page.resetKeyStatus(kLeftCtrl);
    QVERIFY(keyboard.key(kLeftCtrl)->isMarked());
    QCOMPARE(keyboard.markedCodes(), QList<int>{kLeftCtrl});
    keyboard.page.setMultiSelectEnabled(true);
    keyboard.page.setSelectEnabled(0);
    keyboard.page.resetKeyStatus(kLeftCtrl);
    QVERIFY(keyboard.key(kLeftCtrl)->isMarked());
}

void tst_SoftKeyboard::resetAllKeyStatus()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    keyboard.click({kLeftCtrl, kLeftShift, kKeyA, kKeyA});
    keyboard.page.resetAllKeyStatus();
    QVERIFY(keyboard.markedCodes().isEmpty());
    QCOMPARE(keyboard.page.getModifierCount(), 0);
    for (int code : {kLeftCtrl, kLeftShift, kKeyA}) {
        SoftKeyboardButCustom *k = keyboard.key(code);
        QVERIFY(!k->isMarked());
        hover(k, QEvent::Enter);
        hover(k, QEvent::Leave);
        QCOMPARE(lookOf(k), normalLook(theme));
    }
    keyboard.click({kLeftAlt, kRightCtrl});
    QCOMPARE(keyboard.markedCodes(), (QList<int>{kLeftAlt, kRightCtrl}));
}

void tst_SoftKeyboard::themeChangeKeepsMarks()
{
    loadedKeyboard keyboard;
    keyboard.startMarking();
    keyboard.click({kLeftCtrl, kKeyA});
    DDataManager::instance()->loadThemeConfig(3);
    const themeColorInfo pink = DDataManager::instance()->getThemeColor();
    keyboard.page.updateTheme();
    QCOMPARE(lookOf(keyboard.key(kKeyA)), markedLook(pink));
    QCOMPARE(lookOf(keyboard.key(kLeftCtrl)), markedLook(pink));
    QCOMPARE(lookOf(keyboard.key(kLeftShift)), normalLook(pink));
    // Pink's own colours are faint on its keys.
    QVERIFY(!lookOf(keyboard.key(kKeyA)).contains(QStringLiteral("color:rgb(%1)").arg(pink.TextCheckedColor)));
    QVERIFY(!lookOf(keyboard.key(kLeftShift))
                 .contains(QStringLiteral("color:rgb(%1)").arg(pink.DeviceSoftkeyboardButDefaultTextColor)));
    auto *frame = keyboard.page.findChild<QFrame *>(QStringLiteral("frame_bg"));
    QVERIFY(frame);
    QVERIFY(frame->styleSheet().contains(QStringLiteral("background-color: rgb(%1)").arg(pink.DeviceBottomBgColor)));
}

void tst_SoftKeyboard::onboardKindSignals()
{
    SoftKeyboardButCustom key(SoftKeyboardButCustom::OnboardKey);
    key.setKeyInfo(kLeftCtrl, QStringLiteral("L-Ctrl"));
    key.updateTheme(QStringLiteral("1,2,3"), QStringLiteral("200,0,0"), QStringLiteral("4,5,6"));
    const QString normal = QStringLiteral("color:rgb(1,2,3); font: bold 8pt; border-bottom: 0px solid #7F8386; "
                                          "border-radius:3px;background-color:rgb(4,5,6);");
    const QString marked = QStringLiteral("color:rgb(200,0,0); font: bold 8pt; border: 1px solid rgb(200,0,0); "
                                          "border-radius:3px;background-color:rgb(4,5,6);");
    QSignalSpy entered(&key, &SoftKeyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy left(&key, &SoftKeyboardButCustom::sigCustomButMouseLeave);
    QSignalSpy rightClicked(&key, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);

    QString lookAtEnter;
    connect(&key, &SoftKeyboardButCustom::sigCustomButMouseEnter, &key,
            [&key, &lookAtEnter] { lookAtEnter = key.styleSheet(); });
    hover(&key, QEvent::Enter);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(lookAtEnter, marked);
    hover(&key, QEvent::Leave);
    QCOMPARE(left.count(), 1);
    QCOMPARE(key.styleSheet(), normal);

    key.setButtonStatus(1);
    hover(&key, QEvent::Enter);
    hover(&key, QEvent::Leave);
    QCOMPARE(key.styleSheet(), marked);
    key.setButtonStatus(7); // no such status
    QCOMPARE(key.styleSheet(), marked);
    key.setButtonStatus(0);
    QCOMPARE(key.styleSheet(), normal);

    QTest::mouseClick(&key, Qt::LeftButton);
    QCOMPARE(rightClicked.count(), 0);
    QTest::mousePress(&key, Qt::RightButton);
    QCOMPARE(rightClicked.count(), 1);
    QCOMPARE(rightClicked.at(0), (QList<QVariant>{kLeftCtrl, QStringLiteral("L-Ctrl")}));
    QTest::mouseRelease(&key, Qt::RightButton);

    // The on-screen kind sends none of these.
    SoftKeyboardButCustom onScreen(SoftKeyboardButCustom::OnScreenKey);
    QSignalSpy onScreenEntered(&onScreen, &SoftKeyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy onScreenRight(&onScreen, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
    hover(&onScreen, QEvent::Enter);
    QTest::mousePress(&onScreen, Qt::RightButton);
    QCOMPARE(onScreenEntered.count(), 0);
    QCOMPARE(onScreenRight.count(), 0);
    QTest::mouseRelease(&onScreen, Qt::RightButton);
}

void tst_SoftKeyboard::keyText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("on-screen") << 0 << kKeyA << QStringLiteral("Q") << QStringLiteral("Q");
    // Every ampersand is shown, not taken as a mnemonic.
    QTest::newRow("on-screen 7&") << 0 << 36 << QStringLiteral("7&") << QStringLiteral("7&&");
    QTest::newRow("on-screen ampersand") << 0 << kKeyA << QStringLiteral("A&B") << QStringLiteral("A&&B");
    QTest::newRow("on-screen glyph key") << 0 << 227 << QStringLiteral("Win") << QString(QChar(0xF17A));
    QTest::newRow("on-screen blank") << 0 << kKeyA << QString() << QString();
    QTest::newRow("on-board") << 1 << kKeyA << QStringLiteral("Q") << QStringLiteral("Q");
    QTest::newRow("on-board 7&") << 1 << 36 << QStringLiteral("7&") << QStringLiteral("7&&");
    QTest::newRow("on-board ampersand") << 1 << kKeyA << QStringLiteral("Shift+7&") << QStringLiteral("Shift+7&&");
    QTest::newRow("on-board glyph key") << 1 << 227 << QStringLiteral("Win") << QStringLiteral("Win");
    QTest::newRow("on-board blank") << 1 << 227 << QString() << QString();
}

void tst_SoftKeyboard::keyText()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    SoftKeyboardButCustom key(kind);
    key.setKeyInfo(code, QStringLiteral("caption"));
    QCOMPARE(key.getKeyText(), QString());
    key.setKeyText(text);
    QCOMPARE(key.getKeyText(), text);
    QCOMPARE(key.text(), shown);
    QCOMPARE(key.getCharacter(), QStringLiteral("caption"));
    QCOMPARE(key.getKeyCode(), code);
}

void tst_SoftKeyboard::nonKeySenderIsIgnored()
{
    loadedKeyboard keyboard;
    QSignalSpy clicked(&keyboard.page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    QMetaObject::invokeMethod(&keyboard.page, "onKeyButtonClicked");
    QCOMPARE(clicked.count(), 0);
}

// A layout with the Korean keys: their names in the map are those of the
// language installed when the map is asked for, not when it was loaded.
void tst_SoftKeyboard::koreanKeyNamesFollowTheLanguage()
{
    QList<QByteArray> first = layoutText::keyRow(22, 200);
    first[0] = layoutText::key(0, 0, 27, 27, KeyLayoutFile::HanYeongKey, "HanYeong");
    first[1] = layoutText::key(30, 0, 27, 27, KeyLayoutFile::HanjaKey, "Hanja");
    QList<QByteArray> members{layoutText::defaultHeader(), layoutText::row(1, first)};
    for (int r = 2; r <= 6; ++r)
        members << layoutText::row(r, layoutText::keyRow(22, 10 + 22 * (r - 2), 30 * r));
    DSoftKeyboardPage page;
    page.parseKeyboardInfo(layoutText::document(members));
    QCOMPARE(page.getKeyNameMap().value(KeyLayoutFile::HanYeongKey), QStringLiteral("한영"));

    KoreanKeysTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QMap<int, QString> names = page.getKeyNameMap();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(names.value(KeyLayoutFile::HanYeongKey), QStringLiteral("Han/Yeong"));
    QCOMPARE(names.value(KeyLayoutFile::HanjaKey), QStringLiteral("Hanja"));
    QCOMPARE(names.value(200 + 2), QStringLiteral("K202"));
    QCOMPARE(page.getKeyNameMap().value(KeyLayoutFile::HanjaKey), QStringLiteral("한자"));
}

QTEST_MAIN(tst_SoftKeyboard)
#include "tst_softkeyboard.moc"
