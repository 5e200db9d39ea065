#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the Orbitron Launcher's pictures into resources/pictures/.

Every picture is painted here from plain shapes: most are drawn at several times
their size and scaled down with a Lanczos filter so the edges come out smooth;
the two arrows are set pixel by pixel. Stars and flames come from seeded random
generators, so running the script twice gives the same files.

Each picture is written twice: at its own size, and at twice its size as
"name@2x.ext" for screens that show two device pixels per pixel. The second is
the same drawing, so lines and outlines keep their width in the picture's pixels.

    python3 tools/draw-pictures/draw_pictures.py      (from the repository root)

Needs Python 3 and Pillow only. The pictures are committed, so building the
launcher never needs this script.
"""

import math
import os
import random
import struct
import sys
from io import BytesIO

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
except ImportError:  # a Python of its own (pyenv, venv) beside Debian's python3-pil
    sys.path.append("/usr/lib/python3/dist-packages")
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "pictures"))
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# 1 while the pictures are drawn at their own size, 2 while their "@2x" versions are.
DENSITY = 1


def out(name):
    """The path of a picture at the current density: "run.gif" or "run@2x.gif"."""
    base, ext = os.path.splitext(name)
    return os.path.join(OUT, base + ("@%dx" % DENSITY if DENSITY > 1 else "") + ext)


# The launcher's palette.
INK = (18, 20, 40)
GOLD_LIGHT = (255, 244, 190)
GOLD = (255, 196, 48)
GOLD_DARK = (214, 120, 16)
EMBER = (190, 46, 12)


# ---------------------------------------------------------------------------
# Shared helpers
# ---------------------------------------------------------------------------

def mix(a, b, t):
    """Blends two colour tuples (of equal length); t=0 gives a, t=1 gives b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def rgba(color, alpha=255):
    return tuple(color[:3]) + (alpha,)


def ramp(gray, stops):
    """Maps a grey image (mode L) through colour stops [(0..1, RGBA), ...] into RGBA."""
    stops = [(p, rgba(c) if len(c) == 3 else c) for p, c in stops]
    luts = [[], [], [], []]
    for v in range(256):
        t = v / 255.0
        for i in range(len(stops) - 1):
            (p0, c0), (p1, c1) = stops[i], stops[i + 1]
            if t <= p1 or i == len(stops) - 2:
                f = 0.0 if p1 == p0 else min(1.0, max(0.0, (t - p0) / (p1 - p0)))
                c = mix(c0, c1, f)
                break
        for k in range(4):
            luts[k].append(c[k])
    return Image.merge("RGBA", [gray.point(luts[k]) for k in range(4)])


def vertical(size, stops):
    """A top-to-bottom gradient of the given size."""
    gray = Image.linear_gradient("L").resize(size, Image.Resampling.BILINEAR)
    return ramp(gray, stops)


def radial(size, center, radius):
    """A grey image of the given size: 0 at center, growing to 255 at radius and beyond."""
    r = max(1, int(radius))
    disc = Image.radial_gradient("L").resize((2 * r, 2 * r), Image.Resampling.BILINEAR)
    gray = Image.new("L", size, 255)
    gray.paste(disc, (int(center[0] - r), int(center[1] - r)))
    return gray


def glow(size, center, radius, color, alpha=255, falloff=2.0):
    """A soft round light: full colour at the centre fading to nothing at radius."""
    stops = [(i / 8.0, rgba(color, int(alpha * (1 - i / 8.0) ** falloff))) for i in range(9)]
    return ramp(radial(size, center, radius), stops)


def screen(base, light):
    """Adds light the way a screen blend does (RGB of base kept, alpha kept)."""
    rgb = ImageChops.screen(base.convert("RGB"), Image.alpha_composite(
        Image.new("RGBA", light.size, (0, 0, 0, 255)), light).convert("RGB"))
    rgb.putalpha(base.getchannel("A"))
    return rgb


def masked(fill, mask):
    """fill (an RGBA image) cut to the shape of mask (mode L)."""
    out = fill.copy()
    out.putalpha(ImageChops.multiply(fill.getchannel("A"), mask))
    return out


class Canvas:
    """A drawing surface `scale` times the final size; coordinates are in final pixels."""

    def __init__(self, width, height, scale, background=(0, 0, 0, 0)):
        self.w, self.h, self.s = width, height, scale
        self.size = (width * scale, height * scale)
        self.img = Image.new("RGBA", self.size, background)

    def layer(self):
        return Image.new("RGBA", self.size, (0, 0, 0, 0))

    def mask(self):
        return Image.new("L", self.size, 0)

    def pt(self, x, y):
        return (x * self.s, y * self.s)

    def box(self, x0, y0, x1, y1):
        return [x0 * self.s, y0 * self.s, x1 * self.s, y1 * self.s]

    def ell(self, cx, cy, rx, ry=None):
        ry = rx if ry is None else ry
        return self.box(cx - rx, cy - ry, cx + rx, cy + ry)

    def poly(self, points):
        return [self.pt(x, y) for x, y in points]

    def over(self, layer):
        self.img = Image.alpha_composite(self.img, layer)

    def add_light(self, layer):
        self.img = screen(self.img, layer)

    def blur(self, image, radius):
        return image.filter(ImageFilter.GaussianBlur(radius * self.s))

    def shadow(self, shape_layer, dx, dy, radius, alpha=150, color=(0, 0, 0)):
        """Lays a soft drop shadow of shape_layer's outline under what comes next."""
        a = shape_layer.getchannel("A").point(lambda v: v * alpha // 255)
        sh = Image.new("RGBA", self.size, rgba(color, 0))
        sh.putalpha(ImageChops.offset(a, int(dx * self.s), int(dy * self.s)))
        self.over(self.blur(sh, radius))

    def line(self, draw, points, color, width):
        """A polyline with round joints and ends."""
        pts = self.poly(points)
        draw.line(pts, fill=color, width=int(round(width * self.s)), joint="curve")
        r = width * self.s / 2.0
        for x, y in (pts[0], pts[-1]):
            draw.ellipse([x - r, y - r, x + r, y + r], fill=color)

    def result(self):
        return self.img.resize((self.w * DENSITY, self.h * DENSITY), Image.Resampling.LANCZOS)


def sphere(cv, cx, cy, r, light, base, dark, outline=None, outline_width=0.0):
    """A shaded ball lit from the upper left, drawn on cv."""
    shape = cv.mask()
    ImageDraw.Draw(shape).ellipse(cv.ell(cx, cy, r), fill=255)
    hx, hy = cv.pt(cx - 0.38 * r, cy - 0.42 * r)
    shade = ramp(radial(cv.size, (hx, hy), 1.55 * r * cv.s),
                 [(0.0, light), (0.45, base), (0.85, dark), (1.0, dark)])
    if outline:
        ring = cv.mask()
        ImageDraw.Draw(ring).ellipse(cv.ell(cx, cy, r + outline_width), fill=255)
        cv.over(masked(Image.new("RGBA", cv.size, rgba(outline)), ring))
    cv.over(masked(shade, shape))
    return shape


def stamp_trail(cv, points, widths, colors):
    """Paints a tapering trail by stamping discs from its far end up to its head.

    points, widths and colors run from the head backwards; later (nearer the head)
    stamps overwrite earlier ones, so the fade along the trail stays clean."""
    layer = cv.layer()
    d = ImageDraw.Draw(layer)
    for (x, y), w, c in reversed(list(zip(points, widths, colors))):
        d.ellipse(cv.ell(x, y, w), fill=c)
    return layer


def stars(cv, seed, count, area=None, big=4, tint=((255, 255, 255), (190, 210, 255), (255, 230, 190))):
    """Scatters a seeded field of stars, a few of them with a little cross sparkle."""
    rnd = random.Random(seed)
    x0, y0, x1, y1 = area or (0, 0, cv.w, cv.h)
    layer = cv.layer()
    d = ImageDraw.Draw(layer)
    for i in range(count):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        bright = rnd.uniform(0.35, 1.0)
        color = rgba(rnd.choice(tint), int(255 * bright))
        r = rnd.uniform(0.28, 0.55) if i >= big else 0.75
        d.ellipse(cv.ell(x, y, r), fill=color)
        if i < big:  # sparkle: thin cross fading out
            for k in range(1, 9):
                a = int(200 * (1 - k / 9.0))
                w = max(1, int(cv.s * 0.35))
                for sx, sy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    px, py = cv.pt(x + sx * k * 0.45, y + sy * k * 0.45)
                    d.ellipse([px - w, py - w, px + w, py + w], fill=rgba(color, a))
    return layer


def bezier(p0, p1, p2, n):
    """n+1 points along a quadratic Bezier curve."""
    out = []
    for i in range(n + 1):
        t = i / float(n)
        a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return out


def gear_points(cx, cy, r_out, r_in, teeth, phase=0.0):
    """Outline of a cog wheel with trapezoid teeth."""
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = phase + i * step
        for frac, r in ((0.0, r_in), (0.12, r_out), (0.45, r_out), (0.57, r_in)):
            ang = a + frac * step
            pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    return pts


def font(size_px):
    if os.path.exists(FONT_PATH):
        return ImageFont.truetype(FONT_PATH, size_px)
    return None


def fit_font(text, max_width, size_px):
    f = font(size_px)
    while f is not None and f.getlength(text) > max_width and size_px > 8:
        size_px -= 2
        f = font(size_px)
    return f


def title(cv, text, cy, size=24):
    """A gold word with a dark rim and a soft shadow, centred at height cy."""
    f = fit_font(text, (cv.w - 14) * cv.s, size * cv.s)
    if f is None:
        return
    pos = (cv.w * cv.s // 2, int(cy * cv.s))
    rim, fill = cv.mask(), cv.mask()
    ImageDraw.Draw(rim).text(pos, text, font=f, fill=255, anchor="mm",
                             stroke_width=int(1.4 * cv.s))
    ImageDraw.Draw(fill).text(pos, text, font=f, fill=255, anchor="mm")
    halo = Image.new("RGBA", cv.size, rgba(GOLD_DARK))
    halo.putalpha(rim.point(lambda v: v * 110 // 255))
    cv.add_light(cv.blur(halo, 3.0))
    cv.shadow(Image.merge("RGBA", [rim] * 4), 0.8, 1.2, 1.0, alpha=220)
    cv.over(masked(Image.new("RGBA", cv.size, rgba((40, 12, 6))), rim))
    top, bottom = f.getbbox(text, anchor="mm")[1], f.getbbox(text, anchor="mm")[3]
    grad = cv.layer()
    band = vertical((cv.size[0], bottom - top),
                    [(0.0, GOLD_LIGHT), (0.45, GOLD), (1.0, GOLD_DARK)])
    grad.paste(band, (0, pos[1] + top))
    cv.over(masked(grad, fill))


def space_backdrop(cv, seed, nebulae):
    """Dark space: a deep gradient, a few coloured nebula clouds and stars."""
    cv.over(vertical(cv.size, [(0.0, (5, 6, 22)), (0.55, (14, 12, 44)), (1.0, (34, 12, 30))]))
    for (x, y, r, color, a) in nebulae:
        cv.add_light(glow(cv.size, cv.pt(x, y), r * cv.s, color, a, falloff=1.6))
    cv.over(stars(cv, seed, 46, big=4))


def fire_edge(cv, seed, height=26):
    """A low band of flames licking up from the bottom edge."""
    rnd = random.Random(seed)
    m = cv.mask()
    d = ImageDraw.Draw(m)
    x = -4.0
    while x < cv.w + 4:
        h = rnd.uniform(0.35, 1.0) * height
        w = rnd.uniform(3.0, 6.0)
        lean = rnd.uniform(-2.5, 2.5)
        base = cv.h + 3
        tongue = [(x - w, base), (x - w * 0.8, base - h * 0.45), (x + lean * 0.6, base - h * 0.85),
                  (x + lean, base - h), (x + w * 0.55 + lean * 0.4, base - h * 0.55),
                  (x + w, base)]
        d.polygon(cv.poly(tongue), fill=int(rnd.uniform(150, 255)))
        x += rnd.uniform(3.5, 6.5)
    m = cv.blur(m, 2.2)
    base_glow = vertical(cv.size, [(0.0, (0, 0, 0)), (1.0 - height * 1.6 / cv.h, (0, 0, 0)),
                                   (1.0, (120, 120, 120))]).convert("L")
    m = ImageChops.lighter(m, base_glow)
    flames = ramp(m, [(0.0, (0, 0, 0, 0)), (0.18, (90, 10, 4, 255)), (0.45, EMBER + (255,)),
                      (0.7, (255, 120, 20, 255)), (0.9, (255, 210, 90, 255)),
                      (1.0, (255, 245, 200, 255))])
    cv.add_light(flames)


def frame(cv):
    """A thin bevel round the picture, so it sits in its panel like a plate."""
    layer = cv.layer()
    d = ImageDraw.Draw(layer)
    s = cv.s
    W, H = cv.size
    d.rectangle([0, 0, W - 1, H - 1], outline=(0, 0, 0, 200), width=s)
    d.line([(s, s), (W - 2 * s, s)], fill=(150, 160, 220, 70), width=s)
    d.line([(s, s), (s, H - 2 * s)], fill=(150, 160, 220, 50), width=s)
    cv.over(layer)


# ---------------------------------------------------------------------------
# Program icon
# ---------------------------------------------------------------------------

def orbit_point(cx, cy, rx, ry, tilt, t):
    x, y = rx * math.cos(t), ry * math.sin(t)
    c, s = math.cos(tilt), math.sin(tilt)
    return (cx + x * c - y * s, cy + x * s + y * c)


def emblem(size):
    """The orbit emblem: a golden comet whose tail wraps round a small blue planet."""
    k = size / 32.0  # stroke widths in 32-pixel units
    cv = Canvas(size, size, 384 // size)
    cx, cy, rx, ry, tilt = size * 0.47, size * 0.52, size * 0.43, size * 0.165, math.radians(-24)
    head_t = math.radians(-8)

    # Far side of the orbit, behind the planet: a faint gold line.
    back = cv.layer()
    d = ImageDraw.Draw(back)
    pts = [orbit_point(cx, cy, rx, ry, tilt, math.radians(a)) for a in range(175, 355, 2)]
    cv.line(d, pts, (255, 196, 80, 210), 1.15 * k)
    cv.over(back)

    sphere(cv, size * 0.47, size * 0.5, size * 0.27,
           (150, 210, 255), (52, 104, 214), (18, 24, 86), outline=(8, 10, 34), outline_width=0.9 * k)
    # A pale band across the planet.
    band = cv.layer()
    ImageDraw.Draw(band).ellipse(cv.ell(size * 0.47, size * 0.47, size * 0.3, size * 0.07),
                                 outline=(200, 230, 255, 70), width=int(1.2 * k * cv.s))
    planet = cv.mask()
    ImageDraw.Draw(planet).ellipse(cv.ell(size * 0.47, size * 0.5, size * 0.27), fill=255)
    cv.over(masked(band, planet))

    # The comet's tail follows the near side of the orbit for about 200 degrees.
    n = 160
    pts, widths, colors = [], [], []
    for i in range(n + 1):
        f = i / float(n)
        pts.append(orbit_point(cx, cy, rx, ry, tilt, head_t + math.radians(205) * f))
        widths.append((2.7 * (1 - f) ** 1.6 + 0.35) * k)
        col = mix(GOLD_LIGHT, GOLD, min(1, f * 3)) if f < 0.34 else mix(GOLD, GOLD_DARK, (f - 0.34) / 0.66)
        colors.append(rgba(col, int(255 * (1 - f ** 2.2))))
    trail = stamp_trail(cv, pts, widths, colors)
    cv.shadow(trail, 0, 0, 0.9 * k, alpha=140, color=(60, 20, 0))
    cv.over(trail)

    # Head: a soft halo, a white-hot core and a small four-point flare.
    hx, hy = pts[0]
    cv.over(glow(cv.size, cv.pt(hx, hy), 7.5 * k * cv.s, GOLD, 235, falloff=1.8))
    flare = cv.layer()
    d = ImageDraw.Draw(flare)
    for (dx, dy, length) in ((1, 0, 7.5), (-1, 0, 7.5), (0, 1, 6.0), (0, -1, 6.0)):
        for j in range(24):
            f = j / 24.0
            w = (1.1 * (1 - f) + 0.2) * k
            x, y = hx + dx * length * k * f, hy + dy * length * k * f
            d.ellipse(cv.ell(x, y, w * 0.5), fill=(255, 250, 220, int(255 * (1 - f))))
    cv.over(flare)
    core = cv.layer()
    ImageDraw.Draw(core).ellipse(cv.ell(hx, hy, 2.5 * k), fill=(255, 255, 240, 255))
    cv.over(core)
    return cv.result()


def write_ico(path, images):
    """Writes an icon file holding one classic 32-bit bitmap, with its AND mask, per image.

    Pillow would store the frames as PNG, or as bitmaps without the mask; the classic
    layout is the one every icon reader and resource compiler understands."""
    blobs = []
    for im in images:
        w, h = im.size
        px = im.convert("RGBA").load()
        xor, mask = bytearray(), bytearray()
        stride = ((w + 31) // 32) * 4
        for y in range(h - 1, -1, -1):  # bitmaps run bottom-up
            row = bytearray(stride)
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
                if a == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append((w, h, header + bytes(xor) + bytes(mask)))
    out = BytesIO()
    out.write(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for w, h, blob in blobs:
        out.write(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        offset += len(blob)
    for _, _, blob in blobs:
        out.write(blob)
    with open(path, "wb") as fh:
        fh.write(out.getvalue())


def draw_icon():
    """The icon at 32 and 48 pixels, twice that at density 2, each drawn for its size rather than
    scaled; klemnet.ico holds the first two, klemnet@2x.ico the others."""
    global DENSITY
    density, DENSITY = DENSITY, 1
    icons = [emblem(size * density) for size in (32, 48)]
    DENSITY = density
    for size, icon in zip((32, 48), icons):
        icon.save(out("klemnet-%d.png" % size))
    write_ico(out("klemnet.ico"), icons)


# ---------------------------------------------------------------------------
# Small GIFs for buttons
# ---------------------------------------------------------------------------

def save_gif(image, path, matte=(224, 224, 224), cutoff=40):
    """Saves an RGBA picture as a GIF: nearly clear pixels become the transparent
    colour, the rest are blended onto a light button grey so their edges stay soft."""
    alpha = image.getchannel("A")
    flat = Image.alpha_composite(Image.new("RGBA", image.size, rgba(matte)), image).convert("RGB")
    pal = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = pal.getpalette()[:255 * 3]
    palette += [0, 0, 0] * (255 - len(palette) // 3) + list(matte)
    pal.putpalette(palette)
    clear = alpha.point(lambda v: 255 if v < cutoff else 0)
    pal.paste(255, (0, 0), clear)
    pal.save(path, transparency=255, optimize=False)


def draw_run():
    """A runner leaning into his stride, with gold speed lines streaming behind."""
    cv = Canvas(54, 27, 8)

    # Speed lines: thin at the far (left) end, thicker and stronger near the runner.
    lines = cv.layer()
    d = ImageDraw.Draw(lines)
    for (y, x0, x1, w) in ((7.5, 13.0, 31.0, 1.7), (11.5, 3.0, 29.0, 2.1),
                           (15.5, 8.0, 29.5, 1.9), (19.5, 16.0, 26.5, 1.6)):
        n = 60
        for i in range(n + 1):
            f = i / float(n)
            x = x0 + (x1 - x0) * f
            r = (0.25 + 0.75 * f) * w / 2
            d.ellipse(cv.ell(x, y, r), fill=rgba(mix((240, 170, 30), (200, 110, 0), f), int(255 * (0.25 + 0.75 * f))))
    cv.over(lines)

    far, near = (92, 98, 128, 255), INK + (255,)
    body = cv.layer()
    d = ImageDraw.Draw(body)
    hip, shoulder = (36.0, 15.6), (41.2, 9.2)
    # Far arm and far leg first, a shade lighter.
    cv.line(d, [shoulder, (37.2, 11.8), (34.2, 9.3)], far, 2.4)
    cv.line(d, [hip, (33.0, 20.2), (28.6, 18.4)], far, 2.6)
    # Torso, leaning forward.
    cv.line(d, [hip, shoulder], near, 4.4)
    # Near leg: knee driven up and forward, foot planted under the knee.
    cv.line(d, [hip, (41.3, 18.6), (40.2, 24.2)], near, 2.8)
    cv.line(d, [(40.2, 24.2), (43.0, 24.6)], near, 2.2)
    # Near arm pumping forward.
    cv.line(d, [shoulder, (44.6, 13.6), (48.0, 11.4)], near, 2.4)
    # Head.
    d.ellipse(cv.ell(45.0, 5.2, 3.2), fill=near)
    cv.over(body)
    # Gold headband with its ends streaming back.
    band = cv.layer()
    d = ImageDraw.Draw(band)
    cv.line(d, [(42.3, 4.6), (47.9, 4.2)], (236, 164, 20, 255), 1.1)
    cv.line(d, [(42.3, 4.7), (39.6, 6.0), (37.2, 5.4)], (236, 164, 20, 255), 0.9)
    cv.line(d, [(42.3, 4.7), (39.4, 4.3), (37.6, 2.9)], (236, 164, 20, 255), 0.8)
    cv.over(band)
    save_gif(cv.result(), out("run.gif"))


def draw_arrows():
    """13x13 black arrows, set pixel by pixel: a 3-pixel shaft and an 11-pixel head."""
    right = Image.new("P", (13, 13), 0)
    right.putpalette([255, 255, 255, 0, 0, 0])
    px = right.load()
    for y in range(1, 12):
        d = abs(y - 6)
        for x in range(6, 12 - d):
            px[x, y] = 1
    for y in range(5, 8):
        for x in range(1, 6):
            px[x, y] = 1
    # Each pixel becomes DENSITY by DENSITY device pixels: the arrows stay as sharp as they are.
    right = right.resize((13 * DENSITY, 13 * DENSITY), Image.Resampling.NEAREST)
    right.save(out("arrow-right.gif"), transparency=0, optimize=False)
    right.transpose(Image.Transpose.FLIP_LEFT_RIGHT).save(out("arrow-left.gif"), transparency=0, optimize=False)


# ---------------------------------------------------------------------------
# Character portraits
# ---------------------------------------------------------------------------

def portrait_backdrop(cv, top, bottom, light):
    cv.over(vertical(cv.size, [(0.0, top), (1.0, bottom)]))
    cv.add_light(glow(cv.size, cv.pt(cv.w * 0.55, cv.h * 0.5), 24 * cv.s, light, 150, falloff=1.4))


def vignette(cv):
    edge = ramp(radial(cv.size, cv.pt(cv.w / 2, cv.h / 2), 30 * cv.s),
                [(0.0, (0, 0, 0, 0)), (0.7, (0, 0, 0, 0)), (1.0, (0, 0, 0, 120))])
    cv.over(edge)


def eye(d, cv, x, y, rx, ry, look=(0.5, 0.1), iris=(40, 90, 220), outline=INK):
    d.ellipse(cv.ell(x, y, rx + 0.45, ry + 0.45), fill=rgba(outline))
    d.ellipse(cv.ell(x, y, rx, ry), fill=(255, 255, 255, 255))
    ix, iy = x + look[0] * rx * 0.55, y + look[1] * ry * 0.5
    d.ellipse(cv.ell(ix, iy, rx * 0.6, ry * 0.62), fill=rgba(iris))
    d.ellipse(cv.ell(ix + rx * 0.1, iy, rx * 0.32, ry * 0.36), fill=(10, 10, 20, 255))
    d.ellipse(cv.ell(ix - rx * 0.12, iy - ry * 0.3, rx * 0.2, ry * 0.2), fill=(255, 255, 255, 255))


def comet_cell():
    """COMET: a golden face with blue spiky hair streaming back like a comet's tail."""
    cv = Canvas(48, 32, 8)
    portrait_backdrop(cv, (4, 8, 36), (16, 40, 110), (50, 100, 230))
    cv.over(stars(cv, 11, 14, big=1))
    # Speed streaks in the background.
    streaks = cv.layer()
    d = ImageDraw.Draw(streaks)
    for (y, x0, x1) in ((5, 2, 20), (27, 4, 24), (9, 30, 46), (29, 30, 44)):
        cv.line(d, [(x0, y), (x1, y)], (160, 200, 255, 70), 0.6)
    cv.over(streaks)

    hx, hy, hr = 30.0, 16.5, 8.4
    # A golden glow trailing behind the head.
    trail = stamp_trail(cv, bezier((hx - 2, hy), (14, hy - 1), (0, hy + 3), 80),
                        [7.5 * (1 - i / 80.0) + 1 for i in range(81)],
                        [rgba(mix(GOLD, GOLD_DARK, i / 80.0), int(255 * (1 - i / 80.0))) for i in range(81)])
    cv.add_light(cv.blur(trail, 1.2))

    # Blue spikes of hair, swept far back.
    hair = cv.layer()
    d = ImageDraw.Draw(hair)
    spikes = [(-140, -95, (2.0, 4.5)), (-175, -125, (-1.0, 11.0)), (160, -165, (1.0, 19.0)),
              (135, 175, (6.0, 27.0)), (110, 150, (14.0, 30.5))]
    for a0, a1, tip in spikes:
        p0 = (hx + hr * 1.02 * math.cos(math.radians(a0)), hy + hr * 1.02 * math.sin(math.radians(a0)))
        p1 = (hx + hr * 1.02 * math.cos(math.radians(a1)), hy + hr * 1.02 * math.sin(math.radians(a1)))
        mid = ((p0[0] + p1[0]) / 2 - 2, (p0[1] + p1[1]) / 2)
        d.polygon(cv.poly([p0, tip, p1, (hx, hy)]), fill=INK + (255,))
        inner = [mix(p0, mid, 0.18), mix(tip, mid, 0.12), mix(p1, mid, 0.18), (hx, hy)]
        d.polygon(cv.poly(inner), fill=(40, 110, 245, 255))
        d.polygon(cv.poly([mix(p0, mid, 0.3), mix(tip, mid, 0.3), mid]), fill=(120, 185, 255, 255))
    cv.shadow(hair, 0.6, 0.8, 0.6, alpha=120)
    cv.over(hair)
    # Blue fringe over the forehead.
    sphere(cv, hx, hy, hr, (255, 246, 190), (255, 202, 60), (200, 118, 20), outline=INK, outline_width=0.6)
    fringe = cv.layer()
    d = ImageDraw.Draw(fringe)
    d.polygon(cv.poly([(hx - 7.6, hy - 3.4), (hx - 3, hy - 9.2), (hx + 5.5, hy - 7.4), (hx + 8.3, hy - 3.5),
                       (hx + 3.2, hy - 5.0), (hx + 1.5, hy - 2.6), (hx - 1.8, hy - 4.6), (hx - 5.0, hy - 1.6)]),
              fill=(40, 110, 245, 255), outline=INK + (255,), width=int(0.55 * cv.s))
    d.polygon(cv.poly([(hx - 3.0, hy - 7.8), (hx + 4.4, hy - 6.7), (hx - 0.8, hy - 6.0)]),
              fill=(130, 190, 255, 255))
    cv.over(fringe)
    face = cv.layer()
    d = ImageDraw.Draw(face)
    eye(d, cv, hx + 1.0, hy - 0.2, 1.8, 2.6, look=(0.7, 0.1))
    eye(d, cv, hx + 5.3, hy - 0.2, 1.5, 2.4, look=(0.7, 0.1))
    # Determined brows and a grin.
    cv.line(d, [(hx - 1.2, hy - 3.8), (hx + 2.6, hy - 2.9)], INK + (255,), 0.8)
    cv.line(d, [(hx + 4.2, hy - 2.9), (hx + 6.8, hy - 3.6)], INK + (255,), 0.8)
    d.chord(cv.box(hx - 0.4, hy + 1.9, hx + 7.0, hy + 6.5), 0, 180, fill=(150, 30, 24, 255))
    d.rectangle(cv.box(hx + 0.2, hy + 4.2, hx + 6.4, hy + 5.0), fill=(255, 255, 255, 255))
    d.chord(cv.box(hx - 0.4, hy + 1.9, hx + 7.0, hy + 6.5), 0, 180, outline=INK + (255,),
            width=int(0.5 * cv.s))
    cv.over(face)
    vignette(cv)
    return cv.result()


def whirl_cell():
    """WHIRL: a friendly orange whirlwind with big eyes and two small wings."""
    cv = Canvas(48, 32, 8)
    portrait_backdrop(cv, (40, 18, 78), (110, 56, 150), (190, 120, 255))
    cv.over(stars(cv, 23, 10, big=1))
    # Faint swirl lines in the air.
    air = cv.layer()
    d = ImageDraw.Draw(air)
    for (x, y, r) in ((6, 8, 5), (42, 25, 5), (41, 6, 3.5)):
        d.arc(cv.ell(x, y, r, r * 0.6), 200, 520 - 180, fill=(230, 200, 255, 90), width=int(0.6 * cv.s))
    cv.over(air)

    # Wings behind the body: three rounded feathers each.
    wings = cv.layer()
    d = ImageDraw.Draw(wings)
    feathers = ((14.0, 8.6, 6.6, 1.9), (12.8, 11.6, 5.4, 1.8), (11.4, 14.4, 4.0, 1.7))
    for side in (-1, 1):
        for dx, y, rx, ry in feathers:
            d.ellipse(cv.ell(24 + side * dx, y, rx + 0.55, ry + 0.55), fill=(90, 30, 8, 255))
        for j, (dx, y, rx, ry) in reversed(list(enumerate(feathers))):
            x = 24 + side * dx
            d.ellipse(cv.ell(x, y, rx, ry), fill=mix((255, 252, 240), (255, 206, 160), j / 2.0) + (255,))
            d.ellipse(cv.ell(x + side * 1.2, y - 0.6, rx * 0.55, ry * 0.35), fill=(255, 255, 255, 255))
    cv.over(wings)

    # The funnel: rings from the narrow bottom up to the wide top.
    body = cv.layer()
    d = ImageDraw.Draw(body)
    rings = 7
    for i in range(rings - 1, -1, -1):
        f = i / float(rings - 1)  # 0 at the top
        x = 24 + 1.6 * math.sin(f * 4.0)
        y = 9.5 + f * 18.5
        rx = 11.5 * (1 - f) + 2.2 * f
        ry = 3.6 * (1 - f) + 1.3 * f
        fill = mix((255, 170, 50), (232, 100, 20), f)
        d.ellipse(cv.ell(x, y, rx + 0.6, ry + 0.6), fill=(90, 30, 8, 255))
        d.ellipse(cv.ell(x, y, rx, ry), fill=fill + (255,))
        d.arc(cv.ell(x, y - 0.4, rx * 0.8, ry * 0.6), 200, 320, fill=(255, 230, 150, 255),
              width=max(1, int(0.55 * cv.s)))
        if i == 0:  # the open mouth of the funnel
            d.ellipse(cv.ell(x, y - 0.5, rx * 0.72, ry * 0.5), fill=(196, 84, 18, 255))
            d.arc(cv.ell(x, y - 0.5, rx * 0.72, ry * 0.5), 20, 160, fill=(255, 214, 140, 255),
                  width=max(1, int(0.5 * cv.s)))
    cv.shadow(body, 0.8, 1.0, 0.8, alpha=110)
    cv.over(body)

    face = cv.layer()
    d = ImageDraw.Draw(face)
    eye(d, cv, 20.9, 14.0, 2.4, 3.0, look=(0.2, 0.2), iris=(40, 130, 60), outline=(90, 30, 8))
    eye(d, cv, 27.3, 14.0, 2.4, 3.0, look=(0.2, 0.2), iris=(40, 130, 60), outline=(90, 30, 8))
    d.arc(cv.box(21.6, 15.0, 27.0, 19.6), 25, 155, fill=(90, 30, 8, 255), width=int(0.7 * cv.s))
    d.ellipse(cv.ell(18.0, 17.4, 1.3, 0.8), fill=(255, 120, 110, 170))
    d.ellipse(cv.ell(30.4, 17.4, 1.3, 0.8), fill=(255, 120, 110, 170))
    cv.over(face)
    vignette(cv)
    return cv.result()


def rockclaw_cell():
    """ROCKCLAW: a red marsupial with big ears, a gold stripe and raised claws."""
    cv = Canvas(48, 32, 8)
    portrait_backdrop(cv, (10, 52, 56), (28, 104, 88), (90, 220, 170))
    # A rock ledge at the bottom.
    rock = cv.layer()
    d = ImageDraw.Draw(rock)
    d.polygon(cv.poly([(0, 27), (10, 25.5), (22, 27.5), (34, 25.8), (48, 27.2), (48, 32), (0, 32)]),
              fill=(40, 40, 52, 255))
    d.line(cv.poly([(0, 27), (10, 25.5), (22, 27.5), (34, 25.8), (48, 27.2)]),
           fill=(120, 130, 140, 255), width=int(0.6 * cv.s))
    cv.over(rock)

    red_light, red, red_dark = (255, 130, 110), (214, 38, 36), (110, 10, 20)
    outline = (40, 8, 10)
    cx, cy = 24.0, 16.5
    # Ears.
    for side in (-1, 1):
        ex, ey = cx + side * 10.2, cy - 9.0
        sphere(cv, ex, ey, 5.4, red_light, red, red_dark, outline=outline, outline_width=0.6)
        inner = cv.layer()
        ImageDraw.Draw(inner).ellipse(cv.ell(ex + side * 0.3, ey + 0.5, 3.1, 3.3), fill=(255, 160, 170, 255))
        cv.over(inner)
    # Head (a slightly wide oval).
    head = cv.mask()
    ImageDraw.Draw(head).ellipse(cv.ell(cx, cy, 10.6, 8.8), fill=255)
    rim = cv.mask()
    ImageDraw.Draw(rim).ellipse(cv.ell(cx, cy, 11.2, 9.4), fill=255)
    cv.over(masked(Image.new("RGBA", cv.size, rgba(outline)), rim))
    shade = ramp(radial(cv.size, cv.pt(cx - 4, cy - 4.5), 16 * cv.s),
                 [(0.0, red_light), (0.45, red), (0.9, red_dark), (1.0, red_dark)])
    cv.over(masked(shade, head))

    face = cv.layer()
    d = ImageDraw.Draw(face)
    # Gold stripe down the forehead, cheek tufts and a cream muzzle.
    d.polygon(cv.poly([(cx - 2.2, cy - 8.7), (cx + 2.2, cy - 8.7), (cx + 0.9, cy - 1.8), (cx - 0.9, cy - 1.8)]),
              fill=(255, 200, 40, 255))
    for side in (-1, 1):
        d.polygon(cv.poly([(cx + side * 8.5, cy + 1.0), (cx + side * 12.2, cy + 3.4),
                           (cx + side * 9.0, cy + 4.0), (cx + side * 11.0, cy + 5.8), (cx + side * 7.0, cy + 5.0)]),
                  fill=(255, 225, 190, 255), outline=outline + (255,), width=int(0.4 * cv.s))
    d.ellipse(cv.ell(cx, cy + 4.4, 5.6, 3.9), fill=(255, 232, 204, 255), outline=outline + (255,),
              width=int(0.45 * cv.s))
    d.ellipse(cv.ell(cx, cy + 2.3, 1.7, 1.15), fill=(25, 10, 12, 255))
    d.ellipse(cv.ell(cx - 0.5, cy + 1.9, 0.5, 0.3), fill=(255, 255, 255, 200))
    d.arc(cv.box(cx - 2.6, cy + 2.4, cx, cy + 5.6), 20, 160, fill=outline + (255,), width=int(0.45 * cv.s))
    d.arc(cv.box(cx, cy + 2.4, cx + 2.6, cy + 5.6), 20, 160, fill=outline + (255,), width=int(0.45 * cv.s))
    # Big dark eyes with shine.
    for side in (-1, 1):
        ex, ey = cx + side * 4.6, cy - 1.4
        d.ellipse(cv.ell(ex, ey, 2.6, 2.9), fill=(255, 255, 255, 255), outline=outline + (255,),
                  width=int(0.45 * cv.s))
        d.ellipse(cv.ell(ex + side * 0.4, ey + 0.3, 1.9, 2.3), fill=(20, 10, 16, 255))
        d.ellipse(cv.ell(ex - 0.4, ey - 0.7, 0.7, 0.7), fill=(255, 255, 255, 255))
    cv.over(face)

    # Two paws gripping the ledge, claws raised.
    paws = cv.layer()
    d = ImageDraw.Draw(paws)
    for px, py, side in ((8.5, 26.0, -1), (39.5, 26.0, 1)):
        for j in (-1, 0, 1):
            tip = (px + j * 2.4 + side * 0.9, py - 6.4 + abs(j) * 1.0)
            d.polygon(cv.poly([(px + j * 2.3 - 0.95, py - 1.2), tip, (px + j * 2.3 + 0.95, py - 1.2)]),
                      fill=(255, 246, 226, 255), outline=outline + (255,), width=int(0.35 * cv.s))
        d.ellipse(cv.ell(px, py, 3.9, 2.8), fill=red + (255,), outline=outline + (255,), width=int(0.5 * cv.s))
        d.arc(cv.ell(px, py - 0.3, 2.8, 1.7), 200, 340, fill=red_light + (255,), width=int(0.5 * cv.s))
    cv.over(paws)
    vignette(cv)
    return cv.result()


def draw_characters():
    strip = Image.new("RGB", (144 * DENSITY, 32 * DENSITY))
    for i, cell in enumerate((comet_cell(), whirl_cell(), rockclaw_cell())):
        strip.paste(cell.convert("RGB"), (48 * DENSITY * i, 0))
    strip.save(out("characters.jpg"), quality=92, subsampling=0)


# ---------------------------------------------------------------------------
# Menu pictures
# ---------------------------------------------------------------------------

def menu_canvas(seed, nebulae):
    cv = Canvas(128, 200, 4)
    space_backdrop(cv, seed, nebulae)
    return cv


def finish_menu(cv, word, seed, name):
    fire_edge(cv, seed)
    title(cv, word, 166)
    frame(cv)
    cv.result().convert("RGB").save(out(name), quality=90, subsampling=0)


def draw_menu_game():
    """PLAY: a comet slinging round a ringed planet."""
    cv = menu_canvas(101, [(30, 40, 60, (90, 40, 160), 120), (110, 120, 50, (30, 70, 160), 110)])
    px, py, pr = 50.0, 68.0, 27.0
    # Ring behind the planet.
    tilt = math.radians(-18)
    back = cv.layer()
    d = ImageDraw.Draw(back)
    for width, color in ((4.2, (90, 60, 40, 255)), (2.6, (230, 190, 130, 255))):
        pts = [orbit_point(px, py, pr * 1.75, pr * 0.42, tilt, math.radians(a)) for a in range(180, 362, 2)]
        cv.line(d, pts, color, width)
    cv.over(back)
    sphere(cv, px, py, pr, (255, 200, 150), (216, 96, 60), (60, 14, 40), outline=(20, 6, 20), outline_width=0.8)
    bands = cv.layer()
    d = ImageDraw.Draw(bands)
    for (y, h, c) in ((-14, 3.0, (255, 220, 170, 70)), (-4, 5.0, (120, 30, 30, 70)), (8, 3.5, (255, 210, 160, 60))):
        d.ellipse(cv.ell(px, py + y, pr * 1.2, h), fill=c)
    disc = cv.mask()
    ImageDraw.Draw(disc).ellipse(cv.ell(px, py, pr), fill=255)
    cv.over(masked(bands, disc))
    front = cv.layer()
    d = ImageDraw.Draw(front)
    for width, color in ((4.2, (90, 60, 40, 255)), (2.6, (230, 190, 130, 255))):
        pts = [orbit_point(px, py, pr * 1.75, pr * 0.42, tilt, math.radians(a)) for a in range(0, 182, 2)]
        cv.line(d, pts, color, width)
    cv.over(front)

    # The comet swings under the planet and heads off to the lower right.
    path = bezier((100.0, 118.0), (40.0, 122.0), (8.0, 94.0), 140)
    n = len(path) - 1
    haze = stamp_trail(cv, path, [10.0 * (1 - i / n) + 1.5 for i in range(n + 1)],
                       [rgba((255, 130, 30), int(170 * (1 - i / n) ** 1.3)) for i in range(n + 1)])
    cv.add_light(cv.blur(haze, 3.0))
    tail = stamp_trail(cv, path, [5.8 * (1 - i / n) ** 1.2 + 0.4 for i in range(n + 1)],
                       [rgba(mix(GOLD_LIGHT, GOLD_DARK, min(1, i / (0.8 * n))), int(255 * (1 - i / n) ** 1.5))
                        for i in range(n + 1)])
    cv.over(cv.blur(tail, 0.4))
    hx, hy = path[0]
    cv.add_light(glow(cv.size, cv.pt(hx, hy), 20 * cv.s, GOLD, 255, falloff=2.2))
    core = cv.layer()
    d = ImageDraw.Draw(core)
    d.ellipse(cv.ell(hx, hy, 4.0), fill=(255, 255, 245, 255))
    for (dx, dy, length) in ((1, 0, 13), (-1, 0, 13), (0, 1, 10), (0, -1, 10)):
        for j in range(30):
            f = j / 30.0
            d.ellipse(cv.ell(hx + dx * length * f, hy + dy * length * f, 0.9 * (1 - f) + 0.2),
                      fill=(255, 250, 225, int(255 * (1 - f))))
    cv.over(core)
    finish_menu(cv, "PLAY", 201, "menu-game.jpg")


def floppy(color, label_seed, mark=None):
    """A 3.5-inch disk, face on, as its own picture (56x56 units at 4x)."""
    cv = Canvas(56, 56, 4)
    d = ImageDraw.Draw(cv.img)
    light, dark = mix(color, (255, 255, 255), 0.35), mix(color, (0, 0, 0), 0.55)
    body = [(1, 1), (51.5, 1), (55, 4.5), (55, 55), (1, 55)]
    d.polygon(cv.poly(body), fill=dark + (255,))
    d.polygon(cv.poly([(2, 2), (51, 2), (54, 5), (54, 54), (2, 54)]), fill=color + (255,))
    d.line(cv.poly([(2, 54), (2, 2), (51, 2)]), fill=light + (255,), width=cv.s)
    # Metal shutter with its window.
    d.rectangle(cv.box(14, 1, 42, 20), fill=(120, 124, 136, 255))
    sh = vertical((cv.s * 27, cv.s * 18), [(0.0, (236, 238, 244)), (1.0, (168, 172, 184))])
    cv.img.paste(sh, (cv.s * 15, cv.s * 1), sh)
    d.rectangle(cv.box(31, 4, 37, 16), fill=(40, 40, 48, 255))
    d.rectangle(cv.box(15, 1, 42, 2), fill=(255, 255, 255, 160))
    # Label with ruled lines and a scribbled name.
    d.rounded_rectangle(cv.box(7, 26, 49, 55), radius=2 * cv.s, fill=(245, 242, 230, 255))
    for k in range(3):
        d.line(cv.poly([(10, 38 + 5 * k), (46, 38 + 5 * k)]), fill=(150, 180, 225, 255), width=cv.s // 2 + 1)
    d.rectangle(cv.box(7, 26, 49, 31), fill=mix(color, (255, 255, 255), 0.15) + (255,))
    rnd = random.Random(label_seed)
    x = 11.0
    pts = []
    while x < 40:
        pts.append((x, 35.5 + rnd.uniform(-1.6, 1.0)))
        x += rnd.uniform(1.2, 2.4)
    d.line(cv.poly(pts), fill=(30, 40, 110, 255), width=int(0.9 * cv.s), joint="curve")
    if mark:
        f = font(7 * cv.s)
        if f is not None:
            d.text(cv.pt(28, 45), mark, font=f, fill=(190, 40, 30, 255), anchor="mm")
    # Write-protect hole and hub notch.
    d.rectangle(cv.box(3.5, 49, 6.5, 52.5), fill=(20, 20, 26, 255))
    d.rectangle(cv.box(49.5, 49, 52.5, 52.5), fill=(20, 20, 26, 255))
    return cv.img


def draw_menu_wads():
    """WADS: three level disks fanned out on top of each other."""
    cv = menu_canvas(103, [(100, 50, 60, (30, 110, 150), 120), (20, 120, 50, (110, 40, 130), 100)])
    disks = [((46, 150, 70), 11, 28.0, 60.0, 16.0, None),
             ((200, 52, 48), 12, 54.0, 66.0, -11.0, None),
             ((44, 88, 200), 13, 41.0, 82.0, 4.0, "KLEM")]
    for color, seed, x, y, angle, mark in disks:
        img = floppy(color, seed, mark).rotate(angle, resample=Image.Resampling.BICUBIC, expand=True)
        layer = cv.layer()
        layer.paste(img, (int((x + 28) * cv.s - img.width / 2), int((y + 28) * cv.s - img.height / 2)), img)
        cv.shadow(layer, 1.8, 2.6, 2.2, alpha=190)
        cv.over(layer)
    finish_menu(cv, "WADS", 203, "menu-wads.jpg")


def draw_menu_options():
    """SETUP: a monitor showing sliders, with a big gold gear in front."""
    cv = menu_canvas(107, [(30, 110, 60, (40, 120, 120), 110), (100, 30, 50, (100, 50, 150), 110)])
    mon = cv.layer()
    d = ImageDraw.Draw(mon)
    # Stand and base.
    d.polygon(cv.poly([(52, 96), (72, 96), (76, 108), (48, 108)]), fill=(120, 124, 140, 255))
    d.rounded_rectangle(cv.box(34, 106, 90, 113), radius=3 * cv.s, fill=(150, 155, 172, 255),
                        outline=(30, 32, 44, 255), width=cv.s // 2 + 1)
    # Bezel.
    d.rounded_rectangle(cv.box(12, 26, 108, 98), radius=5 * cv.s, fill=(30, 32, 44, 255))
    cv.over(mon)
    bezel = vertical(cv.size, [(0.0, (226, 228, 236)), (0.4, (186, 190, 204)), (1.0, (120, 124, 142))])
    bm = cv.mask()
    ImageDraw.Draw(bm).rounded_rectangle(cv.box(13, 27, 107, 97), radius=4.5 * cv.s, fill=255)
    cv.over(masked(bezel, bm))
    # Screen: deep blue with a glow and scan lines, showing three sliders.
    sm = cv.mask()
    ImageDraw.Draw(sm).rounded_rectangle(cv.box(19, 32, 101, 88), radius=3 * cv.s, fill=255)
    scr = ramp(radial(cv.size, cv.pt(52, 54), 52 * cv.s), [(0.0, (50, 110, 220)), (1.0, (8, 18, 60))])
    cv.over(masked(scr, sm))
    ui = cv.layer()
    d = ImageDraw.Draw(ui)
    for k, knob in enumerate((0.7, 0.35, 0.55)):
        y = 44 + 12 * k
        cv.line(d, [(27, y), (93, y)], (10, 20, 50, 255), 2.6)
        cv.line(d, [(27, y), (27 + 66 * knob, y)], (120, 220, 255, 255), 1.6)
        d.rounded_rectangle(cv.box(25 + 66 * knob, y - 3.6, 29 + 66 * knob, y + 3.6), radius=cv.s,
                            fill=(240, 240, 250, 255), outline=(10, 20, 50, 255), width=cv.s // 2 + 1)
    for y in range(33, 88, 2):
        d.line(cv.poly([(19, y), (101, y)]), fill=(0, 0, 0, 40), width=cv.s // 2)
    cv.over(masked(ui, sm))
    # Screen shine.
    shine = cv.layer()
    ImageDraw.Draw(shine).polygon(cv.poly([(19, 32), (64, 32), (40, 60), (19, 70)]), fill=(255, 255, 255, 26))
    cv.over(masked(shine, sm))
    cv.add_light(glow(cv.size, cv.pt(60, 60), 60 * cv.s, (40, 90, 200), 90, falloff=2.0))

    # The gear, overlapping the monitor's lower right corner.
    gx, gy = 90.0, 104.0
    gear = cv.mask()
    g = ImageDraw.Draw(gear)
    g.polygon(cv.poly(gear_points(gx, gy, 25.0, 19.5, 10, phase=0.15)), fill=255)
    g.ellipse(cv.ell(gx, gy, 7.0), fill=0)
    cv.shadow(Image.merge("RGBA", [gear] * 4), 2.0, 3.0, 2.0, alpha=200)
    rim = gear.filter(ImageFilter.MaxFilter(2 * cv.s + 1))
    cv.over(masked(Image.new("RGBA", cv.size, (50, 22, 4, 255)), rim))
    metal = ramp(radial(cv.size, cv.pt(gx - 9, gy - 10), 40 * cv.s),
                 [(0.0, GOLD_LIGHT), (0.35, GOLD), (0.8, GOLD_DARK), (1.0, (130, 60, 8))])
    cv.over(masked(metal, gear))
    detail = cv.layer()
    d = ImageDraw.Draw(detail)
    d.ellipse(cv.ell(gx, gy, 15.0), outline=(150, 70, 8, 255), width=int(1.2 * cv.s))
    d.ellipse(cv.ell(gx, gy, 13.8), outline=(255, 236, 170, 200), width=int(0.8 * cv.s))
    d.ellipse(cv.ell(gx, gy, 8.0), outline=(110, 50, 6, 255), width=int(1.4 * cv.s))
    cv.over(masked(detail, gear))
    finish_menu(cv, "SETUP", 207, "menu-options.jpg")


def draw_menu_network():
    """NET: three little worlds linked by beams, the top one sending signal arcs."""
    cv = menu_canvas(109, [(64, 70, 64, (30, 60, 160), 120), (10, 140, 40, (20, 120, 110), 90)])
    worlds = [(64.0, 50.0, 13.0, ((170, 230, 255), (40, 120, 220), (10, 24, 80))),
              (30.0, 116.0, 15.0, ((255, 210, 150), (220, 110, 40), (70, 20, 20))),
              (99.0, 110.0, 12.0, ((190, 255, 200), (40, 170, 110), (8, 50, 50)))]
    # Beams between them, with bright packets travelling along.
    beams = cv.layer()
    d = ImageDraw.Draw(beams)
    for i in range(3):
        (x0, y0, _, _), (x1, y1, _, _) = worlds[i], worlds[(i + 1) % 3]
        cv.line(d, [(x0, y0), (x1, y1)], (80, 200, 255, 255), 1.4)
    glow_layer = cv.blur(beams, 2.0)
    cv.add_light(glow_layer)
    cv.add_light(glow_layer)
    cv.add_light(beams)
    packets = cv.layer()
    d = ImageDraw.Draw(packets)
    for i, f in ((0, 0.45), (1, 0.6), (2, 0.35)):
        (x0, y0, _, _), (x1, y1, _, _) = worlds[i], worlds[(i + 1) % 3]
        x, y = x0 + (x1 - x0) * f, y0 + (y1 - y0) * f
        d.ellipse(cv.ell(x, y, 1.9), fill=(230, 250, 255, 255))
    cv.add_light(cv.blur(packets, 1.4))
    cv.over(packets)

    # Signal arcs above the top world.
    arcs = cv.layer()
    d = ImageDraw.Draw(arcs)
    x, y = worlds[0][0], worlds[0][1]
    for k, r in enumerate((24.0, 30.0, 36.0)):
        d.arc(cv.ell(x, y, r), 222, 318, fill=(255, 210, 90, 255 - 60 * k), width=int(2.0 * cv.s))
    cv.add_light(cv.blur(arcs, 1.2))
    cv.over(arcs)
    # Ring round the orange world.
    ox, oy, orr = worlds[1][0], worlds[1][1], worlds[1][2]
    tilt = math.radians(-20)
    back = cv.layer()
    cv.line(ImageDraw.Draw(back), [orbit_point(ox, oy, orr * 1.7, orr * 0.4, tilt, math.radians(a))
                                   for a in range(180, 362, 3)], (230, 200, 150, 255), 1.8)
    cv.over(back)
    for (wx, wy, wr, (light, base, dark)) in worlds:
        sphere(cv, wx, wy, wr, light, base, dark, outline=(4, 6, 20), outline_width=0.8)
    front = cv.layer()
    cv.line(ImageDraw.Draw(front), [orbit_point(ox, oy, orr * 1.7, orr * 0.4, tilt, math.radians(a))
                                    for a in range(0, 182, 3)], (230, 200, 150, 255), 1.8)
    cv.over(front)
    # A small dish on the top world.
    dish = cv.layer()
    d = ImageDraw.Draw(dish)
    cv.line(d, [(x, y - 12.5), (x, y - 16.0)], (200, 204, 220, 255), 1.4)
    d.chord(cv.box(x - 5.2, y - 22.0, x + 5.2, y - 13.4), 0, 180, fill=(225, 228, 240, 255),
            outline=(30, 32, 50, 255), width=cv.s // 2 + 1)
    cv.line(d, [(x, y - 17.6), (x, y - 20.2)], (200, 204, 220, 255), 0.7)
    d.ellipse(cv.ell(x, y - 20.4, 0.9), fill=(255, 90, 60, 255))
    cv.over(dish)
    finish_menu(cv, "NET", 209, "menu-network.jpg")


def main():
    global DENSITY
    os.makedirs(OUT, exist_ok=True)
    for DENSITY in (1, 2):
        draw_icon()
        draw_run()
        draw_arrows()
        draw_characters()
        draw_menu_game()
        draw_menu_wads()
        draw_menu_options()
        draw_menu_network()
    print("pictures written to", OUT)


if __name__ == "__main__":
    main()
