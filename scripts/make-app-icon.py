#!/usr/bin/python3
"""Draws the program's icon (no imaging library needed): a blue rounded square with a white sine
wave, the signal a drive puts out, and an orange dot on its crest.

Run from the repository root; writes data/desktop/icons/<size>/tarvolink.png for the hicolor
sizes and data/desktop/icons/scalable/tarvolink.svg."""
import importlib.util
import math
import os

HERE = os.path.dirname(__file__)
# The PNG writer of the parameters view's icons.
helpersLocation = importlib.util.spec_from_file_location('icons', os.path.join(HERE, 'make-parameter-icons.py'))
icons = importlib.util.module_from_spec(helpersLocation)
helpersLocation.loader.exec_module(icons)

OUT = os.path.join(HERE, '..', 'data', 'desktop', 'icons')
SIZES = (16, 24, 32, 48, 64, 128, 256)
BLUE = (31, 95, 168, 255)
WHITE = (255, 255, 255, 255)
ORANGE = (242, 140, 40, 255)
CLEAR = (0, 0, 0, 0)


def wave(u):
    return 0.5 - 0.22 * math.sin((u - 0.12) / 0.76 * 2 * math.pi)


def colour_at(u, v, stroke):
    # Rounded square with a corner radius of 0.18.
    r = 0.18
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r or not (0 <= u <= 1 and 0 <= v <= 1):
        return CLEAR
    if (u - 0.3) ** 2 + (v - wave(0.3)) ** 2 < 0.085 ** 2:
        return ORANGE
    slope = (wave(u + 1e-4) - wave(u - 1e-4)) / 2e-4
    if 0.12 <= u <= 0.88 and abs(v - wave(u)) / math.sqrt(1 + slope * slope) < stroke:
        return WHITE
    return BLUE


def draw(size):
    n = 4
    stroke = max(0.045, 1.2 / size)
    pixels = []
    for y in range(size):
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size, stroke)
                    acc = [a + b * (c[3] / 255 if i < 3 else 1) for i, (a, b) in enumerate(zip(acc, c))]
            alpha = acc[3] / (n * n)
            colour = tuple(round(a / (acc[3] / 255)) if acc[3] else 0 for a in acc[:3])
            pixels.append(colour + (round(alpha),))
    return pixels


def svg():
    points = ' '.join('%.1f,%.1f' % (256 * (0.12 + 0.76 * i / 48), 256 * wave(0.12 + 0.76 * i / 48))
                      for i in range(49))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            '  <rect width="256" height="256" rx="46" fill="#1f5fa8"/>\n'
            '  <polyline points="%s" fill="none" stroke="#ffffff" stroke-width="23" '
            'stroke-linecap="round"/>\n'
            '  <circle cx="%.1f" cy="%.1f" r="21.8" fill="#f28c28"/>\n'
            '</svg>\n') % (points, 256 * 0.3, 256 * wave(0.3))


for size in SIZES:
    folder = os.path.join(OUT, '%dx%d' % (size, size))
    os.makedirs(folder, exist_ok=True)
    icons.png(os.path.join(folder, 'tarvolink.png'), size, size, draw(size))
os.makedirs(os.path.join(OUT, 'scalable'), exist_ok=True)
with open(os.path.join(OUT, 'scalable', 'tarvolink.svg'), 'w') as f:
    f.write(svg())
