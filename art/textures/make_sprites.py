"""Draws the particle sprites as PNG files: soft white and grey shapes with alpha, which the particle
systems tint with their own colours. Sides are powers of two so every mipmap level is exact."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from raster import value_noise, write_png  # noqa: E402


def smoothstep(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def draw(size, shade):
    """shade(u, v) -> (grey or rgb, alpha in 0..1) with u, v in -1..1, v up; rows are written top first."""
    pixels = []
    for y in range(size):
        for x in range(size):
            u = (x + 0.5) / size * 2 - 1
            v = 1 - (y + 0.5) / size * 2
            colour, alpha = shade(u, v)
            if isinstance(colour, (int, float)):
                colour = (colour, colour, colour)
            pixels.append((*colour, 255 * max(0.0, min(1.0, alpha))))
    return pixels


def particle(u, v):
    r = math.hypot(u, v)
    return 255, (1 - smoothstep(0.0, 0.95, r)) ** 1.6


def puff(u, v):
    blobs = [(0.0, 0.0, 0.45), (-0.3, 0.15, 0.3), (0.3, 0.2, 0.28), (0.1, -0.3, 0.3), (-0.2, -0.25, 0.25)]
    density = sum(math.exp(-((u - x) ** 2 + (v - y) ** 2) / (2 * s * s)) for x, y, s in blobs)
    edge = 1 - smoothstep(0.75, 0.98, math.hypot(u, v))
    light = 215 + 40 * max(0.0, min(1.0, (v - u) * 0.5 + 0.5))
    return light, (1 - math.exp(-density * 1.1)) * edge


smoke_noise = value_noise(7)


def smoke(u, v):
    wobble = (smoke_noise(u * 3 + 10, v * 3 + 10) - 0.5) * 0.45 + (smoke_noise(u * 7, v * 7) - 0.5) * 0.15
    r = math.hypot(u, v) + wobble
    body = 1 - smoothstep(0.2, 0.85, r)
    texture = 0.65 + 0.35 * smoke_noise(u * 5 + 3, v * 5 + 3)
    grey = 170 + 50 * smoke_noise(u * 4 + 20, v * 4 + 20)
    return grey, body * texture * (1 - smoothstep(0.9, 1.0, math.hypot(u, v)))


def spark(u, v):
    r = math.hypot(u, v)
    core = math.exp(-(r / 0.16) ** 2)
    cross = math.exp(-(u / 0.05) ** 2) * (1 - smoothstep(0.1, 0.95, abs(v))) + \
        math.exp(-(v / 0.05) ** 2) * (1 - smoothstep(0.1, 0.95, abs(u)))
    diagonal = 0.45 * (math.exp(-((u - v) / 0.06) ** 2) + math.exp(-((u + v) / 0.06) ** 2)) * \
        (1 - smoothstep(0.05, 0.6, r))
    return 255, min(1.0, core + 0.8 * cross + diagonal)


flame_noise = value_noise(3)


def flame(u, v):
    """A teardrop: round at the bottom, licking up to a flickering point."""
    centre, radius, top = -0.3, 0.55, 0.95
    flicker = (flame_noise(u * 2 + 5, v * 3 + 5) - 0.5) * 0.5 * smoothstep(-0.3, top, v)
    x = u + flicker
    if v < centre:
        across = math.hypot(x, v - centre) / radius
    else:
        half_width = radius * max(0.0, 1 - (v - centre) / (top - centre)) ** 0.8 + 1e-3
        across = abs(x) / half_width
    body = smoothstep(0.0, 0.8, 1 - across) * (1 - smoothstep(0.4, top, v) * 0.5)
    heat = max(0.0, 1 - across * 1.5) * (1 - smoothstep(-0.3, 0.5, v))
    warm = (255, 232 + 23 * heat, 196 + 59 * heat)
    return warm, min(1.0, body * 1.15)


def ring(u, v):
    r = math.hypot(u, v)
    band = math.exp(-((r - 0.78) / 0.075) ** 2)
    inner = 0.18 * smoothstep(0.2, 0.75, r) * (1 - smoothstep(0.75, 0.8, r))
    return 255, min(1.0, band + inner) * (1 - smoothstep(0.95, 1.0, r))


SPRITES = {"particle": (64, particle), "puff": (64, puff), "smoke": (64, smoke), "spark": (32, spark),
           "flame": (64, flame), "ring": (64, ring)}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, (size, shade) in SPRITES.items():
        write_png(os.path.join(folder, name + ".png"), size, size, draw(size, shade))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "png"))
