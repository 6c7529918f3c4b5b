#pragma once

#include <QMetaType>
#include <QVector>

// One spectrum analysis result: per point a frequency in Hz, an amplitude
// 0..1, a phase (not computed) and whether the raw amplitude clipped above 1.
// Passed by value in queued signals; the copy is shared until written.
class FrequencySpectrum
{
public:
    struct Element
    {
        double frequency = 0.0;
        double amplitude = 0.0;
        double phase = 0.0;
        bool clipped = false;
    };

    typedef QVector<Element>::iterator iterator;
    typedef QVector<Element>::const_iterator const_iterator;

    explicit FrequencySpectrum(int numPoints = 0);

    // Every element back to zero, not clipped.
    void reset();

    int count() const { return m_elements.count(); }
    Element &operator[](int index) { return m_elements[index]; }
    const Element &operator[](int index) const { return m_elements[index]; }

    iterator begin() { return m_elements.begin(); }
    iterator end() { return m_elements.end(); }
    const_iterator begin() const { return m_elements.begin(); }
    const_iterator end() const { return m_elements.end(); }

private:
    QVector<Element> m_elements;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
