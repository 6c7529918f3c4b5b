#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMousePerformanceView;
}

class DesktopSettingsLauncher;

// The mouse's performance panel: the report-rate slider (0 125 Hz, 1 250 Hz,
// 2 500 Hz, 3 1000 Hz), the reset of the current profile and the desktop's
// mouse settings. It stores and sends nothing: the device page does, on its
// signals.
class DMousePerformanceView : public QWidget
{
    Q_OBJECT

public:
    explicit DMousePerformanceView(QWidget *parent = nullptr);
    ~DMousePerformanceView() override;

    void setProfileIndex(int index);
    int profileIndex() const { return m_profileIndex; }
    // Moves the slider; a change is announced like a move by the user.
    void setRateIndex(int index);
    // The launcher the settings button uses; the session's own by default.
    // Not owned.
    void setDesktopSettingsLauncher(DesktopSettingsLauncher *launcher);

    void retranslate();
    void updateTheme();

signals:
    void sigCurIndexChanged_MouseRateNumIndex(int index);
    void sigResetoreMouseCurrentProfile();

private slots:
    void onValueChanged(int value);
    void onSliderPressed();
    void onSliderReleased();
    void on_pushButton_MouseProfileRestore_clicked();
    void on_pushButton_MouseProperties_clicked();

private:
    void updateSettingsButton();

    std::unique_ptr<Ui::DMousePerformanceView> ui;
    int m_profileIndex = 1;
    DesktopSettingsLauncher *m_launcher;
    // The reason of the last failed start, shown as the button's tool tip.
    QString m_launchFailure;
};
