#include "deviceModelSets.h"

namespace deviceModelSets {

bool isSideBreathModel(const QString &model)
{
    for (const char *name : sideBreathModels) {
        if (model == QLatin1String(name))
            return true;
    }
    return false;
}

bool isOnboardFnModel(const QString &model)
{
    return model == QLatin1String(onboardFnModel);
}

bool isNumberPadKeyCount(int keyCount)
{
    for (const int count : numberPadKeyCounts) {
        if (keyCount == count)
            return true;
    }
    return false;
}

} // namespace deviceModelSets
