#pragma once

#include <QString>

// The test firmware images of the simulated devices: filler with each model's
// identification, one newer than its simulated device (Varrowen's equal).
// Real devices never get them: they are read only once installed, which the
// simulated backend does when VELMORA_SIMULATED_DEVICES is set.
namespace simulatedFirmwareImages {

// ":/simulated/UpdateHex/".
QString folder();
// Registers the resources and makes the firmware update read its images there.
void install();

} // namespace simulatedFirmwareImages
