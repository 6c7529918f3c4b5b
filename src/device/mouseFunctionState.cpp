#include "mouseFunctionState.h"

int mouseFunctionState::indexOf(unsigned char button)
{
    for (int i = 0; i < 8; ++i) {
        if (button == (1u << i))
            return i;
    }
    return -1;
}

void mouseFunctionState::pressButton(unsigned char button)
{
    const int i = indexOf(button);
    if (i < 0)
        return;
    std::lock_guard<std::mutex> locker(m_lock);
    ++m_counts[i];
}

void mouseFunctionState::releaseButton(unsigned char button)
{
    const int i = indexOf(button);
    if (i < 0)
        return;
    std::lock_guard<std::mutex> locker(m_lock);
    if (m_counts[i] > 0)
        --m_counts[i];
}

void mouseFunctionState::stepWheel(int step)
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_wheel += step;
}

void mouseFunctionState::resetWheel()
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_wheel = 0;
}

void mouseFunctionState::setActive(bool active)
{
    std::lock_guard<std::mutex> locker(m_lock);
    m_active = active;
}

bool mouseFunctionState::isActive() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    return m_active;
}

bool mouseFunctionState::isIdle() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    if (m_wheel != 0)
        return false;
    for (int count : m_counts) {
        if (count > 0)
            return false;
    }
    return true;
}

mouseFunctionState::Bytes mouseFunctionState::bytes() const
{
    std::lock_guard<std::mutex> locker(m_lock);
    Bytes b;
    for (int i = 0; i < 8; ++i) {
        if (m_counts[i] > 0)
            b.buttons |= static_cast<unsigned char>(1u << i);
    }
    b.wheel = m_wheel > 0 ? 0x01 : m_wheel < 0 ? 0xFF : 0x00;
    return b;
}
