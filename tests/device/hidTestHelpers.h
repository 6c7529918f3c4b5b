#pragma once

#include "hidReportData.h"

#include <QByteArray>
#include <QtTest>

// Readable failure messages for reports: hexadecimal bytes, trailing zeros cut.
namespace QTest {
template <>
inline char *toString(const hidReportData &report)
{
    int end = kHidReportSize;
    while (end > 0 && report[end - 1] == 0)
        --end;
    const QByteArray hex = QByteArray(reinterpret_cast<const char *>(report.data()), end).toHex(' ');
    return qstrdup(hex.isEmpty() ? "(zeros)" : hex.constData());
}
} // namespace QTest

// A report from its leading bytes, the rest zero.
inline hidReportData reportOf(std::initializer_list<int> bytes)
{
    hidReportData report{};
    int i = 0;
    for (int b : bytes) {
        if (i < kHidReportSize)
            report[i++] = static_cast<unsigned char>(b);
    }
    return report;
}
