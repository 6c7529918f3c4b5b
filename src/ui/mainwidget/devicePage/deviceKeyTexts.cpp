#include "deviceKeyTexts.h"

#include <QtGlobal>

namespace deviceKeyTexts {

const char *const kSelectKeyFirst = QT_TRANSLATE_NOOP("DDevicePage", "Please select one Key first!");
const char *const kOperateSuccessful = QT_TRANSLATE_NOOP("DDevicePage", "Operate successful");
const char *const kOperateFailed = QT_TRANSLATE_NOOP("DDevicePage", "Operate failed");
const char *const kMouseMacroTooLong =
    QT_TRANSLATE_NOOP("DDevicePage", "The macro is too long for the mouse (at most 50 events)");
const char *const kEmpty = QT_TRANSLATE_NOOP("DDevicePage", "Empty");

} // namespace deviceKeyTexts
