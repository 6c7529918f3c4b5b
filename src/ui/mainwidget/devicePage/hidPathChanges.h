#pragma once

#include <QStringList>

// What a device list changed against the paths the page has taken in: every
// path that came and every path that went, each in its list's order. A hub
// that goes or comes takes or brings several devices in one notice.
struct hidPathChanges
{
    QStringList added;   // in the latest list, not taken in
    QStringList removed; // taken in, gone from the latest list

    bool isEmpty() const { return added.isEmpty() && removed.isEmpty(); }

    static hidPathChanges compare(const QStringList &taken, const QStringList &latest);
};
