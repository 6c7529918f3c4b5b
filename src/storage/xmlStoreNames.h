#pragma once

// Element and attribute names of the store's XML files, shared by every
// reader and writer of them.
namespace xmlStoreNames {

constexpr const char *kRoot = "Parameters";
constexpr const char *kProfileIndex = "profileIndex";
constexpr const char *kIndex = "index";
constexpr const char *kName = "name";
constexpr const char *kConfig = "config";
constexpr const char *kProFileAppName = "proFileAppName";
constexpr const char *kProFileAppIco = "proFileAppIco";
constexpr const char *kItem = "item";
constexpr const char *kMacro = "macro";
constexpr const char *kBindMacro = "bindMacro";
constexpr const char *kCustomColor = "customColor";
constexpr const char *kCustomLight = "customLight";
constexpr const char *kCustomLed = "customLed";
constexpr const char *kDpi = "dpi";
constexpr const char *kFunction = "function";
constexpr const char *kSetting = "Setting";
constexpr const char *kUsingIndex = "usingIndex";
constexpr const char *kLedOpenOrClose = "ledOpenOrClose";
constexpr const char *kSynchronizeStatus = "SynchronizeStatus";
constexpr const char *kLinkStatus = "linkStatus";
constexpr const char *kLedType = "ledType";
constexpr const char *kIsUsing = "isUsing";
constexpr const char *kUsingFlagIndex = "usingFlagIndex";
constexpr const char *kKeyCode = "keyCode";
constexpr const char *kKeyChar = "keyChar";
constexpr const char *kOperateType = "operateType";
constexpr const char *kRepeatNum = "repeatNum";
constexpr const char *kMode = "mode";
constexpr const char *kValue = "Value";
constexpr const char *kMark = "mark";
constexpr const char *kDelay = "delay";
constexpr const char *kType = "type";
constexpr const char *kCodeName = "codeName";
constexpr const char *kZones[] = {"light0", "light1", "light2"};
constexpr const char *kFeatures[] = {"feature1", "feature2", "feature3", "feature4"};
constexpr const char *kOperateExplain = "operateExplain";

} // namespace xmlStoreNames
