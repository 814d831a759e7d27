#!/usr/bin/env python3
"""Draws txtcvt.ico: a sheet with a signal trace above a small table, at 16 and 32 pixels.

Run from this folder: python3 make_icon.py (standard library only)."""
import struct

OUTLINE = (40, 48, 64, 255)
PAPER = (250, 250, 246, 255)
FOLD = (200, 206, 214, 255)
TRACE = (230, 110, 20, 255)
CELL = (46, 139, 87, 255)
CELL_ALT = (70, 110, 190, 255)
CLEAR = (0, 0, 0, 0)


def draw(size):
    """Returns rows of RGBA pixels, top row first."""
    unit = size / 16.0
    left, right = round(2 * unit), size - round(2 * unit) - 1
    top, bottom = 0, size - 1
    fold = round(4 * unit)
    pixels = [[CLEAR] * size for _ in range(size)]
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x - (right - fold) > y - top:
                continue  # the cut corner
            edge = x in (left, right) or y in (top, bottom) or x - (right - fold) == y - top
            pixels[y][x] = OUTLINE if edge else PAPER
    for y in range(top + 1, top + fold):
        for x in range(right - fold + 1, right - fold + 1 + (y - top)):
            pixels[y][x] = FOLD
    # A square-wave trace across the upper part of the sheet.
    high, low = round(4 * unit), round(7 * unit)
    half_period = max(2, round(2 * unit))
    previous = None
    for x in range(left + 2, right - 1):
        phase = ((x - left - 2) // half_period) % 2
        pixels[high if phase == 0 else low][x] = TRACE
        if previous is not None and phase != previous:
            for y in range(high, low + 1):
                pixels[y][x] = TRACE
        previous = phase
    # Three rows of table cells below it.
    cell_w, cell_h = max(2, round(3 * unit)), max(1, round(1.5 * unit))
    for row in range(3):
        y0 = round(9 * unit) + row * (cell_h + 1)
        for column in range(3):
            x0 = left + 2 + column * (cell_w + 1)
            colour = CELL if (row + column) % 2 == 0 else CELL_ALT
            for y in range(y0, min(y0 + cell_h, bottom)):
                for x in range(x0, min(x0 + cell_w, right)):
                    pixels[y][x] = colour
    return pixels


def icon_image(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def main():
    sizes = (16, 32)
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open("txtcvt.ico", "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
