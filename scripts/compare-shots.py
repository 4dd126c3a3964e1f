#!/usr/bin/env python3
"""Compares two folders of PNG pictures pixel by pixel.

    scripts/compare-shots.py <before folder> <after folder>
    scripts/compare-shots.py --again <folder>

Every picture of either folder is compared with the one of the same name in
the other; the script prints one line per picture that differs or is missing
(with the number of differing pixels and the rectangle holding them) and a
closing count, and exits with 1 if any picture differs or is missing.
Pictures that are the same except for how they were compressed count as
identical. Made for pictures that scripts/take-shots.sh takes before and
after a change that must not change what a user sees.

With --again, every page picture (page-*.png) of a folder below <folder>
that has a subfolder "again" is compared with the one of the same name
there: the page as first shown after the start against the page shown again.
"""

import os
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
# Bytes per pixel of the 8-bit colour types: grey, RGB, grey+alpha, RGBA.
CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


class PictureError(Exception):
    pass


def read_png(path):
    """(width, height, bytes per pixel, filtered scan lines) of an 8-bit PNG."""
    with open(path, "rb") as source:
        data = source.read()
    if not data.startswith(SIGNATURE):
        raise PictureError("not a PNG")
    at = len(SIGNATURE)
    header = None
    compressed = []
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if len(body) != length:
            raise PictureError("truncated chunk")
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed.append(body)
        elif kind == b"IEND":
            break
        at += 12 + length
    if header is None:
        raise PictureError("no header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in CHANNELS or interlace:
        raise PictureError("only 8-bit, non-interlaced pictures are compared")
    raw = zlib.decompress(b"".join(compressed))
    pixel = CHANNELS[colour]
    if len(raw) != height * (1 + width * pixel):
        raise PictureError("pixel data of the wrong size")
    return width, height, pixel, raw


def unfilter(width, height, pixel, raw):
    """The scan lines without their filter bytes."""
    stride = width * pixel
    lines = []
    previous = bytearray(stride)
    for row in range(height):
        start = row * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        if kind == 1:
            for i in range(pixel, stride):
                line[i] = (line[i] + line[i - pixel]) & 0xFF
        elif kind == 2:
            for i in range(stride):
                line[i] = (line[i] + previous[i]) & 0xFF
        elif kind == 3:
            for i in range(stride):
                left = line[i - pixel] if i >= pixel else 0
                line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(stride):
                left = line[i - pixel] if i >= pixel else 0
                up = previous[i]
                corner = previous[i - pixel] if i >= pixel else 0
                estimate = left + up - corner
                distances = (abs(estimate - left), abs(estimate - up), abs(estimate - corner))
                chosen = left if distances[0] <= distances[1] and distances[0] <= distances[2] \
                    else up if distances[1] <= distances[2] else corner
                line[i] = (line[i] + chosen) & 0xFF
        elif kind != 0:
            raise PictureError("unknown filter %d" % kind)
        lines.append(bytes(line))
        previous = line
    return lines


def difference(before_path, after_path):
    """None when both show the same pixels, else what differs, in words."""
    before = read_png(before_path)
    after = read_png(after_path)
    if before[:2] != after[:2]:
        return "size %dx%d against %dx%d" % (before[0], before[1], after[0], after[1])
    if before == after:
        return None
    width, height = before[:2]
    lines_before = unfilter(*before)
    lines_after = unfilter(*after)
    pixels = 0
    box = None
    for row in range(height):
        if lines_before[row] == lines_after[row]:
            continue
        for column in range(width):
            a = lines_before[row][column * before[2]:(column + 1) * before[2]]
            b = lines_after[row][column * after[2]:(column + 1) * after[2]]
            if before[2] != after[2]:
                a, b = a[:3], b[:3]
            if a != b:
                pixels += 1
                box = (min(box[0], column), min(box[1], row), max(box[2], column),
                       max(box[3], row)) if box else (column, row, column, row)
    if not pixels:
        return None
    return "%d pixels differ within x %d-%d, y %d-%d" % (pixels, box[0], box[2], box[1], box[3])


def all_pairs(before_dir, after_dir):
    """(name, before path, after path) of every picture of either folder."""
    names = sorted({os.path.relpath(os.path.join(root, name), folder)
                    for folder in (before_dir, after_dir) if os.path.isdir(folder)
                    for root, _, files in os.walk(folder)
                    for name in files if name.endswith(".png")})
    if not names:
        sys.exit("no pictures in %s or %s" % (before_dir, after_dir))
    return [(name, os.path.join(before_dir, name), os.path.join(after_dir, name))
            for name in names]


def again_pairs(top):
    """(name, first showing, shown again) of every page picture below top."""
    pairs = []
    for root, folders, files in os.walk(top):
        if os.path.basename(root) == "again" or "again" not in folders:
            continue
        again = os.path.join(root, "again")
        names = {name for folder in (root, again) for name in os.listdir(folder)
                 if name.startswith("page-") and name.endswith(".png")}
        for name in sorted(names):
            pairs.append((os.path.relpath(os.path.join(root, name), top),
                          os.path.join(root, name), os.path.join(again, name)))
    if not pairs:
        sys.exit("no page pictures with an \"again\" folder below %s" % top)
    return sorted(pairs)


def main():
    heading = ""
    if len(sys.argv) == 3 and sys.argv[1] == "--again":
        pairs = again_pairs(sys.argv[2])
        heading = "first showing differs from a later one: "
    elif len(sys.argv) == 3:
        pairs = all_pairs(*sys.argv[1:])
    else:
        sys.exit("\n".join(line.strip() for line in __doc__.strip().splitlines()[2:4]))
    names = [name for name, _, _ in pairs]
    failed = 0
    for name, *paths in pairs:
        missing = [path for path in paths if not os.path.exists(path)]
        try:
            problem = "missing: " + " ".join(missing) if missing else difference(*paths)
        except (OSError, PictureError, zlib.error) as error:
            problem = "unreadable: %s" % error
        if problem:
            failed += 1
            print("%s: %s%s" % (name, heading, problem))
    print("%d of %d pictures identical" % (len(names) - failed, len(names)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
