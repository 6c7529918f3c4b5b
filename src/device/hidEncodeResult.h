#pragma once

// Result of an encoder that can refuse its input.
enum class hidEncodeResult {
    Ok,
    NothingToSend, // the binding kind has no report (text, profile switch, ...)
    TooManyEvents, // a macro longer than its transfer can carry
    TooManyLevels, // more DPI levels than the report holds
    TooManyBytes,  // a payload longer than the report holds
};
