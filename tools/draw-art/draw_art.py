#!/usr/bin/env python3
# Draws the editor's run-time pictures (rc/ menu and tool bitmaps, rc/Icon.ico, res/ textures) and its desktop icon with the standard library only.
"""Usage: draw_art.py REPOSITORY_ROOT

Every picture is a list of shapes given as signed distance functions in pixel
units (negative inside). A shape is filled with anti-aliasing by sampling each
pixel on a grid; shapes with an outline get a band of the outline colour just
inside their edge, so outlines never grow a picture past its design box.
"""

import math
import os
import struct
import sys
import zlib

# ---- palette: one set of colours for every picture ----

INK = (0x26, 0x2B, 0x36)  # outline; dark enough for a light theme, the fills carry a dark one
PAPER = (0xF4, 0xF6, 0xFA)
PAPER_SHADE = (0xC8, 0xD0, 0xDC)
METAL = (0xB4, 0xBE, 0xCC)
BLUE = (0x3F, 0x86, 0xD8)
GREEN = (0x4C, 0xB0, 0x50)
RED = (0xE0, 0x45, 0x3A)
FOLDER_BACK = (0xD9, 0x9A, 0x2B)
FOLDER_FRONT = (0xF6, 0xC9, 0x5A)
WOOD = (0xB5, 0x7A, 0x45)
PENCIL = (0xF6, 0xC9, 0x5A)
PENCIL_TIP = (0xE8, 0xC8, 0x9E)
NEUTRAL = (0xA7, 0xB0, 0xBE)
FLAME_OUTER = (0xF2, 0x66, 0x2B)
FLAME_MID = (0xFF, 0x9F, 0x1C)
FLAME_CORE = (0xFF, 0xE0, 0x66)
WHITE = (0xFF, 0xFF, 0xFF)

STROKE = 1.0  # outline width of the 16-pixel pictures
SUBSAMPLES = 6  # per pixel side


# ---- shapes ----

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return d


def polygon(points):
    """Exact signed distance to a simple polygon (even-odd inside test)."""
    pts = list(points)
    n = len(pts)

    def d(x, y):
        best = float("inf")
        inside = False
        j = n - 1
        for i in range(n):
            ax, ay = pts[j]
            bx, by = pts[i]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            dx, dy = wx - ex * t, wy - ey * t
            best = min(best, dx * dx + dy * dy)
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
            j = i
        dist = math.sqrt(best)
        return -dist if inside else dist

    return d


def stroke(points, half_width):
    """A polyline with round ends and joins."""
    segments = list(zip(points, points[1:]))

    def d(x, y):
        best = float("inf")
        for (ax, ay), (bx, by) in segments:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
        return best - half_width

    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def arc_points(cx, cy, r, start_deg, end_deg, steps=48):
    """Points along a circle; angles grow clockwise on screen (y points down)."""
    out = []
    for k in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * k / steps)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def ring_sector(cx, cy, r_mid, half_width, start_deg, end_deg):
    outer = arc_points(cx, cy, r_mid + half_width, start_deg, end_deg)
    inner = arc_points(cx, cy, r_mid - half_width, start_deg, end_deg)
    return polygon(outer + inner[::-1])


def quad_bezier(p0, p1, p2, steps=24):
    out = []
    for k in range(steps + 1):
        t = k / steps
        u = 1 - t
        out.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return out


def scaled(points, s):
    return [(x * s, y * s) for x, y in points]


# ---- canvas ----

class Canvas:
    """Premultiplied RGBA in floats 0..1; written out with straight alpha."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        self.clear = (0, 0, 0)  # colour written into fully transparent pixels

    def _coverage(self, shape, x, y, threshold):
        centre = shape(x + 0.5, y + 0.5)
        if centre - threshold > 0.75:
            return 0.0
        if centre - threshold < -0.75:
            return 1.0
        hits = 0
        for j in range(SUBSAMPLES):
            sy = y + (j + 0.5) / SUBSAMPLES
            for i in range(SUBSAMPLES):
                if shape(x + (i + 0.5) / SUBSAMPLES, sy) <= threshold:
                    hits += 1
        return hits / (SUBSAMPLES * SUBSAMPLES)

    def _blend(self, index, colour, alpha):
        if alpha <= 0:
            return
        p = self.px[index]
        keep = 1.0 - alpha
        for c in range(3):
            p[c] = colour[c] / 255.0 * alpha + p[c] * keep
        p[3] = alpha + p[3] * keep

    def draw(self, shape, fill, outline=None, width=STROKE, opacity=1.0):
        for y in range(self.height):
            for x in range(self.width):
                index = y * self.width + x
                if outline is None:
                    self._blend(index, fill, opacity * self._coverage(shape, x, y, 0.0))
                    continue
                outer = self._coverage(shape, x, y, 0.0)
                if outer == 0.0:
                    continue
                self._blend(index, outline, opacity * outer)
                self._blend(index, fill, opacity * self._coverage(shape, x, y, -width))

    def draw_pixels(self, inside, colour, outline):
        """Pixel art without smoothing: `inside(x, y)` picks whole pixels, those with a
        neighbour outside take the outline colour, and a one-pixel clear margin sets
        the glyph apart from what it overlaps."""
        def hit(x, y):
            return 0 <= x < self.width and 0 <= y < self.height and inside(x, y)

        for y in range(self.height):
            for x in range(self.width):
                if hit(x, y):
                    continue
                if any(hit(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    self.px[y * self.width + x] = [0.0, 0.0, 0.0, 0.0]
        for y in range(self.height):
            for x in range(self.width):
                if not hit(x, y):
                    continue
                edge = any(not hit(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                c = outline if edge else colour(x, y)
                self.px[y * self.width + x] = [v / 255.0 for v in c] + [1.0]

    def paint(self, alpha_of, colour):
        """Sets every pixel from a function of its centre (for gradients)."""
        for y in range(self.height):
            for x in range(self.width):
                a = max(0.0, min(1.0, alpha_of(x + 0.5, y + 0.5)))
                self.px[y * self.width + x] = [c / 255.0 * a for c in colour] + [a]

    def rgba_rows(self):
        """Straight-alpha 8-bit rows, top row first."""
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                a8 = round(a * 255)
                if a8 == 0:
                    row += bytes(self.clear) + b"\x00"
                    continue
                row += bytes(min(255, round(c / a * 255)) for c in (r, g, b))
                row.append(a8)
            rows.append(bytes(row))
        return rows


# ---- file formats ----

def png_bytes(canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in canvas.rgba_rows())
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def ico_bytes(canvases):
    """32-bit DIB entries with an AND mask: the form every ICO reader knows."""
    images = []
    for cv in canvases:
        w, h = cv.width, cv.height
        rows = cv.rgba_rows()
        xor = bytearray()
        mask = bytearray()
        mask_stride = ((w + 31) // 32) * 4
        for row in reversed(rows):  # DIBs are stored bottom-up
            bits = bytearray(mask_stride)
            for x in range(w):
                r, g, b, a = row[4 * x:4 * x + 4]
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((w, h, info + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


# ---- 16 x 16 menu and tool bitmaps ----

def art_new(cv):
    cv.draw(polygon([(3, 1), (9.5, 1), (13, 4.5), (13, 15), (3, 15)]), PAPER, INK)
    cv.draw(polygon([(9, 1), (9, 5.5), (13.5, 5.5)]), PAPER_SHADE, INK)


def art_file_open(cv):
    cv.draw(polygon([(1, 2), (6, 2), (8, 4), (14, 4), (14, 14), (1, 14)]), FOLDER_BACK, INK)
    cv.draw(polygon([(1, 14), (3.5, 7), (15, 7), (13, 14)]), FOLDER_FRONT, INK)


def disk(cv, x0, y0, size):
    """The floppy disk shared by "save" and "save as"; `size` is its side in pixels."""
    s = size / 14.0
    x1, y1 = x0 + size, y0 + size
    cv.draw(polygon([(x0, y0), (x1 - 3 * s, y0), (x1, y0 + 3 * s), (x1, y1), (x0, y1)]), BLUE, INK)
    cv.draw(box(x0 + 3 * s, y0, x1 - 4 * s, y0 + 5 * s), METAL, INK)
    cv.draw(box(x0 + 6.5 * s, y0 + 1, x0 + 8.5 * s, y0 + 4 * s), INK)
    cv.draw(box(x0 + 2 * s, y0 + 8 * s, x1 - 2 * s, y1), PAPER, INK)


def art_file_save(cv):
    disk(cv, 1, 1, 14)


def art_file_save_as(cv):
    disk(cv, 0, 0, 13)
    # The pencil is pixel art: at this size a smoothed diagonal blurs into a smudge.
    # Pixels with equal x + y lie along it, so its layers are the anti-diagonals
    # axis - 2 .. axis + 2; x - y runs along it from the point to the eraser.
    axis, point, shoulder, back = 21, -7, -2, 8

    def inside(x, y):
        across, along = abs(x + y - axis), x - y
        if along < point or along > back:
            return False
        if along < shoulder:
            return across <= 2 * (along - point) / (shoulder - point)
        return across <= 2

    def colour(x, y):
        along = x - y
        if along <= point + 1:
            return INK  # the lead
        if along < shoulder:
            return PENCIL_TIP
        return RED if along >= back - 2 else PENCIL

    cv.draw_pixels(inside, colour, INK)


def art_quit(cv):
    cv.draw(box(1, 1, 9, 15), WOOD, INK)
    shaft = box(5, 6, 11, 10)
    head = polygon([(10, 2.5), (15.5, 8), (10, 13.5)])
    cv.draw(union(shaft, head), RED, INK)


def art_plus(cv):
    cv.draw(union(box(1.5, 6, 14.5, 10, 0.6), box(6, 1.5, 10, 14.5, 0.6)), GREEN, INK)


def art_delete(cv):
    a = stroke([(3.6, 3.6), (12.4, 12.4)], 2.1)
    b = stroke([(12.4, 3.6), (3.6, 12.4)], 2.1)
    cv.draw(union(a, b), RED, INK)


def art_replay(cv):
    cx, cy, r, half = 7.2, 9.3, 4.4, 1.8
    end = 270.0  # the arrow runs clockwise and ends at the top, pointing into the gap
    ring = ring_sector(cx, cy, r, half, 8.0, end + 20.0)  # well into the head, or a seam shows
    a = math.radians(end)
    base = (cx + r * math.cos(a), cy + r * math.sin(a))
    radial = (math.cos(a), math.sin(a))
    tangent = (-math.sin(a), math.cos(a))
    wing = 4.5
    tip = (base[0] + tangent[0] * 5.6, base[1] + tangent[1] * 5.6)
    head = polygon([(base[0] + radial[0] * wing, base[1] + radial[1] * wing), tip,
                    (base[0] - radial[0] * wing, base[1] - radial[1] * wing)])
    cv.draw(union(ring, head), BLUE, INK)


def curved_arrow(cv, mirror):
    """A hooked arrow: a half ring opening downwards with its head at the lower end; mirrored for redo."""
    cx, cy, r, half = 8.6, 8.8, 4.4, 1.6
    ring = ring_sector(cx, cy, r, half, 200.0, 360.0 + 10.0)
    a = math.radians(200.0)
    base = (cx + r * math.cos(a), cy + r * math.sin(a))
    radial = (math.cos(a), math.sin(a))
    tangent = (math.sin(a), -math.cos(a))
    wing = 3.8
    tip = (base[0] + tangent[0] * 4.6, base[1] + tangent[1] * 4.6)
    head = polygon([(base[0] + radial[0] * wing, base[1] + radial[1] * wing), tip,
                    (base[0] - radial[0] * wing, base[1] - radial[1] * wing)])
    shape = union(ring, head)
    if mirror:
        inner = shape
        shape = lambda x, y: inner(16 - x, y)
    cv.draw(shape, BLUE, INK)


def art_undo(cv):
    curved_arrow(cv, False)


def art_redo(cv):
    curved_arrow(cv, True)


def art_null(cv):
    cv.draw(circle(8, 8, 3.5), NEUTRAL, INK)


def art_help(cv):
    cv.draw(circle(8, 8, 7.5), BLUE, INK)
    hook = arc_points(8, 6.3, 2.3, 180.0, 390.0, 24)
    hook.append((8.2, 8.6))
    hook.append((8.2, 9.6))
    cv.draw(stroke(hook, 1.0), WHITE)
    cv.draw(circle(8.2, 12.1, 1.15), WHITE)


def art_go_down(cv):
    shaft = box(5.5, 1, 10.5, 8)
    head = polygon([(1, 7), (15, 7), (8, 14.5)])
    cv.draw(union(shaft, head), GREEN, INK)


def art_pause(cv):
    cv.draw(union(box(3.5, 2.5, 7, 13.5, 0.6), box(9, 2.5, 12.5, 13.5, 0.6)), BLUE, INK)


def art_play(cv):
    cv.draw(polygon([(4, 2.2), (13.4, 8), (4, 13.8)]), GREEN, INK)


def art_step(cv):
    """A play triangle against a bar: forward by one frame."""
    cv.draw(union(polygon([(2.5, 2.8), (10, 8), (2.5, 13.2)]), box(10.5, 2.8, 13.5, 13.2, 0.5)), BLUE, INK)


def art_speed(cv):
    """Two chevrons, as on a fast-forward key."""
    first = stroke([(2.6, 3.2), (7.2, 8), (2.6, 12.8)], 1.5)
    second = stroke([(8.2, 3.2), (12.8, 8), (8.2, 12.8)], 1.5)
    cv.draw(union(first, second), BLUE, INK)


MENU_ART = {
    "wxART_NEW.png": art_new,
    "wxART_FILE_OPEN.png": art_file_open,
    "wxART_FILE_SAVE.png": art_file_save,
    "wxART_FILE_SAVE_AS.png": art_file_save_as,
    "wxART_QUIT.png": art_quit,
    "wxART_PLUS.png": art_plus,
    "wxART_DELETE.png": art_delete,
    "ID_REPLAY.png": art_replay,
    "wxART_NULL.png": art_null,
    "wxART_UNDO.png": art_undo,
    "wxART_REDO.png": art_redo,
    "wxART_HELP.png": art_help,
    "wxART_GO_DOWN.png": art_go_down,
    "ID_PREVIEW_PAUSE.png": art_pause,
    "ID_PREVIEW_PLAY.png": art_play,
    "ID_PREVIEW_STEP.png": art_step,
    "ID_PREVIEW_SPEED.png": art_speed,
}


# ---- window icon: a flame on a wick ----

def cubic_bezier(p0, p1, p2, p3, steps=24):
    out = []
    for k in range(steps + 1):
        t = k / steps
        u = 1 - t
        out.append(tuple(u * u * u * p0[i] + 3 * u * u * t * p1[i] + 3 * u * t * t * p2[i] + t * t * t * p3[i]
                         for i in range(2)))
    return out


def flame(s, k):
    """A flame whose tip leans to the right, in a 16-unit box scaled by `s`, shrunk by `k` towards its foot."""
    foot = (8.0, 13.8)
    cx, cy, r = 8.0, 9.4, 4.4
    bottom = arc_points(cx, cy, r, 0.0, 180.0, 24)
    left = (cx - r, cy)
    right = (cx + r, cy)
    tip = (9.6, 0.6)
    lside = cubic_bezier(left, (cx - r, 5.6), (6.4, 3.6), tip)
    rside = cubic_bezier(tip, (9.3, 3.4), (cx + r + 0.4, 5.0), right)
    outline = bottom + lside[1:] + rside[1:-1]
    return polygon([((foot[0] + (x - foot[0]) * k) * s, (foot[1] + (y - foot[1]) * k) * s) for x, y in outline])


def draw_icon(size):
    cv = Canvas(size, size)
    s = size / 16.0
    width = round(max(1.0, size / 24.0) * 2) / 2
    cv.draw(stroke(scaled([(8.0, 12.6), (8.0, 15.2)], s), 0.85 * s), INK)
    cv.draw(flame(s, 1.0), FLAME_OUTER, INK, width)
    cv.draw(flame(s, 0.7), FLAME_MID)
    cv.draw(flame(s, 0.42), FLAME_CORE)
    if size >= 32:
        # Sparks flying off: four-pointed stars, without outline so they show on dark panels too.
        for (cx, cy, r) in ((2.6, 4.0, 2.2), (13.6, 2.2, 1.6)):
            star = []
            for k in range(8):
                a = math.radians(45 * k - 90)
                rr = r if k % 2 == 0 else r * 0.34
                star.append(((cx + rr * math.cos(a)) * s, (cy + rr * math.sin(a)) * s))
            cv.draw(polygon(star), FLAME_MID)
    return cv


# ---- engine textures ----

def draw_particle_fire():
    """A white glow whose alpha falls off smoothly from an opaque core to nothing at the rim."""
    cv = Canvas(32, 32)

    def alpha(x, y):
        t = (math.hypot(x - 16, y - 16) - 2.0) / 13.5
        if t <= 0:
            return 1.0
        if t >= 1:
            return 0.0
        return (1 - t) ** 2 * (1 + 2 * t)  # smooth at both ends

    cv.paint(alpha, WHITE)
    # White in the see-through pixels too, so filtering without premultiplication shows no dark fringe.
    cv.clear = WHITE
    return cv


def draw_sprite():
    """A 64 x 64 figure: head, body, arms and legs in one colour, a dark outline and two eyes."""
    cv = Canvas(64, 64)
    body = union(
        circle(32, 14, 10),
        box(20, 25, 44, 47, 6),
        stroke([(21, 29), (11, 41)], 3.6),
        stroke([(43, 29), (53, 41)], 3.6),
        stroke([(26, 44), (24, 60)], 4.0),
        stroke([(38, 44), (40, 60)], 4.0),
    )
    cv.draw(body, BLUE, INK, 2.0)
    cv.draw(circle(28, 13, 2.2), WHITE)
    cv.draw(circle(36, 13, 2.2), WHITE)
    cv.draw(circle(28.6, 13.4, 1.1), INK)
    cv.draw(circle(36.6, 13.4, 1.1), INK)
    return cv


def write(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


APP_ID = "org.flarewick.Flarewick"
APP_ICON_SIZES = (16, 32, 48, 128, 256)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    rc = os.path.join(root, "rc")
    res = os.path.join(root, "res")
    os.makedirs(rc, exist_ok=True)
    os.makedirs(res, exist_ok=True)
    for name, art in MENU_ART.items():
        cv = Canvas(16, 16)
        art(cv)
        write(os.path.join(rc, name), png_bytes(cv))
    write(os.path.join(rc, "Icon.ico"), ico_bytes([draw_icon(n) for n in (16, 32, 48)]))
    write(os.path.join(res, "particle-fire.png"), png_bytes(draw_particle_fire()))
    write(os.path.join(res, "Sprite.png"), png_bytes(draw_sprite()))
    # The desktop's application icon, in the sizes of the hicolor theme.
    for n in APP_ICON_SIZES:
        folder = os.path.join(root, "desktop", "icons", "hicolor", "%dx%d" % (n, n), "apps")
        os.makedirs(folder, exist_ok=True)
        write(os.path.join(folder, APP_ID + ".png"), png_bytes(draw_icon(n)))


if __name__ == "__main__":
    main()
