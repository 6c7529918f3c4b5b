"""Pictures of the device page: the key-function and lighting-effect rows
(each a grey normal picture and its red "Sel" twin), the side bar's panel
buttons, the lights on/off switch and the explanation mark."""
import math

from canvas import Canvas

GREY = (185, 185, 185, 255)
RED = (255, 49, 53, 255)
WHITE = (245, 245, 245, 255)
DARK = (60, 60, 60, 255)

S = 16  # row pictures, drawn by the row at 15 or 16 pixels


def arrow_head(c, tip, direction, size, colour):
    """A filled triangle pointing along direction (dx, dy) from its tip."""
    dx, dy = direction
    length = math.hypot(dx, dy)
    dx, dy = dx / length, dy / length
    bx, by = tip[0] - dx * size, tip[1] - dy * size
    px, py = -dy * size * 0.6, dx * size * 0.6
    c.polygon([tip, (bx + px, by + py), (bx - px, by - py)], colour)


def sine(x0, x1, y, amplitude, periods, phase=0.0, steps=24):
    return [(x0 + (x1 - x0) * i / steps,
             y + amplitude * math.sin(phase + 2 * math.pi * periods * i / steps)) for i in range(steps + 1)]


# -- key functions ------------------------------------------------------------
def macro(c, k):
    c.ring(8, 8, 6.5, 1.4, k)
    c.circle(8, 8, 3, k)


def remap_key(c, k):
    c.rect_outline(1, 4, 6, 6, 1.2, k, radius=1.2)
    c.line([(8.5, 7), (13.5, 7)], 1.4, k)
    arrow_head(c, (15.5, 7), (1, 0), 3, k)
    c.rect(3, 12, 11, 1.4, k)


def mouse(c, k):
    c.rect_outline(4, 1.5, 8, 13, 1.3, k, radius=4)
    c.line([(8, 2), (8, 6.5)], 1.2, k)


def text(c, k):
    c.line([(3, 3), (13, 3)], 1.8, k)
    c.line([(8, 3), (8, 14)], 1.8, k)


def disable(c, k):
    c.ring(8, 8, 6.5, 1.5, k)
    c.line([(3.6, 12.4), (12.4, 3.6)], 1.5, k)


def multimedia(c, k):
    c.circle(5, 12, 2.5, k)
    c.circle(12, 10.5, 2.5, k)
    c.line([(7.2, 12), (7.2, 2.5), (14.2, 1.5), (14.2, 10.5)], 1.3, k)


def combination_key(c, k):
    c.rect_outline(1, 1, 6, 6, 1.2, k, radius=1.2)
    c.rect_outline(9, 9, 6, 6, 1.2, k, radius=1.2)
    c.line([(12, 2), (12, 6)], 1.3, k)
    c.line([(10, 4), (14, 4)], 1.3, k)


def shortcuts(c, k):
    c.polygon([(9.5, 0.5), (3, 9), (7.5, 9), (6, 15.5), (13, 6.5), (8.5, 6.5)], k)


def switch_profile(c, k):
    c.line([(2, 5), (12, 5)], 1.4, k)
    arrow_head(c, (15, 5), (1, 0), 3.5, k)
    c.line([(4, 11), (14, 11)], 1.4, k)
    arrow_head(c, (1, 11), (-1, 0), 3.5, k)


def open_app(c, k):
    c.line([(8, 2), (2, 2), (2, 14), (14, 14), (14, 8)], 1.3, k)
    c.line([(7, 9), (14, 2)], 1.4, k)
    arrow_head(c, (15, 1), (1, -1), 4, k)


# -- lighting effects ---------------------------------------------------------
def static(c, k):
    c.circle(8, 8, 5.5, k)


def neon(c, k):
    c.ring(8, 8, 7, 1.2, k)
    c.ring(8, 8, 4.5, 1.2, k)
    c.circle(8, 8, 2, k)


def breath(c, k):
    c.circle(8, 8, 7, k[:3] + (70,))
    c.circle(8, 8, 5, k[:3] + (150,))
    c.circle(8, 8, 3, k)


def wave(c, k):
    c.line(sine(1, 15, 8, 4, 1.25), 1.6, k)


def twinkle(c, k):
    def star(cx, cy, r):
        pts = []
        for i in range(8):
            rr = r if i % 2 == 0 else r * 0.35
            a = math.pi / 4 * i - math.pi / 2
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        c.polygon(pts, k)
    star(6, 9, 6)
    star(13, 3.5, 3)


def snack(c, k):
    c.line([(1.5, 12), (5, 4), (8, 12), (11, 4), (13.5, 10)], 1.6, k)
    c.circle(13.8, 10.5, 1.8, k)


def radar(c, k):
    c.ring(8, 8, 7, 1.1, k)
    c.ring(8, 8, 4, 1.1, k)
    c.polygon([(8, 8), (8, 1), (12.5, 2.6)], k)


def auto_ripple(c, k):
    c.ring(8, 8, 7, 1.1, k[:3] + (120,))
    c.ring(8, 8, 4.5, 1.2, k)
    c.circle(8, 8, 1.8, k)
    arrow_head(c, (15.2, 4), (0.6, 1), 3, k)


def striation(c, k):
    for x in (-4, 1, 6, 11):
        c.line([(x, 15), (x + 8, 1)], 1.6, k)


def aurora(c, k):
    c.line(sine(1, 15, 5, 2.2, 1, 0.5), 1.4, k)
    c.line(sine(1, 15, 9, 2.2, 1, 1.4), 1.4, k[:3] + (190,))
    c.line(sine(1, 15, 13, 2.2, 1, 2.3), 1.4, k[:3] + (130,))


def ripple(c, k):
    c.circle(8, 8, 1.8, k)
    c.ring(8, 8, 4.6, 1.2, k)
    c.ring(8, 8, 7.4, 1.2, k[:3] + (140,))


def reactive(c, k):
    c.rect_outline(5, 5, 6, 6, 1.2, k, radius=1)
    for a in range(8):
        ang = a * math.pi / 4
        c.line([(8 + 5 * math.cos(ang), 8 + 5 * math.sin(ang)),
                (8 + 7.5 * math.cos(ang), 8 + 7.5 * math.sin(ang))], 1.2, k)


def cross(c, k):
    c.rect(6.5, 1, 3, 14, k)
    c.rect(1, 6.5, 14, 3, k)


def dpi(c, k):
    pts = [(8 + 6.5 * math.cos(a), 10 + 6.5 * math.sin(a))
           for a in [math.pi + math.pi * i / 16 for i in range(17)]]
    c.line(pts, 1.5, k)
    c.line([(8, 10), (12, 5)], 1.5, k)
    c.circle(8, 10, 1.6, k)
    c.rect(2, 13, 12, 1.4, k)


def fireworks(c, k):
    for a in range(10):
        ang = a * math.pi / 5
        c.line([(8 + 2.5 * math.cos(ang), 8 + 2.5 * math.sin(ang)),
                (8 + 6.5 * math.cos(ang), 8 + 6.5 * math.sin(ang))], 1.2, k)
        c.circle(8 + 7.2 * math.cos(ang), 8 + 7.2 * math.sin(ang), 0.8, k)


def speed_respond(c, k):
    c.line([(2, 3), (7, 8), (2, 13)], 1.7, k)
    c.line([(8, 3), (13, 8), (8, 13)], 1.7, k)


def musical_rhythm(c, k):
    for x, h in ((1.5, 6), (4.5, 11), (7.5, 8), (10.5, 13), (13.2, 5)):
        c.rect(x, 15 - h, 2, h, k)


def custom_led(c, k):
    for x in (1.5, 8.5):
        for y in (1.5, 8.5):
            c.rect(x, y, 6, 6, k if (x + y) % 2 == 1 else k[:3] + (150,), radius=1)


def collision(c, k):
    c.line([(1, 8), (5.5, 8)], 1.5, k)
    arrow_head(c, (8, 8), (1, 0), 3, k)
    c.line([(10.5, 8), (15, 8)], 1.5, k)
    arrow_head(c, (8, 8), (-1, 0), 3, k)
    c.line([(8, 2), (8, 4.5)], 1.2, k)
    c.line([(8, 11.5), (8, 14)], 1.2, k)


ROWS = {
    "device/macro": macro,
    "device/RemapKey": remap_key,
    "device/mouse": mouse,
    "device/text": text,
    "device/disable": disable,
    "device/multimedia": multimedia,
    "device/combinationKey": combination_key,
    "device/Shortcuts": shortcuts,
    "device/SwitchProfile": switch_profile,
    "device/openApp": open_app,
    "deviceLed/Static": static,
    "deviceLed/Neon": neon,
    "deviceLed/Breath": breath,
    "deviceLed/Wave": wave,
    "deviceLed/Twinkle": twinkle,
    "deviceLed/Snack": snack,
    "deviceLed/Radar": radar,
    "deviceLed/AutoRipple": auto_ripple,
    "deviceLed/Striation": striation,
    "deviceLed/Aurora": aurora,
    "deviceLed/Ripple": ripple,
    "deviceLed/Reactive": reactive,
    "deviceLed/Cross": cross,
    "deviceLed/Dpi": dpi,
    "deviceLed/Fireworks": fireworks,
    "deviceLed/SpeedRespond": speed_respond,
    "deviceLed/MusicalRhythm": musical_rhythm,
    "deviceLed/CustomLed": custom_led,
    "deviceLed/Collision": collision,
}


def row_picture(draw, colour):
    c = Canvas(S, S)
    draw(c, colour)
    return c


# -- side bar (28 x 28) -------------------------------------------------------
def key_custom(colour):
    """Key customisation: a key cap with a pointer over it."""
    c = Canvas(28, 28)
    c.rect_outline(3, 5, 17, 15, 1.8, colour, radius=3)
    c.line([(8, 10), (15, 10)], 1.6, colour)
    c.line([(8, 14.5), (12, 14.5)], 1.6, colour)
    c.polygon([(16, 14), (16, 26), (19, 23), (22, 27.5), (24, 26.5), (21, 22), (25, 21.5)], colour)
    return c


def light(colour):
    """Lighting: a bulb with rays."""
    c = Canvas(28, 28)
    c.ring(14, 12, 6.5, 1.8, colour)
    c.rect(11, 18, 6, 2, colour, radius=0.8)
    c.rect(11.5, 21.5, 5, 2, colour, radius=0.8)
    for ang in (-150, -120, -90, -60, -30):
        a = math.radians(ang)
        c.line([(14 + 9 * math.cos(a), 12 + 9 * math.sin(a)),
                (14 + 12 * math.cos(a), 12 + 12 * math.sin(a))], 1.6, colour)
    return c


def capability(colour):
    """Performance: a gauge."""
    c = Canvas(28, 28)
    pts = [(14 + 10 * math.cos(a), 17 + 10 * math.sin(a))
           for a in [math.pi * (0.85 + 1.3 * i / 24) for i in range(25)]]
    c.line(pts, 2, colour)
    c.line([(14, 17), (19.5, 10)], 2, colour)
    c.circle(14, 17, 2.4, colour)
    return c


# -- switch and explanation ---------------------------------------------------
def led_switch(on):
    c = Canvas(45, 26)
    track = RED if on else (90, 90, 90, 255)
    c.rect(1, 3, 43, 20, track, radius=10)
    knob_x = 33 if on else 12
    c.circle(knob_x, 13, 8, WHITE)
    return c


def question():
    c = Canvas(14, 14)
    c.circle(7, 7, 6.8, GREY)
    pts = [(7 + 2.6 * math.cos(a), 5.2 + 2.6 * math.sin(a))
           for a in [math.pi * (1.0 + 1.35 * i / 12) for i in range(13)]]
    c.line(pts + [(7, 8.4)], 1.5, DARK)
    c.circle(7, 11, 1, DARK)
    return c


def pictures():
    result = {}
    for stem, draw in ROWS.items():
        result[stem + "Def.png"] = row_picture(draw, GREY)
        result[stem + "Sel.png"] = row_picture(draw, RED)
    for stem, draw in (("customMade", key_custom), ("led", light)):
        result[stem + "Def.png"] = draw(GREY)
        result[stem + "Sel.png"] = draw(RED)
    result["capabilityDef.png"] = capability(GREY)
    result["deviceLed/ledOn.png"] = led_switch(True)
    result["deviceLed/ledOff.png"] = led_switch(False)
    result["publicIco/question.png"] = question()
    return result
