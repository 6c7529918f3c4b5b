#pragma once

// The names an attached device is shown by, looked up by its model name in
// the data manager's name maps, and the labels that show them; shared by the
// home tiles and the device rows.

#include <QFont>
#include <QString>

class QLabel;

// Font kinds of the data manager.
constexpr int kProductNameFontKind = 0;
constexpr int kDeviceNameFontKind = 1;

// The product name of a model; empty when the map has none.
QString deviceProductName(const QString &hidName);
// The like-name of a model, else the model name itself.
QString deviceDisplayName(const QString &hidName);
// A data-manager font of the given kind at the given point size.
QFont deviceNameFont(int kind, int pointSize);
// Shows the product name in the label, or hides the label when it is empty.
void showProductName(QLabel *label, const QString &productName, int pointSize);
