#include "DMousePerformanceView.h"

#include "DDataManager.h"
#include "DesktopSettingsLauncher.h"
#include "mouseLog.h"
#include "ui_DMousePerformanceView.h"

namespace {

constexpr int kPerformanceViewWidth = 700;
constexpr int kPerformanceViewHeight = 150;

} // namespace

DMousePerformanceView::DMousePerformanceView(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMousePerformanceView>())
    , m_launcher(DesktopSettingsLauncher::system())
{
    ui->setupUi(this);
    setFixedSize(kPerformanceViewWidth, kPerformanceViewHeight);
    ui->frame_3->hide();
    QSlider *slider = ui->horizontalSlider_RateReturn;
    slider->setOrientation(Qt::Horizontal);
    slider->setMinimum(0);
    slider->setPageStep(1);
    connect(slider, &QSlider::valueChanged, this, &DMousePerformanceView::onValueChanged);
    connect(slider, &QSlider::sliderPressed, this, &DMousePerformanceView::onSliderPressed);
    connect(slider, &QSlider::sliderReleased, this, &DMousePerformanceView::onSliderReleased);
    updateTheme();
    updateSettingsButton();
}

DMousePerformanceView::~DMousePerformanceView() = default;

void DMousePerformanceView::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DMousePerformanceView::setRateIndex(int index)
{
    ui->horizontalSlider_RateReturn->setValue(index);
}

void DMousePerformanceView::setDesktopSettingsLauncher(DesktopSettingsLauncher *launcher)
{
    m_launcher = launcher;
    m_launchFailure.clear();
    updateSettingsButton();
}

void DMousePerformanceView::onValueChanged(int value)
{
    emit sigCurIndexChanged_MouseRateNumIndex(value);
    qCDebug(lcMouse).noquote() << "-----------------------ui->horizontalSlider_RateReturn->value[Change]:" << value;
}

void DMousePerformanceView::onSliderPressed()
{
    qCDebug(lcMouse).noquote() << "-----------------------ui->horizontalSlider_RateReturn->value[Press]:"
                               << ui->horizontalSlider_RateReturn->value();
}

void DMousePerformanceView::onSliderReleased()
{
    qCDebug(lcMouse).noquote() << "-----------------------ui->horizontalSlider_RateReturn->value[Release]:"
                               << ui->horizontalSlider_RateReturn->value();
}

void DMousePerformanceView::on_pushButton_MouseProfileRestore_clicked()
{
    emit sigResetoreMouseCurrentProfile();
}

void DMousePerformanceView::on_pushButton_MouseProperties_clicked()
{
    if (!m_launcher)
        return;
    // Started detached: the settings window outlives this click and the
    // window never waits for it.
    QString error;
    if (m_launcher->launch(DesktopSettingsLauncher::Mouse, &error)) {
        m_launchFailure.clear();
    } else {
        qCWarning(lcMouse).noquote() << "Mouse settings could not be opened:" << error;
        m_launchFailure = error;
    }
    updateSettingsButton();
}

void DMousePerformanceView::updateSettingsButton()
{
    QPushButton *button = ui->pushButton_MouseProperties;
    const bool available = m_launcher && m_launcher->command(DesktopSettingsLauncher::Mouse).isValid();
    button->setEnabled(available);
    if (!available)
        button->setToolTip(tr("No mouse settings program was found for this desktop."));
    else if (!m_launchFailure.isEmpty())
        button->setToolTip(tr("The mouse settings could not be opened: %1").arg(m_launchFailure));
    else
        button->setToolTip(QString());
}

void DMousePerformanceView::retranslate()
{
    ui->retranslateUi(this);
    updateSettingsButton();
}

void DMousePerformanceView::updateTheme()
{
    const auto css = [](const QString &text, int alpha = -1) { return themeColorInfo::cssColor(text, alpha); };
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QString font = QStringLiteral("font:bold 10pt \"%1\";").arg(theme.TextFont);
    // The theme's text colours, or the nearest shade that reads where they
    // would be faint on the panel or the buttons.
    const auto readable = [](const QString &text, const QString &background) {
        return themeColorInfo::cssColor(themeColorInfo::readableText(text, background));
    };
    setStyleSheet(
        QStringLiteral("QLabel{color:%1;%2}").arg(readable(theme.TextDefaultColor, theme.DeviceBottomBgColor), font));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-radius:8px;border:0px solid %1;background-color:%2;}")
                                 .arg(css(theme.DeviceBorderColor), css(theme.DeviceBottomBgColor)));
    ui->frame_4->setStyleSheet(QStringLiteral("QFrame#frame_4{border:none;border-right:1px solid %1;}")
                                   .arg(css(theme.DeviceControlDefaultColor)));
    ui->frame_RateReturn->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{background:transparent;height:8px;border-radius:4px;}"
                       "QSlider::add-page:horizontal{background:%1;height:8px;border-radius:4px;}"
                       "QSlider::sub-page:horizontal{background:%2;height:8px;border-radius:4px;}"
                       "QSlider::handle:horizontal{width:20px;height:16px;margin:-8px 0px;"
                       "border-image:url(:/images/deviceLed/sliderDef.png);}")
            .arg(css(theme.DeviceColorToolSliderTopColor), css(theme.DeviceColorToolSliderBottomColor)));
    ui->frame_5->setStyleSheet(
        QStringLiteral("QPushButton{border-radius:8px;border:1px solid %1;background-color:%2;color:%3;%6}"
                       "QPushButton:hover{background-color:%4;border:1px solid %5;}"
                       "QPushButton:pressed{color:%5;border:1px solid %5;background-color:%7;}"
                       "QPushButton:disabled{color:%1;}")
            .arg(css(theme.DeviceBorderColor), css(theme.DeviceControlDefaultColor),
                 readable(theme.TextDefaultColor, theme.DeviceControlDefaultColor),
                 css(theme.DeviceControlHoverColor, 130),
                 css(theme.TextCheckedColor), font, css(theme.DeviceControlHoverColor)));
}
