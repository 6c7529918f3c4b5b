#include "intelHexReader.h"

#include <QIODevice>

namespace {

enum RecordType {
    Data = 0,
    EndOfFile = 1,
    ExtendedSegmentAddress = 2,
    StartSegmentAddress = 3,
    ExtendedLinearAddress = 4,
    StartLinearAddress = 5,
};

// count, address high, address low, type, then the data, then the checksum.
constexpr int kRecordOverhead = 5;
constexpr int kMaxRecordBytes = 255 + kRecordOverhead;

IntelHexResult failure(IntelHexError error, int line)
{
    IntelHexResult result;
    result.error = error;
    result.line = line;
    return result;
}

// The byte count a record type must carry; -1 for any count.
int requiredCount(int type)
{
    switch (type) {
    case EndOfFile:
        return 0;
    case ExtendedSegmentAddress:
    case ExtendedLinearAddress:
        return 2;
    case StartSegmentAddress:
    case StartLinearAddress:
        return 4;
    default:
        return -1;
    }
}

} // namespace

QString IntelHexResult::reason() const
{
    QString text;
    switch (error) {
    case IntelHexError::None:
        return QStringLiteral("ok");
    case IntelHexError::FileTooLarge:
        text = QStringLiteral("file too large");
        break;
    case IntelHexError::ReadFailed:
        text = QStringLiteral("file cannot be read");
        break;
    case IntelHexError::BadCharacter:
        text = QStringLiteral("character that is no hexadecimal digit");
        break;
    case IntelHexError::WrongLength:
        text = QStringLiteral("record length does not match its byte count");
        break;
    case IntelHexError::BadChecksum:
        text = QStringLiteral("bad checksum");
        break;
    case IntelHexError::UnknownType:
        text = QStringLiteral("unknown record type");
        break;
    case IntelHexError::OutOfRange:
        text = QStringLiteral("data outside the image");
        break;
    case IntelHexError::NoData:
        text = QStringLiteral("no data record");
        break;
    case IntelHexError::NoEndRecord:
        text = QStringLiteral("no end record");
        break;
    }
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(text) : text;
}

namespace {

// Digit values by character, -1 for the rest: the reader looks up every
// character of an image (the check reads one after every scan).
struct HexDigitTable
{
    signed char value[256];
    constexpr HexDigitTable() : value()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = -1;
        for (int c = '0'; c <= '9'; ++c)
            value[c] = static_cast<signed char>(c - '0');
        for (int c = 'A'; c <= 'F'; ++c)
            value[c] = static_cast<signed char>(c - 'A' + 10);
        for (int c = 'a'; c <= 'f'; ++c)
            value[c] = static_cast<signed char>(c - 'a' + 10);
    }
};

constexpr HexDigitTable kHexDigits;

} // namespace

int hexCharValue(char c) { return kHexDigits.value[static_cast<unsigned char>(c)]; }

int readHexByte(const char *twoDigits)
{
    const int high = hexCharValue(twoDigits[0]);
    const int low = high < 0 ? -1 : hexCharValue(twoDigits[1]);
    return low < 0 ? -1 : high * 16 + low;
}

IntelHexResult readIntelHex(const QByteArray &text, unsigned char *buffer, int bufferSize)
{
    if (text.size() > kIntelHexMaxFileSize)
        return failure(IntelHexError::FileTooLarge, 0);
    IntelHexResult result;
    const char *const data = text.constData();
    const int size = text.size();
    qint64 base = 0; // from the extended address records
    int line = 0;
    int pos = 0;
    bool ended = false;
    unsigned char bytes[kMaxRecordBytes];
    while (pos < size && !ended) {
        ++line;
        int end = pos;
        while (end < size && data[end] != '\n')
            ++end;
        const int next = end + 1;
        if (end > pos && data[end - 1] == '\r')
            --end;
        if (end == pos) {
            pos = next;
            continue;
        }
        if (data[pos] != ':')
            return failure(IntelHexError::BadCharacter, line);
        const int digits = end - pos - 1;
        for (int i = pos + 1; i < end; ++i) {
            if (hexCharValue(data[i]) < 0)
                return failure(IntelHexError::BadCharacter, line);
        }
        if (digits % 2 != 0 || digits / 2 < kRecordOverhead || digits / 2 > kMaxRecordBytes)
            return failure(IntelHexError::WrongLength, line);
        const int byteCount = digits / 2;
        unsigned sum = 0;
        for (int i = 0; i < byteCount; ++i) {
            bytes[i] = static_cast<unsigned char>(readHexByte(data + pos + 1 + 2 * i));
            sum += bytes[i];
        }
        const int count = bytes[0];
        if (count != byteCount - kRecordOverhead)
            return failure(IntelHexError::WrongLength, line);
        if ((sum & 0xFF) != 0)
            return failure(IntelHexError::BadChecksum, line);
        const int offset = bytes[1] * 256 + bytes[2];
        const int type = bytes[3];
        const unsigned char *payload = bytes + 4;
        if (type > StartLinearAddress)
            return failure(IntelHexError::UnknownType, line);
        const int required = requiredCount(type);
        if (required >= 0 && count != required)
            return failure(IntelHexError::WrongLength, line);
        switch (type) {
        case Data: {
            const qint64 address = base + offset;
            if (address + count > bufferSize)
                return failure(IntelHexError::OutOfRange, line);
            for (int i = 0; i < count; ++i)
                buffer[address + i] = payload[i];
            result.dataBytes += count;
            break;
        }
        case EndOfFile:
            ended = true;
            break;
        case ExtendedSegmentAddress:
            base = static_cast<qint64>(payload[0] * 256 + payload[1]) * 16;
            break;
        case ExtendedLinearAddress:
            base = static_cast<qint64>(payload[0] * 256 + payload[1]) << 16;
            break;
        default: // start addresses: nothing to load
            break;
        }
        pos = next;
    }
    if (!ended)
        return failure(IntelHexError::NoEndRecord, 0);
    if (result.dataBytes == 0)
        return failure(IntelHexError::NoData, 0);
    return result;
}

IntelHexResult readIntelHex(QIODevice &file, unsigned char *buffer, int bufferSize)
{
    if (!file.isReadable())
        return failure(IntelHexError::ReadFailed, 0);
    const QByteArray text = file.read(kIntelHexMaxFileSize + 1);
    if (text.size() > kIntelHexMaxFileSize)
        return failure(IntelHexError::FileTooLarge, 0);
    return readIntelHex(text, buffer, bufferSize);
}
