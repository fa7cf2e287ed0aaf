#!/usr/bin/python3
"""Window backgrounds (resources/DIALOG/*.jpg), drawn around the windows' layouts.

Positions below are the windows' control positions in twips divided by 15 (pixels). Every
background is checked at the end: the text colours of the labels that stand on it must keep
their contrast over the area each label covers.

- WINDOW (670 x 560): the five lessons and the words menu. A sky-blue header behind the titles,
  the instruction lines and the words menu's yellow subject name; warm paper below.
- MAIN (670 x 560): the menu, and the About box (cut to 668 x 463, white band over the top
  93 pixels). Light panels behind the five lesson frames, a blue name plate under each lesson
  label (the label turns yellow under the pointer), the program's name at the top and a small
  hedgehog in the free space at the bottom, below the About box's texts.
- LANGUAGE (621 x 539): two light panels, one per choice, around the flags.
- MSGBOX (527 x 250): the feedback boxes; a coral band behind the heading (white flashing to
  blue, or black), cream below.
"""

import sys

from artlib import out_path, render_svg, svg_doc, flatten, save_jpeg, contrast

# Colours of the texts that stand on the backgrounds (RGB of the windows' BGR values).
BLACK, YELLOW, WHITE, BLUE = "#000000", "#FFFF00", "#FFFFFF", "#0000FF"
DARK_RED, NAVY, GREY40 = "#800000", "#000080", "#404040"

HEADER_TOP = "#5E86D2"
HEADER_BOTTOM = "#4B78C7"
# One colour per lesson, in the order of the menu's labels: alphabet, words, pairs, pictures
# and words, write-along.
LESSON_COLOURS = ["#5A86D2", "#2F9488", "#8068CC", "#D0664A", "#4A9A58"]
RIBBON = "#E57450"
PANEL = "#FFFDF6"


def px(*twips):
    return tuple(round(t / 15) for t in twips)


def cloud(x, y, s, opacity=0.55):
    """A flat-bottomed cloud whose left end is at (x, y) (the bottom line), s its scale."""
    bumps = [(12, -8, 11), (27, -15, 14), (43, -9, 10), (52, -4, 7), (4, -4, 7)]
    g = '<g opacity="%g">' % opacity
    g += '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="#FFFFFF"/>' % (
        x, y - 9 * s, 58 * s, 9 * s, 4.5 * s)
    g += "".join('<circle cx="%g" cy="%g" r="%g" fill="#FFFFFF"/>'
                 % (x + dx * s, y + dy * s, r * s) for dx, dy, r in bumps)
    return g + "</g>"


def star(x, y, r, colour, opacity=1.0, rotate=0):
    import math
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.48
        a = math.radians(-90 + rotate + i * 36)
        points.append("%.2f,%.2f" % (x + radius * math.cos(a), y + radius * math.sin(a)))
    return ('<polygon points="%s" fill="%s" opacity="%g" stroke="%s" stroke-width="1" '
            'stroke-linejoin="round"/>' % (" ".join(points), colour, opacity, colour))


def dot(x, y, r, colour, opacity=1.0):
    return '<circle cx="%g" cy="%g" r="%g" fill="%s" opacity="%g"/>' % (x, y, r, colour, opacity)


def paper(width, height, top="#FFF9EC", bottom="#FFF0D6"):
    defs = ('<linearGradient id="paper" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</linearGradient>' % (top, bottom))
    return defs, '<rect width="%d" height="%d" fill="url(#paper)"/>' % (width, height)


# ---------------------------------------------------------------------------------------------

def window():
    w, h = 670, 560
    defs, body = paper(w, h)
    defs += ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
             '<stop offset="1" stop-color="%s"/></linearGradient>'
             % (HEADER_TOP, HEADER_BOTTOM, HEADER_BOTTOM))
    # The header reaches below the words menu's subject name (96-163) with a soft wave.
    edge = "C620 160 570 150 520 154 S420 160 360 156 S240 150 170 157 S60 160 0 153"
    body += '<path d="M0 0 H670 V153 %s Z" fill="url(#sky)"/>' % edge
    # A light seam under the wave.
    body += ('<path d="M670 153 %s" fill="none" stroke="#FFFFFF" stroke-width="3" '
             'opacity="0.75"/>' % edge)
    # Clouds in the top right corner, around (and partly behind) the Exit button.
    body += cloud(470, 26, 0.8, 0.35) + cloud(590, 24, 1.1, 0.45) + cloud(600, 92, 0.9, 0.3)
    body += star(660, 16, 4, "#FFF3B0", 0.8, 10) + star(575, 84, 3, "#FFF3B0", 0.7)
    # Soft pastel circles at the very edges of the paper.
    body += dot(-10, 300, 38, "#FFE2C4", 0.6) + dot(680, 270, 42, "#E3EEFF", 0.7)
    body += dot(8, 250, 6, "#F9C9B8", 0.8) + dot(662, 345, 5, "#BFD8F7", 0.9)
    return flatten(render_svg(svg_doc(w, h, body, defs), w, h))


WINDOW_TEXTS = [
    # (name, rectangle in pixels, text colours that must read there, minimum contrast)
    ("words menu subject name", (3, 112, 660, 149), [YELLOW], 3.0),
    ("instruction lines", (57, 111, 620, 137), [BLACK], 4.5),
    ("words menu prompt", (36, 160, 290, 185), [BLACK], 4.5),
    ("alphabet sentences", (366, 162, 635, 420), [BLACK], 7.0),
    ("hidden word", (0, 378, 662, 429), [BLACK], 7.0),
]


# ---------------------------------------------------------------------------------------------

MENU_FRAMES = [px(315, 1980), px(360, 4725), px(3600, 1395), px(6795, 2025), px(6840, 4725)]
MENU_LABELS = [px(855, 3465, 2085, 345), px(7305, 3465, 2025, 345), px(3975, 2880, 2235, 345),
               px(840, 6210, 2070, 345), px(7125, 6210, 2385, 345)]


def hedgehog(x, y):
    """A small hedgehog writing with a pencil; (x, y) is the top left of a 96 x 62 area."""
    import math
    g = '<g transform="translate(%g %g)">' % (x, y)
    # Spines: a fan of soft triangles around the back.
    spines = []
    cx, cy = 44, 44
    for i in range(13):
        a = math.radians(200 + i * 12)
        a1, a2 = a - math.radians(8), a + math.radians(8)
        spines.append("M%.1f %.1f L%.1f %.1f L%.1f %.1f Z" % (
            cx + 26 * math.cos(a1), cy + 22 * math.sin(a1),
            cx + 40 * math.cos(a), cy + 36 * math.sin(a),
            cx + 26 * math.cos(a2), cy + 22 * math.sin(a2)))
    g += '<path d="%s" fill="#8A5A34" stroke="#6B3F1D" stroke-width="1.2" stroke-linejoin="round"/>' % " ".join(spines)
    g += '<ellipse cx="44" cy="44" rx="33" ry="26" fill="#9C6B42" stroke="#6B3F1D" stroke-width="1.5"/>'
    # Face towards the right.
    g += '<path d="M58 30 C72 30 86 40 90 47 C86 53 74 58 60 58 Z" fill="#F6D9B0" stroke="#6B3F1D" stroke-width="1.5" stroke-linejoin="round"/>'
    g += '<circle cx="90" cy="47" r="3.6" fill="#2B2B3A"/>'
    g += '<circle cx="72" cy="41" r="2.8" fill="#2B2B3A"/><circle cx="73" cy="40" r="0.9" fill="#FFFFFF"/>'
    g += '<ellipse cx="70" cy="50" rx="4" ry="2.4" fill="#F4A3A0" opacity="0.8"/>'
    g += '<path d="M63 28 q4 -6 8 -1" fill="#F6D9B0" stroke="#6B3F1D" stroke-width="1.3"/>'
    # Feet and a pencil held in front.
    g += '<ellipse cx="30" cy="69" rx="7" ry="3.5" fill="#6B3F1D"/><ellipse cx="58" cy="69" rx="7" ry="3.5" fill="#6B3F1D"/>'
    g += ('<g transform="rotate(-35 78 62)"><rect x="60" y="58" width="30" height="7" rx="1.5" '
          'fill="#FFC83D" stroke="#6B3F1D" stroke-width="1"/><rect x="57" y="58" width="5" height="7" '
          'rx="1.5" fill="#F49AA0" stroke="#6B3F1D" stroke-width="1"/><path d="M90 58 L98 61.5 L90 65 Z" '
          'fill="#F6D9B0" stroke="#6B3F1D" stroke-width="1"/><path d="M95.5 60.3 L98 61.5 L95.5 62.7 Z" '
          'fill="#2B2B3A"/></g>')
    g += '<ellipse cx="62" cy="57" rx="5" ry="4" fill="#F6D9B0" stroke="#6B3F1D" stroke-width="1.2"/>'
    return g + "</g>"


def logo(x, y, size):
    """The program's name in round, many-coloured letters."""
    colours = ["#E8862C", "#4A86CB", "#5DBB7A", "#EE7B62", "#7D64C8", "#E8A21C", "#4A86CB"]
    g = ""
    advance = [0.62, 0.55, 0.28, 0.28, 0.28, 0.55, 0.52]
    pos = x
    for i, ch in enumerate("Quillby"):
        text = ('<text x="%g" y="%g" font-family="Comic Neue" font-weight="bold" font-size="%g" '
                % (pos, y + (3 if i % 2 else 0), size))
        g += text + 'stroke="#FFFFFF" stroke-width="9" stroke-linejoin="round">%s</text>' % ch
        g += text + 'stroke="#5A3A20" stroke-width="3.5" stroke-linejoin="round" fill="%s">%s</text>' % (colours[i], ch)
        g += text + 'fill="%s">%s</text>' % (colours[i], ch)
        pos += advance[i] * size
    return g


def feather(x, y, s, rotate):
    return ('<g transform="translate(%g %g) rotate(%g) scale(%g)">'
            '<path d="M0 60 C10 30 24 8 44 0 C44 22 32 46 6 58 Z" fill="#FFF1D2" stroke="#6B3F1D" stroke-width="2" stroke-linejoin="round"/>'
            '<path d="M0 60 C14 38 28 18 42 3" fill="none" stroke="#6B3F1D" stroke-width="1.6"/>'
            '<path d="M14 38 l-6 -6 M22 27 l-6 -7 M30 17 l-5 -7 M18 33 l8 3 M26 22 l8 3" stroke="#A9D3F5" stroke-width="2" stroke-linecap="round"/>'
            '</g>' % (x, y, rotate, s))


def main_picture():
    w, h = 670, 560
    defs, body = paper(w, h, "#FFF9EC", "#FFF3DE")
    defs += ('<linearGradient id="msky" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#BFE0FB"/><stop offset="1" stop-color="#BFE0FB" '
             'stop-opacity="0"/></linearGradient>'
             '<filter id="glow" x="-20%" y="-100%" width="140%" height="300%">'
             '<feGaussianBlur stdDeviation="1.2"/></filter>')
    body += '<rect width="670" height="130" fill="url(#msky)"/>'
    body += cloud(500, 38, 1.0, 0.8) + cloud(590, 70, 0.8, 0.7) + cloud(250, 30, 0.6, 0.0)
    body += dot(640, 30, 20, "#FFE07A", 0.9) + dot(640, 30, 27, "#FFE07A", 0.3)
    body += logo(28, 66, 50) + feather(208, 8, 1.0, 18)
    # Rolling hills under the button row.
    body += ('<path d="M0 540 C120 520 220 548 340 536 S560 520 670 538 V560 H0 Z" fill="#CDEBC0"/>'
             '<path d="M0 552 C160 540 300 560 450 548 S620 546 670 552 V560 H0 Z" fill="#B3E0A5"/>')
    # A coloured pill behind each lesson label, one colour per lesson: dark enough for the
    # label's yellow under the pointer, light enough for its black. The About box shows this
    # picture behind its own texts, whose lines fall between the pills.
    for (lx, ly, lw, lh), colour in zip(MENU_LABELS, LESSON_COLOURS):
        width = max(lw, 150) + 24
        body += ('<rect x="%d" y="%d" width="%d" height="22" rx="11" fill="%s" '
                 'filter="url(#glow)"/>' % (lx - 12, ly + 1, width, colour))
    body += hedgehog(287, 394)
    body += star(250, 430, 5, "#F6A54A", 0.8, 12) + star(420, 415, 4, "#EE7B62", 0.7)
    body += star(400, 450, 3, "#7D64C8", 0.6, 20)
    return flatten(render_svg(svg_doc(w, h, body, defs), w, h))


MAIN_TEXTS = [
    ("lesson label %d" % i, (lx, ly + 5, lx + max(lw, 150), ly + 19), [BLACK, YELLOW], 3.0)
    for i, (lx, ly, lw, lh) in enumerate(MENU_LABELS)
] + [
    ("about version and mail", (231, 99, 452, 152), [BLACK, BLUE], 4.5),
    # Credit lines (19-pixel letters): from the cap line to the base line.
    ("about credits, first row", (10, 215, 658, 228), [DARK_RED], 4.5),
    ("about credits, second row", (10, 259, 658, 273), [DARK_RED], 4.5),
    ("about thanks", (14, 285, 654, 363), [NAVY], 7.0),
    ("about copyright", (210, 375, 487, 393), [GREY40], 4.5),
]


# ---------------------------------------------------------------------------------------------

LANGUAGE_PANELS = [(36, 26, 549, 216), (36, 254, 549, 216)]


def language():
    w, h = 621, 539
    defs, body = paper(w, h, "#DCEFFF", "#FFF3DE")
    defs += ('<filter id="soft" x="-10%" y="-10%" width="120%" height="130%">'
             '<feGaussianBlur stdDeviation="4"/></filter>')
    body += cloud(520, 8, 0.8, 0.6) + cloud(30, 500, 0.9, 0.5)
    for x, y, pw, ph in LANGUAGE_PANELS:
        body += ('<rect x="%d" y="%d" width="%d" height="%d" rx="18" fill="#C9A77A" opacity="0.35" '
                 'filter="url(#soft)"/>' % (x + 2, y + 4, pw, ph))
        body += ('<rect x="%d" y="%d" width="%d" height="%d" rx="18" fill="%s" stroke="#F2C98A" '
                 'stroke-width="2"/>' % (x, y, pw, ph, PANEL))
    # Small marks at the panels' lower right corners: a book for the words, a speech bubble
    # for the help language.
    body += ('<g transform="translate(540 200)"><path d="M0 4 Q10 0 18 4 V26 Q10 22 0 26 Z" fill="#A9D3F5" stroke="#4A86CB" stroke-width="1.5"/>'
             '<path d="M18 4 Q26 0 36 4 V26 Q26 22 18 26 Z" fill="#C8E3FA" stroke="#4A86CB" stroke-width="1.5"/></g>')
    body += ('<g transform="translate(542 428)"><path d="M2 2 H32 a4 4 0 0 1 4 4 V20 a4 4 0 0 1 -4 4 H14 l-8 7 v-7 H2 '
             'a4 4 0 0 1 -4 -4 V6 a4 4 0 0 1 4 -4 Z" fill="#FFE3A0" stroke="#E8862C" stroke-width="1.5"/>'
             '<circle cx="10" cy="13" r="2" fill="#E8862C"/><circle cx="17" cy="13" r="2" fill="#E8862C"/>'
             '<circle cx="24" cy="13" r="2" fill="#E8862C"/></g>')
    body += star(585, 490, 5, "#F6A54A", 0.8) + star(20, 18, 4, "#7D64C8", 0.5)
    return flatten(render_svg(svg_doc(w, h, body, defs), w, h))


LANGUAGE_TEXTS = [
    ("variety prompt", (81, 39, 560, 62), [BLACK], 7.0),
    ("variety names", (150, 202, 470, 225), [BLACK], 7.0),
    ("help prompt", (81, 267, 560, 290), [BLACK], 7.0),
    ("help names", (160, 432, 470, 455), [BLACK], 7.0),
]


# ---------------------------------------------------------------------------------------------

def msgbox():
    w, h = 527, 250
    defs, body = paper(w, h, "#FFF9EC", "#FFEFD2")
    defs += ('<linearGradient id="rib" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#E87A57"/><stop offset="1" stop-color="%s"/>'
             '</linearGradient>' % RIBBON)
    # The heading band sits inside the window's frame (9, 9, 490 x 226).
    body += '<rect x="14" y="14" width="480" height="50" rx="14" fill="url(#rib)"/>'
    body += '<rect x="24" y="17" width="460" height="9" rx="4.5" fill="#FFFFFF" opacity="0.2"/>'
    for x, y, r, c, rot in [(36, 200, 8, "#F6A54A", 0), (64, 218, 5, "#7D64C8", 15),
                            (28, 170, 4, "#5DBB7A", 30), (470, 205, 8, "#4A86CB", 8),
                            (446, 222, 5, "#EE7B62", 20), (482, 178, 4, "#F6A54A", 0)]:
        body += star(x, y, r, c, 0.75, rot)
    body += dot(100, 222, 3, "#F7B7B0") + dot(420, 190, 3, "#A8E0C2") + dot(20, 120, 3, "#A9D3F5")
    body += dot(500, 110, 3, "#F7B7B0")
    return flatten(render_svg(svg_doc(w, h, body, defs), w, h))


MSGBOX_TEXTS = [
    # Heading letters (29 pixels): cap line to base line.
    ("heading", (20, 29, 488, 56), [WHITE, BLUE, BLACK], 2.8),
    ("result line", (9, 66, 499, 120), [BLACK], 7.0),
    ("keep learning line", (9, 126, 499, 178), [GREY40], 4.5),
    ("play again question", (27, 66, 388, 154), [BLACK], 7.0),
]


# ---------------------------------------------------------------------------------------------

def worst_contrast(image, rect, colour):
    """The lowest contrast between colour and any pixel of the rectangle."""
    return min(contrast(pixel, colour) for pixel in set(image.crop(rect).getdata()))


def check(name, image, texts):
    problems = []
    for label, rect, colours, minimum in texts:
        for colour in colours:
            value = worst_contrast(image, rect, colour)
            if value < minimum:
                problems.append("%s: %s on %s reaches only %.2f (wanted %.1f)"
                                % (name, colour, label, value, minimum))
    return problems


def main(sheet_dir=None):
    made = []
    problems = []
    for name, maker, texts, size in [("WINDOW", window, WINDOW_TEXTS, (670, 560)),
                                     ("MAIN", main_picture, MAIN_TEXTS, (670, 560)),
                                     ("LANGUAGE", language, LANGUAGE_TEXTS, (621, 539)),
                                     ("MSGBOX", msgbox, MSGBOX_TEXTS, (527, 250))]:
        image = maker()
        assert image.size == size
        problems += check(name, image, texts)
        save_jpeg(image, out_path("DIALOG", name + ".jpg"), quality=90)
        made.append(image)
    if sheet_dir:
        for name, image in zip(["WINDOW", "MAIN", "LANGUAGE", "MSGBOX"], made):
            image.save(sheet_dir + "/bg_%s.png" % name)
    if problems:
        raise SystemExit("\n".join(problems))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
