#pragma once

// The keyboard view as the custom per-key lightings use it: the colours its
// key buttons show, blanked, painted from a stored lighting and read back.

#include "customLightRules.h"

#include <QList>

class keyboardPage;

namespace customLightView {

constexpr int kBlankAlpha = 128;
// Stored keys shown when the list is built or a row is clicked.
constexpr int kShownAlpha = 180;

// Every key button back to black, alpha 128.
void blankKeys(keyboardPage &view);
// Each stored key's button at its cell takes its colour with that alpha;
// keys off the grid are skipped with a warning.
void showKeys(keyboardPage &view, const QList<customLightKeyInfo> &keys, int alpha);
// The cells as the view shows them now.
customLightRules::grid cellsOf(const keyboardPage &view);

} // namespace customLightView
