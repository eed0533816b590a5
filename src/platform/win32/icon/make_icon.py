#!/usr/bin/env python3
"""Draws the program icon, a key cap with a K on it, as a 32x32 16-colour .ico.

Run from this folder to regenerate keystrip.ico; the build uses the committed file.
"""
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GRAY, YELLOW, BLUE, WHITE = 0, 4, 7, 8, 11, 12, 15
SIZE = 32


def draw():
    """Rows top to bottom; None is transparent."""
    pixels = [[None] * SIZE for _ in range(SIZE)]

    def rect(left, top, right, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour

    # The key cap: outline, shadowed base, light top face.
    rect(2, 3, 29, 29, BLACK)
    rect(3, 4, 28, 28, GRAY)
    rect(3, 4, 27, 25, SILVER)
    rect(3, 4, 27, 4, WHITE)
    rect(3, 4, 3, 25, WHITE)
    rect(6, 7, 24, 22, WHITE)
    rect(7, 8, 24, 22, SILVER)
    # The letter K, two pixels thick.
    for y in range(9, 22):
        rect(10, y, 11, y, NAVY)
        offset = abs(y - 15)
        rect(12 + offset, y, 13 + offset, y, BLUE if y != 15 else NAVY)
    # A spark of typed text leaving the key.
    for x, y in [(26, 1), (27, 0), (28, 1), (27, 2), (30, 4), (31, 3)]:
        pixels[y][x] = YELLOW
    return pixels


def icon_bytes(pixels):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in row:
            mask = (mask << 1) | (1 if p is None else 0)
        mask_rows.append(mask.to_bytes(SIZE // 8, "big"))
    image = header + palette + b"".join(colour_rows) + b"".join(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open("keystrip.ico", "wb") as out:
        out.write(icon_bytes(draw()))
