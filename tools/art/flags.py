#!/usr/bin/python3
"""The language dialog's flag buttons: 160 x 110 pixel, 16-colour bitmaps (4 bits a pixel) in
resources/DESIGN/frmLANGUAGE/, normal, highlight and pressed for each of btnpENGLISH (Union
flag), btnpAMERICAN (flag of the United States), btnpKOREAN (flag of Korea) and btnpENGHELP
(the same pictures as btnpENGLISH).

The flags are drawn from their official constructions: the Union flag 1:2 with the St Patrick
saltire counterchanged (red below the white centre line on the hoist side, above it on the fly
side, its edge through each corner); the United States flag 10:19 with 13 stripes and 50 stars
in nine rows of 6 and 5; the Korean flag 2:3 with the taegeuk (red above, blue below) and the
four trigrams (geon upper left, gam upper right, ri lower left, gon lower right). Each picture
is drawn four times larger, mapped to the 16 colours and reduced by majority, so every pixel is
one of the palette's colours with crisp edges."""

import math
import sys

import numpy as np
from PIL import Image

from artlib import out_path, render_svg, svg_doc, save_bmp4, hex_rgb, contact_sheet

PALETTE = [
    "#000000",  # 0 trigrams, flag outline
    "#FFFFFF",  # 1
    "#C8102E",  # 2 Union flag red
    "#012169",  # 3 Union flag blue
    "#B22234",  # 4 United States red
    "#3C3B6E",  # 5 United States blue
    "#CD2E3A",  # 6 Korean red
    "#0047A0",  # 7 Korean blue
    "#FFFDF6",  # 8 the dialog's panel around the button
    "#F2A447",  # 9 frame
    "#C7731F",  # 10 frame, pressed
    "#FFC53D",  # 11 frame, highlight
    "#FFF3B0",  # 12 glow, highlight
    "#D8CBB5",  # 13 shadow
    "#FFF8EA",  # 14 card
    "#F3E2BF",  # 15 card, pressed
]

W, H = 160, 110
SCALE = 4


def union_flag(w):
    """The Union flag, w wide and w/2 high, with its top left corner at the origin."""
    u = w / 60.0           # one unit of the 60 x 30 construction
    h = 30 * u
    s = ['<rect width="%g" height="%g" fill="#012169"/>' % (w, h)]
    s.append('<path d="M0 0 L%g %g M%g 0 L0 %g" stroke="#FFFFFF" stroke-width="%g"/>'
             % (w, h, w, h, 6 * u))
    # St Patrick: in each quarter a band 2 units wide beside the diagonal, on the side that
    # turns anticlockwise (red lower at the hoist, upper at the fly).
    cx, cy = w / 2, h / 2
    for kx, ky in ((0, 0), (w, 0), (0, h), (w, h)):
        dx, dy = kx - cx, ky - cy
        length = math.hypot(dx, dy)
        ux, uy = dx / length, dy / length
        nx, ny = uy, -ux        # the anticlockwise side in screen coordinates
        p1 = (cx, cy)
        p2 = (kx + ux * 4 * u, ky + uy * 4 * u)
        p3 = (p2[0] + nx * 2 * u, p2[1] + ny * 2 * u)
        p4 = (cx + nx * 2 * u, cy + ny * 2 * u)
        quarter = (min(cx, kx), min(cy, ky), abs(dx), abs(dy))
        s.append('<clipPath id="q%d%d"><rect x="%g" y="%g" width="%g" height="%g"/></clipPath>'
                 % ((kx > 0, ky > 0) + quarter))
        s.append('<path d="M%g %g L%g %g L%g %g L%g %g Z" fill="#C8102E" clip-path="url(#q%d%d)"/>'
                 % (p1 + p2 + p3 + p4 + (kx > 0, ky > 0)))
    s.append('<path d="M%g 0 V%g M0 %g H%g" stroke="#FFFFFF" stroke-width="%g"/>'
             % (cx, h, cy, w, 10 * u))
    s.append('<path d="M%g 0 V%g M0 %g H%g" stroke="#C8102E" stroke-width="%g"/>'
             % (cx, h, cy, w, 6 * u))
    return "".join(s), h


def star(cx, cy, r, colour):
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.382
        a = math.radians(-90 + i * 36)
        points.append("%.3f,%.3f" % (cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return '<polygon points="%s" fill="%s"/>' % (" ".join(points), colour)


def us_flag(w):
    """The flag of the United States, w wide and w x 10/19 high."""
    h = w * 10 / 19.0
    stripe = h / 13
    s = ['<rect width="%g" height="%g" fill="#FFFFFF"/>' % (w, h)]
    for i in range(0, 13, 2):
        s.append('<rect y="%g" width="%g" height="%g" fill="#B22234"/>' % (i * stripe, w, stripe))
    canton_w, canton_h = 0.76 * h, 7 * stripe
    s.append('<rect width="%g" height="%g" fill="#3C3B6E"/>' % (canton_w, canton_h))
    # Nine rows, alternately 6 and 5 stars, on a grid of 0.063 h by 0.054 h.
    for row in range(9):
        for col in range(11):
            if (row + col) % 2:
                continue
            s.append(star((col + 1) * 0.063 * h, (row + 1) * 0.054 * h, 0.0616 * h / 2,
                          "#FFFFFF"))
    return "".join(s), h


def korean_flag(w):
    """The flag of Korea, w wide and 2w/3 high."""
    h = w * 2 / 3.0
    d = h / 2              # taegeuk diameter
    r = d / 2
    cx, cy = w / 2, h / 2
    t = math.atan2(h, w)   # the diagonal
    c, sn = math.cos(t), math.sin(t)
    s = ['<rect width="%g" height="%g" fill="#FFFFFF"/>' % (w, h)]
    s.append('<circle cx="%g" cy="%g" r="%g" fill="#0047A0"/>' % (cx, cy, r))
    ul = (cx - r * c, cy - r * sn)
    br = (cx + r * c, cy + r * sn)
    # Red: from the centre round the upper-left small circle (bulging below the diagonal) to
    # the upper-left end, over the top to the lower-right end, and back round the lower-right
    # small circle (bulging above the diagonal).
    s.append('<path d="M%g %g A%g %g 0 0 1 %g %g A%g %g 0 0 1 %g %g A%g %g 0 0 1 %g %g '
             'A%g %g 0 0 0 %g %g Z" fill="#CD2E3A"/>'
             % (cx, cy, r / 2, r / 2, ul[0], ul[1], r, r, cx, cy - r, r, r, br[0], br[1],
                r / 2, r / 2, cx, cy))
    bar, gap = d / 12, d / 24
    length = d / 2
    centre_distance = r + d / 4 + 1.5 * bar + gap
    # Each trigram, from the bar nearest the taegeuk outwards: True solid, False broken.
    trigrams = {(-1, -1): (True, True, True),      # geon, upper left
                (1, -1): (False, True, False),     # gam, upper right
                (-1, 1): (True, False, True),      # ri, lower left
                (1, 1): (False, False, False)}     # gon, lower right
    for (sx, sy), bars in trigrams.items():
        ux, uy = sx * c, sy * sn
        angle = math.degrees(math.atan2(uy, ux))
        tx, ty = cx + ux * centre_distance, cy + uy * centre_distance
        g = '<g transform="translate(%g %g) rotate(%g)">' % (tx, ty, angle)
        for i, solid in enumerate(bars):
            x = -1.5 * bar - gap + i * (bar + gap)     # along the diagonal, outwards
            if solid:
                g += '<rect x="%g" y="%g" width="%g" height="%g" fill="#000000"/>' % (
                    x, -length / 2, bar, length)
            else:
                half = (length - gap) / 2
                g += '<rect x="%g" y="%g" width="%g" height="%g" fill="#000000"/>' % (
                    x, -length / 2, bar, half)
                g += '<rect x="%g" y="%g" width="%g" height="%g" fill="#000000"/>' % (
                    x, gap / 2, bar, half)
        s.append(g + "</g>")
    return "".join(s), h


FLAGS = {"union": (union_flag, 140), "us": (us_flag, 140), "korea": (korean_flag, 126)}


def button_svg(flag, state):
    draw, width = FLAGS[flag]
    body_flag, height = draw(width)
    frame, card, line = {"normal": ("#F2A447", "#FFF8EA", 3),
                         "highlight": ("#FFC53D", "#FFF8EA", 4),
                         "pressed": ("#C7731F", "#F3E2BF", 3)}[state]
    shift = 2 if state == "pressed" else 0
    x = (W - width) / 2 + shift
    y = (H - height) / 2 + shift
    body = '<rect width="%d" height="%d" fill="#FFFDF6"/>' % (W, H)
    body += ('<rect x="%g" y="%g" width="%g" height="%g" rx="12" fill="%s" stroke="%s" '
             'stroke-width="%g"/>' % (line / 2, line / 2, W - line, H - line, card, frame, line))
    if state == "highlight":
        body += ('<rect x="%g" y="%g" width="%g" height="%g" rx="9" fill="none" stroke="#FFF3B0" '
                 'stroke-width="2.5"/>' % (line + 1, line + 1, W - 2 * line - 2, H - 2 * line - 2))
    if state != "pressed":
        body += ('<rect x="%g" y="%g" width="%g" height="%g" fill="#D8CBB5"/>'
                 % (x + 3, y + 3, width, height))
    body += ('<g transform="translate(%g %g)">%s<rect width="%g" height="%g" fill="none" '
             'stroke="#000000" stroke-width="1"/></g>' % (x, y, body_flag, width, height))
    return svg_doc(W, H, body)


def to_palette(image):
    """Maps every pixel of the large picture to its nearest palette colour, then gives each
    pixel of the W x H result the colour most of its SCALE x SCALE pixels have."""
    rgb = np.asarray(image.convert("RGB"), dtype=np.int32)
    palette = np.array([hex_rgb(c) for c in PALETTE], dtype=np.int32)
    distance = ((rgb[:, :, None, :] - palette[None, None, :, :]) ** 2).sum(axis=3)
    nearest = distance.argmin(axis=2)
    blocks = nearest.reshape(H, SCALE, W, SCALE).transpose(0, 2, 1, 3).reshape(H, W, -1)
    counts = np.stack([(blocks == i).sum(axis=2) for i in range(len(PALETTE))], axis=2)
    chosen = counts.argmax(axis=2)
    return Image.fromarray(palette[chosen].astype(np.uint8), "RGB")


def render(flag, state):
    svg = button_svg(flag, state).replace(
        'width="%d" height="%d" viewBox' % (W, H),
        'width="%d" height="%d" viewBox' % (W * SCALE, H * SCALE))
    return to_palette(render_svg(svg, W * SCALE, H * SCALE))


def main(sheet_dir=None):
    shown = []
    for control, flag in (("btnpENGLISH", "union"), ("btnpAMERICAN", "us"),
                          ("btnpKOREAN", "korea"), ("btnpENGHELP", "union")):
        for prop, state in (("PictureNormal", "normal"), ("PictureHLight", "highlight"),
                            ("PicturePressed", "pressed")):
            image = render(flag, state)
            save_bmp4(image, out_path("DESIGN", "frmLANGUAGE", "%s.%s.bmp" % (control, prop)),
                      PALETTE)
            if control != "btnpENGHELP":
                shown.append(image)
    if sheet_dir:
        contact_sheet(shown, sheet_dir + "/flags.png", scale=2, columns=3)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
