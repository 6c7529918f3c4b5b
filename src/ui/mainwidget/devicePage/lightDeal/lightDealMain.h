#pragma once

// The keyboard lighting engine: the lighting state of one keyboard (the 6 x 22
// frame of key colours, up to 60 side colours, one effect record per key cell
// and side LED, and the settings of the key and side zones), the tick threads
// that pace it, the 30 ms screen refresh that paints the keyboard view, and,
// while light synchronisation is on, the 30 ms stream of whole frames to the
// keyboard. Every operation and slot runs on the GUI thread.

#include "FrequencySpectrum.h"
#include "KeyLayoutFile.h"
#include "MainHidInterFace.h"
#include "breathState.h"
#include "keyEffectGenerator.h"
#include "keyEffectRecord.h"
#include "keyLightTrigger.h"
#include "keyboardButCustom.h"
#include "lightZoneSettings.h"
#include "musicBandLayout.h"
#include "musicRhythmEffect.h"
#include "sideEffectGenerator.h"
#include "sideLightButtonCustom.h"
#include "xmlRecords.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class DSoundCardAudioCapture;
class QTimer;
class SpectrumAnalyser;
class lightTickClock;
class sendLightUpdataThread;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;

class lightDealMain : public QObject, public keyLightTrigger
{
    Q_OBJECT

public:
    static constexpr int keyRows = keyEffectGenerator::rows;
    static constexpr int keyColumns = keyEffectGenerator::columns;
    static constexpr int keyCells = keyEffectGenerator::cells;
    static constexpr int maxSideLeds = KeyLayoutFile::MaxSideLights;
    // The side strip's LED count in a frame for a model without a longer one.
    static constexpr int defaultSideStripLeds = 33;
    static constexpr int syncRepeatMs = 3000;

    // clock: the time source of the tick threads; none means real time,
    // shared with the other engines. The engine does not own its clock.
    explicit lightDealMain(QObject *parent = nullptr, lightTickClock *clock = nullptr);
    ~lightDealMain() override;

    // ---- driven by the device page ----
    void setDeviceName(const QString &name);
    // The keyboard view's grid of key buttons, copied cell by cell; cells
    // without a button are skipped wherever the grid is walked.
    void setKeyButtons(keyboardButCustom *const grid[keyRows][keyColumns]);
    void setKeyCount(int keyCount);
    void setChipName(const QString &chipName);
    void setSideLightEnabled(bool enabled);
    // At most 60 buttons are taken, in strip order.
    void setSideLightWidgets(const QList<sideLightButtonCustom *> &buttons);
    void setScreenUpdateEnabled(bool enabled);
    void setHidInterface(MainHidInterFace *hidInterface);
    void setSpeedAndBrightnessMax(int keySpeedMax, int keyBrightnessMax, int sideSpeedMax,
                                  int sideBrightnessMax);
    void setKeyLightConfig(colorInfoData info);
    void updateKeyLightConfig(colorInfoData info);
    void setSideLightConfig(colorInfoData info);
    void updateSideLightConfig(colorInfoData info);
    void applyCustomLight();
    void setCustomKeyColors(const QList<keyboardButCustom *> &buttons);
    void clearLed_WaveFullColor_TabSaveUpdateAll();
    void stopAllThreads();
    void setSendThreadRunning(bool running);
    void setLightSynchronize(bool on);
    // A key press (and, for Speed Respond, a release) at a grid cell.
    void triggerKeyEffect(int row, int column) override;

    // ---- state, read by the device page and the tests ----
    const QString &deviceName() const { return m_deviceName; }
    int keyCount() const { return m_keyEffects.keyCount(); }
    int cellCount() const { return m_keyEffects.cellCount(); }
    bool isM252Chip() const { return m_isM252Chip; }
    int keyEffectId() const { return m_keyEffects.effectId(); }
    int sideEffectId() const { return m_sideEffects.effectId(); }
    const std::array<QColor, keyCells> &keyColors() const { return m_keyEffects.frame(); }
    const std::array<QColor, maxSideLeds> &sideColors() const { return m_sideEffects.colors(); }
    const sideEffectGenerator &sideEffects() const { return m_sideEffects; }
    const keyEffectGenerator &keyEffects() const { return m_keyEffects; }
    const lightZoneSettings &keyZone() const { return m_keyZone; }
    const lightZoneSettings &sideZone() const { return m_sideZone; }
    bool isKeyEffectRunning() const { return m_keyEffectRunning; }
    bool isSideEffectRunning() const { return m_sideEffectRunning; }
    bool isLightSynchronize() const { return m_lightSynchronize; }
    bool isBandLightingOn() const { return m_bandLightingOn; }
    int triggerRow() const { return m_triggerRow; }
    int triggerColumn() const { return m_triggerColumn; }
    int keyTickInterval() const;
    int sideTickInterval() const;
    updateLightMainThread *keyTickThread() const { return m_keyTickThread.get(); }
    updateLightMainThreadSide *sideTickThread() const { return m_sideTickThread.get(); }
    updateLightMainThreadUI *screenThread() const { return m_screenThread.get(); }
    sendLightUpdataThread *sendThread() const { return m_sendThread.get(); }
    QTimer *syncTimer() const { return m_syncTimer; }

    // The side strip's LED count in a frame for a keyboard model.
    static int sideStripLedCount(const QString &modelName);

    // ---- music (effect 100) ----
    // The band layout of the selected keyboard (the device page passes the
    // key count, 11 bands, 30 Hz and 930 Hz).
    void initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency);
    // The capture runs exactly while this is on; a capture that fails to
    // start is tried again at the next switch on.
    void setMusicMode(bool on);
    bool isMusicMode() const { return m_musicMode; }
    DSoundCardAudioCapture *musicCapture() const { return m_capture.get(); }
    SpectrumAnalyser *spectrumAnalyser() const { return m_spectrumAnalyser; }
    const musicBandLayout &musicBands() const { return m_musicBands; }
    const FrequencySpectrum &lastSpectrum() const { return m_spectrum; }
    int pendingAudioBytes() const { return m_audioBuffer.size(); }

public slots:
    void onDviceUpdateAllKeyColor();
    void onDviceUpdateAllSideLightColor();
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();
    // One captured packet, the engine's own copy.
    void onSendCaptureAudioData(const QByteArray &data);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);

private:
    void initMusicEffect();
    void stepMusicEffect();
    void selectKeyEffect();
    void selectSideEffect();
    void showStoredKeyColors(int id);
    void showStoredSideColors(int id);
    // Gives every key button its cell's frame colour.
    void paintKeyButtons();
    void startEffectThreads();
    void stopEffectThreads();
    void startScreenThread();
    void stopScreenThread();
    void sendKeyboardColorFrame();
    void writeColorPackets(uint8_t zone, const QColor *colours, int count);
    void writeColorPacket(uint8_t zone, uint8_t index, const unsigned char *bytes, int count);
    void applyKeyTypeExtras();
    void retimeKeyTick();
    void retimeSideTick();
    std::array<QColor, keyCells> currentKeyButtonColors() const;
    keyboardButCustom *keyButton(int index) const { return m_keyButtons[index].data(); }

    lightTickClock &m_clock;

    std::array<QPointer<keyboardButCustom>, keyCells> m_keyButtons;
    QString m_deviceName;
    int m_frameSideLeds = defaultSideStripLeds; // of m_deviceName's strip
    int m_triggerRow = -10;
    int m_triggerColumn = -10;

    QTimer *m_syncTimer = nullptr;
    bool m_lightSynchronize = false;
    bool m_screenUpdateEnabled = true;
    bool m_keyEffectRunning = false;
    bool m_sideEffectRunning = false;
    bool m_sideLightEnabled = false;

    lightZoneSettings m_keyZone {lightZoneSettings::speedTableRule::shortTableUpToMax4};
    lightZoneSettings m_sideZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    breathState m_breath;
    keyEffectGenerator m_keyEffects {m_keyZone, m_breath};
    sideEffectGenerator m_sideEffects {m_sideZone, m_breath};

    std::unique_ptr<updateLightMainThread> m_keyTickThread;
    std::unique_ptr<updateLightMainThreadSide> m_sideTickThread;
    std::unique_ptr<updateLightMainThreadUI> m_screenThread;
    std::unique_ptr<sendLightUpdataThread> m_sendThread;

    QList<QPointer<sideLightButtonCustom>> m_sideButtons;

    bool m_isM252Chip = false;
    bool m_frameSending = false;
    bool m_packetSending = false;
    QPointer<MainHidInterFace> m_hidInterface;

    // Music: packets gather here until one analysis' worth has come.
    QByteArray m_audioBuffer;
    QAudioFormat m_audioFormat;
    std::unique_ptr<DSoundCardAudioCapture> m_capture;
    SpectrumAnalyser *m_spectrumAnalyser = nullptr;
    musicBandLayout m_musicBands;
    FrequencySpectrum m_spectrum;
    musicRhythmEffect m_musicEffect {m_keyEffects, m_keyZone};
    bool m_bandLightingOn = true;
    bool m_musicMode = false;
    // Counts packets that find a full buffer; never reset.
    int m_musicPacketCount = 0;
};
