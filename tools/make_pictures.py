#!/usr/bin/env python3
"""Turns the text pixel maps of src/ui/win32/pictures into the resource script's pictures.

A pixel map is a text file named after the file it becomes: globe.bmp.txt gives globe.bmp,
vokanti.ico.txt gives vokanti.ico. Its lines:

    # a comment; blank lines are ignored
    colour K #000000      the character K stands for that colour (RGB, hexadecimal)
    colour . none         ... or for a transparent pixel (icons only)
    image                 the rows of one picture follow, top row first

A .bmp map has one 16 x 16 image and is written as an 8-bit bitmap with a 256-entry colour
table, together with the same picture at 24 and 32 pixels for screens of 144 and 192 dpi
(name-24.bmp, name-32.bmp). An .ico map has one image per size (32 x 32 and 16 x 16) and is
written as an icon with a 16-colour image for each, with an AND mask that makes the
transparent pixels show what lies beneath; the icon also carries 24, 48 and 64 pixel images
made from them, for the icon sizes of larger screens.

Larger images are made without blending colours, so they stay sharp: twice the size by
making each pixel four, one and a half times by repeating every second row and column.
(Edge-smoothing rules such as Scale2x round the thin plus and minus signs into blobs.)

Usage: make_pictures.py OUTPUT_DIR MAP...
"""

import os
import struct
import sys

BITMAP_SIZE = 16
BITMAP_LARGER = (24, 32)  # written as name-24.bmp and name-32.bmp
ICON_SIZES = (32, 16)
ICON_WRITTEN = (64, 48, 32, 24, 16)
ICON_COLOURS = 16


class MapError(Exception):
    pass


def parse_map(path):
    """Returns (colours, images): colours maps a character to (r, g, b) or None
    (transparent); images is a list of lists of row strings."""
    colours = {}
    images = []
    rows = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            where = f"{path}:{number}"
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "colour":
                if len(words) != 3 or len(words[1]) != 1 or words[1] == "#":
                    raise MapError(f"{where}: expected 'colour CHARACTER #RRGGBB' or 'colour CHARACTER none'")
                if words[1] in colours:
                    raise MapError(f"{where}: the character '{words[1]}' is given a colour twice")
                colours[words[1]] = parse_colour(words[2], where)
            elif words[0] == "image" and len(words) == 1:
                rows = []
                images.append(rows)
            elif rows is not None and len(words) == 1:
                rows.append(words[0])
            else:
                raise MapError(f"{where}: unknown line '{line.strip()}'")
    for image in images:
        if not image:
            raise MapError(f"{path}: an image has no rows")
        size = len(image)
        for row in image:
            if len(row) != size:
                raise MapError(f"{path}: the {size}-row image '{image[0]}'... is not square")
            for ch in row:
                if ch not in colours:
                    raise MapError(f"{path}: the character '{ch}' has no colour")
    return colours, images


def parse_colour(word, where):
    if word == "none":
        return None
    if len(word) != 7 or word[0] != "#":
        raise MapError(f"{where}: expected a colour as #RRGGBB, got '{word}'")
    try:
        value = int(word[1:], 16)
    except ValueError:
        raise MapError(f"{where}: expected a colour as #RRGGBB, got '{word}'") from None
    return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def colour_table(colours, rows, limit, transparent_index=None):
    """Returns (table, index): the colours used by the rows, in the order of first use, and
    each character's index. Transparent pixels take transparent_index."""
    table = []
    index = {}
    if transparent_index is not None:
        table.append((0, 0, 0))  # under the mask: black leaves the background unchanged
    for row in rows:
        for ch in row:
            if ch in index:
                continue
            rgb = colours[ch]
            if rgb is None:
                if transparent_index is None:
                    raise MapError(f"the transparent character '{ch}' is only allowed in icons")
                index[ch] = transparent_index
                continue
            if rgb not in table:
                table.append(rgb)
            index[ch] = table.index(rgb)
    if len(table) > limit:
        raise MapError(f"{len(table)} colours, at most {limit} fit")
    return table + [(0, 0, 0)] * (limit - len(table)), index


def info_header(width, height, bits, colours_used):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression (BI_RGB),
    # image size, x and y pixels per metre, colours used, colours important.
    image_size = row_bytes(width, bits) * height
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       colours_used, 0)


def row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def rgb_quads(table):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in table)


def pack_rows(rows, bits, value):
    """Bottom-up pixel rows of `bits` bits each, every row padded to four bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits_row = 0
        for ch in row:
            bits_row = (bits_row << bits) | value(ch)
        total = len(row) * bits
        padded = row_bytes(len(row), bits) * 8
        out += (bits_row << (padded - total)).to_bytes(padded // 8, "big")
    return bytes(out)


def scale2x(rows):
    """Twice the size: each pixel becomes four."""
    return ["".join(ch * 2 for ch in row) for row in rows for _ in range(2)]


def scale3half(rows):
    """One and a half times the size: every second row and column is repeated."""
    def stretch(line):
        return [item for i, item in enumerate(line) for _ in range(2 if i % 2 == 0 else 1)]

    return ["".join(row) for row in stretch(["".join(stretch(row)) for row in rows])]


def scaled(rows, size):
    """`rows` (a square image) drawn at `size` pixels: the same, 1.5 or 2 times."""
    if size == len(rows):
        return rows
    if size == len(rows) * 2:
        return scale2x(rows)
    if size * 2 == len(rows) * 3:
        return scale3half(rows)
    raise MapError(f"no sharp way from {len(rows)} to {size} pixels")


def make_bitmap(colours, images, size=BITMAP_SIZE):
    if len(images) != 1 or len(images[0]) != BITMAP_SIZE:
        raise MapError(f"a bitmap has one {BITMAP_SIZE} x {BITMAP_SIZE} image")
    rows = scaled(images[0], size)
    table, index = colour_table(colours, rows, 256)
    header = info_header(size, size, 8, 256)
    pixels = pack_rows(rows, 8, lambda ch: index[ch])
    offset = 14 + len(header) + 4 * len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + rgb_quads(table) + pixels


def make_icon(colours, images):
    sizes = tuple(len(image) for image in images)
    if sizes != ICON_SIZES:
        raise MapError(f"an icon has one image of each size {ICON_SIZES}, in that order; got {sizes}")
    large, small = images
    drawn = [scaled(large if size % 32 == 0 or size == 48 else small, size) for size in ICON_WRITTEN]
    parts = []
    for rows in drawn:
        size = len(rows)
        table, index = colour_table(colours, rows, ICON_COLOURS, transparent_index=0)
        # The height of an icon image counts the colour rows and the mask rows.
        header = info_header(size, size * 2, 4, ICON_COLOURS)
        xor = pack_rows(rows, 4, lambda ch: index[ch])
        mask = pack_rows(rows, 1, lambda ch: 1 if colours[ch] is None else 0)
        parts.append((size, header + rgb_quads(table) + xor + mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(parts)))  # ICONDIR: reserved, type icon, count
    offset = 6 + 16 * len(parts)
    for size, data in parts:
        # ICONDIRENTRY: width, height, colour count, reserved, planes, bit count, size, offset.
        out += struct.pack("<BBBBHHII", size, size, ICON_COLOURS, 0, 1, 4, len(data), offset)
        offset += len(data)
    for _, data in parts:
        out += data
    return bytes(out)


def convert(source, output_dir):
    name = os.path.basename(source)
    if not name.endswith(".txt"):
        raise MapError(f"{source}: a pixel map's name ends with .bmp.txt or .ico.txt")
    target = name[: -len(".txt")]
    colours, images = parse_map(source)
    try:
        outputs = {}
        if target.endswith(".bmp"):
            outputs[target] = make_bitmap(colours, images)
            for size in BITMAP_LARGER:
                outputs[f"{target[:-4]}-{size}.bmp"] = make_bitmap(colours, images, size)
        elif target.endswith(".ico"):
            outputs[target] = make_icon(colours, images)
        else:
            raise MapError("a pixel map's name ends with .bmp.txt or .ico.txt")
    except MapError as error:
        raise MapError(f"{source}: {error}") from None
    for name, data in outputs.items():
        path = os.path.join(output_dir, name)
        temporary = path + ".part"
        with open(temporary, "wb") as f:
            f.write(data)
        os.replace(temporary, path)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    output_dir = argv[1]
    os.makedirs(output_dir, exist_ok=True)
    try:
        for source in argv[2:]:
            convert(source, output_dir)
    except (MapError, OSError) as error:
        print(f"make_pictures: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
