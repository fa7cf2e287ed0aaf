#!/usr/bin/python3
"""Button skins: the "BTN" set (140 x 39, no text: the button prints its caption over the face)
and the "BTNSPEAKER" set (40 x 39, a loudspeaker), as 24-bit bitmaps in resources/BITMAP/."""

import sys

from artlib import out_path, render_svg, save_bmp24, svg_doc, flatten, contact_sheet

# Per state: outer frame, face gradient top and bottom, border line, gloss strength, face offset.
STATES = {
    "NORMAL":   dict(frame="#F2A447", top="#FFFDF2", bottom="#FFE29C", line="#D07F24",
                     gloss=0.65, shift=0, glow=None),
    "HL":       dict(frame="#FFC53D", top="#FFFFFF", bottom="#FFF0B3", line="#F09A1C",
                     gloss=0.85, shift=0, glow="#FFF7C8"),
    "PRESSED":  dict(frame="#C7731F", top="#F8CD80", bottom="#FFE3A8", line="#9E5A16",
                     gloss=0.25, shift=1, glow=None),
    "DISABLED": dict(frame="#BDBDBD", top="#F4F4F4", bottom="#DADADA", line="#A3A3A3",
                     gloss=0.35, shift=0, glow=None),
}


def face(width, height, state, radius):
    s = STATES[state]
    d = s["shift"]
    defs = ('<linearGradient id="f" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</linearGradient>'
            '<linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#FFFFFF" stop-opacity="%.2f"/>'
            '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></linearGradient>'
            % (s["top"], s["bottom"], s["gloss"]))
    body = '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (width, height, s["frame"])
    if s["glow"]:
        # A soft light ring inside the frame: the lit-up look of the highlight.
        body += ('<rect x="1" y="1" width="%d" height="%d" rx="%g" fill="none" stroke="%s" '
                 'stroke-width="2" opacity="0.9"/>' % (width - 2, height - 2, radius + 1, s["glow"]))
    body += ('<rect x="2.5" y="%g" width="%d" height="%d" rx="%g" fill="url(#f)" stroke="%s" '
             'stroke-width="1.2"/>' % (2.5 + d, width - 5, height - 5 - d, radius, s["line"]))
    if state == "PRESSED":
        # Inner shadow along the top edge: the face looks pushed in.
        body += ('<path d="M4 %g h%d" stroke="#8C4F12" stroke-opacity="0.35" stroke-width="2"/>'
                 % (4.5 + d, width - 8))
    body += ('<rect x="6" y="%g" width="%d" height="%g" rx="%g" fill="url(#g)"/>'
             % (4 + d, width - 12, (height - 8) * 0.42, radius - 2))
    return defs, body


def button(state):
    defs, body = face(140, 39, state, 9)
    return flatten(render_svg(svg_doc(140, 39, body, defs), 140, 39))


def speaker(state):
    defs, body = face(40, 39, state, 8)
    d = STATES[state]["shift"]
    ink = "#2E5C9E" if state != "HL" else "#1F4F9A"
    waves = 3 if state == "HL" else 2
    body += '<g transform="translate(%g %g)">' % (d, d)
    body += ('<path d="M7 15.5 h5 l7 -6 v20 l-7 -6 h-5 z" fill="%s" stroke="%s" '
             'stroke-width="1.2" stroke-linejoin="round"/>' % (ink, ink))
    for n in range(waves):
        # Sound waves: arcs of +-45 degrees around the cone's mouth.
        r = 5 + n * 4.5
        dx, dy = r * 0.7071, r * 0.7071
        body += ('<path d="M%.2f %.2f A%g %g 0 0 1 %.2f %.2f" fill="none" stroke="%s" '
                 'stroke-width="2.2" stroke-linecap="round"/>'
                 % (19 + dx, 19.5 - dy, r, r, 19 + dx, 19.5 + dy, ink))
    body += '</g>'
    return flatten(render_svg(svg_doc(40, 39, body, defs), 40, 39))


def main(sheet_dir=None):
    made = []
    for state in ("HL", "NORMAL", "PRESSED", "DISABLED"):
        image = button(state)
        save_bmp24(image, out_path("BITMAP", "BTN%s.bmp" % state))
        made.append(image)
    for state in ("HL", "NORMAL", "PRESSED"):
        image = speaker(state)
        save_bmp24(image, out_path("BITMAP", "BTNSPEAKER%s.bmp" % state))
        made.append(image)
    if sheet_dir:
        contact_sheet(made, sheet_dir + "/skins.png", scale=3, columns=4)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
