#pragma once

#include "hidReportData.h"
#include "hidStructInfo.h"
#include "hidVersionInfo.h"
#include "lightingReports.h"
#include "xmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QThread>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class HidConnection;
class QTimer;

// The transport of one HID interface, in one of two roles:
// - per device (created by the device's link): opens the device, and its
//   thread writes queued reports (commands first, then whole light frames)
//   and reads input reports, which it hands out by sigHidDataArrived; a
//   handshake is queued every 700 ms while open;
// - scan-only (the main window's "mainThread"): enumerates the devices, keeps
//   the supported ones, identifies new ones and publishes the lists. It is
//   never opened and its thread never runs.
// The thread only drains the locked queues, reads and emits signals. The
// locks are std::mutex: ThreadSanitizer sees them, unlike the futexes inside
// the uninstrumented Qt library.
class MainHidInterFace : public QThread
{
    Q_OBJECT

public:
    // Scan types of getHidList.
    enum ScanType { ScanStart = 10, ScanArrival = 11, ScanRemoval = 12 };

    MainHidInterFace(int deviceIndex, const QString &name, QObject *parent = nullptr);
    // Closes the device first (as hidClose) when it is open.
    ~MainHidInterFace() override;

    // Opens the interface by path (vid and pid are not used), queues the
    // serial request and starts the handshake. The caller starts the thread
    // afterwards (start()). 0 on success, -1 when the path cannot be opened.
    int hidOpenPath(int vid, int pid, const QString &path);
    // Stops the thread loop, waits for it, then closes the device; drops
    // reports still queued. Always 0.
    int hidClose();
    bool isHidOpen() const;
    // Waits up to timeoutMs until the queued command reports have been
    // written (a close drops them); true when none is left. Not from the
    // transport thread.
    bool waitForCommandsWritten(int timeoutMs);

    // Queues a copy of one command report (length bytes, the rest zero).
    // -1 when not open. Any thread.
    int writeHidData(const unsigned char *report, int length);
    // Offers one colour-frame packet to the light-frame queue: taken while
    // streaming is on and a frame is being collected, else dropped. -1 when
    // not open, 0 otherwise. Any thread.
    int writeLightData(const unsigned char *packet, int length);

    void setLightStreaming(bool on);
    bool isLightStreaming() const;
    // The thread empties the light-frame queue after its next frame write.
    void requestClearLightFrames();
    // Empties the light-frame queue at once.
    void clearLightFrameQueue();
    // 0 keyboard (10 or 11 packets a frame), 1 mouse (2).
    void setFrameMode(int deviceType);
    int frameMode() const;
    // Byte 6 of the handshake: 0 in PC mode, 1 in on-board mode.
    void setPcMode(bool pcMode);
    bool isPcMode() const;
    void setSerialNumber(const QString &serial);
    QString getSerialNumber() const;
    // Whether an answer to the serial request has been read since the open.
    bool isSerialReceived() const;
    // A read failed since the open: the device was unplugged (or its node
    // went away). A device plugged back is a new device: open it anew.
    bool isDeviceLost() const;
    int shakeHandsRunNum() const;
    int deviceIndex() const { return m_deviceIndex; }
    QString hidName() const { return m_strHidName; }

    // Scan-only role. getHidList runs on the calling thread (never two at
    // once) and emits sigGetHidListSuccessful there at its end.
    void getHidList(int type);
    // Identifies one path with 0x0D; returns the model name, "Open error" or
    // "Keyboard Name" when there was no usable answer.
    QString getHidDeviceInfo(const QString &path);
    bool isScanning() const;
    QList<hidStructInfo> getHidInfoList() const;
    QList<hidVersionInfo> getVersionInfoList() const;
    // Identification key ("N-" and fields 1 to 4 run together, ",", model) to
    // version text (version, "---", build date).
    QMap<QString, QString> getFirmwareInfoMap() const;
    // Supported model names: hidList.xml names and the mice's nucName.
    void setHidNameList(const QStringList &names);
    // Supported-device list for matching; the data manager's until set.
    void setSupportHidList(const QList<hidSupportInfo> &list);

signals:
    void sigOpenHidSuccessful();
    // Every input report: a 64-byte copy (zero past what was read), the byte
    // count read, the device index. Emitted from the transport thread.
    void sigHidDataArrived(QByteArray report, int length, int deviceIndex);
    // Additionally for every 0x15 answer.
    void sigHidSnGetOver(MainHidInterFace *transport, QByteArray report, QString name);
    void sigHidWriteErrorInfo(QString text);
    // Once per open, from the transport thread, when the device is lost.
    void sigHidDeviceLost();
    void sigGetHidListSuccessful();

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    bool writePass(HidConnection &connection);
    void clearLightFrame();
    void handleInput(const hidReportData &report, int length);
    void wakeThread();
    void clearQueues();
    QString identifyPath(const QString &path, const QString &openPath);
    void completeOrDrop(const QString &path, const QString &openPath, const QStringList &supportedNames);
    void publishScanResult();

    const int m_deviceIndex;
    const QString m_strHidName;
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_lightStreaming{false};
    std::atomic<bool> m_collecting{false};
    std::atomic<bool> m_clearFramesRequest{false};
    std::atomic<int> m_frameMode{0};
    // Packets of one frame in the current frame mode, looked up once per mode.
    std::atomic<int> m_framePackets{0};
    std::atomic<bool> m_pcMode{true};
    std::atomic<bool> m_serialReceived{false};
    std::atomic<bool> m_deviceLost{false};
    std::atomic<int> m_ShakeHandsRunNum{0};
    QTimer *m_shakeHandsTimer = nullptr;

    mutable std::mutex m_serialMutex;
    QString m_currentDeviceSnInfo;

    std::mutex m_commandMutex;
    std::deque<hidReportData> m_commandQueue;
    // The light-frame queue: filled only while empty and only up to one
    // frame's last packet, then written out, so it never holds more than a
    // frame. Under m_lightMutex.
    std::mutex m_lightMutex;
    std::array<hidReportData, kColorFramePacketsMax> m_lightFrame;
    std::size_t m_lightFrameSize = 0; // packets collected; 0 when empty
    std::size_t m_lightFrameNext = 0; // next packet to write

    mutable std::mutex m_connectionMutex;
    std::shared_ptr<HidConnection> m_connection;
    // The pause after a failed read; a close ends it.
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseEnd;
    // Taken by the loop as it ends and by hidClose after joining it, so that
    // everything the loop did is ordered before the device is closed.
    std::mutex m_loopMutex;

    // Scan state, under m_scanMutex.
    std::mutex m_scanMutex;
    std::atomic<bool> m_scanning{false};
    QMap<QString, hidStructInfo> m_hidInfoMap;
    QMap<QString, hidVersionInfo> m_versionInfoMap;
    QMap<QString, QPair<QString, QString>> m_identityMap; // path -> (key, version text)
    QStringList m_previousPaths;
    int m_identifyCounter = 0;

    mutable std::mutex m_configMutex;
    QStringList m_hidNameList;
    QList<hidSupportInfo> m_supportHidList;
    bool m_supportListSet = false;

    // Published result of the last scan.
    mutable std::mutex m_resultMutex;
    QList<hidStructInfo> m_hidInfoList;
    QList<hidVersionInfo> m_versionInfoList;
    QMap<QString, QString> m_firmwareInfoMap;
};
