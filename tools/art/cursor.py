#!/usr/bin/python3
"""Cursor 101: a 32 x 32 monochrome pointing hand (black outline, white fill) whose hot spot
(6, 0) is the tip of the index finger; written as resources/CURSOR/101.cur."""

import sys

from PIL import Image

from artlib import out_path, write_cur, contact_sheet

HOTSPOT = (6, 0)

# B black, W white, anything else transparent. Rows shorter than 32 are padded.
HAND = """
......BBB
.....BWWWB
.....BWWWB
.....BWWWB
.....BWWWB
.....BWWWBBB
.....BWWWBWWBBB
.....BWWWBWWBWWB
.....BWWWBWWBWWBBB
.....BWWWBWWBWWBWWB
.BBB.BWWWBWWBWWBWWB
.BWWBBWWWWWWWWWWWWB
.BWWWBWWWWWWWWWWWWB
..BWWBWWWWWWWWWWWWB
..BWWWWWWWWWWWWWWWB
...BWWWWWWWWWWWWWWB
...BWWWWWWWWWWWWWWB
....BWWWWWWWWWWWWWB
....BWWWWWWWWWWWWB
.....BWWWWWWWWWWWB
.....BWWWWWWWWWWWB
......BWWWWWWWWWB
......BWWWWWWWWWB
......BBBBBBBBBBB
"""


def rows():
    lines = [line.ljust(32, ".") for line in HAND.strip("\n").split("\n")]
    lines += ["." * 32] * (32 - len(lines))
    return lines


def main(sheet_dir=None):
    lines = rows()
    assert lines[HOTSPOT[1]][HOTSPOT[0]] == "B", "the hot spot must be on the finger tip"
    xor_rows = [[1 if c == "W" else 0 for c in line] for line in lines]
    and_rows = [[0 if c in "BW" else 1 for c in line] for line in lines]
    write_cur(out_path("CURSOR", "101.cur"), xor_rows, and_rows, HOTSPOT)
    if sheet_dir:
        image = Image.new("RGB", (32, 32), "#7FA7D9")
        for y, line in enumerate(lines):
            for x, c in enumerate(line):
                if c in "BW":
                    image.putpixel((x, y), (0, 0, 0) if c == "B" else (255, 255, 255))
        image.putpixel(HOTSPOT, (255, 0, 0))
        contact_sheet([image], sheet_dir + "/cursor.png", scale=10, columns=1)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
