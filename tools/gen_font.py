#!/usr/bin/env python3
"""Generates console/font/glyphs16.bin, the console's 16-dot glyph table.

The glyphs come from the public-domain Shinonome 16-dot bitmap fonts (Debian package
xfonts-shinonome), read from their PCF files:
  shnm8x16a.pcf.gz  half-width ASCII 0x20-0x7E (the ISO 8859-1 file, whose 0x5C is a backslash
                    and 0x7E a tilde, as CP932 text has them; the JIS-Roman file has yen and overline)
  shnm8x16r.pcf.gz  half-width katakana 0xA1-0xDF (JIS X 0201), absent from the ASCII file
  shnmk16.pcf.gz    full-width JIS X 0208 characters

Every full-width character is keyed by the code point that CP932 text decodes to (its JIS code is
turned into Shift-JIS bytes and decoded with Python's 'cp932' codec), so that "～" is U+FF5E and
"－" U+FF0D, as the programs' texts hold them.

Output format (all integers little-endian):
  magic     8 bytes  b"GLYPH16\\0"
  count     uint32   number of glyphs
  index     count x uint32: bits 0-23 the code point, bits 24-31 the width in pixels (8 or 16),
            sorted by code point
  rows      count x 16 x uint16: a glyph's 16 rows, top first; bit 15 is the leftmost pixel
            (a half-width glyph uses bits 15-8)

Usage: tools/gen_font.py [--fonts DIR] [--out FILE]
Standard library only.
"""

import argparse
import gzip
import os
import struct
import sys

# PCF table types.
PCF_PROPERTIES = 1 << 0
PCF_ACCELERATORS = 1 << 1
PCF_METRICS = 1 << 2
PCF_BITMAPS = 1 << 3
PCF_BDF_ENCODINGS = 1 << 5
PCF_BDF_ACCELERATORS = 1 << 8

# PCF format word.
PCF_FORMAT_MASK = 0xFFFFFF00
PCF_DEFAULT_FORMAT = 0x00000000
PCF_ACCEL_W_INKBOUNDS = 0x00000100
PCF_COMPRESSED_METRICS = 0x00000100
PCF_GLYPH_PAD_MASK = 3
PCF_BYTE_MASK = 1 << 2  # set: most significant byte first
PCF_BIT_MASK = 1 << 3   # set: most significant bit first
PCF_SCAN_UNIT_MASK = 3 << 4

MAGIC = b"GLYPH16\0"
ROWS = 16


class PcfError(Exception):
    pass


class Reader:
    """Reads integers from one table in the byte order its format word gives."""

    def __init__(self, data, offset, size):
        self.data = data
        self.pos = offset
        # Some writers record an accelerator table larger than what follows it in the file;
        # reads stay within the file in any case.
        self.end = min(offset + size, len(data))
        if offset + 4 > self.end:
            raise PcfError("table starts past the end of the file")
        (self.format,) = struct.unpack_from("<I", data, offset)
        self.pos += 4
        self.order = ">" if self.format & PCF_BYTE_MASK else "<"

    def take(self, fmt):
        fmt = self.order + fmt
        size = struct.calcsize(fmt)
        if self.pos + size > self.end:
            raise PcfError("table too short")
        values = struct.unpack_from(fmt, self.data, self.pos)
        self.pos += size
        return values

    def one(self, fmt):
        return self.take(fmt)[0]


class Metrics:
    __slots__ = ("lsb", "rsb", "width", "ascent", "descent")

    def __init__(self, lsb, rsb, width, ascent, descent):
        self.lsb, self.rsb, self.width, self.ascent, self.descent = lsb, rsb, width, ascent, descent


class PcfFont:
    """The parts of a PCF font needed here: properties, glyph metrics, bitmaps, encodings."""

    def __init__(self, path):
        with gzip.open(path, "rb") if path.endswith(".gz") else open(path, "rb") as f:
            self.data = f.read()
        if self.data[:4] != b"\x01fcp":
            raise PcfError(f"{path}: not a PCF file")
        (count,) = struct.unpack_from("<I", self.data, 4)
        self.tables = {}
        for i in range(count):
            ttype, fmt, size, offset = struct.unpack_from("<IIII", self.data, 8 + 16 * i)
            self.tables[ttype] = (fmt, size, offset)
        self.properties = self._read_properties()
        self.font_ascent, self.font_descent = self._read_ascent_descent()
        self.metrics = self._read_metrics()
        self.bitmaps = self._read_bitmaps()
        self.encoding = self._read_encodings()

    def _table(self, ttype):
        if ttype not in self.tables:
            raise PcfError(f"missing table {ttype}")
        fmt, size, offset = self.tables[ttype]
        reader = Reader(self.data, offset, size)
        if reader.format != fmt:
            raise PcfError("table format differs from the table of contents")
        return reader

    def _read_properties(self):
        r = self._table(PCF_PROPERTIES)
        n = r.one("i")
        props = [r.take("iBi") for _ in range(n)]
        if n & 3:
            r.pos += 4 - (n & 3)
        string_size = r.one("i")
        strings = self.data[r.pos:r.pos + string_size]

        def text(offset):
            end = strings.index(b"\0", offset)
            return strings[offset:end].decode("latin-1")

        out = {}
        for name_offset, is_string, value in props:
            out[text(name_offset)] = text(value) if is_string else value
        return out

    def _read_ascent_descent(self):
        ttype = PCF_BDF_ACCELERATORS if PCF_BDF_ACCELERATORS in self.tables else PCF_ACCELERATORS
        r = self._table(ttype)
        r.take("8B")  # flags and padding
        ascent, descent = r.take("ii")
        return ascent, descent

    def _read_metrics(self):
        r = self._table(PCF_METRICS)
        out = []
        if (r.format & PCF_FORMAT_MASK) == PCF_COMPRESSED_METRICS:
            n = r.one("h")
            for _ in range(n):
                b = r.take("5B")
                out.append(Metrics(*(v - 0x80 for v in b)))
        elif (r.format & PCF_FORMAT_MASK) == PCF_DEFAULT_FORMAT:
            n = r.one("i")
            for _ in range(n):
                lsb, rsb, width, ascent, descent, _attr = r.take("hhhhhH")
                out.append(Metrics(lsb, rsb, width, ascent, descent))
        else:
            raise PcfError("unknown metrics format")
        return out

    def _read_bitmaps(self):
        r = self._table(PCF_BITMAPS)
        fmt = r.format
        n = r.one("i")
        if n != len(self.metrics):
            raise PcfError("bitmap and metrics counts differ")
        offsets = r.take(f"{n}i")
        sizes = r.take("4i")
        pad_index = fmt & PCF_GLYPH_PAD_MASK
        data = bytearray(self.data[r.pos:r.pos + sizes[pad_index]])
        if len(data) != sizes[pad_index]:
            raise PcfError("bitmap data too short")
        # Bring the data to most-significant-bit-first, byte by byte.
        if not fmt & PCF_BIT_MASK:
            data = bytearray(int(f"{b:08b}"[::-1], 2) for b in data)
        unit = 1 << ((fmt & PCF_SCAN_UNIT_MASK) >> 4)
        if bool(fmt & PCF_BYTE_MASK) != bool(fmt & PCF_BIT_MASK) and unit > 1:
            for i in range(0, len(data) - unit + 1, unit):
                data[i:i + unit] = data[i:i + unit][::-1]
        pad = 1 << pad_index
        glyphs = []
        for m, off in zip(self.metrics, offsets):
            bits = m.rsb - m.lsb
            stride = ((bits + 8 * pad - 1) // (8 * pad)) * pad
            rows = []
            for row in range(m.ascent + m.descent):
                start = off + row * stride
                value = int.from_bytes(data[start:start + stride], "big") if stride else 0
                rows.append((value, stride * 8))
            glyphs.append(rows)
        return glyphs

    def _read_encodings(self):
        r = self._table(PCF_BDF_ENCODINGS)
        min2, max2, min1, max1, _default = r.take("5h")
        cols = max2 - min2 + 1
        count = cols * (max1 - min1 + 1)
        indices = r.take(f"{count}H")
        out = {}
        for i, index in enumerate(indices):
            if index == 0xFFFF:
                continue
            byte1 = min1 + i // cols
            byte2 = min2 + i % cols
            out[(byte1 << 8) | byte2] = index
        return out

    def cell_rows(self, code, cell_width):
        """The glyph of an encoding as 16 rows of 16 bits (bit 15 leftmost), placed on the
        font's baseline inside a cell_width x 16 box; None when the font has no glyph."""
        if code not in self.encoding:
            return None
        index = self.encoding[code]
        m = self.metrics[index]
        if self.font_ascent + self.font_descent != ROWS:
            raise PcfError("not a 16-dot font")
        rows = [0] * ROWS
        top = self.font_ascent - m.ascent
        for i, (value, nbits) in enumerate(self.bitmaps[index]):
            y = top + i
            if not 0 <= y < ROWS:
                continue
            for bit in range(m.rsb - m.lsb):
                if value >> (nbits - 1 - bit) & 1:
                    x = m.lsb + bit
                    if 0 <= x < cell_width:
                        rows[y] |= 0x8000 >> x
        return rows


def jis_to_sjis(jis):
    """JIS X 0208 row/cell code (0x2121-0x7E7E) to its two Shift-JIS bytes."""
    j1, j2 = jis >> 8, jis & 0xFF
    s1 = (j1 + 1) // 2 + (0x70 if j1 <= 0x5E else 0xB0)
    if j1 & 1:
        s2 = j2 + (0x1F if j2 <= 0x5F else 0x20)
    else:
        s2 = j2 + 0x7E
    return bytes([s1, s2])


def collect(fonts_dir):
    """Code point -> (width, rows) for every glyph the table carries."""

    def load(name, registry):
        font = PcfFont(os.path.join(fonts_dir, name))
        if font.properties.get("CHARSET_REGISTRY") != registry:
            raise PcfError(f"{name}: expected the {registry} charset")
        return font

    ascii_font = load("shnm8x16a.pcf.gz", "ISO8859")
    kana_font = load("shnm8x16r.pcf.gz", "JISX0201.1976")
    kanji_font = load("shnmk16.pcf.gz", "JISX0208.1983")

    glyphs = {}
    for code in range(0x20, 0x7F):
        rows = ascii_font.cell_rows(code, 8)
        if rows is not None:
            glyphs[code] = (8, rows)
    for code in range(0xA1, 0xE0):
        rows = kana_font.cell_rows(code, 8)
        if rows is not None:
            glyphs[0xFF61 + code - 0xA1] = (8, rows)
    for jis in sorted(kanji_font.encoding):
        try:
            text = jis_to_sjis(jis).decode("cp932")
        except (UnicodeDecodeError, ValueError):
            continue
        if len(text) != 1:
            continue
        rows = kanji_font.cell_rows(jis, 16)
        if rows is not None:
            glyphs.setdefault(ord(text), (16, rows))
    return glyphs


def write_table(glyphs, path):
    codes = sorted(glyphs)
    out = bytearray(MAGIC)
    out += struct.pack("<I", len(codes))
    for code in codes:
        out += struct.pack("<I", code | glyphs[code][0] << 24)
    for code in codes:
        out += struct.pack("<16H", *glyphs[code][1])
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(out)
    os.replace(tmp, path)
    return len(codes), len(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts", default="/usr/share/fonts/X11/misc")
    parser.add_argument("--out", default=os.path.join(here, "..", "console", "font", "glyphs16.bin"))
    args = parser.parse_args()
    try:
        glyphs = collect(args.fonts)
    except (OSError, PcfError) as e:
        sys.exit(f"gen_font: {e} (install the Debian package xfonts-shinonome)")
    count, size = write_table(glyphs, args.out)
    print(f"gen_font: {count} glyphs, {size} bytes -> {os.path.normpath(args.out)}")


if __name__ == "__main__":
    main()
