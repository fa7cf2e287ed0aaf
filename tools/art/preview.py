#!/usr/bin/python3
"""Mock-ups of the windows for judging the artwork: each window's background with its frames,
labels, buttons and design pictures drawn where the layouts put them. Writes PNGs into the
folder given as the argument; nothing here goes into the program."""

import os
import sys

from PIL import Image, ImageDraw

from artlib import RESOURCES, font, COMIC

TWIP = 15


def px(t):
    return round(t / TWIP)


def pt(size):
    return round(size * 96 / 72)


def load(*parts):
    path = os.path.join(RESOURCES, *parts)
    return Image.open(path).convert("RGB") if os.path.exists(path) else None


def bgr(value):
    return ((value & 0xFF), (value >> 8) & 0xFF, (value >> 16) & 0xFF)


class Mock:
    def __init__(self, background, size):
        image = load("DIALOG", background + ".jpg")
        self.image = Image.new("RGB", size, "#D0D0D0")
        if image:
            self.image.paste(image, (0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def label(self, text, left, top, size, colour=0, width=None, centre=False):
        f = font(COMIC, pt(size))
        x, y = px(left), px(top)
        if centre and width:
            x += (px(width) - self.draw.textlength(text, font=f)) / 2
        self.draw.text((x, y), text, fill=bgr(colour), font=f)

    def shadowed(self, text, left, top, size):
        self.label(text, left, top, size, 0)
        self.label(text, left + 45, top + 45, size, 0xFCD8C2)

    def rect(self, left, top, width, height, colour, fill=None, line=1):
        box = [px(left), px(top), px(left + width) - 1, px(top + height) - 1]
        self.draw.rectangle(box, outline=bgr(colour), fill=bgr(fill) if fill is not None else None,
                            width=line)

    def double_frame(self, left, top, width, height):
        self.rect(left, top, width, height, 0xDB7028)
        self.rect(left + 45, top + 45, width, height, 0xFCD8C2)

    def picture(self, image, left, top):
        if image:
            self.image.paste(image, (px(left), px(top)))

    def button(self, left, top, caption="", skin="BTNNORMAL"):
        face = load("BITMAP", skin + ".bmp")
        if face:
            self.image.paste(face, (px(left), px(top)))
        if caption:
            f = font(COMIC, pt(12))
            w = self.draw.textlength(caption, font=f)
            self.draw.text((px(left) + 3 + (135 - w) / 2, px(top) + 9), caption, fill=bgr(0xC0),
                           font=f)

    def line(self, x1, y1, x2, y2, colour=0xDB7028):
        self.draw.line([px(x1), px(y1), px(x2), px(y2)], fill=bgr(colour))

    def letters(self, top1, top2, lefts, state=None):
        for i in range(26):
            left = lefts[i % 13]
            top = top1 if i < 13 else top2
            name = state(i) if state else "PictureNormal"
            self.picture(load("DESIGN", "LETTERS", "%s.%s.bmp" % (chr(65 + i), name)), left, top)


def alphabet():
    m = Mock("WINDOW", (668, 549))
    m.rect(-45, 6480, 10185, 1995, 0x18BBD8, 0xBFEEFE)
    m.double_frame(585, 1845, 4650, 3525)
    m.rect(675, 1935, 4500, 3375, 0xFFFFFF, 0xFFFFFF)
    m.label("1 of 5", 675 + 3645, 1935 + 90, 12)
    m.label("A", 450, -180, 60, 0)
    m.label("A", 495, -135, 60, 0xFCD8C2)
    m.shadowed("pple", 1395, 315, 36)
    for top, text in zip((2205, 3270, 4410), ("An apple is a fruit.", "I take an apple to",
                                              "I like to eat an apple")):
        m.label(text, 5490, top, 15.75)
    m.button(585, 5580, skin="BTNSPEAKERNORMAL")
    m.button(1260, 5580, "Go back")
    m.button(3420, 5580, "Go to next", "BTNHL")
    m.button(7605, 450, "Close")
    m.letters(6750, 7425, [405, 1110, 1830, 2520, 3210, 3930, 4635, 5340, 6045, 6750, 7455,
                           8160, 8865],
              lambda i: {1: "PictureHLight", 2: "PicturePressed", 3: "PictureDisabled"}.get(i, "PictureNormal"))
    return m.image


def words_menu():
    m = Mock("WINDOW", (668, 556))
    m.shadowed("Words Menu", 315, 135, 36)
    m.label("Musical Instruments", 45, 1440, 36, 0xFFFF)
    m.label("Select a subject from below.", 540, 2385, 14.25)
    m.line(450, 2835, 9405, 2835)
    m.button(7605, 450, "Close")
    spots = [(4860, 6300), (6660, 4905), (720, 4815), (945, 6435), (2970, 5355), (5805, 3060),
             (7785, 3375), (7515, 6390), (3690, 3645), (1305, 3285)]
    for i, (left, top) in enumerate(spots):
        m.double_frame(left - 112, top - 120, 1725, 1365)
        m.picture(load("DESIGN", "frmLESSWRDM", "btnpPICWORD1(%d).PictureNormal.jpg" % i), left, top)
    return m.image


def words():
    m = Mock("WINDOW", (668, 549))
    m.shadowed("Words - Animals", 225, 180, 36)
    m.label("Click a word from below to link to this picture.", 855, 1665, 14.25)
    m.double_frame(1710, 2115, 4650, 3525)
    m.rect(1800, 2205, 4500, 3375, 0xFFFFFF, 0xFFFFFF)
    m.rect(585, 3465, 480, 1545, 0, 0xF29575)
    m.rect(585, 3465, 480, 900, 0, 0xFFFFFF)
    for i, (left, top) in enumerate([(2025, 6165), (5490, 6165), (6525, 7020), (3825, 7020),
                                     (1170, 7065)]):
        m.button(left, top, ["Camel", "Lion", "Zebra", "Emu", "Koala"][i])
    m.button(7335, 4950, "Go to next")
    m.button(6660, 4950, skin="BTNSPEAKERNORMAL")
    m.button(7605, 450, "Close")
    return m.image


def pairs():
    m = Mock("WINDOW", (668, 549))
    m.label("Match Pairs", 225, 180, 36)
    m.label("Match Pairs", 270, 225, 36, 0xFCD8C2)
    m.label("Click two cards below. A matching pair wins.", 855, 1665, 14.25)
    for top in (2250, 4140, 6030):
        for left in (675, 2835, 4995, 7155):
            m.rect(left, top, 2085, 1815, 0xDB7028, 0xDB7028)
    m.button(6930, 1530, "Pass to the next")
    m.button(7605, 450, "Close")
    return m.image


def write_along():
    m = Mock("WINDOW", (668, 558))
    m.shadowed("Write - A - Long", 225, 180, 36)
    m.label("Simply Write on some paper the movement of the animation", 855, 1665, 14.25)
    m.rect(-45, 6615, 10320, 2085, 0x18BBD8, 0xBFEEFE)
    for left, frame_left, name in ((1335, 720, "A - Ucase.gif"), (6180, 5670, "a - lcase.gif")):
        m.double_frame(frame_left, 2250, 3615, 3840)
        m.rect(left, 2565, 2535, 2535, 0xFFFFFF, 0xFFFFFF)
        path = os.path.join(RESOURCES, "Animations", name)
        if os.path.exists(path):
            gif = Image.open(path)
            gif.seek(gif.n_frames - 1)
            shown = gif.convert("RGB").crop((2, 2, 171, 171))
            m.image.paste(shown, (px(left), px(2565)))
    m.button(1575, 5355, "Click to play")
    m.button(6480, 5355, "Click to play")
    m.button(7605, 450, "Close")
    m.letters(6840, 7515, [405, 1110, 1830, 2520, 3210, 3930, 4635, 5340, 6045, 6750, 7455,
                           8160, 8865])
    return m.image


def menu():
    m = Mock("MAIN", (667, 551))
    frames = [(315, 1980), (360, 4725), (3600, 1395), (6795, 2025), (6840, 4725)]
    for left, top in frames:
        m.double_frame(left, top, 2985, 1950)
    for name, left, top in [("btnpALPHABET", 1125, 2205), ("btnpWORDS", 7560, 2250),
                            ("btnpPAIRS", 4275, 1575), ("btnpPICANDWORDS", 1080, 4950),
                            ("btnpWRITEALONG", 7605, 4995)]:
        state = "PictureHLight" if name == "btnpWORDS" else "PictureNormal"
        m.picture(load("DESIGN", "frmMAINMENU", "%s.%s.jpg" % (name, state)), left, top)
    m.label("Learn the Alphabet", 855, 3465, 12)
    m.label("Learn Great Words", 7305, 3465, 12, 0xFFFF)
    m.label("Find a Matching Pair", 3975, 2880, 12)
    m.label("Pictures And Words", 840, 6210, 12)
    m.label("Help To Write Letters", 7125, 6210, 12)
    m.line(135, 7290, 9870, 7290)
    m.button(3285, 7530, "About")
    m.button(5505, 7530, "Language")
    m.button(7695, 7530, "Exit the Program")
    return m.image


def about():
    m = Mock("MAIN", (668, 463))
    m.rect(0, -4545, 10200, 5940, 0x808080, 0xFFFFFF)
    path = os.path.join(RESOURCES, "DESIGN", "frmABOUTQBY")
    for name, left, top in (("imgImage2.Picture.gif", 135, 45), ("imgImage1.Picture.gif", 7995, 210)):
        if os.path.exists(os.path.join(path, name)):
            m.picture(Image.open(os.path.join(path, name)).convert("RGB"), left, top)
    m.label("A simple and fun way to learn English", 360, 990, 9.75)
    m.label("Version: 2.51", 4410, 1485, 14.25)
    m.label("Email Quillby Support", 3465, 1935, 12, 0xFF0000)
    m.line(270, 2475, 9765, 2475)
    for row, top in enumerate((3105, 3780)):
        for col, text in enumerate(("Word pictures", "Voices", "Sound effects")):
            m.label(text, 600 + col * 3200, top, 14.25, 0x80)
    m.label("A big thank you to all involved at the websites contents above.", 210, 4275, 14.25,
            0x800000)
    m.label("With out their brilliant talent and inspiration this program", 210, 4680, 14.25,
            0x800000)
    m.line(180, 5940, 9675, 5940)
    m.label("Copyright the Quillby authors", 3150, 5625, 9.75, 0x404040)
    m.button(7560, 6165, "OK")
    return m.image


def language():
    m = Mock("LANGUAGE", (621, 537))
    for control, left, top in (("btnpENGLISH", 1680, 1245), ("btnpAMERICAN", 5070, 1245),
                               ("btnpKOREAN", 1680, 4695), ("btnpENGHELP", 5070, 4695)):
        state = "PictureHLight" if control == "btnpKOREAN" else "PictureNormal"
        m.picture(load("DESIGN", "frmLANGUAGE", "%s.%s.bmp" % (control, state)), left, top)
    m.rect(1605, 1170, 2625, 1860, 0xFF, line=4)
    m.rect(4995, 4620, 2625, 1815, 0xFF, line=4)
    m.label("Click below to choose your type of English for the words", 1215, 585, 12)
    m.label("English Words", 2295, 3030, 12)
    m.label("American Words", 5760, 3030, 12)
    m.label("Click below to choose you type of help", 1215, 4005, 12)
    m.label("Korean help", 2430, 6480, 12)
    m.label("English help", 5895, 6480, 12)
    m.line(855, 900, 8595, 900)
    m.line(810, 4320, 8550, 4320)
    m.button(4410, 7335, "OK")
    m.button(6600, 7335, "Close")
    return m.image


# The feedback boxes: client height, frame, labels (text, left, top, size, colour, width) and
# buttons (left, top, caption), as their layouts place them.
BOXES = [
    (249, (7350, 3390), [("You are correct !", 135, 270, 21.75, 0xFFFFFF, 7365),
                         ("You found Kangaroo", 135, 945, 14.25, 0, 7350)],
     [(2790, 2700, "OK")]),
    (249, (7350, 3390), [("Well Done!", 2715, 360, 21.75, 0xFF0000, 2205),
                         ("You have found 10 correct answers in a row.", 135, 1215, 14.25, 0, 7350),
                         ("Keep learning with your English .", 135, 1845, 14.25, 0x404040, 7350)],
     [(2790, 2700, "OK")]),
    (250, (7395, 3435), [("Sorry that is wrong", 135, 270, 20.25, 0, 7440),
                         ("You have not found the correct one", 135, 945, 14.25, 0, 7440)],
     [(2835, 2790, "OK")]),
    (199, (7395, 2670), [("Would you like to play", 405, 675, 20.25, 0, 5415),
                         ("again?", 405, 1130, 20.25, 0, 5415)],
     [(2955, 1995, "Yes Please"), (5190, 1995, "No Thankyou")]),
]


def boxes():
    sheet = Image.new("RGB", (513 * 2 + 8, 250 * 2 + 8), "#808080")
    for i, (height, (frame_w, frame_h), labels, buttons) in enumerate(BOXES):
        m = Mock("MSGBOX", (513, height))
        m.rect(135, 135, frame_w, frame_h, 0xDB7028)
        for text, left, top, size, colour, width in labels:
            m.label(text, left, top, size, colour, width, True)
        for left, top, caption in buttons:
            m.button(left, top, caption)
        sheet.paste(m.image, ((i % 2) * 521, (i // 2) * 258))
    return sheet


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, maker in [("alphabet", alphabet), ("words_menu", words_menu), ("words", words),
                        ("pairs", pairs), ("write_along", write_along), ("menu", menu),
                        ("about", about), ("language", language), ("boxes", boxes)]:
        maker().save(os.path.join(folder, "mock_%s.png" % name))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/art-preview")
