#pragma once

#include "ColorBuildUpToolArea.h"
#include "xmlRecords.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLineEdit;
class SliderToolArea;
class SVColorArea;
class xmlInterface;
class Ui_ColorWheelTool;

// The lighting-effect panel: colours, brightness, speed, direction and
// full-colour mode of one lighting zone's effect. The device page says which
// zone and effect to edit; the panel loads that item from the profile
// (writing a default one for an effect the zone never had), reports every
// edit at once and writes it into the item. OK stores the item, makes the
// effect the zone's selected one and asks the page to send it; Cancel only
// tells the page.
class ColorWheelTool : public QWidget
{
    Q_OBJECT

public:
    explicit ColorWheelTool(QWidget *parent = nullptr);
    ~ColorWheelTool() override;

    void setDeviceType(int type);
    void setConfigInfo(const QString &path, xmlInterface *store, int profileIndex);
    void setSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setSideLightSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseAroundSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseScrollSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setMouseLogoSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax);
    void setSideLightSelected(bool selected);
    void setLightZone(int zone, int effect, int lightsOn);
    void setCurrentLightType(int effect, int lightsOn);
    colorInfoData getColorInfo() const { return m_colorInfo; }
    // The record becomes the current one; of the working values only
    // ledOpenOrClose follows it.
    void setColorInfo(int ledKeyboardOrSide, int ledType, int ledBrightness, int ledSpeed, int ledModeR,
                      int ledModeG, int ledModeB, int ledBgR, int ledBgG, int ledBgB, int ledDirection,
                      int ledModeType, int ledOpenOrClose, int ledUpdate);
    void setColorInfo(const colorInfoData &info);
    void clearCustomColors();
    // False when the profile did not take the item.
    bool saveLightConfig();
    // Everything OK does; an item the profile did not take is not sent.
    void saveChanges();
    void updateTheme();
    void updateLanguage();

signals:
    void sigSendUpdataColorBuildUp(const QList<double> &positions, const QList<QColor> &colors);
    void sigInitColorOver();
    void sigSendSetKeyboardColorData();
    void sigSendSetSideColorData();
    // kind: 0 colour, 1 full-colour mode, 2 brightness, 3 speed, 4 direction
    void sigLightConfigHaveChanged(int kind, int zone);
    void sigSelectKeyboardLightType(int effect);
    void sigSelectSideLightType(int effect);
    void sigLightOpenOrCloseType(int lightsOn);
    void sigSetLightEffectSuccessful();
    void sigLightCancelSettings(int zone);
    void sigSendKeyboardAndSideLightSpeedAndBrightness(int keySpeedMax, int keyBrightnessMax, int sideSpeedMax,
                                                       int sideBrightnessMax);
    void sigSelectightTypeMouseAround(int effect);
    void sigSelectightTypeMouseScroll(int effect);
    void sigSelectightTypeMouseLogo(int effect);
    void sigSendSetMouseColorData(int zone);
    // A write to the profile failed; chosen: it was OK's, and the panel
    // shows the zone's stored effect again.
    void sigLightSaveFailed(bool chosen);

private slots:
    void onSvChangedSlot(int hue, int saturation, int value);
    void onGetRGB(int r, int g, int b);
    void onGetHexRGB(const QString &hex);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool pressed);
    void onCurIndexChanged_LedDirection(int direction);
    void onUpdataColorBuildUp(const QList<double> &positions, const QList<QColor> &colors);
    void onBrightnessSliderValueChanged(int value);
    void onSpeedSliderValueChanged(int value);
    void onCurIndexChanged_LedBeforeOrAfterColor(int index);
    void onColorItemSelcSignal(const QColor &color);
    void onAddColor(int slot);
    void onDeleteColor(int slot);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void on_checkBox_FullColorMode_clicked();
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void onRedValueChangedSlot(int value);
    void onGreenValueChangedSlot(int value);
    void onBlueValueChangedSlot(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveButtonsTextRoom();
    void loadLightConfig(int zone);
    void resetToDefaultLight();
    void notifyLightChange(int kind);
    void applyKeyboardEffectControls(int effect);
    void applyMouseColorOptions(int zone, int effect);
    bool zoneMaxima(int zone, int *speedMax, int *brightnessMax) const;
    void emitSelectSignal(int zone, int effect);
    colorInfoData recordFromWorking() const;
    void takeFullColorMode();
    void boxTextChanged(QLineEdit *box, const QString &text, void (ColorWheelTool::*apply)(int));
    void writeBoxes(int r, int g, int b);
    void applyColorToEditedButton(int r, int g, int b);
    void styleColorButton(QWidget *button, int r, int g, int b);
    void resetRing();
    void removeStoredSwatches(int slot);
    void loadStoredSwatches();
    void showStoredEffect();
    QByteArray profileValue() const;

    std::unique_ptr<Ui_ColorWheelTool> ui;
    int m_deviceType = 0;
    QList<colorStopPair> m_colorStops;
    SVColorArea *m_svColorArea = nullptr;
    ColorBuildUpToolArea *m_colorBuildUp = nullptr;
    SliderToolArea *m_brightnessSlider = nullptr;
    SliderToolArea *m_speedSlider = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
    QButtonGroup *m_colorButtonGroup = nullptr;
    int m_currentR = 0;
    int m_currentG = 0;
    int m_currentB = 0;
    bool m_svMousePressed = false;
    QString m_filePath;
    xmlInterface *m_xmlInterface = nullptr;
    int m_profileIndex = 1;
    int m_lastValidValue = 0;
    int m_keySpeedMax = 0;
    int m_keyBrightnessMax = 0;
    int m_sideSpeedMax = 0;
    int m_sideBrightnessMax = 0;
    int m_aroundSpeedMax = 0;
    int m_aroundBrightnessMax = 0;
    int m_scrollSpeedMax = 0;
    int m_scrollBrightnessMax = 0;
    int m_logoSpeedMax = 0;
    int m_logoBrightnessMax = 0;
    colorInfoData m_colorInfo{};
    // The working values: the item being edited (ledKeyboardOrSide unused;
    // ledType is the effect being edited).
    colorInfoData m_working{};
    int m_beforeOrAfterColor = 0;
    int m_ledSelMode = -1;
    int m_lightOpenOrClose = 0;
    bool m_fromRgbEdit = false;
    bool m_sideLightSelected = false;
    bool m_signalsArmed = false;
    QString m_checkedColor;
    // The ring value last applied: the ring reports on every paint, and only
    // a moved ring may darken the colour.
    int m_lastRingValue = 0;
};
