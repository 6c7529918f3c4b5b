#pragma once

#include <QString>

// Keyboard models that some rules of the device page treat apart, tested by
// model name (hidName).
namespace deviceModelSets {

// New profiles start the side lights with Breath (68 and 87 keys).
constexpr const char *sideBreathModels[] = {"Rulvarro", "Varrowen"};
// The Fn key serves as the FN1 key in the on-board layers.
constexpr const char *onboardFnModel = "Rulvarro";

// Their on-board layer menu offers only QWERTY and Clean layer.
constexpr const char *onboardMenuVariantModels[] = {"Rulvarro", "Varrowen"};

bool isSideBreathModel(const QString &model);
bool isOnboardFnModel(const QString &model);
bool isOnboardMenuVariantModel(const QString &model);

} // namespace deviceModelSets
