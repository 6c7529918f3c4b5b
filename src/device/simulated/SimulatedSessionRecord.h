#pragma once

#include <QString>

#include <memory>

class SimulatedHidBackend;

// What the simulated devices took from a program run, for tests that start
// the program as a process: when VELMORA_SIMULATED_RECORD names a file, the
// program writes there at its end one line per device,
//   "<model> lightSynchronize=<payloads in order, comma-separated> open=<n>"
// (n: connections still open).
class SimulatedSessionRecord
{
public:
    static constexpr const char *kEnvironmentVariable = "VELMORA_SIMULATED_RECORD";

    static QString text(const SimulatedHidBackend &backend);
    // Writes text(backend) to the file the variable names; false when unset
    // or not written.
    static bool writeFromEnvironment(const std::shared_ptr<SimulatedHidBackend> &backend);
};
