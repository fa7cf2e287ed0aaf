#!/usr/bin/python3
"""The write-along animations: 104 GIFs in resources/Animations/, four for each letter, named
as the write-along lesson looks them up:

    "<L> ucase chr.gif" and "<L> - Ucase.gif"   the capital (shown on choosing a letter, and by
                                                 the capital's replay button)
    "<l> lcase chr.gif" and "<l> - lcase.gif"   the small letter (the same for the small one)

Each is 190 x 190 on white, on handwriting lines, and shows a pencil writing the letter stroke
by stroke in the order of strokes.py, each stroke in its own colour starting at a numbered dot.
The GIFs carry no looping extension: each plays once and stays on its last frame, the finished
letter with its numbered start dots. The replay file of a letter holds the same animation as
its "chr" file; the lesson switches between the two names so that the browser starts it anew.

The lesson shows a 169 x 169 window of the picture (the browser is larger than its frame and
offset by two or three pixels), so everything is drawn inside it.
"""

import math
import os
import shutil
import sys

from PIL import Image, ImageDraw

from artlib import out_path, save_gif, font, DEJAVU_BOLD, contact_sheet
from strokes import CAPITALS, SMALL

SIZE = 190
S = 3                       # drawn three times larger, then reduced
UNIT = 46                   # pixels from one writing line to the next
TOP, BASE = 30, 30 + 2 * UNIT
CENTRE_X = 87
INK = 9                     # width of the written line
COLOURS = ["#2F6FCF", "#E0503A", "#2E9E5B", "#8A5CC8"]
GHOST = "#E3E6EE"
DRAW_FRAMES = 24            # frames spent drawing, shared out by stroke length


def sample(piece, step=0.02):
    """Points (in units) along one piece of a stroke."""
    kind = piece[0]
    if kind == "L":
        _, x0, y0, x1, y1 = piece
        n = max(2, int(math.hypot(x1 - x0, y1 - y0) / step))
        return [(x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n) for i in range(n + 1)]
    if kind == "A":
        _, cx, cy, rx, ry, a0, a1 = piece
        n = max(4, int(abs(a1 - a0) / 2))
        return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
                 cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
    _, x, y = piece
    return [(x, y)]


def stroke_points(stroke):
    points = []
    for piece in stroke:
        for p in sample(piece):
            if not points or math.hypot(p[0] - points[-1][0], p[1] - points[-1][1]) > 1e-9:
                points.append(p)
    return points


def is_dot(stroke):
    return len(stroke) == 1 and stroke[0][0] == "D"


def layout(strokes):
    """The letter's strokes as point lists in pixels (of the final 190 x 190 picture)."""
    unit_strokes = [stroke_points(s) for s in strokes]
    xs = [x for pts in unit_strokes for x, _ in pts]
    shift = CENTRE_X - (min(xs) + max(xs)) / 2 * UNIT
    return [[(shift + x * UNIT, BASE - y * UNIT) for x, y in pts] for pts in unit_strokes]


def length(points):
    return sum(math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in zip(points, points[1:]))


def cut(points, distance):
    """The start of a polyline up to the given length, and the direction at its end."""
    out = [points[0]]
    travelled = 0.0
    for a, b in zip(points, points[1:]):
        step = math.hypot(b[0] - a[0], b[1] - a[1])
        if travelled + step >= distance:
            t = (distance - travelled) / step if step else 0
            out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
            return out, (b[0] - a[0], b[1] - a[1])
        travelled += step
        out.append(b)
    last = (points[-1][0] - points[-2][0], points[-1][1] - points[-2][1]) if len(points) > 1 else (1, 1)
    return out, last


def polyline(draw, points, colour, width):
    """A thick line with round ends and joins: segments plus a disc at every point."""
    scaled = [(x * S, y * S) for x, y in points]
    r = width * S / 2
    if len(scaled) > 1:
        draw.line(scaled, fill=colour, width=int(width * S))
    for x, y in scaled:
        draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)


def guide_lines(draw):
    left, right = 10 * S, 166 * S
    for y, colour, dashed in ((TOP, "#A9CBEF", False), (TOP + UNIT, "#F2AFA6", True),
                              (BASE, "#A9CBEF", False), (BASE + 0.75 * UNIT, "#D5E5F5", True)):
        if dashed:
            x = left
            while x < right:
                draw.line([(x, y * S), (min(x + 7 * S, right), y * S)], fill=colour, width=2 * S)
                x += 12 * S
        else:
            draw.line([(left, y * S), (right, y * S)], fill=colour, width=2 * S)


def mark_places(paths):
    """Where each stroke's numbered dot goes: near its start, on the side farthest from the
    letter's lines and from the dots placed before it."""
    places = []
    xs = [p[0] for q in paths for p in q]
    ys = [p[1] for q in paths for p in q]
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    for n, pts in enumerate(paths):
        others = [p for m, q in enumerate(paths) if m != n for p in q]
        x, y = pts[0]
        if len(pts) > 1:
            dx, dy = pts[min(3, len(pts) - 1)][0] - x, pts[min(3, len(pts) - 1)][1] - y
        else:
            dx, dy = 0, 1
        norm = math.hypot(dx, dy) or 1
        dx, dy = dx / norm, dy / norm
        # Strokes that start where another one starts (the apex of A, the top of M) keep their
        # dots apart by putting each on the side its stroke heads to.
        siblings = [q for m, q in enumerate(paths)
                    if m != n and len(q) > 1 and math.hypot(q[0][0] - x, q[0][1] - y) < 6]
        side = 0
        if siblings and abs(dx) > 0.2:
            side = dx
        elif siblings:
            # A straight-down stroke moves its dot away from the side its siblings head to.
            heading = sum(q[min(3, len(q) - 1)][0] - q[0][0] for q in siblings)
            side = -0.7 if heading > 0 else 0.7 if heading < 0 else 0
        best, best_score = None, None
        for radius, cost in ((15, 0), (19, 2)):
            for step in range(24):
                a = math.radians(step * 15)
                cx, cy = x + radius * math.cos(a), y + radius * math.sin(a)
                if not (12 <= cx <= 163 and 12 <= cy <= 165):
                    continue
                own = min(math.hypot(cx - px, cy - py) for px, py in pts)
                if own < 12.5:
                    continue
                clear = min([math.hypot(cx - px, cy - py) for px, py in others] + [40])
                spacing = min([math.hypot(cx - qx, cy - qy) for qx, qy in places] + [40])
                behind = -(math.cos(a) * dx + math.sin(a) * dy)      # 1 when opposite the way
                inside = left < cx < right and top < cy < bottom     # within the letter's box
                score = (min(clear, 25) + min(spacing, 20) * 0.8 + behind * 3
                         + min(own, 13) * 0.3 + side * math.cos(a) * 8 - cost - 6 * inside)
                if best_score is None or score > best_score:
                    best, best_score = (cx, cy), score
        places.append(best or (x - 13, y))
    return places


def start_mark(draw, centre, number, colour):
    """A numbered dot beside the start of a stroke."""
    cx, cy = centre
    r = 7.5
    draw.ellipse([(cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S], fill=colour,
                 outline="#FFFFFF", width=int(1.5 * S))
    f = font(DEJAVU_BOLD, 10 * S)
    text = str(number)
    w = draw.textlength(text, font=f)
    box = draw.textbbox((0, 0), text, font=f)
    draw.text((cx * S - w / 2, cy * S - (box[1] + box[3]) / 2), text, font=f, fill="#FFFFFF")


def arrow(draw, point, direction, colour):
    x, y = point
    dx, dy = direction
    norm = math.hypot(dx, dy) or 1
    dx, dy = dx / norm, dy / norm
    nx, ny = -dy, dx
    tip = (x + dx * 6, y + dy * 6)
    a = (x - dx * 3 + nx * 5, y - dy * 3 + ny * 5)
    b = (x - dx * 3 - nx * 5, y - dy * 3 - ny * 5)
    draw.polygon([(p[0] * S, p[1] * S) for p in (tip, a, b)], fill=colour)


def pencil(image, tip):
    """A yellow pencil whose point rests on tip, leaning up to the right."""
    angle = math.radians(-55)
    ux, uy = math.cos(angle), math.sin(angle)     # from the point towards the eraser
    nx, ny = -uy, ux
    def at(along, across):
        return ((tip[0] + ux * along + nx * across) * S, (tip[1] + uy * along + ny * across) * S)
    draw = ImageDraw.Draw(image)
    half = 4.5
    outline = "#5A3A20"
    draw.polygon([at(0, 0), at(10, half), at(10, -half)], fill="#F6D9B0", outline=outline,
                 width=S)
    draw.polygon([at(0, 0), at(3.6, 1.6), at(3.6, -1.6)], fill="#2B2B3A")
    draw.polygon([at(10, half), at(34, half), at(34, -half), at(10, -half)], fill="#FFC83D",
                 outline=outline, width=S)
    draw.line([at(10, 0), at(34, 0)], fill="#F0A81E", width=S)
    draw.polygon([at(34, half), at(38, half), at(38, -half), at(34, -half)], fill="#BFC7D5",
                 outline=outline, width=S)
    draw.polygon([at(38, half), at(43, half), at(43, -half), at(38, -half)], fill="#F49AA0",
                 outline=outline, width=S)


def frame(paths, places, done, partial, marks, tip):
    """One frame: lines, the faint whole letter, finished strokes, the part of the stroke
    being written, the start marks shown so far (with an arrow on the faint letter for the
    strokes still to write) and the pencil."""
    image = Image.new("RGB", (SIZE * S, SIZE * S), "#FFFFFF")
    draw = ImageDraw.Draw(image)
    guide_lines(draw)
    for pts in paths:
        polyline(draw, pts, GHOST, INK + 3)
    for i in marks:
        pts = paths[i]
        if i >= done and len(pts) > 1:
            head, way = cut(pts, min(20, length(pts) * 0.5))
            arrow(draw, head[-1], way, COLOURS[i % len(COLOURS)])
    for i in range(done):
        polyline(draw, paths[i], COLOURS[i % len(COLOURS)], INK)
    if partial:
        polyline(draw, partial, COLOURS[done % len(COLOURS)], INK)
    for i in marks:
        start_mark(draw, places[i], i + 1, COLOURS[i % len(COLOURS)])
    if tip:
        pencil(image, tip)
    return image.resize((SIZE, SIZE), Image.LANCZOS)


def animate(strokes):
    """The frames and their durations (ms) of one letter."""
    paths = layout(strokes)
    places = mark_places(paths)
    lengths = [length(p) if len(p) > 1 else 0 for p in paths]
    total = sum(lengths) or 1
    frames, durations = [], []
    frames.append(frame(paths, places, 0, None, [0], None))
    durations.append(900)
    for i, pts in enumerate(paths):
        if i > 0:
            # The next start dot appears before its stroke is written.
            frames.append(frame(paths, places, i, None, range(i + 1), pts[0]))
            durations.append(450)
        if len(pts) == 1:           # a dot: the pencil taps it
            frames.append(frame(paths, places, i, [pts[0], pts[0]], range(i + 1), pts[0]))
            durations.append(300)
            continue
        steps = max(3, round(DRAW_FRAMES * lengths[i] / total))
        for k in range(1, steps + 1):
            partial, _ = cut(pts, lengths[i] * k / steps)
            frames.append(frame(paths, places, i, partial, range(i + 1), partial[-1]))
            durations.append(70)
    frames.append(frame(paths, places, len(paths), None, range(len(paths)), None))
    durations.append(4000)
    return frames, durations


def main(sheet_dir=None, only=None):
    folder = os.path.dirname(out_path("Animations", "x"))
    finals = []
    for letter in sorted(CAPITALS):
        if only and letter not in only.upper():
            continue
        for char, strokes, first, replay in (
                (letter, CAPITALS[letter], "%s ucase chr.gif", "%s - Ucase.gif"),
                (letter.lower(), SMALL[letter.lower()], "%s lcase chr.gif", "%s - lcase.gif")):
            frames, durations = animate(strokes)
            path = os.path.join(folder, first % char)
            save_gif(frames, path, durations, colours=80)
            shutil.copyfile(path, os.path.join(folder, replay % char))
            finals.append(frames[-1])
            if sheet_dir and char in "Aa":
                contact_sheet(frames, sheet_dir + "/frames_%s.png" % ("cap" if char == "A" else "small"),
                              scale=1, columns=8)
    if sheet_dir:
        contact_sheet(finals, sheet_dir + "/animations.png", scale=1, columns=8)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None, sys.argv[2] if len(sys.argv) > 2 else None)
