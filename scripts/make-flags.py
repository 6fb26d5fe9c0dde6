#!/usr/bin/python3
"""Draws the language list's flag pictures as small PNG files (no imaging library needed).

Run from the repository root; writes app/images/<name>.png, 30 x 18 like the English flag.
Each flag is a plain drawing from stripes, a cross, a triangle and circles."""
import math
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(__file__), '..', 'app', 'images')
W, H = 30, 18


def png(path, pixels):
    raw = b''.join(b'\x00' + bytes(sum((list(p) for p in pixels[y * W:(y + 1) * W]), [])) for y in range(H))

    def chunk(kind, data):
        c = kind + data
        return struct.pack('>I', len(data)) + c + struct.pack('>I', zlib.crc32(c) & 0xffffffff)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, 6, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def rgb(hexcode):
    return tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4)) + (255,)


def draw(colour_at):
    """colour_at(u, v) with u, v in 0..1 at the pixel centre; 3x3 supersampling smooths curves."""
    pixels = []
    for y in range(H):
        for x in range(W):
            acc = [0, 0, 0, 0]
            for sy in range(3):
                for sx in range(3):
                    c = colour_at((x + (sx + 0.5) / 3) / W, (y + (sy + 0.5) / 3) / H)
                    acc = [a + b for a, b in zip(acc, c)]
            pixels.append(tuple(round(a / 9) for a in acc))
    return pixels


def horizontal(*colours, weights=None):
    weights = weights or [1] * len(colours)
    total = sum(weights)

    def at(u, v):
        edge = 0
        for colour, w in zip(colours, weights):
            edge += w / total
            if v < edge:
                return rgb(colour)
        return rgb(colours[-1])
    return at


def vertical(*colours, weights=None):
    h = horizontal(*colours, weights=weights)
    return lambda u, v: h(v, u)


def nordic(field, cross):
    def at(u, v):
        x, y = u * W, v * H
        return rgb(cross) if (9 <= x < 13) or (7 <= y < 11) else rgb(field)
    return at


def czech(u, v):
    if u < 0.5 * (1 - abs(2 * v - 1)):
        return rgb('11457e')
    return rgb('ffffff') if v < 0.5 else rgb('d7141a')


def star_contains(px, py, cx, cy, r_out, r_in, turn):
    points = []
    for k in range(10):
        a = turn + k * math.pi / 5
        r = r_out if k % 2 == 0 else r_in
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def turkish(u, v):
    x, y = u * W, v * H
    in_outer = (x - 11) ** 2 + (y - 9) ** 2 <= 5.0 ** 2
    in_inner = (x - 12.3) ** 2 + (y - 9) ** 2 <= 4.0 ** 2
    if (in_outer and not in_inner) or star_contains(x, y, 18.2, 9, 2.6, 1.05, 0.0):
        return rgb('ffffff')
    return rgb('e30a17')


def portuguese(u, v):
    x, y = u * W, v * H
    if (x - 12) ** 2 + (y - 9) ** 2 <= 4.2 ** 2:
        return rgb('ffcc00') if (x - 12) ** 2 + (y - 9) ** 2 >= 2.8 ** 2 else rgb('ffffff')
    return rgb('046a38') if u < 0.4 else rgb('da291c')


FLAGS = {
    'Sweden': nordic('006aa7', 'fecc02'),
    'Netherlands': horizontal('ae1c28', 'ffffff', '21468b'),
    'German': horizontal('000000', 'dd0000', 'ffce00'),
    'French': vertical('0055a4', 'ffffff', 'ef4135'),
    'Spain': horizontal('aa151b', 'f1bf00', 'aa151b', weights=[1, 2, 1]),
    'Russian': horizontal('ffffff', '0039a6', 'd52b1e'),
    'Italian': vertical('009246', 'ffffff', 'ce2b37'),
    'Czech': czech,
    'Turkish': turkish,
    'Portugues': portuguese,
}

if __name__ == '__main__':
    for name, colour_at in FLAGS.items():
        png(os.path.join(OUT, name + '.png'), draw(colour_at))
