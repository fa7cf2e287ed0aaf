#!/usr/bin/python3
"""The 26 letter buttons' pictures (41 x 41, 24-bit bitmaps) shared by the alphabet lesson,
pictures and words, and write-along: resources/DESIGN/LETTERS/<L>.<Property>.bmp for
PictureNormal, PictureHLight, PicturePressed and PictureDisabled.

A rounded amber tile with the capital and the small letter side by side in white (outlined in
brown so they read on the light highlight); the highlight is a brighter yellow, the pressed tile
darker with the letters shifted, the disabled tile grey. The corners show the colour of the
band the buttons stand on."""

import sys

from PIL import Image, ImageDraw

from artlib import out_path, save_bmp24, font, COMIC_BOLD, BAND, hex_rgb, contact_sheet

SIZE = 41
S = 8   # drawn eight times larger, then reduced

STATES = {
    "PictureNormal":   dict(top="#F7B54A", bottom="#E48A1C", line="#B8691A", ink="#FFFFFF",
                            stroke="#7A3E0E", shift=0, ring=None),
    "PictureHLight":   dict(top="#FFE46A", bottom="#FFC52E", line="#E0940E", ink="#FFFFFF",
                            stroke="#7A3E0E", shift=0, ring="#FFFBE0"),
    "PicturePressed":  dict(top="#D47F18", bottom="#E8962A", line="#945010", ink="#FFF6E6",
                            stroke="#6A340C", shift=2, ring=None),
    "PictureDisabled": dict(top="#DCDCDC", bottom="#C4C4C4", line="#9C9C9C", ink="#F6F6F6",
                            stroke="#7C7C7C", shift=0, ring=None),
}


def gradient(size, top, bottom):
    a, b = hex_rgb(top), hex_rgb(bottom)
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(size[1]):
        t = y / max(1, size[1] - 1)
        draw.line([(0, y), (size[0], y)], fill=tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3)))
    return image


def fitted_font(text, width):
    size = 23 * S
    while True:
        f = font(COMIC_BOLD, size)
        if ImageDraw.Draw(Image.new("L", (1, 1))).textlength(text, font=f) <= width or size < 12 * S:
            return f
        size -= S // 2


def tile(letter, state):
    s = STATES[state]
    big = SIZE * S
    image = Image.new("RGB", (big, big), BAND)
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle([S, S, big - S - 1, big - S - 1], radius=9 * S, fill=255)
    image.paste(gradient((big, big), s["top"], s["bottom"]), (0, 0), mask)
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([S, S, big - S - 1, big - S - 1], radius=9 * S, outline=s["line"],
                           width=int(1.6 * S))
    if s["ring"]:
        draw.rounded_rectangle([3 * S, 3 * S, big - 3 * S - 1, big - 3 * S - 1], radius=7 * S,
                               outline=s["ring"], width=int(1.2 * S))
    if state == "PicturePressed":
        # Shadow under the top edge: the tile looks pushed in.
        draw.line([(6 * S, int(3.5 * S)), (big - 6 * S, int(3.5 * S))], fill="#8A4A0E",
                  width=int(1.5 * S))
    else:
        # A soft shine across the upper part.
        shine = Image.new("L", (big, big), 0)
        ImageDraw.Draw(shine).rounded_rectangle([5 * S, 3 * S, big - 5 * S, 15 * S], radius=6 * S,
                                                fill=70 if state != "PictureDisabled" else 40)
        image.paste(Image.new("RGB", (big, big), "#FFFFFF"), (0, 0), shine)
    text = letter + letter.lower()
    f = fitted_font(text, 33 * S)
    width = draw.textlength(text, font=f)
    left, top, right, bottom = draw.textbbox((0, 0), "A", font=f)
    x = (big - width) / 2 + s["shift"] * S / 2
    y = (big - (bottom - top)) / 2 - top + s["shift"] * S / 2
    draw.text((x, y), text, font=f, fill=s["ink"], stroke_width=int(1.6 * S),
              stroke_fill=s["stroke"])
    return image.resize((SIZE, SIZE), Image.LANCZOS)


def main(sheet_dir=None):
    shown = []
    for code in range(ord("A"), ord("Z") + 1):
        letter = chr(code)
        for state in STATES:
            image = tile(letter, state)
            save_bmp24(image, out_path("DESIGN", "LETTERS", "%s.%s.bmp" % (letter, state)))
            shown.append(image)
    if sheet_dir:
        contact_sheet(shown, sheet_dir + "/letters.png", scale=2, columns=16, background=BAND)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
