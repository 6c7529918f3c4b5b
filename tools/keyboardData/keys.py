"""Every key the layouts use: USB HID usage, Windows virtual-key code, the
layout's Character text (as bytes, GBK for non-ASCII) and the legend drawn
on the pictures (one or two lines)."""

# name: (hid, vk, character, legend)
# A double quote in a Character stands for the caption's backslash.
KEYS = {
    'Esc': (41, 27, 'Esc', 'ESC'),
    'PrtSc': (70, 44, 'PrtSc', 'PRT'),
    'ScrLk': (71, 145, 'ScrLk', 'SCR'),
    'Pause': (72, 19, 'Pause', 'PAU'),
    'Grave': (53, 192, '`~', '~\n`'),
    'Minus': (45, 189, '-_', '_\n-'),
    'Equal': (46, 187, '=+', '+\n='),
    'Bksp': (42, 8, 'Back', 'BACK'),
    'Tab': (43, 9, 'Tab', 'TAB'),
    'LBracket': (47, 219, '[{', '{\n['),
    'RBracket': (48, 221, ']}', '}\n]'),
    'Backslash': (49, 220, '"|', '|\n\\'),
    'Caps': (57, 20, 'Caps', 'CAPS'),
    'Semicolon': (51, 186, ';:', ':\n;'),
    'Quote': (52, 222, '"', '"\n\''),
    'Enter': (40, 999, 'Enter', 'ENTER'),
    'LShift': (225, 160, 'L-Shift', 'SHIFT'),
    'Comma': (54, 188, ',<', '<\n,'),
    'Period': (55, 190, '.>', '>\n.'),
    'Slash': (56, 191, '/?', '?\n/'),
    'RShift': (229, 161, 'R-Shift', 'SHIFT'),
    'LCtrl': (224, 162, 'L-Ctrl', 'CTRL'),
    'LWin': (227, 91, 'L-Win', 'WIN'),
    'LAlt': (226, 164, 'L-Alt', 'ALT'),
    'Space': (44, 32, 'Space', ''),
    'RAlt': (230, 165, 'R-Alt', 'ALT'),
    'RWin': (231, 92, 'R-Win', 'WIN'),
    'Fn': (-10, -1, 'Fn', 'FN'),
    'Menu': (101, 93, 'Menu', 'MENU'),
    'RCtrl': (228, 163, 'R-Ctrl', 'CTRL'),
    'Ins': (73, 45, 'Insert', 'INS'),
    'Home': (74, 36, 'Home', 'HOME'),
    'PgUp': (75, 33, 'PgUp', 'PGUP'),
    'Del': (76, 46, 'Delete', 'DEL'),
    'End': (77, 35, 'End', 'END'),
    'PgDn': (78, 34, 'PgDn', 'PGDN'),
    'Right': (79, 39, 'Right', '\u2192'),
    'Left': (80, 37, 'Left', '\u2190'),
    'Down': (81, 40, 'Down', '\u2193'),
    'Up': (82, 38, 'Up', '\u2191'),
    'NumLk': (83, 144, 'NumLock', 'NUM'),
    'KPSlash': (84, 111, 'Num/', '/'),
    'KPStar': (85, 106, 'Num*', '*'),
    'KPMinus': (86, 109, 'Num-', '-'),
    'KPPlus': (87, 107, 'Num+', '+'),
    'KPEnter': (88, 998, 'NumEnter', 'ENT'),
    'KP0': (98, 96, 'Num0', '0'),
    'KPDot': (99, 110, 'Num.', '.'),
    # national keys, listed only
    'Ro': (135, 226, '-"\u308d', ''),
    'Kana': (136, 21, '\u30ab\u30bf\u30ab\u30ca', ''),
    'Yen': (137, 220, '\uffe5', ''),
    'Henkan': (138, 28, '\u5909\u63db', ''),
    'Muhenkan': (139, 29, '\u7121\u5909\u63db', ''),
    'HanYeong': (144, 21, 'Han/Yeong', ''),
    'Hanja': (145, 25, 'Hanja', ''),
    'NonUsHash': (50, 222, '#~', ''),
    'NonUsBackslash': (100, 226, '"|', ''),
}

for _i in range(12):
    KEYS['F%d' % (_i + 1)] = (58 + _i, 112 + _i, 'F%d' % (_i + 1), 'F%d' % (_i + 1))
for _i, _c in enumerate('ABCDEFGHIJKLMNOPQRSTUVWXYZ'):
    KEYS[_c] = (4 + _i, ord(_c), _c, _c)
_SHIFTED = '!@#$%^&*()'
for _d in range(1, 11):
    _digit = str(_d % 10)
    KEYS[_digit] = (29 + _d, ord(_digit), _digit + _SHIFTED[_d - 1], _SHIFTED[_d - 1] + '\n' + _digit)
for _d in range(1, 10):
    KEYS['KP%d' % _d] = (88 + _d, 96 + _d, 'Num%d' % _d, str(_d))

# The national keys of the seventh row, in file order.
EXTRA_ROW = ['Ro', 'Kana', 'Yen', 'Henkan', 'Muhenkan', 'HanYeong', 'Hanja', 'NonUsHash', 'NonUsBackslash']


def hid(name):
    return KEYS[name][0]


def vk(name):
    return KEYS[name][1]


def character(name):
    return KEYS[name][2]


def legend(name):
    return KEYS[name][3]


def caption(name):
    """The caption users see: double quotes removed (a double quote stands for
    a backslash), with the apostrophe key's fixed caption."""
    code = hid(name)
    if code == 52:
        return '\' "'
    text = character(name)
    # Printed as JSON, a double quote becomes backslash + double quote; the
    # quote goes, the backslash stays.
    return text.replace('"', '\\')
