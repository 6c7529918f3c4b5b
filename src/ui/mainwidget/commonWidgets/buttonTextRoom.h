#pragma once

class QAbstractButton;
class QFontMetrics;
class QString;

// Gives a button the width its text needs: a translation longer than the
// form's width widens the button (past the form's maximum too) instead of
// being cut; a shorter one brings back the form's own widths. Call again
// after every change of text or font.
void giveButtonTextRoom(QAbstractButton *button, int extraWidth = 0);

// The text broken at the blank that gives the narrowest two lines; a text
// without a blank comes back as it is.
QString balancedTwoLines(const QFontMetrics &metrics, const QString &text);
