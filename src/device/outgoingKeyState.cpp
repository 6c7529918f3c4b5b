#include "outgoingKeyState.h"

void outgoingKeyState::setReportKey(int usage, bool pressed)
{
    std::lock_guard<std::mutex> locker(m_lock);
    if (usage >= ModifierFirst && usage <= ModifierLast) {
        const unsigned char bit = static_cast<unsigned char>(1u << (usage - ModifierFirst));
        if (pressed)
            m_state[0] |= bit;
        else
            m_state[0] &= static_cast<unsigned char>(~bit);
        return;
    }
    if (usage <= 0 || usage > 0xFF)
        return;
    const unsigned char code = static_cast<unsigned char>(usage);
    if (pressed) {
        // The free slot follows from the slots themselves, so a release of a
        // key that was never added cannot make a later press overwrite one.
        const int slot = nextFreeSlotOf(m_state);
        if (slot < SlotEnd)
            m_state[slot] = code;
        return;
    }
    int to = FirstSlot;
    for (int from = FirstSlot; from < SlotEnd; ++from) {
        if (m_state[from] != code)
            m_state[to++] = m_state[from];
    }
    for (; to < SlotEnd; ++to)
        m_state[to] = 0;
}

void outgoingKeyState::clear()
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_state.fill(0);
}

outgoingKeyState::Bytes outgoingKeyState::snapshot() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    return m_state;
}

int outgoingKeyState::nextFreeSlot() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    return nextFreeSlotOf(m_state);
}

int outgoingKeyState::nextFreeSlotOf(const Bytes &state)
{
    int slot = FirstSlot;
    while (slot < SlotEnd && state[slot] != 0)
        ++slot;
    return slot;
}
