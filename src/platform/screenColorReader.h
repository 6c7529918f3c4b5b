#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

// The colour shown on the screen at a point, as the colour picker's
// eyedropper needs it. A reader either returns the pixel or says why it
// could not: a failed read must never pass for a colour.
struct screenPixelResult
{
    bool ok = false;
    QColor color;  // opaque; valid only when ok
    QString error; // why there is no colour; empty when ok
};

class screenColorReader
{
public:
    virtual ~screenColorReader() = default;

    // The pixel at a global (virtual desktop) position.
    virtual screenPixelResult readPixel(const QPoint &globalPos) const = 0;

    // The running session's reader.
    static const screenColorReader *system();
};
