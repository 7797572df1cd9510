"""Draws the scars of battle as one PNG atlas of four 128 x 128 cells, so the game draws every scar in one
batch: a scorch mark (top left), a crater (top right), rubble (bottom left) and a stretch of tank tracks
(bottom right). Dark and brown with soft alpha, laid over any ground. Fixed seeds: always the same picture.
Usage: make_scars.py OUT_FOLDER"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from raster import value_noise, write_png  # noqa: E402

CELL = 128


def smoothstep(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def scorch(u, v):
    noise = value_noise(61)
    r = math.hypot(u, v) * (0.85 + 0.3 * noise(u * 3 + 5, v * 3 + 5))
    alpha = (1 - smoothstep(0.2, 0.95, r)) * (0.75 + 0.25 * noise(u * 9, v * 9))
    return (22, 18, 14), alpha


def crater(u, v):
    noise = value_noise(62)
    r = math.hypot(u, v) * (0.9 + 0.2 * noise(u * 4 + 2, v * 4 + 2))
    pit = 1 - smoothstep(0.35, 0.55, r)
    rim = math.exp(-((r - 0.62) / 0.1) ** 2)
    lit = max(0.0, (u - v) * 0.7)
    if pit > rim:
        return (28, 22, 16), 0.85 * pit + 0.1
    colour = (88 + 60 * lit, 76 + 50 * lit, 58 + 36 * lit)
    return colour, max(0.0, 0.8 * rim * (1 - smoothstep(0.7, 0.95, r)))


def rubble(u, v):
    noise = value_noise(63)
    chunks = value_noise(64)
    r = math.hypot(u, v)
    spread = 1 - smoothstep(0.55, 0.95, r * (0.8 + 0.4 * noise(u * 3, v * 3)))
    c = chunks(u * 7 + 11, v * 7 + 3)
    if c > 0.62:
        shade = 90 + 70 * chunks(u * 20, v * 20)
        return (shade, shade * 0.95, shade * 0.88), spread
    return (40, 34, 28), spread * 0.7


def tracks(u, v):
    """Two tread marks running up the cell, ribbed across."""
    tread = 0.0
    for centre in (-0.5, 0.5):
        tread = max(tread, 1 - smoothstep(0.14, 0.24, abs(u - centre)))
    ribs = 0.65 + 0.35 * (0.5 + 0.5 * math.cos(v * math.pi * 8))
    fade_ends = 1 - smoothstep(0.8, 1.0, abs(v))
    return (30, 26, 20), tread * ribs * fade_ends * 0.8


def cell(shade, x, y):
    u = (x + 0.5) / CELL * 2 - 1
    v = 1 - (y + 0.5) / CELL * 2
    colour, alpha = shade(u, v)
    return (*colour, 255 * max(0.0, min(1.0, alpha)))


def main(out):
    os.makedirs(out, exist_ok=True)
    layout = [[scorch, crater], [rubble, tracks]]
    pixels = []
    for y in range(2 * CELL):
        for x in range(2 * CELL):
            pixels.append(cell(layout[y // CELL][x // CELL], x % CELL, y % CELL))
    write_png(os.path.join(out, "scars.png"), 2 * CELL, 2 * CELL, pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "png"))
