#include "AutoStartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString applicationName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("velmora") : name;
}

// Quotes one argument by the Desktop Entry rules: inside double quotes,
// '"', '`', '$' and '\' take a backslash.
QString quoteArgument(const QString &arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = arg.isEmpty();
    for (const QChar c : arg)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return arg;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// The value of a string key: a backslash is written twice, and a field code
// '%' is written "%%" in Exec.
QString escapeValue(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('%'), QStringLiteral("%%"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return value;
}

} // namespace

QString AutoStartEntry::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
        + applicationName() + QStringLiteral(".desktop");
}

bool AutoStartEntry::isInstalled()
{
    return QFileInfo::exists(filePath());
}

QString AutoStartEntry::execLine(const QString &program)
{
    return quoteArgument(program) + QLatin1Char(' ') + QLatin1String(AutoUpArgument);
}

QByteArray AutoStartEntry::desktopEntry(const QString &program)
{
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=") + escapeValue(applicationName()) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + escapeValue(execLine(program)) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool AutoStartEntry::install(const QString &program)
{
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(desktopEntry(program));
    return file.commit();
}

bool AutoStartEntry::remove()
{
    const QString path = filePath();
    return !QFileInfo::exists(path) || QFile::remove(path);
}
