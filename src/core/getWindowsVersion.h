#pragma once

// The Windows version code that decides on high-DPI scaling: 1 only for
// Windows XP, where scaling stays off. There is no such system here, so the
// result is always 0 and scaling is always on.
int getWindowsVersion();
