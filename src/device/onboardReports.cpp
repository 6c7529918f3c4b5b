#include "onboardReports.h"

#include "FixedText.h"

namespace {
constexpr unsigned char kEntryFn1 = 0x14;
constexpr unsigned char kEntryFn = 0x01;
constexpr unsigned char kEntryMacro = 0x10;
constexpr unsigned char kEntryCombination = 0x13;
constexpr unsigned char kEntryMultimedia = 0x07;
constexpr unsigned char kEntryMouse = 0x12;
constexpr unsigned char kMacroPacketLength = 0x3A;
constexpr unsigned char kMacroLastPacketLength = 0x18;
constexpr int kMacroPacketStride = 58;

QList<hidReportData> macroReportsFromBlock(int slot, const QByteArray &block)
{
    QList<hidReportData> reports;
    const auto *bytes = reinterpret_cast<const unsigned char *>(block.constData());
    for (int packet = 0; packet < kOnboardMacroPackets; ++packet) {
        const bool last = packet == kOnboardMacroPackets - 1;
        const unsigned char length = last ? kMacroLastPacketLength : kMacroPacketLength;
        hidReportData report = hidReportFrame(HidCmd::OnboardMacro, hidLowByte(slot), hidLowByte(packet), length);
        hidReportPut(report, kHidPayloadOffset, bytes + packet * kMacroPacketStride, length);
        reports.append(report);
    }
    return reports;
}
} // namespace

onboardKeyEntry makeOnboardKeyEntry(const customKeyInfo &binding, int macroSlot)
{
    onboardKeyEntry entry{};
    const int keyCode = hidBindingNumber(binding.keyCode, sizeof binding.keyCode);
    if (keyCode == -1 || keyCode == 0)
        return entry;
    const int kind = hidBindingNumber(binding.operateType, sizeof binding.operateType);
    const int value = hidBindingNumber(binding.Value, sizeof binding.Value);
    switch (kind) {
    case kBindingKey:
        if (value == kBindingValueFn1)
            entry = {kEntryFn1, 0, 0, 0};
        else if (value == kBindingValueFn)
            entry = {kEntryFn, 0, 0, 0};
        else
            entry = {0, hidLowByte(value), 0, 0};
        break;
    case kBindingMacro:
        entry = {kEntryMacro, hidLowByte(keyCode), hidLowByte(macroSlot), 0};
        break;
    case kBindingCombination: {
        const hidKeyCombo combo = hidCombinationCodes(fixedText(binding.Value));
        if (combo.modifier2 != 0)
            entry = {kEntryCombination, hidLowByte(combo.modifier1), hidLowByte(combo.modifier2), hidLowByte(combo.keyCode)};
        else
            entry = {kEntryCombination, hidLowByte(combo.modifier1), hidLowByte(combo.keyCode), 0};
        break;
    }
    case kBindingMultimedia:
        entry = {kEntryMultimedia, hidLowByte(hidMediaCode(value)), 0, 0};
        break;
    case kBindingMouse:
        entry = {kEntryMouse, hidLowByte(hidMouseIsWheel(value)), hidLowByte(hidMouseCode(value)), 0};
        break;
    default:
        break;
    }
    return entry;
}

hidEncodeResult onboardKeyTableReport(int layer, int packet, const QList<onboardKeyEntry> &entries,
                                      hidReportData &report)
{
    if (entries.size() > kOnboardKeysPerPacket)
        return hidEncodeResult::TooManyBytes;
    report = hidReportFrame(HidCmd::OnboardKeyTable, hidLowByte(layer), hidLowByte(packet),
                            hidLowByte(entries.size() * 4));
    for (int i = 0; i < entries.size(); ++i)
        hidReportPut(report, kHidPayloadOffset + i * 4, entries.at(i).data(), 4);
    return hidEncodeResult::Ok;
}

QList<hidReportData> onboardKeyTableReports(int layer, const QList<onboardKeyEntry> &entries)
{
    QList<hidReportData> reports;
    for (int first = 0, packet = 0; first < entries.size(); first += kOnboardKeysPerPacket, ++packet) {
        hidReportData report;
        onboardKeyTableReport(layer, packet, entries.mid(first, kOnboardKeysPerPacket), report);
        reports.append(report);
    }
    return reports;
}

hidEncodeResult onboardMacroBlock(int mode, int repeatCount, const QList<hidMacroEvent> &events,
                                  QByteArray &block)
{
    if (events.size() > kOnboardMacroMaxEvents)
        return hidEncodeResult::TooManyEvents;
    const QByteArray eventBytes = hidMacroEventBytes(events);
    block = QByteArray(kOnboardMacroBlockSize, '\0');
    block[1] = static_cast<char>(hidLowByte(mode - 1));
    block[3] = static_cast<char>(hidLowByte(eventBytes.size()));
    block[5] = static_cast<char>(hidLowByte(repeatCount));
    block.replace(kOnboardMacroHeaderSize, eventBytes.size(), eventBytes);
    return hidEncodeResult::Ok;
}

hidEncodeResult onboardMacroReports(int slot, int mode, int repeatCount,
                                    const QList<hidMacroEvent> &events, QList<hidReportData> &reports)
{
    QByteArray block;
    const hidEncodeResult result = onboardMacroBlock(mode, repeatCount, events, block);
    if (result != hidEncodeResult::Ok)
        return result;
    reports = macroReportsFromBlock(slot, block);
    return hidEncodeResult::Ok;
}

QList<hidReportData> onboardMacroClearReports(int slot)
{
    return macroReportsFromBlock(slot, QByteArray(kOnboardMacroBlockSize, '\0'));
}
