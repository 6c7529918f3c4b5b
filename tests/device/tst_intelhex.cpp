#include "intelHexReader.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(IntelHexError)

namespace {

// ":" count, address, type, data, checksum, in upper case.
QByteArray record(int type, int address, const QByteArray &data)
{
    QByteArray body;
    body.append(static_cast<char>(data.size()));
    body.append(static_cast<char>((address >> 8) & 0xFF));
    body.append(static_cast<char>(address & 0xFF));
    body.append(static_cast<char>(type));
    body.append(data);
    unsigned sum = 0;
    for (char c : body)
        sum += static_cast<unsigned char>(c);
    body.append(static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF));
    return ':' + body.toHex().toUpper() + '\n';
}

const QByteArray kEnd = ":00000001FF\n";

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

struct Read
{
    IntelHexResult result;
    QByteArray buffer;
};

Read readText(const QByteArray &text, int size = 64)
{
    Read r;
    r.buffer = QByteArray(size, '\0');
    r.result = readIntelHex(text, reinterpret_cast<unsigned char *>(r.buffer.data()), size);
    return r;
}

// A small image over 64 bytes: an upper address 0, three data records, a
// start address, the end.
QByteArray smallImage()
{
    return record(4, 0, bytes({0, 0})) + record(0, 0x00, QByteArray::fromHex("00112233445566778899AABBCCDDEEFF"))
        + record(0, 0x10, QByteArray::fromHex("0123456789ABCDEF")) + record(0, 0x30, QByteArray::fromHex("12ED"))
        + record(5, 0, bytes({0, 0, 0, 0})) + kEnd;
}

} // namespace

// The validating Intel HEX reader of the firmware images.
class tst_IntelHex : public QObject
{
    Q_OBJECT

private slots:
    void digits_data();
    void digits();
    void brokenFiles_data();
    void brokenFiles();
    void acceptedForms_data();
    void acceptedForms();
    void extendedAddressesApply();
    void readsFromFile();
    void everySingleCharacterFaultIsCaught();
};

void tst_IntelHex::digits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("00") << QByteArray("00") << 0;
    QTest::newRow("0A") << QByteArray("0A") << 10;
    QTest::newRow("a0 lower case") << QByteArray("a0") << 0xA0;
    QTest::newRow("FF") << QByteArray("FF") << 255;
    QTest::newRow("fF mixed") << QByteArray("fF") << 255;
    QTest::newRow("G0 no digit") << QByteArray("G0") << -1;
    QTest::newRow("0 and blank") << QByteArray("0 ") << -1;
    QTest::newRow("colon") << QByteArray(":0") << -1;
}

void tst_IntelHex::digits()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(readHexByte(text.constData()), value);
}

void tst_IntelHex::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<IntelHexError>("error");
    QTest::addColumn<int>("line");

    const QByteArray data = record(0, 0, QByteArray::fromHex("0102030405060708"));
    QByteArray badSum = data;
    badSum[badSum.size() - 2] = badSum.at(badSum.size() - 2) == '0' ? '1' : '0';
    QTest::newRow("bad checksum") << data + badSum + kEnd << 64 << IntelHexError::BadChecksum << 2;
    QTest::newRow("unknown character G") << QByteArray(":0100000G00FF\n") + kEnd << 64 << IntelHexError::BadCharacter << 1;
    QTest::newRow("blank inside a record") << QByteArray(":01000000 11EE\n") + kEnd << 64 << IntelHexError::BadCharacter
                                           << 1;
    QTest::newRow("line without colon") << data + "0100000011EE\n" + kEnd << 64 << IntelHexError::BadCharacter << 2;
    QTest::newRow("two records on a line") << data.trimmed() + data + kEnd << 64 << IntelHexError::BadCharacter << 1;
    QTest::newRow("odd digit count") << QByteArray(":010000001\n") + kEnd << 64 << IntelHexError::WrongLength << 1;
    QTest::newRow("count larger than the data") << QByteArray(":0200000011ED\n") + kEnd << 64
                                                << IntelHexError::WrongLength << 1;
    QTest::newRow("count smaller than the data") << QByteArray(":00000000110000EF\n") + kEnd << 64
                                                 << IntelHexError::WrongLength << 1;
    QTest::newRow("too short for a record") << QByteArray(":0000\n") + kEnd << 64 << IntelHexError::WrongLength << 1;
    QTest::newRow("end record with data") << data + record(1, 0, bytes({0})) << 64 << IntelHexError::WrongLength
                                          << 2;
    QTest::newRow("type 4 with three bytes") << record(4, 0, bytes({0, 0, 0})) + data + kEnd << 64
                                             << IntelHexError::WrongLength << 1;
    QTest::newRow("type 5 with two bytes") << data + record(5, 0, bytes({0, 0})) + kEnd << 64
                                           << IntelHexError::WrongLength << 2;
    QTest::newRow("unknown type 6") << data + record(6, 0, bytes({1})) + kEnd << 64 << IntelHexError::UnknownType << 2;
    QTest::newRow("data past the end") << record(0, 60, bytes({1, 2, 3, 4, 5})) + kEnd << 64
                                       << IntelHexError::OutOfRange << 1;
    QTest::newRow("data past 64 KB in a small image") << record(0, 0xFFF0, bytes({1})) + kEnd << 0x8000
                                                      << IntelHexError::OutOfRange << 1;
    QTest::newRow("upper address 1 (type 4)") << record(4, 0, bytes({0, 1})) + data + kEnd << 0x10000
                                              << IntelHexError::OutOfRange << 2;
    QTest::newRow("segment 0x1000 (type 2)") << record(2, 0, bytes({0x10, 0x00})) + data + kEnd << 0x10000
                                             << IntelHexError::OutOfRange << 2;
    QTest::newRow("no end record") << data << 64 << IntelHexError::NoEndRecord << 0;
    QTest::newRow("end record with a bad checksum") << data + ":00000001FE\n" << 64 << IntelHexError::BadChecksum
                                                    << 2;
    QTest::newRow("no data") << record(4, 0, bytes({0, 0})) + kEnd << 64 << IntelHexError::NoData << 0;
    QTest::newRow("empty file") << QByteArray() << 64 << IntelHexError::NoEndRecord << 0;
    QTest::newRow("oversized file") << data + QByteArray(kIntelHexMaxFileSize, '\n') + kEnd << 64
                                    << IntelHexError::FileTooLarge << 0;
}

void tst_IntelHex::brokenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(int, size);
    QFETCH(IntelHexError, error);
    QFETCH(int, line);
    const Read r = readText(text, size);
    QCOMPARE(r.result.error, error);
    QCOMPARE(r.result.line, line);
    QVERIFY(!r.result.ok());
    QVERIFY(!r.result.reason().isEmpty());
    if (line > 0)
        QVERIFY2(r.result.reason().startsWith(QStringLiteral("line %1: ").arg(line)), qPrintable(r.result.reason()));
}

void tst_IntelHex::acceptedForms_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray plain = smallImage();
    QTest::newRow("upper case, LF") << plain;
    QTest::newRow("lower case") << plain.toLower();
    QByteArray crlf = plain;
    crlf.replace("\n", "\r\n");
    QTest::newRow("CR LF") << crlf;
    QByteArray blankLines = plain;
    blankLines.replace("\n", "\n\n");
    QTest::newRow("empty lines") << blankLines;
    QTest::newRow("no line end after the end record") << plain.left(plain.size() - 1);
    QTest::newRow("text after the end record") << plain + "anything\n";
    QByteArray withoutAddresses;
    for (const QByteArray &line : plain.split('\n')) {
        if (!line.startsWith(":02000004") && !line.startsWith(":04000005") && !line.isEmpty())
            withoutAddresses += line + '\n';
    }
    QTest::newRow("types 4 and 5 absent") << withoutAddresses;
}

void tst_IntelHex::acceptedForms()
{
    QFETCH(QByteArray, text);
    const Read r = readText(text);
    QVERIFY2(r.result.ok(), qPrintable(r.result.reason()));
    QCOMPARE(r.result.dataBytes, 26);
    QByteArray expected(64, '\0');
    expected.replace(0, 16, QByteArray::fromHex("00112233445566778899AABBCCDDEEFF"));
    expected.replace(0x10, 8, QByteArray::fromHex("0123456789ABCDEF"));
    expected.replace(0x30, 2, QByteArray::fromHex("12ED"));
    QCOMPARE(r.buffer.toHex(), expected.toHex());
}

void tst_IntelHex::extendedAddressesApply()
{
    // Segment 0x0100 and upper address 0 then 0: each moves the records after it.
    const QByteArray text = record(2, 0, bytes({0x01, 0x00})) + record(0, 0x0004, bytes({0xAA}))
        + record(4, 0, bytes({0, 0})) + record(0, 0x0004, bytes({0xBB})) + kEnd;
    const Read r = readText(text, 0x2000);
    QVERIFY2(r.result.ok(), qPrintable(r.result.reason()));
    QCOMPARE(static_cast<unsigned char>(r.buffer.at(0x1004)), 0xAA);
    QCOMPARE(static_cast<unsigned char>(r.buffer.at(0x0004)), 0xBB);
}

void tst_IntelHex::readsFromFile()
{
    QByteArray text = smallImage();
    QBuffer file(&text);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray buffer(64, '\0');
    QVERIFY(readIntelHex(file, reinterpret_cast<unsigned char *>(buffer.data()), 64).ok());
    QCOMPARE(buffer.left(2).toHex(), QByteArray("0011"));

    QByteArray big = smallImage() + QByteArray(kIntelHexMaxFileSize, '\n');
    QBuffer bigFile(&big);
    QVERIFY(bigFile.open(QIODevice::ReadOnly));
    QCOMPARE(readIntelHex(bigFile, reinterpret_cast<unsigned char *>(buffer.data()), 64).error,
             IntelHexError::FileTooLarge);

    QBuffer closed(&text);
    QCOMPARE(readIntelHex(closed, reinterpret_cast<unsigned char *>(buffer.data()), 64).error,
             IntelHexError::ReadFailed);
}

// Every deletion, substitution and duplication of one character of a valid
// image is refused or reads as the original bytes: nothing in between.
void tst_IntelHex::everySingleCharacterFaultIsCaught()
{
    const QByteArray original = smallImage();
    const Read good = readText(original);
    QVERIFY(good.result.ok());
    QRandomGenerator random(20261102);
    const QByteArray alphabet = QByteArray("0123456789ABCDEFabcdefGgXx:; \r\n\t") + QByteArray(1, '\0')
        + QByteArray(1, '\xFF');
    int refused = 0;
    int same = 0;
    auto check = [&](const QByteArray &mutated, const char *what, int position) {
        const Read r = readText(mutated);
        if (!r.result.ok()) {
            ++refused;
            return true;
        }
        if (r.buffer == good.buffer) {
            ++same;
            return true;
        }
        qWarning("%s at %d reads other bytes", what, position);
        return false;
    };
    for (int i = 0; i < original.size(); ++i) {
        QVERIFY(check(QByteArray(original).remove(i, 1), "deletion", i));
        QVERIFY(check(QByteArray(original).insert(i, original.at(i)), "duplication", i));
        for (int k = 0; k < 4; ++k) {
            QByteArray mutated = original;
            char c = original.at(i);
            while (c == original.at(i))
                c = alphabet.at(random.bounded(alphabet.size()));
            mutated[i] = c;
            QVERIFY(check(mutated, "substitution", i));
        }
    }
    QVERIFY(refused > 0);
    QVERIFY(same > 0); // lower case digits and the like
}

QTEST_GUILESS_MAIN(tst_IntelHex)
#include "tst_intelhex.moc"
