#pragma once

#include <QString>

// Keyboard models that some rules of the device page treat apart, tested by
// model name (hidName).
namespace deviceModelSets {

// New profiles start the side lights with Breath (68 and 87 keys).
constexpr const char *sideBreathModels[] = {"Rulvarro", "Varrowen"};
// The Fn key serves as the FN1 key in the on-board layers.
constexpr const char *onboardFnModel = "Rulvarro";

// The number pads (34 and 21 keys): their on-board layer menu offers only
// QWERTY and Clean layer.
constexpr int numberPadKeyCounts[] = {34, 21};

bool isSideBreathModel(const QString &model);
bool isOnboardFnModel(const QString &model);
bool isNumberPadKeyCount(int keyCount);

} // namespace deviceModelSets
