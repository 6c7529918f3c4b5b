#include "FrequencySpectrum.h"

FrequencySpectrum::FrequencySpectrum(int numPoints)
    : m_elements(numPoints > 0 ? numPoints : 0)
{
}

void FrequencySpectrum::reset()
{
    for (Element &element : m_elements)
        element = Element();
}
