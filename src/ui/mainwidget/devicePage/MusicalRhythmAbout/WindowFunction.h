#pragma once

#include <QMetaType>

// The window applied to the samples before the FFT.
enum WindowFunction {
    NoWindow = 0,
    HannWindow = 1,
};

Q_DECLARE_METATYPE(WindowFunction)
