#pragma once

#include "hidReportData.h"
#include "hidStructInfo.h"
#include "lightTypeListInfo.h"
#include "mouseFunctionState.h"
#include "outgoingKeyState.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class DDeviceHidCmdSend;
class MainHidInterFace;
class desktopActions;
class keyLightTrigger;
class mouseLightTrigger;
class playMacroThread;
class xmlInterface;

// The program's side of one attached keyboard or mouse. It owns the device's
// transport, report builder and macro player, runs the start-up exchange
// (serial number, light-effect lists), turns every input report into presses
// and releases, and in the PC mode carries each key's binding out, sending
// back the key, multimedia and mouse states that the device then types.
class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceKeyboardLink(int deviceNumber, QObject *parent = nullptr);
    // Stops a playback at once, releasing what it pressed, then closes the
    // device; no signal is emitted once destruction has begun.
    ~DDeviceKeyboardLink() override;

    void openHidDevice(const hidStructInfo &info);
    void setProFileInfo(xmlInterface *xml, const char *profilePath);
    // The profile file bindings are looked up in; empty until given.
    QString getProFilePath() const { return m_profilePath; }
    void setCurProFileIndex(int index);
    void setUpgradeSerialNumber(const QString &serial);

    MainHidInterFace *getHidInterface() const;
    // The store, file and profile the link looks bindings up in: a device's
    // own, whichever device the page shows.
    xmlInterface *getProFileStore() const { return m_xml; }
    int getCurProFileIndex() const { return m_profileIndex; }
    QString getSerialNumber() const;
    bool isInitFinished() const;
    lightTypeListInfo getKeyLightTypeList() const;
    lightTypeListInfo getSideLightTypeList() const;
    lightTypeListInfo getAroundLightTypeList() const;
    lightTypeListInfo getScrollLightTypeList() const;
    lightTypeListInfo getLogoLightTypeList() const;

    void setOnboardMode(int mode);
    // The key buttons' grid cells, by key code: any button type with
    // getRow() and getColumn() (the keyboard view's keyboardButCustom).
    // The cells are taken now; give the map again when the view is rebuilt.
    template <class Button>
    void setKeyButtonMap(const QMap<int, Button *> &buttons)
    {
        QMap<int, QPoint> cells;
        for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
            if (it.value())
                cells.insert(it.key(), QPoint(it.value()->getColumn(), it.value()->getRow()));
        }
        setKeyCells(cells);
    }
    void setLightDealMain(keyLightTrigger *engine);
    void setKeyLightType(int effect);
    void setMouseLightDealMain(mouseLightTrigger *engine);
    void setAroundLightType(int effect);
    void setScrollLightType(int effect);
    void setLogoLightType(int effect);
    // The clipboard and launcher for bound texts and programs; the system's
    // when never set. Not owned.
    void setDesktopActions(desktopActions *actions);

    // A device serial number is also a folder name: 32 characters of
    // letters, digits, '_' and '-'.
    static bool isValidSerialNumber(const QByteArray &serial);

    // --- Key actions (GUI thread) ---------------------------------------
    // command 4 key state (group -1), 6 multimedia (group 1 media,
    // 2 browser, 3 tools).
    void executeKeyEvent(int command, int group, int keyCode, bool pressed);
    // code: 1, 2, 4, 8, 16 or 32 (the DPI button).
    void executeMouseKeyEvent(int code, bool pressed);
    void setReportKey(int usage, bool pressed);
    // A stop that must let a counted playback finish waits for its end
    // without blocking the GUI thread; the input that arrives meanwhile is
    // held back and handled, in order, once it has ended.
    void triggerMacro(int mode, int count, int macroIndex, bool pressed);

    // --- Macro playback (player thread) ---------------------------------
    void playMacro(int mode, int count, int macroIndex);
    // One pass; returns the number of events the macro has.
    int playMacroOnce(int mode, int macroIndex);

    // The outgoing keyboard state (modifier, reserved, six usages).
    outgoingKeyState::Bytes getOutgoingKeyState() const;
    bool isMacroPlaying() const;
    // A stop is waiting for a counted playback to end.
    bool isWaitingForPlaybackEnd() const { return m_awaitingPlaybackEnd; }

public slots:
    void onOpenHidSuccessful();
    void onHidWriteErrorInfo(QString text);
    // The reports arrive as their own 64-byte copies.
    void onHidDataArrived(QByteArray report, int length, int deviceIndex);
    void onHidSNDataArrived(MainHidInterFace *transport, QByteArray report, QString name);

signals:
    void sigCustomEventChangProfile(int profileIndex);
    void sigMouseTriggeredDPIkey();
    void sigMouseActivatesSniperKey(bool activated);
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningMouse0x47Cmd();
    // Once, when isInitFinished turns true (the device's light lists came).
    void sigInitFinished();

private:
    // A binding as carried out at a key's press; its release undoes exactly
    // that, even when the profile changes in between.
    struct boundAction
    {
        int operateType = -1;
        QByteArray value;
        int mode = 0;
        int repeatNum = 0;
    };

    void handleKeyboardReport(const hidReportData &report);
    void handleMouseReport(const hidReportData &report);
    void handleKeyState(const hidReportData &report);
    void handleMultimedia(const hidReportData &report);
    void handleMouseButtons(const hidReportData &report);
    void handleLightList(const hidReportData &answer);
    void setInitFinished();

    void setKeyCells(const QMap<int, QPoint> &cells);
    void executeMultimediaBit(int group, int bit, bool pressed);
    void executeBinding(const boundAction &action, bool pressed);
    boundAction lookUpBinding(int keyCode) const;
    boundAction actionFor(QHash<qint64, boundAction> &held, qint64 id, int keyCode, bool pressed);
    void triggerKeyLighting(int keyCode, bool pressed);
    void applyKeyBlocking(outgoingKeyState::Bytes &report);
    void sendKeyState();
    void sendKeyState(const outgoingKeyState::Bytes &state);
    void sendMultimedia();
    void sendMouseState();

    void executeKeyCombination(const QByteArray &value, bool pressed);
    void executeMultimediaKey(const QByteArray &value, bool pressed);
    // A wheel step, or a press or release of the button; false for neither.
    bool applyMouseFunction(int value, unsigned char button, bool pressed);
    void executeMouseFunction(const QByteArray &value, bool pressed);
    void executeMouseButtonFunction(const QByteArray &value, bool pressed);
    void typeText(const QByteArray &value, bool pressed);
    void changeProFile(const QByteArray &value, bool pressed);
    void runProgram(const QByteArray &value, bool pressed);
    void executeHotKey(const QByteArray &value, bool pressed);

    // Playback control.
    void startPlayer(int mode, int count, int macroIndex);
    void stopPlayer();
    // Clears the toggle and held flags and stops the playback, then runs the
    // rest of the step: at once, or after a counted playback has ended.
    void stopPlayerThen(std::function<void()> then);
    void onPlaybackEnded(int run);
    void wakePlayer();
    bool playbackShouldStop(int mode) const;
    void waitPlaybackDelay(int ms, int mode);
    void releasePlaybackPresses();
    void releaseHeldInput();

    int m_deviceNumber;
    hidStructInfo m_hidInfo{};
    std::unique_ptr<MainHidInterFace> m_hidInterface;
    std::unique_ptr<DDeviceHidCmdSend> m_cmdSend;
    std::unique_ptr<playMacroThread> m_player;
    xmlInterface *m_xml = nullptr;
    QString m_profilePath;
    std::atomic<int> m_profileIndex{1};
    QString m_serialNumber;
    QString m_upgradeSerialNumber;
    bool m_keyBlocking = false;
    bool m_initFinished = false; // the last light list arrived; reactive lighting runs from then on
    int m_onboardMode = 0;
    desktopActions *m_desktop = nullptr;

    unsigned char m_receivedKeyState[8] = {};
    outgoingKeyState m_keyState;
    unsigned char m_receivedMultimedia[3] = {};
    unsigned char m_consumedMultimedia[3] = {}; // bits of bound multimedia keys held
    unsigned char m_sentMultimedia[3] = {};
    unsigned char m_receivedMouseButtons = 0;
    unsigned char m_consumedMouseButtons = 0;   // bits of bound mouse buttons held
    mouseFunctionState m_mouseFunction;
    QHash<qint64, boundAction> m_heldKeys;      // keys and multimedia keys
    QHash<qint64, boundAction> m_heldButtons;   // mouse buttons

    lightTypeListInfo m_keyLightList;
    lightTypeListInfo m_sideLightList;
    lightTypeListInfo m_aroundLightList;
    lightTypeListInfo m_scrollLightList;
    lightTypeListInfo m_logoLightList;

    keyLightTrigger *m_lightDealMain = nullptr;
    int m_keyLightType = -1;
    mouseLightTrigger *m_mouseLightDealMain = nullptr;
    int m_aroundLightType = 2;
    int m_scrollLightType = 2;
    int m_logoLightType = 2;
    QMap<int, QPoint> m_keyCells; // key code -> (column, row)

    // Playback flags; the abort flag is the teardown's own, so it never changes
    // how a key's release or second press ends a playback.
    std::atomic<bool> m_playing{false};
    std::atomic<bool> m_toggleRunning{false};
    std::atomic<bool> m_held{false};
    std::atomic<bool> m_abortPlayback{false};
    std::mutex m_delayLock;
    std::condition_variable m_delayWake;
    // What the playback holds down (player thread only).
    QVector<int> m_playbackKeys;
    QVector<unsigned char> m_playbackButtons;
    QString m_playProfilePath;  // captured when a playback starts
    QByteArray m_playProfileIndex;
    // GUI thread only: the running playback's mode and run, and a stop that
    // waits for its end with the input held back meanwhile.
    int m_playerMode = 0;
    int m_playerRun = 0;
    bool m_awaitingPlaybackEnd = false;
    std::function<void()> m_afterPlaybackEnd;
    QList<std::function<void()>> m_pendingInput;
};
