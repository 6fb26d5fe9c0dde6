#!/usr/bin/python3
"""Draws the control panel's motor buttons (forward, backward, stop; default and pressed) as PNG
files with the parameters view's drawing helpers.

Run from the repository root; writes control/ui/images/*.png. Default: a grey tile with a white
glyph; pressed: a green (run) or red (stop) tile."""
import importlib.util
import os

HERE = os.path.dirname(__file__)
helpersLocation = importlib.util.spec_from_file_location('icons', os.path.join(HERE, 'make-parameter-icons.py'))
icons = importlib.util.module_from_spec(helpersLocation)
helpersLocation.loader.exec_module(icons)

OUT = os.path.join(HERE, '..', 'control', 'ui', 'images')
SIZE = 40
GREEN = (40, 150, 70, 255)
RED = (200, 45, 45, 255)


def arrow(c, right, fg):
    # A shaft and a head pointing left or right.
    for i in range(12):
        x = 26 + i if right else 13 - i
        c.rect(x, 8 + i, x, 31 - i, fg)
    if right:
        c.rect(9, 16, 26, 23, fg)
    else:
        c.rect(13, 16, 30, 23, fg)


def draw(name, pressed):
    c = icons.Canvas(SIZE, SIZE)
    c.tile((RED if name == 'Stop' else GREEN) if pressed else icons.GREY)
    if name == 'Fwd':
        arrow(c, True, icons.WHITE)
    elif name == 'Bwd':
        arrow(c, False, icons.WHITE)
    else:
        c.rect(11, 11, 28, 28, icons.WHITE)
    state = 'pressed' if pressed else 'default'
    icons.png(os.path.join(OUT, 'motor%s_%s.png' % (name, state)), SIZE, SIZE, c.px)


if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    for name in ('Fwd', 'Bwd', 'Stop'):
        for pressed in (False, True):
            draw(name, pressed)
