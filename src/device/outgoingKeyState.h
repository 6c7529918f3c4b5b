#pragma once

#include <array>
#include <mutex>

// The keyboard state that the device is told to type: modifier byte, reserved
// byte and six key usages. Changed by the key executor (GUI thread) and the
// macro player (its own thread); every change and every copy takes the lock.
class outgoingKeyState
{
public:
    using Bytes = std::array<unsigned char, 8>;

    static constexpr int ModifierFirst = 224; // left Ctrl
    static constexpr int ModifierLast = 231;  // right Windows
    static constexpr int FirstSlot = 2;
    static constexpr int SlotEnd = 8;

    // Modifier usages set or clear their bit; other usages take the first
    // free slot on press (nothing when all six are used) and leave every
    // slot holding them on release, the later slots moving down.
    void setReportKey(int usage, bool pressed);
    void clear();
    Bytes snapshot() const;
    // The slot the next pressed key goes to, 2 to 8 (8: full).
    int nextFreeSlot() const;

private:
    static int nextFreeSlotOf(const Bytes &state);

    mutable std::mutex m_lock; // std::mutex: visible to ThreadSanitizer
    Bytes m_state{};
};
