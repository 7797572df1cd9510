"""A tiny anti-aliased rasteriser for the game's art: shapes are signed distance functions, sampled
4 x 4 per pixel, and images are written as 8-bit RGBA PNG files with nothing but the standard library."""
import math
import struct
import zlib

SUB = 4


def write_png(path, width, height, rgba):
    """rgba: a list of (r, g, b, a) tuples of 0-255 ints, rows from the top."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(bytes(max(0, min(255, int(round(c)))) for c in rgba[y * width + x]))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
                + chunk(b"IEND", b""))


def coverage(width, height, sdf):
    """The fraction of each pixel where sdf(x, y) <= 0, pixel centres at half coordinates."""
    out = []
    for y in range(height):
        for x in range(width):
            inside = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    if sdf(x + (sx + 0.5) / SUB, y + (sy + 0.5) / SUB) <= 0:
                        inside += 1
            out.append(inside / (SUB * SUB))
    return out


def segment(ax, ay, bx, by):
    def distance(x, y):
        dx, dy = bx - ax, by - ay
        t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1)
        t = max(0.0, min(1.0, t))
        return math.hypot(x - ax - t * dx, y - ay - t * dy)
    return distance


def polygon(points):
    """Signed distance to a closed polygon: negative inside."""
    edges = [segment(*points[i], *points[(i + 1) % len(points)]) for i in range(len(points))]

    def sdf(x, y):
        d = min(e(x, y) for e in edges)
        inside = False
        for i in range(len(points)):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % len(points)]
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
        return -d if inside else d
    return sdf


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, half_width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - half_width


def line(ax, ay, bx, by, half_width):
    s = segment(ax, ay, bx, by)
    return lambda x, y: s(x, y) - half_width


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def rotate_about(cx, cy, degrees, point):
    a = math.radians(degrees)
    x, y = point[0] - cx, point[1] - cy
    return (cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a))


def outlined(width, height, shape, fill, outline, outline_width=1.5, shadow=None):
    """A shape in its fill colour with a dark outline around it, optionally over a soft drop shadow."""
    outer = coverage(width, height, grow(shape, outline_width))
    inner = coverage(width, height, shape)
    pixels = []
    for i in range(width * height):
        a_out, a_in = outer[i], inner[i]
        r = outline[0] * (1 - a_in) + fill[0] * a_in
        g = outline[1] * (1 - a_in) + fill[1] * a_in
        b = outline[2] * (1 - a_in) + fill[2] * a_in
        pixels.append((r, g, b, 255 * a_out))
    if shadow:
        dx, dy, alpha = shadow
        shade = coverage(width, height, lambda x, y: grow(shape, outline_width + 0.5)(x - dx, y - dy))
        for i, (r, g, b, a) in enumerate(pixels):
            s = shade[i] * alpha * (1 - a / 255)
            pixels[i] = (r, g, b, a + s * 255) if a + s * 255 > 0 else (r, g, b, 0)
            if s > 0 and a < 255:
                k = a / (a + s * 255)
                pixels[i] = (r * k, g * k, b * k, a + s * 255)
    return pixels


def value_noise(seed):
    """Smooth 2-D noise in [0, 1) from a hashed lattice."""
    def lattice(ix, iy):
        h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
        h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
        return (h & 0xFFFF) / 65536.0

    def noise(x, y):
        ix, iy = math.floor(x), math.floor(y)
        fx, fy = x - ix, y - iy
        sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        top = lattice(ix, iy) * (1 - sx) + lattice(ix + 1, iy) * sx
        bottom = lattice(ix, iy + 1) * (1 - sx) + lattice(ix + 1, iy + 1) * sx
        return top * (1 - sy) + bottom * sy
    return noise
