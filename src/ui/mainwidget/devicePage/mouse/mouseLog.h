#pragma once

#include <QLoggingCategory>

// The mouse pages' lines: warnings about the layout file and the settings
// program; trace lines off by default
// (QT_LOGGING_RULES="velmora.ui.mouse.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcMouse)
