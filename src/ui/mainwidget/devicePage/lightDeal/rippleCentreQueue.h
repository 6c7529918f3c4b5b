#pragma once

// The centres of the rings that Aurora, Ripple, Fireworks and Auto Ripple
// draw: 20 slots, filled from the top, so the live centres always sit in the
// highest slots with the oldest in slot 19. The free slot comes from the
// number of live centres, so a full queue that loses one centre takes
// exactly one new one.

#include <array>
#include <cstdint>

class rippleCentreQueue
{
public:
    static constexpr int slotCount = 20;
    static constexpr uint8_t freeMark = 255; // row and column of a free slot

    struct centre
    {
        uint8_t row = freeMark;
        uint8_t column = freeMark;
        uint8_t radius = 0;
        uint8_t colour = 0; // colour index
    };

    rippleCentreQueue() { reset(); }

    // Every slot free.
    void reset();
    // A new centre in the free slot; false, changing nothing, when all 20
    // slots hold live centres.
    bool add(int row, int column, int radius, int colour);
    // Ends the centre of slot: the centres below it move up one slot.
    void remove(int slot);

    bool isLive(int slot) const;
    int count() const { return m_count; }
    bool isFull() const { return m_count >= slotCount; }
    // The slot a new centre goes to; -1 when full.
    int freeSlot() const { return isFull() ? -1 : slotCount - 1 - m_count; }

    centre &at(int slot) { return m_slots[slot]; }
    const centre &at(int slot) const { return m_slots[slot]; }

private:
    std::array<centre, slotCount> m_slots;
    int m_count = 0;
};
