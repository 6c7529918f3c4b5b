#include "effectRandom.h"

effectRandom::~effectRandom() = default;

void effectRandom::seed(unsigned int value)
{
    m_engine.seed(value);
}

int effectRandom::next()
{
    return int(m_engine() - std::minstd_rand::min());
}
