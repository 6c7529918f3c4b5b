#pragma once

#include <QObject>

// A connection the music path cannot work without: a failure is a
// programming error, fatal in every build.
inline void checkedConnect(const QObject *sender, const char *signal, const QObject *receiver, const char *method)
{
    if (!QObject::connect(sender, signal, receiver, method))
        qFatal("CHECKED_CONNECT failed");
}
