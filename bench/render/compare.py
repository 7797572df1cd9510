#!/usr/bin/env python3
"""Compares two screenshots of the same size (8-bit RGB or RGBA PNG, as the driver's --shot writes them):
prints the pixels that differ, the largest difference in one channel, and the mean difference per channel
in levels of 255 over the whole picture and over the pixels that differ.
    python3 bench/render/compare.py BEFORE.png AFTER.png [--box LEFT TOP RIGHT BOTTOM]
--box compares only that part (pixels, from the top left, right and bottom excluded)."""
import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as file:
        data = file.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    at, width, height, channels, idat = 8, 0, 0, 0, []
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            channels = {2: 3, 6: 4}.get(colour, 0)
            if depth != 8 or channels == 0 or interlace != 0:
                sys.exit(f"{path}: only 8-bit RGB or RGBA without interlacing is read")
        elif kind == b"IDAT":
            idat.append(body)
        at += 12 + length
    raw = zlib.decompress(b"".join(idat))
    stride = width * channels
    if len(raw) != height * (stride + 1):
        sys.exit(f"{path}: the image data is not {width} x {height}")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, channels, rows


def main(args):
    if len(args) not in (2, 7) or (len(args) == 7 and args[2] != "--box"):
        sys.exit(__doc__)
    w1, h1, c1, a = read_png(args[0])
    w2, h2, c2, b = read_png(args[1])
    if (w1, h1) != (w2, h2):
        sys.exit(f"the sizes differ: {w1} x {h1} and {w2} x {h2}")
    left, top, right, bottom = (int(v) for v in args[3:]) if len(args) == 7 else (0, 0, w1, h1)
    total = differing = largest = 0
    for y in range(top, bottom):
        for x in range(left, right):
            d = [abs(a[y][x * c1 + k] - b[y][x * c2 + k]) for k in range(3)]
            if any(d):
                differing += 1
                total += sum(d)
                largest = max(largest, max(d))
    pixels = (right - left) * (bottom - top)
    print(f"pixels {pixels}, differing {differing}, largest {largest}, mean per channel "
          f"{total / (3 * pixels):.4f} (over those differing {total / (3 * max(differing, 1)):.2f})")


main(sys.argv[1:])
