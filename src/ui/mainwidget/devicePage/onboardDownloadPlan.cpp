#include "onboardDownloadPlan.h"

#include "FixedText.h"
#include "onboardKeyBinding.h"
#include "onboardReports.h"
#include "xmlInterface.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMinRepeat = 1;
constexpr int kMaxRepeat = 255;
constexpr int kPlayOnce = 1;
constexpr int kPlayModes = 4;

class planBuilder
{
public:
    planBuilder(const onboardDownloadSource &source, onboardDownloadPlan &plan)
        : m_source(source), m_plan(plan)
    {
    }

    bool addLayer(int layer, const QString &file, const QList<int> &keyCodes)
    {
        QList<onboardKeyEntry> group;
        int packet = 0;
        for (int code : keyCodes) {
            onboardKeyEntry entry{};
            if (code != 0) {
                const customKeyInfo binding = readOnboardBinding(m_source.store, file, m_source.configIndex, code);
                int slot = 0;
                if (hidBindingNumber(binding.operateType, sizeof binding.operateType) == kBindingMacro
                    && hidBindingNumber(binding.keyCode, sizeof binding.keyCode) != -1) {
                    if (!addMacro(binding, slot))
                        return false;
                }
                entry = makeOnboardKeyEntry(binding, slot);
            }
            group.append(entry);
            if (group.size() == kOnboardKeysPerPacket)
                flush(layer, packet, group);
        }
        if (!group.isEmpty())
            flush(layer, packet, group);
        return true;
    }

    void clearFreeSlots()
    {
        m_plan.pauseBeforeStep = m_plan.steps.size();
        for (int slot = m_plan.macroSlotsUsed; slot < kOnboardMacroSlots; ++slot)
            addMacroReports(onboardMacroClearReports(slot));
    }

private:
    void flush(int layer, int &packet, QList<onboardKeyEntry> &group)
    {
        hidReportData report{};
        onboardKeyTableReport(layer, packet++, group, report);
        m_plan.steps.append({report, false});
        group.clear();
    }

    void addMacroReports(const QList<hidReportData> &reports)
    {
        for (const hidReportData &report : reports)
            m_plan.steps.append({report, true});
    }

    bool addMacro(const customKeyInfo &binding, int &slot)
    {
        if (m_plan.macroSlotsUsed >= kOnboardMacroSlots) {
            m_plan.refusal = onboardDownloadPlan::TooManyMacros;
            return false;
        }
        const QByteArray macroIndex(binding.Value, static_cast<int>(strnlen(binding.Value, sizeof binding.Value)));
        QList<macroItemInfo> items;
        m_source.store->getMacroItems(m_source.macroFile, macroIndex, QByteArray(), items);
        const QList<hidMacroEvent> events = hidMacroEventsFromItems(items);

        int mode = hidBindingNumber(binding.mode, sizeof binding.mode);
        if (mode < kPlayOnce || mode > kPlayModes)
            mode = kPlayOnce;
        const int repeat = std::clamp(hidBindingNumber(binding.repeatNum, sizeof binding.repeatNum), kMinRepeat, kMaxRepeat);

        slot = m_plan.macroSlotsUsed;
        QList<hidReportData> reports;
        if (onboardMacroReports(slot, mode, repeat, events, reports) != hidEncodeResult::Ok) {
            m_plan.refusal = onboardDownloadPlan::MacroTooLong;
            nodeIndexNameInfo info;
            std::memset(&info, 0, sizeof info);
            if (m_source.store->getNodeIndexAndName(m_source.macroFile, macroIndex, info))
                m_plan.refusalSubject = QString::fromUtf8(info.name, static_cast<int>(strnlen(info.name, sizeof info.name)));
            if (m_plan.refusalSubject.isEmpty())
                m_plan.refusalSubject = QString::fromUtf8(macroIndex);
            return false;
        }
        ++m_plan.macroSlotsUsed;
        addMacroReports(reports);
        return true;
    }

    const onboardDownloadSource &m_source;
    onboardDownloadPlan &m_plan;
};

} // namespace

onboardDownloadPlan makeOnboardDownloadPlan(const QList<int> &keyCodes, const onboardDownloadSource &source)
{
    onboardDownloadPlan plan;
    if (!source.store)
        return plan;
    planBuilder builder(source, plan);
    if (!builder.addLayer(kOnboardLayerDefault, source.defaultLayerFile, keyCodes)
        || !builder.addLayer(kOnboardLayerFn1, source.fn1LayerFile, keyCodes)) {
        // Nothing of a refused download is sent.
        plan.steps.clear();
        plan.pauseBeforeStep = 0;
        return plan;
    }
    builder.clearFreeSlots();
    return plan;
}

QString onboardDownloadRefusalText(const onboardDownloadPlan &plan)
{
    switch (plan.refusal) {
    case onboardDownloadPlan::TooManyMacros:
        return QCoreApplication::translate("DDevicePage", "Too many macros (at most 10)");
    case onboardDownloadPlan::MacroTooLong:
        return QCoreApplication::translate("DDevicePage", "Macro too long: %1").arg(plan.refusalSubject);
    case onboardDownloadPlan::None:
        break;
    }
    return QString();
}
