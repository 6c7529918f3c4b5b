#include "HidapiConnection.h"

#include <hidapi/hidapi.h>

HidapiConnection::HidapiConnection(hid_device *device) : m_device(device) {}

HidapiConnection::~HidapiConnection()
{
    if (m_device)
        hid_close(m_device);
}

int HidapiConnection::read(unsigned char *data, int length, int timeoutMs)
{
    return hid_read_timeout(m_device, data, static_cast<size_t>(length), timeoutMs);
}

int HidapiConnection::write(const unsigned char *data, int length)
{
    return hid_write(m_device, data, static_cast<size_t>(length));
}

QString HidapiConnection::errorText() const
{
    const wchar_t *text = hid_error(m_device);
    return text ? QString::fromWCharArray(text) : QString();
}
