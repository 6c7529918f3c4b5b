"""Pictures of the lighting panel: add-colour slot, slider handle, full-colour
icon, direction buttons, and the swatch delete button."""
import colorsys
import math

from canvas import Canvas

GREY = (150, 150, 150, 255)
RED = (255, 49, 53, 255)
WHITE = (255, 255, 255, 255)
DARK = (60, 60, 60, 255)


def add_color(selected):
    c = Canvas(12, 12)
    colour = RED if selected else GREY
    c.rect_outline(0.5, 0.5, 11, 11, 1, colour, radius=1.5)
    c.line([(6, 3), (6, 9)], 1.4, colour)
    c.line([(3, 6), (9, 6)], 1.4, colour)
    return c


def slider_handle():
    c = Canvas(20, 16)
    c.circle(10, 8, 7, (230, 230, 230, 255))
    c.ring(10, 8, 7, 1.2, (120, 120, 120, 255))
    c.circle(10, 8, 2.5, RED)
    return c


def full_color():
    c = Canvas(20, 20)

    def hue(x, y):
        dx, dy = x + 0.5 - 10, y + 0.5 - 10
        d = math.hypot(dx, dy)
        if d > 9:
            return (0, 0, 0, 0)
        h = (math.atan2(dy, dx) / (2 * math.pi)) % 1.0
        r, g, b = colorsys.hsv_to_rgb(h, min(1.0, d / 6.0), 1.0)
        alpha = 255 if d <= 8.5 else 255 * (9 - d) / 0.5
        return (r * 255, g * 255, b * 255, alpha)
    c.pixel_fill(hue)
    return c


def arrow(c, tip, back, colour, head=3.2, width=1.6):
    """A straight arrow from back to tip."""
    (tx, ty), (bx, by) = tip, back
    length = math.hypot(tx - bx, ty - by)
    ux, uy = (tx - bx) / length, (ty - by) / length
    nx, ny = -uy, ux
    base = (tx - ux * head * 1.3, ty - uy * head * 1.3)
    c.line([back, base], width, colour)
    c.polygon([(tx, ty), (base[0] + nx * head, base[1] + ny * head),
               (base[0] - nx * head, base[1] - ny * head)], colour)


def rotation(c, clockwise, colour):
    """A three-quarter circle with an arrowhead at its end."""
    cx, cy, r = 9, 9, 5.5
    start, end = -math.pi / 2, math.pi  # from the top round to the left side
    steps = 24
    pts = []
    for i in range(steps + 1):
        a = start + (end - start) * i / steps
        x = cx + r * math.cos(a)
        if not clockwise:
            x = 2 * cx - x
        pts.append((x, cy + r * math.sin(a)))
    c.line(pts[:-3], 1.6, colour)
    tx, ty = pts[-1]
    px, py = pts[-4]
    dx, dy = tx - px, ty - py
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    nx, ny = -uy, ux
    c.polygon([(tx + ux * 1.5, ty + uy * 1.5), (px + nx * 3, py + ny * 3), (px - nx * 3, py - ny * 3)], colour)


def direction(kind, selected):
    c = Canvas(18, 18)
    colour = RED if selected else GREY
    c.rect_outline(0.5, 0.5, 17, 17, 1, colour if selected else DARK, radius=3)
    if kind == "Left":
        arrow(c, (3.5, 9), (14.5, 9), colour)
    elif kind == "Right":
        arrow(c, (14.5, 9), (3.5, 9), colour)
    elif kind == "Up":
        arrow(c, (9, 3.5), (9, 14.5), colour)
    elif kind == "Down":
        arrow(c, (9, 14.5), (9, 3.5), colour)
    elif kind == "Gather":
        arrow(c, (7.8, 9), (2.5, 9), colour, head=2.4, width=1.3)
        arrow(c, (10.2, 9), (15.5, 9), colour, head=2.4, width=1.3)
    elif kind == "Dispersion":
        arrow(c, (2.5, 9), (7.5, 9), colour, head=2.4, width=1.3)
        arrow(c, (15.5, 9), (10.5, 9), colour, head=2.4, width=1.3)
    elif kind == "Cw":
        rotation(c, True, colour)
    elif kind == "Uncw":
        rotation(c, False, colour)
    return c


def delete_button(selected):
    c = Canvas(18, 18)
    colour = RED if selected else GREY
    # A bin: lid, handle, body with two grooves.
    c.line([(3.5, 5), (14.5, 5)], 1.4, colour)
    c.line([(7, 5), (7.5, 3), (10.5, 3), (11, 5)], 1.2, colour)
    c.rect_outline(5, 6.5, 8, 9, 1.3, colour, radius=1.2)
    c.line([(7.7, 8.5), (7.7, 13.5)], 1.1, colour)
    c.line([(10.3, 8.5), (10.3, 13.5)], 1.1, colour)
    return c


def pictures():
    result = {
        "deviceLed/addColorDef.png": add_color(False),
        "deviceLed/addColorSel.png": add_color(True),
        "deviceLed/sliderDef.png": slider_handle(),
        "deviceLed/fullColor.png": full_color(),
        "macro/deleteDef.png": delete_button(False),
        "macro/deleteSel.png": delete_button(True),
    }
    for kind in ("Left", "Right", "Up", "Down", "Gather", "Dispersion", "Cw", "Uncw"):
        result["deviceLed/Light%sDef.png" % kind] = direction(kind, False)
        result["deviceLed/Light%sSel.png" % kind] = direction(kind, True)
    return result
