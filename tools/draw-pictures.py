#!/usr/bin/env python3
"""Draws the program's pictures into res/: the menu picture (bitmap 121), the
picture of the uninstall note (bitmap 113) and the program icon (group 7001).

The bitmaps are 8-bit palette DIBs with a full 256-entry colour table and
bottom-up rows; the icon is one 32 x 32, 16-colour image. The scene is painted
by palette index: every layer owns a ramp of the palette and picks a shade by
ordered dithering, so the picture needs no colour quantiser.

Run it once after changing the drawing and commit the files it writes."""
import math
import os
import random
import struct
import sys

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Palette:
    def __init__(self):
        self.colours = []
        self.ramps = {}

    def ramp(self, name, stops, count):
        start = len(self.colours)
        for i in range(count):
            t = i / (count - 1)
            seg = min(int(t * (len(stops) - 1)), len(stops) - 2)
            local = t * (len(stops) - 1) - seg
            self.colours.append(lerp(stops[seg], stops[seg + 1], local))
        self.ramps[name] = (start, count)

    def shade(self, name, t, x, y):
        start, count = self.ramps[name]
        t = max(0.0, min(1.0, t))
        level = t * (count - 1) + (BAYER[y % 4][x % 4] + 0.5) / 16 - 0.5
        return start + max(0, min(count - 1, round(level)))

    def table(self):
        colours = self.colours + [(0, 0, 0)] * (256 - len(self.colours))
        assert len(colours) == 256
        return colours


def write_dib(path, width, height, pixels, colours):
    stride = (width + 3) & ~3
    rows = b"".join(bytes(pixels[y]) + b"\0" * (stride - width) for y in reversed(range(height)))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + table + rows)


FONT = {  # 5 x 7 capitals
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
}


def ridge(x, seed, base, amplitude, roughness):
    rnd = random.Random(seed)
    waves = [(rnd.uniform(0.01, 0.02) * (k + 1) ** roughness, rnd.uniform(0, 6.3), 1 / (k + 1)) for k in range(6)]
    return base - amplitude * sum(a * (0.5 + 0.5 * math.sin(f * x * 6 + p)) for f, p, a in waves) / 2.45


def castle(x):
    """Top of the castle's silhouette at column x, or None."""
    if not 18 <= x <= 112:
        return None
    top = 196 - 6 * math.sin((x - 18) / 94 * math.pi)  # the cliff
    towers = [(30, 8, 140, 14), (52, 10, 120, 18), (74, 7, 132, 12), (96, 9, 146, 13)]
    for centre, half, roof_base, roof in towers:
        if abs(x - centre) <= half:
            top = min(top, roof_base - roof * (1 - abs(x - centre) / half))
    if 30 <= x <= 100:
        crenel = 158 if (x // 4) % 2 else 162
        top = min(top, crenel)
    return top


def draw_menu():
    width, height = 241, 320
    pal = Palette()
    pal.ramp("sky", [(8, 10, 38), (34, 28, 86), (92, 52, 128), (196, 96, 132), (248, 170, 120)], 80)
    pal.ramp("star", [(120, 130, 170), (255, 255, 255)], 8)
    pal.ramp("moon", [(200, 170, 110), (255, 246, 214)], 16)
    pal.ramp("far", [(60, 46, 104), (150, 100, 150)], 24)
    pal.ramp("near", [(14, 14, 40), (54, 40, 86)], 24)
    pal.ramp("dark", [(4, 4, 14), (24, 20, 44)], 8)
    pal.ramp("water", [(6, 10, 34), (40, 40, 96), (150, 90, 130), (240, 180, 150)], 48)
    pal.ramp("ground", [(2, 4, 10), (26, 34, 46)], 16)
    pal.ramp("gold", [(120, 70, 20), (250, 200, 90), (255, 250, 220)], 16)
    pal.ramp("grey", [(0, 0, 0), (255, 255, 255)], 16)

    horizon, shore = 205, 262
    moon_x, moon_y, moon_r = 176, 62, 20
    rnd = random.Random(7)
    stars = {(rnd.randrange(width), rnd.randrange(150)): rnd.random() for _ in range(140)}
    pixels = [[0] * width for _ in range(height)]

    def sky_t(x, y):
        glow = math.exp(-((x - moon_x) ** 2 + (y - moon_y) ** 2) / 1800) * 0.22
        return (y / horizon) ** 1.35 + glow

    for y in range(height):
        for x in range(width):
            if y < horizon:
                d = math.hypot(x - moon_x, y - moon_y)
                bite = math.hypot(x - moon_x - 9, y - moon_y + 5)
                far = ridge(x, 3, 178, 46, 0.6)
                near = ridge(x, 11, 204, 22, 0.9)
                top = castle(x)
                if top is not None and y >= top:
                    lit = 34 <= x <= 96 and 150 < y < 186 and x % 9 in (3, 4) and y % 11 in (4, 5, 6) and (x * 7 + y) % 5
                    pixels[y][x] = pal.shade("gold", 0.75, x, y) if lit else pal.shade("dark", (y - top) / 60, x, y)
                elif y >= near:
                    pixels[y][x] = pal.shade("near", 1 - (y - near) / 30, x, y)
                elif y >= far:
                    pixels[y][x] = pal.shade("far", 1 - (y - far) / 50, x, y)
                elif d <= moon_r and bite > moon_r - 2:
                    pixels[y][x] = pal.shade("moon", 1 - d / moon_r * 0.5 + (x - moon_x) / 80, x, y)
                elif (x, y) in stars:
                    pixels[y][x] = pal.shade("star", stars[(x, y)] * (1 - y / 170), x, y)
                else:
                    pixels[y][x] = pal.shade("sky", sky_t(x, y), x, y)
            elif y < shore:
                mirror = 2 * horizon - y
                ripple = math.sin(y * 1.7 + x * 0.05) * 0.04
                t = sky_t(x, max(0, mirror)) * 0.85 + ripple
                if abs(x - moon_x) < 9 - (y - horizon) / 10 and (y + x // 3) % 3:
                    pixels[y][x] = pal.shade("moon", 0.8 - (y - horizon) / 80, x, y)
                elif (top := castle(x)) is not None and mirror >= top:
                    pixels[y][x] = pal.shade("near", 0.25 + ripple, x, y)
                else:
                    pixels[y][x] = pal.shade("water", t, x, y)
            else:
                blade = (y - shore) < 6 * (0.5 + 0.5 * math.sin(x * 1.3) * math.sin(x * 0.37))
                pixels[y][x] = pal.shade("ground", 0.2 if blade else 0.55 - (y - shore) / 120, x, y)

    title, scale = "VELNORA", 3
    left, top = (width - (len(title) * 6 - 1) * scale) // 2, 280
    for i, letter in enumerate(title):
        for row, bits in enumerate(FONT[letter]):
            for col, bit in enumerate(bits):
                if bit != "1":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        x = left + (i * 6 + col) * scale + dx
                        y = top + row * scale + dy
                        pixels[y + 1][x + 1] = pal.ramps["dark"][0]
                        pixels[y][x] = pal.shade("gold", 1 - (row * scale + dy) / 24, x, y)
    write_dib(os.path.join(RES, "menu.bmp"), width, height, pixels, pal.table())


def draw_wait():
    """A disc with a rainbow sheen: the note that the game is being removed."""
    size = 32
    pal = Palette()
    pal.ramp("back", [(212, 208, 200), (212, 208, 200)], 2)
    pal.ramp("rim", [(90, 90, 100), (40, 40, 48)], 8)
    pal.ramp("silver", [(150, 150, 165), (250, 250, 255)], 32)
    pal.ramp("hue", [(255, 120, 120), (255, 230, 120), (120, 230, 140), (120, 180, 255), (200, 130, 255)], 64)
    pal.ramp("hub", [(70, 70, 80), (180, 180, 190)], 8)
    pixels = [[0] * size for _ in range(size)]
    c = 15.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            a = (math.atan2(y - c, x - c) + math.pi) / (2 * math.pi)
            if d > 15.5:
                pixels[y][x] = pal.shade("back", 0, x, y)
            elif d > 14.3:
                pixels[y][x] = pal.shade("rim", (d - 14.3) / 1.2, x, y)
            elif d < 2.5:
                pixels[y][x] = pal.shade("back", 0, x, y)
            elif d < 5:
                pixels[y][x] = pal.shade("hub", (x + y) / 62, x, y)
            elif abs(math.sin(a * 2 * math.pi * 2)) > 0.8:
                pixels[y][x] = pal.shade("hue", (a * 2 + d / 40) % 1, x, y)
            else:
                pixels[y][x] = pal.shade("silver", 0.5 + 0.5 * math.cos(a * 4 * math.pi), x, y)
    write_dib(os.path.join(RES, "wait.bmp"), size, size, pixels, pal.table())


def draw_icon():
    """One 32 x 32, 16-colour image: a crescent moon over a disc."""
    vga = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
           (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    size, c = 32, 15.5
    colour = [[0] * size for _ in range(size)]
    opaque = [[False] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= 15.5:
                opaque[y][x] = True
                colour[y][x] = 4 if d > 14 else (8 if d < 4 else (7 if (x + y) % 7 else 15))
                if d < 2:
                    opaque[y][x] = False
            moon = math.hypot(x - 19, y - 11)
            bite = math.hypot(x - 23, y - 8)
            if moon <= 8 and bite > 7:
                colour[y][x], opaque[y][x] = (11 if moon < 6.5 else 3), True
    xor = b"".join(bytes((colour[y][x] << 4) | colour[y][x + 1] for x in range(0, size, 2)) for y in reversed(range(size)))
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (0 if opaque[y][x] else 1)
        mask += struct.pack(">I", bits)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in vga)
    image = info + table + xor + mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 22)
    with open(os.path.join(RES, "setup.ico"), "wb") as out:
        out.write(header + image)


if __name__ == "__main__":
    if len(sys.argv) > 1:
        print("usage: tools/draw-pictures.py", file=sys.stderr)
        sys.exit(2)
    draw_menu()
    draw_wait()
    draw_icon()
