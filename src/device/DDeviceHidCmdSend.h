#pragma once

#include <QObject>
#include <QString>

#include <atomic>

class MainHidInterFace;

// Builds the reports that the device link itself sends and queues them on
// the link's transport. Callable from the GUI thread and the macro playback
// thread: each builder only fills a local report and queues a copy.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterFace(MainHidInterFace *transport);
    MainHidInterFace *hidInterFace() const;

    // 0x16: writes the serial number; an empty text is replaced by a new one
    // (32 lower-case hexadecimal digits). Returns the text written.
    QString writeSnData(const QString &text);
    // 0x04: modifier byte, reserved byte, six key usages.
    void writeSixKeyData(const unsigned char state[8]);
    // 0x05: echoes bytes 6 to 18 of the keyboard's full-key report.
    void writeFullKeyData(const unsigned char *report, int length = 64);
    // 0x06: media, browser and tools bytes.
    void sendMultimediaWebToolData(const unsigned char bytes[3]);
    // 0x13: button bits and wheel step.
    void writeMouseKeyData(const unsigned char state[2]);
    // 0x0A, 0x02, 0x43: light-list inquiries.
    void inquireLightMode();
    void inquireSideLightMode();
    void checkMouseLightModeList();

    // A new serial number: a UUID without braces and dashes.
    static QString newSerialNumber();

private:
    bool queue(const unsigned char *report, const char *failureLine);

    // Atomic: the macro playback thread reads it while the GUI thread may set it.
    std::atomic<MainHidInterFace *> m_transport{nullptr};
};
