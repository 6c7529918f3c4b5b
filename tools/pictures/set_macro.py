"""Pictures of the macro page: the list's import and add buttons, the Record
button's dot, the event table's clear, up and down buttons, the total time's
clock, and the event rows' kind and down/up marks. The rows' delete button
and the list rows' operate button are drawn with the pages that share them.

Buttons come in pairs: "Def" idle, "Sel" under the mouse. The idle marks sit
on every theme's colours (near black to near white, blue, pink), so their
light strokes carry a dark edge; the "Sel" ones are the accent red."""
from canvas import Canvas

EDGE = (40, 40, 40, 170)
LIGHT = (225, 225, 225, 255)
RED = (255, 49, 53, 255)


def strokes(c, lines, width, selected, closed=()):
    """Polylines in the pair's colour; idle ones over a dark edge."""
    if not selected:
        for i, points in enumerate(lines):
            c.line(points, width + 1.6, EDGE, closed=i in closed)
    for i, points in enumerate(lines):
        c.line(points, width, RED if selected else LIGHT, closed=i in closed)


def import_button(selected):
    """An arrow going down into a tray."""
    c = Canvas(20, 20)
    strokes(c, [[(10, 2.5), (10, 12)], [(6, 8.5), (10, 12.5), (14, 8.5)],
                [(3, 12.5), (3, 17), (17, 17), (17, 12.5)]], 1.8, selected)
    return c


def add_button(selected):
    """A plus in a ring."""
    c = Canvas(20, 20)
    colour = RED if selected else LIGHT
    if not selected:
        c.ring(10, 10, 9.2, 2.6, EDGE)
    c.ring(10, 10, 8.4, 1.6, colour)
    strokes(c, [[(10, 5.5), (10, 14.5)], [(5.5, 10), (14.5, 10)]], 1.8, selected)
    return c


def record_dot(selected):
    """A ring round a dot: idle, and recording."""
    c = Canvas(18, 18)
    if selected:
        c.ring(9, 9, 8.5, 1.8, RED)
        c.circle(9, 9, 4.6, RED)
    else:
        c.ring(9, 9, 8.6, 2.8, EDGE)
        c.ring(9, 9, 7.9, 1.4, LIGHT)
        c.circle(9, 9, 5.2, EDGE)
        c.circle(9, 9, 4.4, LIGHT)
    return c


def clear_button(selected):
    """The event list struck through: three lines and a cross."""
    c = Canvas(20, 20)
    strokes(c, [[(2.5, 4.5), (12.5, 4.5)], [(2.5, 9), (12.5, 9)], [(2.5, 13.5), (8.5, 13.5)],
                [(11.5, 12), (17, 17.5)], [(17, 12), (11.5, 17.5)]], 1.6, selected)
    return c


def arrow_button(selected, up):
    """An arrow with its stem."""
    c = Canvas(20, 20)
    if up:
        lines = [[(10, 17), (10, 3.5)], [(4.5, 9), (10, 3.5), (15.5, 9)]]
    else:
        lines = [[(10, 3), (10, 16.5)], [(4.5, 11), (10, 16.5), (15.5, 11)]]
    strokes(c, lines, 1.8, selected)
    return c


def clock(selected):
    c = Canvas(18, 18)
    colour = RED if selected else LIGHT
    if not selected:
        c.ring(9, 9, 8.6, 2.6, EDGE)
    c.ring(9, 9, 7.9, 1.5, colour)
    strokes(c, [[(9, 4.5), (9, 9), (12.5, 11)]], 1.5, selected)
    return c


def keyboard_kind():
    """The kind mark of a key event: a small keyboard."""
    c = Canvas(18, 18)
    c.rect_outline(1, 4, 16, 10, 1.3, RED, radius=2)
    for row, y in enumerate((6.6, 9.0)):
        for i in range(5):
            c.rect(3.3 + i * 2.5 + 0.6 * row, y, 1.5, 1.3, RED)
    c.rect(5.5, 11.3, 7, 1.2, RED)
    return c


def mouse_kind():
    """The kind mark of a mouse event: a small mouse."""
    c = Canvas(18, 18)
    c.rect_outline(4.5, 1.5, 9, 15, 1.3, RED, radius=4.5)
    c.line([(9, 2), (9, 7)], 1.1, RED)
    c.line([(5, 7.2), (13, 7.2)], 1.1, RED)
    return c


def key_state(down):
    """Down: a filled arrow pointing down in red; up: a hollow one pointing up."""
    c = Canvas(16, 16)
    if down:
        c.polygon([(3, 7), (13, 7), (8, 14)], RED)
        c.rect(6, 2, 4, 5.5, RED)
    else:
        strokes(c, [[(8, 14), (8, 3)], [(3.5, 7.5), (8, 3), (12.5, 7.5)]], 1.6, False)
    return c


def pictures():
    result = {
        "macro/keyboardSel.png": keyboard_kind(),
        "macro/mouseSel.png": mouse_kind(),
        "macro/keyDownSel.png": key_state(True),
        "macro/keyUpDef.png": key_state(False),
    }
    for selected, suffix in ((False, "Def"), (True, "Sel")):
        result["macro/download%s.png" % suffix] = import_button(selected)
        result["macro/add%s.png" % suffix] = add_button(selected)
        result["macro/record%s.png" % suffix] = record_dot(selected)
        result["macro/clearMacro%s.png" % suffix] = clear_button(selected)
        result["macro/moveUp%s.png" % suffix] = arrow_button(selected, True)
        result["macro/moveDown%s.png" % suffix] = arrow_button(selected, False)
        result["macro/time%s.png" % suffix] = clock(selected)
    return result
