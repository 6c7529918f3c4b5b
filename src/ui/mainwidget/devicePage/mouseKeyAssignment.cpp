#include "mouseKeyAssignment.h"

#include "FixedText.h"
#include "hidBindingCodes.h"
#include "keyRouting.h"
#include "mouseReports.h"
#include "xmlInterface.h"

#include <algorithm>
#include <cstring>

namespace mouseKeyAssignment {

namespace {

void clampField(char (&field)[8], int low, int high)
{
    const int value = std::clamp(hidBindingNumber(field, sizeof field), low, high);
    fixedTextCopy(field, QByteArray::number(value));
}

} // namespace

hidEncodeResult reportsFor(int buttonIndex, customKeyInfo binding, const QList<macroItemInfo> &macroItems,
                           QList<hidReportData> &reports)
{
    reports.clear();
    const keyRouting::MouseButton *button = keyRouting::mouseButton(buttonIndex);
    if (!button || button->slot < 0)
        return hidEncodeResult::NothingToSend;
    if (hidBindingNumber(binding.keyCode, sizeof binding.keyCode) == -1)
        return hidEncodeResult::NothingToSend;
    QList<hidMacroEvent> events;
    if (hidBindingNumber(binding.operateType, sizeof binding.operateType) == kBindingMacro) {
        clampField(binding.mode, kMacroModeMin, kMacroModeMax);
        clampField(binding.repeatNum, kMacroRepeatMin, kMacroRepeatMax);
        events = hidMacroEventsFromItems(macroItems);
    }
    return mouseKeyReports(button->slot, binding, events, reports);
}

hidEncodeResult readReports(const Source &source, QList<hidReportData> &reports)
{
    reports.clear();
    if (!source.store || source.keyCode == -1)
        return hidEncodeResult::NothingToSend;
    customKeyInfo binding;
    std::memset(&binding, 0, sizeof binding);
    for (char *field : {binding.keyCode, binding.keyChar, binding.operateType, binding.repeatNum, binding.mode})
        std::strcpy(field, "-1");
    std::strcpy(binding.Value, "-1");
    source.store->getKeyInfo(source.profilePath, source.profile, QByteArray::number(source.keyCode), binding);
    QList<macroItemInfo> items;
    if (hidBindingNumber(binding.operateType, sizeof binding.operateType) == kBindingMacro)
        source.store->getMacroItems(source.macroFilePath, fixedText(binding.Value).toUtf8(), QByteArray(), items);
    return reportsFor(source.buttonIndex, binding, items, reports);
}

} // namespace mouseKeyAssignment
