#pragma once

#include "HidConnection.h"

struct hid_device_;
typedef struct hid_device_ hid_device;

// An interface opened through hidapi. hidapi cannot cut a waiting read
// short, so the transport polls it with short timeouts.
class HidapiConnection : public HidConnection
{
public:
    explicit HidapiConnection(hid_device *device);
    ~HidapiConnection() override;

    int read(unsigned char *data, int length, int timeoutMs) override;
    int write(const unsigned char *data, int length) override;
    QString errorText() const override;

private:
    hid_device *m_device;
};
