#!/usr/bin/python3
"""Draws the parameters view's toolbar pictures as small PNG files (no imaging library needed).

Run from the repository root; writes parameters/ui/images/*.png. The pictures are simple
glyphs on a rounded tile: grey for the normal state, blue for the pressed state."""
import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(__file__), '..', 'parameters', 'ui', 'images')


def png(path, w, h, pixels):
    raw = b''.join(b'\x00' + bytes(sum((list(p) for p in pixels[y * w:(y + 1) * w]), [])) for y in range(h))

    def chunk(kind, data):
        c = kind + data
        return struct.pack('>I', len(data)) + c + struct.pack('>I', zlib.crc32(c) & 0xffffffff)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [(0, 0, 0, 0)] * (w * h)

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c)
        self.rect(x0, y1, x1, y1, c)
        self.rect(x0, y0, x0, y1, c)
        self.rect(x1, y0, x1, y1, c)

    def tile(self, c):
        r = 4
        for y in range(self.h):
            for x in range(self.w):
                dx = max(r - x, x - (self.w - 1 - r), 0)
                dy = max(r - y, y - (self.h - 1 - r), 0)
                if dx * dx + dy * dy <= r * r:
                    self.put(x, y, c)

    def triangle(self, cx, y0, height, down, c):
        for i in range(height):
            half = i if down is False else height - 1 - i
            self.rect(cx - half, y0 + i, cx + half, y0 + i, c)


WHITE = (255, 255, 255, 255)
GREY = (99, 99, 99, 255)      # #636363, the enabled text colour
BLUE = (32, 96, 170, 255)
DARK = (40, 40, 40, 255)
LIGHT = (225, 230, 236, 255)


def glyph(name, c, fg):
    if name == 'new':
        c.frame(7, 4, 16, 19, fg); c.rect(12, 8, 12, 15, fg); c.rect(9, 11, 15, 12, fg)
    elif name == 'open':
        c.rect(4, 8, 19, 18, fg); c.rect(4, 6, 10, 7, fg); c.rect(6, 10, 17, 16, (0, 0, 0, 0))
    elif name == 'save':
        c.frame(5, 5, 18, 18, fg); c.frame(6, 6, 17, 17, fg); c.rect(8, 6, 15, 10, fg); c.rect(8, 14, 15, 17, fg)
    elif name == 'print':
        c.rect(4, 10, 19, 16, fg); c.frame(7, 4, 16, 9, fg); c.rect(7, 14, 16, 19, fg); c.rect(8, 15, 15, 18, WHITE)
    elif name == 'compare':
        c.frame(3, 5, 10, 18, fg); c.frame(13, 5, 20, 18, fg)
        for y in (8, 11, 14):
            c.rect(5, y, 8, y, fg); c.rect(15, y, 18, y, fg)
    elif name == 'import':   # down into a tray: from the drive
        c.rect(11, 4, 12, 12, fg); c.triangle(11, 11, 5, True, fg); c.rect(4, 17, 19, 19, fg)
    elif name == 'export':   # up out of a tray: to the drive
        c.triangle(11, 4, 5, False, fg); c.rect(11, 8, 12, 15, fg); c.rect(4, 17, 19, 19, fg)


def toolbar_icons():
    for name in ('new', 'open', 'save', 'print', 'compare', 'import', 'export'):
        for state, bg in (('default', GREY), ('pressed', BLUE)):
            c = Canvas(24, 24)
            c.tile(bg)
            glyph(name, c, WHITE)
            png(os.path.join(OUT, '%s_%s.png' % (name, state)), 24, 24, c.px)
    for name, file in (('import', 'Import.png'), ('export', 'Export.png')):
        c = Canvas(24, 24)
        glyph(name, c, BLUE)
        png(os.path.join(OUT, file), 24, 24, c.px)


def small_icons():
    c = Canvas(16, 16); c.frame(2, 2, 13, 13, GREY); c.rect(7, 4, 8, 11, GREY); c.rect(4, 7, 11, 8, GREY)
    png(os.path.join(OUT, 'Maximize.png'), 16, 16, c.px)
    c = Canvas(16, 16); c.frame(2, 2, 13, 13, GREY); c.rect(4, 7, 11, 8, GREY)
    png(os.path.join(OUT, 'Minimize.png'), 16, 16, c.px)
    c = Canvas(16, 16); c.triangle(7, 5, 6, True, GREY)
    png(os.path.join(OUT, 'Panel_DownArrow.png'), 16, 16, c.px)
    c = Canvas(16, 16); c.triangle(7, 5, 6, False, GREY)
    png(os.path.join(OUT, 'Panel_UpArrow.png'), 16, 16, c.px)


def logo():
    # 60 x 60: a blue disc with a white "T" and a grey drive wave beneath.
    n = 60
    c = Canvas(n, n)
    for y in range(n):
        for x in range(n):
            if (x - 29.5) ** 2 + (y - 29.5) ** 2 <= 29 ** 2:
                c.put(x, y, BLUE)
    c.rect(16, 13, 43, 19, WHITE)
    c.rect(27, 13, 32, 40, WHITE)
    for x in range(12, 48):
        y = int(round(46 + 4 * math.sin((x - 12) / 36 * 2 * math.pi)))
        c.rect(x, y, x, y + 1, LIGHT)
    png(os.path.join(OUT, 'Vx_logo_60.png'), n, n, c.px)


if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    toolbar_icons()
    small_icons()
    logo()
