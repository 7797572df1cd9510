"""Packs ".cur" frames into an animated cursor: RIFF "ACON" with its "anih" header, "rate" and "seq "
lists and a "LIST" "fram" of "icon" chunks. Usage: make_ani.py OUT.ani JIFFIES FRAME.cur..."""
import struct
import sys


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def main(out, jiffies, frames):
    icons = [open(path, "rb").read() for path in frames]
    count = len(icons)
    header = struct.pack("<9I", 36, count, count, 0, 0, 0, 0, jiffies, 1 | 2)
    rate = struct.pack("<%dI" % count, *([jiffies] * count))
    seq = struct.pack("<%dI" % count, *range(count))
    fram = b"fram" + b"".join(chunk(b"icon", icon) for icon in icons)
    body = b"ACON" + chunk(b"anih", header) + chunk(b"rate", rate) + chunk(b"seq ", seq) + chunk(b"LIST", fram)
    with open(out, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]), sys.argv[3:])
