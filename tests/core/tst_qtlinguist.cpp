#include "QtLinguist.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString crashTitle()
{
    return QCoreApplication::translate("CrashHandler", "Exe Crash");
}

} // namespace

class tst_QtLinguist : public QObject
{
    Q_OBJECT

private:
    QString m_translations = qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation");

private slots:
    void languageMap()
    {
        QtLinguist linguist;
        const QMap<int, QString> map = linguist.languageMap();
        QCOMPARE(map.size(), 13);
        const QStringList files = {"Zh_SM.qm", "Zh_TR.qm", "English.qm", "Japanese.qm", "Korean.qm",
                                   "Russian.qm", "Arabic.qm", "Spanish.qm", "Portugal.qm", "German.qm",
                                   "Italian.qm", "Polish.qm", "French.qm"};
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(map.value(i + 1), files.at(i));
        QCOMPARE(linguist.translationDir(), QCoreApplication::applicationDirPath() + "/translation");
    }

    void languageForLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        QTest::newRow("China") << "zh_CN" << 1;
        QTest::newRow("Taiwan") << "zh_TW" << 2;
        QTest::newRow("Hong Kong") << "zh_HK" << 2;
        QTest::newRow("English") << "en_GB" << 3;
        QTest::newRow("Japanese") << "ja_JP" << 4;
        QTest::newRow("Korean") << "ko_KR" << 5;
        QTest::newRow("Russian") << "ru_RU" << 6;
        QTest::newRow("Arabic") << "ar_EG" << 7;
        QTest::newRow("Spanish") << "es_MX" << 8;
        QTest::newRow("Portuguese") << "pt_BR" << 9;
        QTest::newRow("German") << "de_AT" << 10;
        QTest::newRow("Italian") << "it_IT" << 11;
        QTest::newRow("Polish") << "pl_PL" << 12;
        QTest::newRow("French") << "fr_CA" << 13;
        QTest::newRow("Dutch falls back to English") << "nl_NL" << 3;
        QTest::newRow("C locale") << "C" << 3;
    }

    void languageForLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, language);
        QCOMPARE(QtLinguist::languageForLocale(QLocale(locale)), language);
    }

    void unknownValuesChangeNothing_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("14") << 14;
        QTest::newRow("100") << 100;
    }

    void unknownValuesChangeNothing()
    {
        QFETCH(int, value);
        QtLinguist linguist;
        linguist.setTranslationDir(m_translations);
        QVERIFY(linguist.setLanguage(10));
        QVERIFY(!linguist.setLanguage(value));
        QCOMPARE(crashTitle(), QStringLiteral("Programmabsturz")); // German stays
    }

    void switchingReplacesTexts()
    {
        QtLinguist linguist;
        linguist.setTranslationDir(m_translations);
        QCOMPARE(crashTitle(), QStringLiteral("Exe Crash"));
        QVERIFY(linguist.setLanguage(QtLinguist::French));
        QCOMPARE(crashTitle(), QStringLiteral("Plantage du programme"));
        QVERIFY(linguist.setLanguage(QtLinguist::Zh_SM));
        QCOMPARE(crashTitle(), QStringLiteral("程序崩溃"));
    }

    void everyLanguageLoads()
    {
        QtLinguist linguist;
        linguist.setTranslationDir(m_translations);
        for (int value : linguist.languageMap().keys())
            QVERIFY2(linguist.setLanguage(value), qPrintable(linguist.languageMap().value(value)));
    }

    void missingFileLeavesSourceTexts()
    {
        QTemporaryDir empty;
        QtLinguist linguist;
        linguist.setTranslationDir(m_translations);
        QVERIFY(linguist.setLanguage(QtLinguist::German));
        linguist.setTranslationDir(empty.path());
        QVERIFY(!linguist.setLanguage(QtLinguist::Italian));
        QCOMPARE(crashTitle(), QStringLiteral("Exe Crash"));
    }
};

QTEST_GUILESS_MAIN(tst_QtLinguist)
#include "tst_qtlinguist.moc"
