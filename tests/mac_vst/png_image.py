"""A PNG screenshot as rows of RGB triples: 8-bit RGB or RGBA, not
interlaced, which is what the host tools write."""
import struct
import zlib


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _unfilter(kind, line, prior, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        a = out[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        predictor = (0, a, b, (a + b) // 2, _paeth(a, b, c))[kind]
        out[i] = (out[i] + predictor) & 0xFF
    return out


class Image:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(path + ": not a PNG")
        pos, idat = 8, b""
        while pos < len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace:
                    raise ValueError(path + ": only 8-bit RGB(A), not interlaced")
                bpp = 3 if colour == 2 else 4
            elif kind == b"IDAT":
                idat += body
            pos += 12 + length
        raw = zlib.decompress(idat)
        stride = self.width * bpp
        prior = bytearray(stride)
        self.rows = []
        for y in range(self.height):
            start = y * (stride + 1)
            prior = _unfilter(raw[start], raw[start + 1:start + 1 + stride], prior, bpp)
            self.rows.append([tuple(prior[x * bpp:x * bpp + 3]) for x in range(self.width)])

    def pixel(self, x, y):
        return self.rows[y][x]

    def region(self, x0, y0, x1, y1):
        """The pixels of the box [x0, x1) x [y0, y1)."""
        return [p for row in self.rows[y0:y1] for p in row[x0:x1]]
