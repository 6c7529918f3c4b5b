#pragma once

#include "HidConnection.h"

#include <QString>

// An open hidraw node. Reads wait in poll() on the node and on an eventfd,
// so a queued report cuts a waiting read short at once (hidapi's reads
// cannot be interrupted, which would force the transport to poll).
class HidrawConnection : public HidConnection
{
public:
    // Takes ownership of the open node descriptor.
    explicit HidrawConnection(int fd);
    ~HidrawConnection() override;

    int read(unsigned char *data, int length, int timeoutMs) override;
    int write(const unsigned char *data, int length) override;
    QString errorText() const override;
    bool canInterruptRead() const override { return m_wakeFd >= 0; }
    void interruptRead() override;

private:
    void setError(int error);

    int m_fd;
    int m_wakeFd;
    int m_lastErrno = 0; // written and read on the transport thread only
};
