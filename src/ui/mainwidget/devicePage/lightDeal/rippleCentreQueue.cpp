#include "rippleCentreQueue.h"

void rippleCentreQueue::reset()
{
    m_slots.fill(centre {});
    m_count = 0;
}

bool rippleCentreQueue::add(int row, int column, int radius, int colour)
{
    const int slot = freeSlot();
    if (slot < 0)
        return false;
    m_slots[slot] = centre {uint8_t(row), uint8_t(column), uint8_t(radius), uint8_t(colour)};
    ++m_count;
    return true;
}

void rippleCentreQueue::remove(int slot)
{
    if (slot < 0 || slot >= slotCount || !isLive(slot))
        return;
    for (int s = slot; s > 0; --s)
        m_slots[s] = m_slots[s - 1];
    m_slots[0] = centre {};
    --m_count;
}

bool rippleCentreQueue::isLive(int slot) const
{
    return slot >= 0 && slot < slotCount && m_slots[slot].column != freeMark;
}
