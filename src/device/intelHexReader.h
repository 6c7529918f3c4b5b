#pragma once

// The Intel HEX reader of the firmware images. It checks every record and
// refuses a file with a bad character, a wrong record length, a bad checksum,
// an unknown record type, data outside the image, no data or no end record,
// or more text than an image can need; the result names the line and the
// reason. Extended segment (type 2) and linear (type 4) addresses are applied;
// start addresses (types 3 and 5) are read and ignored. Digits may be upper or
// lower case; lines end in LF or CR LF; empty lines are skipped; nothing after
// the end record is read.

#include <QByteArray>
#include <QString>

class QIODevice;

enum class IntelHexError {
    None,
    FileTooLarge,
    ReadFailed,
    BadCharacter,
    WrongLength,
    BadChecksum,
    UnknownType,
    OutOfRange,
    NoData,
    NoEndRecord,
};

struct IntelHexResult
{
    IntelHexError error = IntelHexError::None;
    int line = 0;      // 1-based line of the fault; 0 when it concerns the whole file
    int dataBytes = 0; // data bytes stored (counted again where records overlap)

    bool ok() const { return error == IntelHexError::None; }
    // "line 12: bad checksum", for debug lines and the log.
    QString reason() const;
};

// More text than the largest image written one byte per record needs.
constexpr qint64 kIntelHexMaxFileSize = 2 * 1024 * 1024;

// 0 to 15 for "0"-"9", "A"-"F", "a"-"f"; -1 for any other character.
int hexCharValue(char c);
// The byte two digits form, the first the high one; -1 when either is no digit.
int readHexByte(const char *twoDigits);

// Reads the records into buffer[0..bufferSize). Bytes no record covers keep
// their value (callers zero the buffer first). On failure the buffer holds
// part of the image and must not be used.
IntelHexResult readIntelHex(const QByteArray &text, unsigned char *buffer, int bufferSize);
// The same from an open file, refusing one larger than kIntelHexMaxFileSize.
IntelHexResult readIntelHex(QIODevice &file, unsigned char *buffer, int bufferSize);
