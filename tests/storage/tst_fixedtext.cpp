#include "FixedText.h"

#include <QtTest>

class tst_FixedText : public QObject
{
    Q_OBJECT

private slots:
    void copy_data();
    void copy();
    void terminatesAndClearsTail();
};

void tst_FixedText::copy_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("expected");

    // Field of 8 bytes: at most 7 bytes of text.
    QTest::newRow("fits") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("exactly 7") << QByteArray("abcdefg") << QByteArray("abcdefg");
    QTest::newRow("cut ascii") << QByteArray("abcdefghij") << QByteArray("abcdefg");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    // "abcde" + U+00E9 (2 bytes) = 7 bytes: fits.
    QTest::newRow("2-byte char at end fits") << QByteArray("abcde\xC3\xA9") << QByteArray("abcde\xC3\xA9");
    // "abcdef" + U+00E9 would need 8 bytes: the whole character is dropped.
    QTest::newRow("2-byte char cut") << QByteArray("abcdef\xC3\xA9") << QByteArray("abcdef");
    // "ab" + two 3-byte characters (U+4E2D) = 8 bytes: the second goes.
    QTest::newRow("3-byte char cut") << QByteArray("ab\xE4\xB8\xAD\xE4\xB8\xAD") << QByteArray("ab\xE4\xB8\xAD");
    // A 4-byte character starting at byte 4 does not fit in 7.
    QTest::newRow("4-byte char cut") << QByteArray("abcd\xF0\x9F\x98\x80") << QByteArray("abcd");
}

void tst_FixedText::copy()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, expected);
    char field[8];
    fixedTextCopy(field, source);
    QCOMPARE(QByteArray(field), expected);
    QVERIFY(QString::fromUtf8(field).toUtf8() == expected); // valid UTF-8
}

void tst_FixedText::terminatesAndClearsTail()
{
    struct
    {
        char field[8];
        char guard[4];
    } record;
    std::memset(&record, 'x', sizeof record);
    fixedTextCopy(record.field, QByteArray("0123456789"));
    QCOMPARE(record.field[7], '\0');
    QCOMPARE(QByteArray(record.guard, 4), QByteArray("xxxx"));

    std::memset(&record, 'x', sizeof record);
    fixedTextCopy(record.field, "ab");
    for (int i = 2; i < 8; ++i)
        QCOMPARE(record.field[i], '\0');
    QCOMPARE(fixedText(record.field), QStringLiteral("ab"));
}

QTEST_APPLESS_MAIN(tst_FixedText)
#include "tst_fixedtext.moc"
