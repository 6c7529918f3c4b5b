#pragma once

#include <QLoggingCategory>

// Trace lines of the device page's lighting: what went to the device and
// what the device did not take (debug lines off by default:
// QT_LOGGING_RULES="velmora.ui.devicepage.lighting.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcDeviceLighting)
