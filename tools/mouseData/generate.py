#!/usr/bin/env python3
"""Writes the mouse's layout file from the description below:

  images/configDir/mouseInfo_<model>.config

The positions are page coordinates of the two mouse pages, worked out from
where the pages draw the mouse picture (hidImages/Keyboard_<model>.png, drawn
by tools/pictures/set_widgets.py) and where a feature lies on that picture:

  buttons page   picture scaled into BUTTONS_PICTURE of its 700 x 210 page;
                 a leader line starts on the button and ends beside its label
  lighting page  picture as the border image of frame_Mouse, LIGHT_FRAME of
                 its 700 x 280 page; the LED dots lie over the picture

Usage: generate.py [repository root]   (standard library only)
"""

import os
import sys

CRLF = b'\r\n'

PICTURE_SIZE = (110, 198)  # the drawn picture, a 5:9 frame
BUTTONS_PICTURE = (300, 15, 100, 180)  # x, y, width, height on the buttons page
LIGHT_FRAME = (295, 2, 120, 216)  # frame_Mouse on the themed lighting page (1 px border)
LED_SIZE = 10
LED_COUNT = 18  # the mouse's LEDs; the engine addresses them by position


class Model:
    def __init__(self, name, introduction, label_size, support_xy, buttons, leds):
        self.name = name
        self.introduction = introduction
        self.label_size = label_size
        self.support_xy = support_xy
        self.buttons = buttons
        self.leds = leds


# Button: (Index, Dec, Character, point on the picture, bend, end on the page).
# Index 0..3 carry their label left of the line's end, 4..7 right of it.
# LED: (point on the picture, SidePosition); 1 the scroll wheel, 2 the logo.
BOVELLI = Model(
    'Bovelli', '6Key', (125, 20), 1,
    buttons=[
        (0, 1, 'Left Click', (35, 45), (270, 30), (200, 30)),
        (1, 32, 'Dpi Loop', (55, 63), (285, 75), (200, 75)),
        (2, 16, 'Forward', (23, 78), (280, 120), (200, 120)),
        (3, 8, 'Backward', (23, 96), (285, 165), (200, 165)),
        (4, 2, 'Right Click', (75, 45), (430, 90), (500, 90)),
        (5, 4, 'Center Click', (55, 40), (420, 30), (500, 30)),
    ],
    # Around the mouse: the left strip front to back, the right strip back
    # to front, with the logo and the wheel at the places the engine expects.
    leds=[
        ((21, 120), 0),
        ((19, 141), 0),
        ((21, 162), 0),
        ((89, 162), 0),
        ((91, 141), 0),
        ((55, 143), 2),
        ((89, 120), 0),
        ((55, 40), 1),
    ])

MODELS = [BOVELLI]


def scaled(point, frame):
    x, y, w, h = frame
    px, py = point
    return (x + int(round(px * w / float(PICTURE_SIZE[0]))), y + int(round(py * h / float(PICTURE_SIZE[1]))))


def json_text(text):
    return b'"' + text.replace('\\', '\\\\').replace('"', '\\"').encode('utf-8') + b'"'


def button_json(button):
    index, dec, character, on_picture, bend, end = button
    start = scaled(on_picture, BUTTONS_PICTURE)
    numbers = [('PosX01', start[0]), ('PosY01', start[1]), ('PosX02', bend[0]), ('PosY02', bend[1]),
               ('PosX03', end[0]), ('PosY03', end[1]), ('Index', index), ('Dec', dec), ('qtDec', index)]
    parts = [b'"%s": %d' % (k.encode(), v) for k, v in numbers]
    parts.append(b'"Character": ' + json_text(character))
    return b'{' + b', '.join(parts) + b'}'


def led_json(number, led):
    if led is None:
        x, y, size, valid, side = -1, -1, 0, 0, 3
    else:
        (px, py), side = led
        cx, cy = scaled((px, py), LIGHT_FRAME)
        x, y, size, valid = cx - LED_SIZE // 2, cy - LED_SIZE // 2, LED_SIZE, 1
    parts = [b'"PosX": %d' % x, b'"PosY": %d' % y, b'"Width": %d' % size, b'"Height": %d' % size,
             b'"Index": %d' % number, b'"validStatus": %d' % valid, b'"SidePosition": %d' % side,
             b'"Mark": "0x%02X"' % number]
    return b'{' + b', '.join(parts) + b'}'


def json_array(name, items):
    body = (b',' + CRLF).join(b'\t\t' + item for item in items)
    return b'\t"' + name.encode() + b'": [' + CRLF + body + CRLF + b'\t]'


def layout_file(model):
    header = [
        b'\t\t"MouseIntroduction": ' + json_text(model.introduction),
        b'\t\t"sideLightHave": 0',
        b'\t\t"showInfoTextWidth": %d' % model.label_size[0],
        b'\t\t"showInfoTextHeight": %d' % model.label_size[1],
        b'\t\t"supportEnableXY": %d' % model.support_xy,
        b'\t\t"flag": "true"',
    ]
    leds = list(model.leds) + [None] * (LED_COUNT - len(model.leds))
    members = [
        b'\t"Mouse": {' + CRLF + (b',' + CRLF).join(header) + CRLF + b'\t}',
        json_array('EveryKeyInfo_Row00', [button_json(b) for b in model.buttons]),
        json_array('EveryKeyInfo_MouseLight0', [led_json(i + 1, led) for i, led in enumerate(leds)]),
    ]
    return b'{' + CRLF + (b',' + CRLF).join(members) + CRLF + b'}' + CRLF


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    folder = os.path.join(root, 'images', 'configDir')
    os.makedirs(folder, exist_ok=True)
    for model in MODELS:
        target = os.path.join(folder, 'mouseInfo_%s.config' % model.name)
        tmp = target + '.tmp'
        with open(tmp, 'wb') as f:
            f.write(layout_file(model))
        os.replace(tmp, target)


if __name__ == '__main__':
    main()
