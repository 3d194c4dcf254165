#!/usr/bin/env python3
"""frame_agreement.py [--min-psnr DB] A.png B.png: how closely two renderings of a frame agree.

Prints the PSNR over all channels, the largest difference of any channel, and the largest
difference away from edges. A pixel lies on an edge when, in either picture, one of its eight
neighbours differs from it by more than EDGE_STEP levels in some channel: there the two platforms
may put a polygon's border one pixel apart (their pixel centres differ by up to half a pixel).
Inside faces, which the light shades smoothly, the pictures must agree to FLAT_TOLERANCE levels.
Exits 1 when they do not, or when the PSNR (at least MIN_PSNR, or DB) or the share of differing
pixels says the edges themselves disagree; 2 on unusable input.
"""
import math
import subprocess
import sys

# Measured with both platforms on Mesa's llvmpipe, on boxring's frames 1 to 5000 and texcross's
# frames 1, 100 and 1000 with block textures: PSNR 47 to 54 dB, at most 3 levels apart inside
# faces, at most 0.015 % of the pixels (single pixels along polygon borders) more than 4 apart. The limits leave room for a different Mesa release, not for a
# wrong light, colour or transform, which moves whole faces.
EDGE_STEP = 4
FLAT_TOLERANCE = 4
MIN_PSNR = 40.0
MAX_DIFFERING_SHARE = 0.001
MAX_EDGE_SHARE = 0.15


def read_rgb(path):
    """The picture's width, height and RGB bytes, read through ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True)
    if size.returncode != 0:
        print(f"cannot read {path}: {size.stderr.strip()}", file=sys.stderr)
        sys.exit(2)
    width, height = (int(value) for value in size.stdout.split())
    rgb = subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return width, height, rgb


def edge_pixels(width, rgb):
    """Pixels with a neighbour more than EDGE_STEP levels away, as a set of indices."""
    edges = set()
    # Right, down, down-right and down-left: with both ends marked, every neighbour pair once.
    for dx, dy in ((1, 0), (0, 1), (1, 1), (-1, 1)):
        offset = dy * width + dx
        for i, (a, b) in enumerate(zip(rgb, rgb[3 * offset:])):
            if abs(a - b) > EDGE_STEP:
                pixel = i // 3
                column = pixel % width
                if (dx == 1 and column == width - 1) or (dx == -1 and column == 0):
                    continue
                edges.add(pixel)
                edges.add(pixel + offset)
    return edges


def main():
    arguments = sys.argv[1:]
    min_psnr = MIN_PSNR
    if len(arguments) == 4 and arguments[0] == "--min-psnr":
        min_psnr = float(arguments[1])
        arguments = arguments[2:]
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    width, height, first = read_rgb(arguments[0])
    other_width, other_height, second = read_rgb(arguments[1])
    if (width, height) != (other_width, other_height):
        print(f"sizes differ: {width}x{height} and {other_width}x{other_height}", file=sys.stderr)
        sys.exit(2)

    channel_differences = [abs(a - b) for a, b in zip(first, second)]
    squared = sum(d * d for d in channel_differences)
    psnr = math.inf if squared == 0 else 10 * math.log10(255 * 255 * len(first) / squared)
    differences = [max(channel_differences[i:i + 3]) for i in range(0, len(first), 3)]
    edges = edge_pixels(width, first) | edge_pixels(width, second)

    flat_worst, flat_at = 0, 0
    for pixel, difference in enumerate(differences):
        if difference > flat_worst and pixel not in edges:
            flat_worst, flat_at = difference, pixel
    where = f"({flat_at % width}, {flat_at // width})"
    differing_share = sum(1 for d in differences if d > FLAT_TOLERANCE) / len(differences)
    edge_share = len(edges) / len(differences)

    print(f"psnr={psnr:.2f} max_diff={max(differences)} flat_max_diff={flat_worst} at {where} "
          f"differing_share={differing_share:.5f} edge_share={edge_share:.4f}")
    failures = []
    if flat_worst > FLAT_TOLERANCE:
        failures.append(f"away from edges the pictures differ by {flat_worst} levels at {where}")
    if psnr < min_psnr:
        failures.append(f"the PSNR is below {min_psnr} dB")
    if differing_share > MAX_DIFFERING_SHARE:
        failures.append(f"more than {MAX_DIFFERING_SHARE:.1%} of the pixels differ by more than "
                        f"{FLAT_TOLERANCE} levels")
    if edge_share > MAX_EDGE_SHARE:
        failures.append(f"edges cover more than {MAX_EDGE_SHARE:.0%} of the pixels: a picture "
                        "is noisy")
    for failure in failures:
        print(failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
