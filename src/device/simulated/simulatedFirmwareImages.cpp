#include "simulatedFirmwareImages.h"

#include "firmwareImage.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser's name requires.
static void initSimulatedFirmwareResources() { Q_INIT_RESOURCE(simulatedFirmware); }

namespace simulatedFirmwareImages {

QString folder() { return QStringLiteral(":/simulated/UpdateHex/"); }

void install()
{
    initSimulatedFirmwareResources();
    setFirmwareImageFolder(folder());
}

} // namespace simulatedFirmwareImages
