#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DPerformancePage;
}

class DesktopSettingsLauncher;
class MainHidInterFace;
class QCheckBox;
class choiceTextWrapper;
class xmlInterface;

// The keyboard's performance panel: four key blocks that apply while Win
// Lock is on, stored in the current profile at every click, a reset of the
// profile (done by the device page) and the desktop's keyboard settings.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hid, xmlInterface *store);
    void setProfileIndex(int index);
    // Paths in the file system's 8-bit encoding; kept whole.
    void setFilePaths(const char *macroPath, const char *profilePath);
    // The launcher the keyboard-settings button uses; the session's own by
    // default. Not owned.
    void setDesktopSettingsLauncher(DesktopSettingsLauncher *launcher);

    void loadPerformanceOptions();
    void retranslate();
    void changAppTheme();

signals:
    void sigResetoreCurrentProfile();

private slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();

private:
    void savePerformanceOptions();
    void updateSettingsButton();

    std::unique_ptr<Ui::DPerformancePage> m_ui;
    choiceTextWrapper *m_lockOptions = nullptr;
    MainHidInterFace *m_hid = nullptr;
    xmlInterface *m_store = nullptr;
    int m_profileIndex = 1;
    QString m_macroPath;
    QString m_profilePath;
    DesktopSettingsLauncher *m_launcher;
    // The reason of the last failed start, shown as the button's tool tip.
    QString m_launchFailure;
};
