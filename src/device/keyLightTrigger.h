#pragma once

// What the device link asks of the keyboard lighting engine: the key-reactive
// effects start at a pressed key's cell. The engine implements it; the link
// keeps a pointer given by the device page and never owns it.
class keyLightTrigger
{
public:
    virtual ~keyLightTrigger() = default;

    // Returns at once and changes nothing unless the engine's key tick runs.
    virtual void triggerKeyEffect(int row, int column) = 0;
};
