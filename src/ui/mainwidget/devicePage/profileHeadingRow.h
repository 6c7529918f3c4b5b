#pragma once

class QBoxLayout;
class QLabel;

// The profile list's heading row: a bold title and two 18 px buttons in a
// 200 px column. With 15 px gaps and 10 px margins the title keeps 114 px,
// less than "Profile Group" takes at its bold 12 pt in the fonts a Linux
// desktop has (132 px); closer buttons and a title that takes the row's
// spare width give it 136 px. Longer translations are still cut by the
// page's text fitter.
void giveProfileHeadingRoom(QBoxLayout *row, QLabel *title);

// The row's gaps, and its right margin, after giveProfileHeadingRoom.
constexpr int kProfileHeadingSpacing = 6;
constexpr int kProfileHeadingRightMargin = 6;
