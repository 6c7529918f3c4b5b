"""A small RGBA canvas with anti-aliased shapes, written as PNG.

Every picture of the program's resource tree that we draw ourselves is made
with this canvas, so the output is byte-for-byte the same on every machine
(pure Python, no fonts, no floating-point formatting in the file).
"""
import math
import struct
import zlib

SAMPLES = 4  # per axis: 16 samples a pixel


def _clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(round(v))


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [list(background) for _ in range(width * height)]

    # -- compositing -------------------------------------------------------
    def _blend(self, x, y, colour, coverage):
        if coverage <= 0:
            return
        r, g, b = colour[:3]
        a = (colour[3] if len(colour) > 3 else 255) / 255.0 * coverage
        p = self.pixels[y * self.width + x]
        da = p[3] / 255.0
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        for i, c in enumerate((r, g, b)):
            p[i] = _clamp((c * a + p[i] * da * (1 - a)) / oa)
        p[3] = _clamp(oa * 255)

    def shape(self, inside, bbox, colour):
        """Fills every sample point for which inside(x, y) is true.

        bbox = (x0, y0, x1, y1) in pixels limits the work."""
        x0, y0, x1, y1 = bbox
        x0 = max(0, int(math.floor(x0)))
        y0 = max(0, int(math.floor(y0)))
        x1 = min(self.width, int(math.ceil(x1)))
        y1 = min(self.height, int(math.ceil(y1)))
        step = 1.0 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    self._blend(x, y, colour, hits / total)

    # -- shapes --------------------------------------------------------------
    def rect(self, x, y, w, h, colour, radius=0):
        def inside(px, py):
            if px < x or py < y or px > x + w or py > y + h:
                return False
            if radius <= 0:
                return True
            cx = min(max(px, x + radius), x + w - radius)
            cy = min(max(py, y + radius), y + h - radius)
            return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius
        self.shape(inside, (x, y, x + w, y + h), colour)

    def rect_outline(self, x, y, w, h, width, colour, radius=0):
        inner_r = max(0, radius - width)

        def inside_box(px, py, bx, by, bw, bh, r):
            if px < bx or py < by or px > bx + bw or py > by + bh:
                return False
            if r <= 0:
                return True
            cx = min(max(px, bx + r), bx + bw - r)
            cy = min(max(py, by + r), by + bh - r)
            return (px - cx) ** 2 + (py - cy) ** 2 <= r * r

        def inside(px, py):
            return inside_box(px, py, x, y, w, h, radius) and not inside_box(
                px, py, x + width, y + width, w - 2 * width, h - 2 * width, inner_r)
        self.shape(inside, (x, y, x + w, y + h), colour)

    def circle(self, cx, cy, r, colour):
        self.shape(lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r,
                   (cx - r, cy - r, cx + r, cy + r), colour)

    def ring(self, cx, cy, r, width, colour):
        ri = r - width
        self.shape(lambda px, py: ri * ri <= (px - cx) ** 2 + (py - cy) ** 2 <= r * r,
                   (cx - r, cy - r, cx + r, cy + r), colour)

    def line(self, points, width, colour, closed=False):
        """A polyline of the given stroke width with round joins and caps."""
        pts = list(points)
        if closed:
            pts.append(pts[0])
        half = width / 2.0
        segs = list(zip(pts, pts[1:]))

        def inside(px, py):
            for (ax, ay), (bx, by) in segs:
                dx, dy = bx - ax, by - ay
                ll = dx * dx + dy * dy
                t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
                qx, qy = ax + t * dx - px, ay + t * dy - py
                if qx * qx + qy * qy <= half * half:
                    return True
            return False
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape(inside, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), colour)

    def polygon(self, points, colour):
        pts = list(points)

        def inside(px, py):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape(inside, (min(xs), min(ys), max(xs), max(ys)), colour)

    def pixel_fill(self, fn):
        """Sets every pixel from fn(x, y) -> (r, g, b, a): gradients and the like."""
        for y in range(self.height):
            for x in range(self.width):
                self.pixels[y * self.width + x] = [_clamp(v) for v in fn(x, y)]

    # -- output --------------------------------------------------------------
    def png(self):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            for x in range(self.width):
                rows += bytes(self.pixels[y * self.width + x])

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        out = b"\x89PNG\r\n\x1a\n"
        out += chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0))
        out += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
        out += chunk(b"IEND", b"")
        return out
