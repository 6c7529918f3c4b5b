#pragma once

// The rules of a keyboard's custom per-key lightings, free of widgets: which
// default file a model gets, which slot a lighting takes when it is put in
// use, which painted keys are stored, and what the colour report carries.

#include "lightingReports.h"
#include "xmlRecords.h"

#include <QColor>
#include <QList>
#include <QString>

#include <array>

namespace customLightRules {

// The device has two slots for lightings in use; a lighting that is not in
// use is shown through the third.
constexpr int kNoSlot = -1;
constexpr int kSlotFirst = 0;
constexpr int kSlotSecond = 1;
constexpr int kSlotNotInUse = 2;
constexpr int kFnKeyCode = -10;
constexpr int kQuoteKeyCode = 52;
constexpr int kStoredAlpha = 128;
extern const char *const kUsing;
extern const char *const kUnUsing;

// The resource file of the default lightings for a model's key count.
QString defaultFileName(int keyCount);

// One custom lighting as its row shows it.
struct slotRow
{
    bool inUse = false; // isUsing "Using"
    int slot = kNoSlot; // usingFlagIndex
};

// A row's new state; the page stores it and mirrors it in the row.
struct slotChange
{
    int row = -1;
    bool inUse = false;
    int slot = kNoSlot;
};

// What one click of a row's in-use box does.
struct slotPlan
{
    QList<slotChange> changes;
    // The slot the lighting is then uploaded to; kNoSlot: no upload.
    int uploadSlot = kNoSlot;
    // Upload a blank board (the lighting leaves the slot).
    bool blankOnly = false;
};

// Rows that break "at most two in use, one in slot 0 and one in slot 1"
// (a hand-edited file): a row in use outside slots 0 and 1, or claiming a
// slot an earlier row holds, is taken out of use; a row out of use gives up
// any slot it names.
QList<slotChange> repairs(const QList<slotRow> &rows);

// The box of row `sender` was clicked to `inUse`; rows hold their state
// before the click (repaired).
slotPlan planUsingChange(const QList<slotRow> &rows, int sender, bool inUse);

// One cell of the key grid as the keyboard view shows it.
struct gridCell
{
    bool hasKey = false; // a key button lies on the cell
    int keyCode = 0;
    QString rawCaption; // the layout's caption, quotes and escapes still in it
    QColor color;
};
using grid = std::array<gridCell, kKeyGridCells>;

// The stored caption of a painted key: the caption without its double
// quotes; the quote key's own caption would lose its sign, so it has a fixed one.
QByteArray storedCaption(int keyCode, const QString &rawCaption);

// The painted keys to store, in grid order: keys with a colour (black is
// not stored) and a code of 0 or more, or Fn.
QList<customLightKeyInfo> paintedKeys(const grid &cells);

// The 132 cell colours of the colour report, row by row; a cell without a
// key is black.
void reportColors(const grid &cells, hidRgb (&colors)[kKeyGridCells]);

// Whether a stored key lies on the grid (rows 0 to 5, columns 0 to 21).
bool isOnGrid(const customLightKeyInfo &key);

} // namespace customLightRules
