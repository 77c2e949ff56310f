#!/usr/bin/env python3
"""Draws the program's icon: a panel of button cells with the red frame the
edit window puts on the cell under the pointer. Writes a Windows .ico with the
sizes Explorer, the Start menu and the title bar ask for.

    python3 scripts/make-icon.py src/app/res/PanelEditor.ico
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
CLEAR = (0, 0, 0, 0)
BAR = (200, 253, 253, 255)      # the edit window's bottom bar
EDGE = (0, 110, 120, 255)
CELL = (255, 255, 255, 255)
INK = (0, 0, 0, 255)
RED = (255, 0, 0, 255)
TINTS = ((255, 236, 160, 255), (190, 225, 255, 255), (205, 245, 200, 255))


def draw(size):
    px = [[CLEAR] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(size, y1)):
            for x in range(max(0, x0), min(size, x1)):
                px[y][x] = colour

    def frame(x0, y0, x1, y1, width, colour):
        fill(x0, y0, x1, y0 + width, colour)
        fill(x0, y1 - width, x1, y1, colour)
        fill(x0, y0, x0 + width, y1, colour)
        fill(x1 - width, y0, x1, y1, colour)

    line = max(1, round(size / 48))
    margin = max(1, size // 16)
    # The panel: a plate in the bar's colour with rounded corners.
    radius = max(1, size // 10)
    lo, hi = margin, size - margin
    for y in range(lo, hi):
        for x in range(lo, hi):
            cx = min(max(x, lo + radius), hi - 1 - radius)
            cy = min(max(y, lo + radius), hi - 1 - radius)
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= radius:
                px[y][x] = EDGE if d > radius - line or min(x - lo, y - lo, hi - 1 - x, hi - 1 - y) < line else BAR
    # Three buttons across, two down, white with black frames like a new panel's bitmap.
    cols, rows = 3, 2
    gap = size // 16 if size >= 32 else 0
    cell = (hi - lo - 2 * line - 2 * gap) // cols
    gx = (size - cell * cols) // 2
    gy = (size - cell * rows) // 2
    for r in range(rows):
        for c in range(cols):
            x0, y0 = gx + c * cell, gy + r * cell
            fill(x0, y0, x0 + cell, y0 + cell, CELL)
            if size >= 32:
                pad = cell // 4
                fill(x0 + pad, y0 + pad, x0 + cell - pad, y0 + cell - pad, TINTS[(r + c) % 3])
            frame(x0, y0, x0 + cell, y0 + cell, line, INK)
    # The framed cell: top-left, as after opening a panel.
    frame(gx, gy, gx + cell, gy + cell, max(1, round(size / 24)), RED)
    return px


def bmp_entry(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def png_entry(px):
    size = len(px)
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in px)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main(path):
    images = [png_entry(draw(s)) if s >= 256 else bmp_entry(draw(s)) for s in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'PanelEditor.ico')
