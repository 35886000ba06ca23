#!/usr/bin/env python3
"""Draws TARVEK's icon, a receiver with a tuning dial and an antenna, and
writes it as tarvek.ico: a 32x32 and a 16x16 image, 16 colours each.

    python3 res/make_icon.py res/tarvek.ico
"""
import struct
import sys

# The 16 colours every Windows display knows, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, NAVY, TEAL, SILVER, GREY, RED, GREEN, YELLOW, CYAN, WHITE = 0, 1, 4, 6, 7, 8, 9, 10, 11, 14, 15
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def box(self, x0, y0, x1, y1, fill, edge=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                on_edge = x in (x0, x1) or y in (y0, y1)
                self.put(x, y, edge if on_edge and edge is not None else fill)

    def disc(self, cx, cy, r, fill, edge):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if d <= r * r + r:
                    inner = d <= (r - 1) ** 2 + (r - 1)
                    self.put(x, y, fill if inner else edge)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


def large():
    c = Canvas(32)
    c.line(19, 12, 27, 2, BLACK)            # antenna
    c.line(20, 12, 28, 2, GREY)
    c.disc(28, 2, 1, RED, DARK_RED)
    for x, y in ((23, 1), (24, 0), (31, 5), (31, 6)):   # waves arriving
        c.put(x, y, TEAL)
    c.box(1, 12, 30, 29, SILVER, NAVY)      # cabinet
    c.box(2, 13, 29, 13, WHITE)
    c.disc(9, 21, 6, WHITE, BLACK)          # tuning dial
    for angle_x, angle_y in ((9, 16), (4, 21), (14, 21), (9, 26)):
        c.put(angle_x, angle_y, GREY)
    c.line(9, 21, 13, 17, RED)              # its pointer
    c.put(9, 21, BLACK)
    c.box(17, 15, 28, 20, BLACK)            # frequency read-out
    for x in (18, 19, 21, 22, 24, 25, 27):
        c.line(x, 16, x, 19, GREEN)
    c.put(23, 19, GREEN)
    c.disc(20, 25, 2, GREY, BLACK)          # knobs
    c.disc(26, 25, 2, GREY, BLACK)
    c.box(2, 28, 29, 28, GREY)
    return c


def small():
    c = Canvas(16)
    c.line(10, 6, 14, 1, BLACK)
    c.put(14, 0, RED)
    c.put(15, 1, RED)
    c.box(0, 6, 15, 15, SILVER, NAVY)
    c.disc(5, 11, 3, WHITE, BLACK)
    c.line(5, 11, 7, 9, RED)
    c.box(9, 8, 14, 10, BLACK)
    for x in (10, 12, 13):
        c.put(x, 9, GREEN)
    c.put(11, 13, GREY)
    c.put(13, 13, GREY)
    return c


def image(canvas):
    n = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for y in reversed(range(n)):            # bitmaps are stored bottom-up
        row = canvas.pixels[y]
        nibbles = [0 if p is CLEAR else p for p in row]
        colour = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, n, 2))
        colour_rows.append(colour + b'\0' * (-len(colour) % 4))
        bits = 0
        for p in row:
            bits = (bits << 1) | (p is CLEAR)
        mask = bits.to_bytes(n // 8, 'big')
        mask_rows.append(mask + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(colour_rows) + b''.join(mask_rows)


def icon_file(canvases):
    images = [image(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.size, canvas.size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as f:
        f.write(icon_file([large(), small()]))
