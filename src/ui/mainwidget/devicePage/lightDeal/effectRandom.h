#pragma once

// The random numbers of the lighting effects (ripple colours, Auto Ripple
// centres). Each engine owns one, so reseeding it for Auto Ripple touches
// no other user of random numbers; tests derive from it to choose the
// numbers.

#include <random>

class effectRandom
{
public:
    virtual ~effectRandom();

    virtual void seed(unsigned int value);
    // A non-negative number below 2^31.
    virtual int next();

private:
    std::minstd_rand m_engine;
};
