#pragma once

// What the device link asks of the mouse lighting engine: the DPI indicator
// and the button reaction of the Around zone. The engine implements it; the
// link keeps a pointer given by the device page and never owns it.
class mouseLightTrigger
{
public:
    virtual ~mouseLightTrigger() = default;

    // The mouse's DPI button was pressed.
    virtual void onDpiKeyPressed() = 0;
    // A mouse button was pressed or released.
    virtual void onMouseButtonTrigger() = 0;
};
