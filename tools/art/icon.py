#!/usr/bin/python3
"""The program's icon: a quill writing a letter on a round sky-blue tile.

resources/ICON/QUILLBY.ico holds 48, 32 and 16 pixel images, each in 256 colours and in 32-bit
colour; resources/desktop/quillby.png is the 256 pixel picture for the desktop entry (not
embedded in the program)."""

import sys

from artlib import out_path, render_svg, svg_doc, write_ico, contact_sheet


def icon_svg(size, detail):
    """The icon drawn on a 256-unit canvas; detail False drops what a 16 pixel image cannot
    show (the feather's barbs, the ink dots, the letter's outline)."""
    defs = ('<linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#8CC4F5"/><stop offset="1" stop-color="#3F7CC6"/>'
            '</linearGradient>'
            '<linearGradient id="vane" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#FFFFFF"/><stop offset="1" stop-color="#FFE7B8"/>'
            '</linearGradient>')
    body = '<g transform="scale(%g)">' % (size / 256.0)
    body += ('<rect x="8" y="8" width="240" height="240" rx="56" fill="url(#tile)" '
             'stroke="#2F5FA0" stroke-width="%g"/>' % (6 if detail else 12))
    body += '<ellipse cx="128" cy="44" rx="86" ry="22" fill="#FFFFFF" opacity="0.25"/>'
    # The letter, bottom left.
    letter = ('<text x="20" y="212" font-family="Comic Neue" font-weight="bold" font-size="140" '
              '%s>A</text>')
    if detail:
        body += letter % 'fill="none" stroke="#FFFFFF" stroke-width="16" stroke-linejoin="round"'
        body += letter % 'fill="#F39A2E" stroke="#7A3E0E" stroke-width="5" stroke-linejoin="round"'
    else:
        body += letter % 'fill="#F7A33A" stroke="#FFFFFF" stroke-width="10" stroke-linejoin="round"'
        body += letter % 'fill="#F7A33A"'
    # The quill: vane from the top right down to the nib near the letter's foot.
    body += '<g transform="translate(166 20) rotate(24)">'
    body += ('<path d="M34 0 C70 26 78 92 50 150 L40 176 L30 150 C4 92 6 30 34 0 Z" '
             'fill="url(#vane)" stroke="#5A3A20" stroke-width="%g" stroke-linejoin="round"/>'
             % (5 if detail else 10))
    if detail:
        body += '<path d="M35 8 C40 60 40 120 40 172" fill="none" stroke="#C48A4A" stroke-width="4"/>'
        for y, side in ((40, -1), (62, 1), (84, -1), (106, 1), (126, -1)):
            body += ('<path d="M39 %d q%d 6 %d 16" fill="none" stroke="#A9D3F5" stroke-width="5" '
                     'stroke-linecap="round"/>' % (y, 10 * side, 22 * side))
    body += ('<path d="M33 172 L40 200 L47 172 Z" fill="#2B2B3A" stroke="#2B2B3A" '
             'stroke-width="3" stroke-linejoin="round"/>')
    body += '</g>'
    if detail:
        body += '<circle cx="196" cy="222" r="7" fill="#2B2B3A"/><circle cx="214" cy="212" r="4" fill="#2B2B3A"/>'
    return svg_doc(size, size, body + "</g>", defs)


def main(sheet_dir=None):
    images = {size: render_svg(icon_svg(size, size >= 32), size, size) for size in (48, 32, 16)}
    write_ico(out_path("ICON", "QUILLBY.ico"), [images[48], images[32], images[16]])
    big = render_svg(icon_svg(256, True), 256, 256)
    big.save(out_path("desktop", "quillby.png"), optimize=True)
    if sheet_dir:
        contact_sheet([big, images[48], images[32], images[16]], sheet_dir + "/icon.png",
                      scale=1, columns=4, background="#E0E0E0")
        contact_sheet([images[48], images[32], images[16]], sheet_dir + "/icon_zoom.png",
                      scale=5, columns=3, background="#E0E0E0")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
