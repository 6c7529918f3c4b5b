#pragma once

// On-board download payloads: the key table of a layer (0x18) and the macro
// slots (0x19).

#include "hidBindingCodes.h"
#include "hidEncodeResult.h"
#include "hidReportData.h"
#include "xmlRecords.h"

#include <QList>

#include <array>

// One key of a layer's key table: 4 bytes chosen by the key's binding.
using onboardKeyEntry = std::array<unsigned char, 4>;

constexpr int kOnboardKeysPerPacket = 14;
constexpr int kOnboardLayerDefault = 0;
constexpr int kOnboardLayerFn1 = 1;
constexpr int kOnboardMacroSlots = 10;
constexpr int kOnboardMacroPackets = 5;
constexpr int kOnboardMacroBlockSize = 256;
constexpr int kOnboardMacroHeaderSize = 8;
// Event bytes that packets 0 to 2 can carry: 41 events.
constexpr int kOnboardMacroEventCapacity = 166;
constexpr int kOnboardMacroMaxEvents = kOnboardMacroEventCapacity / kMacroEventBytes;

// The entry of a key whose binding is `binding` (keyCode "-1": no binding);
// macroSlot is the slot given to a macro binding.
onboardKeyEntry makeOnboardKeyEntry(const customKeyInfo &binding, int macroSlot);

// 0x18 packet: up to 14 entries; more are refused.
hidEncodeResult onboardKeyTableReport(int layer, int packet, const QList<onboardKeyEntry> &entries,
                                      hidReportData &report);
// A whole layer cut into packets of 14 keys.
QList<hidReportData> onboardKeyTableReports(int layer, const QList<onboardKeyEntry> &entries);

// The 256-byte image of one macro slot: header (play mode = mode - 1, event
// byte count, repeat count) and the events. More than 41 events are refused.
hidEncodeResult onboardMacroBlock(int mode, int repeatCount, const QList<hidMacroEvent> &events,
                                  QByteArray &block);
// The five 0x19 reports of a slot.
hidEncodeResult onboardMacroReports(int slot, int mode, int repeatCount,
                                    const QList<hidMacroEvent> &events, QList<hidReportData> &reports);
// The five reports that clear a slot (all-zero block).
QList<hidReportData> onboardMacroClearReports(int slot);
