#!/usr/bin/python3
"""Builds the 165 word pictures resources/CUSTOM/<WORDKEY>.jpg and their credits.

    /usr/bin/python3 tools/pictures/make_pictures.py --sources /tmp/pics/node_modules
        [--only KEY ...] [--sheet contact.png] [--no-credits]

See README.md beside this file for the packages it needs.
"""

import argparse
import os
import sys
from concurrent.futures import ProcessPoolExecutor

sys.dont_write_bytecode = True   # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from compose import Sources, compose, save_jpeg, source_file  # noqa: E402
import catalogue  # noqa: E402
import credits  # noqa: E402

REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(REPO, "resources", "CUSTOM")
DATA = os.path.join(REPO, "resources", "DATA")
CREDITS = os.path.join(REPO, "resources", "CREDITS")


def read_lines(path):
    with open(path, "rb") as f:
        text = f.read().decode("ascii")
    return [line for line in text.split("\r\n") if line]


def word_key(word):
    return word.replace(" ", "").upper()


def table_keys():
    """Every word key of the six word tables, or None when the tables are not there."""
    keys = set()
    found = False
    for variety in ("ENG", "US"):
        inf = os.path.join(DATA, variety + "_INF.txt")
        wrds = os.path.join(DATA, variety + "_WRDS.txt")
        pics = os.path.join(DATA, variety + "_PICANDWORDS.txt")
        if os.path.exists(inf):
            found = True
            lines, i = read_lines(inf), 0
            while i + 1 < len(lines):
                count = int(lines[i + 1])
                keys.update(word_key(lines[i + 2 + 4 * n]) for n in range(count))
                i += 2 + 4 * count
        if os.path.exists(wrds):
            found = True
            lines, i = read_lines(wrds), 0
            while i + 1 < len(lines):
                count = int(lines[i + 1])
                keys.update(word_key(w) for w in lines[i + 2:i + 2 + count])
                i += 2 + count
        if os.path.exists(pics):
            found = True
            keys.update(word_key(w) for w in read_lines(pics))
    return keys if found else None


def check_catalogue():
    keys = [p.key for p in catalogue.PICTURES]
    duplicates = sorted({k for k in keys if keys.count(k) > 1})
    if duplicates:
        sys.exit("keys listed twice: " + ", ".join(duplicates))
    wanted = table_keys()
    if wanted is not None and wanted != set(keys):
        sys.exit("catalogue and word tables differ: missing %s, not in the tables %s"
                 % (sorted(wanted - set(keys)), sorted(set(keys) - wanted)))
    if len(keys) != 165:
        sys.exit("expected 165 pictures, the catalogue has %d" % len(keys))


def build_one(args):
    node_modules, picture = args
    image = compose(Sources(node_modules), picture)
    path = os.path.join(OUT, picture.key + ".jpg")
    save_jpeg(image, path)
    return picture.key


def contact_sheet(keys, path):
    from PIL import Image, ImageDraw, ImageFont
    font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 13)
    cols, cell_w, cell_h = 10, 150, 112 + 16
    rows = (len(keys) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * cell_w, rows * cell_h), "white")
    draw = ImageDraw.Draw(sheet)
    for i, key in enumerate(keys):
        im = Image.open(os.path.join(OUT, key + ".jpg")).resize((148, 111), Image.LANCZOS)
        x, y = (i % cols) * cell_w, (i // cols) * cell_h
        sheet.paste(im, (x + 1, y))
        draw.text((x + 3, y + 112), key, fill="black", font=font)
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sources", default="/tmp/pics/node_modules",
                        help="node_modules folder holding fluentui-emoji and @twemoji/svg")
    parser.add_argument("--only", nargs="*", help="build only these word keys")
    parser.add_argument("--sheet", help="also write a contact sheet of all pictures (PNG)")
    parser.add_argument("--no-credits", action="store_true",
                        help="leave resources/CREDITS as it is")
    args = parser.parse_args()

    check_catalogue()
    todo = [p for p in catalogue.PICTURES if not args.only or p.key in args.only]
    sources = Sources(args.sources)
    for picture in todo:
        for source in picture.sources():
            if not os.path.exists(sources.path(source)):
                sys.exit("%s: source %s not found (%s)" % (picture.key, source,
                                                           source_file(source)))
    os.makedirs(OUT, exist_ok=True)
    with ProcessPoolExecutor() as pool:
        for key in pool.map(build_one, [(args.sources, p) for p in todo]):
            print(key)
    if args.sheet:
        contact_sheet([p.key for p in todo], args.sheet)
    if not args.no_credits:
        credits.update(CREDITS, catalogue.PICTURES)


if __name__ == "__main__":
    main()
