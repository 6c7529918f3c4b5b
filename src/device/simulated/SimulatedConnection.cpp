#include "SimulatedConnection.h"

SimulatedConnection::SimulatedConnection(std::shared_ptr<SimulatedDevice> device,
                                         std::shared_ptr<SimulatedDevice::ConnectionState> state,
                                         bool interruptibleReads)
    : m_device(std::move(device)), m_state(std::move(state)), m_interruptible(interruptibleReads)
{
}

SimulatedConnection::~SimulatedConnection() { m_device->detach(m_state); }

int SimulatedConnection::read(unsigned char *data, int length, int timeoutMs)
{
    return m_device->readFor(*m_state, data, length, timeoutMs);
}

int SimulatedConnection::write(const unsigned char *data, int length)
{
    return m_device->writeFrom(*m_state, data, length);
}

QString SimulatedConnection::errorText() const
{
    return m_device->isPlugged() ? QStringLiteral("write refused") : QStringLiteral("No such device");
}

bool SimulatedConnection::canInterruptRead() const { return m_interruptible; }

void SimulatedConnection::interruptRead()
{
    if (m_interruptible)
        m_device->interrupt(*m_state);
}
