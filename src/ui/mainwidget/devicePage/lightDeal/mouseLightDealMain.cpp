#include "mouseLightDealMain.h"

#include "lightingReports.h"
#include "sendMouseLightUpdataThread.h"
#include "steadyTickClock.h"
#include "updateLightMainThreadAround.h"
#include "updateLightMainThreadLogo.h"
#include "updateLightMainThreadScroll.h"
#include "updateMouseLightMainThreadUI.h"

#include <QDebug>
#include <QTimer>

namespace {

constexpr int blankingAlpha = 180;
constexpr int setUpAlpha = 180;

} // namespace

mouseLightDealMain::mouseLightDealMain(QObject *parent, lightTickClock *clock)
    : QObject(parent)
    , m_clock(clock ? *clock : steadyTickClock::shared())
{
    m_sendThread = std::make_unique<sendMouseLightUpdataThread>(m_clock);
    connect(m_sendThread.get(), SIGNAL(sigDviceUpdateAllMouseKeyColorSendKeyboardHid()), this,
            SLOT(onDviceUpdateAllMouseKeyColorSendKeyboardHid()));
    m_screenThread = std::make_unique<updateMouseLightMainThreadUI>(m_clock);
    connect(m_screenThread.get(), SIGNAL(sigDviceUpdateMouseAllColorUI()), this,
            SLOT(onDviceUpdateMouseAllColorUIAround()));
    connect(m_screenThread.get(), SIGNAL(sigDviceUpdateMouseAllColorUI()), this,
            SLOT(onDviceUpdateMouseAllColorUIScroll()));
    connect(m_screenThread.get(), SIGNAL(sigDviceUpdateMouseAllColorUI()), this,
            SLOT(onDviceUpdateMouseAllColorUILogo()));
    m_aroundTickThread = std::make_unique<updateLightMainThreadAround>(m_clock);
    m_scrollTickThread = std::make_unique<updateLightMainThreadScroll>(m_clock);
    m_logoTickThread = std::make_unique<updateLightMainThreadLogo>(m_clock);
    connect(m_aroundTickThread.get(), SIGNAL(sigDviceUpdateMouseAroundColor()), this,
            SLOT(onDviceUpdateMouseAroundColor()));
    connect(m_scrollTickThread.get(), SIGNAL(sigDviceUpdateMouseScrollColor()), this,
            SLOT(onDviceUpdateMouseScrollColor()));
    connect(m_logoTickThread.get(), SIGNAL(sigDviceUpdateMouseLogoColor()), this,
            SLOT(onDviceUpdateMouseLogoColor()));

    m_syncTimer = new QTimer(this);
    connect(m_syncTimer, SIGNAL(timeout()), this, SLOT(onSendLightSynchronize0x17Cmd()));
}

mouseLightDealMain::~mouseLightDealMain()
{
    // No tick reaches the engine once it goes; the threads' own
    // destructors follow.
    m_aroundTickThread->stopTicking();
    m_scrollTickThread->stopTicking();
    m_logoTickThread->stopTicking();
    m_screenThread->stopTicking();
    m_sendThread->stopTicking();
}

// ---- set-up by the device page ---------------------------------------------

void mouseLightDealMain::setLedWidgets(const QList<mouseLightButtonCustom *> &dots)
{
    m_ledButtons.clear();
    QVector<int> validStatus;
    for (mouseLightButtonCustom *d : dots) {
        if (m_ledButtons.size() >= ledCount)
            break;
        m_ledButtons.append(d);
        validStatus.append(d ? d->validStatus() : 0);
    }
    m_effects.setLeds(validStatus);
}

void mouseLightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void mouseLightDealMain::setScrollLinked(bool linked)
{
    m_scrollLinked = linked;
}

void mouseLightDealMain::setLogoLinked(bool linked)
{
    m_logoLinked = linked;
}

void mouseLightDealMain::setScreenUpdateEnabled(bool enabled)
{
    m_screenUpdateEnabled = enabled;
}

void mouseLightDealMain::setSpeedAndBrightnessMax(int aroundSpeedMax, int aroundBrightnessMax, int scrollSpeedMax,
                                                  int scrollBrightnessMax, int logoSpeedMax, int logoBrightnessMax)
{
    m_aroundZone.setMaxima(aroundSpeedMax, aroundBrightnessMax);
    m_scrollZone.setMaxima(scrollSpeedMax, scrollBrightnessMax);
    m_logoZone.setMaxima(logoSpeedMax, logoBrightnessMax);
}

void mouseLightDealMain::setDpiColors(const QList<QColor> &colours, int level)
{
    m_effects.setDpiColors(colours, level);
}

void mouseLightDealMain::setAroundLightConfig(colorInfoData info)
{
    m_aroundZone.apply(info);
    m_aroundTickThread->setInterval(m_aroundZone.tickInterval());
    const QColor blank(0, 0, 0, blankingAlpha);
    for (int n = 0; n < m_ledButtons.size(); ++n) {
        if (mouseLightButtonCustom *d = dot(n))
            d->setColor(blank);
        m_effects.setLedColor(n, blank);
    }
    selectAroundEffect();
    startZoneThreads();
}

void mouseLightDealMain::updateAroundLightConfig(colorInfoData info)
{
    m_aroundZone.apply(info);
    m_aroundTickThread->setInterval(m_aroundZone.tickInterval());
}

void mouseLightDealMain::setScrollLightConfig(colorInfoData info)
{
    updateScrollLightConfig(info);
    selectScrollEffect();
}

void mouseLightDealMain::updateScrollLightConfig(colorInfoData info)
{
    m_scrollZone.apply(info);
    m_scrollTickThread->setInterval(m_scrollZone.tickInterval());
}

void mouseLightDealMain::setLogoLightConfig(colorInfoData info)
{
    updateLogoLightConfig(info);
    selectLogoEffect();
}

void mouseLightDealMain::updateLogoLightConfig(colorInfoData info)
{
    m_logoZone.apply(info);
    m_logoTickThread->setInterval(m_logoZone.tickInterval());
}

void mouseLightDealMain::clearLedColors()
{
    for (int n = 0; n < ledCount; ++n)
        m_effects.setLedColor(n, QColor(0, 0, 0, 255));
}

// ---- effects ---------------------------------------------------------------

void mouseLightDealMain::selectAroundEffect()
{
    if (m_effects.runAroundSetUp(m_aroundZone.raw().ledType))
        showAroundRecords();
}

void mouseLightDealMain::selectScrollEffect()
{
    if (m_effects.runScrollSetUp(m_scrollZone.raw().ledType))
        showScrollRecord();
}

void mouseLightDealMain::selectLogoEffect()
{
    if (m_effects.runLogoSetUp(m_logoZone.raw().ledType))
        showLogoRecord();
}

QColor mouseLightDealMain::showRecord(int record, int position)
{
    const keyEffectRecord &r = m_effects.record(record);
    const QColor shown(r.red, r.green, r.blue, setUpAlpha);
    if (mouseLightButtonCustom *d = dot(position))
        d->setColor(shown);
    return shown;
}

void mouseLightDealMain::showAroundRecords()
{
    for (int n = 0; n < m_ledButtons.size(); ++n)
        m_effects.setLedColor(n, showRecord(n, n));
}

void mouseLightDealMain::showScrollRecord()
{
    // The zone's colour is kept even without a dot to show it on.
    m_effects.setScrollColor(showRecord(mouseEffectGenerator::scrollRecord, scrollLed));
}

void mouseLightDealMain::showLogoRecord()
{
    m_effects.setLogoColor(showRecord(mouseEffectGenerator::logoRecord, logoLed));
}

QColor mouseLightDealMain::shownLedColor(int n) const
{
    if (n == logoLed && !m_logoLinked)
        return m_effects.logoColor();
    if (n == scrollLed && !m_scrollLinked)
        return m_effects.scrollColor();
    return m_effects.ledColors()[n];
}

bool mouseLightDealMain::dpiShown() const
{
    return m_aroundZone.working().ledType == mouseEffectGenerator::aroundDpi
        || m_scrollZone.working().ledType == mouseEffectGenerator::zoneDpi
        || m_logoZone.working().ledType == mouseEffectGenerator::zoneDpi;
}

void mouseLightDealMain::onDpiKeyPressed()
{
    if (!m_aroundRunning || !dpiShown())
        return;
    m_effects.nextDpiLevel();
}

void mouseLightDealMain::onMouseButtonTrigger()
{
    if (!m_aroundRunning || m_aroundZone.working().ledType != mouseEffectGenerator::aroundSpeedRespond)
        return;
    m_effects.triggerAroundReaction();
}

// ---- threads ---------------------------------------------------------------

void mouseLightDealMain::startZoneThreads()
{
    m_aroundRunning = true;
    m_aroundTickThread->startTicking();
    m_scrollRunning = true;
    m_scrollTickThread->startTicking();
    m_logoRunning = true;
    m_logoTickThread->startTicking();
    m_screenThread->startTicking();
}

void mouseLightDealMain::stopAllThreads()
{
    m_aroundRunning = false;
    m_aroundTickThread->stopTicking();
    m_scrollRunning = false;
    m_scrollTickThread->stopTicking();
    m_logoRunning = false;
    m_logoTickThread->stopTicking();
    m_screenThread->stopTicking();
    if (m_sendThread->isRunning())
        setSendThreadRunning(false);
}

void mouseLightDealMain::setSendThreadRunning(bool running)
{
    if (running)
        m_sendThread->startTicking();
    else
        m_sendThread->stopTicking();
}

// ---- ticks -----------------------------------------------------------------

void mouseLightDealMain::onDviceUpdateMouseAllColorUIAround()
{
    if (!m_aroundRunning || !m_screenUpdateEnabled)
        return;
    for (int n = 0; n < m_ledButtons.size(); ++n) {
        if (mouseLightButtonCustom *d = dot(n))
            d->setColor(shownLedColor(n));
    }
}

void mouseLightDealMain::onDviceUpdateMouseAllColorUIScroll()
{
    // The Scroll LED is painted with the others.
}

void mouseLightDealMain::onDviceUpdateMouseAllColorUILogo()
{
    // The Logo LED is painted with the others.
}

void mouseLightDealMain::onDviceUpdateMouseAroundColor()
{
    if (m_aroundRunning)
        m_effects.stepAround();
}

void mouseLightDealMain::onDviceUpdateMouseScrollColor()
{
    if (m_scrollRunning)
        m_effects.stepScroll();
}

void mouseLightDealMain::onDviceUpdateMouseLogoColor()
{
    if (m_logoRunning)
        m_effects.stepLogo();
}

// ---- frames and light synchronisation ----------------------------------------

void mouseLightDealMain::onDviceUpdateAllMouseKeyColorSendKeyboardHid()
{
    if (m_frameSending)
        return;
    m_frameSending = true;
    writeMouseColorPacket();
    m_frameSending = false;
}

// The 18 LEDs as shown, in one 0x48 report.
void mouseLightDealMain::writeMouseColorPacket()
{
    if (m_packetSending)
        return;
    m_packetSending = true;
    hidRgb leds[ledCount];
    for (int n = 0; n < ledCount; ++n) {
        const QColor colour = shownLedColor(n);
        leds[n] = hidRgb {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
    }
    const hidReportData report = mouseColorFrameReport(leds);
    if (m_hidInterface && m_hidInterface->writeLightData(report.data(), int(report.size())) < 0)
        qDebug() << "USB serial port [Write mouse Color] Failed ...";
    m_packetSending = false;
}

void mouseLightDealMain::onSendLightSynchronize0x17Cmd()
{
    if (!m_hidInterface)
        return;
    if (!m_lightSynchronize)
        qDebug() << "------------------------------ *** [ Into Mouse Light Synchronous 0x17 buf[6]=0x00 ] *** "
                    "------------------------------";
    const hidReportData report = lightSynchronizeReport(m_lightSynchronize);
    if (m_hidInterface->writeHidData(report.data(), int(report.size())) < 0)
        qDebug() << "USB serial port [ Into Light Synchronous ] Failed ...";
}

void mouseLightDealMain::setLightSynchronize(bool on)
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
