#pragma once

#include <array>
#include <mutex>

// The mouse state that bound mouse functions and macro mouse events make the
// device send: buttons held by a count per button, so two bindings on one
// button keep it down until both let go, and the wheel as a signed step.
// Shared by the GUI thread and the macro player.
class mouseFunctionState
{
public:
    struct Bytes
    {
        unsigned char buttons = 0;
        unsigned char wheel = 0; // 0x01 up, 0xFF down, 0 none
    };

    // button: one of the bits 0x01 to 0x80.
    void pressButton(unsigned char button);
    // A release without a matching press changes nothing.
    void releaseButton(unsigned char button);
    void stepWheel(int step);
    void resetWheel();
    void setActive(bool active);
    bool isActive() const;
    bool isIdle() const; // no button held, wheel at rest
    Bytes bytes() const;

private:
    static int indexOf(unsigned char button);

    mutable std::mutex m_lock; // std::mutex: visible to ThreadSanitizer
    std::array<int, 8> m_counts{};
    int m_wheel = 0;
    bool m_active = false;
};
