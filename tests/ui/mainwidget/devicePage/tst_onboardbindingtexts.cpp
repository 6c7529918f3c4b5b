// Captions of on-board bindings: each kind's table, its out-of-table values,
// the macro caption read from a real macro file, and the Mac layer's Com.
#include "FixedText.h"
#include "onboardBindingTexts.h"
#include "xmlInterface.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

customKeyInfo binding(const char *keyCode, const char *type, const char *value, const char *mode = "1")
{
    customKeyInfo info;
    std::memset(&info, 0, sizeof info);
    fixedTextCopy(info.keyCode, keyCode);
    fixedTextCopy(info.operateType, type);
    fixedTextCopy(info.Value, value);
    fixedTextCopy(info.repeatNum, "1");
    fixedTextCopy(info.mode, mode);
    return info;
}

QMap<int, QString> keyNames()
{
    return {{4, QStringLiteral("A")}, {38, QStringLiteral("9(")}, {39, QStringLiteral("0)")},
            {41, QStringLiteral("Esc")}, {227, QStringLiteral("L-Win")}, {231, QStringLiteral("Win")},
            {-10, QStringLiteral("Fn")}, {-20, QStringLiteral("FN1")}};
}

} // namespace

class tst_OnboardBindingTexts : public QObject
{
    Q_OBJECT

private slots:
    void mouseAndMultimedia_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("mouse left") << true << QByteArray("0") << "Mouse Left";
        QTest::newRow("mouse centre") << true << QByteArray("1") << "Mouse Center";
        QTest::newRow("mouse right") << true << QByteArray("2") << "Mouse Right";
        QTest::newRow("scroll up") << true << QByteArray("3") << "Scroll Up";
        QTest::newRow("scroll down") << true << QByteArray("4") << "Scroll Down";
        QTest::newRow("forward") << true << QByteArray("5") << "Forward";
        QTest::newRow("backward") << true << QByteArray("6") << "Backward";
        QTest::newRow("sniper") << true << QByteArray("7") << "Sniper Key";
        QTest::newRow("mouse 8") << true << QByteArray("8") << "Unknow";
        QTest::newRow("mouse -1") << true << QByteArray("-1") << "Unknow";
        QTest::newRow("volume up") << false << QByteArray("0") << "Volume Up";
        QTest::newRow("volume down") << false << QByteArray("1") << "Volume Down";
        QTest::newRow("mute") << false << QByteArray("2") << "Mute";
        QTest::newRow("play") << false << QByteArray("3") << "Play/Pause";
        QTest::newRow("next") << false << QByteArray("4") << "Next track";
        QTest::newRow("prev") << false << QByteArray("5") << "Prev track";
        QTest::newRow("stop") << false << QByteArray("6") << "Stop";
        QTest::newRow("media 7 is not offered") << false << QByteArray("7") << "Unknow";
        QTest::newRow("player") << false << QByteArray("8") << "Player";
        QTest::newRow("calculator") << false << QByteArray("9") << "Calculator";
        QTest::newRow("computer") << false << QByteArray("10") << "Computer";
        QTest::newRow("browser") << false << QByteArray("11") << "Browser";
        QTest::newRow("email") << false << QByteArray("12") << "Email";
        QTest::newRow("media 13") << false << QByteArray("13") << "Unknow";
    }
    void mouseAndMultimedia()
    {
        QFETCH(bool, mouse);
        QFETCH(QByteArray, value);
        QFETCH(QString, text);
        const customKeyInfo info = binding("4", mouse ? "4" : "3", value.constData());
        QCOMPARE(mouse ? onboardMouseText(info) : onboardMultimediaText(info), text);
        QCOMPARE(onboardKeyCaption(info, 1, keyNames(), nullptr, QString()), text);
    }

    void combination_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("shift and alt") << QByteArray("6,4") << "L_SHIFT+L_ALT+A";
        QTest::newRow("no modifier") << QByteArray("0,4") << "A";
        QTest::newRow("every modifier")
            << QByteArray("255,41") << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+Esc";
        QTest::newRow("key without a name") << QByteArray("1,200") << "L_CTRL";
        QTest::newRow("bits above 7 are not modifiers") << QByteArray("258,4") << "L_SHIFT+A";
        QTest::newRow("no comma") << QByteArray("2") << "L_SHIFT";
        QTest::newRow("empty") << QByteArray("") << "";
    }
    void combination()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, text);
        QCOMPARE(onboardCombinationText(binding("38", "2", value.constData()), keyNames()), text);
    }

    // The name comes from the macro file; a missing macro or file leaves the
    // caption starting with the line feed.
    void macro_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<QString>("text");
        QTest::newRow("once") << QByteArray("3") << QByteArray("1") << true << "Greeting\nPlay once";
        QTest::newRow("multiple") << QByteArray("3") << QByteArray("2") << true << "Greeting\nPlay multiple times";
        QTest::newRow("toggle") << QByteArray("7") << QByteArray("3") << true
                                << QString::fromUtf8("Grüße\nContinous playback on/off");
        QTest::newRow("held") << QByteArray("3") << QByteArray("4") << true
                              << "Greeting\nPlay while assigned key is pressed";
        QTest::newRow("mode outside") << QByteArray("3") << QByteArray("5") << true << "Greeting\n";
        QTest::newRow("deleted macro") << QByteArray("9") << QByteArray("2") << true << "\nPlay multiple times";
        QTest::newRow("no macro file") << QByteArray("3") << QByteArray("1") << false << "\nPlay once";
    }
    void macro()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, mode);
        QFETCH(bool, withFile);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pardexMacro.xml"));
        xmlInterface store;
        if (withFile) {
            QVERIFY(store.createXmlFile(path));
            QVERIFY(store.addMacro(path, "3", "Greeting"));
            QVERIFY(store.addMacro(path, "7", QString::fromUtf8("Grüße").toUtf8()));
        }
        const customKeyInfo info = binding("4", "1", value.constData(), mode.constData());
        QCOMPARE(onboardMacroText(&store, path, info), text);
        QCOMPARE(onboardKeyCaption(info, 1, keyNames(), &store, path), text);
    }

    // Another key: the target's name; the Windows key reads "Com" in the Mac
    // configuration only; Fn and FN1 have their own names.
    void keyCaption_data()
    {
        QTest::addColumn<QByteArray>("keyCode");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("config");
        QTest::addColumn<QString>("text");
        QTest::newRow("remap") << QByteArray("4") << QByteArray("0") << QByteArray("41") << 1 << "Esc";
        QTest::newRow("win") << QByteArray("4") << QByteArray("0") << QByteArray("227") << 1 << "L-Win";
        QTest::newRow("win on mac") << QByteArray("4") << QByteArray("0") << QByteArray("227") << 2 << "L-Com";
        QTest::newRow("bare win on mac") << QByteArray("4") << QByteArray("0") << QByteArray("231") << 2 << "Com";
        QTest::newRow("fn") << QByteArray("-10") << QByteArray("0") << QByteArray("-10") << 2 << "Fn";
        QTest::newRow("fn1") << QByteArray("-10") << QByteArray("0") << QByteArray("-20") << 1 << "FN1";
        QTest::newRow("unnamed target") << QByteArray("4") << QByteArray("0") << QByteArray("250") << 1 << "";
        QTest::newRow("combination") << QByteArray("38") << QByteArray("2") << QByteArray("2,38") << 1 << "L_SHIFT+9(";
        QTest::newRow("no binding") << QByteArray("-1") << QByteArray("0") << QByteArray("41") << 1 << "";
        QTest::newRow("disabled") << QByteArray("4") << QByteArray("5") << QByteArray("0") << 1 << "";
        QTest::newRow("text") << QByteArray("4") << QByteArray("6") << QByteArray("hello") << 1 << "";
    }
    void keyCaption()
    {
        QFETCH(QByteArray, keyCode);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, value);
        QFETCH(int, config);
        QFETCH(QString, text);
        const customKeyInfo info = binding(keyCode.constData(), type.constData(), value.constData());
        QCOMPARE(onboardKeyCaption(info, config, keyNames(), nullptr, QString()), text);
    }
};

QTEST_GUILESS_MAIN(tst_OnboardBindingTexts)
#include "tst_onboardbindingtexts.moc"
