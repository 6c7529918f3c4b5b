#include "deviceKeyTexts.h"

#include <QtGlobal>

namespace deviceKeyTexts {

const char *const kSelectKeyFirst = QT_TRANSLATE_NOOP("DDevicePage", "Please select one Key first!");
const char *const kOperateSuccessful = QT_TRANSLATE_NOOP("DDevicePage", "Operate successful");
const char *const kOperateFailed = QT_TRANSLATE_NOOP("DDevicePage", "Operate failed");
const char *const kMouseMacroTooLong =
    QT_TRANSLATE_NOOP("DDevicePage", "The macro is too long for the mouse (at most 50 events)");
const char *const kEmpty = QT_TRANSLATE_NOOP("DDevicePage", "Empty");
const char *const kResetProfileSuccessful = QT_TRANSLATE_NOOP("DDevicePage", "Reset the current profile successful");
const char *const kResetProfileFailed = QT_TRANSLATE_NOOP("DDevicePage", "Reset the current profile failed");
const char *const kTip = QT_TRANSLATE_NOOP("DDevicePage", "Tip");
const char *const kResetQuestion = QT_TRANSLATE_NOOP("DDevicePage", "Whether to reset the current profile?");
const char *const kYes = QT_TRANSLATE_NOOP("DDevicePage", "Yes");
const char *const kNo = QT_TRANSLATE_NOOP("DDevicePage", "No");

} // namespace deviceKeyTexts
