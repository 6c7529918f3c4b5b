#pragma once

#include <QString>
#include <QWidget>

// The program's one top-level window: frameless, created once by the
// application object. Its constructor is where start-up happens: the data
// manager comes into being (folders, daily log, settings, theme), the default
// settings are applied and the first-run settings, with the autostart entry,
// are written. The window also owns the stop of the program.
//
// The construction steps are separate private operations in start-up order;
// the title bar, the pages, the device lists and scans and the tray icon join
// them between the default settings and the end-of-construction log line.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    // The company name of the default settings file, the window's title.
    QString companyName() const { return m_windowTitle; }

public slots:
    // Writes the stop line, closes the window and ends the process with 0.
    void onQuitApp();
    // Hides the window when CloseToTray/isCloseToTray is on, else quits.
    void on_pushButton_Close_clicked();
    void onChangAppTheme(int themeIndex);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void readDefaultSettings();
    void writeFirstRunSettings();
    void applyTheme(int themeIndex);

    QString m_windowTitle;
    QString m_settingsPath;
};
