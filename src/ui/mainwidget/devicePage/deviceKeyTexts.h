#pragma once

// Texts of the device page's key and mouse settings, in the page's
// translation context "DDevicePage".
namespace deviceKeyTexts {

extern const char *const kSelectKeyFirst;
extern const char *const kOperateSuccessful;
extern const char *const kOperateFailed;
extern const char *const kMouseMacroTooLong;
extern const char *const kEmpty;
extern const char *const kResetProfileSuccessful;
extern const char *const kResetProfileFailed;
// The question before a profile reset.
extern const char *const kTip;
extern const char *const kResetQuestion;
extern const char *const kYes;
extern const char *const kNo;

} // namespace deviceKeyTexts
