#pragma once

// The 64-byte HID report exchanged with the keyboards and the mouse, in both
// directions: byte 0 report id, byte 1 command, byte 2 zone/layer/slot or
// sub-command, byte 3 mostly 0, byte 4 packet number or byte offset, byte 5
// payload length, payload from byte 6, zeros to the end, no checksum.

#include <array>
#include <cstddef>
#include <initializer_list>

constexpr int kHidReportSize = 64;
constexpr unsigned char kHidReportId = 0x01;
constexpr int kHidCommandByte = 1;
constexpr int kHidZoneByte = 2;
constexpr int kHidFlagByte = 3;
constexpr int kHidPacketByte = 4;
constexpr int kHidLengthByte = 5;
constexpr int kHidPayloadOffset = 6;
constexpr int kHidPayloadCapacity = kHidReportSize - kHidPayloadOffset; // 58

using hidReportData = std::array<unsigned char, kHidReportSize>;

// The command table: one name per command byte.
namespace HidCmd {
constexpr unsigned char ShakeHands = 0x01;
constexpr unsigned char SideLightList = 0x02;
constexpr unsigned char KeyboardReserved = 0x03;
constexpr unsigned char KeyState = 0x04;
constexpr unsigned char FullKey = 0x05;
constexpr unsigned char Multimedia = 0x06;
constexpr unsigned char KeyLightEffect = 0x07;
constexpr unsigned char SideLightEffect = 0x08;
constexpr unsigned char CustomKeyColors = 0x09;
constexpr unsigned char KeyLightList = 0x0A;
constexpr unsigned char EnterBootloader = 0x0B;
constexpr unsigned char BootloaderData = 0x0C;
constexpr unsigned char Identification = 0x0D;
constexpr unsigned char ColorFrame = 0x0F;
constexpr unsigned char MouseState = 0x13;
constexpr unsigned char Reset = 0x14;
constexpr unsigned char SerialRead = 0x15;
constexpr unsigned char SerialWrite = 0x16;
constexpr unsigned char LightSynchronize = 0x17;
constexpr unsigned char OnboardKeyTable = 0x18;
constexpr unsigned char OnboardMacro = 0x19;
constexpr unsigned char MouseInput = 0x40;
constexpr unsigned char MouseDpi = 0x41;
constexpr unsigned char MouseZoneLight = 0x42;
constexpr unsigned char MouseLightList = 0x43;
constexpr unsigned char MouseReportRate = 0x46;
constexpr unsigned char MouseKey = 0x47;
constexpr unsigned char MouseColorFrame = 0x48;
} // namespace HidCmd

// The low byte of a value, as the reports carry it.
constexpr unsigned char hidLowByte(int value) { return static_cast<unsigned char>(value & 0xFF); }

// A zero-filled report with the report id, the command and the header bytes.
hidReportData hidReportFrame(unsigned char command, unsigned char byte2 = 0,
                             unsigned char byte4 = 0, unsigned char byte5 = 0);

// Copies count bytes to report[offset..]; refuses (false, nothing written) a
// write that would run past byte 63. Every encoder writes through this.
bool hidReportPut(hidReportData &report, int offset, const unsigned char *bytes, int count);
bool hidReportPutByte(hidReportData &report, int offset, int value);
// The low byte of each value, in order, from report[offset]; refused like hidReportPut.
bool hidReportPutValues(hidReportData &report, int offset, std::initializer_list<int> values);

// Byte `offset` of a report of `length` valid bytes; 0 outside them. Every
// parser reads through this.
unsigned char hidReportByte(const unsigned char *report, int length, int offset);

// A report from raw bytes: at most 64 are taken, the rest is zero.
hidReportData hidReportFromBytes(const unsigned char *bytes, int length);
