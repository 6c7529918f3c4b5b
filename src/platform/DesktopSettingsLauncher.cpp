#include "DesktopSettingsLauncher.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct SettingsProgram
{
    const char *program;
    const char *argument; // nullptr: none
};

struct DesktopSettings
{
    const char *desktop; // lower case, without "X-"
    SettingsProgram keyboard;
    SettingsProgram mouse;
};

// Debian 12's settings programs per desktop.
constexpr DesktopSettings kDesktops[] = {
    {"gnome", {"gnome-control-center", "keyboard"}, {"gnome-control-center", "mouse"}},
    {"kde", {"kcmshell5", "kcm_keyboard"}, {"kcmshell5", "kcm_mouse"}},
    {"xfce", {"xfce4-keyboard-settings", nullptr}, {"xfce4-mouse-settings", nullptr}},
    {"mate", {"mate-keyboard-properties", nullptr}, {"mate-mouse-properties", nullptr}},
    {"cinnamon", {"cinnamon-settings", "keyboard"}, {"cinnamon-settings", "mouse"}},
    {"lxqt", {"lxqt-config-input", nullptr}, {"lxqt-config-input", nullptr}},
};

QString desktopKey(QString name)
{
    name = name.trimmed().toLower();
    if (name.startsWith(QLatin1String("x-")))
        name.remove(0, 2);
    return name;
}

// Program name (not yet looked up) and arguments; invalid for a desktop we
// do not know.
DesktopSettingsLauncher::Command settingsOf(const QString &desktop, DesktopSettingsLauncher::Kind kind)
{
    for (const DesktopSettings &entry : kDesktops) {
        if (desktop != QLatin1String(entry.desktop))
            continue;
        const SettingsProgram &settings = kind == DesktopSettingsLauncher::Keyboard ? entry.keyboard : entry.mouse;
        DesktopSettingsLauncher::Command command {QString::fromLatin1(settings.program), {}};
        if (settings.argument)
            command.arguments << QString::fromLatin1(settings.argument);
        return command;
    }
    return {};
}

} // namespace

DesktopSettingsLauncher::Command DesktopSettingsLauncher::commandFor(Kind kind, const QString &currentDesktop,
                                                                     const ExecutableFinder &find)
{
    const QStringList names = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        Command command = settingsOf(desktopKey(name), kind);
        if (!command.isValid())
            continue;
        const QString path = find ? find(command.program) : QString();
        if (path.isEmpty())
            continue;
        command.program = path;
        return command;
    }
    return {};
}

DesktopSettingsLauncher::Command DesktopSettingsLauncher::command(Kind kind) const
{
    return commandFor(kind, qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                      [](const QString &name) { return QStandardPaths::findExecutable(name); });
}

bool DesktopSettingsLauncher::launch(Kind kind, QString *error)
{
    const Command found = command(kind);
    if (!found.isValid()) {
        if (error)
            *error = QStringLiteral("no settings program for the desktop \"%1\"")
                         .arg(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
        qWarning().noquote() << "Desktop settings:" << (error ? *error : QStringLiteral("no settings program"));
        return false;
    }
    return startDetached(found, error);
}

bool DesktopSettingsLauncher::startDetached(const Command &command, QString *error)
{
    if (!command.isValid()) {
        if (error)
            *error = QStringLiteral("no program");
        return false;
    }
    if (QProcess::startDetached(command.program, command.arguments))
        return true;
    const QString reason = QStringLiteral("%1 could not be started").arg(command.program);
    qWarning().noquote() << "Desktop settings:" << reason;
    if (error)
        *error = reason;
    return false;
}

DesktopSettingsLauncher *DesktopSettingsLauncher::system()
{
    static DesktopSettingsLauncher launcher;
    return &launcher;
}
