#include "mouseLog.h"

Q_LOGGING_CATEGORY(lcMouse, "velmora.ui.mouse", QtInfoMsg)
