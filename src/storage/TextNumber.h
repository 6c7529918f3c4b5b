#pragma once

#include <climits>
#include <cstdint>

// The store's text-to-integer rule: leading blanks skipped, an optional sign,
// then decimal digits up to the first other character. A text that does not
// start with a digit reads 0 ("" and "abc" read 0, "12px" reads 12). Values
// beyond the 32-bit range are clamped instead of overflowing.
inline int32_t textToInt(const char *text)
{
    if (!text)
        return 0;
    const char *p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = (*p++ == '-');
    int64_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > int64_t(INT32_MAX) + 1)
            value = int64_t(INT32_MAX) + 1; // keep going to the end, clamped
    }
    if (negative)
        return value > INT32_MAX ? INT32_MIN : static_cast<int32_t>(-value);
    return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}
