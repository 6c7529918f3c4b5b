#pragma once

// Finding a bootloader and writing an image to it, one block report and one
// answer at a time. Runs on the caller's thread (the update's worker).

#include "HidBackend.h"

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>

class HidConnection;

// Every time limit of a firmware update, in one place (tests shorten them).
struct firmwareTimeLimits
{
    int answerMs = 3000;            // for each answer of the bootloader
    int reachBootloaderMs = 15000;  // from Update to an open bootloader
    int searchRetryMs = 1000;       // a search that found none is retried this much later
    int autoOpenMs = 1300;          // automatic check to the update dialog
    int bootloaderArrivalMs = 1000; // bootloader arrival to its search
};

// The attempt was stopped from outside (the program quits).
constexpr int kFirmwareTransferStopped = -1;

// Present bootloader interfaces with the given vendor id (any vendor when
// negative), one per path, in enumeration order; ids compared as numbers.
QList<HidDeviceEntry> findBootloaders(HidBackend &backend, int vendorId);

// Sends image (its whole size) in blocks, waiting up to answerMs for each
// answer, then the end report. Calls progress(total, done) after each block
// written. Returns 0 on success, a BootloaderError code, or
// kFirmwareTransferStopped once stop is set.
int runBootloaderTransfer(HidConnection &connection, const QByteArray &image, int answerMs,
                          const std::atomic<bool> &stop, const std::function<void(int total, int done)> &progress);
