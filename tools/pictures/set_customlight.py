"""Pictures of the custom-light rows and the lighting save prompt: the rename
row's confirm and cancel buttons and the prompt's close button.

The idle pictures sit on every theme's colours (near black to near white,
blue, pink), so their light marks carry a dark edge."""
from canvas import Canvas

EDGE = (40, 40, 40, 170)
LIGHT = (225, 225, 225, 255)
RED = (255, 49, 53, 255)
WHITE = (255, 255, 255, 255)


def edged_lines(c, lines, width, colour, edge):
    if edge:
        for points in lines:
            c.line(points, width + 1.6, EDGE)
    for points in lines:
        c.line(points, width, colour)


def round_button(selected, mark):
    # A ring when idle; filled under the mouse.
    c = Canvas(18, 18)
    if selected:
        c.circle(9, 9, 8.5, RED)
    else:
        c.ring(9, 9, 8.5, 2.6, EDGE)
        c.ring(9, 9, 7.7, 1.2, LIGHT)
    if mark == "tick":
        lines = [[(5, 9.5), (8, 12.5), (13, 6)]]
    else:
        lines = [[(6, 6), (12, 12)], [(12, 6), (6, 12)]]
    edged_lines(c, lines, 1.6, WHITE if selected else LIGHT, not selected)
    return c


def close_window(selected):
    c = Canvas(16, 16)
    lines = [[(3.5, 3.5), (12.5, 12.5)], [(12.5, 3.5), (3.5, 12.5)]]
    edged_lines(c, lines, 1.8, RED if selected else LIGHT, not selected)
    return c


def pictures():
    return {
        "macro/sureDef.png": round_button(False, "tick"),
        "macro/sureSel.png": round_button(True, "tick"),
        "macro/cancelDef.png": round_button(False, "cross"),
        "macro/cancelSel.png": round_button(True, "cross"),
        "mainpage/closeWindowDef.png": close_window(False),
        "mainpage/closeWindowSel.png": close_window(True),
    }
