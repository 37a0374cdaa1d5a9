#!/usr/bin/env python3
"""Generate the bitmaps, the icon and the cursors in resources/.

Usage: python3 tools/make_pictures.py [--check] [--out DIR]

Standard library only. Output is deterministic: running it twice gives
identical bytes.
"""
import math
import os
import random
import struct
import sys
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.join(os.path.dirname(HERE), "resources")


# ---------------------------------------------------------------- file formats

def bmp_info_header(w, h, bpp, clr_used, image_size, ppm=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size,
                       ppm, ppm, clr_used, 0)


def palette_bytes(pal, count):
    out = bytearray()
    for i in range(count):
        r, g, b = pal[i] if i < len(pal) else (0, 0, 0)
        out += bytes((b, g, r, 0))
    return bytes(out)


def pack_rows(rows, bpp, width):
    """Pack rows (top-down lists of indices) bottom-up, 4-byte aligned."""
    stride = ((width * bpp + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, v in enumerate(row):
            bit = x * bpp
            line[bit // 8] |= v << (8 - bpp - bit % 8)
        out += line
    return bytes(out)


def write_bmp8(path, rows, pal, ppm=0):
    h, w = len(rows), len(rows[0])
    pixels = pack_rows(rows, 8, w)
    pal_data = palette_bytes(pal, 256)
    offset = 14 + 40 + len(pal_data)
    size = offset + len(pixels)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", size, 0, 0, offset))
        f.write(bmp_info_header(w, h, 8, 256, len(pixels), ppm))
        f.write(pal_data)
        f.write(pixels)


def write_icon_file(path, kind, xor_rows, and_rows, pal, bpp, hotspot=None):
    """kind 1 = icon, 2 = cursor; a single 32x32 image."""
    w, h = len(xor_rows[0]), len(xor_rows)
    xor = pack_rows(xor_rows, bpp, w)
    mask = pack_rows(and_rows, 1, w)
    ncol = 1 << bpp
    img = (bmp_info_header(w, 2 * h, bpp, 0, len(xor) + len(mask))
           + palette_bytes(pal, ncol) + xor + mask)
    if kind == 1:
        entry = struct.pack("<BBBBHHII", w, h, ncol if ncol < 256 else 0, 0,
                            1, bpp, len(img), 22)
    else:
        entry = struct.pack("<BBBBHHII", w, h, 0, 0, hotspot[0], hotspot[1],
                            len(img), 22)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, kind, 1) + entry + img)


# ---------------------------------------------------------------- palettes

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
         (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128),
         (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def system_palette():
    """20 static system colours around a 6x6x6 cube and a grey ramp."""
    low = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
           (128, 0, 128), (0, 128, 128), (192, 192, 192), (192, 220, 192),
           (166, 202, 240)]
    high = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0),
            (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
            (0, 255, 255), (255, 255, 255)]
    cube = [(r * 51, g * 51, b * 51)
            for r in range(6) for g in range(6) for b in range(6)]
    greys = [(v, v, v) for v in range(8, 248, 12)]
    return low + cube + greys + high


def median_cut(counts, n):
    """Split the colour set into n boxes, always splitting the box with the
    largest squared error. Returns the box averages."""
    def stats(items):
        tot = sum(c for _, c in items)
        mean = [sum(col[k] * c for col, c in items) / tot for k in range(3)]
        err = sum(c * sum((col[k] - mean[k]) ** 2 for k in range(3))
                  for col, c in items)
        return mean, err

    boxes = []
    items = sorted(counts.items())
    boxes.append((items,) + stats(items))
    while len(boxes) < n:
        cand = [i for i, b in enumerate(boxes) if len(b[0]) > 1]
        if not cand:
            break
        i = max(cand, key=lambda j: boxes[j][2])
        items = boxes.pop(i)[0]
        ranges = [max(c[k] for c, _ in items) - min(c[k] for c, _ in items)
                  for k in range(3)]
        ch = ranges.index(max(ranges))
        items.sort(key=lambda it: (it[0][ch], it[0]))
        half, acc, cut = sum(c for _, c in items) / 2, 0, 1
        for j, (_, c) in enumerate(items):
            acc += c
            if acc >= half:
                cut = min(max(j + 1, 1), len(items) - 1)
                break
        for part in (items[:cut], items[cut:]):
            boxes.append((part,) + stats(part))
    return [tuple(int(round(v)) for v in b[1]) for b in boxes]


def quantize(pixels, width, fixed=(), ncolors=256):
    """pixels: flat list of RGB int tuples. Returns (rows, palette)."""
    counts = Counter(pixels)
    for col in fixed:
        counts.pop(col, None)
    pal = list(fixed) + median_cut(counts, ncolors - len(fixed))
    pal = pal + [(0, 0, 0)] * (ncolors - len(pal))
    cache = {}
    out = []
    for p in pixels:
        idx = cache.get(p)
        if idx is None:
            best = 1 << 30
            for i, q in enumerate(pal):
                d = ((p[0] - q[0]) * 3) ** 2 + ((p[1] - q[1]) * 4) ** 2 + \
                    ((p[2] - q[2]) * 2) ** 2
                if d < best:
                    best, idx = d, i
            cache[p] = idx
        out.append(idx)
    rows = [out[y * width:(y + 1) * width] for y in range(len(out) // width)]
    return rows, pal


# ---------------------------------------------------------------- noise

def hash01(ix, iy, seed):
    n = (ix * 374761393 + iy * 668265263 + seed * 1442695041) & 0xffffffff
    n = ((n ^ (n >> 13)) * 1274126177) & 0xffffffff
    return ((n ^ (n >> 16)) & 0xffffff) / float(0x1000000)


def value_noise(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = hash01(ix, iy, seed)
    b = hash01(ix + 1, iy, seed)
    c = hash01(ix, iy + 1, seed)
    d = hash01(ix + 1, iy + 1, seed)
    return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy


def fbm(x, y, seed, octaves=3):
    tot, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        tot += amp * value_noise(x, y, seed + o * 31)
        norm += amp
        amp *= 0.5
        x, y = x * 2.03, y * 2.03
    return tot / norm


def norm3(x, y, z):
    n = math.sqrt(x * x + y * y + z * z)
    return (x / n, y / n, z / n)


def smoothstep(a, b, x):
    t = min(1.0, max(0.0, (x - a) / (b - a)))
    return t * t * (3 - 2 * t)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [list(bg) for _ in range(w * h)]

    def blend(self, x, y, col, a=1.0):
        if 0 <= x < self.w and 0 <= y < self.h and a > 0:
            p = self.px[y * self.w + x]
            for k in range(3):
                p[k] += (col[k] - p[k]) * a

    def rect(self, x0, y0, x1, y1, col, a=1.0):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(x, y, col, a)

    def shape(self, box, fn, ss=3):
        """Anti-aliased fill: fn(x, y) gives a colour or None per sample."""
        x0, y0, x1, y1 = (int(math.floor(v)) for v in box)
        for py in range(max(0, y0), min(self.h, y1 + 1)):
            for px in range(max(0, x0), min(self.w, x1 + 1)):
                acc, n = [0.0, 0.0, 0.0], 0
                for j in range(ss):
                    for i in range(ss):
                        c = fn(px + (i + 0.5) / ss, py + (j + 0.5) / ss)
                        if c is not None:
                            n += 1
                            for k in range(3):
                                acc[k] += c[k]
                if n:
                    self.blend(px, py, [v / n for v in acc], n / (ss * ss))

    def disc(self, cx, cy, r, col):
        self.shape((cx - r, cy - r, cx + r, cy + r),
                   lambda x, y: col if (x - cx) ** 2 + (y - cy) ** 2 < r * r
                   else None)

    def line(self, x0, y0, x1, y1, width, col):
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy or 1e-9
        r = width / 2.0

        def fn(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / ll))
            ex, ey = x - x0 - t * dx, y - y0 - t * dy
            return col if ex * ex + ey * ey < r * r else None
        self.shape((min(x0, x1) - r, min(y0, y1) - r,
                    max(x0, x1) + r, max(y0, y1) + r), fn)

    def pixels(self):
        return [tuple(max(0, min(255, int(round(v)))) for v in p)
                for p in self.px]


# ---------------------------------------------------------------- pixel font

# 5x8 cells, one hex byte per row, bit 4 = left column; row 7 is the descender.
FONT_DATA = """
A 0E 11 11 1F 11 11 11       B 1E 11 11 1E 11 11 1E       C 0E 11 10 10 10 11 0E
D 1E 11 11 11 11 11 1E       E 1F 10 10 1E 10 10 1F       F 1F 10 10 1E 10 10 10
G 0E 11 10 17 11 11 0F       H 11 11 11 1F 11 11 11       I 0E 04 04 04 04 04 0E
J 07 02 02 02 02 12 0C       K 11 12 14 18 14 12 11       L 10 10 10 10 10 10 1F
M 11 1B 15 15 11 11 11       N 11 11 19 15 13 11 11       O 0E 11 11 11 11 11 0E
P 1E 11 11 1E 10 10 10       Q 0E 11 11 11 15 12 0D       R 1E 11 11 1E 14 12 11
S 0F 10 10 0E 01 01 1E       T 1F 04 04 04 04 04 04       U 11 11 11 11 11 11 0E
V 11 11 11 11 11 0A 04       W 11 11 11 15 15 15 0A       X 11 11 0A 04 0A 11 11
Y 11 11 0A 04 04 04 04       Z 1F 01 02 04 08 10 1F       Ä 0A 00 0E 11 1F 11 11
Ö 0A 00 0E 11 11 11 0E       Ü 0A 00 11 11 11 11 0E       a 00 00 0E 01 0F 11 0F
b 10 10 16 19 11 11 1E       c 00 00 0E 10 10 11 0E       d 01 01 0D 13 11 11 0F
e 00 00 0E 11 1F 10 0E       f 06 09 08 1C 08 08 08       g 00 00 0F 11 11 0F 01 0E
h 10 10 16 19 11 11 11       i 04 00 0C 04 04 04 0E       j 02 00 06 02 02 02 12 0C
k 10 10 12 14 18 14 12       l 0C 04 04 04 04 04 0E       m 00 00 1A 15 15 11 11
n 00 00 16 19 11 11 11       o 00 00 0E 11 11 11 0E       p 00 00 1E 11 11 1E 10 10
q 00 00 0F 11 11 0F 01 01    r 00 00 16 19 10 10 10       s 00 00 0E 10 0E 01 1E
t 08 08 1C 08 08 09 06       u 00 00 11 11 11 13 0D       v 00 00 11 11 11 0A 04
w 00 00 11 11 15 15 0A       x 00 00 11 0A 04 0A 11       y 00 00 11 11 11 0F 01 0E
z 00 00 1F 02 04 08 1F       ä 0A 00 0E 01 0F 11 0F       ö 0A 00 0E 11 11 11 0E
ü 0A 00 11 11 11 13 0D       ß 0C 12 12 14 12 11 16       0 0E 11 13 15 19 11 0E
1 04 0C 04 04 04 04 0E       2 0E 11 01 02 04 08 1F       3 1F 02 04 02 01 11 0E
4 02 06 0A 12 1F 02 02       5 1F 10 1E 01 01 11 0E       6 06 08 10 1E 11 11 0E
7 1F 01 02 04 08 08 08       8 0E 11 11 0E 11 11 0E       9 0E 11 11 0F 01 02 0C
. 00 00 00 00 00 00 04       , 00 00 00 00 00 00 04 08    : 00 00 04 00 00 00 04
; 00 00 04 00 00 00 04 08    - 00 00 00 0E 00 00 00       ( 02 04 08 08 08 04 02
) 08 04 02 02 02 04 08       % 18 19 02 04 08 13 03       / 01 01 02 04 08 10 10
+ 00 04 04 1F 04 04 00       & 0C 12 14 08 15 12 0D       ' 04 04 08 00 00 00 00
! 04 04 04 04 04 00 04       * 00 04 15 0E 15 04 00       = 00 00 1F 00 1F 00 00
° 0C 12 12 0C 00 00 00
"""


def load_font():
    """One-character tokens name a glyph, two-digit tokens are its rows."""
    font, cur = {" ": [0] * 8}, None
    for tok in FONT_DATA.split():
        if len(tok) == 1:
            cur = font[tok] = []
        else:
            cur.append(int(tok, 16))
    for rows in font.values():
        rows.extend([0] * (8 - len(rows)))
    return font


FONT = load_font()


def glyph(ch, bold=False):
    """Trimmed glyph as a list of 0/1 rows; width 3 for a space."""
    rows = FONT.get(ch, FONT["*"])
    if ch == " ":
        return [[0] * 3 for _ in range(8)]
    if bold:
        rows = [r | (r >> 1) for r in [v << 1 for v in rows]]
        bits = 6
    else:
        bits = 5
    used = [c for c in range(bits) if any(r >> (bits - 1 - c) & 1 for r in rows)]
    lo, hi = used[0], used[-1]
    return [[r >> (bits - 1 - c) & 1 for c in range(lo, hi + 1)] for r in rows]


def scale2x(m):
    """EPX doubling of a 0/1 bitmap; rounds off diagonal steps."""
    h, w = len(m), len(m[0])
    at = lambda x, y: m[y][x] if 0 <= x < w and 0 <= y < h else 0
    out = [[0] * (2 * w) for _ in range(2 * h)]
    for y in range(h):
        for x in range(w):
            p, a, b, c, d = m[y][x], at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            out[2 * y][2 * x] = a if c == a and c != d and a != b else p
            out[2 * y][2 * x + 1] = b if a == b and a != c and b != d else p
            out[2 * y + 1][2 * x] = c if d == c and d != b and c != a else p
            out[2 * y + 1][2 * x + 1] = d if b == d and b != a and d != c else p
    return out


def text_width(s, scale=1, bold=False):
    return int(round(sum(len(glyph(c, bold)[0]) + 1 for c in s) * scale)) - 1


def draw_text(cv, x, y, s, col, scale=1, bold=False, alpha=0.95):
    """Draw s with its cell top at y; scale > 1 uses smoothed glyphs."""
    pen = 0.0
    for ch in s:
        g = glyph(ch, bold)
        gw = len(g[0])
        if ch != " ":
            if scale == 1:
                for gy, row in enumerate(g):
                    for gx, v in enumerate(row):
                        if v:
                            cv.blend(int(x + pen) + gx, y + gy, col, alpha)
            else:
                big = scale2x(scale2x(g))
                ox = x + pen * scale
                for ty in range(int(8 * scale) + 1):
                    for tx in range(int(gw * scale) + 2):
                        n = 0
                        for j in range(3):
                            for i in range(3):
                                mx = int((tx + (i + 0.5) / 3) * 4 / scale)
                                my = int((ty + (j + 0.5) / 3) * 4 / scale)
                                if my < 32 and mx < 4 * gw:
                                    n += big[my][mx]
                        if n:
                            cv.blend(int(ox) + tx, y + ty, col, alpha * n / 9)
        pen += gw + 1
    return int(pen * scale)


# ---------------------------------------------------------------- check marks

CHECK_ROWS = [(), (7,), (6, 7), (1, 5, 6, 7), (1, 2, 4, 5, 6),
              (1, 2, 3, 4, 5), (2, 3, 4), (3,), ()]


def make_check(path, bg):
    pal = system_palette()
    bg_index = pal.index(bg)
    rows = [[0 if x in CHECK_ROWS[y] else bg_index for x in range(9)]
            for y in range(9)]
    write_bmp8(path, rows, pal)


# ---------------------------------------------------------------- meatball

def make_meatball(path):
    """A fried meatball seen slightly from above: domed top, crust side."""
    W, H, SS = 64, 44, 3
    cx, cy, rx, ry, drop = 32.0, 20.0, 28.0, 17.0, 4.0
    L = norm3(-0.5, -0.7, 0.75)
    Hv = norm3(L[0], L[1], L[2] + 1.0)
    rnd = random.Random(1954)

    def wobble(x, y):
        a = math.atan2(y - cy, x - cx)
        return (0.97 + 0.02 * math.sin(3 * a + 1.3) + 0.015 * math.sin(5 * a + 0.4)
                + 0.03 * (fbm(x * 0.2, y * 0.2, 7, 2) - 0.5))

    def top(x, y):
        d = math.hypot((x - cx) / rx, (y - cy) / ry) / wobble(x, y)
        base = 11.0 * (1 - min(1.0, d) ** 2) ** 0.5
        bumps = 1.3 * fbm(x * 0.3, y * 0.4, 11) + 0.3 * fbm(x * 1.1, y * 1.4, 23, 2)
        return base + bumps, d

    def sample(x, y):
        h, d = top(x, y)
        if d < 1:
            e = 0.3
            gx = (top(x + e, y)[0] - top(x - e, y)[0]) / (2 * e)
            gy = (top(x, y + e)[0] - top(x, y - e)[0]) / (2 * e)
            N = norm3(-gx, -gy * 1.6, 1.0)
            side = 0.0
        else:
            db = math.hypot((x - cx) / rx, (y - cy - drop) / ry) / wobble(x, y - drop)
            if db >= 1 or y < cy:
                return None
            # crust band below the top face, facing the viewer
            b1 = fbm(x * 0.9, y * 0.9, 31)
            N = norm3((x - cx) / rx * 0.6 + (b1 - 0.5) * 0.6, 0.45, 0.89)
            side = 1.0
            d = 1.0
        diff = max(0.0, N[0] * L[0] + N[1] * L[1] + N[2] * L[2])
        gloss = max(0.0, N[0] * Hv[0] + N[1] * Hv[1] + N[2] * Hv[2]) ** 40
        m = fbm(x * 0.16, y * 0.2, 3)
        alb = mix((168, 100, 52), (98, 52, 24), smoothstep(0.3, 0.75, m))
        crisp = smoothstep(0.6, 0.72, fbm(x * 0.5 + 9, y * 0.6, 41))
        alb = mix(alb, (58, 28, 12), 0.75 * crisp)
        alb = mix(alb, (92, 44, 18), 0.5 * smoothstep(0.75, 1.0, d))
        alb = mix(alb, (132, 76, 38), 0.5 * side)
        wet = 0.2 + 0.8 * smoothstep(0.4, 0.65, fbm(x * 0.3, y * 0.3, 57))
        col = [c * (0.28 + 0.9 * diff) for c in alb]
        sp = 1.1 * gloss * wet
        col = [c + v * sp for c, v in zip(col, (255, 232, 196))]
        fleck = hash01(int(x * 2), int(y * 2), 77)
        if fleck > 0.985:
            col = [c * 1.2 + 14 for c in col]
        elif fleck < 0.015:
            col = [c * 0.65 for c in col]
        return col

    cv = Canvas(W, H, (0, 0, 0))
    cv.shape((0, 0, W - 1, H - 1), sample, SS)
    pix = []
    for p in cv.px:
        if p[0] + p[1] + p[2] > 2:
            j = rnd.gauss(0, 1.5)
            p = [v + j for v in p]
        pix.append(tuple(max(0, min(255, int(round(v)))) for v in p))
    rows, pal = quantize(pix, W, fixed=[(0, 0, 0)])
    write_bmp8(path, rows, pal, ppm=2835)


# ---------------------------------------------------------------- label

PAPER = (246, 241, 226)
RED = (176, 34, 30)
DARK_RED = (112, 18, 16)
YELLOW = (236, 188, 58)
CREAM = (255, 247, 224)
INK = (38, 30, 28)

INGREDIENTS = (
    "*Zutaten:* Schweinefleisch (42 %), Rindfleisch (18 %), Zwiebeln, Wasser, "
    "Paniermehl (*Weizenmehl,* Wasser, Hefe, Speisesalz), *Hühnerei,* Rapsöl, "
    "Petersilie, Speisesalz, Gewürze (Pfeffer, Muskat, Paprika), *Senf* (Wasser, "
    "*Senfsaat,* Branntweinessig, Speisesalz), Dextrose, Knoblauch. Aufguss: "
    "Wasser, Speisesalz, Zitronensäure. Kann Spuren von *Sellerie* enthalten.")

NUTRITION = [("Energie", "1003 kJ / 241 kcal"), ("Fett", "17 g"),
             ("- davon ges. Fettsäuren", "6,4 g"),
             ("Kohlenhydrate", "7,1 g"), ("- davon Zucker", "1,2 g"),
             ("Eiweiß", "15 g"), ("Salz", "1,7 g")]


def draw_rich(cv, x, y, width, text, col, step=9):
    """Word-wrapped text; parts between '*' marks are set bold."""
    cx, cy, bold = x, y, False
    for word in text.split(" "):
        parts = []
        for i, part in enumerate(word.split("*")):
            if i:
                bold = not bold
            if part:
                parts.append((part, bold))
        ww = sum(text_width(p, 1, b) + 1 for p, b in parts) - 1
        if cx > x and cx + ww > x + width:
            cx, cy = x, cy + step
        for p, b in parts:
            cx += draw_text(cv, cx, cy, p, col, 1, b)
        cx += 3
    return cy + step


def ean13_modules(digits):
    L = ["0001101", "0011001", "0010011", "0111101", "0100011",
         "0110001", "0101111", "0111011", "0110111", "0001011"]
    R = ["".join("1" if b == "0" else "0" for b in c) for c in L]
    G = [c[::-1] for c in R]
    parity = ["LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
              "LGGLLG", "LGGGLG", "LGLGGL", "LGLGLG", "LGGLGL"][int(digits[0])]
    s = "101"
    for d, p in zip(digits[1:7], parity):
        s += (L if p == "L" else G)[int(d)]
    s += "01010"
    for d in digits[7:]:
        s += R[int(d)]
    return s + "101"


def ean13_check(d12):
    tot = sum(int(c) * (3 if i % 2 else 1) for i, c in enumerate(d12))
    return d12 + str((10 - tot % 10) % 10)


def draw_barcode(cv, x, y, digits, height=34):
    mods = ean13_modules(digits)
    guards = set(list(range(0, 3)) + list(range(45, 50)) + list(range(92, 95)))
    for i, m in enumerate(mods):
        if m == "1":
            h = height + (5 if i in guards else 0)
            cv.rect(x + i, y, x + i + 1, y + h, (20, 18, 18), 0.97)
    ty = y + height + 1
    draw_text(cv, x - 7, ty, digits[0], INK)
    for k in range(6):
        draw_text(cv, x + 4 + k * 7, ty, digits[1 + k], INK)
        draw_text(cv, x + 51 + k * 7, ty, digits[7 + k], INK)


def draw_onion(cv, cx, cy, R):
    skin = (203, 138, 62)

    def body(x, y):
        v = (y - cy) / R
        if not -1 < v < 1:
            return None
        t = math.acos(-v)
        w = 1.12 * R * math.sin(t) * math.sqrt(math.sin(t / 2))
        u = x - cx
        if w <= 0 or abs(u) >= w:
            return None
        s = u / w
        if abs(s) > 0.9 or v > 0.97:
            return (96, 54, 24)
        nz = math.sqrt(1 - s * s)
        lum = 0.45 + 0.7 * max(0.0, -0.45 * s - 0.35 * v + 0.7 * nz)
        stripe = abs(math.sin(math.asin(s) * 4.5 + 0.3))
        lum *= 0.8 + 0.2 * min(1.0, stripe * 3)
        lum *= 0.9 + 0.2 * fbm(x * 0.2, y * 0.05, 5)
        c = [v2 * lum for v2 in skin]
        hl = math.exp(-((s + 0.45) ** 2 * 18 + (v + 0.15) ** 2 * 6))
        return mix(c, (250, 228, 180), 0.6 * hl)
    cv.line(cx, cy - R + 2, cx + 3, cy - R - 9, 3.0, (120, 78, 36))
    cv.line(cx + 3, cy - R - 9, cx + 6, cy - R - 13, 1.6, (150, 102, 52))
    cv.shape((cx - 1.2 * R, cy - R, cx + 1.2 * R, cy + R), body)
    for k in range(-4, 5):
        x0 = cx + k * 1.6
        cv.line(x0, cy + R - 2, x0 + k * 1.3, cy + R + 4 + (k * 7) % 3, 1.0,
                (178, 148, 102))


def draw_cut_onion(cv, cx, cy, rx, ry):
    def side(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / (ry * 1.7)
        if y < cy or dx * dx + dy * dy >= 1:
            return None
        if dx * dx + dy * dy > 0.8:
            return (96, 54, 24)
        return mix((212, 150, 70), (140, 84, 36), smoothstep(-0.6, 0.9, dx + dy))

    def face(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        r = math.sqrt(dx * dx + dy * dy)
        if r >= 1:
            return None
        if r > 0.9:
            return (120, 70, 30) if r > 0.96 else (205, 145, 66)
        ring = (r * 7) % 1
        c = mix((250, 246, 226), (232, 226, 196), r)
        if ring < 0.18:
            c = (206, 196, 160)
        if r < 0.08:
            c = (226, 222, 170)
        return c
    cv.shape((cx - rx, cy, cx + rx, cy + 1.7 * ry), side)
    cv.shape((cx - rx, cy - ry, cx + rx, cy + ry), face)


def draw_parsley(cv, rnd, base, tips):
    stem = (74, 120, 44)
    bx, by = base
    for tx, ty in tips:
        mx, my = (bx + tx) / 2 + (ty - by) * 0.12, (by + ty) / 2
        prev = (bx, by)
        for i in range(1, 9):
            t = i / 8.0
            px = (1 - t) ** 2 * bx + 2 * (1 - t) * t * mx + t * t * tx
            py = (1 - t) ** 2 * by + 2 * (1 - t) * t * my + t * t * ty
            cv.line(prev[0], prev[1], px, py, 2.0 - t * 0.8, stem)
            prev = (px, py)
    for tx, ty in tips:
        for k in range(3):
            lx = tx + rnd.uniform(-4, 4) + (k - 1) * 7
            ly = ty + rnd.uniform(-3, 3) - (k % 2) * 5
            lobes = [(lx + rnd.uniform(-6, 6), ly + rnd.uniform(-5, 5),
                      rnd.uniform(2.5, 4.2)) for _ in range(7)]
            for x, y, r in lobes:
                cv.disc(x, y, r + 1.0, (30, 78, 28))
            for x, y, r in lobes:
                g = rnd.uniform(0, 1)
                cv.disc(x, y, r, mix((62, 132, 42), (110, 172, 62), g))
                cv.disc(x - r * 0.3, y - r * 0.35, r * 0.35, (150, 200, 96))


def make_label(path):
    W, H = 320, 381
    rnd = random.Random(4711)
    cv = Canvas(W, H, PAPER)
    # frame and header band
    for i in range(3):
        cv.rect(4 + i, 4 + i, W - 4 - i, 5 + i, RED)
        cv.rect(4 + i, H - 5 - i, W - 4 - i, H - 4 - i, RED)
        cv.rect(4 + i, 4 + i, 5 + i, H - 4 - i, RED)
        cv.rect(W - 5 - i, 4 + i, W - 4 - i, H - 4 - i, RED)
    cv.rect(10, 10, W - 10, 62, RED)
    cv.rect(10, 62, W - 10, 65, YELLOW)
    brand = "HOFMETZGEREI LINDNER"
    draw_text(cv, (W - text_width(brand, 1, True)) // 2, 14, brand, YELLOW, 1, True)
    title, sc = "Frikadellen", 3.25
    tx = (W - text_width(title, sc, True)) // 2
    draw_text(cv, tx + 2, 26, title, DARK_RED, sc, True, 0.9)
    draw_text(cv, tx, 24, title, CREAM, sc, True, 1.0)
    sub = "nach Hausmacher Art"
    draw_text(cv, (W - text_width(sub)) // 2, 51, sub, CREAM)
    # illustration
    draw_parsley(cv, rnd, (106, 142), [(84, 88), (104, 76), (124, 74), (134, 96), (134, 116)])
    draw_onion(cv, 48, 112, 27)
    draw_cut_onion(cv, 100, 132, 20, 11)
    # contents and weights
    x = 156
    draw_text(cv, x, 72, "4 Stück", DARK_RED, 2, True)
    draw_text(cv, x, 92, "in würzigem Aufguss", INK)
    for y, name, val in ((104, "Füllmenge:", "400 g"), (122, "Abtropfgewicht:", "280 g")):
        draw_text(cv, x, y + 6, name, INK)
        vx = W - 16 - 7 - text_width(val, 2)
        w = draw_text(cv, vx, y, val, INK, 2)
        draw_text(cv, vx + w + 1, y + 6, "e", INK, 1, True)
    for i, line in enumerate(("Gekühlt bei +2 °C bis +7 °C", "lagern. Nach dem Öffnen",
                              "bald verbrauchen.")):
        draw_text(cv, x, 143 + 9 * i, line, INK)
    cv.rect(14, 172, W - 14, 173, RED)
    # ingredients
    y = draw_rich(cv, 16, 177, W - 32, INGREDIENTS, INK)
    cv.rect(14, y + 2, W - 14, y + 3, RED)
    # nutrition table
    y += 7
    draw_text(cv, 16, y, "Nährwerte je 100 g", INK, 1, True)
    y += 11
    for name, val in NUTRITION:
        cv.rect(16, y - 2, 198, y - 1, (150, 140, 130))
        draw_text(cv, 18, y, name, INK)
        draw_text(cv, 197 - text_width(val), y, val, INK)
        y += 10
    cv.rect(16, y - 2, 198, y - 1, (150, 140, 130))
    draw_barcode(cv, 212, y - 60, ean13_check("426041753208"))
    # light field for the date stamp
    grey = (120, 100, 86)
    cv.rect(14, y + 8, W - 14, H - 14, (251, 244, 214))
    draw_text(cv, 20, y + 12, "Mindestens haltbar bis / Los:", grey)
    addr = "Hofmetzgerei Lindner GmbH, Am Anger 12, Lindenau"
    draw_text(cv, (W - text_width(addr)) // 2, H - 25, addr, grey)
    # scan: soften, uneven light, paper grain
    src = [p[:] for p in cv.px]
    for yy in range(H):
        for xx in range(W):
            acc, n = [0.0, 0.0, 0.0], 0
            for dy, dx, wgt in ((0, 0, 4), (-1, 0, 1), (1, 0, 1), (0, -1, 1), (0, 1, 1)):
                sx, sy = xx + dx, yy + dy
                if 0 <= sx < W and 0 <= sy < H:
                    p = src[sy * W + sx]
                    n += wgt
                    for k in range(3):
                        acc[k] += p[k] * wgt
            light = 1.0 - 0.035 * (xx / W + yy / H) + 0.03 * (fbm(xx / 60, yy / 60, 99, 2) - 0.5)
            grain = rnd.gauss(0, 2.0) + 5 * (fbm(xx / 3.0, yy / 9.0, 123, 1) - 0.5)
            cv.px[yy * W + xx] = [acc[k] / n * light + grain for k in range(3)]
    rows, pal = quantize(cv.pixels(), W)
    write_bmp8(path, rows, pal, ppm=11813)


# ---------------------------------------------------------------- icon

# K black, M maroon, R red, B blue, N navy, W white, s skin, d skin shadow
ICON_COLOURS = {"K": 0, "M": 1, "N": 4, "R": 9, "B": 12, "W": 15, "s": 15, "d": 7}

PORTRAIT = [
    "................................",
    "..............KKKK..............",
    "...........KKKMMMMKKK...........",
    "..........KMMMMMMMMMMK..........",
    ".........KMMMMMMMMMMMMK.........",
    "........KMMMMMMMMMMMMMKK........",
    ".......KMMMMMMMMMMMMMMMKK.......",
    ".......KMMMMMMMMMMMMMMMKK.......",
    ".......KMMMMMMMssssMMMMKK.......",
    "......KMMMMMMsssssssMMMMKK......",
    "......KMMMMMssssssssdMMMKK......",
    "......KMMMssssssssssssMMKK......",
    ".......KMMsMMMssssMMMsdMK.......",
    ".......KMssKWsssssKWssdMK.......",
    ".......KsssssssssssssddsK.......",
    ".......KdsssssssssssssddK.......",
    "........KdssssssdsssssdK........",
    ".........KsssssddsssssK.........",
    ".........KsssssssssssdK.........",
    "..........KsssRRRssssK..........",
    "...........KssssssssK...........",
    "............KddddddK............",
    "............KsssssdK............",
    "............KsssssdK............",
    "..........KKWWsssdWWKK..........",
    ".......KKKBBWWWsdWWWNNKKK.......",
    ".....KKBBBBBNWWWRWWWNBNNNKK.....",
    "....KBBBBBBBBNWWRRWWNBBBNNNK....",
    "...KBBBBBBBBBBNWRRRWNBBBBNNNK...",
    "..KBBBBBBBBBBBBNRRRNBBBBBBNNNK..",
    ".KBBBBBBBBBBBBBNRRRNBBBBBBBNNNK.",
    ".KBBBBBBBBBBBBBNRRRNBBBBBBBNNNK.",
]


def make_icon(path):
    xor = [[ICON_COLOURS.get(c, 0) for c in row] for row in PORTRAIT]
    mask = [[1 if c == "." else 0 for c in row] for row in PORTRAIT]
    write_icon_file(path, 1, xor, mask, VGA16, 4)


# ---------------------------------------------------------------- cursors

# '#' black, '.' white, ' ' transparent
HAND_POINT = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "### #..#..#..#.#",
    "#..##..#..#..#.#",
    "#...#........#.#",
    " #..#..........#",
    "  #.#..........#",
    "  #............#",
    "   #...........#",
    "   #..........#",
    "    #.........#",
    "    #........#",
    "     #.......#",
    "     #.......#",
    "     #########",
]
SMALL_HAND_POINT = [
    "  ##",
    " #..#",
    " #..#",
    " #..##",
    " #..#.##",
    "##..#.#.#",
    "#.#......#",
    "#........#",
    " #.......#",
    "  #......#",
    "  #.....#",
    "  #######",
]
GRAB_HAND = [
    "       ##",
    "      #..#",
    "    ###..###",
    "   #..#..#..#",
    "   #..#..#..##",
    "   #..#..#..#.#",
    "   #..#..#..#.#",
    "   #..#..#..#.#",
    "   #..#..#..#.#",
    "   #.........#.#",
    "## #..........#",
    "#.##..........#",
    "#..#..........#",
    " #............#",
    "  #...........#",
    "   #..........#",
    "    #........#",
    "    #........#",
    "     ########",
]
DRAG_HAND = [
    "     ## ## ##",
    "    #..#..#..##",
    "    #..#..#..#.#",
    "  ###..#..#..#.#",
    " #..#.........#.#",
    " #............#.#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "    #..........#",
    "    #.........#",
    "     #########",
]
ARROW = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#..###",
    "#.#",
    "##",
]

CURSORS = [
    ("HandPoint.cur", [(HAND_POINT, 0, 0)], (5, 0)),
    ("SmallHandPoint.cur", [(SMALL_HAND_POINT, 11, 9)], (13, 9)),
    ("GrabHand.cur", [(GRAB_HAND, 0, 0)], (4, 2)),
    ("GrabHandArrow.cur", [(GRAB_HAND, 0, 0), (ARROW, 15, 17)], (4, 2)),
    ("DragHand.cur", [(DRAG_HAND, 0, 0)], (8, 6)),
]


def cursor_grid(parts):
    g = [[" "] * 32 for _ in range(32)]
    for art, ox, oy in parts:
        for y, row in enumerate(art):
            for x, ch in enumerate(row):
                if ch != " ":
                    g[oy + y][ox + x] = ch
    return g


def make_cursors(out):
    for name, parts, hot in CURSORS:
        g = cursor_grid(parts)
        xor = [[1 if c == "." else 0 for c in row] for row in g]
        mask = [[1 if c == " " else 0 for c in row] for row in g]
        write_icon_file(os.path.join(out, name), 2, xor, mask,
                        [(0, 0, 0), (255, 255, 255)], 1, hot)


# ---------------------------------------------------------------- check

def read_dib(data, off):
    (size, w, h, planes, bpp, comp, isize, xppm, yppm, used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, off)
    assert size == 40 and planes == 1 and comp == 0
    ncol = used or (1 << bpp)
    pal = [tuple(data[off + 40 + 4 * i + k] for k in (2, 1, 0)) for i in range(ncol)]
    return w, h, bpp, used, xppm, pal, off + 40 + 4 * ncol


def unpack_rows(data, off, w, h, bpp):
    stride = ((w * bpp + 31) // 32) * 4
    rows = []
    for y in range(h):
        line = data[off + (h - 1 - y) * stride:off + (h - y) * stride]
        rows.append([(line[(x * bpp) // 8] >> (8 - bpp - (x * bpp) % 8)) & ((1 << bpp) - 1)
                     for x in range(w)])
    return rows, off + h * stride


def check_bmp(path, w, h, ppm=None):
    data = open(path, "rb").read()
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM" and size == len(data) == off + w * h + (-w % 4) * h, path
    bw, bh, bpp, used, xppm, pal, poff = read_dib(data, 14)
    assert (bw, bh, bpp, used, poff) == (w, h, 8, 256, off), path
    assert ppm is None or xppm == ppm, path
    rows, _ = unpack_rows(data, off, w, h, 8)
    return rows, pal


def check_icon_file(path, kind, bpp):
    data = open(path, "rb").read()
    assert struct.unpack_from("<HHH", data, 0) == (0, kind, 1), path
    w, h, ncol, _, f1, f2, size, off = struct.unpack_from("<BBBBHHII", data, 6)
    assert (w, h, off, off + size) == (32, 32, 22, len(data)), path
    if kind == 1:
        assert (ncol, f1, f2) == (16, 1, bpp), path
    bw, bh, bbpp, _, _, pal, poff = read_dib(data, off)
    assert (bw, bh, bbpp, len(pal)) == (32, 64, bpp, 1 << bpp), path
    xor, moff = unpack_rows(data, poff, 32, 32, bpp)
    mask, end = unpack_rows(data, moff, 32, 32, 1)
    assert end == len(data), path
    return (f1, f2), pal, xor, mask


def check(out):
    for name, bg in (("CheckWhite.bmp", (255, 255, 255)), ("CheckYellow.bmp", (255, 255, 0))):
        rows, pal = check_bmp(os.path.join(out, name), 9, 9)
        for y in range(9):
            for x in range(9):
                want = (0, 0, 0) if x in CHECK_ROWS[y] else bg
                assert pal[rows[y][x]] == want, (name, x, y)
    rows, pal = check_bmp(os.path.join(out, "Meatball.bmp"), 64, 44)
    assert pal[rows[0][0]] == (0, 0, 0) and len(set(sum(rows, []))) > 128
    check_bmp(os.path.join(out, "Label.bmp"), 320, 381, 11813)
    assert os.path.getsize(os.path.join(out, "Label.bmp")) == 122998
    _, pal, xor, mask = check_icon_file(os.path.join(out, "Tramvelt.ico"), 1, 4)
    assert pal == VGA16 and mask[0][0] == 1 and mask[31][16] == 0
    for name, parts, hot in CURSORS:
        got, pal, xor, mask = check_icon_file(os.path.join(out, name), 2, 1)
        assert got == hot and pal == [(0, 0, 0), (255, 255, 255)], name
        assert mask[hot[1]][hot[0]] == 0, name
        assert all(not (m and v) for mr, xr in zip(mask, xor) for m, v in zip(mr, xr))
    print("all pictures ok")


def main(argv):
    out = DEFAULT_OUT
    if "--out" in argv:
        out = argv[argv.index("--out") + 1]
    if "--check" not in argv:
        os.makedirs(out, exist_ok=True)
        make_check(os.path.join(out, "CheckWhite.bmp"), (255, 255, 255))
        make_check(os.path.join(out, "CheckYellow.bmp"), (255, 255, 0))
        make_meatball(os.path.join(out, "Meatball.bmp"))
        make_label(os.path.join(out, "Label.bmp"))
        make_icon(os.path.join(out, "Tramvelt.ico"))
        make_cursors(out)
    check(out)


if __name__ == "__main__":
    main(sys.argv[1:])
