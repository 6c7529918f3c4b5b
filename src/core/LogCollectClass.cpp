#include "LogCollectClass.h"

#include <QDir>

#include <cstdio>

namespace {

QString dateText(const QDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
}

} // namespace

LogCollectClass::LogCollectClass(QObject *parent)
    : QObject(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
}

QString LogCollectClass::fileNameFor(const QDate &date)
{
    return dateText(date) + QStringLiteral("_Log.txt");
}

QByteArray LogCollectClass::linePrefixFor(const QDateTime &time)
{
    return (dateText(time.date()) + QLatin1Char(' ') + time.time().toString(QStringLiteral("hh:mm:ss"))
            + QStringLiteral("__"))
        .toLocal8Bit();
}

int LogCollectClass::openLogFile(const QString &folder, bool enable)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file.isOpen())
        m_file.close();
    m_enabled = false;
    if (!enable)
        return 0;

    m_file.setFileName(QDir(folder).filePath(fileNameFor(m_clock().date())));
    // Unbuffered: every line goes to the file with one write, so nothing is
    // lost when the process dies and appends from other processes never split a line.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        std::fputs("The file can not be opened.\n", stdout);
        std::fflush(stdout);
        return OpenFailed;
    }
    m_enabled = true;
    return 0;
}

void LogCollectClass::writeLog(const QByteArray &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_enabled || !m_file.isOpen())
        return;
    QByteArray line = linePrefixFor(m_clock());
    line.reserve(line.size() + text.size() + 1);
    line += text;
    line += '\n';
    m_file.write(line);
}

bool LogCollectClass::isEnabled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_enabled;
}

QString LogCollectClass::filePath() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_file.fileName();
}

void LogCollectClass::setClock(Clock clock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock = std::move(clock);
}
