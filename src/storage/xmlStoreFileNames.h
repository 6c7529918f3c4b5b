#pragma once

// Names of the store's own files in the user's folders.
namespace xmlStoreFileNames {

constexpr const char *kMacroFile = "pardexMacro.xml";
constexpr const char *kProfileFile = "pardexProFile.xml";
constexpr const char *kOnboardListFile = "pardexOnboardProFile.xml";
constexpr const char *kOnboardDefaultLayerFile = "OnboardDefaultProFile.xml";
constexpr const char *kOnboardFn1LayerFile = "OnboardFN1ProFile.xml";

constexpr const char *kAll[] = {kMacroFile, kProfileFile, kOnboardListFile, kOnboardDefaultLayerFile,
                                kOnboardFn1LayerFile};

} // namespace xmlStoreFileNames
