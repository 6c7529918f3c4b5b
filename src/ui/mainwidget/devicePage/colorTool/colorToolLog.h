#pragma once

#include <QLoggingCategory>

// Trace lines of the colour widgets and the lighting panel (developer aids,
// off by default: QT_LOGGING_RULES="velmora.ui.colortool.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcColorTool)
