"""Pictures shared by several pages: check boxes and combo arrows."""
from canvas import Canvas

GREY = (150, 150, 150, 255)
RED = (255, 49, 53, 255)
WHITE = (255, 255, 255, 255)


def check_box(selected):
    c = Canvas(16, 16)
    if selected:
        c.rect(1, 1, 14, 14, RED, radius=2)
        c.line([(4, 8), (7, 11), (12, 5)], 2, WHITE)
    else:
        c.rect_outline(1, 1, 14, 14, 1.5, GREY, radius=2)
    return c


def combo_arrow(selected):
    c = Canvas(12, 8)
    c.polygon([(1, 1.5), (11, 1.5), (6, 7)], RED if selected else GREY)
    return c


def pictures():
    return {
        "publicIco/checkBoxDef.png": check_box(False),
        "publicIco/checkBoxSel.png": check_box(True),
        "publicIco/comboxDef.png": combo_arrow(False),
        "publicIco/comboxSel.png": combo_arrow(True),
    }
