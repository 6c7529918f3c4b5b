#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DTipInfoDia.h"
#include "QtLinguist.h"
#include "promptCaller.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

enum class Ending { CloseButton, Save, Discard, Escape, WindowManagerClose };

// Ends the shown prompt the way a user would.
void end(DTipInfoDia *prompt, Ending ending)
{
    auto click = [prompt](const char *name) {
        QTest::mouseClick(prompt->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    };
    switch (ending) {
    case Ending::CloseButton:
        click("pushButton_Close");
        break;
    case Ending::Save:
        click("pushButton_SaveChanged");
        break;
    case Ending::Discard:
        click("pushButton_Discard");
        break;
    case Ending::Escape:
        QTest::keyClick(prompt, Qt::Key_Escape);
        break;
    case Ending::WindowManagerClose: {
        QCloseEvent event;
        QCoreApplication::sendEvent(prompt, &event);
        break;
    }
    }
}

// Marks every text of the prompt's context, as another language would.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DTipInfoDia") != 0)
            return QString();
        return QStringLiteral("<<%1>>").arg(QString::fromUtf8(sourceText));
    }
};

struct Shown
{
    bool visible = false;
    QPoint pos;
    Qt::WindowModality modality = Qt::NonModal;
    bool overlayVisible = false;
};

} // namespace

Q_DECLARE_METATYPE(Ending)

class tst_TipInfoDia : public QObject
{
    Q_OBJECT

private slots:
    void formSizeAndFlags();
    void endings_data();
    void endings();
    void answerIsClearedBetweenShowings();
    void textsFollowLanguageAtUpdateTheme();
    void builtTranslations_data();
    void builtTranslations();
};

void tst_TipInfoDia::formSizeAndFlags()
{
    DTipInfoDia prompt;
    QCOMPARE(prompt.size(), QSize(450, 180));
    QCOMPARE(prompt.minimumSize(), QSize(450, 180));
    QCOMPARE(prompt.maximumSize(), QSize(450, 180));
    QVERIFY((prompt.windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
    QVERIFY(prompt.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(prompt.objectName(), QStringLiteral("DTipInfoDia"));
    QCOMPARE(prompt.answer(), 0);
}

void tst_TipInfoDia::endings_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("answer");
    QTest::newRow("close button") << Ending::CloseButton << 0;
    QTest::newRow("save") << Ending::Save << 1;
    QTest::newRow("discard") << Ending::Discard << 2;
    QTest::newRow("escape") << Ending::Escape << 0;
    QTest::newRow("window manager close") << Ending::WindowManagerClose << 0;
}

void tst_TipInfoDia::endings()
{
    QFETCH(Ending, ending);
    QFETCH(int, answer);

    PromptCaller caller;
    caller.mainWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(caller.mainWindow()));
    DTipInfoDia *prompt = caller.prompt();

    // The answer as the overlay's slot sees it, at each close signal.
    QList<int> answersAtSignal;
    connect(prompt, &DTipInfoDia::sigTipInfoDiaClose, this,
            [&] { answersAtSignal << prompt->answer(); });

    Shown shown;
    const int result = caller.ask([&] {
        shown.visible = prompt->isVisible();
        shown.pos = prompt->pos();
        shown.modality = prompt->windowModality();
        shown.overlayVisible = caller.overlay()->isVisible();
        end(prompt, ending);
    });

    QVERIFY(!caller.timedOut());
    QVERIFY(shown.visible);
    QVERIFY(shown.overlayVisible);
    QCOMPARE(shown.modality, Qt::WindowModal);
    // Centred on the main window (at 60, 40, 900 x 600), not on the screen.
    QCOMPARE(shown.pos, QPoint(60 + (900 - 450) / 2, 40 + (600 - 180) / 2));

    QCOMPARE(result, answer);
    QCOMPARE(answersAtSignal, QList<int>{0});
    QVERIFY(!prompt->isVisible());
    QVERIFY(!caller.overlay()->isVisible());
}

void tst_TipInfoDia::answerIsClearedBetweenShowings()
{
    PromptCaller caller;
    caller.mainWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(caller.mainWindow()));
    DTipInfoDia *prompt = caller.prompt();
    QSignalSpy closes(prompt, &DTipInfoDia::sigTipInfoDiaClose);

    const QList<QPair<Ending, int>> sequence = {
        {Ending::Save, 1}, {Ending::Discard, 2}, {Ending::Save, 1}, {Ending::Escape, 0},
        {Ending::Discard, 2}, {Ending::WindowManagerClose, 0}, {Ending::CloseButton, 0},
    };
    for (const auto &step : sequence) {
        closes.clear();
        QCOMPARE(caller.ask([&] { end(prompt, step.first); }), step.second);
        QVERIFY(!caller.timedOut());
        QCOMPARE(closes.count(), 1);
        QVERIFY(!caller.overlay()->isVisible());
        // Hidden between showings, the prompt keeps its last answer.
        QCOMPARE(prompt->answer(), step.second);
    }
}

void tst_TipInfoDia::textsFollowLanguageAtUpdateTheme()
{
    DTipInfoDia prompt;
    prompt.updateTheme();
    auto text = [&prompt](const char *name) -> QString {
        if (auto *label = prompt.findChild<QLabel *>(QLatin1String(name)))
            return label->text();
        return prompt.findChild<QPushButton *>(QLatin1String(name))->text();
    };
    const QStringList names = {"label_Title", "label_TipMessage", "pushButton_SaveChanged", "pushButton_Discard"};
    const QStringList english = {"Tip", "Do you want to save the current light mode to the device?", "Save", "Discard"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(qPrintable(names.at(i))), english.at(i));

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    prompt.updateTheme();
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(qPrintable(names.at(i))), QStringLiteral("<<%1>>").arg(english.at(i)));

    QCoreApplication::removeTranslator(&translator);
    prompt.updateTheme();
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(qPrintable(names.at(i))), english.at(i));
}

void tst_TipInfoDia::builtTranslations_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("rowName");
    QTest::newRow("English") << int(QtLinguist::English) << "Save" << "Custom Light Item";
    QTest::newRow("French") << int(QtLinguist::French) << "Enregistrer" << QStringLiteral("Éclairage personnalisé");
    QTest::newRow("German") << int(QtLinguist::German) << "Speichern" << "Benutzerdefinierte Beleuchtung";
    QTest::newRow("Zh_SM") << int(QtLinguist::Zh_SM) << QStringLiteral("保存") << QStringLiteral("自定义灯光");
    QTest::newRow("Arabic") << int(QtLinguist::Arabic) << QStringLiteral("حفظ") << QStringLiteral("عنصر إضاءة مخصصة");
}

// The compiled language files carry both widgets' texts in their contexts.
void tst_TipInfoDia::builtTranslations()
{
    QFETCH(int, language);
    QFETCH(QString, save);
    QFETCH(QString, rowName);

    QtLinguist linguist;
    linguist.setTranslationDir(qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation"));
    QVERIFY(linguist.setLanguage(language));

    DTipInfoDia prompt;
    prompt.updateTheme();
    QCOMPARE(prompt.findChild<QPushButton *>(QStringLiteral("pushButton_SaveChanged"))->text(), save);
    DCustomLightListItem row;
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_CustomItemName"))->text(), rowName);
}

QTEST_MAIN(tst_TipInfoDia)
#include "tst_tipinfodia.moc"
