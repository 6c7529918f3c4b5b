#pragma once

// A key's cell in the 6 x 22 grid that the keyboard view and the lighting
// engine share. The view's key buttons implement it, so the device link can
// find where a pressed key sits without depending on the view.
class keyGridCell
{
public:
    virtual ~keyGridCell() = default;

    virtual int getRow() const = 0;    // 0 to 5
    virtual int getColumn() const = 0; // 0 to 21
};
