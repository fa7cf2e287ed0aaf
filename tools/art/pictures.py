#!/usr/bin/python3
"""Picture buttons of the menus, stored with the windows' designs (JPEG, 100 x 75):

- the main menu's five lesson buttons (normal and highlight; the pressed picture is the normal
  one), in resources/DESIGN/frmMAINMENU/;
- the words menu's ten subject buttons (normal, highlight, pressed), in
  resources/DESIGN/frmLESSWRDM/.

Each picture is a rounded card on the piece of window background it stands on (so its corners
blend in), with a small drawing of the activity or the subject."""

import math
import os
import sys

from PIL import Image

from artlib import RESOURCES, out_path, render_svg, svg_doc, save_jpeg, contact_sheet

W, H = 100, 75

# ---------------------------------------------------------------------------------------------
# Drawings on a 100 x 75 canvas.

OUT = 'stroke="#4A2E18" stroke-width="1.6" stroke-linejoin="round" stroke-linecap="round"'


def block(x, y, s, colour, letter, angle=0):
    return ('<g transform="translate(%g %g) rotate(%g)">'
            '<rect x="0" y="0" width="%g" height="%g" rx="4" fill="%s" %s/>'
            '<rect x="3" y="3" width="%g" height="%g" rx="3" fill="#FFFFFF" opacity="0.25"/>'
            '<text x="%g" y="%g" text-anchor="middle" font-family="Comic Neue" font-weight="bold" '
            'font-size="%g" fill="#FFFFFF" stroke="#4A2E18" stroke-width="1.2">%s</text></g>'
            % (x, y, angle, s, s, colour, OUT, s - 6, (s - 6) * 0.35, s / 2, s * 0.8, s * 0.78,
               letter))


def draw_alphabet():
    return (block(14, 34, 27, "#5A86D2", "A", -4) + block(44, 35, 27, "#EE7B62", "B", 3)
            + block(29, 8, 27, "#F6A54A", "C", -2) + '<circle cx="82" cy="22" r="3" fill="#F6C23E"/>'
            + '<circle cx="88" cy="34" r="2" fill="#5DBB7A"/><circle cx="80" cy="50" r="2.5" fill="#CDBDF0"/>')


def apple(x, y, s):
    return ('<g transform="translate(%g %g) scale(%g)">'
            '<path d="M0 -9 C-12 -16 -20 -2 -15 9 C-11 18 -4 19 0 16 C4 19 11 18 15 9 C20 -2 12 -16 0 -9 Z" fill="#E84A3C" %s/>'
            '<path d="M0 -9 Q1 -16 4 -19" fill="none" stroke="#6B3F1D" stroke-width="2"/>'
            '<path d="M2 -14 Q9 -20 14 -15 Q8 -11 2 -14 Z" fill="#5DBB7A" %s/>'
            '<ellipse cx="-8" cy="-3" rx="3" ry="5" fill="#FFFFFF" opacity="0.45"/></g>' % (x, y, s, OUT, OUT))


def car(x, y, s, colour="#4A86CB"):
    return ('<g transform="translate(%g %g) scale(%g)">'
            '<path d="M-22 4 V-4 Q-20 -8 -14 -8 L-9 -16 H8 L15 -8 Q22 -8 22 -2 V4 Z" fill="%s" %s/>'
            '<path d="M-7 -14 H-1 V-8 H-11 Z M1 -14 H7 L11 -8 H1 Z" fill="#DFF1FF" %s/>'
            '<circle cx="-12" cy="5" r="5" fill="#2B2B3A"/><circle cx="-12" cy="5" r="2" fill="#CCCCCC"/>'
            '<circle cx="12" cy="5" r="5" fill="#2B2B3A"/><circle cx="12" cy="5" r="2" fill="#CCCCCC"/>'
            '</g>' % (x, y, s, colour, OUT, OUT))


def cat_face(x, y, s):
    return ('<g transform="translate(%g %g) scale(%g)">'
            '<path d="M-16 -6 L-14 -22 L-5 -13 H5 L14 -22 L16 -6 C18 10 8 16 0 16 C-8 16 -18 10 -16 -6 Z" fill="#F6A54A" %s/>'
            '<path d="M-13 -17 L-8 -12 L-13 -10 Z M13 -17 L8 -12 L13 -10 Z" fill="#F7B7B0"/>'
            '<circle cx="-6" cy="-1" r="2.6" fill="#2B2B3A"/><circle cx="6" cy="-1" r="2.6" fill="#2B2B3A"/>'
            '<circle cx="-5.2" cy="-1.8" r="0.9" fill="#FFFFFF"/><circle cx="6.8" cy="-1.8" r="0.9" fill="#FFFFFF"/>'
            '<path d="M-2 5 H2 L0 7.5 Z" fill="#E8684F"/>'
            '<path d="M0 7.5 Q-3 11 -5 9 M0 7.5 Q3 11 5 9" fill="none" stroke="#4A2E18" stroke-width="1.2"/>'
            '<path d="M-9 5 H-20 M-9 7 L-19 10 M9 5 H20 M9 7 L19 10" stroke="#4A2E18" stroke-width="0.9"/>'
            '</g>' % (x, y, s, OUT))


def draw_words():
    # An open book with three pictures of different subjects above it.
    book = ('<path d="M10 52 Q30 46 50 53 Q70 46 90 52 V68 Q70 62 50 69 Q30 62 10 68 Z" fill="#FFFFFF" %s/>'
            '<path d="M50 53 V69" stroke="#4A2E18" stroke-width="1.4"/>'
            '<path d="M16 57 Q30 53 44 58 M16 62 Q30 58 44 63 M56 58 Q70 53 84 57 M56 63 Q70 58 84 62" '
            'fill="none" stroke="#9FC3E8" stroke-width="1.6"/>' % OUT)
    return book + apple(23, 29, 0.8) + car(50, 35, 0.72, "#2F9488") + cat_face(77, 31, 0.72)


def card(x, y, angle, face_up, symbol=""):
    g = '<g transform="translate(%g %g) rotate(%g)">' % (x, y, angle)
    if face_up:
        g += '<rect x="-14" y="-19" width="28" height="38" rx="4" fill="#FFFFFF" %s/>' % OUT
        g += symbol
    else:
        g += '<rect x="-14" y="-19" width="28" height="38" rx="4" fill="#2870DB" %s/>' % OUT
        g += '<rect x="-10" y="-15" width="20" height="30" rx="3" fill="none" stroke="#C2D8FC" stroke-width="1.5"/>'
        g += '<text x="0" y="6" text-anchor="middle" font-family="Comic Neue" font-weight="bold" font-size="16" fill="#C2D8FC">?</text>'
    return g + "</g>"


def star_path(cx, cy, r, colour, rot=0):
    pts = []
    for i in range(10):
        rr = r if i % 2 == 0 else r * 0.47
        a = math.radians(-90 + rot + i * 36)
        pts.append("%.2f,%.2f" % (cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return '<polygon points="%s" fill="%s" %s/>' % (" ".join(pts), colour, OUT)


def draw_pairs():
    heart = ('<path d="M0 8 C-10 0 -10 -9 -4 -9 C-1 -9 0 -6 0 -5 C0 -6 1 -9 4 -9 C10 -9 10 0 0 8 Z" '
             'fill="#EE7B62" %s/>' % OUT)
    return (card(50, 36, 0, False) + card(24, 39, -10, True, heart) + card(76, 39, 10, True, heart)
            + '<path d="M36 12 l3 -6 M42 14 l6 -4 M58 14 l-6 -4 M64 12 l-3 -6" stroke="#F6A54A" '
              'stroke-width="2" stroke-linecap="round"/>')


def draw_pictures_words():
    # A picture of a cat above its word, one letter still hidden as a star.
    frame = ('<rect x="27" y="6" width="46" height="38" rx="3" fill="#DFF1FF" %s/>' % OUT
             + cat_face(50, 27, 0.78)
             + '<rect x="27" y="6" width="46" height="38" rx="3" fill="none" %s/>' % OUT)
    tiles = ""
    for i, ch in enumerate("C*T"):
        x = 23 + i * 19
        tiles += ('<rect x="%d" y="50" width="16" height="19" rx="3" fill="%s" %s/>'
                  % (x, "#FFFFFF" if ch != "*" else "#FFE3A0", OUT))
        if ch == "*":
            tiles += star_path(x + 8, 59.5, 6, "#F6A54A")
        else:
            tiles += ('<text x="%d" y="65" text-anchor="middle" font-family="Comic Neue" '
                      'font-weight="bold" font-size="15" fill="#D0664A">%s</text>' % (x + 8, ch))
    return frame + tiles


def draw_write():
    paper = ('<rect x="12" y="10" width="62" height="56" rx="4" fill="#FFFFFF" %s/>'
             '<path d="M16 24 H70 M16 50 H70" stroke="#9FC3E8" stroke-width="1.4"/>'
             '<path d="M16 37 H70" stroke="#F7B7B0" stroke-width="1.2" stroke-dasharray="3 3"/>'
             % OUT)
    letter = ('<path d="M38 40 C34 34 23 35 23 44 C23 53 35 53 38 45 M38 37 V50" fill="none" '
              'stroke="#4A9A58" stroke-width="3.4" stroke-linecap="round"/>')
    # The pencil's tip rests at the foot of the letter's stem, as if it had just written it.
    pencil = ('<g transform="translate(39.5 51.5) rotate(52)">'
              '<rect x="-4" y="-40" width="8" height="30" fill="#FFC83D" %s/>'
              '<rect x="-4" y="-46" width="8" height="7" rx="2" fill="#F49AA0" %s/>'
              '<path d="M-4 -10 L0 0 L4 -10 Z" fill="#F6D9B0" %s/><path d="M-1.3 -3.2 L0 0 L1.3 -3.2 Z" fill="#2B2B3A"/>'
              '</g>' % (OUT, OUT, OUT))
    return paper + letter + pencil + star_path(84, 16, 5, "#F6A54A", 10)


# Subject drawings.

def draw_animals():
    mane = "".join('<circle cx="%.1f" cy="%.1f" r="8" fill="#E8862C" %s/>'
                   % (50 + 22 * math.cos(math.radians(a)), 38 + 22 * math.sin(math.radians(a)), OUT)
                   for a in range(0, 360, 30))
    face = ('<circle cx="50" cy="38" r="21" fill="#FFD36B" %s/>'
            '<circle cx="34" cy="22" r="5" fill="#FFD36B" %s/><circle cx="66" cy="22" r="5" fill="#FFD36B" %s/>'
            '<circle cx="43" cy="35" r="2.8" fill="#2B2B3A"/><circle cx="57" cy="35" r="2.8" fill="#2B2B3A"/>'
            '<circle cx="44" cy="34" r="0.9" fill="#FFFFFF"/><circle cx="58" cy="34" r="0.9" fill="#FFFFFF"/>'
            '<ellipse cx="50" cy="45" rx="8" ry="6" fill="#FFF1C8"/>'
            '<path d="M46 42 H54 L50 46 Z" fill="#6B3F1D"/>'
            '<path d="M50 46 Q47 50 44 48 M50 46 Q53 50 56 48" fill="none" stroke="#4A2E18" stroke-width="1.3"/>'
            % (OUT, OUT, OUT))
    return mane + face


def draw_colors():
    palette = ('<path d="M50 10 C74 10 88 24 86 40 C84 52 72 50 66 54 C60 58 66 68 54 68 C30 68 14 54 14 38 '
               'C14 22 30 10 50 10 Z" fill="#F6D9B0" %s/>'
               '<ellipse cx="62" cy="54" rx="5" ry="4" fill="#FFFFFF" %s/>' % (OUT, OUT))
    blobs = ""
    for (x, y), colour in zip([(30, 30), (44, 21), (60, 20), (74, 30), (28, 47)],
                              ["#E84A3C", "#F6C23E", "#5DBB7A", "#4A86CB", "#7D64C8"]):
        blobs += '<circle cx="%d" cy="%d" r="6" fill="%s" %s/>' % (x, y, colour, OUT)
    brush = ('<g transform="translate(48 48) rotate(-35)"><rect x="-2.5" y="-2" width="5" height="26" rx="2" fill="#B07A4A" %s/>'
             '<path d="M-3 -2 Q0 -14 3 -2 Z" fill="#E84A3C" %s/></g>' % (OUT, OUT))
    return palette + blobs + brush


def draw_fruit():
    cherries = ('<path d="M66 26 Q70 12 80 10 M74 30 Q74 16 80 10" fill="none" stroke="#5D8A3A" stroke-width="2"/>'
                '<circle cx="65" cy="34" r="8" fill="#D9304A" %s/><circle cx="76" cy="37" r="8" fill="#D9304A" %s/>'
                '<circle cx="62" cy="31" r="2" fill="#FFFFFF" opacity="0.6"/><circle cx="73" cy="34" r="2" fill="#FFFFFF" opacity="0.6"/>'
                % (OUT, OUT))
    banana = ('<path d="M22 56 C34 66 60 66 74 54 C62 58 38 58 26 48 Z" fill="#FFD84A" %s/>'
              % OUT)
    return banana + apple(36, 33, 1.15) + cherries


def draw_general():
    cone = ('<path d="M40 38 L50 68 L60 38 Z" fill="#E8B26A" %s/>'
            '<path d="M43 44 L57 44 M45 51 L55 51 M47 58 L53 58" stroke="#B07A3A" stroke-width="1.2"/>'
            '<circle cx="44" cy="33" r="9" fill="#F7B7B0" %s/><circle cx="56" cy="33" r="9" fill="#FFF1C8" %s/>'
            '<circle cx="50" cy="22" r="9" fill="#9ED9B8" %s/><circle cx="50" cy="12" r="3" fill="#D9304A" %s/>'
            % (OUT, OUT, OUT, OUT, OUT))
    key = ('<g transform="translate(76 44) rotate(-30)"><circle cx="0" cy="-10" r="7" fill="#F6C23E" %s/>'
           '<circle cx="0" cy="-10" r="2.5" fill="#FFF8E7"/>'
           '<path d="M-2 -3 H2 V16 H6 V19 H2 V22 H6 V25 H-2 Z" fill="#F6C23E" %s/></g>' % (OUT, OUT))
    egg = '<ellipse cx="22" cy="48" rx="9" ry="12" fill="#FFFFFF" %s/>' % OUT
    return egg + cone + key


def draw_musical():
    drum = ('<ellipse cx="42" cy="56" rx="22" ry="7" fill="#D0664A" %s/>'
            '<path d="M20 40 V56 A22 7 0 0 0 64 56 V40 Z" fill="#EE7B62" %s/>'
            '<path d="M22 44 L30 56 L38 44 L46 56 L54 44 L62 56" fill="none" stroke="#FFF1C8" stroke-width="1.6"/>'
            '<ellipse cx="42" cy="40" rx="22" ry="7" fill="#FFF8E7" %s/>'
            '<path d="M30 34 L12 18 M54 34 L70 16" stroke="#B07A4A" stroke-width="3" stroke-linecap="round"/>'
            '<circle cx="12" cy="18" r="3" fill="#B07A4A"/><circle cx="70" cy="16" r="3" fill="#B07A4A"/>'
            % (OUT, OUT, OUT))
    notes = ('<g fill="#7D64C8"><ellipse cx="78" cy="40" rx="4.5" ry="3.5"/><rect x="81" y="22" width="2" height="18"/>'
             '<path d="M83 22 q6 2 6 8" fill="none" stroke="#7D64C8" stroke-width="2"/>'
             '<ellipse cx="86" cy="60" rx="4" ry="3"/><rect x="88.5" y="46" width="1.8" height="14"/></g>')
    return drum + notes


def draw_vegetables():
    carrot = ('<g transform="translate(40 40) rotate(-35)">'
              '<path d="M-8 -18 Q0 -22 8 -18 L1 26 Q0 28 -1 26 Z" fill="#F08A24" %s/>'
              '<path d="M-5 -8 h4 M2 0 h4 M-4 8 h4" stroke="#C96A1A" stroke-width="1.4"/>'
              '<path d="M-3 -19 Q-10 -32 -6 -34 Q-1 -28 0 -20 Q2 -32 7 -32 Q8 -26 3 -19" fill="#5DBB7A" %s/></g>'
              % (OUT, OUT))
    tomato = ('<circle cx="68" cy="46" r="15" fill="#E84A3C" %s/>'
              '<path d="M68 32 l-6 -3 l4 5 l-6 2 l7 1 l1 5 l2 -5 l6 0 l-5 -3 l4 -4 Z" fill="#5DBB7A" %s/>'
              '<ellipse cx="62" cy="42" rx="3" ry="5" fill="#FFFFFF" opacity="0.4"/>' % (OUT, OUT))
    pea = ('<path d="M14 62 Q30 50 46 60 Q30 70 14 62 Z" fill="#7CC46A" %s/>'
           '<circle cx="24" cy="61" r="3" fill="#A8E08C"/><circle cx="31" cy="60" r="3" fill="#A8E08C"/>'
           '<circle cx="38" cy="60" r="3" fill="#A8E08C"/>' % OUT)
    return pea + carrot + tomato


def draw_transport():
    bus = ('<rect x="18" y="20" width="64" height="32" rx="6" fill="#FFC83D" %s/>'
           '<rect x="24" y="25" width="12" height="11" rx="2" fill="#DFF1FF" %s/>'
           '<rect x="40" y="25" width="12" height="11" rx="2" fill="#DFF1FF" %s/>'
           '<rect x="56" y="25" width="12" height="11" rx="2" fill="#DFF1FF" %s/>'
           '<rect x="71" y="25" width="8" height="20" rx="2" fill="#DFF1FF" %s/>'
           '<path d="M18 42 H82" stroke="#E8862C" stroke-width="3"/>'
           '<circle cx="32" cy="54" r="7" fill="#2B2B3A"/><circle cx="32" cy="54" r="3" fill="#CCCCCC"/>'
           '<circle cx="68" cy="54" r="7" fill="#2B2B3A"/><circle cx="68" cy="54" r="3" fill="#CCCCCC"/>'
           '<circle cx="80" cy="47" r="2" fill="#FFF8E7"/>' % (OUT, OUT, OUT, OUT, OUT))
    return bus + '<path d="M8 64 H92" stroke="#9C9C9C" stroke-width="2" stroke-dasharray="8 5"/>'


def draw_sports():
    ball = ('<circle cx="50" cy="38" r="25" fill="#F08A24" %s/>'
            '<path d="M25 38 H75 M50 13 V63" stroke="#4A2E18" stroke-width="1.6"/>'
            '<path d="M32 20 Q44 38 32 56 M68 20 Q56 38 68 56" fill="none" stroke="#4A2E18" stroke-width="1.6"/>'
            '<ellipse cx="40" cy="25" rx="5" ry="3" fill="#FFFFFF" opacity="0.35"/>' % OUT)
    return ball


def draw_natural():
    rainbow = ""
    for i, colour in enumerate(["#E84A3C", "#F6A54A", "#F6C23E", "#5DBB7A", "#4A86CB", "#7D64C8"]):
        r = 36 - i * 4
        rainbow += ('<path d="M%d 62 A%d %d 0 0 1 %d 62" fill="none" stroke="%s" stroke-width="4.2"/>'
                    % (50 - r, r, r, 50 + r, colour))
    sun = ('<circle cx="76" cy="20" r="8" fill="#FFD23F" %s/>' % OUT
           + "".join('<path d="M%.1f %.1f L%.1f %.1f" stroke="#F6A54A" stroke-width="2" stroke-linecap="round"/>'
                     % (76 + 11 * math.cos(math.radians(a)), 20 + 11 * math.sin(math.radians(a)),
                        76 + 14 * math.cos(math.radians(a)), 20 + 14 * math.sin(math.radians(a)))
                     for a in range(0, 360, 45)))
    cloud = "".join('<path d="M%d 64 a7 7 0 0 1 6 -12 a9 9 0 0 1 16 -2 a7 7 0 0 1 8 8 '
                    'a6 6 0 0 1 0 6 Z" fill="#FFFFFF" %s/>' % (x, OUT) for x in (8, 62))
    return rainbow + sun + cloud


def draw_pets():
    dog = ('<g transform="translate(66 40)">'
           '<path d="M-13 -12 Q-22 -14 -22 2 Q-20 10 -14 4 Z M13 -12 Q22 -14 22 2 Q20 10 14 4 Z" fill="#8A5A34" %s/>'
           '<path d="M-14 -6 C-14 -20 14 -20 14 -6 C16 8 8 16 0 16 C-8 16 -16 8 -14 -6 Z" fill="#E8C08A" %s/>'
           '<circle cx="-5" cy="-3" r="2.4" fill="#2B2B3A"/><circle cx="5" cy="-3" r="2.4" fill="#2B2B3A"/>'
           '<ellipse cx="0" cy="5" rx="4" ry="3" fill="#2B2B3A"/>'
           '<path d="M0 8 V11 M-4 11 Q0 14 4 11" fill="none" stroke="#4A2E18" stroke-width="1.2"/>'
           '<path d="M-2 12 Q0 17 2 12 Z" fill="#F49AA0"/></g>' % (OUT, OUT))
    return cat_face(32, 40, 1.05) + dog


LESSONS = [
    # control, drawing, theme colour (the menu's label colour for the lesson), size
    ("btnpALPHABET", draw_alphabet, "#5A86D2", (100, 75), (1125, 2205)),
    ("btnpWORDS", draw_words, "#2F9488", (100, 75), (7560, 2250)),
    ("btnpPAIRS", draw_pairs, "#8068CC", (100, 74), (4275, 1575)),
    ("btnpPICANDWORDS", draw_pictures_words, "#D0664A", (100, 75), (1080, 4950)),
    ("btnpWRITEALONG", draw_write, "#4A9A58", (100, 75), (7605, 4995)),
]

SUBJECTS = [
    # index of btnpPICWORD1, drawing, theme colour, position (twips)
    (0, draw_animals, "#E8862C", (4860, 6300)),
    (1, draw_colors, "#7D64C8", (6660, 4905)),
    (2, draw_fruit, "#D9304A", (720, 4815)),
    (3, draw_general, "#4A86CB", (945, 6435)),
    (4, draw_musical, "#D0664A", (2970, 5355)),
    (5, draw_vegetables, "#4A9A58", (5805, 3060)),
    (6, draw_transport, "#E8A21C", (7785, 3375)),
    (7, draw_sports, "#E8862C", (7515, 6390)),
    (8, draw_natural, "#4A86CB", (3690, 3645)),
    (9, draw_pets, "#B07A4A", (1305, 3285)),
]


def tint(colour, amount):
    """The colour mixed with white (amount 0 = colour, 1 = white)."""
    c = colour.lstrip("#")
    rgb = [int(c[i:i + 2], 16) for i in (0, 2, 4)]
    return "#%02X%02X%02X" % tuple(round(v + (255 - v) * amount) for v in rgb)


def button_picture(drawing, colour, size, backdrop, state):
    w, h = size
    light, border, width, scale, dy = {
        "normal": (0.82, colour, 2.5, 1.0, 0),
        "highlight": (0.9, "#FFC53D", 4, 1.07, 0),
        "pressed": (0.7, tint(colour, -0.0), 2.5, 0.97, 1.5),
    }[state]
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
            % (tint(colour, min(1, light + 0.12)), tint(colour, light)))
    body = ""
    if state == "highlight":
        body += ('<rect x="0.5" y="0.5" width="%g" height="%g" rx="13" fill="#FFF3B0" '
                 'opacity="0.9"/>' % (w - 1, h - 1))
    body += ('<rect x="2" y="2" width="%g" height="%g" rx="11" fill="url(#bg)" stroke="%s" '
             'stroke-width="%g"/>' % (w - 4, h - 4, border, width))
    if state == "pressed":
        body += ('<path d="M8 4.5 H%g" stroke="#000000" stroke-opacity="0.18" stroke-width="3" '
                 'stroke-linecap="round"/>' % (w - 8))
    body += ('<g transform="translate(%g %g) scale(%g) translate(%g %g)">%s</g>'
             % (w / 2, h / 2 + dy, scale * min(w / 100.0, h / 75.0), -50, -37.5, drawing()))
    image = render_svg(svg_doc(w, h, body, defs), w, h)
    base = backdrop.convert("RGBA").copy()
    base.alpha_composite(image)
    return base.convert("RGB")


def backdrop(name, left_twips, top_twips, size):
    picture = Image.open(os.path.join(RESOURCES, "DIALOG", name + ".jpg")).convert("RGB")
    x, y = round(left_twips / 15), round(top_twips / 15)
    return picture.crop((x, y, x + size[0], y + size[1]))


def main(sheet_dir=None):
    shown = []
    for control, drawing, colour, size, (left, top) in LESSONS:
        under = backdrop("MAIN", left, top, size)
        normal = button_picture(drawing, colour, size, under, "normal")
        highlight = button_picture(drawing, colour, size, under, "highlight")
        # The lesson buttons' pressed picture is their normal one.
        for prop, image in (("PictureNormal", normal), ("PictureHLight", highlight),
                            ("PicturePressed", normal)):
            save_jpeg(image, out_path("DESIGN", "frmMAINMENU", "%s.%s.jpg" % (control, prop)))
        shown += [normal, highlight]
    for index, drawing, colour, (left, top) in SUBJECTS:
        under = backdrop("WINDOW", left, top, (W, H))
        for prop, state in (("PictureNormal", "normal"), ("PictureHLight", "highlight"),
                            ("PicturePressed", "pressed")):
            image = button_picture(drawing, colour, (W, H), under, state)
            save_jpeg(image, out_path("DESIGN", "frmLESSWRDM",
                                      "btnpPICWORD1(%d).%s.jpg" % (index, prop)))
            shown.append(image)
    if sheet_dir:
        contact_sheet(shown[:10], sheet_dir + "/lesson_buttons.png", scale=2, columns=4)
        contact_sheet(shown[10:], sheet_dir + "/subject_buttons.png", scale=2, columns=6)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
