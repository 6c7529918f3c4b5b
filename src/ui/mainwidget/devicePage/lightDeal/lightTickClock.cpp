#include "lightTickClock.h"

lightTickClock::~lightTickClock() = default;
