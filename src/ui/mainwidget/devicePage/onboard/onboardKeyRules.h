#pragma once

// The on-board page's rules that depend on the keyboard's key count.
namespace onboardKeyRules {

constexpr int FnKeyCode = -10;
constexpr int PageHeight = 210;

// Width of the key picture: 571 (87 keys), 587 (61), 594 (68), 245 (34),
// 145 (21), 700 for every other board.
int pageWidth(int keyCount);

// A left click selects any key but Fn; on the 34-key number pad its
// "Shift+9(", "Shift+0)" and "Esc" keys have no layer binding either.
bool isSelectable(int keyCode, int keyCount);

// A right click reports every key but Fn.
bool reportsRightClick(int keyCode);

} // namespace onboardKeyRules
