#!/usr/bin/env python3
"""Draws the five cube images tex0.jpg ... tex4.jpg: 256 x 256, each its own colour and pattern,
with its index as a large digit, so a picture shows at a glance which cube wears which image.

Writes PPM with the standard library and encodes JPEG with ImageMagick's `convert`.
Run from anywhere: python3 make_textures.py
"""
import os
import subprocess
import tempfile

SIZE = 256

# 5 x 7 bitmaps of the digits 0 to 4.
DIGITS = {
    0: ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    1: ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    2: ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    3: ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    4: ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
}

# Background colours, light and dark, and the pattern of each image.
STYLES = [
    ((230, 60, 50), (150, 20, 20), "checker"),
    ((60, 170, 70), (20, 90, 30), "stripes"),
    ((60, 100, 220), (20, 40, 130), "rings"),
    ((240, 200, 40), (160, 110, 10), "diagonal"),
    ((170, 70, 200), (90, 20, 120), "dots"),
]

CELL = 26  # the digit's pixels are CELL x CELL squares: 130 x 182 in all
BORDER = 10


def pattern_is_light(pattern, x, y):
    if pattern == "checker":
        return (x // 32 + y // 32) % 2 == 0
    if pattern == "stripes":
        return (x // 24) % 2 == 0
    if pattern == "rings":
        distance = ((x - SIZE / 2) ** 2 + (y - SIZE / 2) ** 2) ** 0.5
        return int(distance // 20) % 2 == 0
    if pattern == "diagonal":
        return ((x + y) // 28) % 2 == 0
    return ((x % 32) - 16) ** 2 + ((y % 32) - 16) ** 2 > 64


def digit_pixel(digit, x, y):
    """1 inside the digit, 2 on its dark outline, 0 elsewhere."""
    rows = DIGITS[digit]
    left = (SIZE - 5 * CELL) // 2
    top = (SIZE - 7 * CELL) // 2

    def inside(px, py):
        column, row = (px - left) // CELL, (py - top) // CELL
        return 0 <= column < 5 and 0 <= row < 7 and rows[row][column] == "1"

    if inside(x, y):
        return 1
    outline = 5
    for dx, dy in ((outline, 0), (-outline, 0), (0, outline), (0, -outline)):
        if inside(x + dx, y + dy):
            return 2
    return 0


def image(index):
    light, dark, pattern = STYLES[index]
    pixels = bytearray()
    for y in range(SIZE):
        for x in range(SIZE):
            on_border = min(x, y, SIZE - 1 - x, SIZE - 1 - y) < BORDER
            shape = digit_pixel(index, x, y)
            if shape == 1:
                colour = (255, 255, 255)
            elif shape == 2 or on_border:
                colour = (20, 20, 20)
            else:
                colour = light if pattern_is_light(pattern, x, y) else dark
            pixels.extend(colour)
    return pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as scratch:
        for index in range(5):
            ppm = os.path.join(scratch, f"tex{index}.ppm")
            with open(ppm, "wb") as out:
                out.write(f"P6 {SIZE} {SIZE} 255\n".encode())
                out.write(image(index))
            target = os.path.join(here, f"tex{index}.jpg")
            subprocess.run(["convert", ppm, "-strip", "-quality", "90", target], check=True)
            print("wrote", target)


if __name__ == "__main__":
    main()
