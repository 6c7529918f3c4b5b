#pragma once

#include <QString>

// One open HID interface. Used by one thread at a time (the transport thread,
// or the scan), except interruptRead, which any thread may call.
class HidConnection
{
public:
    virtual ~HidConnection() = default; // closes the device

    // Reads one input report into data; waits up to timeoutMs (0: do not
    // wait). Returns the byte count, 0 when nothing came, -1 on error.
    virtual int read(unsigned char *data, int length, int timeoutMs) = 0;
    // Writes one output report; returns the byte count or -1.
    virtual int write(const unsigned char *data, int length) = 0;
    virtual QString errorText() const = 0;

    // Whether a waiting read can be cut short by interruptRead. Without it
    // the transport keeps its read waits short.
    virtual bool canInterruptRead() const { return false; }
    // Ends a waiting read (or the next one) at once with 0.
    virtual void interruptRead() {}
};
