#pragma once

// Texts of the device page's key and mouse settings, in the page's
// translation context "DDevicePage".
namespace deviceKeyTexts {

extern const char *const kSelectKeyFirst;
extern const char *const kOperateSuccessful;
extern const char *const kOperateFailed;
extern const char *const kMouseMacroTooLong;
extern const char *const kEmpty;

} // namespace deviceKeyTexts
