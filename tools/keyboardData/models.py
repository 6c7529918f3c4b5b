"""Compact descriptions of the keyboards.

A row is a string of tokens, left to right in key units (u):
  Name:col       a 1u key in grid column col
  Name/1.5:col   a 1.5u wide key
  Name/1x2:col   a 1u wide, 2u tall key (reaches into the row below)
  Enter/iso:col  the notched Enter: 1.5u over two rows, lower part 1.25u
  +0.5           a gap of 0.5u
Rows are the six grid rows, top to bottom; None is a grid row without keys.
`rowY` gives each row's top in units.
"""

ROW_FUNCTION_TKL = ("Esc:0 +1 F1:2 F2:3 F3:4 F4:5 +0.5 F5:6 F6:7 F7:8 F8:9 +0.5 "
                    "F9:10 F10:11 F11:12 F12:13 +0.25 PrtSc:15 ScrLk:16 Pause:17")
ROW_NUMBER_MAIN = "Grave:0 1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 9:9 0:10 Minus:11 Equal:12 Bksp/2:13"
ROW_TOP_MAIN = ("Tab/1.5:0 Q:1 W:2 E:3 R:4 T:5 Y:6 U:7 I:8 O:9 P:10 LBracket:11 RBracket:12 "
                "Backslash/1.5:14")
ROW_HOME_MAIN = "Caps/1.75:0 A:1 S:2 D:3 F:4 G:5 H:6 J:7 K:8 L:9 Semicolon:10 Quote:11 Enter/2.25:13"
ROW_BOTTOM_MAIN = "LShift/2.25:0 Z:1 X:2 C:3 V:4 B:5 N:6 M:7 Comma:8 Period:9 Slash:10 RShift/2.75:12"
ROW_SPACE_MAIN = "LCtrl/1.25:0 LWin/1.25:1 LAlt/1.25:2 Space/6.25:6 RAlt/1.25:10 Fn/1.25:11 Menu/1.25:12 RCtrl/1.25:13"

FULL_SIZE_ROWS = [
    ROW_FUNCTION_TKL,
    ROW_NUMBER_MAIN + " +0.25 Ins:15 Home:16 PgUp:17 +0.25 NumLk:18 KPSlash:19 KPStar:20 KPMinus:21",
    ROW_TOP_MAIN + " +0.25 Del:15 End:16 PgDn:17 +0.25 KP7:18 KP8:19 KP9:20 KPPlus/1x2:21",
    ROW_HOME_MAIN + " +3.5 KP4:18 KP5:19 KP6:20",
    ROW_BOTTOM_MAIN + " +1.25 Up:16 +1.25 KP1:18 KP2:19 KP3:20 KPEnter/1x2:21",
    ROW_SPACE_MAIN + " +0.25 Left:15 Down:16 Right:17 +0.25 KP0/2:18 KPDot:20",
]

TKL_ROWS = [
    ROW_FUNCTION_TKL,
    ROW_NUMBER_MAIN + " +0.25 Ins:15 Home:16 PgUp:17",
    ROW_TOP_MAIN + " +0.25 Del:15 End:16 PgDn:17",
    ROW_HOME_MAIN,
    ROW_BOTTOM_MAIN + " +1.25 Up:16",
    ROW_SPACE_MAIN + " +0.25 Left:15 Down:16 Right:17",
]

# 75 %: the board of 84 keys leaves grid cells (3, 1) and (4, 1) free.
COMPACT_84_ROWS = [
    "Esc:0 F1:1 F2:2 F3:3 F4:4 F5:5 F6:6 F7:7 F8:8 F9:9 F10:10 F11:11 F12:12 PrtSc:13 ScrLk:14 Pause:15",
    ROW_NUMBER_MAIN + " Home:15",
    ROW_TOP_MAIN + " PgUp:15",
    "Caps/1.75:0 A:2 S:3 D:4 F:5 G:6 H:7 J:8 K:9 L:10 Semicolon:11 Quote:12 Enter/2.25:13 PgDn:15",
    "LShift/2.25:0 Z:2 X:3 C:4 V:5 B:6 N:7 M:8 Comma:9 Period:10 Slash:11 RShift/1.75:12 Up:14 End:15",
    "LCtrl/1.25:0 LWin/1.25:1 LAlt/1.25:2 Space/6.25:6 RAlt:9 Fn:10 RCtrl:11 Left:13 Down:14 Right:15",
]

# 65 % with the notched Enter; its backslash sits left of the Enter's foot.
COMPACT_68_ROWS = [
    None,
    "Esc:0 1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 9:9 0:10 Minus:11 Equal:12 Bksp/2:13 Grave:15",
    "Tab/1.5:0 Q:1 W:2 E:3 R:4 T:5 Y:6 U:7 I:8 O:9 P:10 LBracket:11 RBracket:12 Enter/iso:13 PgUp:15",
    "Caps/1.75:0 A:1 S:2 D:3 F:4 G:5 H:6 J:7 K:8 L:9 Semicolon:10 Quote:11 Backslash:12 +1.25 PgDn:15",
    "LShift/2.25:0 Z:1 X:2 C:3 V:4 B:5 N:6 M:7 Comma:8 Period:9 Slash:10 RShift/1.75:11 Up:14 End:15",
    "LCtrl/1.25:0 LWin/1.25:1 LAlt/1.25:2 Space/6.25:6 RAlt:9 Fn:10 RCtrl:11 Left:13 Down:14 Right:15",
]

# Standard boards of the key counts without a model of their own; only their
# grid cells are used (default custom lighting).
COMPACT_61_ROWS = [
    None,
    "Esc:0 1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 9:9 0:10 Minus:11 Equal:12 Bksp/2:13",
    "Tab/1.5:0 Q:1 W:2 E:3 R:4 T:5 Y:6 U:7 I:8 O:9 P:10 LBracket:11 RBracket:12 Backslash/1.5:13",
    "Caps/1.75:0 A:1 S:2 D:3 F:4 G:5 H:6 J:7 K:8 L:9 Semicolon:10 Quote:11 Enter/2.25:12",
    "LShift/2.25:0 Z:1 X:2 C:3 V:4 B:5 N:6 M:7 Comma:8 Period:9 Slash:10 RShift/2.75:11",
    "LCtrl/1.25:0 LWin/1.25:1 LAlt/1.25:2 Space/6.25:6 RAlt/1.25:9 Fn/1.25:10 Menu/1.25:11 RCtrl/1.25:12",
]

COMPACT_98_ROWS = [
    "Esc:0 +1 F1:2 F2:3 F3:4 F4:5 +0.5 F5:6 F6:7 F7:8 F8:9 +0.5 F9:10 F10:11 F11:12 F12:13 +0.25 "
    "PrtSc:15 Del:16 Home:17 End:18",
    ROW_NUMBER_MAIN + " +0.25 NumLk:15 KPSlash:16 KPStar:17 KPMinus:18",
    ROW_TOP_MAIN + " +0.25 KP7:15 KP8:16 KP9:17 KPPlus/1x2:18",
    ROW_HOME_MAIN + " +0.25 KP4:15 KP5:16 KP6:17",
    "LShift/2.25:0 Z:1 X:2 C:3 V:4 B:5 N:6 M:7 Comma:8 Period:9 Slash:10 RShift/1.75:12 +0.25 Up:14 "
    "KP1:15 KP2:16 KP3:17 KPEnter/1x2:18",
    "LCtrl/1.25:0 LWin/1.25:1 LAlt/1.25:2 Space/6.25:6 RAlt:10 Fn:11 RCtrl:12 +0.25 Left:13 Down:14 "
    "Right:15 KP0:16 KPDot:17",
]

# A 34-key pad on the seven left columns.
PAD_34_ROWS = [
    "Esc:0 Tab:1 9:2 0:3 Equal:4 Bksp:5",
    "Ins:0 Home:1 PgUp:2 NumLk:3 KPSlash:4 KPStar:5 KPMinus:6",
    "Del:0 End:1 PgDn:2 KP7:3 KP8:4 KP9:5 KPPlus/1x2:6",
    "+1 Space:1 +1 KP4:3 KP5:4 KP6:5",
    "+1 Up:1 +1 KP1:3 KP2:4 KP3:5 KPEnter/1x2:6",
    "Left:0 Down:1 Right:2 KP0/2:3 KPDot:5",
]

TKL_ROW_Y = [0, 1.5, 2.5, 3.5, 4.5, 5.5]
COMPACT_ROW_Y = [0, 1.25, 2.25, 3.25, 4.25, 5.25]
SIXTY_ROW_Y = [None, 0, 1, 2, 3, 4]
PAD_ROW_Y = [0, 1.25, 2.25, 3.25, 4.25, 5.25]


class Board:
    def __init__(self, rows, row_y, width_units, height_units, introduction, enter_shape=None):
        self.rows = rows
        self.enter_shape = enter_shape  # shape of the notched Enter, None: plain Enter
        self.row_y = row_y
        self.width_units = width_units
        self.height_units = height_units
        self.introduction = introduction


FULL_SIZE = Board(FULL_SIZE_ROWS, TKL_ROW_Y, 22.5, 6.5, '104Key')
TKL = Board(TKL_ROWS, TKL_ROW_Y, 18.25, 6.5, '87Key')
COMPACT_84 = Board(COMPACT_84_ROWS, COMPACT_ROW_Y, 16, 6.25, '84Key')
COMPACT_68 = Board(COMPACT_68_ROWS, SIXTY_ROW_Y, 16, 5, '68Key', enter_shape=1)
COMPACT_61 = Board(COMPACT_61_ROWS, SIXTY_ROW_Y, 15, 5, '61Key')
COMPACT_98 = Board(COMPACT_98_ROWS, TKL_ROW_Y, 19.25, 6.5, '98Key')
PAD_34 = Board(PAD_34_ROWS, PAD_ROW_Y, 7, 6.25, '34Key')

# The full-size layout with a right Windows key in place of Fn, so that every
# key of a standard keyboard has a virtual-key code (the macro page's table).
MACRO_FULL_SIZE = Board([r.replace('Fn/1.25:11', 'RWin/1.25:11') for r in FULL_SIZE_ROWS],
                        TKL_ROW_Y, 22.5, 6.5, '104Key')


class Model:
    def __init__(self, name, board, width, height, side_lights, support_onboard,
                 onboard_width=None, unit=None, onboard_unit=None):
        self.name = name
        self.board = board
        self.width = width
        self.height = height
        # (count of LEDs, top, right, bottom, left segment counts) or None
        self.side_lights = side_lights
        self.support_onboard = support_onboard
        self.onboard_width = onboard_width
        # Pixels per key unit on the picture and on the on-board page.
        self.unit = unit
        self.onboard_unit = onboard_unit or unit
        self.enter_shape = board.enter_shape


MODELS = [
    Model('Quissaro', FULL_SIZE, 700, 210, None, 1, onboard_width=700, unit=30),
    Model('Ryzzmond', COMPACT_84, 521, 210, None, 0, unit=31),
    Model('Rosquine', FULL_SIZE, 700, 210, (14, 3, 13, 3), 1, onboard_width=700, unit=30),
    Model('Rulvarro', COMPACT_68, 594, 210, (18, 7, 18, 7), 1, onboard_width=594, unit=33),
    Model('Varrowen', TKL, 532, 210, (18, 7, 18, 7), 1, onboard_width=571, unit=28, onboard_unit=30),
]

# Its Fn key serves as its FN1 key in the on-board layers.
ONBOARD_FN_MODEL = 'Rulvarro'

# Boards by key count for the default custom lighting.
BOARDS_BY_COUNT = {104: FULL_SIZE, 87: TKL, 84: COMPACT_84, 68: COMPACT_68, 61: COMPACT_61,
                   98: COMPACT_98, 34: PAD_34}
