#pragma once

// The effects of a generator as one table: each effect number with its
// set-up and its per-tick step, so that set-up and step dispatch read the
// same list.

#include <cstddef>

template <typename Generator>
struct effectRoutines
{
    int id;
    void (Generator::*setUp)(); // none: the effect has no set-up
    void (Generator::*step)();

    // The entry of id in table; nullptr when id has none.
    template <std::size_t N>
    static const effectRoutines *find(const effectRoutines (&table)[N], int id)
    {
        for (const effectRoutines &routine : table) {
            if (routine.id == id)
                return &routine;
        }
        return nullptr;
    }
};
