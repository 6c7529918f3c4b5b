#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>

#include <functional>
#include <mutex>

// The daily log: one file per start day in the log folder, named
// "<y>-<m>-<d>_Log.txt" (no leading zeros), each line
// "<y>-<m>-<d> hh:mm:ss__<text>\n". Lines are written whole, one write call
// each, under one lock, and reach the file at once so that the lines before a
// crash survive.
class LogCollectClass : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    static constexpr int OpenFailed = 201;

    explicit LogCollectClass(QObject *parent = nullptr);

    // With enable true: opens today's file in the folder for appending; on
    // failure prints a line to the standard output, returns OpenFailed and
    // leaves the log off. With enable false: leaves the log off. Returns 0
    // otherwise.
    int openLogFile(const QString &folder, bool enable);

    // Appends one line; does nothing while the log is off. Safe from any thread.
    void writeLog(const QByteArray &text);

    bool isEnabled() const;
    QString filePath() const;

    // Replaces the local clock (tests); set it before openLogFile.
    void setClock(Clock clock);

    static QString fileNameFor(const QDate &date);
    static QByteArray linePrefixFor(const QDateTime &time);

private:
    mutable std::mutex m_mutex; // a pthread mutex, which ThreadSanitizer follows
    Clock m_clock;
    QFile m_file;
    bool m_enabled = false;
};
