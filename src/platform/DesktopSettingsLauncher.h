#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Opens the desktop's own keyboard or mouse settings. The program is chosen
// from XDG_CURRENT_DESKTOP and started detached, without a shell and without
// waiting, so the window never blocks on it. Pages take a launcher by
// pointer; tests give them their own.
class DesktopSettingsLauncher
{
public:
    enum Kind { Keyboard, Mouse };

    struct Command
    {
        QString program; // absolute path; empty when there is none
        QStringList arguments;

        bool isValid() const { return !program.isEmpty(); }
    };

    using ExecutableFinder = std::function<QString(const QString &name)>;

    virtual ~DesktopSettingsLauncher() = default;

    // What launch() would start in this session; invalid when the desktop is
    // not one we know or its settings program is not installed.
    virtual Command command(Kind kind) const;
    // Starts command(kind). False, with the reason in *error, when there is
    // no command or the program could not be started.
    virtual bool launch(Kind kind, QString *error = nullptr);

    // The rule itself: the first name of the colon-separated desktop list
    // (any case, an "X-" prefix ignored) that has a settings program the
    // finder locates.
    static Command commandFor(Kind kind, const QString &currentDesktop, const ExecutableFinder &find);
    // Program and arguments as given, detached.
    static bool startDetached(const Command &command, QString *error = nullptr);

    // The launcher of the running session.
    static DesktopSettingsLauncher *system();
};
