#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the editor's images: the gold coin, the portrait frame, the 16 class icons and the
application icon, also as the scalable packaging/thalrex.svg that the installed icons are made of.
Python's standard library only; run it from anywhere and it rewrites the PNG files beside itself
and that SVG:

    python3 ui/images/make_images.py

Every picture shares one style: bronze rims, a dark slate field, gold, and the four skill gems
(melee red at the top, ranged green at the right, nature blue at the bottom, combat violet at the
left). A class icon lights the gems of the skills that lead; pattern 0 shows four empty sockets.

Shapes are signed distance functions, so edges are anti-aliased by their distance to the pixel
centre; colours may vary across a shape (gradients)."""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BRONZE_LIGHT = (0.93, 0.76, 0.45)
BRONZE_DARK = (0.45, 0.27, 0.10)
OUTLINE = (0.16, 0.10, 0.04)
SLATE_LIGHT = (0.27, 0.30, 0.38)
SLATE_DARK = (0.09, 0.10, 0.14)
GOLD_LIGHT = (1.00, 0.95, 0.62)
GOLD = (0.90, 0.68, 0.12)
GOLD_DARK = (0.55, 0.35, 0.02)
SOCKET = (0.20, 0.21, 0.25)

# Class pattern bits: melee, ranged, nature, combat (the leading skills of each pattern number).
MELEE, RANGED, NATURE, COMBAT = 1, 2, 4, 8
PATTERNS = [
    0, MELEE, RANGED, NATURE, COMBAT,
    MELEE | RANGED, MELEE | NATURE, MELEE | COMBAT,
    RANGED | NATURE, RANGED | COMBAT, NATURE | COMBAT,
    MELEE | RANGED | NATURE, MELEE | RANGED | COMBAT, MELEE | NATURE | COMBAT,
    RANGED | NATURE | COMBAT, MELEE | RANGED | NATURE | COMBAT,
]
# Each gem: its skill bit, its place on a unit diamond around the centre, its colour.
GEMS = [
    (MELEE, (0.0, -1.0), (0.86, 0.20, 0.16)),
    (RANGED, (1.0, 0.0), (0.22, 0.72, 0.26)),
    (NATURE, (0.0, 1.0), (0.18, 0.50, 0.90)),
    (COMBAT, (-1.0, 0.0), (0.64, 0.30, 0.88)),
]


class Canvas:
    """An RGBA picture of premultiplied floats; shapes are painted over it in design units."""

    def __init__(self, width, height, scale=1.0):
        self.width, self.height, self.scale = width, height, scale
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def paint(self, sdf, colour, alpha=1.0):
        """Paints where sdf(x, y) < 0; colour is an RGB triple or a function of (x, y)."""
        for py in range(self.height):
            row = self.pixels[py]
            y = (py + 0.5) / self.scale
            for px in range(self.width):
                x = (px + 0.5) / self.scale
                coverage = min(1.0, max(0.0, 0.5 - sdf(x, y) * self.scale)) * alpha
                if coverage <= 0.0:
                    continue
                r, g, b = colour(x, y) if callable(colour) else colour
                dr, dg, db, da = row[px]
                keep = 1.0 - coverage
                row[px] = (r * coverage + dr * keep, g * coverage + dg * keep,
                           b * coverage + db * keep, coverage + da * keep)

    def erase(self, sdf):
        """Makes the picture transparent where sdf(x, y) < 0."""
        for py in range(self.height):
            y = (py + 0.5) / self.scale
            for px in range(self.width):
                x = (px + 0.5) / self.scale
                keep = 1.0 - min(1.0, max(0.0, 0.5 - sdf(x, y) * self.scale))
                self.pixels[py][px] = tuple(c * keep for c in self.pixels[py][px])

    def save(self, name):
        raw = bytearray()
        for row in self.pixels:
            raw.append(0)
            for r, g, b, a in row:
                if a > 0:
                    r, g, b = r / a, g / a, b / a
                raw.extend(int(round(min(1.0, max(0.0, v)) * 255)) for v in (r, g, b, a))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        png += chunk(b"IEND", b"")
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(png)


# Signed distance functions -------------------------------------------------------------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rounded_rect(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hw, hh = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def polygon(points):
    def sdf(x, y):
        best = float("inf")
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    return sdf


def inset(sdf, amount):
    return lambda x, y: sdf(x, y) + amount


def ring(sdf, width):
    return lambda x, y: abs(sdf(x, y) + width / 2) - width / 2


def minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def vertical(top, bottom, c_top, c_bottom):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - top) / (bottom - top)))
        return tuple(a + (b - a) * t for a, b in zip(c_top, c_bottom))
    return colour


def radial(cx, cy, r, c_inner, c_outer):
    def colour(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(a + (b - a) * t for a, b in zip(c_inner, c_outer))
    return colour


def lighter(c, amount):
    return tuple(v + (1.0 - v) * amount for v in c)


def darker(c, amount):
    return tuple(v * (1.0 - amount) for v in c)


# Pictures -------------------------------------------------------------------------------------

def coin(canvas, cx, cy, r):
    canvas.paint(circle(cx, cy, r), OUTLINE)
    canvas.paint(circle(cx, cy, r * 0.86),
                 radial(cx - r * 0.35, cy - r * 0.4, r * 1.5, GOLD_LIGHT, GOLD_DARK))
    canvas.paint(ring(circle(cx, cy, r * 0.58), r * 0.12), GOLD_DARK, 0.8)
    diamond = [(cx, cy - r * 0.34), (cx + r * 0.26, cy), (cx, cy + r * 0.34), (cx - r * 0.26, cy)]
    canvas.paint(polygon(diamond), GOLD_LIGHT)


def gem(canvas, cx, cy, r, colour, lit):
    if not lit:
        canvas.paint(circle(cx, cy, r), darker(SOCKET, 0.4))
        canvas.paint(circle(cx, cy + r * 0.15, r * 0.7), SOCKET)
        return
    canvas.paint(circle(cx, cy, r), darker(colour, 0.55))
    canvas.paint(circle(cx, cy, r * 0.8),
                 radial(cx - r * 0.3, cy - r * 0.35, r * 1.3, lighter(colour, 0.55), colour))
    canvas.paint(circle(cx - r * 0.3, cy - r * 0.32, r * 0.28), (1.0, 1.0, 1.0), 0.85)


def gems(canvas, cx, cy, spread, r, leading):
    for bit, (dx, dy), colour in GEMS:
        gem(canvas, cx + dx * spread, cy + dy * spread, r, colour, bool(leading & bit))


def class_icon(pattern):
    canvas = Canvas(16, 16)
    canvas.paint(circle(8, 8, 7.8), OUTLINE)
    canvas.paint(circle(8, 8, 7.0), vertical(1, 15, BRONZE_LIGHT, BRONZE_DARK))
    canvas.paint(circle(8, 8, 5.9), radial(7, 6, 8, SLATE_LIGHT, SLATE_DARK))
    gems(canvas, 8, 8, 3.4, 2.1, PATTERNS[pattern])
    canvas.save("class%02d.png" % pattern)


def gold_coin():
    canvas = Canvas(16, 16)
    coin(canvas, 8, 8, 7.6)
    canvas.save("goldcoin.png")


def portrait_frame():
    # 43 x 50 with a 39 x 46 window at (2, 2): the portrait shows through it.
    canvas = Canvas(43, 50)
    outer = rounded_rect(0, 0, 43, 50, 2.5)
    window = rounded_rect(2, 2, 41, 48, 0.8)
    canvas.paint(outer, OUTLINE)
    canvas.paint(inset(outer, 0.7), vertical(0, 50, BRONZE_LIGHT, BRONZE_DARK))
    canvas.erase(window)
    canvas.paint(ring(inset(window, -0.6), 0.6), OUTLINE, 0.7)
    for cx, cy in ((1.5, 1.5), (41.5, 1.5), (1.5, 48.5), (41.5, 48.5)):
        canvas.paint(circle(cx, cy, 1.6), OUTLINE)
        canvas.paint(circle(cx, cy, 1.1), radial(cx - 0.4, cy - 0.4, 1.6, GOLD_LIGHT, GOLD))
    canvas.save("portraitframe.png")


def shield_outline(cx, top, width, height, steps=24):
    """A heater shield: a straight top and sides that curve to a point at the bottom."""
    half = width / 2
    shoulder = top + height * 0.42
    right = [(cx + half, top)]
    for i in range(steps + 1):
        t = i / steps
        angle = t * math.pi / 2
        right.append((cx + half * math.cos(angle), shoulder + (top + height - shoulder) * math.sin(angle)))
    left = [(2 * cx - x, y) for x, y in reversed(right)]
    return right + left[1:]


# The application icon on a 256 x 256 grid: the shield (centre, top, width, height), its rims as
# depths inside the outline (outline colour, bronze, outline, then the slate field), and the gems
# with the coin in their middle (centre, spread, gem radius, coin radius).
ICON_SHIELD = (128, 10, 216, 236)
ICON_RIMS = (5, 17, 20)
ICON_SLATE_LIGHT_AT = (110, 80, 200)
ICON_GEMS = (128, 112, 56, 23, 24)


def app_icon():
    cx, top, width, height = ICON_SHIELD
    bronze, dark, field = ICON_RIMS
    gx, gy, spread, r, coin_r = ICON_GEMS
    canvas = Canvas(256, 256)
    outline = polygon(shield_outline(cx, top, width, height))
    canvas.paint(outline, OUTLINE)
    canvas.paint(inset(outline, bronze), vertical(top, top + height, BRONZE_LIGHT, BRONZE_DARK))
    canvas.paint(inset(outline, dark), OUTLINE)
    canvas.paint(inset(outline, field), radial(*ICON_SLATE_LIGHT_AT, SLATE_LIGHT, SLATE_DARK))
    gems(canvas, gx, gy, spread, r, MELEE | RANGED | NATURE | COMBAT)
    coin(canvas, gx, gy, coin_r)
    canvas.save("thalrex.png")


def app_icon_svg():
    """The application icon as a scalable picture, packaging/thalrex.svg: the shapes of
    app_icon() with exact curves; each rim is a stroke of the outline kept inside it."""
    cx, top, width, height = ICON_SHIELD
    half, bottom = width / 2, top + height
    shoulder = top + height * 0.42
    ry = bottom - shoulder
    gx, gy, spread, r, coin_r = ICON_GEMS

    def hex_colour(c):
        return "#" + "".join("%02x" % int(round(v * 255)) for v in c)

    def n(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    def circle_el(x, y, radius, fill, extra=""):
        return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (n(x), n(y), n(radius), fill, extra)

    defs = [
        '<path id="shield" d="M%s %sH%sV%sA%s %s 0 0 1 %s %sA%s %s 0 0 1 %s %sZ"/>' % (
            n(cx - half), n(top), n(cx + half), n(shoulder), n(half), n(ry), n(cx), n(bottom),
            n(half), n(ry), n(cx - half), n(shoulder)),
        '<clipPath id="inside"><use href="#shield"/></clipPath>',
        '<linearGradient id="bronze" gradientUnits="userSpaceOnUse" x1="0" y1="%s" x2="0" y2="%s">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>' % (
            n(top), n(bottom), hex_colour(BRONZE_LIGHT), hex_colour(BRONZE_DARK)),
        '<radialGradient id="slate" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>' % (
            *map(n, ICON_SLATE_LIGHT_AT), hex_colour(SLATE_LIGHT), hex_colour(SLATE_DARK)),
        '<radialGradient id="gold" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>' % (
            n(gx - coin_r * 0.35), n(gy - coin_r * 0.4), n(coin_r * 1.5), hex_colour(GOLD_LIGHT),
            hex_colour(GOLD_DARK)),
    ]
    body = ['<use href="#shield" fill="%s"/>' % hex_colour(OUTLINE),
            '<g clip-path="url(#inside)">',
            '<use href="#shield" fill="url(#slate)"/>']
    bronze, dark, field = ICON_RIMS
    for depth, paint in ((field, hex_colour(OUTLINE)), (dark, "url(#bronze)"),
                         (bronze, hex_colour(OUTLINE))):
        body.append('<use href="#shield" fill="none" stroke="%s" stroke-width="%s"/>' % (
            paint, n(2 * depth)))
    body.append("</g>")
    for i, (_, (dx, dy), colour) in enumerate(GEMS):
        x, y = gx + dx * spread, gy + dy * spread
        defs.append('<radialGradient id="gem%d" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" '
                    'r="%s"><stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                    '</radialGradient>' % (i, n(x - r * 0.3), n(y - r * 0.35), n(r * 1.3),
                                           hex_colour(lighter(colour, 0.55)), hex_colour(colour)))
        body += [circle_el(x, y, r, hex_colour(darker(colour, 0.55))),
                 circle_el(x, y, r * 0.8, "url(#gem%d)" % i),
                 circle_el(x - r * 0.3, y - r * 0.32, r * 0.28, "#ffffff", ' fill-opacity="0.85"')]
    body += [circle_el(gx, gy, coin_r, hex_colour(OUTLINE)),
             circle_el(gx, gy, coin_r * 0.86, "url(#gold)"),
             circle_el(gx, gy, coin_r * 0.52, "none", ' stroke="%s" stroke-width="%s" '
                       'stroke-opacity="0.8"' % (hex_colour(GOLD_DARK), n(coin_r * 0.12))),
             '<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="%s"/>' % (
                 n(gx), n(gy - coin_r * 0.34), n(gx + coin_r * 0.26), n(gy), n(gx),
                 n(gy + coin_r * 0.34), n(gx - coin_r * 0.26), n(gy), hex_colour(GOLD_LIGHT))]
    svg = ['<?xml version="1.0" encoding="UTF-8"?>',
           "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->",
           "<!-- Thalrex's application icon, written by ui/images/make_images.py. -->",
           '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
           'viewBox="0 0 256 256">',
           "<defs>"] + defs + ["</defs>"] + body + ["</svg>"]
    with open(os.path.join(HERE, "..", "..", "packaging", "thalrex.svg"), "w") as f:
        f.write("\n".join(svg) + "\n")


if __name__ == "__main__":
    gold_coin()
    portrait_frame()
    for pattern in range(16):
        class_icon(pattern)
    app_icon()
    app_icon_svg()
