#include "inputReportDiff.h"

#include "outgoingKeyState.h"

namespace {

// The keyboard's input state has the layout of the outgoing one.
constexpr int kModifierUsage = outgoingKeyState::ModifierFirst;
constexpr int kFirstSlot = outgoingKeyState::FirstSlot;
constexpr int kSlotEnd = outgoingKeyState::SlotEnd;

bool slotsHold(const unsigned char *state, unsigned char usage)
{
    for (int i = kFirstSlot; i < kSlotEnd; ++i) {
        if (state[i] == usage)
            return true;
    }
    return false;
}

// A usage listed in two slots of one state is one key: only its first slot counts.
bool firstSlotOf(const unsigned char *state, int slot)
{
    for (int i = kFirstSlot; i < slot; ++i) {
        if (state[i] == state[slot])
            return false;
    }
    return true;
}

} // namespace

QVector<inputReportDiff::Change> inputReportDiff::keyState(const unsigned char *before, const unsigned char *now)
{
    QVector<Change> changes;
    for (int bit = 0; bit < 8; ++bit) {
        if ((now[0] & (1u << bit)) && !(before[0] & (1u << bit)))
            changes.append({kModifierUsage + bit, true});
    }
    for (int i = kFirstSlot; i < kSlotEnd; ++i) {
        if (now[i] != 0 && firstSlotOf(now, i) && !slotsHold(before, now[i]))
            changes.append({now[i], true});
    }
    for (int bit = 0; bit < 8; ++bit) {
        if (!(now[0] & (1u << bit)) && (before[0] & (1u << bit)))
            changes.append({kModifierUsage + bit, false});
    }
    for (int i = kFirstSlot; i < kSlotEnd; ++i) {
        if (before[i] != 0 && firstSlotOf(before, i) && !slotsHold(now, before[i]))
            changes.append({before[i], false});
    }
    return changes;
}

QVector<inputReportDiff::Change> inputReportDiff::bits(unsigned char before, unsigned char now, int bitCount)
{
    QVector<Change> changes;
    for (int bit = 0; bit < bitCount; ++bit) {
        if ((now & (1u << bit)) && !(before & (1u << bit)))
            changes.append({bit, true});
    }
    for (int bit = 0; bit < bitCount; ++bit) {
        if (!(now & (1u << bit)) && (before & (1u << bit)))
            changes.append({bit, false});
    }
    return changes;
}
