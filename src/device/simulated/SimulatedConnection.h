#pragma once

#include "HidConnection.h"
#include "SimulatedDevice.h"

#include <memory>

// An open interface of a simulated device.
class SimulatedConnection : public HidConnection
{
public:
    SimulatedConnection(std::shared_ptr<SimulatedDevice> device,
                        std::shared_ptr<SimulatedDevice::ConnectionState> state, bool interruptibleReads);
    ~SimulatedConnection() override;

    int read(unsigned char *data, int length, int timeoutMs) override;
    int write(const unsigned char *data, int length) override;
    QString errorText() const override;
    bool canInterruptRead() const override;
    void interruptRead() override;

private:
    std::shared_ptr<SimulatedDevice> m_device;
    std::shared_ptr<SimulatedDevice::ConnectionState> m_state;
    const bool m_interruptible;
};
