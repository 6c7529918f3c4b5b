#include "deviceLightLog.h"

Q_LOGGING_CATEGORY(lcDeviceLighting, "velmora.ui.devicepage.lighting", QtInfoMsg)
