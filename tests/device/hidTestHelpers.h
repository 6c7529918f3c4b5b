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

#include "MainHidInterFace.h"

#include <mutex>
#include <vector>

// Collects what a transport's thread emits, through queued calls on the
// collector's own thread: a direct call would run on the transport thread a
// slot that connect() published behind Qt's locks, which ThreadSanitizer
// cannot see. Wait with event processing (QTRY_...) before reading.
class TransportSignals : public QObject
{
public:
    struct Report
    {
        QByteArray bytes;
        int length = 0;
        int deviceIndex = 0;
    };
    struct Serial
    {
        MainHidInterFace *transport = nullptr;
        QByteArray bytes;
        QString name;
    };

    explicit TransportSignals(MainHidInterFace *transport)
    {
        connect(transport, &MainHidInterFace::sigHidDataArrived, this,
                [this](const QByteArray &r, int n, int index) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_reports.push_back({r, n, index});
                },
                Qt::QueuedConnection);
        connect(transport, &MainHidInterFace::sigHidSnGetOver, this,
                [this](MainHidInterFace *t, const QByteArray &r, const QString &name) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_serials.push_back({t, r, name});
                },
                Qt::QueuedConnection);
        connect(transport, &MainHidInterFace::sigHidWriteErrorInfo, this,
                [this](const QString &text) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_errors.push_back(text);
                },
                Qt::QueuedConnection);
    }

    std::vector<Report> reports() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_reports;
    }
    std::vector<Serial> serials() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_serials;
    }
    std::vector<QString> errors() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_errors;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Report> m_reports;
    std::vector<Serial> m_serials;
    std::vector<QString> m_errors;
};
