#!/usr/bin/env python3
"""Draws the example pictures from scratch: house.bmp (a raster picture) and
emblem.wmf (a placeable Windows Metafile). Run it in this folder to rebuild them."""

import math
import struct

# ---- house.bmp: 24-bit, bottom-up rows padded to four bytes --------------------------

WIDTH, HEIGHT = 180, 120
SKY, GRASS, WALL, ROOF = (170, 215, 245), (90, 170, 70), (235, 220, 180), (170, 50, 40)
DOOR, WINDOW, SUN, SMOKE = (110, 70, 40), (120, 180, 230), (250, 210, 50), (200, 200, 200)


def house_pixel(x, y):
    """Colour at (x, y), y downwards from the top."""
    if (x - 150) ** 2 + (y - 25) ** 2 <= 14 ** 2:
        return SUN
    if y >= 95:
        return GRASS
    # Roof: a triangle over the walls.
    if 20 <= y < 50 and abs(x - 75) <= (y - 20) * 1.6 + 2:
        return ROOF
    if 50 <= y < 95 and 35 <= x < 115:
        if 65 <= x < 85 and y >= 68:
            return DOOR
        if (43 <= x < 58 or 92 <= x < 107) and 58 <= y < 72:
            return WINDOW
        return WALL
    if 22 <= y < 40 and 95 <= x < 103:   # chimney
        return ROOF
    for i, (cx, cy) in enumerate(((99, 15), (104, 8), (111, 3))):
        if (x - cx) ** 2 + (y - cy) ** 2 <= (3 + i) ** 2:
            return SMOKE
    return SKY


def write_bmp(path):
    row_bytes = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(HEIGHT)):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = house_pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        pixels += row
    # 96 dpi = 3780 pixels per metre.
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


# ---- emblem.wmf: a chess-club emblem in a 2000 x 1400 unit window ----------------------

def rgb(r, g, b):
    return r | (g << 8) | (b << 16)


def record(function, *words):
    params = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words)
    return struct.pack("<IH", 3 + len(words), function) + params


def colour_words(colour):
    return colour & 0xFFFF, colour >> 16


def emblem_records():
    recs = []
    recs.append(record(0x020B, 0, 0))            # SetWindowOrg y, x
    recs.append(record(0x020C, 1400, 2000))      # SetWindowExt y, x
    recs.append(record(0x0106, 1))               # SetBkMode TRANSPARENT
    # Object 0: pen, 1: dark brush, 2: light brush, 3: gold brush.
    recs.append(record(0x02FA, 0, 30, 0, *colour_words(rgb(30, 30, 60))))         # CreatePenIndirect
    recs.append(record(0x02FC, 0, *colour_words(rgb(40, 60, 120)), 0))          # CreateBrushIndirect
    recs.append(record(0x02FC, 0, *colour_words(rgb(240, 235, 215)), 0))
    recs.append(record(0x02FC, 0, *colour_words(rgb(220, 170, 40)), 0))
    recs.append(record(0x012D, 0))               # SelectObject pen
    # A shield of two colours: the board.
    recs.append(record(0x012D, 2))
    recs.append(record(0x041B, 1300, 1800, 100, 200))    # Rectangle bottom, right, top, left
    recs.append(record(0x012D, 1))
    size = 200
    for row in range(6):
        for col in range(8):
            if (row + col) % 2:
                left, top = 200 + col * size, 100 + row * size
                recs.append(record(0x041B, top + size, left + size, top, left))
    # A gold medallion with a crown of five points.
    recs.append(record(0x012D, 3))
    recs.append(record(0x0418, 1150, 1350, 350, 650))     # Ellipse
    points = []
    for k in range(11):
        angle = math.pi / 2 + k * math.pi / 5
        radius = 300 if k % 2 == 0 else 130
        points += [round(1000 + radius * math.cos(angle)), round(760 - radius * math.sin(angle))]
    recs.append(record(0x012D, 1))
    recs.append(record(0x0324, 10, *points[:20]))           # Polygon count, points
    for obj in range(4):
        recs.append(record(0x01F0, obj))          # DeleteObject
    recs.append(record(0x0000))                  # end of file
    return recs


def write_wmf(path):
    recs = emblem_records()
    body = b"".join(recs)
    max_record = max(len(r) // 2 for r in recs)
    meta_header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 4, max_record, 0)
    # Placeable header: 2000 x 1400 units at 1000 units per inch (2 x 1.4 inches).
    words = struct.unpack("<10H", struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 2000, 1400, 1000, 0))
    checksum = 0
    for w in words:
        checksum ^= w
    placeable = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, 2000, 1400, 1000, 0, checksum)
    with open(path, "wb") as f:
        f.write(placeable + meta_header + body)


if __name__ == "__main__":
    write_bmp("house.bmp")
    write_wmf("emblem.wmf")
