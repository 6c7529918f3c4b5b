#pragma once

#include <QtGlobal>

// The profile panel's user texts, translated in the page's context.
struct pcProfileTexts
{
    static constexpr const char *SaveDirectory = QT_TRANSLATE_NOOP("DDevicePage", "Save directory");
    static constexpr const char *SelectSaveDirectory =
        QT_TRANSLATE_NOOP("DDevicePage", "Please select save directory first");
    static constexpr const char *ExportDone = QT_TRANSLATE_NOOP("DDevicePage", "Export profile successful");
    static constexpr const char *ExportFailed = QT_TRANSLATE_NOOP("DDevicePage", "Export profile failed");
    static constexpr const char *KeepOne = QT_TRANSLATE_NOOP("DDevicePage", "Need keep at least one profile");
    static constexpr const char *DeleteDone = QT_TRANSLATE_NOOP("DDevicePage", "Delete profile successful");
    static constexpr const char *DeleteFailed = QT_TRANSLATE_NOOP("DDevicePage", "Delete profile failed");
    static constexpr const char *OpenProfileFile = QT_TRANSLATE_NOOP("DDevicePage", "Open profile file");
    static constexpr const char *ProfileFilter = QT_TRANSLATE_NOOP("DDevicePage", "Profile files(*.xml)");
    static constexpr const char *SelectImportFile = QT_TRANSLATE_NOOP("DDevicePage", "Please select import file first");
    static constexpr const char *NotProfileFile = QT_TRANSLATE_NOOP("DDevicePage", "The file is not a profile file");
    static constexpr const char *ImportDone = QT_TRANSLATE_NOOP("DDevicePage", "Import profile successful");
    static constexpr const char *ImportFailed = QT_TRANSLATE_NOOP("DDevicePage", "Import profile failed");
    static constexpr const char *AddDone = QT_TRANSLATE_NOOP("DDevicePage", "Add profile successful");
    static constexpr const char *AddFailed = QT_TRANSLATE_NOOP("DDevicePage", "Add profile failed");
    static constexpr const char *SelectExe = QT_TRANSLATE_NOOP("DDevicePage", "Select exe");
    static constexpr const char *AppFilter = QT_TRANSLATE_NOOP("DDevicePage", "App(*)");
    static constexpr const char *NameEmpty = QT_TRANSLATE_NOOP("DDevicePage", "Profile name can't empty");
    static constexpr const char *TooLong = QT_TRANSLATE_NOOP("DDevicePage", "Profile name or path too long");
    static constexpr const char *ModifyDone = QT_TRANSLATE_NOOP("DDevicePage", "Modify profile info successful");
    static constexpr const char *ModifyFailed = QT_TRANSLATE_NOOP("DDevicePage", "Modify profile info failed");
    static constexpr const char *Tip = QT_TRANSLATE_NOOP("DDevicePage", "Tip");
    static constexpr const char *ResetQuestion =
        QT_TRANSLATE_NOOP("DDevicePage", "Whether to reset the current profile?");
    static constexpr const char *Yes = QT_TRANSLATE_NOOP("DDevicePage", "Yes");
    static constexpr const char *No = QT_TRANSLATE_NOOP("DDevicePage", "No");
    static constexpr const char *ResetDone = QT_TRANSLATE_NOOP("DDevicePage", "Reset the current profile successful");
    static constexpr const char *ResetFailed = QT_TRANSLATE_NOOP("DDevicePage", "Reset the current profile failed");
};
