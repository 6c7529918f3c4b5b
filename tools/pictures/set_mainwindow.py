"""Pictures of the main window and its home page: the title-bar buttons, the
tray icon, the link buttons with their two pop-up pictures, and the picture
shown while no device is connected.

The title-bar buttons sit on every theme's title gradient (near black to near
white, blue, pink), so their idle marks carry a dark edge, as the close button
of the same row does."""
import math
import struct

from canvas import Canvas
from set_customlight import EDGE, LIGHT, RED, edged_lines as edged

DARK = (30, 30, 30, 255)
TILE = (45, 45, 45, 255)
WHITE = (255, 255, 255, 255)
GREY = (150, 150, 150, 255)


# -- title-bar buttons (16 x 16, shown at 18 x 18) -----------------------------
def setting(selected):
    c = Canvas(16, 16)
    colour = RED if selected else LIGHT
    cx = cy = 8
    teeth = []
    for i in range(8):
        a = i * math.pi / 4
        teeth.append([(cx + 4.2 * math.cos(a), cy + 4.2 * math.sin(a)),
                      (cx + 6.6 * math.cos(a), cy + 6.6 * math.sin(a))])
    if not selected:
        c.ring(cx, cy, 5.6, 3.2, EDGE)
    edged(c, teeth, 2.2, colour, not selected)
    c.ring(cx, cy, 5.0, 2.2, colour)
    return c


def minimise(selected):
    c = Canvas(16, 16)
    edged(c, [[(3, 12), (13, 12)]], 1.8, RED if selected else LIGHT, not selected)
    return c


def maximise(selected):
    c = Canvas(16, 16)
    colour = RED if selected else LIGHT
    if not selected:
        c.rect_outline(2.2, 2.2, 11.6, 11.6, 3.2, EDGE, radius=1.5)
    c.rect_outline(3, 3, 10, 10, 1.6, colour, radius=1)
    return c


def restore(selected):
    # Two windows, the back one peeking out: back to the normal size.
    c = Canvas(16, 16)
    colour = RED if selected else LIGHT
    if not selected:
        c.rect_outline(2.2, 5.2, 8.6, 8.6, 3.2, EDGE, radius=1.5)
        edged(c, [[(6, 3.5), (12.5, 3.5), (12.5, 10)]], 1.6, colour, True)
    else:
        c.line([(6, 3.5), (12.5, 3.5), (12.5, 10)], 1.6, colour)
    c.rect_outline(3, 6, 7, 7, 1.6, colour, radius=1)
    return c


# -- tray icon ----------------------------------------------------------------
def logo(size):
    """The program's mark: a red V on a dark disc."""
    c = Canvas(size, size)
    s = size / 32.0
    c.circle(size / 2.0, size / 2.0, size / 2.0 - 0.5, DARK)
    c.line([(9 * s, 9 * s), (16 * s, 24 * s), (23 * s, 9 * s)], 4.2 * s, RED)
    return c


class Ico:
    """An .ico file around one 32-bit picture (what a .ico loader reads)."""

    def __init__(self, canvas):
        self.canvas = canvas

    def png(self):
        c = self.canvas
        w, h = c.width, c.height
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = c.pixels[y * w + x]
                xor += bytes((b, g, r, a))
        mask_row = ((w + 31) // 32) * 4
        and_mask = bytes(mask_row * h)
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
        image = header + bytes(xor) + and_mask
        directory = struct.pack("<HHH", 0, 1, 1)
        entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
        return directory + entry + image


# -- home page ------------------------------------------------------------------
def link_tile():
    c = Canvas(75, 75)
    c.rect(1, 1, 73, 73, TILE, radius=14)
    return c


def web():
    c = link_tile()
    c.ring(37.5, 37.5, 20, 2.6, RED)
    c.line([(37.5, 17.5), (37.5, 57.5)], 2.4, RED)
    c.line([(17.5, 37.5), (57.5, 37.5)], 2.4, RED)
    # Meridians: two ellipse halves drawn as polylines.
    for k in (0.45, -0.45):
        pts = [(37.5 + k * 20 * math.cos(t), 37.5 + 20 * math.sin(t))
               for t in [math.pi / 2 - i * math.pi / 16 for i in range(17)]]
        c.line(pts, 2.2, RED)
    c.line([(21, 28), (54, 28)], 2, RED)
    c.line([(21, 47), (54, 47)], 2, RED)
    return c


def cart():
    c = link_tile()
    c.line([(15, 22), (22, 22), (28, 46), (53, 46), (58, 29), (24.5, 29)], 3, WHITE)
    c.circle(31, 54, 3.6, WHITE)
    c.circle(50, 54, 3.6, WHITE)
    c.rect(29, 33, 24, 9, RED, radius=2)
    return c


def bag():
    c = link_tile()
    c.rect(19, 30, 37, 29, (255, 106, 0, 255), radius=5)
    c.line([(29, 33), (29, 25), (32, 20), (43, 20), (46, 25), (46, 33)], 3, WHITE)
    c.circle(29, 34, 2.2, WHITE)
    c.circle(46, 34, 2.2, WHITE)
    return c


def chat():
    c = link_tile()
    green = (46, 200, 90, 255)
    c.circle(31, 34, 14, green)
    c.polygon([(22, 42), (20, 51), (29, 45)], green)
    c.circle(46, 44, 11.5, WHITE)
    c.polygon([(52, 50), (56, 57), (47, 53)], WHITE)
    for x in (26, 36):
        c.circle(x, 31, 2, DARK)
    for x in (42, 50):
        c.circle(x, 42, 1.7, DARK)
    return c


def broadcast():
    c = link_tile()
    c.circle(33, 45, 13, RED)
    c.circle(30, 47, 5, WHITE)
    c.circle(30, 47, 2.2, DARK)
    for r in (10, 17):
        pts = [(44 + r * math.cos(t), 30 - r * math.sin(t)) for t in [i * math.pi / 24 for i in range(13)]]
        c.line(pts, 2.6, (255, 170, 0, 255))
    return c


def code_square(seed):
    """A square code picture: three corner marks and a fixed scatter of
    modules. It only stands in for the picture the maker would ship."""
    size, module, quiet = 145, 5, 10
    c = Canvas(size, size, (255, 255, 255, 255))
    n = (size - 2 * quiet) // module
    state = seed

    def mark(mx, my):
        x, y = quiet + mx * module, quiet + my * module
        c.rect(x, y, 7 * module, 7 * module, DARK)
        c.rect(x + module, y + module, 5 * module, 5 * module, (255, 255, 255, 255))
        c.rect(x + 2 * module, y + 2 * module, 3 * module, 3 * module, DARK)

    for my in range(n):
        for mx in range(n):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            in_mark = (mx < 8 and my < 8) or (mx >= n - 8 and my < 8) or (mx < 8 and my >= n - 8)
            if not in_mark and (state >> 16) & 1:
                c.rect(quiet + mx * module, quiet + my * module, module, module, DARK)
    mark(0, 0)
    mark(n - 7, 0)
    mark(0, n - 7)
    return c


def no_connect():
    # Mid greys: the picture sits on dark and light themes alike.
    c = Canvas(160, 160)
    plug = (135, 135, 135, 255)
    c.ring(80, 80, 70, 5, GREY)
    # A plug and a socket pulled apart.
    c.rect(28, 70, 34, 20, plug, radius=4)
    c.rect(62, 73, 8, 4, plug)
    c.rect(62, 83, 8, 4, plug)
    c.line([(14, 80), (28, 80)], 6, plug)
    c.rect(96, 68, 34, 24, plug, radius=4)
    c.rect(100, 73, 5, 4, (255, 255, 255, 255))
    c.rect(100, 83, 5, 4, (255, 255, 255, 255))
    c.line([(130, 80), (146, 80)], 6, plug)
    c.line([(78, 58), (84, 70)], 3, RED)
    c.line([(78, 102), (84, 90)], 3, RED)
    return c


def left_top_logo():
    c = Canvas(200, 30)
    c.circle(15, 15, 13.5, DARK)
    c.line([(9, 9), (15, 22), (21, 9)], 3.6, RED)
    c.rect(36, 13, 150, 4, RED, radius=2)
    return c


def pictures():
    return {
        "mainpage/settingDef.png": setting(False),
        "mainpage/settingSel.png": setting(True),
        "mainpage/minWindowDef.png": minimise(False),
        "mainpage/minWindowSel.png": minimise(True),
        "mainpage/maxWindowDef.png": maximise(False),
        "mainpage/maxWindowSel.png": maximise(True),
        "mainpage/intoMaxWindowDef.png": restore(False),
        "mainpage/intoMaxWindowSel.png": restore(True),
        "trayLogo.ico": Ico(logo(32)),
        "leftTopLogo.png": left_top_logo(),
        "home/Pardex.png": web(),
        "home/JD.png": cart(),
        "home/TaoBao.png": bag(),
        "home/WeChatPublic.png": chat(),
        "home/WeiBo.png": broadcast(),
        "LoadImages/WeChatQR.png": code_square(7),
        "LoadImages/WeiBoQR.png": code_square(11),
        "NoConnect.png": no_connect(),
    }
