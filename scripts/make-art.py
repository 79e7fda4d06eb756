#!/usr/bin/env python3
"""Draws the program's icon (res/ieproxy.ico) and the link's hand cursor (res/hand.cur).

The two files are committed; run this only to change them: python3 scripts/make-art.py
"""
import math
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")

# --- the icon: a globe with a green "on" switch, 32 x 32, 32 bits with alpha -----------------
SIZE, SUPER = 32, 4


def icon_pixel(x, y):
    """Colour (r, g, b, a) of a point in icon coordinates (0..32)."""
    cx, cy, r = 14.5, 14.5, 12.5
    # the switch, a rounded pill at the bottom right, lies over the globe
    sx0, sx1, sy, sr = 18.5, 27.5, 25.5, 4.5
    nx = min(max(x, sx0), sx1)
    if (x - nx) ** 2 + (y - sy) ** 2 <= sr * sr:
        if (x - sx1) ** 2 + (y - sy) ** 2 <= 3.2 ** 2:
            return (255, 255, 255, 255)
        if (x - nx) ** 2 + (y - sy) ** 2 >= (sr - 1.0) ** 2:
            return (20, 110, 40, 255)
        return (52, 176, 80, 255)
    d = math.hypot(x - cx, y - cy)
    if d > r:
        return (0, 0, 0, 0)
    if d > r - 1.2:
        return (16, 64, 140, 255)
    dx, dy = (x - cx) / r, (y - cy) / r
    line = False
    for lat in (-0.5, 0.0, 0.5):  # parallels
        if abs(dy - lat) < 0.06:
            line = True
    half = math.sqrt(max(0.0, 1 - dy * dy))
    for k in (0.0, 0.55):  # meridians: ellipses through the poles
        if half > 0 and abs(abs(dx) - k * half) < 0.07:
            line = True
    if line:
        return (235, 245, 255, 255)
    shade = 0.75 + 0.25 * (1 - math.hypot(dx + 0.35, dy + 0.35) / 1.5)
    return (int(40 * shade), int(120 * shade), int(215 * shade), 255)


def draw_icon():
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SUPER):
                for sx in range(SUPER):
                    r, g, b, a = icon_pixel(px + (sx + 0.5) / SUPER, py + (sy + 0.5) / SUPER)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SUPER * SUPER
            alpha = acc[3] // n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], alpha))
        rows.append(row)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask = bytearray()
    for row in reversed(rows):
        bits = 0
        for i, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - i)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    with open(os.path.join(ROOT, "ieproxy.ico"), "wb") as f:
        f.write(directory + image)


# --- the cursor: a monochrome pointing hand, hot spot (6, 1) at the fingertip ---------------
HAND = [
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    "    #..#..#..#.# ",
    "### #..#..#..#..#",
    "#..##...........#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........# ",
    "    #..........# ",
    "    #..........# ",
    "     #........#  ",
    "     #........#  ",
    "     ##########  ",
]
HOT_SPOT = (6, 1)


def draw_cursor():
    xor_rows, and_rows = [], []
    for y in range(32):
        line = HAND[y] if y < len(HAND) else ""
        xor_bits = and_bits = 0
        for x in range(32):
            c = line[x] if x < len(line) else " "
            bit = 1 << (31 - x)
            if c == " ":
                and_bits |= bit  # transparent: the screen shows through
            elif c == ".":
                xor_bits |= bit  # white
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    xor = b"".join(reversed(xor_rows))
    mask = b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 2)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 22)
    with open(os.path.join(ROOT, "hand.cur"), "wb") as f:
        f.write(directory + image)


if __name__ == "__main__":
    draw_icon()
    draw_cursor()
