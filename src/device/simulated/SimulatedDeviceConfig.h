#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a simulated device acknowledges 0x16, 0x18, 0x19 and 0x47 reports, and
// (setAnswerPolicy) when it answers the serial and light-list requests.
struct SimAckPolicy
{
    enum Mode { Immediate, Late, DropFirst, Never };
    Mode mode = Immediate;
    int delayMs = 0;   // Late: the acknowledgement comes this much later
    int dropCount = 0; // DropFirst: the first n reports go unacknowledged

    static SimAckPolicy immediate() { return {}; }
    static SimAckPolicy late(int ms) { return {Late, ms, 0}; }
    static SimAckPolicy dropFirst(int n) { return {DropFirst, 0, n}; }
    static SimAckPolicy never() { return {Never, 0, 0}; }
};

// What a simulated device answers to the serial request 0x15.
enum class SimSerialMode {
    Valid,       // its 32-character serial
    Missing,     // an empty text
    WrongLength, // a text of 10 characters
    Hostile,     // a 32-character path-like text
};

// The model of one simulated keyboard or mouse.
struct SimulatedDeviceConfig
{
    QString modelName;
    int deviceType = 0; // 0 keyboard, 1 mouse
    int vendorId = 0;
    int productId = 0;
    QString manufacturer;
    QString product;
    // The USB bus the device's port hangs off (the start of its stable path).
    QString busPath = QStringLiteral("/sys/devices/simulated/usb1");
    // The six fields of the identification answer (model fifth, version sixth).
    QStringList identificationFields;
    // Second identification answer: firmware build date and time.
    QByteArray dateText = "Mar  7 2024,10:20:30";
    QByteArray serial; // 32 characters
    SimSerialMode serialMode = SimSerialMode::Valid;
    int keyBlocking = 0; // byte 6 of the keyboard's handshake answer
    // Light-list answers from byte 6: ids, marker, speed maximum, brightness maximum.
    QByteArray keyLightList;
    QByteArray sideLightList;
    QByteArray mouseLightLists; // Around, Scroll and Logo back to back

    static SimulatedDeviceConfig keyboard(const QString &model);
    static SimulatedDeviceConfig mouse(const QString &model);
    // A mouse for the mouse model, a keyboard for any other name.
    static SimulatedDeviceConfig forModel(const QString &model);

    static const char *const kHostileSerial;
    static const char *const kMouseModel;
};
