"""Pictures of the shared widgets: the home tiles' default keyboard and the
mouse tile, the device rows' logos and the picture button's default pair."""
import colorsys
import math

from canvas import Canvas

RED = (255, 49, 53, 255)
LOGO = (235, 235, 235, 255)
CAPTION_GREY = (185, 185, 185, 255)


def fill(c, inside, bbox, colour):
    """Canvas.shape for shapes whose rows are single runs: a pixel whose four
    corners are inside is covered whole, so only edge pixels are sampled."""
    x0, y0, x1, y1 = bbox
    x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
    x1, y1 = min(c.width, int(math.ceil(x1))), min(c.height, int(math.ceil(y1)))
    for y in range(y0, y1):
        for x in range(x0, x1):
            if inside(x, y) and inside(x + 1, y) and inside(x, y + 1) and inside(x + 1, y + 1):
                c._blend(x, y, colour, 1.0)
            else:
                c.shape(inside, (x, y, x + 1, y + 1), colour)


def rounded(x, y, w, h, radius):
    def inside(px, py):
        if px < x or py < y or px > x + w or py > y + h:
            return False
        cx = min(max(px, x + radius), x + w - radius)
        cy = min(max(py, y + radius), y + h - radius)
        return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius
    return inside


def fill_rect(c, x, y, w, h, colour, radius):
    fill(c, rounded(x, y, w, h, radius), (x, y, x + w, y + h), colour)


def default_picture(selected):
    """A rounded square with a dot: the picture button's "default" entry."""
    side = 16 if selected else 15
    colour = RED if selected else CAPTION_GREY
    c = Canvas(side, side)
    c.rect_outline(1, 1, side - 2, side - 2, 1.5, colour, radius=3)
    c.circle(side / 2.0, side / 2.0, side * 0.18, colour)
    return c


def keyboard_logo():
    """The device row's keyboard logo, drawn for its 25 x 28 button."""
    c = Canvas(25, 28)
    c.rect_outline(1.5, 8, 22, 13, 1.4, LOGO, radius=2)
    for row, (y, count) in enumerate(((11, 6), (14, 6))):
        x0 = 4.2 + 0.8 * row
        for i in range(count):
            c.rect(x0 + i * 3, y, 1.8, 1.6, LOGO)
    c.rect(7.5, 17.2, 10, 1.6, LOGO)
    return c


def mouse_logo():
    """The device row's mouse logo, drawn for its 25 x 28 button."""
    c = Canvas(25, 28)
    c.rect_outline(6.5, 4, 12, 20, 1.4, LOGO, radius=6)
    c.line([(12.5, 4.8), (12.5, 11)], 1.2, LOGO)
    c.line([(7.2, 11.5), (17.8, 11.5)], 1.2, LOGO)
    c.rect(11.6, 6.5, 1.8, 3.4, LOGO, radius=0.9)
    return c


def keyboard_tile():
    """A generic full-size gaming keyboard, for tiles of models without a
    picture of their own, seen from above with per-key light."""
    w, h = 360, 130
    c = Canvas(w, h)
    fill_rect(c, 3, 12, w - 6, h - 18, (12, 12, 14, 120), 10)  # shadow
    fill_rect(c, 2, 8, w - 4, h - 18, (30, 30, 34, 255), 9)
    fill_rect(c, 5, 11, w - 10, h - 24, (40, 40, 45, 255), 7)
    c.line([(16, 9.2), (w - 16, 9.2)], 1.2, (255, 49, 53, 200))

    u = 14.6
    left, top = 12.0, 16.0
    # (width in units, gap before in units) per key, row by row.
    rows = [
        [(1, 0)] + [(1, 1 if i == 0 else 0.5 if i in (4, 8) else 0) for i in range(12)] +
        [(1, 0.35), (1, 0), (1, 0)],
        [(1, 0)] * 13 + [(2, 0), (1, 0.35), (1, 0), (1, 0), (1, 0.35), (1, 0), (1, 0), (1, 0)],
        [(1.5, 0)] + [(1, 0)] * 12 + [(1.5, 0), (1, 0.35), (1, 0), (1, 0), (1, 0.35), (1, 0), (1, 0), (1, 0)],
        [(1.75, 0)] + [(1, 0)] * 11 + [(2.25, 0), (1, 3.35 + 0.35), (1, 0), (1, 0)],
        [(2.25, 0)] + [(1, 0)] * 10 + [(2.75, 0), (1, 1.35), (1, 1.35), (1, 0), (1, 0)],
        [(1.25, 0)] * 3 + [(6.25, 0)] + [(1.25, 0)] * 4 + [(1, 0.35), (1, 0), (1, 0), (2, 0.35), (1, 0)],
    ]
    total = 22.5
    for r, keys in enumerate(rows):
        x = left
        y = top + r * u + (4 if r > 0 else 0)
        for width, gap in keys:
            x += gap * u
            kw = width * u
            hue = (x - left) / (total * u) * 0.85
            red, green, blue = colorsys.hsv_to_rgb(hue, 0.85, 1.0)
            glow = (red * 255, green * 255, blue * 255, 255)
            fill_rect(c, x + 0.6, y + 0.6, kw - 1.2, u - 1.2, glow, 2.5)
            fill_rect(c, x + 1.7, y + 1.4, kw - 3.4, u - 3.2, (52, 52, 58, 255), 2)
            fill_rect(c, x + 2.6, y + 2.0, kw - 5.2, u - 5.6, (64, 64, 71, 255), 1.6)
            x += kw
    return c


def _mouse_half_width(t):
    """Half the body's width at t (0 front, 1 back), before rounding the ends."""
    points = [(0.0, 33.0), (0.22, 38.0), (0.5, 36.5), (0.76, 44.0), (1.0, 40.0)]
    for (t0, w0), (t1, w1) in zip(points, points[1:]):
        if t <= t1:
            f = (t - t0) / (t1 - t0)
            f = f * f * (3 - 2 * f)
            return w0 + (w1 - w0) * f
    return points[-1][1]


def gaming_mouse():
    """A gaming mouse seen from above, drawn for a 5:9 frame: two main
    buttons, the wheel and a DPI button, side buttons, light strips along the
    flanks and a logo on the palm rest."""
    w, h = 110, 198
    c = Canvas(w, h)
    cx = w / 2.0
    top, bottom = 7.0, 191.0
    length = bottom - top

    def half_width(py):
        t = (py - top) / length
        if t < 0 or t > 1:
            return -1.0
        end = 1 - abs(2 * t - 1) ** 3.2
        return _mouse_half_width(t) * end ** (1 / 3.2)

    widths = [half_width(y + 0.5) for y in range(h)]

    def body(inset, t_from=0.0, t_to=1.0):
        def inside(px, py):
            t = (py - top) / length
            if t < t_from or t > t_to:
                return False
            hw = half_width(py) - inset
            return hw > 0 and abs(px - cx) <= hw
        return inside

    def y_at(t):
        return top + t * length

    shadow = lambda px, py: body(0)(px - 1.5, py - 2.5)
    fill(c, shadow, (0, 0, w, h), (0, 0, 0, 90))
    fill(c, body(0), (0, top, w, bottom), (24, 24, 27, 255))
    fill(c, body(2.2), (0, top, w, bottom), (42, 42, 47, 255))
    # Palm rest: a lighter shell behind the buttons.
    split = 0.41
    fill(c, body(5.5, split + 0.025, 0.97), (0, y_at(split), w, bottom), (54, 54, 60, 255))
    fill(c, lambda px, py: ((px - cx + 6) / 17.0) ** 2 + ((py - y_at(0.66)) / 30.0) ** 2 <= 1,
            (cx - 24, y_at(0.66) - 30, cx + 12, y_at(0.66) + 30), (255, 255, 255, 16))

    # Seams: the gap between the buttons and the curved edge of the shell.
    dark = (14, 14, 16, 255)
    c.line([(cx, top + 1), (cx, y_at(split) - 1)], 1.6, dark)
    seam_y = lambda px: y_at(split) + 5.5 * math.sin(math.pi * (px - cx + 36) / 72.0)
    fill(c, lambda px, py: abs(px - cx) <= 36 and abs(py - seam_y(px)) <= 0.8 and abs(px - cx) <= half_width(py) - 1,
         (cx - 36, y_at(split) - 1, cx + 36, y_at(split) + 7.5), dark)

    # Wheel in its slot, ridged, with a red rim light.
    wy0, wy1 = y_at(0.095), y_at(0.255)
    c.rect(cx - 6.5, wy0 - 1.5, 13, wy1 - wy0 + 3, (255, 49, 53, 110), radius=6)
    c.rect(cx - 5.5, wy0 - 0.5, 11, wy1 - wy0 + 1, (10, 10, 12, 255), radius=5)
    c.rect(cx - 3.6, wy0 + 1.5, 7.2, wy1 - wy0 - 3, (82, 82, 90, 255), radius=3.5)
    y = wy0 + 3.5
    while y < wy1 - 3:
        c.line([(cx - 3, y), (cx + 3, y)], 0.8, (48, 48, 54, 255))
        y += 2.6
    # DPI button behind the wheel.
    dy = y_at(0.29)
    c.rect(cx - 4, dy, 8, 6, (10, 10, 12, 255), radius=2.5)
    c.rect(cx - 3, dy + 1, 6, 4, (92, 92, 100, 255), radius=2)

    # Side buttons on the left flank.
    for t0, t1 in ((0.35, 0.43), (0.445, 0.525)):
        y0, y1 = y_at(t0), y_at(t1)
        xl = cx - min(widths[int(y0)], widths[int(y1)]) + 2.5
        c.rect(xl, y0, 5, y1 - y0, (10, 10, 12, 255), radius=2)
        c.rect(xl + 1, y0 + 1, 3, y1 - y0 - 2, (88, 88, 96, 255), radius=1.5)

    # Light strips along both flanks, with their glow.
    s0, s1 = y_at(0.56), y_at(0.90)

    def strip(side, half):
        def inside(px, py):
            if py < s0 or py > s1:
                return False
            return abs(px - (cx + side * (half_width(py) - 3.6))) <= half
        return inside

    for side in (-1, 1):
        xa, xb = sorted((cx + side * 28, cx + side * 46))
        fill(c, strip(side, 2.5), (xa, s0, xb, s1), (255, 49, 53, 60))
        fill(c, strip(side, 0.9), (xa, s0, xb, s1), RED)

    # Logo on the palm rest: a chevron.
    ly = y_at(0.74)
    c.polygon([(cx - 9, ly - 6), (cx, ly + 2), (cx + 9, ly - 6), (cx + 9, ly - 1), (cx, ly + 7), (cx - 9, ly - 1)],
              (255, 49, 53, 230))
    return c


def pictures():
    return {
        "deviceLogo/Keyboard_Gameing.png": keyboard_tile(),
        "hidImages/Keyboard_Bovelli.png": gaming_mouse(),
        "softKeyboardDef.png": keyboard_logo(),
        "MouseDef.png": mouse_logo(),
        "device/defaultDef.png": default_picture(False),
        "device/defaultSel.png": default_picture(True),
    }
