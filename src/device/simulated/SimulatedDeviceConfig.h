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

// The bootloader a simulated device restarts into on 0x0B, and how it comes
// back once it holds a whole image.
struct SimBootloaderConfig
{
    int vendorId = 0x0416;
    int productId = 0x3F00;
    int imageSize = 0x10000;      // of the device's chip family
    int idTextAddress = 0xFE1C;   // where the image keeps its identification text
    int arrivalDelayMs = 20;      // from 0x0B to the bootloader's arrival
    int returnDelayMs = 20;       // from the end report to the device's return
    bool ignoreEnter = false;     // 0x0B does nothing
    bool returnWithoutSerial = false; // the device comes back answering no serial
};

// A fault of the simulated bootloader at one block, for a number of attempts
// (an attempt begins with block 0).
struct SimBootloaderFault
{
    enum Kind {
        None,
        AnswerOne,  // answers byte 2 = 1
        AnswerTwo,  // answers byte 2 = 2
        Silence,    // never answers
        HoldAnswer, // answers holdMs late
        FailWrite,  // the block report's write fails
        Unplug,     // the bootloader is pulled out
    };
    Kind kind = None;
    int block = 0;
    int attempts = 1; // -1: every attempt
    int holdMs = 0;
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
    SimBootloaderConfig bootloader;

    static SimulatedDeviceConfig keyboard(const QString &model);
    static SimulatedDeviceConfig mouse(const QString &model);
    // A mouse for the mouse model, a keyboard for any other name.
    static SimulatedDeviceConfig forModel(const QString &model);
    // The models the program shows a tile for: the keyboards of its
    // device-model list and the mouse. Another name makes a keyboard that the
    // program identifies but does not show.
    static QStringList knownModels();

    static const char *const kHostileSerial;
    static const char *const kMouseModel;
    // The keyboard model on the NUC121 chip (ids 0416:B23C); the others are M252.
    static const char *const kNuc121Model;
};
