#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstring>

// Records that cross components hold their texts in fixed, zero-terminated
// char arrays. Every copy into one goes through fixedTextCopy: it never writes
// past the field, never cuts a UTF-8 character in half, and always terminates.

// Length of the longest prefix of text[0..len) that fits limit bytes and ends on
// a UTF-8 character boundary.
inline std::size_t fixedTextFitLength(const char *text, std::size_t len, std::size_t limit)
{
    if (len <= limit)
        return len;
    std::size_t cut = limit;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

inline void fixedTextCopy(char *dst, std::size_t capacity, const char *src, std::size_t len)
{
    if (capacity == 0)
        return;
    const std::size_t n = src ? fixedTextFitLength(src, len, capacity - 1) : 0;
    if (n > 0)
        std::memcpy(dst, src, n);
    std::memset(dst + n, 0, capacity - n);
}

template <std::size_t N>
inline void fixedTextCopy(char (&dst)[N], const char *src)
{
    fixedTextCopy(dst, N, src, src ? std::strlen(src) : 0);
}

template <std::size_t N>
inline void fixedTextCopy(char (&dst)[N], const QByteArray &src)
{
    fixedTextCopy(dst, N, src.constData(), static_cast<std::size_t>(src.size()));
}

template <std::size_t N>
inline void fixedTextCopy(char (&dst)[N], const QString &src)
{
    fixedTextCopy(dst, src.toUtf8());
}

// The text of a field, read up to its terminator or its end.
template <std::size_t N>
inline QString fixedText(const char (&field)[N])
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, N)));
}
