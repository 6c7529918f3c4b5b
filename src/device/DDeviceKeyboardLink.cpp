#include "DDeviceKeyboardLink.h"

#include "DDeviceHidCmdSend.h"
#include "MainHidInterFace.h"
#include "desktopActions.h"
#include "hidBindingCodes.h"
#include "hidLightList.h"
#include "hidProtocolReports.h"
#include "hidReportData.h"
#include "inputReportDiff.h"
#include "keyLightTrigger.h"
#include "mouseLightTrigger.h"
#include "playMacroThread.h"
#include "TextNumber.h"
#include "xmlInterface.h"

#include <QDebug>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// Binding kinds (operateType): those a device can hold, and those carried
// out on the PC only.
enum OperateType {
    NoBinding = kBindingNone,
    AnotherKey = kBindingKey,
    Macro = kBindingMacro,
    KeyCombination = kBindingCombination,
    Multimedia = kBindingMultimedia,
    MouseFunction = kBindingMouse,
    Disabled = kBindingDisabled,
    TypeText = 6,
    SwitchProfile = 7,
    LaunchProgram = 8,
    WindowsShortcut = 9,
};

constexpr int kCommandKeys = 4;
constexpr int kCommandMultimedia = 6;
constexpr int kGroupKeys = -1;

constexpr int kUsageLeftCtrl = 224;
constexpr int kUsageLeftShift = 225;
constexpr int kUsageLeftAlt = 226;
constexpr int kUsageLeftWin = 227;
constexpr int kUsageRightShift = 229;
constexpr int kUsageRightAlt = 230;
constexpr int kUsageA = 4;
constexpr int kUsageC = 6;
constexpr int kUsageD = 7;
constexpr int kUsageE = 8;
constexpr int kUsageF = 9;
constexpr int kUsageL = 15;
constexpr int kUsageN = 17;
constexpr int kUsageP = 19;
constexpr int kUsageS = 22;
constexpr int kUsageV = 25;
constexpr int kUsageX = 27;
constexpr int kUsageTab = 43;
constexpr int kUsageF4 = 61;

constexpr unsigned char kModLeftWin = 0x08;
constexpr unsigned char kModRightWin = 0x80;
constexpr unsigned char kModAlts = 0x04 | 0x40;
constexpr unsigned char kModShifts = 0x02 | 0x20;

constexpr int kMouseButtonBits = 6;
constexpr int kMouseDpiButton = 32;
constexpr int kMouseButtonByte = 6;

// Codes under which the key-layout files list the multimedia keys, by bit.
constexpr int kMultimediaCodes[3][8] = {
    {128, 129, 127, 153, 154, 155, 64, 128}, // media
    {1, 2, 4, 8, 16, 32, 64, 128},           // browser
    {1, 2, 215, 8, 16, 32, 64, 128},         // tools
};
constexpr int kMultimediaFirstByte = 6;

// Key-reactive effects: Reactive, Aurora, Ripple, Cross, Speed Respond, Fireworks.
constexpr int kEffectSpeedRespond = 12;
bool reactsToKeys(int effect)
{
    return effect == 6 || effect == 7 || effect == 8 || effect == 11 || effect == 12 || effect == 16;
}
constexpr int kAroundButtonReaction = 8;
constexpr int kAroundDpiIndicator = 7;
constexpr int kZoneDpiIndicator = 3;

constexpr int kMinimumDelayMs = 10;
// Long enough for a busy machine to schedule the transport thread: the
// releases queued at teardown must not be dropped by the close. A healthy
// transport empties its queue in well under a millisecond.
constexpr int kTeardownFlushMs = 250;
constexpr int kShortDelayLimitMs = 5;

// Stored texts read by the store's own rule.
int toInt(const QByteArray &text)
{
    return textToInt(text.constData());
}
int toInt(const char *field)
{
    return textToInt(field);
}

constexpr int kMouseFunctionWheelUp = 3;
constexpr int kMouseFunctionWheelDown = 4;
constexpr int kMouseFunctionForward = 5;
constexpr int kMouseFunctionBack = 6;
constexpr int kMouseFunctionSniper = 7;

// The button of a mouse function: a keyboard key's goes out in 0x13 with
// the keyboard's codes (those of its key table); a mouse button's is relayed
// in 0x40 with the mouse's own bits, the two side buttons in reverse.
unsigned char keyMouseFunctionButton(int value)
{
    return hidMouseIsWheel(value) ? 0 : static_cast<unsigned char>(hidMouseCode(value));
}
unsigned char buttonMouseFunctionButton(int value)
{
    if (value == kMouseFunctionForward)
        return keyMouseFunctionButton(kMouseFunctionBack);
    if (value == kMouseFunctionBack)
        return keyMouseFunctionButton(kMouseFunctionForward);
    return keyMouseFunctionButton(value);
}

struct HotKey
{
    int modifier;
    int key;
};
constexpr HotKey kHotKeys[] = {
    {kUsageLeftAlt, kUsageF4},  {kUsageLeftAlt, kUsageTab}, {kUsageLeftWin, kUsageD},
    {kUsageLeftWin, kUsageE},   {kUsageLeftWin, kUsageL},   {kUsageLeftCtrl, kUsageC},
    {kUsageLeftCtrl, kUsageX},  {kUsageLeftCtrl, kUsageV},  {kUsageLeftCtrl, kUsageF},
    {kUsageLeftCtrl, kUsageN},  {kUsageLeftCtrl, kUsageP},  {kUsageLeftCtrl, kUsageS},
};

qint64 heldKeyId(int command, int group, int code)
{
    return (qint64(command) << 32) | (qint64(group + 1) << 16) | qint64(code & 0xFFFF);
}

} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(int deviceNumber, QObject *parent)
    : QObject(parent), m_deviceNumber(deviceNumber), m_player(std::make_unique<playMacroThread>(this))
{
    connect(m_player.get(), &playMacroThread::sigPlaybackEnded, this, &DDeviceKeyboardLink::onPlaybackEnded,
            Qt::QueuedConnection);
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    blockSignals(true);
    // Teardown cuts every delay short and releases what the playback pressed.
    m_abortPlayback = true;
    m_toggleRunning = false;
    m_held = false;
    m_playing = false;
    m_awaitingPlaybackEnd = false;
    m_afterPlaybackEnd = nullptr;
    m_pendingInput.clear();
    stopPlayer();
    releaseHeldInput();
    // What the playback and the release sent must reach the device before it closes.
    if (m_hidInterface)
        m_hidInterface->waitForCommandsWritten(kTeardownFlushMs);
    m_hidInterface.reset();
    m_cmdSend.reset();
    m_player.reset();
}

// --- Setup --------------------------------------------------------------

void DDeviceKeyboardLink::openHidDevice(const hidStructInfo &info)
{
    m_hidInfo = info;
    m_hidInterface = std::make_unique<MainHidInterFace>(m_deviceNumber, QString::fromUtf8(m_hidInfo.hidName));
    MainHidInterFace *hid = m_hidInterface.get();
    connect(hid, &MainHidInterFace::sigOpenHidSuccessful, this, &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(hid, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(hid, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);
    connect(hid, &MainHidInterFace::sigHidWriteErrorInfo, this, &DDeviceKeyboardLink::onHidWriteErrorInfo);
    const QString path = QString::fromUtf8(m_hidInfo.hidPath);
    if (hid->hidOpenPath(m_hidInfo.vid, m_hidInfo.pid, path) == 0) {
        qDebug().noquote() << "------------------------- *** Open hid device successful *** --------------------------hidInfo.hidPath:"
                           << path;
        hid->start(QThread::InheritPriority);
    } else {
        qDebug("------------------------- *** Open hid device failed *** --------------------------");
    }
    m_cmdSend = std::make_unique<DDeviceHidCmdSend>();
    m_cmdSend->setHidInterFace(hid);
}

void DDeviceKeyboardLink::setProFileInfo(xmlInterface *xml, const char *profilePath)
{
    m_xml = xml;
    m_profilePath = QString::fromLocal8Bit(profilePath ? profilePath : ""); // whole: a cut path names another file
}

void DDeviceKeyboardLink::setCurProFileIndex(int index)
{
    m_profileIndex = index;
}

void DDeviceKeyboardLink::setUpgradeSerialNumber(const QString &serial)
{
    m_upgradeSerialNumber = serial;
}

MainHidInterFace *DDeviceKeyboardLink::getHidInterface() const
{
    return m_hidInterface.get();
}

QString DDeviceKeyboardLink::getSerialNumber() const
{
    return m_serialNumber;
}

bool DDeviceKeyboardLink::isInitFinished() const
{
    return m_initFinished;
}

lightTypeListInfo DDeviceKeyboardLink::getKeyLightTypeList() const { return m_keyLightList; }
lightTypeListInfo DDeviceKeyboardLink::getSideLightTypeList() const { return m_sideLightList; }
lightTypeListInfo DDeviceKeyboardLink::getAroundLightTypeList() const { return m_aroundLightList; }
lightTypeListInfo DDeviceKeyboardLink::getScrollLightTypeList() const { return m_scrollLightList; }
lightTypeListInfo DDeviceKeyboardLink::getLogoLightTypeList() const { return m_logoLightList; }

void DDeviceKeyboardLink::setOnboardMode(int mode)
{
    m_onboardMode = mode;
}

void DDeviceKeyboardLink::setKeyCells(const QMap<int, QPoint> &cells)
{
    m_keyCells = cells;
}

void DDeviceKeyboardLink::setLightDealMain(keyLightTrigger *engine) { m_lightDealMain = engine; }
void DDeviceKeyboardLink::setKeyLightType(int effect) { m_keyLightType = effect; }
void DDeviceKeyboardLink::setMouseLightDealMain(mouseLightTrigger *engine) { m_mouseLightDealMain = engine; }
void DDeviceKeyboardLink::setAroundLightType(int effect) { m_aroundLightType = effect; }
void DDeviceKeyboardLink::setScrollLightType(int effect) { m_scrollLightType = effect; }
void DDeviceKeyboardLink::setLogoLightType(int effect) { m_logoLightType = effect; }
void DDeviceKeyboardLink::setDesktopActions(desktopActions *actions) { m_desktop = actions; }

outgoingKeyState::Bytes DDeviceKeyboardLink::getOutgoingKeyState() const
{
    return m_keyState.snapshot();
}

bool DDeviceKeyboardLink::isMacroPlaying() const
{
    return m_playing;
}

bool DDeviceKeyboardLink::isValidSerialNumber(const QByteArray &serial)
{
    if (serial.size() != kSerialNumberLength)
        return false;
    for (char c : serial) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
                        || c == '_' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

// --- Transport slots ----------------------------------------------------

void DDeviceKeyboardLink::onOpenHidSuccessful()
{
    qDebug().noquote() << "USB serial port [Open] successful ..." << " Connect hidName:"
                       << QString::fromUtf8(m_hidInfo.hidName);
}

void DDeviceKeyboardLink::onHidWriteErrorInfo(QString text)
{
    qDebug().noquote() << text;
}

void DDeviceKeyboardLink::onHidDataArrived(QByteArray report, int length, int deviceIndex)
{
    if (m_awaitingPlaybackEnd) {
        m_pendingInput.append([this, report, length, deviceIndex] { onHidDataArrived(report, length, deviceIndex); });
        return;
    }
    Q_UNUSED(length)
    Q_UNUSED(deviceIndex)
    const hidReportData data = hidReportFromBytes(reinterpret_cast<const unsigned char *>(report.constData()),
                                                  report.size());
    if (m_hidInfo.hidType == kHidTypeMouse)
        handleMouseReport(data);
    else
        handleKeyboardReport(data);
}

void DDeviceKeyboardLink::onHidSNDataArrived(MainHidInterFace *transport, QByteArray report, QString name)
{
    Q_UNUSED(transport)
    Q_UNUSED(name)
    if (!m_cmdSend) // not opened yet: nothing to write to
        return;
    const QByteArray answered = serialAnswerText(
        hidReportFromBytes(reinterpret_cast<const unsigned char *>(report.constData()), report.size()));

    if (isValidSerialNumber(answered)) {
        m_serialNumber = QString::fromLatin1(answered);
    } else if (isValidSerialNumber(m_upgradeSerialNumber.toLatin1())) {
        // A device back from a firmware upgrade keeps its folder.
        m_serialNumber = m_cmdSend->writeSnData(m_upgradeSerialNumber);
    } else {
        // Wrong length, or a text that is no safe folder name: a new serial.
        m_serialNumber = m_cmdSend->writeSnData(QString());
    }
    m_hidInterface->setSerialNumber(m_serialNumber);
    if (m_hidInfo.hidType == kHidTypeMouse)
        m_cmdSend->checkMouseLightModeList();
    else
        m_cmdSend->inquireLightMode();
}

void DDeviceKeyboardLink::setInitFinished()
{
    if (m_initFinished)
        return;
    m_initFinished = true;
    emit sigInitFinished();
}

// --- Input reports ------------------------------------------------------

void DDeviceKeyboardLink::handleKeyboardReport(const hidReportData &report)
{
    const unsigned char command = report[kHidCommandByte];
    if (m_onboardMode == 1) {
        // The keyboard carries its bindings out itself; only the key-reactive
        // lighting and the download acknowledgements matter here.
        if (command == HidCmd::KeyState)
            handleKeyState(report);
        else if (command == HidCmd::OnboardMacro)
            emit sigRuningOnboard0x19Cmd();
        else if (command == HidCmd::OnboardKeyTable)
            emit sigRuningOnboard0x18Cmd();
        return;
    }
    switch (command) {
    case HidCmd::ShakeHands:
        if (const int blocking = shakeHandsKeyBlocking(report); blocking >= 0)
            m_keyBlocking = blocking == 1;
        break;
    case HidCmd::KeyState:
        handleKeyState(report);
        break;
    case HidCmd::KeyLightList:
    case HidCmd::SideLightList:
        handleLightList(report);
        break;
    case HidCmd::FullKey:
        if (m_cmdSend)
            m_cmdSend->writeFullKeyData(report.data());
        break;
    case HidCmd::Multimedia:
        handleMultimedia(report);
        break;
    case HidCmd::SerialWrite:
        qDebug("-------------------------- *** 0x16 write Successful *** -----------------------");
        break;
    case HidCmd::OnboardMacro:
        emit sigRuningOnboard0x19Cmd();
        break;
    case HidCmd::OnboardKeyTable:
        emit sigRuningOnboard0x18Cmd();
        break;
    default: // 0x03 and anything unknown
        break;
    }
}

void DDeviceKeyboardLink::handleMouseReport(const hidReportData &report)
{
    switch (report[kHidCommandByte]) {
    case HidCmd::MouseInput:
        handleMouseButtons(report);
        break;
    case HidCmd::MouseLightList:
        handleLightList(report);
        break;
    case HidCmd::MouseKey:
        emit sigRuningMouse0x47Cmd();
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::handleKeyState(const hidReportData &report)
{
    const unsigned char *now = report.data() + kHidPayloadOffset;
    const QVector<inputReportDiff::Change> changes = inputReportDiff::keyState(m_receivedKeyState, now);
    std::memcpy(m_receivedKeyState, now, sizeof m_receivedKeyState);
    for (const inputReportDiff::Change &c : changes)
        executeKeyEvent(kCommandKeys, kGroupKeys, c.code, c.pressed);
    if (m_onboardMode == 1)
        return;
    sendKeyState();
}

void DDeviceKeyboardLink::handleMultimedia(const hidReportData &report)
{
    for (int group = 0; group < 3; ++group) {
        const unsigned char now = report[kMultimediaFirstByte + group];
        const unsigned char before = m_receivedMultimedia[group];
        m_receivedMultimedia[group] = now;
        for (const inputReportDiff::Change &c : inputReportDiff::bits(before, now))
            executeMultimediaBit(group, c.code, c.pressed);
    }
    qDebug().nospace() << "------------------------- [Media] TemporaryNum:" << m_consumedMultimedia[0]
                       << " [Browser]TemporaryNum:" << m_consumedMultimedia[1]
                       << " [Tools] TemporaryNum:" << m_consumedMultimedia[2];
    // Unbound multimedia keys pass through; bound ones are held back.
    for (int group = 0; group < 3; ++group)
        m_sentMultimedia[group] = m_receivedMultimedia[group] & static_cast<unsigned char>(~m_consumedMultimedia[group]);
    sendMultimedia();
}

void DDeviceKeyboardLink::executeMultimediaBit(int group, int bit, bool pressed)
{
    const int code = kMultimediaCodes[group][bit];
    triggerKeyLighting(code, pressed);
    if (m_onboardMode == 1)
        return;
    const boundAction action =
        actionFor(m_heldKeys, heldKeyId(kCommandMultimedia, group + 1, bit), code, pressed);
    if (action.operateType == NoBinding)
        return;
    const unsigned char mask = static_cast<unsigned char>(1u << bit);
    if (pressed)
        m_consumedMultimedia[group] |= mask;
    else
        m_consumedMultimedia[group] &= static_cast<unsigned char>(~mask);
    executeBinding(action, pressed);
    sendKeyState();
}

void DDeviceKeyboardLink::handleMouseButtons(const hidReportData &report)
{
    hidReportData relay = report;
    const unsigned char buttons = relay[kMouseButtonByte];
    // Every change of the buttons is carried out at once, also when the same
    // report moves the wheel.
    if (buttons != m_receivedMouseButtons) {
        const unsigned char before = m_receivedMouseButtons;
        m_receivedMouseButtons = buttons;
        for (const inputReportDiff::Change &c : inputReportDiff::bits(before, buttons, kMouseButtonBits)) {
            const int code = 1 << c.code;
            qDebug() << (c.pressed ? "-------- 1 Key Press:" : "-------- 3 Key Release:") << code;
            executeMouseKeyEvent(code, c.pressed);
        }
    }
    qDebug() << "------------------------- *** [MouseKey] m_temporaryNum:" << m_consumedMouseButtons;
    relay[kMouseButtonByte] = buttons & static_cast<unsigned char>(~m_consumedMouseButtons);
    if (m_mouseFunction.isActive()) {
        const mouseFunctionState::Bytes fn = m_mouseFunction.bytes();
        // Added to the buttons still held, not in their place.
        relay[kMouseButtonByte] |= fn.buttons;
        if (fn.wheel != 0)
            relay[kMouseWheelByte] = fn.wheel;
    }
    if (m_hidInterface)
        m_hidInterface->writeHidData(relay.data(), kHidReportSize);
}

void DDeviceKeyboardLink::handleLightList(const hidReportData &answer)
{
    const QString name = QString::fromUtf8(m_hidInfo.hidName);
    switch (answer[kHidCommandByte]) {
    case HidCmd::KeyLightList:
        qDebug("---------- *** Recvive [Light Mode Info] Successful *** ---------- ");
        m_keyLightList = lightTypeListInfo();
        parseLightList(answer, kHidPayloadOffset, m_keyLightList);
        qDebug().noquote().nospace() << "-------------[Keyboard] hidName:" << name << " lightTypeList Num:"
                                     << m_keyLightList.lightTypeList.size() << "  SpeedMax:"
                                     << m_keyLightList.speedMax << "  BrightnessMax:" << m_keyLightList.brightnessMax;
        if (m_cmdSend)
            m_cmdSend->inquireSideLightMode();
        break;
    case HidCmd::SideLightList:
        qDebug("---------- *** Recvive [Light Mode Info] Successful *** ---------- ");
        m_sideLightList = lightTypeListInfo();
        parseLightList(answer, kHidPayloadOffset, m_sideLightList);
        qDebug().noquote().nospace() << "-------------[Side] hidName:" << name << " lightTypeList Num:"
                                     << m_sideLightList.lightTypeList.size() << "  SpeedMax:"
                                     << m_sideLightList.speedMax << "  BrightnessMax:" << m_sideLightList.brightnessMax;
        setInitFinished();
        break;
    case HidCmd::MouseLightList:
        m_aroundLightList = lightTypeListInfo();
        m_scrollLightList = lightTypeListInfo();
        m_logoLightList = lightTypeListInfo();
        parseMouseLightLists(answer, m_aroundLightList, m_scrollLightList, m_logoLightList);
        qDebug() << "----------------------------------- 01 lightTypeList.size:" << m_aroundLightList.lightTypeList.size();
        qDebug() << "----------------------------------- 02 scrollLightTypeList.size:" << m_scrollLightList.lightTypeList.size();
        qDebug() << "----------------------------------- 03 logoLightTypeList.size:" << m_logoLightList.lightTypeList.size();
        setInitFinished();
        break;
    default:
        break;
    }
}

// --- Key actions --------------------------------------------------------

DDeviceKeyboardLink::boundAction DDeviceKeyboardLink::lookUpBinding(int keyCode) const
{
    customKeyInfo info;
    fixedTextCopy(info.keyCode, "-1");
    fixedTextCopy(info.keyChar, "-1");
    fixedTextCopy(info.operateType, "-1");
    fixedTextCopy(info.repeatNum, "-1");
    fixedTextCopy(info.mode, "-1");
    fixedTextCopy(info.Value, "-1");
    if (m_xml && !m_profilePath.isEmpty())
        m_xml->getKeyInfo(m_profilePath, QByteArray::number(m_profileIndex.load()), QByteArray::number(keyCode), info);
    boundAction action;
    action.operateType = toInt(info.operateType);
    action.value = QByteArray(info.Value, int(strnlen(info.Value, sizeof info.Value)));
    action.mode = toInt(info.mode);
    action.repeatNum = toInt(info.repeatNum);
    return action;
}

DDeviceKeyboardLink::boundAction DDeviceKeyboardLink::actionFor(QHash<qint64, boundAction> &held, qint64 id,
                                                                int keyCode, bool pressed)
{
    if (pressed) {
        const boundAction action = lookUpBinding(keyCode);
        held.insert(id, action);
        return action;
    }
    // A release undoes its press; one whose press we never saw uses the
    // binding of now.
    auto it = held.find(id);
    if (it == held.end())
        return lookUpBinding(keyCode);
    const boundAction action = it.value();
    held.erase(it);
    return action;
}

void DDeviceKeyboardLink::triggerKeyLighting(int keyCode, bool pressed)
{
    if (!m_lightDealMain || !m_initFinished || !reactsToKeys(m_keyLightType))
        return;
    if (m_keyLightType == kEffectSpeedRespond) {
        m_lightDealMain->triggerKeyEffect(0, 0);
        return;
    }
    if (!pressed)
        return;
    const auto cell = m_keyCells.constFind(keyCode);
    if (cell != m_keyCells.cend())
        m_lightDealMain->triggerKeyEffect(cell->y(), cell->x());
}

void DDeviceKeyboardLink::executeKeyEvent(int command, int group, int keyCode, bool pressed)
{
    if (command == kCommandMultimedia) {
        if (group < 1 || group > 3)
            return;
        for (int bit = 0; bit < 8; ++bit) {
            if (kMultimediaCodes[group - 1][bit] == keyCode) {
                executeMultimediaBit(group - 1, bit, pressed);
                return;
            }
        }
        return;
    }
    triggerKeyLighting(keyCode, pressed);
    if (m_onboardMode == 1)
        return;
    const boundAction action = actionFor(m_heldKeys, heldKeyId(command, group, keyCode), keyCode, pressed);
    if (action.operateType == NoBinding)
        setReportKey(keyCode, pressed); // passes through
    else
        executeBinding(action, pressed);
}

void DDeviceKeyboardLink::executeBinding(const boundAction &action, bool pressed)
{
    switch (action.operateType) {
    case AnotherKey:
        setReportKey(toInt(action.value), pressed);
        break;
    case Macro:
        triggerMacro(action.mode, action.repeatNum, toInt(action.value), pressed);
        break;
    case KeyCombination:
        executeKeyCombination(action.value, pressed);
        break;
    case Multimedia:
        executeMultimediaKey(action.value, pressed);
        break;
    case MouseFunction:
        executeMouseFunction(action.value, pressed);
        break;
    case TypeText:
        typeText(action.value, pressed);
        break;
    case SwitchProfile:
        changeProFile(action.value, pressed);
        break;
    case LaunchProgram:
        runProgram(action.value, pressed);
        break;
    case WindowsShortcut:
        executeHotKey(action.value, pressed);
        break;
    default: // disabled, and unknown kinds: swallowed
        break;
    }
}

void DDeviceKeyboardLink::executeMouseKeyEvent(int code, bool pressed)
{
    if (m_mouseLightDealMain) {
        if (m_aroundLightType == kAroundButtonReaction)
            m_mouseLightDealMain->onMouseButtonTrigger();
        if (pressed && code == kMouseDpiButton
            && (m_aroundLightType == kAroundDpiIndicator || m_scrollLightType == kZoneDpiIndicator
                || m_logoLightType == kZoneDpiIndicator))
            m_mouseLightDealMain->onDpiKeyPressed();
    }

    const boundAction action = actionFor(m_heldButtons, code, code, pressed);
    if (action.operateType == NoBinding) {
        if (code == kMouseDpiButton && pressed) {
            qDebug("----------------------- *** [DPI is pressed] *** -----------------------");
            emit sigMouseTriggeredDPIkey();
        }
        return;
    }
    const unsigned char bit = static_cast<unsigned char>(code);
    if (pressed)
        m_consumedMouseButtons |= bit;
    else
        m_consumedMouseButtons &= static_cast<unsigned char>(~bit);

    if (action.operateType == MouseFunction) {
        executeMouseButtonFunction(action.value, pressed);
        return; // the relayed 0x40 report carries it
    }
    executeBinding(action, pressed);
    switch (action.operateType) {
    case AnotherKey:
    case KeyCombination:
    case TypeText:
    case WindowsShortcut:
        sendKeyState();
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::setReportKey(int usage, bool pressed)
{
    m_keyState.setReportKey(usage, pressed);
}

void DDeviceKeyboardLink::executeKeyCombination(const QByteArray &value, bool pressed)
{
    const QList<QByteArray> parts = value.split(',');
    const int mask = toInt(parts.value(0));
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            setReportKey(outgoingKeyState::ModifierFirst + bit, pressed);
    }
    setReportKey(toInt(parts.value(1)), pressed);
}

void DDeviceKeyboardLink::executeMultimediaKey(const QByteArray &value, bool pressed)
{
    const int v = toInt(value);
    int group = 1; // browser for values above 12
    unsigned char bits = 0;
    if (v >= 0 && v <= 7) {
        group = 0;
        bits = static_cast<unsigned char>(1u << v);
    } else if (v == 8) {
        group = 2;
        bits = 0x01;
    } else if (v == 9) {
        group = 2;
        bits = 0x04;
    } else if (v == 10) {
        group = 2;
        bits = 0x10;
    } else if (v == 11) {
        bits = 0x08;
    } else if (v == 12) {
        bits = 0x01;
    } else if (v < 0) {
        return;
    }
    m_sentMultimedia[group] = pressed ? bits : 0;
    sendMultimedia();
}

bool DDeviceKeyboardLink::applyMouseFunction(int value, unsigned char button, bool pressed)
{
    if (value == kMouseFunctionWheelUp)
        m_mouseFunction.stepWheel(pressed ? 1 : -1);
    else if (value == kMouseFunctionWheelDown)
        m_mouseFunction.stepWheel(pressed ? -1 : 1);
    else if (button && pressed)
        m_mouseFunction.pressButton(button);
    else if (button)
        m_mouseFunction.releaseButton(button);
    else
        return false;
    return true;
}

void DDeviceKeyboardLink::executeMouseFunction(const QByteArray &value, bool pressed)
{
    const int v = toInt(value);
    if (applyMouseFunction(v, keyMouseFunctionButton(v), pressed))
        sendMouseState();
}

void DDeviceKeyboardLink::executeMouseButtonFunction(const QByteArray &value, bool pressed)
{
    const int v = toInt(value);
    if (pressed)
        m_mouseFunction.setActive(true);
    if (v == kMouseFunctionSniper)
        emit sigMouseActivatesSniperKey(pressed);
    else
        applyMouseFunction(v, buttonMouseFunctionButton(v), pressed);
    if (!pressed && m_mouseFunction.isIdle())
        m_mouseFunction.setActive(false);
}

void DDeviceKeyboardLink::typeText(const QByteArray &value, bool pressed)
{
    if (pressed) {
        desktopActions *desktop = m_desktop ? m_desktop : desktopActions::system();
        desktop->setClipboardText(QString::fromUtf8(value));
    }
    setReportKey(kUsageLeftCtrl, pressed);
    setReportKey(kUsageV, pressed);
}

void DDeviceKeyboardLink::changeProFile(const QByteArray &value, bool pressed)
{
    if (pressed)
        emit sigCustomEventChangProfile(toInt(value));
}

void DDeviceKeyboardLink::runProgram(const QByteArray &value, bool pressed)
{
    if (!pressed)
        return;
    desktopActions *desktop = m_desktop ? m_desktop : desktopActions::system();
    desktop->launchProgram(QString::fromUtf8(value));
}

void DDeviceKeyboardLink::executeHotKey(const QByteArray &value, bool pressed)
{
    const int v = toInt(value);
    if (v < 0 || v >= int(sizeof kHotKeys / sizeof kHotKeys[0]))
        return;
    setReportKey(kHotKeys[v].modifier, pressed);
    setReportKey(kHotKeys[v].key, pressed);
}

// --- Reports to the device ----------------------------------------------

void DDeviceKeyboardLink::applyKeyBlocking(outgoingKeyState::Bytes &report)
{
    const unsigned char modifiers = report[0];
    const bool windowsAlone =
        (modifiers == kModLeftWin || modifiers == kModRightWin) && report[outgoingKeyState::FirstSlot] == 0;
    const auto holds = [&report](int usage) {
        return std::find(report.begin() + outgoingKeyState::FirstSlot, report.end(), usage) != report.end();
    };
    // Only a lone Windows key and Tab or F4 with Alt or Shift can be
    // blocked: any other state needs no reading of the options.
    if (!windowsAlone && !((modifiers & (kModAlts | kModShifts)) && (holds(kUsageTab) || holds(kUsageF4))))
        return;
    performanceSettingInfo perf{}; // missing options count as off
    if (m_xml && !m_profilePath.isEmpty())
        m_xml->getPerformanceSetting(m_profilePath, QByteArray::number(m_profileIndex.load()), perf);
    const auto on = [](const char *feature) { return qstrcmp(feature, "1") == 0; };

    if (windowsAlone) {
        // Held back from this report only, so that Windows with a key
        // pressed after it still goes out whole.
        if (on(perf.feature4))
            report[0] = 0;
        return;
    }
    bool changed = false;
    if (modifiers & kModAlts) {
        if (on(perf.feature1)) {
            setReportKey(kUsageTab, false);
            changed = true;
        }
        if (on(perf.feature2)) {
            setReportKey(kUsageF4, false);
            changed = true;
        }
    }
    if ((modifiers & kModShifts) && on(perf.feature3)) {
        setReportKey(kUsageTab, false);
        changed = true;
    }
    if (changed)
        report = m_keyState.snapshot();
}

void DDeviceKeyboardLink::sendKeyState()
{
    outgoingKeyState::Bytes state = m_keyState.snapshot();
    if (m_keyBlocking)
        applyKeyBlocking(state);
    sendKeyState(state);
}

void DDeviceKeyboardLink::sendKeyState(const outgoingKeyState::Bytes &state)
{
    if (m_cmdSend)
        m_cmdSend->writeSixKeyData(state.data());
}

void DDeviceKeyboardLink::sendMultimedia()
{
    if (m_cmdSend)
        m_cmdSend->sendMultimediaWebToolData(m_sentMultimedia);
}

void DDeviceKeyboardLink::sendMouseState()
{
    const mouseFunctionState::Bytes fn = m_mouseFunction.bytes();
    const unsigned char state[2] = {fn.buttons, fn.wheel};
    if (m_cmdSend)
        m_cmdSend->writeMouseKeyData(state);
}

// --- Macro playback -----------------------------------------------------

void DDeviceKeyboardLink::triggerMacro(int mode, int count, int macroIndex, bool pressed)
{
    if (m_awaitingPlaybackEnd) {
        m_pendingInput.append([=] { triggerMacro(mode, count, macroIndex, pressed); });
        return;
    }
    const bool running = m_playing;
    if ((mode == 1 || mode == 2) && running && !m_toggleRunning && !m_held)
        return;

    if (pressed && (mode == 1 || mode == 2)) {
        if (m_held || m_toggleRunning) {
            stopPlayerThen([this] { m_playing = false; });
            return;
        }
        m_playing = true;
        startPlayer(mode, count, macroIndex);
    } else if (pressed && mode == 3) {
        if (running) {
            // A second press of a toggle key ends it; so does a toggle key
            // pressed while a held playback runs.
            m_playing = false;
            stopPlayerThen([] {});
            return;
        }
        const auto startToggle = [this, mode, count, macroIndex] {
            m_playing = true;
            m_toggleRunning = true;
            startPlayer(mode, count, macroIndex);
        };
        if (m_held) {
            stopPlayerThen(startToggle);
            return;
        }
        startToggle();
    } else if (pressed && mode == 4) {
        const auto startHeld = [this, mode, count, macroIndex] {
            m_playing = true;
            m_held = true;
            startPlayer(mode, count, macroIndex);
        };
        if (m_toggleRunning || running) {
            stopPlayerThen(startHeld);
            return;
        }
        startHeld();
    } else if (!pressed && mode == 4 && m_held) {
        // Only a held playback ends on a release: a toggle started since the
        // press runs on.
        m_playing = false;
        stopPlayerThen([] {});
    }
}

void DDeviceKeyboardLink::startPlayer(int mode, int count, int macroIndex)
{
    // The previous playback may still be ending after clearing its flag.
    m_player->waitForEnd();
    m_playProfilePath = m_profilePath;
    m_playProfileIndex = QByteArray::number(m_profileIndex.load());
    m_player->setPlayParams(mode, count, macroIndex);
    m_playerMode = mode;
    m_playerRun = m_player->currentRun();
    m_player->start(QThread::InheritPriority);
}

void DDeviceKeyboardLink::stopPlayer()
{
    wakePlayer();
    if (m_player)
        m_player->waitForEnd();
}

void DDeviceKeyboardLink::stopPlayerThen(std::function<void()> then)
{
    // A toggle or held playback runs until its flag is cleared; waiting with
    // either still set would wait for ever.
    m_toggleRunning = false;
    m_held = false;
    wakePlayer();
    const bool counted = m_playerMode == 1 || m_playerMode == 2;
    if (counted && m_player->isRunning()) {
        // A counted playback is not cut short, and waiting for it here would
        // freeze the window for its remaining delays.
        m_awaitingPlaybackEnd = true;
        m_afterPlaybackEnd = std::move(then);
        return;
    }
    m_player->waitForEnd();
    then();
}

void DDeviceKeyboardLink::onPlaybackEnded(int run)
{
    if (!m_awaitingPlaybackEnd || run != m_playerRun)
        return;
    m_player->waitForEnd(); // the thread is past its playback
    m_awaitingPlaybackEnd = false;
    const std::function<void()> then = std::move(m_afterPlaybackEnd);
    m_afterPlaybackEnd = nullptr;
    if (then)
        then();
    while (!m_awaitingPlaybackEnd && !m_pendingInput.isEmpty())
        m_pendingInput.takeFirst()();
}

void DDeviceKeyboardLink::wakePlayer()
{
    // Under the lock, so a player about to wait cannot miss it.
    std::lock_guard<std::mutex> locker(m_delayLock);
    m_delayWake.notify_all();
}

bool DDeviceKeyboardLink::playbackShouldStop(int mode) const
{
    return m_abortPlayback || (mode == 3 && !m_toggleRunning) || (mode == 4 && !m_held);
}

void DDeviceKeyboardLink::waitPlaybackDelay(int ms, int mode)
{
    std::unique_lock<std::mutex> locker(m_delayLock);
    m_delayWake.wait_for(locker, std::chrono::milliseconds(ms), [&] { return playbackShouldStop(mode); });
}

void DDeviceKeyboardLink::playMacro(int mode, int count, int macroIndex)
{
    m_playbackKeys.clear();
    m_playbackButtons.clear();
    switch (mode) {
    case 1:
        playMacroOnce(mode, macroIndex);
        break;
    case 2:
        for (int pass = 0; pass < count && !m_abortPlayback; ++pass) {
            if (playMacroOnce(mode, macroIndex) == 0)
                break; // nothing to play
        }
        break;
    case 3:
    case 4:
        // An empty macro would spin: it ends the loop instead.
        while (!playbackShouldStop(mode) && playMacroOnce(mode, macroIndex) > 0) {
        }
        break;
    default:
        break;
    }
    if (m_abortPlayback)
        releasePlaybackPresses();
    if (mode == 1 || mode == 2)
        m_playing = false;
}

int DDeviceKeyboardLink::playMacroOnce(int mode, int macroIndex)
{
    QList<macroItemInfo> items;
    if (m_xml)
        m_xml->getBindMacroItems(m_playProfilePath, m_playProfileIndex, QByteArray::number(macroIndex), items);

    for (const macroItemInfo &item : qAsConst(items)) {
        if (playbackShouldStop(mode)) {
            if (m_abortPlayback) {
                releasePlaybackPresses();
            } else {
                // A toggle or held playback ends with nothing pressed.
                m_keyState.clear();
                m_playbackKeys.clear();
                sendKeyState(m_keyState.snapshot());
                releasePlaybackPresses();
            }
            return items.size();
        }
        const int delay = toInt(item.delay);
        waitPlaybackDelay(delay > kShortDelayLimitMs ? delay : kMinimumDelayMs, mode);

        const bool down = qstrcmp(item.operateExplain, "down") == 0;
        if (std::strstr(item.type, "key")) {
            const int usage = toInt(item.keyCode);
            setReportKey(usage, down);
            if (down)
                m_playbackKeys.append(usage);
            else
                m_playbackKeys.removeAll(usage);
            sendKeyState(m_keyState.snapshot());
        } else if (std::strstr(item.type, "mouse")) {
            const int code = toInt(item.keyCode);
            unsigned char button = 0;
            bool press = false;
            switch (code) {
            case 513: button = 0x01; press = true; break;
            case 516: button = 0x02; press = true; break;
            case 519: button = 0x04; press = true; break;
            case 514: button = 0x01; break;
            case 517: button = 0x02; break;
            case 520: button = 0x04; break;
            default: break;
            }
            if (button && press && down) {
                m_mouseFunction.pressButton(button);
                m_playbackButtons.append(button);
            } else if (button && !press && !down) {
                m_mouseFunction.releaseButton(button);
                m_playbackButtons.removeOne(button);
            }
            m_mouseFunction.resetWheel();
            sendMouseState();
        }
    }
    return items.size();
}

// Keys, multimedia keys and mouse buttons the device was told to hold go up,
// so that nothing stays pressed once the link is gone.
void DDeviceKeyboardLink::releaseHeldInput()
{
    const outgoingKeyState::Bytes keys = m_keyState.snapshot();
    if (std::any_of(keys.cbegin(), keys.cend(), [](unsigned char b) { return b != 0; })) {
        m_keyState.clear();
        sendKeyState(m_keyState.snapshot());
    }
    if (m_sentMultimedia[0] || m_sentMultimedia[1] || m_sentMultimedia[2]) {
        std::memset(m_sentMultimedia, 0, sizeof m_sentMultimedia);
        sendMultimedia();
    }
    if (!m_mouseFunction.isIdle() && m_cmdSend) {
        const unsigned char released[2] = {0, 0};
        m_cmdSend->writeMouseKeyData(released);
    }
}

void DDeviceKeyboardLink::releasePlaybackPresses()
{
    if (!m_playbackKeys.isEmpty()) {
        for (int usage : qAsConst(m_playbackKeys))
            setReportKey(usage, false);
        m_playbackKeys.clear();
        sendKeyState(m_keyState.snapshot());
    }
    if (!m_playbackButtons.isEmpty()) {
        for (unsigned char button : qAsConst(m_playbackButtons))
            m_mouseFunction.releaseButton(button);
        m_playbackButtons.clear();
        sendMouseState();
    }
}
