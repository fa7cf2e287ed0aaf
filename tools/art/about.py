#!/usr/bin/python3
"""The About box's two pictures on its white band, as GIFs in resources/DESIGN/frmABOUTQBY/:
the heading imgImage2 (288 x 65, the program's name) and the web-page link imgImage1
(121 x 63, a globe with "www")."""

import sys

from artlib import out_path, render_svg, svg_doc, save_gif, contact_sheet
from backgrounds import logo, feather


def heading():
    body = logo(10, 50, 48) + feather(180, 2, 0.95, 20)
    body += ('<path d="M14 58 Q100 66 186 58" fill="none" stroke="#F6A54A" stroke-width="3" '
             'stroke-linecap="round" opacity="0.8"/>')
    return render_svg(svg_doc(288, 65, body), 288, 65)


def web_link():
    defs = ('<radialGradient id="sea" cx="0.38" cy="0.35" r="0.7">'
            '<stop offset="0" stop-color="#9FD0FA"/><stop offset="1" stop-color="#3F7CC6"/>'
            '</radialGradient><clipPath id="ball"><circle cx="31" cy="32" r="26"/></clipPath>')
    body = '<circle cx="31" cy="32" r="26" fill="url(#sea)"/>'
    land = ('<path d="M12 20 C18 12 30 14 30 22 C30 30 22 30 20 38 C18 44 10 40 8 32 Z" '
            'fill="#5DBB7A"/>'
            '<path d="M36 12 C46 12 56 20 52 28 C48 34 40 28 38 36 C36 44 46 46 42 54 '
            'C36 58 30 50 32 42 C34 32 30 22 36 12 Z" fill="#5DBB7A"/>')
    body += '<g clip-path="url(#ball)">%s</g>' % land
    body += ('<g fill="none" stroke="#FFFFFF" stroke-opacity="0.7" stroke-width="1.2">'
             '<ellipse cx="31" cy="32" rx="12" ry="26"/><path d="M31 6 V58 M5 32 H57 '
             'M9 19 H53 M9 45 H53"/></g>')
    body += '<circle cx="31" cy="32" r="26" fill="none" stroke="#2F5FA0" stroke-width="2"/>'
    body += '<ellipse cx="22" cy="20" rx="7" ry="4" fill="#FFFFFF" opacity="0.45"/>'
    # "www" on a ribbon across the globe's right side, and a pointing arrow.
    body += ('<rect x="38" y="21" width="79" height="26" rx="13" fill="#FFD36B" '
             'stroke="#C96A1A" stroke-width="1.5"/>')
    body += ('<text x="77" y="40" text-anchor="middle" font-family="Comic Neue" '
             'font-weight="bold" font-size="21" fill="#1F4F9A">www</text>')
    body += ('<path d="M96 44 L96 60 L100 56 L103 62 L106 61 L103 55 L108 55 Z" fill="#FFFFFF" '
             'stroke="#2B2B3A" stroke-width="1.2" stroke-linejoin="round"/>')
    return render_svg(svg_doc(121, 63, body, defs), 121, 63)


def main(sheet_dir=None):
    head = heading()
    link = web_link()
    save_gif([head], out_path("DESIGN", "frmABOUTQBY", "imgImage2.Picture.gif"), colours=96)
    save_gif([link], out_path("DESIGN", "frmABOUTQBY", "imgImage1.Picture.gif"), colours=96)
    if sheet_dir:
        contact_sheet([head, link], sheet_dir + "/about.png", scale=2, columns=2,
                      background="#FFFFFF")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
