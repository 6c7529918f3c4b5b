#include "getWindowsVersion.h"

int getWindowsVersion()
{
    return 0;
}
