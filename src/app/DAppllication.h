#pragma once

#include "QtSingleApplication.h"

#include <memory>

class DLoginWidget;
class DMainWidget;
class QtLinguist;

// The application object. Its constructor runs the whole start-up: random
// seed, application font, settings and language, the start-up gate and, once
// the gate reports success, the main window.
class DAppllication : public QtSingleApplication
{
    Q_OBJECT

public:
    DAppllication(const QString &appId, int &argc, char **argv);
    // The main window goes first: its stop releases the devices; the
    // start-up gate follows.
    ~DAppllication() override;

    static DAppllication *instance();

    // Installs the translation of a language value (1 to 13); true when its
    // file loaded. The settings file is not touched.
    bool setLanguage(int languageIndex);
    QtLinguist *getLinguist();

    // Installs the language of Language/selectLanguageIndex in the user
    // settings file of the UserConfig folder (the system default when the
    // folder or key is missing or -1) and writes the chosen index back.
    // Returns the chosen index.
    static int initLanguage(QtLinguist *linguist, const QString &userConfigDir);
    // Whether a start is an autostart that begins hidden: the setting is on
    // and the command line holds "AutoUp" (case-sensitive).
    static bool isAutoUpStart(bool isAutoStart, const QString &commandLine);
    // An autostart begins hidden only where a tray icon can bring the window
    // back.
    static bool startsHidden(bool isAutoStart, const QString &commandLine, bool hasSystemTray);

    DMainWidget *mainWidget() const { return m_mainWidget; }

public slots:
    void onLoginFinished(bool bok);
    // The message of a second start: shows and raises the window only
    // where no tray icon exists.
    void onSecondStart();

private:
    void initSettings();
    void initLogin();

    std::unique_ptr<DLoginWidget> m_loginWidget;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
};
