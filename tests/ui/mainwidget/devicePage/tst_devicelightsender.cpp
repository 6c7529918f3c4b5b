// The lighting reports the device page queues, as a simulated Rosquine and
// Bovelli receive them, and what each send says when the device cannot
// take them.

#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "deviceLightSender.h"
#include "hidTestHelpers.h"

#include <QLoggingCategory>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr int kWaitMs = 5000;

colorInfoData record(int type, int modeType)
{
    colorInfoData c{};
    c.ledType = type;
    c.ledBrightness = 4;
    c.ledSpeed = 3;
    c.ledModeR = 10;
    c.ledModeG = 20;
    c.ledModeB = 30;
    c.ledBgR = 40;
    c.ledBgG = 50;
    c.ledBgB = 60;
    c.ledDirection = 2;
    c.ledModeType = modeType;
    c.ledOpenOrClose = 0;
    return c;
}

using Send = std::function<bool(deviceLightSender &)>;
} // namespace

Q_DECLARE_METATYPE(Send)
Q_DECLARE_METATYPE(hidReportData)

class tst_DeviceLightSender : public QObject
{
    Q_OBJECT

    std::shared_ptr<SimulatedHidBackend> m_backend;
    std::shared_ptr<SimulatedDevice> m_device;
    std::unique_ptr<MainHidInterFace> m_transport;

    void open(const QString &model)
    {
        m_backend = std::make_shared<SimulatedHidBackend>();
        m_device = m_backend->addDevice(SimulatedDeviceConfig::forModel(model));
        HidBackend::install(m_backend);
        m_transport = std::make_unique<MainHidInterFace>(1, model);
        QCOMPARE(m_transport->hidOpenPath(0, 0, m_device->path()), 0);
        m_transport->start();
    }

private slots:
    void initTestCase()
    {
        // Failed sends are part of what is tested.
        QLoggingCategory::setFilterRules(QStringLiteral("velmora.ui.devicepage.lighting.warning=false"));
    }

    void cleanup()
    {
        m_transport.reset();
        HidBackend::install(nullptr);
        m_device.reset();
        m_backend.reset();
    }

    void reports_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Send>("send");
        QTest::addColumn<QList<hidReportData>>("expected");

        const QString keyboard = QStringLiteral("Rosquine");
        const QString mouse = QStringLiteral("Bovelli");
        QTest::newRow("static stored full-colour")
            << keyboard << Send([](deviceLightSender &s) { return s.sendKeyEffect(record(0, 1)); })
            << QList<hidReportData>{reportOf({1, 7, 0, 0, 0, 14, 0, 4, 3, 10, 20, 30, 40, 50, 60, 2, 0, 0})};
        QTest::newRow("breath full-colour")
            << keyboard << Send([](deviceLightSender &s) { return s.sendKeyEffect(record(1, 1)); })
            << QList<hidReportData>{reportOf({1, 7, 0, 0, 0, 14, 1, 4, 3, 0xFF, 0, 0, 0, 0, 0, 2, 1, 0})};
        QTest::newRow("side collision full-colour")
            << keyboard << Send([](deviceLightSender &s) { return s.sendSideEffect(record(3, 1)); })
            << QList<hidReportData>{reportOf({1, 8, 0, 0, 0, 13, 3, 4, 3, 10, 20, 30, 40, 50, 60, 2, 1, 0})};
        QTest::newRow("lights off keeps the stored colours")
            << keyboard << Send([](deviceLightSender &s) { return s.sendKeyLightsOnOff(record(1, 1), 1); })
            << QList<hidReportData>{reportOf({1, 7, 0, 0, 0, 14, 1, 4, 3, 10, 20, 30, 40, 50, 60, 2, 1, 1})};
        QTest::newRow("around")
            << mouse << Send([](deviceLightSender &s) { return s.sendMouseZone(0, record(2, 1), false); })
            << QList<hidReportData>{reportOf({1, 0x42, 0, 0, 0, 14, 2, 4, 3, 10, 20, 30, 40, 50, 60, 2, 1, 0, 0})};
        QTest::newRow("scroll linked")
            << mouse << Send([](deviceLightSender &s) { return s.sendMouseZone(1, record(1, 1), true); })
            << QList<hidReportData>{reportOf({1, 0x42, 1, 0, 0, 14, 1, 4, 3, 10, 20, 30, 40, 50, 60, 0, 1, 0, 0})};
        QTest::newRow("logo unlinked")
            << mouse << Send([](deviceLightSender &s) { return s.sendMouseZone(2, record(1, 0), false); })
            << QList<hidReportData>{reportOf({1, 0x42, 2, 0, 0, 14, 1, 4, 3, 10, 20, 30, 40, 50, 60, 0, 0, 0, 1})};
        QTest::newRow("mouse lights off")
            << mouse << Send([](deviceLightSender &s) { return s.sendMouseLightsOnOff(record(1, 1), 1); })
            << QList<hidReportData>{reportOf({1, 0x42, 0, 0, 0, 14, 1, 4, 3, 10, 20, 30, 40, 50, 60, 2, 1, 1, 0})};

        QList<hidReportData> packets;
        for (int p = 0; p < 8; ++p) {
            hidReportData r = reportOf({1, 9, 1, 0, p, p < 7 ? 54 : 18});
            for (int i = 0; i < (p < 7 ? 18 : 6); ++i)
                r[6 + 3 * i] = static_cast<unsigned char>(p * 18 + i);
            packets.append(r);
        }
        QTest::newRow("custom colours") << keyboard << Send([](deviceLightSender &s) {
            hidRgb colors[kKeyGridCells];
            for (int i = 0; i < kKeyGridCells; ++i)
                colors[i] = {static_cast<unsigned char>(i), 0, 0};
            return s.sendCustomColors(1, colors);
        }) << packets;
    }
    void reports()
    {
        QFETCH(QString, model);
        QFETCH(Send, send);
        QFETCH(QList<hidReportData>, expected);
        open(model);
        deviceLightSender sender(m_transport.get());
        QVERIFY(send(sender));
        const unsigned char command = expected.first()[kHidCommandByte];
        QVERIFY(m_device->waitForOutputCount(command, expected.size(), kWaitMs));
        QCOMPARE(m_device->outputReports(command), expected);
    }

    void nothingQueuedWithoutADevice_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("no transport") << "none";
        QTest::newRow("closed") << "closed";
        QTest::newRow("deleted") << "deleted";
    }
    void nothingQueuedWithoutADevice()
    {
        QFETCH(QString, how);
        open(QStringLiteral("Rosquine"));
        deviceLightSender sender(how == QLatin1String("none") ? nullptr : m_transport.get());
        if (how == QLatin1String("closed"))
            m_transport->hidClose();
        else if (how == QLatin1String("deleted"))
            m_transport.reset();
        hidRgb colors[kKeyGridCells] = {};
        QVERIFY(!sender.sendKeyEffect(record(1, 0)));
        QVERIFY(!sender.sendSideEffect(record(1, 0)));
        QVERIFY(!sender.sendKeyLightsOnOff(record(1, 0), 1));
        QVERIFY(!sender.sendMouseZone(0, record(1, 0), false));
        QVERIFY(!sender.sendMouseLightsOnOff(record(1, 0), 1));
        QVERIFY(!sender.sendCustomColors(0, colors));
        for (unsigned char command : {HidCmd::KeyLightEffect, HidCmd::SideLightEffect, HidCmd::MouseZoneLight,
                                      HidCmd::CustomKeyColors})
            QCOMPARE(m_device->outputCount(command), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DeviceLightSender)
#include "tst_devicelightsender.moc"
