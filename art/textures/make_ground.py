"""Draws the ground textures as PNG files: grass, dry earth, snow and rock that tile without seams, the
large-scale detail layer blended over them, and the hatching beyond the map's edge. Every pattern is
periodic noise from a fixed seed, so the same script always draws the same pictures.
Usage: make_ground.py OUT_FOLDER"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from raster import write_png  # noqa: E402

SIZE = 256
# The detail layer covers 9000 units of the map: 512 texels keep its finest blotches five texels wide.
DETAIL_SIZE = 512


def periodic_noise(seed, period):
    """Smooth noise in [0, 1) on a lattice that repeats every `period` cells, so it tiles."""
    def lattice(ix, iy):
        ix %= period
        iy %= period
        h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
        h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
        # The high bits: the low ones barely change with the row, which would draw stripes.
        h = ((h ^ (h >> 16)) * 2246822519) & 0xFFFFFFFF
        return (h >> 16) / 65536.0

    def noise(x, y):
        ix, iy = math.floor(x), math.floor(y)
        fx, fy = x - ix, y - iy
        sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        top = lattice(ix, iy) * (1 - sx) + lattice(ix + 1, iy) * sx
        bottom = lattice(ix, iy + 1) * (1 - sx) + lattice(ix + 1, iy + 1) * sx
        return top * (1 - sy) + bottom * sy
    return noise


def fractal(seed, base_period, octaves, falloff=0.5):
    """Octaves of periodic noise over the texture's unit square, each twice as fine; about 0..1."""
    layers = [periodic_noise(seed + i * 101, base_period << i) for i in range(octaves)]

    def value(u, v):
        total, weight, amplitude = 0.0, 0.0, 1.0
        for i, layer in enumerate(layers):
            period = base_period << i
            total += layer(u * period, v * period) * amplitude
            weight += amplitude
            amplitude *= falloff
        return total / weight
    return value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(edge0, edge1, x):
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def draw(shade, size=SIZE):
    """shade(u, v) -> (r, g, b) with u, v in 0..1 over the tile."""
    pixels = []
    for y in range(size):
        for x in range(size):
            r, g, b = shade(x / size, y / size)
            pixels.append((r, g, b, 255))
    return pixels


def grass():
    patches = fractal(11, 4, 3)
    blades = fractal(12, 64, 2, 0.6)
    tufts = fractal(13, 16, 2)
    dark, light, dry = (62, 90, 40), (76, 106, 46), (104, 110, 60)

    def shade(u, v):
        base = mix(dark, light, smoothstep(0.3, 0.7, patches(u, v)))
        base = mix(base, dry, 0.4 * smoothstep(0.66, 0.82, tufts(u, v)))
        k = 0.78 + 0.4 * blades(u, v)
        return tuple(c * k for c in base)
    return shade


def earth():
    patches = fractal(21, 4, 3)
    grain = fractal(22, 64, 2, 0.7)
    pebbles = fractal(23, 32, 1)
    cracks = fractal(24, 8, 2)
    dark, light = (104, 82, 56), (150, 124, 88)

    def shade(u, v):
        base = mix(dark, light, smoothstep(0.25, 0.75, patches(u, v)))
        k = 0.85 + 0.28 * grain(u, v)
        if pebbles(u, v) > 0.8:
            k *= 1.18
        # Thin dark lines where the crack noise crosses its middle.
        k *= 1 - 0.2 * (1 - smoothstep(0.0, 0.025, abs(cracks(u, v) - 0.5)))
        return tuple(c * k for c in base)
    return shade


def snow():
    drifts = fractal(31, 4, 3)
    sparkle = fractal(32, 64, 2)
    shadow, light = (200, 210, 224), (236, 240, 246)

    def shade(u, v):
        base = mix(shadow, light, smoothstep(0.3, 0.72, drifts(u, v)))
        k = 0.96 + 0.08 * sparkle(u, v)
        return tuple(min(255, c * k) for c in base)
    return shade


def rock():
    slabs = fractal(41, 4, 4)
    grain = fractal(42, 64, 2, 0.7)
    cracks = fractal(43, 8, 3)
    dark, light = (86, 84, 80), (138, 134, 126)

    def shade(u, v):
        base = mix(dark, light, smoothstep(0.3, 0.7, slabs(u, v)))
        k = 0.84 + 0.3 * grain(u, v)
        k *= 1 - 0.45 * (1 - smoothstep(0.0, 0.02, abs(cracks(u, v) - 0.5)))
        return tuple(c * k for c in base)
    return shade


def detail():
    """Grey around 128: drawn over the ground doubling the product, so mid-grey changes nothing and the
    blotches lighten and darken it on a scale the ground's own tile cannot show. It repeats only every
    9000 units, as wide as most maps, so zoomed out the same blotch is not seen twice; twelve across keep
    them some 800 units wide."""
    blotches = fractal(51, 12, 4, 0.6)

    def shade(u, v):
        g = 128 + (blotches(u, v) - 0.5) * 150
        return g, g, g
    return shade


def beyond():
    """Dark slate with diagonal hatching: beyond the map's edge."""
    def shade(u, v):
        stripe = ((u + v) * 4) % 1.0
        line = 1 - smoothstep(0.08, 0.16, abs(stripe - 0.5))
        return mix((16, 17, 20), (52, 54, 62), line)
    return shade


TEXTURES = {"ground_grass": grass, "ground_earth": earth, "ground_snow": snow, "ground_rock": rock,
            "ground_detail": detail}


def main(out):
    os.makedirs(out, exist_ok=True)
    for name, maker in TEXTURES.items():
        size = DETAIL_SIZE if name == "ground_detail" else SIZE
        write_png(os.path.join(out, name + ".png"), size, size, draw(maker(), size))
    write_png(os.path.join(out, "ground_beyond.png"), 64, 64, draw(beyond(), 64))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "png"))
