#include "ColorWheelTool.h"
#include "buttonTextRoom.h"
#include "ui_ColorWheelTool.h"

#include "BasicColorArea.h"
#include "DDataManager.h"
#include "SVColorArea.h"
#include "SliderToolArea.h"
#include "colorPickMath.h"
#include "colorToolLog.h"
#include "lightEffectControls.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QEvent>
#include <QSignalBlocker>

using namespace lightEffectControls;

namespace {

constexpr int kBottomColor = 1;
constexpr int kNoItemEffect = 2; // what the page is told when a zone has no item

constexpr int kWheelSliderWidth = 165;
constexpr int kWheelSliderHeight = 55;
constexpr int kInitialLevelMax = 4;
constexpr int kInitialLevel = 3;
constexpr int kBuildUpWidth = 185;
constexpr int kBuildUpHeight = 65;

enum ChangeKind { ColorChange = 0, FullColorChange = 1, BrightnessChange = 2, SpeedChange = 3, DirectionChange = 4 };

constexpr int kSwatchActionStatus = 1;
constexpr int kSwatchTransparency = 128;

QString swatchStyle(int r, int g, int b, const QString &checkedColor)
{
    return QStringLiteral("QPushButton{background-color:rgb(%1, %2, %3);border:0px solid rgb(65, 115, 130);}"
                          "QPushButton:hover{border:2px solid %4;}"
                          "QPushButton:unchecked{border:0px solid rgb(65, 115, 130);}"
                          "QPushButton:checked{border:2px solid %4;}")
        .arg(r)
        .arg(g)
        .arg(b)
        .arg(themeColorInfo::cssColor(checkedColor));
}

} // namespace

ColorWheelTool::ColorWheelTool(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ColorWheelTool>())
{
    m_working.ledModeR = 255;
    m_working.ledModeType = 1;

    ui->setupUi(this);

    m_svColorArea = new SVColorArea(ui->frame_Color);
    connect(m_svColorArea, &SVColorArea::svChangedSignal, this, &ColorWheelTool::onSvChangedSlot);
    connect(m_svColorArea, &SVColorArea::sigGetRGB, this, &ColorWheelTool::onGetRGB);
    connect(m_svColorArea, &SVColorArea::sigGetHexRGB, this, &ColorWheelTool::onGetHexRGB);
    connect(m_svColorArea, &SVColorArea::sigMoveingStatus, this, &ColorWheelTool::onMoveingStatus);
    connect(m_svColorArea, &SVColorArea::sigMouseIsPress, this, &ColorWheelTool::onSVColorAreaMouseIsPress);
    ui->frame_Color->layout()->addWidget(m_svColorArea);

    const QColor pointer(204, 0, 0, 255);
    for (const QColor &stop : {QColor(255, 255, 0, 180), QColor(255, 0, 0, 180), QColor(0, 255, 0, 180),
                               QColor(0, 0, 255, 180), QColor(255, 0, 255, 180), QColor(0, 255, 255, 180)})
        m_colorStops.append({pointer, stop});

    // Fed before the relay is connected and never shown: the gradient is not
    // edited in this panel.
    m_colorBuildUp = new ColorBuildUpToolArea(ui->frame_colorBuildUp);
    m_colorBuildUp->setFixedSize(kBuildUpWidth, kBuildUpHeight);
    m_colorBuildUp->setColorBuildUp(m_colorStops, m_colorStops.size());
    connect(m_colorBuildUp, &ColorBuildUpToolArea::sigUpdataColorBuildUp, this,
            &ColorWheelTool::sigSendUpdataColorBuildUp);
    connect(m_colorBuildUp, &ColorBuildUpToolArea::sigUpdataColorBuildUp, this,
            &ColorWheelTool::onUpdataColorBuildUp);
    ui->frame_colorBuildUp->layout()->addWidget(m_colorBuildUp);
    ui->frame_colorBuildUp->hide();

    m_brightnessSlider = new SliderToolArea(ui->frame_SliderBrightness);
    m_brightnessSlider->setFixedSize(kWheelSliderWidth, kWheelSliderHeight);
    m_brightnessSlider->setMaxValue(kInitialLevelMax);
    m_brightnessSlider->setValue(kInitialLevel);
    m_brightnessSlider->setTexts(tr("Brightness"), tr("Dark"), tr("Bright"));
    ui->frame_SliderBrightness->layout()->addWidget(m_brightnessSlider);
    connect(m_brightnessSlider, &SliderToolArea::sigValueChanged, this,
            &ColorWheelTool::onBrightnessSliderValueChanged);

    m_speedSlider = new SliderToolArea(ui->frame_SliderSpeed);
    m_speedSlider->setFixedSize(kWheelSliderWidth, kWheelSliderHeight);
    m_speedSlider->setMaxValue(kInitialLevelMax);
    m_speedSlider->setValue(kInitialLevel);
    m_speedSlider->setTexts(tr("Speed"), tr("Slow"), tr("Fast"));
    ui->frame_SliderSpeed->layout()->addWidget(m_speedSlider);
    connect(m_speedSlider, &SliderToolArea::sigValueChanged, this, &ColorWheelTool::onSpeedSliderValueChanged);

    // Not exclusive: a load may leave no direction checked.
    m_directionGroup = new QButtonGroup(this);
    m_directionGroup->setExclusive(false);
    m_directionGroup->addButton(ui->pushButton_Right, DirRight);
    m_directionGroup->addButton(ui->pushButton_Left, DirLeft);
    m_directionGroup->addButton(ui->pushButton_Up, DirUp);
    m_directionGroup->addButton(ui->pushButton_Down, DirDown);
    m_directionGroup->addButton(ui->pushButton_Dispersion, DirDispersion);
    m_directionGroup->addButton(ui->pushButton_Gather, DirGather);
    m_directionGroup->addButton(ui->pushButton_CW, DirClockwise);
    m_directionGroup->addButton(ui->pushButton_UnCW, DirAnticlockwise);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &ColorWheelTool::onCurIndexChanged_LedDirection);
    ui->pushButton_Left->setChecked(true);

    m_colorButtonGroup = new QButtonGroup(this);
    m_colorButtonGroup->addButton(ui->pushButton_beforeColor, 0);
    m_colorButtonGroup->addButton(ui->pushButton_afterColor, kBottomColor);
    connect(m_colorButtonGroup, &QButtonGroup::idClicked, this,
            &ColorWheelTool::onCurIndexChanged_LedBeforeOrAfterColor);
    ui->pushButton_beforeColor->setChecked(true);

    ui->widget_BasicColor->setAreaType(1);
    connect(ui->widget_BasicColor, &BasicColorArea::colorItemSelcSignal, this, &ColorWheelTool::onColorItemSelcSignal);
    connect(ui->widget_BasicColor, &BasicColorArea::sigAddColor, this, &ColorWheelTool::onAddColor);
    connect(ui->widget_BasicColor, &BasicColorArea::sigDeleteColor, this, &ColorWheelTool::onDeleteColor);

    for (QLineEdit *box : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B}) {
        box->installEventFilter(this);
        box->clearFocus();
    }
    installEventFilter(this);

    emit sigInitColorOver();
    qCDebug(lcColorTool) << "------------------------------------------- [ ColorWheelTool Init OVER ] "
                            "-------------------------------------------------";
    m_checkedColor = DDataManager::instance()->getThemeColor().TextCheckedColor;
}

ColorWheelTool::~ColorWheelTool() = default;

// --- What the device page sets ----------------------------------------------

void ColorWheelTool::setDeviceType(int type)
{
    m_deviceType = type;
}

void ColorWheelTool::setConfigInfo(const QString &path, xmlInterface *store, int profileIndex)
{
    m_filePath = path;
    m_xmlInterface = store;
    m_profileIndex = profileIndex;
    m_ledSelMode = 0;

    for (QLineEdit *box : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
        box->clearFocus();
    ui->pushButton_beforeColor->setFocus();

    loadStoredSwatches();
}

void ColorWheelTool::loadStoredSwatches()
{
    ui->widget_BasicColor->clearCustomColors();
    if (!m_xmlInterface)
        return;
    QList<customColorInfo> swatches;
    m_xmlInterface->getCustomColorList(m_filePath, profileValue(), swatches);
    for (const customColorInfo &swatch : swatches)
        ui->widget_BasicColor->addCustomColor(swatch.index, swatch.colorR, swatch.colorG, swatch.colorB);
}

void ColorWheelTool::setSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    qCDebug(lcColorTool) << "-------------------- *** setSpeedAndBrightnessMaxNum [Keyboard] *** -------------------";
    m_keySpeedMax = speedMax;
    m_keyBrightnessMax = brightnessMax;
}

void ColorWheelTool::setSideLightSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    qCDebug(lcColorTool)
        << "-------------------- *** setSideLightSpeedAndBrightnessMaxNum [Side] *** -------------------";
    m_sideSpeedMax = speedMax;
    m_sideBrightnessMax = brightnessMax;
    emit sigSendKeyboardAndSideLightSpeedAndBrightness(m_keySpeedMax, m_keyBrightnessMax, m_sideSpeedMax,
                                                       m_sideBrightnessMax);
}

void ColorWheelTool::setMouseAroundSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_aroundSpeedMax = speedMax;
    m_aroundBrightnessMax = brightnessMax;
}

void ColorWheelTool::setMouseScrollSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_scrollSpeedMax = speedMax;
    m_scrollBrightnessMax = brightnessMax;
}

void ColorWheelTool::setMouseLogoSpeedAndBrightnessMaxNum(int speedMax, int brightnessMax)
{
    m_logoSpeedMax = speedMax;
    m_logoBrightnessMax = brightnessMax;
}

void ColorWheelTool::setSideLightSelected(bool selected)
{
    m_sideLightSelected = selected;
}

void ColorWheelTool::setColorInfo(int ledKeyboardOrSide, int ledType, int ledBrightness, int ledSpeed, int ledModeR,
                                  int ledModeG, int ledModeB, int ledBgR, int ledBgG, int ledBgB, int ledDirection,
                                  int ledModeType, int ledOpenOrClose, int ledUpdate)
{
    setColorInfo(colorInfoData{ledKeyboardOrSide, ledType, ledBrightness, ledSpeed, ledModeR, ledModeG, ledModeB,
                               ledBgR, ledBgG, ledBgB, ledDirection, ledModeType, ledOpenOrClose, ledUpdate});
}

void ColorWheelTool::setColorInfo(const colorInfoData &info)
{
    m_colorInfo = info;
    m_working.ledOpenOrClose = info.ledOpenOrClose;
}

void ColorWheelTool::clearCustomColors()
{
    ui->widget_BasicColor->clearCustomColors();
}

// --- Zones and effects --------------------------------------------------------

bool ColorWheelTool::zoneMaxima(int zone, int *speedMax, int *brightnessMax) const
{
    const int *speed = nullptr;
    const int *brightness = nullptr;
    if (m_deviceType == kKeyboardDevice) {
        if (zone == kKeysZone) {
            speed = &m_keySpeedMax;
            brightness = &m_keyBrightnessMax;
        } else if (zone == kSideZone) {
            speed = &m_sideSpeedMax;
            brightness = &m_sideBrightnessMax;
        }
    } else if (m_deviceType == kMouseDevice) {
        if (zone == 0) {
            speed = &m_aroundSpeedMax;
            brightness = &m_aroundBrightnessMax;
        } else if (zone == 1) {
            speed = &m_scrollSpeedMax;
            brightness = &m_scrollBrightnessMax;
        } else if (zone == 2) {
            speed = &m_logoSpeedMax;
            brightness = &m_logoBrightnessMax;
        }
    }
    if (!speed)
        return false;
    *speedMax = *speed;
    *brightnessMax = *brightness;
    return true;
}

void ColorWheelTool::emitSelectSignal(int zone, int effect)
{
    if (m_deviceType == kKeyboardDevice) {
        if (zone == kKeysZone)
            emit sigSelectKeyboardLightType(effect);
        else if (zone == kSideZone)
            emit sigSelectSideLightType(effect);
    } else if (m_deviceType == kMouseDevice) {
        if (zone == 0)
            emit sigSelectightTypeMouseAround(effect);
        else if (zone == 1)
            emit sigSelectightTypeMouseScroll(effect);
        else if (zone == 2)
            emit sigSelectightTypeMouseLogo(effect);
    }
}

void ColorWheelTool::setLightZone(int zone, int effect, int lightsOn)
{
    m_ledSelMode = zone;
    m_working.ledType = effect;
    m_lightOpenOrClose = lightsOn;
    int speedMax = 0;
    int brightnessMax = 0;
    if (!zoneMaxima(zone, &speedMax, &brightnessMax))
        return;
    m_signalsArmed = false;
    m_speedSlider->setMaxValue(speedMax);
    m_speedSlider->setValue(speedMax - 1);
    m_brightnessSlider->setMaxValue(brightnessMax);
    m_brightnessSlider->setValue(brightnessMax - 1);
    m_signalsArmed = true;
    loadLightConfig(zone);
}

void ColorWheelTool::setCurrentLightType(int effect, int lightsOn)
{
    m_working.ledType = effect;
    m_lightOpenOrClose = lightsOn;
    m_beforeOrAfterColor = 0;
    const bool added = !m_xmlInterface || m_xmlInterface->hasLightInfo(m_filePath, profileValue(), m_ledSelMode, effect)
        || m_xmlInterface->addLightInfo(m_filePath, profileValue(), defaultLightItem(m_deviceType, m_ledSelMode, effect));
    loadLightConfig(m_ledSelMode);
    if (!added)
        emit sigLightSaveFailed(false);
}

void ColorWheelTool::loadLightConfig(int zone)
{
    // Attributes an item lacks read as the default item's.
    colorInfoData item = defaultLightItem(m_deviceType, zone, m_working.ledType);
    const bool found =
        m_xmlInterface && m_xmlInterface->getLightInfo(m_filePath, profileValue(), zone, m_working.ledType, item);
    int speedMax = 0;
    int brightnessMax = 0;
    const bool knownZone = zoneMaxima(zone, &speedMax, &brightnessMax);
    if (!found) {
        resetToDefaultLight();
        if (knownZone) {
            emitSelectSignal(zone, kNoItemEffect);
            ui->frame_Direction->hide();
        }
        return;
    }

    if (m_deviceType == kKeyboardDevice) {
        applyKeyboardEffectControls(item.ledType);
    } else if (m_deviceType == kMouseDevice) {
        ui->frame_Direction->hide();
        // Edits go to the colour whose button is checked.
        m_beforeOrAfterColor = 0;
        ui->pushButton_beforeColor->setChecked(true);
        applyMouseColorOptions(zone, item.ledType);
    }

    m_colorInfo = item;
    m_ledSelMode = zone;
    m_working = item;

    emitSelectSignal(zone, item.ledType);
    ui->checkBox_FullColorMode->setChecked(m_working.ledModeType == 1);
    emit sigLightOpenOrCloseType(m_lightOpenOrClose);
    m_brightnessSlider->setValue(item.ledBrightness);
    m_speedSlider->setValue(item.ledSpeed);
    if (m_deviceType == kKeyboardDevice)
        onCurIndexChanged_LedDirection(item.ledDirection);

    m_currentR = item.ledModeR;
    m_currentG = item.ledModeG;
    m_currentB = item.ledModeB;
    styleColorButton(ui->pushButton_beforeColor, item.ledModeR, item.ledModeG, item.ledModeB);
    styleColorButton(ui->pushButton_afterColor, item.ledBgR, item.ledBgG, item.ledBgB);
    if (m_beforeOrAfterColor == kBottomColor)
        writeBoxes(item.ledBgR, item.ledBgG, item.ledBgB);
    else
        writeBoxes(item.ledModeR, item.ledModeG, item.ledModeB);

    bool showColorRows = true;
    if (m_deviceType == kMouseDevice) {
        const MouseControls controls = mouseControls(zone, item.ledType);
        ui->frame_SliderSpeed->setVisible(controls.showSpeedRow);
        showColorRows = controls.showColorRows;
    }
    for (QWidget *row : {static_cast<QWidget *>(ui->frame_Color), static_cast<QWidget *>(ui->frame),
                         static_cast<QWidget *>(ui->frame_4), static_cast<QWidget *>(ui->frame_2)})
        row->setVisible(showColorRows);
}

void ColorWheelTool::resetToDefaultLight()
{
    m_currentR = 255;
    m_currentG = 0;
    m_currentB = 0;
    writeBoxes(255, 0, 0);

    int speedMax = 0;
    int brightnessMax = 0;
    if (zoneMaxima(m_ledSelMode, &speedMax, &brightnessMax)) {
        m_brightnessSlider->setValue(brightnessMax - 1);
        m_speedSlider->setValue(speedMax - 1);
    }
    ui->checkBox_FullColorMode->setChecked(true);
    styleColorButton(ui->pushButton_beforeColor, 255, 0, 0);
    styleColorButton(ui->pushButton_afterColor, 0, 0, 0);

    const colorInfoData defaults = defaultLightItem(m_deviceType, m_ledSelMode, m_working.ledType);
    m_working.ledBrightness = defaults.ledBrightness;
    m_working.ledSpeed = defaults.ledSpeed;
    m_working.ledModeR = defaults.ledModeR;
    m_working.ledModeG = defaults.ledModeG;
    m_working.ledModeB = defaults.ledModeB;
    m_working.ledBgR = defaults.ledBgR;
    m_working.ledBgG = defaults.ledBgG;
    m_working.ledBgB = defaults.ledBgB;
    m_working.ledModeType = defaults.ledModeType;
    m_working.ledOpenOrClose = 0;
    m_working.ledUpdate = 0;
    m_colorInfo = recordFromWorking();

    if (m_beforeOrAfterColor == kBottomColor)
        writeBoxes(0, 0, 0);
    else
        writeBoxes(255, 0, 0);
}

colorInfoData ColorWheelTool::recordFromWorking() const
{
    colorInfoData record = m_working;
    record.ledKeyboardOrSide = m_ledSelMode;
    return record;
}

void ColorWheelTool::takeFullColorMode()
{
    m_working.ledModeType = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
}

QByteArray ColorWheelTool::profileValue() const
{
    return QByteArray::number(m_profileIndex);
}

void ColorWheelTool::notifyLightChange(int kind)
{
    if (!m_signalsArmed)
        return;
    if (m_deviceType == kKeyboardDevice && !m_sideLightSelected && m_ledSelMode == kSideZone)
        return;
    if (m_svMousePressed)
        return; // one report when the press ends
    takeFullColorMode();
    m_colorInfo = recordFromWorking();
    emit sigLightConfigHaveChanged(kind, m_ledSelMode);
    if (m_xmlInterface && m_xmlInterface->hasLightInfo(m_filePath, profileValue(), m_ledSelMode, m_working.ledType)) {
        qCDebug(lcColorTool) << "------------------- isHave == true ------------------ m_ledSelMode" << m_ledSelMode
                             << " m_ledType:" << m_working.ledType;
        if (!m_xmlInterface->updateLightInfo(m_filePath, profileValue(), m_ledSelMode, m_working.ledType,
                                             m_colorInfo))
            emit sigLightSaveFailed(false);
    } else {
        qCDebug(lcColorTool) << "------------------- isHave == false ------------------ m_ledType:"
                             << m_working.ledType;
    }
}

bool ColorWheelTool::saveLightConfig()
{
    takeFullColorMode();
    m_colorInfo = recordFromWorking();
    if (!m_xmlInterface)
        return true;
    const bool saved =
        m_xmlInterface->hasLightInfo(m_filePath, profileValue(), m_ledSelMode, m_working.ledType)
            ? m_xmlInterface->updateLightInfo(m_filePath, profileValue(), m_ledSelMode, m_working.ledType, m_colorInfo)
            : m_xmlInterface->addLightInfo(m_filePath, profileValue(), m_colorInfo);
    qCDebug(lcColorTool) << "------------------- Light Config Save" << (saved ? "OK" : "failed")
                         << "------------------";
    return saved;
}

void ColorWheelTool::saveChanges()
{
    // An item the profile did not take is not sent.
    if (!saveLightConfig()) {
        showStoredEffect();
        return;
    }
    if (m_deviceType == kKeyboardDevice) {
        if (m_ledSelMode == kKeysZone)
            emit sigSendSetKeyboardColorData();
        else
            emit sigSendSetSideColorData();
    } else if (m_deviceType == kMouseDevice) {
        emit sigSendSetMouseColorData(m_ledSelMode);
    }
    if (m_xmlInterface
        && !m_xmlInterface->setLightUsingIndex(m_filePath, profileValue(), m_ledSelMode, m_colorInfo.ledType)) {
        showStoredEffect();
        return;
    }
    emit sigSetLightEffectSuccessful();
}

// After a failed OK: the zone's stored effect, and the page is told.
void ColorWheelTool::showStoredEffect()
{
    m_working.ledType = m_xmlInterface->getLightUsingIndex(m_filePath, profileValue(), m_ledSelMode);
    loadLightConfig(m_ledSelMode);
    emit sigLightSaveFailed(true);
}

void ColorWheelTool::on_pushButton_OK_clicked()
{
    saveChanges();
}

void ColorWheelTool::on_pushButton_Cancel_clicked()
{
    qCDebug(lcColorTool) << "------------------- Cancel ------------------";
    emit sigLightCancelSettings(m_ledSelMode);
}

// --- Controls by effect ---------------------------------------------------------

void ColorWheelTool::applyKeyboardEffectControls(int effect)
{
    m_beforeOrAfterColor = 0;
    ui->pushButton_beforeColor->setChecked(true);

    const KeyboardControls controls = keyboardControls(m_ledSelMode, effect);
    ui->pushButton_afterColor->setVisible(controls.showColorOptions);
    ui->pushButton->setVisible(controls.showColorOptions);
    ui->checkBox_FullColorMode->setVisible(controls.showColorOptions);
    ui->checkBox_FullColorMode->setChecked(controls.showColorOptions);

    for (int d = 0; d < kDirectionCount; ++d)
        m_directionGroup->button(d)->setVisible(controls.directionButtons.contains(d));
    ui->frame_Direction->setVisible(controls.showDirectionRow);
    if (controls.selectDirection >= 0)
        onCurIndexChanged_LedDirection(controls.selectDirection);

    ui->frame_SliderSpeed->setVisible(controls.showSpeedRow);
}

void ColorWheelTool::applyMouseColorOptions(int zone, int effect)
{
    const MouseControls controls = mouseControls(zone, effect);
    ui->pushButton_afterColor->setVisible(controls.showColorOptions);
    ui->pushButton->setVisible(controls.showColorOptions);
    ui->checkBox_FullColorMode->setVisible(controls.showColorOptions);
    ui->checkBox_FullColorMode->setChecked(controls.showColorOptions);
}

// --- Direction, levels, full colour ------------------------------------------------

void ColorWheelTool::onCurIndexChanged_LedDirection(int direction)
{
    qCDebug(lcColorTool) << "----------------selIndex:" << direction;
    m_working.ledDirection = direction;
    for (QAbstractButton *button : m_directionGroup->buttons())
        button->setChecked(false);
    if (QAbstractButton *button = m_directionGroup->button(direction))
        button->setChecked(true);
    notifyLightChange(DirectionChange);
}

void ColorWheelTool::onBrightnessSliderValueChanged(int value)
{
    qCDebug(lcColorTool) << "------------------------------------valueBrightness:" << value;
    m_working.ledBrightness = value;
    notifyLightChange(BrightnessChange);
}

void ColorWheelTool::onSpeedSliderValueChanged(int value)
{
    qCDebug(lcColorTool) << "------------------------------------valueSpeed:" << value;
    m_working.ledSpeed = value;
    notifyLightChange(SpeedChange);
}

void ColorWheelTool::on_checkBox_FullColorMode_clicked()
{
    takeFullColorMode();
    notifyLightChange(FullColorChange);
}

// --- Colour inputs ---------------------------------------------------------------

void ColorWheelTool::styleColorButton(QWidget *button, int r, int g, int b)
{
    button->setStyleSheet(swatchStyle(r, g, b, m_checkedColor));
}

void ColorWheelTool::applyColorToEditedButton(int r, int g, int b)
{
    if (m_beforeOrAfterColor == kBottomColor) {
        m_working.ledBgR = r;
        m_working.ledBgG = g;
        m_working.ledBgB = b;
        styleColorButton(ui->pushButton_afterColor, r, g, b);
    } else {
        m_working.ledModeR = r;
        m_working.ledModeG = g;
        m_working.ledModeB = b;
        styleColorButton(ui->pushButton_beforeColor, r, g, b);
    }
}

void ColorWheelTool::writeBoxes(int r, int g, int b)
{
    ui->lineEdit_R->setText(QString::number(r));
    ui->lineEdit_G->setText(QString::number(g));
    ui->lineEdit_B->setText(QString::number(b));
}

void ColorWheelTool::resetRing()
{
    m_svColorArea->resetRingValue();
    m_lastRingValue = 0;
}

void ColorWheelTool::onSvChangedSlot(int, int, int)
{
    // A disc press puts the knob back to the top.
    m_lastRingValue = 0;
}

void ColorWheelTool::onGetRGB(int r, int g, int b)
{
    m_currentR = r;
    m_currentG = g;
    m_currentB = b;
    qCDebug(lcColorTool) << "----------------onGetRGB --->>> r:" << r << "  g:" << g << "  b:" << b;
    writeBoxes(r, g, b);
    applyColorToEditedButton(r, g, b);
}

void ColorWheelTool::onGetHexRGB(const QString &) {}

void ColorWheelTool::onUpdataColorBuildUp(const QList<double> &, const QList<QColor> &) {}

void ColorWheelTool::onMoveingStatus(int valueRotate, int)
{
    // Every paint reports the ring; a repaint (shown again, new theme) must
    // not darken the colour being edited a second time.
    if (valueRotate == m_lastRingValue)
        return;
    m_lastRingValue = valueRotate;
    if (valueRotate == 0)
        return;
    const QColor darker =
        colorPickMath::ringDarkenedColor(QColor(m_currentR, m_currentG, m_currentB), valueRotate);
    writeBoxes(darker.red(), darker.green(), darker.blue());
    applyColorToEditedButton(darker.red(), darker.green(), darker.blue());
}

void ColorWheelTool::onSVColorAreaMouseIsPress(bool pressed)
{
    m_svMousePressed = pressed;
    notifyLightChange(ColorChange);
}

void ColorWheelTool::boxTextChanged(QLineEdit *box, const QString &text, void (ColorWheelTool::*apply)(int))
{
    const int value = text.toInt();
    if (value >= 0 && value <= 255) {
        m_lastValidValue = value;
        (this->*apply)(value);
    } else {
        box->setText(QString::number(m_lastValidValue));
    }
}

void ColorWheelTool::on_lineEdit_R_textChanged(const QString &text)
{
    boxTextChanged(ui->lineEdit_R, text, &ColorWheelTool::onRedValueChangedSlot);
}

void ColorWheelTool::on_lineEdit_G_textChanged(const QString &text)
{
    boxTextChanged(ui->lineEdit_G, text, &ColorWheelTool::onGreenValueChangedSlot);
}

void ColorWheelTool::on_lineEdit_B_textChanged(const QString &text)
{
    boxTextChanged(ui->lineEdit_B, text, &ColorWheelTool::onBlueValueChangedSlot);
}

void ColorWheelTool::onRedValueChangedSlot(int value)
{
    qCDebug(lcColorTool) << "------------------- *** redNum:" << value;
    const QColor color(value, ui->lineEdit_G->text().toInt(), ui->lineEdit_B->text().toInt(), 255);
    m_fromRgbEdit = true;
    onColorItemSelcSignal(color);
}

void ColorWheelTool::onGreenValueChangedSlot(int value)
{
    qCDebug(lcColorTool) << "------------------- *** greenNum:" << value;
    const QColor color(ui->lineEdit_R->text().toInt(), value, ui->lineEdit_B->text().toInt(), 255);
    m_fromRgbEdit = true;
    onColorItemSelcSignal(color);
}

void ColorWheelTool::onBlueValueChangedSlot(int value)
{
    qCDebug(lcColorTool) << "------------------- *** blueNum:" << value;
    const QColor color(ui->lineEdit_R->text().toInt(), ui->lineEdit_G->text().toInt(), value, 255);
    m_fromRgbEdit = true;
    onColorItemSelcSignal(color);
}

void ColorWheelTool::onColorItemSelcSignal(const QColor &color)
{
    // Writing the boxes below re-enters this slot through the box path and
    // clears the flag; what counts is how this call came.
    const bool fromRgbEdit = m_fromRgbEdit;
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    if (!m_svMousePressed) {
        m_currentR = r;
        m_currentG = g;
        m_currentB = b;
    }
    writeBoxes(r, g, b);
    const bool bottom = m_beforeOrAfterColor == kBottomColor;
    const bool changed = bottom ? (m_working.ledBgR != r || m_working.ledBgG != g || m_working.ledBgB != b)
                                : (m_working.ledModeR != r || m_working.ledModeG != g || m_working.ledModeB != b);
    applyColorToEditedButton(r, g, b);
    if (!m_svMousePressed)
        resetRing();
    if (changed || !fromRgbEdit)
        notifyLightChange(ColorChange);
    m_fromRgbEdit = false;
}

void ColorWheelTool::onCurIndexChanged_LedBeforeOrAfterColor(int index)
{
    qCDebug(lcColorTool) << "------------------onCurIndexChanged_LedBeforeOrAfterColor->selIndex:" << index;
    m_beforeOrAfterColor = index;
    if (index == kBottomColor) {
        m_currentR = m_working.ledBgR;
        m_currentG = m_working.ledBgG;
        m_currentB = m_working.ledBgB;
        styleColorButton(ui->pushButton_afterColor, m_currentR, m_currentG, m_currentB);
    } else {
        m_currentR = m_working.ledModeR;
        m_currentG = m_working.ledModeG;
        m_currentB = m_working.ledModeB;
        styleColorButton(ui->pushButton_beforeColor, m_currentR, m_currentG, m_currentB);
    }
    const QSignalBlocker blockR(ui->lineEdit_R);
    const QSignalBlocker blockG(ui->lineEdit_G);
    const QSignalBlocker blockB(ui->lineEdit_B);
    writeBoxes(m_currentR, m_currentG, m_currentB);
}

// --- User swatches ------------------------------------------------------------------

void ColorWheelTool::removeStoredSwatches(int slot)
{
    if (!m_xmlInterface)
        return;
    // Both palettes of a mouse profile write here; a slot may have been
    // stored more than once.
    const QByteArray index = QByteArray::number(slot);
    while (m_xmlInterface->deleteCustomColor(m_filePath, profileValue(), index)) {
    }
}

void ColorWheelTool::onAddColor(int slot)
{
    const int r = ui->lineEdit_R->text().toInt();
    const int g = ui->lineEdit_G->text().toInt();
    const int b = ui->lineEdit_B->text().toInt();
    ui->widget_BasicColor->addCustomColor(slot, r, g, b);
    if (!m_xmlInterface)
        return;
    removeStoredSwatches(slot);
    const customColorInfo swatch{slot, kSwatchActionStatus, r, g, b, kSwatchTransparency};
    if (!m_xmlInterface->addCustomColor(m_filePath, profileValue(), swatch)) {
        loadStoredSwatches();
        emit sigLightSaveFailed(false);
    }
}

void ColorWheelTool::onDeleteColor(int slot)
{
    removeStoredSwatches(slot);
}

bool ColorWheelTool::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *box = qobject_cast<QLineEdit *>(watched);
            box && (box == ui->lineEdit_R || box == ui->lineEdit_G || box == ui->lineEdit_B)) {
            m_lastValidValue = box->text().toInt();
            box->setFocus();
        } else if (watched == this) {
            for (QLineEdit *b : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
                b->clearFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Theme and language ---------------------------------------------------------------

void ColorWheelTool::updateTheme()
{
    // A new sheet reaches children already styled by the old one only once
    // the panel itself is polished (not yet so when themed before shown).
    ensurePolished();
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_checkedColor = theme.TextCheckedColor;
    m_svColorArea->setKnobColor(themeColorInfo::opaqueColor(theme.TextCheckedColor));
    styleColorButton(ui->pushButton_beforeColor, m_working.ledModeR, m_working.ledModeG, m_working.ledModeB);
    styleColorButton(ui->pushButton_afterColor, m_working.ledBgR, m_working.ledBgG, m_working.ledBgB);

    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    setStyleSheet(QStringLiteral("QLabel{color:%1;font:bold 11pt \"%4\";}"
                                 "QLineEdit{color:%1;font:bold 8pt \"%4\";background-color:%2;border:1px solid %1;}"
                                 "QLineEdit:hover{border:1px solid %3;}"
                                 "QLineEdit:pressed{border:1px solid %3;}")
                      .arg(css(themeColorInfo::readableText(theme.TextDefaultColor, theme.DeviceRightBgColor)),
                           css(theme.DeviceRightBgColor), css(theme.TextCheckedColor), theme.TextFont));
    ui->frame_5->setStyleSheet(
        QStringLiteral("QPushButton{border-radius:8px;border:1px solid %1;background-color:%2;"
                       "color:%4;font:bold 10pt \"%6\";}"
                       "QPushButton:hover{background-color:%3;border:1px solid %5;}"
                       "QPushButton:pressed{color:%8;background-color:%7;border:1px solid %5;}")
            .arg(css(theme.DeviceBorderColor), css(theme.DeviceControlDefaultColor),
                 themeColorInfo::cssColor(theme.DeviceControlHoverColor, 130),
                 css(themeColorInfo::readableText(theme.TextDefaultColor, theme.DeviceControlDefaultColor)),
                 css(theme.TextCheckedColor), theme.TextFont, css(theme.DeviceControlHoverColor),
                 css(themeColorInfo::readableText(theme.TextCheckedColor, theme.DeviceControlHoverColor))));
    m_brightnessSlider->applyTheme(theme);
    m_speedSlider->applyTheme(theme);
    giveButtonsTextRoom();
}

void ColorWheelTool::updateLanguage()
{
    ui->retranslateUi(this);
    m_brightnessSlider->setTexts(tr("Brightness"), tr("Dark"), tr("Bright"));
    m_speedSlider->setTexts(tr("Speed"), tr("Slow"), tr("Fast"));
    giveButtonsTextRoom();
}

// OK and Cancel hold the English width; "Abbrechen" needs more.
void ColorWheelTool::giveButtonsTextRoom()
{
    // Clear of the rounded border on both sides.
    constexpr int kBorderGap = 16;
    giveButtonTextRoom(ui->pushButton_OK, kBorderGap);
    giveButtonTextRoom(ui->pushButton_Cancel, kBorderGap);
}
