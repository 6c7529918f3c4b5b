#pragma once

// Reports of the protocol itself (handshake, serial number, identification,
// key/mouse/multimedia state, light-list inquiries) and the parsers of their
// answers. Plain functions: no I/O.

#include "hidReportData.h"

#include <QByteArray>

constexpr int kSerialNumberLength = 32;
// The wheel's byte in a mouse report.
constexpr int kMouseWheelByte = 11;

// 0x01: byte 6 = 0 in PC mode, 1 in on-board mode.
hidReportData shakeHandsReport(bool pcMode);
// 0x15, 0x0D, 0x0A, 0x02, 0x43: no payload.
hidReportData serialRequestReport();
hidReportData identificationRequestReport();
hidReportData keyLightListRequestReport();
hidReportData sideLightListRequestReport();
hidReportData mouseLightListRequestReport();
// 0x16: the first 32 bytes of the text, zero-padded.
hidReportData serialWriteReport(const QByteArray &serial);
// 0x04: the 8-byte keyboard state (modifiers, reserved, six usages).
hidReportData keyStateReport(const unsigned char state[8]);
// 0x05: bytes 6 to 18 echoed from the keyboard's full-key report.
hidReportData fullKeyReport(const unsigned char *input, int length);
// 0x06: media, browser and tools bit masks.
hidReportData multimediaReport(unsigned char media, unsigned char browser, unsigned char tools);
// 0x13: mouse button bits and wheel step for the keyboard to send.
hidReportData mouseStateReport(unsigned char buttons, unsigned char wheel);

// The serial number of a 0x15 answer: the zero-terminated text in bytes 6 to
// 37. A result of another length than 32 counts as no serial number.
QByteArray serialAnswerText(const hidReportData &answer);

// A keyboard's 0x01 answer: -1 when byte 5 is 0 (no statement), else 1 when
// byte 6 is 1 (key blocking on), 0 otherwise.
int shakeHandsKeyBlocking(const hidReportData &answer);
