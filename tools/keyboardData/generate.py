#!/usr/bin/env python3
"""Writes the keyboards' data files from the descriptions in models.py:

  images/configDir/KeyInfo_<model>.config              key layouts
  images/configDir/KeyInfo_FullSizeUS.config           the macro page's layout
  images/configDir/softKeyInfoNormalUS.config          the on-screen keyboard
  images/configDir/customLightDefaultConfig[_N].xml    default custom lighting
  images/configDir/onboardDeviceConfig/...             on-board layouts, layers
  images/hidImages/Keyboard_<model>.png                keyboard pictures

Usage: generate.py [repository root]   (standard library only)
"""

import os
import struct
import sys
import zlib

import bitmapfont
import keys
import models

ROWS = 6
COLUMNS = 22
GAP = 3  # pixels between neighbouring keys
CRLF = '\r\n'

# Notches of the notched Enter by shape: (x, y) of the inner corner.
ENTER_NOTCH = {0: (9, 23), 1: (10, 30)}


class Key:
    def __init__(self, name, row, column, x, y, w, h, notch=None):
        self.name = name
        self.row = row
        self.column = column
        self.x, self.y, self.w, self.h = x, y, w, h
        self.notch = notch  # (x, y) for the notched Enter

    @property
    def hid(self):
        return keys.hid(self.name)


class Geometry:
    """Maps key units to pixels on a picture of the given size."""

    def __init__(self, board, width, height, unit_x=None, unit_y=None, gap=GAP):
        self.unit_x = unit_x or int(min(width / (board.width_units + 0.5), height / (board.height_units + 0.3)))
        self.unit_y = unit_y or self.unit_x
        self.left = (width - board.width_units * self.unit_x) / 2.0
        self.top = (height - board.height_units * self.unit_y) / 2.0
        self.gap = gap

    def x(self, units):
        return int(round(self.left + units * self.unit_x))

    def y(self, units):
        return int(round(self.top + units * self.unit_y))


def parse_token(token):
    name, _, column = token.partition(':')
    width, height, iso = 1.0, 1.0, False
    if '/' in name:
        name, _, size = name.partition('/')
        if size == 'iso':
            iso = True
            width, height = 1.5, 2.0
        elif 'x' in size:
            w, _, h = size.partition('x')
            width, height = float(w), float(h)
        else:
            width = float(size)
    return name, int(column), width, height, iso


def layout_keys(board, geometry):
    """The keys of a board with their grid cells and pixel rectangles."""
    out = []
    for row, row_text in enumerate(board.rows):
        if row_text is None:
            continue
        top = board.row_y[row]
        at = 0.0
        for token in row_text.split():
            if token.startswith('+'):
                at += float(token[1:])
                continue
            name, column, width, height, iso = parse_token(token)
            if name not in keys.KEYS:
                raise SystemExit('unknown key %s' % name)
            x0 = geometry.x(at)
            y0 = geometry.y(top)
            x1 = geometry.x(at + width) - geometry.gap
            y1 = geometry.y(top + height) - geometry.gap
            notch = None
            if iso:
                # Upper part 1.5u, lower part 1.25u wide, right-aligned; the
                # notch is fixed by the Enter shape.
                notch = ENTER_NOTCH[board.enter_shape]
                lower_left = geometry.x(at + 0.25)
                x0 = lower_left - notch[0]
            out.append(Key(name, row, column, x0, y0, x1 - x0, y1 - y0, notch))
            at += width
    return out


def grid_of(key_list):
    grid = [[None] * COLUMNS for _ in range(ROWS)]
    for k in key_list:
        if grid[k.row][k.column] is not None:
            raise SystemExit('cell (%d, %d) used twice' % (k.row, k.column))
        grid[k.row][k.column] = k
    return grid


# ---------------------------------------------------------------------------
# JSON layout files

def json_text(text):
    """A JSON string literal, bytes of the files' 8-bit encoding (GBK)."""
    out = bytearray(b'"')
    for ch in text:
        if ch == '"':
            out += b'\\"'
        elif ch == '\\':
            out += b'\\\\'
        else:
            out += ch.encode('gbk')
    return bytes(out + b'"')


def cell_json(k, with_flags=None):
    parts = [b'"PosX": %d' % k.x, b'"PosY": %d' % k.y, b'"Width": %d' % k.w, b'"Height": %d' % k.h,
             b'"Dec": %d' % keys.hid(k.name), b'"qtDec": %d' % keys.vk(k.name),
             b'"Character": ' + json_text(keys.character(k.name))]
    if with_flags is not None:
        parts.append(b'"keyFlags": %d' % with_flags)
    return b'{' + b', '.join(parts) + b'}'


EMPTY_CELL = (b'{"PosX": -1, "PosY": -1, "Width": 00, "Height": 00, "Dec": 00, "qtDec": 00, '
              b'"Character": "-"}')


def json_array(name, items):
    nl = CRLF.encode()
    body = (b',' + nl).join(b'\t\t' + item for item in items)
    return b'\t"' + name.encode() + b'": [' + nl + body + nl + b'\t]'


def header_json(members):
    nl = CRLF.encode()
    lines = []
    for key, value in members:
        if isinstance(value, str):
            lines.append(b'\t\t"' + key.encode() + b'": ' + json_text(value))
        else:
            lines.append(b'\t\t"' + key.encode() + b'": %d' % value)
    return b'\t"Keyboard": {' + nl + (b',' + nl).join(lines) + nl + b'\t}'


def document(members):
    nl = CRLF.encode()
    return b'{' + nl + (b',' + nl).join(members) + nl + b'}' + nl


def side_light_cells(model):
    """The LED strip around the board, clockwise from the top-left corner:
    top, right edge, bottom (right to left), left edge (bottom to top)."""
    if not model.side_lights:
        return []
    top, right, bottom, left = model.side_lights
    w, h = model.width, model.height
    cells = []

    def add(x, y, cw, ch, side):
        cells.append((int(round(x)), int(round(y)), cw, ch, side))

    seg = w / top
    for i in range(top):
        add(i * seg, -8, max(30, int(seg) - 1), 6, 3)
    seg_v = h / right
    for i in range(right):
        add(w + 2, i * seg_v, 10, min(60, max(31, int(seg_v) - 2)), 2)
    seg = w / bottom
    for i in range(bottom):
        add(w - (i + 1) * seg, h + 2, max(30, int(seg) - 1), 6, 4)
    for i in range(left):
        add(-12, h - (i + 1) * seg_v, 10, min(60, max(31, int(seg_v) - 2)), 1)
    out = []
    for index, (x, y, cw, ch, side) in enumerate(cells, start=1):
        out.append(b'{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Index": %d, "validStatus": 1, '
                   b'"SidePosition": %d, "Mark": "0x%02d"}' % (x, y, cw, ch, index, side, index))
    return out


def extra_row(height):
    out = []
    for name in keys.EXTRA_ROW:
        k = Key(name, 6, 0, 0, height + 28, 30 if name == 'NonUsBackslash' else 40, 33)
        out.append(cell_json(k))
    return out


def layout_file(board, key_list, introduction, side_lights=None, support_onboard=0,
                enter_shape=None, picture_height=210):
    grid = grid_of(key_list)
    side = side_lights or []
    header = [('KeyboardIntroduction', introduction),
              ('sideLightHave', 1 if side else 0),
              ('supportOnboard', support_onboard),
              ('specialEnterKey', 1 if enter_shape is not None else 0),
              ('showOnboardSelect', support_onboard),
              ('specialEnterKeyShape', enter_shape or 0),
              ('sideLightNum', len(side)),
              ('flag', 'true')]
    members = [header_json(header)]
    if side:
        members.append(json_array('EveryKeyInfo_Row00', side))
    for row in range(ROWS):
        cells = [cell_json(k) if k else EMPTY_CELL for k in grid[row]]
        members.append(json_array('EveryKeyInfo_Row0%d' % (row + 1), cells))
    members.append(json_array('EveryKeyInfo_Row07', extra_row(picture_height)))
    return document(members)


def soft_keyboard_file():
    """The on-screen keyboard: a full-size US board on a 700 x 150 page, keys
    only (no empty cells), Enter and keypad Enter flagged."""
    board = models.MACRO_FULL_SIZE
    rows = [r.replace('Fn/1.25:11', '').replace('RWin/1.25:11', '') for r in board.rows]
    # Without the right Windows key the right-hand modifiers take its room.
    rows[5] = rows[5].replace('RAlt/1.25:10', 'RAlt/1.25:10 +1.25')
    soft = models.Board(rows, board.row_y, board.width_units, board.height_units, board.introduction)
    geometry = Geometry(soft, 700, 150, unit_x=30, unit_y=22, gap=2)
    key_list = layout_keys(soft, geometry)
    members = [header_json([('KeyboardIntroduction', '104Key+7Key+18Key'), ('flag', 'true')])]
    for row in range(ROWS):
        cells = []
        for k in sorted((k for k in key_list if k.row == row), key=lambda k: k.x):
            flag = 0 if k.name == 'Enter' else 1 if k.name == 'KPEnter' else None
            cells.append(cell_json(k, flag))
        members.append(json_array('EveryKeyInfo_Row0%d' % (row + 1), cells))
    return document(members), key_list


# ---------------------------------------------------------------------------
# XML files in the store's layout

def xml_attr(value):
    # Escaped as the store's printer does, so a file it loads and saves
    # again stays byte for byte the same.
    return str(value).replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


def element(indent, name, attrs, children=None):
    pad = '    ' * indent
    text = pad + '<' + name + ''.join(' %s="%s"' % (k, xml_attr(v)) for k, v in attrs)
    if not children:
        return [text + ' />']
    lines = [text + '>']
    for child in children:
        lines.extend(child)
    lines.append(pad + '</' + name + '>')
    return lines


def xml_document(root_lines):
    return (CRLF.join(['<?xml version="1.0" encoding="UTF-8"?>'] + root_lines) + CRLF).encode('utf-8')


def custom_light_file(scheme0, scheme1):
    def items(key_list, colour):
        return [element(2, 'item', [('keyCode', k.hid), ('codeName', keys.caption(k.name)),
                                     ('indexX', k.row), ('indexY', k.column),
                                     ('colorR', colour[0]), ('colorG', colour[1]), ('colorB', colour[2]),
                                     ('transparentNum', 128)]) for k in key_list]
    schemes = []
    for index in range(5):
        using = index < 2
        attrs = [('index', index), ('name', 'Custom %d' % index), ('isUsing', 'Using' if using else 'UnUsing'),
                 ('usingFlagIndex', index if using else -1)]
        children = None
        if index == 0:
            children = items(scheme0, (0, 0, 255))
        elif index == 1:
            children = items(scheme1, (255, 0, 0))
        schemes.append(element(1, 'customLed', attrs, children))
    return xml_document(element(0, 'customLight', [], schemes))


LETTER_BLOCK = ['Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 'LBracket', 'RBracket', 'Backslash',
                'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 'Semicolon', 'Quote',
                'Z', 'X', 'C', 'V', 'B', 'N', 'M', 'Comma', 'Period', 'Slash']
WASD = ['W', 'A', 'S', 'D']
ARROWS = ['Up', 'Left', 'Down', 'Right']
KEYPAD = ['KP7', 'KP8', 'KP9', 'KP4', 'KP5', 'KP6', 'KP1', 'KP2', 'KP3', 'KP0', 'KPDot']

# Dvorak letters on the QWERTY positions: position key -> key whose code it sends.
DVORAK = {
    'Minus': 'LBracket', 'Equal': 'RBracket',
    'Q': 'Quote', 'W': 'Comma', 'E': 'Period', 'R': 'P', 'T': 'Y', 'Y': 'F', 'U': 'G', 'I': 'C',
    'O': 'R', 'P': 'L', 'LBracket': 'Slash', 'RBracket': 'Equal',
    'A': 'A', 'S': 'O', 'D': 'E', 'F': 'U', 'G': 'I', 'H': 'D', 'J': 'H', 'K': 'T', 'L': 'N',
    'Semicolon': 'S', 'Quote': 'Minus',
    'Z': 'Semicolon', 'X': 'Q', 'C': 'J', 'V': 'K', 'B': 'X', 'N': 'B', 'M': 'M', 'Comma': 'W',
    'Period': 'V', 'Slash': 'Z',
}
# Mac: Command and Option change places with Alt and Windows.
MAC = {'LAlt': 'LWin', 'LWin': 'LAlt', 'RAlt': 'RWin', 'RWin': 'RAlt'}


def profile(index, name, light0, macro_items):
    children = [
        element(2, 'light0', light0),
        element(2, 'light1', [('usingIndex', 2)]),
        element(2, 'light2', [('usingIndex', 2)]),
        element(2, 'customColor', []),
        element(2, 'customLight', []),
        element(2, 'ribbon', []),
        element(2, 'onboardBinding', []),
        element(2, 'macro', [], macro_items),
        element(2, 'dpi', []),
        element(2, 'function', [], [element(3, 'Setting', [('feature1', 0), ('feature2', 0),
                                                             ('feature3', 0), ('feature4', 1)])]),
        element(2, 'bindMacro', []),
    ]
    return element(1, 'config', [('index', index), ('name', name), ('proFileAppName', ''),
                                 ('proFileAppIco', '')], children)


def binding(code, caption, operate, value):
    return element(3, 'item', [('keyCode', code), ('keyChar', caption), ('operateType', operate),
                               ('repeatNum', 1), ('mode', 1), ('Value', value)])


def default_layers(model_name, key_list, layout_name, first_index, remap):
    fn_value = -20 if model_name == models.ONBOARD_FN_MODEL else -10
    grid = grid_of(key_list)
    items = []
    for row in range(ROWS):
        for column in range(COLUMNS):
            k = grid[row][column]
            if k is None:
                items.append(binding(-1, '-', -1, 0))
            elif k.name == 'Fn':
                items.append(binding(-10, 'Fn', 0, fn_value))
            else:
                target = remap.get(k.name, k.name)
                items.append(binding(k.hid, keys.caption(k.name), 0, keys.hid(target)))
    name = 'Profile_' + layout_name
    default = profile(first_index, name, [('usingIndex', 20), ('ledOpenOrClose', 0), ('SynchronizeStatus', 1)],
                      items)
    fn1 = profile(first_index + 1, name, [('usingIndex', 2), ('ledOpenOrClose', 0), ('SynchronizeStatus', 0)],
                  [binding(-10, 'Fn', 0, fn_value)])
    return xml_document(element(0, 'Parameters', [('profileIndex', 1)], [default, fn1]))


# ---------------------------------------------------------------------------
# Pictures

class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = bytearray(width * height * 4)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            i = (y * self.width + x) * 4
            self.pixels[i:i + 4] = bytes(colour)

    def fill(self, x, y, w, h, colour):
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.width, x + w), min(self.height, y + h)
        if x1 <= x0 or y1 <= y0:
            return
        row = bytes(colour) * (x1 - x0)
        for yy in range(y0, y1):
            i = (yy * self.width + x0) * 4
            self.pixels[i:i + len(row)] = row

    def rounded(self, x, y, w, h, r, colour):
        self.fill(x + r, y, w - 2 * r, h, colour)
        self.fill(x, y + r, w, h - 2 * r, colour)
        for cy in range(r):
            for cx in range(r):
                dx, dy = r - cx - 0.5, r - cy - 0.5
                if dx * dx + dy * dy <= r * r:
                    for px, py in ((x + cx, y + cy), (x + w - 1 - cx, y + cy),
                                   (x + cx, y + h - 1 - cy), (x + w - 1 - cx, y + h - 1 - cy)):
                        self.put(px, py, colour)

    def text(self, x, y, text, colour):
        for i, ch in enumerate(text):
            for gy, row in enumerate(bitmapfont.glyph(ch)):
                for gx, on in enumerate(row):
                    if on:
                        self.put(x + i * bitmapfont.ADVANCE + gx, y + gy, colour)

    def png(self):
        raw = bytearray()
        stride = self.width * 4
        for y in range(self.height):
            raw.append(0)
            raw += self.pixels[y * stride:(y + 1) * stride]

        def chunk(kind, data):
            return (struct.pack('>I', len(data)) + kind + data
                    + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))
        header = struct.pack('>IIBBBBB', self.width, self.height, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


CASE = (24, 24, 27, 255)
PLATE = (34, 34, 38, 255)
CAP_EDGE = (18, 18, 20, 255)
CAP = (52, 52, 57, 255)
CAP_TOP = (63, 63, 69, 255)
LEGEND = (214, 214, 218, 255)


def draw_cap(canvas, x, y, w, h):
    canvas.rounded(x, y, w, h, 3, CAP_EDGE)
    canvas.rounded(x + 1, y + 1, w - 2, h - 2, 3, CAP)
    canvas.rounded(x + 3, y + 2, w - 6, h - 6, 2, CAP_TOP)


def draw_legend(canvas, k, x, y, w, h):
    lines = [line for line in keys.legend(k.name).split('\n') if line]
    if not lines:
        return
    total = len(lines) * bitmapfont.HEIGHT + (len(lines) - 1) * 2
    top = y + 2 + (h - 6 - total) // 2
    for i, line in enumerate(lines):
        left = x + (w - bitmapfont.text_width(line)) // 2
        canvas.text(left, top + i * (bitmapfont.HEIGHT + 2), line, LEGEND)


def picture(model, key_list):
    canvas = Canvas(model.width, model.height)
    canvas.rounded(0, 0, model.width, model.height, 10, CASE)
    canvas.rounded(4, 4, model.width - 8, model.height - 8, 7, PLATE)
    for k in key_list:
        if k.notch:
            a, b = k.notch
            # The foot first, then the full-width upper part over it.
            draw_cap(canvas, k.x + a, k.y + b - 6, k.w - a, k.h - b + 6)
            draw_cap(canvas, k.x, k.y, k.w, b)
            draw_legend(canvas, k, k.x, k.y, k.w, b)
        else:
            draw_cap(canvas, k.x, k.y, k.w, k.h)
            draw_legend(canvas, k, k.x, k.y, k.w, k.h)
    return canvas.png()


# ---------------------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
    config = os.path.join(root, 'images', 'configDir')
    onboard = os.path.join(config, 'onboardDeviceConfig')
    pictures = os.path.join(root, 'images', 'hidImages')

    for model in models.MODELS:
        geometry = Geometry(model.board, model.width, model.height, unit_x=model.unit)
        key_list = layout_keys(model.board, geometry)
        write(os.path.join(config, 'KeyInfo_%s.config' % model.name),
              layout_file(model.board, key_list, model.board.introduction, side_light_cells(model),
                          model.support_onboard, model.enter_shape, model.height))
        write(os.path.join(pictures, 'Keyboard_%s.png' % model.name), picture(model, key_list))
        if model.support_onboard:
            onboard_geometry = Geometry(model.board, model.onboard_width, 210, unit_x=model.onboard_unit)
            onboard_keys = layout_keys(model.board, onboard_geometry)
            write(os.path.join(onboard, 'KeyInfo_%s.config' % model.name),
                  layout_file(model.board, onboard_keys, model.board.introduction, None,
                              model.support_onboard, model.enter_shape))
            for layout_name, suffix, first, remap in (('QWERTY', 'DefQWERTY', 1, {}),
                                                      ('Mac', 'DefMac', 2, MAC),
                                                      ('Dvorak', 'DefDvorak', 3, DVORAK)):
                write(os.path.join(onboard, '%s_%s.xml' % (model.name, suffix)),
                      default_layers(model.name, key_list, layout_name, first, remap))

    macro_geometry = Geometry(models.MACRO_FULL_SIZE, 700, 210, unit_x=30)
    macro_keys = layout_keys(models.MACRO_FULL_SIZE, macro_geometry)
    write(os.path.join(config, 'KeyInfo_FullSizeUS.config'),
          layout_file(models.MACRO_FULL_SIZE, macro_keys, '104Key'))

    soft, _ = soft_keyboard_file()
    write(os.path.join(config, 'softKeyInfoNormalUS.config'), soft)

    for count, suffix in ((104, ''), (34, '_34'), (61, '_61'), (68, '_68'), (84, '_84'), (98, '_98')):
        board = models.BOARDS_BY_COUNT[count]
        by_name = {k.name: k for k in layout_keys(board, Geometry(board, 700, 210))}
        if count == 34:
            scheme0, scheme1 = KEYPAD, ARROWS
        elif count == 61:
            scheme0, scheme1 = LETTER_BLOCK, WASD
        else:
            scheme0, scheme1 = LETTER_BLOCK, WASD + ARROWS
        write(os.path.join(config, 'customLightDefaultConfig%s.xml' % suffix),
              custom_light_file([by_name[n] for n in scheme0], [by_name[n] for n in scheme1]))


if __name__ == '__main__':
    main()
