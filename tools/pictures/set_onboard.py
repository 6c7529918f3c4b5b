"""Pictures of the profile rows: the operate button's three dots.

The idle dots sit on every theme's list colours (near black to near white,
blue, pink), so they carry a dark edge."""
from canvas import Canvas

EDGE = (40, 40, 40, 170)
LIGHT = (210, 210, 210, 255)
RED = (255, 49, 53, 255)


def operate_dots(selected):
    # Stretched as a border image over a button of about 32 x 38.
    c = Canvas(32, 38)
    for cx in (9, 16, 23):
        if not selected:
            c.circle(cx, 19, 3.1, EDGE)
        c.circle(cx, 19, 2.3, RED if selected else LIGHT)
    return c


def pictures():
    return {
        "publicIco/dianDef.png": operate_dots(False),
        "publicIco/dianSel.png": operate_dots(True),
    }
