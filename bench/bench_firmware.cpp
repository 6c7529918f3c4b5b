// Firmware update figures: reading and checking a carried image (the check
// does it on the GUI thread after every scan) and a whole transfer to the
// simulated bootloader.

#include "HidConnection.h"
#include "SimulatedHidBackend.h"
#include "firmwareImage.h"
#include "firmwareTransfer.h"
#include "simulatedFirmwareImages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void print(const char *name, double value, const char *unit) { std::printf("%s: %.3f %s\n", name, value, unit); }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    simulatedFirmwareImages::install();
    const QString path = firmwareImagePath(QStringLiteral("Quissaro"));
    const firmwareChipInfo chip = firmwareChipForFamily(QStringLiteral("M252"), {});

    std::vector<double> loads;
    std::vector<double> parses;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    QByteArray buffer(chip.imageSize, '\0');
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        const firmwareImageLoad load = loadFirmwareImage(path, chip.imageSize);
        loads.push_back(t.nsecsElapsed() / 1e6);
        if (!load.ok())
            return 1;
        t.restart();
        readIntelHex(text, reinterpret_cast<unsigned char *>(buffer.data()), chip.imageSize);
        parses.push_back(t.nsecsElapsed() / 1e6);
    }
    print("read_and_check_64k_image_median", medianMs(loads), "ms");
    print("read_and_check_64k_image_worst", *std::max_element(loads.begin(), loads.end()), "ms");
    print("parse_64k_image_text_median", medianMs(parses), "ms");

    for (const char *model : {"Quissaro", "Ryzzmond", "Bovelli"}) {
        auto backend = std::make_shared<SimulatedHidBackend>();
        auto device = backend->addDevice(SimulatedDeviceConfig::forModel(QString::fromLatin1(model)));
        device->enterBootloader();
        const QList<HidDeviceEntry> found = findBootloaders(*backend, -1);
        std::unique_ptr<HidConnection> connection = backend->open(found.first().path);
        const QByteArray modelImage =
            loadFirmwareImage(firmwareImagePath(QString::fromLatin1(model)), device->config().bootloader.imageSize).image;
        std::atomic<bool> stop{false};
        QElapsedTimer t;
        t.start();
        const int code = runBootloaderTransfer(*connection, modelImage, 3000, stop, nullptr);
        const double ms = t.nsecsElapsed() / 1e6;
        if (code != 0)
            return 2;
        const QByteArray name = QByteArray("whole_transfer_") + model + "_" + QByteArray::number(modelImage.size()) + "_bytes";
        print(name.constData(), ms, "ms");
    }
    return 0;
}
