#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the six built-in hero portraits as 64 x 64, 24-bit Windows bitmaps.

Every portrait is a bust in the same style: a dusky backdrop with a warm glow behind the head,
flat colours lit from the upper left, and a dark ink outline around each part. The game's header
shows only the top-left 39 x 46 pixels, so each figure stands inside that area.

Usage: draw_portraits.py [output folder]   (default: the folder of this script)
"""

import math
import os
import struct
import sys

SIZE = 64
SS = 4  # sub-samples per pixel along each axis
N = SIZE * SS
INK = (26, 20, 16)
OUTLINE = 0.55  # outline width in pixels


def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------- shapes

class Shape:
    """A region of the picture in pixel units; bbox = (x0, y0, x1, y1)."""

    def contains(self, x, y):
        raise NotImplementedError

    def grown(self, d):
        return Grown(self, d)


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def contains(self, x, y):
        dx = (x - self.cx) / self.rx
        dy = (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0

    def grown(self, d):
        return Ellipse(self.cx, self.cy, self.rx + d, self.ry + d)


class Poly(Shape):
    def __init__(self, points):
        self.points = points
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside

    def distance(self, x, y):
        best = 1e9
        pts = self.points
        for i in range(len(pts)):
            best = min(best, segment_distance(x, y, pts[i - 1], pts[i]))
        return best


class Line(Shape):
    """A stroke of the given width through the points."""

    def __init__(self, points, width):
        self.points, self.half = points, width / 2.0
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.bbox = (min(xs) - self.half, min(ys) - self.half,
                     max(xs) + self.half, max(ys) + self.half)

    def contains(self, x, y):
        pts = self.points
        for i in range(1, len(pts)):
            if segment_distance(x, y, pts[i - 1], pts[i]) <= self.half:
                return True
        return False

    def grown(self, d):
        return Line(self.points, 2 * (self.half + d))


class Grown(Shape):
    def __init__(self, shape, d):
        self.shape, self.d = shape, d
        x0, y0, x1, y1 = shape.bbox
        self.bbox = (x0 - d, y0 - d, x1 + d, y1 + d)

    def contains(self, x, y):
        return self.shape.contains(x, y) or self.shape.distance(x, y) <= self.d


class Clip(Shape):
    """The part of a shape inside (or, with outside=True, outside) another."""

    def __init__(self, shape, clipper, outside=False):
        self.shape, self.clipper, self.outside = shape, clipper, outside
        self.bbox = shape.bbox

    def contains(self, x, y):
        return self.shape.contains(x, y) and (self.clipper.contains(x, y) != self.outside)

    def grown(self, d):
        return Clip(self.shape.grown(d), self.clipper, self.outside)


class Box(Poly):
    def __init__(self, x0, y0, x1, y1):
        super().__init__([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def contains(self, x, y):
        return any(s.contains(x, y) for s in self.shapes)

    def grown(self, d):
        return Union(*(s.grown(d) for s in self.shapes))


def segment_distance(x, y, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    px, py = ax + t * dx - x, ay + t * dy - y
    return math.sqrt(px * px + py * py)


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self):
        self.px = [(0.0, 0.0, 0.0)] * (N * N)

    def backdrop(self, top, bottom, glow):
        top, bottom, glow = hexrgb(top), hexrgb(bottom), hexrgb(glow)
        for j in range(N):
            y = (j + 0.5) / SS
            t = y / SIZE
            base = [top[k] + (bottom[k] - top[k]) * t for k in range(3)]
            for i in range(N):
                x = (i + 0.5) / SS
                d = math.hypot(x - 19.5, (y - 18.0) * 0.9) / 22.0
                g = max(0.0, 1.0 - d) ** 2 * 0.75
                self.px[j * N + i] = tuple(base[k] + (glow[k] - base[k]) * g for k in range(3))

    def fill(self, shape, colour, alpha=1.0, shade=0.16):
        """Fills a shape lit from the upper left: lighter there, darker at the lower right."""
        rgb = hexrgb(colour) if isinstance(colour, str) else colour
        x0, y0, x1, y1 = shape.bbox
        span = max(1.0, (x1 - x0) + (y1 - y0))
        i0, i1 = max(0, int(x0 * SS)), min(N, int(x1 * SS) + 2)
        j0, j1 = max(0, int(y0 * SS)), min(N, int(y1 * SS) + 2)
        for j in range(j0, j1):
            y = (j + 0.5) / SS
            for i in range(i0, i1):
                x = (i + 0.5) / SS
                if not shape.contains(x, y):
                    continue
                t = ((x - x0) + (y - y0)) / span  # 0 at the upper left, 1 at the lower right
                f = 1.0 + shade * (1.0 - 2.0 * t)
                old = self.px[j * N + i]
                self.px[j * N + i] = tuple(
                    old[k] + (min(255.0, rgb[k] * f) - old[k]) * alpha for k in range(3))

    def part(self, shape, colour, shade=0.16):
        """An inked part: the outline, then the fill."""
        self.fill(shape.grown(OUTLINE), INK, shade=0.0)
        self.fill(shape, colour, shade=shade)

    def pixels(self):
        """The picture at 64 x 64, each pixel the mean of its sub-samples."""
        out = []
        for y in range(SIZE):
            row = []
            for x in range(SIZE):
                acc = [0.0, 0.0, 0.0]
                for j in range(y * SS, y * SS + SS):
                    for i in range(x * SS, x * SS + SS):
                        p = self.px[j * N + i]
                        acc[0] += p[0]
                        acc[1] += p[1]
                        acc[2] += p[2]
                row.append(tuple(int(round(c / (SS * SS))) for c in acc))
            out.append(row)
        return out


def write_bmp(path, rows):
    """A bottom-up 24-bit BMP with BGR pixels and rows padded to four bytes."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        image += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


# ---------------------------------------------------------------- common features

def eyes(c, y, apart=4.0, iris="#3a2a1a", size=1.3):
    for x in (19.5 - apart, 19.5 + apart):
        c.fill(Ellipse(x, y, size * 1.25, size), "#f4efe6", shade=0.0)
        c.fill(Ellipse(x + 0.2, y + 0.1, size * 0.8, size * 0.9), iris, shade=0.0)
        c.fill(Ellipse(x - 0.3, y - 0.35, 0.35, 0.35), "#ffffff", shade=0.0)


def brows(c, y, colour, thick=0.9, apart=4.0, tilt=0.6):
    c.fill(Line([(19.5 - apart - 2.0, y + tilt * 0.3), (19.5 - apart + 1.8, y - tilt)], thick),
           colour, shade=0.0)
    c.fill(Line([(19.5 + apart - 1.8, y - tilt), (19.5 + apart + 2.0, y + tilt * 0.3)], thick),
           colour, shade=0.0)


def smile(c, y, width=2.6, colour="#8a3a2a"):
    c.fill(Clip(Ellipse(19.5, y - 0.9, width, 1.6), Box(0, y - 0.2, SIZE, SIZE)), colour,
           shade=0.0)


def shoulders(c, colour, top=34.0):
    body = Poly([(0.5, 64.5), (1.5, top + 5), (8, top + 0.5), (31, top + 0.5), (37.5, top + 5),
                 (38.5, 64.5)])
    c.part(body, colour)
    return body


def neck(c, skin, top=27.0):
    c.part(Box(15.8, top, 23.2, 36.0), skin)


# ---------------------------------------------------------------- the six portraits

def farmboy(c):
    c.backdrop("#3b4a5e", "#1a2230", "#c79a5a")
    skin = "#e8b48a"
    shoulders(c, "#d8c9a2")
    c.part(Poly([(11, 64.5), (11, 41), (28, 41), (28, 64.5)]), "#4e6c9a")  # overall bib
    for x0, x1 in ((9.5, 12.5), (29.5, 26.5)):  # straps
        c.part(Line([(x0, 35), (x1, 41.5)], 2.2), "#4e6c9a")
    c.fill(Ellipse(13.8, 42.8, 0.7, 0.7), "#e0c050", shade=0.0)
    c.fill(Ellipse(25.2, 42.8, 0.7, 0.7), "#e0c050", shade=0.0)
    neck(c, "#d9a077")
    c.part(Ellipse(10.6, 21.5, 2.0, 3.0), skin)
    c.part(Ellipse(28.4, 21.5, 2.0, 3.0), skin)
    c.part(Ellipse(19.5, 20.5, 9.0, 10.5), skin)
    # brown tufts from under the hat
    c.part(Poly([(10.8, 13), (28.2, 13), (27.5, 18.5), (25, 15.5), (23, 18), (20.5, 15.2),
                 (17.5, 18), (15.5, 15.2), (13, 18.3), (11.2, 16)]), "#7a4a22")
    eyes(c, 21.3)
    brows(c, 18.4, "#5a3418")
    c.fill(Ellipse(19.5, 24.6, 1.3, 1.1), "#cf946a", shade=0.0)  # nose
    for x, y in ((14.2, 24.5), (15.4, 25.3), (13.8, 25.9), (24.8, 24.5), (23.6, 25.3),
                 (25.2, 25.9)):
        c.fill(Ellipse(x, y, 0.42, 0.42), "#b8704a", shade=0.0)
    smile(c, 28.0)
    # straw hat: crown, band, brim
    c.part(Clip(Ellipse(19.5, 11.5, 8.8, 7.0), Box(0, 0, SIZE, 12.2)), "#d9b24c")
    c.part(Ellipse(19.5, 12.6, 16.0, 3.2), "#e2bd56")
    c.fill(Clip(Ellipse(19.5, 11.5, 8.8, 7.0), Box(0, 8.6, SIZE, 10.8)), "#8a4a24")
    for x in (8, 12, 16, 23, 27, 31):  # weave
        c.fill(Line([(x, 11.4), (x + 1.6, 13.8)], 0.5), "#b08a30", shade=0.0)


def farmgirl(c):
    c.backdrop("#4a3e5a", "#1e1a2a", "#d09a6a")
    skin = "#f1c6a2"
    hair = "#e0aa48"
    c.part(Ellipse(19.5, 20.5, 11.0, 12.5), hair)  # hair behind the head
    shoulders(c, "#5c8a4e", top=35.0)
    c.part(Clip(Ellipse(19.5, 35.5, 8.5, 5.0), Box(0, 35.5, SIZE, SIZE)), "#f2ead8")  # collar
    neck(c, "#e3b08a", top=28.0)
    for side in (-1, 1):  # braids with ribbons
        x = 19.5 + side * 10.2
        for k in range(5):
            c.part(Ellipse(x + side * 0.5 * k, 26.5 + k * 3.3, 2.3, 2.0), hair)
        c.part(Poly([(x + side * 2.5 - 1.6, 42.8), (x + side * 2.5 + 1.6, 42.8),
                     (x + side * 2.5 + 1.0, 44.6), (x + side * 2.5 - 1.0, 44.6)]), "#c8383a")
    c.part(Ellipse(19.5, 21.0, 8.4, 10.0), skin)
    # fringe with a centre parting
    c.part(Union(Clip(Ellipse(15.5, 15.2, 6.0, 5.4), Box(0, 0, 19.6, 17.8)),
                 Clip(Ellipse(23.5, 15.2, 6.0, 5.4), Box(19.4, 0, SIZE, 17.8))), hair)
    c.fill(Line([(19.5, 10.2), (19.5, 14.5)], 0.6), "#a87828", shade=0.0)
    eyes(c, 21.6, iris="#2f6a8a", size=1.45)
    for x in (15.5, 23.5):  # lashes
        c.fill(Line([(x - 2.0, 20.4), (x + 1.8, 20.0)], 0.6), INK, shade=0.0)
    brows(c, 18.5, "#a87828", thick=0.6, tilt=0.3)
    for x in (13.8, 25.2):  # rosy cheeks
        c.fill(Ellipse(x, 25.2, 1.9, 1.2), "#f08a80", alpha=0.55, shade=0.0)
    c.fill(Ellipse(19.5, 24.6, 0.9, 0.8), "#dca080", shade=0.0)
    c.fill(Ellipse(19.5, 27.9, 1.8, 0.9), "#c84a50", shade=0.0)  # lips


def dwarf(c):
    c.backdrop("#4a4438", "#1c1a16", "#c88a4a")
    skin = "#dc9c7a"
    beard = "#c45a26"
    shoulders(c, "#7a5534")
    for x in (6.0, 33.0):  # pauldrons
        c.part(Clip(Ellipse(x, 39.0, 6.5, 5.0), Box(0, 0, SIZE, 41.0)), "#8e98a2")
        c.fill(Ellipse(x, 37.3, 0.7, 0.7), "#dfe4ea", shade=0.0)
    c.part(Ellipse(19.5, 21.5, 9.6, 10.0), skin)
    c.part(Ellipse(9.8, 22.0, 1.8, 2.6), skin)
    c.part(Ellipse(29.2, 22.0, 1.8, 2.6), skin)
    # the beard covers the lower face and the chest
    c.part(Poly([(10.5, 22), (13, 27.5), (17, 29), (22, 29), (26, 27.5), (28.5, 22),
                 (30.5, 30), (29, 38), (25, 44), (19.5, 46.5), (14, 44), (10, 38), (8.5, 30)]),
           beard)
    for x0, x1 in ((14, 13), (17, 16.5), (22, 22.5), (25, 26)):
        c.fill(Line([(x0, 33), (x1, 41)], 0.5), "#8a3a16", shade=0.0)
    # moustache either side of the nose
    c.part(Ellipse(16.3, 27.0, 4.0, 1.9), "#d46a30")
    c.part(Ellipse(22.7, 27.0, 4.0, 1.9), "#d46a30")
    eyes(c, 21.4, size=1.05, apart=3.9)
    brows(c, 19.2, "#d8c8b0", thick=1.6, tilt=0.2)
    c.part(Ellipse(19.5, 24.2, 2.4, 2.3), "#cf8462")  # nose
    # iron helmet: dome, rim, nose guard, rivets
    c.part(Clip(Ellipse(19.5, 16.5, 11.0, 9.5), Box(0, 0, SIZE, 16.6)), "#9aa4ae")
    c.part(Box(8.2, 15.0, 30.8, 17.6), "#7c8690")
    c.part(Box(18.4, 16.0, 20.6, 23.2), "#7c8690")
    for x in (10.5, 14.5, 24.5, 28.5):
        c.fill(Ellipse(x, 16.3, 0.55, 0.55), "#e6ebf0", shade=0.0)
    c.fill(Line([(14, 9.0), (19.5, 7.4), (25, 9.0)], 0.7), "#c8d0d8", shade=0.0)


def skull(c, cx, cy, scale, socket, glow, teeth=True):
    """A skull in bone colours, painted from the jaw forward."""
    bone = "#e8dfc4"
    c.part(Poly([(cx - 6.5 * scale, cy + 3 * scale), (cx + 6.5 * scale, cy + 3 * scale),
                 (cx + 5.0 * scale, cy + 11 * scale), (cx - 5.0 * scale, cy + 11 * scale)]), bone)
    c.part(Ellipse(cx, cy, 9.5 * scale, 9.0 * scale), bone)
    for side in (-1, 1):
        x = cx + side * 4.3 * scale
        c.fill(Ellipse(x, cy + 2.6 * scale, 2.9 * scale, 3.1 * scale), socket, shade=0.0)
        c.fill(Ellipse(x + side * 0.2, cy + 2.9 * scale, 0.9 * scale, 0.9 * scale), glow,
               shade=0.0)
    c.fill(Poly([(cx, cy + 5.2 * scale), (cx - 1.4 * scale, cy + 8.0 * scale),
                 (cx + 1.4 * scale, cy + 8.0 * scale)]), socket, shade=0.0)
    if teeth:
        c.fill(Box(cx - 4.2 * scale, cy + 8.8 * scale, cx + 4.2 * scale, cy + 9.2 * scale), socket,
               shade=0.0)
        for k in range(-3, 4):
            x = cx + k * 1.2 * scale
            c.fill(Line([(x, cy + 8.2 * scale), (x, cy + 10.6 * scale)], 0.4), "#6a5e48",
                   shade=0.0)


def skeleton(c):
    c.backdrop("#2e3a46", "#10161c", "#6a8aa0")
    bone = "#e8dfc4"
    shoulders(c, "#4a3e5e", top=36.0)  # tattered cloak
    c.part(Box(18.0, 28.0, 21.0, 40.0), bone)  # spine and sternum
    for y in (31.0, 34.0, 37.0):
        c.fill(Line([(18.0, y), (21.0, y)], 0.5), INK, shade=0.0)
    c.part(Line([(8, 38.5), (18, 36.0)], 2.0), bone)  # collar bones
    c.part(Line([(21, 36.0), (31, 38.5)], 2.0), bone)
    for k, y in enumerate((40.0, 43.5)):  # ribs
        w = 7.5 + k
        c.part(Line([(19.5 - w, y + 2.5), (17.6, y), (21.4, y), (19.5 + w, y + 2.5)], 1.4), bone)
    skull(c, 19.5, 16.5, 1.0, "#18121e", "#7fe6ff")
    c.fill(Line([(22.5, 8.2), (21.3, 10.6), (22.4, 12.2)], 0.45), "#8a7e64", shade=0.0)


def skullhelm(c):
    c.backdrop("#44303a", "#180e14", "#c0584a")
    skin = "#d8a482"
    shoulders(c, "#8a2a2a", top=37.0)  # red tabard
    for x in (5.5, 33.5):  # dark plate pauldrons with a spike
        c.part(Poly([(x - 1.0, 32.5), (x + 1.0, 32.5), (x, 28.5)]), "#cfc8b4")
        c.part(Clip(Ellipse(x, 39.0, 7.0, 6.5), Box(0, 0, SIZE, 41.5)), "#4c545e")
    neck(c, "#c89272", top=28.0)
    c.part(Ellipse(19.5, 24.5, 8.0, 8.0), skin)  # the wearer's jaw
    c.fill(Line([(17.0, 28.8), (22.0, 28.6)], 0.7), "#6a2e22", shade=0.0)  # grim mouth
    c.fill(Line([(13.0, 26.5), (12.0, 30.0)], 0.7), "#3a2a20", shade=0.0)  # chin straps
    c.fill(Line([(26.0, 26.5), (27.0, 30.0)], 0.7), "#3a2a20", shade=0.0)
    for side in (-1, 1):  # horns curving up from the temples
        x = 19.5 + side * 9.0
        c.part(Poly([(x, 13.5), (x + side * 1.0, 17.0), (x + side * 5.0, 12.5),
                     (x + side * 7.0, 6.5), (x + side * 5.5, 2.5), (x + side * 4.8, 8.5)]),
               "#b8ac8e")
    # the skull-shaped helm over the upper face
    bone = "#e4dac0"
    c.part(Ellipse(19.5, 14.5, 10.0, 9.5), bone)
    c.part(Box(11.0, 17.0, 28.0, 23.5), bone)
    for side in (-1, 1):
        x = 19.5 + side * 4.2
        c.fill(Ellipse(x, 17.8, 3.0, 3.0), "#120a0e", shade=0.0)
        c.fill(Ellipse(x, 18.2, 1.0, 0.7), "#ff6a2a", shade=0.0)  # the wearer's eyes
    c.fill(Poly([(19.5, 20.0), (18.2, 22.8), (20.8, 22.8)]), "#120a0e", shade=0.0)
    for k in range(-3, 4):  # upper teeth along the helm's rim
        x = 19.5 + k * 1.25
        c.part(Poly([(x - 0.55, 23.5), (x + 0.55, 23.5), (x, 25.2)]), bone, shade=0.0)
    c.fill(Line([(13.5, 8.5), (15.0, 11.0), (14.0, 12.5)], 0.45), "#8a7e64", shade=0.0)


def skullward(c):
    c.backdrop("#2a3040", "#0e1018", "#5a8a6a")
    ring = Clip(Ellipse(19.5, 20.0, 17.0, 17.0), Ellipse(19.5, 20.0, 15.6, 15.6), outside=True)
    c.fill(Ellipse(19.5, 20.0, 18.0, 18.0), "#80ff90", alpha=0.12, shade=0.0)
    c.fill(ring, "#9cff8a", alpha=0.85, shade=0.0)  # the ward circle
    for k in range(8):  # runes on the circle
        a = k * math.pi / 4 + math.pi / 8
        x, y = 19.5 + 16.3 * math.cos(a), 20.0 + 16.3 * math.sin(a)
        c.fill(Poly([(x, y - 1.3), (x + 1.0, y), (x, y + 1.3), (x - 1.0, y)]), "#e8ffd8",
               shade=0.0)
    robe = "#4a3468"
    shoulders(c, robe, top=35.0)
    c.part(Poly([(19.5, 2.5), (29.5, 12), (31.0, 27), (27.5, 37), (11.5, 37), (8.0, 27),
                 (9.5, 12)]), robe)  # hood
    c.fill(Ellipse(19.5, 22.0, 7.6, 9.8), "#120c18", shade=0.0)  # shadow inside the hood
    skull(c, 19.5, 18.0, 0.66, "#0a060c", "#9cff6a")
    # skull amulet on a cord
    c.fill(Line([(12.5, 35.5), (19.5, 40.5), (26.5, 35.5)], 0.5), "#c8b070", shade=0.0)
    c.part(Ellipse(19.5, 41.6, 2.2, 2.0), "#e8dfc4")
    for x in (18.7, 20.3):
        c.fill(Ellipse(x, 41.5, 0.55, 0.6), "#2a1a2a", shade=0.0)


PORTRAITS = [
    ("0-farmboy.bmp", farmboy),
    ("1-farmgirl.bmp", farmgirl),
    ("2-dwarf.bmp", dwarf),
    ("3-skeleton.bmp", skeleton),
    ("4-skullhelm.bmp", skullhelm),
    ("5-skullward.bmp", skullward),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in PORTRAITS:
        canvas = Canvas()
        draw(canvas)
        write_bmp(os.path.join(folder, name), canvas.pixels())
        print(name)


if __name__ == "__main__":
    main()
