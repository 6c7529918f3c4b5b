#pragma once

// The mouse lighting engine: the three lighting zones of the mouse (Around,
// Scroll, Logo) computed on the PC, shown on the LED dots of the mouse
// picture every 30 ms and, while light synchronisation is on, streamed to
// the mouse as one 0x48 report every 30 ms. The twin of the keyboard engine:
// the same zone rules, tick threads and 0x17 report. Every operation and
// slot runs on the GUI thread.

#include "MainHidInterFace.h"
#include "lightZoneSettings.h"
#include "mouseEffectGenerator.h"
#include "mouseLightButtonCustom.h"
#include "mouseLightTrigger.h"
#include "xmlRecords.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class QTimer;
class lightTickClock;
class sendMouseLightUpdataThread;
class updateLightMainThreadAround;
class updateLightMainThreadLogo;
class updateLightMainThreadScroll;
class updateMouseLightMainThreadUI;

class mouseLightDealMain : public QObject, public mouseLightTrigger
{
    Q_OBJECT

public:
    static constexpr int ledCount = mouseEffectGenerator::ledCount;
    static constexpr int logoLed = 5;
    static constexpr int scrollLed = 7;
    static constexpr int syncRepeatMs = 3000;

    // clock: the time source of the tick threads; none means real time,
    // shared with the other engines. The engine does not own its clock.
    explicit mouseLightDealMain(QObject *parent = nullptr, lightTickClock *clock = nullptr);
    ~mouseLightDealMain() override;

    // ---- driven by the device page ----
    // The mouse picture's dots in layout order; at most 18 are taken.
    void setLedWidgets(const QList<mouseLightButtonCustom *> &dots);
    void setHidInterface(MainHidInterFace *hidInterface);
    void setScrollLinked(bool linked);
    void setLogoLinked(bool linked);
    // Whether the screen tick paints the dots.
    void setScreenUpdateEnabled(bool enabled);
    void setSpeedAndBrightnessMax(int aroundSpeedMax, int aroundBrightnessMax, int scrollSpeedMax,
                                  int scrollBrightnessMax, int logoSpeedMax, int logoBrightnessMax);
    // The DPI level colours in profile order, and the level shown (from 1).
    void setDpiColors(const QList<QColor> &colours, int level);
    void setAroundLightConfig(colorInfoData info);
    void updateAroundLightConfig(colorInfoData info);
    void setScrollLightConfig(colorInfoData info);
    void updateScrollLightConfig(colorInfoData info);
    void setLogoLightConfig(colorInfoData info);
    void updateLogoLightConfig(colorInfoData info);
    void clearLedColors();
    void stopAllThreads();
    void startZoneThreads();
    void setSendThreadRunning(bool running);
    void setLightSynchronize(bool on);

    // ---- called by the device link ----
    void onDpiKeyPressed() override;
    void onMouseButtonTrigger() override;

    // ---- state, read by the device page and the tests ----
    const mouseEffectGenerator &effects() const { return m_effects; }
    const lightZoneSettings &aroundZone() const { return m_aroundZone; }
    const lightZoneSettings &scrollZone() const { return m_scrollZone; }
    const lightZoneSettings &logoZone() const { return m_logoZone; }
    bool isAroundRunning() const { return m_aroundRunning; }
    bool isScrollRunning() const { return m_scrollRunning; }
    bool isLogoRunning() const { return m_logoRunning; }
    bool isLightSynchronize() const { return m_lightSynchronize; }
    bool isScrollLinked() const { return m_scrollLinked; }
    bool isLogoLinked() const { return m_logoLinked; }
    // LED n as the dots and the frame show it: LED 5 is the Logo zone's
    // colour and LED 7 the Scroll zone's, unless the zone is linked.
    QColor shownLedColor(int n) const;
    updateLightMainThreadAround *aroundTickThread() const { return m_aroundTickThread.get(); }
    updateLightMainThreadScroll *scrollTickThread() const { return m_scrollTickThread.get(); }
    updateLightMainThreadLogo *logoTickThread() const { return m_logoTickThread.get(); }
    updateMouseLightMainThreadUI *screenThread() const { return m_screenThread.get(); }
    sendMouseLightUpdataThread *sendThread() const { return m_sendThread.get(); }
    QTimer *syncTimer() const { return m_syncTimer; }

public slots:
    void onDviceUpdateMouseAllColorUIAround();
    void onDviceUpdateMouseAllColorUIScroll();
    void onDviceUpdateMouseAllColorUILogo();
    void onDviceUpdateMouseAroundColor();
    void onDviceUpdateMouseScrollColor();
    void onDviceUpdateMouseLogoColor();
    void onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();

private:
    void selectAroundEffect();
    void selectScrollEffect();
    void selectLogoEffect();
    void showAroundRecords();
    void showScrollRecord();
    void showLogoRecord();
    // The shown colour of record, at alpha 180, on the dot at position
    // (when there is one); returns it.
    QColor showRecord(int record, int position);
    void writeMouseColorPacket();
    mouseLightButtonCustom *dot(int n) const { return n < m_ledButtons.size() ? m_ledButtons[n].data() : nullptr; }
    bool dpiShown() const;

    lightTickClock &m_clock;
    QTimer *m_syncTimer = nullptr;
    bool m_lightSynchronize = false;
    QList<QPointer<mouseLightButtonCustom>> m_ledButtons;
    bool m_scrollLinked = false;
    bool m_logoLinked = false;
    bool m_screenUpdateEnabled = true;

    std::unique_ptr<sendMouseLightUpdataThread> m_sendThread;
    std::unique_ptr<updateMouseLightMainThreadUI> m_screenThread;
    std::unique_ptr<updateLightMainThreadAround> m_aroundTickThread;
    std::unique_ptr<updateLightMainThreadScroll> m_scrollTickThread;
    std::unique_ptr<updateLightMainThreadLogo> m_logoTickThread;
    bool m_aroundRunning = false;
    bool m_scrollRunning = false;
    bool m_logoRunning = false;

    // The mouse's zones take the 5-entry speed table only at a maximum of 4.
    lightZoneSettings m_aroundZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings m_scrollZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    lightZoneSettings m_logoZone {lightZoneSettings::speedTableRule::shortTableAtMax4};
    mouseEffectGenerator m_effects {m_aroundZone, m_scrollZone, m_logoZone};

    QPointer<MainHidInterFace> m_hidInterface;
    bool m_frameSending = false;
    bool m_packetSending = false;
};
