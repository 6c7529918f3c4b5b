"""The mouse pages' pictures: the lighting zone buttons (scroll wheel, the
light around the mouse, the logo), the zone link, the DPI rows' radio button
and the small logo mark."""
from canvas import Canvas

GREY = (150, 150, 150, 255)
DIM = (150, 150, 150, 110)
RED = (255, 49, 53, 255)
WHITE = (255, 255, 255, 255)


def _mouse_outline(c, cx, top, w, h, colour, stroke):
    """A mouse seen from above: a long rounded body with the button seam."""
    c.rect_outline(cx - w / 2.0, top, w, h, stroke, colour, radius=w / 2.0)
    c.line([(cx, top + stroke), (cx, top + h * 0.36)], stroke * 0.8, colour)
    c.line([(cx - w / 2.0 + stroke, top + h * 0.40), (cx + w / 2.0 - stroke, top + h * 0.40)], stroke * 0.8, colour)


def zone_button(size, zone, selected):
    """Zone picture for a square button of the given size; the zone itself is
    drawn strong, the rest of the mouse faint."""
    c = Canvas(size, size)
    cx = size / 2.0
    h = size * 0.86
    w = h * 0.56
    top = (size - h) / 2.0
    stroke = max(1.2, size / 18.0)
    accent = RED if selected else GREY
    body = RED if selected else DIM
    _mouse_outline(c, cx, top, w, h, body, stroke)
    if zone == "Scroll":
        c.rect(cx - w * 0.13, top + h * 0.10, w * 0.26, h * 0.22, accent, radius=w * 0.13)
    elif zone == "Logo":
        y = top + h * 0.66
        d = w * 0.24
        c.line([(cx - d, y - d * 0.6), (cx, y + d * 0.4), (cx + d, y - d * 0.6)], stroke * 1.3, accent)
    else:  # Around: the light strips down both flanks
        c.rect_outline(cx - w / 2.0, top, w, h, stroke * 1.6, accent, radius=w / 2.0)
    return c


def link(selected):
    """Two chain links side by side, for the 25 x 16 link buttons."""
    c = Canvas(25, 16)
    colour = RED if selected else GREY
    c.rect_outline(2.5, 4.5, 11, 7, 1.6, colour, radius=3.5)
    c.rect_outline(11.5, 4.5, 11, 7, 1.6, colour, radius=3.5)
    if selected:
        c.line([(9, 8), (16, 8)], 1.6, colour)
    return c


def radio(selected):
    c = Canvas(16, 16)
    if selected:
        c.circle(8, 8, 7, RED)
        c.circle(8, 8, 3, WHITE)
    else:
        c.ring(8, 8, 7, 1.5, GREY)
    return c


def small_logo():
    c = Canvas(12, 12)
    c.polygon([(1, 3), (6, 8), (11, 3), (11, 6), (6, 11), (1, 6)], RED)
    return c


def pictures():
    result = {
        "publicIco/LinkDef.png": link(False),
        "publicIco/LinkSel.png": link(True),
        "publicIco/radioDef.png": radio(False),
        "publicIco/radioSel.png": radio(True),
        "publicIco/smallLogo.png": small_logo(),
    }
    for zone, size in (("Scroll", 22), ("Around", 32), ("Logo", 22)):
        result["MouseImg/mouse_%sDef.png" % zone] = zone_button(size, zone, False)
        result["MouseImg/mouse_%sSel.png" % zone] = zone_button(size, zone, True)
    return result
