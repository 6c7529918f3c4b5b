#include "lightDealMain.h"

#include "DSoundCardAudioCapture.h"
#include "SpectrumAnalyser.h"
#include "WindowFunction.h"
#include "checkedConnect.h"
#include "MainHidInterFace.h"
#include "keyboardButCustom.h"
#include "lightingReports.h"
#include "sendLightUpdataThread.h"
#include "sideLightButtonCustom.h"
#include "steadyTickClock.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadSide.h"
#include "updateLightMainThreadUI.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int ledTypeBandSwitch = 20;   // no effect of its own: switches the music bands
constexpr int ledTypeBandTickMs = 10;
constexpr int blankingAlpha = 250;
constexpr int sideBlankingAlpha = 180;
// One analysis takes 4096 stereo frames of 16 bits.
constexpr int musicAnalysisBytes = 16384;
// Of the packets that find a full buffer, every this many starts an analysis.
constexpr int musicAnalysisEvery = 10;

} // namespace

lightDealMain::lightDealMain(QObject *parent, lightTickClock *clock)
    : QObject(parent)
    , m_clock(clock ? *clock : steadyTickClock::shared())
{
    m_keyTickThread = std::make_unique<updateLightMainThread>(m_clock);
    m_sideTickThread = std::make_unique<updateLightMainThreadSide>(m_clock);
    m_screenThread = std::make_unique<updateLightMainThreadUI>(m_clock);
    m_sendThread = std::make_unique<sendLightUpdataThread>(m_clock);
    connect(m_keyTickThread.get(), SIGNAL(sigDviceUpdateAllKeyColor()), this,
            SLOT(onDviceUpdateAllKeyColor()));
    connect(m_sideTickThread.get(), SIGNAL(sigDviceUpdateAllKeyColorSide()), this,
            SLOT(onDviceUpdateAllSideLightColor()));
    connect(m_screenThread.get(), SIGNAL(sigDviceUpdateAllKeyColorUI()), this,
            SLOT(onDviceUpdateAllKeyColorUI()));
    connect(m_screenThread.get(), SIGNAL(sigDviceUpdateAllKeyColorUI()), this,
            SLOT(onDviceUpdateAllSideLightColorUI()));
    connect(m_sendThread.get(), SIGNAL(sigDviceUpdateAllKeyColorSendKeyboardHid()), this,
            SLOT(onDviceUpdateAllKeyColorSendKeyboardHid()));

    m_syncTimer = new QTimer(this);
    connect(m_syncTimer, SIGNAL(timeout()), this, SLOT(onSendLightSynchronize0x17Cmd()));

    // What the capture delivers; the server converts to it whatever the
    // sink plays.
    m_audioFormat.setSampleRate(44100);
    m_audioFormat.setChannelCount(2);
    m_audioFormat.setSampleSize(16);
    m_audioFormat.setCodec(QStringLiteral("audio/pcm"));
    m_audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    m_audioFormat.setSampleType(QAudioFormat::SignedInt);
    m_audioBuffer.reserve(2 * musicAnalysisBytes);
    m_capture = std::make_unique<DSoundCardAudioCapture>();
    connect(m_capture.get(), &DSoundCardAudioCapture::sigSendCaptureAudioData, this,
            &lightDealMain::onSendCaptureAudioData);
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    m_spectrumAnalyser = new SpectrumAnalyser(this);
    checkedConnect(m_spectrumAnalyser, SIGNAL(spectrumChanged(FrequencySpectrum)), this,
                   SLOT(onSpectrumChanged(FrequencySpectrum)));
}

lightDealMain::~lightDealMain()
{
    m_capture->stop();
    // Stop every loop first so that none waits out another's sleep; the
    // threads' own destructors then wait for their loops to end.
    m_keyTickThread->stopTicking();
    m_sideTickThread->stopTicking();
    m_screenThread->stopTicking();
    m_sendThread->stopTicking();
}

// ---- set-up by the device page ---------------------------------------------

void lightDealMain::setDeviceName(const QString &name)
{
    m_deviceName = name;
    // Looked up once here rather than on every send tick.
    m_frameSideLeds = std::min(sideStripLedCount(name), maxSideLeds);
    m_sideEffects.setModelName(name);
}

void lightDealMain::setKeyButtons(keyboardButCustom *const grid[keyRows][keyColumns])
{
    for (int r = 0; r < keyRows; ++r) {
        for (int c = 0; c < keyColumns; ++c)
            m_keyButtons[r * keyColumns + c] = grid[r][c];
    }
}

void lightDealMain::setKeyCount(int keyCount)
{
    m_keyEffects.setKeyCount(keyCount);
}

void lightDealMain::setChipName(const QString &chipName)
{
    m_isM252Chip = chipName.contains(QLatin1String("M252"), Qt::CaseInsensitive);
    m_keyEffects.setM252Chip(m_isM252Chip);
}

void lightDealMain::setSideLightEnabled(bool enabled)
{
    m_sideLightEnabled = enabled;
}

void lightDealMain::setSideLightWidgets(const QList<sideLightButtonCustom *> &buttons)
{
    m_sideButtons.clear();
    for (sideLightButtonCustom *button : buttons) {
        if (m_sideButtons.size() >= maxSideLeds)
            break;
        m_sideButtons.append(button);
    }
    QVector<int> validStatus;
    for (const QPointer<sideLightButtonCustom> &button : m_sideButtons)
        validStatus.append(button ? button->getValidStatus() : 0);
    m_sideEffects.setLeds(validStatus);
}

void lightDealMain::setScreenUpdateEnabled(bool enabled)
{
    m_screenUpdateEnabled = enabled;
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setSpeedAndBrightnessMax(int keySpeedMax, int keyBrightnessMax, int sideSpeedMax,
                                             int sideBrightnessMax)
{
    m_keyZone.setMaxima(keySpeedMax, keyBrightnessMax);
    m_sideZone.setMaxima(sideSpeedMax, sideBrightnessMax);
}

int lightDealMain::keyTickInterval() const
{
    return m_keyTickThread->interval();
}

int lightDealMain::sideTickInterval() const
{
    return m_sideTickThread->interval();
}

void lightDealMain::retimeKeyTick()
{
    m_keyTickThread->setInterval(m_keyZone.tickInterval());
}

void lightDealMain::retimeSideTick()
{
    m_sideTickThread->setInterval(m_sideZone.tickInterval());
}

void lightDealMain::applyKeyTypeExtras()
{
    const colorInfoData &working = m_keyZone.working();
    if (working.ledType != ledTypeBandSwitch)
        return;
    m_keyTickThread->setInterval(ledTypeBandTickMs);
    if (working.ledDirection == 2)
        m_bandLightingOn = true;
    else if (working.ledDirection == 3)
        m_bandLightingOn = false;
}

void lightDealMain::setKeyLightConfig(colorInfoData info)
{
    m_keyZone.apply(info);
    retimeKeyTick();
    if (m_keyZone.working().ledType != keyEffectGenerator::effectCustom) {
        m_keyEffects.fillFrame(QColor(0, 0, 0, blankingAlpha));
        paintKeyButtons();
    }
    applyKeyTypeExtras();
    selectKeyEffect();
    startEffectThreads();
    startScreenThread();
}

void lightDealMain::updateKeyLightConfig(colorInfoData info)
{
    m_keyZone.apply(info);
    retimeKeyTick();
    applyKeyTypeExtras();
}

void lightDealMain::setSideLightConfig(colorInfoData info)
{
    m_sideZone.apply(info);
    retimeSideTick();
    const QColor blank(0, 0, 0, sideBlankingAlpha);
    for (int n = 0; n < m_sideButtons.size(); ++n) {
        if (sideLightButtonCustom *button = m_sideButtons[n].data())
            button->setLightColor(blank);
        m_sideEffects.setColor(n, blank);
    }
    selectSideEffect();
}

void lightDealMain::updateSideLightConfig(colorInfoData info)
{
    m_sideZone.apply(info);
    retimeSideTick();
}

std::array<QColor, lightDealMain::keyCells> lightDealMain::currentKeyButtonColors() const
{
    std::array<QColor, keyCells> colours;
    for (int i = 0; i < keyCells; ++i) {
        const keyboardButCustom *button = keyButton(i);
        colours[i] = button ? button->getKeyColor() : QColor(0, 0, 0);
    }
    return colours;
}

void lightDealMain::applyCustomLight()
{
    m_keyEffects.initCustomEffect(currentKeyButtonColors());
}

void lightDealMain::setCustomKeyColors(const QList<keyboardButCustom *> &buttons)
{
    for (const keyboardButCustom *button : buttons) {
        if (!button)
            continue;
        const int row = button->getRow();
        const int column = button->getColumn();
        if (row < 0 || row >= keyRows || column < 0 || column >= keyColumns)
            continue;
        m_keyEffects.setCustomKeyColor(row, column, button->getKeyColor());
    }
    showStoredKeyColors(keyEffectGenerator::effectCustom);
}

void lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll()
{
    m_keyEffects.fillFrame(QColor(0, 0, 0, 0));
    qDebug() << "--------------------------------------- ************ "
                "lightDealMain::clearLed_WaveFullColor_TabSaveUpdateAll [End] ************ "
                "---------------------------------------";
}

void lightDealMain::triggerKeyEffect(int row, int column)
{
    if (!m_keyEffectRunning)
        return;
    if (row < 0 || row >= keyRows || column < 0 || column >= keyColumns)
        return;
    m_triggerRow = row;
    m_triggerColumn = column;
    m_keyEffects.triggerKeyEffect(row, column);
}

// ---- effect selection -------------------------------------------------------

void lightDealMain::selectKeyEffect()
{
    const int id = m_keyZone.raw().ledType;
    m_keyEffects.setEffectId(id);
    if (id == keyEffectGenerator::effectMusic) {
        initMusicEffect();
        return;
    }
    if (id == keyEffectGenerator::effectCustom) {
        m_keyEffects.initCustomEffect(currentKeyButtonColors());
        return;
    }
    if (m_keyEffects.runSetUp(id))
        showStoredKeyColors(id);
}

void lightDealMain::selectSideEffect()
{
    const int id = m_sideZone.raw().ledType;
    if (m_sideEffects.runSetUp(id))
        showStoredSideColors(id);
}

void lightDealMain::showStoredKeyColors(int id)
{
    m_keyEffects.showStoredKeyColors(id);
    if (id == keyEffectGenerator::effectCustom)
        return;
    const std::array<QColor, keyCells> &frame = m_keyEffects.frame();
    for (int i = 0; i < keyCells; ++i) {
        if (keyboardButCustom *button = keyButton(i)) {
            QColor shown = frame[i];
            shown.setAlpha(0);
            button->setKeyColor(shown);
        }
    }
}

void lightDealMain::showStoredSideColors(int id)
{
    m_sideEffects.setEffectId(id);
    for (int n = 0; n < m_sideButtons.size(); ++n) {
        const keyEffectRecord &record = m_sideEffects.record(n);
        const QColor shown(record.red, record.green, record.blue, 0);
        if (sideLightButtonCustom *button = m_sideButtons[n].data())
            button->setLightColor(shown);
        m_sideEffects.setColor(n, shown);
    }
}

// ---- threads ---------------------------------------------------------------

void lightDealMain::startEffectThreads()
{
    m_keyEffectRunning = true;
    m_keyTickThread->startTicking();
    m_sideEffectRunning = true;
    m_sideTickThread->startTicking();
}

void lightDealMain::stopEffectThreads()
{
    m_keyEffectRunning = false;
    m_keyTickThread->stopTicking();
    m_sideEffectRunning = false;
    m_sideTickThread->stopTicking();
}

void lightDealMain::startScreenThread()
{
    m_screenThread->startTicking();
}

void lightDealMain::stopScreenThread()
{
    m_screenThread->stopTicking();
}

void lightDealMain::setSendThreadRunning(bool running)
{
    if (running)
        m_sendThread->startTicking();
    else
        m_sendThread->stopTicking();
}

void lightDealMain::stopAllThreads()
{
    if (m_screenThread->isRunning())
        stopScreenThread();
    if (m_keyTickThread->isRunning() || m_sideTickThread->isRunning())
        stopEffectThreads();
    if (m_sendThread->isRunning())
        setSendThreadRunning(false);
}

// ---- ticks -----------------------------------------------------------------

void lightDealMain::onDviceUpdateAllKeyColor()
{
    if (!m_keyEffectRunning)
        return;
    if (m_keyEffects.effectId() == keyEffectGenerator::effectMusic) {
        stepMusicEffect();
        return;
    }
    m_keyEffects.stepKeyEffect();
}

void lightDealMain::onDviceUpdateAllSideLightColor()
{
    if (!m_sideEffectRunning || !m_sideLightEnabled)
        return;
    m_sideEffects.step();
}

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyEffectRunning || !m_screenUpdateEnabled)
        return;
    paintKeyButtons();
}

void lightDealMain::paintKeyButtons()
{
    const std::array<QColor, keyCells> &frame = m_keyEffects.frame();
    for (int i = 0; i < keyCells; ++i) {
        if (keyboardButCustom *button = keyButton(i))
            button->setKeyColor(frame[i]);
    }
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideEffectRunning || !m_sideLightEnabled || !m_screenUpdateEnabled)
        return;
    for (int n = 0; n < m_sideButtons.size(); ++n) {
        if (sideLightButtonCustom *button = m_sideButtons[n].data())
            button->setLightColor(m_sideEffects.colors()[n]);
    }
}

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    sendKeyboardColorFrame();
}

// ---- frames and light synchronisation ----------------------------------------

int lightDealMain::sideStripLedCount(const QString &modelName)
{
    if (modelName == QLatin1String("Avelorn"))
        return 41;
    if (modelName == QLatin1String("Wolvarne"))
        return 45;
    if (modelName == QLatin1String("Urrasque"))
        return 49;
    if (modelName == QLatin1String("Rulvarro") || modelName == QLatin1String("Varrowen"))
        return 50;
    return defaultSideStripLeds;
}

void lightDealMain::sendKeyboardColorFrame()
{
    if (m_frameSending)
        return;
    m_frameSending = true;

    // Keys: packets 0 to 6 of 18 cells, packet 7 of the last 6.
    writeColorPackets(kColorFrameZoneKeys, m_keyEffects.frame().data(), keyCells);
    // Side lights: part of every frame, with or without a strip on the
    // keyboard, so the device always gets whole frames.
    writeColorPackets(kColorFrameZoneSide, m_sideEffects.colors().data(), m_frameSideLeds);

    m_frameSending = false;
}

// The zone's colours in packets of 18 LEDs, the last packet holding what is
// left.
void lightDealMain::writeColorPackets(uint8_t zone, const QColor *colours, int count)
{
    unsigned char buffer[kColorBytesPerPacket];
    int used = 0;
    uint8_t index = 0;
    for (int k = 1; k <= count; ++k) {
        const QColor &colour = colours[k - 1];
        buffer[used++] = uint8_t(colour.red());
        buffer[used++] = uint8_t(colour.green());
        buffer[used++] = uint8_t(colour.blue());
        if (k % kLedsPerColorPacket == 0 || k == count) {
            writeColorPacket(zone, index, buffer, used);
            used = 0;
            ++index;
        }
    }
}

void lightDealMain::writeColorPacket(uint8_t zone, uint8_t index, const unsigned char *bytes, int count)
{
    if (m_packetSending)
        return;
    m_packetSending = true;
    hidReportData report {};
    keyColorFrameReport(zone, index, bytes, count, report);
    if (m_hidInterface && m_hidInterface->writeLightData(report.data(), int(report.size())) < 0)
        qDebug() << "USB serial port [Write keyboard Color] Failed ...";
    m_packetSending = false;
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    if (!m_hidInterface)
        return;
    const hidReportData report = lightSynchronizeReport(m_lightSynchronize);
    if (m_hidInterface->writeHidData(report.data(), int(report.size())) < 0) {
        qDebug() << "USB serial port [ Into Light Synchronous ] Failed ...";
        return;
    }
    qDebug() << "------------------------------ *** USB serial port [ Into Light Synchronous ] Successful ...";
}

void lightDealMain::setLightSynchronize(bool on)
{
    if (on) {
        m_lightSynchronize = true;
        onSendLightSynchronize0x17Cmd();
        m_syncTimer->start(syncRepeatMs);
    } else {
        if (m_syncTimer->isActive())
            m_syncTimer->stop();
        m_lightSynchronize = false;
        onSendLightSynchronize0x17Cmd();
    }
}

// ---- music (effect 100) --------------------------------------------------------

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency)
{
    m_keyEffects.setKeyCount(keyCount);
    m_musicBands.init(keyCount, bandCount, lowFrequency, highFrequency);
}

void lightDealMain::setMusicMode(bool on)
{
    m_musicMode = on;
    if (on) {
        if (m_capture->isRunning())
            return;
        clearLed_WaveFullColor_TabSaveUpdateAll();
        m_spectrumAnalyser->cancelCalculation();
        // A failure is in the daily log; the effect then shows the background.
        m_capture->start();
    } else {
        if (!m_capture->isRunning())
            return;
        m_capture->stop();
        m_spectrumAnalyser->cancelCalculation();
        clearLed_WaveFullColor_TabSaveUpdateAll();
    }
}

void lightDealMain::onSendCaptureAudioData(const QByteArray &data)
{
    m_audioBuffer.append(data);
    if (m_audioBuffer.size() <= musicAnalysisBytes)
        return;
    if (m_musicPacketCount == 0) {
        m_spectrumAnalyser->calculate(m_audioBuffer.left(musicAnalysisBytes), m_audioFormat);
        m_audioBuffer.resize(0); // keeps the reserved room
    }
    m_musicPacketCount += 1;
    if (m_musicPacketCount == musicAnalysisEvery)
        m_musicPacketCount = 0;
}

void lightDealMain::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_musicMode)
        return;
    m_spectrum = spectrum;
    m_musicBands.fold(spectrum);
    m_musicEffect.applyBandLevels(m_musicBands, m_bandLightingOn);
}

void lightDealMain::initMusicEffect()
{
    m_musicEffect.initMusicEffect(m_musicBands);
    showStoredKeyColors(keyEffectGenerator::effectMusic);
}

void lightDealMain::stepMusicEffect()
{
    m_musicEffect.stepMusicEffect();
}
