#include "mouseReports.h"

#include "FixedText.h"

#include <algorithm>

namespace {
constexpr unsigned char kDpiLength = 0x26;
constexpr int kDpiFirstLevelByte = 7;
constexpr int kDpiBytesPerLevel = 6;
constexpr unsigned char kDpiEndMark = 1;
constexpr unsigned char kZoneLightLength = 0x0E;
constexpr unsigned char kReportRateLength = 1;
constexpr unsigned char kMouseKeyLength = 0x3A;
constexpr int kMouseKeyEntryByte = 7;
constexpr int kMouseKeyValueByte = 14;
constexpr int kMacroFirstChunk = 56;
constexpr int kMacroChunk = 48;
constexpr int kMacroLastReportIndex = 3;
constexpr int kMacroSingleReportEvents = 49; // event bytes below this fit one report
constexpr unsigned char kEndReportFlag = 0xFF;

const int kDpiCodes[] = {4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27, 29,  32,  34,  36,  39,  41,
                         43, 46, 48, 50, 52, 55, 57, 59, 62, 64, 66, 69,  71,  73,  76,  78,  80,
                         83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

enum MouseKind { KindDisabled = 0, KindMouse = 1, KindKeyOrMedia = 3, KindCombination = 4, KindMacro = 5 };
} // namespace

int mouseDpiCode(int dpi)
{
    const int clamped = std::clamp(dpi, kDpiMin, kDpiMax);
    const int step = (clamped - kDpiMin + kDpiStep / 2) / kDpiStep;
    return kDpiCodes[step];
}

hidEncodeResult mouseDpiReport(int activeLevel, const QList<dpiConfigInfo> &levels, hidReportData &report)
{
    if (levels.size() > kMouseDpiMaxLevels)
        return hidEncodeResult::TooManyLevels;
    report = hidReportFrame(HidCmd::MouseDpi, 0, 0, kDpiLength);
    hidReportPutByte(report, kHidPayloadOffset, activeLevel - 1);
    int offset = kDpiFirstLevelByte;
    for (const dpiConfigInfo &level : levels) {
        hidReportPutValues(report, offset,
                           {level.selectStatus, mouseDpiCode(level.dpiX), mouseDpiCode(level.dpiY),
                            level.dpiColorR, level.dpiColorG, level.dpiColorB});
        offset += kDpiBytesPerLevel;
    }
    hidReportPutByte(report, offset, kDpiEndMark);
    return hidEncodeResult::Ok;
}

hidReportData mouseZoneLightReport(int zone, const colorInfoData &info, bool linkOn)
{
    hidReportData report = hidReportFrame(HidCmd::MouseZoneLight, hidLowByte(zone), 0, kZoneLightLength);
    hidReportPutValues(report, kHidPayloadOffset,
                       {info.ledType, info.ledBrightness, info.ledSpeed, info.ledModeR, info.ledModeG,
                        info.ledModeB, info.ledBgR, info.ledBgG, info.ledBgB});
    if (zone == kMouseZoneAround) {
        hidReportPutByte(report, 15, info.ledDirection);
        hidReportPutByte(report, 16, info.ledModeType);
        hidReportPutByte(report, 17, info.ledOpenOrClose);
    } else if (zone == kMouseZoneScroll || zone == kMouseZoneLogo) {
        hidReportPutByte(report, 16, info.ledModeType);
        hidReportPutByte(report, 18, linkOn ? 0 : 1);
    }
    return report;
}

hidReportData mouseReportRateReport(int rateIndex)
{
    static const int kIntervals[] = {8, 4, 2, 1};
    hidReportData report = hidReportFrame(HidCmd::MouseReportRate, 0, 0, kReportRateLength);
    hidReportPutByte(report, kHidPayloadOffset, (rateIndex >= 0 && rateIndex < 4) ? kIntervals[rateIndex] : 0);
    return report;
}

hidEncodeResult mouseKeyReports(int slot, const customKeyInfo &binding,
                                const QList<hidMacroEvent> &macroEvents, QList<hidReportData> &reports)
{
    reports.clear();
    const int kind = hidBindingNumber(binding.operateType, sizeof binding.operateType);
    const int value = hidBindingNumber(binding.Value, sizeof binding.Value);

    if (kind == kBindingMacro) {
        if (macroEvents.size() > kMouseMacroMaxEvents)
            return hidEncodeResult::TooManyEvents;
        const QByteArray events = hidMacroEventBytes(macroEvents);
        const int n = events.size();
        QByteArray stream(8, '\0');
        stream[0] = static_cast<char>(KindMacro);
        stream[1] = static_cast<char>(hidLowByte(hidBindingNumber(binding.mode, sizeof binding.mode) - 1));
        stream[3] = static_cast<char>(hidLowByte(n));
        stream[5] = static_cast<char>(hidLowByte(hidBindingNumber(binding.repeatNum, sizeof binding.repeatNum)));
        stream += events;
        const auto *bytes = reinterpret_cast<const unsigned char *>(stream.constData());
        if (n < kMacroSingleReportEvents) {
            hidReportData report = hidReportFrame(HidCmd::MouseKey, hidLowByte(slot), 0, hidLowByte(n + 8));
            hidReportPut(report, kHidPayloadOffset, bytes, n + 8);
            reports.append(report);
        } else {
            // Chunks of 56, 48 and 48 bytes; the fourth report carries the rest.
            for (int offset = 0, index = 0; offset < stream.size(); ++index) {
                const int remaining = static_cast<int>(stream.size()) - offset;
                const int count = index == 0 ? kMacroFirstChunk
                    : index == kMacroLastReportIndex ? remaining
                                                     : std::min(kMacroChunk, remaining);
                hidReportData report = hidReportFrame(HidCmd::MouseKey, hidLowByte(slot), hidLowByte(offset), hidLowByte(count));
                hidReportPut(report, kHidPayloadOffset, bytes + offset, count);
                reports.append(report);
                offset += count;
            }
        }
        hidReportData end = hidReportFrame(HidCmd::MouseKey, hidLowByte(slot), kEndReportFlag, kMouseKeyLength);
        end[kHidFlagByte] = kEndReportFlag;
        hidReportPutByte(end, kHidPayloadOffset, KindMacro);
        reports.append(end);
        return hidEncodeResult::Ok;
    }

    hidReportData report = hidReportFrame(HidCmd::MouseKey, hidLowByte(slot), 0, kMouseKeyLength);
    switch (kind) {
    case kBindingKey:
        hidReportPutByte(report, kHidPayloadOffset, KindKeyOrMedia);
        hidReportPutByte(report, kMouseKeyEntryByte, 2);
        hidReportPutByte(report, kMouseKeyValueByte, value);
        break;
    case kBindingCombination: {
        const hidKeyCombo combo = hidCombinationCodes(fixedText(binding.Value));
        const bool two = combo.modifier2 != 0;
        hidReportPutByte(report, kHidPayloadOffset, KindCombination);
        hidReportPutByte(report, kMouseKeyEntryByte, two ? 3 : 2);
        int at = kMouseKeyValueByte;
        hidReportPutByte(report, at++, combo.modifier1);
        if (two)
            hidReportPutByte(report, at++, combo.modifier2);
        hidReportPutByte(report, at, combo.keyCode);
        break;
    }
    case kBindingMultimedia:
        hidReportPutByte(report, kHidPayloadOffset, KindKeyOrMedia);
        hidReportPutByte(report, kMouseKeyEntryByte, 3);
        hidReportPutByte(report, kMouseKeyValueByte, hidMediaCode(value));
        break;
    case kBindingMouse:
        hidReportPutByte(report, kHidPayloadOffset, hidMouseIsWheel(value) ? KindKeyOrMedia : KindMouse);
        hidReportPutByte(report, kMouseKeyEntryByte, hidMouseIsWheel(value));
        hidReportPutByte(report, kMouseKeyValueByte, hidMouseCode(value));
        break;
    case kBindingDisabled:
        hidReportPutByte(report, kHidPayloadOffset, KindDisabled);
        break;
    default:
        return hidEncodeResult::NothingToSend;
    }
    reports.append(report);
    return hidEncodeResult::Ok;
}
