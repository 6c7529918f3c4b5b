#include "hidProtocolReports.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr unsigned char kShakeHandsLength = 1;
constexpr unsigned char kSerialWriteLength = 0x20;
constexpr unsigned char kKeyStateLength = 9;
constexpr int kKeyStateBytes = 8;
constexpr unsigned char kFullKeyLength = 0x15;
constexpr int kFullKeyFirst = 6;
constexpr int kFullKeyLast = 18;
constexpr unsigned char kMultimediaLength = 3;
constexpr unsigned char kMouseStateLength = 6;
} // namespace

hidReportData shakeHandsReport(bool pcMode)
{
    hidReportData report = hidReportFrame(HidCmd::ShakeHands, 0, 0, kShakeHandsLength);
    hidReportPutByte(report, kHidPayloadOffset, pcMode ? 0 : 1);
    return report;
}

hidReportData serialRequestReport() { return hidReportFrame(HidCmd::SerialRead); }
hidReportData identificationRequestReport() { return hidReportFrame(HidCmd::Identification); }
hidReportData keyLightListRequestReport() { return hidReportFrame(HidCmd::KeyLightList); }
hidReportData sideLightListRequestReport() { return hidReportFrame(HidCmd::SideLightList); }
hidReportData mouseLightListRequestReport() { return hidReportFrame(HidCmd::MouseLightList); }

hidReportData serialWriteReport(const QByteArray &serial)
{
    hidReportData report = hidReportFrame(HidCmd::SerialWrite, 0, 0, kSerialWriteLength);
    const int n = std::min<int>(serial.size(), kSerialNumberLength);
    hidReportPut(report, kHidPayloadOffset, reinterpret_cast<const unsigned char *>(serial.constData()), n);
    return report;
}

hidReportData keyStateReport(const unsigned char state[8])
{
    hidReportData report = hidReportFrame(HidCmd::KeyState, 0, 0, kKeyStateLength);
    hidReportPut(report, kHidPayloadOffset, state, kKeyStateBytes);
    return report;
}

hidReportData fullKeyReport(const unsigned char *input, int length)
{
    hidReportData report = hidReportFrame(HidCmd::FullKey, 0, 0, kFullKeyLength);
    for (int i = kFullKeyFirst; i <= kFullKeyLast; ++i)
        hidReportPutByte(report, i, hidReportByte(input, length, i));
    return report;
}

hidReportData multimediaReport(unsigned char media, unsigned char browser, unsigned char tools)
{
    hidReportData report = hidReportFrame(HidCmd::Multimedia, 0, 0, kMultimediaLength);
    hidReportPutValues(report, kHidPayloadOffset, {media, browser, tools});
    return report;
}

hidReportData mouseStateReport(unsigned char buttons, unsigned char wheel)
{
    hidReportData report = hidReportFrame(HidCmd::MouseState, 0, 0, kMouseStateLength);
    hidReportPutByte(report, kHidPayloadOffset, buttons);
    hidReportPutByte(report, kMouseWheelByte, wheel);
    return report;
}

QByteArray serialAnswerText(const hidReportData &answer)
{
    const char *text = reinterpret_cast<const char *>(answer.data() + kHidPayloadOffset);
    return QByteArray(text, static_cast<int>(strnlen(text, kSerialNumberLength)));
}

int shakeHandsKeyBlocking(const hidReportData &answer)
{
    if (answer[kHidLengthByte] == 0)
        return -1;
    return answer[kHidPayloadOffset] == 1 ? 1 : 0;
}
