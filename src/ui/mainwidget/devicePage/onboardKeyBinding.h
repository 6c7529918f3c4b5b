#pragma once

// A key's binding in an on-board layer file, read the one way the page, the
// layer operations and the download all read it.

#include "xmlRecords.h"

#include <QByteArray>
#include <QString>

class xmlInterface;

// All fields empty but keyCode "-1" when the key has no binding, the file
// cannot be read or there is no store.
customKeyInfo readOnboardBinding(xmlInterface *store, const QString &file, const QByteArray &config,
                                 const QByteArray &keyCode);
customKeyInfo readOnboardBinding(xmlInterface *store, const QString &file, int config, int keyCode);

// The FN1 key: a key binding whose value is the FN1 layer function, as the
// download encodes it.
bool isFn1Binding(const customKeyInfo &info);
