#include "DDeviceHidCmdSend.h"

#include "MainHidInterFace.h"
#include "hidProtocolReports.h"

#include <QDebug>
#include <QUuid>

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent) : QObject(parent) {}

void DDeviceHidCmdSend::setHidInterFace(MainHidInterFace *transport) { m_transport.store(transport); }

MainHidInterFace *DDeviceHidCmdSend::hidInterFace() const { return m_transport.load(); }

QString DDeviceHidCmdSend::newSerialNumber()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

bool DDeviceHidCmdSend::queue(const unsigned char *report, const char *failureLine)
{
    MainHidInterFace *transport = m_transport.load();
    if (!transport || transport->writeHidData(report, kHidReportSize) < 0) {
        qDebug().noquote() << failureLine;
        return false;
    }
    return true;
}

QString DDeviceHidCmdSend::writeSnData(const QString &text)
{
    const QString serial = text.isEmpty() ? newSerialNumber() : text;
    const hidReportData report = serialWriteReport(serial.toLocal8Bit());
    queue(report.data(), "USB serial port [Write SN] Failed ...");
    return serial;
}

void DDeviceHidCmdSend::writeSixKeyData(const unsigned char state[8])
{
    const hidReportData report = keyStateReport(state);
    queue(report.data(), "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::writeFullKeyData(const unsigned char *input, int length)
{
    const hidReportData report = fullKeyReport(input, length);
    queue(report.data(), "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::sendMultimediaWebToolData(const unsigned char bytes[3])
{
    const hidReportData report = multimediaReport(bytes[0], bytes[1], bytes[2]);
    queue(report.data(), "USB serial port [Write Multimedia] Failed ...");
}

void DDeviceHidCmdSend::writeMouseKeyData(const unsigned char state[2])
{
    const hidReportData report = mouseStateReport(state[0], state[1]);
    queue(report.data(), "USB serial port [Write MouseKey] Failed ...");
}

void DDeviceHidCmdSend::inquireLightMode()
{
    const hidReportData report = keyLightListRequestReport();
    queue(report.data(), "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::inquireSideLightMode()
{
    const hidReportData report = sideLightListRequestReport();
    queue(report.data(), "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::checkMouseLightModeList()
{
    const hidReportData report = mouseLightListRequestReport();
    queue(report.data(), "USB serial port [Check Mouse Light mode list] Failed ...");
}
