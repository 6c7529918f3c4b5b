#include "colorToolLog.h"

Q_LOGGING_CATEGORY(lcColorTool, "velmora.ui.colortool", QtInfoMsg)
