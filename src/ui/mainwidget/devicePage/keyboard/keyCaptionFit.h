#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// How a caption is shown on a key of a given size. Every key button kind
// fits its caption through fitKeyCaption, so small keys and long binding
// texts stay readable: the font shrinks to a floor size on one line, then
// the caption breaks onto two lines at a natural break, and only then is it
// cut with an ellipsis. A single word never breaks inside itself ("Pa"
// "use" reads as two words): it shrinks further, to the word floor, and is
// cut if it still does not fit.
struct KeyCaptionFit
{
    QString text;          // plain text (no mnemonic escapes), lines joined by '\n'
    qreal pointSize = 0;   // the size to draw it at
    bool elided = false;   // the caption did not fit whole
};

// The smallest size a caption is drawn at before it breaks or is cut.
constexpr qreal kKeyCaptionFloorPointSize = 6.0;
// How far a caption that cannot break (one word) may shrink before it is cut.
constexpr qreal kKeyCaptionWordFloorPointSize = 5.0;

// font: the key's caption font at its normal size; room: what the caption
// may cover inside the key. An empty room leaves the caption as it is.
KeyCaptionFit fitKeyCaption(const QFont &font, const QString &caption, const QSize &room,
                            qreal floorPointSize = kKeyCaptionFloorPointSize,
                            qreal wordFloorPointSize = kKeyCaptionWordFloorPointSize);

// The caption with every ampersand doubled, so a button shows it instead of
// taking it as a mnemonic.
QString keyCaptionForButton(const QString &plain);
