#!/usr/bin/env python3
"""One line per picture of a capture folder: NAME SHA256 WxH, sorted by
name. The digest is over the picture's size and its pixels as R, G, B rows
top down, whatever the file's format (the host tools' PNG, RGBA rows with
no filter; the Windows hosts' 24-bit BMP, B, G, R rows), so two builds
compare pixel for pixel.

    pixel_digests.py DIR [--keep IMAGES_DIR]

--keep also writes each picture as IMAGES_DIR/NAME.png (RGB).
"""
import hashlib
import os
import struct
import sys
import zlib

# The Windows host's BMP-to-PNG writer, shared.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "win_vst2_host"))
from bmp_to_png import write_png  # noqa: E402


def png_rgb(data):
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError("only 8-bit RGB(A), not interlaced")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        if raw[start] != 0:
            raise ValueError("a filtered row: not a host tool's picture")
        row = raw[start + 1:start + 1 + stride]
        if channels == 4:
            row = b"".join(row[i:i + 3] for i in range(0, len(row), 4))
        rows.append(row)
    return width, height, rows


def bmp_rgb(data):
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError("only 24-bit BMP")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        bgr = data[offset + y * stride:offset + y * stride + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if height > 0:  # bottom-up
        rows.reverse()
    return width, abs(height), rows


def read_rgb(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return png_rgb(data)
    if data[:2] == b"BM":
        return bmp_rgb(data)
    raise ValueError("neither PNG nor BMP")


def digest(width, height, rows):
    h = hashlib.sha256(b"%d %d\n" % (width, height))
    for row in rows:
        h.update(row)
    return "%s %dx%d" % (h.hexdigest(), width, height)


def main():
    args = sys.argv[1:]
    keep = None
    if len(args) == 3 and args[1] == "--keep":
        keep = args[2]
        os.makedirs(keep, exist_ok=True)
    elif len(args) != 1:
        sys.exit(__doc__)
    folder = args[0]
    for name in sorted(os.listdir(folder)):
        stem, ext = os.path.splitext(name)
        if ext not in (".png", ".bmp"):
            continue
        try:
            width, height, rows = read_rgb(os.path.join(folder, name))
            line = digest(width, height, rows)
            if keep:
                write_png(os.path.join(keep, stem + ".png"), width, height, rows)
        except (ValueError, struct.error, zlib.error) as e:
            line = "unreadable: %s" % e
        print("%s %s" % (stem, line))


if __name__ == "__main__":
    main()
