"""Draws the game's mouse cursors as 32 x 32 PNG files: light shapes with dark outlines and a soft
shadow, so that they read on the dark map and on the bright panels alike. The animated attack cursor
is six frames of a crosshair whose ticks turn a quarter turn per cycle."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from raster import circle, line, outlined, polygon, ring, rotate_about, union, write_png  # noqa: E402

SIZE = 32
DARK = (12, 16, 22)
SHADOW = (1.5, 1.5, 0.45)


def arrow():
    shape = polygon([(1.5, 1.5), (1.5, 22.5), (6.5, 17.8), (10.2, 26.5), (13.6, 25.0), (10.0, 16.6),
                     (16.8, 16.6)])
    return outlined(SIZE, SIZE, shape, (236, 242, 248), DARK, 1.4, SHADOW)


def select():
    c, r, arm, w = 15.5, 9.5, 4.5, 1.0
    pieces = []
    for sx in (-1, 1):
        for sy in (-1, 1):
            x, y = c + sx * r, c + sy * r
            pieces.append(line(x, y, x - sx * arm, y, w))
            pieces.append(line(x, y, x, y - sy * arm, w))
    pieces.append(circle(c, c, 1.6))
    return outlined(SIZE, SIZE, union(*pieces), (130, 255, 170), DARK, 1.3, SHADOW)


def move():
    c = 15.5
    pieces = [ring(c, c, 4.0, 0.9)]
    for angle in (0, 90, 180, 270):
        tip = rotate_about(c, c, angle, (c, c - 13.0))
        left = rotate_about(c, c, angle, (c - 4.0, c - 8.5))
        right = rotate_about(c, c, angle, (c + 4.0, c - 8.5))
        pieces.append(polygon([tip, right, left]))
    return outlined(SIZE, SIZE, union(*pieces), (140, 205, 255), DARK, 1.3, SHADOW)


def attack(frame, frames):
    c = 15.5
    turn = 90.0 * frame / frames
    radius = 8.0 + 0.8 * (1 if frame % 2 else 0)
    pieces = [ring(c, c, radius, 0.9), circle(c, c, 1.4)]
    for angle in (0, 90, 180, 270):
        a = rotate_about(c, c, angle + turn, (c, c - radius + 3.0))
        b = rotate_about(c, c, angle + turn, (c, c - radius - 5.0))
        pieces.append(line(*a, *b, 1.0))
    return outlined(SIZE, SIZE, union(*pieces), (255, 84, 60), DARK, 1.3, SHADOW)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, "default.png"), SIZE, SIZE, arrow())
    write_png(os.path.join(folder, "select.png"), SIZE, SIZE, select())
    write_png(os.path.join(folder, "move.png"), SIZE, SIZE, move())
    for frame in range(6):
        write_png(os.path.join(folder, "attack_%d.png" % frame), SIZE, SIZE, attack(frame, 6))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "png"))
